#include "CArchive.h"
#include "Cp1252.h"
#include <cstring>

CArchive::CArchive() : m_bStoring(true) {}

CArchive::CArchive(const std::uint8_t* pData, std::size_t nSize)
    : m_bStoring(false), m_pData(pData), m_nSize(nSize) {}

void CArchive::WriteU8(std::uint8_t n) {
    m_bytes.push_back(n);
}

void CArchive::WriteU16(std::uint16_t n) {
    m_bytes.push_back(static_cast<std::uint8_t>(n));
    m_bytes.push_back(static_cast<std::uint8_t>(n >> 8));
}

void CArchive::WriteU32(std::uint32_t n) {
    for (int i = 0; i < 4; ++i)
        m_bytes.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
}

void CArchive::WriteFloat(float f) {
    std::uint32_t n;
    std::memcpy(&n, &f, 4);
    WriteU32(n);
}

void CArchive::WriteDouble(double d) {
    std::uint64_t n;
    std::memcpy(&n, &d, 8);
    WriteU32(static_cast<std::uint32_t>(n));
    WriteU32(static_cast<std::uint32_t>(n >> 32));
}

void CArchive::WriteRawString(const std::string& strBytes) {
    std::size_t n = strBytes.size();
    if (n < 0xFF) {
        WriteU8(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
        WriteU8(0xFF);
        WriteU16(static_cast<std::uint16_t>(n));
    } else {
        WriteU8(0xFF);
        WriteU16(0xFFFF);
        WriteU32(static_cast<std::uint32_t>(n));
    }
    m_bytes.insert(m_bytes.end(), strBytes.begin(), strBytes.end());
}

void CArchive::WriteString(const std::string& strUtf8) {
    WriteRawString(Utf8ToCp1252(strUtf8));
}

void CArchive::Need(std::size_t n) const {
    if (n > m_nSize - m_nPos)
        throw CArchiveException("unexpected end of file");
}

std::uint8_t CArchive::ReadU8() {
    Need(1);
    return m_pData[m_nPos++];
}

std::uint16_t CArchive::ReadU16() {
    Need(2);
    std::uint16_t n = static_cast<std::uint16_t>(m_pData[m_nPos] | (m_pData[m_nPos + 1] << 8));
    m_nPos += 2;
    return n;
}

std::uint32_t CArchive::ReadU32() {
    Need(4);
    std::uint32_t n = 0;
    for (int i = 3; i >= 0; --i)
        n = (n << 8) | m_pData[m_nPos + static_cast<std::size_t>(i)];
    m_nPos += 4;
    return n;
}

float CArchive::ReadFloat() {
    std::uint32_t n = ReadU32();
    float f;
    std::memcpy(&f, &n, 4);
    return f;
}

double CArchive::ReadDouble() {
    Need(8);
    std::uint64_t n = 0;
    for (int i = 7; i >= 0; --i)
        n = (n << 8) | m_pData[m_nPos + static_cast<std::size_t>(i)];
    m_nPos += 8;
    double d;
    std::memcpy(&d, &n, 8);
    return d;
}

std::string_view CArchive::ReadRawView() {
    std::size_t n = ReadU8();
    if (n == 0xFF) {
        n = ReadU16();
        if (n == 0xFFFF)
            n = ReadU32();
    }
    // A length the rest of the file cannot hold is damage, not an allocation to attempt.
    Need(n);
    const std::string_view s(reinterpret_cast<const char*>(m_pData + m_nPos), n);
    m_nPos += n;
    return s;
}

std::string CArchive::ReadRawString() {
    return std::string(ReadRawView());
}

std::string CArchive::ReadString() {
    return Cp1252ToUtf8(ReadRawView());
}

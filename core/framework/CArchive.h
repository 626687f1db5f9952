#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A short or damaged stream while loading.
class CArchiveException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Little-endian binary stream over a byte buffer, storing or loading.
// Strings are written as Windows-1252 bytes with the 1, 3 or 7 byte length prefix.
class CArchive {
public:
    CArchive();                                             // storing
    CArchive(const std::uint8_t* pData, std::size_t nSize); // loading
    bool IsStoring() const { return m_bStoring; }
    bool IsLoading() const { return !m_bStoring; }

    void WriteU8(std::uint8_t n);
    void WriteU16(std::uint16_t n);
    void WriteU32(std::uint32_t n);
    void WriteFloat(float f);
    void WriteDouble(double d);
    void WriteRawString(const std::string& strBytes); // already 8-bit
    void WriteString(const std::string& strUtf8);

    std::uint8_t ReadU8();
    std::uint16_t ReadU16();
    std::uint32_t ReadU32();
    float ReadFloat();
    double ReadDouble();
    std::string ReadRawString(); // 8-bit bytes as stored
    std::string ReadString();    // converted to UTF-8

    std::size_t Remaining() const { return m_nSize - m_nPos; }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    std::vector<std::uint8_t> TakeBytes() { return std::move(m_bytes); }

private:
    void Need(std::size_t n) const;
    std::string_view ReadRawView();
    bool m_bStoring;
    std::vector<std::uint8_t> m_bytes;
    const std::uint8_t* m_pData = nullptr;
    std::size_t m_nSize = 0;
    std::size_t m_nPos = 0;
};

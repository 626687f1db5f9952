#include "TextFile.h"
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <regex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
bool WriteAll(int fd, const void* pData, std::size_t nSize) {
    const char* p = static_cast<const char*>(pData);
    while (nSize > 0) {
        ssize_t n = ::write(fd, p, nSize);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        nSize -= static_cast<std::size_t>(n);
    }
    return true;
}
} // namespace

bool ReadWholeFile(const std::string& strPath, std::vector<std::uint8_t>& bytes,
                   std::string& strError) {
    bytes.clear();
    int fd = ::open(strPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        strError = std::strerror(errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        strError = std::strerror(EISDIR);
        return false;
    }
    // Straight into the vector, sized for the whole file and one byte more to see its end.
    const bool bSized = S_ISREG(st.st_mode) && st.st_size > 0;
    bytes.resize(bSized ? static_cast<std::size_t>(st.st_size) + 1 : 65536);
    std::size_t nUsed = 0;
    for (;;) {
        if (nUsed == bytes.size())
            bytes.resize(bytes.size() * 2);
        ssize_t n = ::read(fd, bytes.data() + nUsed, bytes.size() - nUsed);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            strError = std::strerror(errno);
            ::close(fd);
            bytes.clear();
            return false;
        }
        if (n == 0)
            break;
        nUsed += static_cast<std::size_t>(n);
    }
    bytes.resize(nUsed);
    ::close(fd);
    return true;
}

namespace {
// The part of ".NAME.EXT.XXXXXX" that names the file being written, or empty.
std::string LeftoverTarget(const std::string& strName) {
    static const std::regex reTemp(R"(\.(.+\.(twd|twa|bak|txt))\.[A-Za-z0-9]{6})");
    std::smatch m;
    if (strName.size() < 12 || strName[0] != '.' || !std::regex_match(strName, m, reTemp))
        return {};
    return m[1].str();
}
} // namespace

void RemoveWriteLeftovers(const std::string& strDir) {
    std::error_code ec;
    const fs::path dir = strDir.empty() ? fs::path(".") : fs::path(strDir);
    std::vector<fs::path> leftovers;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string strTarget = LeftoverTarget(it->path().filename().string());
        if (strTarget.empty() || !it->is_regular_file(ec))
            continue;
        const fs::path target(strTarget);
        const std::string strExt = target.extension().string();
        // Only text files beside a register are its companions; other .txt files are not ours.
        if ((strExt == ".bak" || strExt == ".txt") &&
            !fs::exists(dir / fs::path(strTarget).replace_extension(".twd"), ec))
            continue;
        leftovers.push_back(it->path());
    }
    for (const fs::path& path : leftovers)
        fs::remove(path, ec);
}

bool WriteFileAtomic(const std::string& strPath, const std::vector<std::uint8_t>& bytes,
                     std::string& strError) {
    fs::path target(strPath);
    fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    RemoveWriteLeftovers(dir.string());
    std::string strTemplate = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(strTemplate.begin(), strTemplate.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) {
        strError = std::strerror(errno);
        return false;
    }
    // Keep the permissions of the file being replaced.
    struct stat st {};
    mode_t mode = 0666 & ~[] {
        mode_t m = ::umask(0);
        ::umask(m);
        return m;
    }();
    if (::stat(strPath.c_str(), &st) == 0)
        mode = st.st_mode & 07777;
    ::fchmod(fd, mode);
    bool bOk = WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    int nErr = errno;
    if (::close(fd) != 0 && bOk) {
        bOk = false;
        nErr = errno;
    }
    if (bOk && ::rename(name.data(), strPath.c_str()) != 0) {
        bOk = false;
        nErr = errno;
    }
    if (!bOk) {
        ::unlink(name.data());
        strError = std::strerror(nErr);
        return false;
    }
    return true;
}

std::string ToTextMode(const std::string& strText) {
    std::string out;
    out.reserve(strText.size() + strText.size() / 16);
    for (char c : strText) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

bool WriteTextFile(const std::string& strPath, const std::string& strText, bool bTextMode) {
    int fd = ::open(strPath.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    // Exclusive while writing; another writer makes this fail rather than interleave.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ftruncate(fd, 0) != 0) {
        ::close(fd);
        return false;
    }
    std::string bytes = bTextMode ? ToTextMode(strText) : strText;
    bool bOk = WriteAll(fd, bytes.data(), bytes.size());
    return ::close(fd) == 0 && bOk;
}

std::string FileNameOf(const std::string& strPath) {
    return fs::path(strPath).filename().string();
}

std::string AbsolutePath(const std::string& strPath) {
    std::error_code ec;
    fs::path p = fs::absolute(strPath, ec);
    return ec ? strPath : p.lexically_normal().string();
}

bool HasExtension(const std::string& strPath) {
    return fs::path(strPath).has_extension();
}

std::string ReplaceExtension(const std::string& strPath, const std::string& strExt) {
    fs::path p(strPath);
    p.replace_extension(strExt);
    return p.string();
}

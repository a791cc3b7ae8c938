#include "exchange/file_system.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tobrel::exchange {

namespace fs = std::filesystem;

namespace {

std::string systemReason(int error) {
    return std::generic_category().message(error);
}

fs::path temporarySibling(const fs::path& target) {
    std::random_device seed;
    std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
    fs::path name = target.filename();
    name += ".tobrel-" + std::to_string(digits(seed)) + ".tmp";
    return target.parent_path() / name;
}

// The stream library cannot force data to disk; this is the one place that asks the system.
bool flushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0)
        return false;
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

void writeAll(const fs::path& path, std::string_view bytes, const std::string& shownPath) {
#ifdef _WIN32
    std::FILE* file = _wfopen(path.c_str(), L"wbx");
#else
    std::FILE* file = std::fopen(path.c_str(), "wbx");
#endif
    if (!file)
        throw FileError(shownPath, systemReason(errno));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const int writeError = errno;
    const bool flushed = written && flushToDisk(file);
    const int flushError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !flushed || !closed) {
        std::error_code ignored;
        fs::remove(path, ignored);
        throw FileError(shownPath, systemReason(!written ? writeError : flushError));
    }
}

}  // namespace

fs::path pathFromUtf8(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

bool fileExists(const std::string& path) {
    std::error_code error;
    return fs::exists(pathFromUtf8(path), error);
}

void replaceFileWhole(const std::string& path, std::string_view bytes) {
    const fs::path target = pathFromUtf8(path);
    const fs::path temporary = temporarySibling(target);
    writeAll(temporary, bytes, path);
    std::error_code error;
    fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        throw FileError(path, error.message());
    }
}

std::string readWholeFile(const std::string& path, std::size_t maxBytes) {
    const fs::path source = pathFromUtf8(path);
    std::error_code error;
    const auto size = fs::file_size(source, error);
    if (error)
        throw FileError(path, error.message());
    if (size > maxBytes)
        throw FileError(path, "the file is too large");
    std::ifstream in(source, std::ios::binary);
    if (!in)
        throw FileError(path, systemReason(errno));
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (in.gcount() != static_cast<std::streamsize>(size)) {
        throw FileError(path, "the file could not be read completely");
    }
    return bytes;
}

}  // namespace tobrel::exchange

#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tobrel::exchange {

// A file operation that failed; reason() is the system's own wording.
class FileError : public std::runtime_error {
  public:
    FileError(const std::string& path, const std::string& reason)
        : std::runtime_error(path + ": " + reason), path_(path), reason_(reason) {}
    const std::string& path() const { return path_; }
    const std::string& reason() const { return reason_; }

  private:
    std::string path_;
    std::string reason_;
};

// UTF-8 text to a path on every platform.
std::filesystem::path pathFromUtf8(const std::string& utf8);

bool fileExists(const std::string& path);

// Writes the bytes to a new file beside the target, flushes it to disk and only then renames it
// over the target: the target is either the complete new file or left exactly as it was.
void replaceFileWhole(const std::string& path, std::string_view bytes);

// Reads a whole file; refuses one larger than maxBytes.
std::string readWholeFile(const std::string& path, std::size_t maxBytes);

}  // namespace tobrel::exchange

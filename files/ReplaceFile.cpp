#include "files/ReplaceFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace files {
namespace {

namespace fs = std::filesystem;

constexpr int kTemporaryNameTries = 100;

bool ReadOnly(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) return false;
    return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

// Opens a file of a name no file has yet, beside the target, so that the move stays
// within one folder and one volume. "x" refuses to open a file that already exists.
std::FILE* CreateTemporary(const std::string& path, std::string& temporary) {
    for (int n = 0; n < kTemporaryNameTries; ++n) {
        temporary = path + "." + std::to_string(n) + ".tmp";
        std::error_code error;
        if (fs::exists(temporary, error) || error) continue;
        if (std::FILE* file = std::fopen(temporary.c_str(), "wbx")) return file;
        return nullptr;
    }
    return nullptr;
}

bool WriteAndClose(std::FILE* file, std::string_view bytes) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    return written && flushed && closed;
}

}  // namespace

bool ReplaceFile(const std::string& path, std::string_view bytes) {
    if (ReadOnly(path)) return false;
    std::string temporary;
    std::FILE* file = CreateTemporary(path, temporary);
    if (file == nullptr) return false;
    std::error_code error;
    if (WriteAndClose(file, bytes)) {
        fs::rename(temporary, path, error);
        if (!error) return true;
    }
    fs::remove(temporary, error);
    return false;
}

}  // namespace files

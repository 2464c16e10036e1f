// The file layer on Windows: every path goes to the W functions as UTF-16.

#include "ui/LocalFiles.h"

#include <windows.h>

#include <system_error>

#include "ui/win32/WideText.h"

namespace ui {

using win32::WideOfUtf8;

std::optional<std::string> ReadWholeFile(const std::string& path) {
    const std::optional<std::wstring> name = WideOfUtf8(path);
    if (!name) return std::nullopt;
    // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open.
    HANDLE file = CreateFileW(name->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char block[65536];
    DWORD count = 0;
    bool read = true;
    while ((read = ReadFile(file, block, sizeof block, &count, nullptr) != 0) && count > 0) bytes.append(block, count);
    CloseHandle(file);
    if (!read) return std::nullopt;
    return bytes;
}

namespace {

// FILE_APPEND_DATA without FILE_WRITE_DATA: every write goes to the end of the file as
// one step, also with other processes appending at the same time.
HANDLE OpenForAppend(const std::string& path) {
    const std::optional<std::wstring> name = WideOfUtf8(path);
    if (!name) return INVALID_HANDLE_VALUE;
    return CreateFileW(name->c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

bool AppendLine(const std::string& path, std::string_view line) {
    HANDLE file = OpenForAppend(path);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::string bytes(line);
    bytes.push_back('\n');
    DWORD written = 0;
    const bool wrote = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != 0;
    const bool closed = CloseHandle(file) != 0;
    return wrote && closed && written == bytes.size();
}

bool CanAppend(const std::string& path) {
    HANDLE file = OpenForAppend(path);
    return file != INVALID_HANDLE_VALUE && CloseHandle(file) != 0;
}

bool PathExists(const std::string& path) {
    const std::optional<std::wstring> name = WideOfUtf8(path);
    return name && GetFileAttributesW(name->c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path) {
    const std::optional<std::wstring> name = WideOfUtf8(path);
    if (!name) return false;
    const DWORD attributes = GetFileAttributesW(name->c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool RemoveFile(const std::string& path) {
    const std::optional<std::wstring> name = WideOfUtf8(path);
    return name && DeleteFileW(name->c_str()) != 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
    const std::optional<std::wstring> source = WideOfUtf8(from);
    const std::optional<std::wstring> target = WideOfUtf8(to);
    return source && target && MoveFileExW(source->c_str(), target->c_str(), 0) != 0;
}

bool CreateFolders(const std::string& path) {
    if (!WideOfUtf8(path)) return false;
    std::error_code error;
    std::filesystem::create_directories(PathOfUtf8(path), error);
    return IsFolder(path);
}

}  // namespace ui

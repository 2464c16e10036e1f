// The file layer on Windows: every path goes to the W functions as UTF-16.

#include "ui/LocalFiles.h"

#include <windows.h>

#include <system_error>

#include "ui/LastLine.h"
#include "ui/win32/WideText.h"

namespace ui {

using win32::WideOfUtf8;

bool ReadFileInBlocks(const std::string& path, const std::function<void(std::string_view block)>& block) {
    const std::optional<std::wstring> name = WideOfUtf8(path);
    if (!name) return false;
    // Without FILE_FLAG_BACKUP_SEMANTICS a folder does not open.
    HANDLE file = CreateFileW(name->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char buffer[65536];
    DWORD count = 0;
    bool read = true;
    while ((read = ReadFile(file, buffer, sizeof buffer, &count, nullptr) != 0) && count > 0)
        block(std::string_view(buffer, count));
    CloseHandle(file);
    return read;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::string bytes;
    if (!ReadFileInBlocks(path, [&bytes](std::string_view block) { bytes.append(block); })) return std::nullopt;
    return bytes;
}

namespace {

// FILE_APPEND_DATA without FILE_WRITE_DATA: every write goes to the end of the file as
// one step, also with other processes appending at the same time. FILE_READ_DATA for the
// last byte.
HANDLE OpenForAppend(const std::string& path) {
    const std::optional<std::wstring> name = WideOfUtf8(path);
    if (!name) return INVALID_HANDLE_VALUE;
    return CreateFileW(name->c_str(), FILE_APPEND_DATA | FILE_READ_DATA | SYNCHRONIZE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The writers' lock is one byte far beyond any end the file will reach: Windows' locks
// keep every other handle from reading or writing the bytes they cover, and a reader of
// the record (zenta log, a log shipper) must not be kept from its lines.
OVERLAPPED LockPlace() {
    OVERLAPPED place{};
    place.Offset = 0;
    place.OffsetHigh = 0x7FFFFFFF;
    return place;
}

bool EndsInsideALine(HANDLE file) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart == 0) return false;
    OVERLAPPED at{};
    const ULONGLONG last = static_cast<ULONGLONG>(size.QuadPart - 1);
    at.Offset = static_cast<DWORD>(last);
    at.OffsetHigh = static_cast<DWORD>(last >> 32);
    char byte = 0;
    DWORD count = 0;
    return ReadFile(file, &byte, 1, &count, &at) && count == 1 && byte != '\n';
}

bool ReadAt(HANDLE file, std::uint64_t offset, std::size_t count, std::string& bytes) {
    bytes.resize(count);
    std::size_t got = 0;
    while (got < count) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset + got);
        at.OffsetHigh = static_cast<DWORD>((offset + got) >> 32);
        DWORD read = 0;
        if (!ReadFile(file, bytes.data() + got, static_cast<DWORD>(count - got), &read, &at) || read == 0) return false;
        got += read;
    }
    return true;
}

bool AppendLocked(HANDLE file, std::size_t lookBack, const TWrittenWhole& whole, const TLineAfter& lineAfter) {
    LARGE_INTEGER size{};
    const std::string lastLine =
        GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size)
            ? LastFilledLine(static_cast<std::uint64_t>(size.QuadPart), lookBack, whole,
                             [file](std::uint64_t offset, std::size_t count, std::string& bytes) {
                                 return ReadAt(file, offset, count, bytes);
                             })
            : std::string();
    std::string bytes = EndsInsideALine(file) ? "\n" : "";
    bytes.append(lineAfter(lastLine)).push_back('\n');
    DWORD written = 0;
    return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size() && FlushFileBuffers(file);
}

}  // namespace

bool AppendLineDurably(const std::string& path, std::size_t lookBack, const TWrittenWhole& whole,
                       const TLineAfter& lineAfter) {
    HANDLE file = OpenForAppend(path);
    if (file == INVALID_HANDLE_VALUE) return false;
    OVERLAPPED place = LockPlace();
    bool appended = false;
    if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &place)) {
        appended = AppendLocked(file, lookBack, whole, lineAfter);
        place = LockPlace();
        UnlockFileEx(file, 0, 1, 0, &place);
    }
    const bool closed = CloseHandle(file) != 0;
    return appended && closed;
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

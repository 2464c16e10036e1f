// Whole files written safely on Windows. The safe save: a new file beside the target,
// written and flushed to the disk, then ReplaceFileW over an existing target, which keeps
// its attributes and permissions, or MoveFileExW for a new name. A new file: CREATE_NEW
// creates it only where no file is.

#include <windows.h>

#include <string>

#include "ui/LocalFiles.h"
#include "ui/win32/WideText.h"

namespace ui {
namespace {

constexpr int kTemporaryNameTries = 100;

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// A name no file has yet, beside the target, so that the move stays within one folder
// and one volume. CREATE_NEW refuses a name that exists. INVALID_HANDLE_VALUE, with the
// last error, when none can be made.
HANDLE CreateTemporary(const std::wstring& path, std::wstring& temporary) {
    for (int n = 0; n < kTemporaryNameTries; ++n) {
        temporary = path + L"." + std::to_wstring(n) + L".tmp";
        HANDLE file =
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        const DWORD error = GetLastError();
        if (file != INVALID_HANDLE_VALUE || (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)) return file;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

// The folder takes no new file: the target is rewritten where it stands. Should that
// fail half way, the old content goes back as far as the file lets it.
bool WriteInPlace(const std::string& path, const std::wstring& name, std::string_view bytes) {
    const std::optional<std::string> old = ReadWholeFile(path);
    if (!old) return false;
    HANDLE file =
        CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
    if (!written && SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0 && SetEndOfFile(file)) WriteAll(file, *old);
    return CloseHandle(file) && written;
}

// True when the new content stands under the target's name. `keepTemporary` is set when
// the temporary file is the only copy left of anything: ReplaceFileW may fail after it
// has removed the old file, and the temporary then holds the new content.
bool MoveOver(const std::wstring& temporary, const std::wstring& target, bool exists, bool& keepTemporary) {
    constexpr DWORD kMove = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (!exists) return MoveFileExW(temporary.c_str(), target.c_str(), kMove) != 0;
    if (ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return true;
    const DWORD error = GetLastError();
    if (error != ERROR_UNABLE_TO_MOVE_REPLACEMENT && error != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) return false;
    if (MoveFileExW(temporary.c_str(), target.c_str(), kMove)) return true;
    keepTemporary = GetFileAttributesW(target.c_str()) == INVALID_FILE_ATTRIBUTES;
    return false;
}

}  // namespace

bool ReplaceFileContent(const std::string& path, std::string_view bytes) {
    const std::optional<std::wstring> name = win32::WideOfUtf8(path);
    if (!name) return false;
    const DWORD attributes = GetFileAttributesW(name->c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) return false;
    std::wstring temporary;
    HANDLE file = CreateTemporary(*name, temporary);
    if (file == INVALID_HANDLE_VALUE)
        return exists && GetLastError() == ERROR_ACCESS_DENIED && WriteInPlace(path, *name, bytes);
    bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
    written = CloseHandle(file) && written;
    bool keepTemporary = false;
    if (written && MoveOver(temporary, *name, exists, keepTemporary)) return true;
    if (!keepTemporary) DeleteFileW(temporary.c_str());
    return false;
}

TNewFile CreateNewFile(const std::string& path, std::string_view bytes) {
    const std::optional<std::wstring> name = win32::WideOfUtf8(path);
    if (!name) return TNewFile::Failed;
    HANDLE file = CreateFileW(name->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS ? TNewFile::Taken : TNewFile::Failed;
    }
    bool written = WriteAll(file, bytes) && FlushFileBuffers(file);
    written = CloseHandle(file) && written;
    if (written) return TNewFile::Created;
    DeleteFileW(name->c_str());
    return TNewFile::Failed;
}

}  // namespace ui

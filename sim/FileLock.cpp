#include "sim/FileLock.h"

#include <system_error>

#include "ui/LocalFiles.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace sim {

namespace {

void Describe(const std::filesystem::path& path, const std::string& what, int code, std::string* error) {
    if (error) *error = ui::Utf8OfPath(path) + ": " + what + ": " + std::system_category().message(code);
}

}  // namespace

#ifdef _WIN32

std::optional<TFileLock> TFileLock::Hold(const std::filesystem::path& path, std::string* error) {
    // The whole range a lock can cover, so that it means "the file" whatever its size.
    constexpr DWORD kAll = MAXDWORD;
    HANDLE file = CreateFileW(path.wstring().c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        Describe(path, "cannot open the lock file", static_cast<int>(GetLastError()), error);
        return std::nullopt;
    }
    OVERLAPPED whole{};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, kAll, kAll, &whole)) {
        Describe(path, "cannot lock", static_cast<int>(GetLastError()), error);
        CloseHandle(file);
        return std::nullopt;
    }
    return TFileLock(file);
}

TFileLock::~TFileLock() {
    if (!held_) return;
    OVERLAPPED whole{};
    UnlockFileEx(handle_, 0, MAXDWORD, MAXDWORD, &whole);
    CloseHandle(handle_);
}

#else

std::optional<TFileLock> TFileLock::Hold(const std::filesystem::path& path, std::string* error) {
    const int file = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (file < 0) {
        Describe(path, "cannot open the lock file", errno, error);
        return std::nullopt;
    }
    // flock, not fcntl: its lock belongs to the open file, so that two threads of one
    // process exclude each other as two processes do.
    int result = 0;
    do {
        result = ::flock(file, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        Describe(path, "cannot lock", errno, error);
        ::close(file);
        return std::nullopt;
    }
    return TFileLock(file);
}

TFileLock::~TFileLock() {
    if (held_) ::close(handle_);  // closing the file gives the lock back
}

#endif

TFileLock::TFileLock(TFileLock&& other) noexcept : handle_(other.handle_), held_(other.held_) { other.held_ = false; }

}  // namespace sim

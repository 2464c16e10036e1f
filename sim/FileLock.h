#pragma once
// An exclusive lock on a file, held between processes (and between threads that each
// hold their own lock object) for as long as the lock object lives. The lock file itself
// is created when missing and never removed: removing it would let two processes hold
// locks on two different files of the same name.

#include <filesystem>
#include <optional>
#include <string>

namespace sim {

class TFileLock {
public:
    // Waits until the lock is free. Empty, with the reason, when the file cannot be
    // created or locked.
    static std::optional<TFileLock> Hold(const std::filesystem::path& path, std::string* error = nullptr);

    TFileLock(TFileLock&& other) noexcept;
    TFileLock& operator=(TFileLock&& other) = delete;
    TFileLock(const TFileLock&) = delete;
    TFileLock& operator=(const TFileLock&) = delete;
    ~TFileLock();

private:
#ifdef _WIN32
    using THandle = void*;
#else
    using THandle = int;
#endif
    explicit TFileLock(THandle handle) : handle_(handle) {}

    THandle handle_;
    bool held_ = true;
};

}  // namespace sim

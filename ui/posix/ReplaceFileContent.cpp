// Whole files written safely on POSIX systems. The safe save: a new file beside the
// target, written and synced, then renamed over it, which replaces the name in one step.
// A new file: O_EXCL creates it only where no file is.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "ui/LocalFiles.h"

namespace ui {
namespace {

constexpr int kTemporaryNameTries = 100;

bool WriteAll(int file, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(file, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// Read-only as Windows means it (no write permission bit at all), which binds even a
// user who could write anyway, or not writable for this user.
bool ReadOnly(const std::string& path, const struct stat& status) {
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

// A name no file has yet, beside the target, so that the rename stays within one folder
// and one volume. O_EXCL refuses a name that exists. -1 with errno when none can be made.
int CreateTemporary(const std::string& path, mode_t mode, std::string& temporary) {
    for (int n = 0; n < kTemporaryNameTries; ++n) {
        temporary = path + "." + std::to_string(n) + ".tmp";
        const int file = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (file >= 0 || errno != EEXIST) return file;
    }
    errno = EEXIST;
    return -1;
}

// The folder takes no new file: the target is rewritten where it stands. Should that
// fail half way, the old content goes back as far as the file lets it.
bool WriteInPlace(const std::string& path, std::string_view bytes) {
    const std::optional<std::string> old = ReadWholeFile(path);
    const int file = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (!old || file < 0) {
        if (file >= 0) ::close(file);
        return false;
    }
    const bool written = WriteAll(file, bytes) && ::fsync(file) == 0;
    if (!written && ::ftruncate(file, 0) == 0 && ::lseek(file, 0, SEEK_SET) == 0) WriteAll(file, *old);
    return ::close(file) == 0 && written;
}

}  // namespace

bool ReplaceFileContent(const std::string& path, std::string_view bytes) {
    struct stat status {};
    const bool exists = ::stat(path.c_str(), &status) == 0;
    if (exists && (!S_ISREG(status.st_mode) || ReadOnly(path, status))) return false;
    // The new file takes the old one's permissions; a new name gets the usual ones.
    const mode_t mode = exists ? (status.st_mode & 07777) : 0666;
    std::string temporary;
    const int file = CreateTemporary(path, mode, temporary);
    if (file < 0) return exists && (errno == EACCES || errno == EPERM) && WriteInPlace(path, bytes);
    bool written = WriteAll(file, bytes) && ::fsync(file) == 0;
    if (exists) written = written && ::fchmod(file, mode) == 0;
    written = ::close(file) == 0 && written;
    if (written && ::rename(temporary.c_str(), path.c_str()) == 0) return true;
    ::unlink(temporary.c_str());
    return false;
}

TNewFile CreateNewFile(const std::string& path, std::string_view bytes) {
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file < 0) return errno == EEXIST ? TNewFile::Taken : TNewFile::Failed;
    bool written = WriteAll(file, bytes) && ::fsync(file) == 0;
    written = ::close(file) == 0 && written;
    if (written) return TNewFile::Created;
    ::unlink(path.c_str());
    return TNewFile::Failed;
}

}  // namespace ui

// The file layer on POSIX systems: a path's bytes are the name.

#include "ui/LocalFiles.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <system_error>

#include "ui/LastLine.h"

namespace ui {

bool ReadFileInBlocks(const std::string& path, const std::function<void(std::string_view block)>& block) {
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) return false;
    struct stat status {};
    bool read = false;
    if (::fstat(file, &status) == 0 && S_ISREG(status.st_mode)) {
        std::array<char, 65536> buffer{};
        ssize_t count = 0;
        while ((count = ::read(file, buffer.data(), buffer.size())) > 0 || (count < 0 && errno == EINTR))
            if (count > 0) block(std::string_view(buffer.data(), static_cast<std::size_t>(count)));
        read = count == 0;
    }
    ::close(file);
    return read;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::string bytes;
    if (!ReadFileInBlocks(path, [&bytes](std::string_view block) { bytes.append(block); })) return std::nullopt;
    return bytes;
}

namespace {

// Read access as well, for the last byte.
int OpenForAppend(const std::string& path) {
    return ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
}

// Whether the file ends in the middle of a line; a device has no last byte to look at.
bool EndsInsideALine(int file, const struct stat& status) {
    if (!S_ISREG(status.st_mode) || status.st_size == 0) return false;
    char last = 0;
    return ::pread(file, &last, 1, status.st_size - 1) == 1 && last != '\n';
}

bool ReadAt(int file, std::uint64_t offset, std::size_t count, std::string& bytes) {
    bytes.resize(count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t read = ::pread(file, bytes.data() + got, count - got, static_cast<off_t>(offset + got));
        if (read < 0 && errno == EINTR) continue;
        if (read <= 0) return false;
        got += static_cast<std::size_t>(read);
    }
    return true;
}

bool AppendLocked(int file, std::size_t lookBack, const TWrittenWhole& whole, const TLineAfter& lineAfter) {
    struct stat status {};
    if (::fstat(file, &status) != 0) return false;
    const std::string lastLine =
        S_ISREG(status.st_mode) ? LastFilledLine(static_cast<std::uint64_t>(status.st_size), lookBack, whole,
                                                 [file](std::uint64_t offset, std::size_t count, std::string& bytes) {
                                                     return ReadAt(file, offset, count, bytes);
                                                 })
                                : std::string();
    std::string bytes = EndsInsideALine(file, status) ? "\n" : "";
    bytes.append(lineAfter(lastLine)).push_back('\n');
    // O_APPEND moves to the end and writes in one step. A write that EINTR cut off wrote
    // nothing and is made again; one that fell short is not, since its rest would be a
    // second write.
    ssize_t written = 0;
    while ((written = ::write(file, bytes.data(), bytes.size())) < 0 && errno == EINTR) {
    }
    if (written != static_cast<ssize_t>(bytes.size())) return false;
    return !S_ISREG(status.st_mode) || ::fsync(file) == 0;
}

}  // namespace

// flock is taken per open file, so that threads of one process, each with a file of its
// own, take turns as processes do.
bool AppendLineDurably(const std::string& path, std::size_t lookBack, const TWrittenWhole& whole,
                       const TLineAfter& lineAfter) {
    const int file = OpenForAppend(path);
    if (file < 0) return false;
    int locked = 0;
    while ((locked = ::flock(file, LOCK_EX)) != 0 && errno == EINTR) {
    }
    const bool appended = locked == 0 && AppendLocked(file, lookBack, whole, lineAfter);
    const bool closed = ::close(file) == 0;
    return appended && closed;
}

bool CanAppend(const std::string& path) {
    const int file = OpenForAppend(path);
    return file >= 0 && ::close(file) == 0;
}

bool PathExists(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0;
}

bool IsFolder(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

// rename() would replace `to`; Windows' move refuses to, and callers rely on neither.
bool RenameFile(const std::string& from, const std::string& to) {
    return !PathExists(to) && ::rename(from.c_str(), to.c_str()) == 0;
}

bool CreateFolders(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(PathOfUtf8(path), error);
    return IsFolder(path);
}

}  // namespace ui

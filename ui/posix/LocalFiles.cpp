// The file layer on POSIX systems: a path's bytes are the name.

#include "ui/LocalFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <system_error>

namespace ui {

std::optional<std::string> ReadWholeFile(const std::string& path) {
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) return std::nullopt;
    struct stat status {};
    std::optional<std::string> content;
    if (::fstat(file, &status) == 0 && S_ISREG(status.st_mode)) {
        std::string bytes;
        std::array<char, 65536> block{};
        ssize_t count = 0;
        while ((count = ::read(file, block.data(), block.size())) > 0 || (count < 0 && errno == EINTR))
            if (count > 0) bytes.append(block.data(), static_cast<std::size_t>(count));
        if (count == 0) content = std::move(bytes);
    }
    ::close(file);
    return content;
}

namespace {

int OpenForAppend(const std::string& path) {
    return ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
}

}  // namespace

// O_APPEND moves to the end and writes in one step, so two processes' lines never
// overlap; a retry after EINTR would be a second write, which is why there is none.
bool AppendLine(const std::string& path, std::string_view line) {
    const int file = OpenForAppend(path);
    if (file < 0) return false;
    std::string bytes(line);
    bytes.push_back('\n');
    const ssize_t written = ::write(file, bytes.data(), bytes.size());
    const bool closed = ::close(file) == 0;
    return closed && written == static_cast<ssize_t>(bytes.size());
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

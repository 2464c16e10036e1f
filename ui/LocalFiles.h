#pragma once
// The program's own files, named by UTF-8 paths on every system. On Windows each path
// reaches the system as UTF-16 through the W functions, so a name outside the ANSI code
// page works; elsewhere the bytes are the name.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ui {

// The whole content of a file; nothing when it is missing, a folder or unreadable.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the content of `path` by `bytes`, or creates it, so that a failure never costs
// the file already there: the bytes go to a new file beside `path`, which is flushed to
// the disk and then moved over `path`. A read-only `path` is a failure. When the folder
// takes no new file but `path` itself may be written, `path` is rewritten in place. On
// failure no new file is left behind.
bool ReplaceFileContent(const std::string& path, std::string_view bytes);

// What CreateNewFile did.
enum class TNewFile { Created, Taken, Failed };

// Creates `path` with `bytes`, flushed to the disk, only when no file has that name: the
// check and the creation are one step of the system's, so two processes that pick the
// same name at once never replace each other's file (Taken for the later one). A file
// that could not be written whole is removed again (Failed).
TNewFile CreateNewFile(const std::string& path, std::string_view bytes);

// Calls `block` with the file's bytes in order, a block of at most 64 KiB at a time, so
// that a file of any size is read in little memory. False when the file is missing, a
// folder, or cannot be read to its end.
bool ReadFileInBlocks(const std::string& path, const std::function<void(std::string_view block)>& block);

// The line an append adds, made from the file's last line (the last that holds more than
// blanks; a last line without its line feed only when `whole` says it was written whole,
// else it is passed over as cut off; empty when there is none within the file's last
// `lookBack` bytes).
using TLineAfter = std::function<std::string(std::string_view lastLine)>;
// Whether a last line without its line feed was written whole, rather than cut off.
using TWrittenWhole = std::function<bool(std::string_view line)>;

// Adds a line and a line feed at the end of the file, creating it, and returns once they
// are on the disk (fsync, FlushFileBuffers). Writers that append this way, in this
// process or another, take turns through a lock on the file, and each adds its line with
// one write on a file opened for appending. The line is made by `lineAfter` under the
// lock, so that no other writer's line comes between the last line it was made from and
// it; only the file's end is read for that. A last line that a writer left without its
// line feed (it crashed, or the disk was full) is ended first, so that the line stands on
// a line of its own. False when the line could not be written whole or flushed.
bool AppendLineDurably(const std::string& path, std::size_t lookBack, const TWrittenWhole& whole,
                       const TLineAfter& lineAfter);
// Whether AppendLineDurably would find the file: opened as it opens it (created when
// missing), nothing written.
bool CanAppend(const std::string& path);

bool PathExists(const std::string& path);
bool IsFolder(const std::string& path);
bool RemoveFile(const std::string& path);
// Fails when `to` exists.
bool RenameFile(const std::string& from, const std::string& to);
// The folder and every missing folder above it; true when it is there afterwards.
bool CreateFolders(const std::string& path);

// For code that needs std::filesystem: a path built from UTF-8 and back. A path built
// from a plain std::string would be decoded with the ANSI code page on Windows.
std::filesystem::path PathOfUtf8(const std::string& path);
std::string Utf8OfPath(const std::filesystem::path& path);

}  // namespace ui

#pragma once
// The program's own files, named by UTF-8 paths on every system. On Windows each path
// reaches the system as UTF-16 through the W functions, so a name outside the ANSI code
// page works; elsewhere the bytes are the name.

#include <filesystem>
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

// Adds `line` and a line feed at the end of the file, creating it, with one write on a
// file opened for appending: writers in several processes never interleave, and a crash
// leaves the line whole or without its line feed, never another line torn. False when
// the write failed or fell short.
bool AppendLine(const std::string& path, std::string_view line);
// Whether AppendLine would find the file: opened for appending (created when missing),
// nothing written.
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

#pragma once
// A settings file read whole, once: every later step of a command works from these
// bytes, so that what is loaded, checked and programmed is exactly what was read, even if
// the file changes meanwhile.

#include <optional>
#include <string>

namespace cli {

class TFileSnapshot {
public:
    // Empty, with the reason in `error`, when the file cannot be read to its end.
    static std::optional<TFileSnapshot> Read(const std::string& path, std::string& error);
    // Bytes read and checked elsewhere (by a production run for its worker), under the
    // name they were read from.
    static TFileSnapshot OfBytes(std::string path, std::string bytes);

    const std::string& Path() const { return path_; }  // as the command was given it
    const std::string& Bytes() const { return bytes_; }

private:
    TFileSnapshot(std::string path, std::string bytes) : path_(std::move(path)), bytes_(std::move(bytes)) {}

    std::string path_;
    std::string bytes_;
};

}  // namespace cli

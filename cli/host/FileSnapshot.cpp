#include "cli/host/FileSnapshot.h"

#include <system_error>

#include "ui/LocalFiles.h"

namespace cli {

std::optional<TFileSnapshot> TFileSnapshot::Read(const std::string& path, std::string& error) {
    if (ui::IsFolder(path)) {
        error = "it is a folder";
        return std::nullopt;
    }
    std::optional<std::string> bytes = ui::ReadWholeFile(path);
    if (!bytes) {
        error = ui::PathExists(path) ? "it could not be read to its end"
                                     : std::make_error_code(std::errc::no_such_file_or_directory).message();
        return std::nullopt;
    }
    return TFileSnapshot(path, std::move(*bytes));
}

TFileSnapshot TFileSnapshot::OfBytes(std::string path, std::string bytes) {
    return TFileSnapshot(std::move(path), std::move(bytes));
}

}  // namespace cli

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

TLoadedFile::TLoadedFile(std::shared_ptr<const TFileSnapshot> file)
    : file_(std::move(file)), report_(loaded_.Load(file_->Bytes())) {}

std::shared_ptr<const TFileSnapshot> ReadSnapshot(const std::string& path, const char* command,
                                                  TCommandContext& context) {
    std::string error;
    std::optional<TFileSnapshot> file = TFileSnapshot::Read(path, error);
    if (!file) {
        context.Err << "zenta " << command << ": cannot read " << path << ": " << error << '\n';
        return nullptr;
    }
    return std::make_shared<const TFileSnapshot>(std::move(*file));
}

std::unique_ptr<TLoadedFile> OpenSettingsFile(const std::string& path, const char* command, TCommandContext& context) {
    const auto file = ReadSnapshot(path, command, context);
    return file ? std::make_unique<TLoadedFile>(file) : nullptr;
}

}  // namespace cli

#include "cli/host/LoadedFile.h"

namespace cli {

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

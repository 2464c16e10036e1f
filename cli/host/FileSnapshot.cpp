#include "cli/host/FileSnapshot.h"

#include <cerrno>
#include <fstream>
#include <sstream>
#include <system_error>

#include "files/Decimal.h"

namespace cli {

std::optional<TFileSnapshot> TFileSnapshot::Read(const std::string& path, std::string& error) {
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) {
        error = "it is a folder";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = std::generic_category().message(errno);
        return std::nullopt;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        error = "it could not be read to its end";
        return std::nullopt;
    }
    return TFileSnapshot(path, bytes.str());
}

TFileSnapshot::TFileSnapshot(std::string path, std::string bytes)
    : path_(std::move(path)), bytes_(std::move(bytes)), folder_(std::make_unique<ui::TScratchFolder>()) {
    copy_ = folder_->Resolve("settings.wpx");
    std::ofstream(copy_, std::ios::binary) << bytes_;
}

std::vector<files::TSettingsLine> TFileSnapshot::Lines() const {
    std::istringstream in(bytes_);
    files::TSettingsLineReader reader(in);
    std::vector<files::TSettingsLine> lines;
    files::TSettingsLine line;
    while (reader.Next(line)) lines.push_back(line);
    return lines;
}

std::optional<std::int32_t> TFileSnapshot::LastValue(const files::TFileKey& key) const {
    std::optional<std::int32_t> value;
    for (const files::TSettingsLine& line : Lines())
        if (KeyOfLine(line) == &key) value = files::DecimalValue(line.Value);
    return value;
}

const files::TFileKey* KeyOfLine(const files::TSettingsLine& line) {
    return line.HoldsSetting ? files::FindFileKey(files::DecimalValue(line.Key)) : nullptr;
}

}  // namespace cli

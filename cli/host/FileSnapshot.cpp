#include "cli/host/FileSnapshot.h"

#include <sstream>
#include <system_error>

#include "files/Decimal.h"
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

TFileSnapshot::TFileSnapshot(std::string path, std::string bytes)
    : path_(std::move(path)), bytes_(std::move(bytes)), folder_(std::make_unique<ui::TScratchFolder>()) {
    copy_ = ui::Utf8OfPath(folder_->Resolve("settings.wpx"));
    ui::ReplaceFileContent(copy_, bytes_);
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

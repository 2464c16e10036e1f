// The program settings file reader on arbitrary bytes, read from a real file as start-up
// reads it: the value it gives is the fallback or text that stands in the file, and the
// move of a file left by another version keeps the file beside the executable.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "FuzzCheck.h"
#include "app/MajorForm.h"
#include "app/ProgramSettingsFile.h"
#include "ui/PortableServices.h"

namespace {

constexpr const char* kFallback = "\x01 not in the file";

// One file per fuzzing process, so that parallel jobs do not share it; removed at exit.
struct TScratchIni {
    TScratchIni()
        : Path(std::filesystem::temp_directory_path() / ("zenta-fuzz-" + std::to_string(getpid()) + ".INI")) {}
    ~TScratchIni() {
        std::error_code error;
        std::filesystem::remove(Path, error);
    }
    TScratchIni(const TScratchIni&) = delete;
    TScratchIni& operator=(const TScratchIni&) = delete;
    const std::filesystem::path Path;
};

const std::filesystem::path& IniPath() {
    static const TScratchIni file;
    return file.Path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(IniPath(), std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
    }
    ui::TIniFileReader reader;
    const std::string value = reader.ReadString(IniPath().string(), "Setting", "ProgramVersion", kFallback);
    if (value == kFallback) return 0;
    fuzzing::Require(content.find(value) != std::string_view::npos, "a value that is not in the file");

    const std::string settingsPath = app::ProgramSettingsPath("C:\\Tools\\ZENTAUserProgrammer.exe");
    const auto move = app::SettingsFileMove(settingsPath, value, app::kProgramVersion);
    fuzzing::Require(move.has_value() == (!value.empty() && value != app::kProgramVersion),
                     "a move of the settings file for version \"" + value + "\"");
    if (move)
        fuzzing::Require(move->From == settingsPath && move->To == "C:\\Tools\\ZENTAUserProgrammer_" + value + ".INI",
                         "the settings file moved to " + move->To);
    return 0;
}

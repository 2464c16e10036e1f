#pragma once
// The bench kept in a small text file, so that a program run and the `zenta sim` command
// see the same simulated units. Saving writes a temporary file in the same folder and
// renames it over the old one, so a reader never sees half a file. A change (load,
// change, save) is made under the file's lock, so that processes sharing the file lose
// none of each other's changes. The file is written in the bench's vocabulary
// (BenchVocabulary.h) and described in docs/simulator.md.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "sim/FileLock.h"
#include "sim/SimBench.h"

namespace sim {

// The bench as state file text, and back. Parsing starts from an empty bench (nothing
// on any transport) and fails with "line N: ..." for anything it does not understand.
std::string FormatBenchState(const TSimBench& bench);
bool ParseBenchState(std::string_view text, TSimBench& bench, std::string* error = nullptr);

class TSimStateFile {
public:
    explicit TSimStateFile(std::filesystem::path path) : path_(std::move(path)) {}

    // ZENTA_SIM_STATE when set and not empty; otherwise $HOME/.zenta/sim-unit.txt
    // (%LOCALAPPDATA%\ZENTA\sim-unit.txt on Windows); without a home folder, the file
    // zenta-sim-unit.txt in the system's temporary folder.
    static std::filesystem::path DefaultPath();

    const std::filesystem::path& Path() const { return path_; }
    bool Exists() const;

    // No file yet gives a fresh bench (a handset at factory settings). False, with the
    // bench untouched, when the file cannot be read or is not a bench state. The
    // connections of processes that have ended are closed.
    bool Load(TSimBench& bench, std::string* error = nullptr) const;
    // Creates the folder when needed.
    bool Save(const TSimBench& bench, std::string* error = nullptr) const;
    // The lock every change of the file is made under, from the load to the save (and
    // every load, since a file held open for reading cannot be replaced on Windows): the
    // file's name with ".lock" added, beside it. Creates the folder when needed.
    std::optional<TFileLock> Lock(std::string* error = nullptr) const;

private:
    std::filesystem::path path_;
};

}  // namespace sim

#pragma once
// The production record: one JSON line per unit a production run handled, appended to a
// file that several runs may share. Each line goes to the file whole, in one append that
// reaches the disk before the run counts the unit; writers take turns through a lock on
// the file, and a line a crash cut off is ended before the next one is added.

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// Whether the unit's record was written, as the library told it: `Unknown` when the run
// lost the unit between the write and its answer.
enum class TWritten { No, Unknown, Yes };

const char* WrittenName(TWritten written);  // "no", "unknown", "yes"

struct TRecordEntry {
    std::string Time;            // local time, ISO 8601 with the offset from UTC
    std::string Bench;           // the computer's name
    std::string Operator;        // the signed-in user
    std::string ProgramVersion;  // this program's, "v2.05A"
    std::string Adapter;         // the transport's name
    std::string Kind;            // as the result lines give it: "handset", "-" before identification
    std::string Version;
    std::string Edition;
    std::string File;          // the settings file's name as the run was given it
    std::string Sha256;        // of the bytes that were programmed
    std::string Result;        // "ok", "write failed", ...
    std::string Written;       // WrittenName
    std::string Verification;  // "verified", "differs", or "not reached"
    // report::RecordSha256 of the words read back after the write; "-" when none were
    std::string ReadBackSha256;
    double Seconds = 0;
    bool operator==(const TRecordEntry&) const = default;
};

std::string RecordLine(const TRecordEntry& entry);

// The entry a line of a record holds; empty when it holds none. Members an older
// program did not write read as "-".
std::optional<TRecordEntry> EntryOfLine(std::string_view line);

// Whether entries can be appended to the record, checked before a run's first unit:
// the file opened as an append opens it (and created when missing), nothing written.
bool CanAppendToRecord(const std::string& path);

// False when the line could not be appended whole and flushed to the disk.
bool AppendToRecord(const std::string& path, const TRecordEntry& entry);

// The record a production run appends its entries to.
class IUnitRecord {
public:
    virtual ~IUnitRecord() = default;
    virtual const std::string& Path() const = 0;
    // False when the entry could not be appended whole and flushed to the disk.
    virtual bool Append(const TRecordEntry& entry) = 0;
};

class TRecordFile final : public IUnitRecord {
public:
    explicit TRecordFile(std::string path) : path_(std::move(path)) {}
    const std::string& Path() const override { return path_; }
    bool Append(const TRecordEntry& entry) override { return AppendToRecord(path_, entry); }

private:
    std::string path_;
};

}  // namespace cli

#include "cli/record/ProductionRecord.h"

#include <cmath>

#include "cli/framework/JsonOutput.h"
#include "cli/record/RecordChain.h"
#include "cli/record/RecordSummary.h"
#include "ui/LocalFiles.h"

namespace cli {
namespace {

// JsonText writes each byte as the character of that number; this takes them back, so
// that a name outside ASCII reads as the bytes it was written from.
std::string BytesOfJsonText(const std::string& utf8) {
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if ((lead & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
            bytes.push_back(static_cast<char>(((lead & 0x1F) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3F)));
            ++i;
        } else {
            bytes.push_back(static_cast<char>(lead));
        }
    }
    return bytes;
}

std::string TextMember(const TJson& entry, const char* name) {
    const auto member = entry.find(name);
    if (member == entry.end() || !member->is_string()) return "-";
    return BytesOfJsonText(member->get<std::string>());
}

double SecondsMember(const TJson& entry) {
    const auto member = entry.find("seconds");
    if (member == entry.end() || !member->is_number()) return 0;
    const double seconds = member->get<double>();
    return std::isfinite(seconds) ? seconds : 0;
}

}  // namespace

const char* WrittenName(TWritten written) {
    switch (written) {
    case TWritten::No: return "no";
    case TWritten::Unknown: return "unknown";
    case TWritten::Yes: return "yes";
    }
    return "unknown";
}

std::string RecordLine(const TRecordEntry& entry) {
    TJson line;
    line["time"] = JsonText(entry.Time);
    line["bench"] = JsonText(entry.Bench);
    line["operator"] = JsonText(entry.Operator);
    line["program_version"] = JsonText(entry.ProgramVersion);
    line["adapter"] = JsonText(entry.Adapter);
    line["kind"] = JsonText(entry.Kind);
    line["version"] = JsonText(entry.Version);
    line["edition"] = JsonText(entry.Edition);
    line["file"] = JsonText(entry.File);
    line["sha256"] = JsonText(entry.Sha256);
    line["result"] = JsonText(entry.Result);
    line["written"] = JsonText(entry.Written);
    line["verification"] = JsonText(entry.Verification);
    line["read_back_sha256"] = JsonText(entry.ReadBackSha256);
    line["seconds"] = std::round(entry.Seconds * 1000) / 1000;
    return line.dump(-1, ' ', true);
}

std::optional<TRecordEntry> EntryOfLine(std::string_view line) {
    const TJson entry = TJson::parse(line, nullptr, false);
    if (!entry.is_object() || !entry.contains("result")) return std::nullopt;
    return TRecordEntry{.Time = TextMember(entry, "time"),
                        .Bench = TextMember(entry, "bench"),
                        .Operator = TextMember(entry, "operator"),
                        .ProgramVersion = TextMember(entry, "program_version"),
                        .Adapter = TextMember(entry, "adapter"),
                        .Kind = TextMember(entry, "kind"),
                        .Version = TextMember(entry, "version"),
                        .Edition = TextMember(entry, "edition"),
                        .File = TextMember(entry, "file"),
                        .Sha256 = TextMember(entry, "sha256"),
                        .Result = TextMember(entry, "result"),
                        .Written = TextMember(entry, "written"),
                        .Verification = TextMember(entry, "verification"),
                        .ReadBackSha256 = TextMember(entry, "read_back_sha256"),
                        .Seconds = SecondsMember(entry)};
}

bool CanAppendToRecord(const std::string& path) { return ui::CanAppend(path); }

bool AppendToRecord(const std::string& path, const TRecordEntry& entry) {
    const std::string line = RecordLine(entry);
    // The entry follows the record's last line, looked for behind a line cut off after
    // it: two entries' length back at most. A line longer than an entry is none.
    return ui::AppendLineDurably(path, 2 * kLongestEntry, EndsAsWritten, [&line](std::string_view lastLine) {
        return ChainedLine(line, lastLine.size() > kLongestEntry ? std::string_view() : lastLine);
    });
}

}  // namespace cli

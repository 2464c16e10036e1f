#include "cli/record/ProductionRecord.h"

#include <cmath>

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

void Count(const TJson& entry, TRecordSummary& summary) {
    ++summary.Units;
    ++summary.ByResult[TextMember(entry, "result")];
    ++summary.ByKind[TextMember(entry, "kind")];
    std::string file = TextMember(entry, "file");
    file.append(" (sha256 ").append(TextMember(entry, "sha256").substr(0, 12)).append(")");
    ++summary.ByFile[file];
    ++summary.ByAdapter[TextMember(entry, "adapter")];
    ++summary.ByBench[TextMember(entry, "bench")];
    ++summary.ByOperator[TextMember(entry, "operator")];
    ++summary.ByProgramVersion[TextMember(entry, "program_version")];
}

}  // namespace

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
    line["sha256"] = entry.Sha256;
    line["result"] = JsonText(entry.Result);
    line["verification"] = entry.Verification;
    line["seconds"] = std::round(entry.Seconds * 1000) / 1000;
    return line.dump(-1, ' ', true);
}

// Every whole write ends in a line feed, so only a torn write leaves the file without
// one. Two runs that both find it torn each add a line feed: an empty line, which the
// reader passes over.
bool OpenRecord(const std::string& path) {
    if (!ui::CanAppend(path)) return false;
    const std::optional<std::string> bytes = ui::ReadWholeFile(path);
    if (!bytes) return false;
    return bytes->empty() || bytes->back() == '\n' || ui::AppendLine(path, "");
}

bool AppendToRecord(const std::string& path, const TRecordEntry& entry) {
    return ui::AppendLine(path, RecordLine(entry));
}

void AddRecord(TRecordSummary& summary, const std::string& record, std::string_view bytes) {
    ++summary.Records;
    std::size_t start = 0;
    for (int number = 1; start < bytes.size(); ++number) {
        const std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) {
            summary.UnfinishedLastLine = true;
            summary.Unfinished.push_back(record);
            break;
        }
        const std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        if (line.empty() || line == "\r") continue;
        const TJson entry = TJson::parse(line, nullptr, false);
        if (entry.is_object() && entry.contains("result")) {
            Count(entry, summary);
        } else {
            ++summary.UnreadableLines;
            summary.Unreadable.push_back({record, number});
        }
    }
}

TRecordSummary SummarizeRecord(std::string_view bytes) {
    TRecordSummary summary;
    AddRecord(summary, "", bytes);
    return summary;
}

}  // namespace cli

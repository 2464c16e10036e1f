#include "cli/commands/FileFindings.h"

#include <algorithm>
#include <map>

#include "cli/commands/ShownSettings.h"
#include "cli/framework/JsonOutput.h"
#include "files/Decimal.h"
#include "files/UnitBackup.h"

namespace cli {
namespace {

// The text of a line for a message: quoted and escaped, without its line feed.
std::string Quoted(std::string text) {
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return JsonString(text);
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t\n") == std::string::npos; }

TFinding About(TFindingKind kind, int line, const editor::TSettingsEditor& loaded, const files::TFileKey& key,
               std::string detail) {
    TFinding finding{kind, line, files::KeyText(key.Key), "", "", std::move(detail)};
    if (key.Kind() == files::TKeyKind::Reserved) return finding;
    const TShownSetting shown = ShowSetting(loaded, key);
    finding.Page = shown.Page;
    finding.Caption = shown.Caption;
    return finding;
}

// The value as the window shows it after the load, for the message.
std::string ShownAs(const editor::TSettingsEditor& loaded, const files::TFileKey& key) {
    const std::string value = ShowSetting(loaded, key).Value;
    return value.empty() ? "nothing" : value;
}

}  // namespace

std::vector<TFinding> FindingsOf(const TFileSnapshot& file, const editor::TSettingsEditor& loaded) {
    std::vector<TFinding> findings;
    std::map<const files::TFileKey*, int> firstLine;
    std::map<const files::TFileKey*, files::TSettingsLine> lastLine;
    for (const files::TSettingsLine& line : file.Lines()) {
        if (!line.HoldsSetting) {
            if (!IsBlank(line.Text))
                findings.push_back({TFindingKind::NoSetting, line.Number, "", "", "",
                                    Quoted(line.Text) + " gives no key and value; the line is skipped"});
            continue;
        }
        const files::TFileKey* key = KeyOfLine(line);
        // A backup's record words: no setting, and nothing a load skips by mistake.
        if (key == nullptr && files::IsBackupKey(files::DecimalValue(line.Key))) continue;
        if (key == nullptr) {
            findings.push_back({TFindingKind::UnknownKey, line.Number, line.Key, "", "",
                                "no setting has this key; the line is skipped"});
            continue;
        }
        const auto [first, isFirst] = firstLine.emplace(key, line.Number);
        if (!isFirst)
            findings.push_back(
                About(TFindingKind::GivenTwice, line.Number, loaded, *key,
                      "given before on line " + std::to_string(first->second) + "; the last one counts"));
        const std::int32_t value = files::DecimalValue(line.Value);
        if (key->Kind() == files::TKeyKind::Reserved) {
            if (value != 0)
                findings.push_back(About(TFindingKind::ReservedNotZero, line.Number, loaded, *key,
                                         "a reserved key holds 0, not " + std::to_string(value)));
            continue;
        }
        lastLine[key] = line;
        if (!key->FixedOnLoad && !files::HasDecimalDigits(line.Value))
            findings.push_back(About(TFindingKind::NoDigits, line.Number, loaded, *key,
                                     Quoted(line.Value) + " holds no number and reads as 0"));
    }
    std::vector<TFinding> missing;
    for (const files::TFileKey& key : files::FileKeys()) {
        if (key.Kind() == files::TKeyKind::Reserved) continue;
        const auto last = lastLine.find(&key);
        if (last == lastLine.end()) {
            missing.push_back(
                About(TFindingKind::Missing, 0, loaded, key, "not in the file; the setting is left as it was"));
            continue;
        }
        const std::int32_t value = files::DecimalValue(last->second.Value);
        const TAcceptedValues accepted = AcceptedValues(loaded, key);
        if (key.FixedOnLoad || accepted.Accepts(value)) continue;
        findings.push_back(About(
            TFindingKind::Outside, last->second.Number, loaded, key,
            std::to_string(value) + " is outside " + accepted.Text() + "; the window shows " + ShownAs(loaded, key)));
    }
    std::stable_sort(findings.begin(), findings.end(),
                     [](const TFinding& a, const TFinding& b) { return a.Line < b.Line; });
    findings.insert(findings.end(), missing.begin(), missing.end());
    return findings;
}

std::string FindingLine(const std::string& path, const TFinding& finding) {
    std::string text = path + ":";
    if (finding.Line > 0) text += std::to_string(finding.Line) + ":";
    text += std::string(" ") + FindingName(finding.Kind) + ": ";
    if (finding.Key.empty()) return text + finding.Detail;
    text += "key " + (finding.Kind == TFindingKind::UnknownKey ? JsonString(finding.Key) : finding.Key);
    if (!finding.Caption.empty()) text += " (" + finding.Page + ": " + finding.Caption + ")";
    return text + ": " + finding.Detail;
}

const char* FindingName(TFindingKind kind) {
    switch (kind) {
    case TFindingKind::NoSetting: return "no setting";
    case TFindingKind::UnknownKey: return "unknown key";
    case TFindingKind::GivenTwice: return "given twice";
    case TFindingKind::ReservedNotZero: return "reserved not 0";
    case TFindingKind::NoDigits: return "no digits";
    case TFindingKind::Outside: return "outside";
    case TFindingKind::Missing: return "missing";
    }
    return "";
}

}  // namespace cli

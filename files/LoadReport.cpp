#include "files/LoadReport.h"

#include <algorithm>

#include "files/Decimal.h"
#include "files/QuotedText.h"
#include "files/ShownSettings.h"
#include "files/UnitBackup.h"

namespace files {
namespace {

// The text of a line for a message, without the line feed the reader keeps.
std::string Quoted(std::string text) {
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return QuotedText(text);
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(" \t\n") == std::string::npos; }

TFinding About(TFindingKind kind, int line, const editor::TSettingsEditor& settings, const TFileKey& key,
               std::string detail) {
    TFinding finding{kind, line, KeyText(key.Key), "", "", std::move(detail)};
    if (key.Kind() == TKeyKind::Reserved) return finding;
    const TShownSetting shown = ShowSetting(settings, key);
    finding.Page = shown.Page;
    finding.Caption = shown.Caption;
    return finding;
}

}  // namespace

void NoteLine(TLoadReport& report, const TSettingsLine& line, const editor::TSettingsEditor& settings) {
    if (!line.HoldsSetting) {
        if (!IsBlank(line.Text))
            report.Findings.push_back({TFindingKind::NoSetting, line.Number, "", "", "",
                                       Quoted(line.Text) + " gives no key and value; the line is skipped"});
        return;
    }
    const std::int32_t number = DecimalValue(line.Key);
    const TFileKey* key = FindFileKey(number);
    if (key == nullptr) {
        // A backup's record words: no setting, and nothing a load skips by mistake.
        if (!IsBackupKey(number))
            report.Findings.push_back({TFindingKind::UnknownKey, line.Number, line.Key, "", "",
                                       "no setting has this key; the line is skipped"});
        return;
    }
    const std::int32_t value = DecimalValue(line.Value);
    const auto [given, isFirst] = report.Given.try_emplace(key, TGivenValue{value, line.Number, line.Number});
    if (!isFirst) {
        report.Findings.push_back(
            About(TFindingKind::GivenTwice, line.Number, settings, *key,
                  "given before on line " + std::to_string(given->second.FirstLine) + "; the last one counts"));
        given->second.Value = value;
        given->second.LastLine = line.Number;
    }
    if (key->Kind() == TKeyKind::Reserved) {
        if (value != 0)
            report.Findings.push_back(About(TFindingKind::ReservedNotZero, line.Number, settings, *key,
                                            "a reserved key holds 0, not " + std::to_string(value)));
        return;
    }
    if (!key->FixedOnLoad && !HasDecimalDigits(line.Value))
        report.Findings.push_back(About(TFindingKind::NoDigits, line.Number, settings, *key,
                                        Quoted(line.Value) + " holds no number and reads as 0"));
}

void FinishReport(TLoadReport& report, const editor::TSettingsEditor& loaded) {
    // The value as the window shows it after the load, for the message.
    const auto shownAs = [&loaded](const TFileKey& key) {
        const std::string value = ShowSetting(loaded, key).Value;
        return value.empty() ? std::string("nothing") : value;
    };
    std::vector<TFinding> missing;
    for (const TFileKey& key : FileKeys()) {
        if (key.Kind() == TKeyKind::Reserved) continue;
        const auto given = report.Given.find(&key);
        if (given == report.Given.end()) {
            missing.push_back(
                About(TFindingKind::Missing, 0, loaded, key, "not in the file; the setting is left as it was"));
            continue;
        }
        const std::int32_t value = given->second.Value;
        const TAcceptedValues accepted = AcceptedValues(loaded, key);
        if (key.FixedOnLoad || accepted.Accepts(value)) continue;
        report.Findings.push_back(
            About(TFindingKind::Outside, given->second.LastLine, loaded, key,
                  std::to_string(value) + " is outside " + accepted.Text() + "; the window shows " + shownAs(key)));
    }
    std::stable_sort(report.Findings.begin(), report.Findings.end(),
                     [](const TFinding& a, const TFinding& b) { return a.Line < b.Line; });
    report.Findings.insert(report.Findings.end(), missing.begin(), missing.end());
}

std::string FindingLine(const std::string& path, const TFinding& finding) {
    std::string text = path + ":";
    if (finding.Line > 0) text += std::to_string(finding.Line) + ":";
    text += std::string(" ") + FindingName(finding.Kind) + ": ";
    if (finding.Key.empty()) return text + finding.Detail;
    text += "key " + (finding.Kind == TFindingKind::UnknownKey ? QuotedText(finding.Key) : finding.Key);
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

}  // namespace files

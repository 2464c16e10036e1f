// The configuration sheet over editor states reached by random user edits: every setting
// of each unit kind once, beside the value DEFAULTS would give it, the changed ones
// marked; the gateway's nine lines drawn with their arrows into the side that reads them;
// and the record digest the one of the words PROGRAM DEVICE then writes to a unit of the
// kind and edition. A sheet is one HTML file that names nothing outside itself.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "editor/ListText.h"
#include "report/ConfigurationSheet.h"
#include "report/HtmlText.h"
#include "report/RecordDigest.h"
#include "report/SheetContent.h"
#include "report/WiringDiagram.h"
#include "tests/support/RandomUserEdit.h"
#include "tests/support/StartedForm.h"

namespace {

using testing_support::TStartedForm;

constexpr std::uint32_t kSeed = 20261209;
const records::TUnitKind* const kKinds[] = {&records::kHandsetKind, &records::kGatewayKind};

int Below(std::mt19937& random, int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

void Wander(TStartedForm& program, std::mt19937& random) {
    for (int i = Below(random, 40); i > 0; --i)
        testing_support::RandomUserEdit(program.Form, program.Env.Keyboard, random);
    program.Env.Prompts.Shown.clear();
}

std::vector<const report::TSheetSetting*> AllSettings(const report::TUnitSheetContent& content) {
    std::vector<const report::TSheetSetting*> all;
    for (const report::TSheetPage& page : content.Pages)
        for (const report::TSheetSetting& setting : page.Settings) all.push_back(&setting);
    for (const report::TSheetButton& button : content.Buttons)
        for (const report::TSheetSetting& cell : button.Cells) all.push_back(&cell);
    for (const report::TSheetLine& line : content.Lines)
        for (const report::TSheetSetting& cell : line.Cells) all.push_back(&cell);
    return all;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
    return count;
}

report::TSheetFacts SomeFacts() {
    return {report::TSheetSource::SettingsFile, "job.wpx", {14, 2, 11, 0, 2024, 6, 3}, "BENCH-3", "anna", "v2.05A"};
}

// Each setting of a kind stands on the sheet once, as the window shows it, with the
// default DEFAULTS then gives it; the sheet marks exactly the settings that differ.
TEST(ConfigurationSheet, ShowsEverySettingOfTheKindBesideWhatDefaultsGiveIt) {
    std::mt19937 random(kSeed);
    TStartedForm program;
    for (int round = 0; round < 60; ++round) {
        Wander(program, random);
        app::TMajorForm& form = program.Form;
        const records::TUnitKind& kind = *kKinds[Below(random, 2)];
        const report::TUnitSheetContent content = report::SheetContentOf(form, kind);
        const report::TSheetUnit unit{&kind, std::nullopt};
        const std::string html = report::ConfigurationSheet(form, {&unit, 1}, SomeFacts());

        std::map<int, const report::TSheetSetting*> byKey;
        for (const report::TSheetSetting* setting : AllSettings(content))
            ASSERT_TRUE(byKey.emplace(setting->Shown.Key->Key, setting).second) << setting->Shown.Caption;
        std::size_t ofKind = 0;
        for (const files::TShownSetting& shown : files::ShownSettings(form)) {
            if (shown.PageSet != kind.Pages) continue;
            ++ofKind;
            ASSERT_TRUE(byKey.contains(shown.Key->Key)) << "round " << round << ": no " << shown.Caption;
            EXPECT_EQ(byKey.at(shown.Key->Key)->Shown.Value, shown.Value) << shown.Caption;
            // The caption of a grid cell is its row and its column.
            for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 2) {
                end = shown.Caption.find(": ", start);
                EXPECT_NE(html.find(report::Escaped(shown.Caption.substr(start, end - start))), std::string::npos)
                    << shown.Caption;
            }
            EXPECT_NE(html.find(report::Escaped(shown.Value)), std::string::npos) << shown.Caption;
        }
        EXPECT_EQ(byKey.size(), ofKind);

        form.MasterPageControl.UserSwitch(form.*kind.Pages);
        form.FactoryButton.UserClick();
        program.Env.Prompts.Shown.clear();
        int changed = 0;
        for (const auto& [key, setting] : byKey) {
            EXPECT_EQ(setting->Default, files::ShowSetting(form, *setting->Shown.Key).Value)
                << "round " << round << ": " << setting->Shown.Caption;
            changed += setting->Changed() ? 1 : 0;
        }
        EXPECT_EQ(content.ChangedCount(), changed);
        // One mark per changed setting, and the legend's.
        EXPECT_EQ(Count(html, "<span class=\"mark\">"), static_cast<std::size_t>(changed) + 1) << "round " << round;
    }
}

// Each page's settings in the order the window is read, column by column from the top;
// the grids come as grids.
TEST(ConfigurationSheet, ListsEachPageAsTheWindowIsRead) {
    const std::map<std::string, std::vector<std::string>> pages = {
        {"User Experience",
         {"Radio PTT Key Beep", "Emergency Key Beep", "Talk Around PTT Key Beep", "Stealth Mode Always Active",
          "Mute Speaker On PTT", "Mute Speaker On Charge", "LED Charge Indicate", "Auto Turn On When Charging",
          "Handsfree Function", "Minimum Volume Is Off", "Out of Range Auto Turn Off Timer (in hours)",
          "Low Battery Beep Voltage (in volts)", "Low Battery Beep Interval Timer (in minutes)"}},
        {"Audio Levels",
         {"Internal Mic Gain", "Internal Mic High Gain Boost", "External Mic Gain", "External Mic High Gain Boost",
          "Remote PTT Gain Boost", "Audio Integrity (per second)", "Fixed Alert Tone Volume", "Alert Tone Volume"}},
        {"Emergency",
         {"Audio Link Active Time (in second)", "Transmit Time (in second)", "Receive Time (in second)",
          "Emergency Repeat Cycles", "Transmit Audible Emergency Tone"}},
        {"Hardware", {"Hirose Pin 2 Function", "Long Press Duration"}},
        {"Gateway Audio Levels",
         {"Receive Input Gain From Radio", "Transmit Output Gain To Radio", "Talk Around Output Gain To Other ZENTAs",
          "VOX Trigger Level ", "Monitor Emergency Input Alert Tone", "Find-Me Function", "Multi Operational Mics",
          "Public Address Mode", "Radio Receive VOX COR"}},
    };
    const TStartedForm program;
    std::map<std::string, std::vector<std::string>> listed;
    for (const records::TUnitKind* kind : kKinds)
        for (const report::TSheetPage& page : report::SheetContentOf(program.Form, *kind).Pages)
            for (const report::TSheetSetting& setting : page.Settings)
                listed[(kind == &records::kGatewayKind ? "Gateway " : "") + page.Caption].push_back(
                    setting.Shown.Caption);
    EXPECT_EQ(listed, pages);
}

// The sheet's digest names the very words PROGRAM DEVICE writes from the settings to a
// unit of the kind and edition, though the write changes the editor and the sheet does not.
TEST(ConfigurationSheet, NamesTheRecordTheWriteGivesTheUnit) {
    std::mt19937 random(kSeed + 1);
    TStartedForm program;
    for (int round = 0; round < 24; ++round) {
        Wander(program, random);
        const records::TUnitKind& kind = *kKinds[Below(random, 2)];
        const bool ardex = Below(random, 2) == 0;
        const auto typeWord = static_cast<std::uint16_t>(kind.Type | (ardex ? records::kArdexEdition : 1));
        program.Bench.AttachUnit(sim::TSimUnit::Bare(
            &kind == &records::kGatewayKind ? sim::TUnitKind::Gateway : sim::TUnitKind::Handset, typeWord, 0x0205));
        const report::TSheetUnit unit{&kind, records::IdentityOf(typeWord, 0x0205)};
        const std::string html = report::ConfigurationSheet(program.Form, {&unit, 1}, SomeFacts());
        const std::string label = "Record SHA-256</dt><dd><code>";
        const std::size_t at = html.find(label);
        ASSERT_NE(at, std::string::npos);
        const std::string named = html.substr(at + label.size(), 64);
        ASSERT_EQ(html.compare(at + label.size() + 64, 7, "</code>"), 0);

        program.Form.MasterPageControl.UserSwitch(program.Form.*kind.Pages);
        ASSERT_EQ(program.Form.ProgramDeviceButtonClick().Outcome, app::TDeviceOutcome::Succeeded);
        records::TRecordWords written{};
        const std::vector<std::uint16_t>& held = *program.Bench.Unit().Find(kind.RecordKey);
        std::copy(held.begin(), held.end(), written.begin());
        EXPECT_EQ(named, report::RecordSha256(written))
            << "round " << round << ", " << kind.Name << (ardex ? " Ardex" : " Kesto");
        program.Env.Prompts.Shown.clear();
    }
}

// A line of the wiring diagram as the SVG draws it: its group's class and the first two
// x coordinates of its arrow, tip first.
struct TDrawnLine {
    bool Disabled = false;
    int ArrowTipX = 0;
    int ArrowBaseX = 0;
};

std::vector<TDrawnLine> DrawnLines(const std::string& svg) {
    const std::string group = "<g class=\"line";
    const std::string arrow = "<polygon class=\"arrow\" points=\"";
    std::vector<TDrawnLine> lines;
    for (std::size_t at = svg.find(group); at != std::string::npos; at = svg.find(group, at + 1)) {
        TDrawnLine line;
        line.Disabled = svg.compare(at + group.size(), 10, " disabled\"") == 0;
        const std::size_t points = svg.find(arrow, at);
        if (points == std::string::npos) break;
        std::istringstream coordinates(svg.substr(points + arrow.size(), 40));
        char comma = 0;
        int tipY = 0;
        coordinates >> line.ArrowTipX >> comma >> tipY >> line.ArrowBaseX;
        lines.push_back(line);
    }
    return lines;
}

// Each line is drawn once, dashed when it has no function, with its arrow pointing away
// from the gateway's pin exactly when the gateway drives the line.
TEST(ConfigurationSheet, DrawsEachGatewayLineWithItsDirection) {
    std::mt19937 random(kSeed + 2);
    TStartedForm program;
    for (int round = 0; round < 40; ++round) {
        Wander(program, random);
        const report::TUnitSheetContent content = report::SheetContentOf(program.Form, records::kGatewayKind);
        const std::string svg = report::WiringDiagramSvg(content.Lines);
        std::size_t index = 0;
        for (const TDrawnLine& drawn : DrawnLines(svg)) {
            ASSERT_LT(index, content.Lines.size());
            const report::TSheetLine& expected = content.Lines[index++];
            EXPECT_EQ(drawn.Disabled, expected.Disabled()) << expected.Line->Caption;
            const bool pointsAway = drawn.ArrowTipX > drawn.ArrowBaseX;
            EXPECT_EQ(pointsAway, expected.Output()) << "round " << round << ": " << expected.Line->Caption;
            EXPECT_EQ(expected.Output(), editor::SelectedItemContains(program.Form.*expected.Line->IO, "Output"));
        }
        EXPECT_EQ(index, editor::kGatewayLines);
    }
}

// What the sheet says of where the settings came from, with text from outside never
// taken as markup, and nothing fetched or run when it is opened.
TEST(ConfigurationSheet, HeadingNamesSourceAndBenchOnceForBothKinds) {
    TStartedForm program;
    report::TSheetFacts facts = SomeFacts();
    facts.Source = "C:\\jobs\\<fleet & co>\\job.wpx";
    facts.Operator = "o\"brien";
    const report::TSheetUnit both[] = {{&records::kHandsetKind, std::nullopt}, {&records::kGatewayKind, std::nullopt}};
    const std::string fromFile = report::ConfigurationSheet(program.Form, both, facts);
    EXPECT_NE(fromFile.find("C:\\jobs\\&lt;fleet &amp; co&gt;\\job.wpx"), std::string::npos);
    EXPECT_NE(fromFile.find("o&quot;brien"), std::string::npos);
    EXPECT_EQ(fromFile.find("<fleet"), std::string::npos);
    for (const char* once :
         {"<dt>Edition</dt><dd>Ardex</dd>", "<dt>Settings file</dt>", "<dt>Bench</dt><dd>BENCH-3</dd>",
          "<dt>Date and time</dt><dd>2024-06-03 14:02</dd>", "<dt>Program</dt><dd>ZENTA User Programmer v2.05A</dd>",
          "<h2>Handset</h2>", "<h2>Gateway</h2>"})
        EXPECT_EQ(Count(fromFile, once), 1u) << once;
    EXPECT_EQ(Count(fromFile, "<dt>Record SHA-256</dt>"), 2u);
    EXPECT_EQ(fromFile.find("Unit version"), std::string::npos);

    facts.From = report::TSheetSource::Unit;
    facts.Source = "\\\\.\\CSR0";
    const report::TSheetUnit unit{&records::kGatewayKind, records::IdentityOf(0xFE01, 0x0312)};
    const std::string fromUnit = report::ConfigurationSheet(program.Form, {&unit, 1}, facts);
    EXPECT_NE(fromUnit.find("<dt>Adapter</dt><dd>\\\\.\\CSR0</dd>"), std::string::npos);
    EXPECT_NE(fromUnit.find("<dt>Unit version</dt><dd>GW: V3.12 Kesto</dd>"), std::string::npos);
    EXPECT_EQ(fromUnit.find("<h2>Handset</h2>"), std::string::npos);
    facts.From = report::TSheetSource::Window;
    facts.Source = "the window";
    EXPECT_NE(report::ConfigurationSheet(program.Form, {&unit, 1}, facts).find("<dt>Source</dt><dd>the window</dd>"),
              std::string::npos);

    for (const std::string& sheet : {fromFile, fromUnit})
        for (const char* outside : {"<script", "<link", "<img", "<iframe", "src=", "href=", "url(", "@import", "//"})
            EXPECT_EQ(sheet.find(outside), std::string::npos) << outside;
}

}  // namespace

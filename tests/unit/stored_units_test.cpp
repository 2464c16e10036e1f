// Stored unit records (tests/units/*.unit), each read from a simulated unit into the
// editor and programmed back. A file gives the unit's kind, its unit-type and version
// words, its record, what the editor must show after the read, the prompts the read
// raises before its success note, and the words the write may change. The settings file
// saved after the read, loaded into the program started afresh, must write the same. Besides those,
// a write always clears the reserved words and the flag bits that carry no setting, and
// a gateway write always fixes the Radio PTT line.
//
// File lines ('#' starts a comment line):
//   kind handset|gateway
//   type 0xWWWW
//   version 0xWWWW
//   record WWWW WWWW ...     (hex words; several lines are joined)
//   show CONTROL=VALUE       (as the control shows it: 1/0, item text, position, caption)
//   read-prompt TEXT         (\n stands for a line feed)
//   written WORD 0xWWWW      (the word the write gives, where it differs from the record)

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "ControlValues.h"
#include "tests/support/StartedForm.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ShownValue;
using testing_support::TControlValue;

const fs::path kUnitsFolder = fs::path(__FILE__).parent_path().parent_path() / "units";

struct TStoredUnit {
    bool Gateway = false;
    std::uint16_t TypeWord = 0;
    std::uint16_t VersionWord = 0;
    std::vector<std::uint16_t> Record;
    std::vector<TControlValue> Shown;
    std::vector<std::string> ReadPrompts;
    std::map<std::size_t, std::uint16_t> Written;
};

std::uint16_t Word(const std::string& text) { return static_cast<std::uint16_t>(std::stoul(text, nullptr, 16)); }

std::string Unescaped(const std::string& text) {
    std::string plain;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool escape = text.compare(at, 2, "\\n") == 0;
        plain += escape ? '\n' : text[at];
        if (escape) ++at;
    }
    return plain;
}

TStoredUnit ReadUnitFile(const fs::path& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error("cannot open " + path.string());
    TStoredUnit unit;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::istringstream words(line);
        std::string keyword;
        if (!(words >> keyword) || keyword.front() == '#') continue;
        std::string rest;
        std::getline(words >> std::ws, rest);
        std::istringstream values(rest);
        std::string value;
        if (keyword == "kind" && (rest == "handset" || rest == "gateway")) {
            unit.Gateway = rest == "gateway";
        } else if (keyword == "type") {
            unit.TypeWord = Word(rest);
        } else if (keyword == "version") {
            unit.VersionWord = Word(rest);
        } else if (keyword == "record") {
            while (values >> value) unit.Record.push_back(Word(value));
        } else if (keyword == "show" && rest.find('=') != std::string::npos) {
            unit.Shown.push_back({rest.substr(0, rest.find('=')), rest.substr(rest.find('=') + 1)});
        } else if (keyword == "read-prompt") {
            unit.ReadPrompts.push_back(Unescaped(rest));
        } else if (keyword == "written" && values >> value) {
            const std::size_t word = std::stoul(value);
            values >> value;
            unit.Written[word] = Word(value);
        } else {
            throw std::runtime_error(path.string() + ":" + std::to_string(number) + ": cannot read \"" + line + "\"");
        }
    }
    if (unit.Record.size() != 25) throw std::runtime_error(path.string() + ": the record must have 25 words");
    return unit;
}

std::vector<fs::path> UnitFiles() {
    std::vector<fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(kUnitsFolder))
        if (entry.path().extension() == ".unit") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// What the write must give: the record with the words it names, and with what every
// write does to a record of the kind.
std::vector<std::uint16_t> ExpectedWrite(const TStoredUnit& unit) {
    std::vector<std::uint16_t> words = unit.Record;
    words[0] &= unit.Gateway ? 0xF800 : 0xFFF8;
    words[23] = words[24] = 0;
    if (unit.Gateway) {
        words[5] = 0xC001;
        words[6] = 0;
    }
    for (auto [word, value] : unit.Written) words.at(word) = value;
    return words;
}

class StoredUnits : public ::testing::TestWithParam<fs::path> {};

TEST_P(StoredUnits, ReadIntoTheEditorAndProgrammedBack) {
    const TStoredUnit stored = ReadUnitFile(GetParam());
    const std::uint16_t key = stored.Gateway ? devlink::PSKEY_GW_XSETTINGS : devlink::PSKEY_HS_XSETTINGS;
    testing_support::TStartedForm program;
    program.Bench.AttachUnit(sim::TSimUnit::Bare(stored.Gateway ? sim::TUnitKind::Gateway : sim::TUnitKind::Handset,
                                                 stored.TypeWord, stored.VersionWord));
    program.Bench.Unit().SetKey(key, stored.Record);
    app::TMajorForm& form = program.Form;
    ui::THeadlessServices& env = program.Env;

    form.ReadDeviceButton.UserClick();
    std::vector<std::string> prompts;
    for (const ui::TPromptWindow& p : env.Prompts.Shown) prompts.push_back(p.Text);
    std::vector<std::string> expectedPrompts = stored.ReadPrompts;
    expectedPrompts.emplace_back(stored.Gateway ? "Success to read ZENTA Gateway settings."
                                                : "Success to read ZENTA Handset settings.");
    EXPECT_EQ(prompts, expectedPrompts);
    for (const TControlValue& shown : stored.Shown) {
        ui::TControl* control = form.FindControl(shown.Control);
        ASSERT_NE(control, nullptr) << "no control " << shown.Control;
        EXPECT_EQ(ShownValue(*control), shown.Value) << shown.Control;
    }

    const std::string saved = (fs::path(::testing::TempDir()) / (GetParam().stem().string() + ".wpx")).string();
    env.Dialogs.Answers.push_back(saved);
    ASSERT_EQ(form.SaveFileButtonClick().Outcome, app::TFileOutcome::Succeeded);

    env.Prompts.Shown.clear();
    form.ProgramDeviceButton.UserClick();
    ASSERT_EQ(env.Prompts.Shown.size(), 1u);
    EXPECT_EQ(env.Prompts.Shown[0].Text.rfind("Success writing", 0), 0u) << env.Prompts.Shown[0].Text;
    ASSERT_NE(program.Bench.Unit().Find(key), nullptr);
    EXPECT_EQ(*program.Bench.Unit().Find(key), ExpectedWrite(stored));
    EXPECT_EQ(program.Bench.OpenConnections(), 0u);
    EXPECT_EQ(program.Bench.Counters.Restarts, 0u);

    // The settings file saved after the read, loaded into the program started afresh,
    // programs the same words.
    program.Bench.Unit().SetKey(key, stored.Record);
    testing_support::THeadlessProgram restarted(program.Library);
    restarted.Env.Dialogs.Answers.push_back(saved);
    ASSERT_EQ(restarted.Form.LoadFileButtonClick().Outcome, app::TFileOutcome::Succeeded);
    fs::remove(saved);
    restarted.Form.MasterPageControl.UserSwitch(stored.Gateway ? restarted.Form.CradleTabSheet
                                                               : restarted.Form.HandsetTabSheet);
    ASSERT_EQ(restarted.Form.ProgramDeviceButtonClick().Outcome, app::TDeviceOutcome::Succeeded);
    EXPECT_EQ(*program.Bench.Unit().Find(key), ExpectedWrite(stored));
}

INSTANTIATE_TEST_SUITE_P(Files, StoredUnits, ::testing::ValuesIn(UnitFiles()),
                         [](const ::testing::TestParamInfo<fs::path>& info) {
                             std::string name = info.param.stem().string();
                             std::replace_if(
                                 name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
                             return name;
                         });

}  // namespace

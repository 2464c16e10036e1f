// What a load finds in a file (`zenta check` lists it): which lines give which findings,
// judged by the loader's own line pieces and by the controls the loaded values went to.

#include <gtest/gtest.h>

#include <sstream>

#include "CliHarness.h"
#include "files/SettingsFile.h"
#include "tests/support/StartedForm.h"

namespace cli_test {
namespace {

using K = files::TFindingKind;

// The defaults file has one key a line: 9000 on line 1, 0001 to 0049 on lines 2 to 50,
// 1001 to 1055 on lines 51 to 105.
constexpr int kLineOf0001 = 2;
constexpr int kLines = 105;

struct TFound {
    files::TFindingKind Kind;
    int Line;
    std::string Key;
    bool operator==(const TFound&) const = default;
};

std::ostream& operator<<(std::ostream& out, const TFound& f) {
    return out << files::FindingName(f.Kind) << " line " << f.Line << " key " << f.Key;
}

class CheckFindings : public ::testing::Test {
protected:
    static std::vector<files::TFinding> Findings(const std::string& bytes) {
        testing_support::TStartedForm started;
        std::istringstream in(bytes);
        return files::LoadSettingsFile(started.Form, in).Findings;
    }
    std::vector<TFound> Found(const std::string& bytes) {
        std::vector<TFound> found;
        for (const files::TFinding& f : Findings(bytes)) found.push_back({f.Kind, f.Line, f.Key});
        return found;
    }
};

TEST_F(CheckFindings, ReportWhatTheLoaderSkipsClampsOrLeavesUnselected) {
    const std::string longPiece(99, 'x');
    const struct {
        const char* Name;
        std::string Bytes;
        std::vector<TFound> Expected;
    } cases[] = {
        {"the window's own file", DefaultsFile(), {}},
        {"unknown key", DefaultsFile() + "0050=1\r\n", {{K::UnknownKey, kLines + 1, "0050"}}},
        {"key without digits", DefaultsFile() + "abc=1\r\n", {{K::UnknownKey, kLines + 1, "abc"}}},
        {"key given twice", DefaultsFile() + "12=9\r\n", {{K::GivenTwice, kLines + 1, "0012"}}},
        {"reserved key not 0", DefaultsWith({{"1008", "1008=4"}}), {{K::ReservedNotZero, 58, "1008"}}},
        {"reserved key without digits reads 0", DefaultsWith({{"1015", "1015=x"}}), {}},
        {"value without digits", DefaultsWith({{"0012", "0012=abc"}}), {{K::NoDigits, 13, "0012"}}},
        {"a sign alone is no digit", DefaultsWith({{"0012", "0012=-"}}), {{K::NoDigits, 13, "0012"}}},
        {"blanks before the digits", DefaultsWith({{"0012", "0012= 7"}}), {}},
        {"spin above its range", DefaultsWith({{"0012", "0012=25"}}), {{K::Outside, 13, "0012"}}},
        {"spin value that wraps into its range", DefaultsWith({{"0012", "0012=65541"}}), {{K::Outside, 13, "0012"}}},
        {"voltage below its range", DefaultsWith({{"0013", "0013=2400"}}), {{K::Outside, 14, "0013"}}},
        {"no digits and outside",
         DefaultsWith({{"0013", "0013=x"}}),
         {{K::NoDigits, 14, "0013"}, {K::Outside, 14, "0013"}}},
        {"list index past its items", DefaultsWith({{"0011", "0011=2"}}), {{K::Outside, 12, "0011"}}},
        {"list without a selection", DefaultsWith({{"0011", "0011=-1"}}), {{K::Outside, 12, "0011"}}},
        {"tick neither 0 nor 1", DefaultsWith({{"0001", "0001=2"}}), {{K::Outside, kLineOf0001, "0001"}}},
        {"edition neither 0 nor 1", DefaultsWith({{"9000", "9000=2"}}), {{K::Outside, 1, "9000"}}},
        {"only the last of a twice given key counts",
         DefaultsWith({{"0012", "0012=99\r\n0012=5"}}),
         {{K::GivenTwice, 14, "0012"}}},
        {"the fixed Radio PTT line takes any value", DefaultsWith({{"1013", "1013=5"}, {"1014", "1014=x"}}), {}},
        {"an output function on an input line", DefaultsWith({{"1028", "1028=8"}}), {{K::Outside, 78, "1028"}}},
        {"an output function on a line loaded as output", DefaultsWith({{"1026", "1026=1"}, {"1028", "1028=8"}}), {}},
        {"missing key", DefaultsWith({{"0012", ""}}), {{K::Missing, 0, "0012"}}},
        {"missing reserved key", DefaultsWith({{"1008", ""}}), {}},
        {"lines without a setting",
         DefaultsFile() + "hello\r\n\r\n  \r\n0012=\r\n=5\n",
         {{K::NoSetting, kLines + 1, ""}, {K::NoSetting, kLines + 4, ""}, {K::NoSetting, kLines + 5, ""}}},
        // The loader takes 99 characters at a time, so a setting after them is applied.
        {"a long line comes in pieces",
         DefaultsFile() + longPiece + "0012=5\r\n",
         {{K::NoSetting, kLines + 1, ""}, {K::GivenTwice, kLines + 1, "0012"}}},
    };
    for (const auto& c : cases) EXPECT_EQ(Found(c.Bytes), c.Expected) << c.Name;
}

TEST_F(CheckFindings, ListMissingKeysLastInKeyOrder) {
    std::vector<TFound> expected{{K::UnknownKey, 1, "0050"}};
    for (const files::TFileKey& key : files::FileKeys())
        if (key.Kind() != files::TKeyKind::Reserved && key.Key != 1)
            expected.push_back({K::Missing, 0, files::KeyText(key.Key)});
    EXPECT_EQ(Found("0050=1\r\n0001=1\r\n"), expected);
}

TEST_F(CheckFindings, TellWhatTheWindowShowsForAValueOutsideItsControl) {
    const struct {
        std::string Bytes;
        std::string Detail;
    } cases[] = {
        {DefaultsWith({{"0012", "0012=25"}}), "25 is outside 0..24; the window shows 25"},
        {DefaultsWith({{"0013", "0013=9000"}}), "9000 is outside 2500..4000; the window shows 9.0"},
        {DefaultsWith({{"0011", "0011=2"}}), "2 is outside 0..1; the window shows nothing"},
        {DefaultsWith({{"9000", "9000=2"}}), "2 is outside 0..1; the window shows Kesto"},
        {DefaultsWith({{"1029", "1029=-10"}}), "-10 is outside 0..5000; the window shows -10"},
    };
    for (const auto& c : cases) {
        const std::vector<files::TFinding> findings = Findings(c.Bytes);
        ASSERT_EQ(findings.size(), 1u) << c.Detail;
        EXPECT_EQ(findings[0].Detail, c.Detail);
    }
}

TEST_F(CheckFindings, NameTheSettingOfTheKeyInTheirLine) {
    const std::vector<files::TFinding> findings = Findings(DefaultsWith({{"0025", "0025=9"}}));
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(files::FindingLine("f.wpx", findings[0]),
              "f.wpx:26: outside: key 0025 (Handset / Hardware: Left 1: Short Press): 9 is outside 0..6; "
              "the window shows nothing");
}

}  // namespace
}  // namespace cli_test

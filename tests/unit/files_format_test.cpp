// Reading settings files: the number conversion, the key/value split, the line pieces,
// the text-stream bytes and what each kind of setting makes of a value.

#include <gtest/gtest.h>

#include <random>

#include "FilesTestForm.h"
#include "editor/KeyPressMaps.h"
#include "editor/SettingsTables.h"
#include "files/Decimal.h"

namespace files_test {
namespace {

TEST(DecimalValue, ReadsAsAtoiDoesAndWrapsAt32Bits) {
    const struct {
        const char* Text;
        std::int32_t Value;
    } cases[] = {
        {"5", 5},
        {"0012", 12},
        {"  \t\n\v\f\r7", 7},
        {"+7", 7},
        {"-12", -12},
        {"5x7", 5},
        {"5 7", 5},
        {"x", 0},
        {"", 0},
        {"-", 0},
        {"+-5", 0},
        {" - 5", 0},
        {"2147483647", 2147483647},
        {"2147483648", -2147483647 - 1},
        {"-2147483648", -2147483647 - 1},
        {"-2147483649", 2147483647},
        {"4294967296", 0},
        {"4294967301", 5},
        {"-4294967295", 1},
        {"12345678901", -539222987},
        {"99999999999999999999", 1661992959},
    };
    for (const auto& c : cases) EXPECT_EQ(files::DecimalValue(c.Text), c.Value) << '"' << c.Text << '"';
}

class Reading : public FilesForm {};

struct TReadCase {
    const char* Name;
    std::string Bytes;
    std::vector<std::pair<int, std::int32_t>> Expected;  // key and the value it then holds
};

// Each case starts from the defaults, so an expected value that differs from its default
// shows the line was taken, and one equal to its default shows it was not.
TEST_F(Reading, TakesEachLineByItsKeyAndTheKindOfItsSetting) {
    const std::string pad93(93, 'x');
    const TReadCase cases[] = {
        {"short key", "12=5\r\n", {{12, 5}}},
        {"four-digit key", "0012=5\r\n", {{12, 5}}},
        {"blanks before the key", "   0012=5\r\n", {{12, 5}}},
        {"blanks before the value", "0012= \t5\r\n", {{12, 5}}},
        {"plus sign", "0012=+5\r\n", {{12, 5}}},
        {"last line without line end", "0012=5", {{12, 5}}},
        {"digits end at a non-digit", "0012=5x7\r\n", {{12, 5}}},
        {"leading = skipped", "==0012=5\r\n", {{12, 5}}},
        {"value ends at the next =", "0012=5=7\r\n", {{12, 5}}},
        {"several = between key and value", "0012==5\r\n", {{12, 5}}},
        {"every CR dropped", "00\r12=\r5\r\n", {{12, 5}}},
        {"key wraps at 32 bits", "4294967298=1\r\n", {{2, 1}}},
        {"tick 2 unticks", "0001=2\r\n", {{1, 0}}},
        {"tick x unticks", "0001=x\r\n", {{1, 0}}},
        {"tick -1 unticks", "0001=-1\r\n", {{1, 0}}},
        {"tick 1 ticks", "0002=1\r\n", {{2, 1}}},
        {"tick 01 ticks", "0002=01\r\n", {{2, 1}}},
        {"edition 0 is Kesto", "9000=0\r\n", {{9000, 0}}},
        {"edition 2 is Kesto", "9000=2\r\n", {{9000, 0}}},
        {"edition without digits is Kesto", "9000=x\r\n", {{9000, 0}}},
        {"Radio PTT line fixed",
         "1011=0\r\n1012=1\r\n1013=5\r\n1014=300\r\n",
         {{1011, 1}, {1012, 0}, {1013, 1}, {1014, 0}}},
        {"spin 65541 is 5", "0012=65541\r\n", {{12, 5}}},
        {"spin -65531 is 5", "0012=-65531\r\n", {{12, 5}}},
        {"spin -1", "0033=-1\r\n", {{33, -1}}},
        {"spin 65535 is -1", "0033=65535\r\n", {{33, -1}}},
        // Held as given, outside the spin's range too.
        {"spin 32768 is negative", "0033=32768\r\n", {{33, -32768}}},
        {"spin 32767", "0033=32767\r\n", {{33, 32767}}},
        {"list index", "0011=1\r\n", {{11, 1}}},
        {"list 99 leaves no selection", "0011=99\r\n", {{11, -1}}},
        {"list 2 is past the end", "0011=2\r\n", {{11, -1}}},
        {"list -1", "0011=-1\r\n", {{11, -1}}},
        {"list index wraps at 32 bits", "0011=4294967297\r\n", {{11, 1}}},
        {"last duplicate wins", "0039=1\r\n0039=4\r\n", {{39, 4}}},
        {"last duplicate wins, reversed", "0039=4\r\n0039=1\r\n", {{39, 1}}},
        {"Ctrl-Z ends the file",
         "0012=5\r\n\x1a"
         "0014=7\r\n",
         {{12, 5}, {14, 5}}},
        {"Ctrl-Z ends a line",
         "0012=6\x1a"
         "7\r\n",
         {{12, 6}}},
        {"a 99-character piece", "0012=5" + pad93 + "0014=7\r\n", {{12, 5}, {14, 7}}},
        {"a piece one longer", "0012=5" + pad93 + "x0014=7\r\n", {{12, 5}, {14, 5}}},
        {"CR bytes do not count", "0012=5" + std::string(50, '\r') + pad93 + "0014=7\r\n", {{12, 5}, {14, 7}}},
        {"empty lines", "\r\n\r\n0012=5\r\n\r\n\r\n0014=7", {{12, 5}, {14, 7}}},
        {"LF line ends", "0012=5\n0014=7\n0039=2\n", {{12, 5}, {14, 7}, {39, 2}}},
        {"CR LF line ends", "0012=5\r\n0014=7\r\n0039=2\r\n", {{12, 5}, {14, 7}, {39, 2}}},
    };
    for (const TReadCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Start();
        Load(c.Bytes);
        for (auto [key, value] : c.Expected) EXPECT_EQ(Value(key), value) << "key " << key;
    }
}

// A file changes only what it names: a line's pulse range follows a loaded Function only
// where the file gives that line's Pulse too, range first and the file's pulse after it in
// either order; a Function alone keeps the line's pulse and range.
TEST_F(Reading, APulseRangeFollowsALoadedFunctionOnlyWithTheLinesPulse) {
    const struct {
        const char* Name;
        const char* Bytes;
        int Pulse, Min, Max;
    } cases[] = {
        {"the same function alone", "1038=4\r\n", 1000, 10, 30000},
        {"another function alone", "1038=2\r\n", 1000, 10, 30000},
        {"pulse, then the same function", "1039=1000\r\n1038=4\r\n", 1000, 10, 30000},
        {"the same function, then a pulse", "1038=4\r\n1039=700\r\n", 700, 10, 30000},
        {"pulse, then another function", "1039=40\r\n1038=2\r\n", 40, 0, 5000},
        {"another function, then a pulse outside its range", "1038=2\r\n1039=9000\r\n", 9000, 0, 5000},
        {"pulse alone", "1039=20\r\n", 20, 10, 30000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Start();
        ASSERT_EQ(form->GWRadioFunction3FunctionComboBox.Text(), "Aux 1");
        form->GWRadioFunction3PulseUpDown.SetPosition(1000);
        Load(c.Bytes);
        EXPECT_EQ(form->GWRadioFunction3PulseUpDown.Position(), c.Pulse);
        EXPECT_EQ(form->GWRadioFunction3PulseUpDown.Min(), c.Min);
        EXPECT_EQ(form->GWRadioFunction3PulseUpDown.Max(), c.Max);
    }
}

TEST_F(Reading, SkipsLinesThatCarryNoSettingOfTheTable) {
    const TSnapshot defaults = Snapshot(*form);
    const char* const cases[] = {
        "",
        "\r\n",
        "\n\n\n",
        "=",
        "=\r\n",
        "==",
        "0012",
        "0012\r\n",
        "0012 5\r\n",
        "0012=",
        "0012=\r\n",
        "0012==\r\n",
        "=5\r\n",
        "x=5\r\n",
        "0000=5\r\n",
        "0050=1\r\n",
        "1000=1",
        "1056=1",
        "9001=1",
        "1008=5",
        "1020=7\r\n",
        "1055=3",
        ("\x1a"
         "0012=5"),
    };
    for (const char* bytes : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(bytes)));
        Load(bytes);
        EXPECT_EQ(Snapshot(*form), defaults);
    }
}

TEST_F(Reading, AFileOfOnlyTheVoltageChangesOnlyTheVoltageAndItsVolts) {
    TSnapshot expected = Snapshot(*form);
    for (auto& [key, value] : expected)
        if (key == 13) value = 3000;
    Load("0013=3000\r\n");
    EXPECT_EQ(Snapshot(*form), expected);
    EXPECT_EQ(form->LowBatteryBeepVoltageStaticText.Text(), "3.0");
}

TEST_F(Reading, AListWithoutSelectionIsWrittenAsMinusOne) {
    Load("0011=99\r\n");
    EXPECT_NE(Saved().find("\r\n0011=-1\r\n"), std::string::npos);
    Load("0011=1\r\n");
    Load("0011=-1\r\n");
    EXPECT_EQ(form->HirosePin2FunctionComboBox.ItemIndex(), -1);
}

// Whatever the bytes, a load ends, and every gateway line offers the functions of the
// direction it holds, with its remembered indices in step.
TEST_F(Reading, AnyBytesLoadIntoConsistentGatewayLines) {
    std::mt19937 random(20240605u);
    const std::string alphabet =
        "0123456789=-+ \r\n\x1a"
        "x";
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        const std::size_t length = random() % 400;
        for (std::size_t i = 0; i < length; ++i) {
            const unsigned pick = random() % 4;
            bytes.push_back(pick == 0 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()]);
        }
        // Real keys of the lines make the noise reach them.
        for (int n = 0; n < 8; ++n) {
            bytes += '\n';
            bytes += std::to_string(1011 + random() % 45) + "=" + std::to_string(static_cast<int>(random() % 12) - 2);
        }
        Load(bytes);
        const app::TMajorForm& f = *form;
        for (const editor::TGatewayLine& line : editor::GatewayLines()) {
            SCOPED_TRACE(line.Caption);
            const int io = (f.*line.IO).ItemIndex();
            if (io >= 0) {
                EXPECT_EQ((f.*line.Function).Items(),
                          io == 0 ? editor::InputFunctionItems() : editor::OutputFunctionItems(line.OffersHandsfree));
            }
            EXPECT_EQ(f.RememberedIOIndex(line), io);
            EXPECT_EQ(f.RememberedFunctionIndex(line), (f.*line.Function).ItemIndex());
        }
    }
}

}  // namespace
}  // namespace files_test

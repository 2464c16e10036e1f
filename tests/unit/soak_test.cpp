// A fault soak: thousands of random steps, each a user action, a file saved or loaded,
// a device action or a change on the bench (another unit, a foreign unit, faults waiting
// in the next library calls, a unit unplugged in the middle of an action), against the
// simulated unit. After every step the promises users rely on must hold: no connection
// left open, nothing written to a unit that was refused, a spin the user stepped within
// its range, the "Right 1" row and the "Radio PTT" line locked, every Function list holding the
// functions of its line's direction. The walk is fixed by its seed (ZENTA_SOAK_SEED
// replaces it); a failure names the seed and the step.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "records/UnitIdentity.h"
#include "sim/SimBench.h"
#include "tests/support/CallRecorder.h"
#include "tests/support/EditorInvariants.h"
#include "tests/support/RandomUserEdit.h"
#include "tests/support/StartedForm.h"
#include "ui/Headless.h"

namespace {

constexpr std::uint32_t kDefaultSeed = 20240607;
constexpr int kSteps = 10000;

class TSoak {
public:
    // The unit can be unplugged after a given number of calls, in the middle of an action.
    TSoak(std::uint32_t seed, std::filesystem::path folder) : random_(seed), folder_(std::move(folder)) {
        recorder_.BeforeEachCall = [this] {
            if (unplugAfter_ && (*unplugAfter_)-- == 0) {
                link_.Bench.AttachUnit(sim::TSimUnit());
                unplugAfter_.reset();
            }
        };
    }

    // What the step did, for the failure report.
    std::string Step() {
        recorder_.Calls.clear();
        unplugAfter_.reset();
        programming_ = false;
        programRefused_ = false;
        stepped_ = nullptr;
        if (!program_ || program_->Form.Closed) return Start();
        program_->Env.Prompts.Answers.clear();
        program_->Env.Prompts.Problems.clear();
        const int pick = Below(100);
        if (pick < 50) return UserEdit();
        if (pick < 53) return Click(Form().FactoryButton);
        if (pick < 58) return Save();
        if (pick < 65) return Load();
        if (pick < 73 || (!bench_.Unit().Answers() && OneIn(2))) return ChangeUnit();
        if (pick < 80) return InjectFaults();
        if (pick < 99) return DeviceAction();
        return Start();
    }

    // The promises broken by the step just taken.
    std::vector<std::string> Broken() const {
        std::vector<std::string> broken;
        if (bench_.OpenConnections() != 0)
            broken.push_back(std::to_string(bench_.OpenConnections()) + " connection(s) left open");
        if (program_ && program_->Form.Connection.Handle() != 0) broken.emplace_back("the window holds a handle");
        if (recorder_.Count("write") != 0 && !programming_)
            broken.emplace_back("a unit was written outside PROGRAM DEVICE");
        if (recorder_.Count("write") != 0 && programRefused_) broken.emplace_back("a refused unit was written");
        if (stepped_ != nullptr && (stepped_->Position() < stepped_->Min() || stepped_->Position() > stepped_->Max()))
            broken.push_back("the user stepped " + stepped_->Name + " to " + std::to_string(stepped_->Position()) +
                             ", outside " + std::to_string(stepped_->Min()) + ".." + std::to_string(stepped_->Max()));
        if (program_) {
            const auto editor = testing_support::BrokenEditorInvariants(program_->Form);
            broken.insert(broken.end(), editor.begin(), editor.end());
        }
        return broken;
    }

private:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool OneIn(int n) { return Below(n) == 0; }
    std::uint16_t AnyWord() { return static_cast<std::uint16_t>(Below(0x10000)); }
    app::TMajorForm& Form() { return program_->Form; }
    std::string Path(const char* name) const { return (folder_ / name).string(); }

    // Program entry, sometimes with a program settings file left by this or another version.
    std::string Start() {
        program_.reset();
        const std::string executable = Path("ZENTAUserProgrammer.exe");
        const std::string ini = Path("ZENTAUserProgrammer.INI");
        const int kind = Below(4);
        if (kind > 0) {
            std::ofstream out(ini, std::ios::binary);
            out << (kind == 1 ? "[Setting]\r\nProgramVersion=v2.05A\r\n"
                              : "[Setting]\r\nProgramVersion=v1.9" + std::to_string(kind) + "\r\n");
        }
        program_ = std::make_unique<testing_support::THeadlessProgram>(recorder_, executable);
        return "program start, settings file kind " + std::to_string(kind);
    }

    std::string Click(ui::TButton& button) {
        programming_ = &button == &Form().ProgramDeviceButton;
        button.UserClick();
        return "click " + button.Name;
    }

    std::string UserEdit() {
        const testing_support::TUserEdit edit =
            testing_support::RandomUserEdit(Form(), program_->Env.Keyboard, random_);
        stepped_ = edit.Stepped;
        return edit.Description;
    }

    // Into one of two files, into a folder that does not exist, or cancelled.
    std::string Save() {
        const char* names[] = {"a.wpx", "b.wpx", "no-such-folder/c.wpx", ""};
        const char* name = names[Below(4)];
        program_->Env.Dialogs.Answers.push_back(*name ? Path(name) : "");
        Click(Form().SaveFileButton);
        return std::string("save file ") + (*name ? name : "cancelled");
    }

    // A saved file as it is or damaged, a missing file, a folder, or cancelled.
    std::string Load() {
        const int kind = Below(5);
        std::string answer;
        std::string what;
        if (kind == 0) {
            answer = Path(OneIn(2) ? "a.wpx" : "b.wpx");
            what = "a saved file";
        } else if (kind == 1) {
            answer = Path("damaged.wpx");
            what = "a damaged file: " + WriteDamagedFile(answer);
        } else if (kind == 2) {
            answer = Path("missing.wpx");
            what = "a missing file";
        } else if (kind == 3) {
            answer = folder_.string();
            what = "a folder";
        } else {
            what = "cancelled";
        }
        program_->Env.Dialogs.Answers.push_back(answer);
        Click(Form().LoadFileButton);
        return "load file, " + what;
    }

    // A saved file with values, lines and bytes changed at random.
    std::string WriteDamagedFile(const std::string& path) {
        std::string text;
        if (std::ifstream in(Path(OneIn(2) ? "a.wpx" : "b.wpx"), std::ios::binary); in)
            text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        std::string done;
        for (int changes = 1 + Below(6); changes > 0; --changes) {
            const int how = Below(4);
            const std::size_t at = text.empty() ? 0 : static_cast<std::size_t>(Below(static_cast<int>(text.size())));
            if (how == 0) {
                text.insert(at, "=" + std::to_string(Below(70000) - 35000));
                done += "value ";
            } else if (how == 1) {
                text.insert(at, std::to_string(1000 + Below(60)) + "=" + std::to_string(Below(12) - 2) + "\n");
                done += "line ";
            } else if (how == 2 && !text.empty()) {
                text[at] = static_cast<char>(Below(256));
                done += "byte ";
            } else {
                text.resize(at);
                done += "cut ";
            }
        }
        std::ofstream(path, std::ios::binary) << text;
        return done;
    }

    // Mostly units this programmer serves, so that most device actions get far.
    std::string ChangeUnit() {
        const int weights[] = {20, 20, 10, 10, 10, 10, 7, 7, 6};
        int kind = 0;
        for (int pick = Below(100); pick >= weights[kind]; ++kind) pick -= weights[kind];
        const sim::TEdition edition = OneIn(2) ? sim::TEdition::Ardex : sim::TEdition::Kesto;
        switch (kind) {
        case 0: bench_.AttachUnit(sim::TSimUnit::Factory(sim::TUnitKind::Handset, edition)); return "factory handset";
        case 1: bench_.AttachUnit(sim::TSimUnit::Factory(sim::TUnitKind::Gateway, edition)); return "factory gateway";
        case 2:
        case 3: {
            const bool gateway = kind == 3;
            bench_.AttachUnit(
                sim::TSimUnit::Factory(gateway ? sim::TUnitKind::Gateway : sim::TUnitKind::Handset, edition));
            std::vector<std::uint16_t> words(static_cast<std::size_t>(Below(41)));
            for (std::uint16_t& w : words) w = AnyWord();
            bench_.Unit().SetKey(gateway ? devlink::PSKEY_GW_XSETTINGS : devlink::PSKEY_HS_XSETTINGS, words);
            return std::string(gateway ? "gateway" : "handset") + " with a random record of " +
                   std::to_string(words.size()) + " words";
        }
        case 4:
            bench_.AttachUnit(sim::TSimUnit::Factory(OneIn(2) ? sim::TUnitKind::Tavin : sim::TUnitKind::Unknown));
            return "foreign unit";
        case 5: bench_.Unit().SetKey(devlink::PSKEY_UNIT_TYPE, {AnyWord()}); return "unit type word changed";
        case 6:
            bench_.Unit().SetChipName(OneIn(2) ? "csr8670 rev B" : "CSR8675");
            return "chip name " + bench_.Unit().ChipName();
        case 7:
            bench_.Unit().RemoveKey(OneIn(2) ? devlink::PSKEY_SW_VERSION : devlink::PSKEY_UNIT_TYPE);
            return "version or unit type key removed";
        default: bench_.AttachUnit(sim::TSimUnit()); return "nothing on the link";
        }
    }

    std::string InjectFaults() {
        const std::uint16_t keys[] = {devlink::PSKEY_UNIT_TYPE, devlink::PSKEY_SW_VERSION, devlink::PSKEY_HS_XSETTINGS,
                                      devlink::PSKEY_GW_XSETTINGS};
        const std::optional<std::uint16_t> key = OneIn(3) ? std::nullopt : std::optional<std::uint16_t>(keys[Below(4)]);
        if (OneIn(4)) {
            const auto length = static_cast<std::uint16_t>(OneIn(2) ? Below(40) : AnyWord());
            bench_.Faults.MisreportNextRead(length, key);
            return "next read misreports " + std::to_string(length) + " words";
        }
        const sim::TSimCall calls[] = {sim::TSimCall::Open, sim::TSimCall::Read, sim::TSimCall::Write};
        const sim::TSimCall call = calls[Below(3)];
        const auto count = static_cast<unsigned>(1 + Below(4));
        bench_.Faults.FailNext(call, count, call == sim::TSimCall::Open ? std::nullopt : key);
        return std::string("next ") + std::to_string(count) + " " + sim::CallName(call) + " calls fail";
    }

    // PROGRAM DEVICE must write nothing unless the chip is the right one and the unit is
    // of the kind on show.
    bool ProgramRefuses() {
        const sim::TSimUnit& unit = bench_.Unit();
        std::string chip = unit.ChipName();
        std::transform(chip.begin(), chip.end(), chip.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        const std::uint16_t kindOnShow = Form().MasterPageControl.ActivePage() == &Form().HandsetTabSheet
                                             ? records::kHandsetType
                                             : records::kGatewayType;
        return chip.find("CSR8670") == std::string::npos || (unit.TypeWord() & records::kUnitTypeMask) != kindOnShow;
    }

    std::string DeviceAction() {
        std::string unplug;
        if (OneIn(5)) {
            unplugAfter_ = Below(8);
            unplug = ", unplugged after " + std::to_string(*unplugAfter_) + " calls";
        }
        const ui::TPromptAnswer answers[] = {{ui::TPromptAnswer::TKind::Result, ui::mrYes},
                                             {ui::TPromptAnswer::TKind::Result, ui::mrNo},
                                             {ui::TPromptAnswer::TKind::Close, 0},
                                             {ui::TPromptAnswer::TKind::Enter, 0}};
        program_->Env.Prompts.Answers.push_back(answers[Below(4)]);
        const int which = Below(9);
        if (which < 4) return Click(Form().ReadDeviceButton) + unplug;
        if (which < 8) {
            programRefused_ = ProgramRefuses();
            return Click(Form().ProgramDeviceButton) + (programRefused_ ? " (refused unit)" : "") + unplug;
        }
        return Click(Form().RestartButton) + unplug;
    }

    std::mt19937 random_;
    const std::filesystem::path folder_;
    testing_support::TSimulatedLink link_;
    sim::TSimBench& bench_ = link_.Bench;
    testing_support::TCallRecorder recorder_{link_.Library};
    std::optional<int> unplugAfter_;  // calls from now
    std::unique_ptr<testing_support::THeadlessProgram> program_;
    bool programming_ = false;
    bool programRefused_ = false;
    const ui::TUpDown* stepped_ = nullptr;  // the spin the step clicked, if it clicked one
};

std::uint32_t SoakSeed() {
    const char* given = std::getenv("ZENTA_SOAK_SEED");
    return given != nullptr ? static_cast<std::uint32_t>(std::strtoul(given, nullptr, 0)) : kDefaultSeed;
}

// The soak is only as good as its checks: each broken promise must be seen.
TEST(FaultSoak, TheChecksSeeEveryKindOfBrokenPromise) {
    const auto broken = [](auto breakIt) {
        testing_support::TStartedForm program;
        EXPECT_TRUE(testing_support::BrokenEditorInvariants(program.Form).empty());
        breakIt(program.Form);
        return testing_support::BrokenEditorInvariants(program.Form).size();
    };
    EXPECT_EQ(broken([](app::TMajorForm& f) { f.Right1ShortPressComboBox.Enabled = true; }), 1u);
    EXPECT_EQ(broken([](app::TMajorForm& f) { f.GWRadioPTTPulseUpDown.Enabled = true; }), 1u);
    EXPECT_EQ(broken([](app::TMajorForm& f) { f.AlertToneVolumeUpDown.SetMax(100); }), 1u);
    EXPECT_EQ(broken([](app::TMajorForm& f) { f.GWRadioCORPulseUpDown.SetMin(20); }), 1u);
    EXPECT_EQ(broken([](app::TMajorForm& f) { f.AutoTurnOffTimerStaticText.SetText("x"); }), 1u);
    EXPECT_EQ(broken([](app::TMajorForm& f) {
                  const bool input = editor::SelectedItemContains(f.GWRadioFunction1IOComboBox, "Input");
                  f.GWRadioFunction1FunctionComboBox.SetItems(input ? editor::OutputFunctionItems(true)
                                                                    : editor::InputFunctionItems());
              }),
              1u);
    EXPECT_EQ(
        broken([](app::TMajorForm& f) { f.GWRadioCORIOComboBox.SetItemIndex(1 - f.GWRadioCORIOComboBox.ItemIndex()); }),
        1u);
}

TEST(FaultSoak, EveryStepKeepsThePromises) {
    const std::uint32_t seed = SoakSeed();
    // Two test runs at once each have a folder of their own.
    const auto folder = std::filesystem::temp_directory_path() /
                        ("zenta-soak-" + std::to_string(seed) + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    {
        TSoak soak(seed, folder);
        for (int step = 1; step <= kSteps; ++step) {
            const std::string what = soak.Step();
            const std::vector<std::string> broken = soak.Broken();
            if (broken.empty()) continue;
            std::ostringstream report;
            for (const std::string& b : broken) report << "\n  " << b;
            ADD_FAILURE() << "seed " << seed << " (ZENTA_SOAK_SEED), step " << step << ": " << what << report.str();
            break;
        }
    }
    std::filesystem::remove_all(folder);
}

}  // namespace

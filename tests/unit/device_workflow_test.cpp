// The device actions of the main window against a simulated unit: detection, RESTART
// DEVICE, READ DEVICE and PROGRAM DEVICE, with their exact library traffic, prompts,
// log lines and retry waits. Every action leaves no connection open.

#include <gtest/gtest.h>

#include <ostream>

#include "app/MajorForm.h"
#include "cli/host/UnitAccess.h"
#include "editor/SettingsTables.h"
#include "records/GatewayRecord.h"
#include "records/HandsetRecord.h"
#include "sim/SimUnit.h"
#include "tests/support/FormTest.h"

namespace {

using records::TRecordWords;

constexpr std::uint16_t kUnitType = 0x02A9, kGatewayKey = 0x02AA, kHandsetKey = 0x02AB, kVersion = 0x02AD;

// What the defaults of each kind write.
const std::vector<std::uint16_t> kDefaultHandset{0xA700, 0x0008, 0x0DAC, 0x0005, 0x0000, 0x0006, 0x0009, 0x0006, 0x0009,
                                                 0x0005, 0x0000, 0x0000, 0x0000, 0x0001, 0x03E8, 0x1000, 0x3000, 0x1800,
                                                 0x0100, 0x0140, 0x0001, 0x00C8, 0x1000, 0x0000, 0x0000};
const std::vector<std::uint16_t> kDefaultGateway{0x6000, 0x0009, 0x0003, 0x0000, 0x0046, 0xC001, 0x0000, 0xC002, 0x0000,
                                                 0x0001, 0x0000, 0x0002, 0x0000, 0x0003, 0x0000, 0xC004, 0x01F4, 0xC005,
                                                 0x01F4, 0x8008, 0x0000, 0x8006, 0x0000, 0x0000, 0x0000};

const std::vector<unsigned> kAllRetryWaits{250, 500, 750};

// A unit on the link that holds exactly these keys; what it is, its keys tell.
sim::TSimUnit UnitHolding(const sim::TSimUnit::TStore& keys) {
    sim::TSimUnit unit;
    unit.SetKind(sim::TUnitKind::Unknown);
    for (const auto& [key, words] : keys) unit.SetKey(key, words);
    return unit;
}

class DeviceActions : public testing_support::FormTest {
protected:
    void SetUp() override {
        bench.AttachUnit(UnitHolding({}));
        Start(testing_support::TStartStage::TransportChosen);
        form->InfoMemo.Lines.clear();
    }
    void TearDown() override {
        EXPECT_EQ(bench.OpenConnections(), 0u) << "a connection was left open";
        EXPECT_EQ(form->Connection.Handle(), 0u);
        EXPECT_TRUE(env.Prompts.Answers.empty()) << "answers left unused";
    }

    // What the unit holds under the key now; nothing when the key is absent.
    std::vector<std::uint16_t> Stored(std::uint16_t key) const {
        const std::vector<std::uint16_t>* words = bench.Unit().Find(key);
        return words ? *words : std::vector<std::uint16_t>{};
    }

    void Attach(std::uint16_t typeWord, std::uint16_t versionWord = 0x0205) {
        bench.Unit().SetKey(kUnitType, {typeWord});
        bench.Unit().SetKey(kVersion, {versionWord});
    }
    void AttachHandset(std::uint16_t typeWord = 0xAB02, std::vector<std::uint16_t> record = kDefaultHandset) {
        Attach(typeWord);
        bench.Unit().SetKey(kHandsetKey, std::move(record));
    }
    void AttachGateway(std::uint16_t typeWord = 0xFE02, std::vector<std::uint16_t> record = kDefaultGateway) {
        Attach(typeWord);
        bench.Unit().SetKey(kGatewayKey, std::move(record));
    }
    void ShowGatewayPages() { form->MasterPageControl.SetActivePage(form->CradleTabSheet); }

    // The log texts without their time stamps.
    std::vector<std::string> Log() const {
        std::vector<std::string> texts;
        for (const std::string& line : form->InfoMemo.Lines) texts.push_back(line.substr(line.find("| ") + 2));
        return texts;
    }
    std::vector<std::string> PromptTexts() const {
        std::vector<std::string> texts;
        for (const ui::TPromptWindow& p : env.Prompts.Shown) texts.push_back(p.Text);
        return texts;
    }
    void ExpectErrorPrompt(const ui::TPromptWindow& p) const {
        EXPECT_EQ(p.Caption, "ERROR");
        EXPECT_EQ(p.Type, 1);
        ASSERT_EQ(p.Buttons.size(), 1u);
        EXPECT_EQ(p.Buttons[0].Caption, "&OK");
        EXPECT_EQ(p.Focused, 1);
    }
    void ExpectOnlyError(const std::string& text) const {
        ASSERT_EQ(PromptTexts(), std::vector<std::string>{text});
        ExpectErrorPrompt(env.Prompts.Shown[0]);
    }
};

// ---- detection and restart ----

TEST_F(DeviceActions, NoUnitIsNotDetectedAndNothingMore) {
    bench.AttachUnit(sim::TSimUnit());
    form->ReadDeviceButton.UserClick();
    form->ProgramDeviceButton.UserClick();
    EXPECT_EQ(PromptTexts(), std::vector<std::string>(2,
                                                      "ZENTA not detected. Check cables and ensure ZENTA is in "
                                                      "programming mode."));
    ExpectErrorPrompt(env.Prompts.Shown[0]);
    EXPECT_EQ(recorder.Calls, std::vector<std::string>(2, "open-transport 2 \\\\.\\CSR0 0 1000 1000"));
    EXPECT_TRUE(Log().empty());
    EXPECT_FALSE(form->Closed);
}

TEST_F(DeviceActions, AForeignChipEndsTheProgramAfterItsPrompt) {
    AttachHandset();
    bench.Unit().SetChipName("CSR8675");
    form->ReadDeviceButton.UserClick();
    ExpectOnlyError("The chip is not CSR 8670. This program will terminate.");
    EXPECT_TRUE(form->Closed);
    EXPECT_EQ(recorder.Calls,
              (std::vector<std::string>{"open-transport 2 \\\\.\\CSR0 0 1000 1000", "chip-name 256", "close"}));
}

TEST_F(DeviceActions, TheChipNameMatchesInAnySpellingAndInsideLongerNames) {
    for (const char* chip : {"CSR8670", "csr8670", "Csr8670 rev B", "BC-CSR8670-A05"}) {
        bench.Unit().SetChipName(chip);
        EXPECT_EQ(form->DetectDevice().Outcome, app::TDeviceOutcome::Succeeded) << chip;
    }
    EXPECT_TRUE(env.Prompts.Shown.empty());
    EXPECT_FALSE(form->Closed);
}

TEST_F(DeviceActions, RestartGoesStraightToTheUnitWithoutPromptOrLog) {
    form->RestartButton.UserClick();
    EXPECT_EQ(bench.Counters.Restarts, 1u);
    EXPECT_EQ(recorder.Calls,
              (std::vector<std::string>{"open-transport 2 \\\\.\\CSR0 0 1000 1000", "restart 0", "close"}));
    bench.AttachUnit(sim::TSimUnit());
    form->RestartButton.UserClick();
    EXPECT_EQ(bench.Counters.Restarts, 1u);
    EXPECT_TRUE(env.Prompts.Shown.empty());
    EXPECT_TRUE(Log().empty());
}

// ---- READ DEVICE ----

TEST_F(DeviceActions, ReadingAHandsetBringsItsRecordIntoTheEditor) {
    std::vector<std::uint16_t> record = kDefaultHandset;
    record[4] = 0xFFE8;  // internal mic gain -24
    record[0] = 0x4000;  // only the radio PTT key beep
    AttachHandset(0xAB02, record);
    ShowGatewayPages();
    form->GWSwVersionLabel.Caption = "GW: V1.00 Ardex";
    form->ReadDeviceButton.UserClick();

    EXPECT_EQ(recorder.KeyTraffic(), (std::vector<std::string>{"read 02A9", "read 02AD", "read 02AB"}));
    EXPECT_EQ(recorder.Calls[4], "read 02A9 store 1 capacity 36");
    EXPECT_EQ(form->MasterPageControl.ActivePage(), &form->HandsetTabSheet);
    EXPECT_EQ(form->HSSwVersionLabel.Caption, "HS: V2.05 Ardex");
    EXPECT_EQ(form->GWSwVersionLabel.Caption, "");
    EXPECT_TRUE(form->butModelArdex.Checked());
    EXPECT_EQ(Log(), (std::vector<std::string>{"HS: V2.05 Ardex",
                                               "Read  - 4000 0008 0DAC 0005 FFE8 0006 0009 0006 0009 0005 0000 0000 "
                                               "0000 0001 03E8 1000 3000 1800 0100 0140 0001 00C8 1000 0000 0000 "}));
    EXPECT_EQ(form->InternalMicGainUpDown.Position(), -24);
    EXPECT_TRUE(form->RadioTalkPermitToneCheckBox.Checked());
    EXPECT_FALSE(form->EmergencyToneCheckBox.Checked());
    const TRecordWords kept = records::ToWords(form->HSRecord);
    EXPECT_EQ(std::vector<std::uint16_t>(kept.begin(), kept.end()), record);
    ASSERT_EQ(PromptTexts(), std::vector<std::string>{"Success to read ZENTA Handset settings."});
    const ui::TPromptWindow& note = env.Prompts.Shown[0];
    EXPECT_EQ(note.Caption, "NOTE");
    EXPECT_EQ(note.Type, 2);
    ASSERT_EQ(note.Buttons.size(), 1u);
    EXPECT_EQ(note.Buttons[0].Caption, "&OK");
    EXPECT_EQ(note.Focused, 1);
}

TEST_F(DeviceActions, ReadingAGatewaySwitchesToItsPagesAndRemembersItsEdition) {
    std::vector<std::uint16_t> record = kDefaultGateway;
    record[2] = 0x00E8;
    AttachGateway(0xFE02, record);
    form->HSSwVersionLabel.Caption = "HS: V1.00 Ardex";
    form->ReadDeviceButton.UserClick();
    EXPECT_EQ(recorder.KeyTraffic(), (std::vector<std::string>{"read 02A9", "read 02AD", "read 02AA"}));
    EXPECT_EQ(form->MasterPageControl.ActivePage(), &form->CradleTabSheet);
    EXPECT_EQ(form->GWSwVersionLabel.Caption, "GW: V2.05 Ardex");
    EXPECT_EQ(form->HSSwVersionLabel.Caption, "");
    EXPECT_EQ(form->GatewayEdition, 2);
    EXPECT_EQ(form->GWReceiveInputGainUpDown.Position(), -24);
    EXPECT_EQ(PromptTexts(), std::vector<std::string>{"Success to read ZENTA Gateway settings."});
    EXPECT_EQ(Log().front(), "GW: V2.05 Ardex");
}

TEST_F(DeviceActions, AKestoGatewayComesBackWithoutMultiMicsAndPublicAddress) {
    std::vector<std::uint16_t> record = kDefaultGateway;
    record[0] = 0xF000;
    AttachGateway(0xFE01, record);
    form->ReadDeviceButton.UserClick();
    EXPECT_TRUE(form->butModelKesto.Checked());
    EXPECT_EQ(form->GatewayEdition, 1);
    EXPECT_EQ(form->GWSwVersionLabel.Caption, "GW: V2.05 Kesto");
    EXPECT_FALSE(form->GWMultiOperationalMicsCheckBox.Checked());
    EXPECT_FALSE(form->GWPublicAddressModeCheckBox.Checked());
    EXPECT_TRUE(form->GWVOXEnabledCORCheckBox.Checked());
    EXPECT_EQ(records::ToWords(form->GWRecord)[0], 0xF000);
}

struct TRefusalCase {
    std::uint16_t TypeWord;
    const char* Message;
};

// Readable names for the cases in test listings.
void PrintTo(const TRefusalCase& c, std::ostream* out) { *out << "type" << std::hex << c.TypeWord; }

class ReadRefusals : public DeviceActions, public ::testing::WithParamInterface<TRefusalCase> {};

TEST_P(ReadRefusals, AUnitOfNeitherKindIsRefusedBeforeAnyRecordIsRead) {
    Attach(GetParam().TypeWord);
    bench.Unit().SetKey(kHandsetKey, kDefaultHandset);
    bench.Unit().SetKey(kGatewayKey, kDefaultGateway);
    ShowGatewayPages();
    form->ReadDeviceButton.UserClick();
    ExpectOnlyError(GetParam().Message);
    EXPECT_EQ(recorder.KeyTraffic(), (std::vector<std::string>{"read 02A9", "read 02AD"}));
    EXPECT_EQ(form->MasterPageControl.ActivePage(), &form->CradleTabSheet);
    EXPECT_TRUE(Log().empty());
}

const char* const kTavin =
    "This programmer is for Fennic series only. Please use version 3.xx for this ZENTA Tavin model.";
const char* const kUnknown = "Unknown ZENTA found. Please see support.zenta-programmer.example for correct programmer.";

INSTANTIATE_TEST_SUITE_P(Types, ReadRefusals,
                         ::testing::Values(TRefusalCase{0xAC02, kTavin}, TRefusalCase{0xFD00, kTavin},
                                           TRefusalCase{0x0000, kUnknown}, TRefusalCase{0xAA02, kUnknown},
                                           TRefusalCase{0x02AB, kUnknown}));

TEST_F(DeviceActions, AnUnreadableUnitTypeEndsTheReadAfterThreeAttempts) {
    AttachHandset();
    bench.Faults.FailNext(sim::TSimCall::Read, 3, kUnitType);
    form->ReadDeviceButton.UserClick();
    ExpectOnlyError("Fail to read pskey");
    EXPECT_EQ(recorder.KeyTraffic(), std::vector<std::string>(3, "read 02A9"));
    EXPECT_EQ(env.Sleeper.Waits, kAllRetryWaits);
    EXPECT_TRUE(Log().empty());
}

TEST_F(DeviceActions, ARecordReadOnTheThirdAttemptSucceedsAfterTwoWaits) {
    AttachHandset();
    bench.Faults.FailNext(sim::TSimCall::Read, 2, kHandsetKey);
    form->ReadDeviceButton.UserClick();
    EXPECT_EQ(env.Sleeper.Waits, (std::vector<unsigned>{250, 500}));
    EXPECT_EQ(PromptTexts(), std::vector<std::string>{"Success to read ZENTA Handset settings."});
}

// A failed record read keeps the settings on show: the unit's page, labels and edition
// are shown, but the user's edits stay, rather than an all-zero record taking their place.
TEST_F(DeviceActions, AFailedRecordReadKeepsTheSettingsOnShow) {
    AttachHandset(0xAB01);
    bench.Faults.FailNext(sim::TSimCall::Read, 3, kHandsetKey);
    form->InternalMicGainUpDown.SetPosition(12);
    form->MuteSpeakerOnPTTCheckBox.SetChecked(true);
    const TRecordWords before = records::ToWords(records::MapSettingsToHSRecord(*form));
    env.Prompts.Shown.clear();
    ShowGatewayPages();
    form->ReadDeviceButton.UserClick();

    ExpectOnlyError("Fail to read ZENTA Handset settings.");
    EXPECT_EQ(env.Sleeper.Waits, kAllRetryWaits);
    EXPECT_EQ(form->MasterPageControl.ActivePage(), &form->HandsetTabSheet);
    EXPECT_EQ(form->HSSwVersionLabel.Caption, "HS: V2.05 Kesto");
    EXPECT_TRUE(form->butModelKesto.Checked());
    EXPECT_EQ(Log(), (std::vector<std::string>{"HS: V2.05 Kesto", "Read  - "}));
    EXPECT_EQ(form->InternalMicGainUpDown.Position(), 12);
    EXPECT_TRUE(form->MuteSpeakerOnPTTCheckBox.Checked());
    EXPECT_EQ(records::ToWords(records::MapSettingsToHSRecord(*form)), before);
}

TEST_F(DeviceActions, AFailedGatewayRecordReadKeepsTheGatewaySettings) {
    AttachGateway(0xFE02);
    bench.Faults.FailNext(sim::TSimCall::Read, 3, kGatewayKey);
    form->GWFindMeFunctionCheckBox.SetChecked(true);
    form->GWTransmitOutputGainUpDown.SetPosition(-9);
    env.Prompts.Shown.clear();
    form->ReadDeviceButton.UserClick();
    ExpectOnlyError("Fail to read ZENTA Gateway settings.");
    EXPECT_EQ(form->GatewayEdition, 2);
    EXPECT_EQ(form->GWSwVersionLabel.Caption, "GW: V2.05 Ardex");
    EXPECT_TRUE(form->GWFindMeFunctionCheckBox.Checked());
    EXPECT_EQ(form->GWTransmitOutputGainUpDown.Position(), -9);
    EXPECT_EQ(Log().back(), "Read  - ");
}

// The log lists what the library reported, never past the transfer buffer.
struct TLengthCase {
    std::size_t Stored;
    std::optional<std::uint16_t> Reported;
    std::size_t Listed;
};

void PrintTo(const TLengthCase& c, std::ostream* out) {
    *out << "stored" << c.Stored << "reported" << (c.Reported ? static_cast<int>(*c.Reported) : -1);
}

class RecordLengths : public DeviceActions, public ::testing::WithParamInterface<TLengthCase> {};

TEST_P(RecordLengths, TheReadLineListsTheWordsReadAndTheRecordTakesTwentyFive) {
    std::vector<std::uint16_t> record = kDefaultHandset;
    record.resize(GetParam().Stored, 0xEEEE);
    AttachHandset(0xAB02, record);
    if (GetParam().Reported) bench.Faults.MisreportNextRead(*GetParam().Reported, kHandsetKey);
    form->ReadDeviceButton.UserClick();
    const std::string line = Log().back();
    ASSERT_EQ(line.rfind("Read  - ", 0), 0u);
    EXPECT_EQ(line.size(), 8 + 5 * GetParam().Listed);
    const TRecordWords applied = records::ToWords(form->HSRecord);
    for (std::size_t i = 0; i < applied.size(); ++i)
        EXPECT_EQ(applied[i], i < GetParam().Stored ? record[i] : 0) << "word " << i;
    EXPECT_EQ(PromptTexts(), std::vector<std::string>{"Success to read ZENTA Handset settings."});
}

INSTANTIATE_TEST_SUITE_P(Lengths, RecordLengths,
                         ::testing::Values(TLengthCase{25, std::nullopt, 25}, TLengthCase{10, std::nullopt, 10},
                                           TLengthCase{36, std::nullopt, 36}, TLengthCase{40, std::nullopt, 36},
                                           TLengthCase{25, 60, 36}, TLengthCase{25, 0xFFFF, 36}));

TEST_F(DeviceActions, AnUnreadableVersionShowsVersionZeroAndTheReadGoesOn) {
    AttachHandset();
    bench.Unit().RemoveKey(kVersion);
    form->ReadDeviceButton.UserClick();
    EXPECT_EQ(form->HSSwVersionLabel.Caption, "HS: V0.00 Ardex");
    EXPECT_EQ(recorder.KeyTraffic(),
              (std::vector<std::string>{"read 02A9", "read 02AD", "read 02AD", "read 02AD", "read 02AB"}));
    EXPECT_EQ(PromptTexts(), std::vector<std::string>{"Success to read ZENTA Handset settings."});
}

// ---- PROGRAM DEVICE ----

TEST_F(DeviceActions, ProgrammingAHandsetWritesTheRecordAndAsksAboutARestart) {
    AttachHandset(0xAB02, std::vector<std::uint16_t>(25, 0xFFFF));
    form->ProgramDeviceButton.UserClick();
    EXPECT_EQ(recorder.KeyTraffic(), (std::vector<std::string>{"read 02A9", "read 02AD", "write 02AB"}));
    EXPECT_EQ(recorder.Calls[6], "write 02AB store 1 length 25");
    EXPECT_EQ(Stored(kHandsetKey), kDefaultHandset);
    EXPECT_EQ(Log(), (std::vector<std::string>{"HS: V2.05 Ardex",
                                               "Write - A700 0008 0DAC 0005 0000 0006 0009 0006 0009 0005 0000 0000 "
                                               "0000 0001 03E8 1000 3000 1800 0100 0140 0001 00C8 1000 0000 0000 "}));
    EXPECT_EQ(form->HSSwVersionLabel.Caption, "HS: V2.05 Ardex");
    ASSERT_EQ(env.Prompts.Shown.size(), 1u);
    const ui::TPromptWindow& question = env.Prompts.Shown[0];
    EXPECT_EQ(question.Text, "Success writing ZENTA Handset settings.\nReset device?");
    EXPECT_EQ(question.Caption, "NOTE");
    EXPECT_EQ(question.Type, 2);
    ASSERT_EQ(question.Buttons.size(), 2u);
    EXPECT_EQ(question.Buttons[0].Caption, "&Yes");
    EXPECT_EQ(question.Buttons[1].Caption, "&No");
    EXPECT_EQ(question.Focused, 2);
    // Enter pressed the focused No.
    EXPECT_EQ(bench.Counters.Restarts, 0u);
    EXPECT_EQ(recorder.Calls.back(), "close");
}

TEST_F(DeviceActions, AYesRestartsTheUnitOnceBeforeTheConnectionCloses) {
    AttachHandset();
    env.Prompts.Answers.push_back({ui::TPromptAnswer::TKind::Result, 6});
    form->ProgramDeviceButton.UserClick();
    EXPECT_EQ(bench.Counters.Restarts, 1u);
    const std::vector<std::string> tail(recorder.Calls.end() - 3, recorder.Calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"write 02AB store 1 length 25", "restart 0", "close"}));
}

TEST_F(DeviceActions, ClosingTheQuestionIsNoRestart) {
    AttachGateway();
    ShowGatewayPages();
    env.Prompts.Answers.push_back({ui::TPromptAnswer::TKind::Close, 0});
    form->ProgramDeviceButton.UserClick();
    EXPECT_EQ(PromptTexts(), std::vector<std::string>{"Success writing ZENTA Gateway settings.\nReset device?"});
    EXPECT_EQ(bench.Counters.Restarts, 0u);
}

struct TProgramRefusal {
    bool GatewayPages;
    std::uint16_t TypeWord;
    const char* Message;
};

void PrintTo(const TProgramRefusal& c, std::ostream* out) {
    *out << (c.GatewayPages ? "gateway" : "handset") << "Pages_type" << std::hex << c.TypeWord;
}

class ProgramRefusals : public DeviceActions, public ::testing::WithParamInterface<TProgramRefusal> {};

TEST_P(ProgramRefusals, TheUnitMustBeOfThePagesOnShow) {
    const TProgramRefusal c = GetParam();
    Attach(c.TypeWord);
    if (c.GatewayPages) ShowGatewayPages();
    ui::TTabSheet* page = form->MasterPageControl.ActivePage();
    form->ProgramDeviceButton.UserClick();
    ExpectOnlyError(c.Message);
    EXPECT_EQ(recorder.KeyTraffic(), (std::vector<std::string>{"read 02A9", "read 02AD"}));
    EXPECT_EQ(form->MasterPageControl.ActivePage(), page);
    EXPECT_TRUE(Log().empty());
}

const char* const kNotHandset = "The device is not ZENTA Fennic Series Handset.";
const char* const kNotGateway = "The device is not ZENTA Fennic Series Gateway.";

INSTANTIATE_TEST_SUITE_P(
    Types, ProgramRefusals,
    ::testing::Values(TProgramRefusal{false, 0xFE02, kNotHandset}, TProgramRefusal{false, 0xAC02, kNotHandset},
                      TProgramRefusal{false, 0xFD00, kNotHandset}, TProgramRefusal{false, 0x0000, kNotHandset},
                      TProgramRefusal{true, 0xAB02, kNotGateway}, TProgramRefusal{true, 0xFD02, kNotGateway},
                      TProgramRefusal{true, 0x1234, kNotGateway}));

TEST_F(DeviceActions, AnUnreadableUnitTypeWritesNothing) {
    AttachHandset();
    bench.Faults.FailNext(sim::TSimCall::Read, 3, kUnitType);
    form->ProgramDeviceButton.UserClick();
    ExpectOnlyError("Fail to read pskey");
    EXPECT_EQ(recorder.KeyTraffic(), std::vector<std::string>(3, "read 02A9"));
}

TEST_F(DeviceActions, AFailedWriteIsReportedAfterItsLogLineAndThreeAttempts) {
    AttachHandset(0xAB01);
    bench.Faults.FailNext(sim::TSimCall::Write, 3, kHandsetKey);
    form->TransmitTimeUpDown.SetPosition(30);
    form->ProgramDeviceButton.UserClick();
    ExpectOnlyError("Fail to write ZENTA Handset settings.");
    EXPECT_EQ(recorder.KeyTraffic(),
              (std::vector<std::string>{"read 02A9", "read 02AD", "write 02AB", "write 02AB", "write 02AB"}));
    EXPECT_EQ(env.Sleeper.Waits, kAllRetryWaits);
    ASSERT_EQ(Log().size(), 2u);
    EXPECT_EQ(Log()[1].rfind("Write - A700 ", 0), 0u);
    // The Kesto edition of the unit took over, and its changes stay after the failure.
    EXPECT_TRUE(form->butModelKesto.Checked());
    EXPECT_EQ(form->TransmitTimeUpDown.Position(), 0);
    EXPECT_EQ(records::ToWords(form->HSRecord)[11], 0);
}

TEST_F(DeviceActions, AnUnreadableVersionDoesNotStopTheWrite) {
    AttachHandset();
    bench.Faults.FailNext(sim::TSimCall::Read, 3, kVersion);
    form->ProgramDeviceButton.UserClick();
    EXPECT_EQ(form->HSSwVersionLabel.Caption, "HS: V0.00 Ardex");
    EXPECT_EQ(Stored(kHandsetKey), kDefaultHandset);
}

TEST_F(DeviceActions, EveryGatewayWriteSetsTheRadioPTTLine) {
    AttachGateway();
    ShowGatewayPages();
    form->GWRadioPTTIOComboBox.SetItemIndex(0);
    form->RebuildFunctionList(editor::GatewayLines().front());
    form->GWRadioPTTFunctionComboBox.SetItemIndex(1);  // "Radio COR"
    form->GWRadioPTTActiveComboBox.SetItemIndex(1);
    form->GWRadioPTTPulseUpDown.SetPosition(300);
    form->ProgramDeviceButton.UserClick();
    EXPECT_EQ(Stored(kGatewayKey), kDefaultGateway);
    EXPECT_EQ(form->GWRadioPTTIOComboBox.Text(), "Output");
    EXPECT_EQ(form->GWRadioPTTActiveComboBox.Text(), "Low");
    EXPECT_EQ(form->GWRadioPTTFunctionComboBox.Text(), "Radio PTT");
    EXPECT_EQ(form->GWRadioPTTPulseUpDown.Position(), 0);
    EXPECT_EQ(form->MasterPageControl.ActivePage(), &form->CradleTabSheet);
    EXPECT_EQ(recorder.KeyTraffic(), (std::vector<std::string>{"read 02A9", "read 02AD", "write 02AA"}));
}

TEST_F(DeviceActions, AKestoGatewayIsWrittenWithoutMultiMicsAndPublicAddress) {
    AttachGateway(0xFE00);
    ShowGatewayPages();
    form->GWMultiOperationalMicsCheckBox.SetChecked(true);
    form->GWPublicAddressModeCheckBox.SetChecked(true);
    form->ProgramDeviceButton.UserClick();
    EXPECT_EQ(Stored(kGatewayKey)[0], 0x2000);
    EXPECT_FALSE(form->GWMultiOperationalMicsCheckBox.Checked());
    EXPECT_FALSE(form->GWMultiOperationalMicsCheckBox.Enabled);
    EXPECT_FALSE(form->GWPublicAddressModeCheckBox.Checked());
    EXPECT_FALSE(form->GWPublicAddressModeCheckBox.Enabled);
    EXPECT_EQ(form->GatewayEdition, 0);
    EXPECT_EQ(form->GWSwVersionLabel.Caption, "GW: V2.05 Kesto");
    EXPECT_EQ(Log().front(), "GW: V2.05 Kesto");
}

TEST_F(DeviceActions, AReadThenAProgramLeavesTheUnitsRecordAsItWas) {
    std::vector<std::uint16_t> record = kDefaultGateway;
    record[1] = 0xFFF4;   // talk-around gain -12
    record[2] = 0x00F7;   // receive gain -9
    record[11] = 0x8005;  // Function 1: Output, High, Aux 2
    record[12] = 2000;
    record[13] = 0x4002;  // Function 2: Input, High, Remote PTT
    AttachGateway(0xFE02, record);
    form->ReadDeviceButton.UserClick();
    form->ProgramDeviceButton.UserClick();
    EXPECT_EQ(Stored(kGatewayKey), record);
    EXPECT_EQ(recorder.KeyTraffic(), (std::vector<std::string>{"read 02A9", "read 02AD", "read 02AA", "read 02A9",
                                                               "read 02AD", "write 02AA"}));
}

// ---- what each action tells ----

void Handset(sim::TSimBench& bench) {
    bench.AttachUnit(UnitHolding({{kUnitType, {0xAB02}}, {kVersion, {0x0205}}, {kHandsetKey, kDefaultHandset}}));
}
void Gateway(sim::TSimBench& bench) {
    bench.AttachUnit(UnitHolding({{kUnitType, {0xFE02}}, {kVersion, {0x0205}}, {kGatewayKey, kDefaultGateway}}));
}
void Absent(sim::TSimBench& bench) { bench.AttachUnit(sim::TSimUnit()); }
void ForeignChip(sim::TSimBench& bench) {
    Handset(bench);
    bench.Unit().SetChipName("CSR8675");
}
void TypeUnreadable(sim::TSimBench& bench) {
    Handset(bench);
    bench.Faults.FailNext(sim::TSimCall::Read, 3, kUnitType);
}
void Tavin(sim::TSimBench& bench) { bench.AttachUnit(UnitHolding({{kUnitType, {0xAC02}}, {kVersion, {0x0205}}})); }
void Unknown(sim::TSimBench& bench) { bench.AttachUnit(UnitHolding({{kUnitType, {0x0000}}, {kVersion, {0x0205}}})); }
void RecordUnreadable(sim::TSimBench& bench) {
    Handset(bench);
    bench.Faults.FailNext(sim::TSimCall::Read, 3, kHandsetKey);
}
void WriteFails(sim::TSimBench& bench) {
    Handset(bench);
    bench.Faults.FailNext(sim::TSimCall::Write, 3, kHandsetKey);
}

enum class TAction { Read, Program, Restart };

struct TEnding {
    const char* Name;
    void (*Arrange)(sim::TSimBench&);
    TAction Action;  // with the handset pages on show
    app::TDeviceOutcome Outcome;
    app::TRefusal Refusal;
    std::optional<std::uint16_t> UnitType;
    const records::TUnitKind* Kind;
    std::size_t Words;
    int Exit;  // of the command line
};

void PrintTo(const TEnding& c, std::ostream* out) { *out << c.Name; }

class Endings : public DeviceActions, public ::testing::WithParamInterface<TEnding> {
protected:
    app::TDeviceResult Run(TAction action) {
        switch (action) {
        case TAction::Read: return form->ReadDeviceButtonClick();
        case TAction::Program: return form->ProgramDeviceButtonClick();
        case TAction::Restart: return form->RestartButtonClick();
        }
        return {};
    }
};

// The result tells what the prompts told: its message is the text of the last prompt
// the action showed, and the words it moved are the unit's record.
TEST_P(Endings, TheResultTellsHowTheActionEnded) {
    const TEnding c = GetParam();
    c.Arrange(bench);
    const app::TDeviceResult result = Run(c.Action);
    EXPECT_EQ(result.Outcome, c.Outcome);
    EXPECT_EQ(result.Refusal, c.Refusal);
    EXPECT_EQ(result.Unit ? std::optional(result.Unit->Type) : std::nullopt, c.UnitType);
    EXPECT_EQ(result.Kind, c.Kind);
    EXPECT_EQ(result.Words.size(), c.Words);
    if (result.Outcome == app::TDeviceOutcome::Succeeded && c.Kind != nullptr) {
        EXPECT_EQ(result.Words, Stored(c.Kind->RecordKey));
    }
    EXPECT_EQ(result.Message, env.Prompts.Shown.empty() ? "" : env.Prompts.Shown.back().Text);
    EXPECT_EQ(env.Prompts.Shown.empty(), c.Action == TAction::Restart);
    EXPECT_EQ(form->Closed, c.Outcome == app::TDeviceOutcome::ForeignChip);
    EXPECT_EQ(cli::ExitCodeOf(result.Outcome), c.Exit);
}

using app::TDeviceOutcome;
using app::TRefusal;
constexpr const records::TUnitKind* kHandset = &records::kHandsetKind;

INSTANTIATE_TEST_SUITE_P(
    Actions, Endings,
    ::testing::Values(
        TEnding{"ReadAHandset", Handset, TAction::Read, TDeviceOutcome::Succeeded, TRefusal::None, 0xAB00, kHandset, 25,
                0},
        TEnding{"ReadNoUnit", Absent, TAction::Read, TDeviceOutcome::NoUnit, TRefusal::None, {}, nullptr, 0, 4},
        TEnding{"ReadAForeignChip",
                ForeignChip,
                TAction::Read,
                TDeviceOutcome::ForeignChip,
                TRefusal::None,
                {},
                nullptr,
                0,
                5},
        TEnding{
            "ReadNoType", TypeUnreadable, TAction::Read, TDeviceOutcome::ReadFailed, TRefusal::None, {}, nullptr, 0, 6},
        TEnding{"ReadATavin", Tavin, TAction::Read, TDeviceOutcome::Refused, TRefusal::NewerSeries, 0xAC00, nullptr, 0,
                5},
        TEnding{"ReadAnUnknown", Unknown, TAction::Read, TDeviceOutcome::Refused, TRefusal::UnknownUnit, 0x0000,
                nullptr, 0, 5},
        TEnding{"ReadNoRecord", RecordUnreadable, TAction::Read, TDeviceOutcome::ReadFailed, TRefusal::None, 0xAB00,
                kHandset, 0, 6},
        TEnding{"ProgramAHandset", Handset, TAction::Program, TDeviceOutcome::Succeeded, TRefusal::None, 0xAB00,
                kHandset, 25, 0},
        TEnding{"ProgramAGateway", Gateway, TAction::Program, TDeviceOutcome::Refused, TRefusal::OtherKind, 0xFE00,
                nullptr, 0, 5},
        TEnding{"ProgramAFailingWrite", WriteFails, TAction::Program, TDeviceOutcome::WriteFailed, TRefusal::None,
                0xAB00, kHandset, 25, 7},
        TEnding{"Restart", Handset, TAction::Restart, TDeviceOutcome::Succeeded, TRefusal::None, {}, nullptr, 0, 0},
        TEnding{"RestartNoUnit", Absent, TAction::Restart, TDeviceOutcome::NoUnit, TRefusal::None, {}, nullptr, 0, 4}),
    [](const ::testing::TestParamInfo<TEnding>& info) { return std::string(info.param.Name); });

}  // namespace

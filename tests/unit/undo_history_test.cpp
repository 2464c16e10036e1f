// Undo and redo over random walks of user actions. Each case starts the window afresh and
// takes a random run of actions as the window's front ends hand them on: ticks, list
// choices, runs of spin steps, edition buttons, DEFAULTS on either unit, LOAD FILE of
// files saved along the way or of none, READ DEVICE of units of every kind and edition
// with random records; between them PROGRAM DEVICE, SAVE FILE and tab switches, which
// are no steps of their own; and undo and redo. The test keeps its own history of what
// the editor read before each step, read through the controls rather than through the
// editor's own snapshot, and checks that every undo brings back the reading from before
// the step it takes back, every redo the reading it took back from, that neither shows a
// prompt or touches the unit, and that the menu items are greyed exactly when its own
// history is empty. The walk is fixed by its seed (ZENTA_UNDO_SEED replaces it).

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "editor/SettingsTables.h"
#include "link/UnitCodes.h"
#include "tests/support/FormTest.h"

namespace {

constexpr std::uint32_t kDefaultSeed = 20250611;
constexpr int kCases = 40;

// Everything the settings pages show and hold, one control a line.
std::string EditorReading(const app::TMajorForm& form) {
    std::ostringstream out;
    for (const ui::TControl* c : form.Controls()) {
        out << c->Name << (c->Enabled ? "" : " (disabled)");
        if (const std::optional<std::string> value = c->ShownValue()) out << " = " << *value;
        if (const auto* list = dynamic_cast<const ui::TComboBox*>(c)) {
            out << " at " << list->ItemIndex() << " of";
            for (const std::string& item : list->Items()) out << " |" << item;
        }
        if (const auto* spin = dynamic_cast<const ui::TUpDown*>(c)) out << " in " << spin->Min() << ".." << spin->Max();
        out << '\n';
    }
    for (const editor::TGatewayLine& line : editor::GatewayLines())
        out << line.Caption << " remembers " << form.RememberedIOIndex(line) << ", "
            << form.RememberedFunctionIndex(line) << '\n';
    return out.str();
}

// The first line where two readings part, for the failure report.
std::string FirstDifference(const std::string& expected, const std::string& found) {
    std::istringstream a(expected), b(found);
    std::string lineA, lineB;
    while (std::getline(a, lineA)) {
        if (!std::getline(b, lineB)) return "expected " + lineA + ", found nothing";
        if (lineA != lineB) return "expected " + lineA + "\n  found    " + lineB;
    }
    return "found more than expected";
}

class UndoWalk : public testing_support::FormTest {
protected:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool OneIn(int n) { return Below(n) == 0; }
    std::string Path(const std::string& name) const { return (folder / name).string(); }

    template <typename T>
    T* AnyReachable() {
        std::vector<T*> found;
        for (ui::TControl* c : form->Controls())
            if (auto* typed = dynamic_cast<T*>(c); typed && c->Reachable()) found.push_back(typed);
        return found.empty() ? nullptr : found[static_cast<std::size_t>(Below(static_cast<int>(found.size())))];
    }

    // A step of the history as the test sees it: what the editor read before it.
    void Stepped(const std::string& before, const std::string& after, const ui::TUpDown* spin) {
        if (after == before) return;
        redo_.clear();
        const bool goesOn = spin != nullptr && spin == runSpin_ && runEnd_ == before && !undo_.empty();
        if (!goesOn) {
            undo_.push_back(before);
            if (undo_.size() > app::TEditHistory::kSteps) {
                undo_.pop_front();
                historyFull_ = true;
            }
        }
        runSpin_ = spin;
        runEnd_ = spin ? after : std::string();
        ++steps_;
    }

    // One user action, and what it was.
    std::string Act() {
        env.Prompts.Answers.clear();
        const int pick = Below(100);
        if (pick < 16) {
            if (auto* box = AnyReachable<ui::TCheckBox>())
                return Edit(
                    *box, [box] { box->UserClick(); }, "tick ");
        } else if (pick < 32) {
            if (auto* list = AnyReachable<ui::TComboBox>(); list && list->Count() > 0) {
                const int index = Below(list->Count());
                return Edit(
                    *list, [list, index] { list->UserSelect(index); }, "select ");
            }
        } else if (pick < 50) {
            // Now and then more steps of the spin just stepped, which go on with its run.
            ui::TUpDown* spin =
                lastSpin_ && lastSpin_->Reachable() && OneIn(3) ? lastSpin_ : AnyReachable<ui::TUpDown>();
            if (spin) {
                lastSpin_ = spin;
                const bool up = OneIn(2);
                const int clicks = 1 + Below(4);
                for (int i = 0; i < clicks; ++i)
                    Edit(
                        *spin, [spin, up] { spin->UserClick(up); }, "");
                return "spin " + spin->Name + (up ? " up " : " down ") + std::to_string(clicks);
            }
        } else if (pick < 55) {
            ui::TRadioButton& edition = OneIn(2) ? form->butModelArdex : form->butModelKesto;
            return Edit(
                edition, [&edition] { edition.UserClick(); }, "click ");
        } else if (pick < 60) {
            SwitchUnitPage();
            return Step([this] { form->FactoryButtonClick(); },
                        "DEFAULTS on " + form->MasterPageControl.ActivePage()->Name);
        } else if (pick < 67) {
            const std::string file = OneIn(5) ? "missing.wpx" : "saved" + std::to_string(Below(3)) + ".wpx";
            env.Dialogs.Answers.push_back(Path(file));
            return Step([this] { form->LoadFileButtonClick(); }, "LOAD FILE " + file);
        } else if (pick < 75) {
            const std::string unit = PutRandomUnit();
            return Step([this] { form->ReadDeviceButtonClick(); }, "READ DEVICE of " + unit);
        } else if (pick < 79) {
            const std::string file = "saved" + std::to_string(Below(3)) + ".wpx";
            env.Dialogs.Answers.push_back(Path(file));
            form->SaveFileButtonClick();
            return "SAVE FILE " + file;
        } else if (pick < 83) {
            PutRandomUnit();
            env.Prompts.Answers.push_back({ui::TPromptAnswer::TKind::Result, ui::mrNo});
            form->ProgramDeviceButtonClick();
            return "PROGRAM DEVICE";
        } else if (pick < 87) {
            SwitchUnitPage();
            return "tab " + form->MasterPageControl.ActivePage()->Name;
        }
        return "nothing";
    }

    template <typename TAction>
    std::string Step(TAction action, const std::string& what) {
        const std::string before = EditorReading(*form);
        action();
        Stepped(before, EditorReading(*form), nullptr);
        return what;
    }

    template <typename TEdit>
    std::string Edit(ui::TControl& control, TEdit edit, const std::string& what) {
        const std::string before = EditorReading(*form);
        form->UserEdit(control, edit);
        Stepped(before, EditorReading(*form), dynamic_cast<const ui::TUpDown*>(&control));
        return what + control.Name;
    }

    void SwitchUnitPage() {
        form->MasterPageControl.UserSwitch(OneIn(2) ? form->HandsetTabSheet : form->CradleTabSheet);
    }

    std::string PutRandomUnit() {
        const bool gateway = OneIn(2);
        const sim::TEdition edition = OneIn(2) ? sim::TEdition::Ardex : sim::TEdition::Kesto;
        bench.AttachUnit(sim::TSimUnit::Factory(gateway ? sim::TUnitKind::Gateway : sim::TUnitKind::Handset, edition));
        std::string what =
            std::string(edition == sim::TEdition::Kesto ? "a Kesto " : "an Ardex ") + (gateway ? "gateway" : "handset");
        if (OneIn(2)) {
            std::vector<std::uint16_t> words(25);
            for (std::uint16_t& w : words) w = static_cast<std::uint16_t>(Below(0x10000));
            bench.Unit().SetKey(gateway ? devlink::PSKEY_GW_XSETTINGS : devlink::PSKEY_HS_XSETTINGS, words);
            what += " with a random record";
        }
        if (OneIn(8)) {
            bench.Faults.FailNext(sim::TSimCall::Read, 3,
                                  gateway ? devlink::PSKEY_GW_XSETTINGS : devlink::PSKEY_HS_XSETTINGS);
            what += " whose record cannot be read";
        }
        return what;
    }

    // Undo or redo, checked against the test's own history.
    void TakeBack(bool undo, const std::string& context) {
        std::deque<std::string>& from = undo ? undo_ : redo_;
        std::deque<std::string>& to = undo ? redo_ : undo_;
        ASSERT_EQ(undo ? form->History.CanUndo() : form->History.CanRedo(), !from.empty())
            << context << ": the " << (undo ? "Undo" : "Redo") << " item's greying";
        if (from.empty()) return;
        const std::size_t prompts = env.Prompts.Shown.size();
        const std::size_t messages = env.Messages.Shown.size();
        const std::size_t calls = recorder.Calls.size();
        to.push_back(EditorReading(*form));
        if (undo)
            form->UndoMenuItemClick();
        else
            form->RedoMenuItemClick();
        const std::string expected = from.back();
        from.pop_back();
        runSpin_ = nullptr;
        const std::string found = EditorReading(*form);
        ASSERT_TRUE(found == expected) << context << ": " << (undo ? "undo" : "redo") << "\n  "
                                       << FirstDifference(expected, found);
        ASSERT_EQ(env.Prompts.Shown.size(), prompts) << context << ": a prompt on the way";
        ASSERT_EQ(env.Messages.Shown.size(), messages) << context << ": a message on the way";
        ASSERT_EQ(recorder.Calls.size(), calls) << context << ": the unit was touched";
        ++takenBack_;
    }

    std::mt19937 random_;
    std::deque<std::string> undo_;
    std::deque<std::string> redo_;
    const ui::TUpDown* runSpin_ = nullptr;
    std::string runEnd_;
    ui::TUpDown* lastSpin_ = nullptr;
    bool historyFull_ = false;
    int steps_ = 0;
    int takenBack_ = 0;
};

std::uint32_t UndoSeed() {
    const char* given = std::getenv("ZENTA_UNDO_SEED");
    return given != nullptr ? static_cast<std::uint32_t>(std::strtoul(given, nullptr, 0)) : kDefaultSeed;
}

TEST_F(UndoWalk, EveryUndoAndRedoBringsBackTheWholeEditor) {
    const std::uint32_t seed = UndoSeed();
    random_.seed(seed);
    int actions = 0;
    for (int n = 1; n <= kCases; ++n) {
        Start();
        undo_.clear();
        redo_.clear();
        runSpin_ = nullptr;
        lastSpin_ = nullptr;
        // Some cases run long with few undos, past the history's length.
        const int length = OneIn(4) ? 150 + Below(100) : 10 + Below(60);
        const int takeBackPercent = OneIn(4) ? 5 : 15 + Below(30);
        std::vector<std::string> done;
        for (int i = 0; i < length; ++i, ++actions) {
            const std::string context = "seed " + std::to_string(seed) + " (ZENTA_UNDO_SEED), case " +
                                        std::to_string(n) + ", action " + std::to_string(i + 1);
            if (Below(100) < takeBackPercent) {
                const bool undo = !OneIn(3);
                done.push_back(undo ? "undo" : "redo");
                TakeBack(undo, context);
            } else {
                done.push_back(Act());
            }
            if (HasFatalFailure()) {
                std::string trail;
                for (const std::string& d : done) trail += "\n  " + d;
                FAIL() << "the actions of the case:" << trail;
            }
        }
        // Everything taken back to the oldest step kept.
        while (!undo_.empty()) {
            TakeBack(true, "case " + std::to_string(n) + ", undoing all");
            if (HasFatalFailure()) return;
        }
        TakeBack(true, "case " + std::to_string(n) + ", nothing left to undo");
    }
    std::cout << "undo walk: seed " << seed << ", " << kCases << " cases, " << actions << " actions, " << steps_
              << " steps recorded, " << takenBack_ << " undone or redone\n";
    // The oldest steps went once the history was full, and undo stopped where they went.
    EXPECT_TRUE(historyFull_);
}

}  // namespace

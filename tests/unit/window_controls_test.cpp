// The main window's controls as a renderer sees them: each one named, every name used
// once, each one placed inside the window or inside its parent, clear of its neighbours,
// and each one named for a screen reader by what a sighted user reads on it or beside it.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/AccessibleNames.h"
#include "tests/support/StartedForm.h"
#include "ui/Buttons.h"
#include "ui/ComboBox.h"
#include "ui/Pages.h"
#include "ui/Text.h"
#include "ui/UpDown.h"

namespace {

struct WindowControls : ::testing::Test {
    testing_support::TStartedForm program{"C:\\ZENTA\\ZENTAUserProgrammer.exe", testing_support::TStartStage::Made};
    app::TMajorForm& form = program.Form;
};

TEST_F(WindowControls, EveryControlHasANameOfItsOwn) {
    std::set<std::string> names;
    for (const ui::TControl* control : form.AllControls()) {
        EXPECT_FALSE(control->Name.empty());
        EXPECT_TRUE(names.insert(control->Name).second) << control->Name << " is used twice";
        EXPECT_EQ(form.FindControl(control->Name), control);
    }
}

TEST_F(WindowControls, EveryControlLiesInsideItsParent) {
    const std::vector<ui::TControl*> controls = form.AllControls();
    std::vector<const ui::TControl*> all(controls.begin(), controls.end());
    for (const auto& caption : form.Captions()) all.push_back(caption.get());
    for (const ui::TControl* c : all) {
        const int width = c->Parent ? c->Parent->Bounds.Width : form.ClientWidth;
        const int height = c->Parent ? c->Parent->Bounds.Height : form.ClientHeight;
        const std::string what = c->Name.empty() ? "a caption" : c->Name;
        EXPECT_GE(c->Bounds.Left, 0) << what;
        EXPECT_GE(c->Bounds.Top, 0) << what;
        EXPECT_LE(c->Bounds.Left + c->Bounds.Width, width) << what;
        EXPECT_LE(c->Bounds.Top + c->Bounds.Height, height) << what;
    }
}

// Controls on one page or in one frame that overlap would hide each other: a setting
// placed on another's row, say. The tab sheets of a page control share their place, shown
// one at a time; the window's own controls are left out, as the developer view's memo
// lies over the picture.
TEST_F(WindowControls, ControlsInOneParentDoNotOverlap) {
    std::vector<const ui::TControl*> all;
    for (const ui::TControl* c : form.AllControls())
        if (c->Parent && !dynamic_cast<const ui::TTabSheet*>(c)) all.push_back(c);
    for (const auto& caption : form.Captions()) all.push_back(caption.get());
    const auto name = [](const ui::TControl& c) {
        const auto* label = dynamic_cast<const ui::TLabel*>(&c);
        return c.Name.empty() && label ? "\"" + label->Caption + "\"" : c.Name;
    };
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j) {
            const ui::TControl& a = *all[i];
            const ui::TControl& b = *all[j];
            if (a.Parent != b.Parent) continue;
            const bool apart =
                a.Bounds.Left + a.Bounds.Width <= b.Bounds.Left || b.Bounds.Left + b.Bounds.Width <= a.Bounds.Left ||
                a.Bounds.Top + a.Bounds.Height <= b.Bounds.Top || b.Bounds.Top + b.Bounds.Height <= a.Bounds.Top;
            EXPECT_TRUE(apart) << name(a) << " at " << a.Bounds.Left << "," << a.Bounds.Top << " and " << name(b)
                               << " at " << b.Bounds.Left << "," << b.Bounds.Top;
        }
}

// The tab set whose pages Ctrl+Tab switches: the innermost one a control is or stands in.
TEST_F(WindowControls, TheKeyboardSwitchesTheInnermostTabSet) {
    const std::pair<const char*, const char*> cases[] = {{"MuteSpeakerOnPTTCheckBox", "HandsetPageControl"},
                                                         {"AccPTTPressAndHoldComboBox", "HandsetPageControl"},
                                                         {"HandsetPageControl", "HandsetPageControl"},
                                                         {"HandsetTabSheet", "MasterPageControl"},
                                                         {"GWRadioCORPulseStaticText", "CradlePageControl"},
                                                         {"MasterPageControl", "MasterPageControl"},
                                                         {"LoadFileButton", ""},
                                                         {"butModelKesto", ""}};
    for (const auto& [control, tabs] : cases) {
        const ui::TPageControl* holding = ui::TabSetHolding(*form.FindControl(control));
        EXPECT_EQ(holding ? holding->Name : "", tabs) << control;
    }
}

// A control that shows no caption of its own is named after the one beside it; no two
// settings share a name, but a spin and its box are one setting. The others carry their
// own caption, which a label may leave empty until it has something to show.
TEST_F(WindowControls, EveryControlIsNamedForAScreenReader) {
    std::map<std::string, std::set<std::string>> settingsNamed;
    for (const ui::TControl* c : form.AllControls()) {
        const std::string name = app::AccessibleName(form, *c);
        const bool showsNoCaption = dynamic_cast<const ui::TComboBox*>(c) || dynamic_cast<const ui::TUpDown*>(c) ||
                                    dynamic_cast<const ui::TStaticText*>(c) ||
                                    dynamic_cast<const ui::TPageControl*>(c) || dynamic_cast<const ui::TImage*>(c) ||
                                    dynamic_cast<const ui::TMemo*>(c);
        EXPECT_EQ(name.empty(), !showsNoCaption) << c->Name << " is named \"" << name << "\"";
        if (name.empty()) continue;
        EXPECT_EQ(name.find("  "), std::string::npos) << c->Name;
        EXPECT_NE(name.front(), ' ') << c->Name;
        EXPECT_NE(name.back(), ' ') << c->Name;
        std::string_view setting = c->Name;
        for (const std::string_view kind : {"UpDown", "StaticText"})
            if (setting.ends_with(kind)) setting.remove_suffix(kind.size());
        settingsNamed[name].insert(std::string(setting));
    }
    for (const auto& [name, settings] : settingsNamed)
        EXPECT_EQ(settings.size(), 1u) << "\"" << name << "\" names " << settings.size() << " settings";

    const std::pair<const char*, const char*> cases[] = {{"InternalMicGainUpDown", "Internal Mic Gain"},
                                                         {"InternalMicGainStaticText", "Internal Mic Gain"},
                                                         {"GWVOXTriggerLevelUpDown", "VOX Trigger Level"},
                                                         {"HirosePin2FunctionComboBox", "Hirose Pin 2 Function"},
                                                         {"Top1ShortPressComboBox", "Top 1 Short Press"},
                                                         {"GWRadioCORIOComboBox", "Radio COR I/O"},
                                                         {"GWRadioFunction3PulseStaticText", "Function 3 Pulse (ms)"},
                                                         {"MasterPageControl", "Handset"},
                                                         {"CradlePageControl", "Audio Levels"},
                                                         {"MainImage", "ZENTA product picture"},
                                                         {"InfoMemo", "Activity log"}};
    for (const auto& [control, name] : cases) EXPECT_EQ(app::AccessibleName(form, *form.FindControl(control)), name);
    form.CradlePageControl.UserSwitch(form.GWHardwareTabSheet);
    EXPECT_EQ(app::AccessibleName(form, form.CradlePageControl), "Hardware");
}

}  // namespace

// What a screen reader learns of the program's controls, the main window's and a dialog's:
// each control's client object got as screen readers get it, through
// AccessibleObjectFromWindow, and asked for its name.

#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/AccessibleNames.h"
#include "tests/win32/DriverCommands.h"
#include "tests/win32/DriverWindows.h"
#include "ui/Pages.h"
#include "ui/win32/WideText.h"

namespace windriver {
namespace {

// COM for this run of the driver, in which screen readers ask the program.
struct TCom {
    TCom() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~TCom() { CoUninitialize(); }
    TCom(const TCom&) = delete;
    TCom& operator=(const TCom&) = delete;
};

// Empty when the control's object cannot be had or gives no name. Blanks are no name, nor
// is one that holds a control character other than a line feed (a two-line button's
// caption holds one): no reader could speak it.
std::string AccessibleNameOf(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object))) ||
        object == nullptr)
        return {};
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT result = object->get_accName(self, &name);
    object->Release();
    std::string text;
    if (result == S_OK && name != nullptr) text = ui::win32::Utf8OfWide(std::wstring_view(name, SysStringLen(name)));
    SysFreeString(name);
    const bool speakable =
        std::none_of(text.begin(), text.end(), [](char c) { return c != '\n' && c >= 0 && c < ' '; });
    return speakable && text.find_first_not_of(" \n") != std::string::npos ? text : std::string();
}

// A control by its name in the control model, or, for the grids' headings, which have
// none, by its class and text.
std::string Described(HWND window) {
    const std::string name = NameOf(window);
    return name.empty() ? ClassOf(window) + " \"" + WindowText(window) + "\"" : name;
}

// The name a sighted user reads on the control or beside it: the one the window's model
// gives a control that shows no caption of its own, a tab set's selected tab, or else the
// control's own text without its mnemonic's mark.
std::string NameASightedUserReads(HWND window) {
    // The tab set's own items are not to be read from another process: its pages' captions
    // are the model's.
    if (const auto* tabs = dynamic_cast<const ui::TPageControl*>(ModelOf(window))) {
        const auto selected = static_cast<std::size_t>(SendMessageW(window, TCM_GETCURSEL, 0, 0));
        return selected < tabs->Pages().size() ? tabs->Pages()[selected]->Caption : std::string();
    }
    if (const ui::TControl* model = ModelOf(window))
        if (std::string name = app::AccessibleName(Model(), *model); !name.empty()) return name;
    std::string text = WindowText(window);
    if (const auto mark = text.find('&'); mark != std::string::npos) text.erase(mark, 1);
    return text;
}

// In a dialog: the line just before a list, which says what it lists; a list's row of
// headings what they say; or else the control's own text without its mnemonic's mark.
std::string NameReadInDialog(HWND window) {
    if (ClassOf(window) == "SysListView32") return WindowText(GetWindow(window, GW_HWNDPREV));
    if (ClassOf(window) == "SysHeader32") {
        std::string headings;
        for (const std::string& heading : ColumnHeadings(GetParent(window))) {
            if (!headings.empty()) headings += ", ";
            headings += heading;
        }
        return headings;
    }
    std::string text = WindowText(window);
    if (const auto mark = text.find('&'); mark != std::string::npos) text.erase(mark, 1);
    return text;
}

// Asks the name of each window on show among `windows`, prints it, and notes where it is
// missing or is not what `read` says a sighted user reads.
struct TNameCheck {
    int Asked = 0;
    std::vector<std::string> Unnamed;
    std::vector<std::string> Misnamed;

    template <typename TRead, typename TDescribe>
    void Ask(const std::vector<HWND>& windows, const std::string& where, TRead read, TDescribe describe) {
        for (HWND window : windows) {
            if (!IsWindowVisible(window)) continue;
            ++Asked;
            const std::string name = AccessibleNameOf(window);
            const std::string expected = read(window);
            std::printf("  %-40s %s\n", describe(window).c_str(),
                        name.empty() ? "(none)" : ("\"" + name + "\"").c_str());
            if (name.empty())
                Unnamed.push_back(where + describe(window));
            else if (name != expected)
                Misnamed.push_back(where + describe(window) + " is \"" + name + "\", not \"" + expected + "\"");
        }
    }
    // Fails with every control that lacks its name.
    int Verdict() const {
        if (Unnamed.empty() && Misnamed.empty()) return 0;
        std::string list;
        for (const std::string& u : Unnamed) list += "\n  " + u;
        for (const std::string& m : Misnamed) list += "\n  " + m;
        throw TFailure{"controls without their name for a screen reader:" + list};
    }
};

struct TPage {
    const char* Outer;  // the page of MasterPageControl
    int OuterIndex;
    const char* Inner;  // the tab set on it
    int InnerIndex;
};

}  // namespace

int PrintAccessibleName(const std::string& name) {
    TCom com;
    const std::string found = AccessibleNameOf(Control(name));
    if (found.empty()) throw TFailure{name + " has no name for a screen reader"};
    std::puts(found.c_str());
    return 0;
}

int NameWalk() {
    TCom com;
    const TPage pages[] = {{"Handset", 0, "HandsetPageControl", 0}, {"Handset", 0, "HandsetPageControl", 1},
                           {"Handset", 0, "HandsetPageControl", 2}, {"Handset", 0, "HandsetPageControl", 3},
                           {"Gateway", 1, "CradlePageControl", 0},  {"Gateway", 1, "CradlePageControl", 1}};
    // Each tab set is left on the page it had.
    const char* tabSets[] = {"HandsetPageControl", "CradlePageControl", "MasterPageControl"};
    std::vector<int> had;
    for (const char* tabs : tabSets) had.push_back(static_cast<int>(SendMessageW(Control(tabs), TCM_GETCURSEL, 0, 0)));
    TNameCheck check;
    for (const TPage& page : pages) {
        SwitchPage("MasterPageControl", page.OuterIndex);
        SwitchPage(page.Inner, page.InnerIndex);
        WaitIdle();
        std::printf("%s, page %d of %s:\n", page.Outer, page.InnerIndex, page.Inner);
        check.Ask(Descendants(MainWindow()),
                  std::string(page.Outer) + ", " + page.Inner + " " + std::to_string(page.InnerIndex) + ": ",
                  NameASightedUserReads, Described);
    }
    for (std::size_t i = 0; i < std::size(tabSets); ++i) SwitchPage(tabSets[i], had[i]);
    std::printf(
        "%d controls on show asked on %zu pages, %zu without a name, %zu named otherwise than a sighted "
        "user reads them\n",
        check.Asked, std::size(pages), check.Unnamed.size(), check.Misnamed.size());
    return check.Verdict();
}

int DialogNameWalk(const std::string& caption) {
    TCom com;
    TNameCheck check;
    check.Ask(Descendants(OpenDialog(caption)), caption + ": ", NameReadInDialog,
              [](HWND window) { return ClassOf(window) + " \"" + WindowText(window) + "\""; });
    std::printf("%d controls on show asked, %zu without a name, %zu named otherwise than a sighted user reads them\n",
                check.Asked, check.Unnamed.size(), check.Misnamed.size());
    return check.Verdict();
}

}  // namespace windriver

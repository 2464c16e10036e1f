#pragma once
// The dialog TCompareForm of the system menu's "Compare with &File...": every setting the
// editor holds otherwise than the chosen settings file would give it, one row each with
// its page, its caption, the value now and the value in the file, both as the window shows
// them; the edition first, then the unit on show. A line above the rows says how many
// there are, or that the editor holds what the file gives. "Load This File" closes the
// dialog and asks for LOAD FILE of that file; "Close", Escape and the close button close
// it and change nothing.

#include <array>
#include <string>
#include <vector>

#include "files/ShownSettings.h"
#include "ui/Buttons.h"
#include "ui/Text.h"

namespace app {

struct TCompareRow {
    std::string Page;
    std::string Setting;
    std::string Now;
    std::string InFile;
    bool operator==(const TCompareRow&) const = default;
};

inline constexpr std::array<const char*, 4> kCompareColumns = {"Page", "Setting", "Now", "In the file"};

class TCompareForm {
public:
    // `path` names the file compared with; A of each difference is the editor now, B the
    // file.
    TCompareForm(const std::string& path, const std::vector<files::TDifference>& differences);
    TCompareForm(const TCompareForm&) = delete;
    TCompareForm& operator=(const TCompareForm&) = delete;

    void LoadThisFileButtonClick();
    void CloseButtonClick();

    // Whether a button has closed the dialog, and whether it was "Load This File".
    bool Closed() const { return closed_; }
    bool LoadChosen() const { return loadChosen_; }
    const std::vector<TCompareRow>& Rows() const { return rows_; }

    std::string Caption;  // "Compare with NAME"
    // What the rows are; a screen reader names the rows' list after it.
    ui::TLabel SummaryLabel{"SummaryLabel"};
    ui::TButton LoadThisFileButton{"LoadThisFileButton"};
    ui::TButton CloseButton{"CloseButton"};

private:
    std::vector<TCompareRow> rows_;
    bool closed_ = false;
    bool loadChosen_ = false;
};

// Shows the dialog modally until a button closes it; the window's close button and
// Escape are its Close.
class ICompareWindow {
public:
    virtual ~ICompareWindow() = default;
    virtual void ShowModal(TCompareForm& form) = 0;
};

}  // namespace app

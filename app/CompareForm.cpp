#include "app/CompareForm.h"

#include "ui/LocalFiles.h"

namespace app {
namespace {

// A list with no item selected shows nothing, which a row would not tell from a lost cell.
std::string Shown(const std::string& value) { return value.empty() ? "(none)" : value; }

std::string Summary(std::size_t differing) {
    if (differing == 0) return "The editor holds what the file gives: no setting differs.";
    if (differing == 1) return "1 setting in the editor differs from what the file gives:";
    return std::to_string(differing) + " settings in the editor differ from what the file gives:";
}

}  // namespace

TCompareForm::TCompareForm(const std::string& path, const std::vector<files::TDifference>& differences)
    : Caption("Compare with " + ui::Utf8OfPath(ui::PathOfUtf8(path).filename())) {
    SummaryLabel.Caption = Summary(differences.size());
    LoadThisFileButton.Caption = "Load This File";
    CloseButton.Caption = "Close";
    for (const files::TDifference& d : differences)
        rows_.push_back({d.A.Page, d.A.Caption, Shown(d.A.Value), Shown(d.B.Value)});
    LoadThisFileButton.OnClick = [this] { LoadThisFileButtonClick(); };
    CloseButton.OnClick = [this] { CloseButtonClick(); };
}

void TCompareForm::LoadThisFileButtonClick() {
    loadChosen_ = true;
    closed_ = true;
}

void TCompareForm::CloseButtonClick() { closed_ = true; }

}  // namespace app

#include "app/win32/CreationOrder.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "ui/win32/NativeControl.h"

namespace app::win32 {

using ui::TControl;
using ui::win32::NativeKindOf;
using ui::win32::TNativeKind;

namespace {

constexpr std::size_t kForm = static_cast<std::size_t>(-1);  // the main window as a parent

// Where a control's window goes: how many native windows lie above it, the control whose
// window is its parent, and its place there. A page takes its tab set's place.
struct TNativePlace {
    int Depth = 0;
    const TControl* Parent = nullptr;
    int Top = 0;
    int Left = 0;
    int Height = 0;
    bool Frame = false;
    bool AfterTabSet = false;
    int Row = 0;
};

TNativePlace NativePlaceOf(const TControl& control) {
    TNativePlace place{.Top = control.Bounds.Top,
                       .Left = control.Bounds.Left,
                       .Height = control.Bounds.Height,
                       .Frame = NativeKindOf(control) == TNativeKind::GroupBox};
    bool inParentWindow = true;
    for (const TControl* p = control.Parent; p; p = p->Parent) {
        if (inParentWindow && !PassesChildrenOn(*p)) {
            place.Parent = p;
            inParentWindow = false;
        }
        if (!inParentWindow) {
            ++place.Depth;
        } else if (NativeKindOf(*p) == TNativeKind::TabSet) {
            place.Top = p->Bounds.Top;
            place.Left = p->Bounds.Left;
            place.AfterTabSet = true;
        } else {
            place.Top += p->Bounds.Top;
            place.Left += p->Bounds.Left;
        }
    }
    return place;
}

// A row: the controls whose tops lie above the middle of its first one, so that a tick
// box and a spin's box a few pixels lower stand in one row. `order` is sorted by parent
// and top.
void NumberRows(std::vector<TNativePlace>& places, const std::vector<std::size_t>& order) {
    const TNativePlace* first = nullptr;
    int row = 0;
    for (std::size_t i : order) {
        TNativePlace& p = places[i];
        if (p.Frame) continue;
        const bool sameParent = first && first->Depth == p.Depth && first->Parent == p.Parent;
        if (!sameParent || p.Top >= first->Top + first->Height / 2) {
            first = &p;
            ++row;
        }
        p.Row = row;
    }
}

}  // namespace

bool PassesChildrenOn(const TControl& control) {
    const TNativeKind kind = NativeKindOf(control);
    return kind == TNativeKind::GroupBox || kind == TNativeKind::TabSet;
}

std::vector<std::size_t> CreationOrder(const std::vector<TControl*>& controls) {
    std::vector<TNativePlace> places;
    std::map<const TControl*, std::size_t> indexOf;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        places.push_back(NativePlaceOf(*controls[i]));
        indexOf[controls[i]] = i;
    }
    const auto parentIndex = [&](const TNativePlace& p) { return p.Parent ? indexOf.at(p.Parent) : kForm; };
    std::vector<std::size_t> order(controls.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    const auto sortBy = [&](auto key) {
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return key(a) < key(b); });
    };
    sortBy([&](std::size_t i) {
        const TNativePlace& p = places[i];
        return std::tuple(p.Depth, parentIndex(p), !p.Frame, p.Top, p.Left, p.AfterTabSet);
    });
    NumberRows(places, order);
    sortBy([&](std::size_t i) {
        const TNativePlace& p = places[i];
        return std::tuple(p.Depth, parentIndex(p), !p.Frame, p.Row, p.Left, p.AfterTabSet, p.Top);
    });
    return order;
}

}  // namespace app::win32

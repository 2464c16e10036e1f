#pragma once
// Which native window each control's window is made in, and the order the windows are
// made in: among the windows of one parent that order is the Tab order.

#include <cstddef>
#include <vector>

#include "ui/Control.h"

namespace app::win32 {

// Frames and tab sets hold no native windows: what stands in a frame, and the pages of a
// tab set, are made in the frame's or the tab set's own parent window. Pages beside their
// tab set rather than in it are what lets Tab go from the tab set into its page.
bool PassesChildrenOn(const ui::TControl& control);

// The indices of `controls` in the order their windows are made: parents before their
// children; within one parent window row by row, left to right in each row, each tab
// set's pages right after it, frames before everything they hold.
std::vector<std::size_t> CreationOrder(const std::vector<ui::TControl*>& controls);

}  // namespace app::win32

#pragma once
// A tab set's pages are windows beside it, not in it: the dialog manager takes Tab from a
// control into the controls after it among its siblings, never into a control's own
// children unless that control gives up its own place in the Tab order. The pages lie
// over the tab set's display area; the tab set's window region leaves that area to them,
// so that the tab set never paints over a page.

#include <windows.h>

#include <vector>

namespace ui::win32 {

// Cuts the places of `pages`, as they stand now, out of the tab set's window region. Run
// again whenever the tab set or its pages move or change size.
void LeaveAreaToPages(HWND tabSet, const std::vector<HWND>& pages);

}  // namespace ui::win32

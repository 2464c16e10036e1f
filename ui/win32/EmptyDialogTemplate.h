#pragma once
// The template of a dialog whose window procedure makes its controls itself: the header,
// then zero words for no menu, the standard dialog class and no title; no controls.

#include <windows.h>

namespace ui::win32 {

struct alignas(DWORD) TEmptyDialogTemplate {
    explicit TEmptyDialogTemplate(DWORD style) { Header()->style = style; }
    WORD Words[(sizeof(DLGTEMPLATE) + 1) / 2 + 3] = {};
    DLGTEMPLATE* Header() { return reinterpret_cast<DLGTEMPLATE*>(Words); }
};

}  // namespace ui::win32

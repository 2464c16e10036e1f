#pragma once
// One control of the model and the native window that draws it, with what that window was
// last given, so that bringing it in line with the model touches only what changed.

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui::win32 {

// The window class of tab pages, registered by the renderer.
inline constexpr const char* kPageClass = "ZentaPage";

enum class TNativeKind {
    Button,
    CheckBox,
    RadioButton,
    ComboBox,
    UpDown,
    ValueBox,
    Label,
    GroupBox,
    Memo,
    Picture,
    TabSet,
    Page
};

// The native kind of a model control; throws for a kind no native control stands for.
TNativeKind NativeKindOf(const TControl& control);

// The fonts of the window at one DPI: the form's own, the big bold one of the push
// buttons, and the fixed-pitch one of the log.
struct TFonts {
    explicit TFonts(int dpi);
    ~TFonts();
    TFonts(const TFonts&) = delete;
    TFonts& operator=(const TFonts&) = delete;
    HFONT Form;
    HFONT Button;
    HFONT Log;
};

struct TNativeControl {
    TControl* Model = nullptr;
    TNativeKind Kind = TNativeKind::Label;
    HWND Handle = nullptr;

    // As last given to the native window.
    bool Visible = false;
    bool Enabled = true;
    bool MultiLine = false;
    std::string Text;
    std::vector<std::string> Items;
    std::size_t Lines = 0;

    // Where the native window stands in its parent at 96 DPI: the model's place moved by
    // the frames the control stands in.
    POINT Origin{};

    // Creates the native window inside `parent`, hidden and not yet laid out; `owner`
    // reaches the window procedure of pages.
    void Create(HWND parent, POINT origin, int id, void* owner);
    // Places and sizes the native window at `dpi` and gives it the fonts made for that DPI
    // and, for the picture, the picture drawn at it.
    void Lay(int dpi, const TFonts& fonts, HBITMAP picture);
    // Brings the native window in line with the model. `shown` and `enabled` are the
    // model's own flags together with what the native window does not inherit: the page's
    // being the active one of its tab set, and the state of the frames it stands in.
    void Sync(bool shown, bool enabled);
};

}  // namespace ui::win32

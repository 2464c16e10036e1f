#include "app/win32/ProductPicture.h"

#include <array>

#include "ui/win32/Dpi.h"

namespace app::win32 {
namespace {

constexpr COLORREF kNavy = RGB(0x1F, 0x3A, 0x5F);
constexpr COLORREF kSlate = RGB(0x4A, 0x5A, 0x70);
constexpr COLORREF kOrange = RGB(0xF2, 0x8C, 0x28);
constexpr COLORREF kBody = RGB(0x2B, 0x2F, 0x36);
constexpr COLORREF kBodyEdge = RGB(0x12, 0x14, 0x18);
constexpr COLORREF kBodyLight = RGB(0x48, 0x4F, 0x5A);
constexpr COLORREF kGrille = RGB(0x62, 0x6A, 0x76);
constexpr COLORREF kGreen = RGB(0x3C, 0xD0, 0x70);

// Selects a pen and a brush for as long as it lives.
class TPaint {
public:
    TPaint(HDC dc, COLORREF fill, COLORREF edge, int edgeWidth = 1)
        : dc_(dc), pen_(CreatePen(PS_SOLID, edgeWidth, edge)), brush_(CreateSolidBrush(fill)) {
        oldPen_ = SelectObject(dc, pen_);
        oldBrush_ = SelectObject(dc, brush_);
    }
    ~TPaint() {
        SelectObject(dc_, oldPen_);
        SelectObject(dc_, oldBrush_);
        DeleteObject(pen_);
        DeleteObject(brush_);
    }
    TPaint(const TPaint&) = delete;
    TPaint& operator=(const TPaint&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HBRUSH brush_;
    HGDIOBJ oldPen_;
    HGDIOBJ oldBrush_;
};

COLORREF Blend(COLORREF from, COLORREF to, int step, int steps) {
    auto mix = [&](int a, int b) { return static_cast<BYTE>(a + (b - a) * step / steps); };
    return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
               mix(GetBValue(from), GetBValue(to)));
}

void Background(HDC dc, int width, int height) {
    for (int y = 0; y < height; ++y) {
        HBRUSH row = CreateSolidBrush(Blend(RGB(0xFA, 0xFC, 0xFE), RGB(0xD9, 0xE2, 0xEC), y, height));
        RECT line{0, y, width, y + 1};
        FillRect(dc, &line, row);
        DeleteObject(row);
    }
    TPaint band(dc, kNavy, kNavy);
    Rectangle(dc, 0, height - 8, width, height);
    TPaint accent(dc, kOrange, kOrange);
    Rectangle(dc, 0, height - 10, width, height - 8);
}

void Text(HDC dc, int x, int y, int size, int weight, COLORREF colour, const char* face, const char* text) {
    HFONT font = CreateFontA(-size, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, x, y, text, lstrlenA(text));
    SelectObject(dc, old);
    DeleteObject(font);
}

void Title(HDC dc) {
    Text(dc, 26, 30, 58, FW_HEAVY, kNavy, "Arial", "ZENTA");
    Text(dc, 30, 96, 22, FW_BOLD, kSlate, "Arial", "User Programmer");
    Text(dc, 31, 128, 13, FW_NORMAL, kSlate, "Arial", "Wireless handset and radio gateway");
}

// Radio waves from the handset's antenna towards the gateway.
void Waves(HDC dc, int x, int y) {
    HPEN pen = CreatePen(PS_SOLID, 3, kOrange);
    HGDIOBJ old = SelectObject(dc, pen);
    for (int r : {14, 26, 38}) Arc(dc, x - r, y - r, x + r, y + r, x + r, y + r / 2, x + r / 3, y - r);
    SelectObject(dc, old);
    DeleteObject(pen);
}

void Handset(HDC dc, int left, int top) {
    const int width = 70, height = 146;
    {
        TPaint antenna(dc, kBodyEdge, kBodyEdge);
        RoundRect(dc, left + 46, top - 14, left + 58, top + 10, 6, 6);
    }
    {
        TPaint side(dc, kOrange, RGB(0xB8, 0x62, 0x12));
        RoundRect(dc, left - 7, top + 46, left + 4, top + 92, 6, 6);  // the PTT key on the side
    }
    {
        TPaint body(dc, kBody, kBodyEdge, 2);
        RoundRect(dc, left, top, left + width, top + height, 26, 26);
    }
    {
        TPaint face(dc, kBodyLight, kBodyLight);
        RoundRect(dc, left + 9, top + 12, left + width - 9, top + 80, 16, 16);
    }
    {
        TPaint hole(dc, kBody, kBody);
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column < 5; ++column) {
                const int x = left + 17 + column * 9 + (row % 2 ? 4 : 0);
                const int y = top + 20 + row * 9;
                if (x < left + width - 14) Ellipse(dc, x, y, x + 5, y + 5);
            }
    }
    {
        TPaint key(dc, kOrange, RGB(0xB8, 0x62, 0x12));
        RoundRect(dc, left + 14, top + 92, left + width - 14, top + 112, 10, 10);  // the emergency key
    }
    {
        TPaint keys(dc, kBodyLight, kBodyEdge);
        RoundRect(dc, left + 14, top + 118, left + 32, top + 130, 6, 6);
        RoundRect(dc, left + width - 32, top + 118, left + width - 14, top + 130, 6, 6);
    }
    {
        TPaint led(dc, kGreen, RGB(0x1E, 0x80, 0x40));
        Ellipse(dc, left + 31, top + 3, left + 39, top + 10);
    }
}

void Gateway(HDC dc, int left, int top, int pictureWidth) {
    const int width = 150, height = 62;
    {
        // The cable to the two-way radio.
        HPEN cable = CreatePen(PS_SOLID, 5, kBodyEdge);
        HGDIOBJ old = SelectObject(dc, cable);
        const std::array<POINT, 4> path{{{left + width - 4, top + 40},
                                         {left + width + 30, top + 44},
                                         {pictureWidth - 40, top + 4},
                                         {pictureWidth, top + 2}}};
        PolyBezier(dc, path.data(), static_cast<DWORD>(path.size()));
        SelectObject(dc, old);
        DeleteObject(cable);
    }
    {
        TPaint body(dc, kBody, kBodyEdge, 2);
        RoundRect(dc, left, top, left + width, top + height, 14, 14);
    }
    {
        TPaint topFace(dc, kBodyLight, kBodyLight);
        RoundRect(dc, left + 6, top + 5, left + width - 6, top + 20, 8, 8);
    }
    {
        TPaint cradle(dc, kBodyEdge, kBodyEdge);
        RoundRect(dc, left + 40, top + 8, left + width - 40, top + 16, 6, 6);  // the handset's pocket
    }
    {
        TPaint led(dc, kGreen, RGB(0x1E, 0x80, 0x40));
        Ellipse(dc, left + 16, top + 34, left + 24, top + 42);
    }
    {
        TPaint led(dc, kOrange, RGB(0xB8, 0x62, 0x12));
        Ellipse(dc, left + 30, top + 34, left + 38, top + 42);
    }
    Text(dc, left + width - 62, top + 30, 13, FW_BOLD, RGB(0xD8, 0xDE, 0xE6), "Arial", "ZENTA");
}

}  // namespace

HBITMAP DrawProductPicture(int width, int height, int dpi) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    const int scaledWidth = ui::win32::ScaledToDpi(width, dpi);
    const int scaledHeight = ui::win32::ScaledToDpi(height, dpi);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, scaledWidth, scaledHeight);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    // Drawn in the 96-DPI coordinates below and mapped to the bitmap's pixels: the shapes,
    // pens and fonts are drawn at the finer resolution, not stretched afterwards.
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, width, height, nullptr);
    SetViewportExtEx(dc, scaledWidth, scaledHeight, nullptr);

    Background(dc, width, height);
    Title(dc);
    Gateway(dc, width - 215, height - 86, width);
    Handset(dc, width - 290, 22);
    Waves(dc, width - 236, 12);

    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

}  // namespace app::win32

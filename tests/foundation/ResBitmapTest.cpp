#include <windows.h>
#include <gtest/gtest.h>
#include "foundation/XGResBitmap.h"

namespace {

const COLORREF kBackground = RGB(1, 2, 3);

// A 16 x 8 memory device context over a 32-bit bitmap, filled with the background.
class MemoryCanvas {
public:
    MemoryCanvas()
    {
        fDC = CreateCompatibleDC(nullptr);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = 16;
        info.bmiHeader.biHeight = -8;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        fBitmap = CreateDIBSection(fDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        fOld = SelectObject(fDC, fBitmap);
        RECT all = {0, 0, 16, 8};
        HBRUSH brush = CreateSolidBrush(kBackground);
        FillRect(fDC, &all, brush);
        DeleteObject(brush);
    }
    ~MemoryCanvas()
    {
        SelectObject(fDC, fOld);
        DeleteObject(fBitmap);
        DeleteDC(fDC);
    }
    HDC DC() const { return fDC; }
    COLORREF Pixel(int x, int y) const { return GetPixel(fDC, x, y); }

private:
    HDC fDC;
    HBITMAP fBitmap;
    HGDIOBJ fOld;
};

// Colour of index i in the full-table test picture.
COLORREF FullTableColour(int i)
{
    return RGB(i, 255 - i, (i * 7) & 255);
}

} // namespace

TEST(DrawResBitmap, DrawsEightBitPictureUnscaledAtPoint)
{
    MemoryCanvas canvas;
    DrawResBitmap(canvas.DC(), 130, 3, 2);
    const int rows[3][5] = {{1, 2, 3, 4, 5}, {10, 20, 30, 40, 50}, {100, 150, 200, 250, 0}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(FullTableColour(rows[y][x]), canvas.Pixel(3 + x, 2 + y)) << x << "," << y;
    // Nothing outside the picture's own 5 x 3 pixels changes.
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            if (x < 3 || x >= 8 || y < 2 || y >= 5)
                EXPECT_EQ(kBackground, canvas.Pixel(x, y)) << x << "," << y;
}

TEST(DrawResBitmap, UsesColourTableLengthFromUsedCount)
{
    MemoryCanvas canvas;
    DrawResBitmap(canvas.DC(), 131, 0, 0);
    const COLORREF red = RGB(255, 0, 0), green = RGB(0, 255, 0), blue = RGB(0, 0, 255);
    const COLORREF expected[2][3] = {{red, green, blue}, {blue, green, red}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(expected[y][x], canvas.Pixel(x, y)) << x << "," << y;
    EXPECT_EQ(kBackground, canvas.Pixel(3, 0));
    EXPECT_EQ(kBackground, canvas.Pixel(0, 2));
}

TEST(DrawResBitmap, MissingResourceDrawsNothing)
{
    MemoryCanvas canvas;
    DrawResBitmap(canvas.DC(), 4321, 0, 0);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(kBackground, canvas.Pixel(x, y));
}

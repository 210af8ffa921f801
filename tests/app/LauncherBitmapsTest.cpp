// The launcher's pictures are stored run-length encoded (RLE8). Each must
// show exactly as its uncompressed form does, both through the framework's
// picture drawing and through LoadBitmap (the splash's first paint), since
// the end-to-end test and the user see one or the other.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "foundation/XGResBitmap.h"

namespace {

struct Picture {
    int id;
    const char* name;
};

// The launcher's bitmap numbers; the uncompressed forms sit kPlain above.
const Picture kPictures[] = {
    {127, "Background"}, {138, "Splash"}, {139, "QuickTimeOffer"},
    {128, "InstallNormal"}, {129, "InstallHover"}, {130, "InstallPressed"},
    {131, "ExitNormal"}, {132, "ExitHover"}, {133, "ExitPressed"},
    {140, "InstallQuickTimeNormal"}, {141, "InstallQuickTimeHover"},
    {142, "InstallQuickTimePressed"}, {143, "CloseNormal"}, {144, "CloseHover"},
    {145, "ClosePressed"}};
const int kPlain = 1000;

// A 32-bit top-down memory canvas filled with one colour, whose pixels can
// be read back as they are.
class Canvas {
public:
    Canvas(int width, int height, COLORREF fill) : fWidth(width), fHeight(height)
    {
        fDC = CreateCompatibleDC(nullptr);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        fBitmap = CreateDIBSection(fDC, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&fBits), nullptr, 0);
        fOld = SelectObject(fDC, fBitmap);
        RECT all = {0, 0, width, height};
        HBRUSH brush = CreateSolidBrush(fill);
        FillRect(fDC, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas()
    {
        SelectObject(fDC, fOld);
        DeleteObject(fBitmap);
        DeleteDC(fDC);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC DC() const { return fDC; }
    std::vector<uint32_t> Pixels() const
    {
        GdiFlush();
        std::vector<uint32_t> pixels(fBits, fBits + size_t(fWidth) * size_t(fHeight));
        for (uint32_t& pixel : pixels)
            pixel &= 0xFFFFFF;
        return pixels;
    }

private:
    int fWidth, fHeight;
    HDC fDC;
    HBITMAP fBitmap;
    HGDIOBJ fOld;
    uint32_t* fBits = nullptr;
};

const BITMAPINFOHEADER* Header(int id)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));  // RT_BITMAP
    if (!found)
        return nullptr;
    return static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, found)));
}

// The picture through LoadBitmap, copied onto a canvas of its own size.
std::vector<uint32_t> Loaded(int id, COLORREF fill, SIZE* size)
{
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    if (!bitmap)
        return {};
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    size->cx = info.bmWidth;
    size->cy = info.bmHeight;
    Canvas canvas(info.bmWidth, info.bmHeight, fill);
    HDC source = CreateCompatibleDC(canvas.DC());
    HGDIOBJ old = SelectObject(source, bitmap);
    BitBlt(canvas.DC(), 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(bitmap);
    return canvas.Pixels();
}

TEST(LauncherBitmaps, AreStoredRunLengthEncoded)
{
    for (const Picture& picture : kPictures) {
        SCOPED_TRACE(picture.name);
        const BITMAPINFOHEADER* shipped = Header(picture.id);
        const BITMAPINFOHEADER* plain = Header(picture.id + kPlain);
        ASSERT_NE(shipped, nullptr);
        ASSERT_NE(plain, nullptr);
        EXPECT_EQ(shipped->biCompression, DWORD(BI_RLE8));
        EXPECT_EQ(shipped->biBitCount, 8);
        EXPECT_EQ(plain->biCompression, DWORD(BI_RGB));
        EXPECT_EQ(shipped->biWidth, plain->biWidth);
        EXPECT_EQ(shipped->biHeight, plain->biHeight);
    }
}

// Two canvases of different colours: only a picture that covers every pixel
// of both leaves them equal.
TEST(LauncherBitmaps, FrameworkDrawingShowsEachAsUncompressed)
{
    for (const Picture& picture : kPictures) {
        SCOPED_TRACE(picture.name);
        const BITMAPINFOHEADER* plain = Header(picture.id + kPlain);
        ASSERT_NE(plain, nullptr);
        int width = int(plain->biWidth), height = abs(int(plain->biHeight));
        Canvas shipped(width, height, RGB(1, 2, 3));
        Canvas reference(width, height, RGB(254, 253, 252));
        DrawResBitmap(shipped.DC(), int16_t(picture.id), 0, 0);
        DrawResBitmap(reference.DC(), int16_t(picture.id + kPlain), 0, 0);
        EXPECT_TRUE(shipped.Pixels() == reference.Pixels());
    }
}

TEST(LauncherBitmaps, LoadBitmapShowsEachAsUncompressed)
{
    for (const Picture& picture : kPictures) {
        SCOPED_TRACE(picture.name);
        SIZE shippedSize = {}, referenceSize = {};
        std::vector<uint32_t> shipped = Loaded(picture.id, RGB(1, 2, 3), &shippedSize);
        std::vector<uint32_t> reference = Loaded(picture.id + kPlain, RGB(254, 253, 252), &referenceSize);
        ASSERT_FALSE(shipped.empty());
        EXPECT_EQ(shippedSize.cx, referenceSize.cx);
        EXPECT_EQ(shippedSize.cy, referenceSize.cy);
        EXPECT_TRUE(shipped == reference);
    }
}

}  // namespace

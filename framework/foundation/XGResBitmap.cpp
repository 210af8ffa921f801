#include "foundation/XGResBitmap.h"
#include <cstdlib>

void DrawResBitmap(HDC dc, int16_t resID, int16_t x, int16_t y)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(uint16_t(resID)), MAKEINTRESOURCEW(2)); // RT_BITMAP
    if (!found)
        return;
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded)
        return;
    const BYTE* data = static_cast<const BYTE*>(LockResource(loaded));
    DWORD size = SizeofResource(module, found);
    const BITMAPINFOHEADER* header = reinterpret_cast<const BITMAPINFOHEADER*>(data);
    if (data && size >= sizeof(BITMAPINFOHEADER) && header->biSize >= sizeof(BITMAPINFOHEADER)) {
        DWORD colors = header->biClrUsed;
        if (colors == 0) {
            switch (header->biBitCount) {
            case 1: colors = 2; break;
            case 4: colors = 16; break;
            case 8: colors = 256; break;
            default: colors = 0; break;
            }
        }
        int width = int16_t(header->biWidth);
        int height = abs(int16_t(header->biHeight));
        // The header, colour table and rows must lie inside the resource; a damaged
        // bitmap draws nothing rather than reading past its end.
        unsigned long long bitsAt = header->biSize + 4ull * colors;
        unsigned long long rowBytes = ((unsigned long long)width * header->biBitCount + 31) / 32 * 4;
        unsigned long long needed = header->biCompression == BI_RGB ? rowBytes * height : header->biSizeImage;
        if (width > 0 && bitsAt + needed <= size) {
            StretchDIBits(dc, x, y, width, height, 0, 0, width, height, data + bitsAt,
                reinterpret_cast<const BITMAPINFO*>(header), DIB_RGB_COLORS, SRCCOPY);
        }
    }
    FreeResource(loaded);
}

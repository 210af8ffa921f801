#include "controls/XGToolbarData.h"

#include <cstring>

#include "views/XGDpiScale.h"

namespace {

uint16_t ReadBigEndian(const char* at)
{
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(at);
    return uint16_t((bytes[0] << 8) | bytes[1]);
}

void WriteNative(char* at, uint16_t value)
{
    std::memcpy(at, &value, sizeof value);
}

// The size of the whole item at offset, or 0 when it does not fit.
uint32_t ItemSize(const char* data, uint32_t size, uint32_t offset)
{
    if (offset > size || size - offset < XGToolbarData::kItemHeaderSize)
        return 0;
    const uint32_t text = offset + XGToolbarData::kItemHeaderSize;
    const void* end = std::memchr(data + text, 0, size - text);
    if (!end)
        return 0;
    return uint32_t(static_cast<const char*>(end) - (data + offset)) + 1;
}

}  // namespace

int16_t XGToolbarData::ReadNative(const char* at)
{
    int16_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

uint16_t XGToolbarData::Prepare(char* data, uint32_t size)
{
    if (!data || size < kHeaderSize)
        return 0;
    const uint16_t declared = ReadBigEndian(data);
    uint16_t whole = 0;
    uint32_t offset = kHeaderSize;
    while (whole < declared) {
        const uint32_t item = ItemSize(data, size, offset);
        if (!item)
            break;
        WriteNative(data + offset, ReadBigEndian(data + offset));
        WriteNative(data + offset + 2, ReadBigEndian(data + offset + 2));
        offset += item;
        ++whole;
    }
    WriteNative(data, whole);
    return whole;
}

uint16_t XGToolbarData::GetLength(const char* data, uint32_t size)
{
    if (!data || size < kHeaderSize)
        return 0;
    return uint16_t(ReadNative(data));
}

int32_t XGToolbarData::GetItemOffset(const char* data, uint32_t size, long index)
{
    if (index < 0 || index >= long(GetLength(data, size)))
        return -1;
    uint32_t offset = kHeaderSize;
    for (long i = 0; i < index; ++i) {
        const uint32_t item = ItemSize(data, size, offset);
        if (!item)
            return -1;
        offset += item;
    }
    if (!ItemSize(data, size, offset))
        return -1;
    return int32_t(offset);
}

int16_t XGToolbarData::GetItemIcon(const char* data, uint32_t size, long index)
{
    const int32_t offset = GetItemOffset(data, size, index);
    return offset < 0 ? 0 : ReadNative(data + offset);
}

int16_t XGToolbarData::GetItemCommand(const char* data, uint32_t size, long index)
{
    const int32_t offset = GetItemOffset(data, size, index);
    return offset < 0 ? 0 : ReadNative(data + offset + 2);
}

void XGToolbarData::GetItemHelp(const char* data, uint32_t size, long index, char* out, size_t outSize)
{
    if (!out || outSize == 0)
        return;
    out[0] = 0;
    const int32_t offset = GetItemOffset(data, size, index);
    if (offset < 0)
        return;
    const char* text = data + offset + kItemHeaderSize;
    size_t length = std::strlen(text);  // terminated inside the bytes: GetItemOffset checked it
    if (length > outSize - 1)
        length = outSize - 1;
    std::memcpy(out, text, length);
    out[length] = 0;
}

int16_t XGToolbarData::ButtonSize(int dpi)
{
    return XGDpiScale::Scale16(kButtonSize, XGDpiScale::ClampDpi(dpi));
}

int16_t XGToolbarData::SeparatorWidth(int dpi)
{
    return XGDpiScale::Scale16(kSeparatorWidth, XGDpiScale::ClampDpi(dpi));
}

tagRECT XGToolbarData::CalcButton(const char* data, uint32_t size, const tagRECT& content, long index, int dpi)
{
    dpi = XGDpiScale::ClampDpi(dpi);
    const int32_t L = content.left, T = content.top, R = content.right, B = content.bottom;
    const int16_t button = ButtonSize(dpi), separatorWidth = SeparatorWidth(dpi);
    const int16_t one = XGDpiScale::Scale16(1, dpi), two = XGDpiScale::Scale16(2, dpi);
    const int16_t three = XGDpiScale::Scale16(3, dpi);
    auto step = [&](long i) { return GetItemCommand(data, size, i) == 0 ? separatorWidth : button; };
    int16_t x, y;
    if (B - T < 2 * button) {
        x = two;
        y = int16_t((T + B - button) / 2 + one);
        for (long i = 0; i < index; ++i)
            x = int16_t(x + step(i));
    } else if (R - L < 2 * button) {
        y = two;
        x = int16_t((L + R - button) / 2);
        for (long i = 0; i < index; ++i)
            y = int16_t(y + step(i));
    } else {
        x = int16_t(L + two);
        y = int16_t(T + one);
        for (long i = 0; i < index; ++i) {
            x = int16_t(x + step(i));
            if (x + button > R - three) {
                x = int16_t(L + two);
                y = int16_t(y + button);
            }
        }
    }
    const bool separator = GetItemCommand(data, size, index) == 0;
    tagRECT r;
    r.left = x;
    r.top = y;
    r.right = separator ? x : x + button;
    r.bottom = separator ? y : y + button;
    return r;
}

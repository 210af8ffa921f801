// The bytes of a "TMenu" tool bar resource: a big-endian item count followed
// by the items back to back, each an icon number, a command number (0 for a
// separator) and a zero-terminated help text. Also the placement of the
// buttons in the strip. Kept free of <windows.h>; every access is checked
// against the size of the bytes, so a damaged resource cannot be read past
// its end.
#pragma once

#include <cstddef>
#include <cstdint>

#include "views/RectMath.h"

class XGToolbarData {
public:
    XGToolbarData() = delete;

    enum : int16_t { kButtonSize = 22, kSeparatorWidth = 11 };
    enum : uint16_t { kHeaderSize = 2, kItemHeaderSize = 4 };

    // Converts the count and each item's two numbers to native order, in
    // place, and rewrites the count as the number of whole items: an item
    // whose numbers or help text would run past the end is dropped with all
    // that follow. Returns that number (0 for fewer than two bytes).
    static uint16_t Prepare(char* data, uint32_t size);

    // Readers of prepared bytes. Out of range gives 0 (offset -1, empty help).
    static uint16_t GetLength(const char* data, uint32_t size);
    static int32_t GetItemOffset(const char* data, uint32_t size, long index);
    static int16_t GetItemIcon(const char* data, uint32_t size, long index);
    static int16_t GetItemCommand(const char* data, uint32_t size, long index);
    // Copies the help text, cut to fit out (at least one byte) with its terminator.
    static void GetItemHelp(const char* data, uint32_t size, long index, char* out, size_t outSize);

    // The rectangle of item index in a strip whose content rectangle is
    // content: a row when it is less than two buttons high, a column when
    // less than two buttons wide, otherwise rows that wrap. Separators get an
    // empty rectangle at their place. The sizes and gaps above are layout
    // units, shown at dpi.
    static tagRECT CalcButton(const char* data, uint32_t size, const tagRECT& content, long index,
                              int dpi = 96);
    // A button's side and a separator's width at dpi.
    static int16_t ButtonSize(int dpi);
    static int16_t SeparatorWidth(int dpi);

private:
    static int16_t ReadNative(const char* at);
};

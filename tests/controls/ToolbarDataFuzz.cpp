// Any bytes as a "TMenu" resource: preparing and reading them must stay
// inside the bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "controls/XGToolbarData.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t length)
{
    std::vector<char> bytes(input, input + length);
    char* data = bytes.empty() ? nullptr : bytes.data();
    const uint32_t size = uint32_t(bytes.size());
    const uint16_t items = XGToolbarData::Prepare(data, size);
    const tagRECT strip = {0, 0, 4096, 27};
    const tagRECT block = {0, 0, 90, 90};
    char help[256];
    // The last item and one past it; reading every item is quadratic.
    for (long i = items > 2 ? items - 2 : 0; i <= long(items); ++i) {
        XGToolbarData::GetItemIcon(data, size, i);
        XGToolbarData::GetItemHelp(data, size, i, help, sizeof help);
        XGToolbarData::CalcButton(data, size, strip, i);
        XGToolbarData::CalcButton(data, size, block, i);
    }
    return 0;
}

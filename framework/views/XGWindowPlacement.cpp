#include "views/XGWindowPlacement.h"

#include <cstdint>
#include <initializer_list>
#include <limits>

#include "views/XGDpiScale.h"

namespace {

// Edges are worked out in 64 bits and stored back saturated, so that no
// record or metric, however damaged, can overflow the 32-bit edges.
struct WideRect {
    int64_t left, top, right, bottom;
};

int32_t Saturate(int64_t value)
{
    if (value > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

WideRect Widen(const tagRECT& r) { return WideRect{r.left, r.top, r.right, r.bottom}; }

tagRECT Narrow(const WideRect& r)
{
    tagRECT out;
    out.left = Saturate(r.left);
    out.top = Saturate(r.top);
    out.right = Saturate(r.right);
    out.bottom = Saturate(r.bottom);
    return out;
}

bool IsEmpty(const WideRect& r) { return !(r.left < r.right && r.top < r.bottom); }

void Offset(WideRect* r, int64_t dh, int64_t dv)
{
    r->left += dh;
    r->right += dh;
    r->top += dv;
    r->bottom += dv;
}

enum : int16_t { kKindMask = 0x0F, kPlacementMask = 0xF0, kCascade = 0x00, kCentreOnFront = 0x10 };
enum : int16_t { kKindDocument = 0, kKindFloating = 3 };

// Centred windows keep clear of the screen's left edge by this much (layout
// units).
const int64_t kCentredMinLeft = 24;

// The content length of a record that gives none (layout units).
const int32_t kDefaultLength = 320;

// The automatic position: a step of the cascade, or centred on the front
// window or the screen.
void PlaceAutomatically(const XGWindowPlacement::Record& record,
                        const XGWindowPlacement::Surroundings& around,
                        const XGWindowPlacement::Metrics& metrics, int64_t width, int64_t height,
                        int16_t* stagger, int dpi, int64_t* left, int64_t* top)
{
    if ((record.windowKind & kPlacementMask) == kCascade) {
        const int64_t n = *stagger;
        const int64_t step = int64_t{metrics.captionHeight} + metrics.frameHeight;
        *top = step * (n + 1) + metrics.menuHeight;
        *left = step * n + metrics.frameWidth;
        *stagger = static_cast<int16_t>(n >= XGWindowPlacement::kStaggerSteps - 1 ? 0 : n + 1);
        return;
    }
    const bool onFront = XGWindowPlacement::CentresOnFront(record) && around.hasFront;
    tagRECT ref = around.screen;
    if (onFront) {
        ref = around.frontLocation;
        XGWindowPlacement::ContentToFrame(&ref, metrics);
    }
    // Division truncates toward zero, as the halves are meant to.
    *left = (int64_t{ref.left} + ref.right - width) / 2;
    *top = (int64_t{ref.top} + ref.bottom - height) / 2;
    if (around.hasClient) {
        // The client's children are placed in its coordinates, everything
        // else in the screen's: a reference of the other sort is moved over.
        const bool newIsDocument = XGWindowPlacement::IsDocumentKind(record.windowKind);
        const bool refIsDocument = onFront ? XGWindowPlacement::IsDocumentKind(around.frontKind) : true;
        if (newIsDocument != refIsDocument) {
            const int64_t sign = newIsDocument ? -1 : 1;
            *left += sign * around.clientOriginH;
            *top += sign * around.clientOriginV;
        }
    }
    if (*top < 0)
        *top = 0;
    const int64_t minLeft = XGDpiScale::Scale(kCentredMinLeft, dpi);
    if (*left < minLeft)
        *left = minLeft;
}

}  // namespace

bool XGWindowPlacement::IsDocumentKind(int16_t windowKind)
{
    const int16_t kind = windowKind & kKindMask;
    return kind == kKindDocument || kind == kKindFloating;
}

bool XGWindowPlacement::CentresOnFront(const Record& record)
{
    return record.left == 0 && record.top == 0 && (record.windowKind & kPlacementMask) == kCentreOnFront;
}

int32_t XGWindowPlacement::ContentLength(int16_t low, int16_t high, int16_t defLength, int16_t minLength,
                                         int16_t maxLength, int dpi)
{
    int32_t length;
    if (high != 0) {
        // Both edges are 16-bit, so their distance needs the wider type; an
        // inverted pair from a damaged record is no size at all.
        length = int32_t{high} - low;
    } else if (defLength >= 1) {
        length = defLength;
    } else {
        length = int32_t(XGDpiScale::Scale(kDefaultLength, dpi));
        if (minLength > length)
            length = minLength;
        if (maxLength != 0 && maxLength < length)
            length = maxLength;
    }
    return length < 0 ? 0 : length;
}

void XGWindowPlacement::ContentToFrame(tagRECT* rect, const Metrics& metrics)
{
    WideRect r = Widen(*rect);
    if (IsEmpty(r))
        return;
    r.left -= metrics.frameWidth;
    r.right += metrics.frameWidth;
    r.bottom += metrics.frameHeight;
    r.top -= int64_t{metrics.captionHeight} + metrics.frameHeight + metrics.menuHeight;
    *rect = Narrow(r);
}

void XGWindowPlacement::FrameToContent(tagRECT* rect, const Metrics& metrics)
{
    WideRect r = Widen(*rect);
    if (IsEmpty(r))
        return;
    r.left += metrics.frameWidth;
    r.right -= metrics.frameWidth;
    r.bottom -= metrics.frameHeight;
    r.top += int64_t{metrics.captionHeight} + metrics.frameHeight + metrics.menuHeight;
    *rect = Narrow(r);
}

XGWindowPlacement::Record XGWindowPlacement::ScaleRecord(const Record& record, int dpi)
{
    Record r = record;
    for (int16_t* field : {&r.left, &r.top, &r.right, &r.bottom, &r.minWidth, &r.minHeight, &r.maxWidth,
                           &r.maxHeight, &r.defWidth, &r.defHeight})
        *field = XGDpiScale::Scale16(*field, dpi);
    return r;
}

tagRECT XGWindowPlacement::Place(const Record& unscaled, const Surroundings& around, const Metrics& metrics,
                                 int16_t* stagger, int dpi)
{
    const Record record = ScaleRecord(unscaled, dpi);
    const int64_t width = ContentLength(record.left, record.right, record.defWidth, record.minWidth,
                                        record.maxWidth, dpi);
    const int64_t height = ContentLength(record.top, record.bottom, record.defHeight, record.minHeight,
                                         record.maxHeight, dpi);
    int64_t left = record.left;
    int64_t top = record.top;
    if (left == 0 && top == 0)
        PlaceAutomatically(record, around, metrics, width, height, stagger, dpi, &left, &top);
    WideRect content{left, top, left + width, top + height};

    // Kept on the screen by moving only; where it cannot fit, its left and
    // top edges stay in view.
    tagRECT limits = !around.hasClient || IsDocumentKind(record.windowKind) ? around.screen
                                                                             : around.fullScreen;
    FrameToContent(&limits, metrics);
    const WideRect bounds = Widen(limits);
    if (content.right > bounds.right)
        Offset(&content, bounds.right - content.right, 0);
    if (content.bottom > bounds.bottom)
        Offset(&content, 0, bounds.bottom - content.bottom);
    if (content.left < bounds.left)
        Offset(&content, bounds.left - content.left, 0);
    if (content.top < bounds.top)
        Offset(&content, 0, bounds.top - content.top);
    return Narrow(content);
}

// Where a new framework window goes and how large it is, worked out from its
// record and from the system's values that the window reads and hands in. Kept
// free of <windows.h> so that every rule can be checked natively, damaged
// records included.
#pragma once

#include <cstdint>

#include "views/RectMath.h"

class XGWindowPlacement {
public:
    // The frame pieces, as the system reports them.
    struct Metrics {
        int32_t frameWidth;
        int32_t frameHeight;
        int32_t captionHeight;
        int32_t menuHeight;
    };

    // The fields of a window record that decide its place.
    struct Record {
        int16_t windowKind;
        int16_t left, top, right, bottom;
        int16_t minWidth, minHeight;
        int16_t maxWidth, maxHeight;
        int16_t defWidth, defHeight;
    };

    // What the window sees around it when it is made.
    struct Surroundings {
        tagRECT screen;          // the screen's client area, or the document client's client rectangle
        tagRECT fullScreen;      // the screen's client area
        bool hasClient;          // a multiple-document client exists
        int32_t clientOriginH;   // its client origin in screen coordinates
        int32_t clientOriginV;
        bool hasFront;           // a front window to centre on (placement 0x10 only)
        tagRECT frontLocation;   // its content location (position and size)
        int16_t frontKind;       // its window kind word
    };

    enum : int16_t { kStaggerSteps = 5 };

    // The content rectangle of the new window. A cascading window takes the
    // position of *stagger and moves the counter on. The record's edges and
    // sizes are layout units, shown at dpi; the surroundings and metrics are
    // pixels already.
    static tagRECT Place(const Record& record, const Surroundings& around, const Metrics& metrics,
                         int16_t* stagger, int dpi = 96);

    // The record at dpi: each edge and size scaled on its own (saturated to
    // 16 bits), so that 0 stays "none".
    static Record ScaleRecord(const Record& record, int dpi);

    // Whether Place reads the front window for this record.
    static bool CentresOnFront(const Record& record);

    // Kinds 0 (document) and 3 (floating document).
    static bool IsDocumentKind(int16_t windowKind);

    // The width (or height) of the content: from the record's edges, else its
    // default, else 320 layout units at dpi within the minimum and maximum.
    // Never negative.
    static int32_t ContentLength(int16_t low, int16_t high, int16_t defLength, int16_t minLength,
                                 int16_t maxLength, int dpi = 96);

    // Between a window's content rectangle and its frame; an empty rectangle
    // stays as it is.
    static void ContentToFrame(tagRECT* rect, const Metrics& metrics);
    static void FrameToContent(tagRECT* rect, const Metrics& metrics);
};

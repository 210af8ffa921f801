// A font described by face, size and style flags; the Windows font is made
// on demand and cached. Fonts are shared by reference counting: the creator
// holds the first reference, each further user attaches, and the last
// Detach deletes the font.
#pragma once

#include "foundation/XGArray.h"

struct HDC__;
struct HFONT__;

class XGFont {
public:
    enum : short {
        kBold = 0x0001,
        kItalic = 0x0002,
        kUnderline = 0x0004,
        kFixedPitch = 0x0100,
        kRoman = 0x0200
    };

    // construction
    XGFont();
    // Raises the assertion "fAttach <= 0" when the font is still attached.
    virtual ~XGFont() noexcept(false);

    XGFont(const XGFont&) = delete;
    XGFont& operator=(const XGFont&) = delete;

    // The built-in fonts 0 (Arial 9 bold), 1 (Arial 8), 2 (Courier New 8);
    // null for any other number.
    static XGFont* LoadFont(short number);

    // reference counting
    void Attach();
    void Detach();

    // Changes take effect only while nobody else holds the font, a drawing
    // context included.
    void SetFontFlags(short flags);
    void SetFontName(const char* name);
    void SetFontSize(short size);

    long GetAttach() const { return fAttach; }
    short GetFontResID() const { return fFontResID; }
    short GetFontFlags() const { return fFontFlags; }
    short GetFontSize() const { return fFontSize; }
    const char* GetFontName() const { return fFontName; }

    // The cached Windows font, made for dc (or the display when dc is null).
    HFONT__* GetFont(HDC__* dc = nullptr);
    // The font made for a window of this DPI (its point size at that scale);
    // a few DPIs are kept at once, so windows on screens of different scales
    // can share the font. Changing the font drops them all.
    HFONT__* GetFontForDpi(int dpi);

    // Every live font, in creation order; a registry only.
    static XGPDynArray<XGFont> gFontArray;

private:
    bool IsChangeable() const;
    void DeleteHandle();
    HFONT__* MakeFont(int pixelsPerInch) const;

    long fAttach;
    short fFontResID;
    short fFontFlags;
    short fFontSize;
    char fFontName[64];
    HFONT__* fFontHandle;
    struct ScaledFont {
        int dpi;
        HFONT__* handle;
    };
    enum { kScaledFonts = 4 };
    ScaledFont fScaled[kScaledFonts];
    int fNextScaled;
};

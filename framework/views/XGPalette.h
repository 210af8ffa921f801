// Palette colours: a colour whose top byte is 0x10 names a system colour by
// its low 16 bits and is mapped at each use (XGDraw::ColorFromPalette), so
// drawing follows the user's current scheme. Any other value is a Windows
// colour reference 0x00BBGGRR.
#pragma once

enum : unsigned long {
    kPaletteBlack = 0x10000000,
    kPaletteWhite = 0x10000001,
    kPaletteButtonText = 0x10000002,
    kPaletteButtonHighlight = 0x10000003,
    kPaletteButtonFace = 0x10000004,
    kPaletteButtonShadow = 0x10000005,
    kPaletteSelection = 0x10000006,
    kPaletteSelectionText = 0x10000007,
    kPaletteSelectionAlt = 0x10000008,
    kPaletteSelectionTextAlt = 0x10000009,
    kPaletteTipBack = 0x1000000A,
    kPaletteTipText = 0x1000000B
};

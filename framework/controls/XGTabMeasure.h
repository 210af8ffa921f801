// Widths of a line's characters with tab stops every `tab` pixels from the
// line's start, as the text editor measures them: in pieces of at most
// kPiece bytes ending where a character ends (a device answers widths in 16
// bits, and a long line must not wrap around), each piece's runs between
// tabs measured whole. A run holds whole characters. The device is reached
// through RunWidth, so the rules run without one.
#pragma once

#include <cstdint>

#include "controls/XGTextEngine.h"

class XGTabMeasure : public XGTextMeasure {
public:
    // `tab` is the distance between tab stops in pixels; less than one
    // counts as one, so that a tab always moves forward.
    explicit XGTabMeasure(int32_t tab);

    int32_t TextWidth(const char* text, uint32_t length, int32_t startWidth) override;
    // One measurement per run, with the run's partial widths, instead of one
    // per prefix.
    void PrefixWidths(const char* text, uint32_t length, int32_t* widths) override;
    // `text` starts a whole number of pieces into its line.
    void PrefixWidthsFrom(const char* text, uint32_t length, int32_t startWidth,
                          int32_t* widths) override;

protected:
    // The width of `length` (at least one) characters measured as one
    // string; when `partial` is not null, partial[i] gets the width of the
    // first i+1 of them measured the same way (the last one the answer).
    virtual int32_t RunWidth(const char* text, uint32_t length, int32_t* partial) = 0;

private:
    // One piece laid out from `startWidth` pixels past a tab stop; answers
    // where it ends, relative to that stop. With `widths`, widths[i] gets
    // `base` plus the 16-bit answer for the first i+1 characters.
    int32_t PieceWidth(const char* text, uint32_t length, int32_t startWidth, int32_t base,
                       int32_t* widths);

    int32_t fTab;
};

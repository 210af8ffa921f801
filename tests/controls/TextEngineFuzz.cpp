// Random edits of a short text, with and without word wrap: after every edit
// the patched line-break table must equal a fresh layout of the new text made
// with widths measured prefix by prefix, every line query must stay inside
// the text and hit tests must land where prefix-by-prefix widths put them.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "controls/XGTabMeasure.h"
#include "controls/XGTextEngine.h"

namespace {

// Measured run by run, as the editor measures...
class Measure : public XGTabMeasure {
public:
    Measure() : XGTabMeasure(40) {}

protected:
    int32_t RunWidth(const char* text, uint32_t length, int32_t* partial) override
    {
        int32_t x = 0;
        for (uint32_t i = 0; i < length; ++i) {
            x += 4 + (static_cast<unsigned char>(text[i]) & 7);
            if (partial)
                partial[i] = x;
        }
        return x;
    }
};

// ...and prefix by prefix, as every width was measured before.
class PrefixMeasure : public XGTextMeasure {
public:
    int32_t TextWidth(const char* text, uint32_t length, int32_t startWidth) override
    {
        return fMeasure.TextWidth(text, length, startWidth);
    }

private:
    Measure fMeasure;
};

void Fail(int line, const std::string& text)
{
    fprintf(stderr, "check at line %d failed on \"%s\"\n", line, text.c_str());
    abort();
}

#define Check(condition) \
    ((condition) ? void(0) : Fail(__LINE__, std::string(**engine.GetTextHandle(), engine.GetTextHandle()->GetSize())))

void CheckTable(XGTextEngine& engine, bool wrap, int32_t width, Measure& measure)
{
    PrefixMeasure prefixes;
    int32_t size = engine.GetTextSize();
    int32_t count = engine.GetBreakCount();
    for (int32_t k = 0; k < count; ++k) {
        Check(engine.GetBreak(k) >= 0 && engine.GetBreak(k) < size);
        Check(k == 0 || engine.GetBreak(k) > engine.GetBreak(k - 1));
    }
    for (int32_t line = 0; line < engine.GetNumLines(); ++line) {
        int32_t start = engine.GetLineOffset(line);
        int32_t length = engine.GetLineLength(line);
        Check(start >= 0 && length >= 0 && start + length <= size);
        Check(engine.FindLine(start) == line || length == 0);
        int32_t hit = engine.FindOffset(line, int32_t(start % 97), 2, measure);
        Check(hit >= start && hit <= start + length);
        Check(hit == engine.FindOffset(line, int32_t(start % 97), 2, prefixes));
    }
    XGHandle* text = engine.GetTextHandle();
    // Line feeds survive a trip through the clipboard's text unchanged.
    std::string bytes(**text, text->GetSize());
    if (bytes.find('\r') == std::string::npos && bytes.find('\0') == std::string::npos) {
        std::string clip = XGTextEngine::ToClipboardText(bytes.data(), uint32_t(bytes.size()));
        XGHandle back(0, 0);
        XGTextEngine::FromClipboardText(clip.c_str(), uint32_t(clip.size() + 1), back);
        Check(std::string(*back, back.GetSize()) == bytes);
    }
    XGTextEngine fresh;
    fresh.SetTextHandle(text);
    fresh.RecalcLineStarts(wrap, width, &prefixes);
    Check(fresh.GetBreakCount() == count);
    for (int32_t k = 0; k < count; ++k)
        Check(fresh.GetBreak(k) == engine.GetBreak(k));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    bool wrap = data[0] & 1;
    int32_t width = 20 + data[1];
    Measure measure;
    XGHandle text(0, 0);
    XGTextEngine engine;
    engine.SetTextHandle(&text);
    engine.RecalcLineStarts(wrap, width, &measure);
    size_t pos = 2;
    while (pos + 3 <= size) {
        int32_t textSize = engine.GetTextSize();
        int32_t start = int32_t(data[pos] % (textSize + 1));
        int32_t end = start + int32_t(data[pos + 1] % (textSize - start + 1));
        size_t length = data[pos + 2] % 9;
        pos += 3;
        if (pos + length > size)
            length = size - pos;
        std::string with;
        for (size_t i = 0; i < length; ++i) {
            static const char kAlphabet[] = "ab c\n\tWxyz  12-.\r\n";
            with += kAlphabet[data[pos + i] % (sizeof kAlphabet - 1)];
        }
        pos += length;
        if (text.GetSize() + with.size() > 2000)
            break;
        engine.Replace(start, end, with.data(), int32_t(with.size()));
        engine.RecalcStarts(start, end, int32_t(with.size()), wrap, width, &measure);
        CheckTable(engine, wrap, width, measure);
    }
    return 0;
}

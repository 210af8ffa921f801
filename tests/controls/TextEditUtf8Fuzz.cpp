// Random editing of random UTF-8 text as the editor edits it: characters,
// marks, joiners, modifiers and regional indicators typed at the caret,
// Backspace, the caret moved by clusters, by a hit test and to any byte,
// a word deleted. After every step the text must be valid UTF-8, the caret
// between clusters, the patched line-break table equal to a fresh layout
// with every line ending between clusters, and every hit test between
// clusters too. Half the inputs step by a stand-in for the system's cluster
// breaks instead of the own rule.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "controls/XGTabMeasure.h"
#include "controls/XGTextClusters.h"
#include "controls/XGTextEngine.h"
#include "foundation/XGUtf8.h"

namespace {

// Widths by character, the way the editor sums them.
class Measure : public XGTabMeasure {
public:
    Measure() : XGTabMeasure(40) {}

protected:
    int32_t RunWidth(const char* text, uint32_t length, int32_t* partial) override
    {
        int32_t x = 0;
        for (uint32_t i = 0; i < length;) {
            size_t n;
            char32_t c = XGUtf8::Decode(text, length, i, &n);
            for (size_t k = 0; k + 1 < n; ++k) {
                if (partial)
                    partial[i + k] = x;
            }
            x += XGTextClusters::IsExtend(c) ? 0 : 4 + int32_t(c % 13);
            if (partial)
                partial[i + n - 1] = x;
            i += uint32_t(n);
        }
        return x;
    }
};

const char* const kPalette[] = {
    "a", "b", " ", "\n", "\t", "W", ".", "\xC3\xA9", "\xCC\x81", "\xCE\xA9", "\xE6\x97\xA5",
    "\xE3\x81\xAE", "\xE2\x98\x95", "\xF0\x9F\x91\x8D", "\xF0\x9F\x8F\xBD", "\xE2\x80\x8D",
    "\xF0\x9F\x91\xA9", "\xEF\xB8\x8F", "\xF0\x9F\x87\xAF", "\xF0\x9F\x87\xB5", "\xE1\x84\x80",
    "\xE1\x85\xA1", "\xE3\x82\x99", "e\xCC\x81",
};

void Fail(int line, const std::string& text)
{
    fprintf(stderr, "check at line %d failed on \"", line);
    for (unsigned char c : text)
        fprintf(stderr, c < 0x20 || c >= 0x7F ? "\\x%02X" : "%c", c);
    fprintf(stderr, "\"\n");
    abort();
}

#define Check(condition) ((condition) ? void(0) : Fail(__LINE__, Bytes(engine)))

std::string Bytes(XGTextEngine& engine)
{
    XGHandle* text = engine.GetTextHandle();
    return std::string(**text, text->GetSize());
}

bool Between(const std::string& text, int64_t offset)
{
    return offset >= 0 && size_t(offset) <= text.size()
           && XGTextClusters::IsBoundary(text.data(), text.size(), size_t(offset));
}

void CheckAll(XGTextEngine& engine, int32_t caret, bool wrap, int32_t width, Measure& measure)
{
    std::string text = Bytes(engine);
    Check(XGUtf8::IsValid(text));
    Check(Between(text, caret));
    int32_t count = engine.GetBreakCount();
    for (int32_t k = 0; k < count; ++k) {
        int32_t b = engine.GetBreak(k);
        Check(b >= 0 && b < int32_t(text.size()));
        Check(k == 0 || b > engine.GetBreak(k - 1));
        Check(Between(text, b + 1));
    }
    for (int32_t line = 0; line < engine.GetNumLines(); ++line) {
        int32_t start = engine.GetLineOffset(line);
        for (int32_t x : {0, 33, 300}) {
            int32_t hit = engine.FindOffset(line, x, 2, measure);
            Check(Between(text, hit));
            Check(hit >= start && hit <= start + engine.GetLineLength(line));
        }
    }
    XGTextEngine fresh;
    fresh.SetTextHandle(engine.GetTextHandle());
    fresh.RecalcLineStarts(wrap, width, &measure);
    Check(fresh.GetBreakCount() == count);
    for (int32_t k = 0; k < count; ++k)
        Check(fresh.GetBreak(k) == engine.GetBreak(k));
    // The clipboard's round trip through UTF-16 keeps the text.
    std::string clip = XGTextEngine::ToClipboardText(text.data(), uint32_t(text.size()));
    std::string back16 = XGUtf8::FromUtf16(XGUtf8::ToUtf16(clip));
    XGHandle back(0, 0);
    XGTextEngine::FromClipboardText(back16.data(), uint32_t(back16.size()), back);
    Check(std::string(*back, back.GetSize()) == text);
}

// A system's breaks as the engine might get them: whether characters join
// decided by each pair of neighbours, unlike the own rule.
bool PairBreaker(const char* text, size_t size, bool* starts)
{
    char32_t previous = 0;
    for (size_t p = 0; p < size;) {
        size_t length;
        char32_t c = XGUtf8::Decode(text, size, p, &length);
        starts[p] = p == 0 || (previous * 31 + c) % 3 != 0;
        previous = c;
        p += length;
    }
    return true;
}

struct BreakerScope {
    explicit BreakerScope(bool system) { XGTextClusters::SetBreaker(system ? PairBreaker : nullptr); }
    ~BreakerScope() { XGTextClusters::SetBreaker(nullptr); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    bool wrap = data[0] & 1;
    BreakerScope breaker((data[0] & 2) != 0);
    int32_t width = 20 + data[1];
    Measure measure;
    XGHandle handle(0, 0);
    XGTextEngine engine;
    engine.SetTextHandle(&handle);
    engine.RecalcLineStarts(wrap, width, &measure);
    int32_t caret = 0;
    auto replace = [&](int32_t start, int32_t end, const std::string& with) {
        engine.Replace(start, end, with.data(), int32_t(with.size()));
        engine.RecalcStarts(start, end, int32_t(with.size()), wrap, width, &measure);
        // A caret that a typed character left inside a cluster (a base typed
        // before a lone mark) goes to the cluster's end.
        std::string text = Bytes(engine);
        size_t at = size_t(start) + with.size();
        size_t floor = XGTextClusters::Floor(text.data(), text.size(), at);
        caret = int32_t(floor == at ? at : XGTextClusters::Next(text.data(), text.size(), floor));
    };
    // Short texts and edit sequences: every step checks everything.
    const size_t kSteps = 120;
    for (size_t pos = 2; pos + 2 <= size && pos < 2 + 2 * kSteps; pos += 2) {
        std::string text = Bytes(engine);
        const char* bytes = text.data();
        size_t n = text.size();
        uint8_t arg = data[pos + 1];
        switch (data[pos] % 6) {
        case 0:
            if (n > 300)
                return 0;
            replace(caret, caret, kPalette[arg % (sizeof kPalette / sizeof kPalette[0])]);
            break;
        case 1:
            if (caret > 0)
                replace(int32_t(XGTextClusters::Previous(bytes, n, size_t(caret))), caret, "");
            break;
        case 2:
            caret = int32_t(arg & 1 ? XGTextClusters::Next(bytes, n, size_t(caret))
                                    : XGTextClusters::Previous(bytes, n, size_t(caret)));
            break;
        case 3: {
            int32_t start = caret, end = caret;
            while (start > 0 && !XGTextEngine::IsWordBreakAt(bytes, int32_t(n), start))
                start = int32_t(XGTextClusters::Previous(bytes, n, size_t(start)));
            while (end < int32_t(n) && !XGTextEngine::IsWordBreakAt(bytes, int32_t(n), end))
                end = int32_t(XGTextClusters::Next(bytes, n, size_t(end)));
            Check(Between(text, start) && Between(text, end));
            replace(start, end, "");
            break;
        }
        case 4:
            caret = engine.FindOffset(arg % (engine.GetNumLines() + 1), arg * 3, 2, measure);
            break;
        default:
            caret = int32_t(XGTextClusters::Floor(bytes, n, n ? size_t(arg) % (n + 1) : 0));
            break;
        }
        CheckAll(engine, caret, wrap, width, measure);
    }
    return 0;
}

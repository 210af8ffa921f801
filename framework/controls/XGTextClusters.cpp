#include "controls/XGTextClusters.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "foundation/XGUtf8.h"

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// Characters that extend the one before them: the nonspacing, enclosing and
// spacing combining marks (general categories Mn, Me and Mc of Unicode 14),
// the zero width non-joiner, the halfwidth katakana sound marks, the emoji
// modifiers and the tag characters. Sorted, for halving.
const Range kExtend[] = {
    {0x300, 0x36F}, {0x483, 0x489}, {0x591, 0x5BD}, {0x5BF, 0x5BF}, {0x5C1, 0x5C2}, {0x5C4, 0x5C5},
    {0x5C7, 0x5C7}, {0x610, 0x61A}, {0x64B, 0x65F}, {0x670, 0x670}, {0x6D6, 0x6DC}, {0x6DF, 0x6E4},
    {0x6E7, 0x6E8}, {0x6EA, 0x6ED}, {0x711, 0x711}, {0x730, 0x74A}, {0x7A6, 0x7B0}, {0x7EB, 0x7F3},
    {0x7FD, 0x7FD}, {0x816, 0x819}, {0x81B, 0x823}, {0x825, 0x827}, {0x829, 0x82D}, {0x859, 0x85B},
    {0x898, 0x89F}, {0x8CA, 0x8E1}, {0x8E3, 0x903}, {0x93A, 0x93C}, {0x93E, 0x94F}, {0x951, 0x957},
    {0x962, 0x963}, {0x981, 0x983}, {0x9BC, 0x9BC}, {0x9BE, 0x9C4}, {0x9C7, 0x9C8}, {0x9CB, 0x9CD},
    {0x9D7, 0x9D7}, {0x9E2, 0x9E3}, {0x9FE, 0x9FE}, {0xA01, 0xA03}, {0xA3C, 0xA3C}, {0xA3E, 0xA42},
    {0xA47, 0xA48}, {0xA4B, 0xA4D}, {0xA51, 0xA51}, {0xA70, 0xA71}, {0xA75, 0xA75}, {0xA81, 0xA83},
    {0xABC, 0xABC}, {0xABE, 0xAC5}, {0xAC7, 0xAC9}, {0xACB, 0xACD}, {0xAE2, 0xAE3}, {0xAFA, 0xAFF},
    {0xB01, 0xB03}, {0xB3C, 0xB3C}, {0xB3E, 0xB44}, {0xB47, 0xB48}, {0xB4B, 0xB4D}, {0xB55, 0xB57},
    {0xB62, 0xB63}, {0xB82, 0xB82}, {0xBBE, 0xBC2}, {0xBC6, 0xBC8}, {0xBCA, 0xBCD}, {0xBD7, 0xBD7},
    {0xC00, 0xC04}, {0xC3C, 0xC3C}, {0xC3E, 0xC44}, {0xC46, 0xC48}, {0xC4A, 0xC4D}, {0xC55, 0xC56},
    {0xC62, 0xC63}, {0xC81, 0xC83}, {0xCBC, 0xCBC}, {0xCBE, 0xCC4}, {0xCC6, 0xCC8}, {0xCCA, 0xCCD},
    {0xCD5, 0xCD6}, {0xCE2, 0xCE3}, {0xD00, 0xD03}, {0xD3B, 0xD3C}, {0xD3E, 0xD44}, {0xD46, 0xD48},
    {0xD4A, 0xD4D}, {0xD57, 0xD57}, {0xD62, 0xD63}, {0xD81, 0xD83}, {0xDCA, 0xDCA}, {0xDCF, 0xDD4},
    {0xDD6, 0xDD6}, {0xDD8, 0xDDF}, {0xDF2, 0xDF3}, {0xE31, 0xE31}, {0xE34, 0xE3A}, {0xE47, 0xE4E},
    {0xEB1, 0xEB1}, {0xEB4, 0xEBC}, {0xEC8, 0xECD}, {0xF18, 0xF19}, {0xF35, 0xF35}, {0xF37, 0xF37},
    {0xF39, 0xF39}, {0xF3E, 0xF3F}, {0xF71, 0xF84}, {0xF86, 0xF87}, {0xF8D, 0xF97}, {0xF99, 0xFBC},
    {0xFC6, 0xFC6}, {0x102B, 0x103E}, {0x1056, 0x1059}, {0x105E, 0x1060}, {0x1062, 0x1064},
    {0x1067, 0x106D}, {0x1071, 0x1074}, {0x1082, 0x108D}, {0x108F, 0x108F}, {0x109A, 0x109D},
    {0x135D, 0x135F}, {0x1712, 0x1715}, {0x1732, 0x1734}, {0x1752, 0x1753}, {0x1772, 0x1773},
    {0x17B4, 0x17D3}, {0x17DD, 0x17DD}, {0x180B, 0x180D}, {0x180F, 0x180F}, {0x1885, 0x1886},
    {0x18A9, 0x18A9}, {0x1920, 0x192B}, {0x1930, 0x193B}, {0x1A17, 0x1A1B}, {0x1A55, 0x1A5E},
    {0x1A60, 0x1A7C}, {0x1A7F, 0x1A7F}, {0x1AB0, 0x1ACE}, {0x1B00, 0x1B04}, {0x1B34, 0x1B44},
    {0x1B6B, 0x1B73}, {0x1B80, 0x1B82}, {0x1BA1, 0x1BAD}, {0x1BE6, 0x1BF3}, {0x1C24, 0x1C37},
    {0x1CD0, 0x1CD2}, {0x1CD4, 0x1CE8}, {0x1CED, 0x1CED}, {0x1CF4, 0x1CF4}, {0x1CF7, 0x1CF9},
    {0x1DC0, 0x1DFF}, {0x200C, 0x200C}, {0x20D0, 0x20F0}, {0x2CEF, 0x2CF1}, {0x2D7F, 0x2D7F},
    {0x2DE0, 0x2DFF}, {0x302A, 0x302F}, {0x3099, 0x309A}, {0xA66F, 0xA672}, {0xA674, 0xA67D},
    {0xA69E, 0xA69F}, {0xA6F0, 0xA6F1}, {0xA802, 0xA802}, {0xA806, 0xA806}, {0xA80B, 0xA80B},
    {0xA823, 0xA827}, {0xA82C, 0xA82C}, {0xA880, 0xA881}, {0xA8B4, 0xA8C5}, {0xA8E0, 0xA8F1},
    {0xA8FF, 0xA8FF}, {0xA926, 0xA92D}, {0xA947, 0xA953}, {0xA980, 0xA983}, {0xA9B3, 0xA9C0},
    {0xA9E5, 0xA9E5}, {0xAA29, 0xAA36}, {0xAA43, 0xAA43}, {0xAA4C, 0xAA4D}, {0xAA7B, 0xAA7D},
    {0xAAB0, 0xAAB0}, {0xAAB2, 0xAAB4}, {0xAAB7, 0xAAB8}, {0xAABE, 0xAABF}, {0xAAC1, 0xAAC1},
    {0xAAEB, 0xAAEF}, {0xAAF5, 0xAAF6}, {0xABE3, 0xABEA}, {0xABEC, 0xABED}, {0xFB1E, 0xFB1E},
    {0xFE00, 0xFE0F}, {0xFE20, 0xFE2F}, {0xFF9E, 0xFF9F}, {0x101FD, 0x101FD}, {0x102E0, 0x102E0},
    {0x10376, 0x1037A}, {0x10A01, 0x10A03}, {0x10A05, 0x10A06}, {0x10A0C, 0x10A0F},
    {0x10A38, 0x10A3A}, {0x10A3F, 0x10A3F}, {0x10AE5, 0x10AE6}, {0x10D24, 0x10D27},
    {0x10EAB, 0x10EAC}, {0x10F46, 0x10F50}, {0x10F82, 0x10F85}, {0x11000, 0x11002},
    {0x11038, 0x11046}, {0x11070, 0x11070}, {0x11073, 0x11074}, {0x1107F, 0x11082},
    {0x110B0, 0x110BA}, {0x110C2, 0x110C2}, {0x11100, 0x11102}, {0x11127, 0x11134},
    {0x11145, 0x11146}, {0x11173, 0x11173}, {0x11180, 0x11182}, {0x111B3, 0x111C0},
    {0x111C9, 0x111CC}, {0x111CE, 0x111CF}, {0x1122C, 0x11237}, {0x1123E, 0x1123E},
    {0x112DF, 0x112EA}, {0x11300, 0x11303}, {0x1133B, 0x1133C}, {0x1133E, 0x11344},
    {0x11347, 0x11348}, {0x1134B, 0x1134D}, {0x11357, 0x11357}, {0x11362, 0x11363},
    {0x11366, 0x1136C}, {0x11370, 0x11374}, {0x11435, 0x11446}, {0x1145E, 0x1145E},
    {0x114B0, 0x114C3}, {0x115AF, 0x115B5}, {0x115B8, 0x115C0}, {0x115DC, 0x115DD},
    {0x11630, 0x11640}, {0x116AB, 0x116B7}, {0x1171D, 0x1172B}, {0x1182C, 0x1183A},
    {0x11930, 0x11935}, {0x11937, 0x11938}, {0x1193B, 0x1193E}, {0x11940, 0x11940},
    {0x11942, 0x11943}, {0x119D1, 0x119D7}, {0x119DA, 0x119E0}, {0x119E4, 0x119E4},
    {0x11A01, 0x11A0A}, {0x11A33, 0x11A39}, {0x11A3B, 0x11A3E}, {0x11A47, 0x11A47},
    {0x11A51, 0x11A5B}, {0x11A8A, 0x11A99}, {0x11C2F, 0x11C36}, {0x11C38, 0x11C3F},
    {0x11C92, 0x11CA7}, {0x11CA9, 0x11CB6}, {0x11D31, 0x11D36}, {0x11D3A, 0x11D3A},
    {0x11D3C, 0x11D3D}, {0x11D3F, 0x11D45}, {0x11D47, 0x11D47}, {0x11D8A, 0x11D8E},
    {0x11D90, 0x11D91}, {0x11D93, 0x11D97}, {0x11EF3, 0x11EF6}, {0x16AF0, 0x16AF4},
    {0x16B30, 0x16B36}, {0x16F4F, 0x16F4F}, {0x16F51, 0x16F87}, {0x16F8F, 0x16F92},
    {0x16FE4, 0x16FE4}, {0x16FF0, 0x16FF1}, {0x1BC9D, 0x1BC9E}, {0x1CF00, 0x1CF2D},
    {0x1CF30, 0x1CF46}, {0x1D165, 0x1D169}, {0x1D16D, 0x1D172}, {0x1D17B, 0x1D182},
    {0x1D185, 0x1D18B}, {0x1D1AA, 0x1D1AD}, {0x1D242, 0x1D244}, {0x1DA00, 0x1DA36},
    {0x1DA3B, 0x1DA6C}, {0x1DA75, 0x1DA75}, {0x1DA84, 0x1DA84}, {0x1DA9B, 0x1DA9F},
    {0x1DAA1, 0x1DAAF}, {0x1E000, 0x1E006}, {0x1E008, 0x1E018}, {0x1E01B, 0x1E021},
    {0x1E023, 0x1E024}, {0x1E026, 0x1E02A}, {0x1E130, 0x1E136}, {0x1E2AE, 0x1E2AE},
    {0x1E2EC, 0x1E2EF}, {0x1E8D0, 0x1E8D6}, {0x1E944, 0x1E94A}, {0x1F3FB, 0x1F3FF},
    {0xE0020, 0xE007F}, {0xE0100, 0xE01EF}
};

// Pictographs that a zero width joiner joins to the emoji before it.
const Range kPictographic[] = {
    {0xA9, 0xA9}, {0xAE, 0xAE}, {0x203C, 0x203C}, {0x2049, 0x2049}, {0x2122, 0x2122},
    {0x2139, 0x2139}, {0x2194, 0x21AA}, {0x231A, 0x23FF}, {0x24C2, 0x24C2}, {0x25AA, 0x27BF},
    {0x2934, 0x2935}, {0x2B05, 0x2B55}, {0x3030, 0x3030}, {0x303D, 0x303D}, {0x3297, 0x3299},
    {0x1F000, 0x1F0FF}, {0x1F10D, 0x1F10F}, {0x1F12F, 0x1F12F}, {0x1F16C, 0x1F171},
    {0x1F17E, 0x1F17F}, {0x1F18E, 0x1F18E}, {0x1F191, 0x1F19A}, {0x1F1AD, 0x1F1E5},
    {0x1F201, 0x1F20F}, {0x1F21A, 0x1F21A}, {0x1F22F, 0x1F22F}, {0x1F232, 0x1F23A},
    {0x1F23C, 0x1F23F}, {0x1F249, 0x1F3FA}, {0x1F400, 0x1F53D}, {0x1F546, 0x1F64F},
    {0x1F680, 0x1F6FF}, {0x1F774, 0x1F77F}, {0x1F7D5, 0x1F7FF}, {0x1F80C, 0x1F80F},
    {0x1F848, 0x1F84F}, {0x1F85A, 0x1F85F}, {0x1F888, 0x1F88F}, {0x1F8AE, 0x1F8FF},
    {0x1F90C, 0x1F93A}, {0x1F93C, 0x1F945}, {0x1F947, 0x1FAFF}, {0x1FC00, 0x1FFFD},
};

template <size_t N>
bool InRanges(const Range (&ranges)[N], char32_t c)
{
    size_t low = 0, high = N;
    while (low < high) {
        size_t mid = low + (high - low) / 2;
        if (ranges[mid].last < c)
            low = mid + 1;
        else
            high = mid;
    }
    return low < N && ranges[low].first <= c;
}

const char32_t kJoiner = 0x200D;

bool IsRegional(char32_t c) { return c >= 0x1F1E6 && c <= 0x1F1FF; }

// Line ends, other controls and ill-formed bytes (read as U+FFFD) stand
// alone: a mark typed after a line feed must not take the line feed with it.
bool StandsAlone(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029
           || c == XGUtf8::kReplacement;
}

enum Jamo { kNoJamo, kLeading, kVowel, kTrailing, kSyllableLV, kSyllableLVT };

Jamo JamoOf(char32_t c)
{
    if ((c >= 0x1100 && c <= 0x115F) || (c >= 0xA960 && c <= 0xA97C))
        return kLeading;
    if ((c >= 0x1160 && c <= 0x11A7) || (c >= 0xD7B0 && c <= 0xD7C6))
        return kVowel;
    if ((c >= 0x11A8 && c <= 0x11FF) || (c >= 0xD7CB && c <= 0xD7FB))
        return kTrailing;
    if (c >= 0xAC00 && c <= 0xD7A3)
        return (c - 0xAC00) % 28 == 0 ? kSyllableLV : kSyllableLVT;
    return kNoJamo;
}

bool JamoJoin(char32_t a, char32_t b)
{
    Jamo x = JamoOf(a), y = JamoOf(b);
    if (x == kNoJamo || y == kNoJamo)
        return false;
    if (x == kLeading)
        return y != kTrailing;
    if (x == kVowel || x == kSyllableLV)
        return y == kVowel || y == kTrailing;
    return y == kTrailing;
}

// Whether b continues the cluster whose last character is a. `regionals` is
// the count of regional indicators the cluster holds; a negative count
// joins every pair of them (the backward scan, which does not know where a
// flag starts).
bool Joins(char32_t a, char32_t b, int regionals)
{
    if (StandsAlone(a) || StandsAlone(b))
        return false;
    if (b == kJoiner || XGTextClusters::IsExtend(b))
        return true;
    if (a == kJoiner)
        return InRanges(kPictographic, b);
    if (IsRegional(a) && IsRegional(b))
        return regionals < 0 || regionals % 2 == 1;
    return JamoJoin(a, b);
}

char32_t At(const char* text, size_t size, size_t offset, size_t* length)
{
    return XGUtf8::Decode(text, size, offset, length);
}

// The end of the cluster starting at offset by the own rule alone.
size_t OwnNext(const char* text, size_t size, size_t offset)
{
    size_t length;
    char32_t previous = At(text, size, offset, &length);
    size_t p = offset + length;
    int regionals = IsRegional(previous) ? 1 : 0;
    while (p < size) {
        char32_t c = At(text, size, p, &length);
        if (!Joins(previous, c, regionals))
            break;
        if (IsRegional(c))
            ++regionals;
        previous = c;
        p += length;
    }
    return p;
}

// The breaker's answer for one window of text, kept while the same text is
// stepped through: the editor asks for every cluster of a line in turn, and
// the system's analysis of a window costs far more than a step.
struct Window {
    XGTextClusters::Breaker breaker = nullptr;
    const char* text = nullptr;
    size_t size = 0;
    size_t low = 0;
    size_t high = 0;
    // The bytes the answer depends on (the window and a character either
    // side, which decide that its ends are cluster ends) as they were.
    size_t keyFrom = 0;
    std::string key;
    // starts[i]: a cluster starts at low + i (0 <= i <= high - low).
    std::vector<bool> starts;
};

XGTextClusters::Breaker gBreaker = nullptr;
Window gWindow;

// A window reaches this far either side of the offset asked about, and is
// used again for offsets at least kMargin inside its ends; a longer cluster
// falls back to the own rule.
const size_t kReach = XGTextClusters::kBreakerWindow / 4;
const size_t kMargin = 64;

size_t CharacterFloor(const char* text, size_t size, size_t offset)
{
    while (offset > 0 && offset < size && !XGUtf8::IsBoundary(text, size, offset))
        --offset;
    return offset;
}

// A cluster start by the own rule at or before offset, no further back than
// limit; false when there is none (a run of joined characters that long).
bool CertainStartBefore(const char* text, size_t size, size_t offset, size_t limit, size_t* start)
{
    size_t at = CharacterFloor(text, size, offset);
    while (at > 0) {
        size_t before = XGUtf8::Previous(text, size, at);
        size_t length;
        if (!Joins(At(text, size, before, &length), At(text, size, at, &length), -1))
            break;
        if (before < limit)
            return false;
        at = before;
    }
    *start = at;
    return true;
}

// The same at or after offset, no further than limit.
bool CertainStartAfter(const char* text, size_t size, size_t offset, size_t limit, size_t* start)
{
    size_t at = offset;
    while (at < size && !XGUtf8::IsBoundary(text, size, at))
        ++at;
    while (at > 0 && at < size) {
        size_t before = XGUtf8::Previous(text, size, at);
        size_t length;
        char32_t c = At(text, size, at, &length);
        if (!Joins(At(text, size, before, &length), c, -1))
            break;
        if (at + length > limit)
            return false;
        at += length;
    }
    *start = at;
    return true;
}

bool Covers(const Window& w, const char* text, size_t size, size_t offset)
{
    if (w.breaker != gBreaker || w.text != text || w.size != size || w.starts.empty())
        return false;
    if (offset < w.low || offset > w.high || (w.low > 0 && offset < w.low + kMargin)
        || (w.high < size && offset + kMargin > w.high))
        return false;
    return std::memcmp(text + w.keyFrom, w.key.data(), w.key.size()) == 0;
}

// The breaker's cluster starts around offset, or null when there is no
// breaker or it cannot tell.
const Window* WindowAround(const char* text, size_t size, size_t offset)
{
    if (!gBreaker)
        return nullptr;
    Window& w = gWindow;
    if (Covers(w, text, size, offset))
        return &w;
    w.starts.clear();
    size_t from = offset > kReach ? offset - kReach : 0;
    size_t to = offset + kReach;
    size_t low, high = size;
    if (!CertainStartBefore(text, size, from, from > kReach ? from - kReach : 0, &low)
        || (to < size && !CertainStartAfter(text, size, to, to + kReach, &high)))
        return nullptr;
    if (low >= high || low > offset || high < offset || high - low > XGTextClusters::kBreakerWindow)
        return nullptr;
    size_t n = high - low;
    std::unique_ptr<bool[]> answer(new bool[n + 1]());
    if (n > 0 && !gBreaker(text + low, n, answer.get()))
        return nullptr;
    // The system may join what the own rule keeps apart (a syllable of an
    // Indic script), but a cluster of the own rule stays whole: the systems
    // the framework runs on do not all keep an emoji with its modifiers and
    // joiners or a flag's two letters together (Wine splits them). A
    // character's bytes, line ends, controls and ill-formed bytes are not
    // the system's to join either.
    w.starts.assign(n + 1, false);
    w.starts[0] = true;
    w.starts[n] = true;
    size_t own = OwnNext(text, size, low);
    char32_t previous = 0;
    for (size_t p = low; p < high;) {
        size_t length;
        char32_t c = At(text, size, p, &length);
        if (p > low) {
            bool ownStart = p == own;
            if (ownStart)
                own = OwnNext(text, size, p);
            w.starts[p - low] = (answer[p - low] && ownStart) || c < 0x80 || StandsAlone(previous)
                                || StandsAlone(c);
        }
        previous = c;
        p += length;
    }
    w.breaker = gBreaker;
    w.text = text;
    w.size = size;
    w.low = low;
    w.high = high;
    w.keyFrom = low >= 4 ? low - 4 : 0;
    w.key.assign(text + w.keyFrom, (high + 4 < size ? high + 4 : size) - w.keyFrom);
    return &w;
}

// The system's end of the cluster starting at offset; 0 when the own rule
// must answer.
size_t SystemNext(const char* text, size_t size, size_t offset)
{
    const Window* w = WindowAround(text, size, offset);
    if (!w)
        return 0;
    for (size_t p = offset + 1; p <= w->high; ++p) {
        if (w->starts[p - w->low])
            return p < w->high || w->high == size ? p : 0;
    }
    return 0;
}

// The system's start of the cluster holding the byte before offset; size
// when the own rule must answer.
size_t SystemPrevious(const char* text, size_t size, size_t offset)
{
    const Window* w = WindowAround(text, size, offset);
    if (!w)
        return size;
    for (size_t p = offset - 1;; --p) {
        if (w->starts[p - w->low])
            return p > w->low || w->low == 0 ? p : size;
        if (p == w->low)
            return size;
    }
}

}  // namespace

void XGTextClusters::SetBreaker(Breaker breaker)
{
    gBreaker = breaker;
    gWindow = Window();
}

XGTextClusters::Breaker XGTextClusters::GetBreaker()
{
    return gBreaker;
}

bool XGTextClusters::IsExtend(char32_t c)
{
    return c >= 0x300 && InRanges(kExtend, c);
}

size_t XGTextClusters::Next(const char* text, size_t size, size_t offset)
{
    if (offset >= size)
        return size;
    size_t length;
    char32_t previous = At(text, size, offset, &length);
    // ASCII followed by ASCII is the common case and always two clusters.
    size_t p = offset + length;
    if (previous < 0x80 && (p >= size || static_cast<uint8_t>(text[p]) < 0x80))
        return p;
    if (gBreaker) {
        size_t end = SystemNext(text, size, offset);
        if (end > offset)
            return end;
    }
    return OwnNext(text, size, offset);
}

size_t XGTextClusters::Previous(const char* text, size_t size, size_t offset)
{
    if (offset > size)
        offset = size;
    if (offset == 0)
        return 0;
    // Back to a character that certainly starts a cluster (the character
    // before it could not join it whatever came earlier), then forward by
    // clusters to the one that holds the byte before offset.
    size_t start = XGUtf8::Previous(text, size, offset);
    // No rule joins an ASCII character to what precedes it.
    if (static_cast<uint8_t>(text[start]) < 0x80)
        return start;
    if (gBreaker) {
        size_t system = SystemPrevious(text, size, offset);
        if (system < size)
            return system;
    }
    while (start > 0) {
        size_t before = XGUtf8::Previous(text, size, start);
        size_t length;
        char32_t a = At(text, size, before, &length);
        char32_t b = At(text, size, start, &length);
        if (!Joins(a, b, -1))
            break;
        start = before;
    }
    for (;;) {
        size_t next = Next(text, size, start);
        if (next >= offset)
            return start;
        start = next;
    }
}

size_t XGTextClusters::Floor(const char* text, size_t size, size_t offset)
{
    if (offset == 0 || offset >= size)
        return offset < size ? offset : size;
    size_t start = Previous(text, size, offset);
    return Next(text, size, start) == offset ? offset : start;
}

bool XGTextClusters::IsBoundary(const char* text, size_t size, size_t offset)
{
    if (offset > size)
        return false;
    return Floor(text, size, offset) == offset;
}

size_t XGTextClusters::Count(const char* text, size_t size)
{
    size_t count = 0;
    for (size_t offset = 0; offset < size; offset = Next(text, size, offset))
        ++count;
    return count;
}

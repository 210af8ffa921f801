// Runs every benchmark with the framework and plain Win32 taking turns, and
// prints each row's medians, spreads and ratio (framework / raw).
//
//   kebo_bench [--short] [--reps N] [--only GROUP] [--startup LAUNCHER FOLDER RAW]
//   kebo_bench --open-child FILE RESULT
//
// --only runs one group of rows (statics, buttons, keys, lines, loop, open
// or startup), for a quicker look at one change. --open-child is the open
// row's own process (BenchOpen).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "BenchApp.h"
#include "BenchFramework.h"
#include "BenchOpen.h"
#include "BenchRaw.h"
#include "BenchSamples.h"
#include "BenchStartup.h"
#include "foundation/XGError.h"
#include "dispatch/XGGlobals.h"

namespace {

struct Row {
    std::string work;
    const char* unit;
    BenchSamples framework;
    BenchSamples raw;
};

// Lines of 63 characters and a newline, up to size bytes.
std::string Lines(size_t size)
{
    const std::string line = "The quick brown fox jumps over the lazy dog; pack my box with f\n";
    std::string text;
    text.reserve(size);
    while (text.size() + line.size() <= size)
        text += line;
    return text;
}

// Lines of Japanese (hiragana, kanji, katakana and full-width punctuation,
// 40 characters and a line feed each) up to size bytes.
std::string JapaneseLines(size_t size)
{
    // いろはにほへと、ちりぬるを。日本語の文章を打つ、カタカナも漢字も混ぜた一行です。
    const std::string line =
        "\xE3\x81\x84\xE3\x82\x8D\xE3\x81\xAF\xE3\x81\xAB\xE3\x81\xBB\xE3\x81\xB8\xE3\x81\xA8"
        "\xE3\x80\x81\xE3\x81\xA1\xE3\x82\x8A\xE3\x81\xAC\xE3\x82\x8B\xE3\x82\x92\xE3\x80\x82"
        "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E\xE3\x81\xAE\xE6\x96\x87\xE7\xAB\xA0\xE3\x82\x92"
        "\xE6\x89\x93\xE3\x81\xA4\xE3\x80\x81\xE3\x82\xAB\xE3\x82\xBF\xE3\x82\xAB\xE3\x83\x8A"
        "\xE3\x82\x82\xE6\xBC\xA2\xE5\xAD\x97\xE3\x82\x82\xE6\xB7\xB7\xE3\x81\x9C\xE3\x81\x9F"
        "\xE4\xB8\x80\xE8\xA1\x8C\xE3\x81\xA7\xE3\x81\x99\xE3\x80\x82\n";
    std::string text;
    text.reserve(size);
    while (text.size() + line.size() <= size)
        text += line;
    return text;
}

std::string LongLine(size_t length)
{
    std::string line;
    for (size_t i = 0; line.size() < length; ++i)
        line += char('a' + i % 26);
    return line;
}

// About three significant digits, never an exponent.
std::string Number(double value)
{
    char text[32];
    int decimals = value >= 100 ? 0 : value >= 10 ? 1 : value >= 1 ? 2 : 3;
    snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Cell(const BenchSamples& samples, const char* unit)
{
    if (samples.Empty())
        return "-";
    return Number(samples.Median()) + " " + unit + " (" + Number(samples.Min()) + "-" +
           Number(samples.Max()) + ")";
}

void Print(const std::vector<Row>& rows)
{
    printf("| work | framework median (min-max) | raw median (min-max) | ratio |\n");
    printf("|---|---|---|---|\n");
    for (const Row& row : rows) {
        double raw = row.raw.Median();
        std::string ratio = "-";
        if (!row.framework.Empty() && !row.raw.Empty() && raw > 0)
            ratio = Number(row.framework.Median() / raw);
        printf("| %s | %s | %s | %s |\n", row.work.c_str(), Cell(row.framework, row.unit).c_str(),
               Cell(row.raw, row.unit).c_str(), ratio.c_str());
    }
    fflush(stdout);
}

int gFailures = 0;

// A run whose work did not happen (a key that never reached the text, say)
// would time nothing: it says so and ends with a failure.
void Expect(bool ok, const char* side, const char* what, long value)
{
    if (ok)
        return;
    fprintf(stderr, "bench: %s: %s (got %ld)\n", side, what, value);
    ++gFailures;
}

const char* Name(BenchSide& side, BenchSide& framework)
{
    return &side == &framework ? "framework" : "raw";
}

// reps turns of work on each side, framework first, raw second; each turn
// is block pieces of work in a row on one side (numbered on from the last).
void Alternate(int reps, const std::function<void(BenchSide&, BenchSamples&, int)>& work,
               BenchSide& framework, BenchSide& raw, Row& row, int block = 1)
{
    for (int i = 0; i < reps; i += block) {
        for (int j = i; j < i + block && j < reps; ++j)
            work(framework, row.framework, j);
        for (int j = i; j < i + block && j < reps; ++j)
            work(raw, row.raw, j);
    }
}

}

int Bench(int argc, char** argv);

int main(int argc, char** argv)
{
    // An error the framework throws ends the run with a message, not an abort.
    try {
        return Bench(argc, argv);
    } catch (const XGError& error) {
        char text[512] = "";
        error.GetShortError(text);
        fprintf(stderr, "bench: %s\n", text);
    } catch (const std::exception& error) {
        fprintf(stderr, "bench: %s\n", error.what());
    } catch (...) {
        fprintf(stderr, "bench: an unknown exception\n");
    }
    return 1;
}

int Bench(int argc, char** argv)
{
    if (argc == 4 && !strcmp(argv[1], "--open-child")) {
        XGInitProcess(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
        BenchApp app;
        return BenchOpen::RunChild(app, argv[2], argv[3]);
    }
    int reps = 15;
    long messages = 2000;
    const char* launcher = nullptr;
    const char* folder = nullptr;
    const char* rawStartup = nullptr;
    const char* only = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (!strcmp(argv[i], "--short")) {
            reps = 2;
            messages = 200;
        } else if (!strcmp(argv[i], "--reps") && i + 1 < argc) {
            reps = atoi(argv[++i]);
        } else if (!strcmp(argv[i], "--only") && i + 1 < argc) {
            only = argv[++i];
        } else if (!strcmp(argv[i], "--startup") && i + 3 < argc) {
            launcher = argv[++i];
            folder = argv[++i];
            rawStartup = argv[++i];
        } else {
            fprintf(stderr, "usage: kebo_bench [--short] [--reps N] [--only GROUP] [--startup LAUNCHER FOLDER RAW]\n");
            return 2;
        }
    }
    if (reps < 1)
        reps = 1;
    auto runs = [only](const char* group) { return !only || !strcmp(only, group); };

    XGInitProcess(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL);
    BenchApp app;
    BenchFramework framework(app);
    BenchRaw raw;
    std::vector<Row> rows;

    // Everything is done once untimed first, so that neither side pays for
    // first loads.
    framework.BuildStatics(), raw.BuildStatics();
    framework.BuildAndCloseButtons(), raw.BuildAndCloseButtons();

    if (runs("statics")) {
        rows.push_back({"200 static texts, create + first paint", "ms", {}, {}});
        Alternate(reps, [](BenchSide& side, BenchSamples& s, int) { s.Add(side.BuildStatics()); },
                  framework, raw, rows.back());
    }

    if (runs("buttons")) {
        rows.push_back({"200 push buttons, create + first paint", "ms", {}, {}});
        rows.push_back({"closing the 200-button window", "ms", {}, {}});
        Row& build = rows[rows.size() - 2];
        Row& close = rows.back();
        for (int i = 0; i < reps; ++i) {
            auto f = framework.BuildAndCloseButtons();
            auto r = raw.BuildAndCloseButtons();
            build.framework.Add(f.first), close.framework.Add(f.second);
            build.raw.Add(r.first), close.raw.Add(r.second);
        }
    }

    // A single input takes a millisecond or two, so the input rows take four
    // times the samples: their medians move less with the machine's load.
    const int inputs = reps * 4;
    // A user's pointer rests over the window being typed into or clicked:
    // each side's inputs are timed with the pointer over its own window.
    framework.SetPointerOver(true), raw.SetPointerOver(true);

    // One keystroke in the middle of the text: a letter, then a backspace.
    auto keystroke = [](BenchSide& side, BenchSamples& s, int i) { s.Add(side.Char(i % 2 ? 0x08 : 'x')); };
    for (bool inScroll : {false, true}) {
        if (!runs("keys"))
            continue;
        for (size_t size : {size_t(10 * 1024), size_t(1024 * 1024)}) {
            std::string text = Lines(size);
            long caret = long(text.size() / 2 / 64 * 64);
            char work[96];
            snprintf(work, sizeof work, "one keystroke%s, no wrap, %s text",
                     inScroll ? " in an edit inside a scroll view" : "",
                     size < 100000 ? "10 KB" : "1 MB");
            rows.push_back({work, "ms", {}, {}});
            framework.OpenEdit(text, caret, inScroll);
            raw.OpenEdit(text, caret, inScroll);
            BenchSamples untimed;
            keystroke(framework, untimed, 1), keystroke(raw, untimed, 1);
            // A user types several keys into one window: each side types
            // four in a row, the turns still alternating, so that only the
            // first of the four follows the other side's work (whose
            // activation leaves the window's cached drawing context to be
            // fetched anew).
            Alternate(inputs, keystroke, framework, raw, rows.back(), 4);
            // One backspace, then as many letters as backspaces or one more.
            long typed = (inputs + 1) / 2 - inputs / 2 - 1;
            for (BenchSide* side : {static_cast<BenchSide*>(&framework), static_cast<BenchSide*>(&raw)}) {
                const char* name = Name(*side, framework);
                Expect(side->TextLength() == long(text.size()) + typed, name, "the keys did not change the text",
                       side->TextLength());
                Expect(side->Caret() == caret + typed, name, "the keys did not move the caret", side->Caret());
                side->CloseEdit();
            }
        }
    }

    // The same keystroke into a line of Japanese text, ten characters in: the
    // characters after the caret are measured and drawn anew, and Backspace
    // takes the typed letter back by clusters.
    if (runs("keys")) {
        std::string text = JapaneseLines(10 * 1024);
        long caret = long(text.rfind('\n', text.size() / 2) + 1 + 10 * 3);
        rows.push_back({"one keystroke into a line of Japanese text, no wrap, 10 KB text", "ms", {}, {}});
        framework.OpenEdit(text, caret, false);
        raw.OpenEdit(text, caret, false);
        // The untimed key is a letter: a backspace here would take a
        // character of three bytes.
        BenchSamples untimed;
        keystroke(framework, untimed, 0), keystroke(raw, untimed, 0);
        Alternate(inputs, keystroke, framework, raw, rows.back(), 4);
        long typed = (inputs + 1) / 2 - inputs / 2 + 1;
        for (BenchSide* side : {static_cast<BenchSide*>(&framework), static_cast<BenchSide*>(&raw)}) {
            const char* name = Name(*side, framework);
            Expect(side->TextLength() == long(text.size()) + typed, name, "the keys did not change the text",
                   side->TextLength());
            Expect(side->Caret() == caret + typed, name, "the keys did not move the caret", side->Caret());
            side->CloseEdit();
        }
    }

    // Two lines of 10,000 characters; the caret goes to column 4,000 of the
    // second with a Right arrow, so that each side scrolls it into view. (The
    // system's control keeps pixel positions in 16 bits: further right, its
    // Up arrow and clicks land at the wrong place.)
    if (runs("lines")) {
        const long line = 10000, column = 4000;
        std::string text = LongLine(size_t(line)) + "\n" + LongLine(size_t(line)) + "\n";
        framework.OpenEdit(text, line + column, false);
        raw.OpenEdit(text, line + column, false);
        framework.Key(VK_RIGHT), raw.Key(VK_RIGHT);
        rows.push_back({"Up arrow onto a 10,000-character line, at column 4,000", "ms", {}, {}});
        Alternate(inputs, [&](BenchSide& side, BenchSamples& s, int) {
            s.Add(side.Key(VK_UP));
            Expect(std::labs(side.Caret() - column) < 100, Name(side, framework),
                   "Up did not keep the column on the first line", side.Caret());
            side.Key(VK_DOWN);
            Expect(std::labs(side.Caret() - (line + 1 + column)) < 100, Name(side, framework),
                   "Down did not come back", side.Caret());
        }, framework, raw, rows.back());
        framework.Key(VK_UP), raw.Key(VK_UP);
        rows.push_back({"a click on a 10,000-character line, near column 4,000", "ms", {}, {}});
        Alternate(inputs, [&](BenchSide& side, BenchSamples& s, int) {
            s.Add(side.ClickFirstLine());
            Expect(std::labs(side.Caret() - column) < 150, Name(side, framework),
                   "the click did not land in the scrolled first line", side.Caret());
        }, framework, raw, rows.back());
        framework.CloseEdit();
        raw.CloseEdit();
    }

    for (bool over : {true, false}) {
        if (!runs("loop"))
            continue;
        rows.push_back({over ? "the event loop, per posted message, the pointer over the window"
                             : "the event loop, per posted message, the pointer elsewhere",
                        "us", {}, {}});
        framework.SetPointerOver(over), raw.SetPointerOver(over);
        Alternate(reps, [messages](BenchSide& side, BenchSamples& s, int) {
            s.Add(side.Loop(messages) * 1000.0 / double(messages));
        }, framework, raw, rows.back());
    }

    // Notes opening a file of 100 MB, each time in a process of its own so
    // that its peak memory is its own. Plain Win32 has no such work to set
    // beside it: the row has no raw side.
    if (runs("open")) {
        BenchOpen file(100u << 20);
        char program[MAX_PATH];
        GetModuleFileNameA(nullptr, program, sizeof program);
        rows.push_back({"opening a 100 MB file in Notes' text view: read, line ends decoded, painted", "ms", {}, {}});
        rows.push_back({"peak memory added while opening it (the file is 100 MB)", "MB", {}, {}});
        Row& time = rows[rows.size() - 2];
        Row& peak = rows.back();
        for (int i = 0; i < reps; ++i) {
            double took = 0, megabytes = 0;
            bool done = file.Measure(program, &took, &megabytes);
            Expect(done, "framework", "the file did not open", long(file.Size() >> 20));
            if (done)
                time.framework.Add(took), peak.framework.Add(megabytes);
        }
    }

    if (launcher && runs("startup")) {
        BenchStartup poller;
        rows.push_back({"start-up to the splash on screen, vs a raw program with the same imports and start-up calls",
                        "ms", {}, {}});
        Row& row = rows.back();
        for (int i = 0; i < reps; ++i) {
            double f = poller.Measure(launcher, folder);
            double r = poller.Measure(rawStartup, folder);
            Expect(f >= 0, "framework", "the launcher's splash did not show", 0);
            Expect(r >= 0, "raw", "the raw program's splash did not show", 0);
            if (f >= 0)
                row.framework.Add(f);
            if (r >= 0)
                row.raw.Add(r);
        }
    }

    printf("%d runs of each side, taking turns (%d of each input)\n", reps, inputs);
    Print(rows);
    return gFailures ? 1 : 0;
}

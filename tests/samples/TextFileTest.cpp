#include <gtest/gtest.h>

#include <string>

#include "NTTextFile.h"

namespace {

std::string Bytes(const char* text, size_t size) { return std::string(text, size); }

// Every way a file may end its lines reads as the engine's line feeds, and
// writing with the file's own line end gives its bytes back.
struct LineCase {
    std::string file;
    std::string text;
    NTTextFile::LineEnd lineEnd;
};

class TextFileLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(TextFileLines, ReadAsLineFeedsAndWrittenBackAsTheyWere)
{
    const LineCase& c = GetParam();
    EXPECT_EQ(NTTextFile::kHolds, NTTextFile::Check(c.file.data(), c.file.size()));
    EXPECT_EQ(c.lineEnd, NTTextFile::FindLineEnd(c.file.data(), c.file.size()));
    std::string text = NTTextFile::Decode(c.file.data(), c.file.size());
    EXPECT_EQ(c.text, text);
    std::string inPlace = c.file;
    inPlace.resize(NTTextFile::DecodeInPlace(&inPlace[0], inPlace.size()));
    EXPECT_EQ(c.text, inPlace);
    EXPECT_EQ(c.file, NTTextFile::Encode(text.data(), text.size(), c.lineEnd));
}

INSTANTIATE_TEST_SUITE_P(Files, TextFileLines, ::testing::Values(
    LineCase{"alpha\r\nbeta\r\n", "alpha\nbeta\n", NTTextFile::kCRLF},
    LineCase{"one\ntwo\n", "one\ntwo\n", NTTextFile::kLF},
    LineCase{"old\rmac\r", "old\nmac\n", NTTextFile::kCR},
    LineCase{"no line end", "no line end", NTTextFile::kCRLF},
    LineCase{"", "", NTTextFile::kCRLF},
    LineCase{"\r\n\r\n", "\n\n", NTTextFile::kCRLF},
    LineCase{"last line open\r\nhere", "last line open\nhere", NTTextFile::kCRLF}));

TEST(TextFile, MixedLineEndsReadAsOneEachAndWriteAsTheFirstLine)
{
    std::string file = "a\r\nb\nc\rd";
    std::string text = NTTextFile::Decode(file.data(), file.size());
    EXPECT_EQ("a\nb\nc\nd", text);
    EXPECT_EQ(NTTextFile::kCRLF, NTTextFile::FindLineEnd(file.data(), file.size()));
    EXPECT_EQ("a\r\nb\r\nc\r\nd", NTTextFile::Encode(text.data(), text.size(), NTTextFile::kCRLF));
    // A CR that ends the bytes is a line end of its own, not half of a pair.
    std::string cut = "x\r";
    EXPECT_EQ("x\n", NTTextFile::Decode(cut.data(), cut.size()));
    EXPECT_EQ(NTTextFile::kCR, NTTextFile::FindLineEnd(cut.data(), cut.size()));
}

TEST(TextFile, AZeroByteAnywhereIsRefused)
{
    for (const std::string& file : {Bytes("\0", 1), Bytes("text\0more", 9), Bytes("end\0", 4)})
        EXPECT_EQ(NTTextFile::kZeroByte, NTTextFile::Check(file.data(), file.size()));
    std::string plain = "\x01\x7f\xff high and low bytes";
    EXPECT_EQ(NTTextFile::kHolds, NTTextFile::Check(plain.data(), plain.size()));
}

TEST(TextFile, MoreThanTheEngineOffsetsReachIsRefusedBeforeAnyByteIsRead)
{
    EXPECT_EQ(NTTextFile::kTooLarge, NTTextFile::Check(nullptr, NTTextFile::kMaxSize + 1));
    EXPECT_EQ(NTTextFile::kTooLarge, NTTextFile::Check(nullptr, uint64_t(1) << 32));
    EXPECT_EQ(NTTextFile::kHolds, NTTextFile::Check("", 0));
}

}  // namespace

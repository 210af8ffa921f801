#include <gtest/gtest.h>

#include <string>

#include "NTEncoding.h"
#include "NTTextFile.h"

namespace {

std::string B(const char* bytes, size_t size) { return std::string(bytes, size); }

// Each kind of file, what it is taken for, and the engine's text it gives.
struct Case {
    const char* what;
    std::string file;
    NTEncoding::Kind kind;
    std::string text;
};

std::string Decoded(const std::string& file, NTEncoding::Kind kind)
{
    if (kind == NTEncoding::kUtf16LE || kind == NTEncoding::kUtf16BE)
        return NTEncoding::DecodeUtf16(file.data(), file.size(), kind);
    std::string text = file;
    text.resize(NTEncoding::DecodeUtf8InPlace(&text[0], text.size(), kind));
    return text;
}

class EncodingFiles : public ::testing::TestWithParam<Case> {};

TEST_P(EncodingFiles, AreDetectedDecodedAndWrittenBackByteForByte)
{
    const Case& c = GetParam();
    ASSERT_EQ(c.kind, NTEncoding::Detect(c.file.data(), c.file.size())) << c.what;
    if (c.kind == NTEncoding::kAnsi)
        return;
    std::string text = Decoded(c.file, c.kind);
    EXPECT_EQ(c.text, text) << c.what;
    EXPECT_EQ(c.file, NTEncoding::Encode(text.data(), text.size(), c.kind)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Kinds, EncodingFiles, ::testing::Values(
    Case{"empty", "", NTEncoding::kUtf8, ""},
    Case{"ASCII", "plain text\r\n", NTEncoding::kUtf8, "plain text\r\n"},
    Case{"UTF-8 of every length", "caf\xC3\xA9 \xE2\x98\x95 \xF0\x9F\x98\x80", NTEncoding::kUtf8,
         "caf\xC3\xA9 \xE2\x98\x95 \xF0\x9F\x98\x80"},
    Case{"UTF-8 mark alone", "\xEF\xBB\xBF", NTEncoding::kUtf8Bom, ""},
    Case{"UTF-8 with its mark", "\xEF\xBB\xBF" "caf\xC3\xA9", NTEncoding::kUtf8Bom, "caf\xC3\xA9"},
    Case{"a second mark stays text", "\xEF\xBB\xBF\xEF\xBB\xBFx", NTEncoding::kUtf8Bom, "\xEF\xBB\xBFx"},
    Case{"UTF-16 LE mark alone", "\xFF\xFE", NTEncoding::kUtf16LE, ""},
    Case{"UTF-16 LE", B("\xFF\xFE" "c\0\xE9\0\x15\x26\x3D\xD8\x00\xDE", 12), NTEncoding::kUtf16LE,
         "c\xC3\xA9\xE2\x98\x95\xF0\x9F\x98\x80"},
    Case{"UTF-16 BE", B("\xFE\xFF\0c\0\xE9\x26\x15\xD8\x3D\xDE\x00", 12), NTEncoding::kUtf16BE,
         "c\xC3\xA9\xE2\x98\x95\xF0\x9F\x98\x80"},
    Case{"UTF-16 LE Japanese with CR LF", B("\xFF\xFE\xE5\x65\x2C\x67\r\0\n\0", 10), NTEncoding::kUtf16LE,
         "\xE6\x97\xA5\xE6\x9C\xAC\r\n"},
    Case{"Latin-1 bytes", "caf\xE9", NTEncoding::kAnsi, ""},
    Case{"Shift JIS bytes", "\x93\xFA\x96\x7B", NTEncoding::kAnsi, ""},
    Case{"UTF-8 mark before bytes that are not UTF-8", "\xEF\xBB\xBF" "caf\xE9", NTEncoding::kAnsi, ""},
    Case{"UTF-8 cut inside a character", "caf\xC3", NTEncoding::kAnsi, ""},
    Case{"overlong UTF-8", "\xC0\xAF", NTEncoding::kAnsi, ""},
    Case{"UTF-8 of a surrogate", "\xED\xA0\x80", NTEncoding::kAnsi, ""},
    Case{"UTF-16 LE mark before an odd byte", B("\xFF\xFE" "a\0b", 5), NTEncoding::kAnsi, ""},
    Case{"UTF-16 LE lone high surrogate at the end", B("\xFF\xFE" "a\0\x3D\xD8", 6), NTEncoding::kAnsi, ""},
    Case{"UTF-16 BE lone low surrogate", B("\xFE\xFF\xDE\x00\0a", 6), NTEncoding::kAnsi, ""},
    Case{"UTF-16 LE high surrogate before a letter", B("\xFF\xFE\x3D\xD8" "a\0", 6), NTEncoding::kAnsi, ""}));

TEST(Encoding, ANewDocumentAndEveryUnicodeKindHoldEveryCharacter)
{
    std::string text = "na\xC3\xAFve \xE2\x98\x95 \xCE\xA9mega \xE6\x97\xA5\xE6\x9C\xAC "
                       "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD";
    for (NTEncoding::Kind kind : {NTEncoding::kUtf8, NTEncoding::kUtf8Bom, NTEncoding::kUtf16LE,
                                  NTEncoding::kUtf16BE}) {
        std::string file = NTEncoding::Encode(text.data(), text.size(), kind);
        EXPECT_EQ(kind, NTEncoding::Detect(file.data(), file.size())) << NTEncoding::Name(kind);
        EXPECT_EQ(text, Decoded(file, kind)) << NTEncoding::Name(kind);
    }
}

TEST(Encoding, UnicodeZeroUnitsReachTheZeroByteRefusal)
{
    // The file's zeros are UTF-16's high bytes, not the text's; a U+0000
    // character is one the engine cannot hold.
    std::string wide = B("\xFF\xFE" "a\0b\0", 6);
    std::string text = NTEncoding::DecodeUtf16(wide.data(), wide.size(), NTEncoding::kUtf16LE);
    EXPECT_EQ(NTTextFile::kHolds, NTTextFile::Check(text.data(), text.size()));
    std::string zero = B("\xFF\xFE" "a\0\0\0", 6);
    text = NTEncoding::DecodeUtf16(zero.data(), zero.size(), NTEncoding::kUtf16LE);
    EXPECT_EQ(NTTextFile::kZeroByte, NTTextFile::Check(text.data(), text.size()));
}

TEST(Encoding, TheUserSeesEachKindByName)
{
    EXPECT_STREQ("UTF-8", NTEncoding::Name(NTEncoding::kUtf8));
    EXPECT_STREQ("UTF-8 BOM", NTEncoding::Name(NTEncoding::kUtf8Bom));
    EXPECT_STREQ("UTF-16 LE", NTEncoding::Name(NTEncoding::kUtf16LE));
    EXPECT_STREQ("UTF-16 BE", NTEncoding::Name(NTEncoding::kUtf16BE));
    EXPECT_STREQ("ANSI", NTEncoding::Name(NTEncoding::kAnsi));
}

}  // namespace

// The message catalogue read as text: its codes must be distinct, and every
// code that the framework, the launcher or the benchmarks send or handle by
// literal must be one of them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/XGTypes.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = KEBO_SOURCE_DIR;

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Comments are blanked so that a code quoted in prose is neither counted nor
// taken for a use; string and character literals are kept whole.
std::string WithoutComments(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "//") == 0) {
            while (i < text.size() && text[i] != '\n')
                ++i;
        } else if (text.compare(i, 2, "/*") == 0) {
            size_t end = text.find("*/", i + 2);
            i = end == std::string::npos ? text.size() : end + 2;
            out += ' ';
        } else if (text[i] == '"' || text[i] == '\'') {
            const char quote = text[i];
            out += text[i++];
            while (i < text.size() && text[i] != quote && text[i] != '\n') {
                if (text[i] == '\\' && i + 1 < text.size())
                    out += text[i++];
                out += text[i++];
            }
            if (i < text.size())
                out += text[i++];
        } else {
            out += text[i++];
        }
    }
    return out;
}

struct Entry {
    std::string name;
    std::string code;
};

std::vector<Entry> Catalogue()
{
    const std::string text =
        WithoutComments(ReadFile(kSourceDir / "framework/dispatch/XGMessages.h"));
    static const std::regex entry(R"re((\w+)\s*=\s*XGCode\("([^"]*)"\))re");
    std::vector<Entry> entries;
    for (std::sregex_iterator it(text.begin(), text.end(), entry), end; it != end; ++it)
        entries.push_back({(*it)[1], (*it)[2]});
    return entries;
}

TEST(MessageCatalogue, EveryConstantIsAKMsgNameWithFourPrintableCharacters)
{
    const std::vector<Entry> entries = Catalogue();
    ASSERT_GT(entries.size(), 20u);
    for (const Entry& entry : entries) {
        EXPECT_EQ(entry.name.rfind("kMsg", 0), 0u) << entry.name;
        ASSERT_EQ(entry.code.size(), 4u) << entry.name;
        for (char c : entry.code)
            EXPECT_TRUE(c > ' ' && c < 0x7F) << entry.name << " '" << entry.code << "'";
    }
}

TEST(MessageCatalogue, NoTwoConstantsShareACode)
{
    std::map<std::string, std::string> owner;
    for (const Entry& entry : Catalogue()) {
        auto [it, fresh] = owner.emplace(entry.code, entry.name);
        EXPECT_TRUE(fresh) << "'" << entry.code << "' is both " << it->second << " and "
                           << entry.name;
    }
}

// A code written as a literal where a message is sent or handled must be
// catalogued, so that its contract is written down before anyone relies on it.
TEST(MessageCatalogue, EveryCodeSentOrHandledByLiteralIsCatalogued)
{
    std::map<std::string, std::string> known;
    for (const Entry& entry : Catalogue())
        known.emplace(entry.code, entry.name);

    static const std::regex site(
        R"(\b(?:XG_ON|DoDispatch|SendDispatch|SendBroadcast|SendMessageA|Notify|SendDocument)\s*\(\s*'([^'\\]{4})'|\bmsg\s*[!=]=\s*'([^'\\]{4})')");
    for (const char* folder : {"framework", "app", "bench", "samples"}) {
        if (!fs::exists(kSourceDir / folder))
            continue;
        for (const auto& file : fs::recursive_directory_iterator(kSourceDir / folder)) {
            const std::string ext = file.path().extension().string();
            if (ext != ".cpp" && ext != ".h")
                continue;
            const std::string text = WithoutComments(ReadFile(file.path()));
            for (std::sregex_iterator it(text.begin(), text.end(), site), end; it != end; ++it) {
                const std::string code = (*it)[1].matched ? (*it)[1] : (*it)[2];
                EXPECT_TRUE(known.count(code))
                    << "'" << code << "' in " << fs::relative(file.path(), kSourceDir)
                    << " is not in dispatch/XGMessages.h";
            }
        }
    }
    // The walk reached the sources (nothing is checked when it finds none).
    EXPECT_TRUE(fs::exists(kSourceDir / "framework/core/XGAppCore.cpp"));
}

// The catalogue writes its codes through XGCode, so that it compiles without
// -Wmultichar warnings; the values stay those of the literals.
TEST(MessageCatalogue, XGCodeGivesTheValueOfTheFourCharacterLiteral)
{
    const struct {
        long code;
        long literal;
    } cases[] = {
        {XGCode("keye"), 'keye'},
        {XGCode("QTIn"), 'QTIn'},
        {XGCode("a b1"), 'a b1'},
        {XGCode("~~~~"), '~~~~'},
        {XGCode("\x01\x02\x03\x04"), '\x01\x02\x03\x04'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.literal, c.code) << std::hex << c.literal;
    static_assert(XGCode("menu") == 'menu', "usable in constant expressions");
}

} // namespace

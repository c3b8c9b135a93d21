#include "PgnTestFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
const char* KindName(PgnToken kind)
{
    static const char* const names[] = {
        "String",      "Integer",      "Period", "Asterisk", "LeftParenthesis", "RightParenthesis",
        "LeftBracket", "RightBracket", "Escape", "Nag",      "Symbol",          "EndOfFile"};
    return names[static_cast<int>(kind)];
}

// The tokens of the bytes up to the end of input, each as "Kind" or "Kind:text" for the kinds
// that set m_Token; with positions, each is followed by "@line:column" of the look-ahead.
std::vector<std::string> Tokens(const std::string& bytes, bool positions = false)
{
    const CPgnTestFile file(bytes);
    CPgnReader reader(file.Name());
    std::vector<std::string> tokens;
    for (PgnToken kind = reader.NextToken(); kind != PgnToken::EndOfFile; kind = reader.NextToken())
    {
        std::string token = KindName(kind);
        if (kind == PgnToken::String || kind == PgnToken::Integer || kind == PgnToken::Nag ||
            kind == PgnToken::Symbol)
            token += ":" + reader.m_Token;
        if (positions)
            token += "@" + std::to_string(reader.m_Line) + ":" + std::to_string(reader.m_Column);
        tokens.push_back(token);
        if (tokens.size() > 100)
            break; // a tokenizer that stops advancing must fail here, not hang
    }
    // Once at the end, the reader stays there.
    EXPECT_EQ(reader.NextToken(), PgnToken::EndOfFile);
    EXPECT_TRUE(reader.IsOk());
    return tokens;
}

using Expected = std::vector<std::string>;
} // namespace

TEST(PgnReader, EmptyFileOpensAndStaysAtTheEnd)
{
    const CPgnTestFile file("");
    ::testing::internal::CaptureStderr();
    CPgnReader reader(file.Name());
    EXPECT_TRUE(reader.IsOpen());
    EXPECT_TRUE(reader.IsOk());
    for (int call = 0; call < 3; ++call)
        EXPECT_EQ(reader.NextToken(), PgnToken::EndOfFile);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

TEST(PgnReader, MissingFileOrFolderIsReportedAtLineOneCharZero)
{
    const auto folder = std::filesystem::temp_directory_path();
    const std::vector<std::string> names = {(folder / "vantor-no-such-dir/in.pgn").string(),
                                            folder.string()};
    for (const std::string& name : names)
    {
        SCOPED_TRACE(name);
        ::testing::internal::CaptureStderr();
        CPgnReader reader(name.c_str());
        EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                  "info string PGN-Parser: file " + name + " line 1 char 0: Cannot open file\n");
        EXPECT_FALSE(reader.IsOpen());
        EXPECT_FALSE(reader.IsOk());
        // A caller that reads anyway gets nothing rather than garbage.
        EXPECT_EQ(reader.NextToken(), PgnToken::EndOfFile);
    }
}

TEST(PgnReader, ErrorPrintsThePositionOfTheLookAheadAndTheExtraText)
{
    const CPgnTestFile file("\"abc\" x");
    CPgnReader reader(file.Name());
    ASSERT_EQ(reader.NextToken(), PgnToken::String);
    ::testing::internal::CaptureStderr();
    reader.Error("first ", "abc");
    reader.Error("second");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "info string PGN-Parser: file " + std::string(file.Name()) +
                  " line 1 char 6: first abc\n" + "info string PGN-Parser: file " + file.Name() +
                  " line 1 char 6: second\n");
    EXPECT_FALSE(reader.IsOk());
}

TEST(PgnReader, PositionsCountBytesAndLineFeedsAreColumnZero)
{
    // A tab and a carriage return are one column each; the line feed belongs to the next line.
    EXPECT_EQ(Tokens("a\tbc\r\nd", true),
              (Expected{"Symbol:a@1:2", "Symbol:bc@1:5", "Symbol:d@2:2"}));
    // The read that meets the end of input advances the column too.
    EXPECT_EQ(Tokens("\n\n  xyz", true), (Expected{"Symbol:xyz@3:6"}));
    EXPECT_EQ(Tokens("x\n", true), (Expected{"Symbol:x@2:0"}));

    const CPgnTestFile first("e4");
    const CPgnReader atFirst(first.Name());
    EXPECT_EQ(atFirst.m_Line, 1);
    EXPECT_EQ(atFirst.m_Column, 1);
    EXPECT_EQ(atFirst.m_Current, 'e');
    const CPgnTestFile lineFeed("\ne4");
    const CPgnReader atLineFeed(lineFeed.Name());
    EXPECT_EQ(atLineFeed.m_Line, 2);
    EXPECT_EQ(atLineFeed.m_Column, 0);
}

TEST(PgnReader, SymbolsIntegersAndSingleCharacterTokens)
{
    EXPECT_EQ(Tokens("12. 12a 3... 1/2-1/2 e8=Q+ O-O-O Nbd7# a_b:c"),
              (Expected{"Integer:12", "Period", "Symbol:12a", "Integer:3", "Period", "Period",
                        "Period", "Symbol:1/2-1/2", "Symbol:e8=Q+", "Symbol:O-O-O", "Symbol:Nbd7#",
                        "Symbol:a_b:c"}));
    EXPECT_EQ(Tokens("*()[]1-0*"),
              (Expected{"Asterisk", "LeftParenthesis", "RightParenthesis", "LeftBracket",
                        "RightBracket", "Symbol:1-0", "Asterisk"}));
    // Characters without a role start a symbol, which only letters, digits and _+#=:-/ go on.
    EXPECT_EQ(Tokens("e4!? <x> } Z0 -"),
              (Expected{"Symbol:e4", "Symbol:!", "Symbol:?", "Symbol:<x", "Symbol:>", "Symbol:}",
                        "Symbol:Z0", "Symbol:-"}));
}

TEST(PgnReader, BytesOutsideAsciiAndNulAreOrdinarySymbolCharacters)
{
    // A real 0xFF byte is not the end of input; no high byte is white space or a letter.
    EXPECT_EQ(Tokens("a\xFFz \xA0x\xC3\xA9"),
              (Expected{"Symbol:a", "Symbol:\xFFz", "Symbol:\xA0x", "Symbol:\xC3", "Symbol:\xA9"}));
    EXPECT_EQ(Tokens("\"a\xFFz\" {\xFF} ;\xFF\n c"), (Expected{"String:a\xFFz", "Symbol:c"}));
    EXPECT_EQ(Tokens(std::string("a\0b", 3)),
              (Expected{"Symbol:a", "Symbol:" + std::string("\0b", 2)}));
    // Vertical tab and form feed are white space in the C locale.
    EXPECT_EQ(Tokens("a\vb\fc"), (Expected{"Symbol:a", "Symbol:b", "Symbol:c"}));
}

TEST(PgnReader, PercentIsAnEscapeOnlyInColumnOne)
{
    EXPECT_EQ(Tokens("%new", true), (Expected{"Escape@1:2", "Symbol:new@1:5"}));
    EXPECT_EQ(Tokens(" %new x%y"), (Expected{"Symbol:%new", "Symbol:x", "Symbol:%y"}));
    EXPECT_EQ(Tokens("a\r\n%b"), (Expected{"Symbol:a", "Escape", "Symbol:b"}));
    // A carriage return of its own is a column, so the % behind it stands in column 2.
    EXPECT_EQ(Tokens("\r%b"), (Expected{"Symbol:%b"}));
}

TEST(PgnReader, CommentsEndAtLineEndOrFirstClosingBraceAndDoNotNest)
{
    EXPECT_EQ(Tokens("e4;c { d\ne5{x\n;y\n}e6"), (Expected{"Symbol:e4", "Symbol:e5", "Symbol:e6"}));
    EXPECT_EQ(Tokens("{ a { b } c }"), (Expected{"Symbol:c", "Symbol:}"}));
    EXPECT_EQ(Tokens("{a}{b};c\n{d}x", true), (Expected{"Symbol:x@2:5"}));
    EXPECT_EQ(Tokens("\"{x};y\""), (Expected{"String:{x};y"}));
    // Unterminated comments end silently with the input.
    EXPECT_EQ(Tokens("e4 { open"), (Expected{"Symbol:e4"}));
    EXPECT_EQ(Tokens("e4 ; open"), (Expected{"Symbol:e4"}));
    EXPECT_EQ(Tokens("e4 {}"), (Expected{"Symbol:e4"}));
}

TEST(PgnReader, StringsResolveBackslashesAndKeepLineFeeds)
{
    EXPECT_EQ(Tokens(R"("a\"b\\c\d" x)", true),
              (Expected{"String:a\"b\\cd@1:12", "Symbol:x@1:14"}));
    EXPECT_EQ(Tokens("\"two\nlines\"!", true), (Expected{"String:two\nlines@2:7", "Symbol:!@2:8"}));
    EXPECT_EQ(Tokens("\"\"x"), (Expected{"String:", "Symbol:x"}));
    // Unterminated strings deliver what was read; a backslash keeps the closing mark literal.
    EXPECT_EQ(Tokens("\"abc\n"), (Expected{"String:abc\n"}));
    EXPECT_EQ(Tokens(R"("abc\")"), (Expected{"String:abc\""}));
    EXPECT_EQ(Tokens("\"abc\\"), (Expected{"String:abc"}));
}

TEST(PgnReader, NagTakesOnlyTheDigitsAfterTheDollar)
{
    EXPECT_EQ(Tokens("$12 $ x $3a$"),
              (Expected{"Nag:12", "Nag:", "Symbol:x", "Nag:3", "Symbol:a", "Nag:"}));
}

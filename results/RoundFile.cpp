#include "results/RoundFile.h"

#include "output/WriteRound.h"
#include "pgn/CharacterClasses.h"
#include "pgn/PgnReader.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <string_view>

namespace
{
// The tags a rewrite writes anew: those of the board and the program's own.
bool IsBoardTag(std::string_view name)
{
    static constexpr std::array<std::string_view, 12> Names{
        "White",    "WhiteElo",     "Black",          "BlackElo",     "Round",          "Result",
        ForfeitTag, PairedWhiteTag, "PairedWhiteElo", PairedBlackTag, "PairedBlackElo", ByeTag};
    return std::find(Names.begin(), Names.end(), name) != Names.end();
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();)
    {
        const std::size_t end = std::min(text.find('\n', start), text.size() - 1) + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string_view LineEnd(std::string_view line)
{
    if (line.ends_with("\r\n"))
        return "\r\n";
    return line.ends_with('\n') ? "\n" : "";
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsWhiteSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsWhiteSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

enum class ELineKind
{
    Other,
    Tag,
    Unreadable, // holds a bracket but is not one tag pair
};

// A line that holds exactly one tag pair, [Name "value"], and gives its name.
ELineKind ReadTagLine(std::string_view line, std::string& name)
{
    line = Trimmed(line);
    // A tag pair behind other text still counts for the reader, and a rewrite would miss it.
    if (!line.starts_with('['))
        return line.find('[') == std::string_view::npos ? ELineKind::Other : ELineKind::Unreadable;
    std::size_t at = 1;
    while (at < line.size() && (IsLetter(line[at]) || IsDigit(line[at]) || line[at] == '_'))
        ++at;
    name = std::string(line.substr(1, at - 1));
    if (name.empty() || line.substr(at, 2) != " \"")
        return ELineKind::Unreadable;
    for (at += 2; at < line.size() && line[at] != '"'; ++at)
        if (line[at] == '\\')
            ++at;
    return at + 2 == line.size() && line.ends_with("\"]") ? ELineKind::Tag : ELineKind::Unreadable;
}

std::string TagLines(const CTagList& tags, std::string_view lineEnd)
{
    std::ostringstream text;
    for (const auto& [name, value] : tags)
        WriteTag(text, name, value);
    std::string lines = text.str();
    if (lineEnd != "\n")
        for (std::size_t at = lines.find('\n'); at != std::string::npos;
             at = lines.find('\n', at + lineEnd.size()))
            lines.replace(at, 1, lineEnd);
    return lines;
}

// The marker line with its last token, the old marker, replaced.
bool ReplaceMarker(std::string& line, const std::string& oldMarker, const std::string& newMarker)
{
    const std::string_view end = LineEnd(line);
    std::string_view content(line.data(), line.size() - end.size());
    while (!content.empty() && IsWhiteSpace(content.back()))
        content.remove_suffix(1);
    if (!content.ends_with(oldMarker))
        return false;
    const std::size_t at = content.size() - oldMarker.size();
    if (at > 0 && !IsWhiteSpace(content[at - 1]))
        return false;
    line.replace(at, oldMarker.size(), newMarker);
    return true;
}
} // namespace

bool CRoundFile::Read(const std::string& name)
{
    CPgnReader reader(name.c_str());
    CPgnGame record;
    while (reader.IsOpen() && reader.ReadGame(record))
    {
        if (record.contains("%"))
            continue;
        CRoundBoard board;
        std::string ignored;
        board.m_Record = DecodeBoard(record, ignored);
        board.m_Round = TagValue(record, "Round");
        board.m_Board = BoardNumber(board.m_Round);
        board.m_FirstLine = reader.RecordLine();
        // The marker is behind: on the line before when its line end is current.
        board.m_LastLine = reader.m_Column == 0 ? reader.m_Line - 1 : reader.m_Line;
        m_Boards.push_back(std::move(board));
    }
    if (!reader.IsOpen() || !reader.IsOk())
        return false;
    std::ifstream file(name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    m_Lines = SplitLines(text.str());
    return true;
}

std::vector<const CRoundBoard*> CRoundFile::FindBoards(int number) const
{
    std::vector<const CRoundBoard*> found;
    for (const CRoundBoard& board : m_Boards)
        if (board.m_Board == number)
            found.push_back(&board);
    return found;
}

bool CRoundFile::Rewrite(const CRoundBoard& board, const CBoardRecord& now, std::string& reason)
{
    const auto first = static_cast<std::size_t>(board.m_FirstLine - 1);
    const auto last = static_cast<std::size_t>(board.m_LastLine - 1);
    reason = "its lines are not one tag a line with the result ending the last, as the pairing "
             "writes them (lines " +
             std::to_string(board.m_FirstLine) + " to " + std::to_string(board.m_LastLine) +
             "); enter it by hand";
    if (board.m_FirstLine < 1 || last >= m_Lines.size() || last <= first)
        return false;
    CRewrite rewrite{board.m_LastLine, {}};
    bool written = false;
    for (std::size_t line = first; line < last; ++line)
    {
        std::string name;
        const ELineKind kind = ReadTagLine(m_Lines[line], name);
        if (kind == ELineKind::Unreadable)
            return false;
        if (kind == ELineKind::Other || !IsBoardTag(name))
            rewrite.m_Lines.push_back(m_Lines[line]);
        else if (!written)
        {
            rewrite.m_Lines.push_back(
                TagLines(EncodeBoard(now, board.m_Round), LineEnd(m_Lines[line])));
            written = true;
        }
    }
    std::string markerLine = m_Lines[last];
    std::string name;
    if (!written || ReadTagLine(markerLine, name) != ELineKind::Other ||
        !ReplaceMarker(markerLine, ResultMarker(board.m_Record.m_Result),
                       ResultMarker(now.m_Result)))
        return false;
    rewrite.m_Lines.push_back(std::move(markerLine));
    m_Rewrites[board.m_FirstLine] = std::move(rewrite);
    reason.clear();
    return true;
}

std::string CRoundFile::Text() const
{
    std::string text;
    for (std::size_t line = 0; line < m_Lines.size(); ++line)
    {
        const auto rewrite = m_Rewrites.find(static_cast<std::int32_t>(line + 1));
        if (rewrite == m_Rewrites.end())
        {
            text += m_Lines[line];
            continue;
        }
        for (const std::string& written : rewrite->second.m_Lines)
            text += written;
        line = static_cast<std::size_t>(rewrite->second.m_LastLine - 1);
    }
    return text;
}

#include "tournament/TournamentReading.h"

#include "tournament/CloseName.h"
#include "tournament/ReadNumber.h"
#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <string>

// The warnings about what looks like a director's slip in a game: they are printed through the
// reader and change nothing of what is read.

namespace
{
// A round as the program writes it, "6" or "6.3" (round and board).
bool IsRoundForm(const std::string& text)
{
    const std::size_t dot = text.find('.');
    return IsWholeInteger(text.substr(0, dot)) &&
           (dot == std::string::npos || IsWholeInteger(text.substr(dot + 1)));
}
} // namespace

// Called only for a value that is not wholly a number: every game has several, so nothing is
// spelt out for the others.
void CTournamentReading::WarnNotWhole(const std::string& what, const std::string& text,
                                      const std::string& readAs, std::int32_t line)
{
    m_Reader.Warn(line, what + " " + Quoted(text) + " does not read wholly as a number: read as " +
                            readAs);
}

// A name close to the culprit is looked for only when the warning is printed.
void CTournamentReading::WarnNaming(std::int32_t line, const std::string& message,
                                    const std::string& name)
{
    const bool shown = m_Reader.NextWarningIsShown();
    m_Reader.Warn(line, message + (shown ? DidYouMean(FindCloseName(m_Tournament, name)) : ""));
}

void CTournamentReading::WarnAboutRound(const std::string& text, int round)
{
    const std::int32_t line = m_Reader.TagLine("Round");
    if (!IsUnknownValue(text) && !IsRoundForm(text))
        WarnNotWhole("Round", text, std::to_string(round), line);
    if (round > m_LatestRound + 1)
        m_Reader.Warn(line, "round " + std::to_string(round) +
                                " lies more than one round beyond the latest round read so far, " +
                                std::to_string(m_LatestRound));
}

// A game that repeats an earlier pairing, or fills a round that already holds a game.
void CTournamentReading::WarnAboutMeeting(int white, int black, int round)
{
    const std::int32_t line = m_Reader.RecordLine();
    if (white == black)
    {
        m_Reader.Warn(line, Quoted(NameOf(white)) + " is named as both White and Black");
        return;
    }
    WarnAboutSecondGame(white, black, round);
    WarnAboutSecondGame(black, white, round);
    if (white < FirstParticipant || black < FirstParticipant)
        return;
    const std::vector<CRoundEntry>& history = HistoryOf(white);
    for (std::size_t entry = 0; entry < history.size(); ++entry)
        if (history[entry].m_Opponent == black && static_cast<int>(entry) + 1 != round)
        {
            m_Reader.Warn(line, Quoted(NameOf(white)) + " and " + Quoted(NameOf(black)) +
                                    " meet again: they met in round " + std::to_string(entry + 1));
            return;
        }
}

void CTournamentReading::WarnAboutSecondGame(int player, int opponent, int round)
{
    if (player == ByeRecord || round == 0)
        return;
    const std::int32_t earlier = GameLine(player, round);
    if (earlier == 0)
        return;
    m_Reader.Warn(m_Reader.RecordLine(), Quoted(NameOf(player)) + " has two games in round " +
                                             std::to_string(round) + " (lines " +
                                             std::to_string(earlier) + " and " +
                                             std::to_string(m_Reader.RecordLine()) +
                                             FateOfTwoGames(player, opponent, round));
}

// The later game replaces the earlier one in the player's record only: the earlier opponent's
// record may still hold it, and then it counts for him (the reports show it as one-sided).
std::string CTournamentReading::FateOfTwoGames(int player, int opponent, int round)
{
    const int earlier = EntryOfRound(Record(player), round).m_Opponent;
    if (earlier == opponent)
        return "), both against " + Quoted(NameOf(opponent)) + ": the later one counts";
    const std::string later = "): the later one, against " + Quoted(NameOf(opponent)) + ", counts";
    if (earlier == ByeRecord)
        return later + "; the earlier one, a bye, counts no more";
    if (earlier < FirstParticipant)
        return later;
    const std::string forPlayer = later + " for " + Quoted(NameOf(player));
    if (earlier != player && EntryOfRound(Record(earlier), round).m_Opponent == player)
        return forPlayer + "; the earlier one still counts for " + Quoted(NameOf(earlier));
    return forPlayer + "; the earlier one, against " + Quoted(NameOf(earlier)) +
           ", counts for nobody";
}

// One who did not come has no game in that round: a game of his in it, before or after, is the
// one that counts. False when he has one already.
bool CTournamentReading::IsFreeForAbsentee(int player, int round)
{
    std::int32_t& line = GameLine(player, round);
    if (line == 0)
    {
        line = m_Reader.RecordLine();
        return true;
    }
    m_Reader.Warn(m_Reader.RecordLine(),
                  Quoted(NameOf(player)) + " did not come to a board of round " +
                      std::to_string(round) + ", and has a game in it (line " +
                      std::to_string(line) + "): the game counts");
    return false;
}

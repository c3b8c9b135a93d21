#include "tournament/TournamentReading.h"

#include "pgn/NumberList.h"
#include "tournament/CloseName.h"
#include "tournament/ReservedRecords.h"
#include "tournament/RoundOutcome.h"

#include <algorithm>
#include <string>

// The rounds as a whole, once the file is read: the games left at * and the rounds with too few
// boards, which are slips; and the byes requested with %bye, which the round to be paired next
// gives.

namespace
{
// "1/2", "1" and "0", in half points; -1 for anything else.
int RequestedPoints(const std::string* result)
{
    if (result == nullptr)
        return -1;
    if (*result == "1/2")
        return 1;
    return *result == "1" ? 2 : (*result == "0" ? 0 : -1);
}
} // namespace

void CTournamentReading::CountBoard(int round, const CBoardRecord& board)
{
    if (round == 0)
        return;
    CRoundSeen& seen = m_Rounds[round];
    if (seen.m_Boards++ == 0)
    {
        seen.m_FirstLine = m_Reader.RecordLine();
        seen.m_Present = m_Tournament.PresentCount();
    }
    if (board.m_Result == EBoardResult::Unplayed)
        seen.m_LeftUnplayed.push_back(m_Reader.TagLine("Result"));
}

void CTournamentReading::FinishRounds()
{
    for (const auto& [round, seen] : m_Rounds)
        WarnAboutRound(round);
    SettleRequestedByes();
}

// A game left at * counts for nobody: a result forgotten, or a round appended before its results
// were entered. A round with fewer boards than half of those present when it began was appended
// in part, or is a game typed for a later round.
void CTournamentReading::WarnAboutRound(int round)
{
    const CRoundSeen& seen = m_Rounds[round];
    const std::string name = "round " + std::to_string(round);
    if (const std::size_t count = seen.m_LeftUnplayed.size(); count > 0)
        m_Reader.Warn(seen.m_LeftUnplayed.front(),
                      name + " has " + std::to_string(count) + (count == 1 ? " game" : " games") +
                          " left at * (" + NumberList("line", seen.m_LeftUnplayed) +
                          "), which count for nobody: enter the results, or a forfeit where a "
                          "game was not played");
    if (2 * seen.m_Boards < seen.m_Present)
        m_Reader.Warn(seen.m_FirstLine,
                      name + " has " + std::to_string(seen.m_Boards) +
                          (seen.m_Boards == 1 ? " board" : " boards") + " for " +
                          std::to_string(seen.m_Present) +
                          " participants present: a round appended in part, or a game typed "
                          "for a later round?");
}

// A bye asked for the round after the latest one read: it is the next round's when no game of a
// later round follows. A %bye naming nobody, or an absent participant, gives none.
void CTournamentReading::RequestBye(const std::string& name, const std::string* result)
{
    const std::int32_t line = m_Reader.RecordLine();
    const std::string command = "%bye " + Quoted(name);
    const auto known = m_Tournament.m_Index.find(name);
    if (known == m_Tournament.m_Index.end() || known->second < FirstParticipant)
        return WarnNaming(line, command + " names no participant: no bye is given", name);
    if (Record(known->second).m_Absent)
        return m_Reader.Warn(line, command + ": the participant is absent, so no bye is given");
    const int points = RequestedPoints(result);
    if (points < 0)
        return m_Reader.Warn(line, command + " needs the bye's result, \"1/2\", \"1\" or \"0\", as "
                                             "its second argument: no bye is given");
    m_ByeRequests.push_back({{known->second, points}, m_LatestRound + 1, line});
}

// The requests for the round to be paired next go to the tournament, the last one of each
// participant counting; one for a round read since must have its board there.
void CTournamentReading::SettleRequestedByes()
{
    std::vector<CRequestedBye>& pending = m_Tournament.m_RequestedByes;
    for (const CByeRequest& request : m_ByeRequests)
    {
        const int participant = request.m_Bye.m_Participant;
        if (request.m_Round > m_LatestRound)
        {
            std::erase_if(pending, [&](const CRequestedBye& bye)
                          { return bye.m_Participant == participant; });
            if (!Record(participant).m_Absent)
                pending.push_back(request.m_Bye);
            continue;
        }
        if (RoundOutcome(Record(participant), request.m_Round).m_Kind != ERoundKind::RequestedBye)
            m_Reader.Warn(request.m_Line,
                          "%bye " + Quoted(NameOf(participant)) + " asks a bye in round " +
                              std::to_string(request.m_Round) +
                              ", which holds none of his: a %bye belongs after the round before "
                              "it is appended");
    }
}

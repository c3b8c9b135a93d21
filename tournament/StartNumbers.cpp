#include "tournament/StartNumbers.h"

#include "tournament/CloseName.h"
#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <algorithm>
#include <tuple>

namespace
{
// The surname and the rest of a name, each folded, then the name itself.
struct CNameKey
{
    explicit CNameKey(const std::string& name) : m_Name(name)
    {
        const std::size_t comma = name.find(',');
        m_Surname = FoldName(name.substr(0, comma));
        if (comma != std::string::npos)
            m_Rest = FoldName(name.substr(comma + 1));
    }

    bool operator<(const CNameKey& other) const
    {
        return std::tie(m_Surname, m_Rest, m_Name) <
               std::tie(other.m_Surname, other.m_Rest, other.m_Name);
    }

    std::string m_Surname;
    std::string m_Rest;
    std::string m_Name;
};

struct CNumbered
{
    int m_Participant = 0;
    bool m_Late = false;
    std::int32_t m_Rating = 0;
    CNameKey m_Key;
};

CNumbered NumberedOf(const CVantor& tournament, int index)
{
    const CParticipant& participant = tournament.m_Participants[static_cast<std::size_t>(index)];
    const auto noted = static_cast<std::size_t>(index);
    if (noted >= tournament.m_Entries.size())
        return {index, false, participant.m_Elo, CNameKey(participant.m_Name)};
    const CEntry& entry = tournament.m_Entries[noted];
    const bool playedRoundOne = !participant.m_History.empty() &&
                                participant.m_History.front().m_Opponent != PlaceholderRecord;
    return {index, !entry.m_BeforeFirstGame && !playedRoundOne, entry.m_Rating,
            CNameKey(entry.m_Name)};
}

// Late entries after the others, in the order they joined; the others by rating, then by name.
bool IsNumberedBefore(const CNumbered& first, const CNumbered& second)
{
    if (first.m_Late != second.m_Late)
        return second.m_Late;
    if (first.m_Late)
        return first.m_Participant < second.m_Participant;
    if (first.m_Rating != second.m_Rating)
        return first.m_Rating > second.m_Rating;
    if (first.m_Key < second.m_Key || second.m_Key < first.m_Key)
        return first.m_Key < second.m_Key;
    return first.m_Participant < second.m_Participant;
}
} // namespace

bool ComesBeforeByName(const std::string& first, const std::string& second)
{
    return CNameKey(first) < CNameKey(second);
}

std::vector<int> StartNumbers(const CVantor& tournament)
{
    std::vector<CNumbered> participants;
    const auto count = static_cast<int>(tournament.m_Participants.size());
    for (int index = FirstParticipant; index < count; ++index)
        participants.push_back(NumberedOf(tournament, index));
    std::sort(participants.begin(), participants.end(), IsNumberedBefore);
    std::vector<int> numbers(tournament.m_Participants.size(), 0);
    for (std::size_t position = 0; position < participants.size(); ++position)
        numbers[static_cast<std::size_t>(participants[position].m_Participant)] =
            static_cast<int>(position) + 1;
    return numbers;
}

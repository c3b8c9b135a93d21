// Judges the pairing of the next round by the audit, with the default weights and with stricter
// colour settings: `vantor_quality [Colour3 ...]`. The tournaments' histories come from a simple
// pairer, so that the program is judged on rounds it did not shape.

#include "driver/ReadInput.h"
#include "reports/RoundAudit.h"
#include "search/Pair.h"
#include "support/SimulatedTournament.h"
#include "tournament/ReservedRecords.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
constexpr int Rounds = 9;
constexpr std::array<int, 3> FieldSizes{99, 299, 999};
constexpr std::array<std::uint32_t, 10> Seeds{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
constexpr std::array<double, 12> StrictSettings{50,  60,  65,  70,  75,  80,
                                                100, 150, 200, 300, 500, 1000};

struct CTournamentResult
{
    CAuditCounts m_History; // the rounds played
    CAuditCounts m_Next;
    int m_SameAsLastColour = 0; // participants given the colour of their last game
};

struct CSetting
{
    double m_Colour3 = 0.0;
    std::vector<CTournamentResult> m_Results; // one per field size and seed
};

int CountSameAsLastColour(const CVantor& tournament, const std::vector<CBoard>& boards)
{
    const auto colourOf = [&](int index)
    { return tournament.m_Participants[static_cast<std::size_t>(index)].m_LastColour; };
    int count = 0;
    for (const CBoard& board : boards)
        if (!board.IsBye())
            count +=
                (colourOf(board.m_White) == 1 ? 1 : 0) + (colourOf(board.m_Black) == 0 ? 1 : 0);
    return count;
}

CTournamentResult PairAndAudit(int players, std::uint32_t seed, double colour3)
{
    CVantor tournament;
    BuildFullHistory(tournament, players, Rounds, seed);
    tournament.m_Parameters.m_Seed = static_cast<std::int32_t>(seed);
    tournament.m_Parameters.m_Colour3 = colour3;
    std::string round;
    PairNextRound(tournament, round, Nowhere());

    CTournamentResult result;
    for (const CRoundAudit& audit : AuditTournament(tournament))
        (audit.m_Played ? result.m_History : result.m_Next) += audit.m_Counts;
    result.m_SameAsLastColour = CountSameAsLastColour(tournament, PairedBoards(tournament));
    return result;
}

CSetting PairAll(double colour3)
{
    CSetting setting{colour3, {}};
    for (const int players : FieldSizes)
        for (const std::uint32_t seed : Seeds)
            setting.m_Results.push_back(PairAndAudit(players, seed, colour3));
    return setting;
}

int Count(const CTournamentResult& result, EAuditEvent kind)
{
    return result.m_Next.Count(kind);
}

int TournamentsWithThirdColour(const CSetting& setting)
{
    return static_cast<int>(std::count_if(setting.m_Results.begin(), setting.m_Results.end(),
                                          [](const CTournamentResult& result)
                                          { return Count(result, EAuditEvent::ThirdColour) > 0; }));
}

// On how many tournaments the setting pairs more boards between different scores than the other.
int TournamentsWithMoreDifferentScores(const CSetting& setting, const CSetting& other)
{
    int count = 0;
    for (std::size_t k = 0; k < setting.m_Results.size(); ++k)
        count += Count(setting.m_Results[k], EAuditEvent::DifferentScores) >
                         Count(other.m_Results[k], EAuditEvent::DifferentScores)
                     ? 1
                     : 0;
    return count;
}

void PrintRow(const CSetting& setting, const CSetting& reference)
{
    CAuditCounts total;
    int sameAsLast = 0;
    for (const CTournamentResult& result : setting.m_Results)
    {
        total += result.m_Next;
        sameAsLast += result.m_SameAsLastColour;
    }
    std::printf("| %7g | %6d | %9d | %11d | %15d | %12d | %14d | %16d | %17d | %17g | %12d |\n",
                setting.m_Colour3, total.m_Boards, total.Count(EAuditEvent::Rematch),
                total.Count(EAuditEvent::SecondBye), total.Count(EAuditEvent::ColourImbalance),
                total.Count(EAuditEvent::ThirdColour), TournamentsWithThirdColour(setting),
                total.Count(EAuditEvent::DifferentScores),
                TournamentsWithMoreDifferentScores(setting, reference),
                total.m_ScoreDifferences / 2.0, sameAsLast);
}

void PrintHistories(const CSetting& reference)
{
    CAuditCounts total;
    for (const CTournamentResult& result : reference.m_Results)
        total += result.m_History;
    std::printf("Their histories: %d boards, %d rematches, %d second byes, %d colour differences "
                "beyond 2, %d third colours in a row, %d boards between different scores.\n\n",
                total.m_Boards, total.Count(EAuditEvent::Rematch),
                total.Count(EAuditEvent::SecondBye), total.Count(EAuditEvent::ColourImbalance),
                total.Count(EAuditEvent::ThirdColour), total.Count(EAuditEvent::DifferentScores));
}

// The smallest setting from which on no setting listed gives a third colour in a row on any
// tournament, and that, on none, pairs more boards between different scores than the default
// weights; 0 for none.
double SmallestStrict(const std::vector<CSetting>& settings, const CSetting& reference)
{
    auto strict = settings.end();
    while (strict != settings.begin() && TournamentsWithThirdColour(*(strict - 1)) == 0)
        --strict;
    for (; strict != settings.end(); ++strict)
        if (TournamentsWithMoreDifferentScores(*strict, reference) == 0)
            return strict->m_Colour3;
    return 0.0;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<double> values(StrictSettings.begin(), StrictSettings.end());
    if (argc > 1)
        values.clear();
    for (int k = 1; k < argc; ++k)
        values.push_back(std::atof(argv[k]));
    std::sort(values.begin(), values.end());

    std::printf("Next round of %zu tournaments: %d, %d and %d players, seeds %u to %u, %d rounds "
                "played, everyone in every round.\n",
                FieldSizes.size() * Seeds.size(), FieldSizes[0], FieldSizes[1], FieldSizes[2],
                Seeds.front(), Seeds.back(), Rounds);
    const CSetting reference = PairAll(CParameters{}.m_Colour3);
    PrintHistories(reference);
    std::printf("| Colour3 | boards | rematches | second-byes | colour-beyond-2 | third-colour | "
                "in-tournaments | different-scores | more-than-default | score-differences | "
                "same-as-last |\n"
                "|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    PrintRow(reference, reference);
    std::vector<CSetting> settings;
    for (const double colour3 : values)
    {
        settings.push_back(PairAll(colour3));
        PrintRow(settings.back(), reference);
    }
    if (const double strict = SmallestStrict(settings, reference); strict > 0.0)
        std::printf("\nSmallest Colour3 with no third colour in a row, for it and every larger "
                    "setting, and on no tournament more boards between different scores than "
                    "the default: %g\n",
                    strict);
    else
        std::printf("\nNo setting gives no third colour in a row without more boards between "
                    "different scores\n");
    return 0;
}

#pragma once

// tournament/ holds the model and rebuilds it from the input; it uses pgn/.
//   Vantor.h, Vantor.cpp     CVantor: parameters, participants, the name index, the data the
//                            pairing derives into it; its own operations and ReadTournament
//   Participant.h, .cpp      CParticipant and its history (RoundEntry.h), the score from it;
//                            the pairing's per-record data (PairingState.h, Candidates.h,
//                            CostTermData.h); the reserved records (ReservedRecords.h)
//   Parameters.h             the debug switch, the seed and the eleven weights
//   TournamentReading.h      one reading: the games (TournamentReading.cpp), the warnings about
//                            them (ReadingWarnings.cpp), the escape commands (EscapeCommands.cpp)
//   ReadNumber.h, CloseName.h  numbers as tags hold them; a known name close to a misspelt one
// Used by every folder above it.

#include "pgn/Warnings.h"
#include "tournament/CostTermData.h"
#include "tournament/Event.h"
#include "tournament/Parameters.h"
#include "tournament/Participant.h"
#include "tournament/StartNumbers.h"

#include <cstdint>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

// How a reading of the input ended.
enum class EReading
{
    Read,
    CannotOpen, // the file cannot be opened
    Refused,    // it breaks the grammar or a limit: a diagnostic says where
};

// A bye that a participant asked for the round to be paired next (%bye): he is left out of its
// pairing, and its board holds his result.
struct CRequestedBye
{
    int m_Participant = 0;
    int m_Points = 0; // half points
};

// The tournament of one run: parameters, participants and the working data of the standings
// and the search. Participants are referred to by their index into m_Participants, which never
// changes during a run; record 0 is the placeholder (the opponent of rounds without a game),
// record 1 the bye record, real participants follow from index 2.
//
// This header declares only the model and its rebuilding from the input. What the layers above
// derive is stored here (the standings order, the candidates, the cost terms, the pairing in
// hand), but their operations are free functions declared in their own folders: the standings
// order and the pairing cost in pairing/, the search in search/, the written round in output/.
class CVantor
{
public:
    CVantor() = default;
    virtual ~CVantor() = default;
    CVantor(const CVantor&) = delete;
    CVantor& operator=(const CVantor&) = delete;

    // The index of the participant with this name, created when the name is new.
    int GetIndex(const std::string& name);
    // Empties the tournament down to the placeholder (absent) and the bye record, the state a
    // rebuilding starts from.
    void ResetToReservedRecords();

    // Rebuilds the whole tournament from the input file; false after a diagnostic. Warnings go
    // to standard error and the participant-list messages to standard output.
    bool ReadTournament(const char* fileName);
    // The same, with the warnings and the messages sent where the caller says, telling a file
    // that cannot be opened from one that breaks the grammar or a limit.
    EReading ReadTournament(const char* fileName, CWarnings& warnings, std::ostream& console);

    // The number of rounds played: the length of the longest history, which the standings give
    // every history.
    std::size_t RoundsPlayed() const;
    // The real participants who are not absent.
    int PresentCount() const;

    CParameters m_Parameters;
    CEvent m_Event;
    std::map<std::string, int> m_Index;
    std::vector<CParticipant> m_Participants;
    std::vector<CEntry> m_Entries; // by participant, as the reading noted them (StartNumbers.h)
    std::vector<int> m_Order;      // standings order; entries 0 and 1 hold 0 and 1
    std::vector<int> m_ScoreCount; // present participants per score in half points
    std::vector<CRequestedBye> m_RequestedByes; // for the round to be paired next
    // The file read ends inside a game without its termination marker: text appended to it
    // would run on in that game.
    bool m_EndsInsideGame = false;
    std::uint32_t m_Window = 0;      // least number of nearest participants in a candidate list
    std::vector<int> m_PresentOrder; // the present participants in standings order
    std::vector<int> m_NearestCandidates; // the nearest candidates of every present participant

    // What the pairing cost derives for its evaluations (pairing/CostTerms.h).
    CCostTerms m_CostTerms;
};

#pragma once

#include "pairing/CostTerms.h"
#include "tournament/Candidates.h"
#include "tournament/CostTermData.h"
#include "tournament/PairingState.h"
#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <span>
#include <vector>

// The pairing in hand as the search keeps it: every record's pairing state with its term record
// and its candidate list beside it, one cache line a record, in the records' order. A move reads
// four to six records far apart in the standings, and the candidate list of the first; the
// participants' own records are 256 bytes apart, so that in a field of 20,000 what the moves read
// lies in cache lines spread over 5 MB, while packed it takes 1.3 MB, and each record a move
// reads is one line.
struct alignas(64) CPackedRecord
{
    CPairingState m_Pairing;
    CTermRecord m_Term;
    CCandidates m_Candidates;
};

// A packed pairing as the cost reads it (a layout of ParticipantTerm.h), by plain pointers: a copy
// kept in registers through a move, where members of the pairing would be read again after every
// store of a colour flag, which may alias anything.
class CPackedLayout
{
public:
    CPackedLayout(const CVantor& tournament, const CPackedRecord* records)
        : m_Tournament(&tournament), m_Records(records),
          m_Profiles(tournament.m_CostTerms.m_Profiles.data()),
          m_ScoreWeight(tournament.m_Parameters.m_Score),
          m_ColourRank(tournament.m_Parameters.m_ColourRank),
          m_AreBounded(WeightsAreBounded(tournament.m_CostTerms))
    {
    }
    const CVantor& Tournament() const { return *m_Tournament; }
    const CTermRecord& Term(int index) const { return m_Records[index].m_Term; }
    const CPairingState& State(int index) const { return m_Records[index].m_Pairing; }
    const CTermProfile& Profile(const CTermRecord& term) const
    {
        return m_Profiles[term.m_Profile];
    }
    double ScoreWeight() const { return m_ScoreWeight; }
    double ColourRank() const { return m_ColourRank; }
    bool AreBounded() const { return m_AreBounded; }

private:
    const CVantor* m_Tournament;
    const CPackedRecord* m_Records;
    const CTermProfile* m_Profiles;
    double m_ScoreWeight;
    double m_ColourRank;
    bool m_AreBounded;
};

// The pairing in hand of the tournament's participants, with their term records.
class CPackedPairing
{
public:
    explicit CPackedPairing(const CVantor& tournament);

    // A copy of the layout made once, as its records do not move.
    CPackedLayout Layout() const { return m_Layout; }
    const CPairingState& State(int index) const { return Record(index).m_Pairing; }
    CPairingState& State(int index) { return m_Records[static_cast<std::size_t>(index)].m_Pairing; }
    const CCandidates& Candidates(int index) const { return Record(index).m_Candidates; }
    std::span<const CPackedRecord> All() const { return m_Records; }

    // Absent participants are paired with nobody (the placeholder), playing ones always with
    // somebody.
    bool IsAbsent(int index) const
    {
        return Record(index).m_Pairing.m_Opponent == PlaceholderRecord;
    }

    // The states of the participants taken in, and handed back to them: all, or those of the
    // records given.
    void TakeStates();
    void HandBack(CVantor& tournament) const;
    void HandBack(CVantor& tournament, std::span<const int> records) const;

private:
    const CPackedRecord& Record(int index) const
    {
        return m_Records[static_cast<std::size_t>(index)];
    }

    const CVantor& m_Tournament;
    std::vector<CPackedRecord> m_Records;
    CPackedLayout m_Layout;
};

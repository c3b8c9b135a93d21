#pragma once

#include <iosfwd>

class CVantor;
class CParticipant;

// Writes the new round's games, as the participants of the tournament hold its pairing, best
// placed board first; true when the stream has not failed.
bool WriteRound(std::ostream& stream, const CVantor& tournament);

// The debug report's comment on one player of the round (with the debug switch set).
void WriteDebugComment(std::ostream& stream, const CVantor& tournament,
                       const CParticipant& participant);

#pragma once

// output/ writes the new round as PGN, with the debug comments; it uses pairing/ (the boards in
// hand) and tournament/. Used by search/ (Pair writes the round it found).

#include "tournament/BoardRecord.h"

#include <iosfwd>
#include <string>
#include <string_view>

class CVantor;
class CParticipant;

// One tag line, [Name "value"]. Backslashes and quotation marks in the value are escaped with a
// backslash, so that a name read from an escaped string is written back so that the next run
// reads the same name; every other byte is written as stored.
void WriteTag(std::ostream& stream, std::string_view name, std::string_view value);

// The Event tag of a file that does not name its event (%event).
inline constexpr std::string_view UnnamedEvent = "swiss pairing";

// The tag lines of one board: Event, Site, Date, then its own from White to Result (and the
// program's own for a forfeit or a requested bye).
void WriteBoardTags(std::ostream& stream, const CBoardRecord& board, const std::string& round,
                    std::string_view event = UnnamedEvent);

// The tag lines of one game as the program writes every game: Event, Site, Date, White,
// WhiteElo, Black, BlackElo (the ratings only when known), Round and Result. The Event tag names
// the event where the file gives its name (%event).
void WriteGameTags(std::ostream& stream, const CParticipant& white, const CParticipant& black,
                   const std::string& round, const char* result,
                   std::string_view event = UnnamedEvent);

// Writes the new round's games, as the participants of the tournament hold its pairing, best
// placed board first; true when the stream has not failed.
bool WriteRound(std::ostream& stream, const CVantor& tournament);

// The debug report's comment on one player of the round (with the debug switch set).
void WriteDebugComment(std::ostream& stream, const CVantor& tournament,
                       const CParticipant& participant);

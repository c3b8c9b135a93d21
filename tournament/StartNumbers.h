#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CVantor;

// How a participant entered the tournament, as the reading noted it once: whether before the
// first game was read, and the rating and name he then had. Later changes of either never move
// his start number.
struct CEntry
{
    bool m_BeforeFirstGame = false;
    std::int32_t m_Rating = 0;
    std::string m_Name;
};

// Whether the first name comes before the second in a list by name: by surname (what stands
// before the first comma), then by the rest, with letter case, blanks, punctuation and accents
// set aside; names that fold alike in byte order.
bool ComesBeforeByName(const std::string& first, const std::string& second);

// The start number of every participant, by index (0 for the reserved records): those who entered
// before round 1 (announced before the first game, or with a game in round 1) by rating, the
// higher first, then by name; then the late entries in the order they joined. A participant
// without a noted entry (a tournament built in memory) counts as entered before round 1, as he
// stands.
std::vector<int> StartNumbers(const CVantor& tournament);

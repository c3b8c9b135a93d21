#include "tournament/CloseName.h"

#include "pgn/CharacterClasses.h"
#include "pgn/EditDistance.h"
#include "pgn/Utf8.h"
#include "tournament/ReservedRecords.h"
#include "tournament/Vantor.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <limits>

namespace
{
// The base letters of U+00C0 to U+00FF, capitals and small letters alike; '-' for the two signs.
constexpr const char* LatinSupplement = "aaaaaaaceeeeiiiidnooooo-ouuuuyts"
                                        "aaaaaaaceeeeiiiidnooooo-ouuuuyty";

// The base letters of U+0100 to U+017F (Latin Extended-A), which come in pairs of a capital
// and its small letter.
constexpr const char* LatinExtended = "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiiiiijjkkk"
                                      "llllllllllnnnnnnnnnoooooooorrrrrrssssssssttttttuuuuuuuuuuuu"
                                      "wwyyyzzzzzzs";

char BaseLetter(std::uint32_t codePoint)
{
    if (codePoint >= 0xC0 && codePoint <= 0xFF)
        return LatinSupplement[codePoint - 0xC0];
    if (codePoint >= 0x100 && codePoint <= 0x17F)
        return LatinExtended[codePoint - 0x100];
    return '\0';
}

// Appends what the character at `at` folds to and returns the position behind it. A byte that
// starts no whole UTF-8 sequence is taken as a Latin-1 character; the letters of other scripts
// stay as they are.
std::size_t FoldCharacter(const std::string& name, std::size_t at, std::string& folded)
{
    const auto byte = static_cast<unsigned char>(name[at]);
    const std::size_t length = Utf8Length(name, at);
    if (byte < 0x80)
    {
        if (IsLetter(name[at]) || IsDigit(name[at]))
            folded += static_cast<char>(byte | (IsLetter(name[at]) ? 0x20u : 0u));
        return at + 1;
    }
    std::uint32_t codePoint = byte;
    if (length == 2)
        codePoint = ((byte & 0x1Fu) << 6) | (static_cast<unsigned char>(name[at + 1]) & 0x3Fu);
    const char base = BaseLetter(codePoint);
    if (base != '\0' && base != '-')
        folded += base;
    else if (base == '\0' && (length > 2 || codePoint >= 0x100))
        folded.append(name, at, length);
    return at + length;
}

// Short words differ by one letter at most, or every name of three letters would be close to
// every other.
std::size_t Allowed(const std::string& a, const std::string& b)
{
    const std::size_t shorter = std::min(a.size(), b.size());
    return shorter >= 8 ? 2 : (shorter >= 4 ? 1 : 0);
}

// Names that differ in a number ("Player 1", "Player 7") are different people, however close.
std::string DigitsOf(const std::string& folded)
{
    std::string digits;
    std::copy_if(folded.begin(), folded.end(), std::back_inserter(digits), IsDigit);
    return digits;
}

class CClosest
{
public:
    explicit CClosest(const std::string& word) : m_Word(word), m_Folded(FoldName(word)) {}

    void Consider(const std::string& candidate, const std::string& suggestion)
    {
        if (candidate == m_Word)
            return;
        const std::string folded = FoldName(candidate);
        if (DigitsOf(folded) != DigitsOf(m_Folded))
            return;
        // Only the distances within the allowed few edits are worked out: a look costs the
        // length of the names, not its square.
        const std::size_t allowed = Allowed(m_Folded, folded);
        const std::size_t distance = EditDistance(m_Folded, folded, allowed);
        if (distance <= allowed && distance < m_Distance)
        {
            m_Distance = distance;
            m_Suggestion = suggestion;
        }
    }

    const std::string& Suggestion() const { return m_Suggestion; }

private:
    const std::string& m_Word;
    std::string m_Folded;
    std::size_t m_Distance = std::numeric_limits<std::size_t>::max();
    std::string m_Suggestion;
};
} // namespace

std::string FoldName(const std::string& name)
{
    std::string folded;
    for (std::size_t at = 0; at < name.size();)
        at = FoldCharacter(name, at, folded);
    return folded;
}

std::string FindCloseWord(const std::string& word, const std::vector<std::string>& known)
{
    CClosest closest(word);
    for (const std::string& candidate : known)
        closest.Consider(candidate, candidate);
    return closest.Suggestion();
}

std::string FindCloseName(const CVantor& tournament, const std::string& name)
{
    CClosest closest(name);
    for (const auto& [known, index] : tournament.m_Index)
        if (index >= FirstParticipant)
            closest.Consider(known,
                             tournament.m_Participants[static_cast<std::size_t>(index)].m_Name);
    return closest.Suggestion();
}

std::string DidYouMean(const std::string& suggestion)
{
    return suggestion.empty() ? std::string() : ", did you mean \"" + suggestion + "\"?";
}

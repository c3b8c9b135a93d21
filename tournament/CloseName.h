#pragma once

#include <string>
#include <vector>

class CVantor;

// A name as a director may mistype it: letter case, blanks and punctuation dropped, accented
// Latin letters taken as their base letter whether they come in UTF-8 or in Latin-1 (a round
// saved by another program), so that "Müller, J." and "M\xFCller J" fold alike.
std::string FoldName(const std::string& name);

// The known word closest to word when they differ only in the ways FoldName ignores, or by one
// or two letters (one for short words), taking the first of equally close ones; empty when none
// is that close. The word itself, if known, is never suggested.
std::string FindCloseWord(const std::string& word, const std::vector<std::string>& known);

// The same among the names of the tournament's real participants, old names of renamed ones
// included; the suggestion is the participant's current name.
std::string FindCloseName(const CVantor& tournament, const std::string& name);

// ", did you mean "suggestion"?", or nothing without a suggestion.
std::string DidYouMean(const std::string& suggestion);

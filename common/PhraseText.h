// The difference phrase in the user's language.
#pragma once

#include "DateRoutines.h"

#include <QString>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

// Returns the distance from StartDate to EndDate in words in the user's
// language (the translations installed by LoadTranslations), from the
// numbers of DiffPhraseParts: each non-zero unit with its plural form, the
// units joined by the language's patterns for a list ("%1, %2" and, before
// the last, "%1 and %2") and, when EndDate is the earlier, its pattern for
// the past ("%1 ago"); empty for the same day. In English it reads exactly
// as DiffPhrase. Raises as DiffPhraseParts.
QString DiffPhraseText(TDateTime StartDate, TDateTime EndDate);

// The same phrase for many pairs of dates (morvane-calc's batch lines): each
// piece, a unit with its count or a pattern, is looked up in the catalogs
// once, when first needed, and kept; a phrase then costs a few copies. A
// catalog loaded later does not reach the pieces kept.
class TPhraseText {
public:
    // DiffPhraseText(StartDate, EndDate) in UTF-8, valid until the next
    // call. Raises as DiffPhraseParts.
    std::string_view Text(TDateTime StartDate, TDateTime EndDate);

private:
    // The units' texts met so far, by unit (years to days, then the same
    // for the past) and count.
    std::unordered_map<std::uint64_t, std::string> FUnits;
    // The patterns: the list, its last part, the past.
    std::array<std::string, 3> FPatterns;
    std::string FPhrase, FJoined;

    const std::string& Unit(std::size_t K, bool Ago, std::int32_t Count);
    const std::string& Pattern(std::size_t K);
    // Puts the phrase so far and Part into Pattern's "%1" and "%2".
    void Join(const std::string& Pattern, std::string_view Part);
};

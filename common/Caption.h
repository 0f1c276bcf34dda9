// The caption language of labels and buttons: "&" marks the next character
// as the access key and is not shown, "&&" shows one "&", and a final lone
// "&" is shown as it is. A marker before a line break marks nothing. One
// reader for the window's captions (QString, in UTF-16 units) and for
// morvane-calc's labels (std::string, in UTF-8 bytes), toolkit-free.
#pragma once

#include <cstddef>
#include <vector>

// A caption as it is drawn.
template <class TText> struct TCaptionOf {
    // The text shown, markers dropped.
    TText Shown;
    // Where in Shown each marked character starts, in the text's units (a
    // character may take more than one), in order; the first is the access
    // key.
    std::vector<std::ptrdiff_t> Marked;

    // Where the access key starts in Shown, or -1 when there is none.
    std::ptrdiff_t AccessKey() const { return Marked.empty() ? -1 : Marked.front(); }
};

// Reads Caption in the caption language. Raises nothing (but for memory).
template <class TText> TCaptionOf<TText> ParseCaption(const TText& Caption) {
    TCaptionOf<TText> Result;
    const auto Size = static_cast<std::ptrdiff_t>(Caption.size());
    for (std::ptrdiff_t I = 0; I < Size; ++I) {
        if (Caption[I] == u'&' && I + 1 < Size) {
            const auto Next = Caption[++I];
            if (Next != u'&' && Next != u'\r' && Next != u'\n')
                Result.Marked.push_back(static_cast<std::ptrdiff_t>(Result.Shown.size()));
        }
        Result.Shown += Caption[I];
    }
    return Result;
}

// The number of units of the character starting at Text[I]: 1 or 2 in
// UTF-16 (a surrogate pair), 1 to 4 in UTF-8.
template <class TText> std::ptrdiff_t CharacterLength(const TText& Text, std::ptrdiff_t I) {
    const auto Size = static_cast<std::ptrdiff_t>(Text.size());
    const auto Unit = [&](std::ptrdiff_t At) {
        if constexpr (requires { Text[At].unicode(); })
            return static_cast<unsigned>(Text[At].unicode());
        else
            return static_cast<unsigned>(static_cast<unsigned char>(Text[At]));
    };
    std::ptrdiff_t Length = 1;
    if constexpr (sizeof(Text[I]) == 2) {
        if (Unit(I) >= 0xD800 && Unit(I) <= 0xDBFF && I + 1 < Size && Unit(I + 1) >= 0xDC00 &&
            Unit(I + 1) <= 0xDFFF)
            Length = 2;
    } else {
        const unsigned Lead = Unit(I);
        Length = Lead >= 0xF0 ? 4 : Lead >= 0xE0 ? 3 : Lead >= 0xC0 ? 2 : 1;
        while (Length > 1 && I + Length > Size)
            --Length;
    }
    return Length;
}

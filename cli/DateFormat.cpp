#include "DateFormat.h"

#include "Calculations.h"
#include "Messages.h"
#include "TextWriting.h"

namespace {

constexpr std::string_view kCodes = "YmdejAaBbuVGF";

// The ISO 8601 week of Date: the year it belongs to and its number. A week
// belongs to the year of its Thursday; week 1 holds the first Thursday.
struct TIsoWeek {
    std::int64_t Year;
    int Week;
};

TIsoWeek IsoWeekOf(TDateTime Date) {
    const int IsoWeekday = (WeekdayOf(Date) + 5) % 7 + 1; // 1 Monday ... 7 Sunday
    const TDateTime Thursday = Date + (4 - IsoWeekday);
    const std::int64_t Year = SplitDate(Thursday).Year;
    const auto DayOfYear = static_cast<int>(Thursday - MakeDate(Year, 1, 1));
    return {Year, DayOfYear / 7 + 1};
}

} // namespace

TDateFormat::TDateFormat(std::string_view Format) {
    std::size_t Pos = 0;
    while (Pos < Format.size()) {
        const std::size_t Percent = Format.find('%', Pos);
        const std::size_t End = Percent == std::string_view::npos ? Format.size() : Percent;
        if (End > Pos) {
            FPieces.push_back({0, FLiterals.size(), End - Pos});
            FLiterals.append(Format, Pos, End - Pos);
        }
        if (End == Format.size())
            break;
        const char Code = End + 1 < Format.size() ? Format[End + 1] : '\0';
        if (Code == '%') {
            FPieces.push_back({0, FLiterals.size(), 1});
            FLiterals += '%';
        } else if (Code != '\0' && kCodes.find(Code) != std::string_view::npos) {
            FPieces.push_back({Code, 0, 0});
        } else {
            throw TUsageError(kUnknownFormatCode, ShownText(Format.substr(End, 2)));
        }
        Pos = End + 2;
    }
}

void TDateFormat::AppendTo(TTextBuffer& Out, TDateTime Date) const {
    const TDateFormatSettings& Names = DateFormatSettings();
    const TDateParts P = SplitDate(Date);
    const auto Month = static_cast<std::size_t>(P.Month - 1);
    const auto Weekday = static_cast<std::size_t>(WeekdayOf(Date) - 1); // 0 Sunday
    for (const TPiece& Piece : FPieces) {
        switch (Piece.Code) {
        case 0:
            Out += std::string_view(FLiterals).substr(Piece.Start, Piece.Length);
            break;
        case 'Y':
            AppendInt(Out, P.Year, 4);
            break;
        case 'm':
            AppendInt(Out, P.Month, 2);
            break;
        case 'd':
            AppendInt(Out, P.Day, 2);
            break;
        case 'e':
            if (P.Day < 10)
                Out += ' ';
            AppendInt(Out, P.Day);
            break;
        case 'j':
            AppendInt(Out, static_cast<std::int64_t>(Date - MakeDate(P.Year, 1, 1)) + 1, 3);
            break;
        case 'A':
            Out += Names.LongDayNames[Weekday];
            break;
        case 'a':
            Out += Names.ShortDayNames[Weekday];
            break;
        case 'B':
            Out += Names.LongMonthNames[Month];
            break;
        case 'b':
            Out += Names.ShortMonthNames[Month];
            break;
        case 'u':
            AppendInt(Out, Weekday == 0 ? 7 : static_cast<std::int64_t>(Weekday));
            break;
        case 'V':
            AppendInt(Out, IsoWeekOf(Date).Week, 2);
            break;
        case 'G':
            AppendInt(Out, IsoWeekOf(Date).Year, 4);
            break;
        case 'F':
            AppendIso(Out, P);
            break;
        }
    }
}

#include "DateFormat.h"

#include "Messages.h"
#include "TextRules.h"
#include "UsageError.h"

namespace {

constexpr std::string_view kCodes = "YmdejAaBbuVGF";
constexpr std::string_view kNameCodes = "AaBb";

// The code after a "%" at Format[Percent] as the message quotes it: the
// "%" and the whole character after it, whatever its length in UTF-8.
std::string_view CodeAt(std::string_view Format, std::size_t Percent) {
    std::size_t End = Percent + 1;
    if (End < Format.size())
        ++End;
    while (End < Format.size() && (static_cast<unsigned char>(Format[End]) & 0xC0) == 0x80)
        ++End;
    return Format.substr(Percent, End - Percent);
}

} // namespace

TDateFormat::TDateFormat(std::string_view Format) {
    if (Format.empty())
        throw TUsageError(kEmptyFormat);
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
            FWritesNames = FWritesNames || kNameCodes.find(Code) != std::string_view::npos;
        } else {
            std::string Shown;
            AppendEscaped(Shown, CodeAt(Format, End));
            throw TUsageError(kUnknownFormatCode, Shown);
        }
        Pos = End + 2;
    }
}

void TDateFormat::AppendTo(TTextBuffer& Out, TDateTime Date, const TDateParts& P) const {
    const TDateFormatSettings& Names = DateFormatSettings();
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
            AppendInt(Out, DayOfYear(P), 3);
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
            AppendInt(Out, IsoWeekdayOf(Date));
            break;
        case 'V':
            AppendInt(Out, IsoWeekOf(Date).Week, 2);
            break;
        case 'G':
            AppendInt(Out, IsoWeekOf(Date).Year, 4);
            break;
        case 'F':
            Out.Commit(WriteIsoDate(Out.Room(10), P));
            break;
        }
    }
}

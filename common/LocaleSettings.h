// The user's locale settings for dates, loaded into the date core's
// DateFormatSettings(), and the translation between the toolkit's date
// pattern letters and the long date pattern language of the date core.
#pragma once

#include <QList>
#include <QLocale>
#include <QString>

#include <string>

// Fills DateFormatSettings() from Locale: its long date pattern (translated
// by QtPatternToDatePattern), month and weekday names (long and short) and
// date separator. Raises nothing.
void LoadLocaleSettings(const QLocale& Locale = QLocale());

// One piece of a date format in the toolkit's letters: a run of one of the
// date letters d, M or y ("dddd", "MM", "yy"), or literal text.
struct TQtFormatPiece {
    QChar Letter;  // 'd', 'M' or 'y'; the null character for literal text
    int Count = 0; // how many times Letter is repeated
    QString Text;  // the literal text, quotes removed
};

// Splits a date format in the toolkit's letters into its pieces, in order:
// text in single quotes is literal, and '' inside or outside them is one
// quote; every other character is literal too. Literal characters next to
// each other make one piece.
QList<TQtFormatPiece> SplitQtDateFormat(const QString& Format);

// Translates a date pattern in the toolkit's letters (d, dd, ddd, dddd;
// M, MM, MMM, MMMM; yy, yyyy; text in single quotes, '' for one quote) into
// the long date pattern language (d..dddd, m..mmmm, yy, yyyy; literal text in
// double quotes). Literal text that the pattern language would read as a
// pattern letter, a date separator or a quote is quoted; all else is copied.
std::string QtPatternToDatePattern(const QString& QtPattern);

// The reverse: a long date pattern (letters in either case; "/" stands for
// Separator; text in single or double quotes) as a toolkit display format for
// a date picker. Every literal piece comes out single-quoted when needed.
QString DatePatternToQtFormat(const std::string& Pattern, const std::string& Separator);

// The separator between the numbers of Locale's short date format ("/" when
// it has none).
QString DateSeparatorOf(const QLocale& Locale);

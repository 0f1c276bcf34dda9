// morvane-calc on the window's own examples: one difference, one new date
// from all six amounts, one error of each kind, and a batch run with a
// failing line in the middle. The arithmetic itself is the date core's to
// test; these rows check what reaches the terminal and the exit status.
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstring>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include "../ProgramRuns.h"
#include "Options.h"

namespace {

// How a copy of the tool is started.
enum class TStart { Directly, ThroughLoader, WithoutProc, AsNobody };

// Makes the version note of the executable File unrecognisable (its type,
// 16, becomes 0), so that neither its image nor its file yields version
// strings. Returns false when File holds no such note.
bool HideVersionNote(const std::filesystem::path& File) {
    std::fstream Io(File, std::ios::in | std::ios::out | std::ios::binary);
    const std::string Bytes{std::istreambuf_iterator<char>(Io), std::istreambuf_iterator<char>()};
    const std::string TypeAndOwner("\x10\0\0\0Morvane\0", 12);
    const std::size_t At = Bytes.find(TypeAndOwner);
    if (At == std::string::npos)
        return false;
    Io.seekp(static_cast<std::streamoff>(At));
    Io.write("\0", 1);
    return static_cast<bool>(Io);
}

// What standard output is, for a row: the test's pipe, or one that fails.
enum class TStreams {
    Piped,
    InputClosed,
    OutputClosed,
    OutputFull,       // /dev/full: every write fails with ENOSPC
    OutputPipeClosed, // a pipe whose reading end is closed, SIGPIPE ignored
    OutputLimited,    // a file that may grow to kFileLimit bytes (RLIMIT_FSIZE)
};

// The size limit of TStreams::OutputLimited.
constexpr rlim_t kFileLimit = 1000;

// What a run of the built tool left: standard output, the first line of
// standard error, the exit status.
struct TCalcRun {
    QByteArray Out;
    QByteArray FirstError;
    int Status = -1;
};

// Runs the built tool with Arguments and Input in Locale.
TCalcRun RunCalc(const QStringList& Arguments, const QByteArray& Input = {},
                 const QString& Locale = QStringLiteral("C.UTF-8")) {
    QProcess Calc;
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    Environment.insert(QStringLiteral("LC_ALL"), Locale);
    Environment.remove(QStringLiteral("LANGUAGE"));
    Calc.setProcessEnvironment(Environment);
    Calc.start(QStringLiteral(MORVANE_CALC), Arguments);
    Calc.waitForStarted();
    Calc.write(Input);
    Calc.closeWriteChannel();
    if (!Calc.waitForFinished(20000))
        return {};
    const QByteArray Errors = Calc.readAllStandardError();
    return {Calc.readAllStandardOutput(), Errors.left(Errors.indexOf('\n')), Calc.exitCode()};
}

// The words of each form before its options, its operands given.
const std::pair<TCommand, QStringList> kFormWords[] = {
    {cmDiff, {"diff", "2004-01-01", "2004-02-01"}},
    {cmAdd, {"add", "2004-01-01"}},
    {cmAddBatch, {"add", "-"}},
    {cmBatch, {"-"}},
};

// The shells whose completions are tried.
const QStringList kShells = {QStringLiteral("bash"), QStringLiteral("fish"), QStringLiteral("zsh")};

// What Shell's completion of morvane-calc offers at the end of each of
// Lines (the words after the program's name), sorted: the words, without
// their descriptions, each the part after its last comma (for a list). The
// built morvane-calc is first on the PATH, where the completions run it.
QList<QStringList> OfferedBy(const QString& Shell, const QStringList& Lines) {
    const QString Packaging = QStringLiteral(MORVANE_PACKAGING);
    QStringList Words;
    for (const QString& Line : Lines)
        Words += QStringLiteral("morvane-calc ") + Line;
    // Each shell prints what it offers for a line, one word a line, and "--"
    // after it.
    QStringList Command;
    if (Shell == QLatin1String("bash"))
        // Bash splits a word at "=", as its COMP_WORDBREAKS say.
        Command = QStringList{
            QStringLiteral("-c"),
            QStringLiteral(
                "source \"$1\"; shift; for line; do line=${line//=/ = }; COMP_WORDS=($line); "
                "[[ $line == *' ' ]] && COMP_WORDS+=(''); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); "
                "COMPREPLY=(); _morvane_calc; printf '%s\\n' \"${COMPREPLY[@]}\" --; done"),
            QStringLiteral("bash"), Packaging + QStringLiteral("/bash-completion/morvane-calc")};
    else if (Shell == QLatin1String("fish"))
        Command = QStringList{QStringLiteral("--no-config"), QStringLiteral("-c"),
                              QStringLiteral("source $argv[1]; for line in $argv[2..-1]; "
                                             "complete -C $line; printf '%s\\n' --; end"),
                              Packaging + QStringLiteral("/fish/morvane-calc.fish")};
    else
        Command = QStringList{QStringLiteral("-f"), QStringLiteral(MORVANE_ZSH_COMPLETE),
                              Packaging + QStringLiteral("/zsh")};
    QProcess Process;
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    Environment.insert(QStringLiteral("PATH"),
                       QFileInfo(QStringLiteral(MORVANE_CALC)).absolutePath() + u':' +
                           Environment.value(QStringLiteral("PATH")));
    Process.setProcessEnvironment(Environment);
    Process.start(Shell, Command + Words);
    if (!Process.waitForFinished(120000))
        return {};
    QList<QStringList> Offered = {{}};
    for (const QString& Line : QString::fromUtf8(Process.readAllStandardOutput()).split(u'\n')) {
        if (Line == QLatin1String("--")) {
            Offered.back().sort();
            Offered.back().removeDuplicates();
            Offered.append(QStringList());
        } else if (!Line.isEmpty()) {
            Offered.back() += Line.section(u'\t', 0, 0).section(u',', -1);
        }
    }
    Offered.removeLast(); // after the last "--"
    return Offered;
}

// An option as a line gives it, with a value of its kind.
QString Given(const TOption& Option) {
    QString Text = QStringLiteral("--") + QString::fromUtf8(Option.Name.data(), Option.Name.size());
    switch (Option.Value) {
    case TValueKind::None:
        break;
    case TValueKind::Number:
        Text += QStringLiteral(" 1");
        break;
    case TValueKind::Text:
        Text += QStringLiteral(" %F");
        break;
    case TValueKind::List:
        Text += u' ' + QString::fromStdString(Option.Names().front());
        break;
    case TValueKind::File:
        Text += QStringLiteral(" holidays.txt");
        break;
    }
    return Text + u' ';
}

// The commands that start one of Forms.
QStringList Commands(TCommands Forms) {
    QStringList Words;
    if (Forms & cmDiff)
        Words += QStringLiteral("diff");
    if (Forms & (cmAdd | cmAddBatch))
        Words += QStringLiteral("add");
    if (Forms & cmBatch)
        Words += QStringLiteral("-");
    return Words;
}

// The options the table lets follow: those that go with one of Forms (or,
// when nothing is typed, those that stand alone), less the options Given
// (but for one that may be repeated) and those of their exclusive groups.
QStringList OptionsFor(TCommands Forms, const std::vector<const TOption*>& Given, bool Alone) {
    QStringList Words;
    for (const TOption& Option : kOptions) {
        if (Option.Commands == 0 ? !Alone : (Option.Commands & Forms) == 0)
            continue;
        bool Left = false;
        for (const TOption* Other : Given)
            Left = Left || (Other == &Option && !Option.Repeatable) ||
                   (Option.Group != 0 && Other->Group == Option.Group);
        if (!Left)
            Words +=
                QStringLiteral("--") + QString::fromUtf8(Option.Name.data(), Option.Name.size());
    }
    return Words;
}

// An option as arguments, with a value of its kind.
QStringList GivenArguments(const TOption& Option) {
    return Given(Option).trimmed().split(u' ');
}

} // namespace

Q_DECLARE_METATYPE(TStreams)

class TCalcTest : public QObject {
    Q_OBJECT

private slots:
    void runs_data() {
        QTest::addColumn<QString>("Locale");
        QTest::addColumn<QStringList>("Arguments");
        QTest::addColumn<QByteArray>("Input");
        QTest::addColumn<TStreams>("Streams");
        QTest::addColumn<QByteArray>("Output");
        QTest::addColumn<QByteArray>("FirstError"); // first line of standard error
        QTest::addColumn<int>("ExitCode");

        const QByteArray Mondays = QByteArray("add 2004-01-05 1 0 0 0 0 0\n").repeated(1000);
        const QByteArray Overlong = QByteArray(2 << 20, '7') + "\nadd 2004-01-31 0 0 0 0 1 0\n";
        const QByteArray HugeDate = "diff 2004-01-31 " + QByteArray(100000, '9') + "\n";
        const QByteArray CannotWrite = "morvane-calc: cannot write to standard output: ";
        const QString Data = QStringLiteral(MORVANE_CLI_DATA);
        // clang-format off
        QTest::newRow("README difference, 31 January 2004 to 16 September 2026") << "" << QStringList{"diff", "2004-01-31", "2026-09-16"} << QByteArray() << TStreams::Piped << QByteArray("Days: 8264\nWeekdays: 5903\nWeeks: 1180\nFortnights: 590\nMonths: 271\nYears: 22\nOr: 22 years, 7 months, 2 weeks and 2 days\n") << QByteArray() << 0;
        QTest::newRow("all six amounts given years first are applied days first, in German") << "de_DE.UTF-8" << QStringList{"add", "2004-01-01", "--years", "1", "--months", "1", "--fortnights", "1", "--weeks", "1", "--weekdays", "1", "--days", "1", "--json"} << QByteArray() << TStreams::Piped << QByteArray(R"({"date":"2005-02-26","dayNumber":38409,"longDate":"Samstag, 26. Februar 2005"})" "\n") << QByteArray() << 0;
        QTest::newRow("--format codes, the names in the user's locale") << "de_DE.UTF-8" << QStringList{"add", "2004-12-31", "--format", "%A %a %B %b %Y-%m-%d %e %j %u %G-W%V %F %%"} << QByteArray() << TStreams::Piped << QByteArray("Freitag Fr. Dezember Dez. 2004-12-31 31 366 5 2004-W53 2004-12-31 %\n") << QByteArray() << 0;
        QTest::newRow("ISO weeks at the turn of the year, bare dates with shared amounts") << "" << QStringList{"add", "--days", "0", "--format", "%G-W%V-%u %e %j", "-"} << QByteArray("2005-01-01\n2008-12-29\n0001-01-01\n") << TStreams::Piped << QByteArray("2004-W53-6  1 001\n2009-W01-1 29 364\n0001-W01-1  1 001\n") << QByteArray() << 0;
        QTest::newRow("unknown --format code") << "" << QStringList{"add", "2004-12-31", "--format", "%Y-%q"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: unknown code '%q' in --format (known: %Y %m %d %e %j %A %a %B %b %u %V %G %F %%)") << 2;
        QTest::newRow("--units chooses the items of a difference and their order") << "" << QStringList{"diff", "2004-01-31", "2026-09-16", "--units", "years,days"} << QByteArray() << TStreams::Piped << QByteArray("Years: 22\nDays: 8264\n") << QByteArray() << 0;
        QTest::newRow("--phrase-only in JSON") << "" << QStringList{"diff", "2004-01-31", "2026-09-16", "--phrase-only", "--json"} << QByteArray() << TStreams::Piped << QByteArray(R"({"phrase":"22 years, 7 months, 2 weeks and 2 days"})" "\n") << QByteArray() << 0;
        QTest::newRow("yesterday and tomorrow are two days apart") << "" << QStringList{"diff", "yesterday", "tomorrow", "--units", "days", "--iso"} << QByteArray() << TStreams::Piped << QByteArray("2\n") << QByteArray() << 0;
        QTest::newRow("bare dates with shared amounts, a bad one in the middle") << "" << QStringList{"add", "--months", "1", "--days", "3", "--iso", "-"} << QByteArray("2004-01-28\n2004-02-30\n2004-01-31\n") << TStreams::Piped << QByteArray("2004-02-29\n\n2004-03-03\n") << QByteArray("morvane-calc: line 2: invalid date '2004-02-30' (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)") << 1;
        QTest::newRow("--name=value, and a negative value after its option") << "" << QStringList{"add", "2004-01-31", "--days=-3", "--weeks", "-1", "--iso"} << QByteArray() << TStreams::Piped << QByteArray("2004-01-21\n") << QByteArray() << 0;
        QTest::newRow("unknown option") << "" << QStringList{"add", "2004-01-31", "--day", "3"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: unknown option '--day'") << 2;
        QTest::newRow("--format beside --iso") << "" << QStringList{"add", "2004-12-31", "--iso", "--format", "%F"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: --iso, --json and --format exclude each other") << 2;
        QTest::newRow("unknown name in --units") << "" << QStringList{"diff", "2004-01-31", "2026-09-16", "--units", "days,hours"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: unknown item 'hours' in --units (known: days, weekdays, weeks, fortnights, months, years, phrase)") << 2;
        QTest::newRow("--units with add") << "" << QStringList{"add", "2004-01-31", "--units", "days"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: --units and --phrase-only go with diff or - only") << 2;
        QTest::newRow("option without its value") << "" << QStringList{"add", "2004-01-31", "--days"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: --days takes a value") << 2;
        QTest::newRow("shared amounts are read before any line") << "" << QStringList{"add", "--months", "x", "-"} << QByteArray("2004-01-31\n") << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: --months: 'x' is not a valid integer value.") << 1;
        QTest::newRow("amount that is not a whole number") << "" << QStringList{"add", "2004-01-31", "--days", "5x"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: --days: '5x' is not a valid integer value.") << 1;
        QTest::newRow("new date beyond the year 9999") << "" << QStringList{"add", "2004-01-01", "--days", "3000000"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: Invalid argument to date encode.") << 1;
        QTest::newRow("date that does not exist") << "" << QStringList{"diff", "2004-02-30", "2026-09-16"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: invalid date '2004-02-30' (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)") << 2;
        QTest::newRow("batch with a failing line in the middle") << "" << QStringList{"--iso", "-"} << QByteArray("add 2004-01-31 0 0 0 0 1 0\nadd 2004-01-31 5x 0 0 0 0 0\ndiff 2004-01-31 2026-09-16\n") << TStreams::Piped << QByteArray("2004-02-29\n\n8264\t5903\t1180\t590\t271\t22\t22 years, 7 months, 2 weeks and 2 days\n") << QByteArray("morvane-calc: line 2, days: '5x' is not a valid integer value.") << 1;
        QTest::newRow("JSON batch answers a failing line with its number and message") << "" << QStringList{"--json", "-"} << QByteArray("\ndiff 2004-02-30 2004-03-01\nadd 2004-01-31 0 0 0 0 1 0\n") << TStreams::Piped << QByteArray(R"j({"line":1,"error":"blank line"})j" "\n" R"j({"line":2,"error":"invalid date '2004-02-30' (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)"})j" "\n" R"({"date":"2004-02-29","dayNumber":38046,"longDate":"Sunday, 29 February 2004"})" "\n") << QByteArray("morvane-calc: line 2: invalid date '2004-02-30' (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)") << 1;
        // Every input line keeps its row, a blank one too (an empty cell of a column); a blank line
        // is no failure and has no message.
        QTest::newRow("blank lines keep their rows among bare dates") << "" << QStringList{"add", "--months", "1", "--iso", "-"} << QByteArray("2004-01-28\n\n2004-01-31\n \t\n") << TStreams::Piped << QByteArray("2004-02-28\n\n2004-02-29\n\n") << QByteArray() << 0;
        QTest::newRow("blank lines keep their rows in text batches") << "" << QStringList{"-"} << QByteArray("\nadd 2004-01-31 0 0 0 0 1 0\n\n") << TStreams::Piped << QByteArray("\nSunday, 29 February 2004\n\n") << QByteArray() << 0;
        QTest::newRow("blank line beside a failing one in JSON") << "" << QStringList{"add", "--days", "1", "--json", "-"} << QByteArray("2004-02-30\n\n") << TStreams::Piped << QByteArray(R"j({"line":1,"error":"invalid date '2004-02-30' (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)"})j" "\n" R"({"line":2,"error":"blank line"})" "\n") << QByteArray("morvane-calc: line 1: invalid date '2004-02-30' (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)") << 1;
        // A success is never an empty line: the phrase of the same day says so, and an empty
        // format, which would write nothing, is refused.
        QTest::newRow("same day in words alone is 0 days, not an empty line") << "" << QStringList{"--phrase-only", "-"} << QByteArray("diff 2004-01-31 2004-01-31\ndiff 2004-01-31 2004-02-01\n") << TStreams::Piped << QByteArray("0 days\n1 day\n") << QByteArray() << 0;
        QTest::newRow("same day's phrase in JSON") << "" << QStringList{"diff", "2004-01-31", "2004-01-31", "--json", "--units", "days,phrase"} << QByteArray() << TStreams::Piped << QByteArray(R"({"days":0,"phrase":"0 days"})" "\n") << QByteArray() << 0;
        QTest::newRow("empty --format") << "" << QStringList{"add", "--days", "1", "--format", "", "-"} << QByteArray("2004-01-31\n") << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: --format needs a FMT of at least one character") << 2;
        // What a message quotes reads as it is: no character of it reorders or breaks the line,
        // and a character is quoted whole.
        QTest::newRow("right-to-left override in a date is shown escaped") << "" << QStringList{"diff", "2004-01-31", "2004-\u202e10-20"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: invalid date '2004-\\xe2\\x80\\xae10-20' (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)") << 2;
        QTest::newRow("line separator in a batch date is escaped in JSON too") << "" << QStringList{"--json", "-"} << QByteArray("diff 2004-01-31 20\u2028") << TStreams::Piped << QByteArray(R"j({"line":1,"error":"invalid date '20\\xe2\\x80\\xa8' (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)"})j" "\n") << QByteArray("morvane-calc: line 1: invalid date '20\\xe2\\x80\\xa8' (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)") << 1;
        QTest::newRow("unknown --format code beyond ASCII is quoted whole") << "" << QStringList{"add", "2004-12-31", "--format", "%\u00e9"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: unknown code '%\u00e9' in --format (known: %Y %m %d %e %j %A %a %B %b %u %V %G %F %%)") << 2;
        QTest::newRow("batch past a file-size limit leaves whole lines") << "" << QStringList{"--iso", "-"} << Mondays << TStreams::OutputLimited << QByteArray("2004-01-06\n").repeated(static_cast<qsizetype>(kFileLimit / 11)) << CannotWrite + std::strerror(EFBIG) << 3;
        QTest::newRow("batch with --units") << "" << QStringList{"--units", "days,phrase", "-"} << QByteArray("diff 2004-01-31 2026-09-16\n") << TStreams::Piped << QByteArray("8264\t22 years, 7 months, 2 weeks and 2 days\n") << QByteArray() << 0;
        QTest::newRow("JSON batch names the amount column that failed") << "" << QStringList{"--json", "-"} << QByteArray("add 2004-01-31 0 0 1e3 0 0 0\n") << TStreams::Piped << QByteArray(R"({"line":1,"error":"weeks: '1e3' is not a valid integer value."})" "\n") << QByteArray("morvane-calc: line 1, weeks: '1e3' is not a valid integer value.") << 1;
        QTest::newRow("JSON message escapes the backslash of a shown byte, last line without its break") << "" << QStringList{"--json", "-"} << QByteArray("diff 2004-01-31 1\x01") << TStreams::Piped << QByteArray(R"j({"line":1,"error":"invalid date '1\\x01' (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)"})j" "\n") << QByteArray("morvane-calc: line 1: invalid date '1\\x01' (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)") << 1;
        QTest::newRow("batch input that starts with a UTF-8 byte-order mark") << "" << QStringList{"--iso", "-"} << QByteArray("\xEF\xBB\xBF" "add 2004-01-31 0 0 0 0 1 0\r\n") << TStreams::Piped << QByteArray("2004-02-29\n") << QByteArray() << 0;
        QTest::newRow("NUL byte in an amount is shown, not cut off") << "" << QStringList{"--iso", "-"} << QByteArray("add 2004-01-31 1.") + '\0' + "x 0 0 0 0 0\n" << TStreams::Piped << QByteArray("\n") << QByteArray("morvane-calc: line 1, days: '1.\\x00x' is not a valid integer value.") << 1;
        QTest::newRow("line over the limit") << "" << QStringList{"--iso", "-"} << Overlong << TStreams::Piped << QByteArray("\n2004-02-29\n") << QByteArray("morvane-calc: line 1: longer than 1 MiB") << 1;
        QTest::newRow("huge date is quoted shortened") << "" << QStringList{"--iso", "-"} << HugeDate << TStreams::Piped << QByteArray("\n") << "morvane-calc: line 1: invalid date '" + QByteArray(32, '9') + "...' (YYYY-MM-DD with a year from 0001 to 9999, today, yesterday or tomorrow)" << 1;
        QTest::newRow("batch into a full device stops at the first failed write") << "" << QStringList{"--iso", "-"} << Mondays << TStreams::OutputFull << QByteArray() << CannotWrite + std::strerror(ENOSPC) << 3;
        QTest::newRow("batch into a closed pipe with SIGPIPE ignored stops") << "" << QStringList{"--iso", "-"} << Mondays << TStreams::OutputPipeClosed << QByteArray() << CannotWrite + std::strerror(EPIPE) << 3;
        QTest::newRow("batch with standard input closed") << "" << QStringList{"--iso", "-"} << QByteArray() << TStreams::InputClosed << QByteArray() << QByteArray("morvane-calc: standard input is closed") << 3;
        QTest::newRow("difference with standard output closed") << "" << QStringList{"diff", "2004-01-31", "2026-09-16"} << QByteArray() << TStreams::OutputClosed << QByteArray() << QByteArray("morvane-calc: standard output is closed") << 3;
        // Working days by a calendar: a regional iCalendar file (yearly rules, dates of movable
        // feasts, a timed event that is no holiday) and a plain list; any weekend.
        const QString Bavaria = Data + QStringLiteral("/bavaria.ics");
        const QString Closed = Data + QStringLiteral("/office-closed.txt");
        const QString BadLine = Data + QStringLiteral("/bad-line.txt");
        const QString Missing = Data + QStringLiteral("/missing.txt");
        QTest::newRow("working days between Christmas and Epiphany, labelled as such") << "" << QStringList{"diff", "2026-12-21", "2027-01-08", "--units", "days,weekdays", "--holidays", Bavaria} << QByteArray() << TStreams::Piped << QByteArray("Days: 18\nWorking days: 11\n") << QByteArray() << 0;
        QTest::newRow("JSON keeps the key weekdays for working days") << "" << QStringList{"diff", "2026-12-21", "2027-01-08", "--units", "weekdays", "--json", "--holidays", Bavaria} << QByteArray() << TStreams::Piped << QByteArray(R"({"weekdays":11})" "\n") << QByteArray() << 0;
        QTest::newRow("two holiday files count together") << "" << QStringList{"add", "2026-12-23", "--weekdays", "3", "--iso", "--holidays", Bavaria, "--holidays", Closed} << QByteArray() << TStreams::Piped << QByteArray("2027-01-07\n") << QByteArray() << 0;
        QTest::newRow("working days in a batch, shared amounts") << "" << QStringList{"add", "--weekdays", "-1", "--iso", "--holidays", Closed, "-"} << QByteArray("2027-01-01\n2026-12-25\n") << TStreams::Piped << QByteArray("2026-12-25\n2026-12-23\n") << QByteArray() << 0;
        QTest::newRow("a Friday and Saturday weekend") << "" << QStringList{"add", "2026-12-03", "--weekdays", "1", "--iso", "--weekend", "fri,sat"} << QByteArray() << TStreams::Piped << QByteArray("2026-12-06\n") << QByteArray() << 0;
        QTest::newRow("the weekend of the user's locale") << "he_IL.UTF-8" << QStringList{"add", "2026-12-03", "--weekdays", "1", "--iso", "--weekend", "locale"} << QByteArray() << TStreams::Piped << QByteArray("2026-12-06\n") << QByteArray() << 0;
        QTest::newRow("a weekend of seven days is refused") << "" << QStringList{"add", "2026-12-03", "--weekdays", "1", "--weekend", "1,2,3,4,5,sat,sun"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: --weekend holds all seven days: no day is a working day") << 2;
        QTest::newRow("unknown day in --weekend") << "" << QStringList{"add", "2026-12-03", "--weekend", "sat,sonday"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: unknown day 'sonday' in --weekend (a name such as mon or monday, 1 to 7, locale or none)") << 2;
        QTest::newRow("a bad line of a holiday list stops a batch before any output") << "" << QStringList{"--iso", "--holidays", BadLine, "-"} << QByteArray("diff 2026-12-21 2027-01-08\n") << TStreams::Piped << QByteArray() << "morvane-calc: " + BadLine.toUtf8() + ", line 3: '2026-13-01' is no date YYYY-MM-DD or range YYYY-MM-DD..YYYY-MM-DD" << 2;
        QTest::newRow("a missing holiday file") << "" << QStringList{"diff", "2026-12-21", "2027-01-08", "--holidays", Missing} << QByteArray() << TStreams::Piped << QByteArray() << "morvane-calc: cannot read the holiday file '" + Missing.toUtf8() + "': " + std::strerror(ENOENT) << 2;
        QTest::newRow("de: working days labelled in German, the weekend in German names") << "de_DE.UTF-8" << QStringList{"diff", "2026-12-21", "2027-01-08", "--units", "weekdays", "--weekend", "Sa.,Sonntag", "--holidays", Bavaria} << QByteArray() << TStreams::Piped << QByteArray("Arbeitstage (Kalender): 11\n") << QByteArray() << 0;
        // In each shipped language: the labels and the phrase of the text form (the window's
        // anchors: 2 March 2009 back to 1 January 2004), and one message.
        QTest::newRow("de: labels and phrase") << "de_DE.UTF-8" << QStringList{"diff", "2009-03-02", "2004-01-01", "--units", "fortnights,phrase"} << QByteArray() << TStreams::Piped << QByteArray("Doppelwochen: -134\nIn Worten: vor 5 Jahren, 2 Monaten und 1 Tag\n") << QByteArray() << 0;
        QTest::newRow("de: a batch amount named in German") << "de_DE.UTF-8" << QStringList{"-"} << QByteArray("add 2004-01-31 5x 0 0 0 0 0\n") << TStreams::Piped << QByteArray("\n") << QByteArray("morvane-calc: Zeile 1, Tage: „5x“ ist keine gültige ganze Zahl.") << 1;
        QTest::newRow("de: same day in words") << "de_DE.UTF-8" << QStringList{"diff", "2004-01-31", "2004-01-31", "--phrase-only"} << QByteArray() << TStreams::Piped << QByteArray("In Worten: 0 Tage\n") << QByteArray() << 0;
        QTest::newRow("de: unknown option") << "de_DE.UTF-8" << QStringList{"add", "2004-01-31", "--day", "3"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: unbekannte Option „--day“") << 2;
        QTest::newRow("fr: labels and phrase") << "fr_FR.UTF-8" << QStringList{"diff", "2009-03-02", "2004-01-01", "--units", "fortnights,phrase"} << QByteArray() << TStreams::Piped << QByteArray("Quinzaines\u00a0: -134\nSoit\u00a0: il y a 5 ans, 2 mois et 1 jour\n") << QByteArray() << 0;
        QTest::newRow("fr: amount that is not a whole number") << "fr_FR.UTF-8" << QStringList{"add", "2004-01-31", "--days", "5x"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: --days\u00a0: «\u00a05x\u00a0» n’est pas un nombre entier valide.") << 1;
        QTest::newRow("es: labels and phrase") << "es_ES.UTF-8" << QStringList{"diff", "2009-03-02", "2004-01-01", "--units", "fortnights,phrase"} << QByteArray() << TStreams::Piped << QByteArray("Quincenas: -134\nO bien: hace 5 años, 2 meses y 1 día\n") << QByteArray() << 0;
        QTest::newRow("es: batch line with a date that does not exist") << "es_ES.UTF-8" << QStringList{"--iso", "-"} << QByteArray("diff 2004-02-30 2004-03-01\n") << TStreams::Piped << QByteArray("\n") << QByteArray("morvane-calc: línea 1: fecha no válida «2004-02-30» (YYYY-MM-DD con un año de 0001 a 9999, today, yesterday o tomorrow)") << 1;
        QTest::newRow("it: labels and phrase") << "it_IT.UTF-8" << QStringList{"diff", "2009-03-02", "2004-01-01", "--units", "fortnights,phrase"} << QByteArray() << TStreams::Piped << QByteArray("Quindicine: -134\nOvvero: 5 anni, 2 mesi e 1 giorno fa\n") << QByteArray() << 0;
        QTest::newRow("it: option given twice") << "it_IT.UTF-8" << QStringList{"diff", "2004-01-31", "2026-09-16", "--units", "days", "--units", "years"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: --units indicata più di una volta") << 2;
        QTest::newRow("pt_BR: labels and phrase") << "pt_BR.UTF-8" << QStringList{"diff", "2009-03-02", "2004-01-01", "--units", "fortnights,phrase"} << QByteArray() << TStreams::Piped << QByteArray("Quinzenas: -134\nOu seja: há 5 anos, 2 meses e 1 dia\n") << QByteArray() << 0;
        QTest::newRow("pt_BR: standard input closed") << "pt_BR.UTF-8" << QStringList{"--iso", "-"} << QByteArray() << TStreams::InputClosed << QByteArray() << QByteArray("morvane-calc: a entrada padrão está fechada") << 3;
        QTest::newRow("ru: labels and phrase") << "ru_RU.UTF-8" << QStringList{"diff", "2009-03-02", "2004-01-01", "--units", "fortnights,phrase"} << QByteArray() << TStreams::Piped << QByteArray("По 2 недели: -134\nТо есть: 5 лет, 2 месяца и 1 день назад\n") << QByteArray() << 0;
        QTest::newRow("ru: JSON batch as in English, its message in Russian") << "ru_RU.UTF-8" << QStringList{"--json", "-"} << QByteArray("diff 2004-01-31 2026-09-16\nadd 2004-01-31 5x 0 0 0 0 0\n") << TStreams::Piped << QByteArray(R"({"days":8264,"fortnights":590,"months":271,"phrase":"22 years, 7 months, 2 weeks and 2 days","weekdays":5903,"weeks":1180,"years":22})" "\n" R"({"line":2,"error":"days: '5x' is not a valid integer value."})" "\n") << QByteArray("morvane-calc: строка 2, дни: «5x» не является допустимым целым числом.") << 1;
        QTest::newRow("ru: batch phrases, the past with its own forms") << "ru_RU.UTF-8" << QStringList{"--units", "phrase", "-"} << QByteArray("diff 2004-01-01 2004-01-09\ndiff 2004-01-09 2004-01-01\ndiff 2004-01-01 2004-01-09\n") << TStreams::Piped << QByteArray("1 неделя и 1 день\n1 неделю и 1 день назад\n1 неделя и 1 день\n") << QByteArray() << 0;
        QTest::newRow("pl: labels and phrase") << "pl_PL.UTF-8" << QStringList{"diff", "2009-03-02", "2004-01-01", "--units", "fortnights,phrase"} << QByteArray() << TStreams::Piped << QByteArray("Dwutygodnie: -134\nCzyli: 5 lat, 2 miesiące i 1 dzień temu\n") << QByteArray() << 0;
        QTest::newRow("pl: unknown name in --units") << "pl_PL.UTF-8" << QStringList{"diff", "2004-01-31", "2026-09-16", "--units", "days,hours"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: nieznany element „hours” w --units (znane: days, weekdays, weeks, fortnights, months, years, phrase)") << 2;
        QTest::newRow("ja: labels and phrase") << "ja_JP.UTF-8" << QStringList{"diff", "2009-03-02", "2004-01-01", "--units", "fortnights,phrase"} << QByteArray() << TStreams::Piped << QByteArray("2週間の数: -134\nつまり: 5年2か月と1日前\n") << QByteArray() << 0;
        QTest::newRow("ja: a message's own full stop stands alone") << "ja_JP.UTF-8" << QStringList{"add", "2004-01-01", "--days", "3000000"} << QByteArray() << TStreams::Piped << QByteArray() << QByteArray("morvane-calc: 計算結果が 1 年から 9999 年の範囲外です。") << 1;
        QTest::newRow("zh_CN: labels ending in a full-width colon take no space") << "zh_CN.UTF-8" << QStringList{"diff", "2009-03-02", "2004-01-01", "--units", "fortnights,phrase"} << QByteArray() << TStreams::Piped << QByteArray("双周数：-134\n即：5年2个月1天前\n") << QByteArray() << 0;
        QTest::newRow("zh_CN: batch line of neither form") << "zh_CN.UTF-8" << QStringList{"-"} << QByteArray("add 2004-01-31\n") << TStreams::Piped << QByteArray("\n") << QByteArray("morvane-calc: 第 1 行：应为“diff START END”或“add START N N N N N N”") << 1;
        // clang-format on
    }

    void runs() {
        QFETCH(QString, Locale);
        QFETCH(QStringList, Arguments);
        QFETCH(QByteArray, Input);
        QFETCH(TStreams, Streams);
        QFETCH(QByteArray, Output);
        QFETCH(QByteArray, FirstError);
        QFETCH(int, ExitCode);

        QProcess Calc;
        QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
        // A row without a locale runs in the C locale, with LANGUAGE asking for
        // German, which a C locale overrides.
        Environment.insert(QStringLiteral("LC_ALL"),
                           Locale.isEmpty() ? QStringLiteral("C.UTF-8") : Locale);
        Environment.insert(QStringLiteral("LANGUAGE"),
                           Locale.isEmpty() ? QStringLiteral("de") : QString());
        Calc.setProcessEnvironment(Environment);
        QTemporaryDir Dir;
        QVERIFY(Dir.isValid());
        const QByteArray File = QFile::encodeName(Dir.filePath(QStringLiteral("out")));
        // Runs in the child between fork and exec, after QProcess has set up
        // its pipes: only calls that are safe there.
        Calc.setChildProcessModifier([Streams, File] {
            if (Streams == TStreams::InputClosed) {
                ::close(0);
            } else if (Streams == TStreams::OutputClosed) {
                ::close(1);
            } else if (Streams == TStreams::OutputFull) {
                const int Full = ::open("/dev/full", O_WRONLY);
                ::dup2(Full, 1);
            } else if (Streams == TStreams::OutputPipeClosed) {
                int Ends[2];
                if (::pipe(Ends) == 0) {
                    ::dup2(Ends[1], 1);
                    ::close(Ends[0]);
                }
                ::signal(SIGPIPE, SIG_IGN);
            } else if (Streams == TStreams::OutputLimited) {
                const rlimit Limit = {kFileLimit, kFileLimit};
                ::setrlimit(RLIMIT_FSIZE, &Limit);
                const int Out = ::open(File.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
                ::dup2(Out, 1);
            }
        });
        Calc.start(QStringLiteral(MORVANE_CALC), Arguments);
        QVERIFY(Calc.waitForStarted());
        Calc.write(Input);
        // When writing fails, the tool must stop by itself: its input stays
        // open, as that of "yes | morvane-calc" would.
        if (Streams != TStreams::OutputFull && Streams != TStreams::OutputPipeClosed &&
            Streams != TStreams::OutputLimited)
            Calc.closeWriteChannel();
        QVERIFY(Calc.waitForFinished(10000));
        const QByteArray Errors = Calc.readAllStandardError();
        if (Streams == TStreams::OutputLimited) {
            QFile Written(QFile::decodeName(File));
            QVERIFY(Written.open(QIODevice::ReadOnly));
            QCOMPARE(Written.readAll(), Output);
        } else {
            QCOMPARE(Calc.readAllStandardOutput(), Output);
        }
        QCOMPARE(Errors.left(Errors.indexOf('\n')), FirstError);
        QCOMPARE(Calc.exitStatus(), QProcess::NormalExit);
        QCOMPARE(Calc.exitCode(), ExitCode);
    }

    // A holiday file that cannot be used stops the run with the usage status,
    // but its message is about the file: no usage summary follows it, as one
    // follows a command line that cannot be read.
    void holidayFileMessageStandsAlone() {
        const QString Missing = QStringLiteral(MORVANE_CLI_DATA "/missing.txt");
        QProcess Calc;
        Calc.start(QStringLiteral(MORVANE_CALC),
                   {QStringLiteral("diff"), QStringLiteral("2026-01-01"),
                    QStringLiteral("2026-02-01"), QStringLiteral("--holidays"), Missing});
        QVERIFY(Calc.waitForFinished(10000));
        QCOMPARE(Calc.readAllStandardError(), "morvane-calc: cannot read the holiday file '" +
                                                  Missing.toUtf8() + "': " + std::strerror(ENOENT) +
                                                  "\n");
        QCOMPARE(Calc.exitCode(), 2);
    }

    // --help in English and in every language the catalogs hold: no line
    // wider than a terminal's 80 columns, a Chinese or Japanese character
    // taking two.
    void helpFitsEveryLanguage() {
        QVERIFY(std::setlocale(LC_CTYPE, "C.UTF-8"));
        const QStringList Catalogs =
            QDir(QStringLiteral(MORVANE_TRANSLATIONS)).entryList({QStringLiteral("morvane_*.ts")});
        QVERIFY(Catalogs.size() > 1);
        for (const QString& Catalog : Catalogs) {
            // English is the source; its catalog holds only plural forms.
            const QString Language = Catalog.mid(8).chopped(3);
            QProcess Calc;
            QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
            Environment.insert(QStringLiteral("LC_ALL"), Language + QStringLiteral(".UTF-8"));
            Calc.setProcessEnvironment(Environment);
            Calc.start(QStringLiteral(MORVANE_CALC), {QStringLiteral("--help")});
            QVERIFY(Calc.waitForFinished(10000));
            for (const QString& Line :
                 QString::fromUtf8(Calc.readAllStandardOutput()).split(u'\n')) {
                const std::wstring Wide = Line.toStdWString();
                const int Columns = wcswidth(Wide.c_str(), Wide.size());
                QVERIFY2(Columns >= 0 && Columns <= 80,
                         qPrintable(Language + QStringLiteral(": ") + Line));
            }
        }
    }

    // The command line is read against the table: each option given with a
    // form it does not go with, and two options of one exclusive group
    // given with a form both go with, are refused with their messages.
    void optionsRefusedWhereTheTableSaysSo() {
        int Tried = 0;
        for (const TOption& Option : kOptions) {
            for (const auto& [Form, Words] : kFormWords) {
                if (Option.Commands == 0 || (Option.Commands & Form) != 0)
                    continue;
                const TCalcRun Run = RunCalc(Words + GivenArguments(Option));
                QCOMPARE(Run.FirstError, QByteArray("morvane-calc: ") + Option.WrongCommand);
                QCOMPARE(Run.Status, 2);
                ++Tried;
            }
            for (const TOption& Other : kOptions) {
                if (Option.Group == 0 || Other.Group != Option.Group || &Other == &Option)
                    continue;
                for (const auto& [Form, Words] : kFormWords) {
                    if ((Option.Commands & Other.Commands & Form) == 0)
                        continue;
                    const TCalcRun Run =
                        RunCalc(Words + GivenArguments(Option) + GivenArguments(Other));
                    QCOMPARE(Run.FirstError,
                             QByteArray("morvane-calc: ") + kGroupMessages[Option.Group - 1]);
                    QCOMPARE(Run.Status, 2);
                    ++Tried;
                }
            }
        }
        QVERIFY(Tried > 10);
    }

    // --help's usage lines show each form with exactly the options the table
    // gives it, and its list shows every option with its description.
    void helpFollowsTheOptionTable() {
        const TCalcRun Run = RunCalc({QStringLiteral("--help")});
        QCOMPARE(Run.Status, 0);
        const QString Help = QString::fromUtf8(Run.Out);
        // The usage lines, each form's continued lines joined.
        QStringList Forms;
        for (const QString& Line : Help.section(QStringLiteral("\n\n"), 0, 0).split(u'\n').mid(1)) {
            if (Line.startsWith(QStringLiteral("  morvane-calc ")))
                Forms += Line.mid(15);
            else if (!Forms.isEmpty())
                Forms.back() += u' ' + Line.trimmed();
            else
                QFAIL(qPrintable(QStringLiteral("not a usage line: ") + Line));
        }
        QCOMPARE(Forms.size(), qsizetype(std::size(kFormWords)));
        for (qsizetype I = 0; I < Forms.size(); ++I) {
            const TCommand Form = kFormWords[I].first;
            for (const TOption& Option : kOptions) {
                const QString Spelling = QStringLiteral("--") +
                                         QString::fromUtf8(Option.Name.data(), Option.Name.size());
                QCOMPARE(Forms[I].contains(QRegularExpression(QStringLiteral("[\\[ ]") +
                                                              QRegularExpression::escape(Spelling) +
                                                              QStringLiteral("[\\] ]"))),
                         (Option.Commands & Form) != 0);
            }
        }
        const QString List = Help.section(QStringLiteral("\nOptions:\n"), 1);
        for (const TOption& Option : kOptions) {
            QVERIFY(List.contains(QStringLiteral("--") +
                                  QString::fromUtf8(Option.Name.data(), Option.Name.size())));
            if (Option.Help)
                QVERIFY2(List.contains(QString::fromUtf8(Option.Help).section(u'\n', 0, 0)),
                         Option.Help);
        }
    }

    // Random batches of good, failing and blank lines: in every form each
    // input line has one output line, empty where it failed or was blank
    // (in JSON an object naming it), and the exit status says whether a line
    // failed; a blank line is no failure.
    void everyInputLineKeepsItsRow() {
        std::mt19937 Random(20040131);
        const QByteArray Kinds[] = {"diff 2004-01-31 2026-09-16",
                                    "add 2004-01-31 0 0 0 0 1 0",
                                    "add 2004-02-30 0 0 0 0 1 0",
                                    "add 2004-01-31 0 0 1x 0 0 0",
                                    "diff 2004-01-31",
                                    "",
                                    " \t "};
        const bool Fails[] = {false, false, true, true, true, false, false};
        const bool Blank[] = {false, false, false, false, false, true, true};
        for (int Round = 0; Round < 4; ++Round) {
            QByteArray Input;
            std::vector<std::size_t> Lines;
            bool AnyFails = false;
            for (int I = 0; I < 300; ++I) {
                // The last round has no failing line.
                std::size_t Kind = Random() % std::size(Kinds);
                while (Round == 3 && Fails[Kind])
                    Kind = Random() % std::size(Kinds);
                Lines.push_back(Kind);
                AnyFails = AnyFails || Fails[Kind];
                Input += Kinds[Kind] + '\n';
            }
            for (const QString& Form :
                 {QStringLiteral("--iso"), QStringLiteral("--json"), QStringLiteral("--units")}) {
                QStringList Arguments = {Form, QStringLiteral("-")};
                if (Form == QLatin1String("--units"))
                    Arguments.insert(1, QStringLiteral("phrase"));
                const TCalcRun Run = RunCalc(Arguments, Input);
                QCOMPARE(Run.Status, AnyFails ? 1 : 0);
                const QList<QByteArray> Out = Run.Out.split('\n');
                QCOMPARE(Out.size(), qsizetype(Lines.size()) + 1); // and the last line break
                for (std::size_t I = 0; I < Lines.size(); ++I) {
                    const QByteArray& Line = Out[static_cast<qsizetype>(I)];
                    const QByteArray Named =
                        "{\"line\":" + QByteArray::number(I + 1) + ",\"error\":";
                    if (Form == QLatin1String("--json"))
                        QCOMPARE(Line.startsWith(Named), Fails[Lines[I]] || Blank[Lines[I]]);
                    else
                        QCOMPARE(Line.isEmpty(), Fails[Lines[I]] || Blank[Lines[I]]);
                    if (Blank[Lines[I]] && Form == QLatin1String("--json"))
                        QCOMPARE(Line, Named + "\"blank line\"}");
                }
            }
        }
    }

    // A batch writes each long date as a single run writes it, before and
    // after it has written enough of them to make their table.
    void batchLongDatesAsSingleOnes_data() {
        QTest::addColumn<QString>("Locale");
        QTest::newRow("C") << "C.UTF-8";
        QTest::newRow("German") << "de_DE.UTF-8";
        QTest::newRow("Japanese") << "ja_JP.UTF-8";
    }

    void batchLongDatesAsSingleOnes() {
        QFETCH(QString, Locale);
        std::mt19937 Random(29022004);
        QStringList Dates;
        QByteArray Input;
        for (int I = 0; I < 120; ++I) {
            const int Year = 1 + static_cast<int>(Random() % 9998);
            const QDate Date(Year, 1 + static_cast<int>(Random() % 12), 1);
            Dates += Date.addDays(Random() % 31).toString(Qt::ISODate);
            Input += Dates.back().toUtf8() + '\n';
        }
        const QList<QByteArray> Batch = RunCalc({QStringLiteral("add"), QStringLiteral("--weeks"),
                                                 QStringLiteral("1"), QStringLiteral("-")},
                                                Input, Locale)
                                            .Out.split('\n');
        QCOMPARE(Batch.size(), Dates.size() + 1);
        for (qsizetype I = 0; I < Dates.size(); I += 17) {
            const TCalcRun Single = RunCalc(
                {QStringLiteral("add"), Dates[I], QStringLiteral("--weeks"), QStringLiteral("1")},
                {}, Locale);
            QCOMPARE(Batch[I] + '\n', Single.Out);
        }
    }

    // The manual page describes every option of the table: its name stands
    // in the OPTIONS section, as troff writes it (\-\-name).
    void manualDescribesEveryOption() {
        QFile Page(QStringLiteral(MORVANE_PACKAGING "/man/morvane-calc.1.in"));
        QVERIFY(Page.open(QIODevice::ReadOnly));
        const QByteArray Text = Page.readAll();
        const qsizetype Options = Text.indexOf("\n.SH OPTIONS");
        QVERIFY(Options >= 0);
        const QByteArray Section = Text.mid(Options, Text.indexOf("\n.SH ", Options + 1) - Options);
        for (const TOption& Option : kOptions) {
            QByteArray Name = "--" + QByteArray(Option.Name.data(), Option.Name.size());
            Name.replace("-", "\\-");
            QVERIFY2(Section.contains(Name), Name.constData());
        }
    }

    // What a run loads: the toolkit (the locale module and QtCore with it)
    // only for a text that needs the user's language or the locale's long
    // date and names, as the dynamic loader's own record shows.
    void loadsTheToolkitOnlyWhenNeeded_data() {
        QTest::addColumn<QString>("Locale");
        QTest::addColumn<QStringList>("Arguments");
        QTest::addColumn<QByteArray>("Input");
        QTest::addColumn<bool>("Loads");
        // clang-format off
        QTest::newRow("C: a new date as ISO") << "C" << QStringList{"add", "2004-01-31", "--months", "1", "--iso"} << QByteArray() << false;
        QTest::newRow("English: a difference as text") << "en_US.UTF-8" << QStringList{"diff", "2004-01-31", "2026-09-16"} << QByteArray() << false;
        QTest::newRow("English: ISO and JSON differences, new dates as ISO, a failing line") << "en_US.UTF-8" << QStringList{"--iso", "-"} << QByteArray("diff 2004-01-31 2026-09-16\nadd 2004-01-31 0 0 0 0 1 0\nadd x 0 0 0 0 0 0\n") << false;
        QTest::newRow("English: a format of numbers") << "en_GB.UTF-8" << QStringList{"add", "2004-01-31", "--format", "%F %j %G-W%V-%u"} << QByteArray() << false;
        QTest::newRow("English: the help") << "en_US.UTF-8" << QStringList{"--help"} << QByteArray() << false;
        QTest::newRow("German: a new date as ISO") << "de_DE.UTF-8" << QStringList{"add", "2004-01-31", "--iso"} << QByteArray() << false;
        QTest::newRow("C: the long date") << "C" << QStringList{"add", "2004-01-31"} << QByteArray() << true;
        QTest::newRow("English: a new date as JSON, with its long date") << "en_US.UTF-8" << QStringList{"add", "2004-01-31", "--json"} << QByteArray() << true;
        QTest::newRow("English: a format of names") << "en_US.UTF-8" << QStringList{"add", "2004-01-31", "--format", "%A"} << QByteArray() << true;
        QTest::newRow("English: a batch's first add line as text") << "en_US.UTF-8" << QStringList{"-"} << QByteArray("diff 2004-01-31 2026-09-16\nadd 2004-01-31 0 0 0 0 1 0\n") << true;
        QTest::newRow("German: a difference as text") << "de_DE.UTF-8" << QStringList{"diff", "2004-01-31", "2026-09-16"} << QByteArray() << true;
        QTest::newRow("German: a message") << "de_DE.UTF-8" << QStringList{"add", "2004-01-31", "--days", "x", "--iso"} << QByteArray() << true;
        // clang-format on
    }

    void loadsTheToolkitOnlyWhenNeeded() {
        QFETCH(QString, Locale);
        QFETCH(QStringList, Arguments);
        QFETCH(QByteArray, Input);
        QFETCH(bool, Loads);
        QProcess Calc;
        QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
        Environment.insert(QStringLiteral("LC_ALL"), Locale);
        Environment.remove(QStringLiteral("LANGUAGE"));
        Environment.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
        Calc.setProcessEnvironment(Environment);
        Calc.start(QStringLiteral(MORVANE_CALC), Arguments);
        QVERIFY(Calc.waitForStarted());
        Calc.write(Input);
        Calc.closeWriteChannel();
        QVERIFY(Calc.waitForFinished(10000));
        const QByteArray Record = Calc.readAllStandardError();
        QVERIFY2(Record.contains("file=libc.so.6"), Record.constData()); // the record is there
        QCOMPARE(Record.contains("morvane-calc-locale.so"), Loads);
        QCOMPARE(Record.contains("libQt6Core.so"), Loads);
    }

    // The system's reason for a failed write in the user's language, as GNU
    // tools give it, where that locale is installed (here made for the test
    // with localedef into a folder of its own); English in a C session.
    void systemReasonInUserLanguage_data() {
        QTest::addColumn<QString>("Language");
        QTest::addColumn<QByteArray>("Message");
        // clang-format off
        QTest::newRow("German") << "de" << QByteArray("morvane-calc: Standardausgabe kann nicht geschrieben werden: Auf dem Gerät ist kein Speicherplatz mehr verfügbar\n");
        QTest::newRow("C, whatever LANGUAGE says") << "C" << QByteArray("morvane-calc: cannot write to standard output: ") + std::strerror(ENOSPC) + '\n';
        // clang-format on
    }

    void systemReasonInUserLanguage() {
        QFETCH(QString, Language);
        QFETCH(QByteArray, Message);
        QTemporaryDir Locales;
        QVERIFY(Locales.isValid());
        QProcess Make;
        Make.start(QStringLiteral("localedef"),
                   {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                    QStringLiteral("UTF-8"), Locales.filePath(QStringLiteral("de_DE.UTF-8"))});
        if (!Make.waitForFinished(60000) || Make.exitCode() != 0)
            QSKIP("localedef cannot make a German locale here (Debian's locales package)");
        QProcess Calc;
        QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
        Environment.remove(QStringLiteral("LC_ALL"));
        Environment.insert(QStringLiteral("LOCPATH"), Locales.path());
        Environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
        Environment.insert(QStringLiteral("LANG"), Language == QLatin1String("C")
                                                       ? QStringLiteral("C")
                                                       : QStringLiteral("de_DE.UTF-8"));
        Calc.setProcessEnvironment(Environment);
        Calc.setStandardOutputFile(QStringLiteral("/dev/full"));
        Calc.start(QStringLiteral(MORVANE_CALC),
                   {QStringLiteral("add"), QStringLiteral("2004-01-31"), QStringLiteral("--iso")});
        QVERIFY(Calc.waitForFinished(10000));
        QCOMPARE(Calc.readAllStandardError(), Message);
        QCOMPARE(Calc.exitCode(), 3);
    }

    // The completions of the three shells, each line in each: the words
    // offered at the end of Line (the part after the last comma, for a list).
    void completion_data() {
        QTest::addColumn<QString>("Line");
        QTest::addColumn<QStringList>("Offered");

        // clang-format off
        QTest::newRow("no option that is already given") << "add 2004-01-01 --days 3 -" << QStringList{"--format", "--fortnights", "--holidays", "--iso", "--json", "--months", "--weekdays", "--weekend", "--weeks", "--years"};
        QTest::newRow("no format option that excludes one given") << "add 2004-01-01 --format %Y -" << QStringList{"--days", "--fortnights", "--holidays", "--months", "--weekdays", "--weekend", "--weeks", "--years"};
        QTest::newRow("dates up to diff's second") << "diff 2004-01-01 t" << QStringList{"today", "tomorrow"};
        QTest::newRow("no third date after diff START END") << "diff 2004-01-01 2004-02-01 t" << QStringList{};
        QTest::newRow("--units offers the names not listed yet") << "diff --units days,w" << QStringList{"weekdays", "weeks"};
        QTest::newRow("--units=LIST offers the names not listed yet") << "diff --units=days,w" << QStringList{"weekdays", "weeks"};
        QTest::newRow("an option given first leaves out add, which it does not go with") << "--units days " << QStringList{"-", "--format", "--holidays", "--iso", "--json", "--weekend", "diff"};
        QTest::newRow("an option given first leaves out diff, which it does not go with") << "--format %F " << QStringList{"-", "--days", "--fortnights", "--holidays", "--months", "--phrase-only", "--units", "--weekdays", "--weekend", "--weeks", "--years", "add"};
        QTest::newRow("--weekend offers the day names not listed yet") << "add - --weekend sat,s" << QStringList{"sun"};
        QTest::newRow("--holidays may be given again") << "diff --holidays a.txt --h" << QStringList{"--holidays"};
        // clang-format on
    }

    void completion() {
        QFETCH(QString, Line);
        QFETCH(QStringList, Offered);
        for (const QString& Shell : kShells)
            QCOMPARE(OfferedBy(Shell, {Line}).value(0), Offered);
    }

    // Every option after every command's words, and before any command, in
    // each shell: what is offered is what the table of options says goes
    // with the command (or with the option given), less the option given
    // and those of its exclusive group.
    void completionFollowsTheOptionTable() {
        // A command's words once its dates are given, for each form.
        const std::pair<TCommand, QString> Forms[] = {{cmDiff, "diff 2004-01-01 2004-02-01 "},
                                                      {cmAdd, "add 2004-01-01 "},
                                                      {cmAddBatch, "add - "},
                                                      {cmBatch, "- "}};
        QStringList Lines = {QString()};
        QList<QStringList> Expected = {Commands(kAllCommands) + OptionsFor(kAllCommands, {}, true)};
        for (const auto& [Form, Words] : Forms) {
            Lines += Words;
            Expected += OptionsFor(Form, {}, false);
            for (const TOption& Option : kOptions) {
                if ((Option.Commands & Form) == 0)
                    continue;
                Lines += Words + Given(Option);
                Expected += OptionsFor(Form, {&Option}, false);
            }
        }
        for (const TOption& Option : kOptions) {
            if (Option.Commands == 0)
                continue;
            Lines += Given(Option);
            Expected += Commands(Option.Commands) + OptionsFor(Option.Commands, {&Option}, false);
        }
        for (QStringList& Words : Expected)
            Words.sort();
        for (const QString& Shell : kShells) {
            const QList<QStringList> Got = OfferedBy(Shell, Lines);
            QCOMPARE(Got.size(), Lines.size());
            for (qsizetype I = 0; I < Lines.size(); ++I)
                QVERIFY2(Got[I] == Expected[I],
                         qPrintable(Shell + QStringLiteral(" at 'morvane-calc ") + Lines[I] +
                                    QStringLiteral("': ") + Got[I].join(u' ') +
                                    QStringLiteral(" instead of ") + Expected[I].join(u' ')));
        }
    }

    // --version, from a copy in a folder whose name is not UTF-8 (no QString
    // holds its path, so the copy is made and started by its bytes), started
    // in each way that once hid its own file from it; every successful run
    // prints what the built tool prints.
    void version_data() {
        QTest::addColumn<int>("Start");
        QTest::addColumn<bool>("WithoutStrings");
        QTest::addColumn<QByteArray>("Error");
        // clang-format off
        QTest::newRow("a copy in a folder named in Latin-1 bytes") << int(TStart::Directly) << false << QByteArray();
        QTest::newRow("through the dynamic loader") << int(TStart::ThroughLoader) << false << QByteArray();
        QTest::newRow("without /proc") << int(TStart::WithoutProc) << false << QByteArray();
        QTest::newRow("an execute-only copy run by another user") << int(TStart::AsNobody) << false << QByteArray();
        // The first entry read, the product name, is the one reported.
        QTest::newRow("a copy without version strings") << int(TStart::Directly) << true << QByteArray("morvane-calc: List index out of bounds (7)\n");
        // clang-format on
    }

    void version() {
        QFETCH(int, Start);
        QFETCH(bool, WithoutStrings);
        QFETCH(QByteArray, Error);

        namespace fs = std::filesystem;
        QTemporaryDir Dir;
        QVERIFY(Dir.isValid());
        const fs::path Base(QFile::encodeName(Dir.path()).toStdString());
        std::vector<std::string> Command;
        if (Start == int(TStart::ThroughLoader))
            Command = {runs::DynamicLoader()};
        if (Start == int(TStart::WithoutProc)) {
#ifdef __SANITIZE_ADDRESS__
            QSKIP("the sanitizers' run-time library needs /proc");
#endif
            if (!runs::CanHideProc(Base))
                QSKIP("this machine refuses the mount and user namespaces that hide /proc");
            Command = runs::WithoutProc();
        }
        if (Start == int(TStart::AsNobody)) {
            if (geteuid() != 0)
                QSKIP("only root can start a program as another user");
            Command = runs::kAsNobody;
        }

        const fs::path Folder = Base / "d\xe9j\xe0";
        const fs::path Copy = Folder / "morvane-calc";
        fs::create_directory(Folder);
        const auto RemoveFolder = qScopeGuard([&] { fs::remove_all(Folder); });
        fs::copy_file(MORVANE_CALC, Copy);
        if (WithoutStrings)
            QVERIFY(HideVersionNote(Copy));
        // Execute-only, for a user who owns none of it.
        for (const fs::path& P : {Base, Folder, Copy})
            fs::permissions(P,
                            fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        Command.insert(Command.end(), {Copy.string(), "--version"});
        const runs::TRunResult Run = runs::Run(Command, Base);
        const runs::TRunResult Built = runs::Run({MORVANE_CALC, "--version"}, Base);
        QVERIFY2(Built.Out.starts_with("morvane-calc (Brelmont Date Calculator) "),
                 Built.Out.c_str());
        QCOMPARE(QByteArray::fromStdString(Run.Err), Error);
        QCOMPARE(Run.Status, Error.isEmpty() ? 0 : 1);
        QCOMPARE(Run.Out, Error.isEmpty() ? Built.Out : std::string());
    }
};

QTEST_GUILESS_MAIN(TCalcTest)
#include "tst_Calc.moc"

// morvane-calc on the window's own examples: one difference, one new date
// from all six amounts, one error of each kind, and a batch run with a
// failing line in the middle. The arithmetic itself is the date core's to
// test; these rows check what reaches the terminal and the exit status.
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../ProgramRuns.h"

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

} // namespace

class TCalcTest : public QObject {
    Q_OBJECT

private slots:
    void runs_data() {
        QTest::addColumn<QString>("Locale");
        QTest::addColumn<QStringList>("Arguments");
        QTest::addColumn<QByteArray>("Input");
        QTest::addColumn<QByteArray>("Output");
        QTest::addColumn<QByteArray>("FirstError"); // first line of standard error
        QTest::addColumn<int>("ExitCode");

        QTest::newRow("README difference, 31 January 2004 to 16 September 2026")
            << "" << QStringList{"diff", "2004-01-31", "2026-09-16"} << QByteArray()
            << QByteArray("Days: 8264\nWeekdays: 5903\nWeeks: 1180\nFortnights: 590\n"
                          "Months: 271\nYears: 22\n"
                          "Or: 22 years, 7 months, 2 weeks and 2 days\n")
            << QByteArray() << 0;
        QTest::newRow("all six amounts given years first are applied days first, in German")
            << "de_DE.UTF-8"
            << QStringList{"add",          "2004-01-01", "--years", "1", "--months",   "1",
                           "--fortnights", "1",          "--weeks", "1", "--weekdays", "1",
                           "--days",       "1",          "--json"}
            << QByteArray()
            << QByteArray(R"({"date":"2005-02-26","dayNumber":38409,)"
                          R"("longDate":"Samstag, 26. Februar 2005"})"
                          "\n")
            << QByteArray() << 0;
        QTest::newRow("amount that is not a whole number")
            << "" << QStringList{"add", "2004-01-31", "--days", "5x"} << QByteArray()
            << QByteArray() << QByteArray("morvane-calc: '5x' is not a valid integer value.") << 1;
        QTest::newRow("new date beyond the year 9999")
            << "" << QStringList{"add", "2004-01-01", "--days", "3000000"} << QByteArray()
            << QByteArray() << QByteArray("morvane-calc: Invalid argument to date encode.") << 1;
        QTest::newRow("date that does not exist")
            << "" << QStringList{"diff", "2004-02-30", "2026-09-16"} << QByteArray() << QByteArray()
            << QByteArray("morvane-calc: invalid date '2004-02-30' "
                          "(YYYY-MM-DD with a year from 0001 to 9999, or today)")
            << 2;
        QTest::newRow("batch with a failing line in the middle")
            << "" << QStringList{"--iso", "-"}
            << QByteArray("add 2004-01-31 0 0 0 0 1 0\n"
                          "add 2004-01-31 5x 0 0 0 0 0\n"
                          "diff 2004-01-31 2026-09-16\n")
            << QByteArray(
                   "2004-02-29\n"
                   "8264\t5903\t1180\t590\t271\t22\t22 years, 7 months, 2 weeks and 2 days\n")
            << QByteArray("morvane-calc: line 2: '5x' is not a valid integer value.") << 1;
    }

    void runs() {
        QFETCH(QString, Locale);
        QFETCH(QStringList, Arguments);
        QFETCH(QByteArray, Input);
        QFETCH(QByteArray, Output);
        QFETCH(QByteArray, FirstError);
        QFETCH(int, ExitCode);

        QProcess Calc;
        if (!Locale.isEmpty()) {
            QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
            Environment.insert(QStringLiteral("LC_ALL"), Locale);
            Calc.setProcessEnvironment(Environment);
        }
        Calc.start(QStringLiteral(MORVANE_CALC), Arguments);
        QVERIFY(Calc.waitForStarted());
        Calc.write(Input);
        Calc.closeWriteChannel();
        QVERIFY(Calc.waitForFinished());
        const QByteArray Errors = Calc.readAllStandardError();
        QCOMPARE(Calc.readAllStandardOutput(), Output);
        QCOMPARE(Errors.left(Errors.indexOf('\n')), FirstError);
        QCOMPARE(Calc.exitStatus(), QProcess::NormalExit);
        QCOMPARE(Calc.exitCode(), ExitCode);
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

// The program in the languages it ships: the catalog chosen for the user's
// languages, both windows' texts fitting their controls in every language,
// a few anchors per language (a caption, a phrase with plural forms, an
// error message, Qt's own texts), and English worded exactly as the date
// core words it.
#include "AboutForm.h"
#include "Main.h"
#include "PhraseText.h"
#include "PictureFormats.h"
#include "TestSupport.h"
#include "Translations.h"

#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>
#include <vector>

namespace {

// A caption, the phrase from 2 March 2009 back to 1 January 2004 (5 years,
// 2 months and 1 day ago) and the message for an emptied amount, in each
// shipped language.
struct TAnchors {
    const char* Language;
    const char* Fortnights;
    const char* Phrase;
    const char* Message;
};

constexpr TAnchors kAnchors[] = {
    {"de", "Zwei Wochen:", "vor 5 Jahren, 2 Monaten und 1 Tag", "„“ ist keine gültige ganze Zahl."},
    {"es", "Quincenas:", "hace 5 años, 2 meses y 1 día", "«» no es un valor entero válido."},
    {"fr", "Quinzaines\u00a0:", "il y a 5 ans, 2 mois et 1 jour",
     "«\u00a0\u00a0» n’est pas un nombre entier valide."},
    {"it", "Quindicine:", "5 anni, 2 mesi e 1 giorno fa", "«» non è un valore intero valido."},
    {"ja", "2週間:", "5年2か月と1日前", "「」は有効な整数値ではありません。"},
    {"pl", "Dwutygodnie:", "5 lat, 2 miesiące i 1 dzień temu",
     "„” nie jest prawidłową liczbą całkowitą."},
    {"pt_BR", "Quinzenas:", "há 5 anos, 2 meses e 1 dia", "“” não é um valor inteiro válido."},
    {"ru", "По 2 недели:", "5 лет, 2 месяца и 1 день назад",
     "«» не является допустимым целым числом."},
    {"zh_CN", "双周数：", "5年2个月1天前", "“”不是有效的整数值。"},
};

} // namespace

class TTranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        RegisterJpegFormat();
        QStringList Anchored;
        for (const TAnchors& A : kAnchors)
            Anchored += QString::fromUtf8(A.Language);
        QCOMPARE(Anchored, ShippedLanguages()); // every language has its anchors
    }

    void cleanup() {
        LoadTranslations({});
        QLocale::setDefault(QLocale::system());
        LoadLocaleSettings(QLocale::system());
    }

    void messagesLanguages_data() {
        QTest::addColumn<QByteArray>("MessagesLocale");
        QTest::addColumn<bool>("Followed");
        // clang-format off
        QTest::newRow("a real locale: Qt's languages") << QByteArray("de_DE.UTF-8") << true;
        QTest::newRow("C: English whatever LANGUAGE says") << QByteArray("C") << false;
        QTest::newRow("C.UTF-8") << QByteArray("C.UTF-8") << false;
        QTest::newRow("POSIX") << QByteArray("POSIX") << false;
        QTest::newRow("nothing set") << QByteArray() << false;
        // clang-format on
    }

    void messagesLanguages() {
        QFETCH(QByteArray, MessagesLocale);
        QFETCH(bool, Followed);
        const QStringList Qt{QStringLiteral("fr"), QStringLiteral("de-DE")};
        QCOMPARE(LanguagesForMessages(MessagesLocale, Qt), Followed ? Qt : QStringList());
    }

    void bestCatalog_data() {
        QTest::addColumn<QStringList>("Languages");
        QTest::addColumn<QString>("Catalog");
        // clang-format off
        QTest::newRow("language and region") << QStringList{"de-DE", "de"} << "de";
        QTest::newRow("another region of the language") << QStringList{"de-AT"} << "de";
        QTest::newRow("the region that is shipped") << QStringList{"pt-BR"} << "pt_BR";
        QTest::newRow("the language alone: its likely region") << QStringList{"pt"} << "pt_BR";
        QTest::newRow("another script: none") << QStringList{"zh-Hant-TW"} << "en";
        QTest::newRow("a later language when the first has none") << QStringList{"sv", "fr"} << "fr";
        QTest::newRow("English before another") << QStringList{"en-GB", "de"} << "en";
        QTest::newRow("none") << QStringList{} << "en";
        // clang-format on
    }

    void bestCatalog() {
        QFETCH(QStringList, Languages);
        QFETCH(QString, Catalog);
        QCOMPARE(LoadTranslations(Languages), Catalog);
        const bool English = Catalog == QStringLiteral("en");
        QCOMPARE(MorvaneTitle() == QString::fromUtf8(kMorvaneTitle), English);
        // Qt's own texts follow the program's language.
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy") == QStringLiteral("&Copy"),
                 English);
    }

    // The program's title in each language is the name the desktop entry
    // gives it in the application menu.
    void titleIsTheDesktopEntrysName_data() {
        QTest::addColumn<QString>("Language");
        QTest::newRow("English") << QString();
        for (const QString& Language : ShippedLanguages())
            QTest::newRow(qPrintable(Language)) << Language;
    }

    void titleIsTheDesktopEntrysName() {
        QFETCH(QString, Language);
        QFile Entry(QStringLiteral(DESKTOP_ENTRY));
        QVERIFY(Entry.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString Key = Language.isEmpty() ? QStringLiteral("Name=")
                                               : QStringLiteral("Name[%1]=").arg(Language);
        QString Name;
        for (const QString& Line : QString::fromUtf8(Entry.readAll()).split(u'\n'))
            if (Line.startsWith(Key))
                Name = Line.mid(Key.size());
        LoadTranslations(Language.isEmpty() ? QStringList() : QStringList{Language});
        QCOMPARE(MorvaneTitle(), Name);
    }

    // The English phrase is the date core's, over every pair of a sample of
    // days (month ends, 29 February, the years' extremes).
    void englishPhraseIsTheCores() {
        LoadTranslations({});
        std::vector<TDateTime> Days;
        for (TDateTime D = Day(2004, 1, 25); D <= Day(2004, 3, 5); D += 1)
            Days.push_back(D);
        for (TDateTime D = Day(2005, 1, 28); D <= Day(2005, 3, 3); D += 1)
            Days.push_back(D);
        Days.insert(Days.end(), {Day(1, 1, 1), Day(2000, 1, 1), Day(2002, 3, 16), Day(2006, 2, 28),
                                 Day(9999, 12, 31)});
        int Compared = 0;
        for (TDateTime S : Days)
            for (TDateTime E : Days) {
                const QString Phrase = DiffPhraseText(S, E);
                if (Phrase != QString::fromStdString(DiffPhrase(S, E)))
                    QFAIL(qPrintable(Phrase));
                ++Compared;
            }
        QCOMPARE(Compared, int(Days.size() * Days.size()));
    }

    void textsFitInEveryLanguage_data() {
        QTest::addColumn<QString>("Language");
        for (const QString& Language : ShippedLanguages())
            QTest::newRow(qPrintable(Language)) << Language;
    }

    // Every caption, label, button and list entry of both windows fits its
    // control in the language and its locale, and so does the widest
    // phrase, within the lines the phrase box shows.
    void textsFitInEveryLanguage() {
        QFETCH(QString, Language);
        TErrorRecorder Errors;
        QCOMPARE(LoadTranslations({Language}), Language);
        QLocale::setDefault(QLocale(Language));
        LoadLocaleSettings(QLocale(Language));
        TfrmMainForm Main;
        TfrmAbout About(&Main);
        QVERIFY(Errors.Entries.isEmpty());
        Main.show();
        About.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Main) && QTest::qWaitForWindowExposed(&About));
        const QStringList Faults = TextsNotFitting(&Main) + TextsNotFitting(&About);
        QVERIFY2(Faults.isEmpty(), qPrintable(Faults.join(u'\n')));

        // The widest phrase the years 1 to 9999 give, either way round.
        auto* Box = FindControl<QPlainTextEdit>(&Main, QStringLiteral("mmoDiffString"));
        const QFontMetrics FM(Box->font());
        QString Widest;
        for (TDateTime End = Day(9998, 1, 1); End <= Day(9999, 12, 31); End += 1)
            for (const QString& Phrase :
                 {DiffPhraseText(Day(1, 1, 1), End), DiffPhraseText(End, Day(1, 1, 1))})
                if (FM.horizontalAdvance(Phrase) > FM.horizontalAdvance(Widest))
                    Widest = Phrase;
        Box->setPlainText(Widest);
        QTest::qWait(0);
        const QTextLayout* Lines = Box->document()->firstBlock().layout();
        QVERIFY(Lines && Lines->lineCount() > 0);
        QVERIFY2(Lines->lineCount() * FM.lineSpacing() <= Box->viewport()->height(),
                 qPrintable(QStringLiteral("%1: %2 lines").arg(Widest).arg(Lines->lineCount())));
        QVERIFY2(DrawsEveryCharacter(Box->font(), Widest), qPrintable(Widest));
    }

    void anchorsInEveryLanguage_data() {
        QTest::addColumn<QString>("Language");
        QTest::addColumn<QString>("Fortnights");
        QTest::addColumn<QString>("Phrase");
        QTest::addColumn<QString>("Message");
        for (const TAnchors& A : kAnchors)
            QTest::newRow(A.Language)
                << QString::fromUtf8(A.Language) << QString::fromUtf8(A.Fortnights)
                << QString::fromUtf8(A.Phrase) << QString::fromUtf8(A.Message);
    }

    // The main window in the language: a caption, the phrase of an earlier
    // end date (the plural forms and the pattern for the past), and the
    // message of an emptied amount as the error box shows it.
    void anchorsInEveryLanguage() {
        QFETCH(QString, Language);
        QFETCH(QString, Fortnights);
        QFETCH(QString, Phrase);
        QFETCH(QString, Message);
        TErrorRecorder Errors;
        LoadTranslations({Language});
        TfrmMainForm Main;
        Main.show();
        QVERIFY(QTest::qWaitForWindowActive(&Main));
        const auto* Label =
            FindControl<QLineEdit>(&Main, QStringLiteral("txtFortnights"))->parentWidget();
        QString Caption;
        for (const QLabel* L : Label->findChildren<QLabel*>())
            if (L->buddy() && L->buddy()->objectName() == QStringLiteral("txtFortnights"))
                Caption = L->text();
        QCOMPARE(Caption, Fortnights);

        QVERIFY(StepPickerTo(FindControl<TDatePicker>(&Main, QStringLiteral("dtpStartDt")),
                             Day(2009, 3, 2)));
        QVERIFY(StepPickerTo(FindControl<TDatePicker>(&Main, QStringLiteral("dtpEndDt")),
                             Day(2004, 1, 1)));
        QCOMPARE(FindControl<QPlainTextEdit>(&Main, QStringLiteral("mmoDiffString"))->toPlainText(),
                 Phrase);

        auto* Calc = FindControl<QComboBox>(&Main, QStringLiteral("cmbCalc"));
        Calc->setFocus();
        QTest::keyClick(Calc, Qt::Key_Down);
        QVERIFY(Errors.Entries.isEmpty());
        RetypeText(FindControl<QLineEdit>(&Main, QStringLiteral("txtNoDays")), QString());
        QCOMPARE(Errors.Texts(), QStringList{Message});
        QCOMPARE(Errors.Entries.front().Caption, ApplicationTitle());
    }
};

MORVANE_TEST_MAIN(TTranslationsTest)
#include "tst_Translations.moc"

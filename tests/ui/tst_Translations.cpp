// The program in the languages it ships: the catalog chosen for the user's
// languages, both windows' texts fitting their controls in every language
// (with the font the run names for Chinese and Japanese, MORVANE_CJK_FONT),
// a few anchors per language (a caption, a phrase with plural forms, an
// error message), the About window without an English sentence, and English
// worded exactly as the date core words it.
#include "AboutForm.h"
#include "FormLook.h"
#include "Main.h"
#include "MessageText.h"
#include "PhraseText.h"
#include "PictureFormats.h"
#include "StringList.h"
#include "TestSupport.h"
#include "Translations.h"

#include <QComboBox>
#include <QFile>
#include <QGlyphRun>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRawFont>
#include <QTextLayout>

#include <memory>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace {

// In each shipped language: the caption of the fortnights' result, the
// phrase from 2 March 2009 back to 1 January 2004 (5 years, 2 months and 1
// day ago) and the message for an emptied amount.
struct TAnchors {
    const char* Language;
    const char* Fortnights;
    const char* Phrase;
    const char* Message;
};

constexpr TAnchors kAnchors[] = {
    {"de", "Doppelwochen:", "vor 5 Jahren, 2 Monaten und 1 Tag",
     "„“ ist keine gültige ganze Zahl."},
    {"es", "Quincenas:", "hace 5 años, 2 meses y 1 día", "«» no es un valor entero válido."},
    {"fr", "Quinzaines\u00a0:", "il y a 5 ans, 2 mois et 1 jour",
     "«\u00a0\u00a0» n’est pas un nombre entier valide."},
    {"it", "Quindicine:", "5 anni, 2 mesi e 1 giorno fa", "«» non è un valore intero valido."},
    {"ja", "2週間の数:", "5年2か月と1日前", "「」は有効な整数値ではありません。"},
    {"pl", "Dwutygodnie:", "5 lat, 2 miesiące i 1 dzień temu",
     "„” nie jest prawidłową liczbą całkowitą."},
    {"pt_BR", "Quinzenas:", "há 5 anos, 2 meses e 1 dia", "“” não é um valor inteiro válido."},
    {"ru", "По 2 недели:", "5 лет, 2 месяца и 1 день назад",
     "«» не является допустимым целым числом."},
    {"zh_CN", "双周数：", "5年2个月1天前", "“”不是有效的整数值。"},
};

// The name the desktop entry gives the program in Language.
QString DesktopEntryName(const QString& Language) {
    QFile Entry(QStringLiteral(DESKTOP_ENTRY));
    if (!Entry.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", DESKTOP_ENTRY);
    const QString Key = QStringLiteral("Name[%1]=").arg(Language);
    for (const QString& Line : QString::fromUtf8(Entry.readAll()).split(u'\n'))
        if (Line.startsWith(Key))
            return Line.mid(Key.size());
    return {};
}

// The families of the fonts Text is drawn in at Font, fallbacks included.
QStringList DrawingFamilies(const QFont& Font, const QString& Text) {
    QTextLayout Layout(Text, Font);
    Layout.beginLayout();
    Layout.createLine();
    Layout.endLayout();
    QStringList Families;
    for (const QGlyphRun& Run : Layout.glyphRuns())
        Families += Run.rawFont().familyName();
    return Families;
}

// Whether Label shows the underline of its font: some row of pixels, across
// most of its text's width, that only the underlined drawing has.
bool ShowsUnderline(QLabel* Label) {
    const QImage Underlined = Label->grab().toImage();
    const QFont Kept = Label->font();
    QFont Plain = Kept;
    Plain.setUnderline(false);
    Label->setFont(Plain);
    const QImage NotUnderlined = Label->grab().toImage();
    Label->setFont(Kept);
    const qreal Ratio = Underlined.devicePixelRatio();
    const int Across = int(Label->fontMetrics().horizontalAdvance(Label->text()) * Ratio * 0.9);
    for (int Y = 0; Y < Underlined.height(); ++Y) {
        int Differing = 0;
        for (int X = 0; X < Underlined.width(); ++X)
            Differing += Underlined.pixel(X, Y) != NotUnderlined.pixel(X, Y);
        if (Differing >= Across)
            return true;
    }
    return false;
}

// The texts the About window shows or tells a screen reader: its caption,
// each line of its information, and its controls' texts, tooltips and
// accessible names.
QStringList AboutTexts(const TfrmAbout& About) {
    QStringList Texts{About.windowTitle()};
    Texts += About.InfoCaption().split(QChar(13));
    for (const QWidget* W : About.findChildren<QWidget*>()) {
        if (const auto* L = qobject_cast<const QLabel*>(W); L && W->objectName() != "lblInfo")
            Texts += L->text();
        if (const auto* B = qobject_cast<const QPushButton*>(W))
            Texts += B->text();
        Texts += W->toolTip();
        Texts += W->accessibleName();
    }
    Texts.removeAll(QString());
    return Texts;
}

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

        // A run that names the font for Chinese and Japanese text measures
        // with that font, or it would measure nothing it claims to.
        const QString CjkFont = qEnvironmentVariable("MORVANE_CJK_FONT");
        if (!CjkFont.isEmpty()) {
            const QStringList Families = DrawingFamilies(FormFont(), QStringLiteral("日付计算"));
            QVERIFY2(!Families.isEmpty() && Families.back().startsWith(CjkFont),
                     qPrintable(Families.join(u',')));
        }
    }

    void cleanup() {
        LoadTranslations({});
        QLocale::setDefault(QLocale::system());
        LoadLocaleSettings(QLocale::system());
    }

    // A C locale for messages means English, whatever LANGUAGE says; so
    // does an English first language, which EnglishFirst sees in the
    // environment alone (LANGUAGE before the locale, as Qt reads them).
    void cLocaleMeansEnglish() {
        const QByteArray Locale = qgetenv("LC_ALL");
        qputenv("LANGUAGE", "de");
        for (const char* C : {"C", "C.UTF-8", "POSIX"}) {
            qputenv("LC_ALL", C);
            QVERIFY2(UserLanguages().isEmpty() && EnglishFirst(), C);
        }
        for (const auto& [All, Language, English] : {std::tuple{"en_US.UTF-8", "", true},
                                                     {"de_DE.UTF-8", "en_GB:de", true},
                                                     {"en_US.UTF-8", "de:en", false},
                                                     {"eo.UTF-8", "", false}}) {
            qputenv("LC_ALL", All);
            qputenv("LANGUAGE", Language);
            QCOMPARE(EnglishFirst(), English);
        }
        qputenv("LC_ALL", Locale);
        qunsetenv("LANGUAGE");
    }

    void bestCatalog_data() {
        QTest::addColumn<QStringList>("Languages");
        QTest::addColumn<QString>("Catalog");
        // clang-format off
        QTest::newRow("language and region") << QStringList{"de-DE", "de"} << "de";
        QTest::newRow("another region of the language") << QStringList{"de-AT"} << "de";
        QTest::newRow("the language alone: its likely region") << QStringList{"pt"} << "pt_BR";
        QTest::newRow("another script: none") << QStringList{"zh-Hant-TW"} << "en";
        QTest::newRow("a later language when the first has none") << QStringList{"sv", "fr"} << "fr";
        QTest::newRow("English before another") << QStringList{"en-GB", "de"} << "en";
        // clang-format on
    }

    // The catalog for the user's languages, and Qt's own texts in the same.
    void bestCatalog() {
        QFETCH(QStringList, Languages);
        QFETCH(QString, Catalog);
        QCOMPARE(LoadTranslations(Languages), Catalog);
        QCOMPARE(QCoreApplication::translate("QLineEdit", "&Copy") == QStringLiteral("&Copy"),
                 Catalog == QStringLiteral("en"));
    }

    // The English phrase is the date core's, over every pair of a sample of
    // days (month ends, 29 February, the years' extremes).
    void englishPhraseIsTheCores() {
        std::vector<TDateTime> Days{Day(1, 1, 1), Day(2002, 3, 16), Day(2006, 2, 28),
                                    Day(9999, 12, 31)};
        for (TDateTime D = Day(2004, 1, 25); D <= Day(2004, 3, 5); D += 1)
            Days.insert(Days.end(), {D, D + 366});
        int Compared = 0;
        for (TDateTime S : Days)
            for (TDateTime E : Days)
                Compared += DiffPhraseText(S, E) == QString::fromStdString(DiffPhrase(S, E));
        QCOMPARE(Compared, int(Days.size() * Days.size()));
    }

    void englishMessagesAreTheCores_data() {
        QTest::addColumn<std::shared_ptr<std::exception>>("Error");
        // clang-format off
        QTest::newRow("not a whole number") << std::shared_ptr<std::exception>(std::make_shared<TConvertError>(cpNotInteger, "5x"));
        QTest::newRow("an entered text that looks like a placeholder") << std::shared_ptr<std::exception>(std::make_shared<TConvertError>(cpNotInteger, "%1%2"));
        QTest::newRow("a date outside the years 1 to 9999") << std::shared_ptr<std::exception>(std::make_shared<TConvertError>(cpDateEncode));
        QTest::newRow("a version entry missing") << std::shared_ptr<std::exception>(std::make_shared<TStringListError>(7));
        QTest::newRow("any other error") << std::shared_ptr<std::exception>(std::make_shared<std::runtime_error>("disk on fire"));
        // clang-format on
    }

    // In English every error reads exactly as the core raised it: the
    // message shown is the what() text, however the entered text looks.
    void englishMessagesAreTheCores() {
        QFETCH(std::shared_ptr<std::exception>, Error);
        QCOMPARE(ErrorText(*Error), QString::fromUtf8(Error->what()));
    }

    void textsFitInEveryLanguage_data() {
        QTest::addColumn<QString>("Language");
        for (const QString& Language : ShippedLanguages())
            QTest::newRow(qPrintable(Language)) << Language;
    }

    // Every caption, label, button and list entry of both windows fits its
    // control in the language and its locale, and so does the widest phrase
    // the years 1 to 9999 give, within the lines the phrase box shows.
    void textsFitInEveryLanguage() {
        QFETCH(QString, Language);
        TErrorRecorder Errors;
        LoadTranslations({Language});
        QLocale::setDefault(QLocale(Language));
        LoadLocaleSettings(QLocale(Language));
        TfrmMainForm Main;
        TfrmAbout About(&Main);
        Main.show();
        About.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Main) && QTest::qWaitForWindowExposed(&About));
        const QStringList Faults = TextsNotFitting(&Main) + TextsNotFitting(&About);
        QVERIFY2(Faults.isEmpty() && Errors.Entries.isEmpty(), qPrintable(Faults.join(u'\n')));
        QVERIFY2(ShowsUnderline(FindControl<QLabel>(&About, QStringLiteral("lblHomePage"))),
                 "the link's underline is cut off");

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
        const int Lines = Box->document()->firstBlock().layout()->lineCount();
        QVERIFY2(Lines * FM.lineSpacing() <= Box->viewport()->height() &&
                     DrawsEveryCharacter(Box->font(), Widest),
                 qPrintable(QStringLiteral("%1: %2 lines").arg(Widest).arg(Lines)));
    }

    void aboutInTheLanguage_data() { textsFitInEveryLanguage_data(); }

    // The About window in the language: its caption and first line name the
    // program as the main window and the desktop entry do, and no sentence
    // of the English window is left (the copyright notice stays as the
    // version strings carry it, as such notices do).
    void aboutInTheLanguage() {
        QFETCH(QString, Language);
        TErrorRecorder Errors;
        LoadTranslations({});
        const QStringList English = AboutTexts(TfrmAbout());
        LoadTranslations({Language});
        TfrmAbout About;
        const QString Name = DesktopEntryName(Language);
        QVERIFY2(About.windowTitle().contains(Name), qPrintable(About.windowTitle()));
        QVERIFY(About.InfoCaption().startsWith(Name + QStringLiteral(" v")));
        const QStringList Shown = AboutTexts(About);
        for (const QString& Text : English)
            if (Text.contains(u' ') && !Text.startsWith(QStringLiteral("Copyright")))
                QVERIFY2(!Shown.contains(Text), qPrintable(QStringLiteral("in English: ") + Text));
        QCOMPARE(Errors.Texts(), QStringList());
    }

    // The donation button is a picture: it carries no words, which would
    // be English in every language (its name and tooltip say what it does).
    void donationPictureHasNoWords() {
        QFile Source(QStringLiteral(DONATE_PICTURE_SOURCE));
        QVERIFY(Source.open(QIODevice::ReadOnly));
        QVERIFY(!Source.readAll().contains("<text"));
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
    // end date (plural forms and the pattern for the past), and the message
    // of an emptied amount as the error box shows it. The title is the
    // desktop entry's name.
    void anchorsInEveryLanguage() {
        QFETCH(QString, Language);
        QFETCH(QString, Fortnights);
        QFETCH(QString, Phrase);
        QFETCH(QString, Message);
        TErrorRecorder Errors;
        LoadTranslations({Language});
        QCOMPARE(MorvaneTitle(), DesktopEntryName(Language));
        TfrmMainForm Main;
        Main.show();
        QVERIFY(QTest::qWaitForWindowActive(&Main));
        const auto* Field = FindControl<QLineEdit>(&Main, QStringLiteral("txtFortnights"));
        for (const QLabel* L : Main.findChildren<QLabel*>())
            if (L->buddy() == Field)
                QCOMPARE(L->text(), Fortnights);

        QVERIFY(StepPickerTo(FindControl<TDatePicker>(&Main, QStringLiteral("dtpStartDt")),
                             Day(2009, 3, 2)));
        QVERIFY(StepPickerTo(FindControl<TDatePicker>(&Main, QStringLiteral("dtpEndDt")),
                             Day(2004, 1, 1)));
        QCOMPARE(FindControl<QPlainTextEdit>(&Main, QStringLiteral("mmoDiffString"))->toPlainText(),
                 Phrase);

        auto* Calc = FindControl<QComboBox>(&Main, QStringLiteral("cmbCalc"));
        Calc->setFocus();
        QTest::keyClick(Calc, Qt::Key_Down);
        RetypeText(FindControl<QLineEdit>(&Main, QStringLiteral("txtNoDays")), QString());
        QCOMPARE(Errors.Texts(), QStringList{Message});
    }
};

MORVANE_TEST_MAIN(TTranslationsTest)
#include "tst_Translations.moc"

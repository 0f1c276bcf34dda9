// The About window: its caption and text from version strings (the
// program's own and fixture files), what it keeps when they are incomplete,
// one reading for every showing, the keys and buttons that close it, the two
// addresses it opens, its pictures, and the version information the built
// program carries.

#include "AboutForm.h"
#include "Application.h"
#include "ErrorGuard.h"
#include "GetFileVerInfo.h"
#include "JpegImage.h"
#include "Main.h"
#include "PictureFormats.h"
#include "TestSupport.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QWindow>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../ProgramRuns.h"

namespace {

QString VersionFixture(const char* Name) {
    return QStringLiteral(VERSION_FIXTURE_DIR "/") + QString::fromLatin1(Name);
}

QString AboutFixture(const char* Name) {
    return QStringLiteral(ABOUT_FIXTURE_DIR "/") + QString::fromLatin1(Name);
}

TAboutSources ReadingFrom(const QString& VersionFile) {
    TAboutSources Sources;
    Sources.VersionFile = VersionFile;
    return Sources;
}

// The captions of the boxes Errors was asked to show.
QStringList Captions(const TErrorRecorder& Errors) {
    QStringList C;
    for (const TErrorRecorder::TEntry& E : Errors.Entries)
        C += E.Caption;
    return C;
}

QLabel* Label(TfrmAbout& About, const char* Name) {
    return About.findChild<QLabel*>(QString::fromLatin1(Name));
}

QPushButton* OkButton(TfrmAbout& About) {
    return About.findChild<QPushButton*>("cmdOK");
}

// Shows Window modally; While runs once the modal loop is going and must
// end it. Returns false when the window was still up after 5 seconds (it is
// then closed so that the test can go on).
bool ExecWhile(QDialog& Window, const std::function<void()>& While) {
    bool TimedOut = false;
    QTimer::singleShot(0, &Window, While);
    QTimer Guard;
    Guard.setSingleShot(true);
    QObject::connect(&Guard, &QTimer::timeout, &Window, [&] {
        TimedOut = true;
        Window.done(QDialog::Rejected);
    });
    Guard.start(5000);
    Window.exec();
    return !TimedOut;
}

const QChar CR(13);

} // namespace

class TAboutFormTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void captionAndTextFromVersionStrings_data();
    void captionAndTextFromVersionStrings();
    void programsOwnVersionStrings_data();
    void programsOwnVersionStrings();
    void incompleteVersionStrings_data();
    void incompleteVersionStrings();
    void oneReadingForSeveralShowings();
    void closing_data();
    void closing();
    void addressesOpened_data();
    void addressesOpened();
    void openedByKeyboard_data();
    void openedByKeyboard();
    void donationAddressKeepsItsEscapes();
    void picturesAtTheirSizes();
    void brokenPictureRefused_data();
    void brokenPictureRefused();
    void brokenPictureEndsStartUp();
    void incompleteVersionStringsAtStartUp();
    void windowFrameAndControls();
    void aboutButtonShowsTheWindow();
    void builtProgramCarriesItsVersionStrings_data();
    void builtProgramCarriesItsVersionStrings();

private:
    TUrlRecorder FOpened;
};

void TAboutFormTest::initTestCase() {
    RegisterJpegFormat();
    SetApplicationTitle(QString::fromUtf8(kMorvaneTitle));
    // No browser is ever started: every web address is recorded instead.
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &FOpened, "Record");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &FOpened, "Record");
}

void TAboutFormTest::cleanupTestCase() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void TAboutFormTest::init() {
    FOpened.Urls.clear();
}

// ---------------------------------------------------------------------------
// Caption and text

void TAboutFormTest::captionAndTextFromVersionStrings_data() {
    QTest::addColumn<QString>("File");
    QTest::addColumn<QString>("Caption");
    QTest::addColumn<QString>("Info");
    QTest::addColumn<QString>("ShownInfo");
    QTest::addColumn<QString>("Underlined");

    const QString Complete = QStringLiteral("Fixture Product v2.5.0.17") + CR +
                             QStringLiteral("Copyright \u00a9 2026 Fixture Works") + CR +
                             QStringLiteral("Written for the tests") + CR + CR +
                             QStringLiteral("See LICENSE");
    const QString CompleteShown = QString(Complete).replace(CR, u'\n');
    // clang-format off
    QTest::newRow("ten keys in an ELF file") << VersionFixture("complete_elf64.so") << "About Fixture Product" << Complete << CompleteShown << "";
    // Product name "Marks && Co", trademark line "See the &Licence", empty
    // Comments.
    QTest::newRow("empty comments and access-key markers") << AboutFixture("about_marks.so") << "About Marks && Co" << QStringLiteral("Marks && Co v3.1") + CR + QStringLiteral("Copyright 2026 Marks && Co") + CR + QStringLiteral("(unknown)") + CR + CR + QStringLiteral("See the &Licence") << "Marks & Co v3.1\nCopyright 2026 Marks & Co\n(unknown)\n\nSee the Licence" << "L";
    // clang-format on
}

void TAboutFormTest::captionAndTextFromVersionStrings() {
    QFETCH(QString, File);
    QFETCH(QString, Caption);
    QFETCH(QString, Info);
    QFETCH(QString, ShownInfo);
    QFETCH(QString, Underlined);

    TErrorRecorder Errors;
    TfrmAbout About(nullptr, ReadingFrom(File));
    QCOMPARE(Errors.Texts(), QStringList());
    QCOMPARE(About.windowTitle(), Caption);
    QCOMPARE(About.InfoCaption(), Info);
    const TShownText Text = Shown(Label(About, "lblInfo")->text());
    QCOMPARE(Text.Plain, ShownInfo);
    QCOMPARE(Text.Underlined, Underlined);
    QVERIFY(!About.isVisible());
}

void TAboutFormTest::programsOwnVersionStrings_data() {
    QTest::addColumn<bool>("Copy");
    QTest::addColumn<bool>("ThroughLoader");
    QTest::newRow("this executable") << false << false;
    // The copies run the row above.
    QTest::newRow("a copy in a folder named in Latin-1 bytes") << true << false;
    QTest::newRow("a copy started through the dynamic loader") << true << true;
}

void TAboutFormTest::programsOwnVersionStrings() {
    QFETCH(bool, Copy);
    QFETCH(bool, ThroughLoader);
    if (Copy) {
        // The folder's name is not UTF-8, so no QString holds the copy's
        // path: it is made and started by its bytes.
        namespace fs = std::filesystem;
        QTemporaryDir Dir;
        QVERIFY(Dir.isValid());
        const fs::path Base(QFile::encodeName(Dir.path()).toStdString());
        const fs::path Folder = Base / "d\xe9j\xe0";
        const fs::path Program = Folder / "tst_about";
        fs::create_directory(Folder);
        const auto RemoveFolder = qScopeGuard([&] { fs::remove_all(Folder); });
        fs::copy_file("/proc/self/exe", Program);
        fs::permissions(Program, fs::perms::owner_all);
        std::vector<std::string> Command;
        if (ThroughLoader)
            Command.push_back(runs::DynamicLoader());
        Command.insert(Command.end(),
                       {Program.string(), "-silent", "programsOwnVersionStrings:this executable"});
        const runs::TRunResult Run = runs::Run(Command, Base);
        QVERIFY2(Run.Status == 0, Run.Out.c_str());
        return;
    }

    // This test program carries the program's version information and the
    // window reads the running executable by default.
    TErrorRecorder Errors;
    TfrmAbout About;
    QCOMPARE(Errors.Texts(), QStringList());
    QCOMPARE(About.windowTitle(), QStringLiteral("About Brelmont Date Calculator"));
    const QStringList Lines = About.InfoCaption().split(CR);
    QCOMPARE(Lines.size(), 5);
    QCOMPARE(Lines[0], QStringLiteral("Brelmont Date Calculator v" MORVANE_VERSION_TEXT));
    QVERIFY(Lines[1].startsWith(QStringLiteral("Copyright")));
    QVERIFY(!Lines[2].isEmpty() && Lines[2] != QStringLiteral("(unknown)"));
    QCOMPARE(Lines[3], QString());
    QVERIFY(!Lines[4].isEmpty() && Lines[4] != QStringLiteral("(unknown)"));

    // Every line fits the label at the window's font: nothing is clipped.
    const QLabel* Info = Label(About, "lblInfo");
    const QFontMetrics Metrics(Info->font());
    for (const QString& Line : Lines)
        QVERIFY2(Metrics.horizontalAdvance(Line) <= Info->width(),
                 qPrintable(QStringLiteral("%1 px wide in a label of %2 px: %3")
                                .arg(Metrics.horizontalAdvance(Line))
                                .arg(Info->width())
                                .arg(Line)));
    QVERIFY(Info->sizeHint().height() <= Info->height());
}

// ---------------------------------------------------------------------------
// Incomplete version strings

void TAboutFormTest::incompleteVersionStrings_data() {
    QTest::addColumn<QString>("File");
    QTest::addColumn<QString>("Error");
    QTest::addColumn<QString>("Caption");
    QTest::addColumn<QString>("Info");

    // clang-format off
    QTest::newRow("no version information") << VersionFixture("none_elf64.so") << "List index out of bounds (7)" << "frmAbout" << "Info";
    QTest::newRow("file missing") << VersionFixture("no_such_file.so") << "List index out of bounds (7)" << "frmAbout" << "Info";
    // Nine entries: every value after the copyright line moves up one place,
    // so position 7 holds the product version and position 9 is missing.
    QTest::newRow("copyright missing shifts later entries up") << VersionFixture("no_copyright_pe64.dll") << "List index out of bounds (9)" << "About 2.5" << QStringLiteral("2.5 v2.5.0.17") + CR + QStringLiteral("See LICENSE") + CR;
    // clang-format on
}

void TAboutFormTest::incompleteVersionStrings() {
    QFETCH(QString, File);
    QFETCH(QString, Error);
    QFETCH(QString, Caption);
    QFETCH(QString, Info);

    TErrorRecorder Errors;
    TfrmAbout About(nullptr, ReadingFrom(File));
    // Shown once, by the ordinary error box, without an added full stop.
    QCOMPARE(Errors.Texts(), QStringList{Error});
    QCOMPARE(Captions(Errors), QStringList{QString::fromUtf8(kMorvaneTitle)});
    QCOMPARE(About.windowTitle(), Caption);
    QCOMPARE(About.InfoCaption(), Info);

    // The window still works.
    QVERIFY(ExecWhile(About, [&] { QTest::keyClick(&About, Qt::Key_Escape); }));
    QCOMPARE(Errors.Texts().size(), 1);
}

void TAboutFormTest::oneReadingForSeveralShowings() {
    QTemporaryDir Dir;
    QVERIFY(Dir.isValid());
    const QString File = Dir.filePath(QStringLiteral("program.so"));
    QVERIFY(QFile::copy(VersionFixture("complete_elf64.so"), File));

    TErrorRecorder Errors;
    TfrmAbout About(nullptr, ReadingFrom(File));
    const QString Caption = About.windowTitle();
    const QString Info = About.InfoCaption();
    QCOMPARE(Caption, QStringLiteral("About Fixture Product"));

    // Should the window read its file again, it would now find no version
    // information at all.
    QVERIFY(QFile::remove(File));
    QVERIFY(QFile::copy(VersionFixture("none_elf64.so"), File));

    for (int Showing = 1; Showing <= 3; ++Showing) {
        QString SeenCaption, SeenInfo;
        QVERIFY(ExecWhile(About, [&] {
            SeenCaption = About.windowTitle();
            SeenInfo = About.InfoCaption();
            QTest::keyClick(&About, Qt::Key_Escape);
        }));
        QCOMPARE(SeenCaption, Caption);
        QCOMPARE(SeenInfo, Info);
    }
    QCOMPARE(Errors.Texts(), QStringList());
}

// ---------------------------------------------------------------------------
// Closing

enum class TCloseBy { Escape, Enter, KeypadEnter, OkClick, CloseBox };

void TAboutFormTest::closing_data() {
    QTest::addColumn<int>("By");
    // clang-format off
    QTest::newRow("Esc") << int(TCloseBy::Escape);
    QTest::newRow("Enter") << int(TCloseBy::Enter);
    QTest::newRow("Enter on the keypad") << int(TCloseBy::KeypadEnter);
    QTest::newRow("OK clicked") << int(TCloseBy::OkClick);
    QTest::newRow("close box") << int(TCloseBy::CloseBox);
    // clang-format on
}

void TAboutFormTest::closing() {
    QFETCH(int, By);

    TfrmAbout About(nullptr, ReadingFrom(VersionFixture("complete_elf64.so")));
    bool WasVisible = false;
    bool WasModal = false;
    QWidget* Focus = nullptr;
    const bool Closed = ExecWhile(About, [&] {
        WasVisible = About.isVisible();
        QVERIFY(WaitForWindowActive(&About));
        WasModal = QApplication::activeModalWidget() == &About;
        Focus = QApplication::focusWidget();
        // Keys go where the keyboard sends them: to the control with the
        // focus, or the window when there is none.
        QWidget* Target = Focus ? Focus : &About;
        switch (TCloseBy(By)) {
        case TCloseBy::Escape:
            QTest::keyClick(Target, Qt::Key_Escape);
            break;
        case TCloseBy::Enter:
            QTest::keyClick(Target, Qt::Key_Return);
            break;
        case TCloseBy::KeypadEnter:
            QTest::keyClick(Target, Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case TCloseBy::OkClick:
            QTest::mouseClick(OkButton(About), Qt::LeftButton);
            break;
        case TCloseBy::CloseBox: {
            // What the window system sends when its close box is pressed.
            QCloseEvent Close;
            QApplication::sendEvent(About.windowHandle(), &Close);
            break;
        }
        }
    });
    QVERIFY(WasVisible);
    QVERIFY(WasModal);
    QCOMPARE(Focus, OkButton(About));
    QVERIFY2(Closed, "the window was still up");
    QVERIFY(!About.isVisible());
}

// ---------------------------------------------------------------------------
// Addresses

void TAboutFormTest::addressesOpened_data() {
    QTest::addColumn<QString>("Control");
    QTest::addColumn<QString>("Address");

    // clang-format off
    QTest::newRow("home-page link") << "lblHomePage" << "https://www.brelmont.com.au/";
    // As the browser receives it: "%2d" is an escaped "-", which addresses
    // carry unescaped; every other value keeps its escapes.
    QTest::newRow("donation button") << "imgPayPal" << "https://www.paypal.com/cgi-bin/webscr?cmd=_xclick&business=donations%40brelmont.com.au"
        "&item_name=Software%20donation&no_shipping=1&cn=Optional%20comments&tax=0"
        "&currency_code=AUD&bn=PP-DonationsBF&charset=UTF-8";
    // clang-format on
}

void TAboutFormTest::addressesOpened() {
    QFETCH(QString, Control);
    QFETCH(QString, Address);

    TErrorRecorder Errors;
    TfrmAbout About(nullptr, ReadingFrom(VersionFixture("complete_elf64.so")));
    QLabel* Link = Label(About, qPrintable(Control));
    QVERIFY(Link);

    bool StillOpen = false;
    QList<QUrl> AfterPress;
    QVERIFY(ExecWhile(About, [&] {
        // A press alone opens nothing; the click completes on release.
        QTest::mousePress(Link, Qt::LeftButton, {}, QPoint(5, 5));
        AfterPress = FOpened.Urls;
        QTest::mouseRelease(Link, Qt::LeftButton, {}, QPoint(5, 5));
        StillOpen = About.isVisible();
        QTest::keyClick(&About, Qt::Key_Escape);
    }));
    QCOMPARE(AfterPress, QList<QUrl>());
    QCOMPARE(FOpened.Urls.size(), 1);
    QCOMPARE(FOpened.Urls[0].toString(QUrl::FullyEncoded), Address);
    QVERIFY(StillOpen);
    QCOMPARE(Errors.Texts(), QStringList());
}

void TAboutFormTest::openedByKeyboard_data() {
    QTest::addColumn<int>("Tabs"); // Tab presses from OK, which has the focus
    QTest::addColumn<QString>("Control");
    QTest::addColumn<int>("Key");
    QTest::addColumn<QUrl>("Opened"); // none: the key closes the window

    const QUrl Home = WebAddress(kHomePageAddress);
    const QUrl Donation = WebAddress(kDonationAddress);
    // clang-format off
    QTest::newRow("donation button by Enter") << 1 << "imgPayPal" << int(Qt::Key_Return) << Donation;
    QTest::newRow("donation button by Space") << 1 << "imgPayPal" << int(Qt::Key_Space) << Donation;
    QTest::newRow("home-page link by Enter") << 2 << "lblHomePage" << int(Qt::Key_Return) << Home;
    QTest::newRow("home-page link by Space") << 2 << "lblHomePage" << int(Qt::Key_Space) << Home;
    QTest::newRow("home-page link by Enter on the keypad") << 2 << "lblHomePage" << int(Qt::Key_Enter) << Home;
    QTest::newRow("Tab comes round to OK, whose Enter closes") << 3 << "cmdOK" << int(Qt::Key_Return) << QUrl();
    // clang-format on
}

// The link and the donation button are reached by Tab and pressed by Enter
// or Space, which open their address and leave the window open; Esc still
// closes it from there.
void TAboutFormTest::openedByKeyboard() {
    QFETCH(int, Tabs);
    QFETCH(QString, Control);
    QFETCH(int, Key);
    QFETCH(QUrl, Opened);

    TErrorRecorder Errors;
    TfrmAbout About(nullptr, ReadingFrom(VersionFixture("complete_elf64.so")));
    QString Focused;
    bool StillOpen = false;
    QVERIFY(ExecWhile(About, [&] {
        QVERIFY(WaitForWindowActive(&About));
        for (int I = 0; I < Tabs; ++I)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* Focus = QApplication::focusWidget();
        Focused = Focus->objectName();
        QTest::keyClick(Focus, Qt::Key(Key),
                        Key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        StillOpen = About.isVisible();
        if (StillOpen)
            QTest::keyClick(Focus, Qt::Key_Escape);
    }));
    QCOMPARE(Focused, Control);
    QCOMPARE(StillOpen, !Opened.isEmpty());
    QCOMPARE(FOpened.Urls, Opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{Opened});
    QVERIFY(!About.isVisible());
    QCOMPARE(Errors.Texts(), QStringList());
}

void TAboutFormTest::donationAddressKeepsItsEscapes() {
    const QUrl Url = WebAddress(kDonationAddress);
    QVERIFY(Url.isValid());
    QCOMPARE(Url.scheme(), QStringLiteral("https"));
    QCOMPARE(Url.host(), QStringLiteral("www.paypal.com"));
    QCOMPARE(Url.path(), QStringLiteral("/cgi-bin/webscr"));
    // Only the escapes of unreserved characters are normalised away.
    QCOMPARE(
        Url.toString(QUrl::FullyEncoded),
        QString::fromLatin1(kDonationAddress).replace(QStringLiteral("%2d"), QStringLiteral("-")));

    // The query fields in their order, as PayPal decodes them.
    const QList<QPair<QString, QString>> Expected = {
        {"cmd", "_xclick"},
        {"business", "donations@brelmont.com.au"},
        {"item_name", "Software donation"},
        {"no_shipping", "1"},
        {"cn", "Optional comments"},
        {"tax", "0"},
        {"currency_code", "AUD"},
        {"bn", "PP-DonationsBF"},
        {"charset", "UTF-8"},
    };
    QCOMPARE(QUrlQuery(Url).queryItems(QUrl::FullyDecoded), Expected);
    QCOMPARE(WebAddress(kHomePageAddress).toString(QUrl::FullyEncoded),
             QString::fromLatin1(kHomePageAddress));
}

// ---------------------------------------------------------------------------
// Pictures

void TAboutFormTest::picturesAtTheirSizes() {
    TfrmAbout About(nullptr, ReadingFrom(VersionFixture("complete_elf64.so")));
    const QLabel* Logo = Label(About, "imgBrelmont");
    const QLabel* Donate = Label(About, "imgPayPal");

    // The logo is stretched to its control: from the stored picture when the
    // control is no larger, else from the double-size one, which stays
    // sharper when scaled down than the small one when scaled up.
    const QPixmap LogoPixmap = Logo->pixmap();
    QCOMPARE(LogoPixmap.deviceIndependentSize().toSize(), QSize(136, 40));
    QVERIFY(Logo->hasScaledContents());
    const bool Stretched = Logo->width() > 136 || Logo->height() > 40;
    QCOMPARE(LogoPixmap.devicePixelRatio(), Stretched ? 2.0 : 1.0);
    QImage LogoShown = LogoPixmap.toImage().convertToFormat(QImage::Format_RGB888);
    LogoShown.setDevicePixelRatio(1);
    QCOMPARE(LogoShown, LoadPicture(Stretched ? QStringLiteral(":/pictures/brelmont-logo@2x.jpg")
                                              : TAboutSources().LogoPicture)
                            .convertToFormat(QImage::Format_RGB888));

    const QPixmap DonatePixmap = Donate->pixmap();
    QCOMPARE(DonatePixmap.size(), QSize(62, 31));
    QCOMPARE(Donate->size(), QSize(62, 31)); // sized to the picture
    QVERIFY(!Donate->hasScaledContents());
    QCOMPARE(DonatePixmap.toImage().convertToFormat(QImage::Format_RGB888),
             LoadPicture(TAboutSources().DonatePicture).convertToFormat(QImage::Format_RGB888));

    // Both pictures lie inside the window, the logo above the upper bevel
    // line and the button above the lower one.
    const QRect Client = About.rect();
    QVERIFY(Client.contains(Logo->geometry()));
    QVERIFY(Client.contains(Donate->geometry()));
    QVERIFY(Logo->geometry().bottom() < About.findChild<QWidget*>("Bevel2")->geometry().top());
    QVERIFY(Donate->geometry().bottom() < About.findChild<QWidget*>("Bevel1")->geometry().top());
}

void TAboutFormTest::brokenPictureRefused_data() {
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QByteArray>("Bytes");
    QTest::addColumn<QString>("Message");

    QFile Stored(TAboutSources().DonatePicture);
    QVERIFY(Stored.open(QIODevice::ReadOnly));
    const QByteArray Good = Stored.readAll();

    // clang-format off
    QTest::newRow("JPEG cut short") << "donate.jpg" << Good.left(Good.size() / 2) << "JPEG error: Premature end of JPEG file";
    QTest::newRow("text under a JPEG name") << "donate.jpeg" << QByteArray("not a picture\n") << "JPEG error: ";
    QTest::newRow("extension of no registered format") << "donate.png" << Good << "for which no picture format is registered";
    // clang-format on
}

void TAboutFormTest::brokenPictureRefused() {
    QFETCH(QString, Name);
    QFETCH(QByteArray, Bytes);
    QFETCH(QString, Message);

    QTemporaryDir Dir;
    QVERIFY(Dir.isValid());
    QFile Broken(Dir.filePath(Name));
    QVERIFY(Broken.open(QIODevice::WriteOnly));
    Broken.write(Bytes);
    Broken.close();

    TAboutSources Sources = ReadingFrom(VersionFixture("complete_elf64.so"));
    Sources.DonatePicture = Broken.fileName();
    QString Raised;
    try {
        TfrmAbout About(nullptr, Sources);
    } catch (const std::exception& E) {
        Raised = QString::fromUtf8(E.what());
    }
    QVERIFY2(Raised.contains(Message), qPrintable(Raised));
}

void TAboutFormTest::brokenPictureEndsStartUp() {
    // A picture that can't be decoded fails the building of the window; the
    // error escapes start-up to the last-resort box and the program ends
    // with exit code 1.
    QTemporaryDir Dir;
    QVERIFY(Dir.isValid());
    QFile Broken(Dir.filePath(QStringLiteral("logo.jpg")));
    QVERIFY(Broken.open(QIODevice::WriteOnly));
    Broken.write("\xFF\xD8\xFF");
    Broken.close();

    TErrorRecorder Errors;
    QPointer<TfrmMainForm> Main;
    const int Code = RunStartUp([&]() -> QWidget* {
        Main = new TfrmMainForm();
        TAboutSources Sources = ReadingFrom(VersionFixture("complete_elf64.so"));
        Sources.LogoPicture = Broken.fileName();
        new TfrmAbout(Main, Sources);
        return Main;
    });
    delete Main.data();
    QCOMPARE(Code, 1);
    QCOMPARE(Captions(Errors), QStringList{QStringLiteral("Application Error")});
    QVERIFY2(Errors.Texts().value(0).contains(QStringLiteral("JPEG error")),
             qPrintable(Errors.Texts().value(0)));
}

void TAboutFormTest::incompleteVersionStringsAtStartUp() {
    // The error is shown during start-up, before the main window is shown,
    // and the program then runs normally and ends with code 0.
    QStringList Shown;
    bool MainVisibleAtError = true;
    QPointer<TfrmMainForm> Main;
    const TErrorDisplay Previous =
        SetErrorDisplay([&](const QString& Caption, const QString& Text) {
            Shown += Caption + QStringLiteral(": ") + Text;
            MainVisibleAtError = Main && Main->isVisible();
        });
    QPointer<TfrmAbout> About;
    bool RanNormally = false;
    const int Code = RunStartUp([&]() -> QWidget* {
        Main = new TfrmMainForm();
        About = new TfrmAbout(Main, ReadingFrom(VersionFixture("no_copyright_pe64.dll")));
        Main->SetAboutWindow(About);
        QTimer::singleShot(0, Main, [&] {
            RanNormally = Main->isVisible() && About && About->windowTitle() == "About 2.5";
            Main->close();
        });
        return Main;
    });
    SetErrorDisplay(Previous);
    QCOMPARE(Code, 0);
    QCOMPARE(Shown,
             QStringList{QStringLiteral("Brelmont Date Calculator: List index out of bounds (9)")});
    QVERIFY(!MainVisibleAtError);
    QVERIFY(RanNormally);
    QVERIFY(!Main);  // closing the main window destroyed it
    QVERIFY(!About); // and the About window with it
}

// ---------------------------------------------------------------------------
// The window itself

void TAboutFormTest::windowFrameAndControls() {
    TfrmAbout About(nullptr, ReadingFrom(VersionFixture("complete_elf64.so")));
    const Qt::WindowFlags Flags = About.windowFlags();
    QVERIFY(Flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!Flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!Flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!Flags.testFlag(Qt::WindowContextHelpButtonHint));
    QCOMPARE(About.minimumSize(), About.maximumSize()); // fixed size
    QVERIFY(About.width() >= 377 && About.height() >= 230);

    // Tab stops at the OK button first, then at the donation button and the
    // link, in reading order; a click on either leaves the focus where it is.
    QPushButton* OK = OkButton(About);
    QList<QWidget*> TabStops{OK};
    for (QWidget* W = OK->nextInFocusChain(); W != OK; W = W->nextInFocusChain())
        if (W->focusPolicy() & Qt::TabFocus)
            TabStops += W;
    QCOMPARE(TabStops,
             (QList<QWidget*>{OK, Label(About, "imgPayPal"), Label(About, "lblHomePage")}));
    QCOMPARE(Label(About, "lblHomePage")->focusPolicy() & Qt::ClickFocus, 0);

    // The link keeps its own look beside the window's font and face, in the
    // window's font family, and its text fits its control.
    QLabel* Home = Label(About, "lblHomePage");
    QVERIFY(Home->font().underline());
    QCOMPARE(Home->font().family(), About.font().family());
    QVERIFY(QFontMetrics(Home->font()).horizontalAdvance(Home->text()) <= Home->width());
    // It is drawn (its underline, at least) in the palette's link colour,
    // blue in the standard palette, and follows a change to a dark one.
    const auto Drawn = [Home](const QColor& Colour) {
        const QImage Shown = Home->grab().toImage();
        for (int Y = 0; Y < Shown.height(); ++Y)
            for (int X = 0; X < Shown.width(); ++X)
                if (Shown.pixelColor(X, Y) == Colour)
                    return true;
        return false;
    };
    QVERIFY(Drawn(QColor(Qt::blue)));
    QPalette Dark(QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x2a, 0x2a));
    Dark.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    About.setPalette(Dark);
    QVERIFY(Drawn(Dark.color(QPalette::Link)));
    QVERIFY(!Drawn(QColor(Qt::blue)));
}

void TAboutFormTest::aboutButtonShowsTheWindow() {
    TErrorRecorder Errors;
    TfrmMainForm Main;
    TfrmAbout About(&Main, ReadingFrom(VersionFixture("complete_elf64.so")));
    Main.SetAboutWindow(&About);
    Main.move(150, 120);
    Main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Main));

    Main.activateWindow();
    QVERIFY(WaitForWindowActive(&Main));

    for (int Showing = 1; Showing <= 2; ++Showing) {
        bool Done = false;
        bool Modal = false;
        bool ArrowWhileUp = false;
        QPoint CentreOffset;
        const QWindow* OpenedOver = nullptr;
        QString Caption;
        // Watches for the window to come up, looks at it, and closes it.
        QTimer Watch;
        connect(&Watch, &QTimer::timeout, &About, [&] {
            if (!About.isVisible())
                return;
            Watch.stop();
            Modal = QApplication::activeModalWidget() == &About;
            // The modal show puts the arrow back while the window is up.
            ArrowWhileUp = QApplication::overrideCursor() == nullptr;
            CentreOffset = About.frameGeometry().center() - Main.frameGeometry().center();
            OpenedOver = About.windowHandle()->transientParent();
            Caption = About.windowTitle();
            QTest::keyClick(&About, Qt::Key_Escape);
            Done = true;
        });
        Watch.start(10);
        if (Showing == 1) {
            // Alt+A presses the About button (a shortcut clicks the button
            // a moment later).
            QTest::keyClick(&Main, Qt::Key_A, Qt::AltModifier);
        } else {
            QTest::mouseClick(Main.findChild<QPushButton*>("cmdAbout"), Qt::LeftButton);
        }
        QTRY_VERIFY_WITH_TIMEOUT(Done, 5000);
        QVERIFY(Modal);
        QVERIFY(ArrowWhileUp);
        // Centred over the main window: put there where windows go where
        // they are put, and transient for it, which is what a Wayland
        // compositor places it by.
        QCOMPARE(OpenedOver, Main.windowHandle());
        QVERIFY2(
            !WindowsGoWherePut() || (qAbs(CentreOffset.x()) <= 1 && qAbs(CentreOffset.y()) <= 1),
            qPrintable(
                QStringLiteral("off centre by %1,%2").arg(CentreOffset.x()).arg(CentreOffset.y())));
        QCOMPARE(Caption, QStringLiteral("About Fixture Product"));
        QTRY_VERIFY(!About.isVisible());
        QCOMPARE(QApplication::overrideCursor(), nullptr); // the default arrow again
        QVERIFY(Main.isVisible());
    }
    QCOMPARE(Errors.Texts(), QStringList());
}

// ---------------------------------------------------------------------------
// The built program's own version information

void TAboutFormTest::builtProgramCarriesItsVersionStrings_data() {
    QTest::addColumn<int>("Position");
    QTest::addColumn<QString>("Value");
    QTest::addColumn<bool>("Exact"); // else: the value must start with Value

    // clang-format off
    QTest::newRow("CompanyName") << 0 << "Brelmont" << true;
    QTest::newRow("FileDescription") << 1 << "Date Calculator" << true;
    QTest::newRow("FileVersion") << 2 << MORVANE_VERSION_TEXT << true;
    QTest::newRow("InternalName") << 3 << "Morvane" << true;
    QTest::newRow("LegalCopyright") << 4 << "Copyright \u00a9 " << false;
    QTest::newRow("LegalTrademarks") << 5 << "" << false;
    QTest::newRow("OriginalFilename") << 6 << "morvane" << true;
    QTest::newRow("ProductName") << 7 << "Brelmont Date Calculator" << true;
    QTest::newRow("ProductVersion") << 8 << MORVANE_VERSION_TEXT << true;
    QTest::newRow("Comments") << 9 << "" << false;
    // clang-format on
}

void TAboutFormTest::builtProgramCarriesItsVersionStrings() {
    QFETCH(int, Position);
    QFETCH(QString, Value);
    QFETCH(bool, Exact);

    TStringList Strings;
    ReadVersionStrings(MORVANE_EXECUTABLE, Strings);
    QCOMPARE(Strings.Count(), 10); // the ten standard keys, no Release
    const QString Read = QString::fromStdString(Strings[Position]);
    QVERIFY(!Read.isEmpty() && Read != QStringLiteral("(unknown)"));
    if (Exact)
        QCOMPARE(Read, Value);
    else
        QVERIFY2(Read.startsWith(Value), qPrintable(Read));
    if (Position == 5) // points the user to the licence text
        QVERIFY2(Read.contains(QStringLiteral("LICENSE")), qPrintable(Read));
}

MORVANE_TEST_MAIN(TAboutFormTest)

#include "tst_AboutForm.moc"

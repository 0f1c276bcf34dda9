// The windows as the desktop and assistive technology see them: the
// application icon on every window, the accessible name of every field (from
// its label), of the spin buttons and of the About window's link and
// pictures, results read back through the accessibility interface after they
// change, and the choice between a picture's stored resolutions.
#include "AboutForm.h"
#include "Accessibility.h"
#include "ApplicationIcon.h"
#include "Caption.h"
#include "DatePicker.h"
#include "Main.h"
#include "PictureFormats.h"
#include "PictureSet.h"
#include "TestSupport.h"
#include "UpDown.h"

#include <QAccessible>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>
#include <QXmlStreamReader>

namespace {

// The accessible names the main window's description (resources/Main.ui)
// gives its controls, by control name.
QHash<QString, QString> DescribedNames() {
    QFile File(QStringLiteral(MAIN_FORM));
    if (!File.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(File.fileName()));
    QXmlStreamReader Xml(&File);
    QStringList Widgets; // the widget elements the reader is inside
    QHash<QString, QString> Names;
    while (!Xml.atEnd()) {
        Xml.readNext();
        if (Xml.name() == u"widget" && Xml.isStartElement())
            Widgets += Xml.attributes().value(QStringLiteral("name")).toString();
        else if (Xml.name() == u"widget" && Xml.isEndElement())
            Widgets.removeLast();
        else if (Xml.name() == u"property" && Xml.isStartElement() &&
                 Xml.attributes().value(QStringLiteral("name")) == u"accessibleName" &&
                 Xml.readNextStartElement())
            Names[Widgets.last()] = Xml.readElementText();
    }
    return Names;
}

QAccessibleInterface* Accessible(QObject* Object) {
    QAccessibleInterface* I = QAccessible::queryAccessibleInterface(Object);
    if (!I)
        qFatal("no accessible interface for %s", qPrintable(Object->objectName()));
    return I;
}

QString AccessibleName(QObject* Object) {
    return Accessible(Object)->text(QAccessible::Name);
}

// The whole text a control holds, as assistive technology reads it.
QString AccessibleText(QObject* Object) {
    QAccessibleInterface* I = Accessible(Object);
    if (QAccessibleTextInterface* Text = I->textInterface())
        return Text->text(0, Text->characterCount());
    return I->text(QAccessible::Value);
}

// Records the text changes sent to assistive technology while it lives.
class TTextChangeRecorder {
public:
    TTextChangeRecorder() : FPrevious(QAccessible::installUpdateHandler(&Record)) {
        Current = this;
    }
    ~TTextChangeRecorder() {
        QAccessible::installUpdateHandler(FPrevious);
        Current = nullptr;
    }
    TTextChangeRecorder(const TTextChangeRecorder&) = delete;
    TTextChangeRecorder& operator=(const TTextChangeRecorder&) = delete;

    QList<QObject*> Changed;

private:
    static void Record(QAccessibleEvent* Event) {
        const QAccessible::Event T = Event->type();
        if (Current && (T == QAccessible::TextUpdated || T == QAccessible::TextInserted ||
                        T == QAccessible::TextRemoved))
            Current->Changed += Event->object();
    }
    static inline TTextChangeRecorder* Current = nullptr;
    QAccessible::UpdateHandler FPrevious;
};

} // namespace

class TDesktopIntegrationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void windowsShowTheApplicationIcon();

    void fieldsNamedAfterTheirLabels();
    void buttonsNamedAfterTheirCaptions();
    void spinButtonsNamedAfterTheirEdits();
    void labelTextNamesItsBuddy();

    void resultsReadThroughTheInterfaceAfterAChange();
    void resultChangesReachAssistiveTechnology();

    void aboutControlsNamedAndTyped_data();
    void aboutControlsNamedAndTyped();
    void pressActionOpensTheAddress_data();
    void pressActionOpensTheAddress();

    void scaledPicturePath_data();
    void scaledPicturePath();
    void sharpestStoredPicture_data();
    void sharpestStoredPicture();
    void pictureWithoutDoubleSize();
    void doubleSizePictureOfTheWrongSize();

private:
    std::unique_ptr<TfrmMainForm> Main;
    TUrlRecorder FOpened;
};

void TDesktopIntegrationTest::initTestCase() {
    RegisterJpegFormat();
    Main = std::make_unique<TfrmMainForm>();
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &FOpened, "Record");
}

void TDesktopIntegrationTest::cleanupTestCase() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    Main.reset();
}

// ---------------------------------------------------------------------------
// Window icon

void TDesktopIntegrationTest::windowsShowTheApplicationIcon() {
    const QIcon Icon = QApplication::windowIcon();
    QVERIFY(!Icon.isNull());
    for (int Size : ApplicationIconSizes()) {
        QVERIFY2(Icon.availableSizes().contains(QSize(Size, Size)),
                 qPrintable(QStringLiteral("no %1 px icon").arg(Size)));
        // Each size is its own drawing, not another size scaled: the 16 px
        // one is the simplified drawing, the others the scalable icon's.
        const QImage Stored(QStringLiteral(":/icons/morvane-%1.png").arg(Size));
        QCOMPARE(Stored.size(), QSize(Size, Size));
        QCOMPARE(Pixels(Icon.pixmap(Size, Size).toImage()), Pixels(Stored));
    }

    TErrorRecorder Errors; // the test has no version information to read
    TfrmAbout About(Main.get());
    QCOMPARE(Main->windowIcon().cacheKey(), Icon.cacheKey());
    QCOMPARE(About.windowIcon().cacheKey(), Icon.cacheKey());
}

// ---------------------------------------------------------------------------
// Accessible names of the main window

void TDesktopIntegrationTest::fieldsNamedAfterTheirLabels() {
    const QHash<QString, QString> Described = DescribedNames();
    QSet<const QWidget*> Labelled;
    for (const QLabel* L : Main->findChildren<QLabel*>()) {
        QWidget* F = L->buddy();
        if (!F)
            continue;
        Labelled += F;
        const QString Name = Described.value(F->objectName(), AccessibleNameOfCaption(L->text()));
        QVERIFY2(!Name.isEmpty(), qPrintable(F->objectName()));
        QCOMPARE(F->accessibleName(), Name);
#ifdef Q_OS_UNIX
        // Qt names a drop-down list by its chosen item on these desktops,
        // where screen readers announce the label through the relation below.
        if (qobject_cast<QComboBox*>(F))
            QCOMPARE(AccessibleName(F), qobject_cast<QComboBox*>(F)->currentText());
        else
#endif
            QCOMPARE(AccessibleName(F), Name);
        // The label is announced as the field's label too.
        const auto Labels = Accessible(F)->relations(QAccessible::Label);
        QCOMPARE(Labels.size(), 1);
        QCOMPARE(Labels.front().first->object(), L);
        // The label's own text is left as it is shown.
        QVERIFY(L->text().endsWith(u':'));
    }
    // Every field the user reads or fills has a label.
    for (const QWidget* W : Main->findChildren<QWidget*>()) {
        const bool Field = qobject_cast<const QAbstractSpinBox*>(W) ||
                           qobject_cast<const QComboBox*>(W) ||
                           qobject_cast<const QPlainTextEdit*>(W) ||
                           (qobject_cast<const QLineEdit*>(W) &&
                            !qobject_cast<const QAbstractSpinBox*>(W->parentWidget()));
        if (Field)
            QVERIFY2(Labelled.contains(W), qPrintable(W->objectName()));
    }
    QVERIFY(!Labelled.isEmpty());
}

// Qt names a push button by its caption without the access-key marker.
void TDesktopIntegrationTest::buttonsNamedAfterTheirCaptions() {
    const QList<QPushButton*> Buttons = Main->findChildren<QPushButton*>();
    QVERIFY(!Buttons.isEmpty());
    for (QPushButton* B : Buttons)
        QCOMPARE(AccessibleName(B), ParseCaption(B->text()).Shown);
}

void TDesktopIntegrationTest::spinButtonsNamedAfterTheirEdits() {
    const QList<TUpDown*> Spins = Main->findChildren<TUpDown*>();
    QVERIFY(!Spins.isEmpty());
    for (TUpDown* S : Spins) {
        const QString Amount = S->Associate()->accessibleName();
        QVERIFY(!Amount.isEmpty());
        QCOMPARE(AccessibleName(S), Amount + QStringLiteral(" up/down"));
        QCOMPARE(AccessibleName(S->UpButton()), Amount + QStringLiteral(" up"));
        QCOMPARE(AccessibleName(S->DownButton()), Amount + QStringLiteral(" down"));
        QCOMPARE(Accessible(S->UpButton())->role(), QAccessible::Button);
    }
}

// The name comes from whatever the label says when the window is built, and
// a name given in the window description wins over it.
void TDesktopIntegrationTest::labelTextNamesItsBuddy() {
    QWidget Form;
    auto* Field = new QLineEdit(&Form);
    auto* Label = new QLabel(QStringLiteral("Due Date:"), &Form);
    Label->setBuddy(Field);
    auto* Named = new QLineEdit(&Form);
    Named->setAccessibleName(QStringLiteral("Total"));
    auto* Other = new QLabel(QStringLiteral("Sum:"), &Form);
    Other->setBuddy(Named);
    auto* Lone = new QLineEdit(&Form);

    NameFieldsAfterLabels(&Form);
    QCOMPARE(AccessibleName(Field), QStringLiteral("Due Date"));
    QCOMPARE(AccessibleName(Named), QStringLiteral("Total"));
    QCOMPARE(Lone->accessibleName(), QString());
}

// ---------------------------------------------------------------------------
// Results read back after they change

void TDesktopIntegrationTest::resultsReadThroughTheInterfaceAfterAChange() {
    TErrorRecorder Errors;
    auto* Start = FindControl<TDatePicker>(Main.get(), QStringLiteral("dtpStartDt"));
    auto* End = FindControl<TDatePicker>(Main.get(), QStringLiteral("dtpEndDt"));
    auto* Phrase = FindControl<QPlainTextEdit>(Main.get(), QStringLiteral("mmoDiffString"));
    auto* NewDate = FindControl<QLineEdit>(Main.get(), QStringLiteral("txtNewDate"));
    auto* Months = FindControl<QLineEdit>(Main.get(), QStringLiteral("txtNoMonths"));

    // The interfaces exist before the change, as a screen reader's would.
    QVERIFY(Accessible(Phrase)->textInterface());
    const QString PhraseBefore = AccessibleText(Phrase);

    Start->SetDate(Day(2004, 1, 31));
    End->SetDate(Day(2006, 4, 2));
    Main->dtpStartDtChange();
    const QString Expected = QString::fromStdString(DiffPhrase(Day(2004, 1, 31), Day(2006, 4, 2)));
    QVERIFY(Expected != PhraseBefore);
    QCOMPARE(AccessibleText(Phrase), Expected);

    Months->setText(QStringLiteral("1"));
    QCOMPARE(AccessibleText(NewDate), QString::fromStdString(LongDateText(Day(2004, 2, 29))));
    Months->setText(QStringLiteral("2"));
    QCOMPARE(AccessibleText(NewDate), QString::fromStdString(LongDateText(Day(2004, 3, 31))));
    Months->setText(QStringLiteral("0"));
    QVERIFY(Errors.Entries.isEmpty());

    // Both say what they show and that it follows the inputs.
    QVERIFY(!Accessible(Phrase)->text(QAccessible::Description).isEmpty());
    QVERIFY(!Accessible(NewDate)->text(QAccessible::Description).isEmpty());
}

// The fields announce their new text through the toolkit's own text-change
// notices, which it sends only while assistive technology is listening (not
// on the offscreen platform, nor without an accessibility bus).
void TDesktopIntegrationTest::resultChangesReachAssistiveTechnology() {
    // On a desktop the toolkit finds the accessibility bus shortly after
    // start-up; the offscreen platform never has one.
    if (QGuiApplication::platformName() != QStringLiteral("offscreen"))
        (void)QTest::qWaitFor([] { return QAccessible::isActive(); }, 3000);
    if (!QAccessible::isActive())
        QSKIP("no assistive technology is listening on this platform");
    TErrorRecorder Errors;
    TTextChangeRecorder Changes;
    auto* End = FindControl<TDatePicker>(Main.get(), QStringLiteral("dtpEndDt"));
    End->SetDate(Day(2010, 5, 5));
    Main->dtpEndDtChange();
    QVERIFY(Changes.Changed.contains(Main->findChild<QObject*>(QStringLiteral("mmoDiffString"))));
    FindControl<QLineEdit>(Main.get(), QStringLiteral("txtNoDays"))->setText(QStringLiteral("3"));
    QVERIFY(Changes.Changed.contains(Main->findChild<QObject*>(QStringLiteral("txtNewDate"))));
}

// ---------------------------------------------------------------------------
// The About window

void TDesktopIntegrationTest::aboutControlsNamedAndTyped_data() {
    QTest::addColumn<QString>("Control");
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QAccessible::Role>("Role");
    QTest::addColumn<bool>("Focusable"); // reached by the keyboard
    // clang-format off
    QTest::newRow("home-page link") << "lblHomePage" << "Brelmont home page" << QAccessible::Link << true;
    QTest::newRow("donation button picture") << "imgPayPal" << "Donate via PayPal" << QAccessible::Button << true;
    QTest::newRow("logo picture") << "imgBrelmont" << "Brelmont logo" << QAccessible::Graphic << false;
    QTest::newRow("OK button") << "cmdOK" << "OK" << QAccessible::Button << true;
    // clang-format on
}

void TDesktopIntegrationTest::aboutControlsNamedAndTyped() {
    QFETCH(QString, Control);
    QFETCH(QString, Name);
    QFETCH(QAccessible::Role, Role);
    QFETCH(bool, Focusable);
    TErrorRecorder Errors;
    TfrmAbout About;
    QWidget* C = FindControl<QWidget>(&About, Control);
    QCOMPARE(AccessibleName(C), Name);
    QCOMPARE(Accessible(C)->role(), Role);
    QCOMPARE(bool(Accessible(C)->state().focusable), Focusable);
}

void TDesktopIntegrationTest::pressActionOpensTheAddress_data() {
    QTest::addColumn<QString>("Control");
    QTest::addColumn<QString>("Address");
    // clang-format off
    QTest::newRow("home-page link") << "lblHomePage" << QString::fromLatin1(kHomePageAddress);
    QTest::newRow("donation button") << "imgPayPal" << QString::fromLatin1(kDonationAddress);
    // clang-format on
}

void TDesktopIntegrationTest::pressActionOpensTheAddress() {
    QFETCH(QString, Control);
    QFETCH(QString, Address);
    TErrorRecorder Errors;
    TfrmAbout About;
    QAccessibleInterface* I = Accessible(FindControl<QWidget>(&About, Control));
    QAccessibleActionInterface* Actions = I->actionInterface();
    QVERIFY(Actions);
    QCOMPARE(Actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});

    FOpened.Urls.clear();
    Actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(FOpened.Urls, QList<QUrl>{WebAddress(Address.toLatin1().constData())});
    // The donation picture's tooltip describes it.
    if (Control == QStringLiteral("imgPayPal"))
        QVERIFY(I->text(QAccessible::Description).contains(QStringLiteral("donation via PayPal")));
}

// ---------------------------------------------------------------------------
// Stored resolutions of a picture

void TDesktopIntegrationTest::scaledPicturePath_data() {
    QTest::addColumn<QString>("Path");
    QTest::addColumn<int>("Scale");
    QTest::addColumn<QString>("Scaled");
    // clang-format off
    QTest::newRow("resource picture at twice the size") << ":/pictures/donate.jpg" << 2 << ":/pictures/donate@2x.jpg";
    QTest::newRow("own size is the path itself") << "/a/logo.jpg" << 1 << "/a/logo.jpg";
    QTest::newRow("dot in a folder name") << "/a.b/logo" << 2 << "/a.b/logo@2x";
    QTest::newRow("only the last extension") << "pic.tar.jpg" << 3 << "pic.tar@3x.jpg";
    QTest::newRow("name starting with a dot") << "/a/.jpg" << 2 << "/a/.jpg@2x";
    // clang-format on
}

void TDesktopIntegrationTest::scaledPicturePath() {
    QFETCH(QString, Path);
    QFETCH(int, Scale);
    QFETCH(QString, Scaled);
    QCOMPARE(ScaledPicturePath(Path, Scale), Scaled);
}

void TDesktopIntegrationTest::sharpestStoredPicture_data() {
    QTest::addColumn<QSize>("DevicePixels");
    QTest::addColumn<int>("Scale");
    // The logo is stored at 136 x 40 and 272 x 80.
    // clang-format off
    QTest::newRow("its own size at one pixel to the pixel") << QSize(136, 40) << 1;
    QTest::newRow("smaller than its own size") << QSize(68, 20) << 1;
    QTest::newRow("stretched wider by a larger font") << QSize(155, 46) << 2;
    QTest::newRow("one pixel taller only") << QSize(136, 41) << 2;
    QTest::newRow("two device pixels to the pixel") << QSize(272, 80) << 2;
    QTest::newRow("beyond the largest stored") << QSize(400, 120) << 2;
    // clang-format on
}

void TDesktopIntegrationTest::sharpestStoredPicture() {
    QFETCH(QSize, DevicePixels);
    QFETCH(int, Scale);
    const TPictureSet Logo(TAboutSources().LogoPicture);
    QCOMPARE(Logo.Size(), QSize(136, 40));
    // Both resolutions are held: the stored size for the smallest area, the
    // double size for the largest.
    QCOMPARE(Logo.SharpestFor(QSize(1, 1)).devicePixelRatio(), 1.0);
    QCOMPARE(Logo.SharpestFor(QSize(4000, 4000)).devicePixelRatio(), 2.0);

    const QPixmap P = Logo.SharpestFor(DevicePixels);
    QCOMPARE(P.devicePixelRatio(), qreal(Scale));
    QCOMPARE(P.size(), QSize(136, 40) * Scale);
    QCOMPARE(P.deviceIndependentSize().toSize(), QSize(136, 40));
    const QString Source = ScaledPicturePath(TAboutSources().LogoPicture, Scale);
    QCOMPARE(Pixels(P.toImage()), Pixels(LoadPicture(Source)));
}

void TDesktopIntegrationTest::pictureWithoutDoubleSize() {
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("button.jpg"));
    QVERIFY(QFile::copy(TAboutSources().DonatePicture, Path));
    const TPictureSet Button(Path);
    // Only the stored size is held, however large the area.
    QCOMPARE(Button.SharpestFor(QSize(4000, 4000)).devicePixelRatio(), 1.0);
    const QPixmap P = Button.SharpestFor(QSize(124, 62));
    QCOMPARE(P.devicePixelRatio(), 1.0); // stretched by whoever shows it
    QCOMPARE(P.size(), QSize(62, 31));
}

void TDesktopIntegrationTest::doubleSizePictureOfTheWrongSize() {
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("button.jpg"));
    QVERIFY(QFile::copy(TAboutSources().DonatePicture, Path));
    // The logo (272 x 80) is no double of the 62 x 31 button.
    QVERIFY(
        QFile::copy(ScaledPicturePath(TAboutSources().LogoPicture, 2), ScaledPicturePath(Path, 2)));
    try {
        TPictureSet Button(Path);
        QFAIL("a mismatched double-size picture was accepted");
    } catch (const TPictureError& E) {
        QVERIFY2(QString::fromUtf8(E.what()).contains(QStringLiteral("not 124 x 62")), E.what());
    }
}

MORVANE_TEST_MAIN(TDesktopIntegrationTest)
#include "tst_DesktopIntegration.moc"

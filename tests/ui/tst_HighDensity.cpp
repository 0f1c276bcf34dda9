// The windows on a screen with two device pixels to the pixel (run with
// QT_SCALE_FACTOR=2): the About window's pictures come from their double-size
// sources and the application icon from its larger drawings, so nothing is
// enlarged from a small picture.
#include "AboutForm.h"
#include "ApplicationIcon.h"
#include "PictureFormats.h"
#include "PictureSet.h"
#include "TestSupport.h"

#include <QLabel>

class THighDensityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void aboutPicturesFromDoubleSizeSources_data();
    void aboutPicturesFromDoubleSizeSources();
    void iconDrawnFromTheLargerSize_data();
    void iconDrawnFromTheLargerSize();
};

void THighDensityTest::initTestCase() {
    RegisterJpegFormat();
    if (qApp->devicePixelRatio() != 2.0)
        QFAIL("run with QT_SCALE_FACTOR=2: the screen's device pixel ratio is not 2");
}

void THighDensityTest::aboutPicturesFromDoubleSizeSources_data() {
    QTest::addColumn<QString>("Control");
    QTest::addColumn<QString>("Picture");
    QTest::addColumn<QSize>("Size");
    // clang-format off
    QTest::newRow("maker's logo") << "imgBrelmont" << TAboutSources().LogoPicture << QSize(136, 40);
    QTest::newRow("donation button") << "imgPayPal" << TAboutSources().DonatePicture << QSize(62, 31);
    // clang-format on
}

void THighDensityTest::aboutPicturesFromDoubleSizeSources() {
    QFETCH(QString, Control);
    QFETCH(QString, Picture);
    QFETCH(QSize, Size);
    TErrorRecorder Errors; // the test has no version information to read
    TfrmAbout About;
    QCOMPARE(About.devicePixelRatio(), 2.0);
    const QLabel* Label = About.findChild<QLabel*>(Control);
    QVERIFY(Label);

    const QPixmap Shown = Label->pixmap();
    QCOMPARE(Shown.devicePixelRatio(), 2.0);
    QCOMPARE(Shown.size(), Size * 2);
    QCOMPARE(Shown.deviceIndependentSize().toSize(), Size);
    QCOMPARE(Pixels(Shown.toImage()), Pixels(LoadPicture(ScaledPicturePath(Picture, 2))));

    // Shown again, it still is.
    About.show();
    QVERIFY(QTest::qWaitForWindowExposed(&About));
    QCOMPARE(Label->pixmap().devicePixelRatio(), 2.0);
    About.hide();
}

void THighDensityTest::iconDrawnFromTheLargerSize_data() {
    QTest::addColumn<int>("Size");
    // clang-format off
    QTest::newRow("title bar, 16 px") << 16;
    QTest::newRow("task switcher, 32 px") << 32;
    QTest::newRow("large, 128 px") << 128;
    // clang-format on
}

void THighDensityTest::iconDrawnFromTheLargerSize() {
    QFETCH(int, Size);
    const QPixmap P = QApplication::windowIcon().pixmap(QSize(Size, Size), 2.0);
    QCOMPARE(P.devicePixelRatio(), 2.0);
    QCOMPARE(P.size(), QSize(2 * Size, 2 * Size));
    const QImage Stored(QStringLiteral(":/icons/morvane-%1.png").arg(2 * Size));
    QVERIFY(ApplicationIconSizes().contains(2 * Size));
    QCOMPARE(Pixels(P.toImage()), Pixels(Stored));
}

MORVANE_TEST_MAIN(THighDensityTest)
#include "tst_HighDensity.moc"

#include "AboutForm.h"

#include "Accessibility.h"
#include "Application.h"
#include "Caption.h"
#include "ErrorGuard.h"
#include "FormLook.h"
#include "FormScaling.h"
#include "GetFileVerInfo.h"
#include "OwnExecutable.h"
#include "PictureSet.h"
#include "StringList.h"
#include "ui_AboutForm.h"

#include <QDesktopServices>
#include <QFile>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <string>

TfrmAbout* frmAbout = nullptr;

namespace {

// The texts of the program's own version strings that the window shows in
// the user's language. The version information keeps them in English, as
// morvane-calc --version prints them; the window looks up the text it read,
// so a version string whose text changes (resources/version.rc.in) needs its
// new text here too, where lupdate finds it for the catalogs.
constexpr const char* kVersionTexts[] = {
    //: A line of the About window, under the copyright line: who wrote the
    //: program (the Comments of its version information).
    QT_TRANSLATE_NOOP("TfrmAbout", "Written by the Brelmont team"),
    //: The last line of the About window: the program is free software under
    //: the MIT licence, whose text is the file LICENSE that comes with it.
    //: Keep LICENSE, the file's name, as it is.
    QT_TRANSLATE_NOOP("TfrmAbout", "Free software under the MIT licence: see the LICENSE file"),
};

// Text, a version string, as the window shows it: the product name as the
// program's title in the user's language (the main window's), the texts above
// as the catalogs translate them, and any other (a version number, the
// copyright line) as it is.
QString ShownText(const QString& Text) {
    const QByteArray Utf8 = Text.toUtf8();
    if (Utf8 == kMorvaneTitle)
        return MorvaneTitle();
    for (const char* Known : kVersionTexts)
        if (Utf8 == Known)
            return TfrmAbout::tr(Known);
    return Text;
}

} // namespace

QUrl WebAddress(const char* Address) {
    return QUrl::fromEncoded(QByteArray(Address), QUrl::TolerantMode);
}

QString AccessKeyRichText(const QString& Caption) {
    const auto Parsed = ParseCaption(Caption);
    const QString& Text = Parsed.Shown;
    QString Html;
    for (qsizetype I = 0; I < Text.size(); ++I) {
        if (Text[I] == u'\r' || Text[I] == u'\n') {
            Html += QStringLiteral("<br>");
            if (Text[I] == u'\r' && I + 1 < Text.size() && Text[I + 1] == u'\n')
                ++I; // CR LF is one line break
            continue;
        }
        const qsizetype Length = CharacterLength(Text, I);
        const QString Character = Text.mid(I, Length).toHtmlEscaped();
        Html += std::find(Parsed.Marked.begin(), Parsed.Marked.end(), I) != Parsed.Marked.end()
                    ? QStringLiteral("<u>") + Character + QStringLiteral("</u>")
                    : Character;
        I += Length - 1;
    }
    // "pre" keeps runs of spaces as typed; there is no word wrap anyway.
    return QStringLiteral("<p style=\"white-space:pre\">") + Html + QStringLiteral("</p>");
}

TfrmAbout::TfrmAbout(QWidget* Parent, TAboutSources Sources)
    : QDialog(Parent), ui(std::make_unique<Ui::TfrmAbout>()), FSources(std::move(Sources)) {
    setFont(FormFont());
    ui->setupUi(this);
    // A dialog frame: caption and close box only, fixed size.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    PaintFormFace(this);

    // The pictures belong to the window's description: one that can't be
    // decoded fails the building of the window. Each is kept at its stored
    // resolutions, for the screen the window is shown on.
    FLogo = std::make_unique<TPictureSet>(FSources.LogoPicture);
    FDonate = std::make_unique<TPictureSet>(FSources.DonatePicture);

    ScaleFormGeometry(this, FormScale(this));
    // The donation button keeps the picture's own size wherever it sits; the
    // logo is stretched to its control.
    ui->imgPayPal->resize(FDonate->Size());
    ShowSharpestPictures();
    // The link is drawn in the palette's link colour (blue in the standard
    // palettes, a lighter one in dark palettes), following palette changes.
    ui->lblHomePage->setForegroundRole(QPalette::Link);
    // Screen readers: the link and the donation button say what they do.
    SetAccessibleRole(ui->lblHomePage, QAccessible::Link);
    SetAccessibleRole(ui->imgPayPal, QAccessible::Button);

    ui->lblInfo->setTextFormat(Qt::RichText);
    SetInfoCaption(ui->lblInfo->text());

    connect(ui->cmdOK, &QPushButton::clicked, this, GuardedHandler(this, &TfrmAbout::cmdOKClick));
    connect(ui->lblHomePage, &TClickLabel::clicked, this,
            GuardedHandler(this, &TfrmAbout::lblHomePageClick));
    connect(ui->imgPayPal, &TClickLabel::clicked, this,
            GuardedHandler(this, &TfrmAbout::imgPayPalClick));
    ui->cmdOK->setFocus();

    CentreWindow(this);
    Guarded([this] { FormCreate(); });
}

TfrmAbout::~TfrmAbout() {
    if (frmAbout == this)
        frmAbout = nullptr;
}

void TfrmAbout::ShowSharpestPictures() {
    // The device pixels each control covers on the window's screen.
    const qreal Ratio = devicePixelRatio();
    const auto DevicePixels = [Ratio](QSize Size) {
        return QSize(static_cast<int>(std::lround(Size.width() * Ratio)),
                     static_cast<int>(std::lround(Size.height() * Ratio)));
    };
    ui->imgBrelmont->setPixmap(FLogo->SharpestFor(DevicePixels(ui->imgBrelmont->size())));
    ui->imgPayPal->setPixmap(FDonate->SharpestFor(DevicePixels(ui->imgPayPal->size())));
}

void TfrmAbout::showEvent(QShowEvent* Event) {
    // The window may come up on another screen than the one it was built
    // for, and may later be moved to a screen of another pixel density.
    ShowSharpestPictures();
    connect(windowHandle(), &QWindow::screenChanged, this, &TfrmAbout::ShowSharpestPictures,
            Qt::UniqueConnection);
    QDialog::showEvent(Event);
}

void TfrmAbout::SetInfoCaption(const QString& Caption) {
    FInfoCaption = Caption;
    ui->lblInfo->setText(AccessKeyRichText(Caption));
}

void TfrmAbout::FormCreate() {
    TStringList Strings; // released on every way out of here
    if (FSources.VersionFile.isEmpty())
        ReadOwnVersionStrings(OwnExecutableFile(), Strings);
    else
        ReadVersionStrings(QFile::encodeName(FSources.VersionFile).toStdString(), Strings);

    // Entries are read one at a time, in this order, so that a short list
    // fails at the first position it lacks, with what came before kept.
    // Each is shown in the user's language where the catalogs have it.
    const auto Entry = [&Strings](TVersionEntry Index) {
        return ShownText(QString::fromStdString(Strings[Index]));
    };
    const QChar CR(13);
    //: The About window's caption; %1 is the program's name, as the main
    //: window's title gives it.
    setWindowTitle(tr("About %1").arg(Entry(kProductName)));
    const QString Product = Entry(kProductName);
    const QString FileVersion = Entry(kFileVersion);
    SetInfoCaption(Product + QStringLiteral(" v") + FileVersion + CR);
    SetInfoCaption(FInfoCaption + Entry(kLegalCopyright) + CR);
    SetInfoCaption(FInfoCaption + Entry(kComments) + CR + CR);
    SetInfoCaption(FInfoCaption + Entry(kLegalTradeMarks));
}

void TfrmAbout::cmdOKClick() {
    accept();
}

void TfrmAbout::lblHomePageClick() {
    QDesktopServices::openUrl(WebAddress(kHomePageAddress));
}

void TfrmAbout::imgPayPalClick() {
    QDesktopServices::openUrl(WebAddress(kDonationAddress));
}

// The About window: the program's name, version, copyright, comments and
// trademark line, read once from the version information of the program's
// own executable and shown in the user's language where the catalogs have
// them, with the maker's logo, a link to the maker's home page and a
// donation button, both reached by Tab and pressed by Enter or Space too.
// Created hidden at start-up and shown modally by the main window's About
// button; closing it only hides it.
#pragma once

#include <QDialog>
#include <QString>

#include <memory>

class QUrl;
class TPictureSet;

namespace Ui {
class TfrmAbout;
}

// The maker's home page, opened by the "Go to Brelmont home page..." link.
inline constexpr char kHomePageAddress[] = "https://www.brelmont.com.au/";

// The donation page: the PayPal web-payment endpoint with its query fields,
// values already percent-encoded as PayPal expects them.
inline constexpr char kDonationAddress[] =
    "https://www.paypal.com/cgi-bin/webscr?cmd=_xclick"
    "&business=donations%40brelmont.com.au"
    "&item_name=Software%20donation&no_shipping=1&cn=Optional%20comments&tax=0"
    "&currency_code=AUD&bn=PP%2dDonationsBF&charset=UTF%2d8";

// Returns the web address Address (an already percent-encoded ASCII text) as
// a QUrl, its escapes kept as written. QUrl normalises escapes of unreserved
// characters ("%2d" becomes "-"), an equivalent spelling of the same address.
// Raises nothing; an unusable text gives an invalid QUrl.
QUrl WebAddress(const char* Address);

// Returns Caption, a label text in which "&" marks the next character as the
// access key, as rich text for a QLabel: the access key underlined, the "&"
// not shown, "&&" shown as one "&", a final lone "&" shown as it is; a
// carriage return, a line feed or the pair CR LF starts a new line; runs of
// spaces are kept and markup characters show as themselves. Raises nothing.
QString AccessKeyRichText(const QString& Caption);

// Where the window finds what it shows. Tests point these elsewhere.
struct TAboutSources {
    // The file whose version strings FormCreate reads; empty means the
    // running program's own (read from its image in memory).
    QString VersionFile;
    // The two pictures (136 x 40 and 62 x 31), decoded through the
    // picture-format registry.
    QString LogoPicture = QStringLiteral(":/pictures/brelmont-logo.jpg");
    QString DonatePicture = QStringLiteral(":/pictures/donate.jpg");
};

class TfrmAbout : public QDialog {
    Q_OBJECT

public:
    // Builds the window, hidden, from its description: decodes the two
    // pictures, each with its double-size version where one is stored (an
    // error there is raised out of the constructor, as any error in reading
    // a window's description: TPictureError, TJpegError), scales it to the
    // font in use like the main window, shows each picture from the version
    // that draws sharpest on the window's screen, and runs FormCreate once
    // inside its own error guard.
    explicit TfrmAbout(QWidget* Parent = nullptr, TAboutSources Sources = {});
    ~TfrmAbout() override;

    // The text of lblInfo as the program set it, with its "&" markers and
    // carriage returns; the label shows it through AccessKeyRichText.
    QString InfoCaption() const { return FInfoCaption; }

    // Handlers, each run inside an error guard.
    // Reads the version strings and sets the caption and lblInfo from list
    // entries 7, 7, 2, 4, 9 and 5 in that order; raises TStringListError
    // ("List index out of bounds (<n>)") at the first position the list
    // doesn't hold, keeping whatever caption and text were already set. The
    // program's own product name shows as its translated title, and the
    // texts of its own version strings as the catalogs translate them.
    void FormCreate();
    void cmdOKClick();
    // Open the home page and the donation page in the user's browser; a
    // failure is ignored and the window stays open.
    void lblHomePageClick();
    void imgPayPalClick();

protected:
    void showEvent(QShowEvent* Event) override;

private:
    void SetInfoCaption(const QString& Caption);
    // Gives each picture control the stored resolution that draws sharpest
    // at its size on the window's screen (TPictureSet::SharpestFor).
    void ShowSharpestPictures();

    std::unique_ptr<Ui::TfrmAbout> ui;
    TAboutSources FSources;
    std::unique_ptr<TPictureSet> FLogo;
    std::unique_ptr<TPictureSet> FDonate;
    QString FInfoCaption;
};

// The one About window of the program (null before start-up and once it is
// destroyed).
extern TfrmAbout* frmAbout;

#include "ErrorGuard.h"

#include "FormLook.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QSpacerItem>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

TErrorDisplay& InstalledDisplay() {
    static TErrorDisplay D;
    return D;
}

QString& Title() {
    static QString T;
    return T;
}

// The window an error box belongs to: the active window, else the main
// window while it is shown (under Wayland the compositor decides which
// window is active, and it may be none of the program's when an error
// comes), else none (at start-up, before the main window is shown).
QWidget* BoxOwner() {
    if (QWidget* Active = QApplication::activeWindow())
        return Active;
    for (QWidget* W : QApplication::topLevelWidgets())
        if (W->windowType() == Qt::Window && W->isVisible())
            return W;
    return nullptr;
}

// The screen a box owned by Owner (none: no owner) shows on.
const QScreen* BoxScreen(const QWidget* Owner) {
    return Owner ? Owner->screen() : QGuiApplication::primaryScreen();
}

// The error box. The toolkit places a dialog over its owner and keeps its
// title bar on the screen, but not its frame's lower edge; this box keeps
// its whole frame on the screen, as high as FrameHeight allows for it.
class TErrorBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* Event) override {
        QMessageBox::showEvent(Event); // sizes the box and places it over its owner
        const QScreen* Screen = BoxScreen(parentWidget());
        if (Event->spontaneous() || !Screen)
            return;
        const QRect Area = Screen->availableGeometry();
        const int Lowest = Area.bottom() + 1 - FrameHeight(this) - height();
        move(x(), std::max(Area.top(), std::min(y(), Lowest)));
    }
};

// The stock display: the error box, owned by the window it belongs to, so
// it opens over that window and the shell shows it as that window's
// (transient for it on X11, its child toplevel under Wayland).
void MessageBoxDisplay(const QString& Caption, const QString& Text) {
    CreateErrorBox(Caption, Text, BoxOwner())->exec();
}

} // namespace

std::unique_ptr<QMessageBox> CreateErrorBox(const QString& Caption, const QString& Text,
                                            QWidget* Parent) {
    std::unique_ptr<QMessageBox> Box = std::make_unique<TErrorBox>(
        QMessageBox::Critical, Caption, QString(), QMessageBox::Ok, Parent);
    Box->setWindowModality(Qt::ApplicationModal);
    // The box's own label stays, hidden, for what it tells assistive
    // technology; it cannot break a word longer than a line, so a text view
    // that can shows the message in its place.
    Box->setTextFormat(Qt::PlainText);
    Box->setText(Text);
    auto* Shown = new QTextEdit(Box.get());
    Shown->setObjectName(QStringLiteral("txtMessage"));
    Shown->setReadOnly(true);
    Shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Shown->setFocusPolicy(Qt::NoFocus);
    Shown->setFrameShape(QFrame::NoFrame);
    Shown->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Shown->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Shown->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    Shown->viewport()->setAutoFillBackground(false);
    Shown->document()->setDocumentMargin(0);
    Shown->setPlainText(Text);
    // One line up to half the screen's width (500 pixels at most), wrapped
    // beyond that; laid out once on its own to learn the size.
    QTextDocument Layout;
    Layout.setDefaultFont(Shown->font());
    Layout.setDefaultTextOption(Shown->document()->defaultTextOption());
    Layout.setDocumentMargin(0);
    Layout.setPlainText(Text);
    const QScreen* Screen = BoxScreen(Parent);
    const QRect Area = Screen ? Screen->availableGeometry() : QRect();
    const int Widest = std::min(Screen ? Area.width() / 2 : 500, 500);
    const int Width = std::min(static_cast<int>(std::ceil(Layout.idealWidth())), Widest);
    Layout.setTextWidth(Width);
    Shown->setFixedSize(Width, static_cast<int>(std::ceil(Layout.size().height())));
    auto* Grid = qobject_cast<QGridLayout*>(Box->layout());
    QLabel* Label = Box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    // The layout hands back the label's item, which is ours to delete.
    const std::unique_ptr<QLayoutItem> LabelItem(Grid && Label ? Grid->replaceWidget(Label, Shown)
                                                               : nullptr);
    if (!LabelItem) {
        delete Shown; // a box laid out otherwise: its own label shows the text
        return Box;
    }
    Label->hide();
    Grid->setAlignment(Shown, Qt::AlignLeft | Qt::AlignTop);
    // A row of its own across the box holds it wide enough for the title.
    const QMargins Margins = Grid->contentsMargins() + Box->contentsMargins();
    const int Room = TitleBarWidth(Box.get(), Caption) - Margins.left() - Margins.right();
    Grid->addItem(new QSpacerItem(Room, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  Grid->rowCount(), 0, 1, Grid->columnCount());
    // The box in its frame stays within the screen's height: the view takes
    // what the rest of the box leaves and scrolls, so that OK stays in sight.
    // Its scroll bar comes beside the lines, which keep their width.
    const int Rest = Grid->totalSizeHint().height() - Shown->height();
    const int Tallest =
        std::max(Area.height() - FrameHeight(Box.get()) - Rest, Shown->fontMetrics().lineSpacing());
    if (Screen && Shown->height() > Tallest) {
        Shown->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        const int Bar = Shown->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Shown);
        Shown->setFixedSize(Shown->width() + Bar, Tallest);
        Shown->setFocusPolicy(Qt::TabFocus); // scrolled from the keyboard too
    }
    return Box;
}

TErrorDisplay SetErrorDisplay(TErrorDisplay NewDisplay) {
    return std::exchange(InstalledDisplay(), std::move(NewDisplay));
}

void ShowMessageBox(const QString& Caption, const QString& Text) noexcept {
    try {
        if (InstalledDisplay())
            InstalledDisplay()(Caption, Text);
        else
            MessageBoxDisplay(Caption, Text);
    } catch (...) {
        // A failing display has nowhere left to report to; the event loop
        // must still not see the error.
    }
}

QString ApplicationTitle() {
    return Title();
}

void SetApplicationTitle(const QString& NewTitle) {
    Title() = NewTitle;
}

void CancelMouseCapture() {
    if (QWidget* Grabber = QWidget::mouseGrabber())
        Grabber->releaseMouse();
}

void ShowError(const QString& Message) noexcept {
    try {
        CancelMouseCapture();
        ShowMessageBox(ApplicationTitle(), WithFullStop(Message));
    } catch (...) {
    }
}

void ShowCurrentError() noexcept {
    try {
        throw;
    } catch (const std::exception& E) {
        ShowError(ErrorText(E));
    } catch (...) {
        //: An error message for an error that carries no text of its own.
        ShowError(QCoreApplication::translate("ErrorText", "Unknown error"));
    }
}

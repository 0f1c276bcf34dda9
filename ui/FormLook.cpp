#include "FormLook.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QWidget>

#include <algorithm>
#include <cmath>

QFont FormFont() {
    QFont F;
    const QStringList Families = QFontDatabase::families();
    if (Families.contains(QStringLiteral("Tahoma")))
        F.setFamily(QStringLiteral("Tahoma"));
    else if (Families.contains(QStringLiteral("DejaVu Sans")))
        F.setFamily(QStringLiteral("DejaVu Sans"));
    else
        F.setStyleHint(QFont::SansSerif);
    F.setPointSize(8);
    return F;
}

void PaintFormFace(QWidget* Form) {
    QPalette Face = Form->palette();
    Face.setColor(QPalette::Window, Face.color(QPalette::Button));
    Form->setPalette(Face);
    Form->setAutoFillBackground(true);
}

namespace {

// A see-through cover over its frame that draws the frame as the frame draws
// itself (the option QFrame builds for its style), stacked just above the
// frame among its siblings and a few pixels larger on every side. A widget
// paints only on the device pixels wholly its own: where the frame's edge
// falls within a device pixel (halfway through one at 1.25 and 1.75 device
// pixels to the pixel, say), its outer line would fall on that shared pixel
// and be lost. The cover reaches beyond the frame by a whole number of
// device pixels, so its lines fall on the very pixels the frame's own would.
class TFrameCover : public QWidget {
public:
    explicit TFrameCover(QFrame* Box) : QWidget(Box->parentWidget()), FBox(Box) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        Box->installEventFilter(this);
        Follow();
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Watched != FBox)
            return false;
        switch (Event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
        case QEvent::ZOrderChange:
            Follow();
            break;
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::EnabledChange:
        case QEvent::PaletteChange:
        case QEvent::StyleChange:
        case QEvent::ActivationChange:
            update(); // the frame's look follows its state
            break;
        default:
            break;
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QStyleOptionFrame Opt;
        Opt.initFrom(FBox);
        if (Margin() != FMargin) {
            // Another ratio (the window moved to another screen): the
            // cover follows once this paint is over.
            QMetaObject::invokeMethod(
                this, [this] { Follow(); }, Qt::QueuedConnection);
        }
        Opt.rect = FBox->frameRect().translated(FMargin, FMargin);
        Opt.frameShape = FBox->frameShape();
        switch (FBox->frameShape()) {
        case QFrame::Box:
        case QFrame::HLine:
        case QFrame::VLine:
        case QFrame::StyledPanel:
        case QFrame::Panel:
            Opt.lineWidth = FBox->lineWidth();
            Opt.midLineWidth = FBox->midLineWidth();
            break;
        default:
            Opt.lineWidth = FBox->frameWidth();
            break;
        }
        if (FBox->frameShadow() == QFrame::Sunken)
            Opt.state |= QStyle::State_Sunken;
        else if (FBox->frameShadow() == QFrame::Raised)
            Opt.state |= QStyle::State_Raised;
        QPainter Painter(this);
        FBox->style()->drawControl(QStyle::CE_ShapedFrame, &Opt, &Painter, FBox);
    }

private:
    // How far the cover reaches beyond the frame: the fewest pixels (up to
    // 8) that make a whole number of device pixels, else 1.
    int Margin() const {
        const qreal Ratio = devicePixelRatioF();
        for (int Pixels = 1; Pixels <= 8; ++Pixels)
            if (std::abs(Pixels * Ratio - std::round(Pixels * Ratio)) < 0.01)
                return Pixels;
        return 1;
    }

    // Lies over the frame, just above it, shown while it is.
    void Follow() {
        FMargin = Margin();
        setGeometry(FBox->geometry().adjusted(-FMargin, -FMargin, FMargin, FMargin));
        setVisible(!FBox->isHidden());
        raise(); // nothing when already on top
    }

    QFrame* FBox;
    int FMargin = 1;
};

} // namespace

void KeepFrameOnTop(QFrame* Box) {
    new TFrameCover(Box); // owned by Box's parent, which owns Box
}

namespace {

constexpr qreal kTitleFontPoints = 11;
// The window icon and the minimise, maximise and close buttons.
constexpr int kTitleBarButtons = 4;

// The font window titles are estimated in (see TitleBarWidth).
QFont TitleBarFont() {
    QFont Font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    Font.setBold(true);
    if (QFontInfo(Font).pointSizeF() < kTitleFontPoints)
        Font.setPointSizeF(kTitleFontPoints);
    return Font;
}

} // namespace

int TitleBarWidth(const QWidget* Window, const QString& Title) {
    const QFontMetrics Metrics(TitleBarFont(), Window);
    return Metrics.horizontalAdvance(Title) + kTitleBarButtons * 2 * Metrics.height() +
           2 * Metrics.averageCharWidth();
}

int FrameHeight(const QWidget* Window) {
    const QFontMetrics Metrics(TitleBarFont(), Window);
    return 5 * Metrics.height() / 2;
}

void CentreWindow(QWidget* Window, const QWidget* Over) {
    QRect Area;
    if (Over) {
        Area = Over->frameGeometry();
    } else {
        // Not the window's own screen: before it is shown, that is the
        // screen under its default place, at the desktop's origin.
        const QScreen* Screen = QGuiApplication::primaryScreen();
        if (!Screen)
            return;
        Area = Screen->availableGeometry();
    }
    QSize Size = Window->frameGeometry().size();
    if (Over && Size == Window->geometry().size()) {
        // Never shown, so its frame is unknown: assume Over's. (A window
        // shown before and hidden again keeps its frame in frameGeometry.)
        const QRect Inner = Over->geometry();
        const QRect Outer = Over->frameGeometry();
        Size += QSize(Outer.width() - Inner.width(), Outer.height() - Inner.height());
    }
    const int Left = std::max(0, Area.x() + (Area.width() - Size.width()) / 2);
    const int Top = std::max(0, Area.y() + (Area.height() - Size.height()) / 2);
    Window->move(Left, Top);
}

namespace {

bool FrameKnown(const QWidget* Window) {
    return Window->frameGeometry() != Window->geometry();
}

// Centres its window once, when the window first reports a frame around
// it, and goes.
class TCentreWhenFramed : public QObject {
public:
    explicit TCentreWhenFramed(QWidget* Window) : QObject(Window), FWindow(Window) {
        Window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        const bool Placed = Event->type() == QEvent::Move || Event->type() == QEvent::Resize;
        if (Watched == FWindow && Placed && FrameKnown(FWindow)) {
            FWindow->removeEventFilter(this);
            CentreWindow(FWindow);
            deleteLater();
        }
        return false;
    }

private:
    QWidget* FWindow;
};

} // namespace

void ShowCentred(QWidget* Window) {
    CentreWindow(Window);
    Window->show();
    if (FrameKnown(Window))
        CentreWindow(Window);
    else
        new TCentreWhenFramed(Window); // owned by Window
}

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
// itself (the option QFrame builds for its style). It stays on top of the
// frame's other controls: a scroll area raises its scroll bars whenever it
// lays them out.
class TFrameCover : public QWidget {
public:
    explicit TFrameCover(QFrame* Box) : QWidget(Box), FBox(Box) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(Box->rect());
        Box->installEventFilter(this);
        for (QWidget* Control : Box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (Control != this)
                Control->installEventFilter(this);
        raise();
        show();
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        if (Watched == FBox) {
            if (Event->type() == QEvent::Resize)
                setGeometry(FBox->rect());
            if (Event->type() == QEvent::ChildAdded) {
                QObject* Added = static_cast<QChildEvent*>(Event)->child();
                if (Added->isWidgetType() && Added != this) {
                    Added->installEventFilter(this);
                    raise();
                }
            }
        } else if (Event->type() == QEvent::ZOrderChange) {
            raise(); // nothing when already on top
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QStyleOptionFrame Opt;
        Opt.initFrom(FBox);
        Opt.rect = FBox->frameRect();
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
    QFrame* FBox;
};

} // namespace

void KeepFrameOnTop(QFrame* Box) {
    new TFrameCover(Box); // owned by Box
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

void CentreWindow(QWidget* Window, const QWidget* Over) {
    QRect Area;
    if (Over) {
        Area = Over->frameGeometry();
    } else {
        QScreen* Screen = Window->screen() ? Window->screen() : QGuiApplication::primaryScreen();
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

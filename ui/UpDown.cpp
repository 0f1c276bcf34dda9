#include "UpDown.h"

#include "ErrorGuard.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

TUpDown::TUpDown(QWidget* Parent)
    : QWidget(Parent), FUp(new QToolButton(this)), FDown(new QToolButton(this)) {
    for (QToolButton* B : {FUp, FDown}) {
        B->setFocusPolicy(Qt::NoFocus);
        B->setAutoRepeat(false); // the repeat is ours: constant rate, see Press
        B->setCursor(Qt::PointingHandCursor);
    }
    FUp->setArrowType(Qt::UpArrow);
    FDown->setArrowType(Qt::DownArrow);
    FUp->setObjectName(QStringLiteral("Up"));
    FDown->setObjectName(QStringLiteral("Down"));
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);

    connect(FUp, &QToolButton::pressed, this, [this] { Press(+1); });
    connect(FDown, &QToolButton::pressed, this, [this] { Press(-1); });
    connect(FUp, &QToolButton::released, this, &TUpDown::Release);
    connect(FDown, &QToolButton::released, this, &TUpDown::Release);
    connect(&FRepeat, &QTimer::timeout, this, [this] {
        FRepeat.setInterval(kRepeatIntervalMs);
        Guarded([this] { Step(FHeldDelta); });
    });
}

void TUpDown::SetAssociate(QLineEdit* Edit) {
    if (FAssociate)
        FAssociate->removeEventFilter(this);
    FAssociate = Edit;
    if (FAssociate) {
        FAssociate->installEventFilter(this);
        AlignToAssociate();
    }
}

void TUpDown::AlignToAssociate() {
    if (!FAssociate || FAssociate->parentWidget() != parentWidget())
        return;
    const QRect E = FAssociate->geometry();
    setGeometry(E.x() + E.width(), E.y(), width(), E.height());
}

QSize TUpDown::sizeHint() const {
    return {12, 21};
}

void TUpDown::Step(int Delta) {
    if (!FAssociate)
        return;
    bool Ok = false;
    const int Shown = FAssociate->text().toInt(&Ok, 10);
    if (Ok && Shown >= kMinPosition && Shown <= kMaxPosition)
        FPosition = Shown;
    const int Next = std::clamp(FPosition + Delta, kMinPosition, kMaxPosition);
    if (Next == FPosition && Ok && Shown == FPosition)
        return; // at an end of the range: no wrap-around, nothing to write
    FPosition = Next;
    FAssociate->setText(QString::number(Next));
}

void TUpDown::Press(int Delta) {
    FHeldDelta = Delta;
    FRepeat.start(kRepeatDelayMs);
    Guarded([this, Delta] { Step(Delta); });
}

void TUpDown::Release() {
    FRepeat.stop();
    FHeldDelta = 0;
}

void TUpDown::CancelHold() {
    Release();
    for (QToolButton* B : {FUp, FDown})
        if (B->isDown())
            B->setDown(false);
}

bool TUpDown::event(QEvent* Event) {
    // A modal window (an error box, say) opened over a held button takes the
    // mouse, and the release with it: let go now rather than step on behind
    // it. Qt passes the blocking of a window on to every control in it.
    if (Event->type() == QEvent::WindowBlocked)
        CancelHold();
    return QWidget::event(Event);
}

bool TUpDown::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == FAssociate && Event->type() == QEvent::KeyPress) {
        const auto* Key = static_cast<QKeyEvent*>(Event);
        if (Key->modifiers() == Qt::NoModifier || Key->modifiers() == Qt::KeypadModifier) {
            if (Key->key() == Qt::Key_Up || Key->key() == Qt::Key_Down) {
                const int Delta = Key->key() == Qt::Key_Up ? +1 : -1;
                Guarded([this, Delta] { Step(Delta); });
                return true;
            }
        }
    }
    return QWidget::eventFilter(Watched, Event);
}

void TUpDown::resizeEvent(QResizeEvent* Event) {
    QWidget::resizeEvent(Event);
    const int Half = height() / 2;
    FUp->setGeometry(0, 0, width(), Half);
    FDown->setGeometry(0, Half, width(), height() - Half);
}

#include "ClickLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

TClickLabel::TClickLabel(QWidget* Parent) : QLabel(Parent) {
    setFocusPolicy(Qt::TabFocus);
}

void TClickLabel::mousePressEvent(QMouseEvent* Event) {
    // Accepted, so that the release comes here too (the label holds the
    // mouse until then).
    Event->setAccepted(Event->button() == Qt::LeftButton);
}

void TClickLabel::mouseReleaseEvent(QMouseEvent* Event) {
    if (Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint())) {
        Event->accept();
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(Event);
}

void TClickLabel::keyPressEvent(QKeyEvent* Event) {
    const bool Plain = (Event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (Plain && (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter)) {
        // Held down, the key presses once: a repeat would open the page
        // again and again.
        Event->accept();
        if (!Event->isAutoRepeat())
            emit clicked();
        return;
    }
    if (Plain && Event->key() == Qt::Key_Space) {
        // As on a push button: down on the press, clicked on the release.
        Event->accept();
        FSpaceDown = FSpaceDown || !Event->isAutoRepeat();
        return;
    }
    QLabel::keyPressEvent(Event);
}

void TClickLabel::keyReleaseEvent(QKeyEvent* Event) {
    if (Event->key() == Qt::Key_Space && !Event->isAutoRepeat() && FSpaceDown) {
        FSpaceDown = false;
        Event->accept();
        emit clicked();
        return;
    }
    QLabel::keyReleaseEvent(Event);
}

void TClickLabel::focusOutEvent(QFocusEvent* Event) {
    FSpaceDown = false; // Space released elsewhere presses nothing
    QLabel::focusOutEvent(Event);
}

void TClickLabel::paintEvent(QPaintEvent* Event) {
    QLabel::paintEvent(Event);
    if (!hasFocus())
        return;
    QStyleOptionFocusRect Focus;
    Focus.initFrom(this);
    Focus.backgroundColor = palette().color(backgroundRole());
    // Around the text, where the label's box is wider than its text; around
    // the whole picture.
    if (!text().isEmpty()) {
        const QRect Text =
            style()->itemTextRect(fontMetrics(), contentsRect(), alignment(), isEnabled(), text());
        Focus.rect = QRect(Text.left() - 1, 0, Text.width() + 2, height()) & rect();
    }
    QPainter Painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &Focus, &Painter, this);
}

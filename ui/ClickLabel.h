// A label that acts as a button: the About window's home-page link and its
// donation picture. A click, or Enter or Space while it has the focus,
// presses it; Tab reaches it (a click leaves the focus where it was, as on a
// web page's link), and it shows the focus with the style's focus frame.
#pragma once

#include <QLabel>

class TClickLabel : public QLabel {
    Q_OBJECT

public:
    explicit TClickLabel(QWidget* Parent = nullptr);

signals:
    // The label was pressed: by a left-button click completed over it (the
    // press and the release both on it), by Enter, or by Space released.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void keyReleaseEvent(QKeyEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;

private:
    bool FSpaceDown = false;
};

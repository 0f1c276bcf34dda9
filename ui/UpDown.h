// A standalone spin button bound to the edit on its left.
//
// It sits flush against the edit's right edge, covers the range -32768 to
// 32767 in steps of 1 without wrapping at the ends, and repeats at a constant
// rate while held down (no acceleration). The Up and Down arrow keys in the
// edit step it too. Each step writes the new position into the edit as plain
// decimal text, which is an ordinary text change and so raises the edit's own
// change event.
#pragma once

#include <QTimer>
#include <QWidget>

class QLineEdit;
class QToolButton;

class TUpDown : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinPosition = -32768;
    static constexpr int kMaxPosition = 32767;
    // Delay before the first repeat while held, then the constant step rate.
    static constexpr int kRepeatDelayMs = 400;
    static constexpr int kRepeatIntervalMs = 100;

    explicit TUpDown(QWidget* Parent = nullptr);

    // Binds the spin button to Edit: moves it flush against Edit's right
    // edge at the same top and height and lets the arrow keys in Edit step
    // it. Leaves Edit's text alone.
    void SetAssociate(QLineEdit* Edit);
    QLineEdit* Associate() const { return FAssociate; }

    // Re-places the spin button against its edit (after a geometry change).
    void AlignToAssociate();

    // Moves the position by Delta (clamped to the range) and writes it into
    // the edit. Starts from the number in the edit when its text is a whole
    // number within the range; otherwise (empty, a lone "-", letters, a number
    // beyond the range) from the last position, so a spin never jumps to an
    // end or to 0 because of text it can't read. At an end of the range
    // nothing is written. Raises whatever the edit's change event raises.
    void Step(int Delta);

    // Lets go of a held button: stops the repeat and shows it released. Done
    // by itself when a modal window blocks the spin button's window.
    void CancelHold();

    QToolButton* UpButton() const { return FUp; }
    QToolButton* DownButton() const { return FDown; }

    QSize sizeHint() const override;

protected:
    bool event(QEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    void Press(int Delta);
    void Release();

    QToolButton* FUp;
    QToolButton* FDown;
    QLineEdit* FAssociate = nullptr;
    QTimer FRepeat;
    int FHeldDelta = 0;
    int FPosition = 0;
};

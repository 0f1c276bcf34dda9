// The main window: the start date and the choice of calculation on top, and
// below them either the difference panel (end date, the distance in six
// units and as a phrase) or the new-date panel (six signed amounts and the
// date they lead to). Every change of an input recomputes at once.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <array>
#include <memory>

class QCloseEvent;
class QLineEdit;

namespace Ui {
class TfrmMainForm;
}

class TfrmMainForm : public QWidget {
    Q_OBJECT

public:
    // Builds the window from its description (hidden), scales it to the
    // font in use and runs FormCreate inside its own error guard.
    explicit TfrmMainForm(QWidget* Parent = nullptr);
    ~TfrmMainForm() override;

    // The window cmdAboutClick shows modally; while none is set the button
    // only shows the hourglass briefly.
    void SetAboutWindow(QDialog* About);

    // Handlers, each run inside an error guard by the event that calls it.
    void FormCreate();
    void FormClose(QCloseEvent* Event);
    // Writes the six counts from the start date to the end date and the
    // phrase. Raises nothing for the pickers' dates.
    void CalcDiff();
    // Applies the six amounts to the start date, days first and years last,
    // each converted just before it is applied, and writes the long-date
    // text of the result. Raises TConvertError for an amount that is not a
    // 32-bit whole number, or for a date outside the years 1 to 9999; the
    // new-date field then keeps its text.
    void CalcNew();
    void dtpStartDtChange();
    void dtpEndDtChange();
    void cmbCalcChange();
    void txtNoDaysChange();
    // Character filter of the six amount edits: Key is set to the null
    // character (discarded) unless it is Backspace, "-" or a digit.
    void txtNoDaysKeyPress(QLineEdit* Sender, QChar& Key);
    void cmdResetClick();
    void cmdCloseClick();
    void cmdAboutClick();

protected:
    void closeEvent(QCloseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    bool ClickMnemonic(QChar Letter);

    std::unique_ptr<Ui::TfrmMainForm> ui;
    std::array<QLineEdit*, 6> FAmountEdits{};
    std::array<QString, 6> FAmountTexts; // each amount edit's text at its last change
    std::array<QLineEdit*, 6> FResultEdits{};
    QPointer<QDialog> FAbout;
};

// The one main window of the program (null before start-up and once it is
// destroyed).
extern TfrmMainForm* frmMainForm;

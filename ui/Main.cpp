#include "Main.h"

#include "Accessibility.h"
#include "Caption.h"
#include "DateRoutines.h"
#include "EditMenu.h"
#include "ErrorGuard.h"
#include "FormLook.h"
#include "FormScaling.h"
#include "PhraseText.h"
#include "ui_Main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDialog>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopeGuard>

#include <algorithm>
#include <memory>
#include <utility>

TfrmMainForm* frmMainForm = nullptr;

namespace {

// The character a key press types, or the null character for keys that type
// nothing: navigation keys, the dialog keys (Tab, Enter, Esc) and Delete,
// which the edit handles as a command. Ctrl+letter types its control
// character (Ctrl+C is 3) even on platforms that report no text for it.
QChar TypedCharacter(const QKeyEvent* Key) {
    if (Key->modifiers() & (Qt::AltModifier | Qt::MetaModifier))
        return {};
    switch (Key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return {};
    default:
        break;
    }
    if (!Key->text().isEmpty())
        return Key->text().front();
    if ((Key->modifiers() & Qt::ControlModifier) && Key->key() >= Qt::Key_A &&
        Key->key() <= Qt::Key_Z)
        return QChar(Key->key() - Qt::Key_A + 1);
    return {};
}

bool IsEnter(const QKeyEvent* Key) {
    return Key->key() == Qt::Key_Return || Key->key() == Qt::Key_Enter;
}

void PaintButtonFace(QWidget* W) {
    QPalette P = W->palette();
    P.setColor(QPalette::Base, P.color(QPalette::Button));
    W->setPalette(P);
}

} // namespace

TfrmMainForm::TfrmMainForm(QWidget* Parent)
    : QWidget(Parent), ui(std::make_unique<Ui::TfrmMainForm>()) {
    setFont(FormFont());
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    PaintFormFace(this);

    FAmountEdits = {ui->txtNoDays,       ui->txtNoWeekdays, ui->txtNoWeeks,
                    ui->txtNoFortnights, ui->txtNoMonths,   ui->txtNoYears};
    FResultEdits = {ui->txtDays,       ui->txtWeekdays, ui->txtWeeks,
                    ui->txtFortnights, ui->txtMonths,   ui->txtYears};
    // The result fields show every count the pickers' range can give; the
    // widest is the days from the last date back to the first.
    const QString WidestCount = QString::fromStdString(IntToText(DateUnitsBetween(
        dkDays, DayNumberOf(TDatePicker::MaxDate()), DayNumberOf(TDatePicker::MinDate()))));
    TWidestNumbers Widest;
    for (QLineEdit* E : FResultEdits)
        Widest.insert(E, WidestCount);
    ScaleFormGeometry(this, FormScale(this, Widest));
    const std::array<TUpDown*, 6> Spins = {ui->UpDown1, ui->UpDown2, ui->UpDown3,
                                           ui->UpDown4, ui->UpDown5, ui->UpDown6};
    for (std::size_t I = 0; I < Spins.size(); ++I)
        Spins[I]->SetAssociate(FAmountEdits[I]);
    // Screen readers name each field after its label, and each spin button
    // after its edit.
    NameFieldsAfterLabels(this);
    for (TUpDown* Spin : Spins)
        NameSpinButtons(Spin);

    for (QLineEdit* E : FResultEdits)
        PaintButtonFace(E);
    PaintButtonFace(ui->txtNewDate);
    PaintButtonFace(ui->mmoDiffString);
    KeepFrameOnTop(ui->mmoDiffString);
    ui->mmoDiffString->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                               Qt::TextSelectableByKeyboard);
    ui->mmoDiffString->setFocusPolicy(Qt::StrongFocus);
    ui->mmoDiffString->setWordWrapMode(QTextOption::WordWrap);
    ui->mmoDiffString->installEventFilter(this);

    connect(ui->dtpStartDt, &TDatePicker::Change, this,
            GuardedHandler(this, &TfrmMainForm::dtpStartDtChange));
    connect(ui->dtpEndDt, &TDatePicker::Change, this,
            GuardedHandler(this, &TfrmMainForm::dtpEndDtChange));
    // activated: only a selection by the user, never one made by the program.
    connect(ui->cmbCalc, &QComboBox::activated, this,
            GuardedHandler(this, &TfrmMainForm::cmbCalcChange));
    for (std::size_t K = 0; K < FAmountEdits.size(); ++K) {
        QLineEdit* E = FAmountEdits[K];
        // Only typed keys (and the edit's own paste) reach these edits:
        // input-method text (dead keys, compose) and dropped text would pass
        // the key filter by.
        E->setAttribute(Qt::WA_InputMethodEnabled, false);
        E->setAcceptDrops(false);
        E->installEventFilter(this);
        // The edit also reports a text put back as it was (a selected "5"
        // typed over with "5"); only a text that differs is a change.
        FAmountTexts[K] = E->text();
        connect(E, &QLineEdit::textChanged, this, [this, K](const QString& Text) {
            if (Text != std::exchange(FAmountTexts[K], Text))
                Guarded([this] { txtNoDaysChange(); });
        });
    }
    connect(ui->cmdReset, &QPushButton::clicked, this,
            GuardedHandler(this, &TfrmMainForm::cmdResetClick));
    connect(ui->cmdClose, &QPushButton::clicked, this,
            GuardedHandler(this, &TfrmMainForm::cmdCloseClick));
    connect(ui->cmdAbout, &QPushButton::clicked, this,
            GuardedHandler(this, &TfrmMainForm::cmdAboutClick));

    ui->dtpStartDt->setFocus();
    Guarded([this] { FormCreate(); });
}

TfrmMainForm::~TfrmMainForm() {
    if (frmMainForm == this)
        frmMainForm = nullptr;
    // The controls outlive this part of the window by a moment, and may
    // still signal as they go (a date picker takes its typed digits when it
    // loses the focus): no handler may run then.
    for (QObject* Control : findChildren<QObject*>())
        disconnect(Control, nullptr, this, nullptr);
}

void TfrmMainForm::SetAboutWindow(QDialog* About) {
    FAbout = About;
}

void TfrmMainForm::FormCreate() {
    setWindowTitle(ApplicationTitle());
    const TDateTime Today = CurrentDateTime();
    ui->dtpStartDt->SetDate(Today);
    ui->dtpEndDt->SetDate(Today);
    ui->cmbCalc->setCurrentIndex(0);
}

void TfrmMainForm::FormClose(QCloseEvent* Event) {
    // Destroy the window once closed; as the main window, that ends the
    // program.
    setAttribute(Qt::WA_DeleteOnClose);
    Event->accept();
}

void TfrmMainForm::CalcDiff() {
    const TDateTime S = ui->dtpStartDt->Date();
    const TDateTime E = ui->dtpEndDt->Date();
    for (std::size_t K = 0; K < FResultEdits.size(); ++K)
        FResultEdits[K]->setText(
            QString::fromStdString(IntToText(DateUnitsBetween(static_cast<TDateKind>(K), S, E))));
    ui->mmoDiffString->setPlainText(DiffPhraseText(S, E));
}

void TfrmMainForm::CalcNew() {
    TDateTime D = ui->dtpStartDt->Date();
    for (std::size_t K = 0; K < FAmountEdits.size(); ++K) {
        const std::int32_t Amount = TextToInt(FAmountEdits[K]->text().toStdString());
        D = AddDateUnits(static_cast<TDateKind>(K), D, Amount);
    }
    ui->txtNewDate->setText(QString::fromStdString(LongDateText(D)));
}

void TfrmMainForm::dtpStartDtChange() {
    CalcDiff();
    CalcNew();
}

void TfrmMainForm::dtpEndDtChange() {
    CalcDiff();
}

void TfrmMainForm::cmbCalcChange() {
    const bool Difference = ui->cmbCalc->currentIndex() == 0;
    ui->grpDiff->setVisible(Difference);
    ui->grpNew->setVisible(!Difference);
}

void TfrmMainForm::txtNoDaysChange() {
    CalcNew();
}

void TfrmMainForm::txtNoDaysKeyPress(QLineEdit* /*Sender*/, QChar& Key) {
    const bool Accepted = Key == QChar(8) || Key == u'-' || (Key >= u'0' && Key <= u'9');
    if (!Accepted)
        Key = QChar();
}

void TfrmMainForm::cmdResetClick() {
    // Each edit that changes raises its own change event (guarded on its
    // own) before the next one is reset.
    for (QLineEdit* E : FAmountEdits)
        E->setText(QStringLiteral("0"));
}

void TfrmMainForm::cmdCloseClick() {
    close();
}

void TfrmMainForm::cmdAboutClick() {
    // A request while the About window is up does nothing: an access key
    // animates its button's click, which can land after a click on the
    // button itself has opened the window.
    if (FAbout && FAbout->isVisible())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto Arrow = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    if (!FAbout)
        return;
    CentreWindow(FAbout, this);
    // The arrow is back while the About window is up; the hourglass returns
    // for the moment after it closes.
    QApplication::restoreOverrideCursor();
    const auto Hourglass = qScopeGuard([] { QApplication::setOverrideCursor(Qt::WaitCursor); });
    FAbout->exec();
}

void TfrmMainForm::closeEvent(QCloseEvent* Event) {
    // Closing, by any route, is no moving on: digits half typed into a
    // date are dropped, not taken (and their errors not raised).
    ui->dtpStartDt->DropTyping();
    ui->dtpEndDt->DropTyping();
    Guarded([this, Event] { FormClose(Event); });
}

bool TfrmMainForm::ClickMnemonic(QChar Letter) {
    for (QPushButton* B : findChildren<QPushButton*>()) {
        const auto Caption = ParseCaption(B->text());
        const qsizetype Key = Caption.AccessKey();
        if (Key < 0 || !B->isVisible() || !B->isEnabled())
            continue;
        if (Caption.Shown[Key].toLower() == Letter.toLower()) {
            B->setFocus(Qt::ShortcutFocusReason);
            B->click();
            return true;
        }
    }
    return false;
}

void TfrmMainForm::keyPressEvent(QKeyEvent* Event) {
    // Keys reach the window when the control with the focus leaves them.
    const Qt::KeyboardModifiers Mods = Event->modifiers() & ~Qt::KeypadModifier;
    if (IsEnter(Event) && Mods == Qt::NoModifier) {
        // Push buttons press themselves on Enter; from any other control
        // Enter presses the default button.
        ui->cmdClose->click();
        return;
    }
    if (Event->key() == Qt::Key_Escape) {
        Event->accept(); // no cancel button: Esc does nothing
        return;
    }
    if (Mods == Qt::NoModifier && qobject_cast<QPushButton*>(focusWidget()) &&
        !Event->text().isEmpty() && Event->text().front().isLetter() &&
        ClickMnemonic(Event->text().front()))
        return; // a push button has the focus: its plain access letters work
    QWidget::keyPressEvent(Event);
}

bool TfrmMainForm::eventFilter(QObject* Watched, QEvent* Event) {
    if (Watched == ui->mmoDiffString && Event->type() == QEvent::Timer &&
        QGuiApplication::mouseButtons() == Qt::NoButton) {
        // The phrase box scrolls while a selection is dragged past its edge,
        // by a timer that replays the mouse with its button held. A drag of
        // the selection out of the box starts that timer as the drag ends
        // when the drag began beyond the box (a quick move out of its two
        // lines), and the release the drag took never reaches the box to
        // stop it: the timer's next move would start the drag again, which
        // would hold the mouse with no button down. The box gets the release
        // instead, which stops the timer.
        QWidget* View = ui->mmoDiffString->viewport();
        const QPointF Global = QCursor::pos();
        QMouseEvent Release(QEvent::MouseButtonRelease, View->mapFromGlobal(Global), Global,
                            Qt::LeftButton, Qt::NoButton, QGuiApplication::keyboardModifiers());
        QCoreApplication::sendEvent(View, &Release);
        return true;
    }
    if (Event->type() == QEvent::ContextMenu) {
        auto* Edit = qobject_cast<QLineEdit*>(Watched);
        if (Edit && std::ranges::find(FAmountEdits, Edit) != FAmountEdits.end()) {
            ShowEditMenu(Edit, static_cast<QContextMenuEvent*>(Event)->globalPos(),
                         TEditMenu::NoShortcuts);
            return true;
        }
    }
    if (Event->type() == QEvent::InputMethod) {
        // Text an input method commits (a dead key and a letter, say) goes
        // through the same key filter as typed characters.
        auto* Edit = qobject_cast<QLineEdit*>(Watched);
        auto* Input = static_cast<QInputMethodEvent*>(Event);
        if (Edit && std::ranges::find(FAmountEdits, Edit) != FAmountEdits.end() &&
            !Input->commitString().isEmpty()) {
            QString Kept;
            for (QChar C : Input->commitString()) {
                Guarded([&] { txtNoDaysKeyPress(Edit, C); });
                if (!C.isNull())
                    Kept += C;
            }
            if (Kept != Input->commitString()) {
                QInputMethodEvent Filtered;
                Filtered.setCommitString(Kept);
                if (!Kept.isEmpty())
                    QCoreApplication::sendEvent(Edit, &Filtered);
                return true;
            }
        }
    }
    if (Event->type() == QEvent::KeyPress) {
        auto* Key = static_cast<QKeyEvent*>(Event);
        if (Watched == ui->mmoDiffString && IsEnter(Key)) {
            Key->accept(); // the phrase box keeps Enter for itself
            return true;
        }
        for (QLineEdit* E : FAmountEdits) {
            if (Watched != E)
                continue;
            // Alt or Meta with a character is not typing: access keys such as
            // Alt+A are taken before the key reaches the edit, and anything
            // else would put the character in unfiltered.
            if ((Key->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) &&
                !Key->text().isEmpty() && Key->text().front().isPrint())
                return true;
            QChar Typed = TypedCharacter(Key);
            if (Typed.isNull())
                break;
            Guarded([&] { txtNoDaysKeyPress(E, Typed); });
            if (Typed.isNull())
                return true;
            break;
        }
    }
    return QWidget::eventFilter(Watched, Event);
}

#include "FormScaling.h"

#include "Caption.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double kDesignTextHeight = 13.0;

// The space the window descriptions leave between a field's label and the
// field, and between a label and its group's side.
constexpr double kDesignLabelGap = 8.0;

// The controls laid out by a window description: the window's own children
// and, one level down, the children of its group boxes.
QList<QWidget*> DesignedControls(const QWidget* Form) {
    QList<QWidget*> Result;
    for (QWidget* W : Form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (W->isWindow())
            continue;
        Result += W;
        if (qobject_cast<QGroupBox*>(W))
            Result += W->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    }
    return Result;
}

// The left and right edges of the room a label of a field may take: from
// its own edge beside the field across the free space on its other side, as
// far as Gap short of the nearest control of its parent that shares any of
// its rows, or of its parent's side. A label without a field beside it has
// only its own box.
std::pair<int, int> LabelRoom(const QLabel* L, int Gap) {
    const QRect Box = L->geometry();
    const QWidget* Field = L->buddy();
    if (!Field || Field->parentWidget() != L->parentWidget() || Field->x() < Box.x())
        return {Box.x(), Box.x() + Box.width()};
    int Left = Gap;
    for (const QWidget* W : L->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect R = W->geometry();
        const bool SharesRows = R.y() < Box.y() + Box.height() && Box.y() < R.y() + R.height();
        if (W != L && !W->isWindow() && SharesRows && R.x() + R.width() <= Box.x())
            Left = std::max(Left, R.x() + R.width() + Gap);
    }
    return {std::min(Left, Box.x()), Box.x() + Box.width()};
}

// The width a button needs to show its caption without clipping.
int ButtonTextWidth(const QAbstractButton* B) {
    QStyleOptionButton Opt;
    Opt.initFrom(B);
    Opt.text = B->text();
    const QSize Text = B->fontMetrics().size(Qt::TextShowMnemonic, B->text());
    return B->style()->sizeFromContents(QStyle::CT_PushButton, &Opt, Text, B).width();
}

// The width a drop-down list needs to show its longest entry in its field
// beside its drop-down button.
int ComboTextWidth(const QComboBox* C) {
    int Longest = 0;
    for (int I = 0; I < C->count(); ++I)
        Longest = std::max(Longest, C->fontMetrics().horizontalAdvance(C->itemText(I)));
    QStyleOptionComboBox Opt;
    Opt.initFrom(C);
    Opt.editable = C->isEditable();
    Opt.frame = C->hasFrame();
    const QRect Field =
        C->style()->subControlRect(QStyle::CC_ComboBox, &Opt, QStyle::SC_ComboBoxEditField, C);
    return Longest + (C->width() - Field.width());
}

// Horizontal room a line edit takes beyond its text: its frame, its side
// margins and the caret.
int LineEditExtra(const QWidget* W) {
    return 2 * W->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, W) + 2 * 2 + 1;
}

// The width a date field needs to show its longest date (every month and
// weekday name of its format) beside its drop-down button.
int DateFieldWidth(const QDateTimeEdit* D) {
    const QLocale L = D->locale();
    const QString Format = D->displayFormat();
    int Longest = 0;
    for (QDate Day(2000, 1, 1); Day.year() == 2000; Day = Day.addDays(1))
        Longest = std::max(Longest, D->fontMetrics().horizontalAdvance(L.toString(Day, Format)));
    QRect Field;
    if (D->calendarPopup()) {
        QStyleOptionComboBox Opt;
        Opt.initFrom(D);
        Opt.editable = true;
        Opt.frame = true;
        Field =
            D->style()->subControlRect(QStyle::CC_ComboBox, &Opt, QStyle::SC_ComboBoxEditField, D);
    } else {
        QStyleOptionSpinBox Opt;
        Opt.initFrom(D);
        Opt.frame = true;
        Field =
            D->style()->subControlRect(QStyle::CC_SpinBox, &Opt, QStyle::SC_SpinBoxEditField, D);
    }
    return Longest + (D->width() - Field.width()) + 2 * 2 + 1;
}

// The widest amount every edit must show: the spin buttons' lowest.
constexpr const char* kWidestAmount = "-32768";

} // namespace

int NumberWidth(const QFontMetrics& Metrics, const QString& Number) {
    QChar Widest = u'0';
    for (char16_t D = u'1'; D <= u'9'; ++D)
        if (Metrics.horizontalAdvance(QChar(D)) > Metrics.horizontalAdvance(Widest))
            Widest = QChar(D);
    QString Drawn = Number;
    for (QChar& C : Drawn)
        if (C.isDigit())
            C = Widest;
    return std::max(Metrics.horizontalAdvance(Number), Metrics.horizontalAdvance(Drawn));
}

double FormScale(const QWidget* Form, const TWidestNumbers& Widest) {
    double Scale = std::max(1.0, QFontMetrics(Form->font()).height() / kDesignTextHeight);
    for (const QWidget* W : DesignedControls(Form)) {
        int Needed = 0;
        if (const auto* L = qobject_cast<const QLabel*>(W)) {
            // A field's label may take the free room beside it before the
            // window grows (ScaleFormGeometry widens it).
            const auto [Left, Right] = LabelRoom(L, static_cast<int>(kDesignLabelGap));
            const int Caption = L->fontMetrics().horizontalAdvance(ParseCaption(L->text()).Shown);
            if (Right > Left)
                Scale = std::max(Scale, double(Caption) / (Right - Left));
            continue;
        } else if (const auto* B = qobject_cast<const QAbstractButton*>(W);
                   B && !B->text().isEmpty())
            Needed = ButtonTextWidth(B);
        else if (const auto* D = qobject_cast<const QDateTimeEdit*>(W))
            Needed = DateFieldWidth(D);
        else if (const auto* C = qobject_cast<const QComboBox*>(W))
            Needed = ComboTextWidth(C);
        else if (const auto* E = qobject_cast<const QLineEdit*>(W))
            Needed = std::max(NumberWidth(E->fontMetrics(), QString::fromLatin1(kWidestAmount)),
                              NumberWidth(E->fontMetrics(), Widest.value(E))) +
                     LineEditExtra(E);
        if (Needed > 0 && W->width() > 0)
            Scale = std::max(Scale, double(Needed) / W->width());
    }
    return Scale;
}

void ScaleFormGeometry(QWidget* Form, double Scale) {
    auto S = [Scale](int V) { return static_cast<int>(std::lround(V * Scale)); };
    for (QWidget* W : DesignedControls(Form)) {
        const QRect G = W->geometry();
        const int Left = S(G.x());
        const int Top = S(G.y());
        W->setGeometry(Left, Top, S(G.x() + G.width()) - Left, S(G.y() + G.height()) - Top);
    }
    Form->setFixedSize(S(Form->width()), S(Form->height()));
    // A field's label whose caption is wider than its box grows into its room,
    // as far as the caption needs; the others keep their scaled boxes.
    const int Gap = S(kDesignLabelGap);
    for (QWidget* W : DesignedControls(Form)) {
        auto* L = qobject_cast<QLabel*>(W);
        if (!L)
            continue;
        const int Caption = L->fontMetrics().horizontalAdvance(ParseCaption(L->text()).Shown);
        const QRect Box = L->geometry();
        if (Caption <= Box.width())
            continue;
        const int Left = std::max(LabelRoom(L, Gap).first, Box.x() + Box.width() - Caption);
        L->setGeometry(Left, Box.y(), Box.x() + Box.width() - Left, Box.height());
    }
    // A label whose text needs a taller line than its box (drawn in part in a
    // fallback font with a taller line, as Chinese and Japanese fonts have)
    // grows as much up as down, its text centred where it was.
    for (QWidget* W : DesignedControls(Form)) {
        auto* L = qobject_cast<QLabel*>(W);
        if (!L || L->text().isEmpty())
            continue;
        const QRect Box = L->geometry();
        const int Needed = L->sizeHint().height();
        if (Needed > Box.height())
            L->setGeometry(Box.x(), Box.y() - (Needed - Box.height()) / 2, Box.width(), Needed);
    }
}

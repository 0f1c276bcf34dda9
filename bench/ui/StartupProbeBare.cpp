// A bare Qt window holding as many widgets of the same kinds as the main
// window (3 group boxes, 17 labels, 2 date edits with a calendar pop-up, a
// combo box, 13 line edits, a plain-text box, 6 pairs of arrow buttons and 3
// push buttons), no window description, locale loading or scaling; ended at
// its first paint.
#include "FirstPaint.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

int main(int argc, char* argv[]) {
    QApplication Application(argc, argv);
    QWidget Window;
    Window.setFixedSize(387, 272);
    auto* Top = new QGroupBox(&Window);
    Top->setGeometry(8, 8, 289, 81);
    auto* Diff = new QGroupBox(&Window);
    Diff->setGeometry(8, 96, 289, 169);
    auto* New = new QGroupBox(&Window);
    New->setGeometry(8, 96, 289, 169);
    New->hide();
    for (int I = 0; I < 17; ++I) {
        auto* L = new QLabel(QStringLiteral("Label:"), I < 2 ? Top : I < 10 ? Diff : New);
        L->setGeometry(10, 20 + (I % 8) * 16, 54, 13);
    }
    for (QGroupBox* G : {Top, Diff}) {
        auto* D = new QDateEdit(QDate::currentDate(), G);
        D->setCalendarPopup(true);
        D->setDisplayFormat(QStringLiteral("dddd, d MMMM yyyy"));
        D->setGeometry(72, 16, 201, 21);
    }
    auto* Calc = new QComboBox(Top);
    Calc->addItems({QStringLiteral("Difference between two dates"), QStringLiteral("New date")});
    Calc->setGeometry(72, 48, 201, 21);
    for (int I = 0; I < 13; ++I) {
        auto* E = new QLineEdit(QStringLiteral("0"), I < 6 ? Diff : New);
        E->setGeometry(72 + (I % 2) * 150, 44 + (I % 3) * 24, 49, 21);
        E->setReadOnly(I < 6 || I == 12);
    }
    auto* Phrase = new QPlainTextEdit(Diff);
    Phrase->setReadOnly(true);
    Phrase->setGeometry(72, 124, 201, 33);
    for (int I = 0; I < 6; ++I) {
        auto* Spin = new QWidget(New);
        Spin->setGeometry(121 + (I / 3) * 140, 16 + (I % 3) * 24, 12, 21);
        auto* Up = new QToolButton(Spin);
        Up->setArrowType(Qt::UpArrow);
        Up->setGeometry(0, 0, 12, 10);
        auto* Down = new QToolButton(Spin);
        Down->setArrowType(Qt::DownArrow);
        Down->setGeometry(0, 10, 12, 11);
    }
    (new QPushButton(QStringLiteral("&Reset"), New))->setGeometry(198, 98, 75, 25);
    (new QPushButton(QStringLiteral("Close"), &Window))->setGeometry(304, 16, 75, 25);
    (new QPushButton(QStringLiteral("&About"), &Window))->setGeometry(304, 48, 75, 25);

    TFirstPaint Probe;
    Window.installEventFilter(&Probe);
    Window.show();
    return QApplication::exec();
}

#include "FormLook.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionTitleBar>
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

int TitleBarWidth(const QWidget* Window, const QString& Title) {
    QFont Font = QApplication::font("QMdiSubWindowTitleBar");
    Font.setBold(true);
    const QFontMetrics Metrics(Font);
    QStyleOptionTitleBar Opt;
    Opt.initFrom(Window);
    Opt.text = Title;
    Opt.icon = Window->windowIcon();
    Opt.titleBarFlags = Window->windowFlags() | Qt::WindowSystemMenuHint |
                        Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    Opt.subControls = QStyle::SC_All;
    constexpr int Wide = 1000; // room enough for every button
    Opt.rect =
        QRect(0, 0, Wide, Window->style()->pixelMetric(QStyle::PM_TitleBarHeight, &Opt, Window));
    const QRect Label = Window->style()->subControlRect(QStyle::CC_TitleBar, &Opt,
                                                        QStyle::SC_TitleBarLabel, Window);
    return Metrics.horizontalAdvance(Title) + 2 * Metrics.averageCharWidth() +
           (Wide - Label.width());
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

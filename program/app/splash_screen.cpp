#include "app/splash_screen.h"

#include "settings/settings.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

namespace velmora {

// Borderless, always on top, centred, 347 by 293 pixels, white; it closes
// and frees itself 2000 ms after it is shown.
SplashScreen::SplashScreen(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashScreen"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(347, 293);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void SplashScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    QTimer::singleShot(2000, this, &QWidget::close);
}

void SplashScreen::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    QSvgRenderer logo(QStringLiteral(":/icons/velmora.svg"));
    logo.render(&p, QRectF(24, 24, 120, 120));
    p.setPen(QColor(0x1f, 0x3a, 0x5f));
    QFont title(QStringLiteral("Liberation Sans"), 20, QFont::Bold);
    p.setFont(title);
    p.drawText(QRect(24, 160, 300, 36), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Velmora"));
    QFont sub(QStringLiteral("Liberation Sans"), 11);
    p.setFont(sub);
    p.drawText(QRect(24, 196, 300, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Commercial ") + kProgramVersion);
    p.setPen(Qt::darkGray);
    p.drawText(QRect(24, 236, 300, 40), Qt::AlignLeft | Qt::TextWordWrap,
               QStringLiteral("Hazardous materials placarding, segregation and inspection - 49 CFR 171-180"));
    p.setPen(QColor(0xc0, 0xc0, 0xc0));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace velmora

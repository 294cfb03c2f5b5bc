#include "app/about_box.h"

#include "app/build_date.h"
#include "settings/settings.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QIcon>

namespace velmora {

AboutBox::AboutBox(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About ") + kProductTitle);
    setObjectName(QStringLiteral("About"));
    const bool large = logicalDpiX() >= 120;
    setFixedSize(large ? 565 : 480, large ? 330 : 290);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(15, 15, 15, 15);
    auto *picture = new QLabel(this);
    picture->setPixmap(QIcon(QStringLiteral(":/icons/velmora.svg")).pixmap(140, 140));
    grid->addWidget(picture, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(QString::fromLatin1(kProductTitle) + " " + kProgramVersion + " CM", this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Build Date:\t\t") + QString::fromLatin1(kBuildDate), this), 1, 1);
    grid->setRowStretch(2, 1);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(ok, 3, 1, Qt::AlignRight | Qt::AlignBottom);
}

} // namespace velmora

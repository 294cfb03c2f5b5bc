#include "saved/truck_id_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora {

QString truckIdProblem(const QString &savePath, const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("You must enter a truckload name.");
    if ((savePath + text + QStringLiteral(".vlm")).size() >= kMaxTruckloadPath)
        return QStringLiteral("Unable to save your truckload. The filename is too long.");
    const QString forbidden = QString::fromLatin1(kForbiddenNameCharacters);
    for (const QChar c : text)
        if (forbidden.contains(c)) {
            QStringList listed;
            for (const QChar f : forbidden)
                listed << QString(f);
            return QStringLiteral("A truckload name cannot contain any of the following characters:\n\t\t") +
                   listed.join(QLatin1Char(' '));
        }
    return QString();
}

QString dateTimeStampId(const QDateTime &when)
{
    const QDate d = when.date();
    const QTime t = when.time();
    QString s;
    for (int n : {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()})
        s += QString::number(n);
    return s;
}

TruckIdDialog::TruckIdDialog(Prompts &prompts, const QString &savePath, const QString &initial, bool rename,
                         bool defaultId, QWidget *parent)
    : QDialog(parent), prompts_(prompts), savePath_(savePath)
{
    setWindowTitle(rename ? QStringLiteral("Rename Truck ID") : QStringLiteral("Truck ID"));
    auto *v = new QVBoxLayout(this);
    v->addWidget(new QLabel(QStringLiteral("Please give your truckload a unique name here."), this));
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Truck ID:"), this));
    truckIdEdit = new QLineEdit(this);
    row->addWidget(truckIdEdit, 1);
    v->addLayout(row);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    v->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TruckIdDialog::acceptIfValid);

    shown_ = initial;
    if (shown_.isEmpty() && defaultId)
        shown_ = dateTimeStampId(QDateTime::currentDateTime());
    truckIdEdit->setText(shown_);
    truckIdEdit->selectAll();
    truckIdEdit->setFocus();
}

QString TruckIdDialog::text() const { return truckIdEdit->text(); }

void TruckIdDialog::acceptIfValid()
{
    const QString problem = truckIdProblem(savePath_, text());
    if (!problem.isEmpty()) {
        prompts_.error(problem);
        truckIdEdit->selectAll();
        truckIdEdit->setFocus();
        return;
    }
    accept();
}

std::optional<QString> askTruckId(Prompts &prompts, const QString &savePath, const QString &initial, bool rename,
                                  bool defaultId, QWidget *parent)
{
    TruckIdDialog dialog(prompts, savePath, initial, rename, defaultId, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.text();
}

} // namespace velmora

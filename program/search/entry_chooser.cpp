#include "search/entry_chooser.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

EntryChooser::EntryChooser(const QString &number, const std::vector<EntryChoice> &entries, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Choose the Entry"));
    auto *layout = new QVBoxLayout(this);
    auto *text = new QLabel(tr("%1 has %2 entries in the Hazardous Materials Table. Choose the one you mean:")
                                .arg(number)
                                .arg(entries.size()),
                            this);
    text->setWordWrap(true);
    layout->addWidget(text);
    list_ = new QTreeWidget(this);
    list_->setRootIsDecorated(false);
    list_->setAllColumnsShowFocus(true);
    list_->setHeaderLabels({tr("ID"), tr("Shipping Name"), tr("Class"), tr("PG")});
    for (const EntryChoice &e : entries) {
        auto *item = new QTreeWidgetItem(list_, {e.id, e.shippingName, e.hazardClass, e.packingGroups});
        item->setData(0, Qt::UserRole, e.pid);
        item->setToolTip(1, e.shippingName);
    }
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    for (int c : {0, 2, 3})
        list_->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    list_->setCurrentItem(list_->topLevelItem(0));
    layout->addWidget(list_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::itemActivated, this, &QDialog::accept);
    resize(640, 300);
}

int EntryChooser::chosenPid() const
{
    const QTreeWidgetItem *item = list_->currentItem();
    return item ? item->data(0, Qt::UserRole).toInt() : 0;
}

std::optional<int> chooseEntry(QWidget *parent, const QString &number, const std::vector<EntryChoice> &entries)
{
    if (entries.empty())
        return std::nullopt;
    if (entries.size() == 1)
        return entries.front().pid;
    EntryChooser chooser(number, entries, parent);
    if (chooser.exec() != QDialog::Accepted || chooser.chosenPid() == 0)
        return std::nullopt;
    return chooser.chosenPid();
}

} // namespace velmora

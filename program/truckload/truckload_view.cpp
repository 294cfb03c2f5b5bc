#include "truckload/truckload_view.h"

#include "app/view_parts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

TruckloadView::TruckloadView(int fontAdjust, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TruckloadView"));
    title_ = addViewTitle(this, QStringLiteral("Truckload"), fontAdjust);
    QVBoxLayout *column = viewColumn(this);
    auto *top = new QHBoxLayout;
    auto *vehicleGroup = new QGroupBox(QStringLiteral("Vehicle Type"), this);
    vehicleGroup->setFixedWidth(160);
    auto *vg = new QVBoxLayout(vehicleGroup);
    vg->setContentsMargins(4, 2, 4, 4);
    vehicles_ = new QComboBox(vehicleGroup);
    vehicles_->setObjectName(QStringLiteral("vehicleSelector"));
    vg->addWidget(vehicles_);
    vg->addStretch();
    connect(vehicles_, &QComboBox::currentTextChanged, this, &TruckloadView::vehicleChosen);
    top->addWidget(vehicleGroup);

    auto *questions = new QGroupBox(QStringLiteral("Vehicle Questions"), this);
    auto *qv = new QVBoxLayout(questions);
    qv->setContentsMargins(6, 2, 6, 4);
    qv->setSpacing(1);
    auto *row8820 = new QHBoxLayout;
    criteria8820_ = new QCheckBox(
        QStringLiteral("This is a single material load that was loaded at one facility [8,820 Rule]."), questions);
    criteria8820_->setObjectName(QStringLiteral("criteria8820Check"));
    criteria8820_->setEnabled(false);   // enabled when the truckload allows the 8,820-pound rule
    row8820->addWidget(criteria8820_);
    auto *link8820 = new QLabel(QStringLiteral("<a href=\"49CFR172.301(a)(3)\">49 CFR 172.301(a)(3)</a>"), questions);
    connect(link8820, &QLabel::linkActivated, this, &TruckloadView::citationActivated);
    row8820->addWidget(link8820);
    row8820->addStretch();
    qv->addLayout(row8820);
    dod_ = new QCheckBox(QStringLiteral("Is this a DOD shipment?"), questions);
    dod_->setObjectName(QStringLiteral("dodShipmentCheck"));
    dod_->setEnabled(false);
    dod_->setToolTip(QStringLiteral("Shows the declaration saved with an opened truckload. No placarding, segregation or "
                                    "permit rule checked here depends on it, so it is not changed here."));
    qv->addWidget(dod_);
    auto *exclusive = new QCheckBox(QStringLiteral("This is an Exclusive Use Shipment."), questions);
    exclusive->setObjectName(QStringLiteral("exclusiveUseCheck"));   // follows the items (MainWindow::refillTruckloadList)
    exclusive->setEnabled(false);
    exclusive->setToolTip(QStringLiteral("Set from the items: checked when a package has a transport index above 10, or "
                                         "the load a combined transport index or criticality safety index above 50, "
                                         "so that it must travel as exclusive use (49 CFR 173.441, 177.842(a))."));
    qv->addWidget(exclusive);
    questions->setFixedHeight(73);
    vehicleGroup->setFixedHeight(73);
    top->addWidget(questions, 1);
    column->addLayout(top);
    connect(criteria8820_, &QCheckBox::clicked, this, &TruckloadView::criteria8820Clicked);

    list_ = makeListView(this, {QStringLiteral("Proper Shipping Name"), QStringLiteral("Class"), QStringLiteral("ID"),
                                QStringLiteral("Packing Group"), QStringLiteral("Permit"), QStringLiteral("Weight"),
                                QStringLiteral("Packaging"), QStringLiteral("PIH")});
    list_->setObjectName(QStringLiteral("truckloadList"));
    const int widths[] = {0, 91, 68, 105, 76, 75, 82, 57};   // widths for a list font above 8 points
    for (int c = 1; c < 8; ++c)
        list_->setColumnWidth(c, widths[c]);
    column->addWidget(list_, 1);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &TruckloadView::selectionChanged);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &TruckloadView::rowDoubleClicked);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { emit contextMenuRequested(list_->viewport()->mapToGlobal(at)); });
}

QString TruckloadView::title() const { return title_->text(); }

void TruckloadView::setTruckloadName(const QString &name)
{
    title_->setText(name.isEmpty() ? QStringLiteral("Truckload") : QStringLiteral("Truckload (") + name + ")");
}

void TruckloadView::setVehicles(const QStringList &names)
{
    const QSignalBlocker block(vehicles_);
    vehicles_->clear();
    vehicles_->addItems(names);
    vehicles_->setCurrentIndex(names.isEmpty() ? -1 : 0);
}

void TruckloadView::showVehicle(const QString &name)
{
    const QSignalBlocker block(vehicles_);
    const int found = vehicles_->findText(name, Qt::MatchExactly);
    if (found >= 0)
        vehicles_->setCurrentIndex(found);
    else if (vehicles_->count() > 0)
        vehicles_->setCurrentIndex(0);
}

void TruckloadView::setRows(const std::vector<TruckloadRow> &rows)
{
    list_->clear();
    list_->setSortingEnabled(false);
    for (size_t i = 0; i < rows.size(); ++i) {
        const TruckloadRow &r = rows[i];
        QTreeWidgetItem *row = newListRow(list_);
        const QString cells[] = {r.psn, r.hazardClass, r.id, r.packingGroup, r.permit, r.weight, r.packaging, r.pih};
        for (int c = 0; c < 8; ++c)
            row->setText(c, cells[c]);
        row->setData(0, Qt::UserRole, static_cast<uint32_t>(i));
    }
}

std::vector<uint32_t> TruckloadView::selectedRows() const
{
    std::vector<uint32_t> rows;
    for (QTreeWidgetItem *row : list_->selectedItems())
        rows.push_back(row->data(0, Qt::UserRole).toUInt());
    return rows;
}

std::optional<uint32_t> TruckloadView::rowToEdit() const
{
    const auto rows = selectedRows();
    if (rows.empty())
        return std::nullopt;
    QTreeWidgetItem *current = list_->currentItem();
    return current && current->isSelected() ? current->data(0, Qt::UserRole).toUInt() : rows.front();
}

} // namespace velmora

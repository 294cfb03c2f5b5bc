// The Truckload view: its title with the truck ID, the vehicle selector,
// the vehicle questions and the list of the truckload's items.
#pragma once

#include "truckload/truckload_editing.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QTreeWidget;

namespace velmora {

class TruckloadView : public QWidget {
    Q_OBJECT
public:
    explicit TruckloadView(int fontAdjust, QWidget *parent = nullptr);

    QTreeWidget *list() const { return list_; }
    QComboBox *vehicleSelector() const { return vehicles_; }
    QCheckBox *criteria8820Check() const { return criteria8820_; }
    QCheckBox *dodShipmentCheck() const { return dod_; }
    QString title() const;

    // "Truckload", or "Truckload (" + truck ID + ")".
    void setTruckloadName(const QString &name);
    // The vehicle types offered, the first one chosen (no vehicleChosen).
    void setVehicles(const QStringList &names);
    // Shows the truckload's vehicle (the first type when it names none of
    // them) without vehicleChosen.
    void showVehicle(const QString &name);
    void setRows(const std::vector<TruckloadRow> &rows);
    // The selected rows as item indexes, in list order.
    std::vector<uint32_t> selectedRows() const;
    // The current row's item when it is selected, else the first selected.
    std::optional<uint32_t> rowToEdit() const;

signals:
    void vehicleChosen(const QString &name);
    void criteria8820Clicked(bool on);
    void citationActivated(const QString &citation);
    void selectionChanged();
    void rowDoubleClicked();
    void contextMenuRequested(const QPoint &globalPos);

private:
    QLabel *title_ = nullptr;
    QComboBox *vehicles_ = nullptr;
    QCheckBox *criteria8820_ = nullptr;
    QCheckBox *dod_ = nullptr;
    QTreeWidget *list_ = nullptr;
};

} // namespace velmora

// The truckload editing commands: Cut, Copy, Paste, Add Item, Remove Items
// and Edit Item with their enabling, the item dialog runs, the rows of the
// truckload view, the vehicle type and the 8,820-pound question.
#pragma once

#include "app/window_views.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QAction;
class QWidget;
struct Engine;
struct Hazmat;

namespace velmora {

class Dialogs;
class HazmatLibrary;
class Prompts;
class SearchView;
class TruckloadEditor;
class TruckloadView;
struct DoNotShipList;

class TruckloadCommands : public QObject {
    Q_OBJECT
public:
    struct Context {
        HazmatLibrary *library = nullptr;
        Engine *engine = nullptr;   // null when the library is not the engine library
        Prompts *prompts = nullptr;
        Dialogs *dialogs = nullptr;
        const DoNotShipList *doNotShip = nullptr;
        QString organisation;
        QString programFolder;
        const View *shownView = nullptr;   // the view the window shows
        QWidget *window = nullptr;         // parent of the dialogs; its windowModified is the dirty flag
    };
    TruckloadCommands(const Context &context, TruckloadView &view, SearchView &search, QObject *parent = nullptr);
    ~TruckloadCommands() override;

    QAction *cutAction() const { return cut_; }
    QAction *copyAction() const { return copy_; }
    QAction *pasteAction() const { return paste_; }
    QAction *addAction() const { return add_; }
    QAction *removeAction() const { return remove_; }
    QAction *editAction() const { return edit_; }
    TruckloadEditor *editor() const { return editor_.get(); }

    const EditCommands &commands() const { return commands_; }
    // The commands a newly shown view leaves enabled.
    void enterView(View view);
    // The vehicle types of the engine, the first one chosen, both
    // declarations off.
    void resetVehicle();
    // The rows, the vehicle and the questions of the engine's truckload.
    void refreshRows();
    // The selected truckload rows as item indexes.
    std::vector<uint32_t> selectedRows() const;

public slots:
    void newItem();
    void editItem();
    void removeItems();
    void cut();
    void copy();
    void paste();
    void addSearchResult(int pid);
    void selectVehicle(const QString &name);
    void toggle8820Criteria(bool on);

signals:
    void statusChanged(const QString &text);
    // The truckload changed: the compliance output is stale.
    void truckloadChanged();

private:
    void addItem(int pid, bool fromSearch);
    bool runItemDialog(Hazmat *item, bool fromSearch);
    std::vector<uint32_t> rowsToEdit() const;
    void removeRows(const std::vector<uint32_t> &rows);
    void selectionChanged();
    void applyCommands();
    void markModified();

    Context context_;
    TruckloadView &view_;
    SearchView &search_;
    std::unique_ptr<TruckloadEditor> editor_;
    EditCommands commands_;
    QAction *cut_ = nullptr, *copy_ = nullptr, *paste_ = nullptr;
    QAction *add_ = nullptr, *remove_ = nullptr, *edit_ = nullptr;
};

} // namespace velmora

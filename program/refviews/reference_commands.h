// The reference views of the truckload list and the search results: the
// pop-up menu's "View Hazardous Material Table Entry" and "View Authorized
// Motor Cargo Tanks", shown in the information window.
#pragma once

#include "app/window_views.h"

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QWidget;
struct Engine;

namespace velmora {

class Dialogs;
class Prompts;
class SearchView;
class TruckloadView;

class ReferenceCommands : public QObject {
    Q_OBJECT
public:
    struct Context {
        Engine *engine = nullptr;
        Prompts *prompts = nullptr;
        Dialogs *dialogs = nullptr;
        QString programFolder;
        QString viewerPath;
        const View *shownView = nullptr;
        QWidget *window = nullptr;
    };
    // Adds the entries to `popup`, the pop-up menu of both lists.
    ReferenceCommands(const Context &context, QMenu &popup, const TruckloadView &truckload, const SearchView &search,
                      QObject *parent = nullptr);

    QAction *tableEntryAction() const { return tableEntry_; }
    QAction *cargoTanksAction() const { return cargoTanks_; }

public slots:
    // Enables the entries for the view shown and its selection.
    void updateActions();
    void showTableEntry();
    void showCargoTanks();

private:
    Context context_;
    const TruckloadView &truckload_;
    const SearchView &search_;
    QAction *tableEntry_ = nullptr, *cargoTanks_ = nullptr;
};

} // namespace velmora

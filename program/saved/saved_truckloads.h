// Saved truckloads in the main window: the File commands on the current
// truckload (New, Open, Save, Save As, Import, Export, Enter Truck ID) and
// the Saved Truckloads view's commands (open, delete, rename, filter and
// the spreadsheet export of the list).
#pragma once

#include "app/window_views.h"
#include "saved/saved_list.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QAction;
class QMenu;
class QWidget;
struct Engine;

namespace velmora {

class Dialogs;
class Prompts;
class SavedStore;
class SavedView;
struct Settings;

class SavedTruckloads : public QObject {
    Q_OBJECT
public:
    struct Context {
        Engine *engine = nullptr;   // null: no store, the commands do nothing
        Prompts *prompts = nullptr;
        Dialogs *dialogs = nullptr;
        const Settings *settings = nullptr;
        QString programFolder;
        int fontAdjust = 0;
        const View *shownView = nullptr;
        QWidget *window = nullptr;   // parent of the dialogs; its windowModified is the dirty flag
    };
    SavedTruckloads(const Context &context, SavedView &view, QObject *parent = nullptr);
    ~SavedTruckloads() override;

    SavedStore *store() const { return store_.get(); }
    QAction *newAction() const { return new_; }
    QAction *openAction() const { return open_; }
    QAction *saveAction() const { return save_; }
    QAction *saveAsAction() const { return saveAs_; }
    QAction *importAction() const { return import_; }
    QAction *exportAction() const { return export_; }
    QAction *truckIdAction() const { return truckId_; }

    const std::vector<SavedRow> &rows() const { return rows_; }
    // The selected rows of the showing list, as indexes into rows().
    std::vector<size_t> selectedRows() const;
    SavedFilter &filter() { return filter_; }
    // The view shown: the lists are built unless they are already showing
    // and nothing asks for a rebuild.
    void showView(bool alreadyShowing);
    // The next showing rebuilds the list with the sort reset (Preferences
    // changed what the list shows).
    void invalidate() { needsRebuild_ = true; }
    // Rebuilds the list with the scan that "ProcessLegality" selects.
    void rebuild();
    // Ends a running scan early (the window is closing).
    void setStopping(bool on) { stopping_ = on; }

public slots:
    void newTruckload();
    void openFile();
    // Opens the truckload file at `path` (a file given on the command line).
    void openPath(const QString &path);
    bool save();
    bool saveAs();
    void importFile();
    void exportTruckload();
    void enterTruckId();
    void openSelected();
    void deleteSelected();
    void renameSelected();
    void exportList();
    void editFilter();

signals:
    void statusChanged(const QString &text);
    void nameChanged(const QString &name);
    // A truckload was read (`opened`: from a saved file) or a new one begun.
    void truckloadReplaced(bool opened);
    void truckloadCleared();
    // The saved list's pop-up menu is being built: commands of other
    // features add their entries (`oneSelected`: exactly one row).
    void contextMenuBuilding(QMenu *menu, bool oneSelected);

private:
    QString saveFolder() const;
    // A truckload file to read: its path, or "" when cancelled.
    QString chooseTruckloadFile() const;
    void showContextMenu(const QPoint &globalPos);

    Context context_;
    SavedView &view_;
    std::unique_ptr<SavedStore> store_;
    std::vector<SavedRow> rows_;
    SavedFilter filter_;   // lasts for the run
    bool needsRebuild_ = false;
    bool stopping_ = false;
    QAction *new_ = nullptr, *open_ = nullptr, *save_ = nullptr, *saveAs_ = nullptr, *import_ = nullptr,
            *export_ = nullptr, *truckId_ = nullptr;
};

} // namespace velmora

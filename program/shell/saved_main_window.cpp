// The main window's File commands on the current truckload: New, Save
// Truckload As, Import, Export and Enter Truck ID.
#include "shell/main_window.h"

#include "dravlen.h"
#include "shell/dravlen_library.h"
#include "shell/saved_store.h"
#include "shell/truck_id_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QToolBar>

namespace velmora {

void TForm1::buildFileCommands(QMenu *fileMenu, QAction *before)
{
    auto make = [&](const char *caption, const QKeySequence &keys, const char *hint, void (TForm1::*slot)()) {
        auto *a = new QAction(QString::fromLatin1(caption), this);
        if (!keys.isEmpty())
            a->setShortcut(keys);
        if (hint)
            a->setToolTip(QString::fromLatin1(hint));
        connect(a, &QAction::triggered, this, slot);
        fileMenu->insertAction(before, a);
        return a;
    };
    actNew = make("&New", QKeySequence(Qt::CTRL | Qt::Key_N), "New", &TForm1::NewClick);
    actSaveAs = make("Save Truckload As...", QKeySequence(), "Save Truckload As", &TForm1::SaveAsClick);
    actImport = make("Import Truckload...", QKeySequence(), nullptr, &TForm1::ImportClick);
    actExport = make("Export Truckload...", QKeySequence(), nullptr, &TForm1::ExportClick);
    fileMenu->insertSeparator(before);
    actTruckID = make("Enter Truck &ID...", QKeySequence(Qt::CTRL | Qt::Key_T), "Enter Truck ID", &TForm1::TruckIDClick);
    fileMenu->insertSeparator(before);

    QAction *first = toolbar_->actions().isEmpty() ? nullptr : toolbar_->actions().first();
    toolbar_->insertAction(first, actNew);
    toolbar_->insertAction(first, actSaveAs);
    toolbar_->insertSeparator(first);
    toolbar_->insertAction(first, actTruckID);
    toolbar_->insertSeparator(first);
}

QString TForm1::truckloadName() const
{
    return saved_ ? saved_->name() : QString::fromStdString(lib_.truckloadName());
}

void TForm1::setUpSaved()
{
    if (!truckIdDialog)
        truckIdDialog = [this](const QString &initial, bool rename) {
            return askTruckId(prompts_, QString::fromStdString(withTrailingSeparator(settings_.savePath)), initial,
                              rename, settings_.enableDefaultID, this);
        };
    if (!fileDialog)
        fileDialog = [this](bool save, const QString &filter, const QString &proposed) {
            const QString start = QString::fromStdString(withTrailingSeparator(settings_.savePath)) + proposed;
            if (save) {
                QFileDialog d(this, QString(), start, filter);
                d.setAcceptMode(QFileDialog::AcceptSave);
                d.setDefaultSuffix(filter.contains(QLatin1String("csv")) ? QStringLiteral("csv") : QStringLiteral("vlm"));
                return d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty() ? d.selectedFiles().first()
                                                                                      : QString();
            }
            return QFileDialog::getOpenFileName(this, QString(), start, filter);
        };
    if (!engine_)
        return;
    saved_ = std::make_unique<SavedStore>(engine_, prompts_, settings_);
    saved_->askTruckId = [this](const QString &initial, bool rename) { return truckIdDialog(initial, rename); };
    saved_->isDirty = [this] { return dirty_; };
    saved_->setDirty = [this](bool on) { dirty_ = on; };
    saved_->nameChanged = [this] {
        const QString name = saved_->name();
        truckloadTitle_->setText(name.isEmpty() ? QStringLiteral("Truckload")
                                                : QStringLiteral("Truckload (") + name + QStringLiteral(")"));
    };
    saved_->truckloadReplaced = [this](bool opened) {
        // The vehicle questions follow the truckload that was read.
        Load *load = GetLoad_Engine(engine_);
        {
            const QSignalBlocker b1(chk8820), b2(chkDOD);
            chk8820->setChecked(Has8820Criteria_Load(load) != 0);
            chkDOD->setChecked(IsDODShipment_Load(load) != 0);
            const QSignalBlocker b3(lbVehicles);
            const QString vehicle = QString::fromLatin1(GetVehicle_Load(load));
            for (int i = 0; i < lbVehicles->count(); ++i)
                if (lbVehicles->item(i)->text() == vehicle)
                    lbVehicles->setCurrentRow(i);
        }
        refillTruckloadList();
        ShowView(opened ? View::Compliance : View::Truckload);
    };
    saved_->status = [this](const QString &text) { setStatus(text); };
    saveTruckloadAs = [this] { return saved_->saveAs(); };
}

void TForm1::NewClick()
{
    if (!saved_ || !saved_->newTruckload())
        return;
    // A new truckload starts on the first vehicle with both declarations off.
    fillVehicleList();
    {
        const QSignalBlocker b1(chk8820), b2(chkDOD);
        chk8820->setChecked(false);
        chkDOD->setChecked(false);
    }
    dirty_ = false;
    ShowView(View::Truckload);
    setStatus(QStringLiteral("Ready"));
}

void TForm1::SaveAsClick()
{
    if (saved_)
        saved_->saveAs();
}

void TForm1::TruckIDClick()
{
    if (saved_)
        saved_->enterTruckId();
}

void TForm1::ImportClick()
{
    if (!saved_)
        return;
    const QString path = fileDialog(false, QStringLiteral("HazMat files (*.vlm)"), QString());
    if (!path.isEmpty())
        saved_->importFile(path);
}

void TForm1::ExportClick()
{
    if (!saved_)
        return;
    const QString path = fileDialog(true, QStringLiteral("HazMat files (*.vlm)"),
                                    saved_->name() + QLatin1String(kTruckloadExtension));
    if (!path.isEmpty())
        saved_->exportCurrent(path);
}

} // namespace velmora

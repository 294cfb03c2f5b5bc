#include "auditors/cargo_tank/open_from_main_window.h"

#include "auditors/cargo_tank/cti_window.h"
#include "app/help_window.h"
#include "app/launchers.h"
#include "app/main_window.h"
#include "viewer/reference_links.h"
#include "saved/saved_store.h"
#include "truckload/truckload_view.h"

#include "dravlen.h"

#include <QFileInfo>
#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QTextBrowser>
#include <QUrl>

namespace velmora::cargo_tank {

void openCargoTankInspection(MainWindow &window, Prompts &prompts)
{
    if (!window.engine())
        return;
    InspectionHost host;
    host.engine = window.engine();
    host.prompts = &prompts;
    host.settings = &window.settings();
    host.programFolder = window.programFolder();
    host.saveTruckload = [&window] { return window.savedStore() && window.savedStore()->saveAs(); };
    host.setDirty = [&window](bool on) { window.setDirty(on); };
    host.openRegulation = [&window](const QString &citation) {
        viewer::openReferenceLink(citation, window.programFolder(), &window);
    };
    host.openHelp = [&window](const QString &topic) {
        const QString page = helpFolder(window.programFolder()) + topic;
        if (!QFileInfo::exists(page))
            return false;
        HelpWindow help(helpFolder(window.programFolder()), &window);
        help.browser()->setSource(QUrl::fromLocalFile(page));
        help.exec();
        return true;
    };
    cargo_tank::openCargoTankInspection(host, &window);

    // The inspection may have changed the truckload's vehicle: the vehicle
    // list follows it and the views are drawn again.
    const char *vehicle = GetVehicle_Load(GetLoad_Engine(window.engine()));
    const QString name = QString::fromLatin1(vehicle ? vehicle : "");
    window.truckloadView()->showVehicle(name);
    window.showCompliance();
}

} // namespace velmora::cargo_tank

namespace velmora::cargo_tank {

CargoTankCommands installCargoTankCommands(MainWindow &window, Prompts &prompts)
{
    CargoTankCommands commands;
    const auto run = [&window, &prompts] { openCargoTankInspection(window, prompts); };
    if (window.auditingMenu()) {
        commands.menuCommand = window.auditingMenu()->addAction(QStringLiteral("&Motor Cargo Tank Inspection"));
        commands.menuCommand->setObjectName(QStringLiteral("actMotorCargoTankInspection"));
        QObject::connect(commands.menuCommand, &QAction::triggered, &window, run);
    }
    if (window.popupMenu()) {
        // The auditors come first in the pop-up menu, then the reference views.
        QAction *first = window.popupMenu()->actions().value(0);
        commands.popupCommand = new QAction(QStringLiteral("Motor Cargo Tank Inspection"), window.popupMenu());
        window.popupMenu()->insertAction(first, commands.popupCommand);
        window.popupMenu()->insertSeparator(first);
        QObject::connect(commands.popupCommand, &QAction::triggered, &window, run);
    }
    return commands;
}

} // namespace velmora::cargo_tank

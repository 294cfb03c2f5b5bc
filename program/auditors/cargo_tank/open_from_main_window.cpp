#include "auditors/cargo_tank/open_from_main_window.h"

#include "auditors/cargo_tank/cti_window.h"
#include "shell/help_window.h"
#include "shell/launchers.h"
#include "shell/main_window.h"
#include "shell/saved_store.h"

#include "dravlen.h"

#include <QFileInfo>
#include <QListWidget>
#include <QTextBrowser>
#include <QUrl>

namespace velmora::cargo_tank {

void openCargoTankInspection(TForm1 &window, Prompts &prompts)
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
    host.openRegulation = [&window, &prompts](const QString &citation) {
        openRegulations(regulationsViewerPath(window.programFolder()), citation, prompts);
    };
    host.openHelp = [&window](const QString &topic) {
        const QString page = helpFolder(window.programFolder()) + topic;
        if (!QFileInfo::exists(page))
            return false;
        THelpWindow help(helpFolder(window.programFolder()), &window);
        help.browser()->setSource(QUrl::fromLocalFile(page));
        help.exec();
        return true;
    };
    cargo_tank::openCargoTankInspection(host, &window);

    // The inspection may have changed the truckload's vehicle: the vehicle
    // list follows it and the views are drawn again.
    const char *vehicle = GetVehicle_Load(GetLoad_Engine(window.engine()));
    const QString name = QString::fromLatin1(vehicle ? vehicle : "");
    if (window.lbVehicles) {
        const auto found = window.lbVehicles->findItems(name, Qt::MatchExactly);
        if (!found.isEmpty())
            window.lbVehicles->setCurrentItem(found.first());
    }
    window.showCompliance();
}

} // namespace velmora::cargo_tank

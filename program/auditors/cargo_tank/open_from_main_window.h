// The main window's "Motor Cargo Tank Inspection" command (Auditing menu
// and truckload pop-up menu): opens the inspection window on the main
// window's truckload, then refreshes the main window and sets its vehicle
// list to the truckload's vehicle.
#pragma once

class QAction;

namespace velmora {
class Prompts;
class MainWindow;
} // namespace velmora

namespace velmora::cargo_tank {

void openCargoTankInspection(MainWindow &window, Prompts &prompts);

// Adds "&Motor Cargo Tank Inspection" to the Auditing menu and "Motor Cargo
// Tank Inspection" to the pop-up menu, both running the command above.
struct CargoTankCommands {
    QAction *menuCommand = nullptr;
    QAction *popupCommand = nullptr;
};
CargoTankCommands installCargoTankCommands(MainWindow &window, Prompts &prompts);

} // namespace velmora::cargo_tank

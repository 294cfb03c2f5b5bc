// The main window's "Motor Cargo Tank Inspection" command (Auditing menu
// and truckload pop-up menu): opens the inspection window on the main
// window's truckload, then refreshes the main window and sets its vehicle
// list to the truckload's vehicle.
#pragma once

namespace velmora {
class Prompts;
class TForm1;
} // namespace velmora

namespace velmora::cargo_tank {

void openCargoTankInspection(TForm1 &window, Prompts &prompts);

} // namespace velmora::cargo_tank

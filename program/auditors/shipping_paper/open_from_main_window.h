// The main window's shipping-paper and Show-Me commands (Auditing menu and
// the truckload pop-up menu).
#pragma once

#include <QString>
#include <functional>

class QAction;

namespace velmora {
class MainWindow;
class Prompts;
} // namespace velmora

namespace velmora::shipping_paper {

class ShippingPaperWindow;

struct ShippingPaperCommands {
    QAction *menuAuditor = nullptr, *popupAuditor = nullptr;
    QAction *menuShowMe = nullptr, *popupShowMe = nullptr;   // created hidden
};

// Adds "HazMat &Shipping Paper Auditor" and the hidden "Show Me What You
// See" to the Auditing menu and the pop-up menu; the auditor entries are
// enabled when the truckload has items.  `runWindow` shows the window
// modally (tests replace it).
ShippingPaperCommands installShippingPaperCommands(
    MainWindow &window, Prompts &prompts,
    std::function<void(ShippingPaperWindow &)> runWindow = {});

// The commands themselves.
void openShippingPaperAuditor(MainWindow &window, Prompts &prompts,
                              const std::function<void(ShippingPaperWindow &)> &runWindow);
// Runs the component at `libraryPath` (default: the program folder's).
void runShowMe(MainWindow &window, Prompts &prompts, const QString &libraryPath = {});

// Where a link of the auditor page goes: help pages shown in the window,
// citations to the regulations program.
void followAuditorLink(const QString &href, ShippingPaperWindow &auditor, MainWindow &window, Prompts &prompts);

} // namespace velmora::shipping_paper

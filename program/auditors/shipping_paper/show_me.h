// Running the Show-Me audit component on a truckload (see show_me_audit.h):
// finding it in the program folder, calling it, and what the program learns
// afterwards.
#pragma once

#include <QString>

struct Engine;

namespace velmora::shipping_paper {

struct ShowMeRun {
    // Empty when the audit ran; otherwise the message the program shows
    // (component missing, unusable or failing).
    QString error;
    // The truckload's "ShowMeChanged" after the run (also after a failure:
    // what the component recorded before failing stays in the truckload).
    bool changed = false;
};

// The component's file: program folder + "showmeaudit" (the platform adds
// "lib" and ".so").
QString showMeLibraryPath(const QString &programFolder);

// Loads the component at `libraryPath`, runs it on `engine` and unloads it.
ShowMeRun runShowMeAudit(Engine *engine, const QString &libraryPath);

} // namespace velmora::shipping_paper

// The saved truckloads store: saving, opening, importing and exporting the
// main window's truckload as ".vlm" files named after the truck ID.  The
// bytes inside a file are the engine's truckload image; this code never
// looks inside them.  Runs on the engine and the Prompts interface alone, so
// it is tested without a window.
#pragma once

#include "app/prompts.h"
#include "settings/settings.h"

#include <QString>

#include <functional>
#include <optional>

struct Engine;
struct Load;

namespace velmora {

inline constexpr const char *kTruckloadExtension = ".vlm";
inline constexpr const char *kSavedEdition = "RAZU";

// The message for a save that failed with `errnum` (errno), the product
// title first.  `existed`: the file was there before (its content would
// have been replaced) rather than being created.
QString saveFailureText(int errnum, bool existed);
// The message when the engine cannot serialize the truckload.
QString unusualCharactersText();
QString overwriteQuestion(const QString &name);
// A file carrying the read-only attribute: no write permission for anyone.
// (Judged by the permission bits, not by access(), so that it holds for
// every user, the administrator included.)
bool isReadOnlyFile(const QString &path);

// Copies a file over `target` through the atomic replacement (a failed copy
// leaves a file at `target` as it was); 0 or the errno of the failure.
int copyFileAtomically(const QString &source, const QString &target);

class SavedStore {
public:
    SavedStore(Engine *engine, Prompts &prompts, const Settings &settings);

    // The truck ID dialog: the accepted name, or nothing when cancelled.
    // `rename` captions it "Rename Truck ID".
    std::function<std::optional<QString>(const QString &initial, bool rename)> askTruckId;
    // The file dialog of "Save Truckload As", opened on `proposed` (folder,
    // truck ID and ".vlm"): the chosen path, or nothing when cancelled.  It
    // does not ask before replacing a file: the store does.
    std::function<std::optional<QString>(const QString &proposed)> askSavePath;
    // The window's dirty flag.
    std::function<bool()> isDirty;
    std::function<void(bool)> setDirty;
    // The truckload was replaced: refill the list and show the truckload
    // view (new) or the recomputed compliance view (`opened` from a file).
    std::function<void(bool opened)> truckloadReplaced;
    // The truckload's name changed: retitle the truckload view.
    std::function<void()> nameChanged;
    // A saved file was written, removed or renamed: rebuild the saved list
    // when it is showing.
    std::function<void()> savedFilesChanged;
    std::function<void(const QString &)> status;

    Load *load() const;
    const QString &name() const { return name_; }
    void setName(const QString &name);
    QString savePath() const;
    QString pathFor(const QString &name) const;
    // The file "Save" writes: the one the truckload was opened from or last
    // saved to while its truck ID is unchanged; otherwise the truck ID's file
    // in that file's folder, or in the saved-truckloads folder.
    QString filePath() const;

    // "Save Truckload As": asks for a file (any folder; the truck ID becomes
    // its name) and writes the truckload there; true when it was written.
    // Cancelled or failed, the truckload keeps its name and file.
    bool saveAs();
    // "Save": writes the truckload under its truck ID, or asks for one
    // first (Save As) when it has none; true when it was written.
    bool save();
    // "Enter Truck ID": false when the dialog was cancelled.
    bool enterTruckId();
    // "New": false when the user cancelled, or asked to save first and the
    // save did not happen (the truckload is then kept).
    bool newTruckload();

    enum class OpenResult { Opened, Declined, Refused };
    // Opens a saved truckload file into the window's truckload.
    OpenResult open(const QString &path);
    // "Import Truckload...": opens the file and, when it opened, copies it
    // into the saved-truckloads folder (asking before replacing a file).
    OpenResult importFile(const QString &path);
    // "Export Truckload..." of the current truckload (no version stamps).
    bool exportCurrent(const QString &path);

    // Writes the current truckload to `path` through the engine's atomic
    // save; shows the failure message and answers false on failure.
    bool writeTruckloadFile(const QString &path);

private:
    bool dirty() const { return isDirty && isDirty(); }
    void markDirty(bool on)
    {
        if (setDirty)
            setDirty(on);
    }
    // Asks to save a changed truckload (Save, Discard or Cancel); false when
    // the user cancelled, or chose Save and the save did not happen.
    bool offerToSave();

    Engine *engine_;
    Prompts &prompts_;
    const Settings &settings_;
    QString name_;
    QString file_;   // the file opened or last saved, or ""
};

} // namespace velmora

// The modal dialogs the main window and its commands open for the user: the
// program runs the real ones; the tests override the functions with scripts.
#pragma once

#include <QString>

#include <optional>

class QDialog;
class QWidget;
struct Hazmat;

namespace velmora {

class Prompts;
struct AddItemContext;

// What the truck ID dialog is opened with.
struct TruckIdQuestion {
    Prompts *prompts = nullptr;
    QString saveFolder;     // with its trailing separator
    QString initial;        // prefills the field
    bool rename = false;    // "Rename Truck ID" instead of "Truck ID"
    bool offerDefaultId = false;   // an empty field takes the date-time stamp
};

// Save asks before replacing a file; SaveTruckload leaves that question to
// the caller, which asks it in the program's own words.
enum class FileDialogMode { Open, Save, SaveTruckload };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // The add/edit item dialog on `item`: true when the user confirmed, and
    // `item` then holds the answers.
    virtual bool editItem(Hazmat *item, bool fromSearch, const AddItemContext &context, QWidget *parent);
    // The truck ID dialog: the accepted name, or nothing when cancelled.
    virtual std::optional<QString> truckId(const TruckIdQuestion &question, QWidget *parent);
    // The file to open or to save to (`filter` as QFileDialog takes it,
    // `startPath` the proposed file): its path, or "" when cancelled.
    virtual QString fileName(FileDialogMode mode, const QString &filter, const QString &startPath, QWidget *parent);
    // Shows an information or auditor window modally.
    virtual void exec(QDialog &window);
};

} // namespace velmora

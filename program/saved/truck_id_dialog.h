// The truck ID dialog: names the truckload (the saved file's base name) or,
// captioned "Rename Truck ID", the new name of a saved truckload.
#pragma once

#include "app/prompts.h"

#include <QDateTime>
#include <QDialog>
#include <QString>

#include <optional>

class QLineEdit;

namespace velmora {

// The nine characters a file name may not hold, in the order the message
// lists them.
inline constexpr const char *kForbiddenNameCharacters = "\\/:*?\"<>|";
// A truckload file's path must stay below this many characters.
inline constexpr int kMaxTruckloadPath = 260;

// The error for a proposed truck ID, or "" when it is acceptable.
// `savePath` is the saved-truckloads folder with its trailing separator.
QString truckIdProblem(const QString &savePath, const QString &text);

// The default truck ID: year, month, day, hour, minute, second and
// millisecond in decimal, no separators or leading zeros.
QString dateTimeStampId(const QDateTime &when);

class TruckIdDialog : public QDialog {
    Q_OBJECT
public:
    // `rename` selects the caption "Rename Truck ID"; `initial` prefills the
    // field (an empty one takes the date-time stamp when `defaultId`).
    TruckIdDialog(Prompts &prompts, const QString &savePath, const QString &initial, bool rename, bool defaultId,
                QWidget *parent = nullptr);

    QString text() const;
    // The text shown when the dialog opened.
    const QString &shownText() const { return shown_; }
    QLineEdit *truckIdEdit = nullptr;

public slots:
    void acceptIfValid();

private:
    Prompts &prompts_;
    QString savePath_;
    QString shown_;
};

// Shows the dialog modally; the accepted name, or nothing when cancelled.
std::optional<QString> askTruckId(Prompts &prompts, const QString &savePath, const QString &initial, bool rename,
                                  bool defaultId, QWidget *parent);

} // namespace velmora

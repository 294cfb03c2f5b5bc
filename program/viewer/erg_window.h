// The Emergency Response Guide window: the guide of each item it is given
// (or the start page), a guide chosen from the list, or the guide of an ID
// number typed in.  The pages come from erg_page.h.
#pragma once

#include "viewer/erg_library.h"
#include "viewer/erg_page.h"

#include <QMainWindow>

class QComboBox;
class QLineEdit;
class QTextBrowser;
class QUrl;

namespace velmora::viewer {

class EmergencyResponseGuideWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit EmergencyResponseGuideWindow(const QString &programFolder, QWidget *parent = nullptr);

    bool isLoaded() const { return loaded_; }
    const ErgLibrary &library() const { return erg_; }

    void showItems(const QVector<ErgItem> &items);
    void showGuide(const QString &number);
    // An ID number typed by the user ("1017", "UN1017"): every index entry
    // of the ID with its guide and distances; a clear message for an ID the
    // guidebook does not list.
    void showId(const QString &id);

    QTextBrowser *browser() const { return browser_; }
    QLineEdit *idEdit() const { return idEdit_; }

private:
    void onAnchor(const QUrl &url);

    ErgLibrary erg_;
    bool loaded_ = false;
    QString error_;
    QLineEdit *idEdit_ = nullptr;
    QComboBox *guides_ = nullptr;
    QTextBrowser *browser_ = nullptr;
};

} // namespace velmora::viewer

// The information window (InfoWindow): the Hazardous Materials Table
// entry of an item (49 CFR 172.101) and the motor cargo tanks authorized for
// it or for the whole truckload.  The pages are built by pure functions that
// return the exact HTML text; the window only shows them and acts on links.
#pragma once

#include "app/launchers.h"
#include "app/prompts.h"

#include <QDialog>
#include <QString>
#include <QTextBrowser>

struct CTRec;
struct Hazmat;

namespace velmora {

// The window caption of each mode.
inline const char *const kTableEntryMode = "Hazardous Material Table Entry";
inline const char *const kCargoTanksMode = "Authorized Motor Cargo Tanks";

// <a href="target">element</a>
QString regulationLink(const QString &target, const QString &element);

// The whole table entry page of a row (columns (1) to (10B) per packing
// group, then the marine pollutant and hazardous substance matches).
QString tableEntryPage(const CTRec *row);

// The matches block: Appendix B marine pollutants of the row's PID and of
// each of its CAS numbers, Appendix A hazardous substances of each CAS number.
QString matchesBlock(const CTRec *row);

// What the main window knows when it asks for the authorized cargo tanks.
struct CargoTanksRequest {
    const CTRec *row = nullptr;   // the selected item's row, or none
    int packingGroupSlot = 0;     // the selected item's packing group slot
    QString allowedTanks;         // GetAllowedTanksText_Hazmat / _Vehicle
    int selectedCount = 0;        // truckload rows selected
    QString selectedBulkId;       // ID of the single selected bulk item
    bool hasNonBulk = false;      // an item not in bulk packaging is concerned
};
QString cargoTanksPage(const CargoTanksRequest &request);

// What a click on a link of the information window does.
struct InfoLinkAction {
    enum Kind { Close, ShowFile, OpenRegulations, Nothing } kind = Nothing;
    QString value;   // the file to show, or the citation (blanks removed)
};
// "viewer ...?db=<db>&doc=<doc>" names program folder + db + "/" + doc; a
// path that leaves the program folder, or a file that is missing, does
// nothing.
InfoLinkAction infoLinkAction(const QString &href, const QString &programFolder);

// A QTextBrowser that reports the raw href text of a clicked link, exactly
// as the page wrote it (QUrl would mangle "49cfr172.102(101)"-like targets
// with blanks, colons or '#').
class LinkBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit LinkBrowser(QWidget *parent = nullptr);
signals:
    void linkActivated(const QString &href);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString pressedHref_;
};

class InfoWindow : public QDialog {
    Q_OBJECT
public:
    InfoWindow(const QString &mode, const QString &html, const QString &programFolder,
                    const QString &viewerPath, Prompts &prompts, QWidget *parent = nullptr);

    LinkBrowser *browser() const { return browser_; }
    // Tests replace the start of the regulations program.
    ProgramStarter startProgram = startDetachedProgram;

public slots:
    void linkClicked(const QString &href);

private:
    LinkBrowser *browser_;
    QString programFolder_;
    QString viewerPath_;
    Prompts &prompts_;
};

} // namespace velmora

// The program's entry points into its own reference windows: every citation
// click (message tiles, markings, the table entry page, the section button,
// the regulations command) and every help link goes to openReferenceLink;
// the Emergency Response Guide command goes to openEmergencyResponseGuide.
// Nothing here needs a browser or a network.
#pragma once

#include "viewer/erg_page.h"

#include <QString>
#include <QVector>

class QWidget;
struct Hazmat;

namespace velmora::viewer {

class EmergencyResponseGuideWindow;
class RegulationsViewer;

// The program's one regulations viewer, created on first use (it keeps its
// history between uses) and brought to the front.
RegulationsViewer *regulationsViewer(const QString &programFolder, QWidget *parent);

// Shows a link target of any form (see viewer_links.h) or a plain citation
// ("49CFR172.301(a)(3)"); an empty target opens the viewer at its contents.
RegulationsViewer *openReferenceLink(const QString &href, const QString &programFolder, QWidget *parent);

// The Emergency Response Guide window for these items (none: the start page).
EmergencyResponseGuideWindow *openEmergencyResponseGuide(const QVector<ErgItem> &items, const QString &programFolder,
                                                         QWidget *parent);

// What the guide needs to know of a truckload item or a scratch item bound
// to a table row: ID, plain shipping name, primary hazard code, the row's
// guide.
ErgItem ergItemOf(const Hazmat *item);

} // namespace velmora::viewer

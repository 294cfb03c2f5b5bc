#include "viewer/reference_links.h"

#include "viewer/erg_window.h"
#include "viewer/regulations_viewer.h"

#include "dravlen.h"

#include <QPointer>
#include <QRegularExpression>

namespace velmora::viewer {

namespace {

template <typename Window>
Window *raise(Window *w)
{
    w->show();
    w->raise();
    w->activateWindow();
    return w;
}

// Library text carries the table's <I> markup; the guide shows plain text.
QString plainLibraryText(const char *text)
{
    if (!text)
        return {};
    QString s = QString::fromUtf8(text);
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    s.remove(tag);
    return s.simplified();
}

} // namespace

RegulationsViewer *regulationsViewer(const QString &programFolder, QWidget *parent)
{
    static QPointer<RegulationsViewer> viewer;
    if (!viewer) {
        viewer = new RegulationsViewer(programFolder, parent);
        viewer->setWindowFlag(Qt::Window);
        viewer->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    return raise(viewer.data());
}

RegulationsViewer *openReferenceLink(const QString &href, const QString &programFolder, QWidget *parent)
{
    RegulationsViewer *viewer = regulationsViewer(programFolder, parent);
    if (href.trimmed().isEmpty())
        viewer->showCitation(QString());
    else
        viewer->openLink(href);
    return viewer;
}

EmergencyResponseGuideWindow *openEmergencyResponseGuide(const QVector<ErgItem> &items, const QString &programFolder,
                                                         QWidget *parent)
{
    auto *w = new EmergencyResponseGuideWindow(programFolder, parent);
    w->setWindowFlag(Qt::Window);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->showItems(items);
    return raise(w);
}

ErgItem ergItemOf(const Hazmat *item)
{
    ErgItem e;
    if (!item)
        return e;
    e.id = plainLibraryText(GetID_Hazmat(item));
    e.name = plainLibraryText(GetRomanPSN_Hazmat(item));
    e.hazardClass = plainLibraryText(GetHazDivString_Hazmat(item, 0));
    e.tableGuide = plainLibraryText(GetErgNumber_Hazmat(item));
    return e;
}

} // namespace velmora::viewer

#include "auditors/shipping_paper/open_from_main_window.h"

#include "auditors/shipping_paper/shipping_paper_page.h"
#include "auditors/shipping_paper/shipping_paper_window.h"
#include "auditors/shipping_paper/show_me.h"
#include "app/launchers.h"
#include "app/main_window.h"
#include "viewer/reference_links.h"
#include "refviews/table_entry_view.h"

#include "dravlen.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

namespace velmora::shipping_paper {

namespace {

Load *loadOf(const MainWindow &window) { return window.engine() ? GetLoad_Engine(window.engine()) : nullptr; }

bool hasItems(const MainWindow &window)
{
    Load *load = loadOf(window);
    return load && GetItemCount_Load(load) > 0;
}

} // namespace

void followAuditorLink(const QString &href, ShippingPaperWindow &auditor, MainWindow &window, Prompts &prompts)
{
    const InfoLinkAction action = infoLinkAction(href, window.programFolder());
    switch (action.kind) {
    case InfoLinkAction::ShowFile: {
        QFile file(action.value);
        if (file.open(QIODevice::ReadOnly)) {
            auditor.browser()->setSearchPaths({QFileInfo(action.value).absolutePath()});
            auditor.browser()->setHtml(QString::fromUtf8(file.readAll()));
        }
        break;
    }
    case InfoLinkAction::OpenRegulations:
        viewer::openReferenceLink(href, window.programFolder(), &auditor);
        break;
    case InfoLinkAction::Close:
    case InfoLinkAction::Nothing:
        break;
    }
}

void openShippingPaperAuditor(MainWindow &window, Prompts &prompts,
                              const std::function<void(ShippingPaperWindow &)> &runWindow)
{
    Load *load = loadOf(window);
    if (!load)
        return;
    // The page covers every item of the truckload, whatever is selected.
    const QString truckId = window.truckloadName();
    ShippingPaperWindow auditor(shippingPaperPage(load, truckId), truckId, prompts, &window);
    auditor.followLink = [&](const QString &href) { followAuditorLink(href, auditor, window, prompts); };
    if (runWindow)
        runWindow(auditor);
    else
        auditor.exec();
    // What the officer saw may have been answered or recorded against the
    // truckload: the views show it as it now stands.
    window.showCompliance();
}

void runShowMe(MainWindow &window, Prompts &prompts, const QString &libraryPath)
{
    if (!window.engine())
        return;
    const ShowMeRun run = runShowMeAudit(
        window.engine(), libraryPath.isEmpty() ? showMeLibraryPath(window.programFolder()) : libraryPath);
    // What the component recorded stays, failure or not: a changed truckload
    // is unsaved work.
    if (run.changed)
        window.setDirty(true);
    if (!run.error.isEmpty())
        prompts.error(run.error);
    window.showCompliance();
}

ShippingPaperCommands installShippingPaperCommands(MainWindow &window, Prompts &prompts,
                                                   std::function<void(ShippingPaperWindow &)> runWindow)
{
    ShippingPaperCommands commands;
    const auto audit = [&window, &prompts, runWindow] { openShippingPaperAuditor(window, prompts, runWindow); };
    const auto showMe = [&window, &prompts] { runShowMe(window, prompts); };
    auto enable = [&window](QAction *a) {
        if (a)
            a->setEnabled(hasItems(window));
    };
    if (window.auditingMenu()) {
        commands.menuAuditor = window.auditingMenu()->addAction(QStringLiteral("HazMat &Shipping Paper Auditor"));
        commands.menuAuditor->setObjectName(QStringLiteral("actShippingPaperAuditor"));
        commands.menuShowMe = window.auditingMenu()->addAction(QStringLiteral("Show Me What You See"));
        commands.menuShowMe->setObjectName(QStringLiteral("actShowMe"));
        commands.menuShowMe->setVisible(false);
        QObject::connect(commands.menuAuditor, &QAction::triggered, &window, audit);
        QObject::connect(commands.menuShowMe, &QAction::triggered, &window, showMe);
        QAction *a = commands.menuAuditor;
        QObject::connect(window.auditingMenu(), &QMenu::aboutToShow, commands.menuAuditor, [enable, a] { enable(a); });
    }
    if (window.popupMenu()) {
        // The auditors come before the reference views.
        QAction *first = window.popupMenu()->actions().value(0);
        commands.popupAuditor = new QAction(QStringLiteral("HazMat Shipping Paper Auditor"), window.popupMenu());
        commands.popupAuditor->setObjectName(QStringLiteral("popupShippingPaperAuditor"));
        commands.popupShowMe = new QAction(QStringLiteral("Show Me What You See"), window.popupMenu());
        commands.popupShowMe->setObjectName(QStringLiteral("popupShowMe"));
        commands.popupShowMe->setVisible(false);
        window.popupMenu()->insertAction(first, commands.popupAuditor);
        window.popupMenu()->insertAction(first, commands.popupShowMe);
        window.popupMenu()->insertSeparator(first);
        QObject::connect(commands.popupAuditor, &QAction::triggered, &window, audit);
        QObject::connect(commands.popupShowMe, &QAction::triggered, &window, showMe);
        QAction *a = commands.popupAuditor;
        QObject::connect(window.popupMenu(), &QMenu::aboutToShow, commands.popupAuditor, [enable, a] { enable(a); });
    }
    return commands;
}

} // namespace velmora::shipping_paper

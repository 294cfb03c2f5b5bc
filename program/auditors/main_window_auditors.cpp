// The main window's label and package-marking auditors: their entries at
// the top of the Auditing menu and of the truckload pop-up menu, and the
// item they open on.
#include "app/main_window.h"
#include "auditors/labels/label_auditor.h"
#include "auditors/markings/marking_auditor.h"
#include "auditors/scripts/audit_item.h"

#include <dravlen.h>

#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QTreeWidget>

namespace velmora {

namespace {

// The "&Auditing" menu, made before the Help menu when no other command
// made it first.
QMenu *findOrMakeAuditingMenu(QMenuBar *bar, QMenu *before, QWidget *owner)
{
    const QString title = QStringLiteral("&Auditing");
    for (QAction *a : bar->actions())
        if (a->menu() && a->text() == title)
            return a->menu();
    auto *menu = new QMenu(title, owner);
    menu->setObjectName(QStringLiteral("auditingMenu"));
    if (before)
        bar->insertMenu(before->menuAction(), menu);
    else
        bar->addMenu(menu);
    return menu;
}

} // namespace

void MainWindow::setUpAuditors()
{
    QMenu *auditing = auditingMenu ? auditingMenu : findOrMakeAuditingMenu(menuBar(), helpMenu, this);
    QAction *first = auditing->actions().value(0);
    actLabelAuditor = new QAction(QStringLiteral("HazMat &Label Auditor"), this);
    actMarkingAuditor = new QAction(QStringLiteral("HazMat &Package Marking Auditor"), this);
    auditing->insertActions(first, {actLabelAuditor, actMarkingAuditor});
    connect(auditing, &QMenu::aboutToShow, this, &MainWindow::updateAuditorCommands);

    popupLabelAuditor = new QAction(QStringLiteral("HazMat Label Auditor"), this);
    popupMarkingAuditor = new QAction(QStringLiteral("HazMat Package Marking Auditor"), this);
    QAction *firstPopup = popupMenu->actions().value(0);
    popupMenu->insertActions(firstPopup, {popupLabelAuditor, popupMarkingAuditor});
    if (firstPopup)
        popupMenu->insertSeparator(firstPopup);
    connect(popupMenu, &QMenu::aboutToShow, this, &MainWindow::updateAuditorCommands);

    for (QAction *a : {actLabelAuditor, popupLabelAuditor})
        connect(a, &QAction::triggered, this, &MainWindow::showLabelAuditor);
    for (QAction *a : {actMarkingAuditor, popupMarkingAuditor})
        connect(a, &QAction::triggered, this, &MainWindow::showMarkingAuditor);
    runAuditorWindow = [](auditors::AuditorWindow &window) { window.exec(); };
    updateAuditorCommands();
}

// The auditors add their entries one by one; the Auditing menu and the
// pop-up menu then list them in one fixed order, the pop-up menu's followed
// by a single separator before the reference entries.
static void arrangeAuditorEntries(QMenu *menu, const QStringList &order, bool separatorAfter)
{
    if (!menu)
        return;
    QList<QAction *> found;
    for (const QString &text : order)
        for (QAction *a : menu->actions())
            if (!a->isSeparator() && a->text() == text) {
                found.append(a);
                break;
            }
    for (QAction *a : found)
        menu->removeAction(a);
    // Separators the auditors left at the top of the menu.
    while (!menu->actions().isEmpty() && menu->actions().front()->isSeparator())
        menu->removeAction(menu->actions().front());
    QAction *first = menu->actions().value(0);
    menu->insertActions(first, found);
    if (separatorAfter && first && !found.isEmpty())
        menu->insertSeparator(first);
}

void MainWindow::arrangeAuditorMenus()
{
    arrangeAuditorEntries(auditingMenu ? auditingMenu : findChild<QMenu *>(QStringLiteral("auditingMenu")),
                          {QStringLiteral("HazMat &Label Auditor"), QStringLiteral("HazMat &Package Marking Auditor"),
                           QStringLiteral("HazMat &Shipping Paper Auditor"),
                           QStringLiteral("&Motor Cargo Tank Inspection"), QStringLiteral("Show Me What You See")},
                          false);
    arrangeAuditorEntries(popupMenu,
                          {QStringLiteral("HazMat Label Auditor"), QStringLiteral("HazMat Package Marking Auditor"),
                           QStringLiteral("HazMat Shipping Paper Auditor"),
                           QStringLiteral("Motor Cargo Tank Inspection"), QStringLiteral("Show Me What You See")},
                          true);
}

const Hazmat *MainWindow::auditedItem() const
{
    if (!engine_)
        return nullptr;
    Load *load = GetLoad_Engine(engine_);
    if (GetItemCount_Load(load) == 1)
        return GetHazmat_Load(load, 0);
    const auto rows = selectedTruckloadRows();
    return rows.size() == 1 ? GetHazmat_Load(load, rows.front()) : nullptr;
}

// Enabled when exactly one truckload row is selected or the truckload holds
// exactly one item.
void MainWindow::updateAuditorCommands()
{
    const bool one = auditedItem() != nullptr;
    for (QAction *a : {actLabelAuditor, actMarkingAuditor, popupLabelAuditor, popupMarkingAuditor})
        if (a)
            a->setEnabled(one);
}

void MainWindow::showLabelAuditor()
{
    const Hazmat *item = auditedItem();
    if (!item)
        return;
    auto window = auditors::makeLabelAuditor(auditors::auditItemFromHazmat(item, GetRuleset_Engine(engine_)),
                                             programFolder_, this);
    runAuditorWindow(*window);
}

void MainWindow::showMarkingAuditor()
{
    const Hazmat *item = auditedItem();
    if (!item)
        return;
    auto window = auditors::makeMarkingAuditor(auditors::auditItemFromHazmat(item, GetRuleset_Engine(engine_)),
                                               programFolder_, this);
    runAuditorWindow(*window);
}

} // namespace velmora

#include "auditors/auditor_commands.h"

#include "app/dialogs.h"
#include "auditors/auditor_window.h"
#include "auditors/labels/label_auditor.h"
#include "auditors/markings/marking_auditor.h"
#include "auditors/scripts/audit_item.h"
#include "truckload/truckload_view.h"

#include <dravlen.h>

#include <QMenu>
#include <QStringList>

namespace velmora {

AuditorCommands::AuditorCommands(Engine *engine, Dialogs &dialogs, const QString &programFolder,
                                 const TruckloadView &truckload, QMenu &auditingMenu, QMenu &popupMenu, QWidget *window)
    : QObject(window), engine_(engine), dialogs_(dialogs), programFolder_(programFolder), truckload_(truckload),
      window_(window)
{
    QAction *first = auditingMenu.actions().value(0);
    label_ = new QAction(QStringLiteral("HazMat &Label Auditor"), this);
    marking_ = new QAction(QStringLiteral("HazMat &Package Marking Auditor"), this);
    auditingMenu.insertActions(first, {label_, marking_});
    connect(&auditingMenu, &QMenu::aboutToShow, this, &AuditorCommands::updateActions);

    popupLabel_ = new QAction(QStringLiteral("HazMat Label Auditor"), this);
    popupMarking_ = new QAction(QStringLiteral("HazMat Package Marking Auditor"), this);
    QAction *firstPopup = popupMenu.actions().value(0);
    popupMenu.insertActions(firstPopup, {popupLabel_, popupMarking_});
    if (firstPopup)
        popupMenu.insertSeparator(firstPopup);
    connect(&popupMenu, &QMenu::aboutToShow, this, &AuditorCommands::updateActions);

    for (QAction *a : {label_, popupLabel_})
        connect(a, &QAction::triggered, this, &AuditorCommands::showLabelAuditor);
    for (QAction *a : {marking_, popupMarking_})
        connect(a, &QAction::triggered, this, &AuditorCommands::showMarkingAuditor);
    updateActions();
}

namespace {

void arrangeEntries(QMenu &menu, const QStringList &order, bool separatorAfter)
{
    QList<QAction *> found;
    for (const QString &text : order)
        for (QAction *a : menu.actions())
            if (!a->isSeparator() && a->text() == text) {
                found.append(a);
                break;
            }
    for (QAction *a : found)
        menu.removeAction(a);
    // Separators the auditors left at the top of the menu.
    while (!menu.actions().isEmpty() && menu.actions().front()->isSeparator())
        menu.removeAction(menu.actions().front());
    QAction *first = menu.actions().value(0);
    menu.insertActions(first, found);
    if (separatorAfter && first && !found.isEmpty())
        menu.insertSeparator(first);
}

} // namespace

void AuditorCommands::arrangeMenus(QMenu &auditingMenu, QMenu &popupMenu)
{
    arrangeEntries(auditingMenu,
                   {QStringLiteral("HazMat &Label Auditor"), QStringLiteral("HazMat &Package Marking Auditor"),
                    QStringLiteral("HazMat &Shipping Paper Auditor"), QStringLiteral("&Motor Cargo Tank Inspection"),
                    QStringLiteral("Show Me What You See")},
                   false);
    arrangeEntries(popupMenu,
                   {QStringLiteral("HazMat Label Auditor"), QStringLiteral("HazMat Package Marking Auditor"),
                    QStringLiteral("HazMat Shipping Paper Auditor"), QStringLiteral("Motor Cargo Tank Inspection"),
                    QStringLiteral("Show Me What You See")},
                   true);
}

const Hazmat *AuditorCommands::auditedItem() const
{
    if (!engine_)
        return nullptr;
    Load *load = GetLoad_Engine(engine_);
    if (GetItemCount_Load(load) == 1)
        return GetHazmat_Load(load, 0);
    const auto rows = truckload_.selectedRows();
    return rows.size() == 1 ? GetHazmat_Load(load, rows.front()) : nullptr;
}

void AuditorCommands::updateActions()
{
    const bool one = auditedItem() != nullptr;
    for (QAction *a : {label_, marking_, popupLabel_, popupMarking_})
        a->setEnabled(one);
}

void AuditorCommands::showLabelAuditor() { showAuditor(&auditors::makeLabelAuditor); }

void AuditorCommands::showMarkingAuditor() { showAuditor(&auditors::makeMarkingAuditor); }

void AuditorCommands::showAuditor(MakeAuditor make)
{
    const Hazmat *item = auditedItem();
    if (!item)
        return;
    auto window = make(auditors::auditItemFromHazmat(item, GetRuleset_Engine(engine_)), programFolder_, window_);
    dialogs_.exec(*window);
}

} // namespace velmora

// The label and package-marking auditors in the main window: their entries
// at the top of the Auditing menu and of the pop-up menu, and the item they
// open on.
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QAction;
class QMenu;
class QWidget;
struct Engine;
struct Hazmat;

namespace velmora {

class Dialogs;
class TruckloadView;
namespace auditors {
class AuditorWindow;
struct AuditItem;
} // namespace auditors

class AuditorCommands : public QObject {
    Q_OBJECT
public:
    AuditorCommands(Engine *engine, Dialogs &dialogs, const QString &programFolder, const TruckloadView &truckload,
                    QMenu &auditingMenu, QMenu &popupMenu, QWidget *window);

    QAction *labelAuditorAction() const { return label_; }
    QAction *markingAuditorAction() const { return marking_; }
    QAction *popupLabelAuditorAction() const { return popupLabel_; }
    QAction *popupMarkingAuditorAction() const { return popupMarking_; }
    // The item the auditors open on: the only item of the truckload, else
    // the one selected truckload row; null when there is neither.
    const Hazmat *auditedItem() const;

    // The auditors add their entries one by one; the Auditing menu and the
    // pop-up menu then list them in one fixed order, the pop-up menu's
    // followed by a single separator before the reference entries.
    static void arrangeMenus(QMenu &auditingMenu, QMenu &popupMenu);

public slots:
    // Enabled when exactly one truckload row is selected or the truckload
    // holds exactly one item.
    void updateActions();
    void showLabelAuditor();
    void showMarkingAuditor();

private:
    using MakeAuditor = std::unique_ptr<auditors::AuditorWindow> (*)(const auditors::AuditItem &item,
                                                                     const QString &programFolder, QWidget *parent);
    void showAuditor(MakeAuditor make);

    Engine *engine_;
    Dialogs &dialogs_;
    QString programFolder_;
    const TruckloadView &truckload_;
    QWidget *window_;
    QAction *label_ = nullptr, *marking_ = nullptr, *popupLabel_ = nullptr, *popupMarking_ = nullptr;
};

} // namespace velmora

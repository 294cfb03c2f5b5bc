// The package-marking audit: which markings the packages of one item must
// bear.  Part of the result follows from the item itself (limited quantity,
// bulk, hazardous substance or waste, marine pollutant, inhalation hazard,
// explosives, lithium batteries ...) and is worked out before any question;
// the class script ("<class>.MRK", else "REST.MRK") adds pictures and
// instruction rows with its answers: "@GIF:picture@TEXT:rows@NEXT" or
// "...@STOP", "NEXT" and "STOP".
#pragma once

#include "auditors/scripts/audit.h"
#include "auditors/scripts/audit_item.h"
#include "auditors/scripts/auditor_folders.h"

#include <QStringList>

namespace velmora::auditors {

class MarkingAudit : public Audit {
public:
    // Reads "HOT.MRK" once, for the audit's life.
    MarkingAudit(AuditItem item, AuditorFolders folders);

    void start() override;
    void retry() override;
    void answer(bool yes) override;

    const QStringList &script() const { return script_; }
    qsizetype lineIndex() const { return index_; }
    bool hotMaterialKnown() const { return hotKnown_; }
    const QStringList &pictures() const { return pictures_; }
    const QStringList &instructions() const { return instructions_; }

private:
    void itemEntries();
    void showLine(qsizetype i);
    void markingAction(const QString &action);
    void finalPage();
    void finishShowing(const QString &page);
    QString picture(const QString &file) const;

    AuditItem item_;
    AuditorFolders folders_;
    QStringList hotList_;

    QString name_, primary_, header_;
    QStringList script_;
    QStringList origins_;  // "file" and "line" of each script line, for the error message
    QList<int> originLines_;
    qsizetype index_ = 0;
    QString noAction_, yesAction_, lastAnswer_;
    QStringList pictures_, citations_, instructions_;
    bool hotKnown_ = false;
    QString hotPicture_;
};

} // namespace velmora::auditors

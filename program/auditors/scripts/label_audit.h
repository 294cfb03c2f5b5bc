// The label audit: which hazard labels the packages of one item must bear.
//
// The questions come from the division script chosen by the item's primary
// hazard code (see item_header.h), followed by "SUBSIDIARY.DIV"; built-in
// lines for particular materials and exceptions go in front.  Each line is
// "citation|question|no-action|yes-action".  An answer's action either moves
// on ("NEXT") or builds the result: the primary label ("PRIM@", "NO_PRIM",
// "ERROR"), then, after the primary action continued with "@NEXT", the
// subsidiary labels ("SUB@", "NO_SUB", "STOP").  Questions "?DIV code",
// "?Yes" and "?No" answer themselves.
#pragma once

#include "auditors/scripts/audit.h"
#include "auditors/scripts/audit_item.h"
#include "auditors/scripts/auditor_folders.h"

#include <QStringList>

namespace velmora::auditors {

class LabelAudit : public Audit {
public:
    // Reads "LABELS.TXT" once, for the audit's life.
    LabelAudit(AuditItem item, AuditorFolders folders);

    void start() override;
    void retry() override;
    void answer(bool yes) override;

    // For the tests and the window: the assembled script and where it is.
    const QStringList &script() const { return script_; }
    qsizetype lineIndex() const { return index_; }
    const QString &scriptName() const { return name_; }
    const QString &lastAnswer() const { return lastAnswer_; }

private:
    void exemptPage(const QString &cell);
    void showLine(qsizetype i);
    void runOffEnd();
    bool answerDirective(const QString &question);
    void primaryBuilder(const QString &action);
    void subsidiaryBuilder(const QString &action);
    void finishWith(const QStringList &page);
    QStringList instructionLines(bool subsidiaryFinish);
    QString alternativeText(const QString &picture) const;
    QString labelPath(const QString &picture) const;
    void insertBuiltInLines(bool firstGroupOnly);

    AuditItem item_;
    AuditorFolders folders_;
    QStringList labelNames_;

    QString name_, suffix_, primary_, packingGroup_, subsidiaries_, header_;
    QStringList script_;
    qsizetype index_ = 0;
    QString noAction_, yesAction_, lastAnswer_;
    QStringList page_, result_, subPictures_, subCitations_;
    bool primaryPhase_ = true, overpack_ = false, poisonPg3_ = false, radioactive_ = false;
};

} // namespace velmora::auditors

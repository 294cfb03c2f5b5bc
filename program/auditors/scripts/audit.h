// What an auditor window shows and lets the user do, as the audit drives
// it: the page in the view, whether YES and NO answer, whether the answer
// panel is shown, whether the report can be printed, and the messages to
// show.  The label and the package-marking audits both offer it; the window
// only mirrors it.
#pragma once

#include "auditors/scripts/script_file.h"

#include <QList>
#include <QString>

namespace velmora::auditors {

struct AuditMessage {
    enum class Kind { Information, Warning, Error };
    Kind kind;
    QString text;
};

class Audit {
public:
    virtual ~Audit() = default;

    // The audit start (the window is shown) and Retry.
    virtual void start() = 0;
    virtual void retry() = 0;
    virtual void answer(bool yes) = 0;

    const QString &view() const { return view_; }
    bool finished() const { return finished_; }
    bool answersEnabled() const { return answersEnabled_; }
    bool panelVisible() const { return panelVisible_; }
    bool printEnabled() const { return printEnabled_; }

    // Messages raised since the last call, in order.
    QList<AuditMessage> takeMessages() { return std::exchange(messages_, {}); }
    // Problems in the data files read since the last call.
    QList<DataFileProblem> takeProblems() { return std::exchange(problems_, {}); }

protected:
    void show(const QString &page) { view_ = page; }
    void clearView() { view_.clear(); }
    void message(AuditMessage::Kind kind, const QString &text) { messages_.append({kind, text}); }
    void noteProblems(const QList<DataFileProblem> &problems) { problems_ += problems; }

    QString view_;
    bool finished_ = false;
    bool answersEnabled_ = false;
    bool panelVisible_ = true;
    bool printEnabled_ = true;

private:
    QList<AuditMessage> messages_;
    QList<DataFileProblem> problems_;
};

} // namespace velmora::auditors

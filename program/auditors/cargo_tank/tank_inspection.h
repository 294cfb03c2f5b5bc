// The state of one cargo tank inspection and its rules, on the engine's
// truckload: choosing a tank (with the legality test), the vacuum question
// of DOT/TC 407 and 412, the Yes/No answer modes, the not-approved list,
// the header values kept in the truckload's dictionary and the data the
// pages are built from.  No widgets: the window drives it and shows its
// pages, the tests drive it directly.
#pragma once

#include "auditors/cargo_tank/tank_pages.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

struct Engine;
struct Load;

namespace velmora::cargo_tank {

// The dictionary keys of the inspection header.
inline constexpr const char *kReportNumberKey = "Inspection Report Number";
inline constexpr const char *kUsdotNumberKey = "USDOT Number";
inline constexpr const char *kInspectorKey = "Inspector Name";
inline constexpr const char *kCarrierKey = "Carrier Name";
inline constexpr const char *kStartDateKey = "Start Date";
inline constexpr const char *kStartTimeKey = "Start Time";

// The tanks an inspector can choose: the vehicle names of codes 2-19.
QStringList tankNames();

// "m-d-yyyy" with "-" as separator, and its reading (invalid when the text
// is not such a date).
QString storedDate(const QDate &date);
QDate parseStoredDate(const QString &text);

// A chart link: a vehicle name, or a vehicle name followed by "Vacuum".
struct ChartChoice {
    QString tank;
    bool vacuum = false;
    bool valid = false;
};
ChartChoice parseChartLink(const QString &href);

class TankInspection {
public:
    explicit TankInspection(Engine *engine);

    Load *load() const;
    const QString &currentTank() const { return current_; }
    const QString &previousTank() const { return previous_; }
    bool vacuum() const { return vacuum_; }
    bool vacuumDecided() const { return vacuumDecided_; }
    bool yesDefault() const { return yesDefault_; }
    bool noDefault() const { return noDefault_; }
    const QString &notApproved() const { return notApproved_; }
    bool firstShowDone() const { return firstShowDone_; }

    // Asked before a tank that makes the load illegal is chosen: true to
    // go on.
    std::function<bool(const QString &tank)> confirmIllegal;
    // Every change of an answer, a header value or the tank.
    std::function<void()> changed;

    // Opening: takes the truckload's vehicle as the current tank; false
    // when it has none ("Unknown" or "Unit Load").
    bool open();

    enum class Choice { Unchanged, Chosen, Refused };
    // A tank from the selector.
    Choice chooseTank(const QString &tank);
    // A tank from the chart: the vacuum question is settled by the link.
    Choice chooseFromChart(const ChartChoice &choice);

    // Answers question `index`; the vacuum question also settles the vacuum
    // flags.
    void answer(int index, int answer);
    // The Yes or No answer mode switched on or off.
    void setYesDefault(bool on);
    void setNoDefault(bool on);
    // Every answer back to unanswered.
    void resetAnswers();
    // No tank: the truckload's vehicle becomes "Unit Load".
    void newInspection();

    // The pages.  Building the questions form applies the answer mode to
    // unanswered questions, as the form shows them.
    QuestionsPage questionsPage(bool blankForm);
    std::vector<ViolationRow> violationRows();
    TankPage tankPage(bool large, const QString &picturesFolder, const QString &referenceText) const;
    // Running numbers of the questions not answered yet.
    std::vector<int> unansweredNumbers();
    // Marks or clears the out-of-service flag of the violation at a
    // combined index.
    void toggleOutOfService(int combinedIndex);

    // The header values of the dictionary ("" when absent; the inspector
    // is absent when the key is missing).
    QString value(const char *key) const;
    bool hasValue(const char *key) const;
    // Stores a value when it differs from the stored one; true when it
    // changed.
    bool storeValue(const char *key, const QString &value);

private:
    Choice applyTank(const QString &tank, bool legalityPrompt);
    void settleVacuum(bool vacuum);
    void notifyChanged()
    {
        if (changed)
            changed();
    }

    Engine *engine_;
    QString current_, previous_;
    bool vacuum_ = false, vacuumDecided_ = false;
    bool yesDefault_ = false, noDefault_ = false;
    bool firstShowDone_ = false;
    QString notApproved_;
};

} // namespace velmora::cargo_tank

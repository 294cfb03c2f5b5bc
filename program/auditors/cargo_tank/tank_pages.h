// The pages of the motor cargo tank inspection window: the questions form,
// the violations list, the tank panel / details page and the printed
// inspection report.  Pure functions: each returns the page as its lines of
// HTML, so the exact text is tested without a display.  The view shows them
// through renderableHtml() (tank_html.h), which rewrites what Qt's rich text
// does not know (CAPTION, FORM, radio buttons).
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace velmora::cargo_tank {

inline constexpr const char *kHeaderRowColour = "91aedf";
inline constexpr const char *kGroupRowColour = "bbccdd";
inline constexpr const char *kShadedRowColour = "eeeeee";

// A regulation link as every page of the program writes it.
QString regulationHref(const QString &citation);
// The citation of a regulation link, or "" when `href` is not one.
QString citationOfHref(const QString &href);

// True for the two tanks whose first question asks whether the tank is
// vacuum loaded (DOT/TC 407 and DOT/TC 412).
bool hasVacuumQuestion(const QString &tank);
// True for the oldest tanks (MC 300-303), whose citations are shown as
// plain text: their sections left the regulation long ago.
bool citesAsPlainText(const QString &tank);

struct QuestionRow {
    QString text;
    QString citation;   // one citation, or several separated by commas
    QString group;      // "" for ungrouped questions
    int answer = 2;     // 0 No, 1 Yes, 2 unanswered
};

struct QuestionsPage {
    QString tank;
    std::vector<QuestionRow> questions;   // the answers already shown
    bool blankForm = false;               // the unanswered form for printing
};

QStringList questionsForm(const QuestionsPage &page);

// What the violations list says about a violation being out of service.
// The indicator of the violation table is unknown for most codes, so only
// an inspector's mark (or a code the table states) says yes or no.
enum class OutOfService { Unknown, Yes, No };
QString outOfServiceText(OutOfService oos);

struct ViolationRow {
    int questionReference = -1;   // -1: the vehicle rule, no question
    QString aspenCode;
    QString description;
    bool disabled = false;        // deleted by the user
    OutOfService outOfService = OutOfService::Unknown;
    int combinedIndex = -1;       // index to mark it out of service; -1 when deleted
};

// `interactive` adds the links that mark a violation out of service (not
// on paper).
QStringList violationsList(const QString &tank, const std::vector<ViolationRow> &rows, bool interactive);
// The link target that toggles the out-of-service mark of the violation at
// a combined index, and its parse (-1 when `href` is not one).
QString outOfServiceHref(int combinedIndex);
int outOfServiceIndex(const QString &href);

// The unanswered-questions reminder ("" when every question is answered);
// `numbers` are running question numbers (from 1).
QString unansweredWarning(const std::vector<int> &numbers);

// The tank panel (small) or the Details tab (large).
struct TankPage {
    QString tank;                  // "" when no tank is chosen
    bool vacuum = false;           // a vacuum-loaded DOT/TC 407 or 412
    bool vacuumDecided = false;
    bool large = false;            // the Details tab
    QString notApproved;           // ID numbers the tank may not carry (panel)
    QString picturesFolder;        // ends with "/"
    QString referenceText;         // the tank's reference table (Details)
};

// Picture base name ("306", "307", "312", "331", "338", "407") or "" for a
// tank without a picture.
QString pictureBase(const QString &tank, bool vacuum);
// The specification family of a tank, newest first.
QStringList tankFamily(const QString &tank, bool vacuum);
// The file of the tank's reference table, "" for tanks that have none.
QString referenceFile(const QString &tank);
QStringList tankPage(const TankPage &page);

struct InspectionHeader {
    QString reportNumber, usdotNumber, inspector, carrier, date, time;
};
QStringList inspectionReport(const QString &tank, const InspectionHeader &header, const QStringList &questions,
                             const QStringList &violations);

} // namespace velmora::cargo_tank

// The item dialog's rules, kept apart from its window so they run without a
// display: the table of item-specific questions, which of them an item is
// asked, how an answer is written into the item and read back from it, the
// question slots, and the text rules of the numeric fields.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

struct Hazmat;
struct Load;

namespace velmora {

// One numbered question with its citation text ("" when it has none).
struct DialogQuestion {
    int number;
    const char *text;
    const char *citation;
};

// The question numbered `number`, or null (29 is not used).
const DialogQuestion *dialogQuestion(int number);

// A citation holding ", " shows as two links split there.
QStringList citationLinks(const QString &citation);
// Links beginning "49 CFR " open the regulations viewer at the citation
// with every blank removed; any other link opens through the desktop.
bool isRegulationLink(const QString &link);
QString regulationKey(const QString &link);   // "49 CFR 173.320" -> "49CFR173.320"

// Transport index / criticality safety index text in tenths: digits before
// the point whole, the first digit after it kept and rounded up by a second
// digit above 4; a value without a decimal digit is multiplied by ten; any
// other character gives 0; capped at 9999 tenths.
uint32_t tenthsFromText(const QString &text);
QString tenthsText(uint32_t tenths);   // 13 -> "1.3"

// The weight field: a whole number, or nothing.
std::optional<uint32_t> wholeWeight(const QString &text);

// The qualifier boxes as the dialog shows them; the questions that depend on
// a box read it from here.
struct BoxStates {
    bool bulk = false;
    bool hazardousWaste = false;
    bool elevatedTemperature = false;
    bool marinePollutant = false;
};

// "Class 7 with label codes": the row's hazard class (or, when it has none,
// its first label code) is exactly "7" and the chosen slot has label codes.
bool isClass7WithLabels(const Hazmat *item);

// Questions asked once a packing group is chosen, in display order (item
// rules step 3).  Question 20 and the answer-driven 26 and 30 follow later.
std::vector<int> questionsForPackingGroup(const Hazmat *item, const Load *load, const BoxStates &boxes);
// Question 30: 6.1, packing group I, hazard zone A and a liquid.
bool offersQuestion30(const Hazmat *item);
// Question 20: reclassified combustible, in bulk, not elevated temperature.
bool offersQuestion20(const Hazmat *item, const BoxStates &boxes);
// Question 25: lab packs allowed, hazardous waste, not bulk.
bool offersQuestion25(const Hazmat *item, const BoxStates &boxes);

// Writes an answer into the item (questions 10-12 inverted: the exemption
// is held when the answer is No).
void applyAnswer(Hazmat *item, const Load *load, int question, bool yes);
// The answer an existing item gives to a displayed question.
bool answerFromItem(const Hazmat *item, const Load *load, int question);

// The ten question slots of the dialog, in display order.
class QuestionSlots {
public:
    static constexpr int kSlots = 10;
    enum class Answer { None, Yes, No };

    // Puts the question in the first empty slot unless it is shown already;
    // false when it is shown or every slot is taken.
    bool offer(int question);
    // Removes it; the later questions move up one slot keeping their answers.
    bool remove(int question);
    void clear() { slots_.clear(); }
    bool contains(int question) const;
    int count() const { return static_cast<int>(slots_.size()); }
    int question(int slot) const { return slots_.at(static_cast<size_t>(slot)).question; }
    Answer answer(int slot) const { return slots_.at(static_cast<size_t>(slot)).answer; }
    Answer answerOf(int question) const;
    void setAnswer(int question, Answer a);
    // First displayed question without an answer, or -1.
    int firstUnanswered() const;

private:
    struct Slot {
        int question;
        Answer answer;
    };
    std::vector<Slot> slots_;
};

} // namespace velmora

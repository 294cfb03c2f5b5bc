// AddSegregationMessage: one message about one or two items of the load.
#include "compute/messages.h"
#include "compute/kind_facts.h"
#include "compute/output_build.h"

#include <utility>

namespace dravlen {

namespace {

// 177.848(i) messages (code 17) are about their first item; the second only
// supplies the division it must be shipped as, so the pair keeps its order.
constexpr int kShipAsDivision = 17;

const char *HazardCodeText(const Hazmat *item, int index)
{
    const char *text = GetHazDivString_Hazmat(item, index);
    return text ? text : "";
}

} // namespace

bool MessageSubjectOf(const Engine *engine, const Hazmat *x, const Hazmat *y, int a, int b, int code,
                      MessageSubject *out)
{
    if (x && y) {
        if (GetPID_Hazmat(x) == GetPID_Hazmat(y))
            return false;  // one entry never conflicts with itself
        if (code != kShipAsDivision && GetPID_Hazmat(y) < GetPID_Hazmat(x)) {
            std::swap(x, y);
            std::swap(a, b);
        }
    }

    MessageSubject s;
    if (x) {
        s.pid1 = GetPID_Hazmat(x);
        s.id1 = GetID_Hazmat(x);
    }
    if (y) {
        s.pid2 = GetPID_Hazmat(y);
        s.id2 = GetID_Hazmat(y);
    }
    if (x && y) {
        s.class1 = HazardCodeText(x, a);
        s.class2 = HazardCodeText(y, b);
        s.index1 = a;
        s.index2 = b;
    }
    if (engine)
        s.vehicle = GetVehicle_Load(&engine->load);
    *out = s;
    return true;
}

void AddSegregationMessage(Output *output, Engine *engine, const Hazmat *x, const Hazmat *y, int a, int b,
                           int code)
{
    MessageSubject s;
    if (output == nullptr || !MessageSubjectOf(engine, x, y, a, b, code, &s))
        return;
    HazSeg record;
    if (BuildSegregationMessage(s, code, &record))
        InsertMessage(output, record);
}

void AddSegregationMessage(MessageBook &book, const KindFacts *x, const KindFacts *y, int a, int b, int code,
                           bool unique)
{
    if (x && y) {
        if (x->pid == y->pid)
            return;  // one entry never conflicts with itself
        if (code != kShipAsDivision && y->pid < x->pid) {
            std::swap(x, y);
            std::swap(a, b);
        }
    }
    // The kinds' texts are interned (LoadKinds).
    MessageBook::Facts facts;
    const char *id1 = kNoText, *id2 = kNoText, *class1 = kNoText, *class2 = kNoText;
    if (x) {
        facts.pid1 = x->pid;
        id1 = x->id;
    }
    if (y) {
        facts.pid2 = y->pid;
        id2 = y->id;
    }
    if (x && y) {
        class1 = x->Text(a);
        class2 = y->Text(b);
        facts.index1 = a;
        facts.index2 = b;
    }
    if (unique)
        book.PostUnique(code, id1, id2, class1, class2, facts);
    else
        book.PostInterned(code, id1, id2, class1, class2, facts);
}

} // namespace dravlen

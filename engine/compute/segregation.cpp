// The segregation pass: every pair of items against the 49 CFR 177.848
// table, the explosives compatibility rules over the whole load, and the
// single-item checks; then the message list is cleaned up and the load's
// segregation violation brought up to date.
#include "compute/segregation.h"

#include "compute/item_facts.h"
#include "compute/messages.h"
#include "compute/output_build.h"
#include "compute/segregation_items.h"
#include "compute/segregation_pairs.h"
#include "compute/violation_posting.h"

#include <cstring>
#include <vector>

namespace dravlen {
namespace {

// A lab pack (exemption 21, 173.12(b)) is kept out of the segregation rules
// unless the load carries explosives (class 1) or radioactive material
// (class 7), for which 173.12(e) gives no exception.
bool LoadHasClass1Or7(const Load *load)
{
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        const Hazmat *item = &load->items[i];
        for (int k = 0; k < HazardCount(item); ++k) {
            const char c = HazardText(item, k)[0];
            if (c == '1' || c == '7')
                return true;
        }
    }
    return false;
}

struct PassContext {
    Load *load;
    bool class1Or7;
};

bool Skipped(const PassContext &ctx, const Hazmat *item)
{
    if (ExemptFromSegregationForLoad_Hazmat(item, ctx.load))
        return true;
    return !ctx.class1Or7 && HasExemptionForLoad_Hazmat(item, 21, ctx.load);
}

bool NoItemCode(int code) { return code == 20 || code == 21 || code == 22; }

// One class 1 hazard code somewhere in the load.
struct ExplosiveCode {
    const Hazmat *item;
    int index;
    HazDiv code;
};

std::vector<ExplosiveCode> ExplosiveCodes(const Load *load)
{
    std::vector<ExplosiveCode> codes;
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        const Hazmat *item = &load->items[i];
        for (int k = 0; k < HazardCount(item); ++k) {
            const HazDiv d = Hazard(item, k);
            if (d.hazClass == 1)
                codes.push_back({item, k, d});
        }
    }
    return codes;
}

// 177.848(g)(3)(ii)-(vi) and (h): groups that may travel together only
// when reassigned, and articles of group G.
void CheckCompatibilityGroups(Engine *engine, const std::vector<ExplosiveCode> &codes)
{
    Output *out = &engine->output;
    const Load *load = &engine->load;
    bool c = false, d = false, e = false, g = false, n = false, s = false, other = false;
    for (const ExplosiveCode &x : codes) {
        switch (x.code.compatGroup) {
        case 'C': c = true; break;
        case 'D': d = true; break;
        case 'E': e = true; break;
        case 'G': g = true; break;
        case 'N': n = true; break;
        case 'S': s = true; break;
        default: other = true; break;
        }
    }

    if (g && (c || d || e || n || s || other)) {
        if (n || other) {
            // (h): group G articles with substances: do not load.
            for (const ExplosiveCode &x : codes) {
                if (x.code.compatGroup != 'G')
                    continue;
                for (uint32_t j = 0; j < load->itemCount; ++j) {
                    const Hazmat *y = &load->items[j];
                    const HazDiv p = Hazard(y, 0);
                    if (p.hazClass == 1 && p.compatGroup != 'G')
                        AddSegregationMessage(out, engine, x.item, y, x.index, 0, 16);
                }
            }
        } else {
            // (g)(3)(vi): fireworks or special stowage make the load illegal.
            for (const ExplosiveCode &x : codes)
                if (x.code.compatGroup == 'G')
                    AddSegregationMessage(out, engine, x.item, nullptr, x.index, 0, 15);
        }
    }

    if (!other) {
        const int cde = (c ? 1 : 0) + (d ? 1 : 0) + (e ? 1 : 0);
        if (!n && cde >= 2) {
            // (g)(3)(ii): C, D and E together are reassigned to group E.
            for (const ExplosiveCode &x : codes)
                if (std::strchr("CDE", x.code.compatGroup) && x.code.compatGroup)
                    AddSegregationMessage(out, engine, x.item, nullptr, x.index, 0, 11);
        } else if (n && cde >= 1) {
            // (g)(3)(iii): N with C, D or E is reassigned to group D.
            for (const ExplosiveCode &x : codes)
                if (std::strchr("NCDE", x.code.compatGroup) && x.code.compatGroup)
                    AddSegregationMessage(out, engine, x.item, nullptr, x.index, 0, 12);
        }
    }
}

// 177.848(i): explosives of one compatibility group but different divisions
// are shipped as the lowest division; 1.5D with 1.2D as 1.1D.
void CheckLowestDivisions(Engine *engine, const std::vector<ExplosiveCode> &codes)
{
    Output *out = &engine->output;
    bool has15D = false, has12D = false;
    for (const ExplosiveCode &x : codes) {
        if (x.code.compatGroup == 'D' && x.code.division == 5)
            has15D = true;
        if (x.code.compatGroup == 'D' && x.code.division == 2)
            has12D = true;
    }
    for (const char letter : {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'J', 'K', 'L', 'N', 'S'}) {
        const ExplosiveCode *lowest = nullptr;
        for (const ExplosiveCode &x : codes)
            if (x.code.compatGroup == letter && (!lowest || x.code.division < lowest->code.division))
                lowest = &x;
        if (!lowest)
            continue;
        for (const ExplosiveCode &x : codes) {
            if (x.code.compatGroup != letter)
                continue;
            if (letter == 'D' && has15D && has12D)
                AddSegregationMessage(out, engine, x.item, nullptr, x.index, 0, 18);
            else if (x.code.division > lowest->code.division)
                AddSegregationMessage(out, engine, x.item, lowest->item, x.index, lowest->index, 17);
        }
    }
}

// The pair (i, j), i < j: item rules, then every pair of hazard codes.
void CheckPair(Engine *engine, const Hazmat *x, const Hazmat *y)
{
    Output *out = &engine->output;
    const int itemRule = CheckItemPair(x, y);
    if (itemRule != kNoFinding)
        AddSegregationMessage(out, engine, x, y, 0, 0, itemRule);
    for (int a = 0; a < HazardCount(x); ++a) {
        for (int b = 0; b < HazardCount(y); ++b) {
            const int r = CheckHazardPair(x, y, a, b);
            if (r == kNoFinding)
                continue;
            if (r == 32) {
                // The item with the bare "1" subsidiary is the one in doubt.
                const Hazmat *about = (a == 1 && HazardIs(x, 1, "1")) ? x : y;
                AddSegregationMessage(out, engine, about, nullptr, 0, 0, r);
            } else {
                AddSegregationMessage(out, engine, x, y, a, b, r);
            }
        }
    }
}

bool SameText(const char *a, const char *b)
{
    return std::strcmp(a ? a : "", b ? b : "") == 0;
}

bool SamePair(const HazSeg &a, const HazSeg &b)
{
    return (SameText(a.id1, b.id1) && SameText(a.id2, b.id2)) ||
           (SameText(a.id1, b.id2) && SameText(a.id2, b.id1));
}

// The findings again, without posting, for the inspection violation.
SegregationFindings Findings(const PassContext &ctx)
{
    SegregationFindings f;
    const Load *load = ctx.load;
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        if (Skipped(ctx, &load->items[i]))
            continue;
        for (int code : SingleItemChecks(load, i)) {
            switch (code) {
            case 33: f.otherCitation = "49 CFR 173.170(b)"; break;
            case 34: f.otherCitation = "49 CFR 173.171(b)"; break;
            case 35: f.otherCitation = "49 CFR 173.63(a)"; break;
            case 37: f.otherCitation = "49 CFR 173.457(e)"; break;
            default: break;
            }
        }
    }
    for (uint32_t i = 0; i < load->itemCount; ++i) {
        const Hazmat *x = &load->items[i];
        if (Skipped(ctx, x))
            continue;
        for (uint32_t j = i + 1; j < load->itemCount; ++j) {
            const Hazmat *y = &load->items[j];
            if (Skipped(ctx, y))
                continue;
            const int itemRule = CheckItemPair(x, y);
            if (itemRule == 6 || itemRule == 29)
                f.otherCitation = "49 CFR 177.848(c)";
            for (int a = 0; a < HazardCount(x); ++a) {
                for (int b = 0; b < HazardCount(y); ++b) {
                    switch (CheckHazardPair(x, y, a, b)) {
                    case 1: f.tableConflict = true; break;
                    case 9: case 10: case 13: case 14: case 15: case 16:
                        f.explosivesConflict = true;
                        break;
                    case 19: f.otherCitation = "49 CFR 177.848(e)(6)"; break;
                    default: break;
                    }
                }
            }
        }
    }
    return f;
}

} // namespace

void RemoveRedundantMessages(Output *out)
{
    for (int i = 0; i < out->messageCount; ++i)
        for (int j = out->messageCount - 1; j > i; --j)
            if (SameMessage(out->messages[i], out->messages[j]))
                RemoveMessage(out, j);

    for (int i = 0; i < out->messageCount; ++i) {
        if (out->messages[i].type != kMsgDoNotLoad)
            continue;
        for (int j = out->messageCount - 1; j >= 0; --j) {
            if (out->messages[j].type == kMsgSeparate && SamePair(out->messages[i], out->messages[j])) {
                RemoveMessage(out, j);
                if (j < i)
                    --i;
            }
        }
    }
}

SegregationFindings FindSegregationViolations(Load *load)
{
    return Findings(PassContext{load, LoadHasClass1Or7(load)});
}

void CheckSegregation(Engine *engine)
{
    Load *load = &engine->load;
    Output *out = &engine->output;
    const PassContext ctx{load, LoadHasClass1Or7(load)};
    const uint32_t n = load->itemCount;

    for (uint32_t i = 0; i < n; ++i) {
        const Hazmat *x = &load->items[i];
        if (Skipped(ctx, x))
            continue;
        for (int code : SingleItemChecks(load, i))
            AddSegregationMessage(out, engine, NoItemCode(code) ? nullptr : x, nullptr, 0, 0, code);
        for (uint32_t j = i + 1; j < n; ++j) {
            const Hazmat *y = &load->items[j];
            if (!Skipped(ctx, y))
                CheckPair(engine, x, y);
        }
    }

    const std::vector<ExplosiveCode> explosives = ExplosiveCodes(load);
    CheckCompatibilityGroups(engine, explosives);
    CheckLowestDivisions(engine, explosives);

    RemoveRedundantMessages(out);
    PostSegregationViolations(load, Findings(ctx));
}

} // namespace dravlen

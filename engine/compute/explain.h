// The explanation of a computed truckload: for one placarding option, a line
// for every placard, every material left without a placard, the DANGEROUS
// placard, every identification number and marking, every segregation
// finding and the hazmat safety permit, each with its rule, its figures and
// its citation.  It reads the output of the last calculation and the same
// predicates and figures the calculation used; it is built only on request.
#pragma once

#include "dravlen.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dravlen {

struct Reason {
    DravlenReasonKind kind;
    std::string text;       // UTF-8, one line
    std::string citation;   // "49 CFR 172.504(c)", or ""
    std::vector<uint32_t> items;
    int placard = -1;       // the option's placard the line is about
};

// The explanation of option `index` of the engine's output; empty when there
// is no such option.
std::vector<Reason> ExplainOption(Engine *engine, int index);

// The parts, in the order ExplainOption lists them.
void ExplainPlacards(Engine *engine, const PlacOp &option, std::vector<Reason> &out);
void ExplainDangerous(Engine *engine, const PlacOp &option, std::vector<Reason> &out);
void ExplainMarkings(Engine *engine, const PlacOp &option, std::vector<Reason> &out);
void ExplainMessages(Engine *engine, std::vector<Reason> &out);
void ExplainPermit(Engine *engine, std::vector<Reason> &out);

} // namespace dravlen

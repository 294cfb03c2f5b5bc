// The explanation of a computed placarding option as plain records: what
// velmora-check, the program's Why? pane and the printed reasons page show.
#pragma once

#include "dravlen.h"

#include <string>
#include <vector>

namespace velmora::frontend {

struct ReasonLine {
    int kind = 0;               // a DravlenReasonKind
    std::string text;           // UTF-8, one line
    std::string citation;       // "49 CFR 172.504(c)", or ""
    std::vector<int> items;     // truckload indexes, 0-based
    int placard = -1;           // the option's placard it is about, or -1
};

// The lines of option `index` (0-based) of the engine's last calculation;
// empty when there is no such option.
std::vector<ReasonLine> explainOption(Engine *engine, int index);

// The kind's name as shown: "placard", "no placard", "DANGEROUS",
// "identification number", "marking", "segregation", "permit", "notice".
const char *reasonKindName(int kind);

// The lines about one item (by its truckload index).
std::vector<ReasonLine> reasonsAbout(const std::vector<ReasonLine> &lines, int item);

// The lines about the option's placard `placard` (0-based, in output order).
std::vector<ReasonLine> reasonsOfPlacard(const std::vector<ReasonLine> &lines, int placard);

} // namespace velmora::frontend

// The words of an explanation: placard names as the regulation prints them
// (172.519-172.560), weights with their thousands separated, items named by
// their identification number and hazard, and text from the tables made
// UTF-8 on one line.
#pragma once

#include "dravlen.h"

#include <cstdint>
#include <string>

namespace dravlen {

// "1,001 lb".
std::string PoundsText(uint64_t pounds);

// The placard's name: "FLAMMABLE", "EXPLOSIVES 1.1D", "POISON INHALATION
// HAZARD", "DANGEROUS", ...; "with ID 1203" is not part of it.
std::string PlacardName(const Placard &placard);

// The name of the plain placard of a hazard code ("3" FLAMMABLE, "COMB"
// COMBUSTIBLE, "8" CORROSIVE); the code itself when it has none.
std::string HazardPlacardName(const char *code);

// "UN1090 (Class 3)": the item's ID and primary hazard.
std::string ItemName(const Hazmat *item);

// A category of 172.504(b) as ReadTable2Figures numbers it (class * 256 +
// division): "Class 3", "Division 2.2".
std::string CategoryName(int category);

// Text of the tables (UTF-8, like every text of the library) on one line:
// line breaks become spaces.
std::string OneLineUtf8(const char *text);

// "49 CFR 177.848(d)" for a cross-reference key "49cfr177.848(d)".
std::string CitationOfKey(const char *key);

} // namespace dravlen

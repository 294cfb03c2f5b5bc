// The results of one placarding option as the compliance view draws them:
// plain values copied out of the engine's output, so that the drawing
// components can be filled and tested without an engine.
#pragma once

#include <QString>
#include <vector>

struct Engine;
struct Placard;

namespace velmora {

struct PlacardEntry {
    unsigned key = 0;          // GetHash_Placard
    unsigned pictureKey = 0;   // the key of its picture (PlacardPictureKey)
    int idNumber = 0;          // number shown on the placard, 0 when none
    int hazardClass = 0;       // 0 only for DANGEROUS
    int division = 0;
    bool primary = false;
    char compatibilityGroup = 0;   // class 1: the group letter shown on the placard
};

struct MarkingEntry {
    int idNumber = 0;
    int type = 0;
    QString shippingName;      // type 7 only
};

struct MessageEntry {
    int type = 0;              // severity class 0-6
    int code = 0;              // message code
    int pid1 = 0, pid2 = 0;
    QString id1, id2;          // the items' ID texts
    QString reason;
    QString citation;          // citation key, empty when none
};

struct OptionResults {
    std::vector<PlacardEntry> placards;
    std::vector<MarkingEntry> markings;
    std::vector<MessageEntry> messages;
};

PlacardEntry placardEntry(const Placard *placard);

// Makes option `index` current and reads its placards, markings and the
// messages.  Nothing when the engine has no such option.
OptionResults readOption(Engine *engine, int index);

// The allowed placards visible for option `index`.
std::vector<PlacardEntry> readAllowedPlacards(Engine *engine, int index);

} // namespace velmora

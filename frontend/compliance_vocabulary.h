// The words and pictures the program uses for the engine's results: the
// placard picture table (placard key -> resource -> display name), the
// headings of message types and the names and citations of marking types.
// Pure C++ so that the desktop program and the command-line checker share
// one table.
#pragma once

#include "dravlen.h"

#include <string>

namespace velmora {

struct PlacardPicture {
    unsigned key;          // the placard key of GetHash_Placard, bits 0-13
    const char *resource;  // picture resource name, e.g. "IDB_P_P30"
    const char *name;      // display name, e.g. "Flammable"
};

// The key whose picture a placard is drawn with: the key of GetHash_Placard
// (bits 0-13), except that a class 3 placard showing its number keeps only
// the COMBUSTIBLE letter, and FUEL OIL counts as COMBUSTIBLE (a cargo tank
// of fuel oil may show the COMBUSTIBLE placard, 172.504(f)(2)).
unsigned PlacardPictureKey(unsigned hash, int hazardClass, bool showsNumber, char rawLetter);

// The picture table entry for a placard, or null when its key is not one of
// the 74 known keys.  A class 3 placard showing its number is drawn from the
// bulk pictures: the FUEL OIL variant uses the Bulk Combustible picture and
// the GASOLINE variant the Bulk Combustible/Flammable picture.
const PlacardPicture *FindPlacardPicture(const Placard *placard);
const PlacardPicture *FindPlacardPictureByKey(unsigned key);
int PlacardPictureCount();

// "Radiation", "Do Not Load", "Segregate", "Indefinite", "Information",
// "Permit Required", "Possible Permit"; empty for an unknown type.
std::string MessageHeading(int type);

// The icon of a message tile: by message type, with a few conditional
// messages (type 3) that have their own icon; empty for an unknown type.
std::string MessageIconResource(int type, int messageCode);

struct MarkingKind {
    int type;
    const char *name;      // short name of the marking
    const char *citation;  // citation key opened on click, "49CFR172.302(a)"
    const char *picture;   // picture resource, or null: types 1-3 are drawn
                           // as orange number panels, type 7 as a framed name
    int width, height;     // picture size in pixels (type 7: 0, from its text)
};

// The marking vocabulary for types 1-13, or null.
const MarkingKind *FindMarkingKind(int type);

// The explanation shown while the pointer is over a marking of `type`
// (UTF-8 with "\n" line ends, like the library's texts).  `shippingName` is the
// marking's shipping name, used by type 7.  Empty for an unknown type.
std::string MarkingHoverText(int type, const std::string &shippingName);

} // namespace velmora

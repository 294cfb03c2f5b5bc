// What a search text asks for, before the library is asked: an ID number,
// a hazard class or division, or words of a shipping name; how a listed
// entry's class answers a class query; the order of list texts.
#pragma once

#include <QString>

namespace velmora {

enum class QueryKind { Name, Class, Id };

struct RecognisedQuery {
    QueryKind kind = QueryKind::Name;
    QString text;   // trimmed; an ID upper-cased without inner spaces ("UN1993", "1993")
};

// "1993", "UN1993", "na 1993" -> Id; "3", "2.3", "1.4S", "class 8" -> Class;
// anything else -> Name.
RecognisedQuery recogniseQuery(const QString &text);

// Whether an entry whose class text is `entryClass` ("3", "2.3, (8)",
// "1.3C") answers the class query `query`: the entry's primary class must be
// the asked class exactly.  "3" matches "3" but not "1.3" or "2.3"; "2"
// matches every division of class 2; "1.4" matches "1.4S"; "1.4S" matches
// only "1.4S".  Case does not matter.
bool classMatches(const QString &query, const QString &entryClass);

// Case-insensitive order of two list texts (<0, 0, >0), ties broken by the
// exact texts so that the order is total.
int compareCaseInsensitive(const QString &a, const QString &b);

} // namespace velmora

// Citations of the regulation as the program writes them: "49CFR172.504(f)(2)",
// "quarvel cite=49CFR177.848", "cite=49cfr172.102(144)", "173.150(f)(3)(ii)",
// "49 CFR 172.301(a)(3)", "§ 385.403(b)".  Parsing is pure and needs no
// display.
#pragma once

#include <QString>
#include <QStringList>

namespace velmora::viewer {

struct Citation {
    bool valid = false;
    int title = 49;          // CFR title; the program's citations are Title 49
    QString part;            // "172"
    QString section;         // "172.504", "178.337-1", "173.4b", "385.405T"; empty for a whole part
    QStringList paragraphs;  // {"f", "2"} for (f)(2)

    // "49 CFR 172.504(f)(2)"
    QString display() const;
    // "172.504(f)(2)": the key the viewer's history and links use
    QString key() const;
};

// Reads a citation from a link target or a typed text.  Accepts the
// "quarvel" and "cite=" prefixes in any letter case, blanks anywhere, an
// optional "<title> CFR" and "§".  Invalid when no part number is found.
Citation parseCitation(const QString &text);

// The official eCFR address of the citation (section, or part, with the
// paragraph anchor the eCFR uses: "#p-172.504(f)(2)").
QString ecfrAddress(const Citation &citation);

} // namespace velmora::viewer

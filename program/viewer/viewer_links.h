// The link targets the program's pages write, and where each one leads:
// "quarvel cite=49CFR172.504" and bare citations ("49cfr172.102(101)") to a
// section of the regulations viewer, "viewer /cgi-bin/qvget.cgi?db=HAZMAT&doc=
// CHECK.HTM" to a page supplied in the program folder, "quarvel /cgi-bin/
// qvget.cgi?db=HM181&doc=..." to the regulation document it names.  Pure.
#pragma once

#include <QString>

namespace velmora::viewer {

struct ViewerLink {
    enum Kind {
        Citation,     // value: the citation text ("49CFR172.504(e)"; empty: the viewer without one)
        LocalPage,    // folder and document: a page supplied in the program folder
        CgiDocument,  // folder and document of a "quarvel /cgi-bin/..." link
        Close,        // "close": collapse the page pane
        Anchor,       // "#name": a jump inside the page
        File,         // value: a path to a file
    } kind = File;
    QString value;
    QString folder;
    QString document;
};

// Letter case of the prefixes is free ("QUARVEL CITE=...").
ViewerLink classifyLink(const QString &href);

// The file of a supplied page: <programFolder>/<folder>/<document>, the
// letter case of each name matched as the folder holds it.  Empty when the
// file is missing or the names climb out of the program folder.
QString localPagePath(const QString &programFolder, const QString &folder, const QString &document);

// A regulation document named by a "/cgi-bin" link of the regulations
// program: the section that holds it and what the link stands for.
struct CgiTarget {
    bool known = false;
    QString citation;     // "49CFR172.101"
    QString title;        // "Appendix B to § 172.101: List of Marine Pollutants"
    QString ecfrAddress;  // the document's eCFR address
};
CgiTarget cgiDocumentTarget(const QString &folder, const QString &document);

} // namespace velmora::viewer

// The regulation text shipped with the program (regulations/cfr-sections.txt
// in the program folder): sections with their heading, part, subpart and
// edition date; paragraph designations; search.  No display needed.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace velmora::viewer {

struct Section {
    QString number;     // "172.504"
    QString heading;    // "General placarding requirements."
    QString part;       // "172"
    QString subpart;    // "F"
    QString edition;    // "2024-10-01" (the "revised as of" date) or "2025-01"
    QString fidelity;   // how the text was obtained, see PROVENANCE.md
    QStringList lines;  // one paragraph, table row or note per line
};

// The designation path in force at each line of a section: the line that
// opens (f)(2)(i) and the undesignated lines after it get {"f","2","i"}.
// Letters, numbers, lower-case roman numerals and capitals nest in that
// order; an (i), (v) or (x) that could be a letter or a roman numeral is
// read from the designation that follows it.
QVector<QStringList> designationPaths(const QStringList &lines);

// The designations a line opens with: "(c)(1) The total" -> {"c", "1"}.
QStringList leadingDesignations(const QString &line);

// Where a paragraph sits: the lines [first, last] of the paragraph and its
// subparagraphs.  `matched` is how many levels of the wanted path were found
// (the whole path when matched == path.size()); with none found, first and
// last are -1.
struct ParagraphSpan {
    int first = -1;
    int last = -1;
    int matched = 0;
};
ParagraphSpan locateParagraph(const QStringList &lines, const QStringList &path);

struct SearchHit {
    int section = -1;   // index into sections()
    int line = -1;      // -1: the heading matched
    QString snippet;    // the text around the match
};

class RegulationLibrary {
public:
    // Reads the data file; false (with a reason) when it is missing or not
    // in the expected form.  A library that failed to load is empty.
    bool load(const QString &path, QString *error = nullptr);
    bool loadText(const QString &text, QString *error = nullptr);

    const QVector<Section> &sections() const { return sections_; }
    // The section with this number (letter case of a suffix ignored), or null.
    const Section *find(const QString &number) const;
    int indexOf(const QString &number) const;
    bool hasPart(const QString &part) const;
    QStringList parts() const;

    // Sections whose heading or text holds every word of `query` (any
    // letter case), heading matches first; at most `limit` hits.
    QVector<SearchHit> search(const QString &query, int limit = 400) const;

private:
    QVector<Section> sections_;
};

// The part's name as the CFR titles it ("Carriage by Public Highway"), or
// empty for a part the program does not know.
QString partTitle(const QString &part);

// The data file in a program folder: <folder>/regulations/cfr-sections.txt
QString regulationDataPath(const QString &programFolder);

} // namespace velmora::viewer

// Reading the auditors' data files: division and marking scripts, the label
// names, the labeling instructions and the hot-material list.
//
// The files are plain text, one entry per line, and are read as untrusted
// input: a file that does not exist is an empty list; a file too large, a
// line too long, a NUL byte, text that is not UTF-8, or a line that breaks
// the form of its file gives a problem that names the file and the line.
// Problem lines of a script are kept (the audits treat an unusable line as
// the regulation-free "nothing happens" the interpreter defines); lines that
// cannot be text at all are left out.  Blank lines are not entries.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace velmora::auditors {

enum class DataFileKind {
    LabelScript,    // "citation|question|no-action|yes-action", label actions
    MarkingScript,  // the same line form, marking actions
    PictureNames,   // "picture|alternative text"
    HotMaterials,   // "ID=picture"
    HtmlLines,      // any text
};

struct DataFileProblem {
    QString file;  // as named in the data folder, e.g. "HAZMAT/3.DIV"
    int line = 0;  // 1-based line of the file; 0 for the file as a whole
    QString reason;
    QString text() const;
};

struct DataFileLines {
    QStringList lines;       // entries, in file order
    QList<int> fileLines;    // 1-based file line of each entry
    QList<DataFileProblem> problems;
};

// Bounds of a data file.
constexpr qsizetype maxDataFileBytes = 1024 * 1024;
constexpr qsizetype maxDataLineChars = 16 * 1024;
constexpr qsizetype maxDataFileLines = 5000;

DataFileLines parseDataFile(const QByteArray &bytes, const QString &fileName, DataFileKind kind);
// A missing file is an empty list without a problem.
DataFileLines readDataFile(const QString &path, const QString &fileName, DataFileKind kind);

// What is wrong with one entry of a file of this kind; empty when nothing.
// `first` tells whether the entry is the file's first (a "#" line is the
// exempt marker only there).
QString entryProblem(const QString &entry, DataFileKind kind, bool first);

// The four fields of a script line.
struct ScriptLine {
    QString citation;  // trimmed text before the first "|"
    QString citeKey;   // the citation with every blank removed
    QString question;
    QString noAction;
    QString yesAction;
};
ScriptLine splitScriptLine(const QString &line);
QString citeKey(const QString &citation);

} // namespace velmora::auditors

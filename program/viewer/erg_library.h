// The Emergency Response Guidebook shipped with the program (EMERRESP in the
// program folder): the orange guides by section, the yellow ID index, and
// the green tables of initial isolation and protective action distances.
// Lookups are pure; no display needed.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

namespace velmora::viewer {

struct GuideRecord {
    enum Kind { Section, Heading, SubHeading, Bullet, SubBullet, Text } kind = Text;
    QString text;
};

struct Guide {
    QString number;   // "128"; "FA" for the General First Aid page
    QString title;    // "Flammable Liquids (Water-Immiscible)"
    QVector<GuideRecord> records;
    // The records of one section ("POTENTIAL HAZARDS", "PUBLIC SAFETY",
    // "EMERGENCY RESPONSE"), without the section record itself.
    QVector<GuideRecord> section(const QString &name) const;
};

struct IndexEntry {       // one row of the yellow index
    QString id4;          // "1017"
    QString name;
    QString guide;        // "124", "131P"
    bool tih = false;     // highlighted: Table 1 applies
    bool waterReactive = false;
};

struct DistanceRow {      // one row of green Table 1
    QString id4, guide, name;
    QString smallIsolate, smallDay, smallNight, largeIsolate, largeDay, largeNight;
};

struct WaterReactiveRow { // one row of green Table 2
    QString id4, guide, name, gases;
};

// What the guidebook says about one item of a truckload.
struct ErgLookup {
    QString guide;                        // "128", "112"; empty when none applies
    QString reason;                       // why this guide: "explosive, division 1.4" ...
    QVector<IndexEntry> index;            // the yellow index rows of the ID
    QVector<DistanceRow> distances;       // Table 1 rows of the ID (the name's rows when it matches)
    QVector<WaterReactiveRow> waterReactive;
};

class ErgLibrary {
public:
    // Reads erg2024-guides.txt, -index.tsv, -tih.tsv and -water.tsv from
    // `folder`; false with a reason when one is missing or malformed.
    bool load(const QString &folder, QString *error = nullptr);

    const Guide *guide(const QString &number) const;   // "131P" finds 131
    QStringList guideNumbers() const;                  // "111" ... "174"
    QVector<IndexEntry> indexOf(const QString &id) const;

    // The guide of an item: an explosive (class 1) by its division, 112 for
    // 1.1, 1.2, 1.3 and 1.5, 114 for 1.4 and 1.6; otherwise the guide the
    // Hazardous Materials Table row gives (`tableGuide`, may be empty), else
    // the yellow index row of the ID whose name matches `name`, else its
    // first row.  `id` is "UN1017", "NA1993" or four digits.
    ErgLookup lookup(const QString &id, const QString &name, const QString &hazardClass,
                     const QString &tableGuide = {}) const;

    bool loadGuidesText(const QString &text, QString *error);

private:
    QMap<QString, Guide> guides_;
    QVector<IndexEntry> index_;
    QVector<DistanceRow> distances_;
    QVector<WaterReactiveRow> water_;
};

// "UN1017" -> "1017"; empty unless four digits are found.
QString idDigits(const QString &id);

// <folder>/EMERRESP
QString ergFolder(const QString &programFolder);

} // namespace velmora::viewer

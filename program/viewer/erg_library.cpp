#include "viewer/erg_library.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace velmora::viewer {

namespace {

bool readLines(const QString &path, QStringList *lines, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1 cannot be read: %2").arg(path, f.errorString());
        return false;
    }
    *lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return true;
}

// Rows of a tab-separated file with a header line; each row must have
// `columns` fields.
bool readTable(const QString &path, int columns, QVector<QStringList> *rows, QString *error)
{
    QStringList lines;
    if (!readLines(path, &lines, error))
        return false;
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList f = lines[i].split(QLatin1Char('\t'));
        if (f.size() != columns) {
            if (error)
                *error = QStringLiteral("%1, line %2: %3 fields instead of %4").arg(path).arg(i + 1).arg(f.size()).arg(columns);
            return false;
        }
        rows->push_back(f);
    }
    return true;
}

QString guideKey(const QString &guide)
{
    QString g = guide.trimmed();
    if (g.endsWith(QLatin1Char('P'), Qt::CaseInsensitive))
        g.chop(1);
    return g;
}

// Words of a name, lower case, without punctuation.
QStringList nameWords(const QString &name)
{
    static const QRegularExpression nonWord(QStringLiteral("[^a-z0-9]+"));
    return name.toLower().split(nonWord, Qt::SkipEmptyParts);
}

bool sameName(const QString &a, const QString &b) { return nameWords(a) == nameWords(b); }

} // namespace

QVector<GuideRecord> Guide::section(const QString &name) const
{
    QVector<GuideRecord> out;
    bool in = false;
    for (const GuideRecord &r : records) {
        if (r.kind == GuideRecord::Section) {
            in = r.text == name;
            continue;
        }
        if (in)
            out.push_back(r);
    }
    return out;
}

QString idDigits(const QString &id)
{
    static const QRegularExpression digits(QStringLiteral("^(?:UN|NA|ID)?\\s*(\\d{4})$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = digits.match(id.trimmed());
    return m.hasMatch() ? m.captured(1) : QString();
}

QString ergFolder(const QString &programFolder) { return QDir(programFolder).filePath(QStringLiteral("EMERRESP")); }

bool ErgLibrary::loadGuidesText(const QString &text, QString *error)
{
    guides_.clear();
    Guide *current = nullptr;
    int n = 0;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        ++n;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QStringLiteral("@guide "))) {
            const QStringList f = line.mid(7).split(QLatin1Char('\t'));
            if (f.size() != 2 || f[0].isEmpty()) {
                if (error)
                    *error = QStringLiteral("Guide text, line %1: not a guide header").arg(n);
                guides_.clear();
                return false;
            }
            current = &guides_[f[0]];
            current->number = f[0];
            current->title = f[1];
            continue;
        }
        if (!current) {
            if (error)
                *error = QStringLiteral("Guide text, line %1: text before the first guide").arg(n);
            return false;
        }
        GuideRecord r;
        if (line.startsWith(QStringLiteral("@section ")))
            r = {GuideRecord::Section, line.mid(9)};
        else if (line.startsWith(QStringLiteral("@heading ")))
            r = {GuideRecord::Heading, line.mid(9)};
        else if (line.startsWith(QStringLiteral("@sub ")))
            r = {GuideRecord::SubHeading, line.mid(5)};
        else if (line.startsWith(QStringLiteral("* ")))
            r = {GuideRecord::Bullet, line.mid(2)};
        else if (line.startsWith(QStringLiteral("- ")))
            r = {GuideRecord::SubBullet, line.mid(2)};
        else
            r = {GuideRecord::Text, line};
        current->records.push_back(r);
    }
    return !guides_.isEmpty();
}

bool ErgLibrary::load(const QString &folder, QString *error)
{
    guides_.clear();
    index_.clear();
    distances_.clear();
    water_.clear();
    const QDir dir(folder);
    QFile guides(dir.filePath(QStringLiteral("erg2024-guides.txt")));
    if (!guides.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("%1 cannot be read: %2").arg(guides.fileName(), guides.errorString());
        return false;
    }
    if (!loadGuidesText(QString::fromUtf8(guides.readAll()), error))
        return false;
    QVector<QStringList> rows;
    if (!readTable(dir.filePath(QStringLiteral("erg2024-index.tsv")), 5, &rows, error))
        return false;
    for (const QStringList &f : rows)
        index_.push_back({f[0], f[1], f[2], f[3] == QLatin1String("Y"), f[4] == QLatin1String("Y")});
    rows.clear();
    if (!readTable(dir.filePath(QStringLiteral("erg2024-tih.tsv")), 9, &rows, error))
        return false;
    for (const QStringList &f : rows)
        distances_.push_back({f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8]});
    rows.clear();
    if (!readTable(dir.filePath(QStringLiteral("erg2024-water.tsv")), 4, &rows, error))
        return false;
    for (const QStringList &f : rows)
        water_.push_back({f[0], f[1], f[2], f[3]});
    return true;
}

const Guide *ErgLibrary::guide(const QString &number) const
{
    const auto it = guides_.find(guideKey(number));
    return it == guides_.end() ? nullptr : &it.value();
}

QStringList ErgLibrary::guideNumbers() const
{
    QStringList out;
    for (const QString &k : guides_.keys())
        if (k != QLatin1String("FA"))
            out << k;
    return out;
}

QVector<IndexEntry> ErgLibrary::indexOf(const QString &id) const
{
    const QString d = idDigits(id);
    QVector<IndexEntry> out;
    if (d.isEmpty())
        return out;
    for (const IndexEntry &e : index_)
        if (e.id4 == d)
            out.push_back(e);
    return out;
}

ErgLookup ErgLibrary::lookup(const QString &id, const QString &name, const QString &hazardClass,
                             const QString &tableGuide) const
{
    ErgLookup out;
    const QString d = idDigits(id);
    out.index = indexOf(id);
    static const QRegularExpression explosive(QStringLiteral("^1\\.([1-6])"));
    const QRegularExpressionMatch x = explosive.match(hazardClass.trimmed());
    if (x.hasMatch()) {
        const int division = x.captured(1).toInt();
        out.guide = (division == 4 || division == 6) ? QStringLiteral("114") : QStringLiteral("112");
        out.reason = QStringLiteral("Guide for explosives of Division 1.%1").arg(division);
    } else if (!tableGuide.trimmed().isEmpty()) {
        out.guide = tableGuide.trimmed().toUpper();
        out.reason = QStringLiteral("Guide of the Hazardous Materials Table entry");
    } else if (!out.index.isEmpty()) {
        out.guide = out.index.front().guide;
        for (const IndexEntry &e : out.index)
            if (sameName(e.name, name))
                out.guide = e.guide;
        out.reason = QStringLiteral("Guide of the ID number in the guidebook\u2019s index");
    }
    if (d.isEmpty())
        return out;
    QVector<DistanceRow> all;
    for (const DistanceRow &r : distances_)
        if (r.id4 == d)
            all.push_back(r);
    for (const DistanceRow &r : all)
        if (sameName(r.name, name))
            out.distances.push_back(r);
    if (out.distances.isEmpty())
        out.distances = all;
    for (const WaterReactiveRow &r : water_)
        if (r.id4 == d)
            out.waterReactive.push_back(r);
    return out;
}

} // namespace velmora::viewer

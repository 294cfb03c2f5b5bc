#include "viewer/regulation_library.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace velmora::viewer {

namespace {

// Levels of the CFR's paragraph structure: (a) (1) (i) (A) (1) (i).
enum Level { Letter = 1, Number = 2, Roman = 3, Capital = 4, Number2 = 5, Roman2 = 6 };

int romanValue(const QString &s)
{
    static const QString numerals[] = {
        QString(), "i", "ii", "iii", "iv", "v", "vi", "vii", "viii", "ix", "x", "xi", "xii", "xiii", "xiv", "xv",
        "xvi", "xvii", "xviii", "xix", "xx", "xxi", "xxii", "xxiii", "xxiv", "xxv", "xxvi", "xxvii", "xxviii",
        "xxix", "xxx", "xxxi", "xxxii", "xxxiii", "xxxiv", "xxxv", "xxxvi", "xxxvii", "xxxviii", "xxxix", "xl"};
    for (int v = 1; v < int(std::size(numerals)); ++v)
        if (numerals[v] == s)
            return v;
    return 0;
}

QString romanOf(int v)
{
    static const char *ones[] = {"", "i", "ii", "iii", "iv", "v", "vi", "vii", "viii", "ix"};
    static const char *tens[] = {"", "x", "xx", "xxx", "xl"};
    if (v <= 0 || v >= 50)
        return {};
    return QString::fromLatin1(tens[v / 10]) + QString::fromLatin1(ones[v % 10]);
}

bool allOf(const QString &s, bool (*pred)(QChar))
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (!pred(c))
            return false;
    return true;
}
bool isDigitChar(QChar c) { return c.isDigit(); }
bool isLowerChar(QChar c) { return c >= QLatin1Char('a') && c <= QLatin1Char('z'); }
bool isUpperChar(QChar c) { return c >= QLatin1Char('A') && c <= QLatin1Char('Z'); }

QString firstOf(int level)
{
    switch (level) {
    case Letter: return QStringLiteral("a");
    case Number: case Number2: return QStringLiteral("1");
    case Roman: case Roman2: return QStringLiteral("i");
    default: return QStringLiteral("A");
    }
}

// The designation that follows `prev` at `level`: b after a, aa after z,
// 3 after 2, iv after iii, B after A.
QString successor(int level, const QString &prev)
{
    switch (level) {
    case Number: case Number2: return QString::number(prev.toInt() + 1);
    case Roman: case Roman2: return romanOf(romanValue(prev) + 1);
    default: {
        if (prev.isEmpty())
            return {};
        const QChar last = prev.back();
        if (last == QLatin1Char('z') || last == QLatin1Char('Z'))
            return QString(prev.size() + 1, last == QLatin1Char('z') ? QLatin1Char('a') : QLatin1Char('A'));
        if (prev.size() > 1)   // "aa" -> "bb"
            return QString(prev.size(), QChar(last.unicode() + 1));
        return QString(QChar(last.unicode() + 1));
    }
    }
}

QVector<int> candidates(const QString &t)
{
    if (allOf(t, isDigitChar))
        return {Number, Number2};
    if (allOf(t, isUpperChar))
        return {Capital};
    if (allOf(t, isLowerChar)) {
        if (romanValue(t) > 0)
            return t.size() == 1 && t != QLatin1String("i") ? QVector<int>{Letter, Roman, Roman2}
                                                              : QVector<int>{Roman, Roman2, Letter};
        return {Letter};
    }
    return {};
}

bool fits(int level, const QString &t, const QStringList &stack)
{
    if (stack.size() >= level && successor(level, stack[level - 1]) == t)
        return true;
    return stack.size() == level - 1 && firstOf(level) == t;
}

QStringList applyLevel(QStringList stack, int level, const QString &t)
{
    while (stack.size() > level - 1)
        stack.removeLast();
    while (stack.size() < level - 1)
        stack << QString();
    stack << t;
    return stack;
}

bool fitsAny(const QString &t, const QStringList &stack)
{
    for (int level : candidates(t))
        if (fits(level, t, stack))
            return true;
    return false;
}

int fallbackLevel(const QString &t, const QStringList &stack)
{
    const QVector<int> c = candidates(t);
    if (c.isEmpty())
        return 0;
    if (c.contains(Roman) && stack.size() >= 2)
        return Roman;
    if (c.contains(Letter))
        return Letter;
    return c.front();
}

bool isParagraphLine(const QString &line)
{
    return line.startsWith(QLatin1Char('('));
}

} // namespace

QStringList leadingDesignations(const QString &line)
{
    static const QRegularExpression token(QStringLiteral("^\\(([A-Za-z]{1,5}|\\d{1,3})\\)"));
    QStringList out;
    if (!isParagraphLine(line))
        return out;
    int pos = 0;
    for (;;) {
        const QRegularExpressionMatch m = token.match(QStringView(line).mid(pos));
        if (!m.hasMatch())
            break;
        out << m.captured(1);
        pos += m.capturedLength();
    }
    return out;
}

QVector<QStringList> designationPaths(const QStringList &lines)
{
    // All designations in reading order, each with its line.
    struct Token { int line; QString text; };
    QVector<Token> tokens;
    for (int i = 0; i < lines.size(); ++i)
        for (const QString &t : leadingDesignations(lines[i]))
            tokens.push_back({i, t});

    QVector<QStringList> paths(lines.size());
    QStringList stack;
    int next = 0;
    for (int i = 0; i < lines.size(); ++i) {
        for (; next < tokens.size() && tokens[next].line == i; ++next) {
            const QString &t = tokens[next].text;
            QVector<int> fitting;
            for (int level : candidates(t))
                if (fits(level, t, stack))
                    fitting << level;
            int level = fitting.isEmpty() ? fallbackLevel(t, stack) : fitting.front();
            if (fitting.size() > 1 && next + 1 < tokens.size()) {
                // (i) after (h), (v) after (u): the next designation tells
                // a letter from a roman numeral.
                const QString &after = tokens[next + 1].text;
                for (int l : fitting) {
                    if (fitsAny(after, applyLevel(stack, l, t))) {
                        level = l;
                        break;
                    }
                }
            }
            if (level > 0)
                stack = applyLevel(stack, level, t);
        }
        paths[i] = stack;
    }
    return paths;
}

ParagraphSpan locateParagraph(const QStringList &lines, const QStringList &path)
{
    ParagraphSpan span;
    if (path.isEmpty())
        return span;
    const QVector<QStringList> paths = designationPaths(lines);
    auto startsWith = [](const QStringList &p, const QStringList &prefix, Qt::CaseSensitivity cs) {
        if (p.size() < prefix.size())
            return false;
        for (int k = 0; k < prefix.size(); ++k)
            if (p[k].compare(prefix[k], cs) != 0)
                return false;
        return true;
    };
    for (int depth = path.size(); depth > 0; --depth) {
        const QStringList want = path.mid(0, depth);
        for (Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
            int first = -1;
            for (int i = 0; i < lines.size() && first < 0; ++i)
                // The first line under the wanted path opens it, also when it
                // opens a subparagraph at once: "(c)(1) The total ...".
                if (startsWith(paths[i], want, cs))
                    first = i;
            if (first < 0)
                continue;
            int last = first;
            while (last + 1 < lines.size() && startsWith(paths[last + 1], want, cs))
                ++last;
            span.first = first;
            span.last = last;
            span.matched = depth;
            return span;
        }
    }
    return span;
}

bool RegulationLibrary::load(const QString &path, QString *error)
{
    sections_.clear();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("The regulation text %1 cannot be read: %2").arg(path, f.errorString());
        return false;
    }
    return loadText(QString::fromUtf8(f.readAll()), error);
}

bool RegulationLibrary::loadText(const QString &text, QString *error)
{
    sections_.clear();
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        const QString &line = lines[n];
        if (line.startsWith(QStringLiteral("\u00A7 "))) {
            const QStringList f = line.mid(2).split(QLatin1Char('\t'));
            if (f.size() != 6 || f[0].isEmpty()) {
                sections_.clear();
                if (error)
                    *error = QStringLiteral("Line %1 of the regulation text is not a section header.").arg(n + 1);
                return false;
            }
            sections_.push_back({f[0], f[1], f[2], f[3], f[4], f[5], {}});
        } else if (!line.isEmpty() && !(sections_.isEmpty() && line.startsWith(QLatin1Char('#')))) {
            if (sections_.isEmpty()) {
                if (error)
                    *error = QStringLiteral("The regulation text starts with a line outside any section.");
                return false;
            }
            sections_.back().lines << line;
        }
    }
    if (sections_.isEmpty()) {
        if (error)
            *error = QStringLiteral("The regulation text holds no section.");
        return false;
    }
    return true;
}

int RegulationLibrary::indexOf(const QString &number) const
{
    for (int i = 0; i < sections_.size(); ++i)
        if (sections_[i].number.compare(number, Qt::CaseInsensitive) == 0)
            return i;
    // A section inside a reserved range ("178.340-178.343 [Reserved]"):
    // the range's entry, which says that the text is no longer there.
    static const QRegularExpression one(QStringLiteral("^(\\d+)\\.(\\d+)"));
    static const QRegularExpression range(QStringLiteral("^(\\d+)\\.(\\d+)-(\\d+)\\.(\\d+)$"));
    const QRegularExpressionMatch n = one.match(number);
    if (!n.hasMatch())
        return -1;
    for (int i = 0; i < sections_.size(); ++i) {
        const QRegularExpressionMatch r = range.match(sections_[i].number);
        if (r.hasMatch() && r.captured(1) == n.captured(1) && r.captured(3) == n.captured(1) &&
            n.captured(2).toInt() >= r.captured(2).toInt() && n.captured(2).toInt() <= r.captured(4).toInt())
            return i;
    }
    return -1;
}

const Section *RegulationLibrary::find(const QString &number) const
{
    const int i = indexOf(number);
    return i < 0 ? nullptr : &sections_[i];
}

bool RegulationLibrary::hasPart(const QString &part) const
{
    return std::any_of(sections_.begin(), sections_.end(), [&](const Section &s) { return s.part == part; });
}

QStringList RegulationLibrary::parts() const
{
    QStringList out;
    for (const Section &s : sections_)
        if (!out.contains(s.part))
            out << s.part;
    return out;
}

QVector<SearchHit> RegulationLibrary::search(const QString &query, int limit) const
{
    const QStringList words = query.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QVector<SearchHit> headings, text;
    if (words.isEmpty())
        return {};
    auto holdsAll = [&](const QString &s) {
        for (const QString &w : words)
            if (!s.contains(w, Qt::CaseInsensitive))
                return false;
        return true;
    };
    for (int i = 0; i < sections_.size() && headings.size() + text.size() < limit; ++i) {
        const Section &s = sections_[i];
        if (holdsAll(s.number + QLatin1Char(' ') + s.heading))
            headings.push_back({i, -1, s.heading});
        for (int l = 0; l < s.lines.size() && headings.size() + text.size() < limit; ++l) {
            if (!holdsAll(s.lines[l]))
                continue;
            const int at = s.lines[l].indexOf(words.front(), 0, Qt::CaseInsensitive);
            const int from = std::max(0, at - 60);
            QString snippet = s.lines[l].mid(from, 160).simplified();
            if (from > 0)
                snippet.prepend(QStringLiteral("\u2026"));
            if (from + 160 < s.lines[l].size())
                snippet += QStringLiteral("\u2026");
            text.push_back({i, l, snippet});
        }
    }
    return headings + text;
}

QString partTitle(const QString &part)
{
    static const struct { const char *part, *title; } kParts[] = {
        {"171", "General Information, Regulations, and Definitions"},
        {"172", "Hazardous Materials Table, Special Provisions, Hazardous Materials Communications, "
                "Emergency Response Information, Training Requirements, and Security Plans"},
        {"173", "Shippers\u2014General Requirements for Shipments and Packagings"},
        {"177", "Carriage by Public Highway"},
        {"178", "Specifications for Packagings"},
        {"180", "Continuing Qualification and Maintenance of Packagings"},
        {"385", "Safety Fitness Procedures"},
        {"397", "Transportation of Hazardous Materials; Driving and Parking Rules"},
    };
    for (const auto &p : kParts)
        if (part == QLatin1String(p.part))
            return QString::fromUtf8(p.title);
    return {};
}

QString regulationDataPath(const QString &programFolder)
{
    return QDir(programFolder).filePath(QStringLiteral("regulations/cfr-sections.txt"));
}

} // namespace velmora::viewer

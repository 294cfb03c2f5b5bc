#include "search/search_query.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace velmora {

namespace {

// Upper-case words of a text, markup and punctuation removed.
QStringList words(QString text)
{
    text.remove(QStringLiteral("<I>"), Qt::CaseInsensitive).remove(QStringLiteral("</I>"), Qt::CaseInsensitive);
    static const QRegularExpression separators(QStringLiteral("[^A-Za-z0-9]+"));
    return text.toUpper().split(separators, Qt::SkipEmptyParts);
}

// The primary class of an entry's class text: before the first comma.
QString primaryClass(const QString &entryClass)
{
    return entryClass.section(QLatin1Char(','), 0, 0).trimmed().toUpper();
}

} // namespace

RecognisedQuery recogniseQuery(const QString &text)
{
    const QString t = text.trimmed();
    static const QRegularExpression id(QStringLiteral("^(UN|NA|ID)?\\s*(\\d{4})$"),
                                       QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression cls(QStringLiteral("^(?:CLASS\\s+|DIV(?:ISION)?\\.?\\s+)?([1-9](?:\\.[1-6][A-SN]?)?)$"),
                                        QRegularExpression::CaseInsensitiveOption);
    if (const auto m = id.match(t); m.hasMatch())
        return {QueryKind::Id, m.captured(1).toUpper() + m.captured(2)};
    if (const auto m = cls.match(t); m.hasMatch())
        return {QueryKind::Class, m.captured(1).toUpper()};
    return {QueryKind::Name, t};
}

bool classMatches(const QString &query, const QString &entryClass)
{
    const QString q = query.trimmed().toUpper();
    const QString c = primaryClass(entryClass);
    if (q.isEmpty() || c.isEmpty())
        return false;
    if (!q.contains(QLatin1Char('.')))   // a class: every division of it
        return c == q || c.startsWith(q + QLatin1Char('.'));
    if (q.size() > 3)                    // a division with its compatibility group
        return c == q;
    // a division: with any compatibility group, never a longer number
    return c.startsWith(q) && (c.size() == q.size() || !c.at(q.size()).isDigit());
}

int nameRank(const QString &query, const QString &shippingName)
{
    const QStringList q = words(query), n = words(shippingName);
    if (q.isEmpty())
        return 4;
    if (q == n)
        return 0;
    // the name begins with the words, the last of them perhaps unfinished
    bool begins = n.size() >= q.size();
    for (qsizetype i = 0; begins && i < q.size(); ++i)
        begins = i + 1 < q.size() ? n[i] == q[i] : n[i].startsWith(q[i]);
    if (begins)
        return 1;
    bool allStart = true, allOccur = true;
    const QString joined = n.join(QLatin1Char(' '));
    for (const QString &w : q) {
        const bool starts = std::any_of(n.begin(), n.end(), [&](const QString &x) { return x.startsWith(w); });
        allStart = allStart && starts;
        allOccur = allOccur && (starts || joined.contains(w));
    }
    return allStart ? 2 : allOccur ? 3 : 4;
}

int compareCaseInsensitive(const QString &a, const QString &b)
{
    if (const int c = QString::compare(a, b, Qt::CaseInsensitive); c != 0)
        return c;
    return QString::compare(a, b, Qt::CaseSensitive);
}

} // namespace velmora

#include "search/search_query.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace velmora {

namespace {

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

int compareCaseInsensitive(const QString &a, const QString &b)
{
    if (const int c = QString::compare(a, b, Qt::CaseInsensitive); c != 0)
        return c;
    return QString::compare(a, b, Qt::CaseSensitive);
}

} // namespace velmora

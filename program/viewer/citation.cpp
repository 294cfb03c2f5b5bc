#include "viewer/citation.h"

#include <QRegularExpression>

namespace velmora::viewer {

QString Citation::display() const
{
    QString s = QString::number(title) + QStringLiteral(" CFR ") + (section.isEmpty() ? part : section);
    for (const QString &p : paragraphs)
        s += QLatin1Char('(') + p + QLatin1Char(')');
    return s;
}

QString Citation::key() const
{
    QString s = section.isEmpty() ? part : section;
    for (const QString &p : paragraphs)
        s += QLatin1Char('(') + p + QLatin1Char(')');
    return s;
}

Citation parseCitation(const QString &text)
{
    QString c = text;
    c.remove(QRegularExpression(QStringLiteral("\\s")));
    c.remove(QChar(0x00A7));   // §
    if (c.startsWith(QStringLiteral("quarvel"), Qt::CaseInsensitive))
        c.remove(0, 7);
    if (c.startsWith(QStringLiteral("cite="), Qt::CaseInsensitive))
        c.remove(0, 5);

    Citation out;
    static const QRegularExpression title(QStringLiteral("^(\\d{1,2})?CFR"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch t = title.match(c);
    if (t.hasMatch()) {
        if (!t.captured(1).isEmpty())
            out.title = t.captured(1).toInt();
        c.remove(0, t.capturedLength());
    }
    // Part, then an optional section number with a letter or "-n" suffix
    // ("173.4b", "178.337-1", "385.405T"), then paragraphs.
    static const QRegularExpression head(
        QStringLiteral("^(\\d{1,4})(?:\\.(\\d{1,4}[A-Za-z]?(?:-\\d{1,3}[A-Za-z]?)?))?"));
    const QRegularExpressionMatch h = head.match(c);
    if (!h.hasMatch())
        return out;
    out.part = h.captured(1);
    if (!h.captured(2).isEmpty())
        out.section = out.part + QLatin1Char('.') + h.captured(2);
    c.remove(0, h.capturedLength());
    static const QRegularExpression para(QStringLiteral("^\\(([A-Za-z0-9]{1,6})\\)"));
    for (QRegularExpressionMatch m = para.match(c); m.hasMatch(); m = para.match(c)) {
        out.paragraphs << m.captured(1);
        c.remove(0, m.capturedLength());
    }
    // Paragraphs belong to a section; text after the last paragraph (a
    // trailing full stop, "and (b)") is ignored.
    if (out.section.isEmpty())
        out.paragraphs.clear();
    out.valid = true;
    return out;
}

QString ecfrAddress(const Citation &citation)
{
    const QString base = QStringLiteral("https://www.ecfr.gov/current/title-") + QString::number(citation.title);
    if (!citation.valid)
        return base;
    if (citation.section.isEmpty())
        return base + QStringLiteral("/part-") + citation.part;
    QString url = base + QStringLiteral("/section-") + citation.section;
    if (!citation.paragraphs.isEmpty())
        url += QStringLiteral("#p-") + citation.key();
    return url;
}

} // namespace velmora::viewer

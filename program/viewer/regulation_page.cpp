#include "viewer/regulation_page.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>

namespace velmora::viewer {

namespace {

QString markWords(QString html, const QString &searchTerm)
{
    // Marks whole occurrences in text outside tags.
    for (const QString &w : searchTerm.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString escaped = w.toHtmlEscaped();
        QString out;
        int pos = 0;
        while (pos < html.size()) {
            const int tag = html.indexOf(QLatin1Char('<'), pos);
            const int end = tag < 0 ? html.size() : tag;
            QString text = html.mid(pos, end - pos);
            QString marked;
            int from = 0;
            for (int at = text.indexOf(escaped, 0, Qt::CaseInsensitive); at >= 0;
                 at = text.indexOf(escaped, from, Qt::CaseInsensitive)) {
                marked += text.mid(from, at - from) + QStringLiteral("<span style=\"background-color:#a6e3ff\">") +
                          text.mid(at, escaped.size()) + QStringLiteral("</span>");
                from = at + escaped.size();
            }
            marked += text.mid(from);
            out += marked;
            if (tag < 0)
                break;
            const int close = html.indexOf(QLatin1Char('>'), tag);
            const int stop = close < 0 ? html.size() : close + 1;
            out += html.mid(tag, stop - tag);
            pos = stop;
        }
        html = out;
    }
    return html;
}

QStringList tableCells(const QString &row)
{
    QString r = row.trimmed();
    if (r.startsWith(QLatin1Char('|')))
        r.remove(0, 1);
    if (r.endsWith(QLatin1Char('|')))
        r.chop(1);
    // "\|" inside a cell is an escaped bar.
    QStringList cells;
    QString cell;
    for (int i = 0; i < r.size(); ++i) {
        if (r[i] == QLatin1Char('\\') && i + 1 < r.size() && r[i + 1] == QLatin1Char('|')) {
            cell += QLatin1Char('|');
            ++i;
        } else if (r[i] == QLatin1Char('|')) {
            cells << cell.trimmed();
            cell.clear();
        } else {
            cell += r[i];
        }
    }
    cells << cell.trimmed();
    return cells;
}

bool isRuleRow(const QString &row)
{
    static const QRegularExpression rule(QStringLiteral("^\\|[\\s:|-]+\\|?$"));
    return rule.match(row.trimmed()).hasMatch();
}

} // namespace

QString lineAnchor(int line) { return QStringLiteral("p") + QString::number(line); }

QString lineHtml(const QString &line)
{
    // Escapes of the copy: \* \_ \# \[ \] \| and friends stand for the
    // character itself.  Markers are swapped for private characters first
    // so that escaped asterisks never become emphasis.
    QString s;
    for (int i = 0; i < line.size(); ++i) {
        if (line[i] == QLatin1Char('\\') && i + 1 < line.size() && QStringLiteral("*_#[]|`\\<>").contains(line[i + 1])) {
            s += QChar(0xE000 + line[i + 1].unicode());
            ++i;
        } else {
            s += line[i];
        }
    }
    s = s.toHtmlEscaped();
    s.replace(QStringLiteral("&lt;br&gt;"), QStringLiteral("<br>"));
    s.replace(QStringLiteral("&lt;br/&gt;"), QStringLiteral("<br>"));
    static const QRegularExpression bold(QStringLiteral("\\*\\*(.+?)\\*\\*"));
    s.replace(bold, QStringLiteral("<b>\\1</b>"));
    static const QRegularExpression italic(QStringLiteral("\\*(\\S(?:.*?\\S)?)\\*"));
    s.replace(italic, QStringLiteral("<i>\\1</i>"));
    // "§ 173.403", "§§ 172.504(e)" (the second number of "§§ a and b" stays
    // plain: only the first is certain to be a section of Title 49 here).
    static const QRegularExpression ref(QStringLiteral("(\u00A7\u00A7?\\s*)(\\d{3}\\.\\d+[a-z]?(?:-\\d+)?)((?:\\([a-zA-Z0-9]{1,5}\\))*)"));
    s.replace(ref, QStringLiteral("\\1<a href=\"cite:\\2\\3\">\\2\\3</a>"));
    QString out;
    for (QChar c : s)
        out += (c.unicode() >= 0xE000 && c.unicode() < 0xE100) ? QString(QChar(c.unicode() - 0xE000)).toHtmlEscaped()
                                                               : QString(c);
    return out;
}

QString editionText(const Section &section)
{
    const QDate day = QDate::fromString(section.edition, QStringLiteral("yyyy-MM-dd"));
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    if (day.isValid())
        return QStringLiteral("Text as of %1 (CFR annual edition, revised as of that date)")
            .arg(en.toString(day, QStringLiteral("MMMM d, yyyy")));
    const QDate month = QDate::fromString(section.edition + QStringLiteral("-01"), QStringLiteral("yyyy-MM-dd"));
    if (month.isValid())
        return QStringLiteral("Text as of %1 (eCFR)").arg(en.toString(month, QStringLiteral("MMMM yyyy")));
    return QStringLiteral("Edition: ") + section.edition;
}

QString sectionPageHtml(const Section &section, const ParagraphSpan &highlight, const QString &note,
                        const QString &searchTerm)
{
    const QVector<QStringList> paths = designationPaths(section.lines);
    QString html = QStringLiteral("<html><body>");
    html += QStringLiteral("<h2>\u00A7 %1 %2</h2>").arg(section.number.toHtmlEscaped(), section.heading.toHtmlEscaped());
    html += QStringLiteral("<p style=\"color:#555555\">49 CFR Part %1%2 &mdash; %3</p>")
                .arg(section.part, section.subpart.isEmpty() ? QString() : QStringLiteral(", Subpart ") + section.subpart,
                     editionText(section).toHtmlEscaped());
    if (!note.isEmpty())
        html += QStringLiteral("<table width=\"100%\" cellpadding=\"6\" style=\"background-color:#ffe8c0\"><tr><td>") +
                note + QStringLiteral("</td></tr></table>");
    bool inTable = false;
    for (int i = 0; i < section.lines.size(); ++i) {
        const QString &line = section.lines[i];
        const bool lit = i >= highlight.first && i <= highlight.last && highlight.first >= 0;
        const QString ground = lit ? QStringLiteral(" bgcolor=\"#fff3a0\"") : QString();
        const bool row = line.startsWith(QLatin1Char('|'));
        if (row && isRuleRow(line))
            continue;
        if (row && !inTable) {
            html += QStringLiteral("<a name=\"%1\"></a><table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" style=\"font-size:small\"%2>")
                        .arg(lineAnchor(i), ground);
            inTable = true;
        } else if (!row && inTable) {
            html += QStringLiteral("</table>");
            inTable = false;
        }
        if (row) {
            html += QStringLiteral("<tr>");
            for (const QString &cell : tableCells(line))
                html += QStringLiteral("<td%1>%2</td>").arg(ground, markWords(lineHtml(cell), searchTerm));
            html += QStringLiteral("</tr>");
            continue;
        }
        const int depth = std::max<int>(0, paths[i].size() - 1);
        QString text = line;
        QString style = QStringLiteral("margin-left:%1px;").arg(depth * 24);
        if (text.startsWith(QStringLiteral("> "))) {
            text.remove(0, 2);
            style += QStringLiteral("font-size:small;");
        } else if (text.startsWith(QStringLiteral("## "))) {
            text.remove(0, 3);
            text = QStringLiteral("**") + text + QStringLiteral("**");
        }
        if (lit)
            style += QStringLiteral("background-color:#fff3a0;");
        html += QStringLiteral("<a name=\"%1\"></a><p style=\"%2\">%3</p>")
                    .arg(lineAnchor(i), style, markWords(lineHtml(text), searchTerm));
    }
    if (inTable)
        html += QStringLiteral("</table>");
    html += QStringLiteral("</body></html>");
    return html;
}

QString missingPageHtml(const Citation &citation, const QStringList &partsInCopy)
{
    const QString address = ecfrAddress(citation);
    QString html = QStringLiteral("<html><body>");
    if (!citation.valid) {
        html += QStringLiteral("<h2>Not a citation</h2><p>The link does not name a section of the regulations.</p>");
    } else {
        html += QStringLiteral("<h2>%1 is not in the offline copy</h2>").arg(citation.display().toHtmlEscaped());
        html += QStringLiteral("<p>The regulation text shipped with Velmora does not hold %1.</p>")
                    .arg(citation.section.isEmpty() ? QStringLiteral("Part ") + citation.part
                                                    : QStringLiteral("\u00A7 ") + citation.section);
    }
    html += QStringLiteral("<p>The current text is on the Electronic Code of Federal Regulations (eCFR):</p>"
                           "<p><b>%1</b></p>"
                           "<p>Use <b>Copy Address</b> or <b>Open in Browser</b> above.</p>")
                .arg(address.toHtmlEscaped());
    if (!partsInCopy.isEmpty())
        html += QStringLiteral("<p style=\"color:#555555\">The offline copy holds parts %1 of Title 49 "
                               "(see Contents).</p>")
                    .arg(partsInCopy.join(QStringLiteral(", ")));
    html += QStringLiteral("</body></html>");
    return html;
}

QString paragraphNotFoundNote(const Citation &citation, const ParagraphSpan &span)
{
    QString wanted;
    for (const QString &p : citation.paragraphs)
        wanted += QLatin1Char('(') + p + QLatin1Char(')');
    QString shown;
    for (int k = 0; k < span.matched; ++k)
        shown += QLatin1Char('(') + citation.paragraphs[k] + QLatin1Char(')');
    QString note = QStringLiteral("Paragraph %1 was not found in the offline copy of \u00A7 %2")
                       .arg(wanted.toHtmlEscaped(), citation.section.toHtmlEscaped());
    note += span.matched > 0 ? QStringLiteral("; paragraph %1 is shown.").arg(shown.toHtmlEscaped())
                             : QStringLiteral("; the whole section is shown.");
    if (citation.section == QLatin1String("172.102"))
        note += QStringLiteral(" The texts of the special provisions are not in the offline copy.");
    note += QStringLiteral("<br>Current text: <b>%1</b>").arg(ecfrAddress(citation).toHtmlEscaped());
    return note;
}

} // namespace velmora::viewer

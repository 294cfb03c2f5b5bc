#include "viewer/erg_page.h"

namespace velmora::viewer {

namespace {

QString esc(const QString &s) { return s.toHtmlEscaped(); }

QString sectionColor(const QString &name)
{
    if (name == QLatin1String("POTENTIAL HAZARDS"))
        return QStringLiteral("#f7941d");
    if (name == QLatin1String("PUBLIC SAFETY"))
        return QStringLiteral("#f9b36b");
    return QStringLiteral("#fbd1a2");
}

QString startPage(const ErgLibrary &erg)
{
    QString html = QStringLiteral(
        "<html><body><h2>Emergency Response Guide</h2>"
        "<p>Emergency Response Guidebook 2024. Select an item of the truckload or a search result and choose "
        "<b>Emergency Response Guide</b> to see its guide, or type an ID number above.</p>"
        "<p>Guides for explosives: <a href=\"guide:112\">112</a> (Divisions 1.1, 1.2, 1.3, 1.5) and "
        "<a href=\"guide:114\">114</a> (Divisions 1.4, 1.6). Unknown or mixed load: <a href=\"guide:111\">111</a>."
        "</p><h3>Guides</h3><table cellspacing=\"0\" cellpadding=\"2\">");
    for (const QString &n : erg.guideNumbers()) {
        const Guide *g = erg.guide(n);
        html += QStringLiteral("<tr><td><a href=\"guide:%1\">%1</a></td><td>%2</td></tr>").arg(n, esc(g->title));
    }
    html += QStringLiteral("</table><p><a href=\"guide:FA\">General First Aid</a></p></body></html>");
    return html;
}

} // namespace

QString guideBodyHtml(const Guide &guide)
{
    QString html;
    bool list = false;
    auto closeList = [&] {
        if (list)
            html += QStringLiteral("</ul>");
        list = false;
    };
    for (const GuideRecord &r : guide.records) {
        switch (r.kind) {
        case GuideRecord::Section:
            closeList();
            html += QStringLiteral("<table width=\"100%\" cellpadding=\"4\" cellspacing=\"0\"><tr><td bgcolor=\"%1\" "
                                   "align=\"center\"><b>%2</b></td></tr></table>")
                        .arg(sectionColor(r.text), esc(r.text));
            break;
        case GuideRecord::Heading:
            closeList();
            html += QStringLiteral("<h4>%1</h4>").arg(esc(r.text));
            break;
        case GuideRecord::SubHeading:
            closeList();
            html += QStringLiteral("<p><b><i>%1</i></b></p>").arg(esc(r.text));
            break;
        case GuideRecord::Bullet:
        case GuideRecord::SubBullet:
            if (!list)
                html += QStringLiteral("<ul>");
            list = true;
            html += r.kind == GuideRecord::Bullet ? QStringLiteral("<li>%1</li>").arg(esc(r.text))
                                                  : QStringLiteral("<li style=\"margin-left:20px\">%1</li>").arg(esc(r.text));
            break;
        case GuideRecord::Text:
            closeList();
            html += QStringLiteral("<p>%1</p>").arg(esc(r.text));
            break;
        }
    }
    closeList();
    return html;
}

QString distancesHtml(const ErgLookup &lookup)
{
    QString html;
    if (!lookup.distances.isEmpty()) {
        html += QStringLiteral(
            "<h3>Initial isolation and protective action distances (Table 1)</h3>"
            "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">"
            "<tr bgcolor=\"#88C946\"><th rowspan=\"2\">ID No.</th><th rowspan=\"2\">Guide</th>"
            "<th rowspan=\"2\">Name of Material</th><th colspan=\"3\">Small spills</th><th colspan=\"3\">Large spills</th></tr>"
            "<tr bgcolor=\"#88C946\"><th>Isolate in all directions</th><th>Protect downwind, day</th>"
            "<th>Protect downwind, night</th><th>Isolate in all directions</th><th>Protect downwind, day</th>"
            "<th>Protect downwind, night</th></tr>");
        for (const DistanceRow &r : lookup.distances)
            html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td>"
                                   "<td>%7</td><td>%8</td><td>%9</td></tr>")
                        .arg(esc(r.id4), esc(r.guide), esc(r.name), esc(r.smallIsolate), esc(r.smallDay),
                             esc(r.smallNight), esc(r.largeIsolate), esc(r.largeDay), esc(r.largeNight));
        html += QStringLiteral("</table><p><font size=\"-1\">Small spill: a small package or a small leak from a "
                               "large package. Large spill: a large package or many small packages. "
                               "\"Refer to Table 3\": see Table 3 of the guidebook for large spills of this gas."
                               "</font></p>");
    }
    if (!lookup.waterReactive.isEmpty()) {
        html += QStringLiteral("<h3>Spilled in water (Table 2)</h3><p>");
        for (const WaterReactiveRow &r : lookup.waterReactive)
            html += QStringLiteral("%1 produces <b>%2</b> when spilled in water.<br>").arg(esc(r.name), esc(r.gases));
        html += QStringLiteral("</p>");
    }
    return html;
}

QString guidePageHtml(const ErgLibrary &erg, const QString &number)
{
    const Guide *g = erg.guide(number);
    if (!g)
        return QStringLiteral("<html><body><h2>Guide %1</h2><p>The guidebook has no guide %1.</p></body></html>")
            .arg(esc(number));
    QString html = QStringLiteral("<html><body><h2>");
    html += g->number == QLatin1String("FA") ? esc(g->title)
                                             : QStringLiteral("GUIDE %1 &mdash; %2").arg(esc(g->number), esc(g->title));
    html += QStringLiteral("</h2>") + guideBodyHtml(*g);
    if (g->number != QLatin1String("FA"))
        html += QStringLiteral("<p><a href=\"guide:FA\">General First Aid</a></p>");
    html += QStringLiteral("</body></html>");
    return html;
}

QString ergPageHtml(const ErgLibrary &erg, const QVector<ErgItem> &items)
{
    if (items.isEmpty())
        return startPage(erg);
    QString html = QStringLiteral("<html><body><a name=\"TOP\"></a>");
    if (items.size() > 1) {
        html += QStringLiteral("<ol>");
        for (int i = 0; i < items.size(); ++i)
            html += QStringLiteral("<li><a href=\"#haz%1\">%2 %3</a></li>").arg(i).arg(esc(items[i].id), esc(items[i].name));
        html += QStringLiteral("</ol>");
    }
    for (int i = 0; i < items.size(); ++i) {
        const ErgItem &item = items[i];
        const ErgLookup look = erg.lookup(item.id, item.name, item.hazardClass, item.tableGuide);
        if (items.size() > 1)
            html += QStringLiteral("<hr>");
        html += QStringLiteral("<a name=\"haz%1\"></a>").arg(i);
        const QString cell = look.distances.isEmpty() ? QStringLiteral("#ffffff") : QStringLiteral("#88C946");
        html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" bgcolor=\"#feeb47\">"
                               "<tr><th>ID No.</th><th>Guide No.</th><th>Name of Material</th></tr>"
                               "<tr><td bgcolor=\"%1\">%2</td><td bgcolor=\"%1\">%3</td><td bgcolor=\"%1\">%4</td></tr>"
                               "</table>")
                    .arg(cell, esc(item.id), look.guide.isEmpty() ? QStringLiteral("&mdash;") : esc(look.guide),
                         esc(item.name));
        // A toxic inhalation hazard: the distances come first, as in the
        // guidebook, where a highlighted entry sends the reader to them.
        html += distancesHtml(look);
        const Guide *g = look.guide.isEmpty() ? nullptr : erg.guide(look.guide);
        if (!g) {
            html += QStringLiteral("<p>The guidebook lists no guide for %1. Use <a href=\"guide:111\">Guide 111</a> "
                                   "(mixed load / unidentified cargo) until the material is identified.</p>")
                        .arg(esc(item.id));
        } else {
            html += QStringLiteral("<h2>GUIDE %1 &mdash; %2</h2>").arg(esc(look.guide), esc(g->title));
            if (look.guide.endsWith(QLatin1Char('P'), Qt::CaseInsensitive))
                html += QStringLiteral("<p>\"P\": the material may polymerize explosively when heated or involved "
                                       "in a fire.</p>");
            html += QStringLiteral("<p><font size=\"-1\">%1</font></p>").arg(esc(look.reason));
            html += guideBodyHtml(*g);
        }
        if (items.size() > 1)
            html += QStringLiteral("<p><a href=\"#TOP\">Top</a></p>");
    }
    html += QStringLiteral("<p><a href=\"guide:FA\">General First Aid</a></p></body></html>");
    return html;
}

} // namespace velmora::viewer

#include "report_reasons.h"

#include "frontend/explanation.h"

namespace velmora::reports {

namespace {

QString esc(const QString &text) { return text.toHtmlEscaped(); }

void optionReasons(QStringList &page, const TruckloadReport &report, int n)
{
    const std::vector<ReportReason> &reasons = report.options[static_cast<size_t>(n)].reasons;
    if (reasons.empty())
        return;
    // The option's title is the table's first row: a paragraph right after
    // the previous table would not be laid out.
    page << QStringLiteral("<TABLE WIDTH=\"95%\" BORDER=1 CELLSPACING=0 CELLPADDING=3>")
         << QStringLiteral("<TR><TD COLSPAN=3><B>Placarding option ") + QString::number(n + 1) + QStringLiteral(" of ") +
                QString::number(report.options.size()) + QStringLiteral("</B></TD></TR>")
         << QStringLiteral("<TR><TH ALIGN=\"LEFT\">About</TH><TH ALIGN=\"LEFT\">Reason</TH>"
                           "<TH ALIGN=\"LEFT\">Citation</TH></TR>");
    for (const ReportReason &r : reasons)
        page << QStringLiteral("<TR><TD><FONT SIZE=-1>") + esc(r.about) + QStringLiteral("</FONT></TD><TD><FONT SIZE=-1>") +
                    esc(r.text) + QStringLiteral("</FONT></TD><TD><FONT SIZE=-1>") + esc(r.citation) +
                    QStringLiteral("</FONT></TD></TR>");
    page << QStringLiteral("</TABLE>") << QStringLiteral("<BR>");
}

} // namespace

std::vector<ReportReason> readReasons(Engine *engine, int index)
{
    std::vector<ReportReason> reasons;
    for (const frontend::ReasonLine &line : frontend::explainOption(engine, index))
        reasons.push_back({QString::fromUtf8(frontend::reasonKindName(line.kind)), QString::fromStdString(line.text),
                           QString::fromStdString(line.citation)});
    return reasons;
}

void readAllReasons(Engine *engine, TruckloadReport &report)
{
    for (size_t n = 0; n < report.options.size(); ++n)
        report.options[n].reasons = readReasons(engine, static_cast<int>(n));
}

QStringList reasonsSection(const TruckloadReport &report, bool allOptions)
{
    QStringList page;
    const int count = static_cast<int>(report.options.size());
    for (int n = 0; n < count; ++n)
        if (allOptions || n == report.currentOption)
            optionReasons(page, report, n);
    if (page.isEmpty())
        return page;
    page.prepend(QStringLiteral("<P STYLE=\"page-break-before: always\"><B><FONT SIZE=+1>Why: the rules and figures "
                                "behind this report</FONT></B></P>"));
    return page;
}

} // namespace velmora::reports

#include "report_html.h"

#include "report_reasons.h"

#include <QStringList>

namespace velmora::reports {

namespace {

QString esc(const QString &text) { return text.toHtmlEscaped(); }

// The heading of a message type, as the compliance view's tiles show it.
QString messageHeading(int type)
{
    static const char *const headings[] = {"Radiation",   "Do Not Load",     "Segregate",      "Indefinite",
                                           "Information", "Permit Required", "Possible Permit"};
    return type >= 0 && type < 7 ? QString::fromLatin1(headings[type]) : QString();
}

void wrap(QStringList &page)
{
    page.prepend(QStringLiteral("<BODY>"));
    page.prepend(QStringLiteral("</HEAD>"));
    page.prepend(QStringLiteral("<TITLE></TITLE>"));
    page.prepend(QStringLiteral("<HEAD>"));
    page.prepend(QStringLiteral("<HTML>"));
    page << QStringLiteral("</BODY>") << QStringLiteral("</HTML>");
}

void header(QStringList &page, const QString &printedAt)
{
    page << QStringLiteral("<TABLE WIDTH=\"95%\">")
         << QStringLiteral("<TR><TD ALIGN=\"LEFT\"><FONT SIZE=-1>") + esc(reportProgramStamp()) +
                QStringLiteral("</FONT></TD><TD ALIGN=\"RIGHT\"><FONT SIZE=-1>") + esc(printedAt) +
                QStringLiteral("</FONT></TD></TR>")
         << QStringLiteral("<TR><TD COLSPAN=2 ALIGN=\"CENTER\"><B><FONT SIZE=6>") + esc(productTitle()) +
                QStringLiteral("</FONT></B></TD></TR>");
}

void closeHeader(QStringList &page)
{
    page << QStringLiteral("</TABLE>") << QStringLiteral("<BR>");
}

void truckHeader(QStringList &page, const QString &truckId, const QString &printedAt)
{
    header(page, printedAt);
    if (!truckId.isEmpty())
        page << QStringLiteral("<TR><TD ALIGN=\"LEFT\">Truck ID: <I> ") + esc(truckId) + QStringLiteral("</I></TD></TR>");
    closeHeader(page);
}

void titledHeader(QStringList &page, const QString &title, const QString &printedAt)
{
    header(page, printedAt);
    page << QStringLiteral("<TR><TD ALIGN=\"LEFT\"><B><FONT SIZE=+2>") + title + QStringLiteral("</FONT></B></TD></TR>");
    closeHeader(page);
}

QString cells(const QStringList &row, int count, int wideColumn = -1)
{
    QString s = QStringLiteral("<TR>");
    for (int i = 0; i < count; ++i) {
        const QString cell = i < row.size() ? esc(row[i]) : QString();
        s += (i == wideColumn ? QStringLiteral("<TD WIDTH=\"50%\">") : QStringLiteral("<TD>")) +
             (cell.isEmpty() ? QStringLiteral("&nbsp;") : cell) + QStringLiteral("</TD>");
    }
    return s + QStringLiteral("</TR>");
}

QString citationLink(const QString &key)
{
    return QStringLiteral("<A HREF=\"quarvel cite=") + esc(key) + QStringLiteral("\">") + esc(citationText(key)) +
           QStringLiteral("</A>");
}

void manifest(QStringList &page, const TruckloadReport &report)
{
    page << QStringLiteral("<B><FONT SIZE=+1>Manifest</FONT></B>")
         << QStringLiteral("<TABLE BORDER=\"0\" CELLPADDING=\"2\" CELLSPACING=\"0\" WIDTH=\"100%\" COLS=\"7\">")
         << QStringLiteral("<TR ALIGN=\"LEFT\" BGCOLOR=bbccdd><TH>ID</TH><TH>PSN</TH><TH>Class</TH><TH>PG</TH>"
                           "<TH>Permit</TH><TH>Weight</TH><TH>Packaging</TH><TH>PIH</TH></TR>");
    for (const ManifestRow &row : report.manifest)
        page << cells(row, 8, 1);
    page << QStringLiteral("</TABLE>") << QStringLiteral("<BR>") << QStringLiteral("<BR>");
}

void summary(QStringList &page, const TruckloadReport &report)
{
    const QString legality = report.legality == 1
                                 ? QStringLiteral("<FONT COLOR=RED><B>") + legalityText(1) + QStringLiteral("</B></FONT>")
                                 : esc(legalityText(report.legality));
    page << QStringLiteral("<B><FONT SIZE=+1>Compliance</FONT></B>")
         << QStringLiteral("<TABLE BORDER=\"0\" CELLPADDING=\"2\" CELLSPACING=\"0\">")
         << QStringLiteral("<TR><TD><B>Vehicle:</B></TD><TD>") + esc(report.vehicle) + QStringLiteral("</TD></TR>")
         << QStringLiteral("<TR><TD><B>Rules:</B></TD><TD>") + esc(report.ruleset) + QStringLiteral("</TD></TR>")
         << QStringLiteral("<TR><TD><B>Load legality:</B></TD><TD>") + legality + QStringLiteral("</TD></TR>")
         << QStringLiteral("<TR><TD><B>Hazmat safety permit:</B></TD><TD>") + esc(permitText(report.permit)) +
                QStringLiteral("</TD></TR>")
         << QStringLiteral("</TABLE>") << QStringLiteral("<BR>");
}

QString markingCaption(const ReportMarking &m)
{
    QString caption = esc(m.name);
    if (!m.citation.isEmpty())
        caption += QStringLiteral("<BR>") + citationLink(m.citation);
    return caption;
}

void optionBlock(QStringList &page, const TruckloadReport &report, int n, const TruckloadReportStyle &style)
{
    const PlacardingOption &option = report.options[static_cast<size_t>(n)];
    page << QStringLiteral("<CENTER>")
         << QStringLiteral("<TABLE WIDTH=\"85%\">")
         << QStringLiteral("<TR><TD><B><FONT SIZE=+1>Placarding Option ") + QString::number(n + 1) +
                QStringLiteral("</FONT></B></TD></TR>")
         << QStringLiteral("<TR><TD><HR></TD></TR>")
         << QStringLiteral("<TR><TD><TABLE BORDER=\"1\" CELLPADDING=\"4\" CELLSPACING=\"0\" WIDTH=\"100%\">");
    QString heads = QStringLiteral("<TR><TH>Markings</TH><TH>Required Placards</TH>");
    if (style.showAllowed)
        heads += QStringLiteral("<TH>Allowed Placards</TH>");
    page << heads + QStringLiteral("</TR>");

    QString markings = QStringLiteral("<TR><TD ALIGN=\"CENTER\">");
    if (option.markings.empty())
        markings += QStringLiteral("&nbsp;");
    for (size_t i = 0; i < option.markings.size(); ++i) {
        markings += QStringLiteral("<img src=\"") + markingPictureName(n, static_cast<int>(i)) +
                    QStringLiteral("\" ALT=\"\">");
        if (style.detailed)
            markings += QStringLiteral("<BR>") + markingCaption(option.markings[i]) + QStringLiteral("<BR><BR>");
    }
    page << markings + QStringLiteral("</TD>");
    page << QStringLiteral("<TD ALIGN=\"CENTER\"><IMG SRC=\"") + placardsPictureName(n) + QStringLiteral("\"></TD>");
    if (style.showAllowed)
        page << QStringLiteral("<TD ALIGN=\"CENTER\"><IMG SRC=\"") + allowedPictureName(n) + QStringLiteral("\"></TD>");
    page << QStringLiteral("</TR>") << QStringLiteral("</TABLE>") << QStringLiteral("</TD></TR>")
         << QStringLiteral("<TR><TD ALIGN=\"CENTER\">");

    page << QStringLiteral("<TABLE WIDTH=\"75%\" CELLPADDING=\"3\">")
         << QStringLiteral("<TR><TD><B><FONT SIZE=+1>Segregations &amp; Restrictions</FONT></B></TD></TR>");
    if (option.messages.empty())
        page << QStringLiteral("<TR><TD>There are no segregations or restrictions for this truckload.</TD></TR>");
    for (const ReportMessage &m : option.messages) {
        QString reason = esc(m.reason);
        reason.replace(QStringLiteral("\n\n"), QStringLiteral("&nbsp;"));
        reason.replace(QStringLiteral("\n"), QStringLiteral(" "));
        QString row = QStringLiteral("<TR><TD>") +
                      (m.type == 1 ? QStringLiteral("<FONT COLOR=RED SIZE=+1>") : QStringLiteral("<FONT SIZE=+1>")) +
                      QStringLiteral("<B>") + messageHeading(m.type) + QStringLiteral("</B> ") + reason;
        if (style.detailed && !m.citation.isEmpty())
            row += QStringLiteral(" (") + citationLink(m.citation) + QStringLiteral(")");
        page << row + QStringLiteral("</FONT></TD></TR>");
    }
    page << QStringLiteral("</TABLE>") << QStringLiteral("</TD></TR>") << QStringLiteral("</TABLE>")
         << QStringLiteral("</CENTER>");
}

// Lines of underscores on which the driver and supervisor sign.
QString line(int length) { return QString(length, QLatin1Char('_')); }

} // namespace

QString reportProgramStamp() { return QStringLiteral("RAZU ") + QStringLiteral(VELMORA_VERSION_TEXT); }
QString productTitle() { return QStringLiteral("Velmora - Commercial"); }
QString defaultCertificationMessage()
{
    return QStringLiteral("I have received this document from the Velmora Commercial software with instructions for "
                          "required placards, markings and segregations.");
}

QString citationText(const QString &key)
{
    const QString k = key.trimmed();
    for (const QString &code : {QStringLiteral("49CFR"), QStringLiteral("40CFR")}) {
        if (k.startsWith(code, Qt::CaseInsensitive))
            return code.left(2) + QStringLiteral(" CFR ") + k.mid(code.size()).trimmed();
    }
    return k;
}

QString legalityText(int legality)
{
    switch (legality) {
    case 0: return QStringLiteral("This truckload is legal.");
    case 1: return QStringLiteral("This truckload is ILLEGAL.");
    default: return QStringLiteral("The legality of this truckload cannot be determined.");
    }
}

QString permitText(const QString &verdict)
{
    if (verdict == QLatin1String("Yes"))
        return QStringLiteral("Required (49 CFR 385.403)");
    if (verdict == QLatin1String("Maybe"))
        return QStringLiteral("May be required (49 CFR 385.403)");
    return QStringLiteral("Not required");
}

QString placardsPictureName(int option) { return QStringLiteral("Placards_") + QString::number(option); }
QString allowedPictureName(int option) { return QStringLiteral("Allowed_") + QString::number(option); }
QString markingPictureName(int option, int marking)
{
    return QStringLiteral("Marking_") + QString::number(option) + QLatin1Char('_') + QString::number(marking);
}

QString truckloadReportHtml(const TruckloadReport &report, const TruckloadReportStyle &style, const QString &printedAt)
{
    QStringList page;
    truckHeader(page, report.truckId, printedAt);
    manifest(page, report);
    if (style.detailed)
        summary(page, report);
    const int count = static_cast<int>(report.options.size());
    if (style.allOptions) {
        for (int n = 0; n < count; ++n) {
            optionBlock(page, report, n, style);
            page << QStringLiteral("<BR>");
        }
    } else if (report.currentOption >= 0 && report.currentOption < count) {
        optionBlock(page, report, report.currentOption, style);
    }
    if (style.reasons) {
        // The reasons start a new page: a spacing line left at the foot of
        // the last one would otherwise make a page of its own.
        while (!page.isEmpty() && page.last() == QLatin1String("<BR>"))
            page.removeLast();
        page << reasonsSection(report, style.allOptions);
    }
    wrap(page);
    return page.join(QLatin1Char('\n'));
}

QString certificationHtml(const QString &truckId, const CertificationSettings &settings, const QString &printedAt)
{
    QStringList page;
    truckHeader(page, truckId, printedAt);
    QString statement;
    if (settings.defaultMessage) {
        statement = esc(defaultCertificationMessage());
    } else {
        statement = esc(settings.customMessage);
        const QString breakAt = statement.contains(QLatin1String("||")) ? QStringLiteral("||") : QStringLiteral("\r\n");
        statement.replace(breakAt, QStringLiteral("<br/>"));
    }
    // Each signature line stands on a row of its own and its date (and
    // trailer) on the next: a row of all three does not fit a portrait page
    // without breaking the lines the driver signs on.
    const QString empty = QStringLiteral("<TR><TD>&nbsp;</TD></TR>");
    page << QStringLiteral("<TABLE WIDTH=\"95%\" CELLPADDING=\"2\">")
         << QStringLiteral("<TR><TD><B><FONT SIZE=+2>Certification</FONT></B></TD></TR>")
         << QStringLiteral("<TR><TD><HR></TD></TR>")
         << QStringLiteral("<TR><TD>") + statement + QStringLiteral("</TD></TR>") << empty << empty;
    if (settings.driverSignature) {
        page << QStringLiteral("<TR><TD>Driver Signature: ") + line(47) + QStringLiteral("</TD></TR>")
             << QStringLiteral("<TR><TD>Date: ") + line(18) +
                    (settings.trailer ? QStringLiteral(" &nbsp; &nbsp; Trailer: ") + line(15) : QString()) +
                    QStringLiteral("</TD></TR>");
    }
    if (settings.supervisorSignature) {
        if (settings.driverSignature)
            page << empty << empty;
        page << QStringLiteral("<TR><TD>Supervisor Signature: ") + line(43) + QStringLiteral("</TD></TR>")
             << QStringLiteral("<TR><TD>Date: ") + line(18) + QStringLiteral("</TD></TR>");
    }
    if (settings.customEntry) {
        if (settings.driverSignature || settings.supervisorSignature)
            page << empty << empty;
        page << QStringLiteral("<TR><TD><B>") + esc(settings.customEntryCaption) + QStringLiteral("</B> ") + line(45) +
                    QStringLiteral("</TD></TR>");
    }
    page << QStringLiteral("</TABLE>");
    wrap(page);
    return page.join(QLatin1Char('\n'));
}

QString searchResultsHtml(const std::vector<SearchReportRow> &rows, const QString &printedAt)
{
    QStringList page;
    titledHeader(page, QStringLiteral("Search Results"), printedAt);
    page << QStringLiteral("<TABLE BORDER=\"0\" CELLPADDING=\"2\" CELLSPACING=\"0\" WIDTH=\"100%\">")
         << QStringLiteral("<TR ALIGN=\"LEFT\" BGCOLOR=bbccdd><TH>Proper Shipping Name</TH><TH>Class</TH><TH>ID</TH>"
                           "<TH ALIGN=\"CENTER\">PG</TH><TH>Hazard Zone</TH></TR>");
    for (const SearchReportRow &row : rows)
        page << cells(row, 5);
    page << QStringLiteral("</TABLE>");
    wrap(page);
    return page.join(QLatin1Char('\n'));
}

QString savedLoadsHtml(const SavedLoadsReport &report, const QString &printedAt)
{
    QStringList page;
    titledHeader(page, QStringLiteral("Saved Loads"), printedAt);
    page << QStringLiteral("<TABLE BORDER=\"0\" CELLPADDING=\"2\" CELLSPACING=\"0\" WIDTH=\"100%\">");
    if (report.processedLegality)
        page << QStringLiteral("<TR ALIGN=\"LEFT\" BGCOLOR=bbccdd><TH>Truckload</TH><TH>Last Saved</TH><TH>Legal</TH>"
                               "<TH>Placards</TH><TH>Markings</TH><TH>Messages</TH></TR>");
    else
        page << QStringLiteral("<TR ALIGN=\"LEFT\" BGCOLOR=bbccdd><TH>Truckload</TH><TH>Last Saved</TH></TR>");
    const int columns = report.processedLegality ? 6 : 2;
    for (const QStringList &row : report.rows)
        page << cells(row, columns);
    page << QStringLiteral("</TABLE>");
    wrap(page);
    return page.join(QLatin1Char('\n'));
}

} // namespace velmora::reports

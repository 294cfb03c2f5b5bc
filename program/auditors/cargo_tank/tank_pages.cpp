#include "auditors/cargo_tank/tank_pages.h"

namespace velmora::cargo_tank {

namespace {

const QString kRegulationPrefix = QStringLiteral("quarvel cite=49cfr");
const QString kOutOfServicePrefix = QStringLiteral("oos:");

bool namesATank(const QString &tank) { return tank.contains(QLatin1String("Tank")); }

QString withNbsp(QString text) { return text.replace(QLatin1Char(' '), QLatin1String("&nbsp;")); }

// The regulation cell: each comma-separated citation a link, or plain text
// for the oldest tanks.
QString regulationCell(const QString &tank, const QString &citation)
{
    const bool plain = citesAsPlainText(tank);
    QStringList parts;
    for (const QString &part : citation.split(QLatin1Char(','))) {
        const QString cite = part.trimmed();
        if (cite.isEmpty())
            continue;   // the vacuum question cites nothing
        parts << (plain ? cite
                        : QStringLiteral("<A HREF=\"") + regulationHref(cite) + QStringLiteral("\">") + cite +
                              QStringLiteral("</A>"));
    }
    return QStringLiteral("<TD>") + parts.join(QLatin1String(", ")) + QStringLiteral("</TD>");
}

QString radio(int index, const QString &value, bool checked)
{
    const QString i = QString::number(index);
    return QStringLiteral("<INPUT TYPE=\"radio\" OnClick=\"display\" ") +
           (checked ? QStringLiteral("CHECKED ") : QString()) + QStringLiteral("ID=\"") + i +
           QStringLiteral("\" NAME=\"") + i + QStringLiteral("\" VALUE=\"") + value + QStringLiteral("\">");
}

} // namespace

QString regulationHref(const QString &citation) { return kRegulationPrefix + citation; }

QString citationOfHref(const QString &href)
{
    return href.startsWith(kRegulationPrefix, Qt::CaseInsensitive) ? href.mid(kRegulationPrefix.size()) : QString();
}

bool hasVacuumQuestion(const QString &tank)
{
    return tank == QLatin1String("DOT/TC 407") || tank == QLatin1String("DOT/TC 412");
}

bool citesAsPlainText(const QString &tank)
{
    return tank == QLatin1String("MC 300") || tank == QLatin1String("MC 301") || tank == QLatin1String("MC 302") ||
           tank == QLatin1String("MC 303");
}

QStringList questionsForm(const QuestionsPage &page)
{
    QStringList lines{QStringLiteral("<!--Questions-->"), QStringLiteral("<FORM>"),
                      QStringLiteral("<TABLE WIDTH=\"100%\" CELLPADDING=5 CELLSPACING=0>")};
    lines << QStringLiteral("<CAPTION ALIGN=\"CENTER\"><B><BIG><BIG>") + page.tank +
                 (namesATank(page.tank) ? QStringLiteral(" Inspection</BIG></BIG></B></CAPTION>")
                                        : QStringLiteral(" Tank Inspection</BIG></BIG></B></CAPTION>"));
    lines << QStringLiteral("<TR BGCOLOR=") + kHeaderRowColour + QStringLiteral(">") << QStringLiteral("<TH></TH>")
          << QStringLiteral("<TH></TH>") << QStringLiteral("<TH ALIGN=\"LEFT\">Question</TH>")
          << QStringLiteral("<TH ALIGN=\"LEFT\">Regulation</TH>") << QStringLiteral("</TR>");

    QString shownGroup;
    int rowInGroup = 0;
    for (size_t i = 0; i < page.questions.size(); ++i) {
        const QuestionRow &q = page.questions[i];
        const int index = static_cast<int>(i);
        if (!q.group.isEmpty() && q.group != QLatin1String("Vehicle Type") && q.group != shownGroup) {
            lines << QStringLiteral("<TH BGCOLOR=") + kGroupRowColour + QStringLiteral(" ALIGN=LEFT COLSPAN=4>") +
                         q.group + QStringLiteral("</TH>");
            shownGroup = q.group;
            rowInGroup = 0;
        }
        ++rowInGroup;
        lines << (rowInGroup % 2 == 1 ? QStringLiteral("<TR>")
                                      : QStringLiteral("<TR BGCOLOR=") + kShadedRowColour + QStringLiteral(">")) +
                     QStringLiteral("<TD>") + QString::number(index + 1) + QStringLiteral(".</TD>");
        const bool yes = !page.blankForm && q.answer == 1;
        const bool no = !page.blankForm && q.answer == 0;
        lines << QStringLiteral("<TH NOWRAP>") + radio(index, QStringLiteral("Yes"), yes) +
                     QStringLiteral(" Yes &nbsp;") + radio(index, QStringLiteral("No"), no) +
                     QStringLiteral(" No </TH>");
        if (index == 0 && hasVacuumQuestion(page.tank))
            lines << QStringLiteral("<TD>") + q.text +
                         QStringLiteral("&nbsp;&nbsp;<A HREF=\"//\">View&nbsp;Tank</A></TD>");
        else
            lines << QStringLiteral("<TD>") + q.text + QStringLiteral("</TD>");
        lines << regulationCell(page.tank, q.citation) << QStringLiteral("</TR>");
    }
    lines << QStringLiteral("</TABLE>") << QStringLiteral("</FORM>");
    return lines;
}

QString outOfServiceText(OutOfService oos)
{
    switch (oos) {
    case OutOfService::Yes:
        return QStringLiteral("Yes");
    case OutOfService::No:
        return QStringLiteral("No");
    case OutOfService::Unknown:
        break;
    }
    return QStringLiteral("Unknown");
}

QString outOfServiceHref(int combinedIndex) { return kOutOfServicePrefix + QString::number(combinedIndex); }

int outOfServiceIndex(const QString &href)
{
    if (!href.startsWith(kOutOfServicePrefix))
        return -1;
    bool ok = false;
    const int index = href.mid(kOutOfServicePrefix.size()).toInt(&ok);
    return ok && index >= 0 ? index : -1;
}

QStringList violationsList(const QString &tank, const std::vector<ViolationRow> &rows, bool interactive)
{
    QStringList lines{QStringLiteral("<!--Violations-->"),
                      QStringLiteral("<TABLE WIDTH=\"100%\" CELLPADDING=5 CELLSPACING=0>")};
    lines << QStringLiteral("<CAPTION ALIGN=\"CENTER\"><B><BIG><BIG><FONT COLOR=RED>") + tank +
                 (namesATank(tank) ? QStringLiteral(" Inspection Violations</FONT></BIG></BIG></B></CAPTION>")
                                   : QStringLiteral(" Tank Inspection Violations</FONT></BIG></BIG></B></CAPTION>"));
    lines << QStringLiteral("<TR BGCOLOR=") + kHeaderRowColour + QStringLiteral(">")
          << QStringLiteral("<TH ALIGN=\"CENTER\">Question</TH>")
          << QStringLiteral("<TH ALIGN=\"CENTER\">Violation Code</TH>")
          << QStringLiteral("<TH ALIGN=\"LEFT\">Violation</TH>")
          << QStringLiteral("<TH ALIGN=\"CENTER\">Out of Service</TH>") << QStringLiteral("</TR>");
    if (rows.empty()) {
        lines << QStringLiteral("</TABLE>") << QStringLiteral("<CENTER>")
              << QStringLiteral("<B><BIG><BIG>None</BIG></BIG></B>") << QStringLiteral("</CENTER>");
        return lines;
    }
    for (size_t r = 0; r < rows.size(); ++r) {
        const ViolationRow &v = rows[r];
        const auto cell = [&v](const QString &align, const QString &text) {
            return QStringLiteral("<TD ALIGN=\"") + align + QStringLiteral("\">") +
                   (v.disabled ? QStringLiteral("<FONT COLOR=\"RED\">") + text + QStringLiteral("</FONT>") : text) +
                   QStringLiteral("</TD>");
        };
        QString oos = outOfServiceText(v.outOfService);
        if (interactive && !v.disabled && v.combinedIndex >= 0)
            oos += QStringLiteral(" <A HREF=\"") + outOfServiceHref(v.combinedIndex) + QStringLiteral("\">") +
                   (v.outOfService == OutOfService::Yes ? QStringLiteral("(clear)")
                                                        : QStringLiteral("(mark out of service)")) +
                   QStringLiteral("</A>");
        lines << (r % 2 == 0 ? QStringLiteral("<TR>")
                             : QStringLiteral("<TR BGCOLOR=") + kShadedRowColour + QStringLiteral(">"));
        lines << cell(QStringLiteral("CENTER"),
                      v.questionReference < 0 ? QString() : QString::number(v.questionReference + 1));
        lines << cell(QStringLiteral("CENTER"), v.aspenCode);
        lines << cell(QStringLiteral("LEFT"),
                      v.disabled ? v.description + QStringLiteral(" (User removed)") : v.description);
        lines << cell(QStringLiteral("CENTER"), v.disabled ? outOfServiceText(v.outOfService) : oos);
        lines << QStringLiteral("</TR>");
    }
    lines << QStringLiteral("</TABLE>");
    return lines;
}

QString unansweredWarning(const std::vector<int> &numbers)
{
    if (numbers.empty())
        return {};
    if (numbers.size() == 1)
        return QStringLiteral("Please answer the following inspection question: ") + QString::number(numbers.front());
    QStringList shown;
    for (int n : numbers)
        shown << QString::number(n);
    return QStringLiteral("Please answer the following inspection questions: ") + shown.join(QLatin1String(", "));
}

QString pictureBase(const QString &tank, bool vacuum)
{
    if (vacuum && hasVacuumQuestion(tank))
        return QStringLiteral("407");
    const QStringList family = tankFamily(tank, false);
    if (family.contains(QLatin1String("DOT/TC 406")))
        return QStringLiteral("306");
    if (family.contains(QLatin1String("DOT/TC 407")))
        return QStringLiteral("307");
    if (family.contains(QLatin1String("DOT/TC 412")))
        return QStringLiteral("312");
    if (family.contains(QLatin1String("MC/TC 331")))
        return QStringLiteral("331");
    if (family.contains(QLatin1String("MC/TC 338")))
        return QStringLiteral("338");
    return {};
}

QStringList tankFamily(const QString &tank, bool vacuum)
{
    if (vacuum && hasVacuumQuestion(tank))
        return {QStringLiteral("DOT/TC 412"), QStringLiteral("DOT/TC 407")};
    static const std::vector<QStringList> families{
        {"DOT/TC 406", "MC/TC 306", "MC 305", "MC 303", "MC 302", "MC 301", "MC 300"},
        {"DOT/TC 407", "MC/TC 307", "MC 304"},
        {"DOT/TC 412", "MC/TC 312", "MC 311", "MC 310"},
        {"MC/TC 331", "MC/TC 330"},
        {"MC/TC 338"},
        {"Non-Spec Cargo Tank"},
    };
    for (const QStringList &family : families)
        if (family.contains(tank))
            return family;
    return {};
}

QString referenceFile(const QString &tank)
{
    static const char *const withTables[][2] = {{"MC/TC 306", "306.htm"}, {"MC/TC 307", "307.htm"},
                                                {"MC/TC 312", "312.htm"}, {"MC/TC 331", "331.htm"},
                                                {"DOT/TC 406", "406.htm"}, {"DOT/TC 412", "412.htm"}};
    for (const auto &entry : withTables)
        if (tank == QLatin1String(entry[0]))
            return QString::fromLatin1(entry[1]);
    return {};
}

namespace {

struct UsageText {
    const char *tanks[5];
    const char *usage;
};

// The usage line of the tanks without a reference table, and the details
// paragraph of the retired specifications.
QString usageLine(const QString &tank)
{
    static const UsageText usages[] = {
        {{"MC 300", "MC 301", "MC 302", "MC 303", "MC 305"},
         "Flammable Liquids with low vapor pressure - Primarily petroleum products (e.g., Gasoline, diesel fuel)."},
        {{"DOT/TC 407", "MC 304"},
         "Flammable liquids with moderate vapor pressure poisonous liquids Multiple hazard class liquid materials "
         "(e.g., flammable, corrosive and poisonous)."},
        {{"MC 310", "MC 311"},
         "Carry corrosives, strong corrosives, nitric acid, sulfuric acid, hydrochloric acid, sodium hydroxide "
         "solutions."},
        {{"MC/TC 330"}, "Gasses (Liquified Petroleum Gas, Chlorine, Freon, Anhydrous ammonia)"},
        {{"MC/TC 338"},
         "Carry anhydrous ammonia, propane, liquefied compressed gas, chlorine, liquefied petroleum, or other "
         "liquefied or pressurized gases."},
    };
    for (const UsageText &u : usages)
        for (const char *name : u.tanks)
            if (name && tank == QLatin1String(name))
                return QStringLiteral("<TR><TD ALIGN=\"LEFT\"> <B>USAGE:</B> ") + QString::fromLatin1(u.usage) +
                       QStringLiteral("</TR></TD>");
    return {};
}

QString detailsParagraph(const QString &tank)
{
    static const char *const details[][2] = {
        {"MC 305",
         "Tank built prior to December 1, 1967 to old US DOT Specification MC 305 for the transportation of "
         "flammable liquids or poisonous liquids. This tank was constructed of aluminum and designed for "
         "atmospheric pressure. This tank is a predecessor of the MC 306 tank."},
        {"MC 304",
         "Tank built prior to December 1, 1967 to old US DOT Specifications MC 304 for the transportation of "
         "flammable liquids or poisonous liquids. This tank was constructed of steel and aluminum with a design "
         "pressure of at least 25 psig. This tank is a predecessor of the MC 307 tank."},
        {"DOT/TC 407",
         "Tank built after October 1, 1990, meeting US DOT specifications DOT 407 as defined in 49 Code of Federal "
         "Regulations 178.347. This tank is typically used to carry solvents, plasticizers, casinghead, gas, "
         "Products:  Asphalt, heavy fuel oils, crude, mild corrosive, class B poisons, etc. This tank is typically "
         "constructed of stainless steel or aluminum and designed for pressure of at least 25 psig."},
        {"MC 311",
         "Tank built prior to December 1, 1967 to old US DOT Specification MC 311 for the transportation of "
         "corrosives. This tank was constructed of steel or aluminum. This tank is a predecessor of the MC 312 "
         "tank."},
        {"MC/TC 330",
         "Tank built prior to December 1, 1967 to old US DOT Specification MC 330 for the transportation of "
         "compressed gases. This tank was typically constructed of quenched and tempered or carbon steel for a "
         "pressure of 250 to 265 psig. This tank is a predecessor of the MC 331 tank."},
        {"MC/TC 338",
         "Tank built after October 1, 1984, meeting US DOT Specification MC 338 as defined in 49 Code of Federal "
         "Regulations 178.338. This tank is insulated and designed to carry cryogenic liquids."},
    };
    for (const auto &d : details)
        if (tank == QLatin1String(d[0]))
            return QString::fromLatin1(d[1]);
    return {};
}

} // namespace

QStringList tankPage(const TankPage &page)
{
    QStringList lines{QStringLiteral("<HTML><HEAD><TITLE></TITLE></HEAD>"), QStringLiteral("<BODY>"),
                      QStringLiteral("<TABLE ALIGN=\"CENTER\" WIDTH=\"100%\" CELLPADDING=3>")};
    lines << (page.large ? QStringLiteral("<CAPTION ALIGN=\"CENTER\"><B><BIG><BIG>Tank Details</BIG></BIG></B></CAPTION>")
                         : QStringLiteral("<CAPTION ALIGN=\"CENTER\"><B><BIG>Selected Tank</BIG></B></CAPTION>"));
    lines << QStringLiteral("<TR BGCOLOR=") + kHeaderRowColour + QStringLiteral(">") << QStringLiteral("<TH></TH>")
          << QStringLiteral("</TR>") << QStringLiteral("</TABLE>");

    const bool decided = !hasVacuumQuestion(page.tank) || page.vacuumDecided;
    if (!page.tank.isEmpty() && decided) {
        const bool vacuum = page.vacuum && hasVacuumQuestion(page.tank);
        lines << QStringLiteral("<TABLE ALIGN=\"CENTER\" COLS=1 WIDTH=\"95%\">");
        const QString base = pictureBase(page.tank, vacuum);
        if (!base.isEmpty())
            lines << QStringLiteral("<TR><TD ALIGN=\"CENTER\"><IMG SRC=\"") + page.picturesFolder + base +
                         (page.large ? QStringLiteral(".svg") : QStringLiteral("s.svg")) +
                         QStringLiteral("\"><HR WIDTH=\"100%\"></TD></TR>");
        QString family;
        for (const QString &name : tankFamily(page.tank, vacuum)) {
            if (name == page.tank)
                family += withNbsp(name) + QStringLiteral("&nbsp; ");
            else
                family += QStringLiteral("<FONT COLOR=LIGHTGREY>") + withNbsp(name) + QStringLiteral("</Font> ");
        }
        lines << (page.large ? QStringLiteral("<TR><TD ALIGN=\"CENTER\"><B><BIG>") + family +
                                   QStringLiteral("</BIG></B></TD></TR>")
                             : QStringLiteral("<TR><TD ALIGN=\"CENTER\"><B>") + family +
                                   QStringLiteral("</B></TD></TR>"));
        if (!page.large && !page.notApproved.isEmpty())
            lines << QStringLiteral("<TR><TD><CENTER><B><FONT COLOR=RED>") + page.tank +
                         QStringLiteral(" is not approved to carry ") + page.notApproved +
                         QStringLiteral("</FONT></B></CENTER><HR></TD></TR>");
        if (page.large && page.tank != QLatin1String("Non-Spec Cargo Tank")) {
            lines << QStringLiteral("<TR><TD><HR WIDTH=\"100%\"></TD></TR>");
            if (!referenceFile(page.tank).isEmpty()) {
                lines << QStringLiteral("<TR><TD>") + page.referenceText + QStringLiteral("</TD></TR>");
            } else {
                lines << usageLine(page.tank);
                const QString details = detailsParagraph(page.tank);
                if (!details.isEmpty())
                    lines << QStringLiteral("<TR><TD><HR WIDTH=\"100%\"></TD></TR><TR><TD ALIGN=\"LEFT\"><B>DETAILS: "
                                            "</B>") +
                                 details + QStringLiteral("</TD></TR>");
            }
        }
        lines << QStringLiteral("</TABLE>");
    }
    lines << QStringLiteral("</BODY></HTML>");
    return lines;
}

QStringList inspectionReport(const QString &tank, const InspectionHeader &h, const QStringList &questions,
                             const QStringList &violations)
{
    QStringList lines{QStringLiteral("<!--Quarvel Inc. Cargo Tank Inspection-->"),
                      QStringLiteral("<!--") + tank + QStringLiteral("-->"),
                      QStringLiteral("<HTML><HEAD><TITLE></TITLE></HEAD>"), QStringLiteral("<BODY>"),
                      QStringLiteral("<!--Inspection-->"), QStringLiteral("<TABLE COLS=2 WIDTH=\"100%\">")};
    const auto left = [](const QString &label, const QString &value) {
        return QStringLiteral("<TD ALIGN=LEFT><B>") + label + QStringLiteral("</B>") + value.toHtmlEscaped() +
               QStringLiteral("</TD>");
    };
    const auto right = [](const QString &label, const QString &value) {
        return QStringLiteral("<TD ALIGN=RIGHT><B>") + label + QStringLiteral("</B>") + value.toHtmlEscaped() +
               QStringLiteral("</TD>");
    };
    lines << QStringLiteral("<TR>") + left(QStringLiteral("Inspection Report #: "), h.reportNumber) +
                 right(QStringLiteral("Inspection Date "), h.date) + QStringLiteral("</TR>");
    lines << QStringLiteral("<TR>") + left(QStringLiteral("USDOT #: "), h.usdotNumber) +
                 right(QStringLiteral("Inspection Time "), h.time) + QStringLiteral("</TR>");
    lines << QStringLiteral("<TR>") + left(QStringLiteral("Carrier Name: "), h.carrier) + QStringLiteral("</TR>");
    lines << QStringLiteral("<TR>") + left(QStringLiteral("Inspector's Name: "), h.inspector) + QStringLiteral("</TR>");
    lines << QStringLiteral("</TABLE>");
    lines << questions << QStringLiteral("<BR>") << QStringLiteral("<BR>") << violations
          << QStringLiteral("</BODY></HTML>");
    return lines;
}

} // namespace velmora::cargo_tank

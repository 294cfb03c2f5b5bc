#include "auditors/scripts/marking_audit.h"

#include "auditors/scripts/item_header.h"

namespace velmora::auditors {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

const QStringList kLithiumBatteries = {QStringLiteral("UN3480"), QStringLiteral("UN3481"), QStringLiteral("UN3090"),
                                       QStringLiteral("UN3091")};

const QString kHotLine = QStringLiteral(
    "49 CFR 172.325|Is this Hazmat an elevated temperature material in Bulk packaging?|NEXT|@GIF:HOT.GIF@TEXT:<TR><TD><A "
    "HREF=\"quarvel cite=49CFR172.325(a)\">49 CFR 172.325(a)</A></TD><TD>Bulk container requires 'HOT' "
    "marking</TD><TR><TD><A HREF=\"quarvel cite=49CFR172.325(c)\">49 CFR 172.325(c)</A></TD><TD>Alternative allowed "
    "'HOT' marking</TD><TR><TD><A HREF=\"quarvel cite=49CFR173.29(g)\">49 CFR 173.29(g)</A></TD><TD>Marking exemption "
    "for formally 'HOT' residue </TD>@NEXT");

const QString kEthylAlcoholLine = QStringLiteral(
    "49 CFR 173.150(g)|Does this Hazmat contain ethyl alcohol (not more than 70% concentration) and is it being shipped "
    "in quantities greater than 8 fluid ounces in glass containers or greater than 16 ounces in non-glass "
    "containers?|NEXT|@TEXT:<TR><TD><A HREF=\"quarvel cite=49CFR173.150(g)\">49 CFR 173.150(g)</A></TD><TD>The words "
    "\"Contains Ethyl Alcohol\" are required on the outside of the package.</TD><TR><TD>@NEXT");

const QString kLighterLine = QStringLiteral(
    "49 CFR 173.308(b)(2)(vi)|Is this Hazmat a sample of a new lighter design?|NEXT|@TEXT:<TR><TD><A HREF=\"quarvel "
    "cite=49CFR173.308(b)(2)(vi)\">49 CFR 173.308(b)(2)(vi)</A></TD><TD>In addition to other required markings and "
    "labels, the package must be marked \"SAMPLE FOR EXAMINATION AND TESTING.\"</TD><TR><TD>@NEXT");

const QString kLithiumEquipmentLine = QStringLiteral(
    "49 CFR 173.185(c)(1)(iii)|Is this packed with or contained in equipment in quantities less than 5kg net "
    "weight?|NEXT|@TEXT:<TR><TD><A HREF=\"quarvel cite=49CFR173.185(c)(1)(iii)\">49 CFR 173.185(c)(1)(iii)</A></TD><TD>"
    "Except when lithium cells or batteries are packed with or contained in equipment in quantities not exceeding 5 kg "
    "net weight, the outer package that contains lithium cells or batteries must be appropriately marked: \"PRIMARY "
    "LITHIUM BATTERIES--FORBIDDEN FOR TRANSPORT ABOARD PASSENGER AIRCRAFT\", \"LITHIUM METAL BATTERIES--FORBIDDEN FOR "
    "TRANSPORT ABOARD PASSENGER AIRCRAFT\", \"LITHIUM ION BATTERIES--FORBIDDEN FOR TRANSPORT ABOARD PASSENGER "
    "AIRCRAFT\", or \"LITHIUM BATTERIES--FORBIDDEN FOR TRANSPORT ABOARD PASSENGER AIRCRAFT\", or labeled with a "
    "\"CARGO AIRCRAFT ONLY\" label specified in <A HREF=\"quarvel cite=49CFR172.448\">§172.448</A> of this "
    "subchapter.\"</TD><TR><TD>@NEXT");

const QString kLithiumHighwayLine = QStringLiteral(
    "49 CFR 173.185(c)(1)(iv)|Is this for highway or rail only?|NEXT|@TEXT:<TR><TD><A HREF=\"quarvel "
    "cite=49CFR173.185(c)(1)(iv)\">49 CFR 173.185(c)(1)(iv)</A></TD><TD>For transportation by highway or rail only, "
    "the lithium content of the cell and battery may be increased to 5 g for a lithium metal cell and 25 g for a "
    "lithium metal battery and 60 Wh for a lithium ion cell or 300 Wh for a lithium ion battery, provided the outer "
    "package is marked: \"LITHIUM BATTERIES--FORBIDDEN FOR TRANSPORT ABOARD AIRCRAFT AND VESSEL.\" A package marked in "
    "accordance with this paragraph does not need to display the marking required in paragraph <A HREF=\"quarvel "
    "cite=49CFR173.185(c)(1)(iii)\">(c)(1)(iii)</A> of this section.</TD><TR><TD>@NEXT");

const QString kGraphicsCell = QStringLiteral("<TR><TD ALIGN=\"CENTER\" VALIGN=\"TOP\"><B>")
                              + QStringLiteral("<FONT FACE=\"ARIAL\" SIZE=\"2\">Package Marking Graphics</FONT></B>");
const QString kInstructionsCell = QStringLiteral(
    "<TR><TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\"><B><FONT FACE=\"ARIAL\" SIZE=\"2\">Package Marking Instructions</FONT><B></TD>");

} // namespace

MarkingAudit::MarkingAudit(AuditItem item, AuditorFolders folders) : item_(std::move(item)), folders_(std::move(folders))
{
    DataFileLines hot = folders_.readDataFile(QStringLiteral("HOT.MRK"), DataFileKind::HotMaterials);
    noteProblems(hot.problems);
    hotList_ = hot.lines;
    printEnabled_ = false;
}

QString MarkingAudit::picture(const QString &file) const
{
    return QStringLiteral("<IMG HSPACE=\"10\" VSPACE=\"10\" SRC=\"") + folders_.picturePath(QStringLiteral("Markings"), file)
           + QStringLiteral("\"> ");
}

void MarkingAudit::retry()
{
    script_.clear();
    clearView();
    pictures_.clear();
    citations_.clear();
    instructions_.clear();
    finished_ = false;
    index_ = 0;
    panelVisible_ = true;
    printEnabled_ = false;
    start();
}

void MarkingAudit::finishShowing(const QString &page)
{
    finished_ = true;
    answersEnabled_ = false;
    panelVisible_ = false;
    printEnabled_ = true;
    show(page);
}

void MarkingAudit::start()
{
    finished_ = false;
    answersEnabled_ = false;
    primary_ = item_.primary();
    name_ = scriptName(primary_, folders_.hasDataFile(QStringLiteral("1.1.DIV")), false, false).name;
    header_ = itemHeader(item_);

    if (name_.startsWith(u'7')) {
        finishShowing(QStringList{
            header_,
            QStringLiteral("<TR><TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\"><FONT FACE=\"ARIAL\" SIZE=\"2\"><B>Marking "
                           "Instructions</B></TD>"),
            QStringLiteral("<TD><FONT FACE=\"ARIAL\" SIZE=\"2\">Per <A HREF=\"quarvel cite=49CFR172.203(d)\">49 CFR "
                           "172.203(d)</A> "),
            QStringLiteral(" the shipping papers must show the specific RADIOACTIVE label and markings applied to each "
                           "package in the shipment. Refer to the shipping papers for that marking information and make "
                           "sure that they match.</FONT></TD>"),
            QStringLiteral("</TABLE></BODY></HTML>")}.join(kCrLf));
        return;
    }
    if (item_.exceptedQuantity) {
        finishShowing(QStringList{
            header_ + kGraphicsCell + QStringLiteral("<BR>")
                + QStringLiteral("<BR><CENTER><FONT FACE=\"ARIAL\" SIZE=\"1\">Applicable Regulation:<BR>")
                + QStringLiteral("<A HREF=\"quarvel cite=49CFR173.4a\">49 CFR 173.4a</A></FONT></CENTER>")
                + QStringLiteral("</TD><TD VALIGN=\"MIDDLE\" ALIGN=\"CENTER\">"),
            QStringLiteral("<TABLE>"),
            QStringLiteral("<TR><TD ALIGN=\"CENTER\"><IMG HSPACE=\"10\" VSPACE=\"10\" SRC=\"")
                + folders_.picturePath(QStringLiteral("Markings"), QStringLiteral("EQ.JPG"))
                + QStringLiteral("\"></TD></TR></TABLE>"),
            kInstructionsCell + QStringLiteral("<TD><FONT SIZE=\"1\"><FONT FACE=\"ARIAL\" SIZE=\"2\"><TABLE WIDTH=\"99%\">"),
            QStringLiteral("<tr><td><a href=\"quarvel cite=49CFR173.4a(g)(1)\">49 CFR 173.4a(g)(1)</a></td><td>The \"*\" "
                           "must be replaced by the primary hazard class, or when assigned, the division of each of the "
                           "hazardous materials contained in the package.<br>The \"**\" must be replaced by the name of "
                           "the shipper or consignee if not shown elsewhere on the package.</td></tr>"),
            QStringLiteral("</TABLE></FONT></TD></TR></TABLE></BODY></HTML>")}.join(kCrLf));
        return;
    }

    // The class script, then the built-in lines in front and the hot-material
    // question at the end.
    const QString className = name_.left(1) + QStringLiteral(".MRK");
    const QString file = folders_.hasDataFile(className) ? className : QStringLiteral("REST.MRK");
    DataFileLines lines = folders_.readDataFile(file, DataFileKind::MarkingScript);
    noteProblems(lines.problems);
    script_ = lines.lines;
    origins_.clear();
    originLines_.clear();
    for (int n : std::as_const(lines.fileLines)) {
        origins_ << file;
        originLines_ << n;
    }
    auto prepend = [this](const QString &line) {
        script_.prepend(line);
        origins_.prepend(QString());
        originLines_.prepend(0);
    };
    if (item_.id == u"UN1170") {
        prepend(kEthylAlcoholLine);
    } else if (item_.id == u"UN1057") {
        prepend(kLighterLine);
    } else if (kLithiumBatteries.contains(item_.id) && item_.ruleset > 22) {
        prepend(kLithiumHighwayLine);
        prepend(kLithiumEquipmentLine);
    }
    hotKnown_ = false;
    hotPicture_.clear();
    for (const QString &entry : std::as_const(hotList_)) {
        const qsizetype eq = entry.indexOf(u'=');
        if (eq > 0 && entry.left(eq).trimmed().compare(item_.id, Qt::CaseInsensitive) == 0) {
            hotKnown_ = true;
            hotPicture_ = entry.mid(eq + 1).trimmed();
            break;
        }
    }
    if (!hotKnown_) {
        script_ << kHotLine;
        origins_ << QString();
        originLines_ << 0;
    }

    pictures_.clear();
    instructions_.clear();
    citations_.clear();
    itemEntries();

    if (primary_ == u"6.2" && item_.tableNonBulk199 && item_.ruleset > 2 && item_.hasExemption(15)) {
        const QString page =
            QStringLiteral("<HTML><HEAD></HEAD><BODY>") + header_ + kGraphicsCell
            + QStringLiteral("<BR><BR><CENTER><FONT FACE=\"ARIAL\" SIZE=\"1\">Applicable Regulation:<BR><A HREF=\"quarvel "
                             "cite=49CFR173.199(a)(5)\">49 CFR 173.199(a)(5)</A></FONT></CENTER></TD><TD VALIGN=\"MIDDLE\" "
                             "ALIGN=\"CENTER\"><TABLE><TR><TD ALIGN=\"CENTER\">")
            + picture(QStringLiteral("UN3373.gif")) + QStringLiteral("</TD></TR></TABLE></TD></TR>") + kInstructionsCell
            + QStringLiteral("<TD><FONT FACE=\"ARIAL\" SIZE=\"2\"><TABLE WIDTH=\"99%\">"
                             "<TR><TD><A HREF=\"quarvel cite=49CFR173.199(a)(5)\">49 CFR 173.199(a)(5)</A></TD><TD>Proper "
                             "Shipping Name \"Biological substances, Category B\" is required.</TD></TR>"
                             "<TR><TD><A HREF=\"quarvel cite=49CFR173.199(a)(7)\">49 CFR 173.199(a)(7)</A></TD><TD>The name "
                             "and telephone number of a person who is either knowledgeable about the material being "
                             "shipped and has comprehensive emergency response and incident mitigation information for "
                             "the material, or has immediate access to a person who possesses such knowledge and "
                             "information, must be included on a written document (such as an air waybill or bill of "
                             "lading) or on the outer packaging.</TD></TR></TABLE></FONT></TD></TR>")
            + QStringLiteral("</TABLE></BODY></HTML>");
        finishShowing(page);
        return;
    }
    index_ = 0;
    showLine(0);
    if (!finished_)
        answersEnabled_ = true;
}

void MarkingAudit::itemEntries()
{
    const AuditItem &it = item_;
    const bool hsOrHw = it.hazardousSubstance || it.hazardousWaste;
    // 1: limited quantity mark.
    if (!it.bulk && !it.exceptedQuantity && it.limitedQuantity && primary_ != u"7") {
        citations_ << QStringLiteral("<A HREF=\"quarvel cite=49CFR172.315(a)\">49 CFR 172.315(a)</A><BR>");
        pictures_ << picture(QStringLiteral("LTD_QTY.GIF"));
        instructions_ << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR172.315(a)\">49 172.315(a)</A></TD><TD>Limited "
                                        "quantity marking</TD></TR>");
    }
    // 2: non-bulk name, ID number and consignee.
    if (!it.bulk && !it.exceptedQuantity && (!it.limitedQuantity || hsOrHw)) {
        instructions_ << QStringLiteral("<TR><TD WIDTH=\"28%\"><A HREF=\"quarvel cite=49CFR172.301(a)\">49 CFR "
                                        "172.301(a)(1)</A> </TD><TD WIDTH=\"72%\">Proper shipping name and ID Number is "
                                        "required.</TD></TR>");
        if (primary_ != u"6.2" && !hsOrHw && it.symbolG) {
            instructions_ << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR172.301(b)\">49 CFR 172.301(b)</A></TD><TD>"
                                            "Technical name in parentheses required.</TD></TR>");
        } else if (hsOrHw && primary_ != u"7") {
            instructions_ << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR172.324(a)\">49 CFR 172.324(a)</A></TD><TD>If "
                                            "not identified in proper shipping name, the hazardous substance must be "
                                            "marked on the package, in parentheses, in association with the proper "
                                            "shipping name.</TD></TR>");
            if (it.hazardousSubstance)
                instructions_ << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR172.324(b)\">49 CFR 172.324(b)</A></TD>"
                                                "<TD>\"RQ\" must be marked on the package in association with the proper "
                                                "shipping name</TD></TR>");
            if (it.hazardousWaste)
                instructions_ << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR172.324(a)\">49 CFR 172.324(a)</A></TD>"
                                                "<TD>The waste code (e.g., D001), if appropriate, may be used to identify "
                                                "the hazardous substance.</TD></TR>");
        }
        instructions_ << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR172.301(d)\">49 CFR 172.301(d)</A></TD><TD>"
                                        "Consignee's or consignor's name and address on packages.</TD></TR>");
    }
    // 3: bulk ID number.
    if (it.bulk && !it.limitedQuantity && !it.exceptedQuantity)
        instructions_ << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR172.302(a)\">49 CFR 172.302(a)</A></TD><TD>"
                                        "Requires ID number</TD></TR>");
    // 4: exemption 26, 173.151(e)(2).
    if (it.hasExemption(26))
        instructions_ << QStringLiteral("<TR><TD><a href=\"quarvel cite=49CFR173.151(e)(2)\">49 CFR 173.151(e)(2)</a></TD>"
                                        "<TD>Each inner plastic bottle, outer metal can, and barrier bag must be marked "
                                        "with:</TD></TR>")
                      << QStringLiteral("<TR><TD>&nbsp;</TD><TD><ul><li>Chemical name</li><li>Quantity</li><li>Name and "
                                        "address of the offeror</li></ul></TD></TR>")
                      << QStringLiteral("<TR><TD><a href=\"quarvel cite=49CFR173.151(e)(2)\">49 CFR 173.151(e)(2)</a></TD>"
                                        "<TD>Each outer packaging must be marked with:</TD></TR>")
                      << QStringLiteral("<TR><TD>&nbsp;</TD><TD><ul><li>Proper shipping name</li><li>Identification "
                                        "number <a href=\"quarvel cite=49CFR172.301(a)\">§172.301</a></li><li>\"FOR "
                                        "TRANSPORT BY MOTOR VEHICLE ONLY.\"</li></ul></TD></TR>");
    // 5: marine pollutant in bulk.
    if (it.marinePollutant && !it.hasExemption(22) && it.bulk) {
        citations_ << QStringLiteral("<A HREF=\"quarvel cite=49CFR172.322(b)\">49 CFR 172.322(b)</A><BR>");
        pictures_ << picture(QStringLiteral("FISH.GIF"));
        instructions_ << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR172.322(b)\">49 172.322(b)</A></TD><TD>Requires "
                                        "MARINE POLLUTANT mark</TD></TR>");
    }
    // 6: poisonous by inhalation.
    if (it.poisonByInhalation) {
        instructions_ << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR172.313(a)\">49 CFR 172.313(a)</A></TD><TD>"
                                        "\"Inhalation Hazard\"</TD></TR>")
                      << QStringLiteral("<TR><TD>&nbsp;</TD><TD><li>The marking must be on two opposing sides of a bulk "
                                        "packaging.</li><li>If the words \"Inhalation Hazard\" appear on a label, or "
                                        "placard then the \"Inhalation Hazard\" marking is not required on the "
                                        "package.</li></ul></TD></TR>");
        if (!it.bulk && !it.limitedQuantity && primary_ == u"6.1") {
            instructions_ << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR172.313(b)\">49 CFR 172.313(b)</A></TD><TD>"
                                            "\"POISON\"</TD></TR>")
                          << QStringLiteral("<TR><TD>&nbsp;</TD><TD><ul><li>Permanently marked, by embossment or other "
                                            "durable means</li><li>Letters at least 6.3 mm (0.25 inch) in height</li><li>The "
                                            "marking shall be located within 150 mm (6 inches) of the closure of the "
                                            "packaging</li><li>Additional text or symbols related to hazard warning may be "
                                            "included in the marking</li></ul></TD></TR>");
            if (it.packingGroup == 3)
                instructions_ << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR172.313(d)\">49 CFR 172.313(d)</A></TD>"
                                                "<TD>\"PG III\" may be marked adjacent to the POISON label. (See <a "
                                                "href=\"quarvel cite=49CFR172.405(c)\">§172.405(c)</a>.)</TD></TR>");
        }
    }
    // 7: bulk sour crude oil.
    if (it.bulkSourCrudeOil) {
        citations_ << QStringLiteral("<A HREF=\"quarvel cite=49CFR172.327\">49 CFR 172.327</A><BR>");
        pictures_ << picture(QStringLiteral("sourcrude.GIF"));
        instructions_ << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR172.327\">49 CFR 172.327</A></TD><TD>When using "
                                        "the Danger, Possible Hydrogen Sulfide Inhalation Hazard marking, it must be "
                                        "displayed in each location vapors may occur.</TD></TR>");
    }
    // 8: hazardous waste containers (EPA).
    if (it.hazardousWaste && !it.bulk)
        instructions_ << QStringLiteral("<TR><TD>40 CFR 262.32(b)</TD><TD>Each container</B> must be marked with the "
                                        "following:</TD></TR>")
                      << QStringLiteral("<TR><TD>40 CFR 262.32(b)(1)</TD><TD>HAZARDOUS WASTE</B>-Federal Law Prohibits "
                                        "Improper Disposal. If found, contact the nearest police or public safety "
                                        "authority or the U.S. Environmental Protection Agency. </TD></TR>")
                      << QStringLiteral("<TR><TD>40 CFR 262.32(b)(2)</TD><TD>Generator's Name and Address "
                                        "_____________________</TD></TR>")
                      << QStringLiteral("<TR><TD>40 CFR 262.32(b)(3)</TD><TD>Generator's EPA Identification Number "
                                        "_______________</TD></TR>")
                      << QStringLiteral("<TR><TD>40 CFR 262.32(b)(4)</TD><TD>Manifest Tracking Number "
                                        "_________________________</TD></TR>")
                      << QStringLiteral("<TR><TD>40 CFR 262.32(b)(5)</TD><TD>EPA Hazardous Waste Number(s) "
                                        "____________________</TD></TR>");
    // 9: reverse logistics.
    if (it.reverseLogistics)
        instructions_ << QStringLiteral(
            "<TR><TD><A HREF=\"quarvel cite=49CFR173.157(d)\">40 CFR 173.157(d)</A></TD><TD><I>Hazard communication.</I> "
            "Hazardous materials offered for transportation and transported by private carrier in accordance with "
            "paragraph (c) of this section may use the marking \"REVERSE LOGISTICS - HIGHWAY TRANSPORT ONLY - UNDER <A "
            "HREF=\"quarvel cite=173.157\">49 CFR 173.157</A>\" as an alternative to the surface limited quantity marking "
            "found under <A HREF=\"quarvel cite=172.315(a)\">&sect;172.315(a)</A>. Size marking requirements found in <A "
            "HREF=\"quarvel cite=49CFR1172.301(a)(1)\">&sect;172.301(a)(1)</A> apply.</TD></TR>");
    // 10: explosives, EX-numbers.
    if (name_.startsWith(u'1'))
        instructions_ << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR172.320(a)\">49 CFR 172.320(a)</A>-(b)</TD><TD>"
                                        "EX-number marking requirements.</TD></TR>")
                      << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR172.320(e)\">49 CFR 172.320(e)</A></TD><TD>"
                                        "EX-number marking exemptions.</TD></TR>");
    // 11: lighters.
    if (it.id == u"UN1057")
        instructions_ << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR173.308(d)(2)\">49 CFR 173.308(d)(2)</A></TD><TD>"
                                        "A lighter design test report identifier (see paragraph <A HREF=\"quarvel "
                                        "cite=49CFR173.308(b)(4)(i)(C)\">(b)(4)(i)(C)</A> of this section) or, if "
                                        "applicable, the previously issued approval number (i.e., T* * *), must be marked "
                                        "on package</TD></TR>");
    // 12: lithium battery mark.
    if (kLithiumBatteries.contains(it.id) && it.ruleset > 22) {
        citations_ << QStringLiteral("<A HREF=\"quarvel cite=49CFR173.185(c)(3)(i)\">49 CFR 173.185(c)(3)(i)</A><BR>");
        pictures_ << picture(QStringLiteral("lithiumcells.gif"));
        instructions_
            << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR173.185(c)(3)\">49 CFR 173.185(c)(3)</A></TD><TD><i>Lithium "
                              "battery mark</i>. Each package must display the lithium battery mark except when a package "
                              "contains only button cell batteries contained in equipment (including circuit boards), or "
                              "when a consignment contains two packages or fewer where each package contains not more "
                              "than four lithium cells or two lithium batteries contained in equipment.</TD></TR>")
            << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR173.185(c)(3)(i)\">49 CFR 173.185(c)(3)(i)</A></TD><TD>The "
                              "mark must indicate the UN number: The mark must indicate the UN number: \"UN3090\" for "
                              "lithium metal cells or batteries, or \"UN3480\" for lithium ion cells or batteries. Where "
                              "the lithium cells or batteries are contained in, or packed with, equipment, the UN number "
                              "\"UN3091\" or \"UN3481,\" as appropriate, must be indicated. Where a package contains "
                              "lithium cells or batteries assigned to different UN numbers, all applicable UN numbers must "
                              "be indicated on one or more marks. The package must be of such size that there is adequate "
                              "space to affix the mark on one side without the mark being folded.</TD></TR>")
            << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR173.185(c)(3)(i)(A)\">49 CFR 173.185(c)(3)(i)(A)</A></TD>"
                              "<TD>The mark must be in the form of a rectangle or a square with hatched edging. The mark "
                              "must be not less than 100 mm (3.9 inches) wide by 100 mm (3.9 inches) high, and the "
                              "minimum width of the hatching must be 5 mm (0.2 inches), except marks of 100 mm (3.9 "
                              "inches) wide by 70 mm (2.8 inches) high may be used on a package containing lithium "
                              "batteries when the package is too small for the larger mark;</TD></TR>")
            << QStringLiteral("<TR><TD><A HREF=\"quarvel cite=49CFR173.185(c)(3)(i)(C)\">49 CFR 173.185(c)(3)(i)(C)</A></TD>"
                              "<TD>The \"*\" must be replaced by the appropriate UN number(s)</TD></TR>");
    }
}

void MarkingAudit::showLine(qsizetype i)
{
    if (finished_)
        return;
    if (i < 0 || i >= script_.size()) {
        // Past the last line (both answers of the hot-material question
        // come here): finish as "STOP" does.
        index_ = script_.size();
        finished_ = true;
        markingAction(QStringLiteral("STOP"));
        finishShowing(view_);
        return;
    }
    index_ = i;
    const ScriptLine s = splitScriptLine(script_.at(i));
    noAction_ = s.noAction.startsWith(u'@') ? s.citation + s.noAction : s.noAction;
    yesAction_ = s.yesAction.startsWith(u'@') ? s.citation + s.yesAction : s.yesAction;
    QStringList page{QStringLiteral("<HTML><HEAD></HEAD><BODY>"),
                     header_ + QStringLiteral("</TABLE></CENTER><BR><FONT FACE=\"ARIAL\" SIZE=\"2\">")};
    if (!s.citation.isEmpty())
        page << QStringLiteral("<A HREF=\"quarvel cite=%1\"><B>%2</B></A> <B>:</B><BR><BR>").arg(s.citeKey, s.citation);
    page << s.question << QStringLiteral("<BR></BODY></HTML>");
    show(page.join(kCrLf));
}

void MarkingAudit::answer(bool yes)
{
    if (finished_ || !answersEnabled_)
        return;
    lastAnswer_ = yes ? QStringLiteral("1") : QStringLiteral("0");
    const QString a = yes ? yesAction_ : noAction_;
    const qsizetype i = index_;
    if (a == u"NEXT") {
        showLine(i + 1);
        return;
    }
    if (a.contains(u"@GIF:") || a.contains(u"@TEXT:") || a == u"STOP") {
        if (a.contains(u"@NEXT")) {
            index_ = i + 1;
            markingAction(a);
            showLine(i + 1);
        } else if (a.contains(u"STOP")) {
            finished_ = true;
            markingAction(a);
            finishShowing(view_);
        }
        return;
    }
    // A script error: the message names the file and its line.
    clearView();
    panelVisible_ = false;
    answersEnabled_ = false;
    const QString file = origins_.value(i);
    const int line = originLines_.value(i);
    message(AuditMessage::Kind::Error,
            file.isEmpty() ? QStringLiteral("Division file \"%1.MRK\" contains errors on line %2.").arg(primary_).arg(i + 1)
                           : QStringLiteral("Division file \"%1\" contains errors on line %2.").arg(file).arg(line));
    finished_ = true;
    script_.clear();
}

void MarkingAudit::markingAction(const QString &a)
{
    QString citation, body = a;
    const qsizetype first = a.indexOf(u'@');
    const qsizetype last = a.lastIndexOf(u'@');
    if (first >= 0 && first != last) {
        citation = a.left(first).trimmed();
        body = a.mid(first + 1, last - first - 1).trimmed();
    }
    const QString key = citeKey(citation);
    if (const qsizetype t = body.indexOf(QStringLiteral("TEXT:"), 0, Qt::CaseInsensitive); t >= 0) {
        const QString text = body.mid(t + 5).trimmed();
        instructions_ << text;
        if (text.contains(u"172.331(b)")) {
            for (qsizetype k = instructions_.size() - 1; k >= 0; --k)
                if (instructions_.at(k).contains(u"172.302(a)")) {
                    instructions_.removeAt(k);
                    break;
                }
        }
    }
    if (const qsizetype g = body.indexOf(QStringLiteral("GIF:"), 0, Qt::CaseInsensitive); g >= 0) {
        const qsizetype from = g + 4;
        QString file;
        const QString extensions[] = {QStringLiteral(".GIF"), QStringLiteral(".JPG")};
        for (const QString &ext : extensions) {
            const qsizetype e = body.indexOf(ext, 0, Qt::CaseInsensitive);
            if (e >= from) {
                file = body.mid(from, e + 4 - from).trimmed();
                if (!file.isEmpty())
                    break;
            }
        }
        // A picture without an extension the audit knows runs to the next "@".
        if (file.isEmpty())
            file = body.mid(from).section(u'@', 0, 0).trimmed();
        citations_ << (citation.isEmpty() ? QStringLiteral("N/A")
                                          : QStringLiteral("<A HREF=\"quarvel cite=%1\">%2</A><BR>").arg(key, citation));
        pictures_ << picture(file);
    }
    if (!finished_)
        return;
    finalPage();
}

void MarkingAudit::finalPage()
{
    if (hotKnown_) {
        citations_ << QStringLiteral("<A HREF=\"quarvel cite=49CFR172.325\">49 CFR 172.325:</A><BR>");
        pictures_ << picture(hotPicture_);
    }
    QString page = header_;
    if (citations_.isEmpty()) {
        page += kGraphicsCell + QStringLiteral("</TD><TD>");
    } else {
        page += kGraphicsCell + QStringLiteral("<BR><BR><CENTER>")
                + (citations_.size() == 1 ? QStringLiteral("<FONT FACE=\"ARIAL\" SIZE=\"1\">Applicable Regulation:<BR>")
                                          : QStringLiteral("<FONT FACE=\"ARIAL\" SIZE=\"1\">Applicable Regulations:<BR>"))
                + citations_.join(kCrLf) + QStringLiteral("</FONT></CENTER></TD><TD VALIGN=\"MIDDLE\" ALIGN=\"CENTER\">");
    }
    if (pictures_.isEmpty()) {
        page += QStringLiteral("<FONT SIZE=\"2\">N/A</FONT></TD></TR>");
    } else {
        page += QStringLiteral("<TABLE>");
        for (const QString &p : std::as_const(pictures_))
            page += QStringLiteral("<TR><TD ALIGN=\"CENTER\">") + p + QStringLiteral("</TD></TR>");
        page += QStringLiteral("</TABLE>");
    }
    page += kInstructionsCell + QStringLiteral("<TD><FONT SIZE=\"1\">");
    if (instructions_.isEmpty())
        page += QStringLiteral("<FONT SIZE=\"2\">N/A</FONT>");
    else
        page += QStringLiteral("<FONT FACE=\"ARIAL\" SIZE=\"2\"><TABLE WIDTH=\"99%\">") + instructions_.join(kCrLf)
                + QStringLiteral("</TABLE></FONT>");
    page += QStringLiteral("</TD></TR></TABLE></BODY></HTML>");
    show(page);
}

} // namespace velmora::auditors

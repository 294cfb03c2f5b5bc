#include "auditors/scripts/label_audit.h"

#include "auditors/scripts/item_header.h"

namespace velmora::auditors {

namespace {

const QString kPrimaryHeading = QStringLiteral(
    "<TR><TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\"><FONT FACE=\"ARIAL\" SIZE=\"2\"><B>Primary Label</B></TD>");
const QString kSubsidiaryHeading = QStringLiteral(
    "<TR><TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\"><FONT FACE=\"ARIAL\" SIZE=\"2\"><B>Subsidiary Label(s)</B></TD>");
const QString kNotApplicable = QStringLiteral("<TD><FONT FACE=\"ARIAL\" SIZE=\"2\">N/A</FONT></TD>");
const QString kTableOpener = QStringLiteral("    <TD ALIGN=\"CENTER\"><TABLE WIDTH=\"95%\"><TR>");
const QString kInstructionsHeading = QStringLiteral(
    "<TR><TD ALIGN=\"CENTER\"><FONT FACE=\"ARIAL\" SIZE=\"2\"><B>Labeling Instructions</B></TD>");

QString exemptCell(const QString &citation)
{
    return QStringLiteral("<TD><FONT FACE=\"ARIAL\"  SIZE=\"2\">Exempt from labeling according to &nbsp;<A HREF=\"quarvel "
                          "cite=%1\"><B>%2</B></A></FONT></TD>")
        .arg(citeKey(citation), citation);
}

QString questionLine(const QString &citation, const QString &question)
{
    return citation + u'|' + question + QStringLiteral("|NEXT|NO_PRIM@") + citation;
}

const QStringList kLithiumBatteries = {QStringLiteral("UN3090"), QStringLiteral("UN3091"), QStringLiteral("UN3480"),
                                       QStringLiteral("UN3481")};

const QString kAirBagLine = questionLine(
    QStringLiteral("49 CFR 173.166(d)"),
    QStringLiteral("Is this hazmat an air bag inflator, module or seatbelt pretensioner that is already installed in a "
                   "motor vehicle or completed vehicle components?"));

// Parses "ACTION@citation@picture@continuation".
void parseLabelAction(const QString &action, QString &citation, QString &picture)
{
    const QStringList parts = action.split(u'@');
    citation = parts.size() > 1 ? parts[1].trimmed() : QString();
    picture = parts.size() > 3 ? parts[2].trimmed() : QString();
}

} // namespace

LabelAudit::LabelAudit(AuditItem item, AuditorFolders folders) : item_(std::move(item)), folders_(std::move(folders))
{
    DataFileLines names = folders_.readDataFile(QStringLiteral("LABELS.TXT"), DataFileKind::PictureNames);
    noteProblems(names.problems);
    labelNames_ = names.lines;
    printEnabled_ = true;
}

void LabelAudit::retry()
{
    subPictures_.clear();
    subCitations_.clear();
    script_.clear();
    page_.clear();
    result_.clear();
    clearView();
    finished_ = false;
    primaryPhase_ = true;
    index_ = 0;
    panelVisible_ = true;
    printEnabled_ = false;
    start();
}

void LabelAudit::start()
{
    finished_ = false;
    primaryPhase_ = true;
    radioactive_ = false;
    answersEnabled_ = false;
    primary_ = item_.primary();
    packingGroup_ = packingGroupText(item_.packingGroup);
    subsidiaries_ = subsidiaryList(item_);

    const ScriptName s = auditors::scriptName(primary_, folders_.hasDataFile(QStringLiteral("1.1.DIV")), true,
                                    item_.poisonByInhalation);
    name_ = s.name;
    suffix_ = s.explosiveSuffix;
    header_ = itemHeader(item_);

    if (item_.exceptedQuantity) {
        exemptPage(exemptCell(QStringLiteral("49 CFR 173.4a")));
        return;
    }
    poisonPg3_ = name_ == u"6.12" && item_.packingGroup == 3;
    radioactive_ = name_ == u"7";
    if (name_ == u"8")
        message(AuditMessage::Kind::Information,
                QStringLiteral("No label is required if shipper/filler has determined that the corrosive being shipped "
                               "will not react with Aluminum or Steel."));

    DataFileLines division = folders_.readDataFile(name_ + QStringLiteral(".DIV"), DataFileKind::LabelScript);
    noteProblems(division.problems);
    script_ = division.lines;

    if (primary_.startsWith(u'7') && !script_.isEmpty() && script_.first().startsWith(u'#')) {
        exemptPage(QStringLiteral("<TD><FONT FACE=\"ARIAL\"  SIZE=\"2\">Per <A HREF=\"quarvel cite=49CFR172.203(d)\">49 "
                                  "CFR 172.203(d)</A> ")
                   + QStringLiteral(" the shipping papers must show the specific RADIOACTIVE label applied to each "
                                    "package in the shipment. ")
                   + QStringLiteral("Refer to the shipping papers for that label information and make sure that they "
                                    "match.</FONT></TD>"));
        return;
    }

    DataFileLines subsidiary = folders_.readDataFile(QStringLiteral("SUBSIDIARY.DIV"), DataFileKind::LabelScript);
    noteProblems(subsidiary.problems);
    script_ += subsidiary.lines;

    insertBuiltInLines(true);

    if (item_.id == u"UN0349" || item_.id == u"NA0337") {
        exemptPage(exemptCell(QStringLiteral("49 CFR 172.102(382)")));
        return;
    }
    if (name_ == u"3.0" && !script_.isEmpty() && script_.first().startsWith(u'#')) {
        exemptPage(exemptCell(QStringLiteral("49 CFR 173.150(f)")));
        return;
    }
    insertBuiltInLines(false);

    index_ = 0;
    showLine(0);
    if (!finished_)
        answersEnabled_ = true;
}

void LabelAudit::insertBuiltInLines(bool firstGroupOnly)
{
    const QString &id = item_.id;
    if (firstGroupOnly) {
        if (name_ != u"2.2")
            return;
        if (id == u"UN3353")
            script_.prepend(kAirBagLine);
        else if (QStringList{"UN1003", "UN1073", "UN1913", "UN1951", "UN1963", "UN1970", "UN1977", "UN2591"}.contains(id))
            script_.prepend(questionLine(QStringLiteral("49 CFR 173.320(a)"),
                                         QStringLiteral("Is this hazmat in Dewar flasks, insulated cylinders, insulated "
                                                        "portable tanks, insulated cargo tanks, designed to not exceed "
                                                        "25.3 psig?")));
        else if (id == u"UN2857")
            script_.prepend(questionLine(QStringLiteral("49 CFR 173.307(a)(4)"),
                                         QStringLiteral("Is this hazmat a refrigerating machine meeting all the "
                                                        "requirements of <A HREF=\"quarvel cite=49CFR173.307(a)(4)\">49 "
                                                        "CFR 173.307(a)(4)</A>-(a)(4)(v)?")));
        return;
    }
    // Group 2.
    if (name_ == u"4.3" && id == u"UN3292")
        script_.prepend(questionLine(QStringLiteral("49 CFR 173.189(e)"),
                                     QStringLiteral("Is this hazmat a battery containing sodium or cells containing "
                                                    "sodium already installed as part of a motor vehicle?")));
    // Group 3.
    if (name_ == u"8") {
        if (item_.hasExemption(2))
            script_.prepend(QStringLiteral("49 CFR 173.159(e)|?Yes|NEXT|NO_PRIM@49 CFR 173.159(e)"));
        else if (item_.hasExemption(1))
            script_.prepend(QStringLiteral("49 CFR 173.159(d)|?Yes|NEXT|NO_PRIM@49 CFR 173.159(d)"));
        else if (id == u"UN2809")
            script_.prepend(questionLine(QStringLiteral("49 CFR 173.164(b)"),
                                         QStringLiteral("Is this hazmat a manufactured article containing no more than "
                                                        "100mg of mercury and packaged to not exceed 1 gram per "
                                                        "package?")));
        else if (id == u"UN2803")
            script_.prepend(questionLine(QStringLiteral("49 CFR 173.162(c)"),
                                         QStringLiteral("Is this hazmat a manufactured article containing no more than "
                                                        "100mg of gallium and packaged to not exceed 1 gram per "
                                                        "package?")));
    }
    // Group 4.
    if (name_ == u"9") {
        if (id == u"UN3268")
            script_.prepend(kAirBagLine);
        else if (kLithiumBatteries.contains(id))
            script_.prepend(questionLine(QStringLiteral("49 CFR 173.185(b)"),
                                         QStringLiteral("Is this hazmat a lithium battery or cell, meeting all the "
                                                        "requirements of <A HREF=\"quarvel cite=49CFR173.185(b)\">49 CFR "
                                                        "173.185(b)</A>-(c)(4)?")));
        else if (id == u"UN2212" || id == u"NA2212" || id == u"UN2590")
            script_.prepend(questionLine(QStringLiteral("49 CFR 173.216(b)"),
                                         QStringLiteral("Is this hazmat asbestos immersed or fixed in a natural or "
                                                        "artificial binder, or contained within a manufactured product?")));
        else if (id == u"UN3072" || id == u"UN2990")
            script_.prepend(questionLine(QStringLiteral("49 CFR 173.219(c)"),
                                         QStringLiteral("Is this hazmat a life saving device containing materials not "
                                                        "otherwise subject to 49 CFR?")));
    }
    // Group 5.
    if (name_.startsWith(u'1'))
        script_.prepend(questionLine(QStringLiteral("49 CFR 172.400a(a)(2)"),
                                     QStringLiteral("Is this a package or unit of military explosives shipped by or on "
                                                    "behalf of the DOD, in freight containerload, carload or truckload "
                                                    "shipments, if loaded and unloaded by the shipper or DOD?")));
    else
        script_.prepend(questionLine(QStringLiteral("49 CFR 172.400a(a)(3)"),
                                     QStringLiteral("Has the package been loaded and unloaded under DOD supervision, and "
                                                    "escorted by DOD in separate vehicle?")));
    // Group 6: a limited quantity, unless a Division 6.1 label of the table
    // or a packing group I solid, reactive, oxidizer or corrosive rules it out.
    if (item_.limitedQuantity) {
        const bool labeledPoison = QStringList{"COMB", "3", "4.1", "4.3", "5.1", "8"}.contains(primary_)
                                   && item_.tableLabelsDivision61;
        const bool packingGroupI = QStringList{"4.1", "4.3", "5.1", "8"}.contains(primary_) && item_.packingGroup != 2
                                   && item_.packingGroup != 3;
        if (!labeledPoison && !packingGroupI)
            script_.prepend(QStringLiteral("49 CFR 172.400a(b)|?Yes|NEXT|NO_PRIM@49 CFR 172.400a(b)"));
    }
    // Group 7.
    if (item_.hasExemption(15))
        script_.prepend(QStringLiteral("49 CFR 173.199|?Yes|NEXT|NO_PRIM@49 CFR 173.199"));
}

void LabelAudit::exemptPage(const QString &cell)
{
    QStringList page{header_, kPrimaryHeading, cell, kSubsidiaryHeading, kNotApplicable,
                     QStringLiteral("</TABLE></BODY></HTML>")};
    page_ = page;
    show(page.join(QStringLiteral("\r\n")));
    answersEnabled_ = false;
    finished_ = true;
}

void LabelAudit::showLine(qsizetype i)
{
    // Directives answer themselves; the loop runs until a question is shown
    // or the audit ends.
    while (!finished_) {
        if (i < 0 || i >= script_.size()) {
            runOffEnd();
            return;
        }
        index_ = i;
        page_.clear();
        QString line = script_.at(i);
        if (subsidiaries_ == u"3" && packingGroup_ == u"III" && line.contains(u"?DIV 3?"))
            line = QStringLiteral("49 CFR 172.402(a)(2)|Does this material have a flashpoint at or above 38° C (100° "
                                  "F)?|SUB@49 CFR 172.419@3flmliq.jpg@NEXT|NEXT");
        const ScriptLine s = splitScriptLine(line);
        noAction_ = s.noAction;
        yesAction_ = s.yesAction;
        overpack_ = s.question.contains(u"Is the hazmat in an overpack");
        if (s.question.startsWith(u"?DIV") || s.question.startsWith(u"?Yes") || s.question.startsWith(u"?No")) {
            answerDirective(s.question);
            i = index_ + 1;
            continue;
        }
        page_ << QStringLiteral("<HTML><HEAD></HEAD><BODY>")
              << header_ + QStringLiteral("</TABLE></CENTER><BR><FONT FACE=\"ARIAL\" SIZE=\"2\">");
        if (!s.citation.isEmpty())
            page_ << QStringLiteral("<A HREF=\"quarvel cite=%1\"><B>%2</B></A> <B>:</B><BR><BR>").arg(s.citeKey, s.citation);
        page_ << s.question << QStringLiteral("<BR></BODY></HTML>");
        show(page_.join(QStringLiteral("\r\n")));
        return;
    }
}

// An answer or a directive that moves past the last line finishes the audit
// as "STOP" does: with the labels found so far, or, when not even the
// primary label is known, with a page that says the script ended.
void LabelAudit::runOffEnd()
{
    index_ = script_.size();
    if (!primaryPhase_) {
        subsidiaryBuilder(QStringLiteral("STOP"));
        return;
    }
    QStringList page{QStringLiteral("<HTML><HEAD></HEAD><BODY>"), header_, kPrimaryHeading,
                     QStringLiteral("<TD><FONT FACE=\"ARIAL\"  SIZE=\"2\">Not determined</FONT></TD>"),
                     QStringLiteral("</TABLE>"),
                     QStringLiteral("<BR><CENTER><B><FONT FACE=\"ARIAL\" SIZE=\"2\">The label script for Division %1 "
                                    "ended without a label decision.</FONT></B></CENTER>")
                         .arg(name_.toHtmlEscaped()),
                     QStringLiteral("</BODY></HTML>")};
    finishWith(page);
}

bool LabelAudit::answerDirective(const QString &question)
{
    if (question.startsWith(u"?DIV")) {
        QString code = question.mid(4).trimmed();
        if (code.endsWith(u'?'))
            code = code.left(code.indexOf(u'?')).trimmed();
        if (code.isEmpty())
            return false;
        const bool yes = code != primary_
                         && (subsidiaries_.startsWith(code) || subsidiaries_.contains(u',' + code));
        lastAnswer_ = yes ? QStringLiteral("AUTO_1") : QStringLiteral("AUTO_0");
        subsidiaryBuilder(yes ? yesAction_ : noAction_);
        return true;
    }
    if (question == u"?Yes") {
        lastAnswer_ = QStringLiteral("AUTO_1");
        primaryBuilder(yesAction_);
        return true;
    }
    if (question == u"?No") {
        lastAnswer_ = QStringLiteral("AUTO_0");
        primaryBuilder(noAction_);
        return true;
    }
    return false;
}

void LabelAudit::answer(bool yes)
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
    const bool labelAction = a.startsWith(u"NO_PRIM") || a == u"NO_SUB" || a.startsWith(u"PRIM@")
                             || a.startsWith(u"SUB@");
    if (primaryPhase_) {
        if (!(labelAction || (yes && a.startsWith(u"ERROR"))))
            return;
        index_ = i + 1;
        primaryBuilder(a);
        if (finished_)
            return;
        if (a.contains(u"@NEXT")) {
            result_ += page_;
            primaryPhase_ = false;
            showLine(i + 1);
        } else {
            answersEnabled_ = false;
        }
        return;
    }
    index_ = i + 1;
    // "STOP" finishes whichever answer chose it.
    if (labelAction || a == u"STOP") {
        subsidiaryBuilder(a);
        if (finished_)
            return;
        if (a.contains(u"@NEXT"))
            showLine(i + 1);
        else
            answersEnabled_ = false;
        return;
    }
    showLine(i + 1);
}

QString LabelAudit::labelPath(const QString &picture) const
{
    return folders_.picturePath(QStringLiteral("LABELS"), picture);
}

QString LabelAudit::alternativeText(const QString &picture) const
{
    const QString upper = picture.toUpper();
    for (const QString &line : labelNames_)
        if (line.toUpper().startsWith(upper)) {
            const qsizetype bar = line.indexOf(u'|');
            return bar < 0 ? QString() : line.mid(bar + 1);
        }
    return {};
}

void LabelAudit::primaryBuilder(const QString &a)
{
    page_.clear();
    result_.clear();
    page_ << QStringLiteral("<HTML><HEAD></HEAD><BODY>") << header_;
    const bool corrosiveOverride = item_.hasExemption(32);
    if (a.startsWith(u"PRIM@") || corrosiveOverride) {
        QString citation, picture;
        parseLabelAction(a, citation, picture);
        if (picture.contains(u'*') && !suffix_.isEmpty())
            picture.replace(picture.indexOf(u'*'), 1, suffix_);
        if (corrosiveOverride) {
            picture = QStringLiteral("8corrv.gif");
            citation = QStringLiteral("49 CFR 172.442");
        }
        if (!picture.isEmpty() && folders_.hasLabelPicture(picture)) {
            if (poisonPg3_) {
                picture = QStringLiteral("6pgiii.gif");
                citation = QStringLiteral("49 CFR 172.405(c)");
            } else if (item_.id == u"UN3356") {
                picture = QStringLiteral("oxygen.gif");
                citation = QStringLiteral("49 CFR 172.405(b)");
            }
            if (picture == u"9misc.gif" && kLithiumBatteries.contains(item_.id)) {
                picture = QStringLiteral("9lithbat.gif");
                citation = QStringLiteral("49 CFR 172.447");
            }
            const QString key = citeKey(citation);
            const QString text = alternativeText(picture);
            const QString linkedPicture = QStringLiteral("<TD ALIGN=\"CENTER\"><A HREF=\"quarvel cite=%1\"><IMG BORDER=\"0\" "
                                                         "ALT=\"%2\" ALIGN=\"LEFT\" SRC=\"%3\"></A>")
                                              .arg(key, text, labelPath(picture));
            if (citation.isEmpty()) {
                page_ << kPrimaryHeading << kTableOpener
                      << QStringLiteral("<TD ALIGN=\"CENTER\"><IMG ALT=\"%1\" SRC=\"%2\"><BR><BR></TD>")
                             .arg(text, labelPath(picture));
            } else if (overpack_ && folders_.hasLabelPicture(QStringLiteral("overpack.jpg"))) {
                page_ << QStringLiteral("<TR><TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\"><FONT FACE=\"ARIAL\" SIZE=\"2\"><B>Primary "
                                        "Labels</B><BR><BR><FONT FACE=\"ARIAL\" SIZE=\"1\">Applicable "
                                        "Regulations:</FONT><BR><A HREF=\"quarvel cite=%1\"><FONT FACE=\"ARIAL\" "
                                        "SIZE=\"1\">%2</FONT></A>")
                             .arg(key, citation)
                      << QStringLiteral("<BR><A HREF=\"quarvel cite=49CFR173.25\"><FONT FACE=\"ARIAL\" SIZE=\"1\">49 CFR "
                                        "173.25</FONT></A></TD>")
                      << kTableOpener << linkedPicture
                      << QStringLiteral("<TD ALIGN=\"CENTER\"><A HREF=\"quarvel cite=49CFR173.25\"><IMG BORDER=\"0\" "
                                        "ALT=\"%1\" ALIGN=\"LEFT\" SRC=\"%2\"></A></TD>")
                             .arg(alternativeText(QStringLiteral("overpack.jpg")), labelPath(QStringLiteral("overpack.jpg")));
            } else {
                page_ << QStringLiteral("<TR><TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\"><FONT FACE=\"ARIAL\" SIZE=\"2\"><B>Primary "
                                        "Label</B><BR><BR><FONT FACE=\"ARIAL\" SIZE=\"1\">Applicable "
                                        "Regulation:</FONT><BR><A HREF=\"quarvel cite=%1\"><FONT FACE=\"ARIAL\" "
                                        "SIZE=\"1\">%2</FONT></A></TD>")
                             .arg(key, citation)
                      << kTableOpener << linkedPicture + QStringLiteral("</TD>");
            }
            page_ << QStringLiteral("<TD ALIGN=\"CENTER\"><PRIM2>&nbsp;<BR></TD>")
                  << QStringLiteral("<TD ALIGN=\"CENTER\"><PRIM3>&nbsp;<BR></TD></TR></TABLE></TD>");
        }
    }

    if (corrosiveOverride) {
        page_ << QStringLiteral("</TABLE></BODY></HTML>");
        finishWith(page_);
        return;
    }
    const bool noPrimary = a.startsWith(u"NO_PRIM");
    const bool error = a.startsWith(u"ERROR");
    if (noPrimary || error) {
        const qsizetype at = a.indexOf(u'@');
        page_ << kPrimaryHeading;
        if (at < 0)
            page_ << QStringLiteral("<TD><FONT FACE=\"ARIAL\"  SIZE=\"2\">No Label Required</FONT></TD>");
        else
            page_ << exemptCell(a.mid(at + 1).trimmed());
        page_ << kSubsidiaryHeading << kNotApplicable;
        if (noPrimary) {
            page_ << QStringLiteral("</TABLE></BODY></HTML>");
        } else {
            const qsizetype star = a.indexOf(u'*');
            QString text;
            if (at >= 0 && star >= 0 && star < at)
                text = a.mid(star + 1, at - star - 1);
            page_ << QStringLiteral("</TABLE>")
                  << QStringLiteral("<BR><CENTER><B><FONT FACE=\"ARIAL\" SIZE=\"2\">%1</FONT></B></CENTER>").arg(text)
                  << QStringLiteral("</BODY></HTML>");
        }
        finishWith(page_);
        return;
    }
    if (a.contains(u"@STOP")) {
        finished_ = true;
        if (!page_.join(QString()).contains(u"Subsidiary Label(s)"))
            page_ << kSubsidiaryHeading << kNotApplicable;
        page_ << kInstructionsHeading << QStringLiteral("<TD>") << instructionLines(false)
              << QStringLiteral("</TD></TABLE></CENTER></BODY></HTML>");
        show(page_.join(QStringLiteral("\r\n")));
        answersEnabled_ = false;
        panelVisible_ = false;
        printEnabled_ = true;
    }
}

void LabelAudit::finishWith(const QStringList &page)
{
    finished_ = true;
    clearView();
    show(page.join(QStringLiteral("\r\n")));
    answersEnabled_ = false;
    panelVisible_ = false;
    printEnabled_ = true;
}

void LabelAudit::subsidiaryBuilder(const QString &a)
{
    if (item_.id == u"NA0027" && a == u"STOP" && folders_.hasLabelPicture(QStringLiteral("na0027.gif"))) {
        const QString pictures[] = {QStringLiteral("na0027.gif"), QStringLiteral("bkpdr.gif")};
        for (const QString &picture : pictures)
            subPictures_ << QStringLiteral("<A HREF=\"quarvel cite=49CFR173.170(d)\"><IMG BORDER=\"0\" ALT=\"%1\" SRC=\"%2\"></A>")
                                .arg(alternativeText(picture), labelPath(picture));
        subCitations_ << QStringLiteral("<A HREF=\"quarvel cite=49CFR173.170(d)\"><FONT FACE=\"ARIAL\" SIZE=\"1\">49 CFR "
                                        "173.170(d)</FONT></A>");
        return;
    }
    if (a.startsWith(u"SUB@") && item_.id != u"NA0027") {
        QString citation, picture;
        parseLabelAction(a, citation, picture);
        if (picture.contains(u'*') && !suffix_.isEmpty())
            picture.replace(picture.indexOf(u'*'), 1, suffix_);
        // A Division 6.1 subsidiary hazard of a material poisonous by
        // inhalation takes the POISON INHALATION HAZARD label (172.400(b)).
        if (item_.poisonByInhalation && picture.compare(u"6POISN.GIF", Qt::CaseInsensitive) == 0) {
            picture = QStringLiteral("6pih.gif");
            citation = QStringLiteral("49 CFR 172.429");
        }
        if (folders_.hasLabelPicture(picture)) {
            const QString key = citeKey(citation);
            const QString text = alternativeText(picture);
            if (!citation.isEmpty()) {
                subPictures_ << QStringLiteral("<A HREF=\"quarvel cite=%1\"><IMG BORDER=\"0\" ALT=\"%2\" ALIGN=\"LEFT\" "
                                               "SRC=\"%3\"></A>")
                                    .arg(key, text, labelPath(picture));
            } else {
                subPictures_ << QStringLiteral("<IMG ALT=\"%1\" SRC=\"%2\">").arg(text, labelPath(picture));
                subCitations_ << QStringLiteral("#");
            }
            subCitations_ << QStringLiteral("<A HREF=\"quarvel cite=%1\"><FONT FACE=\"ARIAL\" SIZE=\"1\">%2</FONT></A>")
                                 .arg(key, citation);
        }
    }
    if (a == u"NO_SUB") {
        if (!result_.join(QString()).contains(u"Subsidiary Label(s)"))
            result_ << kSubsidiaryHeading << kNotApplicable;
        result_ << QStringLiteral("</TABLE></BODY></HTML>");
    } else if (a.contains(u"STOP")) {
        if (subPictures_.size() == 1) {
            result_ << QStringLiteral("<TR><TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\"><FONT FACE=\"ARIAL\" SIZE=\"2\"><B>Subsidiary "
                                      "Label</B><BR><BR><FONT FACE=\"ARIAL\" SIZE=\"1\">Applicable Regulation:</FONT><BR>")
                           + subCitations_.value(0) + QStringLiteral("</FONT></A></TD>")
                    << QStringLiteral("<TD ALIGN=\"CENTER\"><TABLE WIDTH=\"95%\"><TR>")
                    << QStringLiteral("    <TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\">") + subPictures_.first() + QStringLiteral("</TD>")
                    << QStringLiteral("     <TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\"><SUBSID2> &nbsp;<BR><BR></TD>")
                    << QStringLiteral("     <TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\"><SUBSID3> &nbsp;<BR><BR></TD>")
                    << QStringLiteral(" </TABLE></TD>");
        } else if (subPictures_.size() > 1) {
            result_ << QStringLiteral("<TR><TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\"><FONT FACE=\"ARIAL\" SIZE=\"2\"><B>Subsidiary "
                                      "Labels</B><BR><BR><FONT FACE=\"ARIAL\" SIZE=\"1\">Applicable Regulations:</FONT><BR>");
            for (const QString &c : std::as_const(subCitations_))
                result_ << c + QStringLiteral("<BR>");
            result_ << QStringLiteral("</FONT></A></TD>") << kTableOpener;
            for (const QString &p : std::as_const(subPictures_))
                result_ << QStringLiteral("<TD ALIGN=\"CENTER\" VALIGN=\"MIDDLE\">") + p + QStringLiteral("</TD>");
            result_ << QStringLiteral("</TABLE></TD>");
        } else {
            result_ << kSubsidiaryHeading << kNotApplicable;
        }
        result_ << kInstructionsHeading << QStringLiteral("<TD>") << instructionLines(true)
                << QStringLiteral("</TD></TABLE></BODY></HTML>");
    } else {
        return;
    }
    finished_ = true;
    show(result_.join(QStringLiteral("\r\n")));
    answersEnabled_ = false;
    panelVisible_ = false;
    printEnabled_ = true;
}

QStringList LabelAudit::instructionLines(bool subsidiaryFinish)
{
    DataFileLines file = folders_.readDataFile(QStringLiteral("INSTRUCTIONS.TXT"), DataFileKind::HtmlLines);
    noteProblems(file.problems);
    QStringList lines = file.lines;
    if (subsidiaryFinish && item_.id == u"UN0143") {
        bool poisonLabel = false;
        for (const QString &p : subPictures_)
            poisonLabel = poisonLabel || p.contains(u"6POISN.GIF", Qt::CaseInsensitive);
        if (poisonLabel)
            lines.insert(std::min<qsizetype>(1, lines.size()),
                         QStringLiteral("<TR><TD><NOBR><a href=\"quarvel cite=49CFR172.102(125)\">49 CFR "
                                        "172.102(125)</A>&nbsp;&nbsp;&nbsp;&nbsp;</NOBR></TD><TD><B>Special Provision "
                                        "125:</B> Subsidiary label waiver.</TD>"));
    }
    QStringList kept;
    for (const QString &line : lines)
        if (radioactive_ || !line.contains(u"radioactive"))
            kept << line;
    return kept;
}

} // namespace velmora::auditors

#include "refviews/table_entry_view.h"
#include "viewer/reference_links.h"

#include "app/hazmat_library.h"

#include <dravlen.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <set>

namespace velmora {

namespace {

// Column codes of a table row (49 CFR 172.101(c)-(k)).
enum Column {
    Symbols = 0, ProperShippingName = 1, HazardClass = 2, IdNumber = 3, PackingGroup = 4,
    LabelCodes = 5, SpecialProvisions = 6, Exceptions = 7, NonBulk = 8, Bulk = 9,
    PassengerLimit = 10, CargoLimit = 11, StowageLocation = 12, StowageOther = 13, CasNumbers = 15
};

QString text(const char *s) { return s ? fromLibraryText(s) : QString(); }

QStringList elements(const CTRec *row, int slot, int code)
{
    QStringList list;
    const int n = GetNumElements_CTRec(row, slot, code);
    for (int i = 0; i < n; ++i)
        list << text(GetElement_CTRec(row, slot, code, i));
    return list;
}

QString target(int code, const QString &element)
{
    const QByteArray value = element.toUtf8();
    return text(GetLink_HazData(code, value.constData()));
}

// An element the link table knows becomes a link; any other stays plain.
QString linked(int code, const QString &element)
{
    const QString t = target(code, element);
    return t.isEmpty() ? element : regulationLink(t, element);
}

QString linkedList(const CTRec *row, int slot, int code)
{
    QStringList parts;
    for (const QString &e : elements(row, slot, code))
        parts << linked(code, e);
    return parts.join(QStringLiteral(", "));
}

QString orBlank(const QString &s) { return s.isEmpty() ? QStringLiteral("&nbsp;") : s; }

const QString kCell = QStringLiteral("<TD ALIGN=\"CENTER\"><FONT SIZE=2>");
const QString kCellEnd = QStringLiteral("</FONT></TD>");
const QString kDataRow = QStringLiteral("<TR BGCOLOR=\"#eeeeee\">");

QString head(const QString &attributes, const QString &title)
{
    return QStringLiteral("<TH") + attributes + QStringLiteral("><FONT SIZE=2>") + title +
           QStringLiteral("</FONT></TH>");
}

// The column heads of the table in 49 CFR 172.101.
QStringList headerRows()
{
    QStringList lines;
    lines << QStringLiteral("<TR BGCOLOR=\"#91aedf\">");
    for (const char *title : {"Symbols", "Hazardous materials descriptions and proper shipping names",
                              "Hazard class or division", "Identification No.", "PG", "Label codes",
                              "Special provisions (&sect;172.102)"})
        lines << head(QStringLiteral(" ROWSPAN=3"), QString::fromLatin1(title));
    lines << head(QStringLiteral(" COLSPAN=3"), QStringLiteral("(8)"))
          << head(QStringLiteral(" COLSPAN=2"), QStringLiteral("(9)"))
          << head(QStringLiteral(" COLSPAN=2"), QStringLiteral("(10)")) << QStringLiteral("</TR>");
    lines << QStringLiteral("<TR BGCOLOR=\"#91aedf\">")
          << head(QStringLiteral(" COLSPAN=3"), QStringLiteral("Packaging (&sect;173.***)"))
          << head(QStringLiteral(" COLSPAN=2"),
                  QStringLiteral("Quantity limitations<FONT SIZE=1> (see &sect;&sect;173.27 and 175.75)</FONT>"))
          << head(QStringLiteral(" COLSPAN=2"), QStringLiteral("Vessel stowage")) << QStringLiteral("</TR>");
    lines << QStringLiteral("<TR BGCOLOR=\"#91aedf\">");
    for (const char *title : {"Exceptions", "Non-Bulk", "Bulk", "Passenger aircraft/rail", "Cargo aircraft only",
                              "Location", "Other"})
        lines << head(QString(), QString::fromLatin1(title));
    lines << QStringLiteral("</TR>");
    lines << QStringLiteral("<TR BGCOLOR=\"#bbddff\">");
    for (const char *title : {"(1)", "(2)", "(3)", "(4)", "(5)", "(6)", "(7)", "(8A)", "(8B)", "(8C)", "(9A)",
                              "(9B)", "(10A)", "(10B)"})
        lines << head(QString(), QString::fromLatin1(title));
    lines << QStringLiteral("</TR>");
    return lines;
}

// Columns (9A)/(9B): "See A105" refers to a special provision; once one
// element says "See ", the rest of the cell is read the same way.
QString quantityCell(const CTRec *row, int slot, int code)
{
    QString prefix;
    QStringList parts;
    for (QString e : elements(row, slot, code)) {
        if (e.contains(QStringLiteral("See "))) {
            e = e.mid(4);
            prefix = QStringLiteral("See ");
        }
        parts << prefix + linked(code, e);
    }
    const QString cell = parts.join(QStringLiteral(", "));
    // A forbidden quantity (49 CFR 172.101(j)(1)) stands out in red.
    const QString open = cell.contains(QStringLiteral("forbid"), Qt::CaseInsensitive)
                             ? QStringLiteral("<TD ALIGN=\"CENTER\"><FONT SIZE=2 COLOR=\"RED\">")
                             : kCell;
    return open + orBlank(cell) + kCellEnd;
}

QStringList slotCells(const CTRec *row, int slot)
{
    QStringList cells;
    cells << kCell + orBlank(elements(row, slot, PackingGroup).value(0)) + kCellEnd;
    cells << kCell + orBlank(linkedList(row, slot, LabelCodes)) + kCellEnd;
    cells << kCell + orBlank(linkedList(row, slot, SpecialProvisions)) + kCellEnd;
    for (int code : {Exceptions, NonBulk, Bulk}) {
        const QString cell = linkedList(row, slot, code);
        cells << kCell + (cell.isEmpty() ? QStringLiteral("None") : cell) + kCellEnd;
    }
    cells << quantityCell(row, slot, PassengerLimit) << quantityCell(row, slot, CargoLimit);
    for (int code : {StowageLocation, StowageOther})
        cells << kCell + orBlank(linkedList(row, slot, code)) + kCellEnd;
    return cells;
}

const QString kClose = QStringLiteral(
    "</TD></TR><TR><TD ALIGN=\"CENTER\"><FONT FACE=\"arial\"><A HREF=\"//\">Close</A></FONT></TD></TR>");

QStringList closing()
{
    return {kClose, QStringLiteral("</TABLE>"), QStringLiteral("</FONT>"), QStringLiteral("</BODY>"),
            QStringLiteral("</HTML>")};
}

QStringList matchTable(const QString &title, const QStringList &rows)
{
    QStringList lines;
    lines << QStringLiteral("<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"3\">")
          << QStringLiteral("<TR><TH BGCOLOR=\"#91aedf\"><FONT SIZE=2>") + title + QStringLiteral("</FONT></TH></TR>");
    const QStringList shown = rows.isEmpty() ? QStringList{QStringLiteral("No Matches Found")} : rows;
    for (const QString &r : shown)
        lines << QStringLiteral("<TR><TD><FONT SIZE=2>") + r + QStringLiteral("</FONT></TD></TR>");
    lines << QStringLiteral("</TABLE><BR>");
    return lines;
}

} // namespace

QString regulationLink(const QString &target, const QString &element)
{
    return QStringLiteral("<a href=\"") + target + QStringLiteral("\">") + element + QStringLiteral("</a>");
}

QString matchesBlock(const CTRec *row)
{
    const QStringList cas = elements(row, -1, CasNumbers);

    // Every match of the PID and of each CAS number is listed, each record
    // once (a record found by both is not repeated).
    QStringList pollutants;
    std::set<int> seen;
    auto addPollutant = [&](int index) {
        if (!seen.insert(index).second)
            return;
        const MPRec *rec = GetMPRec_HazData(index);
        if (!rec)
            return;
        QString line = text(GetName_MPRec(rec));
        if (GetType_MPRec(rec) == 1)
            line += QStringLiteral(" (severe marine pollutant)");
        pollutants << line;
    };
    const int pid = GetPID_CTRec(row);
    for (int i = SearchMPByPID_HazData(pid, -1); i >= 0; i = SearchMPByPID_HazData(pid, i))
        addPollutant(i);
    for (const QString &c : cas) {
        const QByteArray key = c.toLatin1();
        for (int i = SearchMPByCAS_HazData(key.constData(), -1); i >= 0; i = SearchMPByCAS_HazData(key.constData(), i))
            addPollutant(i);
    }

    QStringList substances;
    std::set<int> seenHS;
    for (const QString &c : cas) {
        const QByteArray key = c.toLatin1();
        for (int i = SearchHS_HazData(key.constData(), -1); i >= 0; i = SearchHS_HazData(key.constData(), i)) {
            const HSRec *rec = GetHSRec_HazData(i);
            if (!rec || !seenHS.insert(i).second)
                continue;
            const uint32_t rq = GetRQ_HSRec(rec);
            substances << text(GetName_HSRec(rec)) + QStringLiteral(" (") + QString::number(rq) +
                              (rq < 2 ? QStringLiteral(" lb. Reportable Quantity)")
                                      : QStringLiteral(" lbs. Reportable Quantity)"));
        }
    }

    QStringList lines = matchTable(QStringLiteral("Marine Pollutant table matches:"), pollutants);
    lines << matchTable(QStringLiteral("Hazardous Substance table matches:"), substances);
    return lines.join(QLatin1Char('\n'));
}

QString tableEntryPage(const CTRec *row)
{
    QStringList lines{
        QStringLiteral("<HTML>"), QStringLiteral("<HEAD> <TITLE> </TITLE> </HEAD>"), QStringLiteral("<BODY>"),
        QStringLiteral("<TABLE WIDTH=\"100%\" BORDER=\"0\" CELLSPACING=\"0\" CELLPADDING=\"3\">"),
        QStringLiteral("<TR>"), QStringLiteral("<TD>"), QStringLiteral("<FONT FACE=\"arial\">"),
        QStringLiteral("<TABLE WIDTH=\"100%\" BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"3\">")};
    lines << headerRows();

    int k = 0;
    for (int slot = 0; slot <= 3; ++slot)
        k += HasPackingGroup_CTRec(row, slot) ? 1 : 0;

    const QString rowCell = k >= 2 ? QStringLiteral("<TD ROWSPAN=") + QString::number(k) +
                                         QStringLiteral(" ALIGN=\"CENTER\"><FONT SIZE=2>")
                                   : kCell;
    lines << kDataRow;
    lines << rowCell + orBlank(linkedList(row, -1, Symbols)) + kCellEnd;
    lines << rowCell + orBlank(elements(row, -1, ProperShippingName).join(QStringLiteral(", "))) + kCellEnd;
    lines << rowCell + elements(row, -1, HazardClass).value(0) + kCellEnd;
    lines << rowCell + elements(row, -1, IdNumber).value(0) + kCellEnd;

    int shown = 0;
    for (int slot = 0; slot <= 3; ++slot) {
        if (!HasPackingGroup_CTRec(row, slot))
            continue;
        lines << slotCells(row, slot);
        lines << QStringLiteral("</TR>");
        ++shown;
        if (k >= 2 && shown < k)
            lines << kDataRow;
    }
    if (k == 0)
        lines << QStringLiteral("</TR>");

    lines << QStringLiteral("</TABLE>") << QStringLiteral("</TD></TR><TR>") << QStringLiteral("<TD ALIGN=CENTER><BR>");
    lines << matchesBlock(row);
    lines << closing();
    return lines.join(QLatin1Char('\n'));
}

QString cargoTanksPage(const CargoTanksRequest &r)
{
    QString label;
    QString provisions;
    if (r.row) {
        static const char *const labels[] = {"Special Provisions: ", "Packing Group I, Special Provisions: ",
                                             "Packing Group II, Special Provisions: ",
                                             "Packing Group III, Special Provisions: "};
        const int slot = r.packingGroupSlot >= 0 && r.packingGroupSlot <= 3 ? r.packingGroupSlot : 0;
        provisions = linkedList(r.row, slot, SpecialProvisions);
        label = provisions.isEmpty() ? QStringLiteral("There are no Special Provisions")
                                     : QString::fromLatin1(labels[slot]);
        label = QStringLiteral("<B>") + label + QStringLiteral("</B>");
    } else {
        label = QStringLiteral("<B>Remember to Check Special Provisions</B>");
    }
    const QString title = r.selectedCount == 1 ? QStringLiteral("Allowed Tanks - ") + r.selectedBulkId
                                               : QStringLiteral("Allowed Tanks - For Truckload");

    QStringList lines{
        QStringLiteral("<HTML>"), QStringLiteral("<HEAD> <TITLE> </TITLE> </HEAD>"), QStringLiteral("<BODY>"),
        QStringLiteral("<TABLE WIDTH=\"100%\" BORDER=\"0\" CELLSPACING=\"0\" CELLPADDING=\"10\">"),
        QStringLiteral("<TR>"), QStringLiteral("<TD>"),
        QStringLiteral("<TABLE WIDTH=\"100%\" BORDER=\"0\" CELLSPACING=\"0\" CELLPADDING=\"0\">"),
        QStringLiteral("<TR>"), QStringLiteral("<TD>"), QStringLiteral("<FONT FACE=\"arial\">"),
        QStringLiteral("<TABLE WIDTH=\"100%\" BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"3\">"),
        QStringLiteral("<TR><TH ALIGN=\"CENTER\" BGCOLOR=\"#91aedf\"><B>") + title + QStringLiteral("</B></TH></TR>"),
        kDataRow + kCell + QString(r.allowedTanks).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<BR>")) +
            kCellEnd + QStringLiteral("</TR>"),
        QStringLiteral("<TR><TD><FONT SIZE=2>") + label + provisions + QStringLiteral("</FONT></TD></TR>")};
    if (r.hasNonBulk)
        lines << QStringLiteral("<TR><TD><FONT SIZE=1>") +
                     (r.selectedCount == 1
                          ? QStringLiteral("* This non-bulk hazmat is not applicable for cargo tank transportation.")
                          : QStringLiteral("* Non-Bulk hazmats are not applicable for cargo tank transportation.")) +
                     QStringLiteral("</FONT></TD></TR>");
    lines << QStringLiteral("</TABLE>") << kClose << QStringLiteral("</TABLE>") << QStringLiteral("</FONT>")
          << QStringLiteral("</TD></TR>") << QStringLiteral("</TABLE>") << QStringLiteral("</BODY>")
          << QStringLiteral("</HTML>");
    return lines.join(QLatin1Char('\n'));
}

InfoLinkAction infoLinkAction(const QString &href, const QString &programFolder)
{
    if (href == QStringLiteral("//"))
        return {InfoLinkAction::Close, {}};
    if (href.startsWith(QStringLiteral("viewer"), Qt::CaseInsensitive)) {
        const int db = href.indexOf(QStringLiteral("?db="));
        const int doc = href.indexOf(QStringLiteral("&doc="));
        if (db < 0 || doc < 0 || doc < db)
            return {};
        const QString database = href.mid(db + 4, doc - db - 4);
        const QString document = href.mid(doc + 5);
        if (database.isEmpty() || document.isEmpty())
            return {};
        // The documents live under the program folder: a name that climbs
        // out of it ("..", an absolute path) is not followed.
        const QString base = QDir(programFolder).canonicalPath();
        const QString path = QDir::cleanPath(QDir(programFolder).filePath(database + QLatin1Char('/') + document));
        const QFileInfo file(path);
        if (base.isEmpty() || !file.isFile() || !file.canonicalFilePath().startsWith(base + QLatin1Char('/')))
            return {};
        return {InfoLinkAction::ShowFile, file.canonicalFilePath()};
    }
    QString citation = href;
    citation.remove(QLatin1Char(' '));
    return {InfoLinkAction::OpenRegulations, citation};
}

LinkBrowser::LinkBrowser(QWidget *parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    // A mouse click gives the anchor under the press; a keyboard activation
    // (Tab to the link, Return) the anchor at the text cursor.
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl &) {
        const QString href = pressedHref_.isEmpty() ? textCursor().charFormat().anchorHref() : pressedHref_;
        if (!href.isEmpty())
            emit linkActivated(href);
    });
}

void LinkBrowser::mousePressEvent(QMouseEvent *event)
{
    pressedHref_ = anchorAt(event->position().toPoint());
    QTextBrowser::mousePressEvent(event);
}

// The click, if any, was reported during the release; a later keyboard
// activation must not see this press.
void LinkBrowser::mouseReleaseEvent(QMouseEvent *event)
{
    QTextBrowser::mouseReleaseEvent(event);
    pressedHref_.clear();
}

InfoWindow::InfoWindow(const QString &mode, const QString &html, const QString &programFolder,
                                 const QString &viewerPath, Prompts &prompts, QWidget *parent)
    : QDialog(parent), browser_(new LinkBrowser(this)), programFolder_(programFolder), viewerPath_(viewerPath),
      prompts_(prompts)
{
    setObjectName(QStringLiteral("InfoWindow"));
    setWindowTitle(mode);
    openCitation = [this](const QString &citation) {
        viewer::openReferenceLink(citation, programFolder_, parentWidget() ? parentWidget() : this);
    };
    setSizeGripEnabled(true);
    resize(888, 499);
    if (parent) {
        const QRect p = parent->window()->frameGeometry();
        move(p.center() - rect().center());
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    QPalette pal = browser_->palette();
    pal.setColor(QPalette::Base, Qt::white);
    browser_->setPalette(pal);
    // Narrow columns break between words, never inside one ("Locatio n").
    browser_->setWordWrapMode(QTextOption::WordWrap);
    browser_->setHtml(html);
    connect(browser_, &LinkBrowser::linkActivated, this, &InfoWindow::linkClicked);
}

void InfoWindow::linkClicked(const QString &href)
{
    const InfoLinkAction action = infoLinkAction(href, programFolder_);
    switch (action.kind) {
    case InfoLinkAction::Close:
        accept();
        break;
    case InfoLinkAction::ShowFile: {
        QFile file(action.value);
        if (file.open(QIODevice::ReadOnly)) {
            browser_->setSearchPaths({QFileInfo(action.value).absolutePath()});
            browser_->setHtml(QString::fromLatin1(file.readAll()));
        }
        break;
    }
    case InfoLinkAction::OpenRegulations:
        openCitation(action.value);
        break;
    case InfoLinkAction::Nothing:
        break;
    }
}

} // namespace velmora

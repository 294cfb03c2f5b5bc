#include "auditors/shipping_paper/shipping_paper_page.h"

#include "app/hazmat_library.h"

#include "dravlen.h"

#include <QStringList>

#include <memory>

namespace velmora::shipping_paper {

namespace {

struct LibraryTextFree {
    void operator()(char *p) const { qv_free(p); }
};

// One element of the library's report (layout 0), released at once; none
// and the empty text both read as empty.
QString element(Load *load, int item, int number)
{
    const std::unique_ptr<char, LibraryTextFree> text(GetSPAElement_Vehicle(load, item, 0, number));
    return text ? fromLibraryText(text.get()) : QString();
}

QString orSpace(const QString &text) { return text.isEmpty() ? QStringLiteral("&nbsp;") : text; }

QString helpLink(const QString &page, const QString &caption)
{
    return QStringLiteral("<a href=\"viewer /cgi-bin/qvget.cgi?db=HAZMAT&doc=") + page + QStringLiteral(".HTM\">") +
           caption + QStringLiteral("</a>");
}

// Two header rows: the four columns of the basic description (172.202(a)(1)
// to (4)) under one heading, the HM column, the additional information and
// the quantity beside them.
QString tableHead()
{
    return QStringLiteral("<table border=\"1\" cellpadding=\"3\" cellspacing=\"0\" width=\"100%\">\r\n<tr>\r\n") +
           QStringLiteral("\t<th rowspan=\"2\" width=\"3%\">") + helpLink(QStringLiteral("COLHM"), QStringLiteral("HM")) +
           QStringLiteral("</th>\r\n\t<th colspan=\"4\">") +
           helpLink(QStringLiteral("COLBD"), QStringLiteral("Basic Description")) +
           QStringLiteral("</th>\r\n\t<th rowspan=\"2\">") +
           helpLink(QStringLiteral("COLAI"), QStringLiteral("Additional Information")) +
           QStringLiteral("</th>\r\n\t<th rowspan=\"2\">") + helpLink(QStringLiteral("COLQTY"), QStringLiteral("Qty")) +
           QStringLiteral("</th>\r\n</tr>\r\n<tr>\r\n\t<th>") + helpLink(QStringLiteral("COLID"), QStringLiteral("ID Number")) +
           QStringLiteral("</th>\r\n\t<th>") + helpLink(QStringLiteral("COLSN"), QStringLiteral("Shipping Name")) +
           QStringLiteral("</th>\r\n\t<th>") + helpLink(QStringLiteral("COLHC"), QStringLiteral("Hazard Class")) +
           QStringLiteral("</th>\r\n\t<th>") + helpLink(QStringLiteral("COLPG"), QStringLiteral("Packing Group")) +
           QStringLiteral("</th>\r\n</tr>\r\n");
}

} // namespace

QString acceptableNames(const Hazmat *item)
{
    const CTRec *row = item ? GetCTRec_HazData(GetPID_Hazmat(item)) : nullptr;
    const int n = row ? GetNumElements_CTRec(row, SLOT_ROW, CT_COL_SHIPPING_NAMES) : 0;
    if (n < 2)
        return {};
    QStringList names;
    for (int i = 0; i < n; ++i)
        if (const char *name = GetElement_CTRec(row, SLOT_ROW, CT_COL_SHIPPING_NAMES, i))
            names << QStringLiteral("<i>") + fromLibraryText(name).toHtmlEscaped() + QStringLiteral("</i>");
    return QStringLiteral("<br>Any one of these names is acceptable (<a href=\"quarvel cite=49cfr172.101(c)(1)\">"
                          "49 CFR 172.101(c)(1)</a>): ") +
           names.join(QStringLiteral("; "));
}

namespace {

QString itemRows(Load *load, int item)
{
    QString rows;
    rows += QStringLiteral("<tr>\r\n\t<td align=\"center\" width=\"3%\">") + orSpace(element(load, item, 0)) +
            QStringLiteral("</td>\r\n");
    rows += QStringLiteral("\t<td align=\"center\">") + orSpace(element(load, item, 1)) + QStringLiteral("</td>\r\n");
    // 172.202(a)(2): the shipping name, and every other roman name the
    // entry allows in its place.
    rows += QStringLiteral("\t<td>") + orSpace(element(load, item, 2)) +
            acceptableNames(GetHazmat_Load(load, static_cast<uint32_t>(item))) + QStringLiteral("</td>\r\n");
    rows += QStringLiteral("\t<td align=\"center\">") + orSpace(element(load, item, 3)) + QStringLiteral("</td>\r\n");
    rows += QStringLiteral("\t<td align=\"center\">") + orSpace(element(load, item, 4)) + QStringLiteral("</td>\r\n");
    rows += QStringLiteral("\t<td>") + orSpace(element(load, item, 5)) + QStringLiteral("</td>\r\n");
    rows += QStringLiteral("\t<td align=\"center\">") + orSpace(element(load, item, 6)) +
            QStringLiteral("</td>\r\n</tr>\r\n");
    // Other required entries: a row of their own only when there are any
    // (the library answers "&nbsp;" for none).
    const QString other = element(load, item, 7);
    if (!other.isEmpty() && other != QStringLiteral("&nbsp;"))
        rows += QStringLiteral("<tr>\r\n\t<td colspan=\"7\">") + other + QStringLiteral("</td>\r\n</tr>\r\n");
    // Notes and warnings: always, in grey under the item.
    rows += QStringLiteral("<tr>\r\n\t<td colspan=\"7\" bgcolor=\"#cccccc\">") + orSpace(element(load, item, 8)) +
            QStringLiteral("</td>\r\n</tr>\r\n");
    return rows;
}

} // namespace

QString shippingPaperPage(Load *load, const QString &truckId)
{
    // The truck ID is the user's own text: shown as written, never as markup.
    const QString id = truckId.toHtmlEscaped();
    QString page = QStringLiteral("<html>\r\n\r\n<head>\r\n\t<title>Hazmat Shipping Paper Auditor - ") + id +
                   QStringLiteral("</title>\r\n</head>\r\n\r\n<body bgcolor=\"#ffffff\" text=\"#000000\"><h2>Truck ID: ") +
                   id + QStringLiteral("</h2><h2>") +
                   helpLink(QStringLiteral("CHECK"), QStringLiteral("Global Shipping Paper Checklist")) +
                   QStringLiteral("</h2>\r\n\r\n");

    const uint32_t count = load ? GetItemCount_Load(load) : 0;
    bool anyEntry = false;
    for (uint32_t i = 0; i < count && !anyEntry; ++i) {
        const Hazmat *item = GetHazmat_Load(load, i);
        anyEntry = item && !IsExemptFromShippingPaper_Hazmat(item);
    }
    if (!anyEntry)
        return page + QStringLiteral("<h3>No Shipping Paper entries are required</h3>\r\n\r\n</body>\r\n\r\n</html>");

    page += element(load, -1, 0);
    page += tableHead();
    for (uint32_t i = 0; i < count; ++i) {
        const Hazmat *item = GetHazmat_Load(load, i);
        if (item && !IsExemptFromShippingPaper_Hazmat(item))
            page += itemRows(load, static_cast<int>(i));
    }
    return page + QStringLiteral("</table>\r\n\r\n</body>\r\n\r\n</html>");
}

} // namespace velmora::shipping_paper

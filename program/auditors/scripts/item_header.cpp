#include "auditors/scripts/item_header.h"

namespace velmora::auditors {

ScriptName scriptName(const QString &primary, bool has11Div, bool labelAuditor, bool poisonByInhalation)
{
    ScriptName s;
    if (primary.startsWith(u'1')) {
        if (const qsizetype dot = primary.indexOf(u'.'); dot >= 0)
            s.explosiveSuffix = primary.mid(dot + 1, 2);
        if (!has11Div) {
            s.name = QStringLiteral("1");
            return s;
        }
    } else if (primary == u"COMB") {
        s.name = QStringLiteral("3.0");
        return s;
    }
    s.name = primary.size() < 4 ? primary : primary.left(3);
    if (labelAuditor && s.name == u"6.1")
        s.name = poisonByInhalation ? QStringLiteral("6.11") : QStringLiteral("6.12");
    return s;
}

QString subsidiaryList(const AuditItem &item)
{
    if (item.hazardCodes.size() < 2)
        return QStringLiteral("N/A");
    return item.hazardCodes.mid(1).join(u',');
}

QString packingGroupText(int packingGroup)
{
    switch (packingGroup) {
    case 0: return {};
    case 1: return QStringLiteral("I");
    case 2: return QStringLiteral("II");
    case 3: return QStringLiteral("III");
    default: return QStringLiteral("???");
    }
}

QString itemHeader(const AuditItem &item)
{
    const QString cell = QStringLiteral("<TR><TD ALIGN=\"CENTER\" WIDTH=\"200\"><FONT FACE=\"ARIAL\" SIZE=\"2\"><B>%1</B></FONT> </TD>");
    const QString value = QStringLiteral("<TD><FONT FACE=\"ARIAL\" SIZE=\"2\">%1</FONT></TD>");
    return QStringLiteral("<CENTER><TABLE CELLPADDING=\"4\" WIDTH=\"99%\" BORDER=\"1\">\r\n")
           + cell.arg(QStringLiteral("UN/NA/ID ")) + value.arg(item.id) + QStringLiteral("\r\n")
           + cell.arg(QStringLiteral("PSN ")) + value.arg(item.shippingName.toHtmlEscaped()) + QStringLiteral("\r\n")
           + cell.arg(QStringLiteral("Primary Division ")) + value.arg(item.primary())
           + cell.arg(QStringLiteral("Subsidiary Division(s)")) + value.arg(subsidiaryList(item)) + QStringLiteral("\r\n");
}

} // namespace velmora::auditors

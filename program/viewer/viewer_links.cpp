#include "viewer/viewer_links.h"

#include "viewer/citation.h"

#include <QDir>
#include <QFileInfo>

namespace velmora::viewer {

namespace {

// "...?db=<folder>&doc=<document>" -> folder and document.
bool splitQuery(const QString &href, QString *folder, QString *document)
{
    const int db = href.indexOf(QStringLiteral("?db="), 0, Qt::CaseInsensitive);
    const int doc = href.indexOf(QStringLiteral("&doc="), 0, Qt::CaseInsensitive);
    if (db < 0 || doc < db)
        return false;
    *folder = href.mid(db + 4, doc - db - 4).trimmed();
    *document = href.mid(doc + 5).trimmed();
    return !folder->isEmpty() && !document->isEmpty();
}

QString entryNoCase(const QDir &dir, const QString &name)
{
    if (dir.exists(name))
        return name;
    for (const QString &entry : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return {};
}

} // namespace

ViewerLink classifyLink(const QString &hrefIn)
{
    const QString href = hrefIn.trimmed();
    ViewerLink link;
    if (href.startsWith(QStringLiteral("cite:"), Qt::CaseInsensitive)) {
        link.kind = ViewerLink::Citation;
        link.value = href.mid(5).trimmed();
        return link;
    }
    if (href.startsWith(QStringLiteral("quarvel"), Qt::CaseInsensitive)) {
        const int cite = href.indexOf(QStringLiteral("cite="), 0, Qt::CaseInsensitive);
        const int cgi = href.indexOf(QStringLiteral("/cgi-bin"), 0, Qt::CaseInsensitive);
        if (cite < 0 && cgi >= 0 && splitQuery(href, &link.folder, &link.document)) {
            link.kind = ViewerLink::CgiDocument;
            link.value = href.mid(cgi);
            return link;
        }
        link.kind = ViewerLink::Citation;
        link.value = cite >= 0 ? href.mid(cite + 5).trimmed() : QString();
        return link;
    }
    if (href.startsWith(QStringLiteral("viewer"), Qt::CaseInsensitive) &&
        splitQuery(href, &link.folder, &link.document)) {
        link.kind = ViewerLink::LocalPage;
        return link;
    }
    if (href.compare(QStringLiteral("close"), Qt::CaseInsensitive) == 0) {
        link.kind = ViewerLink::Close;
        return link;
    }
    if (href.startsWith(QLatin1Char('#'))) {
        link.kind = ViewerLink::Anchor;
        link.value = href.mid(1);
        return link;
    }
    // A bare citation, as the table entry page writes them: "49cfr172.102(101)",
    // "49 CFR 172.301(a)(3)", "173.150".
    const QString compact = QString(href).remove(QLatin1Char(' '));
    if (compact.startsWith(QStringLiteral("49cfr"), Qt::CaseInsensitive) ||
        (!compact.isEmpty() && compact[0].isDigit() && parseCitation(compact).valid && !compact.contains(QLatin1Char('/')))) {
        link.kind = ViewerLink::Citation;
        link.value = href;
        return link;
    }
    link.kind = ViewerLink::File;
    link.value = href;
    return link;
}

QString localPagePath(const QString &programFolder, const QString &folder, const QString &document)
{
    if (folder.contains(QLatin1String("..")) || document.contains(QLatin1String("..")) ||
        QDir::isAbsolutePath(folder) || QDir::isAbsolutePath(document) || folder.contains(QLatin1Char('\\')) ||
        document.contains(QLatin1Char('/')) || document.contains(QLatin1Char('\\')))
        return {};
    const QDir base(programFolder);
    if (!base.exists())
        return {};
    const QString dirName = entryNoCase(base, folder);
    if (dirName.isEmpty())
        return {};
    const QDir dir(base.filePath(dirName));
    const QString fileName = entryNoCase(dir, document);
    if (fileName.isEmpty())
        return {};
    const QFileInfo file(dir.filePath(fileName));
    const QString root = QFileInfo(programFolder).canonicalFilePath();
    if (!file.isFile() || root.isEmpty() || !file.canonicalFilePath().startsWith(root + QLatin1Char('/')))
        return {};
    return file.canonicalFilePath();
}

CgiTarget cgiDocumentTarget(const QString &folder, const QString &document)
{
    // The documents of the hazardous materials regulation database that the
    // shipping-paper notes link to: the two appendices of the Hazardous
    // Materials Table.
    static const struct { const char *folder, *document, *citation, *title, *address; } kDocuments[] = {
        {"HM181", "00090052.HTM", "49CFR172.101", "Appendix B to \u00A7 172.101: List of Marine Pollutants",
         "https://www.ecfr.gov/current/title-49/part-172/appendix-Appendix%20B%20to%20%C2%A7172.101"},
        {"HM181", "000901G9.HTM", "49CFR172.101",
         "Appendix A to \u00A7 172.101: List of Hazardous Substances and Reportable Quantities",
         "https://www.ecfr.gov/current/title-49/part-172/appendix-Appendix%20A%20to%20%C2%A7172.101"},
    };
    for (const auto &d : kDocuments) {
        if (folder.compare(QLatin1String(d.folder), Qt::CaseInsensitive) == 0 &&
            document.compare(QLatin1String(d.document), Qt::CaseInsensitive) == 0)
            return {true, QString::fromLatin1(d.citation), QString::fromUtf8(d.title), QString::fromLatin1(d.address)};
    }
    return {};
}

} // namespace velmora::viewer

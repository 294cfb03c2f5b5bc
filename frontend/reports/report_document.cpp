#include "report_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>

namespace velmora::reports {

namespace {

constexpr qreal kUnitsPerInch = 96;            // document units
constexpr qreal kUnitsPerPoint = kUnitsPerInch / 72;
constexpr qreal kFooterHeight = 24;            // document units under the text
constexpr int kPictureObject = QTextFormat::UserObject + 16;
constexpr int kPictureName = QTextFormat::UserProperty + 16;
constexpr int kPictureIndex = QTextFormat::UserProperty + 17;

// Draws the named pictures that stand in the text as objects.
class PictureHandler : public QObject, public QTextObjectInterface {
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    explicit PictureHandler(const ReportPictures &pictures, QObject *parent) : QObject(parent), pictures_(pictures) {}

    QSizeF intrinsicSize(QTextDocument *, int, const QTextFormat &format) override
    {
        const ReportPicture *p = find(format);
        return p ? p->size * kUnitsPerPoint : QSizeF();
    }

    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *, int, const QTextFormat &format) override
    {
        if (const ReportPicture *p = find(format)) {
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing);
            p->draw(*painter, rect);
            painter->restore();
        }
    }

private:
    const ReportPicture *find(const QTextFormat &format) const
    {
        const auto group = pictures_.constFind(format.property(kPictureName).toString());
        const int index = format.property(kPictureIndex).toInt();
        if (group == pictures_.constEnd() || index < 0 || index >= static_cast<int>(group->pictures.size()))
            return nullptr;
        return &group->pictures[static_cast<size_t>(index)];
    }

    ReportPictures pictures_;
};

// The document together with the paint device that fixes its resolution.
class ReportTextDocument : public QTextDocument {
public:
    explicit ReportTextDocument(const ReportPictures &pictures) : handler_(new PictureHandler(pictures, this))
    {
        resolution_.setDotsPerMeterX(qRound(kUnitsPerInch / 0.0254));
        resolution_.setDotsPerMeterY(qRound(kUnitsPerInch / 0.0254));
        documentLayout()->setPaintDevice(&resolution_);
        documentLayout()->registerHandler(kPictureObject, handler_);
    }

private:
    QImage resolution_{1, 1, QImage::Format_ARGB32};
    PictureHandler *handler_;
};

// Replaces every image whose name is a picture group by that group's
// pictures (separated by spaces, so that they wrap) or its empty text.
void placePictures(QTextDocument &doc, const ReportPictures &pictures)
{
    struct Found {
        int position;
        QString name;
        QTextCharFormat format;
    };
    std::vector<Found> found;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            if (!pictures.contains(name))
                continue;
            for (int i = 0; i < fragment.length(); ++i)
                found.push_back({fragment.position() + i, name, format});
        }
    }
    // Last first, so that earlier positions stay valid.
    for (auto f = found.rbegin(); f != found.rend(); ++f) {
        const PictureGroup &group = pictures[f->name];
        QTextCursor cursor(&doc);
        cursor.setPosition(f->position);
        cursor.setPosition(f->position + 1, QTextCursor::KeepAnchor);
        QTextCharFormat text = f->format;
        text.setObjectType(QTextFormat::NoObject);
        text.clearProperty(QTextFormat::ImageName);
        if (group.pictures.empty()) {
            cursor.insertText(group.emptyText, text);
            continue;
        }
        cursor.removeSelectedText();
        for (size_t i = 0; i < group.pictures.size(); ++i) {
            if (i > 0)
                cursor.insertText(QStringLiteral(" "), text);
            QTextCharFormat object = text;
            object.setObjectType(kPictureObject);
            object.setProperty(kPictureName, f->name);
            object.setProperty(kPictureIndex, static_cast<int>(i));
            object.setVerticalAlignment(QTextCharFormat::AlignBottom);
            cursor.insertText(QString(QChar::ObjectReplacementCharacter), object);
        }
    }
}

QSizeF pageBodySize(const QPageLayout &layout)
{
    const QRectF paint = layout.paintRect(QPageLayout::Point);
    return QSizeF(paint.width() * kUnitsPerPoint, paint.height() * kUnitsPerPoint - kFooterHeight);
}

QFont footerFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qRound(8 * kUnitsPerPoint));
    return font;
}

} // namespace

QPageLayout reportPageLayout(QPageSize::PageSizeId size, QPageLayout::Orientation orientation)
{
    return QPageLayout(QPageSize(size), orientation, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

QString layoutHtml(const QString &html)
{
    // A row of column heads starts the table: make it the table's head so
    // that it repeats at the top of every page the table runs onto.
    static const QRegularExpression headRow(QStringLiteral("<TR ALIGN=\"LEFT\" BGCOLOR=bbccdd>.*?</TR>"),
                                            QRegularExpression::CaseInsensitiveOption);
    QString out;
    qsizetype done = 0;
    for (auto it = headRow.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += html.mid(done, m.capturedStart() - done) + QStringLiteral("<THEAD>") + m.captured() +
               QStringLiteral("</THEAD>");
        done = m.capturedEnd();
    }
    out += html.mid(done);
    static const QRegularExpression bareColour(QStringLiteral("BGCOLOR=([0-9a-fA-F]{6})\\b"),
                                               QRegularExpression::CaseInsensitiveOption);
    out.replace(bareColour, QStringLiteral("BGCOLOR=\"#\\1\""));
    return out;
}

std::unique_ptr<QTextDocument> layOut(const Report &report, const QPageLayout &layout)
{
    auto doc = std::make_unique<ReportTextDocument>(report.pictures);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    doc->setDefaultFont(font);
    // Words wrap whole: a narrow column grows to its longest word rather
    // than breaking "Packaging" in two.
    QTextOption wrap = doc->defaultTextOption();
    wrap.setWrapMode(QTextOption::WordWrap);
    doc->setDefaultTextOption(wrap);
    if (report.baseUrl.isValid())
        doc->setBaseUrl(report.baseUrl);
    doc->setPageSize(pageBodySize(layout));
    doc->setHtml(layoutHtml(report.html));
    placePictures(*doc, report.pictures);
    return doc;
}

int pageCount(const Report &report, const QPageLayout &layout)
{
    return layOut(report, layout)->pageCount();
}

bool paintJob(const PrintJob &job, QPagedPaintDevice *device, QString *error, int fromPage, int toPage)
{
    QPainter painter;
    if (!painter.begin(device)) {
        if (error)
            *error = QStringLiteral("The printer could not be started.");
        return false;
    }
    const QPageLayout layout = device->pageLayout();
    const qreal scale = device->logicalDpiX() / kUnitsPerInch;
    bool firstPage = true;
    int jobPage = 0;
    for (const Report &report : job) {
        const std::unique_ptr<QTextDocument> doc = layOut(report, layout);
        const QSizeF body = doc->pageSize();
        const int pages = doc->pageCount();
        for (int page = 0; page < pages; ++page) {
            ++jobPage;
            if ((fromPage > 0 && jobPage < fromPage) || (toPage > 0 && jobPage > toPage))
                continue;
            if (!firstPage && !device->newPage()) {
                if (error)
                    *error = QStringLiteral("The printer could not start a new page.");
                painter.end();
                return false;
            }
            firstPage = false;
            painter.save();
            painter.scale(scale, scale);
            painter.save();
            const QRectF clip(0, page * body.height(), body.width(), body.height());
            painter.translate(0, -clip.top());
            painter.setClipRect(clip);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = clip;
            context.palette.setColor(QPalette::Text, Qt::black);
            doc->documentLayout()->draw(&painter, context);
            painter.restore();
            // Footer: the truck at the left, the page number at the right.
            const QRectF footer(0, body.height(), body.width(), kFooterHeight);
            painter.setFont(footerFont());
            painter.setPen(Qt::black);
            painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom, report.footerLeft);
            painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom, QStringLiteral("Page ") + QString::number(page + 1));
            painter.restore();
        }
    }
    if (!painter.end()) {
        if (error)
            *error = QStringLiteral("The printer could not finish the document.");
        return false;
    }
    return true;
}

QString writePdf(const PrintJob &job, const QString &path, const QPageLayout &layout, const QString &title)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot write the PDF file \"%1\": %2").arg(path, file.errorString());
    QString error;
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Velmora"));
        writer.setPageLayout(layout);
        if (!paintJob(job, &writer, &error)) {
            file.cancelWriting();
            return QStringLiteral("Cannot write the PDF file \"%1\": %2").arg(path, error);
        }
    }
    if (!file.commit())
        return QStringLiteral("Cannot write the PDF file \"%1\": %2").arg(path, file.errorString());
    return {};
}

} // namespace velmora::reports

#include "report_document.moc"

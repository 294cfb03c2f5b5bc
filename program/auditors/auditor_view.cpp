#include "auditors/auditor_view.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextCursor>

namespace velmora::auditors {

AuditorView::AuditorView(AuditorFolders folders, QWidget *parent) : QTextBrowser(parent), folders_(std::move(folders))
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        // The raw href: QUrl mangles hrefs such as "quarvel cite=..." with
        // colons or "#"; the mouse press or the keyboard cursor holds it.
        QString href = pressedAnchor_;
        if (href.isEmpty())
            href = textCursor().charFormat().anchorHref();
        if (href.isEmpty())
            href = url.toString();
        pressedAnchor_.clear();
        emit linkClicked(href);
    });
}

void AuditorView::mousePressEvent(QMouseEvent *event)
{
    pressedAnchor_ = anchorAt(event->position().toPoint());
    QTextBrowser::mousePressEvent(event);
}

QImage AuditorView::pictureFor(const QString &src) const
{
    const QString file = folders_.resolvePageImage(src);
    if (!file.isEmpty()) {
        if (file.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
            QSvgRenderer svg(file);
            if (svg.isValid()) {
                QSize size = svg.defaultSize();
                if (size.isEmpty() || size.width() > 2000 || size.height() > 2000)
                    size = QSize(150, 150);
                QImage image(size, QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::transparent);
                QPainter painter(&image);
                svg.render(&painter);
                return image;
            }
        } else {
            QImageReader reader(file);
            const QSize size = reader.size();
            if (size.isValid() && size.width() <= 4000 && size.height() <= 4000) {
                QImage image = reader.read();
                if (!image.isNull())
                    return image;
            }
        }
    }
    // A missing picture: a small blank, so that the view does not ask again.
    QImage blank(1, 1, QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    return blank;
}

QVariant AuditorView::loadResource(int type, const QUrl &name)
{
    if (type == QTextDocument::ImageResource)
        return pictureFor(name.isLocalFile() ? name.toLocalFile() : name.toString());
    return QTextBrowser::loadResource(type, name);
}

} // namespace velmora::auditors

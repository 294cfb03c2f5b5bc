#include "auditors/cargo_tank/tank_html.h"

#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextDocument>

namespace velmora::cargo_tank {

QString renderableHtml(const QStringList &lines)
{
    QString html = lines.join(QLatin1Char('\n'));
    static const QRegularExpression caption(
        QStringLiteral("(<TABLE[^>]*>)\\s*<CAPTION[^>]*>(.*?)</CAPTION>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    html.replace(caption, QStringLiteral("<P ALIGN=\"CENTER\">\\2</P>\n\\1"));
    // Colours written as bare hexadecimal digits need their "#".
    static const QRegularExpression bareColour(QStringLiteral("(BGCOLOR|COLOR)=\"?([0-9A-Fa-f]{6})\"?(?=[ >])"),
                                               QRegularExpression::CaseInsensitiveOption);
    html.replace(bareColour, QStringLiteral("\\1=\"#\\2\""));
    // A group heading written as a bare header cell gets the row a browser
    // would imply.
    static const QRegularExpression bareHeading(QStringLiteral("^(<TH [^>]*COLSPAN=4>.*</TH>)$"),
                                                QRegularExpression::CaseInsensitiveOption |
                                                    QRegularExpression::MultilineOption);
    html.replace(bareHeading, QStringLiteral("<TR>\\1</TR>"));
    static const QRegularExpression form(QStringLiteral("</?FORM>"), QRegularExpression::CaseInsensitiveOption);
    html.remove(form);
    static const QRegularExpression radio(
        QStringLiteral("<INPUT TYPE=\"radio\" OnClick=\"display\" (CHECKED )?ID=\"(\\d+)\" NAME=\"\\d+\" "
                       "VALUE=\"(Yes|No)\">"),
        QRegularExpression::CaseInsensitiveOption);
    QString out;
    qsizetype at = 0;
    for (auto it = radio.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += html.mid(at, m.capturedStart() - at);
        const bool checked = !m.captured(1).isEmpty();
        out += QStringLiteral("<A HREF=\"answer:") + m.captured(2) + QLatin1Char(':') + m.captured(3) +
               QStringLiteral("\" STYLE=\"text-decoration:none\">") +
               (checked ? QStringLiteral("&#9673;") : QStringLiteral("&#9675;")) + QStringLiteral("</A>");
        at = m.capturedEnd();
    }
    out += html.mid(at);
    return out;
}

bool parseAnswerHref(const QString &href, int *question, int *answer)
{
    static const QRegularExpression pattern(QStringLiteral("^answer:(\\d+):(Yes|No)$"));
    const QRegularExpressionMatch m = pattern.match(href);
    if (!m.hasMatch())
        return false;
    bool ok = false;
    const int q = m.captured(1).toInt(&ok);
    if (!ok)
        return false;
    *question = q;
    *answer = m.captured(2) == QLatin1String("Yes") ? 1 : 0;
    return true;
}

QImage pagePicture(const QString &path)
{
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer renderer(path);
        if (renderer.isValid()) {
            QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            renderer.render(&painter);
            return image;
        }
    } else {
        QImage image(path);
        if (!image.isNull())
            return image;
    }
    QImage placeholder(16, 16, QImage::Format_ARGB32_Premultiplied);
    placeholder.fill(Qt::lightGray);
    return placeholder;
}

TankBrowser::TankBrowser(QWidget *parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl &) {
        // The mouse press noted the raw text; a keyboard activation leaves
        // it at the cursor.
        QString href = pressedHref_;
        if (href.isEmpty())
            href = textCursor().charFormat().anchorHref();
        pressedHref_.clear();
        if (!href.isEmpty())
            emit linkClicked(href);
    });
}

void TankBrowser::showPage(const QStringList &lines)
{
    lines_ = lines;
    const int scroll = verticalScrollBar() ? verticalScrollBar()->value() : 0;
    setHtml(renderableHtml(lines));
    if (verticalScrollBar())
        verticalScrollBar()->setValue(scroll);
}

QVariant TankBrowser::loadResource(int type, const QUrl &name)
{
    if (type == QTextDocument::ImageResource) {
        QString path = name.isLocalFile() ? name.toLocalFile() : name.toString();
        if (QFileInfo(path).isRelative())
            path = baseFolder_ + path;
        return pagePicture(path);
    }
    return QTextBrowser::loadResource(type, name);
}

void TankBrowser::mousePressEvent(QMouseEvent *event)
{
    pressedHref_ = anchorAt(event->position().toPoint());
    QTextBrowser::mousePressEvent(event);
}

} // namespace velmora::cargo_tank

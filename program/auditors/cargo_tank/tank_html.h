// Showing the inspection pages in Qt's rich text.  The pages are written in
// the program's HTML (tables with CAPTION, a FORM of radio buttons), which
// Qt's rich text does not know: renderableHtml() rewrites a caption into a
// centred paragraph above its table and a radio button into a link
// ("answer:<question>:Yes") drawn as a radio mark.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextBrowser>

namespace velmora::cargo_tank {

QString renderableHtml(const QStringList &lines);

// The question and the answer of an "answer:" link; false for other links.
bool parseAnswerHref(const QString &href, int *question, int *answer);

// A page view: serves the tank pictures by file name and reports the raw
// link text of a click (QUrl would mangle "quarvel cite=..." and "//").
class TankBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit TankBrowser(QWidget *parent = nullptr);
    void showPage(const QStringList &lines);
    // Relative picture names are taken from this folder (ends with "/").
    void setBaseFolder(const QString &folder) { baseFolder_ = folder; }
    const QStringList &pageLines() const { return lines_; }
    QVariant loadResource(int type, const QUrl &name) override;

signals:
    void linkClicked(const QString &href);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QStringList lines_;
    QString baseFolder_;
    QString pressedHref_;
};

// A picture file drawn for the page: SVG rendered at its own size, or any
// image Qt reads; a grey placeholder when the file cannot be read.
QImage pagePicture(const QString &path);

} // namespace velmora::cargo_tank

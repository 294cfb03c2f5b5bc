// The auditors' HTML view: shows a page, serves the label and marking
// pictures it names (SVG drawn to an image; only pictures of the program's
// "LABELS" and "Markings" folders), and reports the raw text of a clicked
// link.
#pragma once

#include "auditors/scripts/auditor_folders.h"

#include <QTextBrowser>

namespace velmora::auditors {

class AuditorView : public QTextBrowser {
    Q_OBJECT
public:
    AuditorView(AuditorFolders folders, QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &name) override;

    // The picture that shows the page's SRC; a blank placeholder when none.
    QImage pictureFor(const QString &src) const;

signals:
    void linkClicked(const QString &href);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    AuditorFolders folders_;
    QString pressedAnchor_;
};

} // namespace velmora::auditors

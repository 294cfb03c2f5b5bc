#include "viewer/erg_window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace velmora::viewer {

EmergencyResponseGuideWindow::EmergencyResponseGuideWindow(const QString &programFolder, QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Emergency Response Guide"));
    resize(900, 760);
    loaded_ = erg_.load(ergFolder(programFolder), &error_);

    QToolBar *bar = addToolBar(QStringLiteral("Guide"));
    bar->setObjectName(QStringLiteral("guide"));
    bar->setMovable(false);
    bar->addWidget(new QLabel(QStringLiteral(" ID number "), bar));
    idEdit_ = new QLineEdit(bar);
    idEdit_->setPlaceholderText(QStringLiteral("1017"));
    idEdit_->setMaximumWidth(110);
    bar->addWidget(idEdit_);
    connect(idEdit_, &QLineEdit::returnPressed, this, [this] { showId(idEdit_->text()); });
    bar->addAction(QStringLiteral("Show"), this, [this] { showId(idEdit_->text()); });
    bar->addSeparator();
    bar->addWidget(new QLabel(QStringLiteral(" Guide "), bar));
    guides_ = new QComboBox(bar);
    guides_->addItem(QString());
    for (const QString &n : erg_.guideNumbers())
        guides_->addItem(n + QStringLiteral(" ") + erg_.guide(n)->title, n);
    guides_->addItem(QStringLiteral("General First Aid"), QStringLiteral("FA"));
    guides_->setMaximumWidth(360);
    bar->addWidget(guides_);
    connect(guides_, &QComboBox::activated, this, [this](int i) {
        const QString n = guides_->itemData(i).toString();
        if (!n.isEmpty())
            showGuide(n);
    });
    bar->addSeparator();
    QAction *copy = bar->addAction(QStringLiteral("Copy"), this, [this] {
        const QString sel = browser_->textCursor().selectedText();
        QApplication::clipboard()->setText(sel.isEmpty() ? browser_->toPlainText() : sel);
    });
    copy->setShortcut(QKeySequence::Copy);
    QAction *close = bar->addAction(QStringLiteral("Close"), this, &QWidget::close);
    close->setShortcut(QKeySequence::Close);

    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &EmergencyResponseGuideWindow::onAnchor);
    setCentralWidget(browser_);
    showItems({});
}

void EmergencyResponseGuideWindow::showItems(const QVector<ErgItem> &items)
{
    if (!loaded_) {
        browser_->setHtml(QStringLiteral("<html><body><h2>The Emergency Response Guidebook is missing</h2><p>%1</p>"
                                         "<p>Reinstall the program.</p></body></html>")
                              .arg(error_.toHtmlEscaped()));
        return;
    }
    browser_->setHtml(ergPageHtml(erg_, items));
}

void EmergencyResponseGuideWindow::showGuide(const QString &number)
{
    if (loaded_)
        browser_->setHtml(guidePageHtml(erg_, number));
}

void EmergencyResponseGuideWindow::showId(const QString &id)
{
    if (!loaded_)
        return showItems({});
    const QString digits = idDigits(id);
    if (digits.isEmpty()) {
        browser_->setHtml(QStringLiteral("<html><body><h2>Not an ID number</h2><p>\u201C%1\u201D is not an ID number: "
                                         "type four digits, for example 1017 or UN1017.</p></body></html>")
                              .arg(id.toHtmlEscaped()));
        return;
    }
    const QVector<IndexEntry> rows = erg_.indexOf(digits);
    if (rows.isEmpty()) {
        browser_->setHtml(QStringLiteral("<html><body><h2>%1 is not in the guidebook</h2><p>The Emergency Response "
                                         "Guidebook 2024 lists no material with ID number %1. Use "
                                         "<a href=\"guide:111\">Guide 111</a> until the material is identified.</p>"
                                         "</body></html>")
                              .arg(digits));
        return;
    }
    // One part per distinct guide of the ID, named after its first entry.
    QVector<ErgItem> items;
    QStringList seen;
    for (const IndexEntry &e : rows) {
        if (seen.contains(e.guide))
            continue;
        seen << e.guide;
        items.push_back({digits, e.name, QString(), e.guide});
    }
    browser_->setHtml(ergPageHtml(erg_, items));
}

void EmergencyResponseGuideWindow::onAnchor(const QUrl &url)
{
    const QString href = url.toString(QUrl::FullyDecoded);
    if (href.startsWith(QStringLiteral("guide:")))
        showGuide(href.mid(6));
    else if (href.startsWith(QLatin1Char('#')))
        browser_->scrollToAnchor(href.mid(1));
}

} // namespace velmora::viewer

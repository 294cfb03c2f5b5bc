#include "app/help_window.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace velmora {

HelpWindow::HelpWindow(const QString &helpFolder, QWidget *parent) : QDialog(parent), folder_(helpFolder)
{
    setWindowTitle(QStringLiteral("Velmora - Commercial Help"));
    setObjectName(QStringLiteral("HelpWindow"));
    resize(820, 600);
    auto *layout = new QHBoxLayout(this);
    auto *splitter = new QSplitter(this);
    auto *side = new QWidget(splitter);
    auto *sl = new QVBoxLayout(side);
    sl->setContentsMargins(0, 0, 0, 0);
    auto *contents = new QPushButton(QStringLiteral("Contents"), side);
    sl->addWidget(contents);
    sl->addWidget(new QLabel(QStringLiteral("Search:"), side));
    query_ = new QLineEdit(side);
    sl->addWidget(query_);
    hits_ = new QListWidget(side);
    sl->addWidget(hits_);
    browser_ = new QTextBrowser(splitter);
    browser_->setSearchPaths({helpFolder});
    browser_->setOpenExternalLinks(true);
    splitter->addWidget(side);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 620});
    layout->addWidget(splitter);

    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(query_, &QLineEdit::returnPressed, this, &HelpWindow::runSearch);
    connect(hits_, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        browser_->setSource(QUrl::fromLocalFile(QDir(folder_).filePath(item->data(Qt::UserRole).toString())));
    });
}

bool HelpWindow::showContents()
{
    const QString page = QDir(folder_).filePath(QStringLiteral("contents.html"));
    if (!QFile::exists(page))
        return false;
    browser_->setSource(QUrl::fromLocalFile(page));
    return true;
}

void HelpWindow::showSearch()
{
    query_->clear();
    hits_->clear();
    query_->setFocus();
}

QStringList HelpWindow::searchPages(const QString &helpFolder, const QString &query)
{
    QStringList found;
    const QStringList words = query.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QStringList pages = QDir(helpFolder).entryList({QStringLiteral("*.html"), QStringLiteral("*.htm")}, QDir::Files, QDir::Name);
    for (const QString &page : pages) {
        QFile f(QDir(helpFolder).filePath(page));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        QTextDocument doc;
        doc.setHtml(QString::fromUtf8(f.readAll()));
        const QString text = doc.toPlainText();
        bool all = !words.isEmpty();
        for (const QString &w : words)
            all = all && text.contains(w, Qt::CaseInsensitive);
        if (all)
            found << page;
    }
    return found;
}

void HelpWindow::runSearch()
{
    hits_->clear();
    for (const QString &page : searchPages(folder_, query_->text())) {
        QTextDocument doc;
        QFile f(QDir(folder_).filePath(page));
        f.open(QIODevice::ReadOnly);
        doc.setHtml(QString::fromUtf8(f.readAll()));
        const QString title = doc.metaInformation(QTextDocument::DocumentTitle);
        auto *item = new QListWidgetItem(title.isEmpty() ? page : title, hits_);
        item->setData(Qt::UserRole, page);
    }
    if (hits_->count() == 0)
        new QListWidgetItem(QStringLiteral("No topics found"), hits_);
}

} // namespace velmora

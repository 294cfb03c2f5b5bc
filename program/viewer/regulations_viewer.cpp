#include "viewer/regulations_viewer.h"

#include "viewer/regulation_page.h"
#include "viewer/viewer_links.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextCursor>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora::viewer {

namespace {

constexpr int kSectionRole = Qt::UserRole;
constexpr int kLineRole = Qt::UserRole + 1;

// Plain text of a section line: markup of the copy removed.
QString plainLine(const QString &line)
{
    QString s = line;
    s.remove(QStringLiteral("**"));
    s.replace(QStringLiteral("\\*"), QStringLiteral("*"));
    s.replace(QStringLiteral("\\_"), QStringLiteral("_"));
    s.replace(QStringLiteral("<br>"), QStringLiteral(" "));
    return s;
}

} // namespace

RegulationsViewer::RegulationsViewer(const QString &programFolder, QWidget *parent)
    : QMainWindow(parent), programFolder_(programFolder)
{
    setWindowTitle(QStringLiteral("Regulations"));
    resize(1100, 760);
    openUrl = [](const QUrl &url) { return QDesktopServices::openUrl(url); };

    loaded_ = library_.load(regulationDataPath(programFolder), &loadError_);

    QToolBar *bar = addToolBar(QStringLiteral("Navigation"));
    bar->setObjectName(QStringLiteral("navigation"));
    bar->setMovable(false);
    back_ = bar->addAction(QStringLiteral("Back"), this, &RegulationsViewer::goBack);
    back_->setShortcut(QKeySequence::Back);
    forward_ = bar->addAction(QStringLiteral("Forward"), this, &RegulationsViewer::goForward);
    forward_->setShortcut(QKeySequence::Forward);
    bar->addSeparator();
    QAction *copyAction = bar->addAction(QStringLiteral("Copy"), this, &RegulationsViewer::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAddress_ = bar->addAction(QStringLiteral("Copy Address"), this, &RegulationsViewer::copyAddress);
    copyAddress_->setToolTip(QStringLiteral("Copy the eCFR address of what is shown"));
    openBrowser_ = bar->addAction(QStringLiteral("Open in Browser"), this, &RegulationsViewer::openAddressInBrowser);
    openBrowser_->setToolTip(QStringLiteral("Open the current text on the eCFR web site"));
    bar->addSeparator();
    bar->addWidget(new QLabel(QStringLiteral(" Go to 49 CFR "), bar));
    goEdit_ = new QLineEdit(bar);
    goEdit_->setPlaceholderText(QStringLiteral("177.848(d)"));
    goEdit_->setMaximumWidth(180);
    bar->addWidget(goEdit_);
    connect(goEdit_, &QLineEdit::returnPressed, this, [this] {
        if (!goEdit_->text().trimmed().isEmpty())
            showCitation(goEdit_->text());
    });

    auto *split = new QSplitter(this);
    side_ = new QTabWidget(split);
    contents_ = new QTreeWidget(side_);
    contents_->setHeaderHidden(true);
    contents_->setColumnCount(1);
    side_->addTab(contents_, QStringLiteral("Contents"));
    auto *searchPane = new QWidget(side_);
    auto *sv = new QVBoxLayout(searchPane);
    sv->setContentsMargins(2, 2, 2, 2);
    searchEdit_ = new QLineEdit(searchPane);
    searchEdit_->setPlaceholderText(QStringLiteral("Search all sections"));
    searchEdit_->setClearButtonEnabled(true);
    results_ = new QListWidget(searchPane);
    results_->setWordWrap(true);
    sv->addWidget(searchEdit_);
    sv->addWidget(results_, 1);
    side_->addTab(searchPane, QStringLiteral("Search"));
    QAction *find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    addAction(find);
    connect(find, &QAction::triggered, this, [this] {
        side_->setCurrentIndex(1);
        searchEdit_->setFocus();
        searchEdit_->selectAll();
    });
    connect(searchEdit_, &QLineEdit::returnPressed, this, [this] { showSearch(searchEdit_->text()); });
    connect(results_, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        const int s = item->data(kSectionRole).toInt();
        if (s < 0 || s >= library_.sections().size())
            return;
        go({Place::Cite, library_.sections()[s].number, item->data(kLineRole).toInt(), searchTerm_});
    });
    connect(results_, &QListWidget::itemClicked, results_, &QListWidget::itemActivated);
    connect(contents_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        const QString number = item->data(0, kSectionRole).toString();
        if (!number.isEmpty())
            go({Place::Cite, number, -1, {}});
    });
    connect(contents_, &QTreeWidget::itemClicked, contents_, &QTreeWidget::itemActivated);

    auto *right = new QWidget(split);
    auto *rv = new QVBoxLayout(right);
    rv->setContentsMargins(0, 0, 0, 0);
    rv->setSpacing(2);
    edition_ = new QLabel(right);
    edition_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    edition_->setContentsMargins(6, 3, 6, 3);
    edition_->setStyleSheet(QStringLiteral("QLabel { background: #e8eef7; }"));
    browser_ = new QTextBrowser(right);
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &RegulationsViewer::onAnchor);
    rv->addWidget(edition_);
    rv->addWidget(browser_, 1);
    split->addWidget(side_);
    split->addWidget(right);
    split->setStretchFactor(1, 1);
    split->setSizes({340, 760});
    setCentralWidget(split);

    buildContents();
    if (!loaded_) {
        browser_->setHtml(QStringLiteral("<html><body><h2>The regulation text is missing</h2><p>%1</p>"
                                         "<p>Reinstall the program, or read the regulation on the eCFR web site: "
                                         "<b>https://www.ecfr.gov/current/title-49</b></p></body></html>")
                              .arg(loadError_.toHtmlEscaped()));
        address_ = QStringLiteral("https://www.ecfr.gov/current/title-49");
        edition_->setText(QStringLiteral("No regulation text"));
    } else {
        edition_->setText(QStringLiteral("49 CFR: choose a section in Contents, search, or follow a citation"));
    }
    updateActions();
}

void RegulationsViewer::buildContents()
{
    contents_->clear();
    QTreeWidgetItem *part = nullptr;
    QTreeWidgetItem *subpart = nullptr;
    for (const Section &s : library_.sections()) {
        if (!part || part->data(0, kLineRole).toString() != s.part) {
            const QString title = partTitle(s.part);
            part = new QTreeWidgetItem(contents_, {QStringLiteral("Part ") + s.part +
                                                   (title.isEmpty() ? QString() : QStringLiteral(" \u2014 ") + title)});
            part->setData(0, kLineRole, s.part);
            part->setToolTip(0, part->text(0));
            subpart = nullptr;
        }
        if (!s.subpart.isEmpty() && (!subpart || subpart->data(0, kLineRole).toString() != s.subpart)) {
            subpart = new QTreeWidgetItem(part, {QStringLiteral("Subpart ") + s.subpart});
            subpart->setData(0, kLineRole, s.subpart);
        }
        auto *item = new QTreeWidgetItem(subpart && !s.subpart.isEmpty() ? subpart : part,
                                         {QStringLiteral("\u00A7 ") + s.number + QLatin1Char(' ') + s.heading});
        item->setData(0, kSectionRole, s.number);
        item->setToolTip(0, item->text(0));
    }
}

const Section *RegulationsViewer::currentSection() const
{
    return sectionIndex_ >= 0 && sectionIndex_ < library_.sections().size() ? &library_.sections()[sectionIndex_]
                                                                              : nullptr;
}

QString RegulationsViewer::currentKey() const
{
    return at_ >= 0 && at_ < history_.size() ? history_[at_].value : QString();
}

void RegulationsViewer::openLink(const QString &href)
{
    const ViewerLink link = classifyLink(href);
    switch (link.kind) {
    case ViewerLink::Citation:
        showCitation(link.value);
        return;
    case ViewerLink::LocalPage: {
        const QString path = localPagePath(programFolder_, link.folder, link.document);
        if (path.isEmpty()) {
            missing_ = true;
            sectionIndex_ = -1;
            browser_->setHtml(QStringLiteral("<html><body><h2>Page not found</h2><p>The page %1 is not among the "
                                             "pages supplied with the program (folder %2).</p></body></html>")
                                  .arg(link.document.toHtmlEscaped(), link.folder.toHtmlEscaped()));
            edition_->setText(QStringLiteral("Page not found"));
            updateActions();
            return;
        }
        showLocalPage(path);
        return;
    }
    case ViewerLink::CgiDocument:
        go({Place::Document, href, -1, {}});
        return;
    case ViewerLink::Anchor:
        browser_->scrollToAnchor(link.value);
        return;
    case ViewerLink::Close:
        return;
    case ViewerLink::File:
        emit linkNotHandled(href);
        return;
    }
}

void RegulationsViewer::showCitation(const QString &citation) { go({Place::Cite, citation, -1, {}}); }

void RegulationsViewer::showLocalPage(const QString &path) { go({Place::Page, path, -1, {}}); }

void RegulationsViewer::showSearch(const QString &query)
{
    searchTerm_ = query.simplified();
    searchEdit_->setText(searchTerm_);
    side_->setCurrentIndex(1);
    results_->clear();
    const QVector<SearchHit> hits = library_.search(searchTerm_);
    for (const SearchHit &h : hits) {
        const Section &s = library_.sections()[h.section];
        auto *item = new QListWidgetItem(QStringLiteral("\u00A7 %1 %2\n%3").arg(s.number, s.heading, h.snippet), results_);
        item->setData(kSectionRole, h.section);
        item->setData(kLineRole, h.line);
    }
    if (hits.isEmpty())
        new QListWidgetItem(QStringLiteral("No section holds \u201C%1\u201D.").arg(searchTerm_), results_);
    statusBar()->showMessage(QStringLiteral("%1 places found").arg(hits.size()), 5000);
}

void RegulationsViewer::go(const Place &place)
{
    while (history_.size() > at_ + 1)
        history_.removeLast();
    history_.push_back(place);
    at_ = history_.size() - 1;
    render(place);
}

void RegulationsViewer::goBack()
{
    if (!canGoBack())
        return;
    --at_;
    render(history_[at_]);
}

void RegulationsViewer::goForward()
{
    if (!canGoForward())
        return;
    ++at_;
    render(history_[at_]);
}

void RegulationsViewer::render(const Place &place)
{
    span_ = {};
    missing_ = false;
    sectionIndex_ = -1;
    if (place.kind == Place::Page) {
        QFile f(place.value);
        const bool ok = f.open(QIODevice::ReadOnly);
        browser_->setSearchPaths({QFileInfo(place.value).absolutePath()});
        browser_->setHtml(ok ? QString::fromUtf8(f.readAll())
                             : QStringLiteral("<html><body><p>The page %1 cannot be read.</p></body></html>")
                                   .arg(place.value.toHtmlEscaped()));
        edition_->setText(QStringLiteral("Velmora help"));
        address_.clear();
        setWindowTitle(QStringLiteral("Regulations - Help"));
        updateActions();
        return;
    }
    if (place.kind == Place::Document) {
        renderDocument(place.value);
        return;
    }
    renderCitation(place);
}

void RegulationsViewer::renderDocument(const QString &cgiLink)
{
    const ViewerLink link = classifyLink(cgiLink);
    const CgiTarget t = cgiDocumentTarget(link.folder, link.document);
    if (!t.known) {
        renderCitation({Place::Cite, QString(), -1, {}});
        return;
    }
    missing_ = true;
    address_ = t.ecfrAddress;
    browser_->setHtml(QStringLiteral("<html><body><h2>%1</h2><p>This appendix is not in the offline copy of the "
                                     "regulation text. Its current text is on the eCFR:</p><p><b>%2</b></p>"
                                     "<p>Use <b>Copy Address</b> or <b>Open in Browser</b> above, or read "
                                     "<a href=\"cite:172.101\">\u00A7 172.101</a>, which introduces it.</p>"
                                     "</body></html>")
                          .arg(t.title.toHtmlEscaped(), t.ecfrAddress.toHtmlEscaped()));
    edition_->setText(t.title);
    setWindowTitle(QStringLiteral("Regulations - ") + t.title);
    updateActions();
}

void RegulationsViewer::renderCitation(const Place &place)
{
    if (place.value.trimmed().isEmpty()) {
        address_ = QStringLiteral("https://www.ecfr.gov/current/title-49");
        browser_->setHtml(QStringLiteral("<html><body><h2>Title 49 CFR: offline copy</h2><p>Choose a section in "
                                         "<b>Contents</b>, search all sections in <b>Search</b>, or type a citation "
                                         "such as 177.848(d) in <b>Go to</b>.</p></body></html>"));
        edition_->setText(QStringLiteral("49 CFR"));
        setWindowTitle(QStringLiteral("Regulations"));
        updateActions();
        return;
    }
    const Citation c = parseCitation(place.value);
    address_ = ecfrAddress(c);
    sectionIndex_ = c.valid && !c.section.isEmpty() ? library_.indexOf(c.section) : -1;
    if (sectionIndex_ < 0) {
        if (c.valid && c.section.isEmpty() && library_.hasPart(c.part)) {
            // A whole part: its first section, and its place in the contents.
            for (int i = 0; i < library_.sections().size(); ++i)
                if (library_.sections()[i].part == c.part) {
                    sectionIndex_ = i;
                    break;
                }
        } else {
            missing_ = true;
            browser_->setHtml(missingPageHtml(c, library_.parts()));
            edition_->setText(c.valid ? c.display() + QStringLiteral(": not in the offline copy")
                                      : QStringLiteral("Not a citation: ") + place.value);
            setWindowTitle(QStringLiteral("Regulations - ") + (c.valid ? c.display() : place.value));
            updateActions();
            return;
        }
    }
    const Section &s = library_.sections()[sectionIndex_];
    QString note;
    if (c.valid && !c.section.isEmpty() && s.number.compare(c.section, Qt::CaseInsensitive) != 0) {
        note = QStringLiteral("\u00A7 %1 lies in \u00A7\u00A7 %2, which this edition lists as reserved: its text is "
                              "no longer in the regulation.<br>eCFR: <b>%3</b>")
                   .arg(c.section.toHtmlEscaped(), s.number.toHtmlEscaped(), address_.toHtmlEscaped());
        span_ = {};
        browser_->setSearchPaths({});
        browser_->setHtml(sectionPageHtml(s, span_, note));
        edition_->setText(QStringLiteral("49 CFR %1 \u2014 %2").arg(s.number, editionText(s)));
        setWindowTitle(QStringLiteral("Regulations - 49 CFR ") + c.section);
        updateActions();
        return;
    }
    if (place.line >= 0) {
        span_ = {place.line, place.line, 0};
    } else if (!c.paragraphs.isEmpty()) {
        span_ = locateParagraph(s.lines, c.paragraphs);
        if (span_.matched < c.paragraphs.size())
            note = paragraphNotFoundNote(c, span_);
    }
    browser_->setSearchPaths({});
    browser_->setHtml(sectionPageHtml(s, span_, note, place.term));
    edition_->setText(QStringLiteral("49 CFR %1 \u2014 %2").arg(s.number, editionText(s)));
    setWindowTitle(QStringLiteral("Regulations - 49 CFR ") + s.number);
    if (span_.first >= 0) {
        // The paragraph near the top, with a little of what leads to it.
        browser_->scrollToAnchor(lineAnchor(span_.first));
        QScrollBar *bar = browser_->verticalScrollBar();
        bar->setValue(bar->value() - 3 * browser_->fontMetrics().lineSpacing());
    } else
        browser_->moveCursor(QTextCursor::Start);
    // Keep the contents in step with the page.
    const auto found = contents_->findItems(QStringLiteral("\u00A7 ") + s.number + QLatin1Char(' '),
                                            Qt::MatchStartsWith | Qt::MatchRecursive);
    if (!found.isEmpty()) {
        contents_->setCurrentItem(found.front());
        contents_->scrollToItem(found.front());
    }
    updateActions();
}

void RegulationsViewer::updateActions()
{
    back_->setEnabled(canGoBack());
    forward_->setEnabled(canGoForward());
    copyAddress_->setEnabled(!address_.isEmpty());
    openBrowser_->setEnabled(!address_.isEmpty());
}

void RegulationsViewer::onAnchor(const QUrl &url)
{
    // QUrl keeps "cite:172.504(e)" and "#p12" as written; the pages of the
    // program folder write "quarvel cite=..." and "viewer ..." targets,
    // which come back with their blanks encoded.
    const QString href = url.toString(QUrl::FullyDecoded);
    if (href.startsWith(QLatin1Char('#'))) {
        browser_->scrollToAnchor(href.mid(1));
        return;
    }
    openLink(href);
}

void RegulationsViewer::copy()
{
    QString text = browser_->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    if (text.isEmpty()) {
        if (const Section *s = currentSection()) {
            const int first = span_.first >= 0 ? span_.first : 0;
            const int last = span_.first >= 0 ? span_.last : s->lines.size() - 1;
            text = QStringLiteral("49 CFR \u00A7 %1 %2\n").arg(s->number, s->heading);
            for (int i = first; i <= last; ++i)
                text += plainLine(s->lines[i]) + QLatin1Char('\n');
            text += QStringLiteral("(%1)\n").arg(editionText(*s));
        } else {
            text = address_;
        }
    }
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void RegulationsViewer::copyAddress()
{
    if (address_.isEmpty())
        return;
    QApplication::clipboard()->setText(address_);
    statusBar()->showMessage(QStringLiteral("Copied: ") + address_, 5000);
}

void RegulationsViewer::openAddressInBrowser()
{
    if (address_.isEmpty())
        return;
    if (!openUrl(QUrl(address_))) {
        // No browser on this machine: the address goes to the clipboard so
        // that it can be used elsewhere, and the user is told.
        QApplication::clipboard()->setText(address_);
        statusBar()->showMessage(QStringLiteral("No web browser could be started; the address was copied: ") +
                                     address_,
                                 10000);
    }
}

} // namespace velmora::viewer

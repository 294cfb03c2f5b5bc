// The regulations viewer: the program's own copy of the cited sections of
// 49 CFR, opened at a citation with its paragraph highlighted; contents by
// part and subpart, search across all sections, back and forward, copy, and
// the edition date of every section.  A citation that the copy does not hold
// gets a page that says so and offers the eCFR address.
#pragma once

#include "viewer/citation.h"
#include "viewer/regulation_library.h"

#include <QMainWindow>
#include <QUrl>
#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace velmora::viewer {

class RegulationsViewer : public QMainWindow {
    Q_OBJECT
public:
    explicit RegulationsViewer(const QString &programFolder, QWidget *parent = nullptr);

    // False when the regulation text could not be read (the window then
    // says why on its page).
    bool isLoaded() const { return loaded_; }
    const RegulationLibrary &library() const { return library_; }

    // Any link target of the program's pages: "quarvel cite=...", a bare
    // citation, "viewer /cgi-bin/qvget.cgi?db=HAZMAT&doc=...", "cite:...".
    void openLink(const QString &href);
    // A citation ("49CFR172.504(f)(2)"); an empty one shows the contents.
    void showCitation(const QString &citation);
    // A page supplied in the program folder (a help page).
    void showLocalPage(const QString &path);
    void showSearch(const QString &query);

    // What is shown, for the tests and the window's own commands.
    const Section *currentSection() const;
    ParagraphSpan highlight() const { return span_; }
    bool showingMissing() const { return missing_; }
    QString currentAddress() const { return address_; }
    QString currentKey() const;
    QTextBrowser *browser() const { return browser_; }
    QTreeWidget *contents() const { return contents_; }
    QListWidget *searchResults() const { return results_; }
    QLabel *editionLabel() const { return edition_; }

    bool canGoBack() const { return at_ > 0; }
    bool canGoForward() const { return at_ + 1 < history_.size(); }
    void goBack();
    void goForward();
    // Copies the selection, or else the highlighted paragraph (or the whole
    // section) with its citation, or the eCFR address of a missing page.
    void copy();
    void copyAddress();
    void openAddressInBrowser();

    // Opens an address in the desktop's browser; tests replace it.
    std::function<bool(const QUrl &)> openUrl;

signals:
    // A link that leads to another window of the program (for example an
    // Emergency Response Guide page); the viewer itself has nothing to show.
    void linkNotHandled(const QString &href);

private:
    struct Place {
        enum Kind { Cite, Page, Document } kind = Cite;
        QString value;     // the citation, the page's file, or a "/cgi-bin" link
        int line = -1;     // a search hit: the line to show
        QString term;      // a search hit: the words to mark
    };
    void go(const Place &place);
    void render(const Place &place);
    void renderCitation(const Place &place);
    void renderDocument(const QString &cgiLink);
    void buildContents();
    void updateActions();
    void onAnchor(const QUrl &url);

    QString programFolder_;
    RegulationLibrary library_;
    bool loaded_ = false;
    QString loadError_;

    QVector<Place> history_;
    int at_ = -1;
    int sectionIndex_ = -1;
    ParagraphSpan span_;
    bool missing_ = false;
    QString address_;
    QString searchTerm_;

    QTabWidget *side_ = nullptr;
    QTreeWidget *contents_ = nullptr;
    QLineEdit *searchEdit_ = nullptr;
    QListWidget *results_ = nullptr;
    QLineEdit *goEdit_ = nullptr;
    QLabel *edition_ = nullptr;
    QTextBrowser *browser_ = nullptr;
    QAction *back_ = nullptr;
    QAction *forward_ = nullptr;
    QAction *copyAddress_ = nullptr;
    QAction *openBrowser_ = nullptr;
};

} // namespace velmora::viewer

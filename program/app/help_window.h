// The help window: the HTML help pages supplied under the program folder's
// "help" folder, with a plain full-text search over them.
#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace velmora {

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(const QString &helpFolder, QWidget *parent = nullptr);

    // False when the page does not exist.
    bool showContents();
    void showSearch();

    // Pages (file names) whose text holds every word of the query, any case.
    static QStringList searchPages(const QString &helpFolder, const QString &query);

    QTextBrowser *browser() const { return browser_; }

private slots:
    void runSearch();

private:
    QString folder_;
    QTextBrowser *browser_;
    QLineEdit *query_;
    QListWidget *hits_;
};

} // namespace velmora

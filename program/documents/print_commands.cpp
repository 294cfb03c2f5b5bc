#include "documents/print_commands.h"

#include <QAction>
#include <QIcon>
#include <QMenu>

namespace velmora {

PrintCommands::PrintCommands(QWidget *window, Prompts &prompts, ReportSources sources, QObject *parent)
    : QObject(parent), reports_(window, prompts, std::move(sources))
{
    auto make = [this](const char *caption, const QKeySequence &keys, auto command) {
        auto *a = new QAction(QString::fromLatin1(caption), this);
        if (!keys.isEmpty())
            a->setShortcut(keys);
        connect(a, &QAction::triggered, this, [this, command] {
            command(reports_);
            emit statusChanged(reports_.status());
        });
        return a;
    };
    print_ = make("&Print", QKeySequence::Print, [](ReportCommands &r) { r.print(); });
    print_->setToolTip(QStringLiteral("Print"));
    print_->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    // Ctrl+A is Select All in every list of the window, so printing every
    // option takes Ctrl+Shift+P, beside Print.
    printAll_ = make("Print &All Placarding Options", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P),
                     [](ReportCommands &r) { r.printAll(); });
    printPreview_ = make("Print Pre&view...", QKeySequence(), [](ReportCommands &r) { r.printPreview(); });
    complianceReport_ = make("&Compliance Report...", QKeySequence(), [](ReportCommands &r) { r.complianceReport(); });
    exportPdf_ = make("Export as P&DF...", QKeySequence(), [](ReportCommands &r) { r.exportPdf(); });
}

QList<QAction *> PrintCommands::fileMenuActions() const
{
    return {print_, printAll_, printPreview_, complianceReport_, exportPdf_};
}

void PrintCommands::addSavedReportEntries(QMenu *menu, bool oneSelected)
{
    QMenu *view = menu->addMenu(QStringLiteral("View"));
    view->addAction(QStringLiteral("Placarding Preview"), this, [this] {
        reports_.previewSavedPlacarding();
        emit statusChanged(reports_.status());
    });
    view->addAction(QStringLiteral("Detailed Report"), this, [this] {
        reports_.previewSavedReport();
        emit statusChanged(reports_.status());
    });
    QAction *pdf = menu->addAction(QStringLiteral("Export as PDF..."), this, [this] {
        reports_.exportSavedPdf();
        emit statusChanged(reports_.status());
    });
    view->setEnabled(oneSelected);
    pdf->setEnabled(oneSelected);
}

} // namespace velmora

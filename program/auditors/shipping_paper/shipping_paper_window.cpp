#include "auditors/shipping_paper/shipping_paper_window.h"

#include "documents/documents.h"
#include "refviews/table_entry_view.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace velmora::shipping_paper {

ShippingPaperWindow::ShippingPaperWindow(const QString &html, const QString &truckId, Prompts &prompts,
                                         QWidget *parent)
    : QDialog(parent), html_(html), truckId_(truckId), browser_(new LinkBrowser(this)),
      output_(std::make_unique<DocumentOutput>(this, prompts))
{
    setObjectName(QStringLiteral("ShippingPaperWindow"));
    setWindowTitle(QStringLiteral("HazMat Shipping Paper Auditor"));
    setSizeGripEnabled(true);
    resize(960, 640);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(browser_);
    QPalette pal = browser_->palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    browser_->setPalette(pal);
    browser_->setHtml(html_);

    auto *buttons = new QDialogButtonBox(this);
    printButton = buttons->addButton(QStringLiteral("&Print..."), QDialogButtonBox::ActionRole);
    pdfButton = buttons->addButton(QStringLiteral("Export as P&DF..."), QDialogButtonBox::ActionRole);
    closeButton = buttons->addButton(QDialogButtonBox::Close);
    layout->addWidget(buttons);
    connect(printButton, &QPushButton::clicked, this, &ShippingPaperWindow::print);
    connect(pdfButton, &QPushButton::clicked, this, &ShippingPaperWindow::exportPdf);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *printKey = new QShortcut(QKeySequence::Print, this);
    connect(printKey, &QShortcut::activated, this, &ShippingPaperWindow::print);
    connect(browser_, &LinkBrowser::linkActivated, this, [this](const QString &href) {
        if (followLink)
            followLink(href);
    });
}

ShippingPaperWindow::~ShippingPaperWindow() = default;

void ShippingPaperWindow::print()
{
    output_->print(htmlPrintJob(html_, windowTitle()), windowTitle());
}

void ShippingPaperWindow::exportPdf()
{
    const QString name = truckId_.trimmed().isEmpty() ? QStringLiteral("Shipping Paper Audit")
                                                     : QStringLiteral("Shipping Paper Audit - ") + truckId_.trimmed();
    output_->exportPdf(htmlPrintJob(html_, windowTitle()), name);
}

} // namespace velmora::shipping_paper

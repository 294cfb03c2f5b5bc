// The "HazMat Shipping Paper Auditor" window: the shipping-paper page in an
// HTML view whose links (help pages, regulation citations) go to the
// caller, with Print, Export as PDF and Close.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class QPushButton;

namespace velmora {
class DocumentOutput;
class LinkBrowser;
class Prompts;
} // namespace velmora

namespace velmora::shipping_paper {

class ShippingPaperWindow : public QDialog {
    Q_OBJECT
public:
    // `truckId` names the PDF offered by Export as PDF; messages go through
    // `prompts`.
    ShippingPaperWindow(const QString &html, const QString &truckId, Prompts &prompts, QWidget *parent = nullptr);
    ~ShippingPaperWindow() override;

    LinkBrowser *browser() const { return browser_; }
    QString html() const { return html_; }
    // Printing and PDF export (tests replace its dialogs).
    DocumentOutput &output() { return *output_; }
    // A clicked link's target exactly as the page wrote it.
    std::function<void(const QString &href)> followLink;

    QPushButton *printButton = nullptr, *pdfButton = nullptr, *closeButton = nullptr;

public slots:
    void print();
    void exportPdf();

private:
    QString html_;
    QString truckId_;
    LinkBrowser *browser_;
    std::unique_ptr<DocumentOutput> output_;
};

} // namespace velmora::shipping_paper

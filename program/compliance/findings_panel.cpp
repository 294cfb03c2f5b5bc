#include "compliance/findings_panel.h"

#include "compliance/verdict_bar.h"
#include "frontend/compliance_vocabulary.h"
#include "compliance/pictures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace velmora {

namespace {

// One finding: icon, summary and citation; hover and click report it.
class FindingRow : public QFrame {
public:
    FindingRow(const MessageEntry &finding, FindingsPanel *panel, const std::function<void(const MessageEntry *)> &hover,
               const std::function<void(const QString &)> &click)
        : QFrame(panel), finding_(finding), hover_(hover), click_(click)
    {
        setObjectName(QStringLiteral("finding"));
        setFrameShape(QFrame::NoFrame);
        setAutoFillBackground(true);
        if (finding.type == 0) {   // radiation findings stand out in yellow
            QPalette p = palette();
            p.setColor(QPalette::Window, QColor(255, 255, 0));
            p.setColor(QPalette::WindowText, Qt::black);
            setPalette(p);
        }
        auto *h = new QHBoxLayout(this);
        h->setContentsMargins(4, 2, 4, 2);
        auto *icon = new QLabel(this);
        icon->setPixmap(QPixmap::fromImage(
            namedPicture(QString::fromStdString(MessageIconResource(finding.type, finding.code)), QSize(24, 24))));
        icon->setAlignment(Qt::AlignTop);
        h->addWidget(icon);
        auto *text = new QLabel(this);
        text->setObjectName(QStringLiteral("findingText"));
        text->setWordWrap(true);
        text->setTextFormat(Qt::RichText);
        // the rule in its own words, then the paragraphs it cites
        QString html = findingSummary(finding).toHtmlEscaped();
        const QString cited = findingCitation(finding);
        if (!cited.isEmpty() && !finding.citation.isEmpty())
            html += QStringLiteral(" &nbsp;<span style=\"color:palette(link)\"><u>%1</u></span>").arg(cited.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;")));
        else if (!cited.isEmpty())
            html += QStringLiteral(" &nbsp;(%1)").arg(cited.toHtmlEscaped());
        text->setText(html);
        text->setAttribute(Qt::WA_TransparentForMouseEvents);
        h->addWidget(text, 1);
        if (!finding.citation.isEmpty())
            setCursor(Qt::PointingHandCursor);
        setToolTip(finding.reason);
    }

protected:
    void enterEvent(QEnterEvent *) override
    {
        setBackgroundRole(QPalette::Highlight);
        setForegroundRole(QPalette::HighlightedText);
        hover_(&finding_);
    }
    void leaveEvent(QEvent *) override
    {
        setBackgroundRole(QPalette::Window);
        setForegroundRole(QPalette::WindowText);
        hover_(nullptr);
    }
    void mousePressEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton && !finding_.citation.isEmpty())
            click_(finding_.citation);
    }

private:
    MessageEntry finding_;
    std::function<void(const MessageEntry *)> hover_;
    std::function<void(const QString &)> click_;
};

} // namespace

FindingsPanel::FindingsPanel(QWidget *parent) : QWidget(parent)
{
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(4, 4, 4, 4);
    layout_->setSpacing(2);
    layout_->addStretch(1);
}

void FindingsPanel::setFindings(const std::vector<MessageEntry> &messages)
{
    for (QWidget *w : shown_) {
        w->hide();
        w->deleteLater();
    }
    shown_.clear();
    groups_ = groupFindings(messages);
    int at = 0;
    const auto hover = [this](const MessageEntry *f) { emit findingHovered(f); };
    const auto click = [this](const QString &key) { emit citationClicked(key); };
    if (groups_.empty()) {
        auto *none = new QLabel(tr("There are no segregations or restrictions for this truckload."), this);
        layout_->insertWidget(at++, none);
        shown_ << none;
    }
    for (const FindingGroup &g : groups_) {
        auto *heading = new QLabel(QStringLiteral("%1 (%2)").arg(g.heading).arg(g.findings.size()), this);
        heading->setObjectName(QStringLiteral("findingHeading"));
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
        heading->setContentsMargins(0, at == 0 ? 0 : 6, 0, 0);
        layout_->insertWidget(at++, heading);
        shown_ << heading;
        for (const MessageEntry &f : g.findings) {
            auto *row = new FindingRow(f, this, hover, click);
            layout_->insertWidget(at++, row);
            shown_ << row;
        }
    }
}

QStringList FindingsPanel::headings() const
{
    QStringList out;
    for (const FindingGroup &g : groups_)
        out << QStringLiteral("%1 (%2)").arg(g.heading).arg(g.findings.size());
    return out;
}

int FindingsPanel::findingCount() const
{
    int n = 0;
    for (const FindingGroup &g : groups_)
        n += static_cast<int>(g.findings.size());
    return n;
}

} // namespace velmora

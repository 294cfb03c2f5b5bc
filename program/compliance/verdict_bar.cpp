#include "compliance/verdict_bar.h"

#include <QGridLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace velmora {

namespace {

const QColor kLegal(0, 122, 61), kIllegal(190, 20, 40), kUndetermined(176, 112, 0), kNeutral(90, 90, 90);

QLabel *badge(QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(170);
    l->setMargin(4);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLabel *line(QWidget *parent)
{
    auto *l = new QLabel(parent);
    l->setWordWrap(true);
    l->setTextFormat(Qt::RichText);
    l->setTextInteractionFlags(Qt::TextBrowserInteraction);
    l->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

} // namespace

VerdictBar::VerdictBar(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("verdictBar"));
    setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(10);
    legalityBadge_ = badge(this);
    legalityText_ = line(this);
    permitBadge_ = badge(this);
    permitText_ = line(this);
    grid->addWidget(legalityBadge_, 0, 0, Qt::AlignTop);
    grid->addWidget(legalityText_, 0, 1, Qt::AlignTop);
    grid->addWidget(permitBadge_, 1, 0, Qt::AlignTop);
    grid->addWidget(permitText_, 1, 1, Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    for (QLabel *l : {legalityText_, permitText_})
        connect(l, &QLabel::linkActivated, this, &VerdictBar::activate);
    clear();
}

void VerdictBar::activate(const QString &link)
{
    if (link == QLatin1String("#findings"))
        emit findingsRequested();
    else if (link.startsWith(QLatin1String("cite:")))
        emit citationClicked(link.mid(5));
}

void VerdictBar::showLine(QLabel *badgeLabel, QLabel *text, const QString &badgeText, const QColor &colour,
                          const VerdictLine &l, bool linkFindings)
{
    badgeLabel->setText(badgeText);
    badgeLabel->setStyleSheet(QStringLiteral("QLabel { color: white; background: %1; border-radius: 3px; }").arg(colour.name()));
    QString html = QStringLiteral("<b>") + l.headline.toHtmlEscaped() + QStringLiteral("</b><br>") +
                   l.reason.trimmed().toHtmlEscaped().replace(QRegularExpression(QStringLiteral("(\r?\n)+")), QStringLiteral("<br>"));
    if (!l.citation.isEmpty())
        html += QStringLiteral(" &nbsp;<a href=\"cite:%1\">%2</a>")
                    .arg(l.citation.toHtmlEscaped(),
                         (l.citationText.isEmpty() ? citationDisplay(l.citation) : l.citationText).toHtmlEscaped());
    if (l.moreFindings > 0)
        html += QStringLiteral(" &nbsp;(%1 more)").arg(l.moreFindings);
    if (linkFindings)   // nothing to see when there are none
        html += QStringLiteral(" &nbsp;<a href=\"#findings\">See the findings</a>");
    text->setText(html);
}

void VerdictBar::setVerdict(const Verdict &v)
{
    switch (v.legality) {
    case Legality::Legal: showLine(legalityBadge_, legalityText_, tr("LEGAL"), kLegal, v.legalityLine, v.findingCount > 0); break;
    case Legality::Illegal: showLine(legalityBadge_, legalityText_, tr("ILLEGAL"), kIllegal, v.legalityLine, v.findingCount > 0); break;
    case Legality::Undetermined:
        showLine(legalityBadge_, legalityText_, tr("CANNOT BE DETERMINED"), kUndetermined, v.legalityLine, v.findingCount > 0);
        break;
    }
    switch (v.permit) {
    case PermitAnswer::NotNeeded: showLine(permitBadge_, permitText_, tr("NO PERMIT NEEDED"), kLegal, v.permitLine, v.findingCount > 0); break;
    case PermitAnswer::MayBeNeeded:
        showLine(permitBadge_, permitText_, tr("PERMIT MAY BE NEEDED"), kUndetermined, v.permitLine, v.findingCount > 0);
        break;
    case PermitAnswer::Needed: showLine(permitBadge_, permitText_, tr("PERMIT REQUIRED"), kIllegal, v.permitLine, v.findingCount > 0); break;
    }
    permitBadge_->show();
    permitText_->show();
}

void VerdictBar::clear()
{
    legalityBadge_->setText(tr("NO ITEMS"));
    legalityBadge_->setStyleSheet(QStringLiteral("QLabel { color: white; background: %1; border-radius: 3px; }").arg(kNeutral.name()));
    legalityText_->setText(tr("<b>The truckload is empty.</b><br>Add items from the Search view to see the verdict."));
    permitBadge_->hide();
    permitText_->hide();
}

QString VerdictBar::legalityText() const
{
    return legalityBadge_->text() + QLatin1Char(' ') + QTextDocumentFragment::fromHtml(legalityText_->text()).toPlainText();
}

QString VerdictBar::permitText() const
{
    return permitBadge_->text() + QLatin1Char(' ') + QTextDocumentFragment::fromHtml(permitText_->text()).toPlainText();
}

} // namespace velmora

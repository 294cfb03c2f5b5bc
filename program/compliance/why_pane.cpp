#include "compliance/why_pane.h"

#include <QEvent>
#include <algorithm>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

QString reasonCitationKey(const QString &citation)
{
    static const QRegularExpression first(QStringLiteral("^(\\d+) CFR ([0-9.]+(?:\\([0-9a-zA-Z]+\\))*)"));
    const auto m = first.match(citation.trimmed());
    return m.hasMatch() ? m.captured(1) + QStringLiteral("cfr") + m.captured(2) : QString();
}

WhyPane::WhyPane(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WhyPane"));
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 4, 0, 0);
    auto *title = new QLabel(QStringLiteral("Why?"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    v->addWidget(title);
    list_ = new QTreeWidget(this);
    list_->setColumnCount(3);
    list_->setHeaderLabels({QStringLiteral("About"), QStringLiteral("Reason"), QStringLiteral("Citation")});
    list_->setRootIsDecorated(false);
    list_->setWordWrap(true);
    list_->setUniformRowHeights(false);
    list_->setAlternatingRowColors(true);
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    list_->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    // Reasons wrap within their column: rows are measured again whenever a
    // column changes width.
    list_->setTextElideMode(Qt::ElideNone);
    list_->viewport()->installEventFilter(this);
    v->addWidget(list_, 1);
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        const QString key = reasonCitationKey(item->text(2));
        if (!key.isEmpty())
            emit citationClicked(key);
    });
}

void WhyPane::setReasons(std::vector<frontend::ReasonLine> reasons)
{
    reasons_ = std::move(reasons);
    list_->clear();
    for (const frontend::ReasonLine &line : reasons_) {
        auto *row = new QTreeWidgetItem(list_);
        row->setText(0, QString::fromUtf8(frontend::reasonKindName(line.kind)));
        row->setText(1, QString::fromStdString(line.text));
        row->setText(2, QString::fromStdString(line.citation));
        row->setToolTip(1, row->text(1));
    }
    measureRows();
}

bool WhyPane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == list_->viewport() && event->type() == QEvent::Resize)
        measureRows();
    return QWidget::eventFilter(watched, event);
}

void WhyPane::measureRows()
{
    // The Reason column takes what the other two leave of the viewport.
    // The other two fit their contents, which may not be laid out yet.
    const auto taken = [this](int column) {
        int widest = list_->header()->sectionSizeHint(column);
        for (int i = 0; i < list_->topLevelItemCount(); ++i)
            widest = std::max(widest, list_->fontMetrics().horizontalAdvance(list_->topLevelItem(i)->text(column)) + 12);
        return std::max(list_->columnWidth(column), widest);
    };
    const int width = list_->viewport()->width() - taken(0) - taken(2) - 8;
    if (width <= 0)
        return;
    const QFontMetrics metrics = list_->fontMetrics();
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = list_->topLevelItem(i);
        const QRect text = metrics.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, row->text(1));
        row->setSizeHint(1, QSize(width, text.height() + 4));
    }
}

void WhyPane::markPlacard(int placard)
{
    list_->clearSelection();
    QTreeWidgetItem *first = nullptr;
    for (size_t i = 0; i < reasons_.size(); ++i) {
        if (placard < 0 || reasons_[i].placard != placard)
            continue;
        QTreeWidgetItem *row = list_->topLevelItem(static_cast<int>(i));
        row->setSelected(true);
        if (!first)
            first = row;
    }
    if (first)
        list_->scrollToItem(first);
}

QString WhyPane::placardReasonsText(int placard) const
{
    QStringList lines;
    for (const frontend::ReasonLine &line : frontend::reasonsOfPlacard(reasons_, placard)) {
        QString text = QString::fromStdString(line.text);
        if (!line.citation.empty())
            text += QStringLiteral(" (") + QString::fromStdString(line.citation) + QStringLiteral(")");
        lines << text;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace velmora

#include "saved/saved_view.h"

#include "app/view_parts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <map>

namespace velmora {

namespace {

// A row of the report list.  The sort compares cell texts as the window's
// other lists do; the texts are prepared once per column, not on each of
// the n log n comparisons of a list of thousands.
class SavedListRow : public QTreeWidgetItem {
public:
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        const auto *row = dynamic_cast<const SavedListRow *>(&other);
        if (!row)
            return compareCellTexts(text(column), other.text(column)) < 0;
        return compareCellKeys(key(column), row->key(column)) < 0;
    }

    void setData(int column, int role, const QVariant &value) override
    {
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            keys_.erase(column);
        QTreeWidgetItem::setData(column, role, value);
    }

private:
    const CellSortKey &key(int column) const
    {
        auto at = keys_.find(column);
        if (at == keys_.end())
            at = keys_.emplace(column, cellSortKey(text(column))).first;
        return at->second;
    }

    mutable std::map<int, CellSortKey> keys_;
};

} // namespace

SavedView::SavedView(int fontAdjust, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SavedView"));
    addViewTitle(this, QStringLiteral("Saved Truckloads"), fontAdjust);
    QVBoxLayout *column = viewColumn(this);
    auto *buttons = new QHBoxLayout;
    previewButton_ = new QPushButton(QStringLiteral("Preview"), this);
    reportButton_ = new QPushButton(QStringLiteral("Report"), this);
    exportButton_ = new QPushButton(QStringLiteral("Export"), this);
    exportButton_->setObjectName(QStringLiteral("savedExportButton"));
    filterButton_ = new QPushButton(QStringLiteral("Filter"), this);
    filterButton_->setObjectName(QStringLiteral("savedFilterButton"));
    for (QPushButton *b : {previewButton_, reportButton_, filterButton_})
        b->setCheckable(true);
    buttons->addWidget(previewButton_);
    buttons->addWidget(reportButton_);
    buttons->addStretch(1);
    buttons->addWidget(filterButton_);
    buttons->addWidget(exportButton_);
    column->addLayout(buttons);

    list_ = makeListView(this, {QStringLiteral("Truckload"), QStringLiteral("Last Saved")});
    list_->setObjectName(QStringLiteral("savedList"));
    column->addWidget(list_, 1);
    iconList_ = new QListWidget(this);
    iconList_->setObjectName(QStringLiteral("savedIconList"));
    iconList_->setViewMode(QListView::IconMode);
    iconList_->setIconSize(QSize(77, 77));
    iconList_->setGridSize(QSize(110, 110));
    iconList_->setMovement(QListView::Static);
    iconList_->setResizeMode(QListView::Adjust);
    iconList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    column->addWidget(iconList_, 1);
    iconList_->hide();
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("savedEmptyHint"));
    hint_->setAlignment(Qt::AlignCenter);
    hint_->setWordWrap(true);
    hint_->setMargin(24);
    column->addWidget(hint_, 1);
    hint_->hide();

    connect(previewButton_, &QPushButton::clicked, this, [this] { setStyle(Style::Preview); });
    connect(reportButton_, &QPushButton::clicked, this, [this] { setStyle(Style::Report); });
    connect(exportButton_, &QPushButton::clicked, this, &SavedView::exportListRequested);
    connect(filterButton_, &QPushButton::clicked, this, &SavedView::filterRequested);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &SavedView::openRequested);
    connect(iconList_, &QListWidget::itemDoubleClicked, this, &SavedView::openRequested);
    connect(list_, &QTreeWidget::itemClicked, this, &SavedView::rowClicked);
    connect(iconList_, &QListWidget::itemClicked, this, &SavedView::rowClicked);
    connect(list_->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        sort_.click(column);
        sortList();
    });
    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(list_), static_cast<QAbstractItemView *>(iconList_)}) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, view](const QPoint &at) { emit contextMenuRequested(view->viewport()->mapToGlobal(at)); });
        auto *del = new QShortcut(QKeySequence(Qt::Key_Delete), view, nullptr, nullptr, Qt::WidgetShortcut);
        connect(del, &QShortcut::activated, this, &SavedView::deleteRequested);
    }
    sort_.set(0, SortState::Direction::Ascending);
}

void SavedView::setLegalityShown(bool shown)
{
    legality_ = shown;
    previewButton_->setVisible(shown);
    reportButton_->setVisible(shown);
    if (shown)
        list_->setHeaderLabels({QStringLiteral("Truckload"), QStringLiteral("Last Saved"), QStringLiteral("Legal"),
                                QStringLiteral("Placards"), QStringLiteral("Markings"), QStringLiteral("Messages"),
                                QString()});
    else
        list_->setHeaderLabels({QStringLiteral("Truckload"), QStringLiteral("Last Saved"), QString()});
    list_->setColumnHidden(shown ? 6 : 2, true);
}

void SavedView::setStyle(Style style)
{
    icons_ = style == Style::Preview && legality_;
    previewButton_->setChecked(icons_);
    reportButton_->setChecked(!icons_);
    showListOrHint();
}

bool SavedView::showsIcons() const { return icons_; }

void SavedView::showListOrHint()
{
    list_->setVisible(!empty_ && !icons_);
    iconList_->setVisible(!empty_ && icons_);
    hint_->setVisible(empty_);
}

void SavedView::clear()
{
    exportButton_->setEnabled(false);
    list_->clear();
    iconList_->clear();
}

void SavedView::setRows(const std::vector<SavedRow> &rows, const QString &hint)
{
    clear();
    const int folderColumn = legality_ ? 6 : 2;
    list_->setSortingEnabled(false);
    QList<QTreeWidgetItem *> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) {
        const SavedRow &row = rows[i];
        auto *item = new SavedListRow;
        items << item;
        item->setText(0, row.name);
        item->setText(1, row.lastSavedText());
        if (legality_) {
            item->setText(2, row.legalityText);
            item->setText(3, row.placards);
            item->setText(4, row.markings);
            item->setText(5, row.messages);
            const QColor colour = row.legalityText == QLatin1String("No")    ? QColor(255, 0, 0)
                                  : row.legalityText == QLatin1String("???") ? QColor(159, 159, 63)
                                                                             : QColor();
            if (colour.isValid())
                for (int c = 0; c < folderColumn; ++c)
                    item->setForeground(c, colour);
            item->setIcon(0, row.icon);
            auto *icon = new QListWidgetItem(row.icon, row.name, iconList_);
            icon->setData(Qt::UserRole, static_cast<qulonglong>(i));
        }
        item->setText(folderColumn, row.folder);
        item->setData(0, Qt::UserRole, static_cast<qulonglong>(i));
    }
    list_->addTopLevelItems(items);
    sortList();
    exportButton_->setEnabled(true);
    hint_->setText(hint);
    empty_ = rows.empty();
    showListOrHint();
}

std::vector<size_t> SavedView::selectedRows() const
{
    std::vector<size_t> rows;
    if (iconList_->isVisible()) {
        for (QListWidgetItem *item : iconList_->selectedItems())
            rows.push_back(item->data(Qt::UserRole).toULongLong());
    } else {
        for (QTreeWidgetItem *item : list_->selectedItems())
            rows.push_back(item->data(0, Qt::UserRole).toULongLong());
    }
    return rows;
}

std::vector<size_t> SavedView::rowsInListOrder() const
{
    std::vector<size_t> rows;
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
        rows.push_back(list_->topLevelItem(i)->data(0, Qt::UserRole).toULongLong());
    return rows;
}

void SavedView::resetSort() { sort_.set(0, SortState::Direction::Ascending); }

void SavedView::sortList()
{
    const int column = sort_.column() < 0 ? 0 : sort_.column();
    const Qt::SortOrder order =
        sort_.direction(column) == SortState::Direction::Descending ? Qt::DescendingOrder : Qt::AscendingOrder;
    list_->sortItems(column, order);
    list_->header()->setSortIndicatorShown(true);
    list_->header()->setSortIndicator(column, order);
}

} // namespace velmora

#include "search/search_view.h"

#include "app/prompts.h"
#include "app/view_parts.h"
#include "search/search_listing.h"
#include "search/search_run.h"
#include "settings/do_not_ship.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

SearchView::SearchView(HazmatLibrary &library, Prompts &prompts, const DoNotShipList &doNotShip, int fontAdjust,
                       QWidget *parent)
    : QWidget(parent), lib_(library), prompts_(prompts), doNotShip_(doNotShip)
{
    setObjectName(QStringLiteral("SearchView"));
    addViewTitle(this, QStringLiteral("Search and Browse"), fontAdjust);
    QVBoxLayout *column = viewColumn(this);
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Look for:"), this));
    lookFor_ = new QLineEdit(this);
    lookFor_->setObjectName(QStringLiteral("lookForEdit"));
    row->addWidget(lookFor_, 1);
    row->addWidget(new QLabel(QStringLiteral("Look in:"), this));
    lookIn_ = new QComboBox(this);
    lookIn_->setObjectName(QStringLiteral("lookInCombo"));
    // "Any" takes the text for an ID number, a class or a name by its form.
    lookIn_->addItems({QStringLiteral("PSN"), QStringLiteral("Class"), QStringLiteral("ID"), QStringLiteral("Any")});
    lookIn_->setFixedWidth(102);
    row->addWidget(lookIn_);
    searchButton_ = new QPushButton(QStringLiteral("Search"), this);
    searchButton_->setObjectName(QStringLiteral("searchButton"));
    searchButton_->setDefault(true);
    searchButton_->setMinimumSize(72, 28);
    row->addWidget(searchButton_);
    column->addLayout(row);
    column->addSpacing(13 - 6);
    results_ = makeListView(this, {QStringLiteral("Proper Shipping Name"), QStringLiteral("Class"), QStringLiteral("ID"),
                                   QStringLiteral("Packing Groups"), QStringLiteral("Hazard Zone")});
    results_->setObjectName(QStringLiteral("searchList"));
    results_->setSelectionMode(QAbstractItemView::SingleSelection);
    const int widths[] = {0, 105, 68, 113, 105};
    for (int c = 1; c < 5; ++c)
        results_->setColumnWidth(c, widths[c]);
    column->addWidget(results_, 1);
    connect(searchButton_, &QPushButton::clicked, this, &SearchView::search);
    connect(lookFor_, &QLineEdit::returnPressed, this, &SearchView::search);
    // Double-click or Enter on a result adds it.
    connect(results_, &QTreeWidget::itemActivated, this, &SearchView::activateResult);
    connect(results_->header(), &QHeaderView::sectionClicked, this, &SearchView::sortByColumn);
    results_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(results_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { emit contextMenuRequested(results_->viewport()->mapToGlobal(at)); });
}

int SearchView::selectedPid() const
{
    const auto rows = results_->selectedItems();
    return rows.size() == 1 ? rows.front()->data(0, Qt::UserRole).toInt() : 0;
}

int SearchView::currentPid() const
{
    QTreeWidgetItem *row = results_->currentItem();
    return row && row->isSelected() ? row->data(0, Qt::UserRole).toInt() : 0;
}

void SearchView::reset()
{
    clearResults();
    lookFor_->clear();
    lookIn_->setCurrentIndex(0);
    lookFor_->setFocus();
}

void SearchView::clearResults()
{
    results_->clear();
    sort_.clear();
    results_->header()->setSortIndicatorShown(false);
}

void SearchView::search()
{
    const int choice = lookIn_->currentIndex();
    static const LookIn byChoice[] = {LookIn::Name, LookIn::Class, LookIn::Id, LookIn::Any};
    const LookIn lookIn = choice >= 0 && choice < 4 ? byChoice[choice] : LookIn::Name;
    const std::string query = lookFor_->text().toStdString();
    emit statusChanged(QStringLiteral("Searching..."));
    QApplication::processEvents();
    results_->clear();
    // In steps: the window repaints, shows how far the search has come and
    // stays responsive; closing the window stops it.
    const SearchOutcome outcome = findEntries(
        lib_, lookFor_->text(), lookIn,
        [this](int percent) {
            emit statusChanged(QStringLiteral("Searching... %1%").arg(percent));
            QApplication::processEvents();
        },
        [this] { return stopping_; });
    const SearchMode mode = outcome.searchedAs == QueryKind::Id      ? SearchMode::Id
                            : outcome.searchedAs == QueryKind::Class ? SearchMode::Class
                                                                     : SearchMode::Name;
    results_->setSortingEnabled(false);
    for (const auto &r : outcome.rows) {
        QTreeWidgetItem *item = newListRow(results_);
        item->setText(0, displayPsn(r.psn));
        item->setText(1, QString::fromStdString(r.hazardClass));
        item->setText(2, QString::fromStdString(r.id));
        item->setText(3, QString::fromStdString(r.packingGroups));
        item->setText(4, QString::fromStdString(r.hazardZones));
        item->setData(0, Qt::UserRole, r.pid);
    }
    if (lookIn == LookIn::Any) {
        // the best matches first, as ranked; a header click sorts
        sort_.clear();
        results_->header()->setSortIndicatorShown(false);
    } else {
        sort_.set(0, SortState::Direction::Ascending);
        results_->sortItems(0, Qt::AscendingOrder);
        results_->header()->setSortIndicatorShown(true);
        results_->header()->setSortIndicator(0, Qt::AscendingOrder);
    }
    if (results_->topLevelItemCount() > 0)
        results_->setCurrentItem(results_->topLevelItem(0));   // Enter adds it
    emit statusChanged(matchCountText(outcome.rows.size()));
    if (const auto why = noMatchExplanation(lib_, outcome.searchedAs == QueryKind::Id ? query : std::string(), mode,
                                            outcome.rows.size()))
        prompts_.information(*why);
    else if (!outcome.hint.isEmpty())
        prompts_.information(outcome.hint);
}

void SearchView::sortByColumn(int column)
{
    sort_.click(column);
    const Qt::SortOrder order =
        sort_.direction(column) == SortState::Direction::Descending ? Qt::DescendingOrder : Qt::AscendingOrder;
    results_->sortItems(column, order);
    results_->header()->setSortIndicatorShown(true);
    results_->header()->setSortIndicator(column, order);
}

void SearchView::activateResult(QTreeWidgetItem *row)
{
    if (!row)
        return;
    const std::string id = row->text(2).toStdString();
    if (doNotShip_.contains(id)) {
        prompts_.error(doNotShipRefusal(id));
        return;
    }
    emit addRequested(row->data(0, Qt::UserRole).toInt());
}

} // namespace velmora

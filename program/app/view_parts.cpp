#include "app/view_parts.h"

#include "search/list_sort.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

namespace {

const char *const kTitleColour = "#3b5068";

class ListRow : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        return compareCellTexts(text(column), other.text(column)) < 0;
    }
};

} // namespace

QLabel *addViewTitle(QWidget *view, const QString &title, int fontAdjust)
{
    auto *v = new QVBoxLayout(view);
    v->setContentsMargins(3, 3, 3, 3);
    v->setSpacing(6);
    auto *bar = new QLabel(title, view);
    bar->setObjectName(QStringLiteral("ViewTitle"));
    bar->setFixedHeight(19 + fontAdjust + 6);
    QFont f = bar->font();
    f.setPointSize(12 - fontAdjust);
    f.setBold(true);
    bar->setFont(f);
    bar->setIndent(6);
    bar->setStyleSheet(QStringLiteral("background:%1; color:white;").arg(QLatin1String(kTitleColour)));
    v->addWidget(bar);
    return bar;
}

QVBoxLayout *viewColumn(QWidget *view) { return static_cast<QVBoxLayout *>(view->layout()); }

QTreeWidget *makeListView(QWidget *parent, const QStringList &headers)
{
    auto *list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setAlternatingRowColors(true);
    list->setUniformRowHeights(true);
    list->setHeaderLabels(headers);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->header()->setSectionsClickable(true);
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    return list;
}

QTreeWidgetItem *newListRow(QTreeWidget *list) { return new ListRow(list); }

} // namespace velmora

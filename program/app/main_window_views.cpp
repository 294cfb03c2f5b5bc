// The frame of the main window: navigation bar, the four views, toolbar and
// status bar.
#include "app/main_window.h"

#include "compliance/compliance_view.h"

#include "app/launchers.h"
#include "viewer/reference_links.h"
#include "search/list_sort.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora {

namespace {

const char *const kNavigationColour = "#2d3e50";
const char *const kTitleColour = "#3b5068";

// Rows of the window's lists compare by the list's own rule.
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

QTreeWidgetItem *newListRow(QTreeWidget *list) { return new ListRow(list); }

namespace {

QTreeWidget *makeList(QWidget *parent, const QStringList &headers)
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

} // namespace

QWidget *MainWindow::makeTitledView(const QString &title, QLabel **titleLabel)
{
    auto *view = new QWidget(stack_);
    auto *v = new QVBoxLayout(view);
    v->setContentsMargins(3, 3, 3, 3);
    v->setSpacing(6);
    auto *bar = new QLabel(title, view);
    bar->setObjectName(QStringLiteral("ViewTitle"));
    bar->setFixedHeight(19 + fontAdjust_ + 6);
    QFont f = bar->font();
    f.setPointSize(12 - fontAdjust_);
    f.setBold(true);
    bar->setFont(f);
    bar->setIndent(6);
    bar->setStyleSheet(QStringLiteral("background:%1; color:white;").arg(QLatin1String(kTitleColour)));
    v->addWidget(bar);
    if (titleLabel)
        *titleLabel = bar;
    return view;
}

void MainWindow::buildViews()
{
    auto *central = new QWidget(this);
    auto *h = new QHBoxLayout(central);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(0);

    // Navigation bar: four buttons stacked from the top, white captions.
    auto *nav = new QWidget(central);
    nav->setObjectName(QStringLiteral("NavigationBar"));
    nav->setFixedWidth(92);
    nav->setAutoFillBackground(true);
    nav->setStyleSheet(QStringLiteral("#NavigationBar { background:%1; }"
                                      "QToolButton { color:white; border:none; padding:4px 1px; }"
                                      "QToolButton:checked { background:#4a6580; border-radius:4px; }"
                                      "QToolButton:hover { background:#3d536a; border-radius:4px; }")
                           .arg(QLatin1String(kNavigationColour)));
    auto *nv = new QVBoxLayout(nav);
    nv->setContentsMargins(1, 10, 1, 10);
    nv->setSpacing(8);
    const char *const captions[] = {"Truckload", "Compliance", "Search", "Saved Loads"};
    const char *const icons[] = {":/icons/truckload.svg", ":/icons/compliance.svg", ":/icons/search.svg",
                                 ":/icons/saved.svg"};
    std::vector<QToolButton *> navButtons;
    for (int i = 0; i < 4; ++i) {
        auto *b = new QToolButton(nav);
        b->setObjectName(QStringLiteral("nav") + QString::number(i));
        b->setText(QString::fromLatin1(captions[i]));
        b->setIcon(QIcon(QString::fromLatin1(icons[i])));
        b->setIconSize(QSize(40, 40));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setFixedWidth(90);
        QFont f = b->font();
        f.setPointSize(9 - fontAdjust_);
        b->setFont(f);
        nv->addWidget(b, 0, Qt::AlignHCenter);
        connect(b, &QToolButton::clicked, this, [this, i] { showView(static_cast<View>(i)); });
        navButtons.push_back(b);
    }
    nv->addStretch();
    h->addWidget(nav);

    stack_ = new QStackedWidget(central);
    h->addWidget(stack_, 1);
    connect(stack_, &QStackedWidget::currentChanged, this, [navButtons](int i) {
        if (i >= 0 && i < static_cast<int>(navButtons.size()))
            navButtons[static_cast<size_t>(i)]->setChecked(true);
    });

    // Truckload view.
    QWidget *truckload = makeTitledView(QStringLiteral("Truckload"), &truckloadTitle_);
    auto *tv = static_cast<QVBoxLayout *>(truckload->layout());
    auto *top = new QHBoxLayout;
    auto *vehicleGroup = new QGroupBox(QStringLiteral("Vehicle Type"), truckload);
    vehicleGroup->setFixedSize(160, 73);
    auto *vg = new QVBoxLayout(vehicleGroup);
    vg->setContentsMargins(4, 2, 4, 4);
    vehicleList = new QListWidget(vehicleGroup);
    vehicleList->setObjectName(QStringLiteral("vehicleList"));
    vg->addWidget(vehicleList);
    // Truckload editing: choosing a vehicle type (dirty flag, recompute).
    connect(vehicleList, &QListWidget::currentTextChanged, this, &MainWindow::selectVehicle);
    top->addWidget(vehicleGroup);
    auto *questions = new QGroupBox(QStringLiteral("Vehicle Questions"), truckload);
    auto *qv = new QVBoxLayout(questions);
    qv->setContentsMargins(6, 2, 6, 4);
    qv->setSpacing(1);
    auto *row8820 = new QHBoxLayout;
    auto *criteria8820Check = new QCheckBox(
        QStringLiteral("This is a single material load that was loaded at one facility [8,820 Rule]."), questions);
    criteria8820Check->setEnabled(false);   // enabled when the truckload allows the 8,820-pound rule
    this->criteria8820Check = criteria8820Check;      // truckload editing
    row8820->addWidget(criteria8820Check);
    auto *link8820 = new QLabel(QStringLiteral("<a href=\"49CFR172.301(a)(3)\">49 CFR 172.301(a)(3)</a>"), questions);
    connect(link8820, &QLabel::linkActivated, this,
            [this](const QString &cite) { viewer::openReferenceLink(cite, programFolder_, this); });
    row8820->addWidget(link8820);
    row8820->addStretch();
    qv->addLayout(row8820);
    auto *dod = new QCheckBox(QStringLiteral("Is this a DOD shipment?"), questions);
    dod->setEnabled(false);
    dod->setToolTip(QStringLiteral("Shows the declaration saved with an opened truckload. No placarding, segregation or "
                                   "permit rule checked here depends on it, so it is not changed here."));
    dodShipmentCheck = dod;   // truckload editing
    qv->addWidget(dod);
    auto *exclusive = new QCheckBox(QStringLiteral("This is an Exclusive Use Shipment."), questions);
    exclusive->setObjectName(QStringLiteral("exclusiveUseCheck"));   // follows the items (refillTruckloadList)
    exclusive->setEnabled(false);
    exclusive->setToolTip(QStringLiteral("Set from the items: checked when a package has a transport index above 10, or "
                                         "the load a combined transport index or criticality safety index above 50, "
                                         "so that it must travel as exclusive use (49 CFR 173.441, 177.842(a))."));
    qv->addWidget(exclusive);
    questions->setFixedHeight(73);
    top->addWidget(questions, 1);
    tv->addLayout(top);
    truckloadList = makeList(truckload, {QStringLiteral("Proper Shipping Name"), QStringLiteral("Class"),
                                       QStringLiteral("ID"), QStringLiteral("Packing Group"), QStringLiteral("Permit"),
                                       QStringLiteral("Weight"), QStringLiteral("Packaging"), QStringLiteral("PIH")});
    const int truckloadWidths[] = {0, 91, 68, 105, 76, 75, 82, 57};   // widths for a list font above 8 points
    for (int c = 1; c < 8; ++c)
        truckloadList->setColumnWidth(c, truckloadWidths[c]);
    tv->addWidget(truckloadList, 1);
    stack_->addWidget(truckload);

    // Compliance view: placards, information panel, markings and messages.
    QWidget *compliance = makeTitledView(QStringLiteral("Compliance Requirements ()"), &complianceTitle_);
    complianceView_ = new ComplianceView(compliance);
    complianceView_->setFontAdjust(fontAdjust_);
    complianceView_->onCitation = [this](const QString &cite) {
        viewer::openReferenceLink(cite, programFolder_, this);
    };
    complianceView_->onError = [this](const QString &text) { prompts_.error(text); };
    static_cast<QVBoxLayout *>(compliance->layout())->addWidget(complianceView_, 1);
    stack_->addWidget(compliance);

    // Search and Browse.
    QWidget *search = makeTitledView(QStringLiteral("Search and Browse"), nullptr);
    auto *sv = static_cast<QVBoxLayout *>(search->layout());
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Look for:"), search));
    lookForEdit = new QLineEdit(search);
    lookForEdit->setObjectName(QStringLiteral("lookForEdit"));
    row->addWidget(lookForEdit, 1);
    row->addWidget(new QLabel(QStringLiteral("Look in:"), search));
    lookInCombo = new QComboBox(search);
    lookInCombo->setObjectName(QStringLiteral("lookInCombo"));
    // "Any" takes the text for an ID number, a class or a name by its form.
    lookInCombo->addItems({QStringLiteral("PSN"), QStringLiteral("Class"), QStringLiteral("ID"), QStringLiteral("Any")});
    lookInCombo->setFixedWidth(102);
    row->addWidget(lookInCombo);
    searchButton = new QPushButton(QStringLiteral("Search"), search);
    searchButton->setObjectName(QStringLiteral("searchButton"));
    searchButton->setDefault(true);
    searchButton->setMinimumSize(72, 28);
    row->addWidget(searchButton);
    sv->addLayout(row);
    sv->addSpacing(13 - 6);
    searchList = makeList(search, {QStringLiteral("Proper Shipping Name"), QStringLiteral("Class"), QStringLiteral("ID"),
                                 QStringLiteral("Packing Groups"), QStringLiteral("Hazard Zone")});
    searchList->setObjectName(QStringLiteral("searchList"));
    searchList->setSelectionMode(QAbstractItemView::SingleSelection);
    const int searchWidths[] = {0, 105, 68, 113, 105};
    for (int c = 1; c < 5; ++c)
        searchList->setColumnWidth(c, searchWidths[c]);
    sv->addWidget(searchList, 1);
    connect(searchButton, &QPushButton::clicked, this, &MainWindow::search);
    connect(lookForEdit, &QLineEdit::returnPressed, this, &MainWindow::search);
    // Double-click or Enter on a result adds it.
    connect(searchList, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) { searchResultActivated(item); });
    connect(searchList->header(), &QHeaderView::sectionClicked, this, &MainWindow::sortSearchList);
    stack_->addWidget(search);

    // Saved Truckloads (saved_main_window.cpp fills it).
    QWidget *saved = makeTitledView(QStringLiteral("Saved Truckloads"), nullptr);
    savedList = makeList(saved, {QStringLiteral("Truckload"), QStringLiteral("Last Saved")});
    buildSavedView(saved);
    stack_->addWidget(saved);

    setCentralWidget(central);

    toolbar_ = addToolBar(QStringLiteral("Toolbar"));
    toolbar_->setObjectName(QStringLiteral("Toolbar"));
    toolbar_->setMovable(false);
    toolbar_->setIconSize(QSize(20, 20));

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusText"));
    statusBar()->addWidget(status_, 1);
}

} // namespace velmora

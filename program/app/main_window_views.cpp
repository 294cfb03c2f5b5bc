// The frame of the main window: the navigation bar, the four views in a
// stack, the toolbar and the status bar.
#include "app/main_window.h"

#include "app/view_parts.h"
#include "compliance/compliance_view.h"
#include "saved/saved_view.h"
#include "search/search_view.h"
#include "truckload/truckload_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmora {

namespace {

const char *const kNavigationColour = "#2d3e50";

} // namespace

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

    truckloadView_ = new TruckloadView(fontAdjust_, stack_);
    connect(truckloadView_, &TruckloadView::citationActivated, this, &MainWindow::openCitation);
    stack_->addWidget(truckloadView_);

    // Compliance view: placards, information panel, markings and messages.
    auto *compliance = new QWidget(stack_);
    complianceTitle_ = addViewTitle(compliance, QStringLiteral("Compliance Requirements ()"), fontAdjust_);
    complianceView_ = new ComplianceView(compliance);
    complianceView_->setFontAdjust(fontAdjust_);
    complianceView_->onCitation = [this](const QString &cite) { openCitation(cite); };
    complianceView_->onError = [this](const QString &text) { prompts_.error(text); };
    viewColumn(compliance)->addWidget(complianceView_, 1);
    stack_->addWidget(compliance);

    searchView_ = new SearchView(lib_, prompts_, dns_, fontAdjust_, stack_);
    connect(searchView_, &SearchView::statusChanged, this, &MainWindow::setStatus);
    stack_->addWidget(searchView_);

    savedView_ = new SavedView(fontAdjust_, stack_);
    stack_->addWidget(savedView_);

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

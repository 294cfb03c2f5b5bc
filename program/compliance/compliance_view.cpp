#include "compliance/compliance_view.h"
#include "frontend/placard_limit.h"

#include "frontend/compliance_vocabulary.h"
#include "compliance/findings_panel.h"
#include "compliance/message_tiles.h"
#include "compliance/pictures.h"
#include "compliance/placard_art.h"
#include "compliance/placard_board.h"
#include "compliance/placard_picture.h"
#include "compliance/verdict_bar.h"
#include "compliance/why_pane.h"

#include "dravlen.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace velmora {

namespace {

const QString kDefaultInfo = QStringLiteral(
    "The placarding, marking, and segregation compliance is listed here. Move your cursor over each item for more "
    "information.");
const QString kMultipleOptions = QStringLiteral(
    "There are multiple placarding options. Use the control below to navigate through each option.");
constexpr int kMarkingGap = 6;

} // namespace

// The marking pictures, left to right, wrapped at the strip's width.
class MarkingStrip : public QWidget {
public:
    explicit MarkingStrip(ComplianceView *view) : QWidget(view), view_(view) { setMouseTracking(true); }

    void relayout()
    {
        rects_.clear();
        int x = kMarkingGap, y = kMarkingGap, rowHeight = 0;
        const int width = 240;
        for (int i = 0; i < view_->markings_.count(); ++i) {
            const QSize s = view_->markings_.picture(i).size();
            if (x > kMarkingGap && x + s.width() > width) {
                x = kMarkingGap;
                y += rowHeight + kMarkingGap;
                rowHeight = 0;
            }
            rects_.push_back(QRect(QPoint(x, y), s));
            x += s.width() + kMarkingGap;
            rowHeight = std::max(rowHeight, s.height());
        }
        setMinimumSize(width, y + rowHeight + kMarkingGap);
        hover_ = -1;
        update();
    }
    int markingAt(QPoint p) const
    {
        for (int i = 0; i < static_cast<int>(rects_.size()); ++i)
            if (rects_[static_cast<size_t>(i)].contains(p))
                return i;
        return -1;
    }
    QRect rectOf(int i) const { return rects_.at(static_cast<size_t>(i)); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        if (rects_.empty() && view_->engine_ && view_->optionCount_ > 0)
            p.drawText(rect().adjusted(kMarkingGap, kMarkingGap, -kMarkingGap, -kMarkingGap),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                       QStringLiteral("No markings are required for this option."));
        for (int i = 0; i < static_cast<int>(rects_.size()); ++i)
            p.drawImage(rects_[static_cast<size_t>(i)].topLeft(), view_->markings_.picture(i));
    }
    void mouseMoveEvent(QMouseEvent *e) override
    {
        const int i = markingAt(e->position().toPoint());
        if (i == hover_)
            return;
        hover_ = i;
        if (i >= 0)
            view_->showInfo(QStringLiteral("IDI_CPD_MARKING"), QStringLiteral("Trailer Marking"),
                            view_->markings_.hoverText(i));
        else
            view_->resetInfo();
        setCursor(i >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
    void leaveEvent(QEvent *) override
    {
        if (hover_ >= 0)
            view_->resetInfo();
        hover_ = -1;
    }
    void mousePressEvent(QMouseEvent *e) override
    {
        const int i = markingAt(e->position().toPoint());
        if (e->button() == Qt::LeftButton && i >= 0)
            view_->citationClicked(view_->markings_.citation(i));
    }

private:
    ComplianceView *view_;
    std::vector<QRect> rects_;
    int hover_ = -1;
};

ComplianceView::ComplianceView(QWidget *parent) : QWidget(parent)
{
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    // The answer first: legal or not, and the permit, with their reasons.
    verdictBar_ = new VerdictBar(this);
    v->addWidget(verdictBar_);
    auto *upper = new QHBoxLayout;
    // The placards, whole and apart; a scroll bar when they need more rows
    // than the height holds.
    auto *placardScroll = new QScrollArea(this);
    placardScroll->setFrameShape(QFrame::NoFrame);
    placardScroll->setWidgetResizable(true);
    placardScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    board_ = new PlacardBoard(placardScroll);
    board_->setObjectName(QStringLiteral("PlacardArea"));
    board_->setAutoFillBackground(true);
    placardScroll->setWidget(board_);
    upper->addWidget(placardScroll, 1);
    auto *info = new QFrame(this);
    info->setFixedWidth(225);
    info->setFrameShape(QFrame::StyledPanel);
    auto *iv = new QVBoxLayout(info);
    auto *head = new QHBoxLayout;
    infoIcon_ = new QLabel(info);
    head->addWidget(infoIcon_);
    infoTitle_ = new QLabel(info);
    QFont tf = infoTitle_->font();
    tf.setBold(true);
    tf.setPointSize(12);
    infoTitle_->setFont(tf);
    head->addWidget(infoTitle_, 1);
    iv->addLayout(head);
    infoText_ = new QLabel(info);
    infoText_->setWordWrap(true);
    infoText_->setTextFormat(Qt::PlainText);
    infoText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Long message reasons scroll inside the panel.
    auto *infoScroll = new QScrollArea(info);
    infoScroll->setFrameShape(QFrame::NoFrame);
    infoScroll->setWidgetResizable(true);
    infoScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    infoScroll->setWidget(infoText_);
    iv->addWidget(infoScroll, 1);
    multipleNote_ = new QLabel(kMultipleOptions, info);
    multipleNote_->setWordWrap(true);
    iv->addWidget(multipleNote_);
    navigator_ = new QWidget(info);
    auto *nav = new QHBoxLayout(navigator_);
    nav->setContentsMargins(0, 0, 0, 0);
    nav->setSpacing(2);
    previousButton_ = new QPushButton(QStringLiteral("<"), navigator_);
    previousButton_->setFixedWidth(22);
    navigatorText_ = new QLabel(navigator_);
    navigatorText_->setAlignment(Qt::AlignCenter);
    QFont navFont = navigatorText_->font();
    navFont.setPointSize(8);
    navigatorText_->setFont(navFont);
    nextButton_ = new QPushButton(QStringLiteral(">"), navigator_);
    nextButton_->setFixedWidth(22);
    nav->addWidget(previousButton_);
    nav->addWidget(navigatorText_, 1);
    nav->addWidget(nextButton_);
    iv->addWidget(navigator_);
    allowedButton_ = new QPushButton(QStringLiteral("Allowed Placards"), info);
    iv->addWidget(allowedButton_);
    upper->addWidget(info);
    v->addLayout(upper, 45);

    auto *lower = new QHBoxLayout;
    auto *markingScroll = new QScrollArea(this);
    markingStrip_ = new MarkingStrip(this);
    markingScroll->setWidget(markingStrip_);
    markingScroll->setWidgetResizable(true);
    markingScroll->setFixedWidth(240 + 18);
    lower->addWidget(markingScroll);
    findingsScroll_ = new QScrollArea(this);
    findingsScroll_->setObjectName(QStringLiteral("findings"));
    findings_ = new FindingsPanel(findingsScroll_);
    findingsScroll_->setWidget(findings_);
    findingsScroll_->setWidgetResizable(true);
    findingsScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lower->addWidget(findingsScroll_, 1);
    v->addLayout(lower, 55);
    whyPane_ = new WhyPane(this);
    v->addWidget(whyPane_, 30);
    connect(whyPane_, &WhyPane::citationClicked, this, [this](const QString &key) { citationClicked(key); });

    connect(previousButton_, &QPushButton::clicked, this, [this] { showOption(option_ - 1); });
    connect(nextButton_, &QPushButton::clicked, this, [this] { showOption(option_ + 1); });
    connect(allowedButton_, &QPushButton::clicked, this, &ComplianceView::showAllowedPlacards);
    connect(board_, &PlacardBoard::placardHovered, this, [this](int i) {
        if (i >= 0)
            showPlacardInfo(i);
        else
            resetInfo();
    });
    connect(findings_, &FindingsPanel::findingHovered, this, &ComplianceView::showFindingInfo);
    connect(findings_, &FindingsPanel::citationClicked, this, [this](const QString &key) { citationClicked(key); });
    connect(verdictBar_, &VerdictBar::citationClicked, this, [this](const QString &key) { citationClicked(key); });
    connect(verdictBar_, &VerdictBar::findingsRequested, this, [this] {
        findingsScroll_->ensureVisible(0, 0);
        findings_->setFocus();
    });
    resetInfo();
    refresh(nullptr);
}

void ComplianceView::setFontAdjust(int adjust)
{
    fontAdjust_ = adjust;
    QFont title = infoTitle_->font();
    title.setPointSize(12 - adjust);
    infoTitle_->setFont(title);
    markings_.setFontAdjust(adjust);
}

void ComplianceView::refresh(Engine *engine)
{
    engine_ = engine;
    frontend::computeWithinPlacardLimit(engine);
    optionCount_ = engine ? GetNumOutputs_Engine(engine) : 0;
    option_ = 0;
    showOption(1);
}

void ComplianceView::showOption(int n)
{
    if (n > optionCount_)
        n = optionCount_;
    if (n < 1)
        n = optionCount_ > 0 ? 1 : 0;
    option_ = n;
    const OptionResults results = readOption(engine_, n - 1);
    if (engine_ && GetItemCount_Load(GetLoad_Engine(engine_)) > 0)
        verdictBar_->setVerdict(makeVerdict(GetLegality_Engine(engine_), results.messages));
    else
        verdictBar_->clear();
    // A placard without a picture is reported once per option shown.
    for (const PlacardEntry &p : results.placards)
        if (!FindPlacardPictureByKey(p.pictureKey)) {
            if (onError)
                onError(placardKeyError(p.key));
            break;
        }
    board_->setPlacards(results.placards);
    markings_.setMarkings(results.markings);
    messages_ = results.messages;
    findings_->setFindings(messages_);
    whyPane_->setReasons(frontend::explainOption(engine_, n - 1));

    const bool several = optionCount_ >= 2;
    multipleNote_->setVisible(several);
    navigator_->setVisible(several);
    navigatorText_->setText(QStringLiteral("Placarding Options (%1 of %2)").arg(option_).arg(optionCount_));
    previousButton_->setEnabled(option_ >= 2);
    nextButton_->setEnabled(option_ < optionCount_);
    allowedButton_->setEnabled(engine_ != nullptr && optionCount_ > 0);
    drawAll();
}

void ComplianceView::drawAll()
{
    resetInfo();
    markingStrip_->relayout();
}

void ComplianceView::showInfo(const QString &icon, const QString &title, const QString &text)
{
    infoIconResource_ = icon;
    infoIcon_->setPixmap(QPixmap::fromImage(namedPicture(icon, QSize(32, 32))));
    infoTitle_->setText(title);
    multipleNote_->setVisible(false);   // the explanation takes its room
    infoRaw_ = text;
    infoText_->setText(text);
}

void ComplianceView::showPlacardInfo(int i)
{
    // The panel shows the placard itself, whatever its class.
    const auto &all = board_->placards();
    const bool valid = i >= 0 && i < static_cast<int>(all.size());
    const PlacardPicture *picture = valid ? FindPlacardPictureByKey(all[static_cast<size_t>(i)].pictureKey) : nullptr;
    showInfo(QStringLiteral("IDI_CPD_PLACARD"), QStringLiteral("Placard"),
             valid ? placardHoverText(all[static_cast<size_t>(i)]) : QString());
    // Why the placard is there: its reasons as the tooltip, its rows
    // marked in the Why? pane.
    board_->setToolTip(whyPane_->placardReasonsText(i));
    whyPane_->markPlacard(i);
    if (!picture)
        return;
    const QString resource = QString::fromLatin1(picture->resource);
    const QImage art = placardArt(resource, 32, devicePixelRatioF(), 0, all[static_cast<size_t>(i)].compatibilityGroup);
    if (art.isNull())
        return;
    infoIcon_->setPixmap(QPixmap::fromImage(art));
    infoIconResource_ = resource;
}

void ComplianceView::showFindingInfo(const MessageEntry *finding)
{
    if (finding)
        showInfo(QStringLiteral("IDI_CPD_MESSAGE"), QStringLiteral("Message"), messageHoverText(*finding));
    else
        resetInfo();
}

void ComplianceView::resetInfo()
{
    board_->setToolTip(QString());
    whyPane_->markPlacard(-1);
    infoIcon_->setPixmap(QIcon(QStringLiteral(":/icons/compliance.svg")).pixmap(32, 32));
    infoIconResource_.clear();
    infoTitle_->setText(QStringLiteral("Compliance"));
    infoRaw_ = kDefaultInfo;
    infoText_->setText(kDefaultInfo);
    multipleNote_->setVisible(optionCount_ >= 2);
}

void ComplianceView::citationClicked(const QString &key)
{
    if (!key.isEmpty() && onCitation)
        onCitation(key);
}

QString ComplianceView::infoTitle() const { return infoTitle_->text(); }
QString ComplianceView::infoText() const { return infoRaw_; }
QString ComplianceView::navigatorText() const { return navigatorText_->text(); }
bool ComplianceView::navigatorVisible() const { return !navigator_->isHidden(); }
QWidget *ComplianceView::placardArea() const { return board_; }
QWidget *ComplianceView::markingStrip() const { return markingStrip_; }

std::vector<PlacardEntry> ComplianceView::allowedPlacards() const
{
    return option_ >= 1 ? readAllowedPlacards(engine_, option_ - 1) : std::vector<PlacardEntry>{};
}

void ComplianceView::showAllowedPlacards()
{
    AllowedPlacardsDialog dialog(allowedPlacards(), fontAdjust_, this);
    dialog.exec();
}

AllowedPlacardsDialog::AllowedPlacardsDialog(std::vector<PlacardEntry> placards, int fontAdjust, QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Allowed Placards"));
    PlacardPainter drawing;
    drawing.setFontAdjust(fontAdjust);
    drawing.setPlacards(std::move(placards));
    picture_ = drawing.draw(-1);

    auto *v = new QVBoxLayout(this);
    note_ = new QLabel(QStringLiteral("The placards shown may be displayed in addition to the required placards, but "
                                      "are not a substitute nor replacement for the required placards displayed for "
                                      "this placarding option.  Refer to the Show-Me-What-You-See feature for the most "
                                      "accurate review."),
                       this);
    QFont bold = note_->font();
    bold.setBold(true);
    note_->setFont(bold);
    note_->setWordWrap(true);
    v->addWidget(note_);
    auto *image = new QLabel(this);
    image->setPixmap(QPixmap::fromImage(picture_));
    image->setAlignment(Qt::AlignCenter);
    v->addWidget(image, 1);
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    v->addWidget(ok, 0, Qt::AlignRight);
    // Grow to the picture and the text: height = picture + text + 25.
    const int width = std::max(420, picture_.width() + 24);
    const int textHeight = note_->heightForWidth(width - 24);
    resize(width, picture_.height() + textHeight + 25 + ok->sizeHint().height() + 24);
}

QString AllowedPlacardsDialog::noteText() const { return note_->text(); }

} // namespace velmora

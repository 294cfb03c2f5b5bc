// The compliance view of the main window: the verdict (legal or not, and
// the hazmat safety permit) first; under it the current option's placards,
// each whole and apart from the others, the information panel with the
// option navigator and the "Allowed Placards" button; then the markings and
// the findings grouped under their headings.  Hovering explains an item in
// the information panel; clicking a marking or a finding with a citation
// opens the regulations at it.
#pragma once

#include "compliance/compliance_results.h"
#include "compliance/marking_pictures.h"
#include "compliance/placard_board.h"

#include <QDialog>
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QScrollArea;

struct Engine;

namespace velmora {

class FindingsPanel;
class VerdictBar;
class WhyPane;
class MarkingStrip;

class ComplianceView : public QWidget {
    Q_OBJECT
public:
    explicit ComplianceView(QWidget *parent = nullptr);

    // Opens the regulations at a citation key (the main window's launcher).
    std::function<void(const QString &citeKey)> onCitation;
    // Shows an error to the user (the main window's message boxes).
    std::function<void(const QString &text)> onError;

    void setFontAdjust(int adjust);

    // Reads the engine's freshly computed output and shows its first option.
    // With more than 28 placards in some option and numbers on placards, the
    // engine is recomputed once with numbers off.  A null engine shows an
    // empty view.
    void refresh(Engine *engine);
    // Shows option n (1-based) of the last refresh without recomputing.
    void showOption(int n);

    int optionNumber() const { return option_; }
    int optionCount() const { return optionCount_; }

    // What the view shows (the tests read these).
    const PlacardBoard &placards() const { return *board_; }
    MarkingPainter &markings() { return markings_; }
    const std::vector<MessageEntry> &messages() const { return messages_; }
    FindingsPanel *findingsPanel() const { return findings_; }
    QString infoTitle() const;
    // The picture the information panel shows: its resource name.
    QString infoIcon() const { return infoIconResource_; }
    VerdictBar *verdictBar() const { return verdictBar_; }
    WhyPane *whyPane() const { return whyPane_; }
    QString infoText() const;   // as the vocabulary gives it ("\n" line breaks)
    QString navigatorText() const;
    bool navigatorVisible() const;
    QWidget *placardArea() const;
    QWidget *markingStrip() const;
    QPushButton *previousButton() const { return previousButton_; }
    QPushButton *nextButton() const { return nextButton_; }
    QPushButton *allowedButton() const { return allowedButton_; }

    // The visible allowed placards of the option shown.
    std::vector<PlacardEntry> allowedPlacards() const;

public slots:
    void showAllowedPlacards();

private:
    friend class MarkingStrip;
    void showInfo(const QString &icon, const QString &title, const QString &text);
    void resetInfo();
    void showPlacardInfo(int i);
    void showFindingInfo(const MessageEntry *finding);
    void drawAll();
    void citationClicked(const QString &key);

    Engine *engine_ = nullptr;
    int option_ = 0;
    int optionCount_ = 0;
    int fontAdjust_ = 0;
    MarkingPainter markings_;
    std::vector<MessageEntry> messages_;

    PlacardBoard *board_ = nullptr;
    MarkingStrip *markingStrip_ = nullptr;
    FindingsPanel *findings_ = nullptr;
    QLabel *infoIcon_ = nullptr;
    QString infoIconResource_;
    VerdictBar *verdictBar_ = nullptr;
    WhyPane *whyPane_ = nullptr;
    QScrollArea *findingsScroll_ = nullptr;
    QLabel *infoTitle_ = nullptr;
    QLabel *infoText_ = nullptr;
    QString infoRaw_;   // the information text as given, "\n" line breaks
    QLabel *multipleNote_ = nullptr;
    QWidget *navigator_ = nullptr;
    QLabel *navigatorText_ = nullptr;
    QPushButton *previousButton_ = nullptr;
    QPushButton *nextButton_ = nullptr;
    QPushButton *allowedButton_ = nullptr;
};

// The Allowed Placards dialog: the placards that may be displayed in
// addition to the required ones.
class AllowedPlacardsDialog : public QDialog {
    Q_OBJECT
public:
    AllowedPlacardsDialog(std::vector<PlacardEntry> placards, int fontAdjust, QWidget *parent = nullptr);
    QImage picture() const { return picture_; }
    QString noteText() const;

private:
    QImage picture_;
    QLabel *note_ = nullptr;
};

} // namespace velmora

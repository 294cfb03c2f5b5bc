// The compliance view fed by a real engine: truckloads are built through
// the library's exported functions, computed, and shown.
#include "support/truckload_items.h"
#include "compliance/compliance_view.h"
#include "compliance/findings_panel.h"
#include "compliance/message_tiles.h"
#include "compliance/placard_board.h"
#include "compliance/verdict_bar.h"
#include "frontend/compliance_vocabulary.h"
#include "compliance/placard_layout.h"

#include "dravlen.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QtTest>

#include <cstdlib>
#include <memory>

using namespace velmora;

namespace {

// One engine for a test, released at its end.
class TestEngine : public velmora::test::TestEngine {
public:
    // Adds the entry `pid` (of primary class `onlyClass` and an ID number
    // not in `ids`, when given); false when it cannot be added so.
    bool add(int pid, unsigned weight, bool bulk, const char *onlyClass = nullptr, QStringList *ids = nullptr)
    {
        alignas(std::max_align_t) unsigned char storage[256] = {};
        auto *item = reinterpret_cast<Hazmat *>(storage);
        Init_Hazmat(item, 0);
        bool ok = Reset_Hazmat(item, pid) != 0;
        for (int slot = 1; ok && GetPackingGroup_Hazmat(item) < 0 && slot <= 3; ++slot)
            SetPackingGroup_Hazmat(item, slot);
        ok = ok && GetPackingGroup_Hazmat(item) >= 0;
        if (ok && onlyClass)
            ok = QByteArray(GetHazDivString_Hazmat(item, 0)) == onlyClass;
        if (ok && ids) {   // one entry per ID number
            const QString id = QString::fromLatin1(GetID_Hazmat(item));
            ok = !ids->contains(id);
            *ids << id;
        }
        if (ok) {
            SetWeight_Hazmat(item, weight);
            SetBulkPackaging_Hazmat(item, bulk ? -1 : 0);
            ok = bulk == (IsBulkPackaging_Hazmat(item) != 0) && Add_Load(load(), item) >= 0;
        }
        Reset_Hazmat(item, 0);
        return ok;
    }
    bool addId(const char *id, unsigned weight, bool bulk) { return add(SearchCT_HazData(id, 2, 0), weight, bulk); }

private:
    Engine *engine_;
};

// Saves what the view shows when VELMORA_SNAPSHOT_DIR names a folder (for
// looking at the drawing by eye).
void snapshot(QWidget *w, const char *name)
{
    const QByteArray dir = qgetenv("VELMORA_SNAPSHOT_DIR");
    if (dir.isEmpty())
        return;
    QTest::qWait(50);   // the layouts settle
    w->grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png"));
}

} // namespace

class ComplianceViewTest : public QObject {
    Q_OBJECT
private slots:
    void emptyViewWithoutEngine()
    {
        ComplianceView view;
        view.refresh(nullptr);
        QCOMPARE(view.placards().count(), 0);
        QCOMPARE(view.optionCount(), 0);
        QVERIFY(!view.navigatorVisible());
        QVERIFY(!view.allowedButton()->isEnabled());
        QCOMPARE(view.infoTitle(), QStringLiteral("Compliance"));
    }

    void gasolineInACargoTank()
    {
        TestEngine engine;
        QVERIFY(engine.addId("UN1203", 3000, true));
        SetVehicle_Load(engine.load(), "MC/TC 306");
        Calculate_Engine(engine.get());

        ComplianceView view;
        QStringList cited;
        view.onCitation = [&cited](const QString &key) { cited << key; };
        view.resize(900, 600);
        view.show();
        view.refresh(engine.get());

        // Three options: the numbered placard, GASOLINE, FLAMMABLE with the
        // "Gasoline" marking on the tank.
        QCOMPARE(view.optionCount(), 3);
        QVERIFY(view.navigatorVisible());
        QCOMPARE(view.navigatorText(), QStringLiteral("Placarding Options (1 of 3)"));
        QVERIFY(!view.previousButton()->isEnabled());
        QCOMPARE(view.placards().count(), 1);
        const PlacardEntry first = view.placards().placards()[0];
        QCOMPARE(first.idNumber, 1203);
        QCOMPARE(FindPlacardPictureByKey(first.pictureKey)->resource, "IDB_P_B30");

        const QImage shot = view.grab().toImage();
        QCOMPARE(shot.size(), view.size());
        snapshot(&view, "gasoline-option-1");
        // The placard is drawn centred in the placard area: red around the
        // middle of the area.
        QWidget *area = view.placardArea();
        const QImage areaShot = area->grab().toImage();
        const QPoint middle(area->width() / 2, area->height() / 2 + 30);
        QVERIFY(QColor(areaShot.pixel(middle)).red() > 200);

        // Hovering the placard explains it; leaving restores the panel.
        QTest::mouseMove(area, QPoint(area->width() / 2, area->height() / 2));
        QCOMPARE(view.infoTitle(), QStringLiteral("Placard"));
        QCOMPARE(view.infoText(), QStringLiteral("Name:  Bulk Combustible/Flammable\nType:  Primary\nClass:  3"));
        QCOMPARE(view.infoIcon(), QStringLiteral("IDB_P_B30"));   // the placard itself
        QTest::mouseMove(area, QPoint(2, 2));
        QCOMPARE(view.infoTitle(), QStringLiteral("Compliance"));

        // Option 2: the GASOLINE placard.
        QTest::mouseClick(view.nextButton(), Qt::LeftButton);
        QCOMPARE(view.navigatorText(), QStringLiteral("Placarding Options (2 of 3)"));
        QCOMPARE(FindPlacardPictureByKey(view.placards().placards()[0].pictureKey)->resource, "IDB_P_P30G");

        // Option 3: FLAMMABLE and the "Gasoline" marking, which cites
        // 172.336(c) when clicked.
        QTest::mouseClick(view.nextButton(), Qt::LeftButton);
        QVERIFY(!view.nextButton()->isEnabled());
        QCOMPARE(view.markings().count(), 1);
        QCOMPARE(view.markings().markings()[0].type, 5);
        snapshot(&view, "gasoline-option-3");
        QWidget *strip = view.markingStrip();
        QTest::mouseMove(strip, QPoint(20, 15));
        QCOMPARE(view.infoTitle(), QStringLiteral("Trailer Marking"));
        QVERIFY(view.infoText().contains(QStringLiteral("\"Gasoline\" on each side")));
        QCoreApplication::processEvents();
        snapshot(&view, "gasoline-marking-hover");
        QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(20, 15));
        QCOMPARE(cited, QStringList{QStringLiteral("49CFR172.336(c)")});

        // Option 1 again: a FLAMMABLE placard may still be displayed beside
        // the numbered one.
        QTest::mouseClick(view.previousButton(), Qt::LeftButton);
        QTest::mouseClick(view.previousButton(), Qt::LeftButton);
        QCOMPARE(view.optionNumber(), 1);
        bool flammable = false;
        for (const PlacardEntry &p : view.allowedPlacards())
            flammable = flammable || p.pictureKey == 0x1300;
        QVERIFY(flammable);
        AllowedPlacardsDialog dialog(view.allowedPlacards(), 0);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Allowed Placards"));
        QVERIFY(dialog.noteText().startsWith(QStringLiteral("The placards shown may be displayed in addition")));
        QCOMPARE(dialog.picture().size(), placardCanvasSize(static_cast<int>(view.allowedPlacards().size())));
        QVERIFY(dialog.height() >= dialog.picture().height() + 25);
        snapshot(&dialog, "allowed-placards");
    }

    // Hovering a placard shows that placard in the panel, for every class
    // (an explosive once showed a class 3 icon).
    void hoverShowsThePlacardOfItsClass_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("picture");
        QTest::newRow("explosive 1.1D") << "UN0081" << "IDB_P_P11";
        QTest::newRow("flammable liquid") << "UN1993" << "IDB_P_P30";
        QTest::newRow("corrosive") << "UN1830" << "IDB_P_P80";
        QTest::newRow("non-flammable gas") << "UN1066" << "IDB_P_P22";
    }
    void hoverShowsThePlacardOfItsClass()
    {
        QFETCH(QString, id);
        QFETCH(QString, picture);
        TestEngine engine;
        QVERIFY(engine.addId(id.toLatin1().constData(), 2000, false));
        Calculate_Engine(engine.get());
        ComplianceView view;
        view.resize(900, 600);
        view.show();
        view.refresh(engine.get());
        QCOMPARE(view.placards().count(), 1);
        QWidget *area = view.placardArea();
        QTest::mouseMove(area, QPoint(2, 2));   // from outside, so that the pointer moves onto it
        QTest::mouseMove(area, QPoint(area->width() / 2, area->height() / 2));
        QCOMPARE(view.infoTitle(), QStringLiteral("Placard"));
        QCOMPARE(view.infoIcon(), picture);
    }

    void messagesExplainAndCite()
    {
        // Gasoline with a poison gas of hazard zone A in one vehicle may not
        // be loaded together (177.848(d)).
        TestEngine engine;
        QVERIFY(engine.addId("UN1203", 500, false));
        QVERIFY(engine.addId("UN1076", 100, false));
        Calculate_Engine(engine.get());
        ComplianceView view;
        QStringList cited;
        view.onCitation = [&cited](const QString &key) { cited << key; };
        view.resize(900, 600);
        view.show();
        view.refresh(engine.get());
        QVERIFY(!view.messages().empty());
        QVERIFY(view.verdictBar()->legalityText().startsWith(QLatin1String("ILLEGAL")));
        snapshot(&view, "do-not-load");
        // The findings list the Do Not Load first; its line names the items,
        // the rule and the paragraphs it cites.
        FindingsPanel *panel = view.findingsPanel();
        QVERIFY(panel->isVisible());
        QVERIFY(panel->headings().first().startsWith(QLatin1String("Do Not Load")));
        const auto rows = panel->findChildren<QFrame *>(QStringLiteral("finding"));
        QCOMPARE(rows.size(), panel->findingCount());
        QWidget *row = rows.first();
        const MessageEntry &m = panel->groups().front().findings.front();
        QVERIFY(!m.citation.isEmpty());
        const QString line = QTextDocumentFragment::fromHtml(row->findChild<QLabel *>(QStringLiteral("findingText"))->text())
                                 .toPlainText()
                                 .replace(QChar::Nbsp, QLatin1Char(' '));
        QVERIFY2(line.contains(QLatin1String("may not be loaded, transported, or stored together")), qPrintable(line));
        QVERIFY2(line.contains(QLatin1String("49 CFR 177.848(d), (e)(2)")), qPrintable(line));
        // Hovering explains it in full; a click opens its regulation.
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(row, &enter);
        QCOMPARE(view.infoTitle(), QStringLiteral("Message"));
        QCOMPARE(view.infoText(), m.reason + QStringLiteral("\n\nClick to view the regulation."));
        QTest::mouseClick(row, Qt::LeftButton);
        QCOMPARE(cited, QStringList{m.citation});
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(row, &leave);
        QCOMPARE(view.infoTitle(), QStringLiteral("Compliance"));
        // The verdict's citation opens the same regulation.
        emit view.verdictBar()->citationClicked(m.citation);
        QCOMPARE(cited.size(), 2);
    }

    // Placards are drawn whole and apart at every size the window takes.
    void placardsNeverOverlap_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("small window") << QSize(760, 420);
        QTest::newRow("1024 x 700") << QSize(930, 560);
        QTest::newRow("1600 x 1000") << QSize(1500, 860);
    }
    void placardsNeverOverlap()
    {
        QFETCH(QSize, size);
        TestEngine engine;
        for (const char *id : {"UN1203", "UN1830", "UN1066", "UN1076", "UN1428", "UN1942", "UN2912", "UN3077"})
            QVERIFY(engine.addId(id, 2000, false));
        Calculate_Engine(engine.get());
        ComplianceView view;
        view.resize(size);
        view.show();
        view.refresh(engine.get());
        QVERIFY(view.placards().count() >= 6);
        QCoreApplication::processEvents();
        const PlacardGrid &grid = view.placards().grid();
        const QRect shown = view.placardArea()->rect();
        for (size_t i = 0; i < grid.cells.size(); ++i) {
            QVERIFY(shown.contains(grid.cells[i]));
            for (size_t j = i + 1; j < grid.cells.size(); ++j)
                QVERIFY(!grid.cells[i].intersects(grid.cells[j]));
        }
        snapshot(&view, qPrintable(QStringLiteral("many-placards-%1").arg(size.width())));
    }

    void tooManyNumberedPlacardsAreShownWithoutNumbers()
    {
        // 29 different flammable liquids in bulk want 29 numbered placards;
        // the picture holds 28, so they are shown without numbers.
        TestEngine engine;
        int added = 0;
        QStringList ids;
        for (int pid = SearchCT_HazData("3", 1, 0); pid != 0 && added < 29; pid = SearchCT_HazData("3", 1, pid))
            if (engine.add(pid, 1000, true, "3", &ids))
                ++added;
        QCOMPARE(added, 29);
        Calculate_Engine(engine.get());
        int most = 0;
        for (int i = 0; i < GetNumOutputs_Engine(engine.get()); ++i)
            most = std::max(most, GetNumPlacards_Output(GetOutput_Engine(engine.get(), i)));
        QVERIFY2(most > kMaxPlacardsShown, qPrintable(QString::number(most)));

        ComplianceView view;
        view.refresh(engine.get());
        QVERIFY(view.placards().count() >= 1);
        QVERIFY(view.placards().count() <= kMaxPlacardsShown);
        for (const PlacardEntry &p : view.placards().placards())
            QCOMPARE(p.idNumber, 0);
        // The switch is back for the next computation.
        QVERIFY(UsingBulkPlacards_Engine(engine.get()));
    }
};

QTEST_MAIN(ComplianceViewTest)
#include "compliance_view_test.moc"

// The drawing components of the compliance view without an engine: placard
// layout and pictures, message tiles and marking pictures, filled with
// plain result values.
#include "frontend/compliance_vocabulary.h"
#include "compliance/marking_pictures.h"
#include "compliance/message_tiles.h"
#include "compliance/pictures.h"
#include "compliance/placard_layout.h"
#include "compliance/placard_picture.h"

#include "support/placard_entries.h"

#include <QtTest>

using namespace velmora;
using velmora::test::placard;

namespace {

std::vector<PlacardEntry> flammables(int n)
{
    return std::vector<PlacardEntry>(static_cast<size_t>(n), placard(0x1300, 3));
}

// Pixels darker than mid-grey inside a rectangle.
int darkPixels(const QImage &image, QRect r)
{
    int dark = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128 && qGray(image.pixel(x, y)) < 100)
                ++dark;
    return dark;
}

} // namespace

class DrawingTest : public QObject {
    Q_OBJECT
private slots:
    void canvasAndOriginByCount()
    {
        struct Case {
            int n;
            QSize canvas;
            QPoint first;
        } cases[] = {
            {1, {100, 100}, {0, 0}},   {2, {200, 100}, {0, 0}},    {3, {200, 150}, {0, 0}},
            {4, {200, 200}, {0, 50}},  {5, {250, 200}, {50, 50}},  {8, {300, 200}, {50, 50}},
            {9, {350, 200}, {100, 50}}, {10, {400, 200}, {100, 50}}, {11, {400, 250}, {100, 100}},
            {12, {400, 300}, {100, 100}}, {19, {450, 300}, {150, 100}}, {22, {500, 300}, {150, 100}},
            {23, {600, 300}, {200, 100}}, {28, {600, 300}, {200, 100}},
        };
        for (const Case &c : cases) {
            QCOMPARE(placardCanvasSize(c.n), c.canvas);
            QCOMPARE(placardPosition(0, c.n), c.first);
        }
        // Every placard of a full picture lies on the canvas.
        for (int i = 0; i < kMaxPlacardsShown; ++i) {
            const QRect r(placardPosition(i, 28), QSize(100, 100));
            QVERIFY2(QRect(QPoint(0, 0), placardCanvasSize(28)).contains(r), qPrintable(QString::number(i)));
        }
    }

    void hitTestFollowsTheDiamonds()
    {
        // Each placard's centre hits that placard, for every count.
        for (int n = 1; n <= kMaxPlacardsShown; ++n)
            for (int i = 0; i < n; ++i)
                QCOMPARE(placardAt(placardPosition(i, n) + QPoint(50, 50), n), i);
        // The square's corners are outside the diamond; where two squares
        // overlap, the diamonds decide.
        QCOMPARE(placardAt(QPoint(2, 2), 1), -1);
        QCOMPARE(placardAt(QPoint(97, 97), 1), -1);
        QCOMPARE(placardAt(QPoint(60, 100), 3), 2);
        QCOMPARE(placardAt(QPoint(60, 40), 3), 0);
        QCOMPARE(placardAt(QPoint(140, 40), 3), 1);
        // No placards, nothing to hit.
        PlacardPainter none;
        QCOMPARE(none.placardAt(QPoint(50, 50)), -1);
    }

    void pictureChoice()
    {
        struct Case {
            unsigned hash;
            int hazardClass;
            bool number;
            char letter;
            const char *resource;
            const char *name;
        } cases[] = {
            // FUEL OIL and GASOLINE with their numbers (keys without letter).
            {0x3300, 3, true, 'F', "IDB_P_B30C", "Bulk Combustible"},
            {0x3300, 3, true, 'G', "IDB_P_B30", "Bulk Combustible/Flammable"},
            {0x3303, 3, true, 'C', "IDB_P_B30C", "Bulk Combustible"},
            {0x3300, 3, true, 0, "IDB_P_B30", "Bulk Combustible/Flammable"},
            // Without numbers the variants keep their own pictures.
            {0x1306, 3, false, 'F', "IDB_P_P30F", "Fuel Oil"},
            {0x1307, 3, false, 'G', "IDB_P_P30G", "Gasoline"},
            // Explosives of one division share a picture, whatever the group.
            {0x1180, 1, false, 'S', "IDB_P_P14", "Explosives"},
            {0x1180, 1, false, 'G', "IDB_P_P14", "Explosives"},
            {0x0004, 0, false, 'D', "IDB_P_S00D", "Dangerous"},
            {0x1621, 6, false, 'A', "IDB_P_P61A", "Poison Inhalation Hazard"},
            {0x3621, 6, true, 'A', "IDB_P_B61A", "Bulk Poison Inhalation Hazard"},
        };
        for (const Case &c : cases) {
            const PlacardPicture *p = FindPlacardPictureByKey(PlacardPictureKey(c.hash, c.hazardClass, c.number, c.letter));
            QVERIFY(p);
            QCOMPARE(p->resource, c.resource);
            QCOMPARE(p->name, c.name);
        }
    }

    void everyPictureIsBuiltIn()
    {
        // The 74 placards, the marking pictures and the icons come from the
        // program's resources; each has artwork in its middle.
        QStringList names;
        for (unsigned key = 0; key < 0x4000; ++key)
            if (const PlacardPicture *p = FindPlacardPictureByKey(key))
                names << QString::fromLatin1(p->resource);
        QCOMPARE(names.size(), 74);
        // With VELMORA_SNAPSHOT_DIR set, the placards are also saved as
        // sheets of 28 for looking at them.
        const QByteArray dir = qgetenv("VELMORA_SNAPSHOT_DIR");
        for (int sheet = 0; !dir.isEmpty() && sheet * 28 < 74; ++sheet) {
            std::vector<PlacardEntry> entries;
            for (unsigned key = 0; key < 0x4000; ++key)
                if (FindPlacardPictureByKey(key)) {
                    PlacardEntry e;
                    e.key = e.pictureKey = key;
                    e.idNumber = key & 0x2000 ? 1234 : 0;
                    entries.push_back(e);
                }
            entries.erase(entries.begin(), entries.begin() + sheet * 28);
            PlacardPainter drawing;
            drawing.setPlacards(entries);
            drawing.draw().save(QString::fromLocal8Bit(dir) + QStringLiteral("/placards-%1.png").arg(sheet));
        }
        for (const QString &name : names) {
            const QImage image = namedPicture(name, QSize(100, 100));
            QVERIFY2(!image.isNull(), qPrintable(name));
            QVERIFY2(qAlpha(image.pixel(50, 50)) == 255, qPrintable(name));
            QVERIFY2(qAlpha(image.pixel(3, 3)) == 0, qPrintable(name));   // outside the diamond
        }
        for (int type = 1; type <= 13; ++type) {
            const MarkingKind *kind = FindMarkingKind(type);
            QVERIFY(kind);
            if (kind->picture)
                QVERIFY2(!namedPicture(QString::fromLatin1(kind->picture), QSize(kind->width, kind->height)).isNull(),
                         kind->picture);
        }
        for (int type = 0; type <= 6; ++type)
            for (int code : {1, 13, 15, 19, 29, 32})
                QVERIFY(!namedPicture(QString::fromStdString(MessageIconResource(type, code)), QSize(32, 32)).isNull());
        for (const char *panel : {"IDI_CPD_PLACARD", "IDI_CPD_MESSAGE", "IDI_CPD_MARKING"})
            QVERIFY2(!namedPicture(QString::fromLatin1(panel), QSize(32, 32)).isNull(), panel);
        QVERIFY(namedPicture(QStringLiteral("IDB_P_NOTHING"), QSize(100, 100)).isNull());
    }

    void numberedPlacardShowsItsNumber()
    {
        PlacardPainter drawing;
        drawing.setPlacards({placard(0x3300, 3, 0, 1203), placard(0x3300, 3, 0, 0)});
        // The same bulk picture; only the numbered one has black digits in
        // the white number area.
        const QRect numberArea(27, 41, 45, 20);
        QVERIFY(darkPixels(drawing.pictureOf(0), numberArea) > 20);
        QCOMPARE(darkPixels(drawing.pictureOf(1), numberArea), 0);
    }

    void picturePlacesAndEmphasis()
    {
        PlacardPainter drawing;
        drawing.setPlacards({placard(0x1300, 3), placard(0x1800, 8)});
        const QImage plain = drawing.draw(-1);
        QCOMPARE(plain.size(), QSize(200, 100));
        // Flammable is red at its middle, corrosive to its right.
        QCOMPARE(QColor(plain.pixel(50, 70)).red() > 200, true);
        const QImage emphasised = drawing.draw(0);
        // Placard 0 keeps its colours; placard 1 is 50 darker per channel.
        QCOMPARE(emphasised.pixel(50, 70), plain.pixel(50, 70));
        const QColor normal(plain.pixel(150, 30)), dark(emphasised.pixel(150, 30));
        QCOMPARE(dark.red(), std::max(normal.red() - 50, 0));
        QCOMPARE(dark.green(), std::max(normal.green() - 50, 0));
        QCOMPARE(dark.blue(), std::max(normal.blue() - 50, 0));
        // The hover lines of a placard and of DANGEROUS.
        QCOMPARE(drawing.hoverText(0), QStringLiteral("Name:  Flammable\nType:  Primary\nClass:  3"));
        PlacardPainter more;
        more.setPlacards({placard(0x0004, 0), placard(0x1520, 5, 1, 0, false)});
        QCOMPARE(more.hoverText(0), QStringLiteral("Name:  Dangerous\n\n"));
        QCOMPARE(more.hoverText(1), QStringLiteral("Name:  Oxidizer\nType:  Subsidiary\nClass:  5\nDiv: 1"));
    }

    void noPlacardsAndTooMany()
    {
        PlacardPainter drawing;
        QCOMPARE(drawing.draw().size(), QSize(150, 50));
        // The picture holds 28; a longer list is cut, never overrun.
        drawing.setPlacards(flammables(29));
        QCOMPARE(drawing.count(), 28);
        QCOMPARE(drawing.draw().size(), QSize(600, 300));
        QCOMPARE(drawing.placardAt(placardPosition(27, 28) + QPoint(50, 50)), 27);
    }

    void unknownKeyIsReportedOncePerLoading()
    {
        PlacardPainter drawing;
        QStringList errors;
        drawing.onError = [&errors](const QString &text) { errors << text; };
        // A class 6 placard with an unknown variant letter has no picture.
        PlacardEntry odd = placard(0x1300, 3);
        odd.key = odd.pictureKey = 0x1622;
        drawing.setPlacards({placard(0x1300, 3), odd, placard(0x1800, 8)});
        const QImage image = drawing.draw(-1);
        QCOMPARE(errors, QStringList{QStringLiteral("A fatal error has occured. ERROR:5666")});
        // The placard loaded before it is drawn; loading stopped there.
        QVERIFY(qAlpha(image.pixel(50, 70)) == 255);
        QVERIFY(qAlpha(image.pixel(150, 50)) == 0);
        drawing.draw(1);   // hovering redraws without asking again
        QCOMPARE(errors.size(), 1);
    }

    void messageTileLayout()
    {
        QCOMPARE(messageTileRect(0, 320), QRect(0, 0, 155, 32));
        QCOMPARE(messageTileRect(1, 320), QRect(155, 0, 155, 32));
        QCOMPARE(messageTileRect(2, 320), QRect(0, 32, 155, 32));
        QCOMPARE(messageTileRect(1, 100), QRect(0, 32, 155, 32));   // narrower than a tile: one a row
        MessageTilePainter tiles;
        std::vector<MessageEntry> list(3);
        list[0].type = 0;   // radiation: yellow tile
        list[1].type = 1;
        list[2].type = 4;
        tiles.setMessages(list);
        QCOMPARE(tiles.messageAt(QPoint(10, 10), 320), 0);
        QCOMPARE(tiles.messageAt(QPoint(160, 10), 320), 1);
        QCOMPARE(tiles.messageAt(QPoint(10, 40), 320), 2);
        QCOMPARE(tiles.messageAt(QPoint(160, 40), 320), -1);
        const QImage image = tiles.draw(320);
        QCOMPARE(image.size(), QSize(320, 64));
        QCOMPARE(QColor(image.pixel(150, 30)), QColor(255, 255, 0));
        QVERIFY(QColor(image.pixel(305, 30)) != QColor(255, 255, 0));
        MessageTilePainter none;
        QCOMPARE(none.draw(500).size(), QSize(310, 32));
    }

    void messageTexts()
    {
        struct Case {
            int pid1, pid2;
            const char *id1, *id2, *items;
        } cases[] = {
            {0, 0, "", "", "[Warning]"},
            {10, 20, "UN1203", "UN1076", "[UN1203,UN1076]"},
            {10, 0, "UN1203", "", "UN1203"},
        };
        for (const Case &c : cases) {
            MessageEntry m;
            m.pid1 = c.pid1;
            m.pid2 = c.pid2;
            m.id1 = QString::fromLatin1(c.id1);
            m.id2 = QString::fromLatin1(c.id2);
            QCOMPARE(messageItemText(m), QString::fromLatin1(c.items));
        }
        MessageEntry m;
        m.reason = QStringLiteral("Do not load.");
        QCOMPARE(messageHoverText(m), QStringLiteral("Do not load."));
        m.citation = QStringLiteral("49cfr177.848(d)");
        QCOMPARE(messageHoverText(m), QStringLiteral("Do not load.\n\nClick to view the regulation."));
        QCOMPARE(MessageIconResource(3, 13), std::string("IDI_SEG_DETONATORS"));
        QCOMPARE(MessageIconResource(3, 14), std::string("IDI_SEG_NOTSURE"));
        QCOMPARE(MessageIconResource(5, 13), std::string("IDI_SEG_PERMIT"));
        QCOMPARE(MessageIconResource(7, 0), std::string());
    }

    void markingPictures()
    {
        QCOMPARE(markingNumberText(73), QStringLiteral("0073"));
        QCOMPARE(markingNumberText(1203), QStringLiteral("1203"));
        MarkingPainter markings;
        markings.setMarkings({{73, 3, {}}, {0, 4, {}}, {0, 8, {}}, {0, 7, QStringLiteral("PROPANE")}, {0, 99, {}}});
        const QImage panel = markings.picture(0);
        QCOMPARE(panel.size(), QSize(50, 25));
        QCOMPARE(QColor(panel.pixel(3, 20)), QColor(255, 127, 0));
        QCOMPARE(QColor(panel.pixel(0, 0)), QColor(Qt::black));
        QVERIFY(darkPixels(panel, QRect(8, 4, 40, 18)) > 10);   // the digits
        QCOMPARE(markings.picture(1).size(), QSize(105, 25));
        QCOMPARE(markings.picture(2).size(), QSize(100, 100));
        QFont bold;
        bold.setBold(true);
        bold.setPointSize(10);
        QCOMPARE(markings.picture(3).size(),
                 QSize(QFontMetrics(bold).horizontalAdvance(QStringLiteral("PROPANE")) + 15, 25));
        QVERIFY(markings.picture(5).isNull());

        QCOMPARE(markings.citation(0), QStringLiteral("49CFR172.302(a)"));
        QCOMPARE(markings.citation(3), QStringLiteral("49CFR172.328(b)"));
        QCOMPARE(markings.citation(4), QString());
        QCOMPARE(markings.hoverText(1),
                 QString::fromUtf8("49 CFR \u00a7172.336(c):\n\nIdentification numbers are not required on a cargo "
                                   "tank containing only fuel oil, if the cargo tank is marked \"Fuel Oil\" on each "
                                   "side...\n\nClick to view the regulation."));
        QCOMPARE(markings.hoverText(3),
                 QString::fromUtf8("49 CFR \u00a7172.328(b):\n\nThe cargo tank must be marked on each side on each "
                                   "end with the words \"PROPANE\" or an appropriate common name.\n\nClick to view "
                                   "the regulation."));
        QCOMPARE(markings.hoverText(2),
                 QString::fromUtf8("49 CFR \u00a7172.322:\n\nA marine pollutant marking is required for this "
                                   "load.\n\nClick to view the regulation."));
        QCOMPARE(markings.hoverText(4), QString());
        // Every type has a text that names its section and ends with the hint.
        for (int type = 1; type <= 13; ++type) {
            const QString text = QString::fromUtf8(MarkingHoverText(type, "X").c_str());
            QVERIFY(text.startsWith(QString::fromUtf8("49 CFR \u00a7172.")));
            QVERIFY(text.endsWith(QStringLiteral("\n\nClick to view the regulation.")));
        }
    }
};

QTEST_MAIN(DrawingTest)
#include "drawing_test.moc"

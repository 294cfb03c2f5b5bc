// The compliance view's placards: whole, apart from each other at any width,
// emphasised under the pointer; explosives show their compatibility group.
#include "compliance/placard_board.h"
#include "frontend/compliance_vocabulary.h"
#include "support/placard_entries.h"
#include "support/truckload_items.h"

#include <QSignalSpy>

#include <QtTest>

using namespace velmora;
using velmora::test::placard;

class PlacardBoardTest : public QObject {
    Q_OBJECT
private slots:
    void gridKeepsPlacardsApart_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("width");
        for (int n : {1, 2, 5, 12, 28})
            for (int width : {120, 300, 700, 1024, 1600})
                QTest::newRow(qPrintable(QStringLiteral("%1 in %2").arg(n).arg(width))) << n << width;
    }
    void gridKeepsPlacardsApart()
    {
        QFETCH(int, n);
        QFETCH(int, width);
        const PlacardGrid g = placardGrid(n, width);
        QCOMPARE(static_cast<int>(g.cells.size()), n);
        QVERIFY(g.side >= kPlacardMinSide && g.side <= kPlacardMaxSide);
        const QRect canvas(QPoint(0, 0), g.size);
        for (size_t i = 0; i < g.cells.size(); ++i) {
            QVERIFY(canvas.contains(g.cells[i]));
            for (size_t j = i + 1; j < g.cells.size(); ++j)
                QVERIFY2(!g.cells[i].adjusted(-1, -1, 1, 1).intersects(g.cells[j]),
                         qPrintable(QStringLiteral("%1 and %2 touch").arg(i).arg(j)));
        }
        // Placards are as large as the width lets one row hold them.
        if (n * (kPlacardMaxSide + kPlacardGap) + kPlacardGap <= width)
            QCOMPARE(g.side, kPlacardMaxSide);
    }

    void pointerEmphasisesOnePlacard()
    {
        PlacardBoard board;
        board.setPlacards({placard(0x1300, 3), placard(0x1800, 8), placard(0x3300, 3, 0, 1203)});
        board.resize(700, board.heightForWidth(700));
        QSignalSpy hovered(&board, &PlacardBoard::placardHovered);
        const QRect second = board.grid().cells[1];
        QCOMPARE(board.placardAt(second.center()), 1);
        QCOMPARE(board.placardAt(second.topLeft() + QPoint(2, 2)), -1);   // the corner outside the diamond
        QMouseEvent move(QEvent::MouseMove, QPointF(second.center()), board.mapToGlobal(QPointF(second.center())),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&board, &move);
        QCOMPARE(board.emphasis(), 1);
        const QImage shown = board.grab().toImage();
        const QRect first = board.grid().cells[0];
        // the others are drawn darker than they are
        const QImage plain = board.pictureOf(0, board.grid().side);
        const QPoint probe(first.width() / 2, first.height() / 2 + first.height() / 10);
        QVERIFY(qRed(shown.pixel(first.topLeft() + probe)) < qRed(plain.pixel(probe)));
        QCOMPARE(hovered.count(), 1);
        QCOMPARE(hovered.at(0).at(0).toInt(), 1);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&board, &leave);
        QCOMPARE(board.emphasis(), -1);
        QCOMPARE(hovered.last().at(0).toInt(), -1);
    }

    void explosiveShowsItsCompatibilityGroup()
    {
        test::TestEngine engine;
        test::addItem(engine.get(), "UN0081", 0, 500);   // Explosive, blasting, type A: 1.1D
        Calculate_Engine(engine.get());
        const auto placards = readOption(engine.get(), 0).placards;
        QCOMPARE(placards.size(), size_t(1));
        QCOMPARE(placards[0].hazardClass, 1);
        QCOMPARE(placards[0].division, 1);
        QCOMPARE(placards[0].compatibilityGroup, 'D');
    }
};

QTEST_MAIN(PlacardBoardTest)
#include "placard_board_test.moc"

// Placard pictures as the screen shows them: crisp at the screen's pixel
// density, the identification number inside the number area and the
// compatibility group of an explosive in its place.
#include "compliance/placard_art.h"

#include <QtTest>

using namespace velmora;

namespace {

// Dark, opaque pixels of an image inside a rectangle of device pixels.
int darkPixels(const QImage &image, const QRect &r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.rect().contains(x, y) && qAlpha(image.pixel(x, y)) > 200 && qGray(image.pixel(x, y)) < 60)
                ++n;
    return n;
}

} // namespace

class PlacardArtTest : public QObject {
    Q_OBJECT
private slots:
    void renderedAtThePixelDensity_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1x") << 1.0;
        QTest::newRow("1.5x") << 1.5;
        QTest::newRow("2x") << 2.0;
    }
    void renderedAtThePixelDensity()
    {
        QFETCH(qreal, ratio);
        const QImage art = placardArt(QStringLiteral("IDB_P_P30"), 120, ratio, 0, 0);
        QCOMPARE(art.width(), qRound(120 * ratio));
        QCOMPARE(art.devicePixelRatio(), ratio);
        QCOMPARE(art.deviceIndependentSize().toSize(), QSize(120, 120));
        QVERIFY(placardArt(QStringLiteral("IDB_P_NOTHING"), 120, ratio, 0, 0).isNull());
    }

    void numberAndGroupInTheirPlaces_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("part");
        QTest::addColumn<int>("idNumber");
        QTest::addColumn<char>("group");
        QTest::newRow("number on FLAMMABLE") << "IDB_P_B30" << "number-area" << 1203 << char(0);
        QTest::newRow("number on CORROSIVE") << "IDB_P_B80" << "number-area" << 1830 << char(0);
        QTest::newRow("short number padded") << "IDB_P_B90" << "number-area" << 73 << char(0);
        QTest::newRow("group of 1.4") << "IDB_P_P14" << "compatibility" << 0 << 'S';
        QTest::newRow("group of 1.1") << "IDB_P_P11" << "compatibility" << 0 << 'D';
    }
    void numberAndGroupInTheirPlaces()
    {
        QFETCH(QString, resource);
        QFETCH(QString, part);
        QFETCH(int, idNumber);
        QFETCH(char, group);
        const int side = 200;
        const QRect area = placardPart(resource, part, side).toAlignedRect();
        QVERIFY2(!area.isEmpty(), qPrintable(part));
        const QImage plain = placardArt(resource, side, 1.0, 0, 0);
        const QImage marked = placardArt(resource, side, 1.0, idNumber, group);
        QCOMPARE(darkPixels(plain, area.adjusted(3, 3, -3, -3)), 0);   // inside its outline
        QVERIFY(darkPixels(marked, area) > 60);
        // nothing of the number or letter lands outside its place
        QImage outside = marked;
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                if (area.contains(x, y))
                    outside.setPixel(x, y, plain.pixel(x, y));
        QCOMPARE(outside, plain);
    }
};

QTEST_MAIN(PlacardArtTest)
#include "placard_art_test.moc"

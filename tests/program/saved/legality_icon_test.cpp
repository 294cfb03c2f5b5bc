// The saved-truckload icon drawn on demand: it must look exactly as the
// icon drawn at once and wrapped in a plain QIcon (at its own size, at the
// report list's small size, selected), and rows that show different things
// must never share a cached drawing.
#include "saved/legality_icon.h"
#include "support/placard_entries.h"

#include <QPixmap>
#include <QtTest>

using namespace velmora;
using velmora::test::placard;

namespace {

struct IconCase {
    const char *name;
    int legality;
    std::vector<PlacardEntry> placards;
    int fontAdjust;
};

std::vector<IconCase> iconCases()
{
    return {
        {"legal, no placards", 0, {}, 0},
        {"illegal, no placards, large fonts", 1, {}, 4},
        {"legal, flammable", 0, {placard(0x1300, 3)}, 0},
        {"illegal, flammable and corrosive", 1, {placard(0x1300, 3), placard(0x1800, 8)}, 0},
        {"undetermined, numbered placard", 2, {placard(0x1300, 3, 0, 1203)}, 0},
        {"undetermined, other number", 2, {placard(0x1300, 3, 0, 1993)}, 0},
        {"undetermined, numbered placard, font adjusted", 2, {placard(0x1300, 3, 0, 1203)}, 2},
        {"legal, four placards", 0, {placard(0x1300, 3), placard(0x1800, 8), placard(0x1520, 5), placard(0x3300, 3)}, 0},
    };
}

QImage image(const QPixmap &pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied); }

} // namespace

class LegalityIconTest : public QObject {
    Q_OBJECT
private slots:
    void drawnOnDemandAsDrawnAtOnce()
    {
        const QSize sizes[] = {QSize(77, 77), QSize(16, 16), QSize(32, 20)};
        const QIcon::Mode modes[] = {QIcon::Normal, QIcon::Selected, QIcon::Disabled};
        for (const IconCase &c : iconCases()) {
            const QImage eager = drawLegalityIcon(c.legality, c.placards, c.fontAdjust);
            QCOMPARE(eager.size(), QSize(77, 77));
            const QIcon plain(QPixmap::fromImage(eager));
            const QIcon lazy = legalityIcon(c.legality, c.placards, c.fontAdjust);
            for (const QSize &size : sizes) {
                QCOMPARE(lazy.actualSize(size), plain.actualSize(size));
                for (QIcon::Mode mode : modes) {
                    // Twice: the second answer comes from the cache.
                    for (int pass = 0; pass < 2; ++pass)
                        if (image(lazy.pixmap(size, mode)) != image(plain.pixmap(size, mode)))
                            QFAIL(qPrintable(QStringLiteral("%1: differs at %2x%3, mode %4, pass %5")
                                                 .arg(QLatin1String(c.name))
                                                 .arg(size.width())
                                                 .arg(size.height())
                                                 .arg(mode)
                                                 .arg(pass)));
                }
            }
        }
    }

    // Each case shows something different: had two of them shared a cache
    // entry, the one drawn second would show the first one's picture.
    void differentIconsNeverShareADrawing()
    {
        const std::vector<IconCase> cases = iconCases();
        std::vector<QImage> drawn;
        for (const IconCase &c : cases)
            drawn.push_back(image(legalityIcon(c.legality, c.placards, c.fontAdjust).pixmap(77, 77)));
        for (size_t i = 0; i < cases.size(); ++i)
            for (size_t j = i + 1; j < cases.size(); ++j)
                QVERIFY2(drawn[i] != drawn[j], qPrintable(QStringLiteral("%1 / %2").arg(QLatin1String(cases[i].name),
                                                                                     QLatin1String(cases[j].name))));
        // The colours of the verdicts.
        QCOMPARE(drawn[3].pixelColor(3, 3), QColor(255, 0, 0));
        QCOMPARE(drawn[4].pixelColor(3, 3), QColor(255, 255, 0));
        QCOMPARE(drawn[2].pixelColor(3, 3), QColor(Qt::white));
    }
};

QTEST_MAIN(LegalityIconTest)
#include "legality_icon_test.moc"

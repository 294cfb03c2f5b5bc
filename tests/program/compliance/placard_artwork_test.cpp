// The placard pictures measured against 49 CFR 172.519-172.560.  Each picture
// is drawn in millimetres (the view box is the placard's bounding square), so
// it is rendered at one pixel per millimetre and its parts are looked at one
// by one: where their ink lies, whether they overlap, and the colours of the
// placard's regions.
#include "frontend/compliance_vocabulary.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtTest>

#include <cmath>
#include <map>

using namespace velmora;

namespace {

constexpr double kSide = 273.0;                        // a placard's side, mm
const double kHalf = kSide / std::sqrt(2.0);           // centre of the picture
constexpr double kInnerBorder = 12.7 + 4.0;            // edge to the inside of the inner border line
const int kPixels = static_cast<int>(std::lround(2 * kHalf));

enum class Colour { Any, White, Black, Red, Orange, Yellow, Green, Blue };

// The nearest of the placard colours (172.407(d)(5) in sRGB) to a pixel.
Colour classify(QRgb c)
{
    static const std::pair<Colour, QRgb> palette[] = {
        {Colour::White, qRgb(255, 255, 255)}, {Colour::Black, qRgb(0, 0, 0)},
        {Colour::Red, qRgb(200, 16, 46)},     {Colour::Orange, qRgb(255, 130, 0)},
        {Colour::Yellow, qRgb(255, 209, 0)},  {Colour::Green, qRgb(0, 123, 95)},
        {Colour::Blue, qRgb(0, 114, 206)}};
    Colour best = Colour::Any;
    int bestDistance = INT_MAX;
    for (const auto &[name, ref] : palette) {
        const int dr = qRed(c) - qRed(ref), dg = qGreen(c) - qGreen(ref), db = qBlue(c) - qBlue(ref);
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = name;
        }
    }
    return best;
}

const char *colourName(Colour c)
{
    static const char *names[] = {"any", "white", "black", "red", "orange", "yellow", "green", "blue"};
    return names[static_cast<int>(c)];
}

// How far inside the placard's edge a pixel centre lies (mm, negative outside).
double insetOf(int x, int y)
{
    const double dx = std::abs(x + 0.5 - kHalf), dy = std::abs(y + 0.5 - kHalf);
    return (kHalf - dx - dy) / std::sqrt(2.0);
}

// What the regulation says a placard looks like, by its design (the
// resource name without "IDB_P_" and the kind letter).
struct Design {
    const char *symbol;       // id of the symbol element, or "" for none
    const char *classNumber;  // in the lower corner, or "" (DANGEROUS)
    const char *division;     // EXPLOSIVES division, or ""
    Colour top;               // just under the top corner, inside the border
    Colour upper, lower;      // at the left corner, just above and below the centre line
    Colour edge;              // between the edge and the inner border, at the top
};

const std::map<QString, Design> &designs()
{
    using C = Colour;
    static const std::map<QString, Design> table = {
        // 172.522-172.525: orange; the bomb for 1.1-1.3, the division's
        // numerals in place of the symbol for 1.4-1.6
        {"10", {"exploding-bomb", "1", "", C::Orange, C::Orange, C::Orange, C::Orange}},
        {"11", {"exploding-bomb", "1", "1.1", C::Orange, C::Orange, C::Orange, C::Orange}},
        {"12", {"exploding-bomb", "1", "1.2", C::Orange, C::Orange, C::Orange, C::Orange}},
        {"13", {"exploding-bomb", "1", "1.3", C::Orange, C::Orange, C::Orange, C::Orange}},
        {"14", {"", "1", "1.4", C::Orange, C::Orange, C::Orange, C::Orange}},
        {"15", {"", "1", "1.5", C::Orange, C::Orange, C::Orange, C::Orange}},
        {"16", {"", "1", "1.6", C::Orange, C::Orange, C::Orange, C::Orange}},
        // 172.528-172.540
        {"21", {"flame", "2", "", C::Red, C::Red, C::Red, C::Red}},
        {"22", {"cylinder", "2", "", C::Green, C::Green, C::Green, C::Green}},
        {"22O", {"flame-over-circle", "2", "", C::Yellow, C::Yellow, C::Yellow, C::Yellow}},
        {"23", {"skull-and-crossbones", "2", "", C::Black, C::White, C::White, C::White}},
        // 172.542, 172.544
        {"30", {"flame", "3", "", C::Red, C::Red, C::Red, C::Red}},
        {"30C", {"flame", "3", "", C::Red, C::Red, C::Red, C::Red}},
        {"30F", {"flame", "3", "", C::Red, C::Red, C::Red, C::Red}},
        {"30G", {"flame", "3", "", C::Red, C::Red, C::Red, C::Red}},
        // 172.546-172.548: a red stripe in the centre of 4.1; 4.2 white
        // above and red below
        {"41", {"flame", "4", "", C::Red, C::Any, C::Any, C::Red}},
        {"42", {"flame", "4", "", C::White, C::White, C::Red, C::White}},
        {"43", {"flame", "4", "", C::Blue, C::Blue, C::Blue, C::Blue}},
        // 172.550, 172.552: 5.2 red above and yellow below
        {"51", {"flame-over-circle", "5.1", "", C::Yellow, C::Yellow, C::Yellow, C::Yellow}},
        {"52", {"flame", "5.2", "", C::Red, C::Red, C::Yellow, C::Red}},
        {"52O", {"flame-over-circle", "5.2", "", C::Yellow, C::Yellow, C::Yellow, C::Yellow}},
        // 172.554, 172.555
        {"61", {"skull-and-crossbones", "6", "", C::White, C::White, C::White, C::White}},
        {"610", {"skull-and-crossbones", "6", "", C::White, C::White, C::White, C::White}},
        {"61A", {"skull-and-crossbones", "6", "", C::Black, C::White, C::White, C::White}},
        {"61T", {"skull-and-crossbones", "6", "", C::White, C::White, C::White, C::White}},
        {"61W", {"wheat-crossed-out", "6", "", C::White, C::White, C::White, C::White}},
        {"62", {"biohazard", "6", "", C::White, C::White, C::White, C::White}},
        // 172.556: the yellow triangle's base 29 mm above the centre line,
        // the yellow only inside the border
        {"70", {"trefoil", "7", "", C::Yellow, C::White, C::White, C::White}},
        // 172.558: the white triangle's base 38 mm above the centre line,
        // black below it, only inside the border
        {"80", {"corrosive", "8", "", C::White, C::Black, C::Black, C::White}},
        // 172.560: black stripes from the top to an inch above the centre line
        {"90", {"stripes", "9", "", C::Black, C::White, C::White, C::White}},
        // 172.521: red triangles, white centre and border
        {"00D", {"", "", "", C::Red, C::White, C::White, C::White}},
    };
    return table;
}

// The aria-label of each element with an id: the text a part shows.
std::map<QString, QString> labels(const QByteArray &svg)
{
    std::map<QString, QString> out;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.attributes().hasAttribute("id"))
            out[xml.attributes().value("id").toString()] = xml.attributes().value("aria-label").toString();
    return out;
}

QImage blank()
{
    QImage image(kPixels, kPixels, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// One element alone, at its place on the placard.
QImage renderPart(QSvgRenderer &svg, const QString &id)
{
    QImage image = blank();
    QPainter p(&image);
    svg.render(&p, id, svg.boundsOnElement(id));
    return image;
}

QImage renderWhole(QSvgRenderer &svg)
{
    QImage image = blank();
    QPainter p(&image);
    svg.render(&p);
    return image;
}

bool ink(const QImage &image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) > 128;
}

QRect inkBounds(const QImage &image)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ink(image, x, y))
                r |= QRect(x, y, 1, 1);
    return r;
}

} // namespace

class PlacardArtworkTest : public QObject {
    Q_OBJECT
private slots:
    void placardDrawing_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("design");
        QTest::addColumn<bool>("numbered");
        // Every picture of the program's placard table.
        QSet<QString> seen;
        for (unsigned key = 0; key < 0x4000; ++key) {
            const PlacardPicture *p = FindPlacardPictureByKey(key);
            if (!p || seen.contains(QLatin1String(p->resource)))
                continue;
            const QString resource = QString::fromLatin1(p->resource);
            seen.insert(resource);
            QTest::newRow(p->resource) << resource << resource.mid(7) << (resource.at(6) == QLatin1Char('B'));
        }
        QCOMPARE(seen.size(), 74);
    }

    void placardDrawing()
    {
        QFETCH(QString, resource);
        QFETCH(QString, design);
        QFETCH(bool, numbered);
        const auto found = designs().find(design);
        QVERIFY2(found != designs().end(), "a picture without a known design");
        const Design &d = found->second;

        QFile file(QStringLiteral(":/placards/") + resource + QStringLiteral(".svg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QSvgRenderer svg(bytes);
        QVERIFY(svg.isValid());
        // Drawn in millimetres on the placard's bounding square.
        QCOMPARE(qRound(svg.viewBoxF().width()), kPixels);
        const auto text = labels(bytes);

        const QImage whole = renderWhole(svg);
        // Nothing outside the placard; the centre is covered.
        for (int y = 0; y < kPixels; ++y)
            for (int x = 0; x < kPixels; ++x)
                if (insetOf(x, y) < -1.0 && qAlpha(whole.pixel(x, y)) != 0)
                    QFAIL(qPrintable(QStringLiteral("ink outside the placard at %1,%2").arg(x).arg(y)));
        QCOMPARE(qAlpha(whole.pixel(kPixels / 2, kPixels / 2)), 255);

        // The colours of the placard's regions.
        const int c = kPixels / 2;
        const struct {
            const char *where;
            QPoint at;
            Colour expected;
        } samples[] = {{"top", {c, 36}, d.top},
                       {"upper", {36, c - 8}, d.upper},
                       {"lower", {36, c + 8}, d.lower},
                       {"edge", {c, 5}, d.edge}};
        for (const auto &s : samples)
            if (s.expected != Colour::Any && !(numbered && (s.at.y() == c - 8 || s.at.y() == c + 8)))
                QVERIFY2(classify(whole.pixel(s.at)) == s.expected,
                         qPrintable(QStringLiteral("%1 is %2, not %3").arg(QLatin1String(s.where),
                             QLatin1String(colourName(classify(whole.pixel(s.at)))),
                             QLatin1String(colourName(s.expected)))));

        // The parts of the placard, each inside the inner border.
        QStringList parts;
        for (const char *id : {d.symbol, "text", "division", "class-number", "number-area"})
            if (*id && svg.elementExists(QLatin1String(id)))
                parts << QLatin1String(id);
        std::map<QString, QImage> images;
        for (const QString &id : parts) {
            images[id] = renderPart(svg, id);
            const QRect bounds = inkBounds(images[id]);
            QVERIFY2(!bounds.isEmpty(), qPrintable(id + QStringLiteral(" draws nothing")));
            const double room = design == QLatin1String("00D") ? 12.7 : kInnerBorder;
            for (int y = bounds.top(); y <= bounds.bottom(); ++y)
                for (int x = bounds.left(); x <= bounds.right(); ++x)
                    if (ink(images[id], x, y) && insetOf(x, y) < room - 1.0)
                        QFAIL(qPrintable(QStringLiteral("%1 crosses the inner border at %2,%3").arg(id).arg(x).arg(y)));
        }
        // No part covers another.
        for (auto a = images.begin(); a != images.end(); ++a)
            for (auto b = std::next(a); b != images.end(); ++b)
                for (int y = 0; y < kPixels; ++y)
                    for (int x = 0; x < kPixels; ++x)
                        if (ink(a->second, x, y) && ink(b->second, x, y))
                            QFAIL(qPrintable(QStringLiteral("%1 and %2 overlap at %3,%4")
                                                 .arg(a->first, b->first).arg(x).arg(y)));

        // The symbol of the class in the upper half.
        if (*d.symbol) {
            QVERIFY2(images.count(QLatin1String(d.symbol)), d.symbol);
            QVERIFY2(inkBounds(images[QLatin1String(d.symbol)]).bottom() < c, "the symbol reaches the lower half");
        }
        // The class number in the lower corner, at least 41 mm high
        // (172.519(b)(4), (c)(2)).
        if (*d.classNumber) {
            QVERIFY(images.count(QStringLiteral("class-number")));
            QCOMPARE(text.at(QStringLiteral("class-number")), QString::fromLatin1(d.classNumber));
            const QRect n = inkBounds(images[QStringLiteral("class-number")]);
            QVERIFY2(n.top() > c + 40, "the class number is not in the lower corner");
            QVERIFY2(std::abs(n.center().x() - c) <= 3, "the class number is off the centre");
            QVERIFY2(n.height() >= 41, qPrintable(QStringLiteral("class number %1 mm high").arg(n.height())));
        }
        // EXPLOSIVES: the division, in numerals at least 64 mm high in place
        // of the symbol for 1.4-1.6 (172.523-172.525), below the word for
        // 1.1-1.3, with the place of the compatibility group (172.522(b)).
        if (*d.division) {
            QVERIFY(images.count(QStringLiteral("division")));
            QCOMPARE(text.at(QStringLiteral("division")), QString::fromLatin1(d.division));
            const QRect div = inkBounds(images[QStringLiteral("division")]);
            if (!*d.symbol) {
                QVERIFY2(div.bottom() < c, "the division is not in the upper half");
                QVERIFY2(div.height() >= 64, qPrintable(QStringLiteral("division %1 mm high").arg(div.height())));
            } else {
                QVERIFY(div.top() > inkBounds(images[QStringLiteral("text")]).bottom());
            }
            if (!numbered) {
                QVERIFY(svg.elementExists(QStringLiteral("compatibility")));
                const QRectF slot = svg.boundsOnElement(QStringLiteral("compatibility"));
                QVERIFY(slot.height() >= 30);
                for (const auto &[id, image] : images)
                    QVERIFY2(!inkBounds(image).intersects(slot.toRect().adjusted(2, 2, -2, -2)),
                             qPrintable(id + QStringLiteral(" covers the compatibility group")));
            }
        }
        // A picture that shows an identification number carries the white
        // 215 x 100 mm area whose top is 40 mm above the centre line
        // (172.332(c)), and no words under it.
        if (numbered) {
            QVERIFY(svg.elementExists(QStringLiteral("number-area")));
            const QRectF area = svg.boundsOnElement(QStringLiteral("number-area"));
            QVERIFY2(std::abs(area.width() - 215) <= 3 && std::abs(area.height() - 100) <= 3,
                     qPrintable(QStringLiteral("%1 x %2").arg(area.width()).arg(area.height())));
            QVERIFY(std::abs(area.top() - (kHalf - 40)) <= 3);
            QVERIFY(std::abs(area.center().x() - kHalf) <= 1);
            QVERIFY(classify(whole.pixel(c, c)) == Colour::White);
            QVERIFY(!svg.elementExists(QStringLiteral("text")));
        } else if (design != QLatin1String("90")) {
            QVERIFY2(images.count(QStringLiteral("text")), "no hazard text");
        }
    }
};

QTEST_MAIN(PlacardArtworkTest)
#include "placard_artwork_test.moc"

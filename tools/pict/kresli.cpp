// Draws the sample installation's pictures: the system pictograms, the cross-sections and their
// print variants, the accessory previews, the logo and the crib sheet. Authoring time only (tools/gen_pictures.sh).
//
//   kresli OUT DATA      pictures named by DATA/Sorvenika.ini into OUT; GIF names as NAME.png,
//                        since Qt writes no GIF (the script converts them)
//   kresli --sheet DATA SHEET.png   every picture under DATA/Pict, read back, on one sheet
#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontMetricsF>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QMap>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Dark outlines, one blue for names and muted material fills.
const QColor kCara(0x30, 0x30, 0x30);
const QColor kSeda(0x70, 0x70, 0x70);
const QColor kSvetleSeda(0xb8, 0xb8, 0xb8);
const QColor kModra(0x1d, 0x4f, 0x7c);
const QColor kOranzova(0xd9, 0x6c, 0x1c);
const QColor kTvarnice(0xdd, 0xdb, 0xd4);
const QColor kLehkyBeton(0xea, 0xe3, 0xcf);
const QColor kPemza(0xe4, 0xdc, 0xcb);
const QColor kIzolace(0xf3, 0xe3, 0x98);
const QColor kKeramika(0xc4, 0x6e, 0x42);
const QColor kNerez(0x8a, 0x96, 0xa0);
const QColor kPlast(0xe8, 0x8f, 0x2c);
const QColor kVzduch(0xd6, 0xe9, 0xf5);
const QColor kKov(0xcf, 0xd5, 0xda);
const QColor kStrecha(0xe9, 0xbf, 0xa6);
const QColor kZed(0xe8, 0xe2, 0xd8);

QFont pismo(int px, bool tucne = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(tucne);
    return f;
}

// The font made smaller until the text fits the width.
QFont pismoNaSirku(const QString& s, int px, bool tucne, double sirka) {
    QFont f = pismo(px, tucne);
    while (px > 7 && QFontMetricsF(f).horizontalAdvance(s) > sirka) f = pismo(--px, tucne);
    return f;
}

QImage platno(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    // 96 dpi, so that a picture printed at its natural size takes 15 twips a pixel.
    img.setDotsPerMeterX(3780);
    img.setDotsPerMeterY(3780);
    return img;
}

void napis(QPainter& p, const QRectF& r, const QString& s, const QFont& f, const QColor& c,
           int zarovnani = Qt::AlignCenter) {
    p.save();
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, zarovnani, s);
    p.restore();
}

QPen pero(double w, const QColor& c = kCara) {
    QPen pen(c, w);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QPainter* zacni(QPainter& p, QImage& img) {
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    return &p;
}

// ---------------------------------------------------------------------------------------------
// Systems

enum class Styl { Miv, Dorva, Karnelo, Tremol, Kalvir, Orvik };

struct System {
    QString nazev;
    QString druh;
    Styl styl;
    QList<double> pruduchy;  // flue diameters in cm, left to right
    double sirka, hloubka;   // the block without a shaft in cm, long side across
    double sachta;           // what the ventilation shaft adds across, 0 = none
};

const QString kJeden = QStringLiteral("jednoprůduchový");
// The main menu's own short forms.
const QString kDvaStejne = QStringLiteral("dvoupr. stejné průřezy");
const QString kDvaRuzne = QStringLiteral("dvoupr. různé průřezy");

const QMap<QString, System>& systemy() {
    static const QMap<QString, System> s = {
        {"MIV", {"MIV", kJeden, Styl::Miv, {16}, 32, 32, 14}},
        {"MIV2R", {"MIV2R", kDvaRuzne, Styl::Miv, {14, 20}, 64, 36, 17}},
        {"MIV2S", {"MIV2S", kDvaStejne, Styl::Miv, {18, 18}, 67, 36, 16}},
        {"DORVA", {"DORVA", kJeden, Styl::Dorva, {16}, 36, 36, 0}},
        {"KARNELO", {"KARNELO", kJeden, Styl::Karnelo, {18}, 36, 36, 14}},
        {"KARNELO2S", {"KARNELO2S", kDvaStejne, Styl::Karnelo, {16, 16}, 65, 36, 18}},
        {"KARNELO2R", {"KARNELO2R", kDvaRuzne, Styl::Karnelo, {14, 18}, 65, 36, 18}},
        {"T-REMOL", {"T-REMOL", kJeden, Styl::Tremol, {14}, 32, 32, 14}},
        {"T-REMOL2S", {"T-REMOL2S", kDvaStejne, Styl::Tremol, {12, 12}, 59, 32, 13}},
        {"T-REMOL2R", {"T-REMOL2R", kDvaRuzne, Styl::Tremol, {10, 14}, 59, 32, 13}},
        {"KALVIR", {"KALVIR", kJeden, Styl::Kalvir, {18}, 36, 36, 0}},
        {"ORVIK", {"ORVIK", kJeden, Styl::Orvik, {22}, 40, 40, 0}},
    };
    return s;
}

// MIV's large blocks (25 to 60) are drawn apart: one wide flue and reinforcement holes.
System velkyMiv() { return {"MIV", kJeden, Styl::Miv, {30}, 55, 55, 16}; }

QColor barvaTvarnice(Styl s) {
    switch (s) {
    case Styl::Karnelo: return kLehkyBeton;
    case Styl::Kalvir: return kPemza;
    case Styl::Dorva: return QColor(0xe6, 0xe3, 0xdc);
    default: return kTvarnice;
    }
}

QColor barvaVlozky(Styl s) {
    switch (s) {
    case Styl::Karnelo: return kNerez;
    case Styl::Tremol: return kPlast;
    default: return kKeramika;
    }
}

void kruh(QPainter& p, QPointF stred, double prumer) {
    p.drawEllipse(stred, prumer / 2, prumer / 2);
}

void ctverec(QPainter& p, QPointF stred, double strana, double zaobleni) {
    p.drawRoundedRect(QRectF(stred.x() - strana / 2, stred.y() - strana / 2, strana, strana), zaobleni, zaobleni);
}

// Plan view of the block in cm, scaled into `oblast`; `tloustka` is the outline in pixels.
void kresliPrurez(QPainter& p, const QRectF& oblast, const System& s, bool sachta, bool vyztuz, double tloustka) {
    const double w = s.sirka + (sachta ? s.sachta : 0), h = s.hloubka;
    const double k = std::min(oblast.width() / w, oblast.height() / h);
    p.save();
    p.translate(oblast.center().x() - w * k / 2, oblast.center().y() - h * k / 2);
    p.scale(k, k);
    const double lw = tloustka / k;

    p.setPen(pero(lw));
    p.setBrush(barvaTvarnice(s.styl));
    p.drawRoundedRect(QRectF(0, 0, w, h), 1.2, 1.2);
    if (s.styl == Styl::Kalvir) {
        // Pumice grain: a sparse regular dot field.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xa8, 0x9c, 0x86));
        for (double y = 2.0; y < h - 1; y += 3.0)
            for (double x = 2.0 + std::fmod(y, 2.0); x < w - 1; x += 3.2) kruh(p, {x, y}, 0.7);
    }

    const qsizetype n = s.pruduchy.size();
    const double usek = s.sirka / double(n);
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF c(usek * (double(i) + 0.5), h / 2);
        const double d = s.pruduchy[i];
        p.setPen(pero(lw * 0.8));
        switch (s.styl) {
        case Styl::Miv:
        case Styl::Orvik:
            p.setBrush(kIzolace);
            ctverec(p, c, d + (s.styl == Styl::Orvik ? 9 : 7), 1.0);
            p.setBrush(kKeramika);
            kruh(p, c, d + 2.4);
            break;
        case Styl::Tremol:
            p.setBrush(kVzduch);  // ventilated gap round the plastic liner
            ctverec(p, c, d + 7, 1.0);
            p.setBrush(kPlast);
            kruh(p, c, d + 2.2);
            break;
        case Styl::Karnelo:
            p.setBrush(kIzolace);
            kruh(p, c, d + 7);
            p.setBrush(kNerez);
            kruh(p, c, d + 1.0);
            break;
        case Styl::Dorva:
            p.setBrush(Qt::white);
            kruh(p, c, d + 5);
            p.setBrush(kKeramika.lighter(125));
            kruh(p, c, d + 2);
            break;
        case Styl::Kalvir:
            p.setBrush(Qt::white);
            ctverec(p, c, d + 5, 0.8);
            p.setBrush(kKeramika);
            kruh(p, c, d + 2);
            break;
        }
        p.setBrush(Qt::white);
        kruh(p, c, d);
    }

    if (vyztuz) {
        p.setPen(pero(lw * 0.7));
        p.setBrush(Qt::white);
        for (const QPointF& c : {QPointF(5, 5), QPointF(s.sirka - 5, 5), QPointF(5, h - 5), QPointF(s.sirka - 5, h - 5)})
            kruh(p, c, 3.2);
    }

    if (sachta) {
        // A void in plan: a rectangle crossed by its diagonals.
        const QRectF v(s.sirka, 3, s.sachta - 3, h - 6);
        p.setPen(pero(lw * 0.8));
        p.setBrush(kVzduch);
        p.drawRect(v);
        p.setPen(pero(lw * 0.5, kSeda));
        p.drawLine(v.topLeft(), v.bottomRight());
        p.drawLine(v.topRight(), v.bottomLeft());
    }
    p.restore();
}

// Cross-section picture; `tisk` gives the larger print variant.
QImage obrazekPrurezu(const System& s, bool sachta, const QString& rozsah, bool vyztuz, bool tisk) {
    const int w = tisk ? 180 : 100, h = tisk ? 112 : 88;
    QImage img = platno(w, h);
    QPainter p;
    zacni(p, img);
    QString nadpis = s.nazev;
    if (!rozsah.isEmpty()) nadpis += QLatin1Char(' ') + rozsah + (tisk ? QStringLiteral(" cm") : QString());
    const QString popis = tisk ? (sachta ? QStringLiteral("s větrací šachtou") : QStringLiteral("bez větrací šachty"))
                               : (sachta ? QStringLiteral("se šachtou") : QStringLiteral("bez šachty"));
    if (tisk) {
        napis(p, QRectF(0, 0, w, 20), nadpis, pismo(13, true), kModra);
        kresliPrurez(p, QRectF(8, 23, w - 16, h - 46), s, sachta, vyztuz, 1.5);
        napis(p, QRectF(0, h - 20, w, 18), popis, pismo(12), kCara);
    } else {
        napis(p, QRectF(0, 0, w, 16), nadpis, pismo(11, true), kModra);
        kresliPrurez(p, QRectF(4, 18, w - 8, h - 36), s, sachta, vyztuz, 1.2);
        napis(p, QRectF(0, h - 16, w, 15), popis, pismo(10), kCara);
    }
    return img;
}

// Elevation of the chimney stack rising through a roof, filling `oblast`.
void kresliKomin(QPainter& p, const QRectF& oblast, const System& s) {
    const double k = oblast.height() / 100.0, W = oblast.width() / k;
    p.save();
    p.translate(oblast.topLeft());
    p.scale(k, k);
    const double lw = 1.3 / k;
    const double x0 = W / 2 - 20, x1 = W / 2 + 20;

    p.setPen(pero(lw));
    p.setBrush(barvaTvarnice(s.styl));
    p.drawRect(QRectF(x0, 18, x1 - x0, 82));
    p.setPen(pero(lw * 0.5, kSvetleSeda.darker(115)));
    for (double y = 30; y < 100; y += 12) p.drawLine(QPointF(x0 + lw, y), QPointF(x1 - lw, y));
    if (s.sachta > 0) {
        // Ventilation grille of the shaft on the stack's side.
        const QRectF m(x1 - 13, 28, 9, 13);
        p.setPen(pero(lw * 0.7));
        p.setBrush(Qt::white);
        p.drawRect(m);
        for (double y = m.top() + 3; y < m.bottom() - 1; y += 3) p.drawLine(QPointF(m.left() + 1.5, y), QPointF(m.right() - 1.5, y));
    }

    // Roof: the slope rises to the right, tiles as lines along it.
    const double yL = 88, yP = 66;
    auto strecha = [&](double x) { return yL + (yP - yL) * x / W; };
    QPolygonF r{{0, yL}, {W, yP}, {W, 100}, {0, 100}};
    p.setPen(Qt::NoPen);
    p.setBrush(kStrecha);
    p.drawPolygon(r);
    p.save();
    p.setClipRect(QRectF(0, 0, W, 100));
    p.setPen(pero(lw * 0.5, kStrecha.darker(125)));
    for (double d = 7; d < 40; d += 7) p.drawLine(QPointF(0, yL + d), QPointF(W, yP + d));
    p.restore();
    p.setPen(pero(lw));
    p.drawLine(QPointF(0, yL), QPointF(W, yP));
    // The stack in front of the roof below the slope line is hidden: redraw its edges down to it.
    p.drawLine(QPointF(x0, 18), QPointF(x0, strecha(x0)));
    p.drawLine(QPointF(x1, 18), QPointF(x1, strecha(x1)));

    // Cover plate and flue outlets.
    p.setBrush(QColor(0xa9, 0xa9, 0xa4));
    p.drawRect(QRectF(x0 - 5, 12, x1 - x0 + 10, 6));
    const qsizetype n = s.pruduchy.size();
    p.setBrush(barvaVlozky(s.styl));
    for (qsizetype i = 0; i < n; ++i) {
        const double cx = n == 1 ? W / 2 : W / 2 + (i == 0 ? -9 : 9);
        const double sw = n == 1 ? 13 : 10;
        p.drawRect(QRectF(cx - sw / 2, 2, sw, 10));
    }
    p.restore();
}

QImage piktogram(const System& s) {
    QImage img = platno(120, 90);
    QPainter p;
    zacni(p, img);
    kresliKomin(p, QRectF(0, 1, 120, 55), s);
    napis(p, QRectF(0, 59, 120, 18), s.nazev, pismoNaSirku(s.nazev, 15, true, 116), kModra);
    napis(p, QRectF(0, 76, 120, 13), s.druh, pismoNaSirku(s.druh, 10, false, 116), kSeda);
    return img;
}

QImage piktogramTisk(const System& s) {
    QImage img = platno(210, 60);
    QPainter p;
    zacni(p, img);
    kresliKomin(p, QRectF(0, 1, 58, 58), s);
    const QRectF t(66, 0, 144, 60);
    napis(p, QRectF(t.left(), 3, t.width(), 14), QStringLiteral("Komínový systém"), pismo(10), kSeda, Qt::AlignLeft | Qt::AlignVCenter);
    napis(p, QRectF(t.left(), 17, t.width(), 26), s.nazev, pismoNaSirku(s.nazev, 20, true, t.width() - 2), kModra, Qt::AlignLeft | Qt::AlignVCenter);
    napis(p, QRectF(t.left(), 43, t.width(), 14), s.druh, pismoNaSirku(s.druh, 10, false, t.width() - 2), kCara, Qt::AlignLeft | Qt::AlignVCenter);
    return img;
}

QImage logo() {
    QImage img = platno(212, 56);
    QPainter p;
    zacni(p, img);
    // Mark: a chimney with a rising plume on a blue tile.
    p.setPen(Qt::NoPen);
    p.setBrush(kModra);
    p.drawRoundedRect(QRectF(3, 5, 46, 46), 8, 8);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(19, 24, 14, 22));
    p.drawRect(QRectF(16, 20, 20, 5));
    QPainterPath dym;
    dym.moveTo(26, 18);
    dym.cubicTo(22, 13, 33, 12, 29, 7);
    p.setBrush(Qt::NoBrush);
    p.setPen(pero(2.6, kOranzova));
    p.drawPath(dym);
    napis(p, QRectF(56, 3, 156, 32), QStringLiteral("Sorvenika"), pismo(26, true), kModra, Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(pero(1.5, kOranzova));
    p.drawLine(QPointF(58, 37), QPointF(206, 37));
    napis(p, QRectF(57, 39, 155, 15), QStringLiteral("kalkulace komínů"), pismo(11), kSeda, Qt::AlignLeft | Qt::AlignVCenter);
    return img;
}

// ---------------------------------------------------------------------------------------------
// Accessory previews: drawings in a 240 x 200 box.

struct Prislusenstvi {
    int index;
    QString skupina;
    QString nazev;
};

const QList<Prislusenstvi>& prislusenstvi() {
    static const QString ukonceni = QStringLiteral("Ukončení komína");
    static const QString dvirka = QStringLiteral("Dvířkové prodloužení");
    static const QString napojeni = QStringLiteral("Napojovací díl (napojení kamna/komín)");
    static const QString ostatni = QStringLiteral("Ostatní");
    static const QString prostup = QStringLiteral("Prostup TERVAL");
    static const QString tesneni = QStringLiteral("Těsnící set");
    static const QList<Prislusenstvi> s = [] {
        QList<Prislusenstvi> l = {
            {0, ukonceni, QStringLiteral("lapač jisker")},
            {1, ukonceni, QStringLiteral("Meidingerova hlava")},
            {2, ukonceni, QStringLiteral("stříška Bramonte")},
            {8, dvirka, QStringLiteral("dvířkové prodloužení 550 mm")},
            {9, dvirka, QStringLiteral("dvířkové prodloužení 120 mm")},
        };
        const int prumery[] = {120, 150, 160, 180, 200};
        for (int skupina = 0; skupina < 2; ++skupina) {
            const int z = 10 + 6 * skupina;
            for (int i = 0; i < 5; ++i)
                l.append({z + i, napojeni, QStringLiteral("napojení na kouřovod %1").arg(prumery[i])});
            l.append({z + 5, napojeni, QStringLiteral("napojovací adaptér")});
        }
        l.append({22, ostatni, QStringLiteral("revizní dvířka")});
        l.append({23, ostatni, QStringLiteral("Kryt větrací šachty")});
        l.append({24, ostatni, QStringLiteral("Stříška větrací šachty")});
        l.append({25, ostatni, QStringLiteral("LAS adaptér")});
        l.append({26, ostatni, QStringLiteral("Vapurex")});
        for (int i = 0; i < 6; ++i) l.append({27 + i, prostup, QStringLiteral("prostup %1mm").arg(150 + 50 * i)});
        l.append({33, tesneni, QStringLiteral("kolmý")});
        l.append({34, tesneni, QStringLiteral("rovnoběžný")});
        l.append({35, tesneni, QStringLiteral("těsnící set pro dvířka")});
        return l;
    }();
    return s;
}

// A horizontal dimension line with its value below.
void kotovani(QPainter& p, QPointF a, QPointF b, const QString& s) {
    p.save();
    p.setPen(pero(1.2, kSeda));
    p.drawLine(a, b);
    const QPointF u = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF n(-u.y(), u.x());
    for (const auto& [bod, smer] : {std::pair{a, u}, std::pair{b, -u}}) {
        p.setBrush(kSeda);
        p.drawPolygon(QPolygonF{bod, bod + smer * 8 + n * 3.5, bod + smer * 8 - n * 3.5});
        p.drawLine(bod + n * 7, bod - n * 7);
    }
    p.restore();
    const QPointF s0 = (a + b) / 2;
    napis(p, QRectF(s0.x() - 60, s0.y() + 3, 120, 18), s, pismo(14, true), kCara);
}

// Chimney stack top seen from the side, standing on the bottom of the box.
void hlavaKomina(QPainter& p, double x0, double x1, double vrchol) {
    p.setPen(pero(2));
    p.setBrush(kTvarnice);
    p.drawRect(QRectF(x0, vrchol, x1 - x0, 200 - vrchol));
    p.setPen(pero(1, kSvetleSeda.darker(115)));
    for (double y = vrchol + 22; y < 198; y += 22) p.drawLine(QPointF(x0 + 2, y), QPointF(x1 - 2, y));
    p.setPen(pero(2));
    p.setBrush(QColor(0xa9, 0xa9, 0xa4));
    p.drawRect(QRectF(x0 - 10, vrchol - 10, x1 - x0 + 20, 12));
}

void zedSrafou(QPainter& p, const QRectF& r) {
    p.save();
    p.setPen(pero(2));
    p.setBrush(kZed);
    p.drawRect(r);
    p.setClipRect(r);
    p.setPen(pero(1, kSeda));
    for (double t = -r.height(); t < r.width(); t += 12)
        p.drawLine(QPointF(r.left() + t, r.bottom()), QPointF(r.left() + t + r.height(), r.top()));
    p.restore();
}

// A pipe seen from the side, its open end as an ellipse.
void trubka(QPainter& p, double x0, double x1, double yStred, double prumer, const QColor& barva) {
    const double r = prumer / 2, e = prumer * 0.18;
    p.setPen(pero(2));
    p.setBrush(barva);
    QPainterPath t;
    t.moveTo(x0, yStred - r);
    t.lineTo(x1, yStred - r);
    t.arcTo(QRectF(x1 - e, yStred - r, 2 * e, prumer), 90, -180);
    t.lineTo(x0, yStred + r);
    t.closeSubpath();
    p.drawPath(t);
    p.setBrush(barva.darker(130));
    p.drawEllipse(QRectF(x1 - e, yStred - r, 2 * e, prumer));
}

void dvirka(QPainter& p, const QRectF& r) {
    p.setPen(pero(2));
    p.setBrush(kKov);
    p.drawRoundedRect(r, 5, 5);
    p.setBrush(kKov.lighter(108));
    p.drawRoundedRect(r.adjusted(r.width() * 0.1, r.height() * 0.08, -r.width() * 0.1, -r.height() * 0.08), 3, 3);
    p.setBrush(kCara);
    const double hx = r.right() - r.width() * 0.2;
    p.drawRoundedRect(QRectF(hx - 3, r.center().y() - 14, 6, 28), 3, 3);
}

void sipka(QPainter& p, QPointF a, QPointF b, const QColor& c) {
    p.save();
    p.setPen(pero(3, c));
    p.drawLine(a, b);
    const QPointF u = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF n(-u.y(), u.x());
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygonF{b + u * 4, b - u * 10 + n * 6, b - u * 10 - n * 6});
    p.restore();
}

void kresliPrislusenstvi(QPainter& p, int i) {
    switch (i) {
    case 0: {  // spark arrester: a mesh cage on the flue outlet
        hlavaKomina(p, 70, 170, 130);
        const QRectF sit(92, 52, 56, 66);
        p.setPen(pero(2));
        p.setBrush(Qt::white);
        p.drawRect(sit);
        p.save();
        p.setClipRect(sit);
        p.setPen(pero(1, kSeda));
        for (double t = -70; t < 70; t += 8) {
            p.drawLine(QPointF(sit.left() + t, sit.bottom()), QPointF(sit.left() + t + 70, sit.top()));
            p.drawLine(QPointF(sit.left() + t, sit.top()), QPointF(sit.left() + t + 70, sit.bottom()));
        }
        p.restore();
        p.setPen(pero(2));
        p.setBrush(kKov);
        p.drawRect(QRectF(86, 44, 68, 8));
        p.drawRect(QRectF(100, 118, 40, 12));
        p.setPen(pero(2, kOranzova));
        for (const QPointF& c : {QPointF(80, 30), QPointF(160, 24), QPointF(128, 14)}) {
            p.drawLine(c + QPointF(-4, 0), c + QPointF(4, 0));
            p.drawLine(c + QPointF(0, -4), c + QPointF(0, 4));
        }
        break;
    }
    case 1: {  // Meidinger cowl: the flue ends between two discs inside a shroud
        hlavaKomina(p, 70, 170, 140);
        p.setPen(pero(2));
        p.setBrush(kKov);
        p.drawRect(QRectF(108, 96, 24, 34));
        p.drawRect(QRectF(66, 48, 108, 8));
        p.drawRect(QRectF(74, 90, 92, 8));
        p.setBrush(kKov.lighter(110));
        p.drawRect(QRectF(82, 56, 76, 34));
        p.setPen(pero(1.2, kSeda));
        for (double x = 92; x < 156; x += 10) p.drawLine(QPointF(x, 60), QPointF(x, 86));
        sipka(p, QPointF(8, 72), QPointF(56, 72), kModra);
        break;
    }
    case 2: {  // chimney cap on four legs
        hlavaKomina(p, 70, 170, 130);
        p.setPen(pero(3));
        for (double x : {88.0, 152.0}) p.drawLine(QPointF(x, 120), QPointF(x, 86));
        p.setPen(pero(2));
        p.setBrush(kKov);
        p.drawPolygon(QPolygonF{{46, 92}, {120, 48}, {194, 92}, {186, 96}, {120, 58}, {54, 96}});
        break;
    }
    case 8:
    case 9: {  // door extension through the adjoining wall
        const double delka = i == 8 ? 150 : 50;
        const double x0 = 40;
        p.setPen(pero(2));
        p.setBrush(kTvarnice);
        p.drawRect(QRectF(0, 10, x0, 150));
        zedSrafou(p, QRectF(x0 + delka - 34, 10, 34, 150));
        p.setPen(pero(2));
        p.setBrush(kKov);
        p.drawRect(QRectF(x0, 55, delka, 60));
        dvirka(p, QRectF(x0 + delka, 43, 16, 84));
        kotovani(p, QPointF(x0, 176), QPointF(x0 + delka, 176), i == 8 ? QStringLiteral("550 mm") : QStringLiteral("120 mm"));
        break;
    }
    case 15:
    case 21: {  // reducing adaptor
        p.setPen(pero(2));
        p.setBrush(kKov);
        p.drawRect(QRectF(24, 56, 58, 88));
        p.drawPolygon(QPolygonF{{82, 56}, {150, 78}, {150, 122}, {82, 144}});
        trubka(p, 150, 214, 100, 44, kKov);
        napis(p, QRectF(24, 150, 100, 24), QStringLiteral("komín"), pismo(13), kSeda);
        napis(p, QRectF(140, 150, 100, 24), QStringLiteral("kouřovod"), pismo(13), kSeda);
        break;
    }
    case 22:  // inspection door
        p.setPen(pero(2));
        p.setBrush(kTvarnice);
        p.drawRect(QRectF(40, 10, 160, 186));
        dvirka(p, QRectF(72, 36, 96, 134));
        break;
    case 23: {  // ventilation-shaft cover: a louvred grille
        const QRectF r(40, 40, 160, 120);
        p.setPen(pero(2));
        p.setBrush(kKov);
        p.drawRoundedRect(r, 6, 6);
        p.setBrush(Qt::white);
        p.drawRect(r.adjusted(16, 14, -16, -14));
        p.setBrush(kKov.darker(112));
        for (double y = r.top() + 20; y < r.bottom() - 20; y += 13) p.drawRect(QRectF(r.left() + 20, y, r.width() - 40, 6));
        p.setBrush(kCara);
        for (const QPointF& c : {r.topLeft() + QPointF(8, 7), r.topRight() + QPointF(-8, 7), r.bottomLeft() + QPointF(8, -7), r.bottomRight() + QPointF(-8, -7)})
            kruh(p, c, 5);
        break;
    }
    case 24: {  // ventilation-shaft cap
        p.setPen(pero(2));
        p.setBrush(kTvarnice);
        p.drawRect(QRectF(50, 120, 140, 80));
        p.setBrush(kVzduch);
        p.drawRect(QRectF(120, 132, 56, 56));
        p.setPen(pero(1, kSeda));
        p.drawLine(QPointF(120, 132), QPointF(176, 188));
        p.drawLine(QPointF(176, 132), QPointF(120, 188));
        p.setPen(pero(3));
        for (double x : {126.0, 170.0}) p.drawLine(QPointF(x, 120), QPointF(x, 96));
        p.setPen(pero(2));
        p.setBrush(kKov);
        p.drawPolygon(QPolygonF{{106, 96}, {194, 78}, {194, 88}, {106, 106}});
        sipka(p, QPointF(148, 110), QPointF(148, 60), kModra);
        break;
    }
    case 25: {  // air-supply adaptor
        p.setPen(pero(2));
        p.setBrush(kKov);
        p.drawRoundedRect(QRectF(70, 80, 110, 90), 6, 6);
        trubka(p, 180, 226, 125, 40, kKov);
        sipka(p, QPointF(10, 125), QPointF(62, 125), kModra);
        sipka(p, QPointF(125, 76), QPointF(125, 22), kModra);
        napis(p, QRectF(70, 80, 110, 90), QStringLiteral("LAS"), pismo(22, true), kModra);
        break;
    }
    case 26: {  // condensate neutraliser
        p.setPen(pero(2));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(50, 70, 140, 110), 10, 10);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xe5, 0xe0, 0xd2));
        p.drawRoundedRect(QRectF(52, 130, 136, 48), 9, 9);
        p.setBrush(kSeda);
        for (double y = 138; y < 176; y += 9)
            for (double x = 62 + std::fmod(y, 2.0) * 4; x < 182; x += 11) kruh(p, {x, y}, 3.5);
        p.setPen(pero(2));
        p.setBrush(kKov);
        p.drawRect(QRectF(74, 30, 18, 40));
        p.drawRect(QRectF(190, 150, 40, 14));
        napis(p, QRectF(50, 78, 140, 46), QStringLiteral("pH"), pismo(26, true), kModra);
        p.setPen(Qt::NoPen);
        p.setBrush(kModra);
        for (double y : {14.0, 26.0}) p.drawEllipse(QRectF(79, y - 8, 8, 10));
        break;
    }
    case 33:
    case 34: {  // sealing set: the vapour barrier meets the chimney across or along it
        const QColor folie(0x6f, 0xa8, 0xd6);
        p.setPen(pero(2));
        p.setBrush(kTvarnice);
        const QRectF komin(90, 10, 60, 190);
        p.drawRect(komin);
        if (i == 33) {
            p.setPen(pero(5, folie));
            p.drawLine(QPointF(0, 104), QPointF(komin.left() - 10, 104));
            p.drawLine(QPointF(komin.right() + 10, 104), QPointF(240, 104));
            p.setPen(pero(2));
            p.setBrush(kOranzova);
            p.drawRect(QRectF(komin.left() - 12, 92, komin.width() + 24, 22));
        } else {
            p.setPen(pero(5, folie));
            p.drawLine(QPointF(190, 10), QPointF(190, 200));
            p.setPen(pero(2));
            p.setBrush(kOranzova);
            for (double y : {40.0, 96.0, 152.0}) p.drawRect(QRectF(komin.right() - 6, y, 44, 16));
        }
        break;
    }
    case 35: {  // door sealing set: tape around the door frame
        p.setPen(pero(2));
        p.setBrush(kTvarnice);
        p.drawRect(QRectF(40, 10, 160, 186));
        dvirka(p, QRectF(80, 44, 80, 118));
        QPen pasek = pero(7, kOranzova);
        pasek.setStyle(Qt::DashLine);
        p.setPen(pasek);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(64, 28, 112, 150), 8, 8);
        break;
    }
    default:
        if (i >= 10 && i <= 20) {  // connection piece for a flue pipe of the given diameter
            const int prumer = QList<int>{120, 150, 160, 180, 200}[(i - 10) % 6];
            const double px = prumer * 0.5;
            p.setPen(pero(2));
            p.setBrush(kTvarnice);
            p.drawRect(QRectF(0, 14, 56, 180));
            p.setBrush(kKeramika);
            p.drawRect(QRectF(56, 104 - px / 2 - 8, 16, px + 16));
            trubka(p, 72, 206, 104, px, kKov);
            napis(p, QRectF(72, 104 - px / 2 - 30, 134, 26), QStringLiteral("Ø %1").arg(prumer), pismo(18, true), kCara);
        } else if (i >= 27 && i <= 32) {  // passage of the flue pipe through a combustible wall
            const int prumer = 150 + 50 * (i - 27);
            const double px = prumer * 0.3;
            zedSrafou(p, QRectF(96, 10, 48, 190));
            p.setPen(pero(2));
            p.setBrush(kIzolace);
            p.drawRect(QRectF(90, 105 - px / 2 - 14, 60, px + 28));
            trubka(p, 10, 220, 105, px, kKov);
            napis(p, QRectF(0, 105 - px / 2 - 40, 90, 26), QStringLiteral("Ø %1").arg(prumer), pismo(18, true), kCara);
        }
        break;
    }
}

QImage nahledPrislusenstvi(const Prislusenstvi& a) {
    QImage img = platno(300, 300);
    QPainter p;
    zacni(p, img);
    napis(p, QRectF(8, 6, 284, 18), a.skupina, pismo(12), kSeda);
    p.save();
    p.translate(30, 32);
    kresliPrislusenstvi(p, a.index);
    p.restore();
    napis(p, QRectF(6, 240, 288, 30), a.nazev, pismoNaSirku(a.nazev, 17, true, 286), kModra);
    if (a.index >= 10 && a.index <= 21)
        napis(p, QRectF(6, 270, 288, 22), a.index < 16 ? QStringLiteral("1. průduch") : QStringLiteral("2. průduch"), pismo(13), kSeda);
    p.setPen(pero(1, kSvetleSeda));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 299, 299));
    return img;
}

// ---------------------------------------------------------------------------------------------
// The crib sheet of the costing sheet's "Tahák": the two Orlex top sets and the static securing
// of an MIV chimney with an Orlex top, as the sample calculators give them.

// A table under its title: the first row is the header, the last column's numbers on the right.
double tabulka(QPainter& p, double y, const QString& titulek, const QList<QStringList>& radky, const QList<double>& sloupce) {
    const double x0 = 12, vyska = 17;
    napis(p, QRectF(x0, y, 465, 18), titulek, pismo(12, true), kModra, Qt::AlignLeft | Qt::AlignVCenter);
    y += 20;
    for (qsizetype r = 0; r < radky.size(); ++r) {
        double x = x0;
        if (r == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(kKov);
            p.drawRect(QRectF(x0, y, 465, vyska));
        }
        for (qsizetype c = 0; c < radky[r].size(); ++c) {
            const int zarovnani = (c == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter;
            napis(p, QRectF(x + 4, y, sloupce[c] - 8, vyska), radky[r][c], pismo(11, r == 0), kCara, zarovnani);
            x += sloupce[c];
        }
        y += vyska;
        p.setPen(pero(0.6, kSvetleSeda));
        p.drawLine(QPointF(x0, y), QPointF(x0 + 465, y));
    }
    return y + 12;
}

QImage tahak() {
    QImage img = platno(489, 455);
    QPainter p;
    zacni(p, img);
    const QList<double> dva = {360, 105}, tri = {185, 140, 140};
    const QStringList hlavicka = {QStringLiteral("Díl"), QStringLiteral("Kusů")};
    double y = 8;
    y = tabulka(p, y, QStringLiteral("Sada Orlex jednoprůduchová s větrací šachtou"),
                {hlavicka,
                 {QStringLiteral("tvárnice Orlex s větrací šachtou, typ 1 / typ 2"), QStringLiteral("8 / 7")},
                 {QStringLiteral("komínová vložka"), QStringLiteral("3")},
                 {QStringLiteral("izolační rohož"), QStringLiteral("6")},
                 {QStringLiteral("krycí deska Orlex s větrací šachtou"), QStringLiteral("1")},
                 {QStringLiteral("maltová směs tenkovrstvá"), QStringLiteral("1")},
                 {QStringLiteral("statická souprava 2 x 3 m"), QStringLiteral("2")}},
                dva);
    y = tabulka(p, y, QStringLiteral("Sada Orlex dvouprůduchová"),
                {hlavicka,
                 {QStringLiteral("tvárnice Orlex, typ 1 / typ 2"), QStringLiteral("7 / 7")},
                 {QStringLiteral("komínová vložka"), QStringLiteral("3 + 3")},
                 {QStringLiteral("izolační rohož"), QStringLiteral("6 + 6")},
                 {QStringLiteral("krycí deska Orlex dvouprůduchová"), QStringLiteral("1")},
                 {QStringLiteral("maltová směs tenkovrstvá"), QStringLiteral("1")},
                 {QStringLiteral("statická souprava 2 x 3 m"), QStringLiteral("2")}},
                dva);
    tabulka(p, y, QStringLiteral("Statické zajištění MIV s ukončením Orlex"),
            {{QStringLiteral("Výška nad střechou"), QStringLiteral("Zdící směs ZSLKT"), QStringLiteral("Tyč ORLEX")},
             {QStringLiteral("do 1,33 m"), QStringLiteral("0"), QStringLiteral("0")},
             {QStringLiteral("1,33 – 1,50 m"), QStringLiteral("1"), QStringLiteral("0")},
             {QStringLiteral("1,50 – 2,00 m"), QStringLiteral("1"), QStringLiteral("4")},
             {QStringLiteral("2,00 – 3,00 m"), QStringLiteral("1"), QStringLiteral("12")},
             {QStringLiteral("3,00 – 4,00 m"), QStringLiteral("2"), QStringLiteral("12")}},
            tri);
    p.setPen(pero(1, kSvetleSeda));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 488, 454));
    return img;
}

// ---------------------------------------------------------------------------------------------

struct Chyba {
    QString text;
};

void uloz(const QImage& img, const QString& vystup, const QString& jmeno) {
    QString cesta = vystup + QLatin1Char('/') + QString(jmeno).replace(QLatin1Char('\\'), QLatin1Char('/'));
    QDir().mkpath(QFileInfo(cesta).absolutePath());
    const bool gif = cesta.endsWith(QStringLiteral(".gif"), Qt::CaseInsensitive);
    const bool png = gif || cesta.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    if (gif) cesta += QStringLiteral(".png");
    QImageWriter w(cesta, png ? "png" : "jpeg");
    if (!png) {
        w.setQuality(80);
        w.setOptimizedWrite(true);
    }
    if (!w.write(img)) throw Chyba{QStringLiteral("cannot write ") + cesta + QStringLiteral(": ") + w.errorString()};
}

// The picture names of the settings file; the names are ASCII, so Latin-1 reads them.
QMap<QString, QMap<QString, QString>> nactiIni(const QString& soubor) {
    QFile f(soubor);
    if (!f.open(QIODevice::ReadOnly)) throw Chyba{QStringLiteral("cannot read ") + soubor};
    QMap<QString, QMap<QString, QString>> ini;
    QString sekce;
    for (const QString& radek : QString::fromLatin1(f.readAll()).split(QLatin1Char('\n'))) {
        const QString r = radek.trimmed();
        if (r.startsWith(QLatin1Char('[')) && r.endsWith(QLatin1Char(']'))) {
            sekce = r.mid(1, r.size() - 2);
        } else if (const qsizetype i = r.indexOf(QLatin1Char('=')); i > 0 && !sekce.isEmpty()) {
            ini[sekce].insert(r.left(i).trimmed(), r.mid(i + 1).trimmed());
        }
    }
    return ini;
}

int vytvor(const QString& vystup, const QString& data) {
    const auto ini = nactiIni(data + QStringLiteral("/Sorvenika.ini"));
    int pocet = 0;
    auto zapis = [&](const QImage& img, const QString& jmeno) {
        uloz(img, vystup, jmeno);
        ++pocet;
    };
    QStringList hotove;
    for (const QString& sekce : ini.value(QStringLiteral("SYSTEMY"))) {
        const auto& hodnoty = ini.value(sekce);
        const QString prurez = hodnoty.value(QStringLiteral("Piktogram prurez"));
        if (prurez.isEmpty()) continue;  // a system without pictures
        if (!systemy().contains(sekce)) throw Chyba{QStringLiteral("no drawing for system ") + sekce};
        const System& s = systemy()[sekce];
        zapis(piktogram(s), hodnoty.value(QStringLiteral("Piktogram")));
        zapis(piktogramTisk(s), hodnoty.value(QStringLiteral("Piktogram pro tisk")));

        const QStringList skupiny = prurez.split(QStringLiteral("||"));
        const QStringList bez = skupiny.value(0).split(QLatin1Char('|'));
        struct Varianta {
            QString jmeno;
            System system;
            bool sachta;
            QString rozsah;
            bool vyztuz;
        };
        QList<Varianta> varianty;
        const bool miv = sekce == QStringLiteral("MIV");
        varianty.append({bez.value(0), s, false, miv ? QStringLiteral("12–20") : QString(), false});
        if (bez.size() > 1) varianty.append({bez.value(1), velkyMiv(), false, QStringLiteral("25–60"), true});
        if (skupiny.size() > 1 && s.sachta > 0)
            varianty.append({skupiny.value(1), s, true, miv ? QStringLiteral("12–60") : QString(), false});
        for (const Varianta& v : varianty) {
            if (v.jmeno.isEmpty() || !v.jmeno.contains(QStringLiteral("_P."))) throw Chyba{sekce + QStringLiteral(": bad picture name ") + v.jmeno};
            zapis(obrazekPrurezu(v.system, v.sachta, v.rozsah, v.vyztuz, false), v.jmeno);
            zapis(obrazekPrurezu(v.system, v.sachta, v.rozsah, v.vyztuz, true), QString(v.jmeno).replace(QStringLiteral("_P."), QStringLiteral("_P_T.")));
        }
        // A system without a shaft names its one picture for both cases.
        if (skupiny.size() > 1 && s.sachta == 0 && skupiny.value(1) != bez.value(0))
            throw Chyba{sekce + QStringLiteral(": has no shaft, so its shaft picture should be ") + bez.value(0)};
    }
    for (const Prislusenstvi& a : prislusenstvi()) zapis(nahledPrislusenstvi(a), QStringLiteral("Pict/Prislusenstvi/%1.jpg").arg(a.index));
    zapis(logo(), QStringLiteral("Pict/LOGO_T.gif"));
    zapis(tahak(), QStringLiteral("Pict/Tahak.png"));
    std::printf("%d pictures\n", pocet);
    return 0;
}

// All pictures, read back from their final files, on a grey sheet with their names.
int arch(const QString& data, const QString& vystup) {
    QStringList soubory;
    QDirIterator it(data + QStringLiteral("/Pict"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) soubory << it.next();
    QCollator c;
    c.setNumericMode(true);
    // Screen cross-sections, print cross-sections, pictograms and logo, accessories.
    auto skupina = [](const QString& s) {
        if (s.contains(QStringLiteral("Prislusenstvi"))) return 3;
        if (s.contains(QStringLiteral("_P_T."))) return 1;
        if (s.contains(QStringLiteral("_P."))) return 0;
        return 2;
    };
    std::sort(soubory.begin(), soubory.end(), [&](const QString& a, const QString& b) {
        return skupina(a) != skupina(b) ? skupina(a) < skupina(b) : c.compare(a, b) < 0;
    });
    const int sirkaArchu = 1400, okraj = 10, popisek = 14;
    QList<std::pair<QImage, QString>> obrazky;
    for (const QString& f : soubory) {
        QImageReader r(f);
        QImage img = r.read();
        if (img.isNull()) throw Chyba{QStringLiteral("cannot read back ") + f + QStringLiteral(": ") + r.errorString()};
        obrazky.append({img, QStringLiteral("%1 %2x%3").arg(QFileInfo(f).fileName()).arg(img.width()).arg(img.height())});
    }
    // Flow layout, a new row for each group.
    QList<QPoint> pozice;
    int x = okraj, y = okraj, vyskaRadku = 0, posledni = 0;
    for (qsizetype i = 0; i < obrazky.size(); ++i) {
        const QImage& img = obrazky[i].first;
        const int w = std::max(img.width(), 150);
        const int sk = skupina(soubory[i]);
        if ((x + w > sirkaArchu - okraj || sk != posledni) && x > okraj) {
            x = okraj;
            y += vyskaRadku + popisek + okraj;
            vyskaRadku = 0;
        }
        posledni = sk;
        pozice.append({x, y});
        x += w + okraj;
        vyskaRadku = std::max(vyskaRadku, img.height());
    }
    QImage list(sirkaArchu, y + vyskaRadku + popisek + okraj, QImage::Format_RGB32);
    list.fill(QColor(0xc8, 0xc8, 0xc8));
    QPainter p(&list);
    p.setFont(pismo(10));
    for (qsizetype i = 0; i < obrazky.size(); ++i) {
        p.drawImage(pozice[i], obrazky[i].first);
        p.drawText(QRect(pozice[i].x(), pozice[i].y() + obrazky[i].first.height(), 300, popisek), Qt::AlignLeft | Qt::AlignVCenter, obrazky[i].second);
    }
    p.end();
    if (!list.save(vystup)) throw Chyba{QStringLiteral("cannot write ") + vystup};
    std::printf("%lld pictures on %s\n", static_cast<long long>(obrazky.size()), qPrintable(vystup));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList a = app.arguments();
    try {
        if (a.size() == 4 && a[1] == QStringLiteral("--sheet")) return arch(a[2], a[3]);
        if (a.size() == 3) return vytvor(a[1], a[2]);
    } catch (const Chyba& e) {
        std::fprintf(stderr, "kresli: %s\n", qPrintable(e.text));
        return 1;
    }
    std::fprintf(stderr, "usage: kresli OUT DATA | kresli --sheet DATA SHEET.png\n");
    return 2;
}

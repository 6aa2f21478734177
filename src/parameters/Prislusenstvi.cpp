#include "parameters/Prislusenstvi.h"

#include <QStringList>
#include <vector>

namespace {

const QString kUkonceni = QStringLiteral("Ukončení komína");
const QString kDvirka = QStringLiteral("Dvířkové prodloužení");
const QString kNapojeni = QStringLiteral("Napojovací díl (napojení kamna/komín)");
const QString kOstatni = QStringLiteral("Ostatní");
const QString kProstup = QStringLiteral("Prostup TERVAL");
const QString kTesneni = QStringLiteral("Těsnící set");

const QString kPopisNapojeni =
    QStringLiteral("Pro bezproblémové připojení kovových kouřovodů různých průměrů. Teplota spalin do 400°C.");
const QString kPopisAdapter = QStringLiteral(
    "Pro bezproblémové připojení kovových kouřovodů různých průměrů od spotřebičů s teplotou spalin do 160°C.");
const QString kPopisProstup = QStringLiteral("Slouží k prostupu kouřovodu hořlavou stěnou");
const QString kPopisFolie = QStringLiteral(
    "Slouží k zamezení pronikání srážkové vlhkosti do komínového tělesa. Skládá se vnější a vnitřní fólie, těsnící "
    "pásky a speciální lepící pásky.");

PolozkaPrislusenstvi box(const QString& skupina, const char* popisek, const QString& popis) {
    return {skupina, QString::fromUtf8(popisek), popis, false};
}
PolozkaPrislusenstvi predavaci() { return {{}, QStringLiteral("x"), {}, true}; }

const std::array<PolozkaPrislusenstvi, kPocetPrislusenstvi>& tabulka() {
    static const std::array<PolozkaPrislusenstvi, kPocetPrislusenstvi> t = {
        box(kUkonceni, "lapač jisker",
            QStringLiteral("Pro spotřebiče na pevná paliva. Doporučuje se především při nízké účinné výšce komínu.")),
        box(kUkonceni, "Meidingerova hlava", QStringLiteral("Zabraňuje vnikání srážkové vody do komínového průduchu.")),
        box(kUkonceni, "stříška Bramonte",
            QStringLiteral("Zabraňuje vnikání srážkové vody. Vhodné pro občas provozované komíny větších průměrů.")),
        predavaci(), predavaci(), predavaci(), predavaci(), predavaci(),
        box(kDvirka, "dvířkové prodloužení 550 mm",
            QStringLiteral("Použije se v případě, kdy přístup komínovými dvířky je přes přilehlou stěnu nebo příčku "
                           "větší tlouštky.")),
        box(kDvirka, "dvířkové prodloužení 120 mm",
            QStringLiteral("Použije se v případe, kdy přístup komínovými dvířky je přes přilehlou příčku.")),
        box(kNapojeni, "napojení na kouřovod 120", kPopisNapojeni),
        box(kNapojeni, "napojení na kouřovod 150", kPopisNapojeni),
        box(kNapojeni, "napojení na kouřovod 160", kPopisNapojeni),
        box(kNapojeni, "napojení na kouřovod 180", kPopisNapojeni),
        box(kNapojeni, "napojení na kouřovod 200", kPopisNapojeni),
        box(kNapojeni, "napojovací adaptér", kPopisAdapter),
        box(kNapojeni, "napojení na kouřovod 120", kPopisNapojeni),
        box(kNapojeni, "napojení na kouřovod 150", kPopisNapojeni),
        box(kNapojeni, "napojení na kouřovod 160", kPopisNapojeni),
        box(kNapojeni, "napojení na kouřovod 180", kPopisNapojeni),
        box(kNapojeni, "napojení na kouřovod 200", kPopisNapojeni),
        box(kNapojeni, "napojovací adaptér", kPopisAdapter),
        box(kOstatni, "revizní dvířka",
            QStringLiteral("Doporučují se vždy u komínu s přidruženou šachtou pro kontrolu a čištění.")),
        box(kOstatni, "Kryt větrací šachty", QStringLiteral("Kryt větrací šachty")),
        box(kOstatni, "Stříška větrací šachty", QStringLiteral("Stříška větrací šachty")),
        box(kOstatni, "LAS adaptér",
            QStringLiteral("Pro přívod vzduchu k na vzduchu v místnosti nezávislým spotřebičům na tuhá paliva.")),
        box(kOstatni, "Vapurex", QStringLiteral("Slouží k neutralizaci kondenzátu před odvodem do kanalizace.")),
        box(kProstup, "prostup 150mm", kPopisProstup),
        box(kProstup, "prostup 200mm", kPopisProstup),
        box(kProstup, "prostup 250mm", kPopisProstup),
        box(kProstup, "prostup 300mm", kPopisProstup),
        box(kProstup, "prostup 350mm", kPopisProstup),
        box(kProstup, "prostup 400mm", kPopisProstup),
        box(kTesneni, "kolmý", kPopisFolie),
        box(kTesneni, "rovnoběžný", kPopisFolie),
        box(kTesneni, "těsnící set pro dvířka",
            QStringLiteral("Slouží pro utěsnění komínových dvířek při provádění tzv. Blower-door testu (stanovení "
                           "průvzdušnosti jako měřítka kvality obálky budovy, n50 < 0,6 1/h)")),
    };
    return t;
}

// ---- availability rules ----------------------------------------------------------------------

enum class Tri { Lhostejne, Ano, Ne };

// One conjunction: every test it names must hold.
struct Podminka {
    QStringList prurezy{}; // P is one of these (with `mimo`: none of these); empty: P not tested
    bool mimo = false;
    Tri sachta = Tri::Lhostejne;
    Tri kourovod90 = Tri::Lhostejne;
    Tri bezOrlexu = Tri::Lhostejne;
    QString jenSystem{};   // only for this system of the branch; empty: every system of it
};

// The boxes are enabled when any condition holds: "always" is one empty condition, "never" none.
struct Pravidlo {
    std::vector<int> boxy;
    std::vector<Podminka> kdyz;
};

struct Vetev {
    QStringList systemy;
    std::vector<Pravidlo> pravidla;
    std::vector<int> skryte;
};

const std::vector<Podminka> kVzdy{{}};
const std::vector<Podminka> kNikdy{};

std::vector<int> rozsah(int od, int po) {
    std::vector<int> v;
    for (int i = od; i <= po; ++i) v.push_back(i);
    return v;
}

std::vector<Podminka> jen(QStringList p) { return {{.prurezy = std::move(p)}}; }
std::vector<Podminka> krome(QStringList p) { return {{.prurezy = std::move(p), .mimo = true}}; }
std::vector<Podminka> seSachtou() { return {{.sachta = Tri::Ano}}; }

const QStringList kVelkeMiv{"35", "40", "45", "60"};

const std::vector<Vetev>& vetve() {
    static const std::vector<Vetev> v = {
        {{"MIV", "T-REMOL"},
         {
             {{0, 1}, krome({"12", "40", "45", "60"})},
             {{2}, krome({"25", "30", "35", "40", "45", "60"})},
             {{8},
              {{.prurezy = {"30", "35", "40", "45", "60"}, .mimo = true, .sachta = Tri::Ne},
               {.prurezy = kVelkeMiv, .mimo = true, .sachta = Tri::Ano}}},
             {{9},
              {{.prurezy = kVelkeMiv, .mimo = true, .sachta = Tri::Ne},
               {.prurezy = {"30", "35", "40", "45", "60"}, .mimo = true, .sachta = Tri::Ano}}},
             {{10}, jen({"16"})},
             {{11, 12}, jen({"16", "18", "20"})},
             {{13}, jen({"18", "20"})},
             {{14}, jen({"20"})},
             {{15}, jen({"12", "14", "16"})},
             {{22}, seSachtou()},
             {{23, 24}, {{.prurezy = {"12", "14", "16", "18", "20"}, .sachta = Tri::Ano}}},
             {{25}, kNikdy},
             {{26}, kVzdy},
             {rozsah(27, 32), {{.kourovod90 = Tri::Ano, .jenSystem = QStringLiteral("MIV")}}},
             {{33, 34, 35}, kNikdy},
         },
         rozsah(16, 21)},
        {{"MIV2R", "T-REMOL2R"},
         {
             {{0, 1}, kVzdy},
             {{2}, {{.prurezy = {"12/14", "12/16", "14/16"}, .mimo = true, .sachta = Tri::Ne, .bezOrlexu = Tri::Ano}}},
             {{8, 9}, kVzdy},
             {{10}, jen({"16/18"})},
             {{11, 12}, jen({"16/18", "16/20", "18/20"})},
             {{13}, jen({"18/20"})},
             {{14}, kNikdy},
             {{15}, krome({"18/20"})},
             {{16}, jen({"12/16", "14/16"})},
             {{17, 18}, krome({"12/14"})},
             {{19}, krome({"12/14", "12/16", "14/16"})},
             {{20}, jen({"12/20", "14/20", "16/20", "18/20"})},
             {{21}, jen({"12/14", "12/16", "14/16"})},
             {{22, 23, 24}, seSachtou()},
             {{25}, kNikdy},
             {{26}, kVzdy},
             {rozsah(27, 35), kNikdy},
         },
         {}},
        {{"MIV2S", "T-REMOL2S"},
         {
             {{0, 1}, krome({"12/12", "14/14"})},
             {{2},
              {{.prurezy = {"18/18", "20/20"}, .sachta = Tri::Ne, .bezOrlexu = Tri::Ano},
               {.sachta = Tri::Ano, .bezOrlexu = Tri::Ano}}},
             {{8, 9}, kVzdy},
             {{10, 16}, jen({"16/16"})},
             {{11, 12, 17, 18}, jen({"16/16", "18/18", "20/20"})},
             {{13, 19}, jen({"18/18", "20/20"})},
             {{14, 20}, jen({"20/20"})},
             {{15, 21}, jen({"12/12", "14/14", "16/16"})},
             {{22, 23, 24}, seSachtou()},
             {{25}, kNikdy},
             {{26}, kVzdy},
             {rozsah(27, 35), kNikdy},
         },
         {}},
        {{"DORVA"}, {{{0, 1, 2}, kNikdy}, {rozsah(8, 35), kNikdy}}, {}},
        {{"KARNELO"},
         {
             {{0, 1}, kVzdy},
             {{2, 8, 9}, kNikdy},
             {{10}, jen({"16"})},
             {{11}, jen({"16", "18", "20"})},
             {{12}, jen({"16"})},
             {{13}, jen({"18", "20"})},
             {{14}, jen({"20"})},
             {{15}, jen({"12", "14", "16"})},
             {{22}, seSachtou()},
             {{23}, kNikdy},
             {{24, 25}, seSachtou()},
             {{26}, kNikdy},
             {rozsah(27, 32), {{.kourovod90 = Tri::Ano}}},
             {{33, 35}, kVzdy},
             {{34}, kNikdy},
         },
         rozsah(16, 21)},
        {{"KARNELO2S"},
         {
             {{0, 1}, kVzdy},
             {{2, 8, 9}, kNikdy},
             {{10, 16}, jen({"16/16"})},
             {{11, 17}, jen({"16/16", "18/18"})},
             {{12, 18}, jen({"16/16"})},
             {{13, 19}, jen({"18/18"})},
             {{14, 20}, kNikdy},
             {{15, 21}, jen({"12/12", "14/14", "16/16"})},
             {{22}, seSachtou()},
             {{23}, kNikdy},
             {{24, 25}, seSachtou()},
             {rozsah(26, 32), kNikdy},
             {{33, 34, 35}, kVzdy},
         },
         {}},
        {{"KARNELO2R"},
         {
             {{0, 1}, kVzdy},
             {{2, 8, 9}, kNikdy},
             {{10, 12}, jen({"16/18", "16/20"})},
             {{11}, jen({"16/18", "16/20", "18/20"})},
             {{13}, jen({"18/20"})},
             {{14}, kNikdy},
             {{15}, krome({"18/20"})},
             {{16, 18}, jen({"12/16", "14/16"})},
             {{17}, krome({"12/14"})},
             {{19}, krome({"12/14", "12/16", "14/16"})},
             {{20}, jen({"12/20", "14/20", "16/20", "18/20"})},
             {{21}, jen({"12/14", "12/16", "14/16"})},
             {{22}, seSachtou()},
             {{23}, kNikdy},
             {{24, 25}, seSachtou()},
             {rozsah(26, 32), kNikdy},
             {{33, 34}, krome({"12/20", "14/20", "16/20", "18/20"})},
             {{35}, kVzdy},
         },
         {}},
    };
    return v;
}

bool splnuje(Tri t, bool hodnota) { return t == Tri::Lhostejne || (t == Tri::Ano) == hodnota; }

bool plati(const Podminka& c, const VstupDostupnosti& v) {
    // Labels compare whole and case-sensitively: "16" never matches "16/16".
    if (!c.prurezy.isEmpty() && c.prurezy.contains(v.Prurez, Qt::CaseSensitive) == c.mimo) return false;
    if (!c.jenSystem.isEmpty() && c.jenSystem != v.System) return false;
    return splnuje(c.sachta, v.Sachta) && splnuje(c.kourovod90, v.Kourovod == 0) &&
           splnuje(c.bezOrlexu, v.Ukonceni != 3);
}

}  // namespace

const PolozkaPrislusenstvi& polozkaPrislusenstvi(int i) { return tabulka().at(static_cast<size_t>(i)); }

VstupDostupnosti VstupDostupnosti::z(const SorvenikaParametry& p) {
    return {p.System, p.Prurez, p.Sachta, p.Kourovod, p.Ukonceni};
}

Dostupnost DostupnostPrislusenstvi(const VstupDostupnosti& v) {
    Dostupnost d;
    for (int i = 0; i < kPocetPrislusenstvi; ++i) {
        d.povoleny[static_cast<size_t>(i)] = true;
        d.viditelny[static_cast<size_t>(i)] = !polozkaPrislusenstvi(i).predavaci;
    }
    for (const Vetev& b : vetve()) {
        if (!b.systemy.contains(v.System, Qt::CaseSensitive)) continue;
        for (const Pravidlo& r : b.pravidla) {
            bool povolen = false;
            for (const Podminka& c : r.kdyz) povolen = povolen || plati(c, v);
            for (int i : r.boxy) d.povoleny[static_cast<size_t>(i)] = povolen;
        }
        for (int i : b.skryte) d.viditelny[static_cast<size_t>(i)] = false;
        break;
    }
    if (v.Ukonceni == 2) d.povoleny[2] = false;
    return d;
}

std::array<QString, 2> NadpisyPrurezu(const QString& prurez) {
    const QStringList casti = prurez.split(QLatin1Char('/'));
    if (prurez.isEmpty()) return {};
    return {casti.value(0), casti.size() > 1 ? casti.value(1) : QString()};
}

Priznaky priznakyZ(const Pole<bool, 0>& prislusenstvi) {
    Priznaky f{};
    for (int i = 0; i < kPocetPrislusenstvi && i <= prislusenstvi.horni(); ++i)
        f[static_cast<size_t>(i)] = prislusenstvi(i);
    return f;
}

void zapisPriznaky(const Priznaky& f, Pole<bool, 0>& prislusenstvi) {
    prislusenstvi.vytvor(kPocetPrislusenstvi - 1);
    for (int i = 0; i < kPocetPrislusenstvi; ++i) prislusenstvi(i) = f[static_cast<size_t>(i)];
}

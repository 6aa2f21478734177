// The calculators' worked examples: one case file per system in tests/data/systemy, named after
// the system. A file is a list of steps, one a line; "#" starts a comment, which on a ">" line
// names the case.
//   zdroj dodana | slozka <folder> | synteticka <rows> <label>... <row>-<label>...
//                        the item table: the shipped one, a test folder's, or made up with "-"
//                        in the listed cells; every costing starts from it afresh
//   vychozi <params>     what the following costings start from
//   > <label> <params>   a costing of that cross-section: h= height, u= termination, sachta,
//                        k1= k2= flue angles, pata=, kepo=, termo=, dvirka, druhe, cihla= cihly=
//                        pytle= (casing), zslkt=, dily= tyce= vu= (Orlex), plast= vp= (cladding),
//                        nap=, pr=<flag>,... and stitek=<the label the column is read as>
//   @ <row>=<n> ...      edits on the sheet, in order; "@=": each leaves every base quantity as
//                        it was; "@!": the edit is the overflow error and changes nothing
//   ulozeno <row>=<n>    a stored base quantity; kod <row> <code>: the article code of a row
//   = <row>:<n> ...      base quantities; <a>-<b>:<n> a range, ostatni:<n> every row not listed
//   ks <row>:<n> ...     shown quantities; bezsrazek: every row shows its base quantity
//   sady|zakladni|stred|paty <n>...   the counts of the kit list's entries 1, 2, ...
//   dily <list> <n>,<n>... ...        the pieces of their components ("-": none)
//   text <list><k>|orlex <text>       a kit's description, or the Orlex set's
//   + <flag>[+<flag>...]:<row>[*<n>][,<row>...]|- ...   each group of accessory flags alone adds
//                        exactly these rows to the last costing without its own flags
#include "engine/Kalkulacka.h"
#include "systems/SystemFixture.h"
#include "systems/Kalkulacky.h"

#include <QDir>
#include <gtest/gtest.h>
#include <map>
#include <stdexcept>
#include <string>
#include <type_traits>

namespace {

// The parts of a token before and after its first `c`.
QString pred(const QString& t, char c) { return t.section(QLatin1Char(c), 0, 0); }
QString za(const QString& t, char c) { return t.section(QLatin1Char(c), 1); }

// One parameter from its text: a count, a height or a choice.
template <auto Clen>
void prirad(SorvenikaParametry& p, const QString& h) {
    using T = std::remove_reference_t<decltype(p.*Clen)>;
    if constexpr (std::is_same_v<T, float>) p.*Clen = h.toFloat();
    else if constexpr (std::is_same_v<T, Integer>) p.*Clen = Integer(h.toInt());
    else p.*Clen = static_cast<T>(h.toInt());
}

using SP = SorvenikaParametry;
const std::map<QString, void (*)(SP&, const QString&)> kParametry{
    {"h", prirad<&SP::Vyska>},           {"u", prirad<&SP::Ukonceni>},          {"sachta", prirad<&SP::Sachta>},
    {"k1", prirad<&SP::Kourovod>},       {"k2", prirad<&SP::Kourovod2>},        {"pata", prirad<&SP::DruhPaty>},
    {"kepo", prirad<&SP::SoupravaKEPO>}, {"termo", prirad<&SP::PocetTermoTvarnic>}, {"dvirka", prirad<&SP::HorniDvirka>},
    {"druhe", prirad<&SP::DruheNapojeni>}, {"cihla", prirad<&SP::DruhCihly>},   {"cihly", prirad<&SP::PocetCihel>},
    {"pytle", prirad<&SP::PocetPytlu>},  {"zslkt", prirad<&SP::PocetZSLKT>},    {"dily", prirad<&SP::PocetDiluOrlex>},
    {"tyce", prirad<&SP::PocetTyciOrlex>}, {"vu", prirad<&SP::VyskaUkonceni>},  {"plast", prirad<&SP::DruhPlaste>},
    {"vp", prirad<&SP::IdVyskaPlaste>},  {"nap", prirad<&SP::PocetNapojovacichDilu>},
};

void nastav(SorvenikaParametry& p, const QString& token) {
    const QString klic = pred(token, '=');
    const QString h = token.contains(QLatin1Char('=')) ? za(token, '=') : QStringLiteral("1");
    if (klic == QLatin1String("stitek")) p.Prurez = h;
    else if (klic == QLatin1String("pr"))
        for (const QString& i : h.split(QLatin1Char(','))) p.Prislusenstvi(i.toInt()) = true;
    else if (kParametry.contains(klic)) kParametry.at(klic)(p, h);
    else ADD_FAILURE() << "unknown parameter " << token.toStdString();
}

class Priklady {
public:
    explicit Priklady(QString system) : system(std::move(system)) {}

    void krok(const QString& radek) {
        QStringList t = radek.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString slovo = t.takeFirst();
        const QString zbytek = radek.section(QLatin1Char(' '), 2);  // a text or code after one word
        if (slovo == QLatin1String("zdroj")) nacti(t);
        else if (slovo == QLatin1String("vychozi")) vychozi = t;
        else if (slovo == QLatin1String(">")) spocitej(zadani = t);
        else if (slovo == QLatin1String("@")) uprav(t);
        else if (slovo == QLatin1String("@="))
            for (const QString& x : t) {
                const auto predtim = zaklady();
                uprav({x});
                EXPECT_EQ(zaklady(), predtim) << x.toStdString();
            }
        else if (slovo == QLatin1String("@!")) {
            const auto predtim = sloupec(g);
            EXPECT_EQ(cisloChyby([&] { uprav(t); }), 6);
            EXPECT_EQ(sloupec(g), predtim);
        } else if (slovo == QLatin1String("ulozeno")) polozka(pred(t[0], '=').toInt()).KsZaklad = za(t[0], '=').toFloat();
        else if (slovo == QLatin1String("kod")) polozka(t[0].toInt()).ObjZnak = zbytek;
        else if (slovo == QLatin1String("=")) porovnej(t, &Polozka::KsZaklad, "base");
        else if (slovo == QLatin1String("ks")) porovnej(t, &Polozka::Ks, "shown");
        else if (slovo == QLatin1String("bezsrazek"))
            for (const Polozka& p : sloupec(g)) EXPECT_EQ(p.Ks, p.KsZaklad) << p.ObjZnak.toStdString();
        else if (slovo == QLatin1String("dily")) {
            const SeznamSouprav& s = seznam(t.takeFirst());
            for (int i = 1; i <= t.size(); ++i) {
                QStringList dily;
                for (const Integer& n : s(i).Ks) dily << QString::number(n.value());
                EXPECT_EQ(dily.isEmpty() ? QStringLiteral("-") : dily.join(QLatin1Char(',')), t[i - 1]) << "kit " << i;
            }
        } else if (slovo == QLatin1String("text")) {
            const QString& popis = t[0] == QLatin1String("orlex") ? g.PopisSadyOrlex
                                                                  : seznam(t[0].chopped(1))(t[0].right(1).toInt()).Popis;
            EXPECT_EQ(popis, zbytek) << t[0].toStdString();
        } else if (slovo == QLatin1String("+")) prislusenstvi(t);
        else {
            const SeznamSouprav& s = seznam(slovo);
            for (int i = 1; i <= t.size(); ++i)
                EXPECT_EQ(i <= s.horni() ? s(i).Pocet.value() : -1, t[i - 1].toInt()) << "kit " << i;
        }
    }

private:
    const QString system;
    QStringList vychozi, zadani;
    FakeServices sluzby;
    GlobalniData puvodni, g;  // the loaded item table; the costing on a copy of it
    Kalkulacky kalkulacky = vytvorKalkulacky(g);
    Kalkulacka* k = kalkulacky.najdi(system);

    Polozka& polozka(int r) { return g.dataSystemu.Polozky(g.sorvenikaParametry.IdPrurez, r); }

    void nacti(const QStringList& zdroj) {
        if (zdroj[0] == QLatin1String("dodana")) {
            ASSERT_EQ(nactiDodanySystem(puvodni, system), QString());
        } else if (zdroj[0] == QLatin1String("slozka")) {
            ASSERT_TRUE(nactiTestovaciSystem(puvodni, system, zdroj[1]));
        } else {
            QStringList prurezy;
            std::vector<std::pair<int, QString>> pomlcky;
            for (const QString& x : zdroj.mid(2)) {
                if (x.contains(QLatin1Char('-'))) pomlcky.push_back({pred(x, '-').toInt(), za(x, '-')});
                else prurezy << x;
            }
            puvodni = syntetickySystem(system, prurezy, zdroj[1].toInt(), pomlcky);
        }
    }

    void spocitej(const QStringList& t) {
        ASSERT_NE(k, nullptr);
        g = puvodni;  // every parameter as loaded: none chosen yet
        ASSERT_TRUE(zvolPrurez(g, t.value(0))) << t.value(0).toStdString();
        for (const QString& x : vychozi + t.mid(1)) nastav(g.sorvenikaParametry, x);
        k->Spocitej();
    }

    void uprav(const QStringList& t) {
        for (const QString& x : t) {
            const int radek = pred(x, '=').toInt();
            k->Prepocitej(radek, Integer(za(x, '=').toInt()));
            EXPECT_EQ(g.AktRadek, radek);
        }
    }

    void porovnej(const QStringList& t, float Polozka::*co, const char* nazev) {
        std::map<int, int> m;
        for (const QString& x : t) {
            const QString kde = pred(x, ':');
            const int n = za(x, ':').toInt();
            const int od = kde == QLatin1String("ostatni") ? 1 : pred(kde, '-').toInt();
            const int po = kde == QLatin1String("ostatni") ? g.dataSystemu.Polozky.radku()
                           : kde.contains(QLatin1Char('-')) ? za(kde, '-').toInt()
                                                            : od;
            for (int r = od; r <= po; ++r)
                if (kde == QLatin1String("ostatni")) m.try_emplace(r, n);
                else m[r] = n;
        }
        for (auto [r, n] : m) EXPECT_EQ(static_cast<int>(bunka(g, r).*co), n) << nazev << " of row " << r;
    }

    const SeznamSouprav& seznam(const QString& nazev) const {
        const SorvenikaParametry& p = g.sorvenikaParametry;
        if (nazev == QLatin1String("sady")) return p.Sady;
        if (nazev == QLatin1String("zakladni")) return p.ZakladniSoupravy;
        if (nazev == QLatin1String("stred")) return p.SadyStred;
        if (nazev == QLatin1String("paty")) return p.SoupravyPaty;
        throw std::invalid_argument("unknown step " + nazev.toStdString());
    }

    std::vector<float> zaklady() const {
        std::vector<float> v;
        for (const Polozka& p : sloupec(g)) v.push_back(p.KsZaklad);
        return v;
    }

    void prislusenstvi(const QStringList& t) {
        QStringList bez;
        for (const QString& x : zadani)
            if (!x.startsWith(QLatin1String("pr="))) bez << x;
        spocitej(bez);
        const std::vector<float> zaklad = zaklady();
        for (const QString& x : t) {
            SCOPED_TRACE(x.toStdString());
            spocitej(bez + QStringList{QStringLiteral("pr=") + pred(x, ':').replace(QLatin1Char('+'), QLatin1Char(','))});
            std::map<size_t, float> prirustek;
            if (za(x, ':') != QLatin1String("-"))
                for (const QString& r : za(x, ':').split(QLatin1Char(',')))
                    prirustek[pred(r, '*').toULongLong() - 1] =
                        r.contains(QLatin1Char('*')) ? za(r, '*').toFloat() : 1;
            const std::vector<float> se = zaklady();
            for (size_t i = 0; i < se.size(); ++i) EXPECT_EQ(se[i] - zaklad[i], prirustek[i]) << "row " << i + 1;
        }
    }
};

class SystemovePriklady : public ::testing::TestWithParam<std::string> {};

std::vector<std::string> soubory() {
    std::vector<std::string> v;
    for (const QString& f : QDir(testData(QStringLiteral("systemy"))).entryList({QStringLiteral("*.txt")}))
        v.push_back(f.toStdString());
    return v;
}

}  // namespace

TEST_P(SystemovePriklady, EveryStepHolds) {
    QFile f(testData(QStringLiteral("systemy/") + QString::fromStdString(GetParam())));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    Priklady p(QString::fromStdString(GetParam()).chopped(4));
    QString nazev;
    int cislo = 0;
    for (const QString& cely : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        ++cislo;
        const QString radek = pred(cely, '#').trimmed();
        if (radek.isEmpty()) continue;
        if (radek.startsWith(QLatin1Char('>'))) nazev = cely.contains(QLatin1Char('#')) ? za(cely, '#').trimmed() : radek;
        SCOPED_TRACE(testing::Message() << GetParam() << ":" << cislo << " " << nazev.toStdString());
        p.krok(radek);
        if (HasFatalFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(Systemy, SystemovePriklady, ::testing::ValuesIn(soubory()), [](const auto& i) {
    std::string n = i.param.substr(0, i.param.size() - 4);
    std::erase(n, '-');  // a test name takes letters and digits only
    return n;
});

#pragma once
// The property test of a calculator: every costing the wizard can ask of it, heights 1 to 30 m
// in thirds, every cross-section, shaft, angle pair, door, second connection and termination
// it offers, each followed by edits of two rows on the sheet. After each step: no error, and no
// quantity on a cell whose article does not exist for the cross-section ("-") or is missing
// from the price list ("?????").
#include "engine/Kalkulacka.h"
#include "engine/Obezdivka.h"
#include "engine/Orlex.h"
#include "engine/Sorvenika.h"
#include "systems/SystemFixture.h"

#include <QStringList>
#include <functional>
#include <map>
#include <utility>
#include <vector>

// What the wizard offers for one cross-section and shaft choice.
struct NabidkaPruvodce {
    std::vector<int> ukonceni;
    std::vector<std::pair<int, int>> uhly;  // Kourovod, Kourovod2
    bool druheNapojeni = true;
};

class VlastnostiKalkulacky {
public:
    using Nabidka = std::function<NabidkaPruvodce(const QString& prurez, bool sachta)>;
    // A quantity on a "-" cell that a product rule puts there after an edit of `upraveny`.
    using Vyjimka = std::function<bool(int upraveny, int radek)>;

    VlastnostiKalkulacky(GlobalniData& g, Kalkulacka& k, Nabidka nabidka, Vyjimka vyjimka = {})
        : g(g), k(k), m_nabidka(std::move(nabidka)), m_vyjimka(std::move(vyjimka)) {}

    int kalkulaci = 0;
    int uprav = 0;
    std::map<QString, int> chyby;  // each kind of failure with a count
    QStringList priklady;          // the first example of each kind

    void vse() {
        SorvenikaParametry& p = g.sorvenikaParametry;
        for (int c = 1; c <= g.dataSystemu.Prurezy.horni(); ++c) {
            const QString prurez = g.dataSystemu.Prurezy(c);
            if (!zvolPrurez(g, prurez)) return;
            for (int k3 = 3; k3 <= 90; ++k3) {
                float h = static_cast<float>(k3 / 3.0);
                p.Vyska = ZaokrouhliVysku(h);
                for (int i = 0; i <= 35; ++i) p.Prislusenstvi(i) = (k3 + i) % 2 == 0;
                for (bool sachta : {false, true}) {
                    if (sachta && !g.dataSystemu.SachtaPovolena(c)) continue;
                    p.Sachta = sachta;
                    const NabidkaPruvodce n = m_nabidka(prurez, sachta);
                    for (auto [uhel, uhel2] : n.uhly) {
                        p.Kourovod = Integer(uhel);
                        p.Kourovod2 = Integer(uhel2);
                        for (int volby = 0; volby < 4; ++volby) {
                            p.HorniDvirka = volby & 1;
                            p.DruheNapojeni = volby & 2;
                            if (p.DruheNapojeni && !n.druheNapojeni) continue;
                            for (int u : n.ukonceni) ukonceni(u, k3 + volby + 3 * uhel + 5 * uhel2);
                        }
                    }
                }
            }
        }
    }

    QString zprava() const { return priklady.join(QLatin1Char('\n')); }

private:
    GlobalniData& g;
    Kalkulacka& k;
    Nabidka m_nabidka;
    Vyjimka m_vyjimka;

    void chyba(const QString& druh, const QString& priklad) {
        if (chyby[druh]++ == 0) priklady << druh + QStringLiteral(": ") + priklad;
    }

    QString popis() const {
        const SorvenikaParametry& p = g.sorvenikaParametry;
        return QStringLiteral("%1, %2 m, shaft %3, angles %4/%5, termination %6, door %7, second %8")
            .arg(p.Prurez)
            .arg(p.Vyska)
            .arg(p.Sachta)
            .arg(p.Kourovod)
            .arg(p.Kourovod2)
            .arg(p.Ukonceni)
            .arg(p.HorniDvirka)
            .arg(p.DruheNapojeni);
    }

    void zkontroluj(const QString& krok, int upraveny) {
        const SorvenikaParametry& p = g.sorvenikaParametry;
        for (int r = 1; r <= p.PocetRadku; ++r) {
            const Polozka& c = bunka(g, r);
            const bool chybi = c.ObjZnak == QLatin1String("-") || c.ObjZnak == QLatin1String("?????");
            if (!chybi || (c.Ks == 0 && c.KsZaklad == 0)) continue;
            if (upraveny > 0 && m_vyjimka && m_vyjimka(upraveny, r)) continue;
            chyba(QStringLiteral("%1: row %2 is \"%3\" but gets %4").arg(krok).arg(r).arg(c.ObjZnak).arg(c.KsZaklad),
                  popis());
        }
    }

    bool proved(const QString& krok, int upraveny, const std::function<void()>& f) {
        try {
            f();
        } catch (const RuntimeError& e) {
            chyba(QStringLiteral("%1: error %2").arg(krok).arg(e.cislo()), popis());
            return false;
        }
        zkontroluj(krok, upraveny);
        return true;
    }

    // One costing, then two edits on the sheet, each from the costing's bill.
    void kalkulace(int n) {
        ++kalkulaci;
        if (!proved(QStringLiteral("Spocitej"), 0, [&] { k.Spocitej(); })) return;
        const int radku = g.sorvenikaParametry.PocetRadku;
        const std::vector<Polozka> bill = sloupec();
        const SorvenikaParametry parametry = g.sorvenikaParametry;
        for (int j = 0; j < 2; ++j) {
            const int r = 1 + (n * 7 + j * 37 + kalkulaci) % radku;
            const int ks = (n + j) % 4;
            ++uprav;
            proved(QStringLiteral("row %1 := %2").arg(r).arg(ks), r, [&] { k.Prepocitej(r, Integer(ks)); });
            obnov(bill);
            g.sorvenikaParametry = parametry;
        }
    }

    std::vector<Polozka> sloupec() const {
        std::vector<Polozka> v;
        for (int r = 1; r <= g.dataSystemu.Polozky.radku(); ++r) v.push_back(bunka(g, r));
        return v;
    }
    void obnov(const std::vector<Polozka>& v) {
        for (int r = 1; r <= static_cast<int>(v.size()); ++r)
            g.dataSystemu.Polozky(g.sorvenikaParametry.IdPrurez, r) = v[static_cast<size_t>(r - 1)];
    }

    // Each termination with the details the wizard computes for it; n varies the details, so
    // that every brick kind, cladding and Orlex height turns up.
    void ukonceni(int u, int n) {
        SorvenikaParametry& p = g.sorvenikaParametry;
        p.Ukonceni = u;
        p.PocetCihel = p.PocetPytlu = p.PocetZSLKT = p.PocetDiluOrlex = p.PocetTyciOrlex = 0;
        p.VyskaUkonceni = 0;
        if (u == 1) {
            p.DruhCihly = 1 + n % 2;
            p.VyskaUkonceni = static_cast<float>(n % 13) / 3;
            SpocitejObezdivku(p);
            p.PocetZSLKT = static_cast<float>(n % 3);  // static-securing kits
        } else if (u == 2) {
            p.DruhPlaste = 1 + n % 2;
            p.IdVyskaPlaste = Integer(1 + n % 7);
            p.VyskaUkonceni = static_cast<float>(QList<int>{75, 100, 125, 150, 175, 200, 250}[p.IdVyskaPlaste - 1]);
            p.PocetZSLKT = static_cast<float>(n % 3);
        } else if (u == 3) {
            p.VyskaUkonceni = 1.0f + static_cast<float>(n % 21) / 10;
            SpocitejOrlex(p);
        }
        kalkulace(n);
    }
};

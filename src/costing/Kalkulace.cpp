#include "costing/Kalkulace.h"

#include "engine/Sorvenika.h"
#include "engine/Systemy.h"
#include "platform/Errors.h"
#include "platform/Regional.h"

namespace {

constexpr int kSeda = 11184810;  // #AAAAAA
constexpr int kCervena = 255;
constexpr int kCerna = 0;

int barvaRadku(const Polozka& p) { return p.Ks == 0 ? kSeda : p.Ks != p.KsVypocet ? kCervena : kCerna; }

}  // namespace

QStringList Kalkulace::texty(const RadekKalkulace& r) {
    const Regional& reg = Regional::current();
    return {r.Nazev, r.ObjZnak, r.ObjZnakPuvodni, KsNaText(r.Ks), reg.Format(r.CenaKs), reg.Format(r.CenaCelkem)};
}

QStringList Kalkulace::nadpisy() {
    return {QStringLiteral("Název dílu"), QStringLiteral("Obj.č."), QStringLiteral("Obj.č. původní"),
            QStringLiteral("Ks"),         QStringLiteral("Cena/Ks"), QStringLiteral("Cena celkem")};
}

QString Kalkulace::popisekSouctu(RadekSouctu r, Currency dph) {
    switch (r) {
    case kKoeficient: return QStringLiteral("Z původní ceny");
    case kKusy: return QStringLiteral("Celkem");
    case kCenikovaCena: return QStringLiteral("Ceníková cena bez DPH ");
    case kCenaBezDph: return kPopisekCenyBezDph;
    case kCenaSDph: return QStringLiteral("Cena s ") + Regional::current().Str(dph) + QStringLiteral("% DPH");
    case kVaha: return QStringLiteral("Předpokládaná váha");
    }
    return {};
}

QString Kalkulace::jednotkaSouctu(RadekSouctu r) {
    switch (r) {
    case kKoeficient: return QStringLiteral("%");
    case kKusy: return QStringLiteral("ks");
    case kVaha: return QStringLiteral("Kg");
    default: return kMenaKc;
    }
}

void Kalkulace::prevezmiNastaveni(const Nastaveni& n) {
    Prodejce = n.Prodejce;
    PlatnostCen = n.PlatnostCen;
    TisknoutCeny = n.TisknoutCeny;
}

Kalkulace sestavKalkulaci(const GlobalniData& g, bool cenikove) {
    Kalkulace k;
    k.prevezmiNastaveni(g.nastaveni);
    k.parametry = g.sorvenikaParametry;
    k.PopisSadyOrlex = g.PopisSadyOrlex;
    k.DPH = g.nastaveni.DPH;
    k.cenikove = cenikove;
    k.Koeficient = g.Koeficient;
    k.souhrn = SouhrnSorveniky(k.parametry, g.nastaveni.TypUzivatele);

    const MaticePolozek& pol = g.dataSystemu.Polozky;
    const int sloupec = k.parametry.IdPrurez;
    const int polozek = k.parametry.PocetRadku;
    const PopisSystemu* system = najdiSystem(k.parametry.System);
    const bool skryvat = g.nastaveni.TypUzivatele == 0 && system;
    const double koeficient = g.Koeficient;
    k.radky.reserve(static_cast<size_t>(pol.radku()));
    Currency suma;
    for (int i = 1; i <= pol.radku(); ++i) {
        const Polozka& p = pol(sloupec, i);
        RadekKalkulace r{p.Nazev, p.ObjZnak, p.ObjZnakPuvodni, p.Ks, {}, {}, barvaRadku(p), false, i > polozek};
        if (skryvat)
            for (const auto& [od, po] : system->skryteRadky) r.skryty = r.skryty || (i >= od && i <= po);
        if (cenikove) {
            const double celkem = p.Cena.toDouble() * static_cast<double>(p.Ks);
            r.CenaKs = zobrazenaHodnota(p.Cena.toDouble());
            r.CenaCelkem = zobrazenaHodnota(celkem);
            suma += Currency::fromDouble(celkem);
        } else {
            // The unit price rounded up to tenths; the line total from the price as shown.
            r.CenaKs = zobrazenaHodnota(Round(p.Cena.toDouble() * koeficient + 0.049, 1));
            r.CenaCelkem = zobrazenaHodnota(r.CenaKs.toDouble() * static_cast<double>(p.Ks));
            suma += r.CenaCelkem;
        }
        k.kusy = CLng(static_cast<double>(k.kusy) + static_cast<double>(p.Ks));
        const float v = p.Vaha * p.Ks;
        k.vaha = k.vaha + v;
        k.radky.push_back(std::move(r));
    }

    // The price with VAT from the list total as shown, so the sheet's figures agree.
    k.cenikovaCena = k.cenaBezDph = suma;
    const double zobrazena = zobrazenaHodnota(suma.toDouble()).toDouble();
    k.cenaSDph = Currency::fromDouble(Round((1 + k.DPH.toDouble() / 100) * zobrazena + 0.049, 1));

    const Regional& reg = Regional::current();
    k.soucty[kKoeficient] = QStringLiteral("100");
    k.soucty[kKusy] = QString::number(k.kusy);
    k.soucty[kCenikovaCena] = k.soucty[kCenaBezDph] = reg.Format(suma);
    k.soucty[kCenaSDph] = reg.Format(k.cenaSDph);
    k.soucty[kVaha] = reg.Format(static_cast<double>(k.vaha));
    return k;
}

void ObarviTabulku(const Kalkulace& k, FlexGrid& tabulka) {
    for (int i = 1; i <= static_cast<int>(k.radky.size()); ++i)
        for (int c = 0; c < tabulka.Cols(); ++c) tabulka.setCellForeColorAt(i, c, k.radky[static_cast<size_t>(i - 1)].barva);
}

void zobrazKalkulaci(const Kalkulace& k, MrizkySorveniky m, bool nova) {
    const int n = static_cast<int>(k.radky.size());
    {
        FlexGridDavka davka(m.Tabulka);
        if (nova) {
            m.Tabulka.setRows(1);
            m.Tabulka.setFontBold(false);
            for (const RadekKalkulace& r : k.radky) m.Tabulka.AddItem(Kalkulace::texty(r).join(QLatin1Char('\t')));
        } else {
            if (n >= m.Tabulka.Rows()) throw ChybaRozsahu();
            for (int i = 1; i <= n; ++i) {
                const QStringList t = Kalkulace::texty(k.radky[static_cast<size_t>(i - 1)]);
                for (int c = 0; c < t.size(); ++c) m.Tabulka.setTextMatrix(i, c, t[c]);
            }
        }
        ObarviTabulku(k, m.Tabulka);
        if (nova)
            for (int i = 1; i <= n; ++i)
                if (k.radky[static_cast<size_t>(i - 1)].skryty) m.Tabulka.setRowHeight(i, 0);
    }
    FlexGridDavka davka(m.TabSuma);
    for (int r = nova ? kKoeficient : kKusy; r <= kVaha; ++r) m.TabSuma.setTextMatrix(r, 1, k.soucty[static_cast<size_t>(r)]);
}

Kalkulace SpocitejSorveniku(GlobalniData& g, const Kalkulacky& kalkulacky, MrizkySorveniky m) {
    SpocitejKusy(g, kalkulacky);
    const Kalkulace k = sestavKalkulaci(g, true);
    zobrazKalkulaci(k, m, true);
    return k;
}

Kalkulace PrepocitejCeny(const GlobalniData& g, MrizkySorveniky m) {
    const Kalkulace k = sestavKalkulaci(g, false);
    zobrazKalkulaci(k, m, false);
    return k;
}

#include "engine/Sorvenika.h"

#include "platform/Regional.h"
#include "engine/Systemy.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

constexpr int kSeda = 11184810;  // #AAAAAA
constexpr int kCervena = 255;
constexpr int kCerna = 0;

enum SloupecTabulky { Nazev = 0, ObjZnak, ObjZnakPuvodni, Ks, CenaKs, CenaCelkem };
enum RadekSumy { Koeficient = 0, Kusy, CenikovaCena, CenaBezDph, CenaSDph, Vaha };

struct Soucty {
    qint32 kusy = 0;
    Currency suma;
    float vaha = 0;

    void pricti(const Polozka& p) {
        kusy = CLng(static_cast<double>(kusy) + static_cast<double>(p.Ks));
        const float v = p.Vaha * p.Ks;
        vaha = vaha + v;
    }
};

// Totals rows 1 to 5. The price with VAT is computed from the text of the list total, so the
// sheet's figures agree with each other whatever the regional format.
std::array<QString, 6> textySum(const Soucty& s, Currency dph) {
    const Regional& reg = Regional::current();
    std::array<QString, 6> t;
    t[Kusy] = QString::number(s.kusy);
    t[CenikovaCena] = t[CenaBezDph] = reg.Format(s.suma);
    const double v = reg.CDbl(t[CenikovaCena]);
    t[CenaSDph] = reg.Format(Round((1 + dph.toDouble() / 100) * v + 0.049, 1));
    t[Vaha] = reg.Format(static_cast<double>(s.vaha));
    return t;
}

void zapisSumy(FlexGrid& tabSuma, const std::array<QString, 6>& t) {
    for (int r = Kusy; r <= Vaha; ++r) tabSuma.setTextMatrix(r, 1, t[static_cast<size_t>(r)]);
}

}  // namespace

QString KsNaText(float ks) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(ks));
    return Regional::current().Str(std::strtod(buf, nullptr));
}

void SpocitejSorveniku(GlobalniData& g, const Kalkulacky& kalkulacky, MrizkySorveniky m) {
    SorvenikaParametry& p = g.sorvenikaParametry;
    {
        ZalohaKalkulace zaloha(g);
        if (Kalkulacka* k = kalkulacky.najdi(p.System)) k->Spocitej();
        zaloha.potvrd();
    }
    if (jeTRemol(p.System))
        p.Poznamka += QStringLiteral("Před objednáním doporučujeme překontrolovat zvolenou sestavu.\r\n\r\n");

    // The texts are built before either grid changes.
    const Regional& reg = Regional::current();
    const MaticePolozek& pol = g.dataSystemu.Polozky;
    const int n = pol.radku();
    const QString tab = QStringLiteral("\t");
    QStringList radky;
    radky.reserve(n);
    Soucty s;
    for (int i = 1; i <= n; ++i) {
        const Polozka& x = pol(p.IdPrurez, i);
        const double celkem = x.Cena.toDouble() * static_cast<double>(x.Ks);
        radky << x.Nazev + tab + x.ObjZnak + tab + x.ObjZnakPuvodni + tab + KsNaText(x.Ks) + tab + reg.Format(x.Cena) +
                     tab + reg.Format(celkem);
        s.pricti(x);
        s.suma += Currency::fromDouble(celkem);
    }
    const std::array<QString, 6> sumy = textySum(s, g.nastaveni.DPH);

    {
        FlexGridDavka davka(m.Tabulka);
        m.Tabulka.setRows(1);
        m.Tabulka.setFontBold(false);
        for (const QString& r : radky) m.Tabulka.AddItem(r);
        ObarviTabulku(g, m.Tabulka);
        const PopisSystemu* system = najdiSystem(p.System);
        if (g.nastaveni.TypUzivatele == 0 && system)
            for (const auto& [od, po] : system->skryteRadky)
                for (int r = od; r <= po && r < m.Tabulka.Rows(); ++r) m.Tabulka.setRowHeight(r, 0);
    }
    FlexGridDavka davka(m.TabSuma);
    m.TabSuma.setTextMatrix(Koeficient, 1, QStringLiteral("100"));
    zapisSumy(m.TabSuma, sumy);
}

void ObarviTabulku(const GlobalniData& g, FlexGrid& tabulka) {
    const MaticePolozek& pol = g.dataSystemu.Polozky;
    const int sloupec = g.sorvenikaParametry.IdPrurez;
    for (int i = 1; i <= pol.radku(); ++i) {
        const Polozka& p = pol(sloupec, i);
        const int barva = p.Ks == 0 ? kSeda : p.Ks != p.KsVypocet ? kCervena : kCerna;
        for (int c = 0; c < tabulka.Cols(); ++c) tabulka.setCellForeColorAt(i, c, barva);
    }
}

void PrepocitejCeny(const GlobalniData& g, MrizkySorveniky m) {
    const Regional& reg = Regional::current();
    const MaticePolozek& pol = g.dataSystemu.Polozky;
    const int sloupec = g.sorvenikaParametry.IdPrurez;
    const int n = pol.radku();
    const double koeficient = g.Koeficient;
    if (n >= m.Tabulka.Rows()) throw ChybaRozsahu();

    struct Texty {
        QString ks, cena, celkem;
    };
    std::vector<Texty> texty(static_cast<size_t>(n));
    Soucty s;
    for (int i = 1; i <= n; ++i) {
        const Polozka& p = pol(sloupec, i);
        Texty& t = texty[static_cast<size_t>(i - 1)];
        t.ks = KsNaText(p.Ks);
        // The unit price rounded up to tenths; the line total from the price as shown.
        t.cena = reg.Format(Round(p.Cena.toDouble() * koeficient + 0.049, 1));
        t.celkem = reg.Format(reg.CDbl(t.cena) * static_cast<double>(p.Ks));
        s.pricti(p);
        s.suma += reg.CCur(t.celkem);
    }
    const std::array<QString, 6> sumy = textySum(s, g.nastaveni.DPH);

    {
        FlexGridDavka davka(m.Tabulka);
        for (int i = 1; i <= n; ++i) {
            const Texty& t = texty[static_cast<size_t>(i - 1)];
            m.Tabulka.setTextMatrix(i, Ks, t.ks);
            m.Tabulka.setTextMatrix(i, CenaKs, t.cena);
            m.Tabulka.setTextMatrix(i, CenaCelkem, t.celkem);
        }
        ObarviTabulku(g, m.Tabulka);
    }
    FlexGridDavka davka(m.TabSuma);
    zapisSumy(m.TabSuma, sumy);
}

float ZaokrouhliVysku(float& h) {
    const qint16 n = CInt((static_cast<double>(h) + 0.1) * 3 + 0.049);
    h = n;
    return static_cast<float>(Fix(static_cast<double>(n) / 3 * 100) / 100);
}

void VymazSorveniku(GlobalniData& g) {
    const SorvenikaParametry& p = g.sorvenikaParametry;
    SorvenikaParametry nova;
    nova.Prislusenstvi = p.Prislusenstvi;
    nova.Kourovod = p.Kourovod;
    nova.Kourovod2 = p.Kourovod2;
    nova.PocetTermoTvarnic = p.PocetTermoTvarnic;
    nova.SoupravaKEPO = p.SoupravaKEPO;
    nova.HorniDvirka = p.HorniDvirka;
    nova.DruheNapojeni = p.DruheNapojeni;
    nova.DruhPaty = p.DruhPaty;
    g.sorvenikaParametry = std::move(nova);
    g.dataSystemu = DataSystemu();
    g.AktRadek = Integer();
    g.AktSloupec = Integer();
}

#include "app/HlavniNabidka.h"

#include "net/NastaveniObjednavek.h"
#include "platform/DataPaths.h"
#include "platform/Regional.h"
#include "platform/Services.h"
#include "platform/UserDialogs.h"
#include "platform/Vysledek.h"
#include "engine/Systemy.h"
#include "platform/Cekani.h"

namespace {

constexpr int kTRemol = 5;

}  // namespace

const QList<TlacitkoSystemu>& TlacitkaSystemu() {
    static const QList<TlacitkoSystemu> tlacitka = {
        {1, QStringLiteral("MIV"), 0, QStringLiteral("Miv"),
         {{QStringLiteral("MIV"), QStringLiteral("Miv - jednoprůduchový"), 1},
          {QStringLiteral("MIV2S"), QStringLiteral("Miv - dvoupr. stejné průřezy"), 3},
          {QStringLiteral("MIV2R"), QStringLiteral("Miv - dvoupr. různé průřezy"), 2}}},
        {3, QStringLiteral("DORVA"), 4, {}, {}},
        {4, QStringLiteral("KARNELO"), 0, QStringLiteral("Karnelo"),
         {{QStringLiteral("KARNELO"), QStringLiteral("Karnelo - jednoprůduchový"), 6},
          {QStringLiteral("KARNELO2S"), QStringLiteral("Karnelo - dvoupr. stejné průřezy"), 7},
          {QStringLiteral("KARNELO2R"), QStringLiteral("Karnelo - dvoupr. různé průřezy"), 8}}},
        {kTRemol, QStringLiteral("T-Remol"), 0, QStringLiteral("T-Remol"),
         {{QStringLiteral("TREMOL"), QStringLiteral("T-Remol jednoprůduchový"), 9},
          {QStringLiteral("TREMOL2S"), QStringLiteral("T-Remol dvoupr. stejné průřezy"), 10},
          {QStringLiteral("TREMOL2R"), QStringLiteral("T-Remol dvoupr. různé průřezy"), 11}}},
        {6, QStringLiteral("KALVIR"), 12, {}, {}},
        {7, QStringLiteral("ORVIK"), 13, {}, {}},
    };
    return tlacitka;
}

const TlacitkoSystemu* TlacitkoSystemuPodleIndexu(int index) {
    for (const TlacitkoSystemu& t : TlacitkaSystemu())
        if (t.index == index) return &t;
    return nullptr;
}

bool VolbaSystemu(int index, GlobalniData& g, const VyberZNabidky& vyber) {
    SorvenikaParametry& p = g.sorvenikaParametry;
    p.SystemKod = 0;
    p.System.clear();

    const TlacitkoSystemu* t = TlacitkoSystemuPodleIndexu(index);
    if (!t) return false;
    const bool upozorneni = !JePovoleno(g.nastaveni, kPriznakBezUpozorneni);

    if (t->index == 4) MsgBox(kUpozorneniKarnelo);
    if (t->kod > 0) {
        p.SystemKod = t->kod;
    } else if (const auto i = vyber(*t); i && *i >= 0 && *i < t->polozky.size()) {
        p.SystemKod = t->polozky[*i].kod;
    }
    p.System = NazevSystemu(p.SystemKod);

    // Asked also when the popup was dismissed.
    if (t->index == kTRemol && upozorneni &&
        MsgBox(kOtazkaTRemol, Tlacitka::YesNo, Ikona::Zadna, kTitulekAplikace, 2) == Odpoved::No)
        return false;
    if (p.SystemKod < 1) return false;
    if (t->index == kTRemol && upozorneni) MsgBox(kUpozorneniZaruka);
    return true;
}

void NactiProdejce(Nastaveni& n) {
    while (n.Prodejce.isEmpty() && !cekani::sezeniKonci()) n.Prodejce = platform::dialogs().vstup(kZadejteNazevFirmy, kTitulekAplikace, {}).value_or(QString());
}

void PotvrdProdejce(Nastaveni& n, const QString& text) { n.Prodejce = text.trimmed(); }

bool PotvrdDPH(Nastaveni& n, const QString& text) {
    const Regional& reg = Regional::current();
    if (!reg.IsNumeric(text)) {
        MsgBox(kZadejteCislo, Tlacitka::Ok, Ikona::Vykricnik, kTitulekUpozorneni);
        return false;
    }
    // A rate outside 0 to 100 % would price every quote wrong.
    const Vysledek<double> sazba = zachyt([&] { return reg.CDbl(text); });
    if (!sazba || *sazba < 0 || *sazba > 100) {
        MsgBox(kSazbaDPHMimoRozsah, Tlacitka::Ok, Ikona::Vykricnik, kTitulekUpozorneni);
        return false;
    }
    n.DPH = reg.CCur(text);
    return true;
}

QString TextDPH(const Nastaveni& n) { return Regional::current().Str(n.DPH); }

void ViditelnostTlacitek::prohodRady() {
    for (int i : {1, 3, 4, 6, 7}) m_viditelne[i] = !m_viditelne[i];
}

bool PripojeniNastaveno(const QString& pripojeni) {
    const Regional& reg = Regional::current();
    return reg.IsNumeric(pripojeni) && reg.CDbl(pripojeni) != 0;
}

Vysledek<QString> PripojeniZNastaveni() {
    const NastaveniObjednavek n = NactiNastaveniObjednavek(dataFile(kSouborObjednavek));
    if (!n.chybaCteni.isEmpty()) return Chyba{n.chybaCteni};
    return n.spojeni.Pripojeni;
}

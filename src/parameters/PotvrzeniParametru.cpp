#include "parameters/PotvrzeniParametru.h"

#include "app/HlavniNabidka.h"
#include "platform/Numbers.h"
#include "platform/Regional.h"
#include "platform/UserDialogs.h"

namespace {

// Termination codes of optUkonceni(0..5).
constexpr int kKodyUkonceni[6] = {3, 1, 2, 4, 5, 6};

float pocet(const QString& text) { return text.isEmpty() ? 0.0f : Regional::current().CSng(text); }

bool jeTRemol(const QString& s) {
    return s == QLatin1String("T-REMOL") || s == QLatin1String("T-REMOL2S") || s == QLatin1String("T-REMOL2R");
}

}  // namespace

void ZapisOvladace(SorvenikaParametry& p, const HodnotyPruvodce& h) {
    p.Prurez = h.prurez;
    p.IdPrurez = Integer(h.indexPrurezu + 1);
    p.Sachta = !h.bezSachty;
    p.HorniDvirka = h.horniDvirka;
    p.DruheNapojeni = h.druheNapojeni;
    p.Kourovod = Integer(h.kourovod90 ? 0 : 1);
    p.Kourovod2 = Integer(h.kourovod2_90 ? 0 : 1);
    if (h.pata) {
        p.DruhPaty = Integer(1);
        if (h.pataStranyPovoleny && h.pataPrava) p.DruhPaty = Integer(2);
    }
    // Neither base set ticked (the foot is): the previous choice stays.
    if (h.zakladniSouprava) p.SoupravaKEPO = Integer(0);
    else if (h.soupravaKEPO) p.SoupravaKEPO = Integer(1);
    p.PocetTermoTvarnic = Integer::fromDouble(Val(h.termoTvarnice));
    for (size_t i = 0; i < h.ukonceni.size(); ++i) {
        if (h.ukonceni[i]) {
            p.Ukonceni = kKodyUkonceni[i];
            break;
        }
    }
    if (p.Ukonceni == 1) {
        p.PocetCihel = pocet(h.pocetCihel);
        p.PocetPytlu = pocet(h.pocetPytlu);
    } else if (p.Ukonceni == 2) {
        p.VyskaUkonceni = Regional::current().CSng(h.vyskaPlaste);
        p.IdVyskaPlaste = Integer(h.indexVyskyPlaste + 1);
        p.DruhPlaste = h.omitka ? 1 : 2;
    }
}

SorvenikaParametry PotvrdParametry(SorvenikaParametry p, const HodnotyPruvodce& h, const Nastaveni& n,
                                   IVyberPrislusenstvi& vyber) {
    ZapisOvladace(p, h);

    Priznaky f = priznakyZ(p.Prislusenstvi);
    if (p.System == QLatin1String("KALVIR") || p.System == QLatin1String("ORVIK")) {
        // No static kits here: the anchor goes straight into its flags, whatever "ANO" or "NE".
        f[6] = h.statika.doKrovu;
        f[7] = h.statika.doHrebene;
        zapisPriznaky(f, p.Prislusenstvi);
        return p;
    }

    const bool tRemol = jeTRemol(p.System);
    if (tRemol && !JePovoleno(n, kPriznakBezUpozorneni)) MsgBox(kProdejniZprava);

    const PredaniStatiky predani = h.statickeZajisteni ? h.statika : PredaniStatiky{};
    ModelPrislusenstvi vyberModel(VstupDostupnosti::z(p), f);
    vyberModel.predej(predani);
    const bool ukazat = !tRemol || n.TypUzivatele == 1;
    if (!ukazat || vyber.vyber(vyberModel)) {
        f = vyberModel.priznaky();
    } else {
        const std::array<bool, 5> hodnoty = predani.boxy();
        for (int i = kPrvniPredavaci; i <= kPosledniPredavaci; ++i)
            f[static_cast<size_t>(i)] = hodnoty[static_cast<size_t>(i - kPrvniPredavaci)];
    }
    zapisPriznaky(f, p.Prislusenstvi);
    return p;
}

#include "parameters/PotvrzeniParametru.h"

#include "parameters/NastavSorveniku.h"
#include "platform/Numbers.h"
#include "platform/Regional.h"
#include "platform/UserDialogs.h"
#include "engine/Systemy.h"

#include <utility>

namespace {

// Termination codes of optUkonceni(0..5).
constexpr int kKodyUkonceni[6] = {3, 1, 2, 4, 5, 6};

float pocet(const QString& text) { return text.isEmpty() ? 0.0f : Regional::current().CSng(text); }

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
    // A choice made through the link for a flue, shaft or termination since changed is not
    // offered here, and no button of the picker may price it.
    const Priznaky predVyberem = vyberModel.priznaky();
    const bool ukazat = !tRemol || n.TypUzivatele == 1;
    f = !ukazat || vyber.vyber(vyberModel) ? vyberModel.priznaky() : predVyberem;
    zapisPriznaky(f, p.Prislusenstvi);
    return p;
}

void VyberPrislusenstviZOdkazu(ModelParametru& m, IVyberPrislusenstvi& vyber) {
    ModelPrislusenstvi model(m.vstupPrislusenstvi(), priznakyZ(m.koncept().Prislusenstvi));
    if (vyber.vyber(model)) m.zapisPrislusenstvi(model.priznaky());
}

HodnotyPruvodce HodnotyZ(const ModelParametru& m) {
    using P = Prvek;
    const auto z = [&](P p) { return m.stav(p).zaskrtnuty; };
    HodnotyPruvodce h;
    h.indexPrurezu = m.vybrano(P::cmbPrurez);
    h.prurez = m.polozky(P::cmbPrurez).value(h.indexPrurezu);
    h.bezSachty = z(P::optSachta0);
    h.horniDvirka = z(P::chkHorniDvirka);
    h.druheNapojeni = z(P::chkDruheNapojeniKourovodu);
    h.kourovod90 = z(P::optKourovod0);
    h.kourovod2_90 = z(P::optKourovod2);
    h.pata = z(P::chkpata);
    h.pataStranyPovoleny = m.stav(P::optPata0).povoleny;
    h.pataLeva = z(P::optPata0);
    h.pataPrava = z(P::optPata1);
    h.zakladniSouprava = z(P::chkSouprava0);
    h.soupravaKEPO = z(P::chkSouprava1);
    h.termoTvarnice = m.stav(P::txtTermoTvarnice).text;
    for (int i = 0; i < 6; ++i) h.ukonceni[static_cast<size_t>(i)] = z(optUkonceni(i));
    h.pocetCihel = m.stav(P::txtPocetCihel).text;
    h.pocetPytlu = m.stav(P::txtPocetPytluObezdivka).text;
    h.indexVyskyPlaste = m.vybrano(P::cmbVyskaPlaste);
    h.vyskaPlaste = m.polozky(P::cmbVyskaPlaste).value(h.indexVyskyPlaste);
    h.omitka = z(P::optPlast0);
    h.statickeZajisteni = z(P::optVolbaStatZajisteni0);
    for (int i = 0; i < 3; ++i) h.statika.soupravy[static_cast<size_t>(i)] = z(chkStatickaSouprava(i));
    h.statika.doKrovu = z(P::optKotevniPrvek0);
    h.statika.doHrebene = z(P::optKotevniPrvek1);
    return h;
}

void PotvrdPruvodce(const ModelParametru& m, GlobalniData& g, const Kalkulacky& kalkulacky, ModelListu& list,
                    IVyberPrislusenstvi& vyber) {
    SorvenikaParametry nove = PotvrdParametry(m.konceptKPotvrzeni(), HodnotyZ(m), g.nastaveni, vyber);
    const float koeficient = std::exchange(g.Koeficient, 1.0f);
    const Integer radek = std::exchange(g.AktRadek, Integer(0));
    const Integer sloupec = std::exchange(g.AktSloupec, Integer(0));
    try {
        NastavSorveniku(g, kalkulacky, list, std::move(nove));
    } catch (...) {
        g.Koeficient = koeficient;
        g.AktRadek = radek;
        g.AktSloupec = sloupec;
        throw;
    }
}

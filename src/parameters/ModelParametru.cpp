#include "parameters/ModelParametru.h"

#include "engine/Obezdivka.h"
#include "engine/Orlex.h"
#include "engine/Sorvenika.h"
#include "parameters/PravidlaParametru.h"
#include "parameters/TextyParametru.h"
#include "platform/Errors.h"
#include "platform/Regional.h"
#include "platform/UserDialogs.h"
#include "engine/Systemy.h"

using P = Prvek;

namespace {

bool jeKalvirNeboOrvik(const QString& s) { return s == QLatin1String("KALVIR") || s == QLatin1String("ORVIK"); }

// A Single as the boxes show it: seven significant digits, regional separator, no grouping.
QString textCisla(float v) { return KsNaText(v); }

// Option groups, and the two base sets (while the foot is not ticked, exactly one of them):
// selecting one member clears the others; the first member is the design default.
struct Skupina {
    P prvni;
    int pocet;
};
constexpr Skupina kSkupiny[] = {
    {P::optSachta0, 2}, {P::optKourovod0, 2}, {P::optKourovod2, 2},          {P::optPata0, 2},
    {P::optUkonceni0, 6}, {P::optCihla0, 2},  {P::optPlast0, 2},             {P::optVolbaStatZajisteni0, 2},
    {P::optKotevniPrvek0, 2}, {P::chkSouprava0, 2},
};

// The other check boxes whose tick the commit reads.
constexpr P kZaskrtavaci[] = {P::chkHorniDvirka, P::chkDruheNapojeniKourovodu, P::chkTermoTvarnice, P::chkpata,
                              P::chkStatickaSouprava0, P::chkStatickaSouprava1, P::chkStatickaSouprava2};

// The frame that holds a control, or the control itself for the frames and buttons.
P ramPrvku(P p) {
    const int i = static_cast<int>(p);
    auto mezi = [i](P a, P b) { return i >= static_cast<int>(a) && i <= static_cast<int>(b); };
    if (mezi(P::cmbPrurez, P::lblPrislusenstvi)) return P::ram1;
    if (mezi(P::txtVyskaOrlex, P::txtZSLKT)) return P::ram2a;
    if (mezi(P::txtVyskaObezdivky, P::txtPocetPytluObezdivka)) return P::ram2b;
    if (mezi(P::cmbVyskaPlaste, P::optPlast1)) return P::ram2c;
    if (mezi(P::optVolbaStatZajisteni0, P::optKotevniPrvek1)) return P::ram3;
    return p;
}
P vnitrniRam(P p) {
    const int i = static_cast<int>(p);
    if (i >= static_cast<int>(P::optKourovod0) && i <= static_cast<int>(P::lblKourovod1)) return P::Frame1_0;
    if (i >= static_cast<int>(P::chkpata) && i <= static_cast<int>(P::optPata1)) return P::Frame1_1;
    return p;
}

// Frame name and termination code of each termination option.
struct Ukonceni {
    Ram ram;
    qint32 kod;
};
constexpr Ukonceni kUkonceni[6] = {{Ram::R2a, 3}, {Ram::R2b, 1}, {Ram::R2c, 2},
                                   {Ram::R3, 4},  {Ram::R3, 5},  {Ram::R3, 6}};

}  // namespace

ModelParametru::ModelParametru(const GlobalniData& g) : m_g(g), m_p(g.sorvenikaParametry) {
    // Design state.
    for (P r : {P::ram2a, P::ram2b, P::ram2c, P::ram3, P::cmdOk, P::lblPocetNapojovacichDilu,
                P::txtPocetNapojovacichDilu})
        s(r).viditelny = false;
    for (P p : {P::chkTermoTvarnice, P::txtTermoTvarnice}) s(p).povoleny = false;
    s(P::txtTermoTvarnice).text = QStringLiteral("0");
    for (P p : {P::optSachta0, P::optKourovod0, P::optKourovod2, P::optPata0, P::optUkonceni0, P::optPlast0,
                P::optCihla0, P::optVolbaStatZajisteni0, P::optKotevniPrvek0, P::chkSouprava0})
        s(p).zaskrtnuty = true;

    // The draft starts from nothing for this system; what the commit sets anyway (second flue,
    // blocks, base set) stays.
    m_p.IdPrurez = Integer(0);
    m_p.Prurez.clear();
    m_p.Sachta = false;
    m_p.Vyska = 0;
    m_p.DruheNapojeni = false;
    m_p.DruhPaty = Integer(0);
    m_p.HorniDvirka = false;
    m_p.Kourovod = Integer(0);
    m_p.PocetNapojovacichDilu = Integer(0);
    m_p.DruhCihly = 0;
    m_p.PocetDiluOrlex = 0;
    m_p.IdVyskaPlaste = Integer(0);
    m_p.PocetCihel = 0;
    m_p.PocetPytlu = 0;
    m_p.PocetTyciOrlex = 0;
    m_p.DruhPlaste = 0;
    m_p.PocetZSLKT = 0;
    m_p.Ukonceni = 0;
    m_p.VyskaUkonceni = 0;
    m_p.Prislusenstvi.vytvor(35);

    const auto& prurezy = g.dataSystemu.Prurezy;
    for (int i = 1; i <= prurezy.horni(); ++i) {
        m_prurezy << prurezy(i);
        const auto& sachta = g.dataSystemu.SachtaPovolena;
        m_sachtaPovolena << (i <= sachta.horni() && sachta(i));
    }
    for (int i = 0; i < 3; ++i) s(optUkonceni(i)).povoleny = true;
    for (int i = 3; i < 6; ++i) s(optUkonceni(i)).povoleny = false;
    for (const QString& v : texty::kVyskyPlaste) m_vyskyPlaste << v;
    if (jeTRemol(m_p.System)) s(P::lblPrislusenstvi).povoleny = false;
    s(P::cmdZpet).povoleny = false;
    s(P::cmdDalsi).povoleny = false;
    s(P::cmdOk).viditelny = false;
    spustParametry();
    pozadejFokus(P::cmbPrurez);
}

const QStringList& ModelParametru::polozky(Prvek seznam) const {
    return seznam == P::cmbVyskaPlaste ? m_vyskyPlaste : m_prurezy;
}

int ModelParametru::vybrano(Prvek seznam) const { return seznam == P::cmbVyskaPlaste ? m_vyskaPlaste : m_prurez; }

int ModelParametru::maxDelka(Prvek p) {
    switch (p) {
        case P::txtVyska: case P::txtTermoTvarnice: case P::txtPocetNapojovacichDilu: return 5;
        case P::txtVyskaOrlex: case P::txtVyskaObezdivky: case P::txtVyskaNadstresniCasti: return 4;
        case P::txtDil_Orlex: case P::txtTyc_Orlex: case P::txtZSLKT: case P::txtPocetCihel: return 3;
        case P::txtPocetPytluObezdivka: return 2;
        default: return 0;
    }
}

bool ModelParametru::delkaPovolena(Prvek p, int puvodni, int nova) {
    const int max = maxDelka(p);
    return max == 0 || nova <= max || nova <= puvodni;
}

bool ModelParametru::jenProCteni(Prvek p) {
    return p == P::txtDil_Orlex || p == P::txtTyc_Orlex || p == P::txtZSLKT;
}

bool ModelParametru::povolenyVstup(Prvek p, const QString& text) {
    if (p != P::txtTermoTvarnice && p != P::txtPocetCihel && p != P::txtPocetPytluObezdivka) return true;
    if (text.size() > 5) return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return text.isEmpty() || text.toInt() <= 32767;
}

SorvenikaParametry ModelParametru::konceptKPotvrzeni() const {
    SorvenikaParametry p = m_p;
    p.IdPrurez = Integer(m_prurez + 1);
    // A visit to the Orlex frame leaves its counts behind; they belong to the Orlex top only.
    if (p.Ukonceni != 3) p.PocetDiluOrlex = p.PocetTyciOrlex = p.PocetZSLKT = 0;
    bool souprava = false;
    for (int i = 0; i < 3; ++i) souprava = souprava || (stav(chkStatickaSouprava(i)).viditelny && zaskrtnuto(chkStatickaSouprava(i)));
    if (zaskrtnuto(P::optVolbaStatZajisteni0) && souprava) p.PocetZSLKT += static_cast<float>(m_pytleSoupravy);
    return p;
}

// ---- focus and checks ------------------------------------------------------------------------

bool ModelParametru::nabizen(Prvek p) const {
    for (P x : {p, vnitrniRam(p)})
        if (!stav(x).povoleny || !stav(x).viditelny) return false;
    return true;
}

bool ModelParametru::dostupny(Prvek p) const {
    const P ram = ramPrvku(p);
    return nabizen(p) && stav(ram).povoleny && stav(ram).viditelny;
}

void ModelParametru::pozadejFokus(Prvek p) {
    m_fokus = p;
    m_pozadavekFokusu = p;
}

void ModelParametru::varuj(const QString& text, Prvek fokus) {
    MsgBox(text, Tlacitka::Ok, Ikona::Vykricnik, texty::kUpozorneni);
    pozadejFokus(fokus);
}

void ModelParametru::zavriCestu() {
    s(P::cmdDalsi).povoleny = false;
    s(P::cmdOk).viditelny = false;
}

bool ModelParametru::kontrolaOdchodu(Prvek box) {
    switch (box) {
        case P::txtVyska:
            if (prurezVybran() && text(P::txtVyska) != textCisla(m_p.Vyska)) {
                varuj(texty::kStisknoteEnter, P::txtVyska);
                return false;
            }
            return true;
        case P::txtPocetNapojovacichDilu:
            return text(box) == m_textPoctuDilu || prevezmiPocetDilu();
        case P::txtVyskaOrlex:
            if (text(P::txtVyskaOrlex).isEmpty()) {
                varuj(texty::kZadejteVysku, P::txtVyskaOrlex);
                return false;
            }
            // Retyped after an Enter too: the counts are those of the height in use.
            if (text(P::txtDil_Orlex).isEmpty() || text(box) != textCisla(m_p.VyskaUkonceni)) {
                varuj(texty::kStisknoteEnter, P::txtVyskaOrlex);
                return false;
            }
            return true;
        case P::txtVyskaObezdivky:
            if (text(P::txtPocetCihel).isEmpty() || text(box) != textCisla(m_p.VyskaUkonceni)) {
                varuj(texty::kStisknoteEnter, P::txtVyskaObezdivky);
                return false;
            }
            return true;
        case P::txtVyskaNadstresniCasti:
            // The height is in use only where it chooses a kit: not with "NE", nor where no kit follows.
            if (!stav(P::cmdOk).viditelny ||
                (zaskrtnuto(P::optVolbaStatZajisteni0) && soupravaNasleduje() && text(box) != m_textNadstresni)) {
                varuj(texty::kStisknoteEnter, P::txtVyskaNadstresniCasti);
                return false;
            }
            return true;
        default:
            return true;
    }
}

bool ModelParametru::opust() {
    // A box on a frame that is no longer shown has lost the focus already.
    if (stav(ramPrvku(m_fokus)).viditelny && stav(m_fokus).viditelny) return kontrolaOdchodu(m_fokus);
    return true;
}

void ModelParametru::fokusNa(Prvek p) { m_fokus = p; }

bool ModelParametru::pripraven(Prvek p, bool beresFokus) {
    if (!dostupny(p)) return false;
    if (beresFokus && m_fokus != p) {
        if (!bezKontrolyOdchodu(p) && !opust()) return false;
        m_fokus = p;
    }
    return true;
}

void ModelParametru::zmenText(Prvek p, const QString& t) {
    if (!jenProCteni(p)) s(p).text = t;
}

void ModelParametru::vyberVolbu(Prvek p) {
    const int i = static_cast<int>(p);
    for (const Skupina& g : kSkupiny) {
        const int a = static_cast<int>(g.prvni);
        if (i < a || i >= a + g.pocet) continue;
        for (int k = 0; k < g.pocet; ++k) s(posun(g.prvni, k)).zaskrtnuty = a + k == i;
        return;
    }
}

void ModelParametru::spustParametry() {
    Parametry(m_s, m_p.System, m_p.Prurez, m_p.Sachta);
    // A termination the rules hide (KALVIR's and ORVIK's Orlex) cannot be seen selected: show
    // the one Next will take instead.
    if (const int i = vybraneUkonceni(); i >= 0 && !stav(optUkonceni(i)).viditelny) nahradNenabizenou(P::optUkonceni0, 6);
}

// ---- dispatch from the window -------------------------------------------------------------------

void ModelParametru::klik(Prvek p) {
    const int i = static_cast<int>(p);
    auto index = [i](P prvni) { return i - static_cast<int>(prvni); };
    auto v = [&](P a, P b) { return i >= static_cast<int>(a) && i <= static_cast<int>(b); };
    if (v(P::optSachta0, P::optSachta1)) return optSachta_Click(index(P::optSachta0));
    if (v(P::optKourovod0, P::optKourovod3)) return optKourovod_Click(index(P::optKourovod0));
    if (v(P::optPata0, P::optPata1)) return optPata_Click(index(P::optPata0));
    if (v(P::chkSouprava0, P::chkSouprava1)) return chkSouprava_Click(index(P::chkSouprava0));
    if (v(P::optUkonceni0, P::optUkonceni5)) return optUkonceni_Click(index(P::optUkonceni0));
    if (v(P::optCihla0, P::optCihla1)) return optCihla_Click(index(P::optCihla0));
    if (v(P::optPlast0, P::optPlast1)) return optPlast_Click(index(P::optPlast0));
    if (v(P::optVolbaStatZajisteni0, P::optVolbaStatZajisteni1))
        return optVolbaStatZajisteni_Click(index(P::optVolbaStatZajisteni0));
    if (v(P::chkStatickaSouprava0, P::chkStatickaSouprava2))
        return chkStatickaSouprava_Click(index(P::chkStatickaSouprava0), !zaskrtnuto(p));
    if (v(P::optKotevniPrvek0, P::optKotevniPrvek1)) return optKotevniPrvek_Click(index(P::optKotevniPrvek0));
    switch (p) {
        case P::chkpata: return chkpata_Click(!zaskrtnuto(p));
        case P::chkTermoTvarnice: return chkTermoTvarnice_Click(!zaskrtnuto(p));
        case P::chkDruheNapojeniKourovodu: return chkDruheNapojeniKourovodu_Click(!zaskrtnuto(p));
        case P::chkHorniDvirka: return chkHorniDvirka_Click(!zaskrtnuto(p));
        case P::ram1: return ram1_Click();
        case P::cmdDalsi: return cmdDalsi_Click();
        case P::cmdZpet: return cmdZpet_Click();
        default: return;
    }
}

void ModelParametru::enter(Prvek p) {
    switch (p) {
        case P::cmbPrurez: return cmbPrurez_KeyPress();
        case P::txtVyska: return txtVyska_KeyPress();
        case P::txtPocetNapojovacichDilu: return txtPocetNapojovacichDilu_KeyPress();
        case P::txtVyskaOrlex: return txtVyskaOrlex_KeyPress();
        case P::txtVyskaObezdivky: return txtVyskaObezdivky_KeyPress();
        case P::txtPocetCihel: return txtPocetCihel_KeyPress();
        case P::txtPocetPytluObezdivka: return txtPocetPytluObezdivka_KeyPress();
        case P::txtVyskaNadstresniCasti: return txtVyskaNadstresniCasti_KeyPress();
        default: return;
    }
}

void ModelParametru::vyber(Prvek seznam, int index) {
    if (seznam == P::cmbPrurez) cmbPrurez_Click(index);
    else if (seznam == P::cmbVyskaPlaste) cmbVyskaPlaste_Click(index);
}

// ---- frame 1 --------------------------------------------------------------------------------------

void ModelParametru::cmbPrurez_Click(int index) {
    if (!pripraven(P::cmbPrurez)) return;
    if (index < 0 || index >= m_prurezy.size()) return;
    m_prurez = index;
    s(P::cmbPrurez).text = m_prurezy[index];
    s(P::optSachta0).povoleny = true;
    s(P::optSachta1).povoleny = m_sachtaPovolena[index];
    m_p.Prurez = m_prurezy[index];
    spustParametry();
}

void ModelParametru::cmbPrurez_KeyPress() {
    if (!pripraven(P::cmbPrurez) || !prurezVybran()) return;
    cmbPrurez_Click(m_prurez);
    pozadejFokus(P::txtVyska);
}

void ModelParametru::optSachta_Click(int index) {
    const P volba = posun(P::optSachta0, index);
    if (!pripraven(volba)) return;
    if (!prurezVybran()) {
        vyberVolbu(P::optSachta0);
        varuj(texty::kZadejtePrurez, P::cmbPrurez);
        return;
    }
    vyberVolbu(volba);
    m_p.Sachta = index == 1;
    spustParametry();
}

void ModelParametru::txtVyska_KeyPress() {
    if (!pripraven(P::txtVyska)) return;
    // Without a cross-section there is no column to cost.
    if (!prurezVybran()) return varuj(texty::kZadejtePrurez, P::cmbPrurez);
    std::optional<float> h = naSingle(text(P::txtVyska));
    std::optional<float> vyska;
    if (h) {
        try {
            float kopie = *h;
            vyska = ZaokrouhliVysku(kopie);
        } catch (const RuntimeError&) {
            // More thirds of a metre than a 16-bit count holds.
        }
    }
    // No chimney has a height of 0 or less, and one the costing cannot take fails only at Ok.
    const auto kalkulaceProjde = [this](float v) {
        if (!m_zkouska) return true;
        SorvenikaParametry p = konceptKPotvrzeni();
        p.Vyska = v;
        return m_zkouska(p);
    };
    if (!vyska || *vyska <= 0 || !kalkulaceProjde(*vyska)) {
        zavriCestu();
        return varuj(texty::kSpatnaHodnotaVysky, P::txtVyska);
    }
    m_p.Vyska = *vyska;
    s(P::txtVyska).text = textCisla(m_p.Vyska);
    if (jeKalvirNeboOrvik(m_p.System)) pozadejFokus(P::txtPocetNapojovacichDilu);
    else predvyberUkonceni();
    s(P::cmdDalsi).povoleny = true;
}

void ModelParametru::predvyberUkonceni() {
    int cil = 3;
    for (int i = 0; i < 3; ++i)
        if (stav(optUkonceni(i)).povoleny) {
            cil = i;
            break;
        }
    const bool zmena = !zaskrtnuto(optUkonceni(cil));
    vyberVolbu(optUkonceni(cil));
    pozadejFokus(optUkonceni(cil));
    if (zmena && jeTRemol(m_p.System) && !JePovoleno(m_g.nastaveni, kPriznakBezUpozorneni)) MsgBox(texty::kTrenaTradice);
}

void ModelParametru::ram1_Click() {
    if (!stav(P::ram1).viditelny) return;
    kontrolaOdchodu(P::txtVyska);
}

bool ModelParametru::prevezmiPocetDilu() {
    const QString t = text(P::txtPocetNapojovacichDilu);
    const std::optional<double> v = naDouble(t);
    std::optional<qint16> n;
    try {
        if (v) n = CInt(*v);
    } catch (const RuntimeError&) {
    }
    if (!n) {
        varuj(texty::kSpatnaHodnota, P::txtPocetNapojovacichDilu);
        return false;
    }
    m_p.PocetNapojovacichDilu = Integer(*n);
    m_textPoctuDilu = t;
    return true;
}

void ModelParametru::txtPocetNapojovacichDilu_KeyPress() {
    if (pripraven(P::txtPocetNapojovacichDilu) && prevezmiPocetDilu()) pozadejFokus(P::optUkonceni1);
}

void ModelParametru::zaskrtni(Prvek box, bool z) {
    s(box).zaskrtnuty = z;
    switch (box) {
        case P::chkDruheNapojeniKourovodu: m_p.DruheNapojeni = z; return;
        case P::chkHorniDvirka: m_p.HorniDvirka = z; return;
        case P::chkTermoTvarnice:
            s(P::txtTermoTvarnice).povoleny = z;
            if (!z) s(P::txtTermoTvarnice).text = QStringLiteral("0");
            return;
        case P::chkpata: break;
        default: return;
    }
    // The foot and the base sets exclude each other; its sides come with it for KARNELO with a shaft.
    const QString& sys = m_p.System;
    if (z) {
        for (int i = 0; i < 2; ++i) {
            s(chkSouprava(i)).zaskrtnuty = false;
            s(chkSouprava(i)).povoleny = false;
        }
        if (sys == QLatin1String("KARNELO") && m_p.Sachta) s(P::optPata0).povoleny = s(P::optPata1).povoleny = true;
        return;
    }
    s(P::optPata0).povoleny = s(P::optPata1).povoleny = false;
    s(P::chkSouprava0).zaskrtnuty = true;
    static const QStringList kSeSoupravami = {"16", "18", "16/16", "18/18", "12/16", "12/18",
                                              "14/16", "14/18", "16/18", "16/20", "18/20"};
    const bool karnelo = sys == QLatin1String("KARNELO") || sys == QLatin1String("KARNELO2R") ||
                         sys == QLatin1String("KARNELO2S");
    if (karnelo && kSeSoupravami.contains(m_p.Prurez))
        s(P::chkSouprava0).povoleny = s(P::chkSouprava1).povoleny = true;
}

void ModelParametru::chkpata_Click(bool z) {
    if (pripraven(P::chkpata)) zaskrtni(P::chkpata, z);
}

void ModelParametru::chkSouprava_Click(int index) {
    if (!pripraven(chkSouprava(index))) return;
    // Exactly one base set while the foot is not ticked; the ticked one stays ticked.
    s(P::chkpata).zaskrtnuty = false;
    if (index == 1) {
        vyberVolbu(P::optKourovod0);
        vyberVolbu(P::optKourovod2);
        s(P::optKourovod1).povoleny = s(P::optKourovod3).povoleny = false;
    }
    vyberVolbu(chkSouprava(index));
}

void ModelParametru::chkTermoTvarnice_Click(bool z) {
    if (pripraven(P::chkTermoTvarnice)) zaskrtni(P::chkTermoTvarnice, z);
}

void ModelParametru::chkDruheNapojeniKourovodu_Click(bool z) {
    if (pripraven(P::chkDruheNapojeniKourovodu)) zaskrtni(P::chkDruheNapojeniKourovodu, z);
}

void ModelParametru::chkHorniDvirka_Click(bool z) {
    if (pripraven(P::chkHorniDvirka)) zaskrtni(P::chkHorniDvirka, z);
}

void ModelParametru::optKourovod_Click(int index) {
    if (pripraven(optKourovod(index))) vyberVolbu(optKourovod(index));
}

void ModelParametru::optPata_Click(int index) {
    if (pripraven(posun(P::optPata0, index))) vyberVolbu(posun(P::optPata0, index));
}

void ModelParametru::optUkonceni_Click(int index) {
    if (!pripraven(optUkonceni(index))) return;
    const bool zmena = !zaskrtnuto(optUkonceni(index));
    vyberVolbu(optUkonceni(index));
    if (zmena && jeTRemol(m_p.System) && !JePovoleno(m_g.nastaveni, kPriznakBezUpozorneni)) MsgBox(texty::kTrenaTradice);
}

bool ModelParametru::lblPrislusenstvi_Click() { return pripraven(P::lblPrislusenstvi, false); }

VstupDostupnosti ModelParametru::vstupPrislusenstvi() const {
    // On a copy, so that a choice frame 1 no longer offers gives way exactly as Next and Ok make it.
    ModelParametru k(*this);
    k.zrusNenabizene();
    k.nastavUkonceni();
    k.m_p.Kourovod = Integer(k.zaskrtnuto(P::optKourovod0) ? 0 : 1);
    return VstupDostupnosti::z(k.m_p);
}

// ---- frames 2a, 2b, 2c ---------------------------------------------------------------------------

void ModelParametru::txtVyskaOrlex_KeyPress() {
    if (!pripraven(P::txtVyskaOrlex)) return;
    const std::optional<double> h = naDouble(text(P::txtVyskaOrlex));
    const std::optional<float> vyska = naSingle(text(P::txtVyskaOrlex));
    if (!h || !vyska || *h > 3.0) {
        zavriCestu();
        return varuj(!h || !vyska ? texty::kSpatnaHodnotaVysky : texty::kMaxOrlex, P::txtVyskaOrlex);
    }
    if (*h > 1.66) MsgBox(texty::kOrlexStatika);
    m_p.VyskaUkonceni = *vyska;
    SpocitejOrlex(m_p);
    s(P::txtVyskaOrlex).text = textCisla(m_p.VyskaUkonceni);
    s(P::txtDil_Orlex).text = textCisla(m_p.PocetDiluOrlex);
    s(P::txtZSLKT).text = textCisla(m_p.PocetZSLKT);
    s(P::txtTyc_Orlex).text = textCisla(m_p.PocetTyciOrlex);
    s(P::cmdDalsi).povoleny = true;
    pozadejFokus(P::cmdDalsi);
}

void ModelParametru::ukazPocty() {
    s(P::txtPocetCihel).text = textCisla(m_p.PocetCihel);
    s(P::txtPocetPytluObezdivka).text = textCisla(m_p.PocetPytlu);
}

void ModelParametru::txtVyskaObezdivky_KeyPress() {
    if (!pripraven(P::txtVyskaObezdivky)) return;
    const std::optional<double> h = naDouble(text(P::txtVyskaObezdivky));
    if (!h || *h > 4.0 || *h < 0) {
        zavriCestu();
        return varuj(!h ? texty::kSpatnaHodnotaVysky : *h > 4.0 ? texty::kMaxObezdivka : texty::kZapornaVyska,
                     P::txtVyskaObezdivky);
    }
    m_p.DruhCihly = zaskrtnuto(P::optCihla0) ? 2 : 1;
    float kopie = static_cast<float>(*h);
    s(P::txtVyskaObezdivky).text = textCisla(ZaokrouhliVysku(kopie));
    m_p.VyskaUkonceni = *naSingle(text(P::txtVyskaObezdivky));
    SpocitejObezdivku(m_p);
    ukazPocty();
    s(P::cmdDalsi).povoleny = true;
    pozadejFokus(P::cmdDalsi);
}

void ModelParametru::optCihla_Click(int index) {
    const P volba = posun(P::optCihla0, index);
    if (!pripraven(volba)) return;
    vyberVolbu(volba);
    if (text(P::txtVyskaObezdivky).isEmpty()) return;
    m_p.DruhCihly = index == 0 ? 2 : 1;
    SpocitejObezdivku(m_p);
    ukazPocty();
}

void ModelParametru::txtPocetCihel_KeyPress() {
    if (!pripraven(P::txtPocetCihel)) return;
    const QString t = text(P::txtPocetCihel);
    const std::optional<float> n = t.isEmpty() ? std::optional<float>(0.0f) : naSingle(t);
    if (!n) return varuj(texty::kSpatnaHodnota, P::txtPocetCihel);
    m_p.PocetCihel = *n;
}

void ModelParametru::txtPocetPytluObezdivka_KeyPress() {
    if (!pripraven(P::txtPocetPytluObezdivka)) return;
    const QString t = text(P::txtPocetPytluObezdivka);
    const std::optional<float> n = t.isEmpty() ? std::optional<float>(0.0f) : naSingle(t);
    if (!n) return varuj(texty::kSpatnaHodnota, P::txtPocetPytluObezdivka);
    m_p.PocetPytlu = *n;
}

void ModelParametru::cmbVyskaPlaste_Click(int index) {
    if (!pripraven(P::cmbVyskaPlaste)) return;
    if (index < 0 || index >= m_vyskyPlaste.size()) return;
    m_vyskaPlaste = index;
    s(P::cmbVyskaPlaste).text = m_vyskyPlaste[index];
    s(P::cmdDalsi).povoleny = true;
    pozadejFokus(P::cmdDalsi);
}

void ModelParametru::optPlast_Click(int index) {
    if (pripraven(posun(P::optPlast0, index))) vyberVolbu(posun(P::optPlast0, index));
}

// ---- frame 3 ---------------------------------------------------------------------------------------

void ModelParametru::optVolbaStatZajisteni_Click(int index) {
    const P volba = posun(P::optVolbaStatZajisteni0, index);
    if (!pripraven(volba)) return;
    vyberVolbu(volba);
    if (index == 0) return;
    s(P::cmdOk).viditelny = true;
    s(P::cmdDalsi).viditelny = false;
    pozadejFokus(P::cmdOk);
}

void ModelParametru::txtVyskaNadstresniCasti_KeyPress() {
    if (!pripraven(P::txtVyskaNadstresniCasti)) return;
    // With "ANO" a wrong value, or one over the limit, keeps Ok hidden, so the commit never
    // follows one. With "NE" no height is needed: the commit stays open, and an empty box is no
    // error at all.
    const bool bezZajisteni = zaskrtnuto(P::optVolbaStatZajisteni1);
    const QString vyska = text(P::txtVyskaNadstresniCasti);
    const std::optional<float> h = naSingle(vyska);
    if (!h && bezZajisteni && vyska.trimmed().isEmpty()) {
        for (int i = 0; i < 3; ++i) s(chkStatickaSouprava(i)).zaskrtnuty = false;
        m_pytleSoupravy = 0;
        m_textNadstresni = vyska;
        return pozadejFokus(P::cmdOk);
    }
    if (!h) {
        if (!bezZajisteni) zavriCestu();
        return varuj(texty::kSpatnaHodnotaVysky, P::txtVyskaNadstresniCasti);
    }
    for (int i = 0; i < 3; ++i) s(chkStatickaSouprava(i)).zaskrtnuty = false;
    m_pytleSoupravy = 0;

    const std::optional<DoporuceniSoupravy> d = soupravaNasleduje() ? DoporucSoupravu(m_p.Ukonceni, *h) : std::nullopt;
    if (d && d->nadLimit) {
        if (!bezZajisteni) zavriCestu();
        MsgBox(texty::kMaxNadstresni);
        pozadejFokus(P::txtVyskaNadstresniCasti);
        return;
    }
    s(P::cmdOk).viditelny = true;
    s(P::cmdDalsi).viditelny = false;
    pozadejFokus(P::cmdOk);
    m_textNadstresni = vyska;
    if (!d) return;
    if (d->souprava) s(chkStatickaSouprava(*d->souprava)).zaskrtnuty = true;
    m_pytleSoupravy = d->pytle;
}

bool ModelParametru::soupravaNasleduje() const {
    bool viditelne = true;
    for (int i = 0; i < 3; ++i) viditelne = viditelne && stav(chkStatickaSouprava(i)).viditelny;
    return viditelne && MaStatickeSoupravy(m_p.System) && DoporucSoupravu(m_p.Ukonceni, 0).has_value();
}

void ModelParametru::chkStatickaSouprava_Click(int index, bool z) {
    if (pripraven(chkStatickaSouprava(index))) zaskrtni(chkStatickaSouprava(index), z);
}

void ModelParametru::optKotevniPrvek_Click(int index) {
    if (pripraven(posun(P::optKotevniPrvek0, index))) vyberVolbu(posun(P::optKotevniPrvek0, index));
}

// ---- steps ---------------------------------------------------------------------------------------

int ModelParametru::vybraneUkonceni() const {
    for (int i = 0; i < 6; ++i)
        if (zaskrtnuto(optUkonceni(i))) return i;
    return -1;
}

Ram ModelParametru::ramUkonceni() const {
    const int i = vybraneUkonceni();
    return i < 0 ? Ram::Zadny : kUkonceni[i].ram;
}

void ModelParametru::nastavUkonceni() {
    if (const int i = vybraneUkonceni(); i >= 0) m_p.Ukonceni = kUkonceni[i].kod;
}

void ModelParametru::nahradNenabizenou(Prvek prvni, int pocet) {
    int vybrana = -1, nabizena = -1;
    for (int k = pocet - 1; k >= 0; --k) {
        if (zaskrtnuto(posun(prvni, k))) vybrana = k;
        if (nabizen(posun(prvni, k))) nabizena = k;
    }
    if (vybrana >= 0 && !nabizen(posun(prvni, vybrana))) vyberVolbu(posun(prvni, std::max(nabizena, 0)));
}

void ModelParametru::zrusNenabizene() {
    // A choice whose control a later cross-section, shaft or frame disabled or hid must not reach
    // the commit: an option gives way to the first of its group on offer (to the design default
    // when none is), a box is unticked as unticking it by hand would. The rules follow the shaft,
    // the first group, so they run again as soon as it changes.
    for (const Skupina& g : kSkupiny) {
        nahradNenabizenou(g.prvni, g.pocet);
        if (m_p.Sachta != zaskrtnuto(P::optSachta1)) {
            m_p.Sachta = zaskrtnuto(P::optSachta1);
            spustParametry();
        }
    }
    for (P box : kZaskrtavaci)
        if (zaskrtnuto(box) && !nabizen(box)) zaskrtni(box, false);
}

void ModelParametru::cmdDalsi_Click() {
    if (!pripraven(P::cmdDalsi)) return;
    // Back's press checks no box, so one released off it leaves the focus there: the frame's
    // height is checked wherever the focus is, as Ok checks the above-roof height.
    for (P vyska : {P::txtVyskaOrlex, P::txtVyskaObezdivky})
        if (dostupny(vyska) && !kontrolaOdchodu(vyska)) return;
    zrusNenabizene();
    s(P::cmdZpet).povoleny = true;
    ++m_krokDalsi;
    ++m_krokZpet;
    if (m_krokDalsi == 3) s(P::cmdDalsi).viditelny = false;
    const Ram ram = m_krokDalsi == 2 ? ramUkonceni() : m_krokDalsi == 3 ? Ram::R3 : Ram::Zadny;
    s(P::cmdDalsi).povoleny = false;
    if (ram == Ram::R2a || ram == Ram::R2b || ram == Ram::R2c) {
        nastavUkonceni();
        m_p.Kourovod = Integer(zaskrtnuto(P::optKourovod0) ? 0 : 1);
        m_p.Kourovod2 = Integer(zaskrtnuto(P::optKourovod2) ? 0 : 1);
        if (zaskrtnuto(P::chkDruheNapojeniKourovodu) && (m_p.Kourovod == 1 || m_p.Kourovod2 == 1)) MsgBox(texty::kCsn);
    } else if (ram == Ram::R3) {
        nastavUkonceni();
    }
    ZobrazRam(ram);
}

void ModelParametru::cmdZpet_Click() {
    if (!pripraven(P::cmdZpet)) return;
    s(P::cmdDalsi).viditelny = true;
    s(P::cmdDalsi).povoleny = true;
    s(P::cmdOk).viditelny = false;
    --m_krokDalsi;
    --m_krokZpet;
    if (m_krokZpet == 0) s(P::cmdZpet).povoleny = false;
    ZobrazRam(m_krokDalsi == 2 ? ramUkonceni() : m_krokDalsi == 1 ? Ram::R1 : Ram::Zadny);
}

bool ModelParametru::cmdOk_Click() {
    if (!pripraven(P::cmdOk)) return false;
    // A height typed under "NE", which needs none, is left unchecked; "ANO" chosen after it puts
    // it in use, so Ok checks the box wherever the focus is.
    const P vyska = P::txtVyskaNadstresniCasti;
    if (dostupny(vyska) && !kontrolaOdchodu(vyska)) return false;
    zrusNenabizene();
    return true;
}

void ModelParametru::ZobrazRam(Ram ram) {
    if (ram == Ram::Zadny) return;
    if (ram == Ram::R3) {
        // Decided afresh on every showing: a kit hidden for one termination comes back for another.
        const QString& sys = m_p.System;
        const std::optional<double> prurez = naDouble(m_p.Prurez);
        const bool bezSouprav = jeKalvirNeboOrvik(sys) || sys == QLatin1String("DORVA") ||
                                (sys == QLatin1String("MIV") && prurez && Round(*prurez) >= 25) || m_p.Ukonceni == 3;
        for (int i = 0; i < 3; ++i) s(chkStatickaSouprava(i)).viditelny = !bezSouprav;
        zrusNenabizene();
    }
    m_ram = ram;
    s(P::ram1).viditelny = ram == Ram::R1;
    s(P::ram2a).viditelny = ram == Ram::R2a;
    s(P::ram2b).viditelny = ram == Ram::R2b;
    s(P::ram2c).viditelny = ram == Ram::R2c;
    s(P::ram3).viditelny = ram == Ram::R3;
    switch (ram) {
        case Ram::R1: pozadejFokus(P::cmbPrurez); break;
        case Ram::R2a: pozadejFokus(P::txtVyskaOrlex); break;
        case Ram::R2b: pozadejFokus(P::optCihla0); break;
        case Ram::R2c: pozadejFokus(P::optPlast0); break;
        case Ram::R3: pozadejFokus(P::optVolbaStatZajisteni0); break;
        case Ram::Zadny: break;
    }
}

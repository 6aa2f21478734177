#pragma once
// The calculator of a chimney system, and the table that picks one by the system's name.
//
// A calculator is bound to the shared state it works on and keeps the three entries every
// system has:
//
//   Spocitej()            the whole bill from the parameters in sorvenikaParametry:
//                         1. vytvorSoupravy(...) re-creates the four kit lists (at least one
//                            entry each) and fills their components; unused entries keep Pocet 0;
//                         2. q = novyVektor(): rows 1..last row of Polozky, free rows included;
//                         3. base quantity of every item row of column IdPrurez, kit rows
//                            included, and each kit's Pocet from them;
//                         4. PrenesPrislusenstvi(q), then ZapisMnozstvi(q).
//   Prepocitej(r, ks)     after the user set item row r to ks pieces on the sheet:
//                         auto q = zacniPrepocet(r, ks); if (!q) return;  then the system's
//                         dependency rules on *q, PrenesPrislusenstvi(*q), ZapisMnozstvi2(*q).
//   PrenesPrislusenstvi(q)  the accessory flags into the system's accessory rows of q
//                         (a set flag counts 1: use kus(flag)).
//
// Row numbers are the item table's rows as the system's calculator numbers them: write
// q(24) and Polozky(IdPrurez(), 24), never a 0-based index. Integer arithmetic on q is 16-bit
// and checked; assigning a real value is CInt: q(7) = Integer::fromDouble(V * 8.6 / 20 + 0.49)
// with V the Single height widened to double (DESIGN.md section 5).
// Errors are thrown; SpocitejKusy then restores the parameters and the sheet keeps its
// bill (ZalohaKalkulace does the same for a Prepocitej that the sheet calls).
#include "engine/GlobalniData.h"
#include "engine/Pole.h"
#include "engine/ZapisMnozstvi.h"

#include <QString>
#include <array>
#include <memory>
#include <optional>

class Kalkulacka {
public:
    explicit Kalkulacka(GlobalniData& g) : g(g) {}
    virtual ~Kalkulacka() = default;
    Kalkulacka(const Kalkulacka&) = delete;
    Kalkulacka& operator=(const Kalkulacka&) = delete;

    virtual void Spocitej() = 0;
    virtual void Prepocitej(int radek, Integer ks) = 0;
    virtual void PrenesPrislusenstvi(VektorMnozstvi& q) = 0;

protected:
    SorvenikaParametry& P() { return g.sorvenikaParametry; }
    const SorvenikaParametry& P() const { return g.sorvenikaParametry; }
    int IdPrurez() const { return g.sorvenikaParametry.IdPrurez; }
    Polozka& Polozky(int sloupec, int radek) { return g.dataSystemu.Polozky(sloupec, radek); }
    const Polozka& Polozky(int sloupec, int radek) const { return g.dataSystemu.Polozky(sloupec, radek); }
    // The row's article exists in the chosen cross-section (its code is not "-").
    bool existuje(int radek) const;

    // A zero vector over rows 1..last row of Polozky.
    VektorMnozstvi novyVektor() const;
    // The start of every Prepocitej: AktRadek = radek; nothing when the row's code is "-";
    // otherwise the vector of CInt(KsZaklad) with element radek set to ks.
    std::optional<VektorMnozstvi> zacniPrepocet(int radek, Integer ks);
    // Re-creates the four kit lists with the given numbers of entries, all unused.
    void vytvorSoupravy(int zakladni, int sady, int stred, int paty);

    void ZapisMnozstvi(VektorMnozstvi& q) { ::ZapisMnozstvi(g, q); }
    void ZapisMnozstvi2(VektorMnozstvi& q) { ::ZapisMnozstvi2(g, q); }

    // Abs of a Boolean flag: 1 when set.
    static Integer kus(bool priznak) { return Integer(priznak ? 1 : 0); }

    GlobalniData& g;
};

// The calculators by system name, in the order the dispatch compares them. The names are
// compared exactly, letter case included; a system without a calculator runs none.
class Kalkulacky {
public:
    static const std::array<QString, 12>& poradi();

    // Installs the calculator of one of the twelve systems; another name is error 5.
    void nastav(const QString& system, std::unique_ptr<Kalkulacka> k);
    Kalkulacka* najdi(const QString& system) const;

private:
    std::array<std::unique_ptr<Kalkulacka>, 12> m_kalkulacky;
};

// Keeps a copy of the costing parameters (kit lists, note, Orlex text) and puts it back when
// the scope is left without potvrd(), so a calculation that fails changes nothing. The matrix
// needs no copy: the writer is the calculators' last step and commits only on success.
class ZalohaKalkulace {
public:
    explicit ZalohaKalkulace(GlobalniData& g)
        : m_g(g), m_parametry(g.sorvenikaParametry), m_popisSadyOrlex(g.PopisSadyOrlex) {}
    ~ZalohaKalkulace() {
        if (m_potvrzeno) return;
        m_g.sorvenikaParametry = std::move(m_parametry);
        m_g.PopisSadyOrlex = std::move(m_popisSadyOrlex);
    }
    void potvrd() { m_potvrzeno = true; }
    ZalohaKalkulace(const ZalohaKalkulace&) = delete;
    ZalohaKalkulace& operator=(const ZalohaKalkulace&) = delete;

private:
    GlobalniData& m_g;
    SorvenikaParametry m_parametry;
    QString m_popisSadyOrlex;
    bool m_potvrzeno = false;
};

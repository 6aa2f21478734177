#pragma once
// The controls of the parameter wizard as data: what each one shows (enabled, visible, ticked or
// selected, text). The wizard's rules work on these states; frmParametry draws them.
#include <QString>
#include <array>
#include <cstdint>

enum class Prvek : uint8_t {
    // The five frames on top of each other, and the inner frames the rules switch.
    ram1, ram2a, ram2b, ram2c, ram3,
    Frame1_0, Frame1_1,

    // Frame 1.
    cmbPrurez, txtVyska,
    optSachta0, optSachta1,
    optKourovod0, optKourovod1, optKourovod2, optKourovod3,  // flue 1 at 90°, 45°; flue 2 at 90°, 45°
    lblKourovod0, lblKourovod1,
    chkHorniDvirka, chkDruheNapojeniKourovodu,
    chkTermoTvarnice, txtTermoTvarnice, Label1_4,  // Label1_4: the "ks" beside the block count
    chkpata, optPata0, optPata1,
    chkSouprava0, chkSouprava1,
    lblPocetNapojovacichDilu, txtPocetNapojovacichDilu,
    optUkonceni0, optUkonceni1, optUkonceni2, optUkonceni3, optUkonceni4, optUkonceni5,
    lblPrislusenstvi,

    // Frame 2a: the Orlex top.
    txtVyskaOrlex, txtDil_Orlex, txtTyc_Orlex, txtZSLKT,

    // Frame 2b: the brick casing.
    txtVyskaObezdivky, optCihla0, optCihla1, txtPocetCihel, txtPocetPytluObezdivka,

    // Frame 2c: the shell.
    cmbVyskaPlaste, optPlast0, optPlast1,

    // Frame 3: static securing.
    optVolbaStatZajisteni0, optVolbaStatZajisteni1,  // "ANO", "NE"
    txtVyskaNadstresniCasti,
    chkStatickaSouprava0, chkStatickaSouprava1, chkStatickaSouprava2,
    optKotevniPrvek0, optKotevniPrvek1,

    cmdZpet, cmdDalsi, cmdOk,
};
constexpr int kPocetPrvku = static_cast<int>(Prvek::cmdOk) + 1;

// Members of a control array by index.
constexpr Prvek posun(Prvek prvni, int i) { return static_cast<Prvek>(static_cast<int>(prvni) + i); }
constexpr Prvek optUkonceni(int i) { return posun(Prvek::optUkonceni0, i); }
constexpr Prvek optKourovod(int i) { return posun(Prvek::optKourovod0, i); }
constexpr Prvek chkSouprava(int i) { return posun(Prvek::chkSouprava0, i); }
constexpr Prvek chkStatickaSouprava(int i) { return posun(Prvek::chkStatickaSouprava0, i); }

struct StavPrvku {
    bool povoleny = true;
    bool viditelny = true;
    bool zaskrtnuty = false;  // a ticked box, a selected option
    QString text;

    friend bool operator==(const StavPrvku&, const StavPrvku&) = default;
};

using StavyPrvku = std::array<StavPrvku, kPocetPrvku>;

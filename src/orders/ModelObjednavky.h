#pragma once
// The order sheet ("Objednávkový list") without its window: the list of sub-orders, the grid of
// the selected one priced from the price list, the count editor, the removals, the note, the
// price captions, the recipient, the dispatch date and the customer's ID and e-mail. frmObjednavka
// draws it and forwards the user's clicks and keys; the price-list browser inserts into it.
#include "net/clsBase64.h"
#include "net/clsRC4.h"
#include "orders/clsObjednavka.h"
#include "platform/FlexGrid.h"
#include "platform/Okna.h"
#include "pricelist/CilVlozeni.h"
#include "pricelist/TabulkaArtiklu.h"

#include <QStringList>
#include <functional>

class clsHTTP;

inline const QString kObjednavkaNaSklad = QStringLiteral("Objednávka na sklad");
inline const QString kOdesilaniProbiha =
    QStringLiteral("Objednávka se právě odesílá. Počkejte prosím, až server odpoví.");
inline const QString kPredavaniProbiha =
    QStringLiteral("Objednávka se právě předává poštovnímu programu. Počkejte prosím, až odpoví.");
inline const QString kZavritList = QStringLiteral(
    "Uzavřením tohoto okna přijdete o všechny současné objednávky uvedené v objednávkovém listě. Přejete si pokračovat?");
// The entries of cmbZavod; the last is the dealer.
inline const QStringList kZavody = {QStringLiteral("Dolmarka"), QStringLiteral("Vestron"), QStringLiteral("Hrab"),
                                    QStringLiteral("Obchodník")};
constexpr int kObchodnik = 3;

// A count as the editor and the lists give it: the leading number ("." decimal) without its
// sign, rounded half to even; none is 0, and a count beyond 32 bits stops at the largest.
qint32 pocetKusu(QStringView text);

// One row of a sub-order priced from the price list: what the grid shows, the page prints and
// the order message sends.
struct RadekObjednavky {
    QString nazev;    // the article's name, or "Položka … nenalezena"
    QString kod;      // as the sub-order holds it
    qint32 ks = 0;
    QString cenaKs;   // the price list's shown price (empty when it shows none), or 0 formatted
    Currency celkem;  // the row total to two decimals, as it is shown
};
struct CenaPodobjednavky {
    QList<RadekObjednavky> radky;
    Currency cena;  // the sum of the row totals
};
// The one pricing of a sub-order. A code the price list does not hold stays a row at price 0;
// a T-REMOL costing (its title begins "_T-") is priced by the manufacturer: its codes are looked
// up with "-s" and carry no price.
CenaPodobjednavky ocen(const clsPodobjednavka& s, const TabulkaArtiklu& cenik);

// A price with VAT as the captions show it: Round(cena × (1 + DPH / 100) + 0.049, 1).
QString cenaSDph(Currency cena, Currency DPH);

// The sheet's commands: its menu items and its buttons.
enum class PrikazObjednavky {
    mnuObjednavkaNaSklad,
    mnuImportObjednavky,
    mnuExportObjednavky,
    mnuTisk,
    mnuOdeslat,
    mnuKonec,
    mnuNastaveni,
    mnuNapoveda,
    cmdOdebratObjednavku,
    cmdKomponentyPridat,
    cmdKomponentyOdebrat,
};
// Whether a command first stores the count open in the editor, as Enter would (and does not run
// when that fails): every one does but those listed, which read no count. The stock order only
// appends; with "Konec" an open editor goes with the sheet.
bool ctePocty(PrikazObjednavky p);

class ModelObjednavky : public ICilObjednavky {
public:
    enum Sloupec { NazevDilu, ObjednaciZnak, PocetKs, CenaKs, CenaCelkem, kSloupcu };
    // The grid's design width in twips, which the column factors divide.
    static constexpr int kSirkaMrizky = 9600;

    // Form_Load: reads the order settings; the grid's header, the VAT captions, ID and e-mail,
    // this year and month in the date boxes, no recipient.
    ModelObjednavky(const TabulkaArtiklu& cenik, Currency DPH);

    clsObjednavka Objednavka;
    // The send's envelope; the cipher is keyed afresh for every order.
    clsRC4 RC4;
    clsBase64 B64;
    FlexGrid Tabulka{1, kSloupcu};
    QStringList lstObjednavky;  // the titles, entry i for item i + 1
    QString lblCena;            // both VAT captions: "s 21% DPH:"
    QString lblCenaVybraneObjednavky[2], lblCenaCelkem[2];
    bool chkNabidka = false;
    int cmbZavod = -1;
    QString txtDatumExpediceDen, txtDatumExpediceMesic, txtDatumExpediceRok;
    QString txtID, txtMail;

    // Why the sheet's order settings or the settings of its client `HTTP` could not be read, for
    // the sheet to name once as it opens (the send names it again); "" when they were read.
    QString chybaCteni(const clsHTTP& HTTP) const;
    Currency DPH() const { return m_DPH; }
    int ListIndex() const { return m_index; }
    const QString& txtPoznamka() const { return m_poznamka; }
    bool cmdOdebratObjednavku() const { return m_odebratObjednavku && !m_odesilani; }
    bool cmdKomponentyPridat() const { return m_komponenty && !m_odesilani; }
    bool cmdKomponentyOdebrat() const { return m_komponentyOdebrat && !m_odesilani; }
    // While an order is sent, nothing changes the sheet and it is not sent again.
    bool odesilani() const { return m_odesilani; }
    // What a close during the send is told: the dealer's order waits for the mail program, any
    // other for the server.
    const QString& zpravaOdesilani() const { return m_posta ? kPredavaniProbiha : kOdesilaniProbiha; }

    // Called after the core changed what the window shows on its own (the send's steps).
    std::function<void()> zmeneno;

    // Appends a sub-order; selects and shows nothing.
    void PridatObjednavku(const PolozkaObjednavky& p);
    // "Objednávka na sklad" and its button.
    void objednavkaNaSklad();
    // An entry selected, by the user or by code: it is shown.
    void vyber(int index);
    // The sheet became the active window: its last entry is selected.
    void aktivovano();
    // The grid, the sub-order's price and the note from the selected sub-order, then Spocitej.
    void Zobraz_objednavku();
    // The four price captions: the selected sub-order and the whole order, every sub-order
    // priced whether it was shown or not.
    void Spocitej();
    // Sub-order i (from 0) priced.
    CenaPodobjednavky oceneni(int index) { return ocen(Objednavka.Item(index + 1), m_cenik); }
    // Every change of the note box goes to the selected sub-order.
    void txtPoznamka_Change(const QString& text);
    void cmdOdebratObjednavku_Click();
    void cmdKomponentyOdebrat_Click();

    // The count editor. A digit typed on an item row opens it with that digit (true).
    bool Tabulka_KeyPress(QChar znak);
    // The row being edited, 0 when the editor is closed.
    int radekEditoru() const { return m_radekEditoru; }
    // Enter in the editor: the count stored, the lists rebuilt from the rows, the next row current.
    void txtBox_Enter(const QString& text);
    // A click on the grid drops what was typed.
    void Tabulka_Click() { m_radekEditoru = 0; }

    // The price-list browser.
    bool maVybranouPodobjednavku() const override;
    void pridejPolozku(const QString& radek, const QString& objZnak, const QString& ks) override;
    // The window shows the new totals too, not only the grid.
    void zobrazObjednavku() override {
        Zobraz_objednavku();
        oznam();
    }

    // The sheet emptied after an order went: no sub-orders, no note.
    void vyprazdni();

    // The send holds it while it waits for the server.
    class Odesilani {
    public:
        explicit Odesilani(ModelObjednavky& m);
        ~Odesilani();
        Odesilani(const Odesilani&) = delete;
        Odesilani& operator=(const Odesilani&) = delete;

    private:
        ModelObjednavky& m_m;
    };

private:
    clsPodobjednavka* vybrana();
    // The codes and counts of the selected sub-order from the rows shown.
    void prestavSeznamy(clsPodobjednavka& s) const;
    void vyberRadek(int radek);
    void oznam();

    const TabulkaArtiklu& m_cenik;
    Currency m_DPH;
    QList<RadekObjednavky> m_radky;  // the rows of the grid
    int m_index = -1;
    QString m_poznamka;
    bool m_odebratObjednavku = true;
    bool m_komponenty = false;
    bool m_komponentyOdebrat = false;
    bool m_odesilani = false;
    bool m_posta = false;  // the send is the hand-over to the mail program
    int m_radekEditoru = 0;
};

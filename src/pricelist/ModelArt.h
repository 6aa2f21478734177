#pragma once
// The price-list browser without its window: the orderable articles through the four filter
// boxes, the quantities the user confirms and "Vložit" into the order sheet or the offer.
// frmArt draws it and forwards the user's keys and clicks.
#include "platform/FlexGrid.h"
#include "platform/Vysledek.h"
#include "pricelist/CilVlozeni.h"
#include "pricelist/TabulkaArtiklu.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

inline const QString kVse = QStringLiteral("\u00A0(vše)");
inline const QString kZadejteHodnotu = QStringLiteral("Zadejte číselnou HODNOTU !!!");
inline const QString kVyberteObjednavku = QStringLiteral("Vyberte objednávku !!!");

// The quantity confirmed in the editor: the leading number ("." decimal), made positive and
// rounded half to even. Above 32,767 the message instead.
Vysledek<int> mnozstviZTextu(const QString& text);

class ModelArt {
public:
    static constexpr int kSloupcu = 8;
    static constexpr int kSloupecKs = 3;
    // The article-table column each browser column shows.
    static constexpr std::array<int, kSloupcu> kZTabulky{0, 1, 2, 3, 4, 5, 6, 9};
    static constexpr int kFiltru = 4;
    // Filter box i filters article-table column kFiltrovane[i] and stands over browser column
    // kNadSloupcem[i].
    static constexpr std::array<int, kFiltru> kFiltrovane{0, 1, 2, 9};
    static constexpr std::array<int, kFiltru> kNadSloupcem{0, 1, 2, 7};
    // The width the column widths are fractions of, in twips.
    static constexpr int kSirkaMrizky = 12000;

    struct Vyber {
        QString kod;
        int ks = 0;
        friend bool operator==(const Vyber&, const Vyber&) = default;
    };

    // The article table stays the caller's and must outlive the model.
    explicit ModelArt(TabulkaArtiklu& cenik);

    FlexGrid& TabulkaArt() { return m_grid; }
    const FlexGrid& TabulkaArt() const { return m_grid; }

    // A caller shows the window: Filtr(True) and Sort(1) as both callers do, the target of
    // "Vložit" and the list afresh in the table's order; no quantities chosen unless `ponechat`
    // (shown again for the same target while it is open).
    void otevri(CilVlozeni cil, bool ponechat = false);
    const CilVlozeni& cil() const { return m_cil; }
    // The order sheet goes away: the browser no longer inserts into it. True when it was the target.
    bool odpoj(const ICilObjednavky& cil);

    // "(vše)", then each distinct value among the articles that are not marked 0; made at the
    // first request, as a long price list gives tens of thousands of them.
    const QStringList& seznamFiltru(int i);
    const QString& textFiltru(int i) const { return m_filtry[static_cast<size_t>(i)]; }
    // A box's text changed (typed, chosen or cleared): the list follows. An entry still open is
    // dropped: the window confirms it first.
    void setTextFiltru(int i, const QString& text);
    void ZobrazPolozky();

    // A key typed on the grid: a digit opens the quantity entry on the current row. False when
    // it does not (another key, no article row).
    bool zacniZadani(QChar znak);
    // The grid row being given a quantity, 0 when none is.
    int radekZadani() const { return m_radekZadani; }
    // Enter in the editor. A quantity out of range leaves the entry open and gives the message.
    // Every listed row of the article shows the quantity.
    Vysledek<> potvrdZadani(const QString& text);
    // A click on the grid.
    void zrusZadani() { m_radekZadani = 0; }

    // The quantities chosen, in the order they were last confirmed.
    const std::vector<Vyber>& VybranePolozky() const { return m_vybrane; }
    // Whether the chosen quantities hold one under the order number `klic`.
    static bool InCol(const std::vector<Vyber>& kolekce, const QString& klic);

    // "Vložit": clears the filters and inserts every chosen article listed under its code. True
    // when the window is to hide. Into the order sheet with no sub-order selected nothing changes
    // and the message comes back.
    Vysledek<bool> Vlozit();

private:
    // The orderable articles in the table's display order, made again after each Sort, and for
    // each filter box the first letters of its column in them, case-folded, made at the box's
    // first use: a keystroke runs through these in order rather than through the whole table.
    struct Predvyber {
        int verze = -1;
        std::vector<int> radky;
        std::array<std::vector<quint64>, kFiltru> klice;
    };
    const Predvyber& predvyber();
    QStringList NaplnFiltry(int i);
    const std::vector<quint64>& klice(int i);
    QString textRadku(int radek) const;
    const Vyber* vybrana(QStringView kod) const;
    void vlozDoObjednavky(ICilObjednavky& cil, const std::vector<Vyber>& vybrane);
    void vlozDoNabidky(ICilNabidky& cil, const std::vector<Vyber>& vybrane);

    TabulkaArtiklu& m_cenik;
    FlexGrid m_grid;
    CilVlozeni m_cil;
    std::array<QString, kFiltru> m_filtry;
    std::array<std::optional<QStringList>, kFiltru> m_seznamy;
    std::vector<int> m_oznacene;  // the articles not marked 0, in order-number order; once asked for
    Predvyber m_predvyber;
    std::vector<int> m_radky;  // grid row - 1 -> article row
    std::vector<Vyber> m_vybrane;
    int m_radekZadani = 0;
};

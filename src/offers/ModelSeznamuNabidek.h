#pragma once
// The offer list (frmNabidky) without its window: the offers of both files with their local
// states, the listed rows as a table model, the filters, the total, the state change and the
// copy. The rows are the listed offers in display order; the columns those of the list.
#include "engine/GlobalniData.h"
#include "offers/FiltrNabidek.h"
#include "offers/clsNabidka.h"
#include "platform/Vysledek.h"

#include <QAbstractTableModel>
#include <memory>
#include <optional>
#include <vector>

class ModelSeznamuNabidek : public QAbstractTableModel {
public:
    // bool: another representative's offer, drawn grey.
    static constexpr int CiziRole = Qt::UserRole + 1;
    // The column widths as fractions of the grid's width.
    static const std::array<double, kSloupcuSeznamu> kPodilySirky;

    explicit ModelSeznamuNabidek(GlobalniData& g, QObject* rodic = nullptr);

    // NactiNabidky: both files afresh, keys "1N".."kN" then "k+1U"..., the local states applied.
    // A file that cannot be read lists nothing of its own and is named in the failure.
    Vysledek<> NactiNabidky();
    // The list emptied while the offer files are being replaced (the synchronisation).
    void vyprazdni();
    // ZobrazNabidky: the rows through the filters, sorted, and the total.
    void ZobrazNabidky();
    // NaplnFiltry: the filter lists of the listed rows; the filter texts are emptied.
    std::array<QStringList, kSloupceFiltru.size()> NaplnFiltry();

    FiltrySeznamu& filtry() { return m_filtry; }
    int pocetNabidek() const { return static_cast<int>(m_nabidky.size()); }
    double soucet() const { return m_zobrazeni.soucet; }
    // The offer of a listed row (0-based), the object itself; nullptr outside the list.
    std::shared_ptr<clsNabidka> nabidka(int radek) const;
    bool vlastni(int radek) const;
    // The detail panel of a listed row: representative, project, customer, dealer, the prices with
    // their units and the note with LF line ends; nothing outside the list.
    static constexpr int kPolozekDetailu = 21;
    std::optional<std::array<QString, kPolozekDetailu>> detail(int radek) const;

    // A state picked for a listed row: only the representative's own offers; the row's state
    // text follows and StavyNabidek.txt is written at once. The order, the total and the
    // filter lists stay.
    Vysledek<> ZmenStav(int radek, int stav);
    // StavyNabidek.txt from the states of the representative's offers in the list.
    Vysledek<> UlozStavyNabidek() const;
    // mnuKopirovat: the listed offer itself made a new local offer of the representative, with
    // the next offer number and no server number.
    std::shared_ptr<clsNabidka> Kopiruj(int radek);

    int rowCount(const QModelIndex& rodic = {}) const override;
    int columnCount(const QModelIndex& rodic = {}) const override;
    QVariant data(const QModelIndex& i, int role = Qt::DisplayRole) const override;
    QVariant headerData(int sekce, Qt::Orientation o, int role = Qt::DisplayRole) const override;

private:
    RadekSeznamu radek(const clsNabidka& n) const;

    GlobalniData& m_g;
    std::vector<std::shared_ptr<clsNabidka>> m_nabidky;  // the collection, in key order
    std::vector<RadekSeznamu> m_radky;                   // the same offers as the list shows them
    FiltrySeznamu m_filtry;
    ZobrazeniSeznamu m_zobrazeni;
};

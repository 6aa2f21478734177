#pragma once
// "Seznam nabídek": the offer list. The rules live in ModelSeznamuNabidek; this window draws the
// listed offers with their filter boxes over the columns, the detail panel and the state box,
// and runs the menu's commands.
#include "offers/ModelSeznamuNabidek.h"
#include "offers/NabidkaHtml.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QtPotvrzovanePole;

class frmNabidky : public QMainWindow {
    Q_OBJECT
public:
    struct Sluzby {
        // The offer form, modal, on the offer itself; `jenProhlizeni` for viewing.
        std::function<void(std::shared_ptr<clsNabidka>, bool jenProhlizeni)> formular;
        // The synchronisation in the status window; empty: the command is not offered.
        std::function<void()> synchronizuj;
        const TabulkaArtiklu* cenik = nullptr;  // the weights of the HTML offer
    };

    frmNabidky(GlobalniData& g, Sluzby sluzby, QWidget* rodic = nullptr);
    ~frmNabidky() override;

    ModelSeznamuNabidek& model() { return m_model; }
    // The listed row that is current, -1 when none is.
    int aktualniRadek() const;

    QTableView* Tabulka = nullptr;
    std::array<QComboBox*, kSloupceFiltru.size()> cmbFilter{};
    QComboBox* cmbStav = nullptr;
    QCheckBox* chkZobrazitOstatni = nullptr;
    QCheckBox* chkCastka = nullptr;
    QLineEdit* txtCastka = nullptr;
    QCheckBox* chkZobrazitSlevu = nullptr;
    QGroupBox* RamDetail = nullptr;
    QPushButton* cmdDetail = nullptr;
    QLabel* lblPocet = nullptr;
    QLabel* lblSoucet = nullptr;
    QAction* mnuKopirovat = nullptr;
    QAction* mnuUlozitJakoHtml = nullptr;
    QAction* mnuPoslatEmailem = nullptr;
    QAction* mnuTisk = nullptr;
    QAction* mnuSynchronizovat = nullptr;
    QAction* mnuKonec = nullptr;

    // The refresh sequence: list, filter lists, list again.
    void obnov();
    void NactiNabidky();
    void mnuKopirovat_Click();
    void mnuUlozitJakoHtml_Click();
    void mnuPoslatEmailem_Click();
    void mnuTisk_Click();
    void mnuSynchronizovat_Click();
    void cmdDetail_Click();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    // The window stays while its synchronisation waits for the server.
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void sestavMenu();
    QWidget* sestavDetail();
    void ZobrazNabidky();
    void NaplnFiltry();
    void RozmistiFiltry();
    void nastavSirky();
    void nactiDetail();
    void Tabulka_Click(const QModelIndex& i);
    void ukazStav(const QRect& bunka);
    bool klavesaStavu(QObject* o, QEvent* e);
    void otevriStavy();
    bool zkratkaSeznamu(QObject* o, QEvent* e) const;
    void skryjStav();
    std::shared_ptr<clsNabidka> vybrana();
    ZdrojeHtml zdroje() const;
    // Data/Tmp2Print/nabidka.htm made afresh; "" when it could not be.
    QString tiskovaStranka(const clsNabidka& n, bool logo, bool ohlasit);

    GlobalniData& m_g;
    Sluzby m_sluzby;
    ModelSeznamuNabidek m_model;
    TabulkaArtiklu m_bezCeniku;
    QWidget* m_pasFiltru = nullptr;
    std::unique_ptr<QtPotvrzovanePole> m_castka;
    std::array<QLabel*, ModelSeznamuNabidek::kPolozekDetailu> m_detail{};
    bool m_synchronizuje = false;
};

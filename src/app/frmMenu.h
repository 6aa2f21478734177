#pragma once
// The main menu: seller and VAT, the system buttons with their popup menus, the order sheet,
// Exit and the contact panel with its links and unlabelled switches. The rules are in
// HlavniNabidka; this window draws and forwards.
#include "app/HlavniNabidka.h"
#include "app/Navaznosti.h"
#include "platform/QtWidgety.h"

#include <QLabel>
#include <QList>
#include <QWidget>
#include <functional>
#include <memory>

class QLineEdit;
class QtPotvrzovanePole;
class QPushButton;
class QToolButton;

class frmMenu : public QWidget {
    Q_OBJECT
public:
    // What the menu opens or ends: other windows, which the menu only asks for.
    struct Sluzby {
        std::function<bool()> Exit;           // UlozIniAKonec, one event pump, end of the process; false: stays
        std::function<bool()> NactiSystem;    // the chosen system's item matrix; false when reported
        IListSorveniky* list = nullptr;
        IModalniOkno* pruvodce = nullptr;
        IOkno* objednavky = nullptr;
        IModalniOkno* nastaveniOZ = nullptr;
    };

    // Form_Load: asks for the seller when none is stored and fills the boxes.
    frmMenu(GlobalniData& g, Sluzby sluzby, QWidget* rodic = nullptr);
    ~frmMenu() override;

    QToolButton* SystemCombut(int index) const;

    QLineEdit* txtProdejce = nullptr;
    QLineEdit* txtDPH = nullptr;
    QLabel* lblVerze = nullptr;
    QToolButton* cmbObjednavky = nullptr;
    QPushButton* Exit = nullptr;
    ClickableLabel* web = nullptr;
    QList<ClickableLabel*> mail;

protected:
    // The close box ends the program as Exit does; closing from code does nothing more.
    void closeEvent(QCloseEvent* e) override;

private:
    bool potvrdPole();
    void SystemCombut_Click(int index);
    void Label2_DblClick();
    void otevriOdkaz(ClickableLabel* popisek, const QString& predpona);
    void ukazTlacitka();
    void zamerNaSystem();
    std::optional<int> vyberZNabidky(const TlacitkoSystemu& t);
    QWidget* sestavTlacitka();
    QWidget* sestavKontakty();

    GlobalniData& m_g;
    Sluzby m_sluzby;
    ViditelnostTlacitek m_viditelnost;
    QToolButton* m_systemy[8] = {};
    std::unique_ptr<QtPotvrzovanePole> m_prodejce, m_dph;
};

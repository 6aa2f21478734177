#pragma once
// Stands in for the costing sheet until it is built: shows the chosen system and the item
// matrix that was loaded for it, says that the sheet comes later, and leads back to the menu.
#include "app/GlobalniData.h"
#include "app/Navaznosti.h"

#include <QPointer>
#include <QWidget>
#include <functional>

class QLabel;
class QTableWidget;

class ProzatimniListOkno : public QWidget {
    Q_OBJECT
public:
    ProzatimniListOkno(GlobalniData& g, std::function<void()> zpetDoMenu);
    QLabel* lblSystem[2] = {};
    void naplnit();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void zpet();
    GlobalniData& m_g;
    std::function<void()> m_zpetDoMenu;
    QTableWidget* m_tabulka = nullptr;
    QLabel* m_souhrn = nullptr;
    bool m_odchazi = false;
};

class QtProzatimniList : public IListSorveniky {
public:
    // `registrace` hands a new window to the form registry.
    QtProzatimniList(GlobalniData& g, std::function<void(QWidget*)> registrace, std::function<void()> zpetDoMenu);
    void NastavSystem(const QString& nazev) override;
    void Zobraz() override;
    ProzatimniListOkno* okno() const { return m_okno; }

private:
    ProzatimniListOkno* vytvor();
    GlobalniData& m_g;
    std::function<void(QWidget*)> m_registrace;
    std::function<void()> m_zpetDoMenu;
    QPointer<ProzatimniListOkno> m_okno;
};

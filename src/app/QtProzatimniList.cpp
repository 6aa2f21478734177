#include "app/QtProzatimniList.h"

#include "engine/Sorvenika.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

ProzatimniListOkno::ProzatimniListOkno(GlobalniData& g, std::function<void()> zpetDoMenu)
    : m_g(g), m_zpetDoMenu(std::move(zpetDoMenu)) {
    setObjectName(QStringLiteral("frmSorvenika"));
    setWindowTitle(QStringLiteral("Sorvenika"));
    QFont velke = font();
    velke.setPointSizeF(font().pointSizeF() * 1.6);
    velke.setBold(true);
    for (int i = 0; i < 2; ++i) {
        lblSystem[i] = new QLabel(this);
        lblSystem[i]->setObjectName(QStringLiteral("lblSystem%1").arg(i));
    }
    lblSystem[0]->setFont(velke);
    QPalette seda = lblSystem[1]->palette();
    seda.setColor(QPalette::WindowText, QColor(110, 110, 110));
    lblSystem[1]->setPalette(seda);
    auto* upozorneni = new QLabel(QStringLiteral("Kalkulační list a zadání parametrů komínu budou doplněny v další verzi "
                                                 "programu. Zatím je zde tabulka položek, která se pro zvolený systém "
                                                 "načetla z ceníku."),
                                  this);
    upozorneni->setWordWrap(true);
    m_souhrn = new QLabel(this);
    m_tabulka = new QTableWidget(this);
    m_tabulka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabulka->verticalHeader()->setDefaultSectionSize(20);
    auto* zpet = new QPushButton(QStringLiteral("Zpět do menu"), this);
    zpet->setObjectName(QStringLiteral("cmdZpet"));
    connect(zpet, &QPushButton::clicked, this, &ProzatimniListOkno::zpet);

    auto* dole = new QHBoxLayout;
    dole->addWidget(m_souhrn, 1);
    dole->addWidget(zpet);
    auto* svisle = new QVBoxLayout(this);
    svisle->addWidget(lblSystem[0]);
    svisle->addWidget(lblSystem[1]);
    svisle->addWidget(upozorneni);
    svisle->addWidget(m_tabulka, 1);
    svisle->addLayout(dole);
    resize(820, 560);
}

void ProzatimniListOkno::naplnit() {
    const DataSystemu& d = m_g.dataSystemu;
    const MaticePolozek& m = d.Polozky;
    const int radku = m_g.sorvenikaParametry.PocetRadku;
    m_tabulka->clear();
    m_tabulka->setColumnCount(m.sloupcu() + 1);
    m_tabulka->setRowCount(radku);
    QStringList hlavicka{QStringLiteral("Název dílu")};
    for (const QString& p : d.Prurezy) hlavicka << p;
    m_tabulka->setHorizontalHeaderLabels(hlavicka);
    int chybi = 0;
    for (int r = 1; r <= radku; ++r) {
        QString nazev;
        for (int s = 1; s <= m.sloupcu(); ++s) {
            const Polozka& p = m(s, r);
            if (nazev.isEmpty() && p.ObjZnak != QLatin1String("-")) nazev = p.Nazev;
            if (p.ObjZnak == QLatin1String("?????")) ++chybi;
            m_tabulka->setItem(r - 1, s, new QTableWidgetItem(p.ObjZnak));
        }
        m_tabulka->setItem(r - 1, 0, new QTableWidgetItem(nazev));
    }
    m_tabulka->resizeColumnsToContents();
    m_souhrn->setText(QStringLiteral("Řádků položek: %1, průřezů: %2, volných řádků: %3, položek nenalezených v ceníku: %4")
                          .arg(radku)
                          .arg(m.sloupcu())
                          .arg(m_g.PocetVolnychRadku)
                          .arg(chybi));
}

void ProzatimniListOkno::zpet() {
    if (m_odchazi) return;
    m_odchazi = true;
    VymazSorveniku(m_g);
    hide();
    m_zpetDoMenu();
    deleteLater();
}

void ProzatimniListOkno::closeEvent(QCloseEvent* e) {
    e->accept();
    if (e->spontaneous()) zpet();
}

QtProzatimniList::QtProzatimniList(GlobalniData& g, std::function<void(QWidget*)> registrace,
                                   std::function<void()> zpetDoMenu)
    : m_g(g), m_registrace(std::move(registrace)), m_zpetDoMenu(std::move(zpetDoMenu)) {}

ProzatimniListOkno* QtProzatimniList::vytvor() {
    if (!m_okno) {
        m_okno = new ProzatimniListOkno(m_g, m_zpetDoMenu);
        m_registrace(m_okno);
    }
    return m_okno;
}

void QtProzatimniList::NastavSystem(const QString& nazev) {
    ProzatimniListOkno* o = vytvor();
    o->lblSystem[0]->setText(nazev);
    o->lblSystem[1]->setText(nazev);
}

void QtProzatimniList::Zobraz() {
    ProzatimniListOkno* o = vytvor();
    o->naplnit();
    o->show();
}

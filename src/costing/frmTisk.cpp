#include "costing/frmTisk.h"

#include "costing/TiskSorveniky.h"
#include "platform/Guard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmTisk::frmTisk(GlobalniData& g, const IPrinterCatalog& tiskarny, QWidget* rodic)
    : QDialog(rodic), m_model(g.tisk, g.nastaveni.Tiskarna, tiskarny) {
    setWindowTitle(QStringLiteral("Tisk"));
    Ram = new QGroupBox(QStringLiteral("Tiskárna"), this);
    Popisek[0] = new QLabel(QStringLiteral("Název:"), Ram);
    C = new QComboBox(Ram);
    C->addItems(m_model.C);
    C->setCurrentIndex(m_model.vybrana);
    C->setMinimumContentsLength(30);
    Check = new QCheckBox(QStringLiteral("Pamatovat si tiskárnu"), Ram);
    Check->setChecked(m_model.Check);
    auto* ram = new QGridLayout(Ram);
    ram->addWidget(Popisek[0], 0, 0);
    ram->addWidget(C, 0, 1);
    ram->addWidget(Check, 1, 1);

    Popisek[1] = new QLabel(QStringLiteral("Počet kopií:"), this);
    txtkopii = new QLineEdit(m_model.txtkopii, this);
    txtkopii->setMaximumWidth(60);
    Tlacitko[0] = new QPushButton(QStringLiteral("OK"), this);
    Tlacitko[1] = new QPushButton(QStringLiteral("Storno"), this);
    // Enter in the copies box checks the number; it must not press a button as well.
    for (QPushButton* b : Tlacitko) b->setAutoDefault(false);

    auto* spodek = new QHBoxLayout;
    spodek->addWidget(Popisek[1]);
    spodek->addWidget(txtkopii);
    spodek->addStretch();
    spodek->addWidget(Tlacitko[0]);
    spodek->addWidget(Tlacitko[1]);
    auto* okno = new QVBoxLayout(this);
    okno->addWidget(Ram);
    okno->addLayout(spodek);

    pripoj(txtkopii, &QLineEdit::returnPressed, this, [this] {
        prevezmi();
        if (m_model.potvrdKopie()) Tlacitko[0]->setFocus();
        txtkopii->setText(m_model.txtkopii);
    });
    pripoj(Tlacitko[0], &QPushButton::clicked, this, [this] {
        prevezmi();
        if (m_model.ok()) accept();
        txtkopii->setText(m_model.txtkopii);
    });
    pripoj(Tlacitko[1], &QPushButton::clicked, this, [this] { reject(); });
}

void frmTisk::prevezmi() {
    m_model.vybrana = C->currentIndex();
    m_model.Check = Check->isChecked();
    m_model.txtkopii = txtkopii->text();
}

Vysledek<> TiskniSDialogem(QWidget* rodic, GlobalniData& g, const Kalkulace& k, const IPrinterCatalog& tiskarny) {
    {
        frmTisk okno(g, tiskarny, rodic);
        okno.exec();
    }
    QCoreApplication::processEvents();
    if (!g.tisk.TiskPotvrzen) return {};
    QtPrintSurface plocha(g.tisk.tiskarna, g.tisk.souborPdf);
    return TiskniSorveniku(k, g.tisk, plocha, tiskarny);
}

#include "orders/frmImport.h"

#include "platform/DataPaths.h"
#include "platform/Desktop.h"
#include "platform/Guard.h"
#include "platform/QtFlexGridView.h"
#include "platform/QtWidgety.h"
#include "platform/Services.h"
#include "platform/UserDialogs.h"
#include "util/VolbaSouboru.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kTitulek = QStringLiteral("Import databáze zákazníků");

}  // namespace

frmImport::frmImport(const QString& soubor, QWidget* rodic) : QDialog(rodic), m_model(soubor) {
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(kTitulek);

    auto* menu = new QMenuBar(this);
    QMenu* mnuSoubor = menu->addMenu(QStringLiteral("Soubor"));
    mnuSoubor->setObjectName(QStringLiteral("mnuSoubor"));
    mnu_Import = mnuSoubor->addAction(QStringLiteral("Importovat ..."));
    mnu_Import->setObjectName(QStringLiteral("mnu_Import"));
    mnu_napoveda = menu->addAction(QStringLiteral("Nápověda"));
    mnu_napoveda->setObjectName(QStringLiteral("mnu_napoveda"));
    pripoj(mnu_Import, &QAction::triggered, this, [this] { mnu_Import_Click(); });
    pripoj(mnu_napoveda, &QAction::triggered, this, [this] { mnu_napoveda_Click(); });

    T = new FlexGridView(this);
    T->setObjectName(QStringLiteral("T"));
    T->setGrid(&m_model.T);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Check1 = new QCheckBox(QStringLiteral("První řádek = název pole"), Frame1);
    Check1->setObjectName(QStringLiteral("Check1"));
    (new QVBoxLayout(Frame1))->addWidget(Check1);
    pripoj(Check1, &QCheckBox::toggled, this, [this](bool ano) { m_model.setPrvniRadekNazvy(ano); });

    Frame2 = new QGroupBox(QStringLiteral("Vyberte, který sloupec v tabulce odpovídá názvu položky (např. Jméno: sloupec č.1)"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* pole = new QGridLayout(Frame2);
    // Surname or company first, as the labels stand on the form.
    int radek = 0;
    for (int i : {ModelImportu::Prijmeni, ModelImportu::Jmeno, ModelImportu::Ulice, ModelImportu::Psc, ModelImportu::Mesto}) {
        lblPole[i] = new QLabel(ModelImportu::kPopisky[static_cast<size_t>(i)], Frame2);
        lblPole[i]->setObjectName(QStringLiteral("lblPole%1").arg(i));
        cmb[i] = new QComboBox(Frame2);
        cmb[i]->setObjectName(QStringLiteral("cmb%1").arg(i));
        cmb[i]->setMinimumContentsLength(12);
        pole->addWidget(lblPole[i], radek, 0);
        pole->addWidget(cmb[i], radek++, 1);
        pripoj(cmb[i], &QComboBox::activated, this, [this, i](int c) { m_model.setSloupec(i, c); });
    }
    pole->setColumnStretch(2, 1);

    cmdUlozit = new QPushButton(QStringLiteral("Uložit"), this);
    cmdUlozit->setObjectName(QStringLiteral("cmdUlozit"));
    cmdUlozit->setAutoDefault(false);
    pripoj(cmdUlozit, &QPushButton::clicked, this, [this] { cmdUlozit_Click(); });

    auto* dole = new QHBoxLayout;
    dole->addWidget(Frame2, 1);
    auto* vpravo = new QVBoxLayout;
    vpravo->addWidget(Frame1);
    vpravo->addStretch();
    vpravo->addWidget(cmdUlozit);
    dole->addLayout(vpravo);
    auto* svisle = new QVBoxLayout(this);
    svisle->setMenuBar(menu);
    svisle->addWidget(T, 1);
    svisle->addLayout(dole);
    resize(760, 520);
    zobraz();
}

void frmImport::zobraz() {
    const QStringList polozky = m_model.polozkySeznamu();
    for (int i = 0; i < kPoliZakaznika; ++i) {
        if (cmb[i]->count() != polozky.size()) {
            const QSignalBlocker b(cmb[i]);
            cmb[i]->clear();
            cmb[i]->addItems(polozky);
        }
        cmb[i]->setCurrentIndex(m_model.sloupec(i));
    }
    Check1->setEnabled(m_model.souborVybran());
    cmdUlozit->setEnabled(m_model.nacteno());
}

void frmImport::mnu_Import_Click() {
    const QString cesta = VyberSouborOtevrit(kTitulek,
                                             {{QStringLiteral("soubor dBase IV (*.dbf)"), QStringLiteral("*.dbf")},
                                              {QStringLiteral("text oddělený středníkem (*.csv)"), QStringLiteral("*.csv")}},
                                             QDir::homePath());
    if (cesta.isEmpty()) return;
    const Vysledek<> v = [&] {
        const KurzorCekani h;
        return m_model.nacti(cesta);
    }();
    zobraz();
    ohlas(v);
}

void frmImport::mnu_napoveda_Click() {
    // Our own page is HTML; an installation that still has the old MHTML page gets that one.
    QString napoveda = dataFile(QStringLiteral("Help/import.htm"));
    if (!QFileInfo::exists(napoveda)) napoveda = dataFile(QStringLiteral("Help/import.mht"));
    if (!platform::desktop().otevri(napoveda))
        MsgBox(QStringLiteral("Nápovědu %1 se nepodařilo otevřít.").arg(QDir::toNativeSeparators(napoveda)), Tlacitka::Ok,
               Ikona::Vykricnik, kTitulekUpozorneni);
}

void frmImport::cmdUlozit_Click() {
    if (!ohlas(m_model.kontrola())) return;
    if (MsgBox(QStringLiteral("Původní databáze bude přepsána !!!"), Tlacitka::OkCancel, Ikona::Vykricnik, kTitulekUpozorneni) !=
        Odpoved::Ok)
        return;
    const Vysledek<int> v = m_model.uloz();
    if (!ohlas(v)) return;
    QString zprava = QStringLiteral("Databáze byla úspěšně importována");
    if (*v > 0)
        zprava += QStringLiteral("\n\nZnaky, které databáze zákazníků neumí uložit, byly nahrazeny nejbližšími "
                                 "(změněných hodnot: %1).").arg(*v);
    MsgBox(zprava);
    accept();
}

void OknoImportu::ZobrazModalne() {
    const QPointer<frmImport> okno = new frmImport(m_soubor(), QApplication::activeWindow());
    okno->exec();
    if (okno) okno->deleteLater();
}

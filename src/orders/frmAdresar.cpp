#include "orders/frmAdresar.h"

#include "platform/Guard.h"
#include "platform/UserDialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Enter moves down the form as the boxes stand: JMÉNO, PŘÍJMENÍ, ULICE, PSČ, MĚSTO, then "Ok".
constexpr int kDalsi[kPoliZakaznika] = {ULICE, PRIJMENI, PSC, MESTO, -1};

QPushButton* tlacitko(const QString& text, const QString& jmeno, const QString& tip, QWidget* rodic) {
    auto* b = new QPushButton(text, rodic);
    b->setObjectName(jmeno);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

frmAdresar::frmAdresar(const QString& soubor, std::function<void(const RadkyZakaznika&)> vyber, QWidget* rodic)
    : QDialog(rodic), m_model(soubor), m_vyber(std::move(vyber)) {
    setObjectName(QStringLiteral("frmAdresar"));
    setWindowTitle(QStringLiteral("Databáze zákazníků"));

    L = new QListWidget(this);
    L->setObjectName(QStringLiteral("L"));
    Cislo_zaznamu = new QLabel(this);
    Cislo_zaznamu->setObjectName(QStringLiteral("Cislo_zaznamu"));

    for (int i = 0; i < kPoliZakaznika; ++i) {
        txtAdresa[i] = new QLineEdit(this);
        txtAdresa[i]->setObjectName(QStringLiteral("txtAdresa%1").arg(i));
        txtAdresa[i]->setMaxLength(i == PSC ? kNejdelsiPsc : kNejdelsiText);
        txtAdresa[i]->installEventFilter(this);
        pripoj(txtAdresa[i], &QLineEdit::textEdited, this, [this, i](const QString& t) { m_model.setText(i, t); });
    }
    auto* policka = new QGridLayout;
    const std::pair<const char*, int> popisky[] = {{"Jméno:", JMENO}, {"Příjmení (Firma):", PRIJMENI}, {"Ulice:", ULICE}};
    int radek = 0;
    for (const auto& [text, pole] : popisky) {
        policka->addWidget(new QLabel(QString::fromUtf8(text), this), radek, 0);
        policka->addWidget(txtAdresa[pole], radek++, 1, 1, 2);
    }
    policka->addWidget(new QLabel(QStringLiteral("PSČ  Město:"), this), radek, 0);
    txtAdresa[PSC]->setMaximumWidth(txtAdresa[PSC]->fontMetrics().horizontalAdvance(QStringLiteral("000 000")) + 16);
    policka->addWidget(txtAdresa[PSC], radek, 1);
    policka->addWidget(txtAdresa[MESTO], radek, 2);
    policka->setColumnStretch(2, 1);
    policka->setRowStretch(radek + 1, 1);

    cmbPrikaz[ModelAdresare::Novy] = tlacitko(QStringLiteral("Nový"), QStringLiteral("cmbPrikaz0"), QStringLiteral("Vytvoří nový záznam"), this);
    cmbPrikaz[ModelAdresare::Zmenit] = tlacitko(QStringLiteral("Změnit"), QStringLiteral("cmbPrikaz1"), QStringLiteral("Změní aktuální záznam"), this);
    cmbPrikaz[ModelAdresare::Smazat] = tlacitko(QStringLiteral("Smazat"), QStringLiteral("cmbPrikaz2"), QStringLiteral("Vymaže aktuální záznam"), this);
    cmbPrikaz[ModelAdresare::Ok] = tlacitko(QStringLiteral("Ok"), QStringLiteral("cmbPrikaz4"), {}, this);
    cmbPrikaz[ModelAdresare::Storno] = tlacitko(QStringLiteral("Storno"), QStringLiteral("cmbPrikaz5"), {}, this);
    // Reached with Enter from the last box, "Ok" takes Enter when it has the focus.
    cmbPrikaz[ModelAdresare::Ok]->setAutoDefault(true);
    cmdVybrat[0] = tlacitko(QStringLiteral("Ok"), QStringLiteral("cmdVybrat0"), QStringLiteral("Vybere aktuálního zákazníka"), this);
    cmdVybrat[1] = tlacitko(QStringLiteral("Storno"), QStringLiteral("cmdVybrat1"), {}, this);
    for (int i : {0, 1, 2, 4, 5}) pripoj(cmbPrikaz[i], &QPushButton::clicked, this, [this, i] { prikaz(i); });
    pripoj(cmdVybrat[0], &QPushButton::clicked, this, [this] {
        if (m_vyber) m_vyber(m_model.cmdVybrat());
        accept();
    });
    connect(cmdVybrat[1], &QPushButton::clicked, this, &QDialog::reject);
    pripoj(L, &QListWidget::currentRowChanged, this, [this](int r) {
        if (m_zobrazuje) return;
        m_model.L_Click(r);
        zobraz();
    });

    auto* prikazy = new QHBoxLayout;
    for (int i : {0, 1, 2, 4, 5}) prikazy->addWidget(cmbPrikaz[i]);
    prikazy->addStretch();
    prikazy->addWidget(cmdVybrat[0]);
    prikazy->addWidget(cmdVybrat[1]);

    auto* vlevo = new QVBoxLayout;
    vlevo->addWidget(L, 1);
    vlevo->addWidget(Cislo_zaznamu);
    auto* nahore = new QHBoxLayout;
    nahore->addLayout(vlevo, 2);
    nahore->addLayout(policka, 3);
    auto* svisle = new QVBoxLayout(this);
    svisle->addLayout(nahore, 1);
    svisle->addLayout(prikazy);
    resize(600, 300);
}

bool frmAdresar::nacti() {
    const bool ok = ohlas(m_model.nacti());
    zobraz();
    if (ok && !m_model.varovani().isEmpty()) MsgBox(m_model.varovani(), Tlacitka::Ok, Ikona::Vykricnik);
    return ok;
}

void frmAdresar::zobraz() {
    m_zobrazuje = true;
    const QStringList seznam = m_model.seznam();
    bool stejny = L->count() == seznam.size();
    for (int i = 0; stejny && i < L->count(); ++i) stejny = L->item(i)->text() == seznam[i];
    if (!stejny) {
        L->clear();
        L->addItems(seznam);
    }
    L->setCurrentRow(m_model.vybrany());
    m_zobrazuje = false;

    const bool upravy = m_model.upravy();
    for (int i = 0; i < kPoliZakaznika; ++i) {
        if (txtAdresa[i]->text() != m_model.texty()[static_cast<size_t>(i)]) txtAdresa[i]->setText(m_model.texty()[static_cast<size_t>(i)]);
        txtAdresa[i]->setEnabled(upravy);
    }
    for (int i : {0, 1, 2}) cmbPrikaz[i]->setVisible(!upravy);
    for (int i : {4, 5}) cmbPrikaz[i]->setVisible(upravy);
    for (QPushButton* b : cmdVybrat) b->setVisible(!upravy);
    for (int i : {1, 2}) cmbPrikaz[i]->setEnabled(m_model.zmenitSmazatPovoleno());
    L->setEnabled(!upravy);
    Cislo_zaznamu->setText(m_model.cisloZaznamu());
    Cislo_zaznamu->setVisible(m_model.cisloViditelne());
    // A new customer may land far down a long book. The window and the rebuilt list are laid out
    // first, so that the list's height and scroll range are final.
    if (QListWidgetItem* i = L->currentItem()) {
        layout()->activate();
        L->doItemsLayout();
        L->scrollToItem(i);
    }
}

void frmAdresar::prikaz(int i) {
    const QString oznameni = m_model.cmbPrikaz_Click(i);
    zobraz();
    if (i == ModelAdresare::Novy || i == ModelAdresare::Zmenit) txtAdresa[JMENO]->setFocus();
    else if (i == ModelAdresare::Ok || i == ModelAdresare::Storno) L->setFocus();
    if (!oznameni.isEmpty()) MsgBox(oznameni);
}

bool frmAdresar::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(e)->key();
        for (int i = 0; i < kPoliZakaznika; ++i) {
            if (o != txtAdresa[i] || (k != Qt::Key_Return && k != Qt::Key_Enter)) continue;
            if (kDalsi[i] < 0) cmbPrikaz[ModelAdresare::Ok]->setFocus();
            else txtAdresa[kDalsi[i]]->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void frmAdresar::keyPressEvent(QKeyEvent* e) {
    // Escape drops the customer being typed, as "Storno" does; the next Escape closes the book.
    if (e->key() == Qt::Key_Escape && m_model.upravy()) return void(runGuarded([this] { prikaz(ModelAdresare::Storno); }));
    QDialog::keyPressEvent(e);
}

void frmAdresar::closeEvent(QCloseEvent* e) {
    if (e->spontaneous() && m_model.rozpracovano()) {
        bool zavrit = false;
        runGuarded([&] {
            switch (MsgBox(kUlozitRozpracovany, Tlacitka::YesNoCancel, Ikona::Otaznik)) {
            case Odpoved::Yes:
                prikaz(ModelAdresare::Ok);
                // What "Ok" refuses keeps the window, with the text as typed.
                zavrit = !m_model.upravy();
                break;
            case Odpoved::No:
                prikaz(ModelAdresare::Storno);
                zavrit = true;
                break;
            default:
                break;
            }
        });
        if (!zavrit) return e->ignore();
    }
    QDialog::closeEvent(e);
}

void frmAdresar::done(int r) {
    const Vysledek<> v = m_model.uloz();
    if (!v && MsgBox(v.chyba() + QStringLiteral("\n\nZavřít okno bez uložení změn?"), Tlacitka::YesNo, Ikona::Vykricnik,
                     kTitulekUpozorneni, 2) != Odpoved::Yes)
        return;
    QDialog::done(r);
}

void OknoAdresare::ZobrazModalne() {
    const QPointer<frmAdresar> okno = new frmAdresar(m_soubor(), m_vyber, QApplication::activeWindow());
    if (okno->nacti()) okno->exec();
    if (okno) okno->deleteLater();
}

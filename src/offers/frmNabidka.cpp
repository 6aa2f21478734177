#include "offers/frmNabidka.h"

#include "offers/KodyNabidek.h"
#include "platform/Guard.h"
#include "platform/KonceRadku.h"
#include "platform/UserDialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* radek(QWidget* rodic, const char* jmeno, bool zobrazeni = false) {
    auto* e = new QLineEdit(rodic);
    e->setObjectName(QLatin1String(jmeno));
    if (zobrazeni) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
    }
    return e;
}

QComboBox* seznam(QWidget* rodic, const char* jmeno, bool volnyText) {
    auto* c = new QComboBox(rodic);
    c->setObjectName(QLatin1String(jmeno));
    c->setEditable(volnyText);
    if (volnyText) {
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setCompleter(nullptr);
    }
    return c;
}

// A label and its box, `sloupec` 0 or 1 of the form's two columns of pairs.
void pridej(QGridLayout* m, int radek, int sloupec, const QString& popisek, QWidget* w, const QString& jednotka = {}) {
    auto* l = new QLabel(popisek);
    l->setBuddy(w);
    // Apart from the unit or box to its left.
    if (sloupec == 1) l->setIndent(10);
    m->addWidget(l, radek, sloupec * 3);
    if (jednotka.isEmpty()) {
        m->addWidget(w, radek, sloupec * 3 + 1, 1, 2);
    } else {
        m->addWidget(w, radek, sloupec * 3 + 1);
        m->addWidget(new QLabel(jednotka), radek, sloupec * 3 + 2);
    }
}

void nastavSeznam(QComboBox* c, const QStringList& polozky, const QString& text) {
    const QSignalBlocker b(c);
    c->clear();
    c->addItems(polozky);
    c->setCurrentIndex(-1);
    c->setEditText(text);
}

}  // namespace

frmNabidka::frmNabidka(GlobalniData& g, PametNabidek& pamet, ModelNabidky::Sluzby sluzby, QWidget* rodic)
    : QDialog(rodic), m_model(g, pamet, std::move(sluzby)) {
    setObjectName(QStringLiteral("frmNabidka"));
    setWindowTitle(m_model.titulek());

    auto* oz = new QGroupBox(QStringLiteral("Obchodní zástupce"), this);
    auto* mOz = new QGridLayout(oz);
    mOz->setContentsMargins(6, 2, 6, 4);
    mOz->setVerticalSpacing(2);
    txtCisloOZ = radek(oz, "txtCisloOZ", true);
    txtJmenoOZ = radek(oz, "txtJmenoOZ", true);
    txtEmailOZ = radek(oz, "txtEmailOZ", true);
    txtTelefonOZ = radek(oz, "txtTelefonOZ", true);
    pridej(mOz, 0, 0, QStringLiteral("Číslo OZ:"), txtCisloOZ);
    pridej(mOz, 0, 1, QStringLiteral("Jméno OZ:"), txtJmenoOZ);
    pridej(mOz, 1, 0, QStringLiteral("Email OZ:"), txtEmailOZ);
    pridej(mOz, 1, 1, QStringLiteral("Telefon OZ:"), txtTelefonOZ);

    auto* povinne = new QGroupBox(QStringLiteral("Povinné údaje"), this);
    auto* m = new QGridLayout(povinne);
    m->setContentsMargins(6, 2, 6, 4);
    m->setVerticalSpacing(2);
    txtDatumNabidky = radek(povinne, "txtDatumNabidky");
    cmbNazevAkce = seznam(povinne, "cmbNazevAkce", true);
    txtMistoStavby = radek(povinne, "txtMistoStavby");
    txtUlice = radek(povinne, "txtUlice");
    txtUliceCP = radek(povinne, "txtUliceCP");
    cmbDruhStavby = seznam(povinne, "cmbDruhStavby", false);
    cmbDruhStavby->addItems(DruhyStavby());
    txtRealizacniFirma = radek(povinne, "txtRealizacniFirma");
    txtKontaktniOsoba = radek(povinne, "txtKontaktniOsoba");
    txtTelefon = radek(povinne, "txtTelefon");
    txtMail = radek(povinne, "txtMail");
    cmbObchodnik = seznam(povinne, "cmbObchodnik", true);
    txtObchodnikMesto = radek(povinne, "txtObchodnikMesto");
    txtPoznamka = new QPlainTextEdit(povinne);
    txtPoznamka->setObjectName(QStringLiteral("txtPoznamka"));
    txtPoznamka->setTabChangesFocus(true);
    txtPoznamka->setFixedHeight(txtMail->sizeHint().height() * 2);
    // The project down the left column, the customer and dealer down the right: Tab (the order
    // the boxes are made in) and the required-field check go the same way.
    pridej(m, 0, 0, QStringLiteral("Datum nabídky:"), txtDatumNabidky);
    pridej(m, 1, 0, QStringLiteral("Název akce:"), cmbNazevAkce);
    pridej(m, 2, 0, QStringLiteral("Místo stavby:"), txtMistoStavby);
    pridej(m, 3, 0, QStringLiteral("*Ulice:"), txtUlice);
    pridej(m, 4, 0, QStringLiteral("*ČP:"), txtUliceCP);
    pridej(m, 5, 0, QStringLiteral("Druh stavby:"), cmbDruhStavby);
    pridej(m, 0, 1, QStringLiteral("Realizační firma:"), txtRealizacniFirma);
    pridej(m, 1, 1, QStringLiteral("Kontaktní osoba:"), txtKontaktniOsoba);
    pridej(m, 2, 1, QStringLiteral("Telefon:"), txtTelefon);
    pridej(m, 3, 1, QStringLiteral("E-mail:"), txtMail);
    pridej(m, 4, 1, QStringLiteral("Obchodník:"), cmbObchodnik);
    pridej(m, 5, 1, QStringLiteral("Město:"), txtObchodnikMesto);
    m->addWidget(new QLabel(QStringLiteral("Poznámka:")), 6, 0);
    m->addWidget(txtPoznamka, 6, 1, 1, 5);
    auto* pozn = new QLabel(QStringLiteral("* Údaje pokud jsou známy je nutné je vyplnit. V opačném případě zůstanou nevyplněné"));
    pozn->setWordWrap(true);
    m->addWidget(pozn, 7, 0, 1, 6);
    m->setColumnStretch(1, 1);
    m->setColumnStretch(4, 1);

    auto* ceny = new QGridLayout;
    txtCenaBezDPH = radek(this, "txtCenaBezDPH", true);
    txtProjektovaSleva = radek(this, "txtProjektovaSleva", true);
    txtCenaPoSleveBezDPH = radek(this, "txtCenaPoSleveBezDPH", true);
    txtCenaPoSleveSDPH = radek(this, "txtCenaPoSleveSDPH", true);
    for (QLineEdit* e : {txtCenaBezDPH, txtProjektovaSleva, txtCenaPoSleveBezDPH, txtCenaPoSleveSDPH})
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pridej(ceny, 0, 0, QStringLiteral("Cena bez DPH:"), txtCenaBezDPH, QStringLiteral("Kč"));
    pridej(ceny, 0, 1, QStringLiteral("Projektová sleva v %:"), txtProjektovaSleva, QStringLiteral("%"));
    pridej(ceny, 1, 0, QStringLiteral("Cena po slevě bez DPH:"), txtCenaPoSleveBezDPH, QStringLiteral("Kč"));
    pridej(ceny, 1, 1, QStringLiteral("Cena po slevě s DPH"), txtCenaPoSleveSDPH, QStringLiteral("Kč"));

    Tabulka = new FlexGridView(this);
    Tabulka->setObjectName(QStringLiteral("Tabulka"));
    Tabulka->setGrid(&m_model.Tabulka);
    Tabulka->setMinimumHeight(90);
    FlexGrid& t = m_model.Tabulka;
    {
        FlexGridDavka davka(t);
        const QStringList nadpisy{QStringLiteral("Název dílu"), QStringLiteral("Obj.č."), QStringLiteral("Obj.č. původní"),
                                  QStringLiteral("Ks"), QStringLiteral("Cena/Ks"), QStringLiteral("Cena celkem")};
        constexpr double kPodily[] = {0.352, 0.11, 0.15, 0.06, 0.15, 0.15};
        constexpr FlexGrid::Zarovnani kZarovnani[] = {FlexGrid::VlevoStred, FlexGrid::StredStred,  FlexGrid::StredStred,
                                                      FlexGrid::StredStred, FlexGrid::VpravoStred, FlexGrid::VpravoStred};
        constexpr int kSirka = 10000;
        for (int c = 0; c < 6; ++c) {
            t.setTextMatrix(0, c, nadpisy[c]);
            t.setColWidth(c, qRound(kSirka * kPodily[c]));
            t.setColAlignment(c, kZarovnani[c]);
        }
        t.setFontSize(8);
        t.setFontBold(false);
        Tabulka->setSirkaNavrhu(kSirka);
    }
    Tabulka->setZvyrazneni(Zvyrazneni::Vzdy);

    cmdPridatUbrat[0] = new QPushButton(QStringLiteral("Přidat položku"), this);
    cmdPridatUbrat[1] = new QPushButton(QStringLiteral("Odebrat položku"), this);
    cmdUlozit = new QPushButton(QStringLiteral("Uložit"), this);
    cmdUlozit->setToolTip(QStringLiteral("Uloží nabídku"));
    cmdStorno = new QPushButton(QStringLiteral("Storno"), this);
    cmdStorno->setToolTip(QStringLiteral("Zruší nabídku"));
    cmdVymazat = new QPushButton(QStringLiteral("Vymazat"), this);
    cmdVymazat->setToolTip(QStringLiteral("Vymaže povinné údaje"));
    cmdPridatUbrat[0]->setObjectName(QStringLiteral("cmdPridatUbrat0"));
    cmdPridatUbrat[1]->setObjectName(QStringLiteral("cmdPridatUbrat1"));
    cmdUlozit->setObjectName(QStringLiteral("cmdUlozit"));
    cmdStorno->setObjectName(QStringLiteral("cmdStorno"));
    cmdVymazat->setObjectName(QStringLiteral("cmdVymazat"));
    for (QPushButton* b : {cmdPridatUbrat[0], cmdPridatUbrat[1], cmdUlozit, cmdStorno, cmdVymazat}) b->setAutoDefault(false);

    auto* tlacitka = new QHBoxLayout;
    tlacitka->addWidget(cmdPridatUbrat[0]);
    tlacitka->addWidget(cmdPridatUbrat[1]);
    tlacitka->addStretch();
    tlacitka->addWidget(cmdVymazat);
    tlacitka->addWidget(cmdUlozit);
    tlacitka->addWidget(cmdStorno);
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(6, 4, 6, 6);
    v->setSpacing(3);
    v->addWidget(oz);
    v->addWidget(povinne);
    v->addWidget(Tabulka, 1);
    v->addLayout(ceny);
    v->addLayout(tlacitka);

    // The offer's fields.
    const clsNabidka& n = m_model.nabidka();
    const UdajeNabidky& u = m_model.udaje();
    txtCisloOZ->setText(QString::number(n.CisloOZ.value()));
    txtJmenoOZ->setText(n.JmenoOZ);
    txtEmailOZ->setText(n.EmailOZ);
    txtTelefonOZ->setText(n.TelefonOZ);
    txtDatumNabidky->setText(u.DatumNabidky);
    nactiNazvy(u.NazevAkce);
    txtMistoStavby->setText(u.MistoStavby);
    txtUlice->setText(u.Ulice);
    txtUliceCP->setText(u.UliceCP);
    cmbDruhStavby->setCurrentIndex(u.DruhStavby);
    txtRealizacniFirma->setText(u.RealizacniFirma);
    txtKontaktniOsoba->setText(u.KontaktniOsoba);
    txtTelefon->setText(u.Telefon);
    txtMail->setText(u.Email);
    nastavSeznam(cmbObchodnik, m_model.obchodnici(), u.Obchodnik);
    txtObchodnikMesto->setText(u.ObchodnikMesto);
    txtPoznamka->setPlainText(radky::naLf(u.Poznamka));
    nactiCeny();

    cmbNazevAkce->installEventFilter(this);
    cmbNazevAkce->lineEdit()->installEventFilter(this);
    cmbNazevAkce->view()->installEventFilter(this);
    // A name picked from the list stays chosen, all its text selected, until the user edits it.
    connect(cmbNazevAkce, &QComboBox::activated, this, [this] {
        m_vybranyNazev = true;
        cmbNazevAkce->lineEdit()->selectAll();
    });
    connect(cmbNazevAkce->lineEdit(), &QLineEdit::textEdited, this, [this] { m_vybranyNazev = false; });
    pripoj(cmdUlozit, &QPushButton::clicked, this, [this] { cmdUlozit_Click(); });
    pripoj(cmdStorno, &QPushButton::clicked, this, [this] { reject(); });
    pripoj(cmdVymazat, &QPushButton::clicked, this, [this] { cmdVymazat_Click(); });
    pripoj(cmdPridatUbrat[0], &QPushButton::clicked, this, [this] {
        m_model.pridatPolozky();
        nactiCeny();
    });
    pripoj(cmdPridatUbrat[1], &QPushButton::clicked, this, [this] {
        m_model.odebratPolozku();
        nactiCeny();
    });
    resize(std::max(sizeHint().width(), 760), std::max(minimumSizeHint().height(), 540));
}

void frmNabidka::jenProhlizeni() {
    for (QPushButton* b : {cmdUlozit, cmdStorno, cmdPridatUbrat[0], cmdPridatUbrat[1]}) b->hide();
    for (QWidget* w : std::initializer_list<QWidget*>{txtDatumNabidky, cmbNazevAkce, txtMistoStavby, txtUlice, txtUliceCP,
                                                      cmbDruhStavby, txtRealizacniFirma, txtKontaktniOsoba, txtTelefon,
                                                      txtMail, cmbObchodnik, txtObchodnikMesto, txtPoznamka})
        w->setEnabled(false);
}

void frmNabidka::nactiCeny() {
    const std::array<QString, 4> c = m_model.ceny();
    txtCenaBezDPH->setText(c[0]);
    txtProjektovaSleva->setText(c[1]);
    txtCenaPoSleveBezDPH->setText(c[2]);
    txtCenaPoSleveSDPH->setText(c[3]);
    cmdPridatUbrat[1]->setEnabled(m_model.odebratPovoleno());
}

void frmNabidka::nactiNazvy(const QString& text) { nastavSeznam(cmbNazevAkce, m_model.nazvyAkci(), text); }

UdajeNabidky frmNabidka::udaje() const {
    UdajeNabidky u;
    u.DatumNabidky = txtDatumNabidky->text();
    u.NazevAkce = cmbNazevAkce->currentText();
    u.MistoStavby = txtMistoStavby->text();
    u.Ulice = txtUlice->text();
    u.UliceCP = txtUliceCP->text();
    u.DruhStavby = cmbDruhStavby->currentIndex();
    u.RealizacniFirma = txtRealizacniFirma->text();
    u.KontaktniOsoba = txtKontaktniOsoba->text();
    u.Telefon = txtTelefon->text();
    u.Email = txtMail->text();
    u.Obchodnik = cmbObchodnik->currentText();
    u.ObchodnikMesto = txtObchodnikMesto->text();
    u.Poznamka = radky::naCrLf(txtPoznamka->toPlainText());
    return u;
}

QWidget* frmNabidka::pole(PovinnePole p) const {
    switch (p) {
    case PovinnePole::DatumNabidky: return txtDatumNabidky;
    case PovinnePole::NazevAkce: return cmbNazevAkce;
    case PovinnePole::MistoStavby: return txtMistoStavby;
    case PovinnePole::DruhStavby: return cmbDruhStavby;
    case PovinnePole::RealizacniFirma: return txtRealizacniFirma;
    case PovinnePole::KontaktniOsoba: return txtKontaktniOsoba;
    case PovinnePole::Telefon: return txtTelefon;
    case PovinnePole::Email: return txtMail;
    case PovinnePole::Obchodnik: return cmbObchodnik;
    case PovinnePole::ObchodnikMesto: return txtObchodnikMesto;
    }
    return nullptr;
}

void frmNabidka::cmdUlozit_Click() {
    if (!ukaz(m_model.Uloz(udaje()), [this](PovinnePole p) { pole(p)->setFocus(); })) return;
    m_ulozeno = true;
    accept();
}

void frmNabidka::cmdVymazat_Click() {
    for (QLineEdit* e : {txtMistoStavby, txtUlice, txtUliceCP, txtRealizacniFirma, txtKontaktniOsoba, txtTelefon, txtMail,
                         txtObchodnikMesto})
        e->clear();
    for (QComboBox* c : {cmbNazevAkce, cmbObchodnik}) {
        c->setCurrentIndex(-1);
        c->clearEditText();
    }
    txtPoznamka->clear();
    cmbDruhStavby->setCurrentIndex(0);
}

// Storno, Escape and the close box (which comes here) drop the offer; a saved form only closes.
void frmNabidka::reject() {
    if (!m_ulozeno) m_model.Storno();
    QDialog::reject();
}

void frmNabidka::zapomenNazev(const QString& nazev) {
    runGuarded([&] {
        ohlas(m_model.zapomenNazevAkce(nazev));
        m_vybranyNazev = false;
        nactiNazvy(QString());
    });
}

bool frmNabidka::eventFilter(QObject* o, QEvent* e) {
    const bool box = o == cmbNazevAkce || o == cmbNazevAkce->lineEdit();
    const bool smazat = e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Delete;
    if (box && e->type() == QEvent::FocusOut && !cmbNazevAkce->view()->isVisible()) {
        const QString text = cmbNazevAkce->currentText();
        runGuarded([&] {
            ohlas(m_model.opustNazevAkce(text));
            nactiNazvy(text);
        });
    } else if (o == cmbNazevAkce->view() && smazat) {
        // Delete on an entry of the open list forgets that entry.
        const QString nazev = cmbNazevAkce->view()->currentIndex().data().toString();
        if (nazev.isEmpty()) return true;
        cmbNazevAkce->hidePopup();
        zapomenNazev(nazev);
        return true;
    } else if (box && smazat) {
        // In the box only a name just picked, wholly selected, is forgotten; Delete while editing
        // the text deletes characters.
        const QLineEdit* l = cmbNazevAkce->lineEdit();
        const int i = cmbNazevAkce->currentIndex();
        if (m_vybranyNazev && i >= 0 && l->selectedText() == l->text() && l->text() == cmbNazevAkce->itemText(i)) {
            zapomenNazev(l->text());
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

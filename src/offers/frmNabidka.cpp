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

// The offer's project fields as the form shows them: a line edit, or a combo box (`seznam`,
// its list filled apart). The project down the left column, the customer and dealer down the
// right: Tab (the order the boxes are made in) and the required-field check go the same way.
struct PoleFormulare {
    QLineEdit* frmNabidka::*radek;
    QComboBox* frmNabidka::*seznam;
    const char* jmeno;
    const char* popisek;
    int radekMrizky, sloupec;
    QString UdajeNabidky::*text;         // nullptr: the building type, a list index
    std::optional<PovinnePole> povinne;  // its place in the required-field check
    bool vymazat;                        // emptied by "Vymazat"
};

const PoleFormulare kPole[] = {
    {&frmNabidka::txtDatumNabidky, nullptr, "txtDatumNabidky", "Datum nabídky:", 0, 0, &UdajeNabidky::DatumNabidky,
     PovinnePole::DatumNabidky, false},
    {nullptr, &frmNabidka::cmbNazevAkce, "cmbNazevAkce", "Název akce:", 1, 0, &UdajeNabidky::NazevAkce, PovinnePole::NazevAkce, true},
    {&frmNabidka::txtMistoStavby, nullptr, "txtMistoStavby", "Místo stavby:", 2, 0, &UdajeNabidky::MistoStavby,
     PovinnePole::MistoStavby, true},
    {&frmNabidka::txtUlice, nullptr, "txtUlice", "*Ulice:", 3, 0, &UdajeNabidky::Ulice, std::nullopt, true},
    {&frmNabidka::txtUliceCP, nullptr, "txtUliceCP", "*ČP:", 4, 0, &UdajeNabidky::UliceCP, std::nullopt, true},
    {nullptr, &frmNabidka::cmbDruhStavby, "cmbDruhStavby", "Druh stavby:", 5, 0, nullptr, PovinnePole::DruhStavby, true},
    {&frmNabidka::txtRealizacniFirma, nullptr, "txtRealizacniFirma", "Realizační firma:", 0, 1, &UdajeNabidky::RealizacniFirma,
     PovinnePole::RealizacniFirma, true},
    {&frmNabidka::txtKontaktniOsoba, nullptr, "txtKontaktniOsoba", "Kontaktní osoba:", 1, 1, &UdajeNabidky::KontaktniOsoba,
     PovinnePole::KontaktniOsoba, true},
    {&frmNabidka::txtTelefon, nullptr, "txtTelefon", "Telefon:", 2, 1, &UdajeNabidky::Telefon, PovinnePole::Telefon, true},
    {&frmNabidka::txtMail, nullptr, "txtMail", "E-mail:", 3, 1, &UdajeNabidky::Email, PovinnePole::Email, true},
    {nullptr, &frmNabidka::cmbObchodnik, "cmbObchodnik", "Obchodník:", 4, 1, &UdajeNabidky::Obchodnik, PovinnePole::Obchodnik, true},
    {&frmNabidka::txtObchodnikMesto, nullptr, "txtObchodnikMesto", "Město:", 5, 1, &UdajeNabidky::ObchodnikMesto,
     PovinnePole::ObchodnikMesto, true},
};

QWidget* okno(const frmNabidka& f, const PoleFormulare& p) {
    if (p.radek) return f.*p.radek;
    return f.*p.seznam;
}

}  // namespace

frmNabidka::frmNabidka(GlobalniData& g, PametNabidek& pamet, ModelNabidky::Sluzby sluzby, QWidget* rodic)
    : QDialog(rodic), m_model(g, pamet, std::move(sluzby)) {
    setObjectName(QStringLiteral("frmNabidka"));
    setWindowTitle(m_model.titulek());

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(6, 4, 6, 6);
    v->setSpacing(3);
    v->addWidget(sestavZastupce());
    v->addWidget(sestavPovinne());
    v->addWidget(sestavTabulku(), 1);
    v->addLayout(sestavCeny());
    v->addLayout(sestavTlacitka());
    nactiUdaje(m_model.udaje());
    nactiCeny();
    for (const QString& chyba : m_model.chybyCteni()) ukazChybu(chyba);

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

QHBoxLayout* frmNabidka::sestavTlacitka() {
    const auto tlacitko = [this](const char* jmeno, const char* text, const char* tip = nullptr) {
        auto* b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QLatin1String(jmeno));
        if (tip) b->setToolTip(QString::fromUtf8(tip));
        b->setAutoDefault(false);
        return b;
    };
    cmdPridatUbrat[0] = tlacitko("cmdPridatUbrat0", "Přidat položku");
    cmdPridatUbrat[1] = tlacitko("cmdPridatUbrat1", "Odebrat položku");
    cmdUlozit = tlacitko("cmdUlozit", "Uložit", "Uloží nabídku");
    cmdStorno = tlacitko("cmdStorno", "Storno", "Zruší nabídku");
    cmdVymazat = tlacitko("cmdVymazat", "Vymazat", "Vymaže povinné údaje");
    auto* rada = new QHBoxLayout;
    rada->addWidget(cmdPridatUbrat[0]);
    rada->addWidget(cmdPridatUbrat[1]);
    rada->addStretch();
    for (QPushButton* b : {cmdVymazat, cmdUlozit, cmdStorno}) rada->addWidget(b);
    return rada;
}

QWidget* frmNabidka::sestavZastupce() {
    auto* oz = new QGroupBox(QStringLiteral("Obchodní zástupce"), this);
    auto* m = new QGridLayout(oz);
    m->setContentsMargins(6, 2, 6, 4);
    m->setVerticalSpacing(2);
    txtCisloOZ = radek(oz, "txtCisloOZ", true);
    txtJmenoOZ = radek(oz, "txtJmenoOZ", true);
    txtEmailOZ = radek(oz, "txtEmailOZ", true);
    txtTelefonOZ = radek(oz, "txtTelefonOZ", true);
    pridej(m, 0, 0, QStringLiteral("Číslo OZ:"), txtCisloOZ);
    pridej(m, 0, 1, QStringLiteral("Jméno OZ:"), txtJmenoOZ);
    pridej(m, 1, 0, QStringLiteral("Email OZ:"), txtEmailOZ);
    pridej(m, 1, 1, QStringLiteral("Telefon OZ:"), txtTelefonOZ);
    const clsNabidka& n = m_model.nabidka();
    txtCisloOZ->setText(QString::number(n.CisloOZ.value()));
    txtJmenoOZ->setText(n.JmenoOZ);
    txtEmailOZ->setText(n.EmailOZ);
    txtTelefonOZ->setText(n.TelefonOZ);
    return oz;
}

QWidget* frmNabidka::sestavPovinne() {
    auto* povinne = new QGroupBox(QStringLiteral("Povinné údaje"), this);
    auto* m = new QGridLayout(povinne);
    m->setContentsMargins(6, 2, 6, 4);
    m->setVerticalSpacing(2);
    for (const PoleFormulare& p : kPole) {
        QWidget* w = nullptr;
        if (p.radek) {
            w = this->*p.radek = radek(povinne, p.jmeno);
        } else {
            // The building type is picked from its list; a project name or a dealer may be typed.
            auto* c = new QComboBox(povinne);
            c->setObjectName(QLatin1String(p.jmeno));
            if (p.text) {
                c->setEditable(true);
                c->setInsertPolicy(QComboBox::NoInsert);
                c->setCompleter(nullptr);
            }
            w = this->*p.seznam = c;
        }
        pridej(m, p.radekMrizky, p.sloupec, QString::fromUtf8(p.popisek), w);
    }
    cmbDruhStavby->addItems(DruhyStavby());
    txtPoznamka = new QPlainTextEdit(povinne);
    txtPoznamka->setObjectName(QStringLiteral("txtPoznamka"));
    txtPoznamka->setTabChangesFocus(true);
    txtPoznamka->setFixedHeight(txtMail->sizeHint().height() * 2);
    m->addWidget(new QLabel(QStringLiteral("Poznámka:")), 6, 0);
    m->addWidget(txtPoznamka, 6, 1, 1, 5);
    auto* pozn = new QLabel(QStringLiteral("* Údaje pokud jsou známy je nutné je vyplnit. V opačném případě zůstanou nevyplněné"));
    pozn->setWordWrap(true);
    m->addWidget(pozn, 7, 0, 1, 6);
    m->setColumnStretch(1, 1);
    m->setColumnStretch(4, 1);
    return povinne;
}

QWidget* frmNabidka::sestavTabulku() {
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
    return Tabulka;
}

QGridLayout* frmNabidka::sestavCeny() {
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
    return ceny;
}

void frmNabidka::nactiUdaje(const UdajeNabidky& u) {
    for (const PoleFormulare& p : kPole)
        if (p.radek) (this->*p.radek)->setText(u.*p.text);
    nactiNazvy(u.NazevAkce);
    cmbDruhStavby->setCurrentIndex(u.DruhStavby);
    nastavSeznam(cmbObchodnik, m_model.obchodnici(), u.Obchodnik);
    txtPoznamka->setPlainText(radky::naLf(u.Poznamka));
}

void frmNabidka::jenProhlizeni() {
    for (QPushButton* b : {cmdUlozit, cmdStorno, cmdPridatUbrat[0], cmdPridatUbrat[1]}) b->hide();
    for (const PoleFormulare& p : kPole) okno(*this, p)->setEnabled(false);
    txtPoznamka->setEnabled(false);
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
    for (const PoleFormulare& p : kPole)
        if (p.text) u.*p.text = p.radek ? (this->*p.radek)->text() : (this->*p.seznam)->currentText();
    u.DruhStavby = cmbDruhStavby->currentIndex();
    u.Poznamka = radky::naCrLf(txtPoznamka->toPlainText());
    return u;
}

QWidget* frmNabidka::pole(PovinnePole chybi) const {
    for (const PoleFormulare& p : kPole)
        if (p.povinne == chybi) return okno(*this, p);
    return nullptr;
}

void frmNabidka::cmdUlozit_Click() {
    if (!ukaz(m_model.Uloz(udaje()), [this](PovinnePole p) { pole(p)->setFocus(); })) return;
    m_ulozeno = true;
    accept();
}

void frmNabidka::cmdVymazat_Click() {
    for (const PoleFormulare& p : kPole) {
        if (!p.vymazat) continue;
        if (p.radek) {
            (this->*p.radek)->clear();
        } else {
            QComboBox* c = this->*p.seznam;
            // The building type goes back to its first entry; a typed name is emptied.
            c->setCurrentIndex(c->isEditable() ? -1 : 0);
            if (c->isEditable()) c->clearEditText();
        }
    }
    txtPoznamka->clear();
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

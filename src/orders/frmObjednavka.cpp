#include "orders/frmObjednavka.h"

#include "net/frmNastaveni.h"
#include "orders/ObjednavkaXml.h"
#include "orders/OdeslaniObjednavky.h"
#include "platform/Guard.h"
#include "platform/KonceRadku.h"
#include "platform/Mnemoniky.h"
#include "platform/Numbers.h"
#include "platform/UserDialogs.h"
#include "util/Soubory.h"
#include "util/VolbaSouboru.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace {

const QList<FiltrSouboru> kFiltrObjednavek = {{QStringLiteral("XML soubor s objednávkou (*.xml)"), QStringLiteral("*.xml")}};
// The folder of the last order XML imported or exported, where both dialogs open next.
const QString kSlozkaObjednavek = QStringLiteral("Objednavka XML");

QLineEdit* box(const char* jmeno, int delka) {
    auto* e = new QLineEdit;
    e->setObjectName(QString::fromLatin1(jmeno));
    e->setMaxLength(delka);
    return e;
}

QPushButton* tlacitko(const QString& text, const char* jmeno) {
    auto* b = new QPushButton(text);
    b->setObjectName(QString::fromLatin1(jmeno));
    b->setAutoDefault(false);
    return b;
}

QLabel* cena(const char* jmeno) {
    auto* l = new QLabel;
    l->setObjectName(QString::fromLatin1(jmeno));
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(90);
    return l;
}

void nastavText(QLabel* l, const QString& t) {
    if (l->text() != t) l->setText(t);
}

}  // namespace

frmObjednavka::frmObjednavka(Sluzby sluzby, QWidget* rodic)
    : QMainWindow(rodic), m_sluzby(std::move(sluzby)), m_model(*m_sluzby.cenik, m_sluzby.DPH) {
    setObjectName(QStringLiteral("frmObjednavka"));
    setWindowTitle(QStringLiteral("Objednávkový list"));
    // Closing unloads it: the next use starts with an empty sheet and reads the settings again.
    setAttribute(Qt::WA_DeleteOnClose);
    if (!m_sluzby.detekce) m_sluzby.detekce = &m_detekceSystemu;

    sestavMenu();
    auto* stred = new QWidget;
    auto* svisle = new QVBoxLayout(stred);
    auto* horni = new QHBoxLayout;
    horni->addWidget(sestavSeznam(), 2);
    horni->addWidget(sestavPolozky(), 5);
    svisle->addLayout(horni, 1);
    svisle->addWidget(sestavOdeslani());
    setCentralWidget(stred);
    resize(790, 500);
    // Centred on the screen: left to the window manager, a sheet over the main menu on a
    // 600-pixel screen ended at its bottom edge.
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());

    m_model.zmeneno = [this] { nacti(); };
    txtID->setText(m_model.txtID);
    txtMail->setText(m_model.txtMail);
    txtDatumExpediceRok->setText(m_model.txtDatumExpediceRok);
    txtDatumExpediceMesic->setText(m_model.txtDatumExpediceMesic);
    cmbZavod->setCurrentIndex(-1);
    for (QLabel* l : lblCena) l->setText(m_model.lblCena);
    nacti();
    ohlasPoOtevreni(this, m_model.chybaCteni(HTTP));

    // Connected after the load, so that filling the boxes changes nothing.
    pripoj(lstObjednavky, &QListWidget::currentRowChanged, this, [this](int r) {
        // A count still in the editor belongs to the sub-order it was typed for.
        potvrdEditor();
        if (r >= 0 && r != m_model.ListIndex()) m_model.vyber(r);
        nacti();
    });
    pripoj(txtPoznamka, &QPlainTextEdit::textChanged, this, [this] {
        m_model.txtPoznamka_Change(radky::naCrLf(txtPoznamka->toPlainText()));
    });
    pripoj(cmdPridatKombinovanou, &QPushButton::clicked, this, [this] { mnuObjednavkaNaSklad->trigger(); });
    pripoj(cmdOdebratObjednavku, &QPushButton::clicked, this, [this] {
        if (!predPrikazem(PrikazObjednavky::cmdOdebratObjednavku)) return;
        m_model.cmdOdebratObjednavku_Click();
        nacti();
    });
    pripoj(cmdKomponentyPridat, &QPushButton::clicked, this, [this] {
        if (!predPrikazem(PrikazObjednavky::cmdKomponentyPridat)) return;
        if (m_sluzby.zobrazCenik) m_sluzby.zobrazCenik(&m_model);
        activateWindow();
        Tabulka->setFocus();
    });
    pripoj(cmdKomponentyOdebrat, &QPushButton::clicked, this, [this] {
        // The row current as the user chose the command goes, not the one Enter moves to.
        const int radek = m_model.Tabulka.Row();
        if (!predPrikazem(PrikazObjednavky::cmdKomponentyOdebrat)) return;
        m_model.Tabulka.setRow(radek);
        m_model.cmdKomponentyOdebrat_Click();
        nacti();
    });
    pripoj(Tabulka, &FlexGridView::znak, this, [this](QChar z) {
        // A count left in the editor (the focus moved off it) is stored before another opens, on
        // the row the user went to rather than the one Enter moves to.
        if (txtBox->isVisible() && jeCislice(z)) {
            const int radek = m_model.Tabulka.Row();
            if (!potvrdEditor()) return;
            m_model.Tabulka.setRow(radek);
        }
        if (m_model.Tabulka_KeyPress(z)) otevriEditor(z);
    });
    pripoj(Tabulka, &FlexGridView::klik, this, [this] { zavriEditor(); });
    pripoj(chkNabidka, &QCheckBox::toggled, this, [this](bool b) { m_model.chkNabidka = b; });
    pripoj(cmbZavod, &QComboBox::currentIndexChanged, this, [this](int i) { m_model.cmbZavod = i; });
    pripoj(txtDatumExpediceDen, &QLineEdit::textChanged, this, [this](const QString& t) { m_model.txtDatumExpediceDen = t; });
    pripoj(txtDatumExpediceMesic, &QLineEdit::textChanged, this, [this](const QString& t) { m_model.txtDatumExpediceMesic = t; });
    pripoj(txtDatumExpediceRok, &QLineEdit::textChanged, this, [this](const QString& t) { m_model.txtDatumExpediceRok = t; });
    // Told before the sheet's own activation arrives.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* okno) {
        if (!okno || okno == windowHandle()) return;
        const QWidgetList okna = QApplication::topLevelWidgets();
        const auto w = std::find_if(okna.begin(), okna.end(), [okno](const QWidget* w) { return w->windowHandle() == okno; });
        m_zVlastnihoOkna = w != okna.end() && vlastniOkno(*w);
    });
}

bool frmObjednavka::vlastniOkno(const QWidget* w) const {
    // The price list inserting into the sheet is its tool as much as its dialogs are.
    if (m_sluzby.oknoCeniku && w == m_sluzby.oknoCeniku()) return true;
    for (const QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (p == this) return true;
    return false;
}

frmObjednavka::~frmObjednavka() {
    m_model.zmeneno = nullptr;
    if (m_sluzby.odpojCenik) m_sluzby.odpojCenik(m_model);
}

QWidget* frmObjednavka::sestavSeznam() {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(new QLabel(QStringLiteral("Seznam objednávek")));
    lstObjednavky = new QListWidget;
    lstObjednavky->setObjectName(QStringLiteral("lstObjednavky"));
    lstObjednavky->installEventFilter(this);
    v->addWidget(lstObjednavky, 1);
    cmdPridatKombinovanou = tlacitko(QStringLiteral("Přidat \"objednávku na sklad\""), "cmdPridatKombinovanou");
    cmdOdebratObjednavku = tlacitko(QStringLiteral("Odebrat objednávku"), "cmdOdebratObjednavku");
    v->addWidget(cmdPridatKombinovanou);
    v->addWidget(cmdOdebratObjednavku);
    return w;
}

QWidget* frmObjednavka::sestavPolozky() {
    auto* w = new QWidget;
    auto* m = new QGridLayout(w);
    m->setContentsMargins(0, 0, 0, 0);
    Tabulka = new FlexGridView;
    Tabulka->setObjectName(QStringLiteral("Tabulka"));
    Tabulka->setGrid(&m_model.Tabulka);
    Tabulka->setSirkaNavrhu(ModelObjednavky::kSirkaMrizky);
    Tabulka->setZalamovaniHlavicky(true);
    Tabulka->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtBox = new BunkovyEditor(Tabulka->viewport());
    txtBox->setObjectName(QStringLiteral("txtBox"));
    txtBox->setMaxLength(4);
    txtBox->setAlignment(Qt::AlignCenter);
    txtBox->hide();
    txtBox->installEventFilter(this);
    m->addWidget(Tabulka, 0, 0, 1, 4);
    cmdKomponentyPridat = tlacitko(QStringLiteral("Přidat položku"), "cmdKomponentyPridat");
    cmdKomponentyOdebrat = tlacitko(QStringLiteral("Odebrat položku"), "cmdKomponentyOdebrat");
    m->addWidget(cmdKomponentyPridat, 1, 0);
    m->addWidget(cmdKomponentyOdebrat, 1, 1);
    m->addWidget(new QLabel(QStringLiteral("Poznámka")), 2, 0);
    txtPoznamka = new QPlainTextEdit;
    txtPoznamka->setObjectName(QStringLiteral("txtPoznamka"));
    txtPoznamka->setMaximumHeight(70);
    m->addWidget(txtPoznamka, 3, 0, 1, 4);
    m->setRowStretch(0, 1);

    auto* ceny = new QGridLayout;
    const char* jmena[2][2] = {{"lblCenaVybraneObjednavky0", "lblCenaVybraneObjednavky1"}, {"lblCenaCelkem0", "lblCenaCelkem1"}};
    const QString popisy[2] = {QStringLiteral("Cena vybrané objednávky:"), QStringLiteral("CENA CELKEM:")};
    for (int r = 0; r < 2; ++r) {
        QLabel** radek = r == 0 ? lblCenaVybraneObjednavky : lblCenaCelkem;
        ceny->addWidget(new QLabel(popisy[r]), r, 0);
        ceny->addWidget(radek[0] = cena(jmena[r][0]), r, 1);
        ceny->addWidget(new QLabel(QStringLiteral("Kč")), r, 2);
        ceny->addWidget(lblCena[r] = new QLabel, r, 3);
        ceny->addWidget(radek[1] = cena(jmena[r][1]), r, 4);
        ceny->addWidget(new QLabel(QStringLiteral("Kč")), r, 5);
    }
    m->addLayout(ceny, 4, 0, 1, 4);
    return w;
}

QWidget* frmObjednavka::sestavOdeslani() {
    auto* w = new QFrame;
    w->setFrameShape(QFrame::StyledPanel);
    auto* h = new QGridLayout(w);
    chkNabidka = new QCheckBox(QStringLiteral("Nabídka:"));
    chkNabidka->setObjectName(QStringLiteral("chkNabidka"));
    chkNabidka->setLayoutDirection(Qt::RightToLeft);
    cmbZavod = new QComboBox;
    cmbZavod->setObjectName(QStringLiteral("cmbZavod"));
    cmbZavod->addItems(kZavody);
    txtDatumExpediceDen = box("txtDatumExpediceDen", 2);
    txtDatumExpediceMesic = box("txtDatumExpediceMesic", 2);
    txtDatumExpediceRok = box("txtDatumExpediceRok", 4);
    for (QLineEdit* e : {txtDatumExpediceDen, txtDatumExpediceMesic}) e->setFixedWidth(34);
    txtDatumExpediceRok->setFixedWidth(52);
    txtID = box("txtID", 32767);
    txtMail = box("txtMail", 32767);
    txtID->setEnabled(false);
    txtMail->setEnabled(false);

    auto* odeslat = new QLabel(QStringLiteral("Odeslat =>"));
    QFont tucne = odeslat->font();
    tucne.setBold(true);
    odeslat->setFont(tucne);
    h->addWidget(odeslat, 0, 0, 2, 1);
    h->addWidget(chkNabidka, 0, 1);
    h->addWidget(cmbZavod, 1, 1);
    h->addWidget(new QLabel(QStringLiteral("Datum expedice:")), 0, 2, 1, 3);
    h->addWidget(txtDatumExpediceDen, 1, 2);
    h->addWidget(txtDatumExpediceMesic, 1, 3);
    h->addWidget(txtDatumExpediceRok, 1, 4);
    const QString popisky[] = {QStringLiteral("den"), QStringLiteral("měsíc"), QStringLiteral("rok")};
    for (int i = 0; i < 3; ++i) h->addWidget(new QLabel(popisky[i]), 2, 2 + i);
    h->addWidget(new QLabel(QStringLiteral("ID:")), 0, 5);
    h->addWidget(txtID, 0, 6);
    h->addWidget(new QLabel(QStringLiteral("E-mail:")), 1, 5);
    h->addWidget(txtMail, 1, 6);
    h->setColumnStretch(6, 1);
    return w;
}

void frmObjednavka::prikaz(QAction* a, PrikazObjednavky p, const std::function<void()>& udalost) {
    pripoj(a, &QAction::triggered, this, [this, p, udalost] {
        if (!predPrikazem(p)) return;
        udalost();
        nacti();
    });
}

bool frmObjednavka::predPrikazem(PrikazObjednavky p) { return !ctePocty(p) || potvrdEditor(); }

void frmObjednavka::sestavMenu() {
    QSet<QChar> lista, nabidka;
    QMenu* mnuObjednavka = menuBar()->addMenu(sMnemonikou(QStringLiteral("Objednávka"), lista));
    const auto polozka = [&](const QString& text, const char* jmeno, const char* zkratka) {
        QAction* a = mnuObjednavka->addAction(sMnemonikou(text, nabidka));
        a->setObjectName(QString::fromLatin1(jmeno));
        if (zkratka) a->setShortcut(QKeySequence(QString::fromLatin1(zkratka)));
        return a;
    };
    mnuObjednavkaNaSklad = polozka(kObjednavkaNaSklad, "mnuObjednavkaNaSklad", nullptr);
    mnuImportObjednavky = polozka(QStringLiteral("Import objednávky ..."), "mnuImportObjednavky", "Ctrl+I");
    mnuExportObjednavky = polozka(QStringLiteral("Export objednávky ..."), "mnuExportObjednavky", "Ctrl+E");
    mnuObjednavka->addSeparator();
    mnuTisk = polozka(QStringLiteral("Tisk ..."), "mnuTisk", "Ctrl+P");
    mnuOdeslat = polozka(QStringLiteral("Odeslat ..."), "mnuOdeslat", "Ctrl+O");
    mnuObjednavka->addSeparator();
    mnuKonec = polozka(QStringLiteral("Konec"), "mnuKonec", "Ctrl+X");
    mnuNastaveni = menuBar()->addAction(sMnemonikou(QStringLiteral("Nastavení"), lista));
    mnuNastaveni->setObjectName(QStringLiteral("mnuNastaveni"));
    mnuNapoveda = menuBar()->addAction(sMnemonikou(QStringLiteral("Nápověda"), lista));
    mnuNapoveda->setObjectName(QStringLiteral("mnuNapoveda"));

    using P = PrikazObjednavky;
    prikaz(mnuObjednavkaNaSklad, P::mnuObjednavkaNaSklad, [this] { m_model.objednavkaNaSklad(); });
    prikaz(mnuImportObjednavky, P::mnuImportObjednavky, [this] { mnuImportObjednavky_Click(); });
    prikaz(mnuExportObjednavky, P::mnuExportObjednavky, [this] { mnuExportObjednavky_Click(); });
    prikaz(mnuTisk, P::mnuTisk, [this] { ohlas(mnuTisk_Click(m_model)); });
    prikaz(mnuOdeslat, P::mnuOdeslat, [this] { mnuOdeslat_Click(); });
    prikaz(mnuKonec, P::mnuKonec, [this] { mnuKonec_Click(); });
    prikaz(mnuNastaveni, P::mnuNastaveni, [this] { mnuNastaveni_Click(); });
    prikaz(mnuNapoveda, P::mnuNapoveda, [] { mnuNapoveda_Click(); });
}

void frmObjednavka::nacti() {
    const ModelObjednavky& m = m_model;
    {
        const QSignalBlocker b(lstObjednavky);
        bool stejne = lstObjednavky->count() == m.lstObjednavky.size();
        for (int i = 0; stejne && i < lstObjednavky->count(); ++i) stejne = lstObjednavky->item(i)->text() == m.lstObjednavky[i];
        if (!stejne) {
            lstObjednavky->clear();
            lstObjednavky->addItems(m.lstObjednavky);
        }
        lstObjednavky->setCurrentRow(m.ListIndex());
    }
    {
        const QString poznamka = radky::naLf(m.txtPoznamka());
        const QSignalBlocker b(txtPoznamka);
        if (txtPoznamka->toPlainText() != poznamka) txtPoznamka->setPlainText(poznamka);
    }
    for (int i = 0; i < 2; ++i) {
        nastavText(lblCenaVybraneObjednavky[i], m.lblCenaVybraneObjednavky[i]);
        nastavText(lblCenaCelkem[i], m.lblCenaCelkem[i]);
    }
    cmdOdebratObjednavku->setEnabled(m.cmdOdebratObjednavku());
    cmdKomponentyPridat->setEnabled(m.cmdKomponentyPridat());
    cmdKomponentyOdebrat->setEnabled(m.cmdKomponentyOdebrat());
    const bool volno = !m.odesilani();
    // "Konec" stays enabled: like the close box it says why the sheet stays.
    for (QAction* a : {mnuObjednavkaNaSklad, mnuImportObjednavky, mnuExportObjednavky, mnuTisk, mnuOdeslat, mnuNastaveni})
        a->setEnabled(volno);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdPridatKombinovanou, txtPoznamka, lstObjednavky, chkNabidka, cmbZavod,
                                                     txtDatumExpediceDen, txtDatumExpediceMesic, txtDatumExpediceRok})
        w->setEnabled(volno);
    if (!m.odesilani()) m_hodiny.reset();
    else if (!m_hodiny) m_hodiny.emplace();
}

void frmObjednavka::aktivovano() {
    potvrdEditor();
    m_model.aktivovano();
    nacti();
}

void frmObjednavka::otevriEditor(QChar znak) {
    const int r = m_model.radekEditoru();
    Tabulka->scrollTo(m_model.Tabulka.index(m_model.Tabulka.radekModelu(r), ModelObjednavky::PocetKs));
    txtBox->setGeometry(Tabulka->obdelnikBunky(r, ModelObjednavky::PocetKs));
    txtBox->setText(znak);
    txtBox->show();
    txtBox->setFocus();
}

void frmObjednavka::zavriEditor() {
    m_model.Tabulka_Click();
    txtBox->hide();
    txtBox->clear();
}

bool frmObjednavka::potvrdEditor() {
    if (!txtBox->isVisible()) return true;
    const QString text = txtBox->text();
    txtBox->hide();
    txtBox->clear();
    const bool ulozeno = runGuarded([&] { m_model.txtBox_Enter(text); });
    nacti();
    return ulozeno;
}

void frmObjednavka::mnuExportObjednavky_Click() {
    if (m_model.lstObjednavky.isEmpty()) {
        MsgBox(kNeniCoExportovat);
        return;
    }
    QString cesta =
        VyberSouborKUlozeni(kTitulekExportu, kFiltrObjednavek, zapamatovanaSlozka(kSlozkaObjednavek), QStringLiteral("xml"));
    if (cesta.isEmpty()) return;
    zapamatujSlozku(kSlozkaObjednavek, cesta);
    ohlas(ExportObjednavky(m_model, false, cesta));
}

void frmObjednavka::mnuImportObjednavky_Click() {
    const QString cesta = VyberSouborOtevrit(kTitulekImportu, kFiltrObjednavek, zapamatovanaSlozka(kSlozkaObjednavek));
    if (cesta.isEmpty()) return;
    zapamatujSlozku(kSlozkaObjednavek, cesta);
    if (const Vysledek<QString> xml = NactiSoubor(cesta); ohlas(xml)) ohlas(importujObjednavky(m_model, *xml, cesta));
}

void frmObjednavka::mnuOdeslat_Click() {
    const Hlaseni<Fokus> v = ::mnuOdeslat_Click(m_model, HTTP);
    nacti();
    const auto fokus = [this](Fokus f) {
        switch (f) {
        case Fokus::cmbZavod: cmbZavod->setFocus(); break;
        case Fokus::Rok: txtDatumExpediceRok->setFocus(); break;
        case Fokus::Mesic: txtDatumExpediceMesic->setFocus(); break;
        case Fokus::Den: txtDatumExpediceDen->setFocus(); break;
        case Fokus::Zadny: break;
        }
    };
    // The sheet's messages carry no icon, whatever they say.
    ukaz(v, fokus, Ikona::Zadna, Ikona::Zadna);
}

void frmObjednavka::mnuNastaveni_Click() {
    frmNastaveni nastaveni(HTTP, m_model.Objednavka.nastaveni(), *m_sluzby.detekce, this);
    nastaveni.exec();
    m_model.txtID = m_model.Objednavka.ID();
    m_model.txtMail = m_model.Objednavka.Email();
    txtID->setText(m_model.txtID);
    txtMail->setText(m_model.txtMail);
}

void frmObjednavka::mnuKonec_Click() {
    if (m_model.odesilani()) {
        MsgBox(m_model.zpravaOdesilani());
        return;
    }
    m_bezOtazky = true;
    close();
}

bool frmObjednavka::smiSkoncit() {
    if (m_model.odesilani()) {
        MsgBox(m_model.zpravaOdesilani());
        return false;
    }
    if (m_model.lstObjednavky.isEmpty()) return true;
    ukazOkno(this);
    return MsgBox(kZavritList, Tlacitka::YesNo, Ikona::Otaznik) == Odpoved::Yes;
}

bool frmObjednavka::event(QEvent* e) {
    const bool v = QMainWindow::event(e);
    // Back from the sheet's own dialog the user's sub-order stays selected.
    if (e->type() == QEvent::WindowActivate && !std::exchange(m_zVlastnihoOkna, false))
        runGuarded([this] { aktivovano(); });
    return v;
}

bool frmObjednavka::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return QMainWindow::eventFilter(o, e);
    const int klavesa = static_cast<QKeyEvent*>(e)->key();
    if (o == txtBox && (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter)) {
        potvrdEditor();
        Tabulka->setFocus();
        return true;
    }
    if (o == lstObjednavky && klavesa == Qt::Key_Delete) {
        cmdOdebratObjednavku->click();
        return true;
    }
    return QMainWindow::eventFilter(o, e);
}

void frmObjednavka::closeEvent(QCloseEvent* e) {
    // The client is waiting for the server: the sheet it answers to stays.
    if (m_model.odesilani()) {
        if (e->spontaneous()) MsgBox(m_model.zpravaOdesilani());
        return e->ignore();
    }
    const bool otazka = !std::exchange(m_bezOtazky, false) && e->spontaneous() && !m_model.lstObjednavky.isEmpty();
    if (otazka && MsgBox(kZavritList, Tlacitka::YesNo, Ikona::Otaznik) != Odpoved::Yes) return e->ignore();
    e->accept();
}

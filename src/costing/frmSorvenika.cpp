#include "costing/frmSorvenika.h"

#include "costing/frmPomocnik.h"
#include "costing/frmPoznamka.h"
#include "engine/Sorvenika.h"
#include "platform/Guard.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QtMath>
#include <QVBoxLayout>

namespace {

const QColor kCihlova(150, 40, 25);
const QColor kStin(190, 190, 190);

// Our own logo: a chimney over a roof line and the maker's name.
QPixmap logo(qreal meritko) {
    const QSize velikost(168, 40);
    QPixmap obr(velikost * meritko);
    obr.setDevicePixelRatio(meritko);
    obr.fill(Qt::transparent);
    QPainter p(&obr);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kCihlova);
    p.drawRect(QRectF(12, 6, 12, 28));
    p.setBrush(kCihlova.darker(130));
    p.drawRect(QRectF(9, 3, 18, 5));
    p.setPen(QPen(QColor(90, 90, 90), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath strecha;
    strecha.moveTo(2, 37);
    strecha.lineTo(18, 24);
    strecha.lineTo(34, 37);
    p.setBrush(Qt::NoBrush);
    p.drawPath(strecha);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(19);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    p.setFont(f);
    p.setPen(kCihlova);
    p.drawText(QRectF(42, 0, 126, 40), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("KESTROMA"));
    return obr;
}

QFrame* cara(QWidget* rodic, const QString& jmeno) {
    auto* c = new QFrame(rodic);
    c->setObjectName(jmeno);
    c->setFrameShape(QFrame::HLine);
    c->setFrameShadow(QFrame::Sunken);
    return c;
}

ClickableLabel* odkaz(const QString& text, QWidget* rodic, const QString& jmeno) {
    auto* l = new ClickableLabel(text, rodic);
    l->setObjectName(jmeno);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

Qt::Alignment zarovnani(FlexGrid::Zarovnani z) {
    switch (z) {
    case FlexGrid::StredStred: return Qt::AlignHCenter | Qt::AlignVCenter;
    case FlexGrid::VpravoStred: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

frmSorvenika::frmSorvenika(GlobalniData& g, Sluzby sluzby, QWidget* rodic)
    : QMainWindow(rodic), m_g(g), m_model(g), m_sluzby(std::move(sluzby)) {
    setObjectName(QStringLiteral("frmSorvenika"));
    m_model.setKalkulacky(std::move(m_sluzby.kalkulacky));

    Ram = new QFrame(this);
    Ram->setObjectName(QStringLiteral("Ram"));
    setCentralWidget(Ram);

    Tabulka = new FlexGridView(Ram);
    Tabulka->setObjectName(QStringLiteral("Tabulka"));
    Tabulka->setSirkaNavrhu(ModelListu::kSirkaTabulky);
    Tabulka->setGrid(&m_model.Tabulka);
    txtBox = new BunkovyEditor(Tabulka->viewport());
    txtBox->setObjectName(QStringLiteral("txtBox"));
    txtBox->hide();
    txtBox->installEventFilter(this);

    TabSuma = new FlexGridView(Ram);
    TabSuma->setObjectName(QStringLiteral("TabSuma"));
    TabSuma->setGrid(&m_model.TabSuma);
    TabSuma->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TabSuma->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtKoef = new BunkovyEditor(TabSuma->viewport());
    txtKoef->setObjectName(QStringLiteral("txtKoef"));
    txtKoef->hide();
    txtKoef->installEventFilter(this);

    lblPoznamka = odkaz(QStringLiteral("Poznámka"), Ram, QStringLiteral("lblPoznamka"));
    nastavBarvu(lblPoznamka, kBarvaOdkazu);
    QFont podtrzene = lblPoznamka->font();
    podtrzene.setUnderline(true);
    lblPoznamka->setFont(podtrzene);
    lblNabidka = odkaz(kPopisekNabidky, Ram, QStringLiteral("lblNabidka"));
    nastavBarvu(lblNabidka, kCihlova);
    QFont tucne = lblNabidka->font();
    tucne.setBold(true);
    lblNabidka->setFont(tucne);
    lblPoznDodani = new QLabel(kPopisekCertifikatu, Ram);
    lblPoznDodani->setObjectName(QStringLiteral("lblPoznDodani"));
    nastavBarvu(lblPoznDodani, QColor(90, 90, 90));
    Line1[0] = cara(Ram, QStringLiteral("Line1_0"));
    Line1[1] = cara(Ram, QStringLiteral("Line1_1"));

    // The band under the items: summary, customer, note and totals; the footer with the
    // certificate line and the offer label.
    auto* stred = new QVBoxLayout;
    stred->addWidget(sestavZakaznika());
    stred->addStretch();
    auto* soucty = new QVBoxLayout;
    soucty->setSpacing(2);
    soucty->addStretch();
    soucty->addWidget(lblPoznamka, 0, Qt::AlignLeft);
    soucty->addWidget(TabSuma);
    auto* pas = new QHBoxLayout;
    pas->setSpacing(8);
    pas->addWidget(sestavParametry(), 1);
    pas->addLayout(stred);
    pas->addLayout(soucty);

    auto* svisle = new QVBoxLayout(Ram);
    svisle->setContentsMargins(6, 4, 6, 4);
    svisle->setSpacing(5);
    svisle->addWidget(sestavZahlavi());
    svisle->addWidget(Line1[0]);
    svisle->addWidget(Tabulka, 1);
    svisle->addLayout(pas);
    svisle->addWidget(Line1[1]);
    auto* pata = new QHBoxLayout;
    pata->addWidget(lblPoznDodani);
    pata->addStretch();
    pata->addWidget(lblNabidka);
    svisle->addLayout(pata);

    sestavMenu();

    connect(&m_model, &ModelListu::prikazZmenen, this, &frmSorvenika::nactiPrikaz);
    connect(&m_model, &ModelListu::ramyZmeneny, this, &frmSorvenika::nactiRamy);
    connect(&m_model, &ModelListu::souhrnZmenen, this, &frmSorvenika::nactiSouhrn);
    connect(&m_model, &ModelListu::txtBoxZmenen, this, [this] { nactiEditor(txtBox, Tabulka, m_model.txtBox()); });
    connect(&m_model, &ModelListu::txtKoefZmenen, this, [this] { nactiEditor(txtKoef, TabSuma, m_model.txtKoef()); });
    connect(&m_model, &ModelListu::zvyrazneniZmeneno, this,
            [this] { Tabulka->setZvyrazneni(m_model.zvyrazneniTabulky()); });
    connect(&m_model, &ModelListu::zamerTabulku, this, [this] { Tabulka->setFocus(); });
    connect(&m_model, &ModelListu::zamerTxtBox, this, [this] { txtBox->setFocus(); });
    connect(&m_model, &ModelListu::zamerTxtKoef, this, [this] { txtKoef->setFocus(); });
    connect(&m_model, &ModelListu::zakaznikZmenen, this, [this](int i) {
        if (txtZakaznik[i]->text() != m_model.zakaznik(i)) txtZakaznik[i]->setText(m_model.zakaznik(i));
    });
    pripoj(txtBox, &QLineEdit::textEdited, this, [this](const QString& t) { m_model.setTextTxtBox(t); });
    pripoj(txtKoef, &QLineEdit::textEdited, this, [this](const QString& t) { m_model.setTextTxtKoef(t); });
    pripoj(Tabulka, &FlexGridView::klik, this, [this] { m_model.Tabulka_Click(); });
    pripoj(Tabulka, &FlexGridView::klavesaDolu, this, [this](int k, Qt::KeyboardModifiers) { m_model.Tabulka_KeyDown(k); });
    pripoj(Tabulka, &FlexGridView::znak, this, [this](QChar z) { m_model.Tabulka_KeyPress(z); });
    pripoj(TabSuma, &FlexGridView::klik, this, [this] { m_model.TabSuma_Click(); });
    pripoj(TabSuma, &FlexGridView::znak, this, [this](QChar z) { m_model.TabSuma_KeyPress(z); });
    for (ClickableLabel* l : lblParametry)
        pripoj(l, &ClickableLabel::stisknuto, this, [this](Qt::MouseButton b) {
            if (b == Qt::LeftButton && m_sluzby.pruvodce && potvrdEditor()) m_sluzby.pruvodce->ZobrazModalne();
        });
    pripoj(lblPoznamka, &ClickableLabel::stisknuto, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton && potvrdEditor()) lblPoznamka_Click();
    });
    pripoj(lblNabidka, &ClickableLabel::stisknuto, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton && m_sluzby.nabidka && potvrdEditor()) m_sluzby.nabidka(m_model.kalkulace());
    });
    pripoj(this, &frmSorvenika::prikaz, this, [this](Prikaz p) { proved(p); });

    m_model.Form_Load();
    setWindowTitle(m_model.titulek());
    for (const PolozkaMenu& p : polozkyMenu()) nactiPrikaz(p.prikaz);
    nactiRamy();
    nactiEditor(txtBox, Tabulka, m_model.txtBox());
    nactiEditor(txtKoef, TabSuma, m_model.txtKoef());
    Tabulka->setZvyrazneni(m_model.zvyrazneniTabulky());
    nastavTabSumu();
    if (const QScreen* s = screen()) nastavRozmery(s->availableGeometry());
}

QWidget* frmSorvenika::sestavZahlavi() {
    auto* zahlavi = new QWidget(Ram);
    auto* radek = new QHBoxLayout(zahlavi);
    radek->setContentsMargins(0, 0, 0, 0);

    auto* nadpis = new QWidget(zahlavi);
    auto* vrstvy = new QGridLayout(nadpis);
    vrstvy->setContentsMargins(0, 0, 0, 0);
    QFont velke = font();
    velke.setPointSizeF(font().pointSizeF() * 1.6);
    velke.setBold(true);
    const int posun = naPixely(*this, 30);
    for (int i = 0; i < 2; ++i) {
        lblSystem[i] = new QLabel(QStringLiteral("Název systému"), nadpis);
        lblSystem[i]->setObjectName(QStringLiteral("lblSystem%1").arg(i));
        lblSystem[i]->setFont(velke);
    }
    // The grey copy lies behind, 30 twips to the right and down.
    lblSystem[1]->setContentsMargins(posun, posun, 0, 0);
    nastavBarvu(lblSystem[1], kStin);
    lblSystem[0]->setContentsMargins(0, 0, posun, posun);
    nastavBarvu(lblSystem[0], kCihlova);
    vrstvy->addWidget(lblSystem[1], 0, 0);
    vrstvy->addWidget(lblSystem[0], 0, 0);

    Image1 = new QLabel(zahlavi);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(logo(devicePixelRatioF()));

    radek->addWidget(nadpis);
    radek->addStretch();
    radek->addWidget(Image1);
    return zahlavi;
}

QWidget* frmSorvenika::sestavParametry() {
    RamParametry = new QFrame(Ram);
    RamParametry->setObjectName(QStringLiteral("RamParametry"));
    RamParametry->setFrameShape(QFrame::StyledPanel);
    RamParametry->setMinimumHeight(naPixely(*this, 1650));
    RamParametry->setMaximumWidth(naPixely(*this, 4455));
    auto* m = new QGridLayout(RamParametry);
    m->setContentsMargins(8, 6, 8, 6);
    m->setVerticalSpacing(2);
    for (int i = 0; i < 4; ++i) {
        lblParametry[i] = new ClickableLabel(RamParametry);
        lblParametry[i]->setObjectName(QStringLiteral("lblParametry%1").arg(i));
        // The longest terminations do not fit beside the picture on one line.
        lblParametry[i]->setWordWrap(true);
        m->addWidget(lblParametry[i], i, 0);
    }
    lblTvarnice = new QLabel(RamParametry);
    lblTvarnice->setObjectName(QStringLiteral("lblTvarnice"));
    m->addWidget(lblTvarnice, 4, 0);
    // The cross-section picture at the top right.
    imgPrurez = new QLabel(RamParametry);
    imgPrurez->setObjectName(QStringLiteral("imgPrurez"));
    imgPrurez->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m->addWidget(imgPrurez, 0, 1, 5, 1);
    Obrazek = new QLabel(RamParametry);
    Obrazek->setObjectName(QStringLiteral("Obrazek"));
    Obrazek->hide();
    m->setColumnStretch(0, 1);
    m->setRowStretch(5, 1);
    return RamParametry;
}

QWidget* frmSorvenika::sestavZakaznika() {
    RamZakaznik = new QGroupBox(QStringLiteral("Zákazník"), Ram);
    RamZakaznik->setObjectName(QStringLiteral("RamZakaznik"));
    RamZakaznik->setMinimumWidth(naPixely(*this, 2250));
    RamZakaznik->setMaximumWidth(naPixely(*this, 3165));
    auto* svisle = new QVBoxLayout(RamZakaznik);
    svisle->setContentsMargins(6, 4, 6, 6);
    svisle->setSpacing(3);
    for (int i = 0; i < 3; ++i) {
        txtZakaznik[i] = new QLineEdit(RamZakaznik);
        txtZakaznik[i]->setObjectName(QStringLiteral("txtZakaznik%1").arg(i));
        svisle->addWidget(txtZakaznik[i]);
        pripoj(txtZakaznik[i], &QLineEdit::textEdited, this, [this, i](const QString& t) { m_model.setZakaznik(i, t); });
    }
    return RamZakaznik;
}

void frmSorvenika::sestavMenu() {
    QMenu* nabidka = nullptr;
    for (const PolozkaMenu& p : polozkyMenu()) {
        QAction* a = nullptr;
        if (p.druh == DruhPolozky::Nabidka) {
            nabidka = menuBar()->addMenu(p.sMnemonikou);
            nabidka->setObjectName(p.jmeno);
            a = nabidka->menuAction();
        } else if (p.druh == DruhPolozky::Carka) {
            a = nabidka->addSeparator();
        } else {
            a = p.vListe ? menuBar()->addAction(p.sMnemonikou) : nabidka->addAction(p.sMnemonikou);
            if (!p.zkratka.isEmpty()) a->setShortcut(QKeySequence(p.zkratka, QKeySequence::PortableText));
            a->setCheckable(p.zaskrtavaci);
            const Prikaz prikaz = p.prikaz;
            pripoj(a, &QAction::triggered, this, [this, prikaz] {
                emit this->prikaz(prikaz);
                nactiPrikaz(prikaz);
            });
        }
        a->setObjectName(p.jmeno);
        m_akce[static_cast<size_t>(p.prikaz)] = a;
    }
}

void frmSorvenika::nactiPrikaz(Prikaz p) {
    QAction* a = akce(p);
    if (!a) return;
    const StavPrikazu& s = m_model.stav(p);
    a->setVisible(s.viditelny);
    a->setEnabled(s.povoleny);
    if (a->isCheckable()) a->setChecked(s.zaskrtnuty);
}

void frmSorvenika::nactiRamy() {
    Ram->setVisible(m_model.ramViditelny());
    RamZakaznik->setVisible(m_model.zakaznikViditelny());
}

// A picture that is missing or cannot be read shows none rather than the previous costing's.
void frmSorvenika::nactiSouhrn() {
    const ModelListu::Souhrn& s = m_model.souhrn();
    for (int i = 0; i < 4; ++i) lblParametry[i]->setText(s.parametry[static_cast<size_t>(i)]);
    lblTvarnice->setText(s.tvarnice);
    QPixmap obrazek;
    if (!s.obrazekPrurezu.isEmpty() && obrazek.load(s.obrazekPrurezu)) imgPrurez->setPixmap(obrazek);
    else imgPrurez->clear();
}

void frmSorvenika::nactiEditor(BunkovyEditor* box, const FlexGridView* mrizka, const EditorBunky& e) {
    box->setTextovy(e.textovy);
    box->setAlignment(zarovnani(e.zarovnani));
    box->setMaxLength(e.maxDelka > 0 ? e.maxDelka : 32767);
    if (box->text() != e.text) box->setText(e.text);
    if (e.viditelny)
        if (const QRect r = mrizka->obdelnikBunky(e.radek, e.sloupec); !r.isEmpty()) box->setGeometry(r);
    box->setVisible(e.viditelny);
}

// The totals grid's size is fixed at load, when its rows are set. Its columns keep their
// widths' ratios but grow together until the labels fit the desktop's font, which is usually
// wider than the one the widths were chosen for.
void frmSorvenika::nastavTabSumu() {
    const FlexGrid& s = m_model.TabSuma;
    const QFontMetrics fm(TabSuma->font());
    const int okraj = 2 * (TabSuma->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, TabSuma) + 1);
    const int sloupce = m_model.sirkaTabSumy() - 60;
    double k = 1;
    for (int c = 0; c < s.Cols(); ++c) {
        const int sirka = naPixely(*this, s.ColWidth(c));
        if (sirka <= 0) continue;
        for (int r = 0; r < s.Rows(); ++r)
            k = std::max(k, static_cast<double>(fm.horizontalAdvance(s.TextMatrix(r, c)) + okraj) / sirka);
    }
    TabSuma->setSirkaNavrhu(sloupce);
    TabSuma->setFixedSize(qCeil(naPixely(*this, sloupce) * k) + naPixely(*this, 60),
                          naPixely(*this, m_model.vyskaTabSumy()));
}

void frmSorvenika::nastavRozmery(const QRect& dostupna) {
    const int ram = naPixely(*this, ModelListu::vyskaRamu(naTwipy(*this, dostupna.height())));
    // On a narrow screen the width leaves room for the borders the window manager adds.
    const int sirka = std::min(naPixely(*this, ModelListu::kSirkaRamu), dostupna.width() - naPixely(*this, 120));
    const int vyska = std::min(ram + menuBar()->sizeHint().height(), dostupna.height());
    resize(sirka, vyska);
    move(dostupna.left() + (dostupna.width() - sirka) / 2, dostupna.top());
}

void frmSorvenika::closeEvent(QCloseEvent* e) {
    e->accept();
    if (e->spontaneous()) mnu_Zpet_do_menu_Click();
}

void frmSorvenika::mnu_Zpet_do_menu_Click() {
    if (m_odchazi) return;
    m_odchazi = true;
    VymazSorveniku(m_g);
    hide();
    deleteLater();
    if (m_sluzby.zpetDoMenu) m_sluzby.zpetDoMenu();
}

bool frmSorvenika::eventFilter(QObject* o, QEvent* e) {
    // Leaving the totals editor for another control of the sheet drops what was typed; a message
    // box or another window taking the focus does not.
    if (o == txtKoef && e->type() == QEvent::FocusOut && txtKoef->isVisible()) {
        const Qt::FocusReason r = static_cast<QFocusEvent*>(e)->reason();
        if (r != Qt::ActiveWindowFocusReason && r != Qt::PopupFocusReason) runGuarded([this] { m_model.txtKoef_LostFocus(); });
    }
    if (e->type() != QEvent::KeyPress || (o != txtBox && o != txtKoef)) return QMainWindow::eventFilter(o, e);
    const int k = static_cast<QKeyEvent*>(e)->key();
    const bool enter = k == Qt::Key_Return || k == Qt::Key_Enter;
    if (o == txtKoef) {
        if (enter) runGuarded([this] { m_model.txtKoef_KeyPress(u'\r'); });
        else if (k == Qt::Key_Escape) runGuarded([this] {
            m_model.txtKoef_LostFocus();
            TabSuma->setFocus();
        });
        return enter || k == Qt::Key_Escape || k == Qt::Key_Tab || k == Qt::Key_Backtab;
    }
    if (k == Qt::Key_Escape) runGuarded([this] { m_model.txtBox_KeyDown(Qt::Key_Escape); });
    else if (enter) runGuarded([this] { m_model.txtBox_KeyPress(u'\r'); });
    return enter || k == Qt::Key_Escape || k == Qt::Key_Tab || k == Qt::Key_Backtab;
}

bool frmSorvenika::potvrdEditor() {
    bool potvrzeno = false;
    return runGuarded([&] { potvrzeno = m_model.potvrdEditor(); }) && potvrzeno;
}

void frmSorvenika::proved(Prikaz p) {
    if (ctePolozky(p) && !potvrdEditor()) return;
    const VystupyListu& v = m_sluzby.vystupy;
    switch (p) {
    case Prikaz::mnu_Nova_sorvenika:
        if (m_sluzby.pruvodce) m_model.mnu_Nova_sorvenika_Click(*m_sluzby.pruvodce);
        break;
    case Prikaz::mnu_Zpet_do_menu: mnu_Zpet_do_menu_Click(); break;
    case Prikaz::mnu_Export_do_Excelu:
        if (v.ExportDoExcelu) ohlas(v.ExportDoExcelu(m_model.kalkulace()));
        break;
    case Prikaz::mnu_Ulozit_jako_HTML:
    case Prikaz::mnu_Email:
        if (!v.Sorvenika2Html) return;
        if (p == Prikaz::mnu_Email) PosliEmailem(m_model.kalkulace(), v);
        else if (!UlozJakoHtml(m_model.kalkulace(), v)) return;
        m_model.Nastav_kurzor_v_tabulce(1);
        break;
    case Prikaz::mnuPridat: mnuPridat_Click(); break;
    case Prikaz::mnu_Tisk:
        if (!v.Tisk) return;
        if (const Vysledek<> t = v.Tisk(m_model.kalkulace()); !t) MsgBox(t.chyba(), Tlacitka::Ok, Ikona::Zadna, t.zdroj());
        break;
    case Prikaz::mnu_Konec:
        if (m_sluzby.konec) m_sluzby.konec();
        break;
    case Prikaz::mnuSadaStred: m_model.mnuSadaStred_Click(); break;
    case Prikaz::mnuObjednavky:
        if (m_sluzby.objednavky) m_sluzby.objednavky->Zobraz();
        break;
    case Prikaz::mnuNabidky:
        if (m_sluzby.nabidky) m_sluzby.nabidky->Zobraz();
        break;
    case Prikaz::mnu_Import:
        if (m_sluzby.importZakazniku) m_sluzby.importZakazniku->ZobrazModalne();
        break;
    case Prikaz::mnu_Export: ExportDatabazeZakazniku(m_g.nastaveni); break;
    case Prikaz::mnu_Zakaznik:
        if (m_sluzby.adresar) m_sluzby.adresar->ZobrazModalne();
        break;
    case Prikaz::mnu_Aktualizace: {
        const Vysledek<> v = [] {
            const KurzorCekani h;
            return SpustAktualizaci();
        }();
        if (!v) MsgBox(v.chyba(), Tlacitka::Ok, Ikona::Vykricnik, kTitulekUpozorneni);
        else if (m_sluzby.konec) m_sluzby.konec();
        break;
    }
    case Prikaz::mnuTahak: mnuTahak_Click(); break;
    default: m_model.prepniVolbu(p); break;
    }
}

void frmSorvenika::lblPoznamka_Click() {
    const QPointer<frmPoznamka> okno = new frmPoznamka(this);
    const Kalkulace k = m_model.kalkulace();
    okno->lblPoznamka->setPlainText(doEditoru(SystemovyText(k)));
    okno->txtPoznamka->setPlainText(doEditoru(k.parametry.Poznamka));
    const bool ulozit = okno->exec() == QDialog::Accepted;
    if (!okno) return;
    if (ulozit) m_model.setPoznamka(okno->poznamka());
    okno->deleteLater();
}

void frmSorvenika::mnuPridat_Click() {
    if (!m_sluzby.objednavka) return m_sluzby.objednavky->Zobraz();
    m_sluzby.objednavka->PridatObjednavku(PridaniDoObjednavky(m_model.kalkulace()));
    m_sluzby.objednavka->Zobraz();
}

void frmSorvenika::mnuTahak_Click() {
    const QPointer<frmPomocnik> okno = new frmPomocnik(this);
    okno->exec();
    if (okno) okno->deleteLater();
}

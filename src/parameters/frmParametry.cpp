#include "parameters/frmParametry.h"

#include "platform/QtWidgety.h"
#include "parameters/TextyParametru.h"
#include "platform/Guard.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTimer>
#include <QValidator>
#include <QVBoxLayout>

using P = Prvek;

namespace {

// The count boxes take digits only.
class OmezeniVstupu : public QValidator {
public:
    OmezeniVstupu(Prvek p, QObject* rodic) : QValidator(rodic), m_p(p) {}
    State validate(QString& text, int&) const override {
        return ModelParametru::povolenyVstup(m_p, text) ? Acceptable : Invalid;
    }

private:
    Prvek m_p;
};

QLabel* popisek(const QString& text, QWidget* rodic) { return new QLabel(text, rodic); }

QString jmenoPrvku(Prvek p) {
    static const char* const jmena[kPocetPrvku] = {
        "ram1", "ram2a", "ram2b", "ram2c", "ram3", "Frame1_0", "Frame1_1",
        "cmbPrurez", "txtVyska", "optSachta0", "optSachta1",
        "optKourovod0", "optKourovod1", "optKourovod2", "optKourovod3", "lblKourovod0", "lblKourovod1",
        "chkHorniDvirka", "chkDruheNapojeniKourovodu", "chkTermoTvarnice", "txtTermoTvarnice", "Label1_4",
        "chkpata", "optPata0", "optPata1", "chkSouprava0", "chkSouprava1",
        "lblPocetNapojovacichDilu", "txtPocetNapojovacichDilu",
        "optUkonceni0", "optUkonceni1", "optUkonceni2", "optUkonceni3", "optUkonceni4", "optUkonceni5",
        "lblPrislusenstvi",
        "txtVyskaOrlex", "txtDil_Orlex", "txtTyc_Orlex", "txtZSLKT",
        "txtVyskaObezdivky", "optCihla0", "optCihla1", "txtPocetCihel", "txtPocetPytluObezdivka",
        "cmbVyskaPlaste", "optPlast0", "optPlast1",
        "optVolbaStatZajisteni0", "optVolbaStatZajisteni1", "txtVyskaNadstresniCasti",
        "chkStatickaSouprava0", "chkStatickaSouprava1", "chkStatickaSouprava2", "optKotevniPrvek0", "optKotevniPrvek1",
        "cmdZpet", "cmdDalsi", "cmdOk",
    };
    return QString::fromLatin1(jmena[static_cast<size_t>(p)]);
}

}  // namespace

template <typename W>
W* frmParametry::zapis(Prvek p, W* w) {
    w->setObjectName(jmenoPrvku(p));
    m_w[static_cast<size_t>(p)] = w;
    m_prvky.insert(w, p);
    w->installEventFilter(this);
    return w;
}

QRadioButton* frmParametry::volba(Prvek p, const QString& text, QButtonGroup* skupina) {
    auto* r = zapis(p, new QRadioButton(text));
    skupina->addButton(r);
    pripoj(r, &QAbstractButton::clicked, this, [this, p, r] {
        udalost([this, p] { m_model.klik(p); });
        // An arrow key gives the focus to the button it chose after this click: a focus the
        // click asked for elsewhere ("NE" to Ok) is given again once that is done.
        if (QWidget* f = QApplication::focusWidget(); f && f != r)
            QTimer::singleShot(0, f, [f] { f->setFocus(Qt::OtherFocusReason); });
    });
    return r;
}

QCheckBox* frmParametry::box(Prvek p, const QString& text) {
    auto* c = zapis(p, new QCheckBox(text));
    pripoj(c, &QAbstractButton::clicked, this, [this, p] { udalost([this, p] { m_model.klik(p); }); });
    return c;
}

QLineEdit* frmParametry::pole(Prvek p) {
    auto* e = zapis(p, new QLineEdit);
    // The typed length is held by the key filter; setMaxLength would cut computed text.
    if (ModelParametru::maxDelka(p) > 0) e->setMaximumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 8 + 12);
    if (!ModelParametru::povolenyVstup(p, QStringLiteral("x"))) e->setValidator(new OmezeniVstupu(p, e));
    e->setReadOnly(ModelParametru::jenProCteni(p));
    pripoj(e, &QLineEdit::textEdited, this, [this, p](const QString& t) { m_model.zmenText(p, t); });
    pripoj(e, &QLineEdit::returnPressed, this, [this, p] { udalost([this, p] { m_model.enter(p); }); });
    return e;
}

frmParametry::frmParametry(const GlobalniData& g, Sluzby sluzby, QWidget* rodic)
    : QDialog(rodic), m_model(g), m_sluzby(std::move(sluzby)) {
    setObjectName(QStringLiteral("frmParametry"));
    setWindowTitle(texty::kTitulekOkna);
    m_model.nastavZkouskuKalkulace(m_sluzby.zkouska);
    setModal(true);

    m_ramy = new QStackedWidget(this);
    for (QWidget* r : {sestavRam1(), sestavRam2a(), sestavRam2b(), sestavRam2c(), sestavRam3()}) m_ramy->addWidget(r);

    auto* zpet = zapis(P::cmdZpet, new QPushButton(texty::kZpet));
    auto* dalsi = zapis(P::cmdDalsi, new QPushButton(texty::kDalsi));
    auto* ok = zapis(P::cmdOk, new QPushButton(texty::kOk));
    // Enter in a box confirms the box; it never presses a button.
    for (QPushButton* b : {zpet, dalsi, ok}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    pripoj(zpet, &QPushButton::clicked, this, [this] { udalost([this] { m_model.cmdZpet_Click(); }); });
    pripoj(dalsi, &QPushButton::clicked, this, [this] { udalost([this] { m_model.cmdDalsi_Click(); }); });
    pripoj(ok, &QPushButton::clicked, this, [this] { cmdOk_Click(); });

    auto* tlacitka = new QGridLayout;
    tlacitka->setColumnStretch(0, 1);
    tlacitka->addWidget(zpet, 0, 1);
    tlacitka->addWidget(dalsi, 0, 2);  // "Další" and "Ok" share a place
    tlacitka->addWidget(ok, 0, 2);

    auto* hlavni = new QVBoxLayout(this);
    hlavni->addWidget(m_ramy);
    hlavni->addLayout(tlacitka);
    hlavni->setSizeConstraint(QLayout::SetFixedSize);

    for (int i = 0; i < m_model.polozky(P::cmbPrurez).size(); ++i)
        static_cast<QComboBox*>(prvek(P::cmbPrurez))->addItem(m_model.polozky(P::cmbPrurez)[i]);
    static_cast<QComboBox*>(prvek(P::cmbVyskaPlaste))->addItems(m_model.polozky(P::cmbVyskaPlaste));
    sync();
}

QWidget* frmParametry::sestavRam1() {
    auto* ram = zapis(P::ram1, new QGroupBox(texty::kRam1));
    auto* m = new QGridLayout(ram);

    auto* prurez = zapis(P::cmbPrurez, new QComboBox);
    prurez->setMinimumContentsLength(6);
    pripoj(prurez, &QComboBox::activated, this, [this](int i) { udalost([this, i] { m_model.vyber(P::cmbPrurez, i); }); });
    m->addWidget(popisek(texty::kPrumerKominu, ram), 0, 0);
    m->addWidget(prurez, 0, 1);
    m->addWidget(popisek(texty::kCm, ram), 0, 2);
    m->addWidget(popisek(texty::kVyskaKominu, ram), 1, 0);
    m->addWidget(pole(P::txtVyska), 1, 1);
    m->addWidget(popisek(texty::kM, ram), 1, 2);

    auto* sachta = new QButtonGroup(ram);
    auto* sachty = new QVBoxLayout;
    for (int i = 0; i < 2; ++i) sachty->addWidget(volba(posun(P::optSachta0, i), texty::kSachta[i], sachta));
    m->addLayout(sachty, 0, 3, 2, 2);

    // Flue 1 on the left; flue 2 with the row labels in an inner frame beside it.
    auto* kourovody = zapis(P::Frame1_0, new QFrame);
    auto* k = new QGridLayout(kourovody);
    k->setContentsMargins(0, 0, 0, 0);
    auto* prvni = new QButtonGroup(kourovody);
    auto* druhy = new QButtonGroup(kourovody);
    auto* frame3 = new QFrame(kourovody);
    auto* k3 = new QGridLayout(frame3);
    k3->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 2; ++i) {
        auto* v1 = volba(optKourovod(i), {}, prvni);
        auto* v2 = volba(optKourovod(2 + i), {}, druhy);
        k->addWidget(v1, i, 0);
        k3->addWidget(zapis(posun(P::lblKourovod0, i), popisek(texty::kKourovod[i], frame3)), i, 0);
        k3->addWidget(v2, i, 1);
    }
    k->addWidget(frame3, 0, 1, 2, 1);
    m->addWidget(kourovody, 2, 0, 2, 2);

    auto* dvere = new QVBoxLayout;
    dvere->addWidget(box(P::chkHorniDvirka, texty::kHorniDvirka));
    dvere->addWidget(box(P::chkDruheNapojeniKourovodu, texty::kDruheNapojeni));
    auto* tvarnice = new QHBoxLayout;
    tvarnice->addWidget(box(P::chkTermoTvarnice, texty::kTermoTvarnice));
    tvarnice->addWidget(pole(P::txtTermoTvarnice));
    tvarnice->addWidget(zapis(P::Label1_4, popisek(texty::kKs, ram)));
    tvarnice->addStretch();
    dvere->addLayout(tvarnice);
    m->addLayout(dvere, 2, 3, 2, 2);

    auto* pata = zapis(P::Frame1_1, new QFrame);
    auto* pm = new QHBoxLayout(pata);
    pm->setContentsMargins(0, 0, 0, 0);
    auto* strany = new QButtonGroup(pata);
    pm->addWidget(box(P::chkpata, texty::kPata));
    for (int i = 0; i < 2; ++i) pm->addWidget(volba(posun(P::optPata0, i), texty::kStranaPaty[i], strany));
    pm->addStretch();
    m->addWidget(pata, 4, 0, 1, 2);

    auto* soupravy = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) soupravy->addWidget(box(chkSouprava(i), texty::kSouprava[i]));
    soupravy->addStretch();
    m->addLayout(soupravy, 4, 3, 1, 2);

    auto* napojeni = new QHBoxLayout;
    napojeni->addWidget(zapis(P::lblPocetNapojovacichDilu, popisek(texty::kPocetNapojovacichDilu, ram)));
    napojeni->addWidget(pole(P::txtPocetNapojovacichDilu));
    napojeni->addStretch();
    m->addLayout(napojeni, 5, 0, 1, 2);

    auto* ukonceni = new QGroupBox(texty::kVariantaUkonceni, ram);
    auto* um = new QGridLayout(ukonceni);
    auto* skupina = new QButtonGroup(ukonceni);
    for (int i = 0; i < 6; ++i) um->addWidget(volba(optUkonceni(i), texty::kUkonceni[i], skupina), i % 3, i / 3);
    m->addWidget(ukonceni, 6, 0, 1, 5);

    auto* odkaz = zapis(P::lblPrislusenstvi, new ClickableLabel(texty::kPrislusenstvi, ram));
    odkaz->setCursor(Qt::PointingHandCursor);
    // Reached with Tab and pressed with Enter; a click does not take the focus from a height box.
    odkaz->setFocusPolicy(Qt::TabFocus);
    odkaz->setStyleSheet(QStringLiteral("QLabel { color: #0000c0; text-decoration: underline; border: 1px solid transparent; }"
                                        "QLabel:focus { border: 1px dotted #0000c0; }"
                                        "QLabel:disabled { color: gray; }"));
    pripoj(odkaz, &ClickableLabel::stisknuto, this, [this](Qt::MouseButton b) {
        if (b != Qt::LeftButton) return;
        udalost([this] {
            if (m_model.lblPrislusenstvi_Click() && m_sluzby.prislusenstvi) m_sluzby.prislusenstvi();
        });
    });
    m->addWidget(odkaz, 7, 4, Qt::AlignRight);
    m->setColumnStretch(2, 1);
    return ram;
}

QWidget* frmParametry::sestavRam2a() {
    auto* ram = zapis(P::ram2a, new QGroupBox(texty::kRam2a));
    auto* m = new QGridLayout(ram);
    const std::pair<P, QString> radky[] = {{P::txtVyskaOrlex, texty::kVyska},
                                           {P::txtDil_Orlex, texty::kDilOrlex},
                                           {P::txtTyc_Orlex, texty::kTycOrlex},
                                           {P::txtZSLKT, texty::kZSLKT}};
    int r = 0;
    for (const auto& [p, text] : radky) {
        m->addWidget(popisek(text, ram), r, 0);
        m->addWidget(pole(p), r, 1);
        m->addWidget(popisek(r == 0 ? texty::kM : texty::kKs, ram), r, 2);
        ++r;
    }
    m->setRowStretch(r, 1);
    m->setColumnStretch(3, 1);
    return ram;
}

QWidget* frmParametry::sestavRam2b() {
    auto* ram = zapis(P::ram2b, new QGroupBox(texty::kRam2b));
    auto* m = new QGridLayout(ram);
    m->addWidget(popisek(texty::kVyskaObezdivky, ram), 0, 0);
    m->addWidget(pole(P::txtVyskaObezdivky), 0, 1);
    m->addWidget(popisek(texty::kM, ram), 0, 2);
    auto* cihly = new QButtonGroup(ram);
    for (int i = 0; i < 2; ++i) m->addWidget(volba(posun(P::optCihla0, i), texty::kCihla[i], cihly), 1 + i, 0, 1, 4);
    m->addWidget(popisek(texty::kPocetCihel, ram), 3, 0);
    m->addWidget(pole(P::txtPocetCihel), 3, 1);
    m->addWidget(popisek(texty::kKs, ram), 3, 2);
    m->addWidget(popisek(texty::kZdiciSmes, ram), 4, 0);
    m->addWidget(pole(P::txtPocetPytluObezdivka), 4, 1);
    m->addWidget(popisek(texty::kKs, ram), 4, 2);
    m->setRowStretch(5, 1);
    m->setColumnStretch(3, 1);
    return ram;
}

QWidget* frmParametry::sestavRam2c() {
    auto* ram = zapis(P::ram2c, new QGroupBox(texty::kRam2c));
    auto* m = new QGridLayout(ram);
    auto* vyska = zapis(P::cmbVyskaPlaste, new QComboBox);
    pripoj(vyska, &QComboBox::activated, this,
            [this](int i) { udalost([this, i] { m_model.vyber(P::cmbVyskaPlaste, i); }); });
    m->addWidget(popisek(texty::kVyskaPlaste, ram), 0, 0);
    m->addWidget(vyska, 0, 1);
    m->addWidget(popisek(texty::kCm, ram), 0, 2);
    auto* plast = new QButtonGroup(ram);
    for (int i = 0; i < 2; ++i) m->addWidget(volba(posun(P::optPlast0, i), texty::kPlast[i], plast), 1 + i, 0, 1, 4);
    m->setRowStretch(3, 1);
    m->setColumnStretch(3, 1);
    return ram;
}

QWidget* frmParametry::sestavRam3() {
    auto* ram = zapis(P::ram3, new QGroupBox(texty::kRam3));
    auto* m = new QGridLayout(ram);
    auto* uvod = popisek(texty::kStatikaUvod + QLatin1Char('\n') + texty::kStatikaDoporuceni, ram);
    uvod->setWordWrap(true);
    m->addWidget(uvod, 0, 0, 1, 4);

    m->addWidget(popisek(texty::kDoporucenyZpusob, ram), 1, 0);
    auto* volbaStat = new QButtonGroup(ram);
    auto* anoNe = new QHBoxLayout;
    for (int i = 0; i < 2; ++i)
        anoNe->addWidget(volba(posun(P::optVolbaStatZajisteni0, i), texty::kVolbaStat[i], volbaStat));
    anoNe->addStretch();
    m->addLayout(anoNe, 1, 1, 1, 3);

    m->addWidget(popisek(texty::kVyskaNadstresni, ram), 2, 0);
    auto* vyska = new QHBoxLayout;
    vyska->addWidget(pole(P::txtVyskaNadstresniCasti));
    vyska->addWidget(popisek(texty::kM, ram));
    vyska->addStretch();
    m->addLayout(vyska, 2, 1, 1, 3);

    for (int i = 0; i < 3; ++i) {
        auto* c = box(chkStatickaSouprava(i), texty::kStatickaSouprava[i]);
        c->setToolTip(texty::kSoupravaTip);
        m->addWidget(c, 3 + i, 0, 1, 2);
    }
    m->addWidget(popisek(texty::kKotevniPrvek, ram), 3, 2, Qt::AlignTop);
    auto* kotvy = new QVBoxLayout;
    auto* kotevni = new QButtonGroup(ram);
    for (int i = 0; i < 2; ++i) {
        auto* v = volba(posun(P::optKotevniPrvek0, i), texty::kKotevni[i], kotevni);
        v->setToolTip(texty::kKotevniTip[i]);
        kotvy->addWidget(v);
    }
    m->addLayout(kotvy, 3, 3, 2, 1);
    m->setRowStretch(6, 1);
    return ram;
}

void frmParametry::udalost(const std::function<void()>& f) {
    f();
    sync();
}

void frmParametry::sync() {
    for (int i = 0; i < kPocetPrvku; ++i) {
        const P p = static_cast<P>(i);
        QWidget* w = prvek(p);
        if (!w) continue;
        const StavPrvku& s = m_model.stav(p);
        const QSignalBlocker blok(w);
        w->setEnabled(s.povoleny);
        if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable()) {
            // In an exclusive group the selected member unselects the others.
            if (s.zaskrtnuty || !b->group()) b->setChecked(s.zaskrtnuty);
        } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (e->text() != s.text) e->setText(s.text);
        } else if (auto* c = qobject_cast<QComboBox*>(w)) {
            c->setCurrentIndex(m_model.vybrano(p));
        }
        if (w->parentWidget() != m_ramy) w->setVisible(s.viditelny);
    }
    for (P r : {P::ram1, P::ram2a, P::ram2b, P::ram2c, P::ram3})
        if (m_model.stav(r).viditelny) m_ramy->setCurrentWidget(prvek(r));
    if (const std::optional<P> f = m_model.vezmiPozadavekFokusu()) prvek(*f)->setFocus(Qt::OtherFocusReason);
}

bool frmParametry::eventFilter(QObject* o, QEvent* e) {
    const auto it = m_prvky.constFind(o);
    if (it == m_prvky.constEnd()) return QDialog::eventFilter(o, e);
    const P p = *it;
    auto* w = static_cast<QWidget*>(o);
    switch (e->type()) {
        case QEvent::FocusIn: {
            // A click reports itself below, before it may take the focus from a height box.
            const Qt::FocusReason duvod = static_cast<QFocusEvent*>(e)->reason();
            if (duvod != Qt::MouseFocusReason && duvod != Qt::ActiveWindowFocusReason && duvod != Qt::PopupFocusReason)
                m_model.fokusNa(p);
            break;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (p == P::ram1) {
                udalost([this] { m_model.ram1_Click(); });
                break;
            }
            if (!w->isEnabled() || !(w->focusPolicy() & Qt::ClickFocus) || p == m_model.fokus()) break;
            // Leaving a height box unconfirmed is refused, and the click with it, unless the click
            // reads no height.
            if (!ModelParametru::bezKontrolyOdchodu(p) && !m_model.opust()) {
                sync();
                return true;
            }
            m_model.fokusNa(p);
            break;
        case QEvent::KeyPress: {
            auto* k = static_cast<QKeyEvent*>(e);
            if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) && !m_model.opust()) {
                sync();
                return true;
            }
            if (p == P::cmbPrurez && (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)) {
                udalost([this] { m_model.enter(P::cmbPrurez); });
                return true;
            }
            auto* pole = qobject_cast<QLineEdit*>(w);
            if (pole && !k->text().isEmpty() && k->text()[0].isPrint()) {
                const int puvodni = static_cast<int>(pole->text().size());
                const int nova = puvodni - static_cast<int>(pole->selectedText().size()) + static_cast<int>(k->text().size());
                if (!ModelParametru::delkaPovolena(p, puvodni, nova)) return true;
            }
            break;
        }
        default:
            break;
    }
    return QDialog::eventFilter(o, e);
}

void frmParametry::cmdOk_Click() {
    bool zavrit = false;
    udalost([&] { zavrit = m_model.cmdOk_Click() && m_sluzby.potvrd && m_sluzby.potvrd(m_model); });
    if (!zavrit) return;
    m_potvrzeno = true;
    accept();
}

void frmParametry::closeEvent(QCloseEvent* e) {
    e->accept();
    if (e->spontaneous() && !m_potvrzeno && m_sluzby.zavreno) m_sluzby.zavreno();
    done(QDialog::Rejected);
}

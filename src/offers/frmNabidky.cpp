#include "offers/frmNabidky.h"

#include "offers/KodyNabidek.h"
#include "platform/Clock.h"
#include "platform/DataPaths.h"
#include "platform/Desktop.h"
#include "platform/Guard.h"
#include "platform/QtPotvrzovanePole.h"
#include "platform/QtWidgety.h"
#include "platform/Services.h"
#include "platform/UserDialogs.h"
#include "util/Soubory.h"
#include "util/VolbaSouboru.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStringListModel>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <numeric>

namespace {

const QString kNeniVybrana = QStringLiteral("Není vybrána nabídka !");

// Other representatives' offers in grey.
class SedeRadky : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& i, int role) const override {
        if (role == Qt::BackgroundRole || role == Qt::ForegroundRole) {
            if (!QIdentityProxyModel::data(i, ModelSeznamuNabidek::CiziRole).toBool()) return {};
            return role == Qt::BackgroundRole ? QColor(224, 224, 224) : QColor(128, 128, 128);
        }
        return QIdentityProxyModel::data(i, role);
    }
};

// The detail panel's captions, in the order of its fields.
const char* const kPopisky[] = {"Číslo OZ:",      "Jméno OZ:",         "E-mail OZ:",        "Telefon OZ:",
                                "Datum nabídky:", "Název akce:",       "Místo stavby:",     "Druh stavby:",
                                "*Ulice:",        "*ČP:",              "Realizační firma:", "Kontaktní osoba:",
                                "Telefon:",       "E-mail:",           "Obchodník:",        "Město:",
                                "Cena bez DPH:",  "Projektová sleva v %:", "Cena po slevě bez DPH:", "Cena po slevě s DPH",
                                "Poznámka:"};

}  // namespace

frmNabidky::frmNabidky(GlobalniData& g, Sluzby sluzby, QWidget* rodic)
    : QMainWindow(rodic), m_g(g), m_sluzby(std::move(sluzby)), m_model(g) {
    setObjectName(QStringLiteral("frmNabidky"));
    setWindowTitle(QStringLiteral("Seznam nabídek"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* ram = new QWidget(this);
    ram->setObjectName(QStringLiteral("Ram"));
    setCentralWidget(ram);

    m_pasFiltru = new QWidget(ram);
    for (size_t i = 0; i < kSloupceFiltru.size(); ++i) {
        auto* c = new QComboBox(m_pasFiltru);
        c->setObjectName(QStringLiteral("cmbFilter%1").arg(kSloupceFiltru[i]));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setCompleter(nullptr);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setModel(new QStringListModel(c));
        // The box itself gets the keys while it has the focus; its line edit gets them too.
        c->installEventFilter(this);
        c->lineEdit()->installEventFilter(this);
        cmbFilter[i] = c;
        pripoj(c, &QComboBox::editTextChanged, this, [this, i](const QString& t) {
            m_model.filtry().texty[static_cast<size_t>(kSloupceFiltru[i])] = t;
            ZobrazNabidky();
        });
    }
    m_pasFiltru->setFixedHeight(cmbFilter[0]->sizeHint().height());

    Tabulka = new QTableView(ram);
    Tabulka->setObjectName(QStringLiteral("Tabulka"));
    auto* sede = new SedeRadky(Tabulka);
    sede->setSourceModel(&m_model);
    Tabulka->setModel(sede);
    Tabulka->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tabulka->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabulka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabulka->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Tabulka->verticalHeader()->hide();
    Tabulka->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Tabulka->verticalHeader()->setDefaultSectionSize(naPixely(*this, 330));
    Tabulka->horizontalHeader()->setHighlightSections(false);
    QFont f = Tabulka->font();
    f.setPointSize(8);
    f.setBold(false);
    Tabulka->setFont(f);
    Tabulka->setColumnHidden(sKey, true);
    Tabulka->setColumnHidden(sTrideni, true);
    Tabulka->installEventFilter(this);
    Tabulka->viewport()->installEventFilter(this);

    cmbStav = new QComboBox(Tabulka->viewport());
    cmbStav->setObjectName(QStringLiteral("cmbStav"));
    cmbStav->addItems(StavyNabidky());
    cmbStav->installEventFilter(this);
    cmbStav->view()->installEventFilter(this);
    cmbStav->view()->parentWidget()->installEventFilter(this);  // the list's popup
    cmbStav->hide();

    lblPocet = new QLabel(textPozice(0, 0), ram);
    lblPocet->setObjectName(QStringLiteral("lblPocet"));
    lblSoucet = new QLabel(textSouctu(0), ram);
    lblSoucet->setObjectName(QStringLiteral("lblSoucet"));
    chkZobrazitOstatni = new QCheckBox(QStringLiteral("Zobrazit záznamy ostatních OZ"), ram);
    chkZobrazitOstatni->setObjectName(QStringLiteral("chkZobrazitOstatni"));
    chkCastka = new QCheckBox(QStringLiteral("Zobrazit nabídky větší než:"), ram);
    chkCastka->setObjectName(QStringLiteral("chkCastka"));
    txtCastka = new QLineEdit(QStringLiteral("50000"), ram);
    txtCastka->setObjectName(QStringLiteral("txtCastka"));
    txtCastka->setMaximumWidth(90);
    txtCastka->installEventFilter(this);
    // Enter lists by the amount; leaving the box with another amount does the same.
    m_castka = std::make_unique<QtPotvrzovanePole>(txtCastka, [this](const QString&) {
        if (chkCastka->isChecked()) obnov();
        return true;
    });
    chkZobrazitSlevu = new QCheckBox(QStringLiteral("Zobrazit cenu po slevě"), ram);
    chkZobrazitSlevu->setObjectName(QStringLiteral("chkZobrazitSlevu"));

    auto* souhrn = new QHBoxLayout;
    souhrn->addWidget(lblPocet);
    souhrn->addStretch();
    souhrn->addWidget(lblSoucet);
    auto* volby = new QHBoxLayout;
    volby->addWidget(chkZobrazitOstatni);
    volby->addSpacing(12);
    volby->addWidget(chkCastka);
    volby->addWidget(txtCastka);
    volby->addSpacing(12);
    volby->addWidget(chkZobrazitSlevu);
    volby->addStretch();
    auto* v = new QVBoxLayout(ram);
    QWidget* detail = sestavDetail();
    volby->addWidget(cmdDetail);
    v->setContentsMargins(6, 4, 6, 4);
    v->setSpacing(2);
    v->addWidget(m_pasFiltru);
    v->addWidget(Tabulka, 1);
    v->addLayout(souhrn);
    v->addLayout(volby);
    v->addWidget(detail);
    sestavMenu();

    connect(Tabulka->horizontalHeader(), &QHeaderView::sectionResized, this, &frmNabidky::RozmistiFiltry);
    connect(Tabulka->horizontalHeader(), &QHeaderView::geometriesChanged, this, &frmNabidky::RozmistiFiltry);
    pripoj(Tabulka, &QTableView::clicked, this, [this](const QModelIndex& i) { Tabulka_Click(i); });
    pripoj(Tabulka, &QTableView::doubleClicked, this, [this] { cmdDetail_Click(); });
    pripoj(Tabulka->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& novy, const QModelIndex& stary) {
        if (novy.row() != stary.row() || novy.column() != stary.column()) skryjStav();
        nactiDetail();
    });
    pripoj(cmbStav, qOverload<int>(&QComboBox::activated), this, [this](int stav) {
        const int r = aktualniRadek();
        skryjStav();
        Tabulka->setFocus();
        if (stav >= 0) ohlas(m_model.ZmenStav(r, stav));
    });
    pripoj(chkZobrazitOstatni, &QCheckBox::clicked, this, [this] { obnov(); });
    pripoj(chkCastka, &QCheckBox::clicked, this, [this] { obnov(); });
    pripoj(cmdDetail, &QPushButton::clicked, this, [this] { cmdDetail_Click(); });

    NactiNabidky();
    resize(790, 560);
    installEventFilter(this);
}

frmNabidky::~frmNabidky() = default;

QWidget* frmNabidky::sestavDetail() {
    RamDetail = new QGroupBox(QStringLiteral("Detail nabídky"), centralWidget());
    RamDetail->setObjectName(QStringLiteral("RamDetail"));
    auto* m = new QGridLayout(RamDetail);
    m->setContentsMargins(6, 2, 6, 4);
    m->setHorizontalSpacing(6);
    m->setVerticalSpacing(1);
    QFont f = RamDetail->font();
    f.setPointSize(8);
    for (size_t i = 0; i < m_detail.size(); ++i) {
        auto* popisek = new QLabel(QString::fromUtf8(kPopisky[i]), RamDetail);
        auto* hodnota = new QLabel(RamDetail);
        hodnota->setTextFormat(Qt::PlainText);
        popisek->setFont(f);
        f.setBold(true);
        hodnota->setFont(f);
        f.setBold(false);
        hodnota->setTextInteractionFlags(Qt::TextSelectableByMouse);
        // Long values are cut, never widen the window.
        hodnota->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        const int r = static_cast<int>(i) / 3, c = static_cast<int>(i) % 3 * 2;
        m->addWidget(popisek, r, c);
        m->addWidget(hodnota, r, c + 1);
        m_detail[i] = hodnota;
    }
    for (int c : {1, 3, 5}) m->setColumnStretch(c, 1);
    cmdDetail = new QPushButton(QStringLiteral("Zobrazit detail"), centralWidget());
    cmdDetail->setObjectName(QStringLiteral("cmdDetail"));
    return RamDetail;
}

void frmNabidky::sestavMenu() {
    QMenu* nabidky = menuBar()->addMenu(QStringLiteral("Nabídky"));
    nabidky->setObjectName(QStringLiteral("mnuNabidky"));
    const auto prikaz = [&](QAction*& a, const char* jmeno, const char* text, const char* zkratka, void (frmNabidky::*f)()) {
        a = nabidky->addAction(QString::fromUtf8(text));
        a->setObjectName(QLatin1String(jmeno));
        a->setShortcut(QKeySequence(QLatin1String(zkratka)));
        // An amount typed but not yet taken lists first, so that the command acts on an offer the
        // list shows, not on one the refill hides while the command's dialog is open.
        pripoj(a, &QAction::triggered, this, [this, f] {
            if (m_castka->potvrdZmenu()) (this->*f)();
        });
    };
    prikaz(mnuKopirovat, "mnuKopirovat", "Kopírovat", "Ctrl+C", &frmNabidky::mnuKopirovat_Click);
    nabidky->addSeparator();
    prikaz(mnuUlozitJakoHtml, "mnuUlozitJakoHtml", "Uložit jako HTML ...", "Ctrl+H", &frmNabidky::mnuUlozitJakoHtml_Click);
    prikaz(mnuPoslatEmailem, "mnuPoslatEmailem", "Poslat e-mailem", "Ctrl+E", &frmNabidky::mnuPoslatEmailem_Click);
    prikaz(mnuTisk, "mnuTisk", "Tisk ...", "Ctrl+P", &frmNabidky::mnuTisk_Click);
    nabidky->addSeparator();
    prikaz(mnuSynchronizovat, "mnuSynchronizovat", "Synchronizovat", "Ctrl+S", &frmNabidky::mnuSynchronizovat_Click);
    mnuSynchronizovat->setVisible(static_cast<bool>(m_sluzby.synchronizuj));
    nabidky->addSeparator();
    mnuKonec = nabidky->addAction(QStringLiteral("Konec"));
    mnuKonec->setObjectName(QStringLiteral("mnuKonec"));
    mnuKonec->setShortcut(QKeySequence(QStringLiteral("Ctrl+X")));
    connect(mnuKonec, &QAction::triggered, this, &QWidget::close);
    menuBar()->addMenu(QStringLiteral("Nápověda"))->setObjectName(QStringLiteral("mnuNapoveda"));
}

void frmNabidky::NactiNabidky() {
    const KurzorCekani h;
    const Vysledek<> v = m_model.NactiNabidky();
    ZobrazNabidky();
    NaplnFiltry();
    ohlas(v);
}

void frmNabidky::ZobrazNabidky() {
    skryjStav();
    m_model.filtry().txtCastka = txtCastka->text();
    m_model.filtry().ostatni = chkZobrazitOstatni->isChecked();
    m_model.filtry().castka = chkCastka->isChecked();
    m_model.ZobrazNabidky();
    m_castka->prevzato();
    lblSoucet->setText(textSouctu(m_model.soucet()));
    // Each row went in as the current one, so the last is current after the refill.
    if (m_model.rowCount() > 0) Tabulka->setCurrentIndex(Tabulka->model()->index(m_model.rowCount() - 1, sStav));
    nactiDetail();
}

void frmNabidky::NaplnFiltry() {
    const auto seznamy = m_model.NaplnFiltry();
    for (size_t i = 0; i < cmbFilter.size(); ++i) {
        QComboBox* c = cmbFilter[i];
        const QSignalBlocker b(c);
        static_cast<QStringListModel*>(c->model())->setStringList(seznamy[i]);
        c->setCurrentIndex(-1);
        c->clearEditText();
        // The list opens wide enough to read its values, however narrow its column.
        int sirka = 0;
        for (const QString& t : seznamy[i]) sirka = std::max(sirka, c->view()->fontMetrics().horizontalAdvance(t));
        c->view()->setMinimumWidth(sirka + c->view()->verticalScrollBar()->sizeHint().width() + 16);
    }
}

void frmNabidky::obnov() {
    const KurzorCekani h;
    ZobrazNabidky();
    NaplnFiltry();
    ZobrazNabidky();
}

int frmNabidky::aktualniRadek() const {
    const QModelIndex i = Tabulka->currentIndex();
    return i.isValid() && i.row() < m_model.rowCount() ? i.row() : -1;
}

std::shared_ptr<clsNabidka> frmNabidky::vybrana() {
    std::shared_ptr<clsNabidka> n = m_model.nabidka(aktualniRadek());
    if (!n) MsgBox(kNeniVybrana);
    return n;
}

void frmNabidky::nactiDetail() {
    const int r = aktualniRadek();
    lblPocet->setText(textPozice(r + 1, m_model.rowCount()));
    const auto hodnoty = m_model.detail(r);
    if (!hodnoty) return;
    for (size_t i = 0; i < m_detail.size(); ++i) m_detail[i]->setText((*hodnoty)[i]);
}

void frmNabidky::Tabulka_Click(const QModelIndex& i) {
    RozmistiFiltry();
    if (!i.isValid() || !m_model.vlastni(i.row())) return skryjStav();
    ukazStav(Tabulka->visualRect(i));
}

void frmNabidky::ukazStav(const QRect& bunka) {
    cmbStav->setCurrentIndex(-1);
    cmbStav->setGeometry(bunka.x(), bunka.y(), Tabulka->columnWidth(sStav), std::max(bunka.height(), cmbStav->sizeHint().height()));
    cmbStav->show();
    cmbStav->raise();
}

void frmNabidky::skryjStav() {
    if (!cmbStav->isVisible()) return;
    cmbStav->hide();
    cmbStav->setCurrentIndex(-1);
}

// The columns share the grid's width by their factors; the narrow ones are widened until their
// longest usual text fits this desktop's font, and the name columns give the difference back.
void frmNabidky::nastavSirky() {
    static const char* const kVzory[] = {"", "Alternativa", "000000", "00000", "00.00.00", "000"};
    const QFontMetrics fm(Tabulka->font());
    const int okraj = 2 * Tabulka->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, Tabulka) + 6;
    const auto& podily = ModelSeznamuNabidek::kPodilySirky;
    const double soucet = std::accumulate(podily.begin(), podily.end(), 0.0);
    const int sirka = Tabulka->viewport()->width();
    int zbyva = sirka;
    for (int c = sStav; c <= sCisloOZ; ++c) {
        const int text = std::max(fm.horizontalAdvance(QString::fromLatin1(kVzory[c])),
                                  QFontMetrics(Tabulka->horizontalHeader()->font())
                                      .horizontalAdvance(m_model.headerData(c, Qt::Horizontal).toString()));
        const int w = std::max(qRound(sirka * podily[static_cast<size_t>(c)] / soucet), text + okraj);
        Tabulka->setColumnWidth(c, w);
        zbyva -= w;
    }
    const double jmena = podily[sJmenoOZ] + podily[sNazevAkce] + podily[sMistoStavby] + podily[sRealizacniFirma] + podily[sObchodnik];
    for (int c = sJmenoOZ; c <= sObchodnik; ++c)
        Tabulka->setColumnWidth(c, std::max(20, static_cast<int>(zbyva * podily[static_cast<size_t>(c)] / jmena)));
}

void frmNabidky::RozmistiFiltry() {
    const QHeaderView* h = Tabulka->horizontalHeader();
    const int x0 = Tabulka->viewport()->mapTo(centralWidget(), QPoint()).x() - m_pasFiltru->x();
    for (size_t i = 0; i < kSloupceFiltru.size(); ++i) {
        const int c = kSloupceFiltru[i];
        cmbFilter[i]->setGeometry(x0 + h->sectionViewportPosition(c), 0, h->sectionSize(c), m_pasFiltru->height());
    }
}

void frmNabidky::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    nastavSirky();
    RozmistiFiltry();
}

void frmNabidky::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    nastavSirky();
    RozmistiFiltry();
    Tabulka->setFocus();
}

// The state box from the keyboard (F4, Alt+Down or Space on one's own offer): over the current
// row's state cell with its list open. Its list is the only way to a state: arrows and the wheel
// on the closed box would pick one unseen.
bool frmNabidky::klavesaStavu(QObject* o, QEvent* e) {
    if (o == cmbStav && e->type() == QEvent::Wheel) return true;
    if (e->type() != QEvent::KeyPress) return false;
    const auto* k = static_cast<QKeyEvent*>(e);
    const bool otevri = k->key() == Qt::Key_F4 || k->key() == Qt::Key_Space ||
                        (k->key() == Qt::Key_Down && (k->modifiers() & Qt::AltModifier));
    if (o == Tabulka && otevri) {
        const int r = aktualniRadek();
        if (!m_model.vlastni(r)) return false;
        ukazStav(Tabulka->visualRect(Tabulka->model()->index(r, sStav)));
        cmbStav->setFocus();
        otevriStavy();
        return true;
    }
    // Escape in its open list closes the box too: no empty box stays over the cell.
    if (o == cmbStav->view() && k->key() == Qt::Key_Escape) {
        cmbStav->hidePopup();
        skryjStav();
        Tabulka->setFocus();
        return true;
    }
    if (o != cmbStav) return false;
    switch (k->key()) {
    case Qt::Key_Escape:
        skryjStav();
        Tabulka->setFocus();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        otevriStavy();
        return true;
    default: return false;
    }
}

// The list opens on the offer's present state, so the arrows move from where it is.
void frmNabidky::otevriStavy() {
    cmbStav->showPopup();
    if (const std::shared_ptr<clsNabidka> n = m_model.nabidka(aktualniRadek()))
        cmbStav->view()->setCurrentIndex(cmbStav->model()->index(n->Stav, 0));
}

// The list's commands act on the selected offer wherever the focus is: a filter box or the
// amount box does not keep their shortcuts for its own editing.
bool frmNabidky::zkratkaSeznamu(QObject* o, QEvent* e) const {
    if (e->type() != QEvent::ShortcutOverride || o == Tabulka || o == Tabulka->viewport()) return false;
    const QKeySequence klavesa(static_cast<QKeyEvent*>(e)->keyCombination());
    for (const QAction* a : {mnuKopirovat, mnuUlozitJakoHtml, mnuPoslatEmailem, mnuTisk})
        if (a->shortcut() == klavesa) {
            e->ignore();
            return true;
        }
    return false;
}

bool frmNabidky::eventFilter(QObject* o, QEvent* e) {
    // The state list closed without a pick, by a click elsewhere as well, closes its box too, as
    // Escape does (a pick comes after this, with the index the list passes on); so does a message
    // or another window taking the keys, though not the box's own list opening.
    // (The list's popup is the one watched child of the box.)
    if ((e->type() == QEvent::Hide && cmbStav && o->parent() == cmbStav) ||
        (e->type() == QEvent::WindowDeactivate && o == this && !QApplication::activePopupWidget() &&
         QApplication::activeWindow() != cmbStav->view()->parentWidget())) {
        const bool melKlavesy = focusWidget() == cmbStav;
        skryjStav();
        if (melKlavesy) Tabulka->setFocus();
        return false;
    }
    if (zkratkaSeznamu(o, e) || klavesaStavu(o, e)) return true;
    if (e->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent*>(e)->key();
        if (k == Qt::Key_Delete)
            for (QComboBox* c : cmbFilter)
                if (c == o || c->lineEdit() == o) {
                    c->setCurrentIndex(-1);
                    c->clearEditText();
                    return true;
                }
    }
    return QMainWindow::eventFilter(o, e);
}

ZdrojeHtml frmNabidky::zdroje() const {
    return {m_sluzby.cenik ? *m_sluzby.cenik : m_bezCeniku, m_g.Systemy, platform::clock().now()};
}

void frmNabidky::mnuKopirovat_Click() {
    const int r = aktualniRadek();
    const std::shared_ptr<clsNabidka> n = m_model.Kopiruj(r);
    if (!n) return;
    skryjStav();
    if (m_sluzby.formular) m_sluzby.formular(n, false);
    RozmistiFiltry();
    NactiNabidky();
}

void frmNabidky::cmdDetail_Click() {
    const std::shared_ptr<clsNabidka> n = m_model.nabidka(aktualniRadek());
    skryjStav();
    if (n && m_sluzby.formular) m_sluzby.formular(n, true);
}

void frmNabidky::mnuUlozitJakoHtml_Click() {
    const std::shared_ptr<clsNabidka> n = vybrana();
    if (!n) return;
    const QString cesta = VyberHtmlKUlozeni();
    if (cesta.isEmpty()) return;
    if (ohlas(UlozJakoHtml(*n, cesta, false, chkZobrazitSlevu->isChecked(), zdroje())))
        MsgBox(QStringLiteral("Nabídka byla právě uložena"), Tlacitka::Ok, Ikona::Informace, QStringLiteral("Informace"));
}

QString frmNabidky::tiskovaStranka(const clsNabidka& n, bool logo, bool ohlasit) {
    const QString cesta = dataDir() + QStringLiteral("/Tmp2Print/nabidka.htm");
    const Vysledek<> v = UlozJakoHtml(n, cesta, logo, chkZobrazitSlevu->isChecked(), zdroje());
    if (!v && ohlasit) ukazChybu(v.chyba());
    return v ? cesta : QString();
}

// Printing goes through the browser; a page that cannot be made or opened ends it silently.
void frmNabidky::mnuTisk_Click() {
    const std::shared_ptr<clsNabidka> n = vybrana();
    if (!n) return;
    if (const QString cesta = tiskovaStranka(*n, true, false); !cesta.isEmpty()) platform::desktop().otevri(cesta);
}

void frmNabidky::mnuPoslatEmailem_Click() {
    const std::shared_ptr<clsNabidka> n = vybrana();
    if (!n) return;
    if (const QString cesta = tiskovaStranka(*n, false, true); !cesta.isEmpty())
        ohlas(PosliPostou(cesta, NazevPrilohy(n->NazevAkce), ukazChybu));
}

void frmNabidky::mnuSynchronizovat_Click() {
    if (!m_sluzby.synchronizuj || m_synchronizuje) return;
    {
        const KurzorCekani h;
        m_synchronizuje = true;
        const struct Konec {
            bool& b;
            ~Konec() { b = false; }
        } konec{m_synchronizuje};
        skryjStav();
        m_model.vyprazdni();
        lblPocet->setText(textPozice(0, 0));
        lblSoucet->setText(textSouctu(0));
        for (QLabel* l : m_detail) l->clear();
        m_sluzby.synchronizuj();
    }
    NactiNabidky();
}

void frmNabidky::closeEvent(QCloseEvent* e) {
    if (m_synchronizuje) return e->ignore();
    QMainWindow::closeEvent(e);
}

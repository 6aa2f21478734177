#include "parameters/frmPrislusenstvi.h"
#include "platform/Guard.h"
#include "platform/QtWidgety.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* nadpis(const QString& text, QWidget* rodic) {
    auto* l = new QLabel(text, rodic);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

}  // namespace

frmPrislusenstvi::frmPrislusenstvi(ModelPrislusenstvi& model, QWidget* rodic) : QDialog(rodic), m_model(model) {
    setObjectName(QStringLiteral("frmPrislusenstvi"));
    setWindowTitle(QStringLiteral("Příslušenství"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    QFont pismo = font();
    pismo.setPointSizeF(8.25);
    setFont(pismo);

    // Two columns of groups, so that the picker fits a small screen; the connection pieces of
    // flue 1 and flue 2 stand side by side under their diameters.
    auto* ram = new QGroupBox(QStringLiteral("Příslušenství"), this);
    ram->setObjectName(QStringLiteral("ramPrislusenstvi"));
    auto* mriz = new QGridLayout(ram);
    mriz->setHorizontalSpacing(naPixely(*this, 120));
    mriz->setVerticalSpacing(naPixely(*this, 90));
    const auto sloupec = [&](QLabel* hlavicka, std::initializer_list<int> boxy) {
        auto* w = new QWidget(ram);
        auto* v = new QVBoxLayout(w);
        v->setContentsMargins(0, 0, 0, 0);
        v->setSpacing(0);
        if (hlavicka) v->addWidget(hlavicka);
        for (int i : boxy) v->addWidget(vytvorBox(i, w));
        v->addStretch();
        return w;
    };
    const auto skupina = [&](std::initializer_list<int> boxy) {
        return sloupec(nadpis(polozkaPrislusenstvi(*boxy.begin()).skupina, ram), boxy);
    };
    mriz->addWidget(skupina({0, 1, 2}), 0, 0);
    mriz->addWidget(skupina({22, 23, 24, 25, 26}), 0, 1);
    mriz->addWidget(skupina({8, 9}), 1, 0);
    mriz->addWidget(skupina({33, 34, 35}), 1, 1);
    mriz->addWidget(nadpis(polozkaPrislusenstvi(10).skupina, ram), 2, 0, 1, 2);
    for (int s = 0; s < 2; ++s) {
        lblPrurez[s] = nadpis(m_model.nadpis(s), ram);
        lblPrurez[s]->setObjectName(QStringLiteral("lblPrurez%1").arg(s));
        const int a = 10 + 6 * s;
        mriz->addWidget(sloupec(lblPrurez[s], {a, a + 1, a + 2, a + 3, a + 4, a + 5}), 3, s);
    }
    mriz->addWidget(nadpis(polozkaPrislusenstvi(27).skupina, ram), 4, 0, 1, 2);
    mriz->addWidget(sloupec(nullptr, {27, 28, 29}), 5, 0);
    mriz->addWidget(sloupec(nullptr, {30, 31, 32}), 5, 1);
    mriz->setRowStretch(6, 1);
    for (int i = kPrvniPredavaci; i <= kPosledniPredavaci; ++i) vytvorBox(i, ram);

    // The preview: picture centred in a white area, the name under it, the description below.
    auto* nahled = new QVBoxLayout;
    auto* popisekNahledu = new QLabel(QStringLiteral("Náhled"), this);
    popisekNahledu->setObjectName(QStringLiteral("Label1"));
    QFont f = popisekNahledu->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 9 / 8.25);
    popisekNahledu->setFont(f);
    frmNahled = new QFrame(this);
    frmNahled->setObjectName(QStringLiteral("frmNahled"));
    // Smaller than the installation's 6015 x 7095 twips, so that the picker fits an 800x600
    // screen with its frame; the 300-pixel pictures and the name under them still fit.
    frmNahled->setFixedSize(naPixely(*this, 5100), naPixely(*this, 5580));
    frmNahled->setAutoFillBackground(true);
    QPalette bila = frmNahled->palette();
    bila.setColor(QPalette::Window, Qt::white);
    frmNahled->setPalette(bila);
    imgPrislusenstvi = new QLabel(frmNahled);
    imgPrislusenstvi->setObjectName(QStringLiteral("imgPrislusenstvi"));
    imgPrislusenstvi->hide();
    lblNazev = nadpis({}, frmNahled);
    lblNazev->setObjectName(QStringLiteral("lblNazev"));
    lblNazev->setAlignment(Qt::AlignCenter);
    lblNazev->setGeometry(0, naPixely(*this, 5100), frmNahled->width(), naPixely(*this, 420));
    txtPopis = new QPlainTextEdit(this);
    txtPopis->setObjectName(QStringLiteral("txtPopis"));
    txtPopis->setReadOnly(true);
    txtPopis->setFixedSize(frmNahled->width(), naPixely(*this, 735));
    nahled->addWidget(popisekNahledu, 0, Qt::AlignHCenter);
    nahled->addWidget(frmNahled);
    nahled->addWidget(txtPopis);
    nahled->addStretch();

    cmdOk = new QPushButton(QStringLiteral("Ok"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdStorno = new QPushButton(QStringLiteral("Storno"), this);
    cmdStorno->setObjectName(QStringLiteral("cmdStorno"));
    // Enter is Ok wherever the focus is, except on Storno itself; Escape is Storno.
    for (QPushButton* b : {cmdOk, cmdStorno}) b->setAutoDefault(false);
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdStorno, &QPushButton::clicked, this, &QDialog::reject);
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch();
    tlacitka->addWidget(cmdOk);
    tlacitka->addWidget(cmdStorno);

    auto* vlevo = new QVBoxLayout;
    vlevo->addWidget(ram, 1);
    vlevo->addLayout(tlacitka);
    auto* okno = new QHBoxLayout(this);
    okno->addLayout(vlevo);
    okno->addLayout(nahled);

    nactiBoxy();
    setFixedSize(sizeHint());
}

QCheckBox* frmPrislusenstvi::vytvorBox(int i, QWidget* rodic) {
    const PolozkaPrislusenstvi& p = polozkaPrislusenstvi(i);
    auto* b = new QCheckBox(p.popisek, rodic);
    b->setObjectName(QStringLiteral("chkPrislusenstvi%1").arg(i));
    b->setToolTip(p.popis);
    b->installEventFilter(this);
    pripoj(b, &QCheckBox::clicked, this, [this, i](bool zaskrtnuty) {
        m_model.nastav(i, zaskrtnuty);
        nactiBoxy();
    });
    m_boxy[static_cast<size_t>(i)] = b;
    return b;
}

void frmPrislusenstvi::nactiBoxy() {
    for (int i = 0; i < kPocetPrislusenstvi; ++i) {
        QCheckBox* b = chkPrislusenstvi(i);
        const StavBoxu& s = m_model.box(i);
        b->setChecked(s.zaskrtnuty);
        b->setEnabled(s.povoleny);
        b->setVisible(s.viditelny);
    }
}

bool frmPrislusenstvi::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::Enter) {
        for (int i = 0; i < kPocetPrislusenstvi; ++i)
            if (o == chkPrislusenstvi(i)) ukazNahled(i);
    }
    return QDialog::eventFilter(o, e);
}

void frmPrislusenstvi::ukazNahled(int i) {
    const std::optional<NahledPrislusenstvi> n = m_model.nahled(i);
    if (!n) return;
    // A missing or unreadable picture shows none; the name and the text still do.
    QPixmap obrazek;
    if (obrazek.load(n->obrazek)) {
        imgPrislusenstvi->setPixmap(obrazek);
        const QSize velikost = obrazek.deviceIndependentSize().toSize();
        imgPrislusenstvi->resize(velikost);
        imgPrislusenstvi->move(ModelPrislusenstvi::vystred(frmNahled->size(), velikost).toPoint());
        imgPrislusenstvi->show();
    } else {
        imgPrislusenstvi->clear();
        imgPrislusenstvi->hide();
    }
    lblNazev->setText(n->nazev);
    lblNazev->raise();
    txtPopis->setPlainText(n->popis);
}

bool QtVyberPrislusenstvi::vyber(ModelPrislusenstvi& model) {
    frmPrislusenstvi okno(model, m_rodic);
    return okno.exec() == QDialog::Accepted;
}

#include "app/frmMenu.h"

#include "app/SouborNastaveni.h"
#include "platform/DataPaths.h"
#include "platform/Desktop.h"
#include "platform/Services.h"
#include "platform/UserDialogs.h"
#include "platform/Guard.h"
#include "platform/QtPotvrzovanePole.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The installation's contact data (sample installation).
const QString kAdresa = QStringLiteral("Kestroma a.s., Komínová 1, 000 00 Ukázkov");
const QString kTelefon = QStringLiteral("+420 000 000 100,  fax +420 000 000 109");
const QString kWeb = QStringLiteral("www.kestroma.example");
const QString kMaily[7] = {
    QStringLiteral("info@kestroma.example"),
    QStringLiteral("dolmarka@kestroma.example"),
    QStringLiteral("expedice.dolmarka@kestroma.example"),
    QStringLiteral("vestron@kestroma.example"),
    QStringLiteral("expedice.vestron@kestroma.example"),
    QStringLiteral("hrab@kestroma.example"),
    QStringLiteral("expedice.hrab@kestroma.example"),
};
const QString kTelefonyZavodu[3] = {
    QStringLiteral("+420 000 000 200"),
    QStringLiteral("+420 000 000 300"),
    QStringLiteral("+420 000 000 400"),
};

const QColor kNavstiveny(128, 0, 128);

// Our own picture of a system: the chimney block seen from above with its flues.
QPixmap kresbaSystemu(const QString& system) {
    struct Vzhled {
        QColor blok;
        int pruduchu;
        bool izolace;
        bool sachta;
        bool kulaty;
    };
    Vzhled v{QColor(150, 150, 150), 1, false, false, false};
    if (system == QLatin1String("MIV")) v = {QColor(178, 84, 60), 1, true, false, false};
    else if (system == QLatin1String("DORVA")) v = {QColor(140, 140, 136), 1, false, false, false};
    else if (system == QLatin1String("KARNELO")) v = {QColor(194, 143, 44), 1, true, true, false};
    else if (system == QLatin1String("KALVIR")) v = {QColor(79, 127, 168), 1, true, false, true};
    else if (system == QLatin1String("ORVIK")) v = {QColor(107, 142, 78), 2, false, false, false};

    QPixmap obr(64, 64);
    obr.fill(Qt::transparent);
    QPainter p(&obr);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF blok(6, 6, 52, 52);
    p.setPen(QPen(v.blok.darker(160), 2));
    p.setBrush(v.blok);
    if (v.kulaty) p.drawEllipse(blok);
    else p.drawRoundedRect(blok, 5, 5);
    if (v.sachta) {
        p.setBrush(v.blok.lighter(150));
        p.drawRect(QRectF(40, 12, 12, 40));
    }
    const qreal r = v.pruduchu == 2 ? 9 : 14;
    const QList<QPointF> stredy = v.pruduchu == 2 ? QList<QPointF>{{21, 32}, {43, 32}}
                                                  : QList<QPointF>{{v.sachta ? 25.0 : 32.0, 32}};
    for (const QPointF& s : stredy) {
        if (v.izolace) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(236, 222, 160));
            p.drawEllipse(s, r + 5, r + 5);
        }
        p.setPen(QPen(QColor(90, 60, 40), 2.5));
        p.setBrush(Qt::white);
        p.drawEllipse(s, r, r);
    }
    return obr;
}

QPixmap kresbaObjednavky() {
    QPixmap obr(64, 64);
    obr.fill(Qt::transparent);
    QPainter p(&obr);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 70, 90), 2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(14, 6, 36, 50));
    p.setPen(QPen(QColor(120, 120, 140), 2));
    for (int y = 18; y <= 42; y += 8) p.drawLine(QPointF(20, y), QPointF(44, y));
    p.setPen(QPen(QColor(40, 140, 60), 4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath fajfka;
    fajfka.moveTo(34, 48);
    fajfka.lineTo(40, 55);
    fajfka.lineTo(54, 38);
    p.setBrush(Qt::NoBrush);
    p.drawPath(fajfka);
    return obr;
}

// The installation's pictogram of the system when it has one, else our own picture.
QIcon obrazekSystemu(const GlobalniData& g, int kod, const QString& nazev) {
    if (kod > 0 && kod < static_cast<int>(g.Systemy.size()) && !g.Systemy[kod].Piktogram.isEmpty()) {
        const QString soubor = dataFile(g.Systemy[kod].Piktogram);
        QPixmap obr;
        if (QFileInfo(soubor).isFile() && obr.load(soubor))
            return QIcon(obr.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    return QIcon(kresbaSystemu(nazev));
}

ClickableLabel* popisek(const QString& text, QWidget* rodic, const QString& jmeno = {}) {
    auto* l = new ClickableLabel(text, rodic);
    if (!jmeno.isEmpty()) l->setObjectName(jmeno);
    return l;
}

}  // namespace

frmMenu::frmMenu(GlobalniData& g, Sluzby sluzby, QWidget* rodic) : QWidget(rodic), m_g(g), m_sluzby(std::move(sluzby)) {
    setObjectName(QStringLiteral("frmMenu"));
    setWindowTitle(kTitulekMenu);
    setWindowIcon(QIcon(kresbaSystemu(QStringLiteral("MIV"))));

    // Title with its grey copy behind.
    auto* nadpis = new QWidget(this);
    auto* nadpisMrizka = new QGridLayout(nadpis);
    nadpisMrizka->setContentsMargins(0, 0, 0, 0);
    QFont velke = font();
    velke.setPointSizeF(font().pointSizeF() * 2.1);
    velke.setBold(true);
    auto* stin = new QLabel(QStringLiteral("Sorvenikový program"), nadpis);
    stin->setObjectName(QStringLiteral("lblNadpis1"));
    stin->setFont(velke);
    stin->setContentsMargins(3, 3, 0, 0);
    nastavBarvu(stin, QColor(190, 190, 190));
    auto* titul = new QLabel(QStringLiteral("Sorvenikový program"), nadpis);
    titul->setObjectName(QStringLiteral("lblNadpis0"));
    titul->setFont(velke);
    titul->setContentsMargins(0, 0, 3, 3);
    nastavBarvu(titul, QColor(150, 40, 25));
    nadpisMrizka->addWidget(stin, 0, 0);
    nadpisMrizka->addWidget(titul, 0, 0);

    lblVerze = new QLabel(kVerzeProgramu, this);
    lblVerze->setObjectName(QStringLiteral("lblVerze"));
    nastavBarvu(lblVerze, QColor(90, 90, 90));
    auto* obrazek = new QLabel(this);
    obrazek->setObjectName(QStringLiteral("Image1"));
    obrazek->setPixmap(kresbaSystemu(QStringLiteral("MIV")).scaled(44, 44, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    auto* hlavicka = new QHBoxLayout;
    hlavicka->addWidget(obrazek);
    hlavicka->addSpacing(6);
    hlavicka->addWidget(nadpis);
    hlavicka->addStretch();
    hlavicka->addWidget(lblVerze, 0, Qt::AlignBottom);

    auto* label3 = new QLabel(QStringLiteral("V této verzi sorvenikového programu již můžete přímo objednávat\n"
                                             " zboží elektronickou cestou !!!\n"
                                             "!!! Tato služba je dostupná pouze pro SMLUVNÍ PARTNERY !!!\n"
                                             "Více při kliknutí na tlačítko Objednávky a násl. v nápovědě."),
                              this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setAlignment(Qt::AlignCenter);
    label3->setFrameShape(QFrame::StyledPanel);
    label3->setMargin(6);
    label3->setAutoFillBackground(true);
    {
        QPalette p = label3->palette();
        p.setColor(QPalette::Window, QColor(255, 250, 225));
        p.setColor(QPalette::WindowText, QColor(120, 30, 20));
        label3->setPalette(p);
    }

    // Seller and VAT: Enter takes them, and so does leaving the box or a command that uses them.
    txtProdejce = new QLineEdit(this);
    txtProdejce->setObjectName(QStringLiteral("txtProdejce"));
    auto* lblProdejce = new QLabel(QStringLiteral("Prodejce:"), this);
    lblProdejce->setBuddy(txtProdejce);
    auto* label9 = popisek(QStringLiteral("DPH:"), this, QStringLiteral("Label9"));
    txtDPH = new QLineEdit(this);
    txtDPH->setObjectName(QStringLiteral("txtDPH"));
    txtDPH->setToolTip(QStringLiteral("Potvrďte klávesou ENTER"));
    txtDPH->setFixedWidth(56);
    txtDPH->setAlignment(Qt::AlignRight);
    auto* label10 = new QLabel(QStringLiteral("%"), this);
    label10->setObjectName(QStringLiteral("Label10"));
    pripoj(label9, &ClickableLabel::stisknuto, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) NastavPriznak(m_g.nastaveni.Verze, kPriznakBezUpozorneni);
    });

    auto* udaje = new QHBoxLayout;
    udaje->addWidget(lblProdejce);
    udaje->addWidget(txtProdejce, 1);
    udaje->addSpacing(24);
    udaje->addWidget(label9);
    udaje->addWidget(txtDPH);
    udaje->addWidget(label10);

    auto* svisle = new QVBoxLayout(this);
    svisle->setContentsMargins(14, 10, 14, 10);
    svisle->setSpacing(10);
    svisle->addLayout(hlavicka);
    svisle->addWidget(label3);
    svisle->addLayout(udaje);
    svisle->addWidget(sestavTlacitka());
    svisle->addWidget(sestavKontakty());

    NactiProdejce(m_g.nastaveni);
    txtProdejce->setText(m_g.nastaveni.Prodejce);
    txtDPH->setText(TextDPH(m_g.nastaveni));
    m_prodejce = std::make_unique<QtPotvrzovanePole>(
        txtProdejce,
        [this](const QString& text) {
            PotvrdProdejce(m_g.nastaveni, text);
            return true;
        },
        [this] { zamerNaSystem(); });
    m_dph = std::make_unique<QtPotvrzovanePole>(
        txtDPH, [this](const QString& text) { return PotvrdDPH(m_g.nastaveni, text); }, [this] { zamerNaSystem(); });
    ukazTlacitka();
    setFixedSize(sizeHint());
}

frmMenu::~frmMenu() = default;

QWidget* frmMenu::sestavTlacitka() {
    auto* panel = new QWidget(this);
    auto* mrizka = new QGridLayout(panel);
    mrizka->setContentsMargins(0, 0, 0, 0);

    auto* ram0 = new QGroupBox(QStringLiteral("Komínové systémy"), panel);
    ram0->setObjectName(QStringLiteral("Ram0"));
    auto* rada = new QHBoxLayout(ram0);
    rada->setSpacing(10);
    auto* ram1 = new QGroupBox(panel);
    ram1->setObjectName(QStringLiteral("Ram1"));
    auto* rada2 = new QHBoxLayout(ram1);
    rada2->setSpacing(10);

    auto obrazkoveTlacitko = [&](const QString& text, const QIcon& ikona, QWidget* rodic) {
        auto* b = new QToolButton(rodic);
        b->setText(text);
        b->setIcon(ikona);
        b->setIconSize(QSize(56, 56));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setFixedSize(112, 96);
        return b;
    };
    // Both rows share one line; the hidden row stands between and over the visible one.
    rada->addStretch();
    for (int index : {1, 6, 3, 7, 4}) {
        const TlacitkoSystemu* t = TlacitkoSystemuPodleIndexu(index);
        const int kod = t->kod > 0 ? t->kod : t->polozky.first().kod;
        auto* b = obrazkoveTlacitko(t->popisek, obrazekSystemu(m_g, kod, t->popisek), ram0);
        b->setObjectName(QStringLiteral("SystemCombut%1").arg(index));
        rada->addWidget(b);
        m_systemy[index] = b;
    }
    rada->addStretch();

    cmbObjednavky = obrazkoveTlacitko(QStringLiteral("Objednávky"), QIcon(kresbaObjednavky()), ram1);
    cmbObjednavky->setObjectName(QStringLiteral("cmbObjednavky"));
    auto* tremol = new QToolButton(ram1);
    tremol->setObjectName(QStringLiteral("SystemCombut5"));
    tremol->setText(TlacitkoSystemuPodleIndexu(5)->popisek);
    tremol->setFixedSize(112, 96);
    // Its place is kept while it is hidden, so the fixed-size window has room when it shows.
    QSizePolicy misto = tremol->sizePolicy();
    misto.setRetainSizeWhenHidden(true);
    tremol->setSizePolicy(misto);
    m_systemy[5] = tremol;
    rada2->addWidget(cmbObjednavky);
    rada2->addWidget(tremol);
    rada2->addStretch();

    Exit = new QPushButton(QStringLiteral("Exit"), panel);
    Exit->setObjectName(QStringLiteral("Exit"));
    Exit->setMinimumSize(96, 34);

    for (int index : {1, 3, 4, 5, 6, 7})
        pripoj(m_systemy[index], &QToolButton::clicked, this, [this, index] { SystemCombut_Click(index); });
    pripoj(cmbObjednavky, &QToolButton::clicked, this, [this] {
        if (m_sluzby.objednavky && potvrdPole()) m_sluzby.objednavky->Zobraz();
    });
    pripoj(Exit, &QPushButton::clicked, this, [this] {
        if (potvrdPole()) m_sluzby.Exit();
    });

    // One row, so that the window fits an 800x600 screen with its title bar.
    mrizka->addWidget(ram0, 0, 0);
    mrizka->addWidget(ram1, 0, 1, Qt::AlignBottom);  // its frame level with the titled one
    mrizka->addWidget(Exit, 0, 2, Qt::AlignRight | Qt::AlignBottom);
    mrizka->setColumnStretch(0, 1);
    return panel;
}

QWidget* frmMenu::sestavKontakty() {
    auto* frame2 = new QGroupBox(QStringLiteral("Kontakty"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* m = new QGridLayout(frame2);
    m->setHorizontalSpacing(14);
    m->setVerticalSpacing(3);

    auto odkaz = [this](const QString& text, const QString& jmeno) {
        ClickableLabel* l = popisek(text, this, jmeno);
        nastavBarvu(l, kBarvaOdkazu);
        QFont f = l->font();
        f.setUnderline(true);
        l->setFont(f);
        l->setCursor(Qt::PointingHandCursor);
        return l;
    };
    QList<ClickableLabel*> label2;
    for (int i = 0; i < 5; ++i) {
        const QString text = i == 0 ? kAdresa : i == 1 ? kTelefon : kTelefonyZavodu[i - 2];
        label2 << popisek(text, this, QStringLiteral("Label2_%1").arg(i));
        pripoj(label2.last(), &ClickableLabel::dvojklik, this, [this] { Label2_DblClick(); });
    }
    for (int i = 0; i < 7; ++i) {
        mail << odkaz(kMaily[i], QStringLiteral("mail%1").arg(i));
        ClickableLabel* l = mail.last();
        pripoj(l, &ClickableLabel::stisknuto, this, [this, l](Qt::MouseButton b) {
            if (b == Qt::LeftButton) otevriOdkaz(l, QStringLiteral("mailto:"));
        });
    }
    web = odkaz(kWeb, QStringLiteral("web"));
    pripoj(web, &ClickableLabel::stisknuto, this, [this](Qt::MouseButton b) {
        if (b == Qt::LeftButton) otevriOdkaz(web, QStringLiteral("http://"));
    });

    int r = 0;
    const QString label1[] = {QStringLiteral("adresa:"), QStringLiteral("telefon:"), QStringLiteral("e-mail:"),
                              QStringLiteral("web:")};
    QWidget* hodnoty[] = {label2[0], label2[1], mail[0], web};
    for (int i = 0; i < 4; ++i, ++r) {
        auto* l = new QLabel(label1[i], this);
        nastavBarvu(l, QColor(90, 90, 90));
        m->addWidget(l, r, 0);
        m->addWidget(hodnoty[i], r, 1, 1, 3);
    }
    m->setRowMinimumHeight(r++, 6);
    auto* label8 = new QLabel(QStringLiteral("telefony"), this);
    label8->setObjectName(QStringLiteral("Label8"));
    auto* label7 = new QLabel(QStringLiteral("e-maily"), this);
    label7->setObjectName(QStringLiteral("Label7"));
    for (QLabel* l : {label8, label7}) nastavBarvu(l, QColor(90, 90, 90));
    m->addWidget(label8, r, 1);
    m->addWidget(label7, r, 2, 1, 2);
    ++r;

    ClickableLabel* label11 = popisek(QStringLiteral("Dolmarka . ."), this, QStringLiteral("Label11"));
    ClickableLabel* label5 = popisek(QStringLiteral("Vestron . ."), this, QStringLiteral("Label5"));
    ClickableLabel* label4 = popisek(QStringLiteral("Hrab . . . .  . ."), this, QStringLiteral("Label4_1"));
    ClickableLabel* zavody[] = {label11, label5, label4};
    for (int i = 0; i < 3; ++i, ++r) {
        m->addWidget(zavody[i], r, 0);
        m->addWidget(label2[i + 2], r, 1);
        m->addWidget(mail[1 + 2 * i], r, 2);
        m->addWidget(mail[2 + 2 * i], r, 3);
    }
    pripoj(label11, &ClickableLabel::dvojklik, this, [this] { NastavPriznak(m_g.nastaveni.Verze, kPriznakSadaStred); });
    pripoj(label5, &ClickableLabel::dvojklik, this, [this] {
        m_viditelnost.prohodRady();
        ukazTlacitka();
    });
    m->setColumnStretch(3, 1);

    // Credits and the T-REMOL switch under the panel.
    auto* label6 = popisek(QStringLiteral("Vovar idu"), this, QStringLiteral("Label6"));
    pripoj(label6, &ClickableLabel::dvojklik, this, [this] {
        m_viditelnost.ukazTRemol();
        ukazTlacitka();
    });
    auto* autori = new QHBoxLayout;
    autori->addWidget(label6);
    autori->addStretch();
    const QString jmena[] = {QStringLiteral("Program: Jan Příklad"), QStringLiteral("Grafika: Eva Vzorová"),
                             QStringLiteral("© Kestroma a.s.")};
    for (int i = 0; i < 3; ++i) {
        auto* a = new QLabel(jmena[i], this);
        a->setObjectName(QStringLiteral("Autor%1").arg(i));
        nastavBarvu(a, QColor(120, 120, 120));
        autori->addSpacing(12);
        autori->addWidget(a);
    }
    m->setRowMinimumHeight(r++, 6);
    m->addLayout(autori, r, 0, 1, 4);
    return frame2;
}

QToolButton* frmMenu::SystemCombut(int index) const { return (index >= 1 && index <= 7) ? m_systemy[index] : nullptr; }

void frmMenu::ukazTlacitka() {
    for (int i = 1; i <= 7; ++i)
        if (m_systemy[i]) m_systemy[i]->setVisible(m_viditelnost.viditelne(i));
}

// The first system button takes the focus; when its row is hidden, the first visible one.
void frmMenu::zamerNaSystem() {
    for (int index : {1, 6, 3, 7, 4, 5}) {
        if (m_viditelnost.viditelne(index)) {
            m_systemy[index]->setFocus();
            return;
        }
    }
}

// The seller and the VAT as the boxes show them, for a command that uses them: a rate that is
// refused is warned about and the command does not run.
bool frmMenu::potvrdPole() { return m_prodejce->potvrdZmenu() && m_dph->potvrdZmenu(); }

std::optional<int> frmMenu::vyberZNabidky(const TlacitkoSystemu& t) {
    QMenu nabidka(t.nabidka, this);
    for (const PolozkaVolby& p : t.polozky) nabidka.addAction(p.popisek)->setObjectName(p.jmeno);
    const QAction* zvolena = nabidka.exec(QCursor::pos());
    if (!zvolena) return std::nullopt;
    return static_cast<int>(nabidka.actions().indexOf(zvolena));
}

void frmMenu::SystemCombut_Click(int index) {
    if (!potvrdPole()) return;
    if (!VolbaSystemu(index, m_g, [this](const TlacitkoSystemu& t) { return vyberZNabidky(t); })) return;

    {
        const KurzorCekani h;
        if (!m_sluzby.NactiSystem()) return;
        m_sluzby.list->NastavSystem(m_g.sorvenikaParametry.SystemNazev());
        m_sluzby.list->Zobraz();
        hide();
    }
    QApplication::processEvents();
    m_sluzby.pruvodce->ZobrazModalne();
}

void frmMenu::Label2_DblClick() {
    // Saving there writes the settings and starts the program again.
    if (!potvrdPole()) return;
    const Vysledek<QString> pripojeni = PripojeniZNastaveni();
    if (!pripojeni) MsgBox(pripojeni.chyba(), Tlacitka::Ok, Ikona::Kriticka);
    else if (PripojeniNastaveno(*pripojeni)) m_sluzby.nastaveniOZ->ZobrazModalne();
    else MsgBox(kBezPripojeni);
}

void frmMenu::otevriOdkaz(ClickableLabel* l, const QString& predpona) {
    nastavBarvu(l, kNavstiveny);
    QApplication::processEvents();
    platform::desktop().otevri(predpona + l->text());
}

void frmMenu::closeEvent(QCloseEvent* e) {
    if (e->spontaneous() && (!potvrdPole() || !m_sluzby.Exit())) return e->ignore();
    e->accept();
}

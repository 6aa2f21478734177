#include "net/frmNastaveni.h"

#include "platform/Guard.h"
#include "platform/QtWidgety.h"
#include "platform/UserDialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString kTipPortu = QStringLiteral("číslo portu na kterém běží služba HTTP (obvykle 3128 nebo 8080)");
const QColor kBarvaUctu(192, 0, 0);
const QColor kBarvaVsech(0, 128, 0);

// A coloured square that marks who fills in a field.
QLabel* znacka(const QColor& barva) {
    auto* l = new QLabel;
    l->setFixedSize(10, 10);
    l->setStyleSheet(QStringLiteral("background-color: %1;").arg(barva.name()));
    return l;
}

QLineEdit* pole(const QString& jmeno, int delka = 0, const QString& tip = {}) {
    auto* e = new QLineEdit;
    e->setObjectName(jmeno);
    if (delka) e->setMaxLength(delka);
    e->setToolTip(tip);
    return e;
}

}  // namespace

frmNastaveni::frmNastaveni(clsHTTP& http, NastaveniObjednavek& objednavka, IDetekceSite& detekce, QWidget* rodic)
    : QDialog(rodic), m_http(http), m_p(http, objednavka, detekce) {
    setWindowTitle(QStringLiteral("Nastavení"));
    txtID = pole(QStringLiteral("txtID"), 8);
    txtMail = pole(QStringLiteral("txtMail"));
    txtProxy = pole(QStringLiteral("txtProxy"), 0, QStringLiteral("IP adresa proxy serveru"));
    txtPort = pole(QStringLiteral("txtPort"), 5, kTipPortu);
    txtUsr = pole(QStringLiteral("txtUsr"));
    txtPwd = pole(QStringLiteral("txtPwd"));
    txtPwd->setEchoMode(QLineEdit::Password);
    txtSOCKS5Server = pole(QStringLiteral("txtSOCKS5Server"), 0, QStringLiteral("IP adresa SOCKS5 serveru"));
    txtSOCKS5Port = pole(QStringLiteral("txtSOCKS5Port"), 5, kTipPortu);
    const QString volby[] = {QStringLiteral("Žádné:  nebudete moci využívat el. objednávání !!!"),
                             QStringLiteral("Přímé (LAN, modem)"), QStringLiteral("Proxy server:"), QStringLiteral("SOCKS 5:")};
    for (int i = 0; i < 4; ++i) {
        optPripojeni[i] = new QRadioButton(volby[i]);
        optPripojeni[i]->setObjectName(QStringLiteral("optPripojeni%1").arg(i));
    }
    chkAutorizace = new QCheckBox(QStringLiteral("Proxy autorizace"));
    cmdTestSpojeni = new QPushButton(QStringLiteral("Test spojení"));
    lblVystup = new QLabel;
    lblVystup->setFrameShape(QFrame::Panel);
    lblVystup->setFrameShadow(QFrame::Sunken);
    cmdProchazet = new QPushButton(QStringLiteral("..."));
    cmdOk = new QPushButton(QStringLiteral("OK"));
    cmdStorno = new QPushButton(QStringLiteral("Storno"));

    auto* Frame2 = new QGroupBox(QStringLiteral("Vaše údaje potřebné k uskutečnění objednávky"));
    auto* udaje = new QGridLayout(Frame2);
    udaje->addWidget(znacka(kBarvaUctu), 0, 0);
    udaje->addWidget(new QLabel(QStringLiteral("Účet u firmy Kestroma:")), 0, 1);
    udaje->addWidget(txtID, 0, 2);
    udaje->addWidget(znacka(kBarvaUctu), 1, 0);
    udaje->addWidget(new QLabel(QStringLiteral("E-mail:")), 1, 1);
    udaje->addWidget(txtMail, 1, 2);

    auto* Frame1 = new QGroupBox(QStringLiteral("Typ připojení k Internetu"));
    auto* typ = new QGridLayout(Frame1);
    typ->addWidget(znacka(kBarvaVsech), 0, 0);
    typ->addWidget(optPripojeni[0], 0, 1, 1, 4);
    typ->addWidget(optPripojeni[1], 1, 1, 1, 4);
    typ->addWidget(optPripojeni[2], 2, 1);
    typ->addWidget(txtProxy, 2, 2);
    typ->addWidget(new QLabel(QStringLiteral("Port:")), 2, 3);
    typ->addWidget(txtPort, 2, 4);
    typ->addWidget(chkAutorizace, 3, 1);
    typ->addWidget(new QLabel(QStringLiteral("Uživ. jméno:")), 4, 1);
    typ->addWidget(txtUsr, 4, 2);
    typ->addWidget(new QLabel(QStringLiteral("Heslo:")), 5, 1);
    typ->addWidget(txtPwd, 5, 2);
    typ->addWidget(optPripojeni[3], 6, 1);
    typ->addWidget(txtSOCKS5Server, 6, 2);
    typ->addWidget(new QLabel(QStringLiteral("Port:")), 6, 3);
    typ->addWidget(txtSOCKS5Port, 6, 4);
    typ->addWidget(cmdTestSpojeni, 7, 4);

    auto* Frame3 = new QGroupBox(kTitulekSlozky);
    auto* slozka = new QHBoxLayout(Frame3);
    slozka->addWidget(lblVystup, 1);
    slozka->addWidget(cmdProchazet);

    auto* Frame4 = new QGroupBox;
    auto* legenda = new QGridLayout(Frame4);
    legenda->addWidget(znacka(kBarvaUctu), 0, 0);
    legenda->addWidget(new QLabel(QStringLiteral("Vyplní pouze ti, co mají účet u firmy Kestroma")), 0, 1);
    legenda->addWidget(znacka(kBarvaVsech), 1, 0);
    legenda->addWidget(new QLabel(QStringLiteral("Vyplní všichni")), 1, 1);

    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch();
    tlacitka->addWidget(cmdOk);
    tlacitka->addWidget(cmdStorno);
    auto* okno = new QVBoxLayout(this);
    for (QWidget* w : {static_cast<QWidget*>(Frame2), static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Frame3),
                       static_cast<QWidget*>(Frame4)})
        okno->addWidget(w);
    okno->addLayout(tlacitka);

    m_p.Form_Load();
    txtID->setText(m_p.txtID);
    txtMail->setText(m_p.txtMail);
    lblVystup->setText(m_p.lblVystup);
    if (m_p.optPripojeni >= 0) optPripojeni[m_p.optPripojeni]->setChecked(true);
    txtProxy->setText(m_p.txtProxy);
    txtPort->setText(m_p.txtPort);
    txtUsr->setText(m_p.txtUsr);
    txtPwd->setText(m_p.txtPwd);
    txtSOCKS5Server->setText(m_p.txtSOCKS5Server);
    txtSOCKS5Port->setText(m_p.txtSOCKS5Port);
    chkAutorizace->setChecked(m_p.chkAutorizace);
    txtUsr->setEnabled(m_p.chkAutorizace);
    txtPwd->setEnabled(m_p.chkAutorizace);
    ohlasPoOtevreni(this, m_p.chybaCteni());

    // Connected after the load, so that filling the boxes changes nothing in the client.
    for (int i = 0; i < 4; ++i)
        pripoj(optPripojeni[i], &QRadioButton::toggled, this, [this, i](bool zvolena) {
            if (zvolena) m_p.optPripojeni_Click(i);
        });
    pripoj(chkAutorizace, &QCheckBox::toggled, this, [this](bool zaskrtnuto) {
        m_p.chkAutorizace_Click(zaskrtnuto);
        txtUsr->setEnabled(zaskrtnuto);
        txtPwd->setEnabled(zaskrtnuto);
    });
    pripoj(txtUsr, &QLineEdit::textChanged, this, [this](const QString& t) { m_p.txtUsr_Change(t); });
    pripoj(txtPwd, &QLineEdit::textChanged, this, [this](const QString& t) { m_p.txtPwd_Change(t); });
    const std::pair<QLineEdit*, NastaveniPripojeni::Adresa> adresy[] = {
        {txtProxy, NastaveniPripojeni::Adresa::Proxy},
        {txtPort, NastaveniPripojeni::Adresa::Port},
        {txtSOCKS5Server, NastaveniPripojeni::Adresa::SOCKS5Server},
        {txtSOCKS5Port, NastaveniPripojeni::Adresa::SOCKS5Port}};
    for (const auto& [box, adresa] : adresy) {
        pripoj(box, &QLineEdit::returnPressed, this, [this] { cmdOk->setFocus(); });
        // Leaving the box counts as Enter does, so that the test and OK never use what was there before.
        pripoj(box, &QLineEdit::editingFinished, this, [this, box, adresa] { m_p.Enter(adresa, box->text()); });
    }
    pripoj(cmdProchazet, &QPushButton::clicked, this, [this] {
        m_p.cmdProchazet(VyberAdresar(kTitulekSlozky));
        lblVystup->setText(m_p.lblVystup);
    });
    pripoj(cmdTestSpojeni, &QPushButton::clicked, this, [this] { cmdTestSpojeni_Click(); });
    pripoj(cmdOk, &QPushButton::clicked, this, [this] { cmdOk_Click(); });
    pripoj(cmdStorno, &QPushButton::clicked, this, [this] { reject(); });
    // Enter in a box belongs to the box, never to a default button.
    for (QPushButton* b : {cmdTestSpojeni, cmdProchazet, cmdOk, cmdStorno}) b->setAutoDefault(false);
}

void frmNastaveni::cmdTestSpojeni_Click() {
    for (QPushButton* b : {cmdTestSpojeni, cmdOk, cmdStorno}) b->setEnabled(false);
    const Vysledek<QString> v = [this] {
        const KurzorCekani h;
        return m_p.cmdTestSpojeni_Click();
    }();
    for (QPushButton* b : {cmdTestSpojeni, cmdOk, cmdStorno}) b->setEnabled(true);
    MsgBox(v ? *v : v.chyba());
}

void frmNastaveni::cmdOk_Click() {
    m_p.txtID = txtID->text();
    m_p.txtMail = txtMail->text();
    m_p.txtProxy = txtProxy->text();
    m_p.txtPort = txtPort->text();
    m_p.txtSOCKS5Server = txtSOCKS5Server->text();
    m_p.txtSOCKS5Port = txtSOCKS5Port->text();
    if (ohlas(m_p.cmdOk_Click())) accept();
}

void frmNastaveni::reject() {
    if (m_http.zaneprazdnen()) return;
    ohlas(m_p.cmdStorno_Click());
    QDialog::reject();
}

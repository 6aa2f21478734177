#include "offers/frmNastaveniOZ.h"

#include "platform/Guard.h"
#include "platform/UserDialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

frmNastaveniOZ::frmNastaveniOZ(NastaveniOZ& model, std::function<bool()> smiZnovuSpustit, QWidget* rodic)
    : QDialog(rodic), m_model(model), m_smiZnovuSpustit(std::move(smiZnovuSpustit)) {
    setObjectName(QStringLiteral("frmNastaveniOZ"));
    setWindowTitle(QStringLiteral("Nastavení účtu"));
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    cmbSeznamOZ = new QComboBox;
    cmbSeznamOZ->setObjectName(QStringLiteral("cmbSeznamOZ"));
    cmbSeznamOZ->setMinimumContentsLength(34);
    txtPwd = new QLineEdit;
    txtPwd->setObjectName(QStringLiteral("txtPwd"));
    txtPwd->setEchoMode(QLineEdit::Password);
    cmdTest = new QPushButton(QStringLiteral("Test"));
    cmdTest->setObjectName(QStringLiteral("cmdTest"));
    txtExtID = new QLineEdit;
    txtExtID->setObjectName(QStringLiteral("txtExtID"));
    txtExtID->setToolTip(QStringLiteral("Počátek číselné řady pro číslování nabídek"));
    cmdUlozit = new QPushButton(QStringLiteral("Uložit"), this);
    cmdUlozit->setObjectName(QStringLiteral("cmdUlozit"));
    cmdStorno = new QPushButton(QStringLiteral("Storno"), this);
    cmdStorno->setObjectName(QStringLiteral("cmdStorno"));

    auto* mrizka = new QGridLayout(Frame1);
    const QString popisky[] = {QStringLiteral("1. Vyberte své jméno:"), QStringLiteral("2. Zadejte své heslo:"),
                               QStringLiteral("3. Spusťte test:"), QStringLiteral("4. Zadejte č. nabídky:")};
    QWidget* prvky[] = {cmbSeznamOZ, txtPwd, cmdTest, txtExtID};
    for (int i = 0; i < 4; ++i) {
        Label1 << new QLabel(popisky[i]);
        Label1.last()->setObjectName(QStringLiteral("Label1_%1").arg(i));
        mrizka->addWidget(Label1.last(), i, 0);
        mrizka->addWidget(prvky[i], i, 1, Qt::AlignLeft);
    }
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch();
    tlacitka->addWidget(cmdUlozit);
    tlacitka->addWidget(cmdStorno);
    auto* svisle = new QVBoxLayout(this);
    svisle->addWidget(Frame1);
    svisle->addLayout(tlacitka);

    cmdUlozit->setEnabled(false);
    cmdTest->setEnabled(false);
    txtExtID->setText(m_model.extId());
    // Any change of the entry, by the mouse, the keys or the wheel, and any edit of the password
    // asks for a new test before saving.
    pripoj(cmbSeznamOZ, &QComboBox::currentIndexChanged, this, [this] { cmbSeznamOZ_Click(); });
    pripoj(txtPwd, &QLineEdit::textChanged, this, [this] { povolUlozeni(); });
    pripoj(cmdTest, &QPushButton::clicked, this, [this] { cmdTest_Click(); });
    pripoj(cmdUlozit, &QPushButton::clicked, this, [this] { cmdUlozit_Click(); });
    connect(cmdStorno, &QPushButton::clicked, this, &QDialog::reject);
}

void frmNastaveniOZ::cekej(bool ano) {
    m_ceka = ano;
    setEnabled(!ano);
}

void frmNastaveniOZ::reject() {
    if (!m_ceka) QDialog::reject();
}

void frmNastaveniOZ::Form_Load() {
    // The program may unload every window while a request waits.
    const QPointer<frmNastaveniOZ> ja(this);
    cekej(true);
    m_model.NactiSeznamOZ();
    if (!ja) return;
    cekej(false);
    // Filling the list chooses nobody.
    const QSignalBlocker b(cmbSeznamOZ);
    cmbSeznamOZ->clear();
    cmbSeznamOZ->addItems(m_model.seznam());
    cmbSeznamOZ->setCurrentIndex(-1);
}

void frmNastaveniOZ::cmbSeznamOZ_Click() {
    m_model.vyber(cmbSeznamOZ->currentIndex());
    cmdTest->setEnabled(m_model.testPovolen());
    povolUlozeni();
}

void frmNastaveniOZ::povolUlozeni() { cmdUlozit->setEnabled(m_model.ulozeniPovoleno(txtPwd->text())); }

void frmNastaveniOZ::cmdTest_Click() {
    const QPointer<frmNastaveniOZ> ja(this);
    cekej(true);
    const QString zprava = m_model.Test(txtPwd->text());
    if (!ja) return;
    cekej(false);
    povolUlozeni();
    MsgBox(zprava);
}

void frmNastaveniOZ::cmdUlozit_Click() {
    // "Ne" keeps this window and the shared settings as they are.
    const QPointer<frmNastaveniOZ> ja(this);
    if (!m_model.ulozeniPovoleno(txtPwd->text()) || !m_smiZnovuSpustit() || !ja) return;
    if (!m_model.Uloz(txtExtID->text(), txtPwd->text())) return;
    m_ulozeno = true;
    accept();
}

QtNastaveniOZ::QtNastaveniOZ(Nastaveni& n, std::function<void(QWidget*)> zaregistruj, std::function<bool()> smiZnovuSpustit,
                             std::function<void()> znovuSpust)
    : m_n(n),
      m_zaregistruj(std::move(zaregistruj)),
      m_smiZnovuSpustit(std::move(smiZnovuSpustit)),
      m_znovuSpust(std::move(znovuSpust)) {}

void QtNastaveniOZ::ZobrazModalne() {
    SpojeniNabidek spojeni;
    spojeni.oznamChybu = [](const QString& text) { MsgBox(text); };
    NastaveniOZ model(m_n, spojeni);
    QPointer<frmNastaveniOZ> okno = new frmNastaveniOZ(model, m_smiZnovuSpustit);
    m_zaregistruj(okno);
    // The list is asked for once the window is up.
    QTimer::singleShot(0, okno, [okno] { runGuarded([&] { okno->Form_Load(); }); });
    okno->exec();
    const bool ulozeno = okno && okno->ulozeno();
    delete okno.data();
    // The start-up runs again from the event loop once this handler has returned; every window,
    // the menu that opened this one included, is unloaded first.
    if (ulozeno) m_znovuSpust();
}

#include "offers/NastaveniOZ.h"

#include "net/clsBase64.h"
#include "platform/Errors.h"

NastaveniOZ::NastaveniOZ(Nastaveni& n, SpojeniNabidek spojeni) : m_n(n), m_spojeni(std::move(spojeni)) {}

void NastaveniOZ::NactiSeznamOZ() {
    m_seznam.clear();
    for (const QString& radek : SynchronizaceNabidek(m_n, m_spojeni).StahniSeznamOZ().split(QStringLiteral("\r\n")))
        if (!radek.isEmpty()) m_seznam << radek;
}

void NastaveniOZ::vyber(int index) {
    if (index >= 0 && index < m_seznam.size()) m_vybrany = index;
}

QString NastaveniOZ::Test(const QString& heslo) {
    if (m_vybrany < 0) return {};
    // A line with fewer fields leaves the missing values as they were.
    const QStringList pole = m_seznam[m_vybrany].split(QLatin1Char('|'));
    try {
        m_idoz = Integer(CInt(Val(pole[0])));
    } catch (const RuntimeError&) {
        // A number out of range is passed over, as every failed step of the test.
    }
    if (pole.size() > 1) m_jmeno = pole[1];
    if (pole.size() > 2) m_email = pole[2];
    if (pole.size() > 3) m_telefon = pole[3];
    m_pwd = clsBase64::Encode(heslo);
    m_testovany = m_vybrany;
    const QString odpoved = SynchronizaceNabidek(m_n, m_spojeni).Test(m_idoz.value(), m_pwd);
    m_uspech = odpoved.startsWith(QLatin1String("OK"));
    return m_uspech ? odpoved.mid(4) : odpoved;
}

bool NastaveniOZ::ulozeniPovoleno(const QString& heslo) const {
    return m_uspech && m_vybrany == m_testovany && clsBase64::Encode(heslo) == m_pwd;
}

bool NastaveniOZ::Uloz(const QString& extIdText, const QString& heslo) {
    if (!ulozeniPovoleno(heslo)) return false;
    m_n.IDOZ = m_idoz;
    m_n.JmenoOZ = m_jmeno;
    m_n.EmailOZ = m_email;
    m_n.TelefonOZ = m_telefon;
    m_n.Pwd = m_pwd;
    try {
        m_n.ExtID = CLng(Val(extIdText));
    } catch (const RuntimeError&) {
        m_n.ExtID = 0;
    }
    m_n.TypUzivatele = 1;
    return true;
}

#include "platform/Regional.h"

#include "platform/Errors.h"

#include <QRegularExpression>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

namespace {

std::optional<Regional>& aktualni() {
    static std::optional<Regional> r;
    return r;
}

bool jeMezera(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0x00A0); }

}  // namespace

Regional::Regional(const QString& localeName) : m_locale(localeName) {
    const bool cesky = m_locale.language() == QLocale::Czech;
    m_desetinna = cesky ? QLatin1Char(',') : m_locale.decimalPoint().at(0);
    m_skupina = cesky ? QChar(0x00A0) : m_locale.groupSeparator().at(0);
    if (cesky) {
        m_datum = QStringLiteral("d.M.yyyy");
    } else {
        // The locale's short form with a four-digit year and unpadded day and month.
        QString f = m_locale.dateFormat(QLocale::ShortFormat);
        if (m_locale == QLocale::c() || f.contains(QLatin1String("MMM"))) f = QStringLiteral("M/d/yyyy");
        f.replace(QRegularExpression(QStringLiteral("y+")), QStringLiteral("yyyy"));
        f.replace(QRegularExpression(QStringLiteral("d+")), QStringLiteral("d"));
        f.replace(QRegularExpression(QStringLiteral("M+")), QStringLiteral("M"));
        m_datum = f;
    }
}

const Regional& Regional::current() {
    auto& r = aktualni();
    if (!r) {
        const QString env = qEnvironmentVariable("SORVENIKA_LOCALE");
        r.emplace(env.isEmpty() ? QStringLiteral("cs_CZ") : env);
    }
    return *r;
}

void Regional::setCurrent(const QString& localeName) {
    if (localeName.isEmpty()) aktualni().reset();
    else aktualni().emplace(localeName);
}

// A regional number reduced to the "C" form strtod reads, or nullopt when it is no number.
static std::optional<std::string> normalizuj(const QString& text, QChar desetinna, QChar skupina) {
    qsizetype i = 0, n = text.size();
    while (i < n && jeMezera(text[i])) ++i;
    while (n > i && jeMezera(text[n - 1])) --n;
    std::string s;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) s += static_cast<char>(text[i++].unicode());
    bool cislice = false, carka = false;
    for (; i < n; ++i) {
        const QChar c = text[i];
        if (c.isDigit() && c.unicode() < 128) { s += static_cast<char>(c.unicode()); cislice = true; }
        else if (c == desetinna && !carka) { s += '.'; carka = true; }
        else if (!carka && cislice && (c == skupina || (skupina == QChar(0x00A0) && c == QLatin1Char(' ')))) {}
        else break;
    }
    if (!cislice) return std::nullopt;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E') || text[i] == QLatin1Char('d') ||
                  text[i] == QLatin1Char('D'))) {
        s += 'E';
        ++i;
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) s += static_cast<char>(text[i++].unicode());
        bool exp = false;
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) { s += static_cast<char>(text[i++].unicode()); exp = true; }
        if (!exp) return std::nullopt;
    }
    if (i != n) return std::nullopt;
    return s;
}

bool Regional::IsNumeric(const QString& text) const {
    return normalizuj(text, m_desetinna, m_skupina).has_value();
}

double Regional::CDbl(const QString& text) const {
    const auto s = normalizuj(text, m_desetinna, m_skupina);
    if (!s) throw ChybaTypu(QStringLiteral("\"%1\" není číslo").arg(text));
    const double v = std::strtod(s->c_str(), nullptr);
    if (std::isinf(v)) throw ChybaPreteceni();
    return v;
}

float Regional::CSng(const QString& text) const {
    const double v = CDbl(text);
    if (std::fabs(v) > 3.402823466e38) throw ChybaPreteceni();
    return static_cast<float>(v);
}

qint16 Regional::CInt(const QString& text) const { return ::CInt(CDbl(text)); }
qint32 Regional::CLng(const QString& text) const { return ::CLng(CDbl(text)); }

Currency Regional::CCur(const QString& text) const {
    const auto s = normalizuj(text, m_desetinna, m_skupina);
    if (!s) throw ChybaTypu(QStringLiteral("\"%1\" není číslo").arg(text));
    // Exact decimal arithmetic: half to even at the fourth decimal of the written number.
    std::string mant = *s, cislice;
    bool zaporne = false;
    int exp = 0;
    if (const auto e = mant.find('E'); e != std::string::npos) {
        exp = std::atoi(mant.c_str() + e + 1);
        mant.resize(e);
    }
    if (!mant.empty() && (mant[0] == '+' || mant[0] == '-')) { zaporne = mant[0] == '-'; mant.erase(0, 1); }
    int bod = static_cast<int>(mant.size());
    for (size_t k = 0; k < mant.size(); ++k) {
        if (mant[k] == '.') bod = static_cast<int>(k);
        else cislice += mant[k];
    }
    bod += exp;
    if (bod > 40) throw ChybaPreteceni();
    if (bod < 0) { cislice.insert(0, static_cast<size_t>(-bod), '0'); bod = 0; }
    while (static_cast<int>(cislice.size()) < bod + 5) cislice += '0';
    __int128 raw = 0;
    for (int k = 0; k < bod + 4; ++k) {
        raw = raw * 10 + (cislice[k] - '0');
        if (raw > static_cast<__int128>(1) << 64) throw ChybaPreteceni();
    }
    const char dalsi = cislice[bod + 4];
    const bool zbytek = cislice.find_first_not_of('0', bod + 5) != std::string::npos;
    if (dalsi > '5' || (dalsi == '5' && (zbytek || (raw & 1)))) ++raw;
    if (zaporne) raw = -raw;
    if (raw > std::numeric_limits<qint64>::max() || raw < std::numeric_limits<qint64>::min()) throw ChybaPreteceni();
    return Currency::fromRaw(static_cast<qint64>(raw));
}

QString Regional::Str(double v) const {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", v);
    QString s = QString::fromLatin1(buf);
    if (s == QLatin1String("-0")) s = QStringLiteral("0");
    s.replace(QLatin1Char('e'), QLatin1Char('E'));
    s.replace(QLatin1Char('.'), m_desetinna);
    return s;
}

QString Regional::Str(Currency c) const {
    const qint64 r = c.raw();
    const quint64 a = r < 0 ? 0 - static_cast<quint64>(r) : static_cast<quint64>(r);
    QString s = QString::number(a / 10000);
    QString des = QStringLiteral("%1").arg(a % 10000, 4, 10, QLatin1Char('0'));
    while (des.endsWith(QLatin1Char('0'))) des.chop(1);
    if (!des.isEmpty()) s += m_desetinna + des;
    return r < 0 ? QLatin1Char('-') + s : s;
}

QString Regional::Format(double v, int decimals, bool seskupit) const {
    const DecimalDigits d = roundDecimal(v, decimals);
    QString cela = d.cela;
    if (seskupit)
        for (qsizetype k = cela.size() - 3; k > 0; k -= 3) cela.insert(k, m_skupina);
    QString s = d.zaporne ? QLatin1Char('-') + cela : cela;
    if (decimals > 0) s += m_desetinna + d.desetinna;
    return s;
}

QString Regional::Format(Currency c, int decimals, bool seskupit) const {
    return Format(c.toDouble(), decimals, seskupit);
}

QString Regional::KratkeDatum(const QDate& d) const { return d.toString(m_datum); }

QString Regional::ObecneDatum(const QDateTime& t) const {
    const QString datum = KratkeDatum(t.date());
    if (t.time() == QTime(0, 0)) return datum;
    return datum + QLatin1Char(' ') + t.time().toString(QStringLiteral("H:mm:ss"));
}

QDate Regional::CDate(const QString& text) const {
    // Day, month and year in the order of the short form, any of . / - as separator.
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,4})[./-](\\d{1,2})[./-](\\d{1,4})\\s*$"));
    const auto m = re.match(text);
    if (m.hasMatch()) {
        const int a = m.captured(1).toInt(), b = m.captured(2).toInt(), c = m.captured(3).toInt();
        const int iy = m_datum.indexOf(QLatin1Char('y')), id = m_datum.indexOf(QLatin1Char('d')),
                  im = m_datum.indexOf(QLatin1Char('M'));
        int den, mesic, rok;
        if (iy < id && iy < im) { rok = a; mesic = b; den = c; }
        else if (im < id) { mesic = a; den = b; rok = c; }
        else { den = a; mesic = b; rok = c; }
        const int delkaRoku = (iy < id && iy < im) ? m.capturedLength(1) : m.capturedLength(3);
        if (delkaRoku <= 2) rok += rok < 30 ? 2000 : 1900;
        if (delkaRoku != 3) {
            const QDate d(rok, mesic, den);
            if (d.isValid()) return d;
        }
    }
    throw ChybaTypu(QStringLiteral("\"%1\" není datum").arg(text));
}

bool Regional::IsDate(const QString& text) const {
    try {
        CDate(text);
        return true;
    } catch (const RuntimeError&) {
        return false;
    }
}

namespace {

template <class F>
auto bezChyby(const QString& text, F precti) -> std::optional<decltype(precti(Regional::current(), text))> {
    const Regional& r = Regional::current();
    if (!r.IsNumeric(text)) return std::nullopt;
    try {
        return precti(r, text);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

}  // namespace

std::optional<double> naDouble(const QString& text) {
    return bezChyby(text, [](const Regional& r, const QString& t) { return r.CDbl(t); });
}

std::optional<float> naSingle(const QString& text) {
    return bezChyby(text, [](const Regional& r, const QString& t) { return r.CSng(t); });
}

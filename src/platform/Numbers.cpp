#include "platform/Numbers.h"

#include "platform/Errors.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

// Half to even, whatever rounding mode someone left behind.
double polovinaKSude(double x) {
    const int mode = std::fegetround();
    if (mode != FE_TONEAREST) std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(x);
    if (mode != FE_TONEAREST) std::fesetround(mode);
    return r;
}

}  // namespace

qint16 CInt(double x) {
    const double r = polovinaKSude(x);
    if (!(r >= -32768.0 && r <= 32767.0)) throw ChybaPreteceni();
    return static_cast<qint16>(r);
}

qint32 CLng(double x) {
    const double r = polovinaKSude(x);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) throw ChybaPreteceni();
    return static_cast<qint32>(r);
}

double Round(double x, int n) {
    if (n == 0) return polovinaKSude(x);
    const double f = std::pow(10.0, n);
    return polovinaKSude(x * f) / f;
}

double Int(double x) { return std::floor(x); }

double hodnotaSingle(float x) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(x));
    return std::strtod(buf, nullptr);
}
double Fix(double x) { return std::trunc(x); }

double Val(QStringView text) {
    // Blanks, tabs and line feeds are skipped anywhere; the number ends at the first other
    // character that cannot continue it.
    std::string s;
    bool cislice = false, tecka = false, exponent = false, znamenkoExp = false;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == ' ' || u == '\t' || u == '\n' || u == '\r') continue;
        if (u >= '0' && u <= '9') {
            s += static_cast<char>(u);
            if (!exponent) cislice = true;
            else znamenkoExp = true;
        } else if ((u == '+' || u == '-') && s.empty()) {
            s += static_cast<char>(u);
        } else if ((u == '+' || u == '-') && exponent && !znamenkoExp && (s.back() == 'E')) {
            s += static_cast<char>(u);
            znamenkoExp = true;
        } else if (u == '.' && !tecka && !exponent) {
            s += '.';
            tecka = true;
        } else if ((u == 'e' || u == 'E' || u == 'd' || u == 'D') && cislice && !exponent) {
            s += 'E';
            exponent = true;
        } else {
            break;
        }
    }
    if (!cislice) return 0.0;
    const double v = std::strtod(s.c_str(), nullptr);
    if (std::isinf(v)) throw ChybaPreteceni();
    return v;
}

Integer::Integer(long long v) {
    if (v < -32768 || v > 32767) throw ChybaPreteceni();
    m_v = static_cast<qint16>(v);
}

Integer idiv(Integer a, Integer b) {
    if (b.m_v == 0) throw RuntimeError(11, QStringLiteral("Dělení nulou"));
    return Integer(static_cast<long long>(a.m_v) / b.m_v);
}

Integer imod(Integer a, Integer b) {
    if (b.m_v == 0) throw RuntimeError(11, QStringLiteral("Dělení nulou"));
    return Integer(static_cast<long long>(a.m_v) % b.m_v);
}

Currency Currency::fromDouble(double x) {
    const double r = polovinaKSude(x * 10000.0);
    if (!(r >= -9.2233720368547758e18 && r < 9.2233720368547758e18)) throw ChybaPreteceni();
    return fromRaw(static_cast<qint64>(r));
}

Currency& Currency::operator+=(Currency o) {
    if (__builtin_add_overflow(m_raw, o.m_raw, &m_raw)) throw ChybaPreteceni();
    return *this;
}

DecimalDigits roundDecimal(double v, int decimals) {
    if (!std::isfinite(v)) throw ChybaPreteceni();
    // The value's 15-significant-digit decimal form, then half away from zero on that text.
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(v));
    QString cislice;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') cislice += QLatin1Char(*p);
    const int exp = std::atoi(p + 1);

    int bod = exp + 1;  // digits before the decimal point
    if (bod < 1) {
        cislice.prepend(QString(1 - bod, QLatin1Char('0')));
        bod = 1;
    }
    if (cislice.size() < bod + decimals + 1) cislice += QString(bod + decimals + 1 - cislice.size(), QLatin1Char('0'));

    const bool nahoru = cislice[bod + decimals] >= QLatin1Char('5');
    QString s = cislice.left(bod + decimals);
    if (nahoru) {
        int i = s.size() - 1;
        while (i >= 0 && s[i] == QLatin1Char('9')) s[i--] = QLatin1Char('0');
        if (i >= 0) s[i] = QChar(s[i].unicode() + 1);
        else { s.prepend(QLatin1Char('1')); ++bod; }
    }
    DecimalDigits d;
    d.cela = s.left(bod);
    d.desetinna = s.mid(bod);
    while (d.cela.size() > 1 && d.cela[0] == QLatin1Char('0')) d.cela.remove(0, 1);
    const bool nula = d.cela == QLatin1String("0") &&
                      std::all_of(d.desetinna.begin(), d.desetinna.end(), [](QChar c) { return c == QLatin1Char('0'); });
    d.zaporne = v < 0 && !nula;
    return d;
}

Currency zobrazenaHodnota(double v) {
    const DecimalDigits d = roundDecimal(v, 2);
    // Beyond 14 whole digits the ten-thousandths no longer fit 64 bits.
    if (d.cela.size() > 14) throw ChybaPreteceni();
    const qint64 raw = (d.cela.toLongLong() * 100 + d.desetinna.toLongLong()) * 100;
    return Currency::fromRaw(d.zaporne ? -raw : raw);
}

#pragma once
// The rounding words and number types the computations are written in, implemented once.
//   CInt / CLng   round half to even, then range-check (overflow is run-time error 6)
//   Round(x, n)   half to even on the scaled double
//   Int           floor;  Fix  toward zero
//   Val           the leading number of a text, "." only, never regional
#include <QString>
#include <QStringView>
#include <compare>
#include <cstdint>

qint16 CInt(double x);
qint32 CLng(double x);
double Round(double x, int n = 0);
double Int(double x);
double Fix(double x);
double Val(QStringView text);
// A digit key typed into a grid, 0 to 9: what opens a quantity or count editor.
inline bool jeCislice(QChar z) { return z >= u'0' && z <= u'9'; }
// A Single widened or printed by its shortest decimal form of seven significant digits
// (0.1f gives 0.1, not 0.100000001490116), so a stored value reads back as written.
double hodnotaSingle(float x);

// A 16-bit Integer: arithmetic that leaves -32768..32767 raises the overflow error, never wraps.
class Integer {
public:
    constexpr Integer() = default;
    explicit Integer(long long v);
    static Integer fromDouble(double x) { return Integer(CInt(x)); }  // CInt rounding

    constexpr int value() const { return m_v; }
    constexpr operator int() const { return m_v; }

    Integer& operator+=(Integer o) { return *this = Integer(static_cast<long long>(m_v) + o.m_v); }
    Integer& operator-=(Integer o) { return *this = Integer(static_cast<long long>(m_v) - o.m_v); }
    Integer& operator*=(Integer o) { return *this = Integer(static_cast<long long>(m_v) * o.m_v); }
    Integer& operator++() { return *this += Integer(1); }
    Integer& operator--() { return *this -= Integer(1); }

    friend Integer operator+(Integer a, Integer b) { return a += b; }
    friend Integer operator-(Integer a, Integer b) { return a -= b; }
    friend Integer operator*(Integer a, Integer b) { return a *= b; }
    friend Integer operator+(Integer a, int b) { return a += Integer(b); }
    friend Integer operator-(Integer a, int b) { return a -= Integer(b); }
    friend Integer operator*(Integer a, int b) { return a *= Integer(b); }
    friend Integer operator+(int a, Integer b) { return Integer(a) += b; }
    friend Integer operator-(int a, Integer b) { return Integer(a) -= b; }
    friend Integer operator*(int a, Integer b) { return Integer(a) *= b; }
    Integer operator-() const { return Integer(-static_cast<long long>(m_v)); }
    // Integer division "\" truncates toward zero; division by zero is run-time error 11.
    friend Integer idiv(Integer a, Integer b);
    friend Integer imod(Integer a, Integer b);

private:
    qint16 m_v = 0;
};

// Currency: 64-bit fixed point in ten-thousandths.
class Currency {
public:
    constexpr Currency() = default;
    static constexpr Currency fromRaw(qint64 r) { Currency c; c.m_raw = r; return c; }
    // CCur of a number: half to even at the fourth decimal; out of range is the overflow error.
    static Currency fromDouble(double x);
    static constexpr Currency fromInt(qint64 x) { return fromRaw(x * 10000); }

    constexpr qint64 raw() const { return m_raw; }
    double toDouble() const { return static_cast<double>(m_raw) / 10000.0; }

    Currency& operator+=(Currency o);
    friend Currency operator+(Currency a, Currency b) { return a += b; }
    Currency operator-() const { return fromRaw(-m_raw); }
    friend constexpr auto operator<=>(Currency, Currency) = default;
    friend constexpr bool operator==(Currency, Currency) = default;

private:
    qint64 m_raw = 0;
};

// The digits of Format(v, pattern) for a fixed number of decimals: half away from zero on the
// value's 15-significant-digit decimal form, as existing installations print prices (2.675 -> 2.68).
// Returns the unsigned integer part and the decimals as digit strings, and whether the rounded
// value is negative.
struct DecimalDigits {
    bool zaporne = false;
    QString cela;      // at least "0"
    QString desetinna; // exactly `decimals` digits
};
DecimalDigits roundDecimal(double v, int decimals);

// The value Format(v, "##,##0.00") shows, as Currency: figures that add up as the user reads them.
Currency zobrazenaHodnota(double v);

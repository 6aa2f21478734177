#pragma once
// Run-time errors (overflow, subscript, type mismatch, files), thrown by the core and caught at
// the boundary of each user event (see runGuarded), so the program keeps running with its data
// intact.
#include <QString>
#include <stdexcept>

// The source of an error that the program itself raises.
inline const QString kZdrojProgramu = QStringLiteral("Sorvenika");

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int cislo, const QString& popis, const QString& zdroj = kZdrojProgramu)
        : std::runtime_error(popis.toStdString()), m_cislo(cislo), m_popis(popis), m_zdroj(zdroj) {}
    int cislo() const { return m_cislo; }
    const QString& popis() const { return m_popis; }
    // What raised it: the program, or a device such as the printer.
    const QString& zdroj() const { return m_zdroj; }

private:
    int m_cislo;
    QString m_popis;
    QString m_zdroj;
};

// "Chyba č. 6: Přetečení (Overflow)": how a run-time error reads in a message.
inline QString textChyby(const RuntimeError& e) { return QStringLiteral("Chyba č. %1: %2").arg(e.cislo()).arg(e.popis()); }

// Fixed numbers, so a message reads the same on every installation.
inline RuntimeError ChybaPreteceni() { return RuntimeError(6, QStringLiteral("Přetečení (Overflow)")); }
inline RuntimeError ChybaTypu(const QString& co = {}) {
    return RuntimeError(13, co.isEmpty() ? QStringLiteral("Neshoda typů (Type mismatch)")
                                         : QStringLiteral("Neshoda typů (Type mismatch): ") + co);
}
inline RuntimeError ChybaVolani(const QString& co = {}) {
    return RuntimeError(5, co.isEmpty() ? QStringLiteral("Neplatné volání procedury")
                                        : QStringLiteral("Neplatné volání procedury: ") + co);
}
inline RuntimeError ChybaRozsahu() { return RuntimeError(9, QStringLiteral("Index mimo rozsah")); }
inline RuntimeError ChybaSouboru(const QString& cesta) {
    return RuntimeError(53, QStringLiteral("Soubor nebyl nalezen: ") + cesta);
}

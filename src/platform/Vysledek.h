#pragma once
// What a core operation gives back: its value, or the Czech message a window shows instead.
// Run-time errors stay exceptions inside the core; zachyt() turns them into a message here.
#include "platform/Errors.h"

#include <QString>
#include <QStringList>
#include <new>
#include <optional>
#include <type_traits>
#include <utility>

struct Chyba {
    QString zprava;
    QString zdroj = kZdrojProgramu;  // what raised it, the title of its message where one says so
};

template <class T = void>
class [[nodiscard]] Vysledek {
public:
    Vysledek(T hodnota) : m_hodnota(std::move(hodnota)) {}
    Vysledek(Chyba c) : m_chyba(std::move(c.zprava)), m_zdroj(std::move(c.zdroj)) {}

    explicit operator bool() const { return m_hodnota.has_value(); }
    const T& operator*() const { return *m_hodnota; }
    T& operator*() { return *m_hodnota; }
    const T* operator->() const { return &*m_hodnota; }
    const QString& chyba() const { return m_chyba; }
    const QString& zdroj() const { return m_zdroj; }
    // The failure handed on to the caller as it stands, its title kept; `dodatek` ends its text.
    Chyba selhani(const QString& dodatek = {}) const { return {m_chyba + dodatek, m_zdroj}; }

private:
    std::optional<T> m_hodnota;
    QString m_chyba;
    QString m_zdroj;
};

template <>
class [[nodiscard]] Vysledek<void> {
public:
    Vysledek() = default;
    Vysledek(Chyba c) : m_chyba(std::move(c.zprava)), m_zdroj(std::move(c.zdroj)), m_ok(false) {}

    explicit operator bool() const { return m_ok; }
    const QString& chyba() const { return m_chyba; }
    const QString& zdroj() const { return m_zdroj; }
    Chyba selhani(const QString& dodatek = {}) const { return {m_chyba + dodatek, m_zdroj}; }

private:
    QString m_chyba;
    QString m_zdroj;
    bool m_ok = true;
};

// A request refused by a check: the message, and the field or control the window gives the
// focus to (Pole{} when the check names none).
template <class Pole>
struct [[nodiscard]] Odmitnuti {
    QString zprava;
    Pole pole{};
};

// What a request has to tell the user: the check that refused it, or the failure that stopped it;
// otherwise, in order, what one that went through has to say (a side step that failed, an answer
// worth showing).
template <class Pole = int>
struct [[nodiscard]] Hlaseni {
    std::optional<Odmitnuti<Pole>> odmitnuti;
    std::optional<Chyba> chyba;
    QStringList oznameni;

    Hlaseni() = default;
    Hlaseni(Odmitnuti<Pole> o) : odmitnuti(std::move(o)) {}
    Hlaseni(Chyba c) : chyba(std::move(c)) {}
    bool probehlo() const { return !odmitnuti && !chyba; }
};

// Runs a core operation; a run-time error becomes its message and nothing else leaves.
template <class F>
auto zachyt(F&& f) -> Vysledek<std::invoke_result_t<F>> {
    try {
        if constexpr (std::is_void_v<std::invoke_result_t<F>>) {
            f();
            return {};
        } else {
            return f();
        }
    } catch (const RuntimeError& e) {
        return Chyba{textChyby(e)};
    } catch (const std::bad_alloc&) {
        return Chyba{QStringLiteral("Nedostatek paměti.")};
    } catch (const std::exception& e) {
        return Chyba{QStringLiteral("Neočekávaná chyba: ") + QString::fromLocal8Bit(e.what())};
    }
}

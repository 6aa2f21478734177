#pragma once
// Arrays with explicit bounds, so that row and column numbers are written in the code
// exactly as the item tables and calculators number them. An index outside the bounds is
// run-time error 9, never undefined behaviour.
#include "platform/Errors.h"
#include "platform/Numbers.h"

#include <QList>

template <typename T, int Dolni = 1>
class Pole {
public:
    Pole() = default;
    explicit Pole(int horni) { vytvor(horni); }

    // ReDim Dolni To horni: every element new. A bound below Dolni leaves the array empty.
    void vytvor(int horni) {
        m_prvky.clear();
        if (horni >= Dolni) m_prvky.resize(horni - Dolni + 1);
    }
    // ReDim Preserve: one more element at the end.
    void pridej(T prvek) { m_prvky.append(std::move(prvek)); }

    bool prazdne() const { return m_prvky.isEmpty(); }
    int pocet() const { return static_cast<int>(m_prvky.size()); }
    static constexpr int dolni() { return Dolni; }
    int horni() const { return Dolni + pocet() - 1; }  // UBound; Dolni - 1 when empty

    T& operator()(int i) { return m_prvky[index(i)]; }
    const T& operator()(int i) const { return m_prvky[index(i)]; }

    auto begin() { return m_prvky.begin(); }
    auto end() { return m_prvky.end(); }
    auto begin() const { return m_prvky.begin(); }
    auto end() const { return m_prvky.end(); }

    friend bool operator==(const Pole&, const Pole&) = default;

private:
    qsizetype index(int i) const {
        if (i < Dolni || i > horni()) throw ChybaRozsahu();
        return i - Dolni;
    }
    QList<T> m_prvky;
};

// The quantity vector of a calculator: one checked 16-bit Integer per item row of the chosen
// cross-section, free rows included, numbered from 1.
using VektorMnozstvi = Pole<Integer>;

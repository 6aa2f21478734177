#pragma once
// Where the price-list browser inserts the articles the user chose: the order sheet or the offer
// form. They implement these; the browser knows nothing else of them.
#include <QString>
#include <variant>

// The order sheet: the articles go into its selected sub-order.
class ICilObjednavky {
public:
    virtual ~ICilObjednavky() = default;
    // Its list of sub-orders has one selected.
    virtual bool maVybranouPodobjednavku() const = 0;
    // One article: `radek` (name, code, count, shown price; TAB-separated) added to its items
    // grid, "code|" and "count|" appended to the selected sub-order's ObjZnak and Ks, its
    // remove-item command enabled.
    virtual void pridejPolozku(const QString& radek, const QString& objZnak, const QString& ks) = 0;
    // After the last article: Zobraz_objednavku, then Spocitej.
    virtual void zobrazObjednavku() = 0;
};

// The offer form being edited.
class ICilNabidky {
public:
    virtual ~ICilNabidky() = default;
    // `radek` (name, code, old code, count, unit price, total, each followed by a TAB) added to
    // its items grid, its remove command enabled.
    virtual void pridejPolozku(const QString& radek) = 0;
};

// RezimVlozeni: nothing (no caller; "Vložit" only clears the filters), 0 the order sheet, 1 the offer.
using CilVlozeni = std::variant<std::monostate, ICilObjednavky*, ICilNabidky*>;

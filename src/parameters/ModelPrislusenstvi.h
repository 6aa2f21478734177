#pragma once
// The accessory picker without its window: the 36 boxes with their ticks and availability, the
// two diameter headings, the preview of a hovered box and the flags that OK stores.
// frmPrislusenstvi draws it.
#include "parameters/Prislusenstvi.h"

#include <QPointF>
#include <QSizeF>
#include <optional>

struct StavBoxu {
    bool zaskrtnuty = false;
    bool povoleny = true;
    bool viditelny = true;
};

// What the preview area shows for a hovered box.
struct NahledPrislusenstvi {
    QString obrazek;   // the picture file; it may not exist
    QString nazev;
    QString popis;
};

// The static securing of the wizard's third step as it goes into the hand-over boxes 3 to 7.
struct PredaniStatiky {
    std::array<bool, 3> soupravy{};  // kits 2x3 m, 4x4 m, 4x6 m
    bool doKrovu = false;            // anchor into the roof truss
    bool doHrebene = false;          // anchor into the ridge
    // The values of boxes 3 to 7.
    std::array<bool, 5> boxy() const { return {soupravy[0], soupravy[1], soupravy[2], doKrovu, doHrebene}; }
};

class ModelPrislusenstvi {
public:
    // The picker as it is shown: headings and availability from the parameters; every box that
    // can be ticked carries its flag, so an earlier choice survives reopening, while a choice
    // the parameters no longer allow is dropped. The hand-over boxes start unticked.
    ModelPrislusenstvi(const VstupDostupnosti& vstup, const Priznaky& priznaky);

    const StavBoxu& box(int i) const { return m_boxy.at(static_cast<size_t>(i)); }
    const QString& nadpis(int i) const { return m_nadpisy.at(static_cast<size_t>(i)); }

    // A user's click: only a box that is shown and enabled changes.
    void nastav(int i, bool zaskrtnuty);
    // Fills the hidden boxes 3 to 7.
    void predej(const PredaniStatiky& s);

    // OK: every box as it stands, hidden and disabled ones included.
    Priznaky priznaky() const;

    // The preview of box i; none for a box that gets no mouse (hidden or disabled).
    std::optional<NahledPrislusenstvi> nahled(int i) const;
    // The picture's top left corner when it is centred in the preview area (may be negative).
    static QPointF vystred(const QSizeF& ramec, const QSizeF& obrazek);

private:
    std::array<StavBoxu, kPocetPrislusenstvi> m_boxy{};
    std::array<QString, 2> m_nadpisy;
};

// The picker's window, as the wizard's commit and its accessory label reach it.
class IVyberPrislusenstvi {
public:
    virtual ~IVyberPrislusenstvi() = default;
    // Shows the picker modally over the model; true when it was left with OK.
    virtual bool vyber(ModelPrislusenstvi& model) = 0;
};

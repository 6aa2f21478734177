// The offer form field by field: each box's caption, where it stands, what it shows of the offer
// and saves back, its required-field refusal, "Vymazat", and the view from the offer list.
#include "app/QtNabidky.h"
#include "offers/frmNabidka.h"
#include "platform/Regional.h"
#include "support/GuiSupport.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <climits>
#include <memory>
#include <string_view>
#include <gtest/gtest.h>

namespace {

const QDate kDatum(2024, 3, 5);

struct RadekFormulare {
    const char* jmeno;
    const char* popisek;
    const char* skupina;  // the title of its group box, "" for none
    int radek, sloupec;   // counted among the boxes of its group, from the top and from the left
    const char* nacteno;  // shown for the offer below; nullptr: the date
    const char* nove;     // typed before "Uložit"; nullptr: a box that only shows
    QString (*ulozeno)(const clsNabidka&);
    const char* zprava;  // the refusal when it is empty; nullptr: not required
    bool vymazat;        // emptied by "Vymazat"
};

const char* const kZastupce = "Obchodní zástupce";
const char* const kPovinne = "Povinné údaje";

// Written from what the form must show, not from the form's own table.
const RadekFormulare kPoleFormulare[] = {
    {"txtCisloOZ", "Číslo OZ:", kZastupce, 0, 0, "17", nullptr, nullptr, nullptr, false},
    {"txtJmenoOZ", "Jméno OZ:", kZastupce, 0, 1, "Jan Novák", nullptr, nullptr, nullptr, false},
    {"txtEmailOZ", "Email OZ:", kZastupce, 1, 0, "jan@oz.cz", nullptr, nullptr, nullptr, false},
    {"txtTelefonOZ", "Telefon OZ:", kZastupce, 1, 1, "601 111 222", nullptr, nullptr, nullptr, false},
    {"txtDatumNabidky", "Datum nabídky:", kPovinne, 0, 0, nullptr, "6.4.2025",
     [](const clsNabidka& n) { return n.DatumNabidky.toString(QStringLiteral("d.M.yyyy")); }, "Není zadané korektní datum nabídky.", false},
    {"cmbNazevAkce", "Název akce:", kPovinne, 1, 0, "Škola Lípa", "Škola Buk", [](const clsNabidka& n) { return n.NazevAkce; },
     "Není zadán název akce", true},
    {"txtMistoStavby", "Místo stavby:", kPovinne, 2, 0, "Brno", "Jihlava", [](const clsNabidka& n) { return n.MistoStavby; },
     "Není zadáno místo stavby", true},
    {"txtUlice", "*Ulice:", kPovinne, 3, 0, "Dlouhá", "Krátká", [](const clsNabidka& n) { return n.Ulice; }, nullptr, true},
    {"txtUliceCP", "*ČP:", kPovinne, 4, 0, "12", "34", [](const clsNabidka& n) { return n.UliceCP; }, nullptr, true},
    {"cmbDruhStavby", "Druh stavby:", kPovinne, 5, 0, "Rekonstrukce", "Ostatní",
     [](const clsNabidka& n) { return QString::number(n.DruhStavby); }, "Není zvolen druh stavby", true},
    {"txtRealizacniFirma", "Realizační firma:", kPovinne, 0, 1, "Stavby s.r.o.", "Domy a.s.",
     [](const clsNabidka& n) { return n.RealizacniFirma; }, "Není zadána realizační firma", true},
    {"txtKontaktniOsoba", "Kontaktní osoba:", kPovinne, 1, 1, "Eva Malá", "Petr Velký",
     [](const clsNabidka& n) { return n.KontaktniOsoba; }, "Není zadána kontaktní osoba", true},
    {"txtTelefon", "Telefon:", kPovinne, 2, 1, "602 333 444", "603 555 666", [](const clsNabidka& n) { return n.Telefon; },
     "Není zadán telefon", true},
    {"txtMail", "E-mail:", kPovinne, 3, 1, "eva@stavby.cz", "petr@domy.cz", [](const clsNabidka& n) { return n.Email; },
     "Není zadán e-mail", true},
    {"cmbObchodnik", "Obchodník:", kPovinne, 4, 1, "Stavebniny Kůň", "Stavebniny Lev", [](const clsNabidka& n) { return n.Obchodnik; },
     "Není zadán obchodník", true},
    {"txtObchodnikMesto", "Město:", kPovinne, 5, 1, "Olomouc", "Zlín", [](const clsNabidka& n) { return n.ObchodnikMesto; },
     "Není zadáno město", true},
    {"txtPoznamka", "Poznámka:", kPovinne, 6, 0, "první\ndruhá", "třetí\nčtvrtá", [](const clsNabidka& n) { return n.Poznamka; },
     nullptr, true},
    {"txtCenaBezDPH", "Cena bez DPH:", "", 0, 0, "123,40", nullptr, nullptr, nullptr, false},
    {"txtProjektovaSleva", "Projektová sleva v %:", "", 0, 1, "5,00", nullptr, nullptr, nullptr, false},
    {"txtCenaPoSleveBezDPH", "Cena po slevě bez DPH:", "", 1, 0, "117,23", nullptr, nullptr, nullptr, false},
    {"txtCenaPoSleveSDPH", "Cena po slevě s DPH", "", 1, 1, "141,85", nullptr, nullptr, nullptr, false},
};

std::shared_ptr<clsNabidka> nabidka() {
    auto n = std::make_shared<clsNabidka>();
    n->CisloOZ = Integer(17);
    n->JmenoOZ = QStringLiteral("Jan Novák");
    n->EmailOZ = QStringLiteral("jan@oz.cz");
    n->TelefonOZ = QStringLiteral("601 111 222");
    n->DatumNabidky = kDatum;
    n->NazevAkce = QStringLiteral("Škola Lípa");
    n->MistoStavby = QStringLiteral("Brno");
    n->Ulice = QStringLiteral("Dlouhá");
    n->UliceCP = QStringLiteral("12");
    n->DruhStavby = 2;
    n->RealizacniFirma = QStringLiteral("Stavby s.r.o.");
    n->KontaktniOsoba = QStringLiteral("Eva Malá");
    n->Telefon = QStringLiteral("602 333 444");
    n->Email = QStringLiteral("eva@stavby.cz");
    n->Obchodnik = QStringLiteral("Stavebniny Kůň");
    n->ObchodnikMesto = QStringLiteral("Olomouc");
    n->Poznamka = QStringLiteral("první\r\ndruhá");
    n->CenaBezDPH = 123.4;
    n->ProjektovaSleva = 5;
    n->CenaPoSleveBezDPH = 117.23;
    n->CenaPoSleveSDPH = 141.85;
    return n;
}

QString nacteno(const RadekFormulare& p) { return p.nacteno ? QString::fromUtf8(p.nacteno) : Regional::current().KratkeDatum(kDatum); }

QWidget* box(QWidget* f, const RadekFormulare& p) { return f->findChild<QWidget*>(QLatin1String(p.jmeno)); }

QString text(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    return qobject_cast<QPlainTextEdit*>(w)->toPlainText();
}

void napis(QWidget* w, const QString& t) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->setText(t);
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) return e->setPlainText(t);
    auto* c = qobject_cast<QComboBox*>(w);
    if (c->isEditable()) return c->setEditText(t);
    c->setCurrentIndex(c->findText(t));
}

QRect obdelnik(QWidget* f, QWidget* w) { return {w->mapTo(f, QPoint()), w->size()}; }

// The label nearest left (or right) of the box, level with it.
QString popisek(QWidget* f, QWidget* w, bool vpravo = false) {
    const QRect b = obdelnik(f, w);
    QString nejblizsi;
    int mezera = INT_MAX;
    for (QLabel* l : f->findChildren<QLabel*>()) {
        const QRect r = obdelnik(f, l);
        const int m = vpravo ? r.left() - b.right() : b.left() - r.right();
        if (!l->isVisible() || m <= 0 || r.center().y() < b.top() || r.center().y() > b.bottom()) continue;
        if (m < mezera) {
            mezera = m;
            nejblizsi = l->text();
        }
    }
    return nejblizsi;
}

QString skupina(QWidget* w) {
    for (QWidget* r = w->parentWidget(); r; r = r->parentWidget())
        if (auto* g = qobject_cast<QGroupBox*>(r)) return g->title();
    return {};
}

// The place of a value among the distinct values (a few pixels apart count as one).
int poradi(QList<int> hodnoty, int hodnota) {
    std::sort(hodnoty.begin(), hodnoty.end());
    int i = 0;
    for (int k = 1; k < hodnoty.size() && hodnoty[k] <= hodnota + 3; ++k)
        if (hodnoty[k] > hodnoty[k - 1] + 3) ++i;
    return i;
}

// Row and column of the box among the boxes of its group: the rows by their middles, the columns
// by their left edges.
std::pair<int, int> misto(QWidget* f, const RadekFormulare& p) {
    QList<int> stredy, leve;
    for (const RadekFormulare& q : kPoleFormulare) {
        if (qstrcmp(q.skupina, p.skupina) != 0) continue;
        stredy << obdelnik(f, box(f, q)).center().y();
        leve << obdelnik(f, box(f, q)).left();
    }
    const QRect r = obdelnik(f, box(f, p));
    return {poradi(stredy, r.center().y()), poradi(leve, r.left())};
}

}  // namespace

TEST(Nabidky, FormFieldsOneByOne) {
    Instalace inst;
    FakeServices sluzby;
    GlobalniData g;
    QtNabidky nabidky(g, {});
    const std::shared_ptr<clsNabidka> n = nabidka();
    bool videno = false;
    az([] { return modalni<frmNabidka>(); }, [&](QWidget* w) {
        auto* f = static_cast<frmNabidka*>(w);
        videno = true;
        // Closed with the close box however the checks end.
        const std::unique_ptr<QWidget, void (*)(QWidget*)> zavri(f, [](QWidget* o) {
            if (o->isVisible()) zaviraciPolicko(o);
        });
        for (const RadekFormulare& p : kPoleFormulare)
            if (!box(f, p)) return ADD_FAILURE() << "no box " << p.jmeno;
        for (const RadekFormulare& p : kPoleFormulare) {
            SCOPED_TRACE(p.jmeno);
            QWidget* b = box(f, p);
            EXPECT_EQ(popisek(f, b), QString::fromUtf8(p.popisek));
            EXPECT_EQ(skupina(b), QString::fromUtf8(p.skupina));
            EXPECT_EQ(misto(f, p), std::pair(p.radek, p.sloupec));
            EXPECT_EQ(text(b), nacteno(p));
            auto* e = qobject_cast<QLineEdit*>(b);
            EXPECT_EQ(e && e->isReadOnly(), !p.nove);
            EXPECT_TRUE(b->isEnabled());
        }
        for (QLineEdit* e : {f->txtCenaBezDPH, f->txtCenaPoSleveBezDPH, f->txtCenaPoSleveSDPH})
            EXPECT_EQ(popisek(f, e, true), QStringLiteral("Kč")) << e->objectName().toStdString();
        // The note box takes two lines at least.
        EXPECT_GE(f->txtPoznamka->height(), 2 * f->txtMail->height());
        // The note on the starred boxes below them all, from the captions' left edge.
        QList<QLabel*> stitky;
        for (const char* text : {"Datum nabídky:", "* Údaje pokud jsou známy je nutné je vyplnit. V opačném případě zůstanou nevyplněné"})
            for (QLabel* l : f->findChildren<QLabel*>())
                if (l->text() == QString::fromUtf8(text)) stitky << l;
        if (stitky.size() == 2) {
            EXPECT_EQ(obdelnik(f, stitky[1]).left(), obdelnik(f, stitky[0]).left());
            EXPECT_GT(obdelnik(f, stitky[1]).top(), obdelnik(f, f->txtPoznamka).bottom());
        } else {
            ADD_FAILURE() << "captions missing";
        }
        // Enter in an entry box presses no button: the form has no default one.
        int stisknuto = 0;
        for (QPushButton* t : f->findChildren<QPushButton*>()) QObject::connect(t, &QPushButton::clicked, f, [&] { ++stisknuto; });
        for (const RadekFormulare& p : kPoleFormulare) {
            if (!p.nove || qobject_cast<QPlainTextEdit*>(box(f, p))) continue;
            box(f, p)->setFocus();
            QTest::keyClick(f->focusWidget(), Qt::Key_Return);
            EXPECT_EQ(stisknuto, 0) << p.jmeno;
        }
        EXPECT_TRUE(f->isVisible());
        // Each required box left empty alone: its message, and the focus on it.
        for (const RadekFormulare& p : kPoleFormulare) {
            if (!p.zprava) continue;
            SCOPED_TRACE(p.jmeno);
            QWidget* b = box(f, p);
            f->txtPoznamka->setFocus();
            napis(b, {});
            const qsizetype pred = sluzby.dialogs.zpravy.size();
            f->cmdUlozit->click();
            EXPECT_EQ(sluzby.dialogs.texty().mid(pred), QStringList{QString::fromUtf8(p.zprava)});
            EXPECT_EQ(f->focusWidget(), b);
            EXPECT_TRUE(f->isVisible());
            napis(b, nacteno(p));
        }
        for (const RadekFormulare& p : kPoleFormulare)
            if (p.nove) napis(box(f, p), QString::fromUtf8(p.nove));
        f->cmdUlozit->click();
        EXPECT_FALSE(f->isVisible()) << "not saved: " << sluzby.dialogs.texty().join(" / ").toStdString();
    });
    nabidky.zobrazFormular(n, false);
    ASSERT_TRUE(videno);
    EXPECT_EQ(nabidky.pamet().PosledniNabidka, n);
    for (const RadekFormulare& p : kPoleFormulare) {
        if (!p.ulozeno) continue;
        const QString cekane = p.jmeno == std::string_view("cmbDruhStavby") ? QStringLiteral("1")
                                                                            : QString::fromUtf8(p.nove).replace('\n', "\r\n");
        EXPECT_EQ(p.ulozeno(*n), cekane) << p.jmeno;
    }
    EXPECT_EQ(n->JmenoOZ, QStringLiteral("Jan Novák"));
    EXPECT_EQ(n->CenaPoSleveSDPH, 141.85);

    // Viewed from the offer list: nothing can be typed; "Vymazat" empties the project and customer
    // boxes, the building type back to its first entry.
    videno = false;
    mezikrok();
    az([] { return modalni<frmNabidka>(); }, [&](QWidget* w) {
        auto* f = static_cast<frmNabidka*>(w);
        videno = true;
        for (const RadekFormulare& p : kPoleFormulare) {
            auto* e = qobject_cast<QLineEdit*>(box(f, p));
            EXPECT_TRUE(p.nove ? !box(f, p)->isEnabled() : e && e->isReadOnly()) << p.jmeno;
        }
        f->cmdVymazat->click();
        for (const RadekFormulare& p : kPoleFormulare) {
            const QString prazdne = p.jmeno == std::string_view("cmbDruhStavby") ? QStringLiteral("Bytový dům") : QString();
            EXPECT_EQ(text(box(f, p)), p.vymazat ? prazdne : nacteno(p)) << p.jmeno;
        }
        EXPECT_TRUE(zaviraciPolicko(f));
    });
    nabidky.zobrazFormular(nabidka(), true);
    EXPECT_TRUE(videno);
}

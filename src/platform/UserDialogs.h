#pragma once
// Message boxes, input boxes and file dialogs. The core asks through this interface; the gui
// library answers with real dialogs, tests with a recording fake.
#include <QList>
#include <QString>
#include <optional>

enum class Tlacitka { Ok, OkCancel, YesNo, YesNoCancel };
enum class Ikona { Zadna, Informace, Vykricnik, Otaznik, Kriticka };
enum class Odpoved { Ok, Cancel, Yes, No };

inline const QString kTitulekAplikace = QStringLiteral("Sorvenika");
// The title of a warning.
inline const QString kTitulekUpozorneni = QStringLiteral("Upozornění");

struct Zprava {
    QString text;
    Tlacitka tlacitka = Tlacitka::Ok;
    Ikona ikona = Ikona::Zadna;
    QString titulek = kTitulekAplikace;
    int vychozi = 1;  // 1-based default button (1 is the first)
};

// One filter of a file dialog: a description and its pattern ("HTML soubor (*.htm)", "*.htm").
struct FiltrSouboru {
    QString popis;
    QString vzor;
};

class IUserDialogs {
public:
    virtual ~IUserDialogs() = default;
    virtual Odpoved zprava(const Zprava& z) = 0;
    // nullopt when the user cancels.
    virtual std::optional<QString> vstup(const QString& vyzva, const QString& titulek,
                                         const QString& vychozi) = 0;
    // "" when cancelled. initialDir may not exist; the implementation falls back to the data folder.
    virtual QString souborOtevrit(const QString& titulek, const QList<FiltrSouboru>& filtr,
                                  const QString& vychoziSlozka) = 0;
    virtual QString souborUlozit(const QString& titulek, const QList<FiltrSouboru>& filtr,
                                 const QString& vychoziSlozka, const QString& pripona) = 0;
    virtual QString slozka(const QString& titulek) = 0;
};

// Short forms for the common boxes.
Odpoved MsgBox(const QString& text, Tlacitka t = Tlacitka::Ok, Ikona i = Ikona::Zadna,
               const QString& titulek = kTitulekAplikace, int vychozi = 1);
// The folder browser: the chosen folder, "" when the user cancels. Here rather than beside the
// file choosers in util/ because the connection settings, a layer beside util/, browse with it.
QString VyberAdresar(const QString& titulek);

// A text from a server can run to megabytes, and a box lays all of it out and grows past the
// screen's edge: a longer text keeps its beginning and its end (where a note of the program's own
// follows a server's text), with a line saying so. The cut never splits a character or a CR LF,
// and a list of files after kPrilozteRucne stays whole while the box still fits the screen.
QString zpravaNaObrazovku(const QString& text);

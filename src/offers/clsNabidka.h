#pragma once
// An offer: a customer quotation made from one costing by a sales representative. In memory one
// object, on disk one "|"-separated line of an offer file (see SouboryNabidek.h).
#include "engine/GlobalniData.h"
#include "platform/Numbers.h"
#include "platform/Vysledek.h"

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringView>
#include <functional>

// The project and customer part of an offer: what the user completes on the offer form and what
// the next offer from the costing sheet carries over, copied whole, and with it the record's
// DatumNabidky.
struct ProjektNabidky {
    QString NazevAkce;
    QString MistoStavby;
    QString Ulice;
    QString UliceCP;
    qint32 DruhStavby = 0;  // 0..3, see KodyNabidek.h
    QString RealizacniFirma;
    QString KontaktniOsoba;
    QString Telefon;
    QString Email;          // column "Mail"
    QString Obchodnik;
    QString ObchodnikMesto;
    QString Poznamka;       // CR LF between lines
};

struct clsNabidka : ProjektNabidky {
    static QString Delimiter() { return QStringLiteral("|"); }

    QString Key;            // the offer list's key; never stored
    qint32 ID = 0;          // the server's number, 0 until sent
    qint32 ExtID = 0;       // the representative's own number, printed as the offer number
    qint32 Stav = 0;        // 0..10, see KodyNabidek.h
    QDate DatumNabidky;     // column "Datum"
    Integer CisloOZ;        // column "IDOZ"
    QString JmenoOZ;
    QString EmailOZ;
    QString TelefonOZ;
    double CenaBezDPH = 0;
    double ProjektovaSleva = 0;  // percent
    double CenaPoSleveBezDPH = 0;
    double CenaPoSleveSDPH = 0;
    QString Sorvenika;      // the costing XML (clsSorvenika)
    QString SorvenikaCoded; // Sorvenika in Base64, as the unsent-offers file holds it

    // Dated today, everything else empty.
    clsNabidka();
    // Dated today and owned by the representative of the settings.
    explicit clsNabidka(const Nastaveni& n);

    // Fills the members named by the header line's columns from one record line. Columns it does
    // not know, values beyond the header and values that do not read are passed over: a member
    // keeps what it had, a bad number reads 0, a bad date null and bad Base64 an empty costing.
    void NaplnObjekt(const QString& hlavicka, const QString& radek);
    // The record line of the unsent-offers file, CR LF included; sets SorvenikaCoded. In the
    // texts "|" is written "~", "<" and ">" are written "‹" and "›".
    QString ZaznamKOdeslani();
    // Appends the record to the unsent-offers file (Data/Nabidky/NeodeslaneNabidky.txt); the
    // value is what PripojZaznam has to say beside the success. `predZapisem` runs once the file
    // has been read and the record built, before the first write; its failure fails the save.
    Vysledek<QString> UlozNabidkuKOdeslani(const std::function<Vysledek<>()>& predZapisem = {});
};

// A header line of an offer file, parsed once for all its records. Lines are the file's
// Windows-1250 bytes: every separator is ASCII, so they split as the text would. The columns and
// their forms are one table (clsNabidka.cpp) that the reader, the writer and this header share.
class SloupceNabidky {
public:
    explicit SloupceNabidky(QByteArrayView hlavicka);
    explicit SloupceNabidky(QStringView hlavicka);
    void napln(clsNabidka& n, QByteArrayView radek) const;
    void napln(clsNabidka& n, QStringView radek) const;

private:
    QList<int> m_sloupce;  // for each position of the header, its column of the table (-1: none)
};

// The header line of the unsent-offers file, without its CR LF: the names of its 21 columns.
extern const QString kHlavickaNeodeslanych;

// The number forms of the offer files: "." as decimal separator whatever the regional settings.
QString cisloSTeckou(double x);

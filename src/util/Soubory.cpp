#include "util/Soubory.h"

#include "platform/Cekani.h"
#include "platform/Clock.h"
#include "platform/Cp1250.h"
#include "platform/DataPaths.h"
#include "platform/Desktop.h"
#include "platform/FileStore.h"
#include "platform/IniFile.h"
#include "platform/Services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <memory>
#include <optional>

namespace {

// The numbers "Chyba č. N" gives a mail failure: 2 a failed copy, 11 a missing attachment.
constexpr int kChybaPosty = 2;
constexpr int kPrilohaNenalezena = 11;

Vysledek<> zapisBajty(const QString& cesta, const QByteArray& bajty, qint64 offset) {
    const QFileInfo fi(cesta);
    if (fi.exists() && !fi.isFile()) return filestore::chybaZapisu(cesta, QStringLiteral("není to soubor"));
    offset = qMax<qint64>(offset, 0);
    if (fi.exists() && (offset >= fi.size() || bajty.isEmpty())) return filestore::append(cesta, bajty);
    // Never into a folder that is not there: a missing folder means a wrong path.
    if (!fi.exists() && !fi.absoluteDir().exists()) return filestore::chybaZapisu(cesta, QStringLiteral("složka neexistuje"));
    // Overwriting part of a file (or creating one) goes through a temporary file, so a failed
    // write leaves the old file whole; the tail beyond the written range is kept.
    QByteArray obsah;
    if (fi.exists()) {
        const Vysledek<QByteArray> puvodni = filestore::readExisting(cesta);
        if (!puvodni) return puvodni.selhani();
        obsah = *puvodni;
    }
    offset = qMin<qint64>(offset, obsah.size());
    return filestore::replace(cesta, obsah.left(offset) + bajty + obsah.mid(offset + bajty.size()));
}

// The name an attachment is shown under: a plain file name, never a path out of its folder.
QString nazevPrilohy(QString nazev, const QString& zdroj) {
    nazev.replace(QLatin1Char('\\'), QLatin1Char('/'));
    nazev = nazev.section(QLatin1Char('/'), -1).trimmed();
    if (nazev.isEmpty() || nazev == QLatin1String(".") || nazev == QLatin1String("..")) return QFileInfo(zdroj).fileName();
    return nazev;
}

}  // namespace

Vysledek<QString> NactiSoubor(const QString& cesta, qint64 offset, qint64 delka) {
    QFile f(resolvePath(cesta));
    if (const Vysledek<> v = filestore::openRead(f, {}, cesta); !v) return v.selhani();
    const qint64 velikost = f.size();
    if (delka == 0) delka = velikost;
    if (offset < 0 || delka < 0 || offset >= velikost || !f.seek(offset)) return QString();
    return cp1250::decode(f.read(qMin(delka, velikost - offset)));
}

Vysledek<> ZapisSoubor(const QString& cesta, const QString& text, qint64 offset) {
    return zapisBajty(resolvePath(cesta), cp1250::encode(text), offset);
}

Vysledek<> NahradSoubor(const QString& cesta, const QByteArray& bajty) { return filestore::replace(cesta, bajty); }

QString CtiIni(const QString& soubor, const QString& sekce, const QString& klic) {
    return ini::cti(resolvePath(soubor), sekce, klic, 127);
}

Vysledek<> ZapisIni(const QString& soubor, const QString& sekce, const QString& klic, const QString& hodnota) {
    return ini::zapis(resolvePath(soubor), sekce, klic, hodnota);
}

Vysledek<> PosliPostou(const QStringList& cesty, const QStringList& nazvy, const PozdniOdmitnuti& pozde) {
    // The mail program may still be reading the previous call's copies, so they go only now, and
    // never those of a hand-over still running.
    static QSet<QString> predavane;
    const QDir koren(dataDir() + QStringLiteral("/Tmp2Mail"));
    for (const QString& d : koren.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot))
        if (!predavane.contains(koren.filePath(d))) QDir(koren.filePath(d)).removeRecursively();
    const QString slozka =
        koren.filePath(platform::clock().now().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")));

    int chyba = QDir().mkpath(slozka) ? 0 : kChybaPosty;
    QStringList kopie;
    QSet<QString> pouzite;
    for (qsizetype i = 0; i < cesty.size() && chyba == 0; ++i) {
        const QString zdroj = resolvePath(cesty[i]);
        if (!QFileInfo(zdroj).isFile()) {
            chyba = kPrilohaNenalezena;
            break;
        }
        const QString nazev = nazevPrilohy(i < nazvy.size() ? nazvy[i] : QString(), zdroj);
        // Two attachments of one name cannot share a folder.
        QString cil = slozka;
        if (pouzite.contains(nazev.toLower())) cil += QLatin1Char('/') + QString::number(i);
        pouzite.insert(nazev.toLower());
        cil += QLatin1Char('/') + nazev;
        if (!QDir().mkpath(QFileInfo(cil).absolutePath()) || !QFile::copy(zdroj, cil)) chyba = kChybaPosty;
        kopie << cil;
    }
    if (chyba != 0) return Chyba{QStringLiteral("Chyba č. ") + QString::number(chyba)};

    // The files are there: after a refusal the user can attach them by hand.
    const auto odmitnuti = [cesty](int kod) {
        QString text = QStringLiteral("Chyba č. ") + QString::number(kod) +
                       QStringLiteral("\nPoštovní program se nepodařilo otevřít. Přiložte ke zprávě ručně:");
        for (const QString& c : cesty) text += QLatin1Char('\n') + QDir::toNativeSeparators(QFileInfo(resolvePath(c)).absoluteFilePath());
        return text;
    };
    struct Predani {
        std::optional<int> kod;
        bool pozde = false;  // no caller waits for the answer any more
    };
    const auto predani = std::make_shared<Predani>();
    predavane.insert(slozka);
    platform::desktop().posliPostou(kopie, [predani, slozka, odmitnuti, pozde](int kod) {
        predavane.remove(slozka);
        predani->kod = kod;
        if (predani->pozde && kod != 0) pozde(odmitnuti(kod));
    });
    const bool pockat = !pozde;
    if (pockat) cekani::cekej([&predani] { return predani->kod.has_value(); }, kCekaniNaPostuMs);
    if (!predani->kod) {
        predani->pozde = !pockat;
        return pockat ? Vysledek<>(Chyba{odmitnuti(-1)}) : Vysledek<>();
    }
    if (*predani->kod != 0) return Chyba{odmitnuti(*predani->kod)};
    return {};
}

Vysledek<> PosliPostou(const QString& cesta, const QString& nazev, const PozdniOdmitnuti& pozde) {
    return PosliPostou(QStringList{cesta}, QStringList{nazev}, pozde);
}

#pragma once
// Fakes of the platform services and small helpers shared by the tests.
#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Errors.h"
#include "platform/UserDialogs.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>

// Records every box and answers from a queue the test fills (Ok/Cancel by default).
class FakeDialogs : public IUserDialogs {
public:
    QList<Zprava> zpravy;
    std::deque<Odpoved> odpovedi;
    std::deque<std::optional<QString>> vstupy;
    std::deque<QString> soubory;  // answers of the file and folder dialogs
    QStringList slozkyUlozeni;    // the start folders the save dialogs were opened in
    QStringList slozkyOtevreni;   // and those of the open dialogs
    QStringList titulkySlozek;    // the titles of the folder dialogs
    QList<QList<FiltrSouboru>> filtry;  // the filters of every file dialog, in order

    Odpoved zprava(const Zprava& z) override;
    std::optional<QString> vstup(const QString&, const QString&, const QString&) override;
    QString souborOtevrit(const QString&, const QList<FiltrSouboru>&, const QString&) override;
    QString souborUlozit(const QString&, const QList<FiltrSouboru>&, const QString&, const QString&) override;
    QString slozka(const QString&) override;

    QStringList texty() const;

private:
    QString dalsiSoubor();
};

class FakeDesktop : public IDesktop {
public:
    QList<QStringList> maily;
    QStringList otevrene;
    QList<QStringList> spustene;
    int navratPosty = 0;
    bool postaOdpovidaHned = true;              // otherwise the answers wait in `odpovediPosty`
    QList<std::function<void(int)>> odpovediPosty;
    bool spustitelne = true;  // whether a program can be started
    bool otevreniUspeje = true;

    void posliPostou(const QStringList& s, std::function<void(int)> hotovo) override {
        maily << s;
        if (postaOdpovidaHned) hotovo(navratPosty);
        else odpovediPosty << std::move(hotovo);
    }
    bool otevri(const QString& c) override { otevrene << c; return otevreniUspeje; }
    bool spust(const QString& p, const QStringList& a) override {
        spustene << (QStringList{p} + a);
        return spustitelne;
    }
};

class FakeClock : public IClock {
public:
    QDateTime ted{QDate(2026, 12, 6), QTime(10, 0)};
    qint64 ms = 0;
    QDateTime now() const override { return ted; }
    qint64 monotonicMs() const override { return ms; }
};

// Installs the fakes for the lifetime of the object and removes them after.
struct FakeServices {
    FakeDialogs dialogs;
    FakeDesktop desktop;
    FakeClock clock;
    FakeServices();
    ~FakeServices();
};

// The number of the run-time error the call raises, 0 when it raises none.
int cisloChyby(const auto& volani) {
    try {
        volani();
    } catch (const RuntimeError& e) {
        return e.cislo();
    }
    return 0;
}

// Sets an environment variable for the lifetime of the object and puts the old value back.
class Prostredi {
public:
    Prostredi(const char* jmeno, const QByteArray& hodnota);
    ~Prostredi();
    Prostredi(const Prostredi&) = delete;
    Prostredi& operator=(const Prostredi&) = delete;

private:
    const char* m_jmeno;
    bool m_bylo;
    QByteArray m_puvodni;
};

// The sample installation copied into a temporary folder, SORVENIKA_DATA pointing at it (running
// the program writes to its data folder). Windows the program unloaded are deleted on the way out.
struct Instalace {
    QTemporaryDir dir;
    QString data;
    Prostredi prostredi;
    Instalace();
    ~Instalace();
    QString ini() const { return data + QStringLiteral("/Sorvenika.ini"); }
};

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);
// A fixture file under tests/data.
QString testData(const QString& name);
// The cases of a UTF-8 case file under tests/data: one a line, its fields split at '|' (blanks
// kept); empty lines and lines starting with '#' are skipped.
QList<QStringList> pripady(const QString& name);
// What `f` returns when run in a forked child, whose end it waits for: for what must not touch
// this process (another user's rights, a seccomp filter).
QByteArray vPotomkovi(const std::function<QByteArray()>& f);
// All that the pipe end `fd` gives until its writers close it; fd is closed after.
QByteArray dojdiDoKonce(int fd);
// The file's two times set `s` seconds back: the file itself, never what a link leads to.
void zestarni(const QString& cesta, int s);

#include "support/TestSupport.h"

#include "platform/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

Odpoved FakeDialogs::zprava(const Zprava& z) {
    zpravy << z;
    if (!odpovedi.empty()) {
        const Odpoved o = odpovedi.front();
        odpovedi.pop_front();
        return o;
    }
    switch (z.tlacitka) {
    case Tlacitka::Ok:
    case Tlacitka::OkCancel: return Odpoved::Ok;
    case Tlacitka::YesNo:
    case Tlacitka::YesNoCancel: return Odpoved::Yes;
    }
    return Odpoved::Ok;
}

std::optional<QString> FakeDialogs::vstup(const QString&, const QString&, const QString&) {
    if (vstupy.empty()) return std::nullopt;
    auto v = vstupy.front();
    vstupy.pop_front();
    return v;
}

QString FakeDialogs::dalsiSoubor() {
    if (soubory.empty()) return {};
    QString s = soubory.front();
    soubory.pop_front();
    return s;
}

QString FakeDialogs::souborOtevrit(const QString&, const QList<FiltrSouboru>& filtr, const QString& slozka) {
    filtry << filtr;
    slozkyOtevreni << slozka;
    return dalsiSoubor();
}
QString FakeDialogs::souborUlozit(const QString&, const QList<FiltrSouboru>& filtr, const QString& slozka, const QString&) {
    filtry << filtr;
    slozkyUlozeni << slozka;
    return dalsiSoubor();
}
QString FakeDialogs::slozka(const QString& titulek) {
    titulkySlozek << titulek;
    return dalsiSoubor();
}

QStringList FakeDialogs::texty() const {
    QStringList t;
    for (const Zprava& z : zpravy) t << z.text;
    return t;
}

FakeServices::FakeServices() {
    platform::setDialogs(&dialogs);
    platform::setDesktop(&desktop);
    platform::setClock(&clock);
}

FakeServices::~FakeServices() {
    platform::setDialogs(nullptr);
    platform::setDesktop(nullptr);
    platform::setClock(nullptr);
}

Prostredi::Prostredi(const char* jmeno, const QByteArray& hodnota)
    : m_jmeno(jmeno), m_bylo(qEnvironmentVariableIsSet(jmeno)) {
    if (m_bylo) m_puvodni = qgetenv(jmeno);
    qputenv(jmeno, hodnota);
}

Prostredi::~Prostredi() {
    if (m_bylo) qputenv(m_jmeno, m_puvodni);
    else qunsetenv(m_jmeno);
}

static QString kopieUkazkovychDat(const QTemporaryDir& dir) {
    const QString src = QStringLiteral(SORVENIKA_SOURCE_DIR "/Data");
    const QString dst = dir.filePath(QStringLiteral("Data"));
    QDirIterator it(src, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next();
        const QString target = dst + f.mid(src.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(f, target);
    }
    return dst;
}

Instalace::Instalace() : data(kopieUkazkovychDat(dir)), prostredi("SORVENIKA_DATA", data.toUtf8()) {}

Instalace::~Instalace() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

QString testData(const QString& name) {
    return QStringLiteral(SORVENIKA_SOURCE_DIR "/tests/data/") + name;
}

QList<QStringList> pripady(const QString& name) {
    QList<QStringList> v;
    for (const QString& r : QString::fromUtf8(readBytes(testData(name))).split(u'\n')) {
        if (!r.isEmpty() && !r.startsWith(u'#')) v << r.split(u'|');
    }
    if (v.isEmpty()) throw std::runtime_error("no cases in " + name.toStdString());
    return v;
}

QByteArray vPotomkovi(const std::function<QByteArray()>& f) {
    int roura[2];
    if (pipe(roura) != 0) return "pipe";
    const pid_t potomek = fork();
    if (potomek < 0) return "fork";
    if (potomek == 0) {
        close(roura[0]);
        const QByteArray v = f();
        (void)!write(roura[1], v.constData(), static_cast<size_t>(v.size()));
        _exit(0);
    }
    close(roura[1]);
    const QByteArray v = dojdiDoKonce(roura[0]);
    waitpid(potomek, nullptr, 0);
    return v;
}

QByteArray dojdiDoKonce(int fd) {
    QByteArray v;
    char buf[512];
    for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;) v.append(buf, n);
    close(fd);
    return v;
}

void zestarni(const QString& cesta, int s) {
    timespec casy[2]{};
    clock_gettime(CLOCK_REALTIME, &casy[0]);
    casy[0].tv_sec -= s;
    casy[1] = casy[0];
    EXPECT_EQ(utimensat(AT_FDCWD, QFile::encodeName(cesta).constData(), casy, AT_SYMLINK_NOFOLLOW), 0) << cesta.toStdString();
}

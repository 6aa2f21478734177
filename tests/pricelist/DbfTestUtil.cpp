#include "pricelist/DbfTestUtil.h"

#include "platform/Regional.h"
#include "support/Dockej.h"

#include <QFileInfo>
#include <gtest/gtest.h>

std::string popis(const BunkaDBF& b) {
    if (const auto* s = std::get_if<QString>(&b)) return "text \"" + s->toStdString() + "\"";
    if (const auto* v = std::get_if<double>(&b)) return "number " + QString::number(*v, 'g', 17).toStdString();
    if (const auto* d = std::get_if<QDate>(&b)) return "date " + d->toString(Qt::ISODate).toStdString();
    return "empty";
}

QByteArray zHexu(const QByteArray& text) {
    QByteArray cisty;
    for (const QByteArray& radek : text.split('\n')) {
        const qsizetype k = radek.indexOf('#');
        cisty += (k < 0 ? radek : radek.left(k)) + ' ';
    }
    return QByteArray::fromHex(cisty.simplified().replace(' ', ""));
}

QByteArray sestavDBF(const std::vector<PoleT>& pole, const std::vector<QByteArray>& zaznamy, bool konec) {
    int delkaZaznamu = 1;
    for (const PoleT& p : pole) delkaZaznamu += p.delka;
    const int delkaHlavicky = 32 + 32 * static_cast<int>(pole.size()) + 1;
    QByteArray b(32, '\0');
    b[0] = 3;
    b[4] = static_cast<char>(zaznamy.size());
    b[8] = static_cast<char>(delkaHlavicky & 0xFF);
    b[9] = static_cast<char>(delkaHlavicky >> 8);
    b[10] = static_cast<char>(delkaZaznamu & 0xFF);
    b[11] = static_cast<char>(delkaZaznamu >> 8);
    for (const PoleT& p : pole) {
        QByteArray d(32, '\0');
        d.replace(0, p.nazev.size(), p.nazev);
        d[11] = p.typ;
        d[16] = static_cast<char>(p.delka);
        d[17] = static_cast<char>(p.desetinna);
        b += d;
    }
    b += '\x0D';
    for (const QByteArray& z : zaznamy) {
        EXPECT_EQ(z.size(), delkaZaznamu) << z.toStdString();
        b += z;
    }
    if (konec) b += '\x1A';
    return b;
}

QByteArray s16(QByteArray b, int offset, int v) {
    b[offset] = static_cast<char>(v & 0xFF);
    b[offset + 1] = static_cast<char>(v >> 8);
    return b;
}

QString debianPython() {
    const QString p = QStringLiteral("/usr/bin/python3");
    return QFileInfo(p).isExecutable() ? p : QString();
}

bool maDbfread() {
    if (debianPython().isEmpty()) return false;
    return QProcess::execute(debianPython(), {QStringLiteral("-c"), QStringLiteral("import dbfread")}) == 0;
}

QByteArray spustPython(const QStringList& argumenty) {
    QProcess p;
    p.start(debianPython(), argumenty);
    const bool hotovo = p.waitForFinished(kStropCekaniMs);
    EXPECT_TRUE(hotovo && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        << argumenty.join(' ').toStdString() << "\n" << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

Region::Region(const QString& jmeno) { Regional::setCurrent(jmeno); }
Region::~Region() { Regional::setCurrent(QString()); }

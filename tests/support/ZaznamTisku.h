#pragma once
// The print surface of the tests: fixed metrics (every character 100 twips wide, a line 20
// twips per point of the font size) and every drawing step recorded as a line of text.
#include "platform/Errors.h"
#include "platform/PrintSurface.h"

#include <QFileInfo>
#include <QStringList>

class ZaznamTisku : public PrintSurface {
public:
    int vyska = 16000;
    QStringList kroky;

    int width() const override { return 11000; }
    int height() const override { return vyska; }
    int textWidth(const QString& s) const override { return 100 * static_cast<int>(s.size()); }
    int lineHeight() const override { return 20 * font().velikost; }
    QSize imageSize(const QString& path) override { over(path); return {1500, 1200}; }
    void drawImage(const QString& path, int x, int y) override {
        over(path);
        kroky << QStringLiteral("obrazek %1 %2 %3").arg(x).arg(y).arg(QFileInfo(path).fileName());
    }
    void endDocument() override { kroky << QStringLiteral("konec"); }
    void abort() override { kroky << QStringLiteral("zrus"); }

    // The texts drawn, in order.
    QStringList texty() const {
        QStringList t;
        for (const QString& k : kroky)
            if (k.startsWith(QLatin1String("text "))) t << k.section(u' ', 3);
        return t;
    }

protected:
    void zacniDokument() override { kroky << QStringLiteral("zacatek"); }
    void novaStrana() override { kroky << QStringLiteral("strana"); }
    void pouzijPismo(const Pismo& p) override {
        const QString styl = QString(p.tucne ? "B" : "") + (p.kurziva ? "I" : "") + (p.podtrzene ? "U" : "");
        kroky << QStringLiteral("pismo %1 %2 %3").arg(p.velikost).arg(styl.isEmpty() ? QStringLiteral("-") : styl, p.nazev);
    }
    void kresliText(int x, int y, const QString& s) override { kroky << QStringLiteral("text %1 %2 %3").arg(x).arg(y).arg(s); }
    void kresliCaru(int x, int y, int w) override { kroky << QStringLiteral("cara %1 %2 %3").arg(x).arg(y).arg(w); }

private:
    static void over(const QString& path) {
        if (!QFileInfo(path).isFile()) throw ChybaSouboru(path);
    }
};

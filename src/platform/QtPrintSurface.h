#pragma once
// The print surface on a QPrinter: a real printer through CUPS, or PDF files.
#include "platform/PrintSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QTemporaryFile>
#include <memory>
#include <optional>

class QPrinter;

class QtPrintSurface : public PrintSurface {
public:
    // A printer by its device name; with `pdf` set, one PDF file instead, each copy starting on
    // a new page. The file is written under a temporary name in its folder and replaces the
    // target only when finished; an aborted job leaves the target as it was.
    QtPrintSurface(QString tiskarna, QString pdf);
    ~QtPrintSurface() override;

    int width() const override;
    int height() const override;
    int textWidth(const QString& s) const override;
    int lineHeight() const override;
    QSize imageSize(const QString& path) override;
    void drawImage(const QString& path, int x, int y) override;
    void endDocument() override;
    void abort() override;
    void finish() override;

protected:
    void zacniDokument() override;
    void novaStrana() override;
    void pouzijPismo(const Pismo& p) override;
    void kresliText(int x, int y, const QString& s) override;
    void kresliCaru(int x, int y, int w) override;

private:
    const QImage& obrazek(const QString& path);
    double naZarizeni(int twipy) const { return twipy * m_bodyNaTwip; }
    int naTwipy(double body) const;

    QString m_tiskarna;
    QString m_pdf;
    std::unique_ptr<QTemporaryFile> m_docasny;  // the PDF being written
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    QFont m_font;
    std::optional<QFontMetricsF> m_metriky;
    double m_bodyNaTwip = 1;
    QHash<QString, QImage> m_obrazky;
};

// The installed printers of the system.
class QtPrinterCatalog : public IPrinterCatalog {
public:
    QStringList names() const override;
    QString defaultName() const override;
};

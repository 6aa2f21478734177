#pragma once
// The printer as a page is drawn on it: positions and sizes in twips (1440 an inch) from the
// top-left corner of the printable area. A printed line has its top at the current position
// and moves it one line down to the left edge; a line that would cross the bottom of the page
// starts a new page first, so a long bill is never cut off.
#include <QSize>
#include <QString>
#include <QStringList>
#include <QList>

struct Pismo {
    QString nazev;
    int velikost = 10;
    bool tucne = false;
    bool kurziva = false;
    bool podtrzene = false;
};

class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    // One document per copy. A failure while drawing aborts the open document, so an error
    // never leaves a half-printed job behind. After the last copy, finish() completes the job
    // (a PDF file is put in place only then).
    void beginDocument();
    virtual void endDocument() = 0;
    virtual void abort() = 0;
    virtual void finish() {}

    virtual int width() const = 0;  // of the printable area
    virtual int height() const = 0;
    virtual int textWidth(const QString& s) const = 0;
    virtual int lineHeight() const = 0;
    // The natural size of a picture; a missing or unreadable file is a run-time error.
    virtual QSize imageSize(const QString& path) = 0;
    virtual void drawImage(const QString& path, int x, int y) = 0;

    void setFont(const Pismo& p);
    const Pismo& font() const { return m_pismo; }

    int x = 0;
    int y = 0;
    int page() const { return m_strana; }  // 1 for the first page of the document

    void printLine(const QString& text);
    // Texts on one line, each at its own x.
    struct Bunka {
        int x;
        QString text;
    };
    void printCells(const QList<Bunka>& bunky);
    // A horizontal line from x over w at the current position.
    void rule(int odX, int w);
    // A new page unless `vyska` twips still fit below the current position, so that a block
    // printed in columns stays on one page.
    void zajistiMisto(int vyska);

protected:
    virtual void zacniDokument() = 0;
    virtual void novaStrana() = 0;
    virtual void pouzijPismo(const Pismo& p) = 0;
    virtual void kresliText(int x, int y, const QString& s) = 0;
    virtual void kresliCaru(int x, int y, int w) = 0;

private:
    Pismo m_pismo;
    int m_strana = 1;
};

// The installed printers by device name, in the system's order, and the default one ("" when
// there is none).
class IPrinterCatalog {
public:
    virtual ~IPrinterCatalog() = default;
    virtual QStringList names() const = 0;
    virtual QString defaultName() const = 0;
};

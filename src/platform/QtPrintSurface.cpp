#include "platform/QtPrintSurface.h"

#include "platform/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>
#include <cstdio>
#include <sys/stat.h>

namespace {

// Natural picture size: 15 twips a pixel (96 dpi, what the pictures of the data folder are drawn
// for), whatever the file says, so a page looks the same everywhere.
constexpr int kTwipuNaPixel = 15;

RuntimeError chybaTiskarny(const QString& co) { return RuntimeError(482, QStringLiteral("Chyba tiskárny: ") + co, QStringLiteral("Tiskárna")); }

}  // namespace

QtPrintSurface::QtPrintSurface(QString tiskarna, QString pdf) : m_tiskarna(std::move(tiskarna)), m_pdf(std::move(pdf)) {
    // Metric-compatible with the font the layout was made for, so wraps and right edges agree.
    QFont::insertSubstitution(QStringLiteral("Arial CE"), QStringLiteral("Liberation Sans"));
}

QtPrintSurface::~QtPrintSurface() {
    if (m_painter.isActive()) m_painter.end();
}

void QtPrintSurface::zacniDokument() {
    if (!m_pdf.isEmpty() && m_painter.isActive()) return novaStrana();
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setFullPage(false);
    m_printer->setDocName(QStringLiteral("Sorvenika"));
    if (m_pdf.isEmpty()) {
        m_printer->setPrinterName(m_tiskarna);
    } else {
        const QFileInfo fi(m_pdf);
        m_docasny = std::make_unique<QTemporaryFile>(fi.absoluteDir().filePath(QLatin1Char('.') + fi.fileName() + QStringLiteral(".XXXXXX")));
        if (!m_docasny->open()) throw chybaTiskarny(m_pdf);
        m_docasny->close();
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_docasny->fileName());
        // A4 with the unprintable edge of a common office printer.
        m_printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(6.35, 6.35, 6.35, 6.35),
                                             QPageLayout::Millimeter));
    }
    if (!m_painter.begin(m_printer.get())) throw chybaTiskarny(m_pdf.isEmpty() ? m_tiskarna : m_pdf);
    m_bodyNaTwip = m_printer->logicalDpiY() / 1440.0;
    m_painter.setPen(QPen(Qt::black, 0));
}

// The copies of a PDF go on into the same file.
void QtPrintSurface::endDocument() {
    if (!m_pdf.isEmpty()) return;
    const bool ok = m_painter.end();
    m_printer.reset();
    if (!ok) throw chybaTiskarny(m_tiskarna);
}

void QtPrintSurface::finish() {
    if (m_pdf.isEmpty() || !m_painter.isActive()) return;
    const bool ok = m_painter.end();
    m_printer.reset();
    // The temporary file is the owner's alone; the PDF keeps the permissions of the file it
    // replaces, or gets those of a new file.
    mode_t prava = 0666;
    if (struct stat s; ::stat(QFile::encodeName(m_pdf).constData(), &s) == 0) {
        prava = s.st_mode & 07777;
    } else {
        const mode_t maska = ::umask(0);
        ::umask(maska);
        prava &= ~maska;
    }
    ::chmod(QFile::encodeName(m_docasny->fileName()).constData(), prava);
    // rename() replaces the target in one step: no reader ever sees half a file.
    if (!ok || std::rename(QFile::encodeName(m_docasny->fileName()).constData(), QFile::encodeName(m_pdf).constData()) != 0) {
        m_docasny.reset();
        throw chybaTiskarny(m_pdf);
    }
    m_docasny->setAutoRemove(false);
    m_docasny.reset();
}

void QtPrintSurface::abort() {
    if (!m_printer) return;
    m_printer->abort();
    if (m_painter.isActive()) m_painter.end();
    m_printer.reset();
    // Half a costing in a file would pass for a whole one: the temporary file goes.
    m_docasny.reset();
}

void QtPrintSurface::novaStrana() {
    if (!m_printer->newPage()) throw chybaTiskarny(m_pdf.isEmpty() ? m_tiskarna : m_pdf);
}

int QtPrintSurface::naTwipy(double body) const { return static_cast<int>(std::lround(body / m_bodyNaTwip)); }

int QtPrintSurface::width() const { return m_printer ? naTwipy(m_printer->width()) : 0; }

int QtPrintSurface::height() const { return m_printer ? naTwipy(m_printer->height()) : 0; }

void QtPrintSurface::pouzijPismo(const Pismo& p) {
    m_font = QFont(p.nazev);
    m_font.setPointSizeF(p.velikost);
    m_font.setBold(p.tucne);
    m_font.setItalic(p.kurziva);
    m_font.setUnderline(p.podtrzene);
    m_painter.setFont(m_font);
    m_metriky.emplace(m_font, m_printer.get());
}

int QtPrintSurface::textWidth(const QString& s) const { return m_metriky ? naTwipy(m_metriky->horizontalAdvance(s)) : 0; }

int QtPrintSurface::lineHeight() const { return m_metriky ? naTwipy(m_metriky->lineSpacing()) : 0; }

void QtPrintSurface::kresliText(int x, int y, const QString& s) {
    m_painter.drawText(QPointF(naZarizeni(x), naZarizeni(y) + m_metriky->ascent()), s);
}

void QtPrintSurface::kresliCaru(int x, int y, int w) {
    m_painter.drawLine(QPointF(naZarizeni(x), naZarizeni(y)), QPointF(naZarizeni(x + w), naZarizeni(y)));
}

const QImage& QtPrintSurface::obrazek(const QString& path) {
    auto it = m_obrazky.constFind(path);
    if (it != m_obrazky.constEnd()) return *it;
    if (!QFileInfo::exists(path)) throw ChybaSouboru(path);
    QImage i(path);
    if (i.isNull()) throw RuntimeError(481, QStringLiteral("Neplatný obrázek: ") + path);
    return *m_obrazky.insert(path, std::move(i));
}

QSize QtPrintSurface::imageSize(const QString& path) { return obrazek(path).size() * kTwipuNaPixel; }

void QtPrintSurface::drawImage(const QString& path, int x, int y) {
    const QImage& i = obrazek(path);
    const QSize s = i.size() * kTwipuNaPixel;
    m_painter.drawImage(QRectF(naZarizeni(x), naZarizeni(y), naZarizeni(s.width()), naZarizeni(s.height())), i);
}

QStringList QtPrinterCatalog::names() const { return QPrinterInfo::availablePrinterNames(); }

QString QtPrinterCatalog::defaultName() const { return QPrinterInfo::defaultPrinterName(); }

#include "platform/QtUserDialogs.h"

#include "platform/Cekani.h"
#include "platform/DataPaths.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {

// Qt takes the patterns from the parentheses at the end of each entry, so a description that
// shows its pattern already ("XML soubor (*.xml)") gives it only once, there.
QStringList filtrText(const QList<FiltrSouboru>& filtr) {
    QStringList f;
    for (const FiltrSouboru& p : filtr) {
        QString popis = p.popis.trimmed();
        if (popis.endsWith(QLatin1Char(')')) && popis.contains(QLatin1Char('(')))
            popis = popis.left(popis.lastIndexOf(QLatin1Char('('))).trimmed();
        f << popis + QStringLiteral(" (") + QString(p.vzor).replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')');
    }
    return f;
}

// Initial folders come from Windows installations ("C:"): fall back to the data folder.
QString slozkaNeboData(const QString& s) {
    const QString r = s.isEmpty() ? QString() : resolvePath(s);
    return (!r.isEmpty() && QDir(r).exists()) ? r : dataDir();
}

QString vyberSoubor(QFileDialog::AcceptMode rezim, const QString& titulek, const QList<FiltrSouboru>& filtr,
                    const QString& vychoziSlozka, const QString& pripona) {
    const std::unique_ptr<QFileDialog> d = souborovyDialog(rezim, titulek, filtr, vychoziSlozka, pripona);
    if (d->exec() != QDialog::Accepted || d->selectedFiles().isEmpty()) return {};
    return QDir::toNativeSeparators(d->selectedFiles().constFirst()).trimmed();
}

}  // namespace

std::unique_ptr<QFileDialog> souborovyDialog(QFileDialog::AcceptMode rezim, const QString& titulek,
                                             const QList<FiltrSouboru>& filtr, const QString& vychoziSlozka,
                                             const QString& pripona) {
    auto d = std::make_unique<QFileDialog>(QApplication::activeWindow(), titulek, slozkaNeboData(vychoziSlozka));
    d->setNameFilters(filtrText(filtr));
    d->setAcceptMode(rezim);
    d->setFileMode(rezim == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Callers that care ask about overwriting themselves.
    d->setOption(QFileDialog::DontConfirmOverwrite);
    if (!pripona.isEmpty()) d->setDefaultSuffix(pripona);
    return d;
}

Odpoved QtUserDialogs::zprava(const Zprava& z) {
    // When the session ends, a box answers as its escape button would, without showing.
    const auto unik = [&] {
        if (z.tlacitka == Tlacitka::OkCancel || z.tlacitka == Tlacitka::YesNoCancel) return Odpoved::Cancel;
        return z.tlacitka == Tlacitka::YesNo ? Odpoved::No : Odpoved::Ok;
    };
    if (cekani::sezeniKonci()) return unik();
    // The box takes the focus; when it goes, the window manager need not give it back.
    const QPointer<QWidget> predtim = QApplication::activeWindow();
    // On the heap: a window that goes while the box is up takes the box, its child, with it.
    auto* box = new QMessageBox(predtim);
    const QPointer<QMessageBox> zije = box;
    box->setWindowTitle(z.titulek);
    // Texts from files and servers are never markup, nor links to open.
    box->setTextFormat(Qt::PlainText);
    box->setText(zpravaNaObrazovku(z.text));
    switch (z.ikona) {
    case Ikona::Zadna: box->setIcon(QMessageBox::NoIcon); break;
    case Ikona::Informace: box->setIcon(QMessageBox::Information); break;
    case Ikona::Vykricnik: box->setIcon(QMessageBox::Warning); break;
    case Ikona::Otaznik: box->setIcon(QMessageBox::Question); break;
    case Ikona::Kriticka: box->setIcon(QMessageBox::Critical); break;
    }
    QList<QMessageBox::StandardButton> poradi;
    switch (z.tlacitka) {
    case Tlacitka::Ok: poradi = {QMessageBox::Ok}; break;
    case Tlacitka::OkCancel: poradi = {QMessageBox::Ok, QMessageBox::Cancel}; break;
    case Tlacitka::YesNo: poradi = {QMessageBox::Yes, QMessageBox::No}; break;
    case Tlacitka::YesNoCancel: poradi = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}; break;
    }
    for (auto b : poradi) {
        QAbstractButton* t = box->addButton(b);
        if (b == QMessageBox::Yes) t->setText(QStringLiteral("Ano"));
        if (b == QMessageBox::No) t->setText(QStringLiteral("Ne"));
        if (b == QMessageBox::Cancel) t->setText(QStringLiteral("Storno"));
    }
    const int i = qBound(1, z.vychozi, static_cast<int>(poradi.size())) - 1;
    box->setDefaultButton(poradi[i]);
    box->setEscapeButton(poradi.contains(QMessageBox::Cancel) ? QMessageBox::Cancel : poradi.last());
    const int odpoved = box->exec();
    if (!zije) return unik();
    delete box;
    if (predtim && predtim->isVisible()) predtim->activateWindow();
    if (cekani::sezeniKonci()) return unik();
    switch (odpoved) {
    case QMessageBox::Cancel: return Odpoved::Cancel;
    case QMessageBox::Yes: return Odpoved::Yes;
    case QMessageBox::No: return Odpoved::No;
    default: return Odpoved::Ok;
    }
}

std::optional<QString> QtUserDialogs::vstup(const QString& vyzva, const QString& titulek, const QString& vychozi) {
    if (cekani::sezeniKonci()) return std::nullopt;
    bool ok = false;
    const QString t = QInputDialog::getText(QApplication::activeWindow(), titulek.isEmpty() ? kTitulekAplikace : titulek,
                                            vyzva, QLineEdit::Normal, vychozi, &ok);
    if (!ok) return std::nullopt;
    return t;
}

QString QtUserDialogs::souborOtevrit(const QString& titulek, const QList<FiltrSouboru>& filtr, const QString& vychoziSlozka) {
    return vyberSoubor(QFileDialog::AcceptOpen, titulek, filtr, vychoziSlozka, {});
}

QString QtUserDialogs::souborUlozit(const QString& titulek, const QList<FiltrSouboru>& filtr, const QString& vychoziSlozka,
                                    const QString& pripona) {
    return vyberSoubor(QFileDialog::AcceptSave, titulek, filtr, vychoziSlozka, pripona);
}

QString QtUserDialogs::slozka(const QString& titulek) {
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), titulek, dataDir(),
                                             QFileDialog::ShowDirsOnly);
}

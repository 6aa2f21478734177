#include "costing/frmPomocnik.h"

#include "platform/DataPaths.h"

#include <QDir>
#include <QLabel>
#include <QVBoxLayout>

frmPomocnik::frmPomocnik(QWidget* rodic) : QDialog(rodic) {
    setObjectName(QStringLiteral("frmPomocnik"));
    setWindowTitle(QStringLiteral("Tahák"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    const QString soubor = dataFile(QStringLiteral("Pict/Tahak.png"));
    QPixmap obrazek;
    if (obrazek.load(soubor)) Image1->setPixmap(obrazek);
    else Image1->setText(QStringLiteral("Obrázek %1 nelze načíst.").arg(QDir::toNativeSeparators(soubor)));
    auto* m = new QVBoxLayout(this);
    m->setContentsMargins(0, 0, 0, 0);
    m->addWidget(Image1);
}

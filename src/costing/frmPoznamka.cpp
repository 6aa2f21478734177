#include "costing/frmPoznamka.h"

#include "costing/PrikazyListu.h"
#include "platform/QtWidgety.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmPoznamka::frmPoznamka(QWidget* rodic) : QDialog(rodic) {
    setObjectName(QStringLiteral("frmPoznamka"));
    setWindowTitle(QStringLiteral("Poznámka"));

    lblPoznamka = new QPlainTextEdit(this);
    lblPoznamka->setObjectName(QStringLiteral("lblPoznamka"));
    lblPoznamka->setReadOnly(true);
    lblPoznamka->setFocusPolicy(Qt::NoFocus);
    QPalette p = lblPoznamka->palette();
    p.setColor(QPalette::Text, QColor(64, 64, 64));
    lblPoznamka->setPalette(p);

    txtPoznamka = new QPlainTextEdit(this);
    txtPoznamka->setObjectName(QStringLiteral("txtPoznamka"));
    txtPoznamka->setTabChangesFocus(true);
    cmdOk = new QPushButton(QStringLiteral("Ok"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setAutoDefault(false);
    cmdStorno = new QPushButton(QStringLiteral("Storno"), this);
    cmdStorno->setObjectName(QStringLiteral("cmdStorno"));
    cmdStorno->setAutoDefault(false);

    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch();
    tlacitka->addWidget(cmdOk);
    tlacitka->addWidget(cmdStorno);
    auto* svisle = new QVBoxLayout(this);
    svisle->addWidget(lblPoznamka);
    svisle->addWidget(txtPoznamka);
    svisle->addLayout(tlacitka);

    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdStorno, &QPushButton::clicked, this, &QDialog::reject);
    // The design's client area, 6615 by 4695 twips.
    resize(naPixely(*this, 6615), naPixely(*this, 4695));
    txtPoznamka->setFocus();
}

QString frmPoznamka::poznamka() const { return PoznamkaZEditoru(txtPoznamka->toPlainText()); }

#include "app/frmStav.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmStav::frmStav(QWidget* rodic) : QDialog(rodic) {
    setObjectName(QStringLiteral("frmStav"));
    txt = new QPlainTextEdit(this);
    txt->setObjectName(QStringLiteral("txt"));
    txt->setReadOnly(true);
    // The log's step labels line up the replies in one column.
    txt->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txt->setMinimumSize(460, 260);
    cmdZavrit = new QPushButton(QStringLiteral("Zavřít"), this);
    cmdZavrit->setObjectName(QStringLiteral("cmdZavrit"));
    connect(cmdZavrit, &QPushButton::clicked, this, &QDialog::accept);

    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch();
    tlacitka->addWidget(cmdZavrit);
    auto* svisle = new QVBoxLayout(this);
    svisle->addWidget(txt);
    svisle->addLayout(tlacitka);
}

void frmStav::closeEvent(QCloseEvent* e) {
    if (cmdZavrit->isEnabled()) QDialog::closeEvent(e);
    else e->ignore();
}

void frmStav::reject() {
    if (cmdZavrit->isEnabled()) QDialog::reject();
}

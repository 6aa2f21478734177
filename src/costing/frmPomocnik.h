#pragma once
// "Tahák": a crib sheet of the Orlex top sets and of the static securing of an MIV chimney with
// an Orlex top, as one picture (Data/Pict/Tahak.png).
#include <QDialog>

class QLabel;

class frmPomocnik : public QDialog {
    Q_OBJECT
public:
    explicit frmPomocnik(QWidget* rodic = nullptr);

    QLabel* Image1 = nullptr;
};

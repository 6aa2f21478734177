#pragma once
// The note editor: above, what the sheet composed about the bill (for reading only); below, the
// note. "Ok" keeps the note, "Storno" and the close box drop the edit.
#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class frmPoznamka : public QDialog {
    Q_OBJECT
public:
    explicit frmPoznamka(QWidget* rodic = nullptr);

    // The edited note as it is stored: CR LF line ends, blanks trimmed at both ends.
    QString poznamka() const;

    QPlainTextEdit* lblPoznamka = nullptr;
    QPlainTextEdit* txtPoznamka = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdStorno = nullptr;
};

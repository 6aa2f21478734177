#pragma once
// The status window: a log and a button that closes it. Its caller sets the caption, the text
// and whether the button may be used.
#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class frmStav : public QDialog {
    Q_OBJECT
public:
    explicit frmStav(QWidget* rodic = nullptr);

    QPlainTextEdit* txt;
    QPushButton* cmdZavrit;

protected:
    // While the button is disabled the window cannot be closed either.
    void closeEvent(QCloseEvent* e) override;
    void reject() override;
};

#pragma once
// The accessory picker's window: draws ModelPrislusenstvi, forwards the clicks and shows the
// preview of the box under the mouse. OK and Storno only close it; the caller reads the model.
#include "parameters/ModelPrislusenstvi.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class frmPrislusenstvi : public QDialog {
    Q_OBJECT
public:
    explicit frmPrislusenstvi(ModelPrislusenstvi& model, QWidget* rodic = nullptr);

    QCheckBox* chkPrislusenstvi(int i) const { return m_boxy.at(static_cast<size_t>(i)); }
    QLabel* lblPrurez[2] = {};
    QFrame* frmNahled = nullptr;
    QLabel* imgPrislusenstvi = nullptr;
    QLabel* lblNazev = nullptr;
    QPlainTextEdit* txtPopis = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdStorno = nullptr;

    // The preview of box i, as the mouse over it shows it.
    void ukazNahled(int i);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QCheckBox* vytvorBox(int i, QWidget* rodic);
    void nactiBoxy();

    ModelPrislusenstvi& m_model;
    std::array<QCheckBox*, kPocetPrislusenstvi> m_boxy{};
};

// The picker shown modally over a parent window.
class QtVyberPrislusenstvi : public IVyberPrislusenstvi {
public:
    explicit QtVyberPrislusenstvi(QWidget* rodic = nullptr) : m_rodic(rodic) {}
    bool vyber(ModelPrislusenstvi& model) override;

private:
    QWidget* m_rodic;
};

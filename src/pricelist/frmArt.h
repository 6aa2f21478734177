#pragma once
// "Seznam položek": the price-list browser. The rules live in ModelArt; this window draws the
// list, the four filter boxes over their columns and the quantity editor over the Ks cell, and
// forwards the user's keys and clicks.
#include "platform/QtFlexGridView.h"
#include "pricelist/ModelArt.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;

class frmArt : public QDialog {
    Q_OBJECT
public:
    explicit frmArt(TabulkaArtiklu& cenik, QWidget* rodic = nullptr);

    ModelArt& model() { return m_model; }
    // A caller shows the window (QtSeznamPolozek): the model afresh, the editor closed.
    void otevri(CilVlozeni cil);
    // The target went away while the window is shown: it hides.
    void odpoj(const ICilObjednavky& cil);

    FlexGridView* TabulkaArt = nullptr;
    std::array<QComboBox*, ModelArt::kFiltru> cmbFilter{};  // article columns 0, 1, 2 and 9
    QLineEdit* txtBox = nullptr;
    QPushButton* cmdVlozit = nullptr;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void RozmistiFiltry();
    void nactiFiltry();
    // Hides the quantity editor once the model has no entry open.
    void nactiZadani();
    void otevriEditor(QChar znak);
    // The quantity in the editor confirmed as Enter confirms it, also before "Vložit" reads the
    // chosen quantities: false when it was refused (the user told why) and the editor stays open.
    bool potvrdEditor();
    void cmdVlozit_Click();

    ModelArt m_model;
    QWidget* m_pasFiltru = nullptr;
};

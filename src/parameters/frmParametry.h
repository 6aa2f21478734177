#pragma once
// The parameter wizard's window: five frames on top of each other and the step buttons. The
// rules live in ModelParametru; this window draws its states and forwards the user's actions.
#include "parameters/ModelParametru.h"

#include <QDialog>
#include <QHash>
#include <array>
#include <functional>

class QStackedWidget;

class frmParametry : public QDialog {
    Q_OBJECT
public:
    struct Sluzby {
        // The OK: commits the model's draft; true when the wizard may close.
        std::function<bool(ModelParametru&)> potvrd;
        // The close box: the sheet is left without a costing.
        std::function<void()> zavreno;
        // The link "Příslušenství": the accessory picker, modal.
        std::function<void()> prislusenstvi;
        // A trial costing of the draft (ModelParametru::nastavZkouskuKalkulace).
        ModelParametru::ZkouskaKalkulace zkouska;
    };

    // Form_Load.
    frmParametry(const GlobalniData& g, Sluzby sluzby, QWidget* rodic = nullptr);

    ModelParametru& model() { return m_model; }
    QWidget* prvek(Prvek p) const { return m_w[static_cast<size_t>(p)]; }

    // Draws the model: every control's state, the frame on view, then the focus it asks for.
    void sync();

public slots:
    // Escape: the wizard has no cancel button and stays open.
    void reject() override {}

protected:
    // Form_QueryUnload: the user's close box leaves the sheet without a costing; closing from
    // code does not.
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* sestavRam1();
    QWidget* sestavRam2a();
    QWidget* sestavRam2b();
    QWidget* sestavRam2c();
    QWidget* sestavRam3();
    template <typename W>
    W* zapis(Prvek p, W* w);
    class QRadioButton* volba(Prvek p, const QString& text, class QButtonGroup* skupina);
    class QCheckBox* box(Prvek p, const QString& text);
    class QLineEdit* pole(Prvek p);
    void udalost(const std::function<void()>& f);
    void cmdOk_Click();

    ModelParametru m_model;
    Sluzby m_sluzby;
    std::array<QWidget*, kPocetPrvku> m_w{};
    QHash<const QObject*, Prvek> m_prvky;
    QStackedWidget* m_ramy = nullptr;
    bool m_potvrzeno = false;
};

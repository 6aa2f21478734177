#include "pricelist/frmArt.h"

#include "platform/Guard.h"
#include "platform/Numbers.h"
#include "platform/QtWidgety.h"
#include "platform/UserDialogs.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// A filter box's list: "(vše)" until the box is first walked or opened, then every value. The
// values go in after "(vše)", so that the box keeps its text and its choice of none.
class SeznamFiltru : public QAbstractListModel {
public:
    explicit SeznamFiltru(QObject* rodic) : QAbstractListModel(rodic) {}
    int rowCount(const QModelIndex& rodic = {}) const override { return rodic.isValid() ? 0 : static_cast<int>(m_hodnoty.size()); }
    QVariant data(const QModelIndex& i, int role) const override {
        // The box asks for its current item's text also while it has none (-1).
        if (i.row() < 0 || i.row() >= m_hodnoty.size() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
        return m_hodnoty[i.row()];
    }
    void dopln(const QStringList& hodnoty) {
        if (hodnoty.size() <= m_hodnoty.size()) return;
        beginInsertRows({}, static_cast<int>(m_hodnoty.size()), static_cast<int>(hodnoty.size()) - 1);
        m_hodnoty = hodnoty;
        endInsertRows();
    }

private:
    QStringList m_hodnoty{kVse};
};

// A filter box that fills its list when the user first needs it (the drop-down, the arrow and
// page keys, the wheel): a long price list gives tens of thousands of values per box, and the
// boxes are mostly only typed into.
class BoxFiltru : public QComboBox {
public:
    BoxFiltru(std::function<const QStringList&()> hodnoty, QWidget* rodic)
        : QComboBox(rodic), m_seznam(new SeznamFiltru(this)), m_hodnoty(std::move(hodnoty)) {
        setModel(m_seznam);
    }
    void showPopup() override {
        napln();
        QComboBox::showPopup();
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        switch (e->key()) {
        case Qt::Key_Up: case Qt::Key_Down: case Qt::Key_PageUp: case Qt::Key_PageDown: napln(); break;
        default: break;
        }
        QComboBox::keyPressEvent(e);
    }
    void wheelEvent(QWheelEvent* e) override {
        napln();
        QComboBox::wheelEvent(e);
    }

private:
    void napln() { m_seznam->dopln(m_hodnoty()); }

    SeznamFiltru* m_seznam;
    std::function<const QStringList&()> m_hodnoty;
};

}  // namespace

frmArt::frmArt(TabulkaArtiklu& cenik, QWidget* rodic) : QDialog(rodic), m_model(cenik) {
    setObjectName(QStringLiteral("frmArt"));
    setWindowTitle(QStringLiteral("Seznam položek"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
    // Closing unloads it; the next use starts with empty filters.
    setAttribute(Qt::WA_DeleteOnClose);

    m_pasFiltru = new QWidget(this);
    for (int i = 0; i < ModelArt::kFiltru; ++i) {
        auto* c = new BoxFiltru([this, i]() -> const QStringList& { return m_model.seznamFiltru(i); }, m_pasFiltru);
        c->setObjectName(QStringLiteral("cmbFilter%1").arg(ModelArt::kFiltrovane[i]));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        // No completion: what the user types is the filter, letter by letter.
        c->setCompleter(nullptr);
        // The lists run to thousands of values: no measuring them for a size.
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        if (auto* v = qobject_cast<QListView*>(c->view())) v->setUniformItemSizes(true);
        c->setCurrentIndex(-1);
        c->lineEdit()->installEventFilter(this);
        cmbFilter[static_cast<size_t>(i)] = c;
        pripoj(c, &QComboBox::editTextChanged, this, [this, i](const QString& t) {
            if (t == m_model.textFiltru(i)) return;
            // The list refills only once the quantity still in the editor is taken; a refused
            // one keeps it, and the box shows again the filter the list was made by.
            if (!potvrdEditor()) return nactiFiltry();
            m_model.setTextFiltru(i, t);
            nactiZadani();
        });
    }
    m_pasFiltru->setFixedHeight(cmbFilter[0]->sizeHint().height());

    TabulkaArt = new FlexGridView(this);
    TabulkaArt->setObjectName(QStringLiteral("TabulkaArt"));
    TabulkaArt->setGrid(&m_model.TabulkaArt());
    TabulkaArt->setSirkaNavrhu(ModelArt::kSirkaMrizky);
    TabulkaArt->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    txtBox = new BunkovyEditor(TabulkaArt->viewport());
    txtBox->setObjectName(QStringLiteral("txtBox"));
    txtBox->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtBox->hide();
    txtBox->installEventFilter(this);

    cmdVlozit = new QPushButton(QStringLiteral("Vložit"), this);
    cmdVlozit->setObjectName(QStringLiteral("cmdVlozit"));
    // Enter belongs to the quantity editor, never to this button.
    cmdVlozit->setAutoDefault(false);

    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch();
    tlacitka->addWidget(cmdVlozit);
    auto* v = new QVBoxLayout(this);
    v->setSpacing(0);
    v->addWidget(m_pasFiltru);
    v->addWidget(TabulkaArt, 1);
    v->addSpacing(naPixely(*this, 90));
    v->addLayout(tlacitka);

    pripoj(TabulkaArt, &FlexGridView::znak, this, [this](QChar z) {
        // A quantity left in the editor (the focus moved off it) is taken before another opens.
        if (jeCislice(z) && !potvrdEditor()) return;
        if (m_model.zacniZadani(z)) otevriEditor(z);
    });
    pripoj(TabulkaArt, &FlexGridView::klik, this, [this] {
        m_model.zrusZadani();
        nactiZadani();
    });
    pripoj(cmdVlozit, &QPushButton::clicked, this, [this] { cmdVlozit_Click(); });
    connect(TabulkaArt->horizontalHeader(), &QHeaderView::sectionResized, this, &frmArt::RozmistiFiltry);
    connect(TabulkaArt->horizontalHeader(), &QHeaderView::geometriesChanged, this, &frmArt::RozmistiFiltry);

    // The list takes the screen's height; on a narrow screen its width leaves room for the
    // borders the window manager adds.
    const QRect obrazovka = screen() ? screen()->availableGeometry() : QRect(0, 0, 800, 600);
    resize(std::min(naPixely(*this, 14000), obrazovka.width() - naPixely(*this, 120)), std::max(naPixely(*this, 6000), obrazovka.height() - naPixely(*this, 1500)));
}


void frmArt::otevri(CilVlozeni cil) {
    // Shown again for the same target while it is open: what was typed stays, the quantity in
    // the editor taken first.
    const bool znovu = isVisible() && m_model.cil() == cil;
    if (znovu && !potvrdEditor()) return;
    m_model.otevri(cil, znovu);
    nactiZadani();
}

void frmArt::odpoj(const ICilObjednavky& cil) {
    if (m_model.odpoj(cil)) hide();
}

bool frmArt::event(QEvent* e) {
    const bool v = QDialog::event(e);
    // The article table is not on screen: activation puts the keys on the browser's list.
    if (e->type() == QEvent::WindowActivate) (txtBox->isVisible() ? static_cast<QWidget*>(txtBox) : TabulkaArt)->setFocus();
    return v;
}

void frmArt::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    RozmistiFiltry();
}

bool frmArt::eventFilter(QObject* o, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return QDialog::eventFilter(o, e);
    const int klavesa = static_cast<QKeyEvent*>(e)->key();
    if (o == txtBox) {
        if (klavesa == Qt::Key_Return || klavesa == Qt::Key_Enter) {
            runGuarded([this] { potvrdEditor(); });
            return true;
        }
        // Escape drops the typed quantity and leaves the window open.
        if (klavesa == Qt::Key_Escape) {
            m_model.zrusZadani();
            nactiZadani();
            return true;
        }
        return false;
    }
    if (klavesa == Qt::Key_Delete) {
        for (QComboBox* c : cmbFilter) {
            if (c->lineEdit() != o) continue;
            // Once, before the two changes of text below.
            if (!potvrdEditor()) return true;
            c->setCurrentIndex(-1);
            c->clearEditText();
            return true;
        }
    }
    return QDialog::eventFilter(o, e);
}

void frmArt::RozmistiFiltry() {
    const QHeaderView* h = TabulkaArt->horizontalHeader();
    const int x0 = TabulkaArt->viewport()->mapTo(this, QPoint()).x() - m_pasFiltru->x();
    for (int i = 0; i < ModelArt::kFiltru; ++i) {
        const int c = ModelArt::kNadSloupcem[i];
        cmbFilter[static_cast<size_t>(i)]->setGeometry(x0 + h->sectionViewportPosition(c), 0, h->sectionSize(c),
                                                       m_pasFiltru->height());
    }
}

void frmArt::nactiFiltry() {
    for (int i = 0; i < ModelArt::kFiltru; ++i) {
        QComboBox* c = cmbFilter[static_cast<size_t>(i)];
        if (c->currentText() == m_model.textFiltru(i)) continue;
        const QSignalBlocker b(c);
        c->setCurrentIndex(-1);
        c->setEditText(m_model.textFiltru(i));
    }
}

void frmArt::nactiZadani() {
    if (m_model.radekZadani() > 0) return;
    const bool mel = txtBox->hasFocus();
    txtBox->hide();
    txtBox->clear();
    if (mel) TabulkaArt->setFocus();
}

void frmArt::otevriEditor(QChar znak) {
    const int r = m_model.radekZadani();
    TabulkaArt->scrollTo(m_model.TabulkaArt().index(m_model.TabulkaArt().radekModelu(r), ModelArt::kSloupecKs));
    txtBox->setGeometry(TabulkaArt->obdelnikBunky(r, ModelArt::kSloupecKs));
    txtBox->setText(znak);
    txtBox->show();
    txtBox->setFocus();
}

bool frmArt::potvrdEditor() {
    if (m_model.radekZadani() < 1) return true;
    if (const Vysledek<> v = m_model.potvrdZadani(txtBox->text()); !v) {
        MsgBox(v.chyba(), Tlacitka::Ok, Ikona::Vykricnik, kTitulekUpozorneni);
        txtBox->setFocus();
        return false;
    }
    nactiZadani();
    return true;
}

void frmArt::cmdVlozit_Click() {
    if (!potvrdEditor()) return;
    Vysledek<bool> v = [this] {
        const KurzorCekani h;
        return m_model.Vlozit();
    }();
    nactiFiltry();
    nactiZadani();
    if (!v) MsgBox(v.chyba(), Tlacitka::Ok, Ikona::Vykricnik, kTitulekUpozorneni);
    else if (*v) accept();
}

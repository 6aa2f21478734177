#include "offers/ModelSeznamuNabidek.h"

#include "offers/KodyNabidek.h"
#include "offers/SouboryNabidek.h"
#include "platform/KonceRadku.h"
#include "platform/Regional.h"

const std::array<double, kSloupcuSeznamu> ModelSeznamuNabidek::kPodilySirky{0,     0.0652, 0.048, 0.048, 0.05,  0.03,
                                                                             0.145, 0.145,  0.145, 0.145, 0.145, 0};

ModelSeznamuNabidek::ModelSeznamuNabidek(GlobalniData& g, QObject* rodic) : QAbstractTableModel(rodic), m_g(g) {}

RadekSeznamu ModelSeznamuNabidek::radek(const clsNabidka& n) const {
    return radekSeznamu({n.Key, ZjistiStav(n.Stav), n.ID, n.ExtID, n.DatumNabidky, n.CisloOZ.value(), n.JmenoOZ,
                         n.NazevAkce, n.MistoStavby, n.RealizacniFirma, n.Obchodnik, n.CenaPoSleveBezDPH, n.CenaPoSleveSDPH},
                        m_g.nastaveni.IDOZ.value());
}

std::optional<std::array<QString, ModelSeznamuNabidek::kPolozekDetailu>> ModelSeznamuNabidek::detail(int radek) const {
    const std::shared_ptr<clsNabidka> n = nabidka(radek);
    if (!n) return std::nullopt;
    const Regional& reg = Regional::current();
    const QString kc = QStringLiteral(" Kč");
    return std::array<QString, kPolozekDetailu>{QString::number(n->CisloOZ.value()),
                                                n->JmenoOZ,
                                                n->EmailOZ,
                                                n->TelefonOZ,
                                                reg.KratkeDatum(n->DatumNabidky),
                                                n->NazevAkce,
                                                n->MistoStavby,
                                                ZjistiDruhStavby(n->DruhStavby),
                                                n->Ulice,
                                                n->UliceCP,
                                                n->RealizacniFirma,
                                                n->KontaktniOsoba,
                                                n->Telefon,
                                                n->Email,
                                                n->Obchodnik,
                                                n->ObchodnikMesto,
                                                reg.Format(n->CenaBezDPH) + kc,
                                                reg.Format(n->ProjektovaSleva) + QStringLiteral(" %"),
                                                reg.Format(n->CenaPoSleveBezDPH) + kc,
                                                reg.Format(n->CenaPoSleveSDPH) + kc,
                                                radky::naLf(n->Poznamka)};
}

Vysledek<> ModelSeznamuNabidek::NactiNabidky() {
    const Nastaveni& n = m_g.nastaveni;
    QStringList chyby;
    const auto nacti = [&](const Vysledek<QList<clsNabidka>>& v) {
        if (!v) chyby << v.chyba();
        return v ? *v : QList<clsNabidka>();
    };
    QList<clsNabidka> vse = nacti(NactiNeodeslaneNabidky(n));
    const qsizetype neodeslanych = vse.size();
    vse += nacti(NactiUlozeneNabidky(n));
    for (qsizetype i = 0; i < vse.size(); ++i)
        vse[i].Key = QString::number(i + 1) + (i < neodeslanych ? QLatin1Char('N') : QLatin1Char('U'));
    if (const Vysledek<> v = AktualizujStavy(vse, n.IDOZ.value()); !v) chyby << v.chyba();

    vyprazdni();
    beginResetModel();
    m_nabidky.reserve(static_cast<size_t>(vse.size()));
    m_radky.reserve(static_cast<size_t>(vse.size()));
    for (clsNabidka& o : vse) {
        m_radky.push_back(radek(o));
        m_nabidky.push_back(std::make_shared<clsNabidka>(std::move(o)));
    }
    endResetModel();
    if (!chyby.isEmpty()) return Chyba{chyby.join(QLatin1Char('\n'))};
    return {};
}

void ModelSeznamuNabidek::vyprazdni() {
    beginResetModel();
    m_nabidky.clear();
    m_radky.clear();
    m_zobrazeni = {};
    endResetModel();
}

void ModelSeznamuNabidek::ZobrazNabidky() {
    beginResetModel();
    m_zobrazeni = ::ZobrazNabidky(m_radky, m_filtry);
    endResetModel();
}

std::array<QStringList, kSloupceFiltru.size()> ModelSeznamuNabidek::NaplnFiltry() {
    for (QString& t : m_filtry.texty) t.clear();
    return ::NaplnFiltry(m_radky, m_zobrazeni.radky);
}

std::shared_ptr<clsNabidka> ModelSeznamuNabidek::nabidka(int radek) const {
    if (radek < 0 || radek >= rowCount()) return nullptr;
    return m_nabidky[static_cast<size_t>(m_zobrazeni.radky[static_cast<size_t>(radek)])];
}

bool ModelSeznamuNabidek::vlastni(int radek) const {
    const std::shared_ptr<clsNabidka> n = nabidka(radek);
    return n && n->CisloOZ.value() == m_g.nastaveni.IDOZ.value();
}

Vysledek<> ModelSeznamuNabidek::ZmenStav(int radek, int stav) {
    if (!vlastni(radek) || stav < 0 || stav >= StavyNabidky().size()) return {};
    const size_t i = static_cast<size_t>(m_zobrazeni.radky[static_cast<size_t>(radek)]);
    m_nabidky[i]->Stav = stav;
    m_radky[i].bunky[sStav] = ZjistiStav(stav);
    emit dataChanged(index(radek, sStav), index(radek, sStav));
    return UlozStavyNabidek();
}

Vysledek<> ModelSeznamuNabidek::UlozStavyNabidek() const {
    QList<clsNabidka> vse;
    vse.reserve(static_cast<qsizetype>(m_nabidky.size()));
    for (const auto& n : m_nabidky) vse << *n;
    return UlozStavy(vse, m_g.nastaveni.IDOZ.value());
}

std::shared_ptr<clsNabidka> ModelSeznamuNabidek::Kopiruj(int radek) {
    std::shared_ptr<clsNabidka> n = nabidka(radek);
    if (!n) return nullptr;
    const Nastaveni& s = m_g.nastaveni;
    n->ID = 0;
    n->ExtID = s.ExtID;
    n->CisloOZ = s.IDOZ;
    n->JmenoOZ = s.JmenoOZ;
    n->EmailOZ = s.EmailOZ;
    n->TelefonOZ = s.TelefonOZ;
    return n;
}

int ModelSeznamuNabidek::rowCount(const QModelIndex& rodic) const {
    return rodic.isValid() ? 0 : static_cast<int>(m_zobrazeni.radky.size());
}

int ModelSeznamuNabidek::columnCount(const QModelIndex& rodic) const { return rodic.isValid() ? 0 : kSloupcuSeznamu; }

QVariant ModelSeznamuNabidek::data(const QModelIndex& i, int role) const {
    if (!i.isValid() || i.row() >= rowCount()) return {};
    const RadekSeznamu& r = m_radky[static_cast<size_t>(m_zobrazeni.radky[static_cast<size_t>(i.row())])];
    switch (role) {
    case Qt::DisplayRole: return r.bunky[static_cast<size_t>(i.column())];
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter | (i.column() >= sID && i.column() <= sCisloOZ ? Qt::AlignRight : Qt::AlignLeft));
    case CiziRole: return r.cizi;
    default: return {};
    }
}

QVariant ModelSeznamuNabidek::headerData(int sekce, Qt::Orientation o, int role) const {
    static const char* const kNadpisy[] = {"Key",          "Stav",         "ID",          "Ext. ID",
                                           "Datum",        "Číslo OZ",     "Jméno OZ",    "Název akce",
                                           "Místo stavby", "Realizační firma", "Obchodník", "Třídění"};
    if (o != Qt::Horizontal || role != Qt::DisplayRole || sekce < 0 || sekce >= kSloupcuSeznamu) return {};
    return QString::fromUtf8(kNadpisy[sekce]);
}

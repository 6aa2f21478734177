#include "util/XmlElement.h"

namespace {

// Longer marks are not kept; a tag that long is looked for in the text itself.
constexpr qsizetype kNejdelsiZnacka = 64;

QString slozene(QStringView znacka) {
    QString k(znacka.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < znacka.size(); ++i) k[i] = znacka[i].toCaseFolded();
    return k;
}

QStringView mezi(QStringView text, qsizetype zacatek, qsizetype delkaOtevreni, qsizetype konec) {
    if (zacatek < 0 || konec < 0 || konec < zacatek + delkaOtevreni) return {};
    return text.sliced(zacatek + delkaOtevreni, konec - zacatek - delkaOtevreni);
}

}  // namespace

QString xml_get_element(QStringView text, const QString& tag) {
    const QString otevreni = QLatin1Char('<') + tag.toLower() + QLatin1Char('>');
    const qsizetype zacatek = text.indexOf(otevreni, 0, Qt::CaseInsensitive);
    const qsizetype konec = text.indexOf(QStringLiteral("</") + tag.toLower() + QLatin1Char('>'), 0, Qt::CaseInsensitive);
    return mezi(text, zacatek, otevreni.size(), konec).toString();
}

ZnackyXml::ZnackyXml(QStringView text) : m_text(text) {
    for (qsizetype i = text.indexOf(u'<'); i >= 0; i = text.indexOf(u'<', i + 1)) {
        const qsizetype strop = qMin(text.size(), i + kNejdelsiZnacka);
        for (qsizetype j = i + 1; j < strop && text[j] != u'<'; ++j) {
            if (text[j] != u'>') continue;
            const QString k = slozene(text.sliced(i, j - i + 1));
            if (!m_prvni.contains(k)) m_prvni.insert(k, i);
            break;
        }
    }
}

QStringView ZnackyXml::element(const QString& tag) const {
    const QString otevreni = QLatin1Char('<') + tag.toLower() + QLatin1Char('>');
    const QString zavreni = QStringLiteral("</") + tag.toLower() + QLatin1Char('>');
    if (zavreni.size() > kNejdelsiZnacka) {
        const qsizetype zacatek = m_text.indexOf(otevreni, 0, Qt::CaseInsensitive);
        return mezi(m_text, zacatek, otevreni.size(), m_text.indexOf(zavreni, 0, Qt::CaseInsensitive));
    }
    return mezi(m_text, m_prvni.value(slozene(otevreni), -1), otevreni.size(), m_prvni.value(slozene(zavreni), -1));
}

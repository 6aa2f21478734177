#include "util/XmlElement.h"

QString xml_get_element(const QString& text, const QString& tag) {
    const QString otevreni = QLatin1Char('<') + tag.toLower() + QLatin1Char('>');
    const qsizetype zacatek = text.indexOf(otevreni, 0, Qt::CaseInsensitive);
    const qsizetype konec = text.indexOf(QStringLiteral("</") + tag.toLower() + QLatin1Char('>'), 0, Qt::CaseInsensitive);
    if (zacatek < 0 || konec < 0 || konec < zacatek + otevreni.size()) return {};
    return text.mid(zacatek + otevreni.size(), konec - zacatek - otevreni.size());
}

#pragma once
#include <QHash>
#include <QString>
#include <QStringView>

// The text between the first "<tag>" and the first "</tag>", both found without regard to case;
// "" when either is missing or the closing tag comes first. Plain text search: no entities,
// attributes or nesting.
QString xml_get_element(QStringView text, const QString& tag);
inline QString xml_get_element(const QString& text, const QString& tag) { return xml_get_element(QStringView(text), tag); }

// xml_get_element for many tags of one long text (an order XML of thousands of numbered
// sub-orders): the text is read once for the first place of every mark, and each look-up then
// costs no more than its tag. The text must outlive it.
class ZnackyXml {
public:
    explicit ZnackyXml(QStringView text);
    QStringView element(const QString& tag) const;

private:
    QStringView m_text;
    QHash<QString, qsizetype> m_prvni;  // a mark case-folded, and where it first stands
};

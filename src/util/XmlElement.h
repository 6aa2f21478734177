#pragma once
#include <QString>

// The text between the first "<tag>" and the first "</tag>", both found without regard to case;
// "" when either is missing or the closing tag comes first. Plain text search: no entities,
// attributes or nesting.
QString xml_get_element(const QString& text, const QString& tag);

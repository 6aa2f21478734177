#include "util/XmlElement.h"

#include <gtest/gtest.h>

TEST(xml_get_element, FirstOpeningAndFirstClosingTagWithoutRegardToCase) {
    const struct { QString text, tag, obsah; } pripady[] = {
        {"<Nazev>A</NAZEV>", "nazev", "A"},
        {"<nazev>A</nazev>", "NAZEV", "A"},
        {"<a></a>", "a", ""},
        {"<a>bez konce", "a", ""},
        {"bez začátku</a>", "a", ""},
        {"<a>1</a><a>2</a>", "a", "1"},
        {"<a> x \r\n\ty </a>", "a", " x \r\n\ty "},
        {"</a>x<a>", "a", ""},
        {"<objednavka10>x</objednavka10>", "objednavka1", ""},
        {"<a x=\"1\">v</a>", "a", ""},
        {"<a>&lt;</a>", "a", "&lt;"},
    };
    for (const auto& p : pripady) EXPECT_EQ(xml_get_element(p.text, p.tag), p.obsah) << p.text.toStdString();
}

#include "util/XmlElement.h"

#include <gtest/gtest.h>

// Every case read both ways: searched in the text, and from the marks of the text read once, also
// where the text is a view that ends inside a mark the longer string goes on to close.
TEST(xml_get_element, FirstOpeningAndFirstClosingTagWithoutRegardToCase) {
    const QString dlouhy(70, u'x');
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
        {"<<a>x</a>", "a", "x"},
        {"<a<a>x</a>>", "a", "x"},
        {"<a>x</a ></a>", "a", "x</a >"},
        {QStringLiteral("<objednav\u212Aa1>K</objednavka1>"), "objednavka1", "K"},  // the Kelvin sign folds to k
        {"<" + dlouhy + "<a>y</a>", "a", "y"},
        {"<" + dlouhy + ">z</" + dlouhy + ">", dlouhy, "z"},
        {"<" + dlouhy + ">z</" + dlouhy + ">", "a", ""},
        // Marks of 64 characters are kept, longer ones looked for in the text.
        {"<" + dlouhy.left(61) + ">z</" + dlouhy.left(61) + ">", dlouhy.left(61), "z"},
        {"<" + dlouhy.left(62) + ">z</" + dlouhy.left(62) + ">", dlouhy.left(62), "z"},
        // Cut inside a mark.
        {"<objednavka1>A</objednavka1><objedn", "objednavka1", "A"},
        {"<objednavka1>A</objednavka1><objednavka2>B</objednavka2", "objednavka2", ""},
    };
    for (const auto& p : pripady) {
        SCOPED_TRACE(p.text.toStdString());
        EXPECT_EQ(xml_get_element(p.text, p.tag), p.obsah);
        EXPECT_EQ(ZnackyXml(p.text).element(p.tag).toString(), p.obsah);
        const QString dal = p.text + QStringLiteral(">x</") + p.tag + QLatin1Char('>');
        EXPECT_EQ(ZnackyXml(QStringView(dal).first(p.text.size())).element(p.tag).toString(), p.obsah);
    }
}

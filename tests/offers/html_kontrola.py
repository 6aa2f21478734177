#!/usr/bin/env python3
"""Reads an HTML page (Windows-1250) with Python's own parser: prints the placeholders
(comments) left in it and every tag that is not closed where it should be; exit 1 on any."""
import sys
from html.parser import HTMLParser

VOID = {'br', 'img', 'hr', 'meta', 'input', 'link'}
# Closed implicitly by the next cell, row or paragraph in HTML 4.
OPTIONAL = {'p', 'td', 'tr'}


class Kontrola(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.zasobnik, self.chyby, self.komentare = [], [], []

    def handle_starttag(self, tag, attrs):
        if tag not in VOID:
            self.zasobnik.append(tag)

    def handle_endtag(self, tag):
        if tag in VOID:
            return
        while self.zasobnik and self.zasobnik[-1] != tag and self.zasobnik[-1] in OPTIONAL:
            self.zasobnik.pop()
        if not self.zasobnik or self.zasobnik[-1] != tag:
            self.chyby.append('</%s> bez <%s>' % (tag, tag))
            return
        self.zasobnik.pop()

    def handle_comment(self, data):
        self.komentare.append(data)


k = Kontrola()
k.feed(open(sys.argv[1], 'rb').read().decode('cp1250'))
k.close()
for c in k.komentare:
    print('komentar: ' + c)
for c in k.chyby:
    print('chyba: ' + c)
for t in k.zasobnik:
    print('neuzavreno: ' + t)
sys.exit(1 if k.komentare or k.chyby or k.zasobnik else 0)

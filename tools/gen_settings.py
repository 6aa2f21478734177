#!/usr/bin/env python3
"""Writes the sample settings files Data/Sorvenika.ini and Data/Objednavky.ini.

The program reads both as Windows-1250 profile files with CR LF line ends; writing them from
here keeps the encoding and the line ends exact. Run from anywhere: python3 tools/gen_settings.py
"""
from pathlib import Path

DATA = Path(__file__).resolve().parent.parent / "Data"

# Values longer than these arrive cut when the program reads them.
LIMIT_SETTINGS = 127  # NASTAVENI, UZIVATEL
LIMIT_SYSTEMS = 63    # SYSTEMY and the system sections

NASTAVENI = [
    ("Aktualizace", "http://update.example.com/sorvenika/Sorvenika.rar"),
    ("Art", "Art"),
    ("Zakaznici", "Zakaznici"),
    ("DPH", "21"),
    ("Platnost cen", "1.1.2026"),
    ("Pocet systemu", "13"),
]

UZIVATEL = [
    ("Verze", "MDAwMDAwMA=="),  # Base64 of "0000000": no feature switched on
    ("Prodejce", "Ukázkové stavebniny s.r.o."),
    ("Tiskarna", ""),
    ("Rabat", ""),
    ("IDOZ", "0"),
    ("JmenoOZ", ""),
    ("EmailOZ", ""),
    ("TelefonOZ", ""),
    ("Pwd", ""),
    ("ExtID", "1"),
    ("PosledniSynchronizace", "1.1.2000"),
    ("Typ", "0"),
    ("Export HTML", ""),
    ("ProxyAuthorization", "0"),
    ("ProxyUser", ""),
    ("ProxyPwd", ""),
]

ONE = "jednoprůduchový"
TWO_SAME = "dvouprůduchový, stejné průřezy"
TWO_DIFF = "dvouprůduchový, různé průřezy"

# In system-code order: the entry n of SYSTEMY is the system with code n.
# (identifier, display name, info text, parameter text)
SYSTEMS = [
    ("MIV", f"MIV - {ONE}", "Třívrstvý komín s keramickou vložkou a izolací",
     "průduch 12 až 60 cm, s větrací šachtou i bez ní"),
    ("MIV2R", f"MIV - {TWO_DIFF}", "Dva keramické průduchy různého průměru v jedné tvárnici",
     "průduchy 12/14 až 18/20 cm"),
    ("MIV2S", f"MIV - {TWO_SAME}", "Dva keramické průduchy stejného průměru v jedné tvárnici",
     "průduchy 12/12 až 20/20 cm"),
    ("DORVA", "DORVA - jednoprůduchový", "Lehký komín pro nízkoteplotní spotřebiče",
     "průduch 12 až 25 cm, bez větrací šachty"),
    ("SELVAN", "SELVAN", "Systém se již nedodává", ""),
    ("KARNELO", f"KARNELO - {ONE}", "Komín s pláštěm z lehčeného betonu a keramickou vložkou",
     "průduch 12 až 20 cm, s větrací šachtou i bez ní"),
    ("KARNELO2S", f"KARNELO - {TWO_SAME}", "Dvouprůduchový komín s pláštěm z lehčeného betonu",
     "průduchy 12/12 až 18/18 cm"),
    ("KARNELO2R", f"KARNELO - {TWO_DIFF}", "Dvouprůduchový komín s pláštěm z lehčeného betonu",
     "průduchy 12/14 až 18/20 cm"),
    ("T-REMOL", f"T-REMOL - {ONE}", "Komín s keramickou vložkou pro kotle s nízkou teplotou spalin",
     "průduch 14 až 20 cm, s větrací šachtou i bez ní"),
    ("T-REMOL2S", f"T-REMOL - {TWO_SAME}", "Dvouprůduchový komín s keramickými vložkami",
     "průduchy 14/14 až 20/20 cm"),
    ("T-REMOL2R", f"T-REMOL - {TWO_DIFF}", "Dvouprůduchový komín s keramickými vložkami",
     "průduchy 14/16 až 18/20 cm"),
    ("KALVIR", "KALVIR", "Systémový komín s tvárnicí z pemzobetonu",
     "průduch 14 až 30 cm"),
    ("ORVIK", "ORVIK", "Systémový komín pro krby a kamna na tuhá paliva",
     "průduch 14 až 25 cm"),
]

# No shaft rows and no shaft variant of the block.
WITHOUT_SHAFT = {"DORVA", "KALVIR", "ORVIK"}


def system_section(ident, nazev, info, parametry):
    if ident == "SELVAN":
        # Code 5 has no button and no calculator: only its name is known.
        return [("Nazev", nazev), ("Nazev pri tisku", f"Komínový systém {nazev}"), ("Data", ""),
                ("Piktogram", ""), ("Piktogram pro tisk", ""), ("Piktogram prurez", ""),
                ("Info o systemu", info), ("Parametry", parametry)]
    pict = f"Pict\\{ident}"
    # Cross-section pictures: without a shaft "||" with a shaft; MIV has a second picture for
    # the larger flues. The print picture of each is the name with "_P." turned into "_P_T.".
    # Systems built without a ventilation shaft show their one cross-section either way.
    bez = f"{pict}_P.gif" + (f"|{pict}25_P.gif" if ident == "MIV" else "")
    se = f"{pict}_P.gif" if ident in WITHOUT_SHAFT else f"{pict}_S_P.gif"
    prurez = f"{bez}||{se}"
    return [
        ("Nazev", nazev),
        ("Nazev pri tisku", f"Komínový systém {nazev}"),
        ("Data", f"{ident}.txt"),
        ("Piktogram", f"{pict}.gif"),
        ("Piktogram pro tisk", f"{pict}_T.gif"),
        ("Piktogram prurez", prurez),
        ("Info o systemu", info),
        ("Parametry", parametry),
    ]


def render(sections):
    lines = []
    for i, (name, keys, limit) in enumerate(sections):
        if i:
            lines.append("")
        lines.append(f"[{name}]")
        for key, value in keys:
            if value is None:  # a comment line
                lines.append(key)
                continue
            if len(value) > limit or value != value.strip():
                raise SystemExit(f"{name}/{key}: value would not read back as written: {value!r}")
            lines.append(f"{key}={value}")
    return "".join(line + "\r\n" for line in lines).encode("cp1250")


def main():
    assert len(SYSTEMS) == 13
    sections = [
        ("NASTAVENI", NASTAVENI, LIMIT_SETTINGS),
        ("UZIVATEL", UZIVATEL, LIMIT_SETTINGS),
        ("SYSTEMY", [(f"{n}System", s[0]) for n, s in enumerate(SYSTEMS, 1)], LIMIT_SYSTEMS),
    ] + [(s[0], system_section(*s), LIMIT_SYSTEMS) for s in SYSTEMS]
    (DATA / "Sorvenika.ini").write_bytes(render(sections))

    objednavky = [
        ("pripojeni", "0"),
        ("proxy", ""),
        ("port", ""),
        ("SOCKS5server", ""),
        ("SOCKS5port", ""),
        # No manufacturer's server ships with the sample: tools/zastupny_server.py stands in for it.
        ("; server: host or host:port of the manufacturer's server (port 80 when absent),"
         " for example objednavky.example.com or 127.0.0.1:8080", None),
        ("server", ""),
        ("email", ""),
        ("id", ""),
        ("cislo objednavky", "1"),
        ("vystup", ""),
    ]
    (DATA / "Objednavky.ini").write_bytes(render([("NASTAVENI", objednavky, LIMIT_SETTINGS)]))


if __name__ == "__main__":
    main()

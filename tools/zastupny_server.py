#!/usr/bin/env python3
"""A stand-in for the manufacturer's server, for tests and demonstrations on this machine.

It speaks HTTP/1.0 as the program expects of the real server: one request per connection, the
reply ended by closing the connection, request lines in absolute form (direct and SOCKS5 modes)
or origin form (behind an HTTP proxy). It serves

  GET  /software/eobj/objednat.php?cmd=test   the connection test
  POST /software/eobj/objednat.php            an order: form-data file "<ID>.csv", Base64 of the
                                              RC4-enciphered order message; the reply carries the
                                              new order number in brackets
  POST /software/eobj/nabidky.php             an offer command: file "cmd.txt", Base64 in lines of
                                              76 characters of the RC4-enciphered command text
  GET  any other path                         a file of <folder>/www, e.g. the update information

and keeps what it receives in the folder: prijato/NNNN.http (each request's bytes),
objednavky/<number>.txt (decoded orders), prikazy/NNNN.txt (decoded offer commands). Orders are
numbered from --cislo, or, when the folder already holds orders, on from the highest of them, so a
restarted server never gives a number twice.

The offer commands work on a store in the folder, nabidky/sklad.json: "insert" takes the offers
of an uploaded NeodeslaneNabidky.txt (a new one gets the next server ID, one already there under
the same representative and ExtID is replaced), "update_status" applies an uploaded
StavyNabidek.txt (by ID, or by representative and ExtID for ID 0), "export_bids" sends every
stored offer, "export_obchodnici" the dealers, "get_list_oz" the representatives and "test"
checks a representative's number and password. The representatives (number|name|e-mail|phone|
password) and the dealers (number|entry) come from UTF-8 files, by default zastupci.txt and
obchodnici.txt beside this script.

A fault mode chosen per run answers every request badly: ticho (never answers), po_bajtu (the
reply one byte at a time), pulka (half the reply, then close), smeti (bytes without headers),
reset (closes with a reset), bez_cisla (an order confirmed without a number), chyba (an error text).
Faults of the connection itself, whatever was asked: nic (closes without a byte of reply),
reset_v_pulce (the headers and part of the body, then a reset), obri (a reply that never ends,
sent until the client closes).
--prikaz CMD (repeatable) narrows the fault, --odpoved TEXT (a canned body; \\r and \\n as escapes)
and --zpozdeni MS (a wait before answering) to those offer commands; every other request is
answered normally.

Start:  python3 tools/zastupny_server.py --slozka DIR [--port N] [--porucha MODE] [--prikaz CMD]
            [--odpoved TEXT] [--zpozdeni MS] [--zastupci FILE] [--obchodnici FILE]
It prints "PORT <n>" once it listens on 127.0.0.1 (port 0 picks a free one) and runs until it is
stopped (SIGTERM or Ctrl+C). Standard library only; written from the protocol alone.
"""
import argparse
import base64
import json
import os
import re
import signal
import socket
import socketserver
import struct
import sys
import threading
import time

KLIC_OBJEDNAVEK = b"5f08c2d7e19a4b63f2c58e0d7a91b34c"
KLIC_NABIDEK = b"e3b94c07a51f6d28c9e0b7a43d12f865"
KODOVANI = "cp1250"
PORUCHY = ("ticho", "po_bajtu", "pulka", "smeti", "reset", "bez_cisla", "chyba")


def resetuj(spojeni):
    """Ends the connection with a reset instead of an orderly close, closed here so that no
    orderly end goes before the reset."""
    spojeni.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
    spojeni.close()


def bez_odpovedi(spojeni):
    pass


def reset_v_pulce(spojeni):
    spojeni.sendall(b"HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nza\xe8\xe1tek odpov\xecdi")
    time.sleep(0.05)
    resetuj(spojeni)


def obri_odpoved(spojeni):
    kus = b"x" * 65536
    try:
        spojeni.sendall(b"HTTP/1.0 200 OK\r\n\r\n")
        for _ in range(16384):  # 1 GiB at the most
            spojeni.sendall(kus)
    except OSError:
        pass


PORUCHY_SPOJENI = {"nic": bez_odpovedi, "reset_v_pulce": reset_v_pulce, "obri": obri_odpoved}


def rc4(klic, data):
    s = list(range(256))
    j = 0
    for i in range(256):
        j = (j + s[i] + klic[i % len(klic)]) % 256
        s[i], s[j] = s[j], s[i]
    i = j = 0
    vystup = bytearray()
    for b in data:
        i = (i + 1) % 256
        j = (j + s[i]) % 256
        s[i], s[j] = s[j], s[i]
        vystup.append(b ^ s[(s[i] + s[j]) % 256])
    return bytes(vystup)


def rozsifruj(klic, text_base64):
    """Base64 (blanks and line breaks ignored), then RC4, then Windows-1250."""
    cisty = re.sub(rb"\s+", b"", text_base64)
    return rc4(klic, base64.b64decode(cisty, validate=True)).decode(KODOVANI)


class ChybaPozadavku(Exception):
    pass


def soubor_formulare(hlavicky, telo):
    """The file part named "soubor" of a multipart/form-data body: (file name, content)."""
    typ = hlavicky.get("content-type", "")
    m = re.match(r"multipart/form-data;\s*boundary=(\S+)$", typ)
    if not m:
        raise ChybaPozadavku("chybí multipart/form-data")
    oddelovac = b"--" + m.group(1).encode("ascii")
    casti = telo.split(oddelovac)
    if len(casti) < 3 or not casti[-1].startswith(b"--"):
        raise ChybaPozadavku("neúplný formulář")
    for cast in casti[1:-1]:
        hlava, _, obsah = cast.partition(b"\r\n\r\n")
        m = re.search(rb'Content-Disposition: form-data; name="soubor"; filename="([^"]*)"', hlava)
        if m:
            if obsah.endswith(b"\r\n"):
                obsah = obsah[:-2]
            return m.group(1).decode(KODOVANI), obsah
    raise ChybaPozadavku("chybí soubor")


def over_objednavku(text, id_zakaznika):
    """Checks the blocks of H;, A; and T; lines, each block ended by an empty line."""
    if not text.endswith("\r\n\r\n"):
        raise ChybaPozadavku("objednávka nekončí prázdným řádkem")
    bloky = text[:-4].split("\r\n\r\n")
    for blok in bloky:
        radky = blok.split("\r\n")
        hlavicka = radky[0].split(";")
        if len(hlavicka) != 9 or hlavicka[0] != "H" or hlavicka[1] != id_zakaznika:
            raise ChybaPozadavku("chybná hlavička: " + radky[0])
        for radek in radky[1:]:
            if not re.fullmatch(r"(A;[^;]*;\d+;|T;.*;)", radek):
                raise ChybaPozadavku("chybný řádek: " + radek)
    return len(bloky)


def prikaz_nabidek(text):
    """BEGIN; KEY=value; ... END; -> {KEY: value}. The key ends at the first "="."""
    radky = text.split("\r\n")
    if radky[0] != "BEGIN;" or "END;" not in radky:
        raise ChybaPozadavku("příkaz bez BEGIN; a END;")
    polozky = {}
    for radek in radky[1:radky.index("END;")]:
        klic, rovnitko, hodnota = radek.partition("=")
        if not rovnitko or not hodnota.endswith(";"):
            raise ChybaPozadavku("chybný řádek příkazu: " + radek)
        polozky[klic] = hodnota[:-1]
    if "CMD" not in polozky:
        raise ChybaPozadavku("příkaz bez CMD")
    return polozky


# Offer commands by name: each takes the server and the command's fields and returns the reply
# body. Further commands are added here.
PRIKAZY_NABIDEK = {}


def prikaz(jmeno):
    def zapis(funkce):
        PRIKAZY_NABIDEK[jmeno] = funkce
        return funkce
    return zapis


SLOUPCE_NABIDEK = ("ID", "ExtID", "IDOZ", "JmenoOZ", "EmailOZ", "TelefonOZ", "Datum", "Stav", "NazevAkce",
                   "MistoStavby", "Ulice", "UliceCP", "RealizacniFirma", "KontaktniOsoba", "Telefon", "Mail",
                   "Obchodnik", "ObchodnikMesto", "DruhStavby", "CenaBezDPH", "ProjektovaSleva",
                   "CenaPoSleveBezDPH", "CenaPoSleveSDPH", "Poznamka", "Sorvenika")
NEPLATNE_PRIHLASENI = "Neplatné číslo obchodního zástupce nebo heslo."


def nacti_tabulku(cesta):
    """The "|"-separated lines of a UTF-8 file, blank lines and "#" comments skipped."""
    with open(cesta, encoding="utf-8") as f:
        return [r.rstrip("\r\n").split("|") for r in f if r.strip() and not r.startswith("#")]


def soubor_z_prikazu(polozky):
    """The records of a carried file (DATA): a list of {column: value}, by its header line."""
    text = base64.b64decode(polozky.get("DATA", ""), validate=True).decode(KODOVANI)
    radky = text.split("\r\n")[:-1]  # what follows the last CR LF is no record
    if not radky:
        return []
    hlavicka = radky[0].split("|")
    return [dict(zip(hlavicka, r.split("|"))) for r in radky[1:] if r]


def prihlaseny(server, polozky):
    """The representative whose number and password the command carries, or None."""
    try:
        heslo = base64.b64decode(polozky.get("PWD", ""), validate=True).decode(KODOVANI)
        zastupce = server.zastupci.get(int(polozky.get("IDOZ", "")))
    except ValueError:
        return None
    return zastupce if zastupce and zastupce["heslo"] == heslo else None


def s_prihlasenim(funkce):
    def obal(server, polozky):
        zastupce = prihlaseny(server, polozky)
        return funkce(server, polozky, zastupce) if zastupce else NEPLATNE_PRIHLASENI
    return obal


@prikaz("test")
@s_prihlasenim
def prikaz_test(server, polozky, zastupce):
    return "OK\r\nPřihlášení obchodního zástupce %s je v pořádku." % zastupce["cislo"]


@prikaz("insert")
@s_prihlasenim
def prikaz_insert(server, polozky, zastupce):
    with server.zamek:
        for zaznam in soubor_z_prikazu(polozky):
            oz = server.zastupci.get(int(zaznam.get("IDOZ", "0") or 0), zastupce)
            zaznam.update(IDOZ=str(oz["cislo"]), JmenoOZ=oz["jmeno"], EmailOZ=oz["email"], TelefonOZ=oz["telefon"])
            stara = next((n for n in server.sklad["nabidky"]
                          if (n["IDOZ"], n["ExtID"]) == (zaznam["IDOZ"], zaznam.get("ExtID"))), None)
            if stara is None:
                zaznam["ID"] = str(server.sklad["dalsi_id"])
                server.sklad["dalsi_id"] += 1
                server.sklad["nabidky"].append(zaznam)
            else:
                zaznam["ID"] = stara["ID"]
                stara.update(zaznam)
        server.uloz_sklad()
    return "OK"


@prikaz("update_status")
@s_prihlasenim
def prikaz_update_status(server, polozky, zastupce):
    with server.zamek:
        for stav in soubor_z_prikazu(polozky):
            for n in server.sklad["nabidky"]:
                vlastni = n["IDOZ"] == str(zastupce["cislo"])
                if vlastni and (n["ID"] == stav.get("ID") or (stav.get("ID") == "0" and n["ExtID"] == stav.get("ExtID"))):
                    n["Stav"] = stav.get("Stav", n.get("Stav", "0"))
        server.uloz_sklad()
    return "OK"


@prikaz("export_bids")
@s_prihlasenim
def prikaz_export_bids(server, polozky, zastupce):
    with server.zamek:
        radky = ["|".join(n.get(s, "") for s in SLOUPCE_NABIDEK) for n in server.sklad["nabidky"]]
    return "OK\r\n" + "|".join(SLOUPCE_NABIDEK) + "\r\n" + "".join(r + "\r\n" for r in radky)


@prikaz("export_obchodnici")
@s_prihlasenim
def prikaz_export_obchodnici(server, polozky, zastupce):
    return "OK\r\nID|Obchodnik\r\n" + "".join("|".join(o) + "\r\n" for o in server.obchodnici)


@prikaz("get_list_oz")
def prikaz_get_list_oz(server, polozky):
    return "OK\r\n" + "".join("%(cislo)d|%(jmeno)s|%(email)s|%(telefon)s\r\n" % z for z in server.zastupci.values())


def zapis_soukrome(cesta, data):
    """What the server keeps holds passwords and deciphered orders: readable by its user only."""
    fd = os.open(cesta, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o600)
    with os.fdopen(fd, "wb") as f:
        os.fchmod(f.fileno(), 0o600)  # a file left from before keeps its mode otherwise
        f.write(data)


class Server(socketserver.ThreadingTCPServer):
    daemon_threads = True
    allow_reuse_address = True

    def __init__(self, port, slozka, porucha, cislo, prikazy=(), odpoved=None, zpozdeni=0,
                 zastupci=None, obchodnici=None):
        super().__init__(("127.0.0.1", port), Obsluha)
        self.slozka = slozka
        self.porucha = porucha
        self.prikazy = set(prikazy)
        self.odpoved_nabidek = odpoved
        self.zpozdeni = zpozdeni / 1000.0
        tady = os.path.dirname(os.path.abspath(__file__))
        self.zastupci = {int(r[0]): dict(cislo=int(r[0]), jmeno=r[1], email=r[2], telefon=r[3], heslo=r[4])
                         for r in nacti_tabulku(zastupci or os.path.join(tady, "zastupci.txt"))}
        self.obchodnici = nacti_tabulku(obchodnici or os.path.join(tady, "obchodnici.txt"))
        self.zamek = threading.Lock()
        self.pocty = {}
        for podslozka in ("prijato", "objednavky", "prikazy", "www", "nabidky"):
            os.makedirs(os.path.join(slozka, podslozka), exist_ok=True)
        ulozene = [int(j[:-4]) for j in os.listdir(os.path.join(slozka, "objednavky"))
                   if j.endswith(".txt") and j[:-4].isdigit()]
        self.dalsi_cislo = max([cislo] + [n + 1 for n in ulozene])
        self.cesta_skladu = os.path.join(slozka, "nabidky", "sklad.json")
        self.sklad = {"dalsi_id": 1, "nabidky": []}
        if os.path.exists(self.cesta_skladu):
            with open(self.cesta_skladu, encoding="utf-8") as f:
                self.sklad = json.load(f)

    def uloz_sklad(self):
        docasny = self.cesta_skladu + ".tmp"
        zapis_soukrome(docasny, json.dumps(self.sklad, ensure_ascii=False, indent=1).encode("utf-8"))
        os.replace(docasny, self.cesta_skladu)

    def uloz(self, podslozka, jmeno, data):
        zapis_soukrome(os.path.join(self.slozka, podslozka, jmeno), data)

    def poradove_cislo(self, podslozka):
        with self.zamek:
            self.pocty[podslozka] = self.pocty.get(podslozka, 0) + 1
            return self.pocty[podslozka]

    def cislo_objednavky(self):
        with self.zamek:
            cislo = self.dalsi_cislo
            self.dalsi_cislo += 1
            return cislo


class Obsluha(socketserver.BaseRequestHandler):
    def handle(self):
        pozadavek = self.precti_pozadavek()
        if pozadavek is None:
            return
        radek, hlavicky, telo, syrovy = pozadavek
        server = self.server
        server.uloz("prijato", "%04d.http" % server.poradove_cislo("prijato"), syrovy)
        self.cilem = self.je_cilem(radek, hlavicky, telo)
        self.porucha = server.porucha if self.cilem else None
        if self.cilem and server.zpozdeni:
            time.sleep(server.zpozdeni)
        if self.porucha == "ticho":
            self.pockej_na_zavreni()
            return
        if self.porucha == "reset":
            resetuj(self.request)
            return
        if self.porucha in PORUCHY_SPOJENI:
            PORUCHY_SPOJENI[self.porucha](self.request)
            return
        if self.porucha == "smeti":
            self.request.sendall(b"\x00\xffsmeti bez hlavicek\x1b[0m")
            return
        try:
            kod, text = self.odpoved(radek, hlavicky, telo)
        except (ChybaPozadavku, ValueError) as e:
            kod, text = 400, "Chybný požadavek: %s" % e
        odpoved = ("HTTP/1.0 %d %s\r\nContent-Type: text/plain; charset=windows-1250\r\n"
                   "Content-Length: %d\r\nConnection: close\r\n\r\n"
                   % (kod, "OK" if kod == 200 else "Chyba", len(text.encode(KODOVANI)))).encode("ascii")
        odpoved += text.encode(KODOVANI)
        if self.porucha == "pulka":
            self.request.sendall(odpoved[: len(odpoved) // 2])
        elif self.porucha == "po_bajtu":
            for i in range(len(odpoved)):
                self.request.sendall(odpoved[i:i + 1])
                time.sleep(0.002)
        else:
            self.request.sendall(odpoved)

    def je_cilem(self, radek, hlavicky, telo):
        """Whether the fault, the canned reply and the wait of this run apply to the request."""
        if not self.server.prikazy:
            return True
        if not re.fullmatch(r"POST (?:http://[^/]*)?/software/eobj/nabidky\.php HTTP/1\.[01]", radek):
            return False
        try:
            _, obsah = soubor_formulare(hlavicky, telo)
            return prikaz_nabidek(rozsifruj(KLIC_NABIDEK, obsah))["CMD"] in self.server.prikazy
        except (ChybaPozadavku, ValueError):
            return False

    def precti_pozadavek(self):
        data = b""
        while b"\r\n\r\n" not in data:
            kus = self.request.recv(65536)
            if not kus:
                return None
            data += kus
        hlava, _, telo = data.partition(b"\r\n\r\n")
        radky = hlava.decode(KODOVANI).split("\r\n")
        hlavicky = {}
        for r in radky[1:]:
            jmeno, _, hodnota = r.partition(":")
            hlavicky[jmeno.strip().lower()] = hodnota.strip()
        delka = int(hlavicky.get("content-length", "0") or 0)
        while len(telo) < delka:
            kus = self.request.recv(65536)
            if not kus:
                break
            telo += kus
        return radky[0], hlavicky, telo, data[: len(hlava) + 4] + telo

    def pockej_na_zavreni(self):
        while self.request.recv(65536):
            pass

    def odpoved(self, radek, hlavicky, telo):
        """(HTTP status, body text) of one request."""
        m = re.fullmatch(r"(GET|POST) (?:http://[^/]*)?(/\S*) HTTP/1\.[01]", radek)
        if not m:
            raise ChybaPozadavku("řádek požadavku: " + radek)
        metoda, cesta = m.groups()
        porucha = self.porucha
        if metoda == "GET" and cesta == "/software/eobj/objednat.php?cmd=test":
            if porucha == "chyba":
                return 500, "Chyba serveru: služba objednávek není dostupná."
            return 200, "Spojení se serverem objednávek je v pořádku."
        if metoda == "POST" and cesta == "/software/eobj/objednat.php":
            return self.objednavka(hlavicky, telo)
        if metoda == "POST" and cesta == "/software/eobj/nabidky.php":
            return self.nabidky(hlavicky, telo)
        if metoda == "GET":
            return self.soubor(cesta)
        raise ChybaPozadavku("neznámá adresa " + cesta)

    def objednavka(self, hlavicky, telo):
        cookie = dict(c.strip().partition("=")[::2] for c in hlavicky.get("cookie", "").split(";") if c.strip())
        for klic in ("id", "mail", "zavod"):
            if klic not in cookie:
                raise ChybaPozadavku("cookie bez " + klic)
        jmeno, obsah = soubor_formulare(hlavicky, telo)
        if jmeno != cookie["id"] + ".csv":
            raise ChybaPozadavku("soubor se jmenuje " + jmeno)
        text = rozsifruj(KLIC_OBJEDNAVEK, obsah)
        bloku = over_objednavku(text, cookie["id"])
        if self.porucha == "chyba":
            return 400, "400 Neznámý zákazník"
        cislo = self.server.cislo_objednavky()
        self.server.uloz("objednavky", "%d.txt" % cislo, text.encode(KODOVANI))
        if self.porucha == "bez_cisla":
            return 200, "200 Objednávka přijata."
        return 200, "200 Objednávka přijata pod číslem [%d] (podobjednávek: %d, závod %s)." % (
            cislo, bloku, cookie["zavod"])

    def nabidky(self, hlavicky, telo):
        jmeno, obsah = soubor_formulare(hlavicky, telo)
        if jmeno != "cmd.txt":
            raise ChybaPozadavku("soubor se jmenuje " + jmeno)
        text = rozsifruj(KLIC_NABIDEK, obsah)
        self.server.uloz("prikazy", "%04d.txt" % self.server.poradove_cislo("prikazy"), text.encode(KODOVANI))
        polozky = prikaz_nabidek(text)
        if self.porucha == "chyba":
            return 200, "Chyba serveru: databáze nabídek není dostupná."
        if self.cilem and self.server.odpoved_nabidek is not None:
            return 200, self.server.odpoved_nabidek
        obsluha = PRIKAZY_NABIDEK.get(polozky["CMD"])
        if obsluha is None:
            return 200, "Neznámý příkaz: " + polozky["CMD"]
        return 200, obsluha(self.server, polozky)

    def soubor(self, cesta):
        koren = os.path.realpath(os.path.join(self.server.slozka, "www"))
        cil = os.path.realpath(os.path.join(koren, cesta.split("?")[0].lstrip("/")))
        if not cil.startswith(koren + os.sep) or not os.path.isfile(cil):
            return 404, "Soubor nenalezen."
        with open(cil, "rb") as f:
            return 200, f.read().decode(KODOVANI)


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--slozka", required=True, help="folder for what it receives and for www/")
    p.add_argument("--port", type=int, default=0, help="port on 127.0.0.1 (0: a free one)")
    p.add_argument("--porucha", choices=PORUCHY + tuple(PORUCHY_SPOJENI), help="answer every request with this fault")
    p.add_argument("--cislo", type=int, default=457, help="number of the first order")
    p.add_argument("--prikaz", action="append", default=[], help="narrow the fault, reply and wait to this offer command")
    p.add_argument("--odpoved", help="canned body of the offer commands (\\r and \\n as escapes)")
    p.add_argument("--zpozdeni", type=int, default=0, help="milliseconds to wait before answering")
    p.add_argument("--zastupci", help="representatives: number|name|e-mail|phone|password, UTF-8")
    p.add_argument("--obchodnici", help="dealers: number|entry, UTF-8")
    a = p.parse_args()
    odpoved = a.odpoved.replace("\\r", "\r").replace("\\n", "\n") if a.odpoved is not None else None
    server = Server(a.port, a.slozka, a.porucha, a.cislo, a.prikaz, odpoved, a.zpozdeni, a.zastupci, a.obchodnici)
    signal.signal(signal.SIGTERM, lambda *_: threading.Thread(target=server.shutdown).start())
    print("PORT %d" % server.server_address[1], flush=True)
    try:
        server.serve_forever(poll_interval=0.1)
    except KeyboardInterrupt:
        pass
    server.server_close()


if __name__ == "__main__":
    main()

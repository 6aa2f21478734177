#!/usr/bin/env python3
"""The include rules of src/: layers without circles, a core free of windows, and a core that
answers with results instead of asking the user. Prints every breach and exits 1 when there is one."""
import os
import re
import sys

# A folder includes only folders of a lower rank.
RANK = {'platform': 0, 'util': 1, 'pricelist': 1, 'net': 1, 'engine': 2,
        'costing': 3, 'systems': 3, 'offers': 3, 'orders': 3, 'parameters': 4, 'app': 5}
WINDOW = re.compile(r'#include *<(Qt(Gui|Widgets|PrintSupport)/|Q(Widget|Dialog|MessageBox|Application|Painter|'
                    r'Printer|Pixmap|Image|Font|Color|Screen|Label|PushButton|LineEdit|FileDialog|MainWindow|'
                    r'Menu|Icon|TableView|GuiApplication|DesktopServices)\b)')
# The core answers with results; asking the user is the windows' business. The files below ask by
# design, each for its reason; one that no longer asks must leave the list.
ASKS_BY_DESIGN = {
    'platform/UserDialogs.h': 'the dialog interface that the windows and the fake answer',
    'platform/Services.cpp': 'the dialog interface that the windows and the fake answer',
    'platform/Guard.h': 'the windows show what a request has to tell through one helper',
    'platform/Guard.cpp': 'the event boundary shows what a handler failed with',
    'platform/XdgDesktop.cpp': 'opening a file or link is fire-and-forget; its late failure has no caller',
    'util/VolbaSouboru.h': 'the file dialogs under the names the program uses',
    'util/VolbaSouboru.cpp': 'the file dialogs under the names the program uses',
    'costing/PrikazyListu.h': "the costing sheet's menu commands, run by its window",
    'costing/PrikazyListu.cpp': "the costing sheet's menu commands, run by its window",
    'costing/ModelTisku.cpp': 'the print window\'s model: the PDF file choice and the copies box',
    'costing/UpravyListu.cpp': "the sheet's cell edits, answered as the user types",
    'parameters/ModelParametru.cpp': "the wizard's model: warnings as the user ticks",
    'parameters/PotvrzeniParametru.cpp': "the wizard's OK: the sales warning",
    'app/Start.h': 'the start-up: warnings and the first-run questions',
    'app/Start.cpp': 'the start-up: warnings and the first-run questions',
    'app/Navaznosti.h': 'the wiring of the windows\' services',
    'app/KontrolaAktualizace.cpp': 'the update check reports what the server says',
    'app/HlavniNabidka.cpp': "the main menu's model: system warnings and the VAT box",
}
DIALOG = re.compile(r'#include *"(platform/(UserDialogs|Guard)|util/VolbaSouboru)\.h"|\bMsgBox\(|'
                    r'platform::dialogs\(\)')
INCLUDE = re.compile(r'#include *"([a-z]+)/[^"]+"')

src = sys.argv[1]
breaches = []
for folder in sorted(os.listdir(src)):
    path = os.path.join(src, folder)
    if not os.path.isdir(path):
        continue
    if folder not in RANK:
        breaches.append(f'{folder}/: a folder without a layer')
        continue
    for name in sorted(os.listdir(path)):
        if not name.endswith(('.cpp', '.h')):
            continue
        text = open(os.path.join(path, name), encoding='utf-8').read()
        gui = name.startswith(('frm', 'Qt'))
        for m in INCLUDE.finditer(text):
            other = m.group(1)
            if other != folder and RANK.get(other, 99) >= RANK[folder]:
                breaches.append(f'{folder}/{name}: includes {other}/ (layer {RANK.get(other)} from {RANK[folder]})')
        if not gui and WINDOW.search(text):
            breaches.append(f'{folder}/{name}: a window header in the core')
        if not gui:
            asks = bool(DIALOG.search(text))
            if asks and f'{folder}/{name}' not in ASKS_BY_DESIGN:
                breaches.append(f'{folder}/{name}: asks the user directly')
            elif not asks and f'{folder}/{name}' in ASKS_BY_DESIGN:
                breaches.append(f'{folder}/{name}: asks no one; take it off the list of those that ask')
print('\n'.join(breaches) if breaches else 'includes keep their layers')
sys.exit(1 if breaches else 0)

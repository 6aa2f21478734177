#!/usr/bin/env python3
"""The include rules of src/: layers without circles, a core free of windows, and the lower
folders free of message boxes. Prints every breach and exits 1 when there is one."""
import os
import re
import sys

# A folder includes only folders of a lower rank.
RANK = {'platform': 0, 'util': 1, 'pricelist': 1, 'net': 1, 'engine': 2,
        'costing': 3, 'systems': 3, 'offers': 3, 'orders': 3, 'parameters': 4, 'app': 5}
WINDOW = re.compile(r'#include *<(Qt(Gui|Widgets|PrintSupport)/|Q(Widget|Dialog|MessageBox|Application|Painter|'
                    r'Printer|Pixmap|Image|Font|Color|Screen|Label|PushButton|LineEdit|FileDialog|MainWindow|'
                    r'Menu|Icon|TableView|GuiApplication|DesktopServices)\b)')
# These answer with results; asking the user is the windows' business.
NO_DIALOGS = {'pricelist', 'net', 'engine', 'systems', 'offers', 'orders'}
DIALOG = re.compile(r'#include *"platform/UserDialogs\.h"|\bMsgBox\(|platform::dialogs\(\)')
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
        if not gui and folder in NO_DIALOGS and DIALOG.search(text):
            breaches.append(f'{folder}/{name}: asks the user directly')
print('\n'.join(breaches) if breaches else 'includes keep their layers')
sys.exit(1 if breaches else 0)

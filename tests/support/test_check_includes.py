#!/usr/bin/env python3
"""The include check run on copies of src/ with one fault seeded each: every seed must fail it,
the copy as it is and the windows' own dialogs must pass."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

CHECK = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'check_includes.py')
SRC = sys.argv.pop(1)


def run_check(tree):
    r = subprocess.run([sys.executable, CHECK, tree], capture_output=True, text=True)
    return r.returncode, r.stdout


class SeededCheck(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.tree = os.path.join(self.dir.name, 'src')
        shutil.copytree(SRC, self.tree)

    def tearDown(self):
        self.dir.cleanup()

    def seed(self, path, text, mode='w'):
        with open(os.path.join(self.tree, path), mode, encoding='utf-8') as f:
            f.write(text)

    def test_real_tree_passes(self):
        self.assertEqual(run_check(self.tree), (0, 'includes keep their layers\n'))

    def test_every_core_folder_fails_on_a_dialog(self):
        seeds = [
            ('util/Novy.cpp', '#include "platform/UserDialogs.h"\n'),
            ('platform/Novy.h', '#include <QMessageBox>\n'),
            ('pricelist/Novy.cpp', 'void f() { MsgBox(QStringLiteral("x")); }\n'),
            ('engine/Novy.cpp', 'QString f() { return platform::dialogs().slozka({}); }\n'),
            ('costing/Novy.cpp', '#include "util/VolbaSouboru.h"\n'),
            ('orders/Novy.h', '#include <QFileDialog>\n'),
            ('app/Novy.cpp', '#include "platform/Guard.h"\n'),
            ('util/Soubory.cpp', '\nvoid f() { MsgBox(QString()); }\n'),  # a clean file turned
        ]
        for path, text in seeds:
            with self.subTest(path=path):
                self.seed(path, text, 'a' if os.path.exists(os.path.join(self.tree, path)) else 'w')
                code, out = run_check(self.tree)
                self.assertEqual(code, 1)
                self.assertRegex(out, '^' + path.replace('.', r'\.') + ': (asks the user|a window header)')
                os.remove(os.path.join(self.tree, path))
                if os.path.exists(os.path.join(SRC, path)):
                    shutil.copy(os.path.join(SRC, path), os.path.join(self.tree, path))

    def test_windows_may_ask(self):
        self.seed('orders/frmNovy.cpp', '#include "platform/UserDialogs.h"\n#include <QMessageBox>\n')
        self.seed('util/QtNovy.cpp', 'void f() { MsgBox(QString()); }\n')
        self.assertEqual(run_check(self.tree)[0], 0)

    def test_a_file_that_stopped_asking_leaves_the_list(self):
        self.seed('platform/XdgDesktop.cpp', '// nothing\n')
        code, out = run_check(self.tree)
        self.assertEqual(code, 1)
        self.assertIn('platform/XdgDesktop.cpp: asks no one', out)


if __name__ == '__main__':
    unittest.main()

#!/bin/sh
# The core library must stay free of windows: no Gui, Widgets or PrintSupport header in it.
src=${1:?source folder}
bad=$(find "$src" \( -name '*.cpp' -o -name '*.h' \) ! -name 'frm*' ! -name 'Qt*' ! -name 'main.cpp' \
      -exec grep -l -E '#include *<(Qt(Gui|Widgets|PrintSupport)/|Q(Widget|Dialog|MessageBox|Application|Painter|Printer|Pixmap|Image|Font|Color|Screen|Label|PushButton|LineEdit|FileDialog|MainWindow|Menu|Icon|TableView|GuiApplication|DesktopServices)\b)' {} +)
if [ -n "$bad" ]; then
  echo "core files with window headers:"; echo "$bad"; exit 1
fi
echo "core is free of window headers"

#!/usr/bin/env bash
# Builds the skin editor's picture program and takes a picture of each of its seven steps on
# a private display, screenshots/skin-editor-step<k>.png, of step 3's picture dialog with its
# preview, screenshots/skin-editor-picture.png, and of the tray strip it built,
# screenshots/skin-editor-icons.png (cells 0 to 19 and 100, three times enlarged). Then the
# steps in German and in Russian, into screenshots/de/ and screenshots/ru/.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/xsession.sh
cmake --build build --target skin_editor_shots release_translations >/dev/null
mkdir -p screenshots
start_private_display
trap stop_private_display EXIT
LANG=C LC_ALL=C LANGUAGE="" QT_QPA_PLATFORM=xcb build/bin/skin_editor_shots screenshots
for language in de ru; do
  mkdir -p "screenshots/$language"
  LANG=${language}_${language^^}.UTF-8 LC_ALL=${language}_${language^^}.UTF-8 LANGUAGE="" \
    QT_QPA_PLATFORM=xcb build/bin/skin_editor_shots "screenshots/$language"
done

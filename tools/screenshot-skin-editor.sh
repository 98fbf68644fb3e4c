#!/usr/bin/env bash
# Builds the skin editor's picture program and takes a picture of each of its seven steps on
# a private display, screenshots/skin-editor-step<k>.png, of step 3's picture dialog with its
# preview, screenshots/skin-editor-picture.png, and of the tray strip it built,
# screenshots/skin-editor-icons.png (cells 0 to 19 and 100, three times enlarged).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/xsession.sh
cmake --build build --target skin_editor_shots >/dev/null
mkdir -p screenshots
start_private_display
trap stop_private_display EXIT
QT_QPA_PLATFORM=xcb build/bin/skin_editor_shots screenshots

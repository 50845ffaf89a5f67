#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
# LibreOffice is optional for the program, but one test has it recompute a
# saved workbook and read a saved document.
bash scripts/install-deps.sh libreoffice-calc-nogui libreoffice-writer-nogui
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --timeout 300 -j"$(nproc)"

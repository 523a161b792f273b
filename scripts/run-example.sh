#!/usr/bin/env bash
# Builds the installer and starts it in the example release folder: a real window where there is
# a display, otherwise a headless walkthrough that saves screenshots to the folder it names.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j2 --target plovrin-installer plovrin-walkthrough unrar

cd examples/release
if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
    exec ../../build/bin/plovrin-installer
fi
exec env QT_QPA_PLATFORM=offscreen ../../build/bin/plovrin-walkthrough

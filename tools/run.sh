#!/usr/bin/env bash
# The main job: the Windows programmer under Wine, with the simulated chip libraries
# beside it and a simulated handset attached (tools/run-windows.sh). Without a display it
# runs the demonstration script on the headless programmer instead.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -n "${DISPLAY:-}" ]; then
  exec bash tools/run-windows.sh
fi
echo "run: no display (DISPLAY is not set): running the headless demonstration instead." >&2
echo "run: for the window, run this on a desktop, or under xvfb-run with a VNC viewer." >&2
bash tools/install-packages.sh cmake make g++ libgtest-dev libgmock-dev libcli11-dev nlohmann-json3-dev
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target zenta
build/bin/zenta script -v examples/demo.zs

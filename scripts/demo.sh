#!/usr/bin/env bash
# Builds and opens the tool. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-demo -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAGORIX_TESTS=OFF -DTAGORIX_BENCH=OFF > /dev/null
ninja -C build-demo -j2 tagorix-tool
if [ -n "${DISPLAY:-}" ]; then
  exec build-demo/src/tagorix-tool
fi
shot="$PWD/tagorix-tool-screenshot.png"
xvfb-run -a -s "-screen 0 800x600x24" bash -c "
  build-demo/src/tagorix-tool & tool=\$!
  sleep 3
  xwd -root -silent > '$shot.xwd'
  kill \$tool"
echo "No display here: a screenshot of the window is in $shot.xwd"

#!/usr/bin/env bash
# Installs what is missing, builds incrementally and starts the studio with the sample project.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYOREL_BUILD_TESTS=OFF

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: the studio needs a desktop session (DISPLAY or WAYLAND_DISPLAY is unset)."
  echo "To run it without one, install xvfb and start it under a virtual display:"
  echo "  apt-get install -y xvfb xauth && xvfb-run -a bash scripts/run.sh"
  exit 1
fi

SAMPLE="$ROOT/build/src/studio/projects/Sample/Sample.ypr"
if [ -f "$SAMPLE" ]; then
  exec "$ROOT/build/src/studio/yorel-studio" "$SAMPLE" "$@"
fi
exec "$ROOT/build/src/studio/yorel-studio" "$@"

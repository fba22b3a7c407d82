#!/usr/bin/env bash
# Runs a test program of the web preset in headless Chromium: ctest's emulator for its test
# programs, which emscripten builds as PROGRAM.js and PROGRAM.wasm beside PROGRAM.html.
#   cmake/browser-run.sh PROGRAM.js
# Prints what the program prints and ends with 0 when its totals show no failure. Arguments to
# the program are not passed on: a page has no command line. playwright-core is the one that
# scripts/web.sh installs into its cache folder, unless NODE_PATH finds another.
set -euo pipefail

cache=${ZEL_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zel-web}
export NODE_PATH=$cache/node/node_modules${NODE_PATH:+:$NODE_PATH}
exec node "$(dirname "$0")/../scripts/web-browser.js" test "$1"

#!/usr/bin/env bash
# Builds the program as a web page with Debian's emscripten, runs its tests in headless Chromium,
# walks the page as a person would and measures how large it is and how fast it paints.
#   scripts/web.sh [STEP...]     steps: packages qt build test walk measure (default: all, in order)
# Qt for WebAssembly is built once from Debian's own Qt source, into a folder outside the
# repository, and reused: ZEL_WEB_CACHE (default ${XDG_CACHE_HOME:-$HOME/.cache}/zel-web).
# The page ends up in build-web/site: any web server serves it, for instance
#   python3 -m http.server -d build-web/site 8000
# and a browser opens http://localhost:8000/.
# shellcheck disable=SC2154,SC2317 # the zel_* facts come through eval; run_steps calls the steps
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
eval "$(cmake -P "$repo/cmake/ProgramFacts.cmake" 2>&1)"
export ZEL_DISPLAY_NAME=$zel_DISPLAY_NAME ZEL_EXECUTABLE_NAME=$zel_EXECUTABLE_NAME
qt_version=$zel_QT_VERSION
qt_source_package=qt6-base
cache=${ZEL_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zel-web}
qt_prefix=$cache/qt-$qt_version-wasm
qt_stamp=$qt_prefix/zel-qt-configuration
build_dir=$repo/build-web
jobs=${ZEL_WEB_JOBS:-$(nproc)}
toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
# shellcheck source=scripts/cross-build.sh
source "$repo/scripts/cross-build.sh"

step_packages() {
    step "Debian packages"
    # emscripten (with Debian's clang, lld and binaryen) compiles; Qt's host tools (moc, uic, rcc,
    # lrelease) run on this machine; Chromium runs the tests and the page; hb-subset cuts the
    # fonts the page carries down to the characters it shows.
    "$repo/scripts/install-packages.sh" emscripten binaryen cmake ninja-build perl python3 \
        dpkg-dev qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
        fonts-dejavu-core libharfbuzz-bin chromium
}

# Qt's CMake finds emscripten through an emsdk folder, which Debian's emscripten does not have.
prepare_emsdk() {
    export EMSDK=$cache/emsdk
    cmake -DEMSDK="$EMSDK" -P "$repo/cmake/emsdk.cmake"
    # emcc's JavaScript optimizer needs Debian's acorn, which only Debian's node finds by itself.
    export NODE_PATH=/usr/share/nodejs
}

# What the program never uses is left out of Qt: each feature here costs download size in every
# page. Threads, SQL, network, D-Bus and XML first; then the widgets, dialogs and formats that
# appear nowhere in the program or its tests.
qt_features_off=(thread sql network dbus xml
    mimetype sharedmemory systemsemaphore hijricalendar jalalicalendar islamiccivilcalendar
    textodfwriter textmarkdownreader textmarkdownwriter
    gif ico imageformat_ppm imageformat_xbm movie tabletevent sessionmanager systemtrayicon
    undocommand undostack undogroup undoview
    style-windows style-stylesheet
    calendarwidget datetimeedit dial lcdnumber mdiarea dockwidget toolbox columnview wizard
    fontdialog colordialog errormessage inputdialog progressdialog keysequenceedit fontcombobox
    syntaxhighlighter splashscreen commandlinkbutton graphicsview graphicseffect
    datawidgetmapper tablewidget
    printdialog printpreviewwidget printpreviewdialog)

# The fonts the page carries: DejaVu Sans and DejaVu Sans Bold, the program's stand-ins for
# Verdana and MS Sans Serif as on the desktop, cut to the alphabets a name is likely to be typed
# in (Latin, Greek, Cyrillic) and the punctuation and signs the texts use, without the hinting
# instructions, which Qt's FreeType engine leaves unused outside Windows. They replace Qt's own
# three (Bitstream Vera Sans, DejaVu Sans and DejaVu Sans Mono, whole); Qt's other changes are
# scripts/web/qt-wasm-*.patch.
web_font_characters=U+0020-007E,U+00A0-024F,U+0259,U+02B0-02FF,U+0300-036F,U+0370-03FF
web_font_characters+=,U+0400-052F,U+1E00-1EFF,U+2000-206F,U+20A0-20CF,U+2100-214F,U+2190-21FF
web_font_characters+=,U+2212,U+2215,U+2219,U+221E,U+2260,U+2264,U+2265,U+25A0-25FF,U+FFFD

# The configuration a built Qt was made with: a change rebuilds it.
qt_configuration() {
    echo "$qt_version -optimize-size ${qt_features_off[*]} fonts $web_font_characters unhinted" \
        "$(cat "$repo"/scripts/web/qt-wasm-*.patch | md5sum | cut -c1-12)"
}

# Debian's source with what this build needs changed in it.
patch_qt_source() {
    local source=$1 patch face
    # Each applied exactly (no fuzz) unless the source has it already, as a resumed build finds it.
    for patch in "$repo"/scripts/web/qt-wasm-*.patch; do
        if patch -p1 --dry-run -f -s -F0 -d "$source" <"$patch" >/dev/null 2>&1; then
            patch -p1 -f -s -F0 -d "$source" <"$patch"
        elif ! patch -p1 -R --dry-run -f -s -F0 -d "$source" <"$patch" >/dev/null 2>&1; then
            echo "$(basename "$patch") fits neither Qt's source nor the source patched" >&2
            exit 1
        fi
    done
    for face in DejaVuSans DejaVuSans-Bold; do
        hb-subset --unicodes="$web_font_characters" --no-hinting \
            --output-file="$source/src/3rdparty/wasm/$face.ttf" \
            "/usr/share/fonts/truetype/dejavu/$face.ttf"
    done
}

step_qt() {
    step "Qt $qt_version for WebAssembly"
    if [ -f "$qt_stamp" ] && [ "$(cat "$qt_stamp")" = "$(qt_configuration)" ]; then
        echo "Reusing $qt_prefix"
        return
    fi
    local qt_started source=$cache/source/$qt_source_package-$qt_version
    qt_started=$(date +%s)
    if [ ! -f "$source/CMakeLists.txt" ]; then
        step "Fetching Debian's $qt_source_package source"
        fetch_debian_source "$cache" "$qt_source_package" "$qt_version"
    fi
    patch_qt_source "$source"
    step "Configuring Qt for WebAssembly"
    # A build folder that an interrupted or failed build left goes on where it stopped, unless it
    # was made from another source or with other features.
    local qt_build=$cache/qt-build
    if ! grep -qs "^CMAKE_HOME_DIRECTORY:INTERNAL=$source\$" "$qt_build/CMakeCache.txt" ||
        [ "$(cat "$qt_build/zel-qt-configuration" 2>/dev/null)" != "$(qt_configuration)" ]; then
        rm -rf "$qt_build"
    fi
    mkdir -p "$qt_build"
    rm -rf "$qt_prefix"
    local features=() feature
    for feature in "${qt_features_off[@]}"; do
        features+=("-no-feature-$feature")
    done
    (cd "$qt_build" && nice -n 19 "$source/configure" -prefix "$qt_prefix" \
        -xplatform wasm-emscripten -qt-host-path /usr -release -static -optimize-size \
        -nomake examples -nomake tests "${features[@]}" -- \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain") >"$cache/qt-configure.log" 2>&1 ||
        { tail -40 "$cache/qt-configure.log"; exit 1; }
    qt_configuration >"$qt_build/zel-qt-configuration"
    grep -E '^ *(Qt (Gui|Widgets|PrintSupport|Testlib)|FreeType|HarfBuzz|JPEG|PNG|Thread|Optimize) ' \
        "$cache/qt-configure.log" | sed 's/^/    /' || true
    step "Building Qt (log: $cache/qt-build.log)"
    nice -n 19 cmake --build "$qt_build" --parallel "$jobs" >"$cache/qt-build.log" 2>&1 ||
        { grep -B2 -A12 -E 'error:|FAILED:' "$cache/qt-build.log" | head -80; exit 1; }
    nice -n 19 cmake --install "$qt_build" >>"$cache/qt-build.log" 2>&1
    qt_configuration >"$qt_stamp"
    report "Qt for WebAssembly built in $(($(date +%s) - qt_started)) s: $(du -sh "$qt_prefix" | cut -f1) in $qt_prefix"
    # The build folder only served to resume a build that stopped (ZEL_WEB_KEEP_QT_BUILD keeps it);
    # the source packages stay, for a rebuild without a download.
    [ -n "${ZEL_WEB_KEEP_QT_BUILD:-}" ] || rm -rf "$qt_build" "$source"
}

step_build() {
    step "Building the program and its tests for the browser (preset web)"
    cd "$repo"
    local begun
    begun=$(date +%s)
    ZEL_WEB_QT_PREFIX=$qt_prefix nice -n 19 cmake --preset web >/dev/null
    nice -n 19 cmake --build --preset web --parallel "$jobs"
    report "Program and test programs built in $(($(date +%s) - begun)) s"
    # The page: what a web server serves, nothing else.
    rm -rf "$build_dir/site"
    mkdir -p "$build_dir/site"
    cp "$build_dir"/{index.html,app.png,"$zel_EXECUTABLE_NAME".js,"$zel_EXECUTABLE_NAME".wasm} \
        "$build_dir/site/"
}

# playwright-core, which drives Chromium: from npm, into the cache folder.
node_driver() {
    export NODE_PATH=$cache/node/node_modules:/usr/share/nodejs
    [ -d "$cache/node/node_modules/playwright-core" ] && return
    mkdir -p "$cache/node"
    echo '{"private": true}' >"$cache/node/package.json"
    npm install --prefix "$cache/node" --no-audit --no-fund --silent playwright-core@1.65.2
}

# The web preset's tests, each in headless Chromium (cmake/browser-run.sh). The totals are ctest's,
# from its JUnit file, which keeps each test's whole output: Qt Test's rows, and why each skipped
# row was skipped.
step_test() {
    step "Unit tests in headless Chromium (ctest --preset web)"
    node_driver
    local junit=$build_dir/browser-tests.xml status=0
    ctest --preset web --output-junit "$junit" --test-output-size-passed 1000000 \
        ${ZEL_WEB_TESTS:+-R "$ZEL_WEB_TESTS"} || status=$?
    report "Unit tests in headless Chromium: $(junit_totals "$junit"); their output: $junit"
    [ "$status" -eq 0 ] || outcome=1
}

# The page as a person uses it: a name, a date, Find, and the jaguar in the result window.
step_walk() {
    step "The page walked in headless Chromium"
    node_driver
    if node "$repo/scripts/web-browser.js" walk "$build_dir/site" "$build_dir/walk"; then
        report "Walk: the result window shows the jaguar for March 7, 1990 (screenshots in $build_dir/walk)"
    else
        report "Walk: FAILED (screenshots in $build_dir/walk)"
        outcome=1
    fi
}

# The bytes a browser fetches, as they are and gzipped (as a web server compresses them), and the
# cold loads from a local server to the painted main window.
step_measure() {
    step "Size and time to the painted main window"
    node_driver
    local file raw=0 gzipped=0 size packed
    for file in "$build_dir"/site/*; do
        size=$(stat -c %s "$file")
        packed=$(gzip -9 -c "$file" | wc -c)
        printf '    %-32s %10d bytes  %10d gzipped\n' "$(basename "$file")" "$size" "$packed"
        raw=$((raw + size)) gzipped=$((gzipped + packed))
    done
    local times
    times=$(node "$repo/scripts/web-browser.js" measure "$build_dir/site" "${ZEL_WEB_RUNS:-5}")
    report "Page: $raw bytes, $gzipped gzipped; painted main window, cold loads from localhost (ms): $times"
}

prepare_emsdk
run_steps "packages qt build test walk measure" "$@"

# shellcheck shell=bash
# Sourced by scripts/windows.sh and scripts/web.sh, the builds for other platforms: their steps'
# headings and summary, ctest's totals, and Debian's source of the Qt they build.

# A step's heading, with the time its predecessor took; report's lines are repeated in the summary.
last=0
step() {
    printf '\n== %s  [+%ds since last step, %ds in all]  %s\n' "$(date +%T)" $((SECONDS - last)) $SECONDS "$*"
    last=$SECONDS
}
summary=()
report() {
    summary+=("$1")
    echo "$1"
}

# Runs the steps named after the list of all steps, or else all of them, in order: step NAME is the
# sourcing script's function step_NAME, which sets outcome=1 when what it checks fails. Ends with
# the summary, and exits with the outcome.
outcome=0
run_steps() {
    local all=$1 name
    shift
    # shellcheck disable=SC2086 # the list of all steps, word by word
    [ $# -gt 0 ] || set -- $all
    for name in "$@"; do
        [[ " $all " == *" $name "* ]] || { echo "Unknown step: $name ($all)" >&2; exit 2; }
        "step_$name"
    done
    step "Done"
    printf '%s\n' "${summary[@]}"
    exit "$outcome"
}

# ctest's totals from its JUnit file, and the sum of the Qt Test "Totals:" lines that it keeps.
junit_totals() {
    python3 - "$1" <<'EOF'
import re, sys, xml.etree.ElementTree as tree
status = [case.get("status") for case in tree.parse(sys.argv[1]).iter("testcase")]
rows = re.findall(r"^Totals: (\d+) passed, (\d+) failed, (\d+) skipped", open(sys.argv[1]).read(), re.M)
passed, failed, skipped = (sum(int(row[i]) for row in rows) for i in range(3))
print(f"{len(status)} ctest tests, {status.count('run')} passed, {len(status) - status.count('run')} did not;"
      f" Qt Test's rows: {passed} passed, {failed} failed, {skipped} skipped")
EOF
}

# Debian's source of a package, fetched with an apt configuration of its own (a deb-src entry for
# each Debian entry of the machine's sources, its own lists and cache, the machine's apt setup left
# as it is) and unpacked:
#   fetch_debian_source CACHE PACKAGE UPSTREAM_VERSION
# leaves the package unpacked in CACHE/source/PACKAGE-UPSTREAM_VERSION; the downloaded source
# packages stay in CACHE/source, for a rebuild without a download.
fetch_debian_source() {
    local cache=$1 package=$2 upstream=$3
    local apt_dir=$cache/apt
    mkdir -p "$apt_dir"/sources.list.d "$apt_dir"/lists/partial "$apt_dir"/cache/archives/partial
    : >"$apt_dir"/sources.list
    local file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] || continue
        # One-line entries: "deb [options] URI suite components", Debian's archive only.
        sed -n -E 's|^[[:space:]]*deb[[:space:]]+(.*(debian\.org\|/debian).*)$|deb-src \1|p' \
            "$file" >>"$apt_dir"/sources.list
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        # deb822 stanzas: those signed with Debian's archive key, as deb-src.
        awk 'function flush() { if (stanza != "" && stanza ~ /debian-archive-keyring/ && stanza ~ /Types:[^\n]*deb/) {
                 sub(/Types:[^\n]*/, "Types: deb-src", stanza); printf "%s\n", stanza }
                 stanza = "" }
             /^[[:space:]]*$/ { flush(); next }
             /^#/ { next }
             { stanza = stanza $0 "\n" }
             END { flush() }' "$file" >"$apt_dir/sources.list.d/$(basename "$file")"
    done
    echo "Source entries:"
    cat "$apt_dir"/sources.list "$apt_dir"/sources.list.d/*.sources 2>/dev/null | sed 's/^/    /'
    local apt_options=(-o Dir::Etc::SourceList="$apt_dir/sources.list"
        -o Dir::Etc::SourceParts="$apt_dir/sources.list.d"
        -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache"
        -o Dir::Cache::pkgcache="" -o Dir::Cache::srcpkgcache=""
        -o APT::Sandbox::User="$(id -un)" -o Debug::NoLocking=true)
    apt-get "${apt_options[@]}" update -qq
    local version
    version=$(apt-cache "${apt_options[@]}" showsrc "$package" |
        sed -n 's/^Version: //p' | grep "^$upstream+" | sort -V | tail -1)
    [ -n "$version" ] || { echo "No $package $upstream source in Debian's archive" >&2; exit 1; }
    echo "Source package: $package $version"
    mkdir -p "$cache/source"
    (cd "$cache/source" &&
        apt-get "${apt_options[@]}" source --download-only "$package=$version" &&
        rm -rf "$package-$upstream" &&
        dpkg-source --no-check -x "${package}_${version#*:}.dsc" "$package-$upstream")
}

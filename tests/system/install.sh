#!/usr/bin/env bash
# Installs a built tree into a scratch prefix and checks what a desktop sees of it: every file in
# its place and nothing else, the launcher, icon, file type and software-centre entry agreeing on
# one name and on the build's site address and version, a saved reading that the desktop opens
# with the program, both freedesktop validators content, the installed program answering
# --version and --help without a display.
#
#   install.sh BUILD_DIR      (the facts in ZEL_* variables, as ctest sets them)
set -euo pipefail

build=$(cd "${1:?usage: install.sh BUILD_DIR}" && pwd)
id=${ZEL_APP_ID:?}
exe=${ZEL_EXECUTABLE_NAME:?}
package=${ZEL_PACKAGE_NAME:?}
name=${ZEL_DISPLAY_NAME:?}
site=${ZEL_SITE_ADDRESS:?}
version=${ZEL_VERSION:?}
reading_type=application/x-zel-mayan-reading

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

work=$(mktemp -d "${TMPDIR:-/tmp}/zel-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
fi

# --- the files, all of them and only them ---
expected=(
    "bin/$exe"
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/mime/packages/$id.xml"
    "share/doc/$package/copyright"
    "share/doc/$package/LICENSE-noto-emoji.txt"
)
for size in 32 48 64 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f -printf '%P\n' | sort) \
    >"$work/files.diff" || { cat "$work/files.diff" >&2; fail "installed files differ from the expected list (< missing, > unexpected)"; }

program=$prefix/bin/$exe
[[ -f $program && -x $program ]] || fail "$program is not an executable file"
kind=$(file -b "$program")
[[ $kind == ELF*executable* ]] || fail "$program is not an ELF executable: $kind"

for size in 32 48 64 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    [[ -f $icon ]] || continue
    kind=$(file -b "$icon")
    [[ $kind == "PNG image data, $size x $size,"* ]] || fail "$icon should be a ${size}x${size} PNG: $kind"
done

# --- the launcher ---
desktop=$prefix/share/applications/$id.desktop
key() {
    sed -n "s/^$1=//p" "$desktop"
}
if [[ -f $desktop ]]; then
    [[ $(key Name) == "$name" ]] || fail "launcher Name is '$(key Name)'"
    [[ -n $(key GenericName) && -n $(key Comment) ]] || fail "launcher lacks GenericName or Comment"
    [[ $(key Exec) == "$exe %f" ]] || fail "launcher Exec is '$(key Exec)', not the installed program $exe taking one file"
    [[ $(key MimeType) == "$reading_type;" ]] || fail "launcher MimeType is '$(key MimeType)', not $reading_type"
    [[ $(key StartupWMClass) == "$id" ]] || fail "launcher StartupWMClass is '$(key StartupWMClass)', not $id"
    [[ $(key Icon) == "$id" ]] || fail "launcher Icon is '$(key Icon)', not the installed icon name $id"
    [[ $(key Terminal) == false ]] || fail "launcher Terminal is '$(key Terminal)'"
    [[ -n $(key Categories) ]] || fail "launcher has no Categories"
    if ! desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 || [[ -s $work/desktop.log ]]; then
        cat "$work/desktop.log" >&2
        fail "desktop-file-validate"
    fi
fi

# --- saved readings open with the program ---
# A desktop of its own: the installed share folder (a copy, so that the caches built here stay out
# of the installed tree) as the only data folder, and no session that could pick another handler.
if [[ -f $prefix/share/mime/packages/$id.xml && -f $desktop ]]; then
    data=$work/desktop-data
    mkdir -p "$data" "$work/desktop-home/.config" "$work/desktop-home/.local/share"
    cp -a "$prefix/share/." "$data/"
    desktop_env=(env -i PATH=/usr/bin:/bin HOME="$work/desktop-home"
        XDG_CONFIG_HOME="$work/desktop-home/.config" XDG_CONFIG_DIRS="$work/no-config"
        XDG_DATA_HOME="$work/desktop-home/.local/share" XDG_DATA_DIRS="$data")
    update-mime-database "$data/mime" >"$work/mime.log" 2>&1 || { cat "$work/mime.log" >&2; fail "update-mime-database"; }
    update-desktop-database "$data/applications" >>"$work/mime.log" 2>&1 || { cat "$work/mime.log" >&2; fail "update-desktop-database"; }
    # The bytes of a reading saved for Ana, March 7, 1990.
    printf 'O|o\r\n[o\x80qv\r\nE\r\n?GG>\r\n' >"$work/ana.zod"
    found=$("${desktop_env[@]}" xdg-mime query filetype "$work/ana.zod" 2>&1)
    [[ $found == "$reading_type" ]] || fail "xdg-mime takes a .zod file for '$found', not $reading_type"
    # Only a lower-case .zod, as the program takes it (not every reader of the database honours
    # the flag: xdg-mime's does not, GIO's and Qt's do).
    grep -qxF "50:$reading_type:*.zod:cs" "$data/mime/globs2" ||
        fail "the file type's glob is not the case-sensitive *.zod: $(grep -F "$reading_type" "$data/mime/globs2")"
    found=$("${desktop_env[@]}" xdg-mime query default "$reading_type" 2>&1)
    [[ $found == "$id.desktop" ]] || fail "xdg-mime opens $reading_type with '$found', not $id.desktop"
    comment=$(sed -n 's:.*<comment>\(.*\)</comment>.*:\1:p' "$prefix/share/mime/packages/$id.xml")
    [[ $comment == "$name reading" ]] || fail "the file type's comment is '$comment'"
fi

# --- the installed program's command line, without a display ---
# command_line OPTION: the installed program's status, output and error output for the option.
command_line() {
    status=0
    out=$(env -i PATH=/usr/bin:/bin HOME="$work/desktop-home" LANG=C.UTF-8 "$program" "$1" \
        2>"$work/error") || status=$?
    error=$(cat "$work/error")
}
if [[ -x $program ]]; then
    command_line --version
    [[ $status == 0 && $out == "$name $version" && -z $error ]] ||
        fail "--version gave status $status, '$out', stderr '$error'"
    command_line --help
    [[ $status == 0 && $out == "Usage: $program [options] [file]"* && -z $error ]] ||
        fail "--help gave status $status, '$out'"
    command_line --bogus
    [[ $status == 2 && -z $out ]] || fail "an unknown option gave status $status, stdout '$out'"
    if ! grep -q "^Unknown option 'bogus'" <<<"$error" || ! grep -q '^Usage: ' <<<"$error"; then
        fail "an unknown option printed '$error', not the error and the usage"
    fi
fi

# --- the software-centre entry ---
metainfo=$prefix/share/metainfo/$id.metainfo.xml
if [[ -f $metainfo ]]; then
    # Each line "what|found|wanted".
    /usr/bin/python3 - "$metainfo" "$id" "$site" "$version" "$exe" "$name" "${ZEL_MAKER:?}" \
        >"$work/fields" <<'EOF'
import sys, xml.etree.ElementTree as ET
path, app_id, site, version, exe, name, maker = sys.argv[1:]
root = ET.parse(path).getroot()
text = lambda xpath: (root.findtext(xpath) or "").strip()
attribute = lambda xpath, key: "" if root.find(xpath) is None else root.find(xpath).get(key, "")
checks = [
    ("component type", root.get("type", ""), "desktop-application"),
    ("id", text("id"), app_id),
    ("name", text("name"), name),
    ("developer", text("developer_name"), maker),
    ("launchable", text("launchable[@type='desktop-id']"), app_id + ".desktop"),
    ("homepage", text("url[@type='homepage']"), site),
    ("newest release", attribute("releases/release", "version"), version),
    ("provided binary", text("provides/binary"), exe),
    ("content rating", attribute("content_rating", "type"), "oars-1.1"),
]
for what, found, wanted in checks:
    print(f"{what}|{found}|{wanted}")
for url in root.findall("url"):
    address = (url.text or "").strip()
    on_site = address == site or address.startswith(site + "/")
    print(f"{url.get('type')} address {address} on the site {site}|{on_site}|True")
EOF
    while IFS='|' read -r what found wanted; do
        [[ $found == "$wanted" ]] || fail "metainfo $what is '$found', expected '$wanted'"
    done <"$work/fields"

    # Left as hints, not failures: the reserved .example domain is no known top-level domain,
    # and the site address is plain http when the build says so.
    if ! appstreamcli validate --no-net --pedantic --strict \
            --override=cid-maybe-not-rdns=pedantic,url-not-secure=pedantic \
            "$metainfo" >"$work/appstream.log" 2>&1; then
        cat "$work/appstream.log" >&2
        fail "appstreamcli validate"
    fi
    # The tree check also follows the launchable to the installed launcher.
    if ! appstreamcli validate-tree --no-net --strict \
            --override=cid-maybe-not-rdns=pedantic,url-not-secure=pedantic \
            "$prefix" >"$work/appstream-tree.log" 2>&1; then
        cat "$work/appstream-tree.log" >&2
        fail "appstreamcli validate-tree"
    fi
fi

if ((failures)); then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed tree is complete and valid"

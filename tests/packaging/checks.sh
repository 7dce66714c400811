# shellcheck shell=bash
# Checks shared by the packaging tests: what an installed Quoriam consists of, whether it
# came from `cmake --install` or from unpacking the Debian package. Source it; the sourcing
# script's name prefixes every line.

PKG_TEST_NAME=$(basename "$0" .sh)
ICON_SIZES="16 32 48 128 256"

ok() { printf '[%s] ok: %s\n' "$PKG_TEST_NAME" "$*"; }
fail()
{
    printf '[%s] FAIL: %s\n' "$PKG_TEST_NAME" "$*" >&2
    exit 1
}

# desktop_key FILE KEY: the value of KEY in the [Desktop Entry] group.
desktop_key()
{
    sed -n '/^\[Desktop Entry\]/,/^\[/ s/^'"$2"'=//p' "$1" | head -n 1
}

# png_size FILE: prints "W H" from the PNG header; fails when FILE is not a PNG.
png_size()
{
    local bytes
    # The 8-byte signature, then the IHDR chunk: length (4), type (4), width (4), height (4).
    bytes=$(od -An -tu1 -N24 "$1" 2>/dev/null | tr -s ' \n' ' ')
    # shellcheck disable=SC2086 # split into one argument per byte
    set -- $bytes
    [ $# -eq 24 ] || return 1
    [ "$1 $2 $3 $4 $5 $6 $7 $8" = "137 80 78 71 13 10 26 10" ] || return 1
    [ "${13} ${14} ${15} ${16}" = "73 72 68 82" ] || return 1
    echo "$(((${17} << 24) | (${18} << 16) | (${19} << 8) | ${20})) $(((${21} << 24) | (${22} << 16) | (${23} << 8) | ${24}))"
}

# check_tree PREFIX ID VERSION: PREFIX (an installed /usr) holds a complete Quoriam whose
# desktop id is ID and whose version is VERSION.
check_tree()
{
    local prefix=$1 id=$2 version=$3
    local bin desktop metainfo exec icon size got magic launchable release binary

    bin="$prefix/bin/quoriam"
    [ -f "$bin" ] || fail "no program at bin/quoriam"
    [ -x "$bin" ] || fail "bin/quoriam is not executable"
    magic=$(od -An -c -N4 "$bin" | tr -d ' ')
    [ "$magic" = '177ELF' ] || fail "bin/quoriam is not an ELF executable (starts with '$magic')"
    ok "bin/quoriam is an executable program"

    desktop="$prefix/share/applications/$id.desktop"
    [ -f "$desktop" ] || fail "no desktop entry at share/applications/$id.desktop"
    [ "$(desktop_key "$desktop" Type)" = Application ] || fail "$id.desktop: Type is not Application"
    [ "$(desktop_key "$desktop" Name)" = Quoriam ] || fail "$id.desktop: Name is not Quoriam"
    exec=$(desktop_key "$desktop" Exec)
    exec=${exec%% *}
    [ -n "$exec" ] || fail "$id.desktop has no Exec"
    [ "$exec" = quoriam ] || fail "$id.desktop: Exec starts '$exec', expected the installed program 'quoriam'"
    icon=$(desktop_key "$desktop" Icon)
    [ -n "$icon" ] || fail "$id.desktop has no Icon"
    ok "share/applications/$id.desktop starts '$exec' with icon '$icon'"

    # The icon the desktop entry names, at every size, each really of that size.
    for size in $ICON_SIZES; do
        local png="$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png"
        [ -f "$png" ] || fail "no ${size}x${size} icon: share/icons/hicolor/${size}x${size}/apps/$icon.png"
        got=$(png_size "$png") || fail "share/icons/hicolor/${size}x${size}/apps/$icon.png is not a PNG image"
        [ "$got" = "$size $size" ] ||
            fail "share/icons/hicolor/${size}x${size}/apps/$icon.png is ${got/ /x} px, expected ${size}x${size}"
    done
    ok "icon '$icon' at $ICON_SIZES px, each PNG of its size"

    metainfo="$prefix/share/metainfo/$id.metainfo.xml"
    [ -f "$metainfo" ] || fail "no AppStream metainfo at share/metainfo/$id.metainfo.xml"
    grep -q "<id>$id</id>" "$metainfo" || fail "$id.metainfo.xml: the component id is not $id"
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\([^<]*\)</launchable>.*:\1:p' "$metainfo")
    [ "$launchable" = "$id.desktop" ] ||
        fail "$id.metainfo.xml launches '$launchable', expected the installed $id.desktop"
    binary=$(sed -n 's:.*<binary>\([^<]*\)</binary>.*:\1:p' "$metainfo")
    [ "$binary" = quoriam ] || fail "$id.metainfo.xml provides binary '$binary', expected quoriam"
    # The newest release comes first and is the version being installed.
    release=$(grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n 1 | sed 's/.*version="//; s/"$//')
    [ "$release" = "$version" ] ||
        fail "$id.metainfo.xml: newest release is '$release', the project's version is $version"
    ok "share/metainfo/$id.metainfo.xml launches $launchable, newest release $release"

    [ -f "$prefix/share/doc/quoriam/copyright" ] || fail "no share/doc/quoriam/copyright"
    grep -q '^License: MIT$' "$prefix/share/doc/quoriam/copyright" ||
        fail "share/doc/quoriam/copyright holds no MIT licence text"
    compgen -G "$prefix/share/doc/quoriam/fonts/*-OFL.txt" >/dev/null ||
        fail "no font licences under share/doc/quoriam/fonts"
    ok "licences under share/doc/quoriam"

    # The changelog and the manual page, gzip-compressed, both of this version.
    local changelog manual
    changelog=$(gzip -dc "$prefix/share/doc/quoriam/changelog.gz" 2>/dev/null) ||
        fail "no gzip-compressed share/doc/quoriam/changelog.gz"
    case ${changelog%%$'\n'*} in
    "quoriam ($version) "*) ;;
    *) fail "share/doc/quoriam/changelog.gz: newest entry '${changelog%%$'\n'*}', the project's version is $version" ;;
    esac
    manual=$(gzip -dc "$prefix/share/man/man1/quoriam.1.gz" 2>/dev/null) ||
        fail "no gzip-compressed manual page share/man/man1/quoriam.1.gz"
    grep -q "^\.TH QUORIAM 1 .*\"Quoriam $version\"" <<<"$manual" ||
        fail "share/man/man1/quoriam.1.gz is not quoriam(1) of version $version: $(grep '^\.TH' <<<"$manual")"
    ok "changelog and manual page quoriam(1) of version $version"
}

#!/usr/bin/env bash
# Updates translations/quoriam_<language>.ts from the sources with lupdate: texts that are
# new come in unfinished, texts gone from the sources are dropped. `make translations`
# runs it; the translations test runs it with --check.
#
# Usage: update.sh [--check | --add LANGUAGE]
#   --add     also makes translations/quoriam_LANGUAGE.ts for a new language ("it"), with
#             every text unfinished
#   --check   updates copies in a temporary folder instead and fails, saying what to do,
#             when a file in translations/ differs from its update (the sources have texts
#             it lacks or texts it no longer needs), or has a text not yet translated.
# Environment: LUPDATE (default: Qt 6's lupdate, from qt6-l10n-tools).
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[ -x "$lupdate" ] || command -v "$lupdate" >/dev/null || {
    echo "update.sh: lupdate is missing (sh tools/install-deps.sh installs qt6-l10n-tools)" >&2
    exit 1
}

check=false
[ "${1:-}" = "--check" ] && check=true
if [ "${1:-}" = "--add" ]; then
    new=${2:?usage: update.sh --add LANGUAGE}
    case $new in
    *[!a-z_A-Z]* | "") echo "update.sh: '$new' is no language code (de, pt_BR)" >&2; exit 1 ;;
    esac
fi

cd "$repo"
# No line numbers or file names in the files, so that moving code leaves them as they
# are; TRANSLATABLE marks the texts of the window descriptions (forms/Translatable.h).
options=(-silent -locations none -no-obsolete -source-language en
         -tr-function-alias QT_TRANSLATE_NOOP+=TRANSLATABLE -extensions cpp,h)
sources=(app forms modules platform)

# lupdate, quiet about what its parser skips in code without texts.
run_lupdate() {
    local out
    out=$("$lupdate" "${options[@]}" "${sources[@]}" -ts "$1" 2>&1) || {
        printf '%s\n' "$out" >&2
        exit 1
    }
    printf '%s\n' "$out" | grep -v 'Ignoring definition of undeclared qualified class' >&2 || true
}

if ! $check; then
    if [ -n "${new:-}" ] && [ ! -f "translations/quoriam_$new.ts" ]; then
        "$lupdate" "${options[@]}" -target-language "$new" "${sources[@]}" \
            -ts "translations/quoriam_$new.ts" 2>/dev/null
        echo "update.sh: made translations/quoriam_$new.ts: translate it, then make test"
    fi
    for ts in translations/quoriam_*.ts; do
        run_lupdate "$ts"
    done
    exit 0
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
stale=()
for ts in translations/quoriam_*.ts; do
    cp "$ts" "$tmp/"
    run_lupdate "$tmp/$(basename "$ts")"
    cmp -s "$ts" "$tmp/$(basename "$ts")" || {
        diff -u "$ts" "$tmp/$(basename "$ts")" >&2 || true
        stale+=("$ts")
    }
done
if [ ${#stale[@]} -gt 0 ]; then
    echo "update.sh: not up to date with the sources: ${stale[*]}; run 'make translations'," \
        "then translate what it marks unfinished" >&2
    exit 1
fi
# A translation still to write (or to check again, after its English changed) is marked
# unfinished; lrelease leaves it out and the program would show the English.
if grep -n 'type="\(unfinished\|obsolete\|vanished\)"' translations/quoriam_*.ts >&2; then
    echo "update.sh: the texts above have no finished translation: translate them (Qt" \
        "Linguist, or by hand) and drop their type attribute" >&2
    exit 1
fi
echo "update.sh: every text of the sources is translated in $(ls translations/quoriam_*.ts | wc -l) languages"

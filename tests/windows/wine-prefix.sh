# shellcheck shell=bash
# A Wine prefix for one test run, for scripts that use the X11 harness
# (tools/x11/harness.sh): source it after the harness. wine_prefix makes WINEPREFIX (a
# fresh one under the run's temporary folder unless the caller gave one) ready for
# programs; every Wine process of the prefix is stopped with the harness's own processes.

. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

wine_prefix()
{
    local start
    export WINEPREFIX=${WINEPREFIX:-$E2E_TMP/wine}
    start=$(e2e_now)
    # The first start of a prefix fills it (wineboot); wait for that, and for the
    # server to end, so that no program of the tests meets a half-made prefix.
    "$QUORIAM_WINE" wineboot --init >"$E2E_TMP/wineboot.log" 2>&1 ||
        e2e_fail "wineboot failed: $(tail -n 5 "$E2E_TMP/wineboot.log")"
    "$QUORIAM_WINESERVER" -w
    e2e_say "Wine prefix $WINEPREFIX ready in $(e2e_elapsed "$start") s"
}

wine_cleanup()
{
    local status=$?
    [ -n "${WINEPREFIX:-}" ] && "$QUORIAM_WINESERVER" -k >/dev/null 2>&1
    (exit "$status")
    e2e_cleanup
}
trap wine_cleanup EXIT

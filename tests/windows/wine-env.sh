# shellcheck shell=sh
# What every Wine run of the tests shares; sourced. Sets QUORIAM_WINE to Debian's
# wine64 loader (or the one in PATH) and QUORIAM_WINESERVER to its server, quiets Wine's
# log and keeps it from offering to install Mono and Gecko, which Quoriam does not use.
#
# Wine keeps the QT_* variables of Linux from Windows programs and hands them WINEQT_*
# as QT_* instead: each QT_* variable set here (QT_SCALE_FACTOR of a test, say) is passed
# on that way. QT_FORCE_STDERR_LOGGING has Qt write its messages and the test results to
# the standard streams, where Windows without a console would send them to the debugger.
QUORIAM_WINE=/usr/lib/wine/wine64
QUORIAM_WINESERVER=/usr/lib/wine/wineserver
[ -x "$QUORIAM_WINE" ] || QUORIAM_WINE=$(command -v wine64 || command -v wine || echo wine64)
[ -x "$QUORIAM_WINESERVER" ] || QUORIAM_WINESERVER=$(command -v wineserver || echo wineserver)
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export QT_FORCE_STDERR_LOGGING=1
for quoriam_qt_var in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "export WINE$quoriam_qt_var=\"\${$quoriam_qt_var}\""
done
unset quoriam_qt_var

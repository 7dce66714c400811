#!/usr/bin/env bash
# Benchmark of Send's wait, with the real program on a private Xvfb and openbox:
#  - processor time the program uses during a 10-second wait (Send with delay 10);
#  - how late the incoming fax is mapped after its deadline (median of several Sends
#    with delay 2).
# The program rounds the time of day at Send to whole seconds and waits from there, so
# the key is pressed 0.2 s into a second: the deadline is then the start of that second
# plus the delay, exactly.
# Usage: bench/wait.sh PATH/TO/quoriam [RUNS]   (needs tools/install-deps.sh --test)
E2E_DIR="$(cd "$(dirname "$0")/../tests/e2e" && pwd)"
. "$E2E_DIR/lib.sh"
E2E_NAME=bench

BIN=${1:?usage: bench/wait.sh PATH/TO/quoriam [RUNS]}
RUNS=${2:-5}
LONG_DELAY=10
SHORT_DELAY=2
MAIN_TITLE="Quoriam-The Only Fake Fax Creator Program"
SETUP_TITLE="$(printf '%64s' '')Quoriam"
FAX_TITLE="$(printf '%34s' '')Incoming Fax"
CLK_TCK=$(getconf CLK_TCK)

# The map watcher, built here from its source.
MAPWATCH="$E2E_TMP/mapwatch"
c++ -std=c++20 -O2 -Wall -Wextra -o "$MAPWATCH" "$(dirname "$0")/mapwatch.cpp" -lX11 ||
    e2e_fail "cannot build bench/mapwatch.cpp (needs g++ and libX11's headers)"

# Processor time of every thread of the program, in milliseconds, from the scheduler's
# own accounting (nanoseconds) when the kernel offers it; "n/a" otherwise.
sched_ms()
{
    local total=0 f v
    for f in /proc/"$E2E_APP_PID"/task/*/sched; do
        v=$(sed -n 's/^se.sum_exec_runtime *: *//p' "$f" 2>/dev/null) || { echo n/a; return; }
        [ -n "$v" ] || { echo n/a; return; }
        total=$(awk -v a="$total" -v b="$v" 'BEGIN { printf "%.6f", a + b }')
    done
    echo "$total"
}

# Context switches of every thread: each is a wake-up or a preemption.
switches()
{
    cat /proc/"$E2E_APP_PID"/task/*/status 2>/dev/null |
        awk '/^(non)?voluntary_ctxt_switches/ { n += $2 } END { print n + 0 }'
}

# Sleeps until FRACTION of a second past the next whole second.
sleep_until_fraction()
{
    local now
    now=$(e2e_now)
    sleep "$(awk -v t="$now" -v f="$1" 'BEGIN { s = int(t) + 1 + f - t; if (s > 1) s -= 1; printf "%.6f", s }')"
}

# open_setup DELAY: starts the program, opens the setup window, types DELAY in the delay
# box and leaves the focus on Send.
open_setup()
{
    e2e_start_app "$BIN" >/dev/null
    e2e_wait_window "$MAIN_TITLE" 30
    e2e_focus "$E2E_WIN"
    e2e_menu i n
    e2e_wait_window "$SETUP_TITLE" 10
    SETUP=$E2E_WIN
    e2e_focus "$SETUP"
    e2e_key Tab Tab Tab Tab ctrl+a
    e2e_type "$1"
    e2e_key Tab
}

# send DELAY: presses Send 0.2 s into a second; sets PRESSED (time after the key went
# out) and DEADLINE (when the program is due to show the fax). Starts the map watcher
# first; its output goes to $E2E_TMP/map.
send()
{
    local frac
    rm -f "$E2E_TMP/map"
    "$MAPWATCH" "$FAX_TITLE" $(($1 + 10)) >"$E2E_TMP/map" 2>"$E2E_TMP/map.err" &
    WATCH_PID=$!
    e2e_wait_until 5 "the map watcher listens" grep -q '$' "$E2E_TMP/map"
    grep -qx ready "$E2E_TMP/map" || e2e_fail "the fax is shown before Send: $(cat "$E2E_TMP/map")"
    sleep_until_fraction 0.2
    local before
    before=$(e2e_now)
    e2e_x xdotool key --delay 0 space || e2e_fail "xdotool key space failed"
    PRESSED=$(e2e_now)
    # The program reads its clock after the key reached it; that must be in the same
    # second, before the half, for the deadline below to hold.
    frac=$(awk -v t="$PRESSED" 'BEGIN { printf "%.3f", t - int(t) }')
    [ "${before%.*}" = "${PRESSED%.*}" ] && e2e_cmp "$frac" '<' 0.45 ||
        e2e_fail "the key press took too long (from $before to $PRESSED); the machine is too busy"
    DEADLINE=$((${PRESSED%.*} + $1))
    e2e_wait_until 1 "the setup window hides" e2e_not_viewable "$SETUP"
}

# wait_fax: waits for the map watcher; sets MAPPED (time the fax was mapped).
wait_fax()
{
    local i
    for i in $(seq 1 400); do
        e2e_pid_alive "$WATCH_PID" || break
        sleep 0.05
    done
    wait "$WATCH_PID" || e2e_fail "no incoming fax: $(cat "$E2E_TMP/map.err")"
    MAPPED=$(sed -n '2s/ .*//p' "$E2E_TMP/map")
    [ -n "$MAPPED" ] || e2e_fail "the map watcher reported nothing"
    FAX=$(sed -n '2s/.* //p' "$E2E_TMP/map")
}

finish()
{
    e2e_close "$FAX"
    e2e_expect_exit 0 10 >/dev/null
}

e2e_start_display >/dev/null

# --- Processor time during a 10-second wait ---------------------------------------------
e2e_say "Send with a delay of $LONG_DELAY s ..."
open_setup "$LONG_DELAY"
send "$LONG_DELAY"
ticks0=$(e2e_app_cpu_ticks)
sched0=$(sched_ms)
switch0=$(switches)
t0=$(e2e_now)
# Stop measuring 0.3 s before the deadline: showing the fax is no part of the wait.
sleep "$(awk -v d="$DEADLINE" -v t="$t0" 'BEGIN { printf "%.3f", d - 0.3 - t }')"
ticks1=$(e2e_app_cpu_ticks)
sched1=$(sched_ms)
switch1=$(switches)
t1=$(e2e_now)
wait_fax
finish
window=$(e2e_elapsed "$t0" "$t1")
cpu_s=$(awk -v t="$((ticks1 - ticks0))" -v hz="$CLK_TCK" 'BEGIN { printf "%.3f", t / hz }')
cpu_pct=$(awk -v c="$cpu_s" -v w="$window" 'BEGIN { printf "%.2f", 100 * c / w }')
if [ "$sched0" = n/a ] || [ "$sched1" = n/a ]; then
    sched="n/a"
else
    sched=$(awk -v a="$sched0" -v b="$sched1" 'BEGIN { printf "%.1f ms", b - a }')
fi
wakeups=$((switch1 - switch0))
wake_rate=$(awk -v n="$wakeups" -v w="$window" 'BEGIN { printf "%.1f", n / w }')

# --- Lateness after the deadline -------------------------------------------------------
lateness=()
for run in $(seq 1 "$RUNS"); do
    open_setup "$SHORT_DELAY"
    send "$SHORT_DELAY"
    wait_fax
    finish
    late=$(awk -v m="$MAPPED" -v d="$DEADLINE" 'BEGIN { printf "%.1f", (m - d) * 1000 }')
    e2e_say "run $run of $RUNS: fax mapped $late ms after the deadline"
    lateness+=("$late")
done
stats=$(printf '%s\n' "${lateness[@]}" | sort -g | awk '
    { v[NR] = $1 }
    END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
          printf "%.1f %.1f %.1f", m, v[1], v[NR] }')
read -r median lo hi <<<"$stats"

cpu_model=$(sed -n 's/^model name[[:space:]]*: *//p' /proc/cpuinfo | head -n 1)
printf '\nQuoriam wait benchmark\n'
printf 'machine: %s, %s, %s processors\n' "$(uname -m)" "${cpu_model:-unknown CPU}" "$(nproc)"
printf 'program: %s\n\n' "$BIN"
printf '%-56s %s\n' "measure" "value"
printf '%-56s %s\n' "processor time in a ${LONG_DELAY} s wait (utime+stime, ${window} s)" \
    "$cpu_s s ($cpu_pct % of one processor)"
printf '%-56s %s\n' "  scheduler run time, all threads" "$sched"
printf '%-56s %s\n' "  context switches, all threads" "$wakeups ($wake_rate per second)"
printf '%-56s %s\n' "fax mapped after the deadline (${RUNS} x ${SHORT_DELAY} s)" \
    "median $median ms (min $lo, max $hi)"

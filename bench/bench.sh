#!/usr/bin/env bash
# Quoriam's benchmark on a private Xvfb with openbox, printed as one Markdown table:
#  - start-up: from exec to the main window's first complete frame, against a plain Qt
#    Widgets program with the same window (bench/baseline), and the processor time
#    spent until then;
#  - memory: peak resident memory (VmHWM) 2 s after that frame, against the same;
#  - idle: processor time over 10 s with the setup window open and its clock ticking;
#  - waiting: processor time during a 10-second wait (Send with delay 10);
#  - punctuality: how late the incoming fax is mapped after the wait's deadline;
#  - a line as long as a box holds pasted into the message box and into the sender box,
#    but for the characters then typed: processor time while the box has the focus, and
#    how long each typed character takes to be drawn (the last one fills the box to its
#    32,767 characters).
# Every figure is the median of several runs; start-up runs alternate between the two
# programs, after one warm-up run of each, so that both see the same machine.
#
# Usage: bench/bench.sh PATH/TO/quoriam TOOLS-DIR [RUNS] [STARTUP-RUNS]
#   TOOLS-DIR: the build of bench/ (firstframe, mapwatch, keylatency, baseline/baseline);
#   RUNS (default 5): program runs for idle, waiting and punctuality (about 25 s each);
#   STARTUP-RUNS (default 9): start-ups of each program (about 2.5 s each).
# Needs what tools/install-deps.sh --test installs. Progress goes to the standard error;
# the table alone to the standard output.
E2E_PROGRESS_FD=2
E2E_OK_LINES=no
# shellcheck source-path=SCRIPTDIR source=../tools/x11/harness.sh
. "$(dirname "$0")/../tools/x11/harness.sh"

BIN=${1:?usage: bench/bench.sh PATH/TO/quoriam TOOLS-DIR [RUNS] [STARTUP-RUNS]}
TOOLS=${2:?usage: bench/bench.sh PATH/TO/quoriam TOOLS-DIR [RUNS] [STARTUP-RUNS]}
RUNS=${3:-5}
STARTUP_RUNS=${4:-9}
LONG_RUNS=${LONG_RUNS:-3}
BASELINE="$TOOLS/baseline/baseline"
FIRSTFRAME="$TOOLS/firstframe"
MAPWATCH="$TOOLS/mapwatch"
KEYLATENCY="$TOOLS/keylatency"
for tool in "$BIN" "$BASELINE" "$FIRSTFRAME" "$MAPWATCH" "$KEYLATENCY"; do
    [ -x "$tool" ] || e2e_fail "no program at '$tool' (make bench builds it)"
done

IDLE_SECONDS=10
DELAY=10
HOLD_SECONDS=2
MAIN_TITLE=$E2E_MAIN_TITLE
BASELINE_TITLE="Quoriam Baseline"
SETUP_TITLE=$E2E_SETUP_TITLE
FAX_TITLE=$E2E_FAX_TITLE
CLK_TCK=$(getconf CLK_TCK)

# ---------------------------------------------------------------------------------------
# Figures

# median FORMAT VALUE...: the median, and the smallest and largest value, each printed
# with FORMAT (of printf): "MEDIAN MIN MAX".
median()
{
    local format=$1
    shift
    printf '%s\n' "$@" | sort -g | awk -v f="$format" '
        { v[NR] = $1 }
        END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
              printf f " " f " " f, m, v[1], v[NR] }'
}

# calc EXPRESSION: evaluates an awk expression over the variables given as NAME=VALUE
# after it, e.g. calc '%.1f' 'a / b' a=1 b=2.
calc()
{
    local format=$1 expression=$2
    shift 2
    local args=() pair
    for pair in "$@"; do args+=(-v "$pair"); done
    awk "${args[@]}" "BEGIN { printf \"$format\", $expression }"
}

# Processor time of every thread of the program in milliseconds, from the scheduler's
# own accounting (nanoseconds), or "n/a" where the kernel does not offer it.
sched_ms()
{
    local total=0 f v
    for f in /proc/"$E2E_APP_PID"/task/*/sched; do
        v=$(sed -n 's/^se.sum_exec_runtime *: *//p' "$f" 2>/dev/null)
        [ -n "$v" ] || { echo n/a; return; }
        total=$(calc '%.6f' 'a + b' a="$total" b="$v")
    done
    echo "$total"
}

# cpu_sample: sets TICKS (utime + stime, clock ticks), SCHED (milliseconds) and AT (time).
cpu_sample()
{
    TICKS=$(e2e_app_cpu_ticks) || e2e_fail "the program ended unexpectedly"
    SCHED=$(sched_ms)
    AT=$(e2e_now)
}

# cpu_since TICKS0 SCHED0 AT0: sets CPU_S (utime + stime in seconds), CPU_SCHED_MS and
# WINDOW (seconds) from that sample to a new one.
cpu_since()
{
    local ticks0=$1 sched0=$2 at0=$3
    cpu_sample
    CPU_S=$(calc '%.3f' 't / hz' t=$((TICKS - ticks0)) hz="$CLK_TCK")
    if [ "$sched0" = n/a ] || [ "$SCHED" = n/a ]; then
        CPU_SCHED_MS=n/a
    else
        CPU_SCHED_MS=$(calc '%.1f' 'b - a' a="$sched0" b="$SCHED")
    fi
    WINDOW=$(e2e_elapsed "$at0" "$AT")
}

# ---------------------------------------------------------------------------------------
# Start-up and memory

# startup PROGRAM TITLE: one start of PROGRAM under the frame watcher, which ends it
# after the hold; sets STARTUP to the watcher's NAME=VALUE line.
startup()
{
    local out="$E2E_TMP/startup.out"
    : >"$E2E_APP_LOG"
    # The watcher stands in for the program in the harness, so that every way out stops
    # it; it ends the program itself (and the program ends with it).
    "${E2E_APP_ENV[@]}" "$FIRSTFRAME" "$2" 20 "$HOLD_SECONDS" "$1" >"$out" 2>"$E2E_APP_LOG" &
    E2E_APP_PID=$!
    wait "$E2E_APP_PID" || e2e_fail "no complete frame of '$2': $(cat "$E2E_APP_LOG")"
    E2E_APP_PID=
    STARTUP=$(cat "$out")
}

# field NAME LINE: the value of NAME=VALUE in LINE.
field() { printf '%s\n' "$2" | tr ' ' '\n' | sed -n "s/^$1=//p"; }

# record_startup WHO LINE: keeps the figures of one start of WHO (quoriam or baseline).
startup_frame_quoriam=() startup_map_quoriam=() startup_cpu_quoriam=() startup_hwm_quoriam=()
startup_frame_baseline=() startup_map_baseline=() startup_cpu_baseline=() startup_hwm_baseline=()
record_startup()
{
    local -n frames=startup_frame_$1 maps=startup_map_$1 cpus=startup_cpu_$1 hwms=startup_hwm_$1
    frames+=("$(field frame_ms "$2")")
    maps+=("$(field map_ms "$2")")
    cpus+=("$(field cpu_frame_ms "$2")")
    hwms+=("$(field hwm_kb "$2")")
}

# ---------------------------------------------------------------------------------------
# The setup window, Send and the fax

# enter_delay DELAY: types DELAY in the delay box and leaves the focus on Send.
enter_delay()
{
    e2e_focus "$SETUP"
    e2e_key Tab Tab Tab Tab ctrl+a
    e2e_type "$1"
    e2e_key Tab
}

# Sleeps until FRACTION of a second past the next whole second.
sleep_until_fraction()
{
    local now
    now=$(e2e_now)
    sleep "$(calc '%.6f' '(int(t) + 1 + f - t > 1) ? int(t) + f - t : int(t) + 1 + f - t' \
        t="$now" f="$1")"
}

# send DELAY: presses Send 0.2 s into a second; sets DEADLINE, when the program is due to
# show the fax. The program rounds the time of day at Send to whole seconds and waits
# from there, so the deadline is the start of that second plus the delay, exactly.
# Starts the map watcher first; its output goes to $E2E_TMP/map.
send()
{
    local frac before pressed
    rm -f "$E2E_TMP/map"
    "$MAPWATCH" "$FAX_TITLE" $(($1 + 10)) >"$E2E_TMP/map" 2>"$E2E_TMP/map.err" &
    WATCH_PID=$!
    e2e_wait_until 5 "the map watcher listens" grep -qs '$' "$E2E_TMP/map"
    grep -qx ready "$E2E_TMP/map" || e2e_fail "the fax is shown before Send: $(cat "$E2E_TMP/map")"
    sleep_until_fraction 0.2
    before=$(e2e_now)
    e2e_x xdotool key --delay 0 space || e2e_fail "xdotool key space failed"
    pressed=$(e2e_now)
    # The program reads its clock after the key reached it; that must be in the same
    # second, before the half, for the deadline to hold.
    frac=$(calc '%.3f' 't - int(t)' t="$pressed")
    { [ "${before%.*}" = "${pressed%.*}" ] && e2e_cmp "$frac" '<' 0.45; } ||
        e2e_fail "the key press took too long (from $before to $pressed); the machine is too busy"
    DEADLINE=$((${pressed%.*} + $1))
    e2e_wait_until 1 "the setup window hides" e2e_not_viewable "$SETUP"
}

# wait_fax: waits for the map watcher; sets MAPPED (when the fax was mapped) and FAX.
wait_fax()
{
    local _
    for _ in $(seq 1 $((20 * (DELAY + 12)))); do
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
    e2e_expect_exit 0 10
}

# ---------------------------------------------------------------------------------------
# A line as long as a box holds

LONG_KEYS=10
LONG_LINE_CHARS=$((32767 - LONG_KEYS))
# The boxes in the setup window's pixels (x y width height), and Tab presses from the
# sender box to them.
MESSAGE_BOX="16 120 265 97"
SENDER_BOX="72 24 209 26"

# Waits until the program has used at most one clock tick of processor time in half a
# second, so that what a paste set going is over; 15 s at the most.
wait_quiet()
{
    local before after _
    for _ in $(seq 1 30); do
        before=$(e2e_app_cpu_ticks) || e2e_fail "the program ended unexpectedly"
        sleep 0.5
        after=$(e2e_app_cpu_ticks) || e2e_fail "the program ended unexpectedly"
        [ $((after - before)) -le 1 ] && return 0
    done
    # A program that stays busy with the line is what the rows below measure.
    e2e_say "  the program is still busy 15 s after the paste"
}

# long_line KEYS BOX NAME: moves the focus with KEYS, pastes the line over what the box
# holds, then measures 10 s of idling and the drawing of typed characters; appends to
# long_idle_NAME and long_keys_NAME.
long_line()
{
    local keys=$1 box=$2 name=$3 xclip_pid latency
    local -n idles=long_idle_$name latencies=long_keys_$name
    e2e_focus "$SETUP"
    # shellcheck disable=SC2086
    e2e_key $keys ctrl+a
    xclip -selection clipboard -i "$E2E_TMP/line" >/dev/null 2>&1 &
    xclip_pid=$!
    e2e_wait_until 5 "the clipboard holds the line" eval '[ "$(e2e_clipboard | wc -c)" -eq $LONG_LINE_CHARS ]'
    e2e_key ctrl+v
    wait_quiet
    kill "$xclip_pid" 2>/dev/null
    cpu_sample
    ticks0=$TICKS sched0=$SCHED at0=$AT
    sleep "$IDLE_SECONDS"
    cpu_since "$ticks0" "$sched0" "$at0"
    idles+=("$(calc '%.2f' '100 * c / w' c="$CPU_S" w="$WINDOW")")
    # shellcheck disable=SC2086
    for latency in $("$KEYLATENCY" "$SETUP" $box "$LONG_KEYS"); do
        [ "$latency" = timeout ] && latency=10000
        latencies+=("$latency")
    done
    e2e_say "  $name: idle ${idles[-1]} % of a core; typed characters drawn after ${latencies[*]: -$LONG_KEYS} ms"
}

# ---------------------------------------------------------------------------------------
# The runs

bench_start=$(e2e_now)
BENCH_LOAD=$(cut -d ' ' -f 1-3 /proc/loadavg)
e2e_start_display

e2e_say "start-up: one warm-up run of each program, then $STARTUP_RUNS of each, alternating"
startup "$BIN" "$MAIN_TITLE"
startup "$BASELINE" "$BASELINE_TITLE"
for run in $(seq 1 "$STARTUP_RUNS"); do
    startup "$BIN" "$MAIN_TITLE"
    record_startup quoriam "$STARTUP"
    e2e_say "  quoriam  $STARTUP"
    startup "$BASELINE" "$BASELINE_TITLE"
    record_startup baseline "$STARTUP"
    e2e_say "  baseline $STARTUP"
done

idle_cpu=()
idle_sched=()
idle_pct=()
wait_cpu=()
wait_sched=()
lateness=()
for run in $(seq 1 "$RUNS"); do
    e2e_say "run $run of $RUNS: setup window idle for $IDLE_SECONDS s, then Send with delay $DELAY"
    e2e_open_setup "$BIN"
    SETUP=$E2E_SETUP
    sleep 1 # the window settles: its first paint and the menu's closing are no part of idling
    cpu_sample
    ticks0=$TICKS sched0=$SCHED at0=$AT
    sleep "$IDLE_SECONDS"
    cpu_since "$ticks0" "$sched0" "$at0"
    e2e_viewable "$SETUP" || e2e_fail "the setup window went away while idle"
    # Normalised to exactly IDLE_SECONDS, since sleep and the samples take a little longer.
    idle_cpu+=("$(calc '%.3f' 'c * s / w' c="$CPU_S" s="$IDLE_SECONDS" w="$WINDOW")")
    idle_pct+=("$(calc '%.2f' '100 * c / w' c="$CPU_S" w="$WINDOW")")
    idle_sched+=("$(calc '%.1f' "(m == \"n/a\") ? -1 : m * s / w" m="$CPU_SCHED_MS" s="$IDLE_SECONDS" w="$WINDOW")")
    e2e_say "  idle: $CPU_S s, scheduler $CPU_SCHED_MS ms in $WINDOW s"

    enter_delay "$DELAY"
    send "$DELAY"
    cpu_sample
    ticks0=$TICKS sched0=$SCHED at0=$AT
    # Stop measuring 0.3 s before the deadline: showing the fax is no part of the wait.
    # What is measured (about 9.5 s) is scaled to 10 s.
    sleep "$(calc '%.3f' 'd - 0.3 - t' d="$DEADLINE" t="$at0")"
    cpu_since "$ticks0" "$sched0" "$at0"
    wait_cpu+=("$(calc '%.3f' 'c * s / w' c="$CPU_S" s="$DELAY" w="$WINDOW")")
    wait_sched+=("$(calc '%.1f' "(m == \"n/a\") ? -1 : m * s / w" m="$CPU_SCHED_MS" s="$DELAY" w="$WINDOW")")
    e2e_say "  wait: $CPU_S s, scheduler $CPU_SCHED_MS ms in $WINDOW s"
    wait_fax
    finish
    late=$(calc '%.1f' '(m - d) * 1000' m="$MAPPED" d="$DEADLINE")
    lateness+=("$late")
    e2e_say "  fax mapped $late ms after the deadline"
done

long_idle_message=() long_keys_message=() long_idle_sender=() long_keys_sender=()
head -c "$LONG_LINE_CHARS" /dev/zero | tr '\0' 'w' | sed 's/wwwwwww/wwwwww /g' | head -c "$LONG_LINE_CHARS" >"$E2E_TMP/line"
for run in $(seq 1 "$LONG_RUNS"); do
    e2e_say "run $run of $LONG_RUNS: a line of $LONG_LINE_CHARS characters in the message box, then in the sender box"
    e2e_open_setup "$BIN"
    SETUP=$E2E_SETUP
    long_line "Tab Tab" "$MESSAGE_BOX" message
    long_line "shift+Tab shift+Tab" "$SENDER_BOX" sender
    e2e_close "$SETUP"
    e2e_expect_exit 0 30
done

# ---------------------------------------------------------------------------------------
# The table

read -r q_frame q_frame_lo q_frame_hi <<<"$(median %.1f "${startup_frame_quoriam[@]}")"
read -r b_frame b_frame_lo b_frame_hi <<<"$(median %.1f "${startup_frame_baseline[@]}")"
read -r q_map _ _ <<<"$(median %.1f "${startup_map_quoriam[@]}")"
read -r b_map _ _ <<<"$(median %.1f "${startup_map_baseline[@]}")"
read -r q_cpu _ _ <<<"$(median %.1f "${startup_cpu_quoriam[@]}")"
read -r b_cpu _ _ <<<"$(median %.1f "${startup_cpu_baseline[@]}")"
read -r q_hwm q_hwm_lo q_hwm_hi <<<"$(median %.1f "${startup_hwm_quoriam[@]}")"
read -r b_hwm b_hwm_lo b_hwm_hi <<<"$(median %.1f "${startup_hwm_baseline[@]}")"
read -r idle idle_lo idle_hi <<<"$(median %.3f "${idle_cpu[@]}")"
read -r idle_p _ _ <<<"$(median %.2f "${idle_pct[@]}")"
read -r idle_s _ _ <<<"$(median %.1f "${idle_sched[@]}")"
read -r waiting waiting_lo waiting_hi <<<"$(median %.3f "${wait_cpu[@]}")"
read -r waiting_s _ _ <<<"$(median %.1f "${wait_sched[@]}")"
read -r late late_lo late_hi <<<"$(median %.1f "${lateness[@]}")"
read -r li_message _ li_message_hi <<<"$(median %.2f "${long_idle_message[@]}")"
read -r lk_message _ lk_message_hi <<<"$(median %.1f "${long_keys_message[@]}")"
read -r li_sender _ li_sender_hi <<<"$(median %.2f "${long_idle_sender[@]}")"
read -r lk_sender _ lk_sender_hi <<<"$(median %.1f "${long_keys_sender[@]}")"

ratio() { calc '%.2f' 'a / b' a="$1" b="$2"; }
verdict() { if e2e_cmp "$1" "$2" "$3"; then echo yes; else echo "**no**"; fi; }
mib() { calc '%.1f' 'k / 1024' k="$1"; }
sched_note() { e2e_cmp "$1" '>=' 0 && printf '; scheduler: %s ms' "$1"; }

frame_ratio=$(ratio "$q_frame" "$b_frame")
hwm_ratio=$(ratio "$q_hwm" "$b_hwm")
cpu_model=$(sed -n 's/^model name[[:space:]]*: *//p' /proc/cpuinfo | head -n 1)
qt_version=$("$BASELINE" --qt-version 2>/dev/null || echo unknown)

printf '\nMeasured on %s, %s cores, Linux %s, Debian %s, Qt %s, %s (Xvfb and openbox; load average %s before the run; %s s in all).\n\n' \
    "${cpu_model:-an unknown processor}" "$(nproc)" "$(uname -r)" \
    "$(cat /etc/debian_version 2>/dev/null || echo '?')" "$qt_version" "$(date -u +%Y-%m-%d)" \
    "$BENCH_LOAD" "$(calc '%.0f' 'b - a' a="$bench_start" b="$(e2e_now)")"
printf '| Measure | Quoriam | Plain Qt baseline | Ratio | Goal | Met |\n'
printf '| --- | --- | --- | --- | --- | --- |\n'
printf '| Start-up: exec to first complete frame of the main window (median of %s; range) | %s ms (%s–%s) | %s ms (%s–%s) | %s | ≤ 1.2 × baseline | %s |\n' \
    "$STARTUP_RUNS" "$q_frame" "$q_frame_lo" "$q_frame_hi" "$b_frame" "$b_frame_lo" "$b_frame_hi" \
    "$frame_ratio" "$(verdict "$frame_ratio" '<=' 1.2)"
printf '| Start-up: exec to the main window mapped | %s ms | %s ms | %s | — | |\n' \
    "$q_map" "$b_map" "$(ratio "$q_map" "$b_map")"
printf '| Start-up: processor time until the first frame (all threads) | %s ms | %s ms | %s | — | |\n' \
    "$q_cpu" "$b_cpu" "$(ratio "$q_cpu" "$b_cpu")"
printf '| Peak resident memory (VmHWM) %s s after the first frame (median of %s; range) | %s MiB (%s–%s) | %s MiB (%s–%s) | %s | ≤ 1.3 × baseline | %s |\n' \
    "$HOLD_SECONDS" "$STARTUP_RUNS" "$(mib "$q_hwm")" "$(mib "$q_hwm_lo")" "$(mib "$q_hwm_hi")" \
    "$(mib "$b_hwm")" "$(mib "$b_hwm_lo")" "$(mib "$b_hwm_hi")" "$hwm_ratio" \
    "$(verdict "$hwm_ratio" '<=' 1.3)"
printf '| Idle: processor time (utime+stime) in %s s with the setup window open, clock ticking (median of %s) | %s s = %s %% of one core (range %s–%s s%s) | | | < 1 %% of one core | %s |\n' \
    "$IDLE_SECONDS" "$RUNS" "$idle" "$idle_p" "$idle_lo" "$idle_hi" "$(sched_note "$idle_s")" \
    "$(verdict "$idle_p" '<' 1)"
printf '| Waiting: processor time (utime+stime) during the wait after Send with delay %s s, per 10 s (median of %s) | %s s (range %s–%s s%s) | | | < 0.05 s | %s |\n' \
    "$DELAY" "$RUNS" "$waiting" "$waiting_lo" "$waiting_hi" "$(sched_note "$waiting_s")" \
    "$(verdict "$waiting" '<' 0.05)"
printf '| Punctuality: fax mapped after the wait'"'"'s deadline (median of %s; range) | %s ms (%s–%s) | | | median < 20 ms | %s |\n' \
    "$RUNS" "$late" "$late_lo" "$late_hi" "$(verdict "$late" '<' 20)"
for box in message sender; do
    idle_var=li_$box idle_hi_var=li_${box}_hi keys_var=lk_$box keys_hi_var=lk_${box}_hi
    label=$([ "$box" = message ] && echo "the message box" || echo "the sender box (one line)")
    printf '| A line of %s characters in %s, focused: processor time while idle (median of %s runs of %s s; highest) | %s %% of one core (%s %%) | | | < 2 %% of one core | %s |\n' \
        "$LONG_LINE_CHARS" "$label" "$LONG_RUNS" "$IDLE_SECONDS" "${!idle_var}" "${!idle_hi_var}" \
        "$(verdict "${!idle_var}" '<' 2)"
    printf '| The same: a typed character drawn after, up to the limit of %s (median of %s keys; slowest) | %s ms (%s ms) | | | median < 50 ms, slowest < 100 ms | %s |\n' \
        "$((LONG_LINE_CHARS + LONG_KEYS))" "$((LONG_RUNS * LONG_KEYS))" "${!keys_var}" "${!keys_hi_var}" \
        "$(if e2e_cmp "${!keys_var}" '<' 50 && e2e_cmp "${!keys_hi_var}" '<' 100; then echo yes; else echo "**no**"; fi)"
done
e2e_say "the table of record is kept in docs/benchmark.md: paste this one there, under 'Latest run'"

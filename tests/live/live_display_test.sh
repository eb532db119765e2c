#!/usr/bin/env bash
# The live display on a virtual X server (Xvfb):
# - the spin page used with xdotool: the whole number's up arrow clicked, digits typed, keys
#   with no mapping pressed, the window shrunk and grown again (a storm of exposures); the
#   transcript shows the steps, and the window's pixels (xwd) equal the platform's framebuffer
#   in the control's area;
# - the window closed while a modal dialog and its error box are up: a clean exit;
# - the display going away: one line and exit status 1, no hang;
# - no display at all, or one that cannot be opened: one line and a non-zero exit.
# Every wait is for an event (a line of output, the window's idle answer), never a fixed time.
set -euo pipefail
gallery=$1
tool=$2
for cmd in Xvfb xdotool xwd; do
    command -v "$cmd" >/dev/null || { echo "skipped: $cmd is not installed"; exit 77; }
done
work=$(mktemp -d)
xvfb_pid=
gallery_pid=
cleanup() {
    [[ -n $gallery_pid ]] && kill "$gallery_pid" 2>/dev/null || true
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [[ -f $work/out.txt ]] && sed 's/^/  | /' "$work/out.txt" >&2
    exit 1
}

# Waits (up to 20 s) until the file has a line matching the pattern.
wait_for_line() {
    local file=$1 pattern=$2
    for _ in $(seq 2000); do
        grep -q -- "$pattern" "$file" 2>/dev/null && return 0
        kill -0 "$gallery_pid" 2>/dev/null || break
        sleep 0.01
    done
    grep -q -- "$pattern" "$file" 2>/dev/null || fail "no line '$pattern'"
}

# Waits (up to 20 s) for the gallery to end; its exit status in $status.
wait_exit() {
    for _ in $(seq 2000); do
        kill -0 "$gallery_pid" 2>/dev/null || break
        sleep 0.01
    done
    kill -0 "$gallery_pid" 2>/dev/null && fail "the gallery hangs"
    set +e
    wait "$gallery_pid"
    status=$?
    set -e
    gallery_pid=
}

start_xvfb() {
    Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 2000); do
        [[ -s $work/display ]] && break
        sleep 0.01
    done
    [[ -s $work/display ]] || fail "Xvfb did not start"
    export DISPLAY=:$(head -1 "$work/display")
}

# Starts the gallery live on a page; $window is its X window.
start_gallery() {
    # The last run's transcript goes first: the new process truncates it only once it runs, and
    # until then its old "X window" line would be read as this run's.
    rm -f "$work/out.txt" "$work/err.txt"
    "$gallery" --live --page "$1" --out "$work" >"$work/out.txt" 2>"$work/err.txt" &
    gallery_pid=$!
    wait_for_line "$work/out.txt" "live: X window"
    window=$(awk '/live: X window/ {print $4}' "$work/out.txt")
    "$tool" idle "$window" || fail "the window never showed"
}

# ---- No display ------------------------------------------------------------------------------
for display in "" ":9999"; do
    set +e
    DISPLAY=$display "$gallery" --live >/dev/null 2>"$work/err.txt"
    status=$?
    set -e
    [[ $status -ne 0 ]] || fail "DISPLAY='$display' exits 0"
    [[ $(wc -l <"$work/err.txt") -eq 1 ]] || fail "DISPLAY='$display' says: $(cat "$work/err.txt")"
done
grep -q "cannot open the X display :9999" "$work/err.txt" || fail "the bad display is not named"

start_xvfb

# ---- The spin page used ----------------------------------------------------------------------
start_gallery spin
read -r left top width height up_x up_y < <(sed -n \
    's/^whole number at \([0-9]*\),\([0-9]*\) \([0-9]*\)x\([0-9]*\), up arrow at \([0-9]*\),\([0-9]*\)$/\1 \2 \3 \4 \5 \6/p' \
    "$work/out.txt")
[[ -n ${up_y:-} ]] || fail "the page did not say where the whole number is"

xdotool mousemove "$up_x" "$up_y" click 1 click 1
"$tool" idle "$window"
[[ $(grep -c 'whole number (id 11) code 100 stepped up   text "52"' "$work/out.txt") -eq 1 ]] ||
    fail "two clicks on the up arrow did not step 42 to 52"

# Into the whole number's field, its text selected by the dialog manager's Tab, then digits.
xdotool mousemove $((left + 4)) $((top + height / 2)) click 1
xdotool key Shift+Tab Tab
xdotool type 63
# Keys the US layout lacks: a dead key, a media key (keysym above 255) and an accented letter.
xdotool key dead_acute XF86AudioPlay eacute
"$tool" idle "$window"
grep -q 'whole number (id 11) code 768 EN_CHANGE    text "63"' "$work/out.txt" ||
    fail "typing 63 into the whole number did not show 63"
# What the changed areas alone made of the window.
xwd -id "$window" -silent -out "$work/drawn.xwd"

# A storm of exposures: the window shrunk and grown back again and again.
for _ in $(seq 10); do
    xdotool windowsize "$window" 200 150 windowsize "$window" 1024 768
done
"$tool" idle "$window"
xwd -id "$window" -silent -out "$work/window.xwd" # repainted from exposures
"$tool" close "$window"
wait_exit
[[ $status -eq 0 ]] || fail "closing the window exits $status: $(cat "$work/err.txt")"
grep -q '^values: whole 63;' "$work/out.txt" || fail "the host did not end with 63"
"$tool" compare "$work/drawn.xwd" "$work/spin-live.png" "$left" "$top" "$width" "$height" ||
    fail "the window differs from the framebuffer"
"$tool" compare "$work/window.xwd" "$work/spin-live.png" 0 0 1024 768 ||
    fail "after the exposures the window differs from the framebuffer"

# ---- Closed while a modal dialog and its error box are up -------------------------------------
start_gallery dialog-base
xdotool key space # the focused "Show error" button
"$tool" idle "$window"
grep -q 'host calls ShowError' "$work/out.txt" || fail "the error box did not open"
"$tool" close "$window"
wait_exit
[[ $status -eq 0 ]] || fail "closing during a modal dialog exits $status"
grep -q 'DoModal returned -1 (the application is quitting)' "$work/out.txt" ||
    fail "the modal dialog did not end with the application"

# ---- The display goes away -------------------------------------------------------------------
# The process ends from Xlib's I/O error handler, with the dead connection still allocated:
# that is not a leak worth reporting.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
start_gallery spin
kill "$xvfb_pid"
wait "$xvfb_pid" 2>/dev/null || true
xvfb_pid=
wait_exit
[[ $status -eq 1 ]] || fail "a vanished display exits $status"
grep -q 'the X display went away' "$work/err.txt" || fail "a vanished display is not reported"
echo "live display: ok"

# What the tests under weston share: the windows weston shows, from its scene graph, and
# clicks into weston's window on the Xvfb screen. Sourced, not run.

# Weston's windows, top first, as "title| left top right bottom".
views() {
    weston-debug scene-graph 2>/dev/null | awk -v q="'" '/role xdg_toplevel/ &&
        match($0, "top-level window " q "[^" q "]*" q) { title = substr($0, RSTART + 18, RLENGTH - 19) }
        title != "" && /position:/ { gsub(/[^0-9]+/, " "); print title "|" $0; title = "" }'
}
# The topmost window titled $1 that is $2 (narrower or wider) than the game window.
window() { views | awk -F'|' -v t="$1" -v w="$2" '$1 == t { split($2, r, " ")
    if ((r[3] - r[1] < 723) == (w == "narrower")) { print; found = 1; exit } } END { exit !found }'; }
gone() { ! views | grep -qxF "$1"; }
# Waits for a box titled $1, narrower than the game window, and answers it with Return.
answer() {
    local box; box=$(poll window "$1" narrower) && xdotool key Return && poll gone "$box" ||
        { echo "no box \"$1\" that Return closes"; exit 1; }
}
# Moves the pointer to ($1, $2) of weston's screen. Weston's window learns where the pointer
# is when it enters and follows relative moves after, so the pointer enters anew.
point() { xdotool mousemove 9999 9999 sleep 0.1 mousemove "$1" "$2" sleep 0.1; }

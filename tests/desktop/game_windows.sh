# What the desktop tests share: waiting for a condition, and finding and answering the
# real game's windows on an X display. Sourced, not run.

# A command that fails under set -e says which, so that no test ends without a word.
trap 'echo "${BASH_SOURCE[0]##*/}, line $LINENO: \"$BASH_COMMAND\" failed" >&2' ERR

# Runs a command until it succeeds, for up to 30 s: beside a build or other tests the
# program can take long to show a window.
poll() { for _ in $(seq 300); do "$@" && return; sleep 0.1; done; return 1; }

# The first viewable window of the game whose first _NET_WM_WINDOW_TYPE is the one given.
game_window() {
    for id in $(xdotool search --onlyvisible --name '^Tarvelon 2000$' 2>/dev/null); do
        xprop -id "$id" _NET_WM_WINDOW_TYPE | grep -q "= _NET_WM_WINDOW_TYPE_$1" && echo "$id" && return
    done
    return 1
}
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }

# Answers the start-up boxes with Return until the game window shows; sets `main` to it
# and `boxes` to the number of boxes answered.
answer_greeting() {
    boxes=0
    until main=$(game_window NORMAL); do
        box=$(poll game_window DIALOG) || { echo "no start-up box and no game window"; return 1; }
        # Keys go where the X focus is, which a window manager just started may give the
        # box only a moment after it is mapped; with none, the box takes it itself.
        poll eval 'xdotool windowactivate "$box" || xdotool windowfocus "$box"; [ "$(xdotool getwindowfocus)" = "$box" ]' 2>/dev/null &&
            xdotool key Return
        poll eval '! viewable "$box"' || { echo "Return did not close a start-up box"; return 1; }
        boxes=$((boxes + 1))
    done
}

#!/usr/bin/env bash
# Runs inside a virtual X display: starts the program twice with the command given and works
# its window with the mouse. The first run stores 47 in memory 1; the second clears the readout
# and recalls memory 1. Both leave by "File > Exit Program" and "Yes".
# Usage: drive_program.sh COMMAND LOG
set -euo pipefail
command=$1
log=$2
exec 3>&1 >>"$log" 2>&1

# Places in the window's client area, below the menu bar: the keypad (its left top corner is
# at 478, 8) and the "Yes" button of the exit question.
key4=(498 51)
key7=(498 78)
mr1=(498 241)
ms1=(498 268)
ce=(570 295)
yes=(265 214)

start() {
    echo "$(date +%T.%N) starting $command"
    $command &
    pid=$!
    # The main window appears once the splash has had its three seconds.
    wid=$(timeout 60 xdotool search --sync --onlyvisible --name '^Pelcor educational software')
    wid=${wid%%$'\n'*}
    sleep 0.5
    # The client area starts below the menu bar: the window's height less the client's 509.
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    menu=$((HEIGHT - 509))
    echo "$(date +%T.%N) window $wid ${WIDTH}x$HEIGHT, menu bar $menu"
}

click() {
    xdotool mousemove --window "$wid" "$1" $(($2 + menu)) click 1
    sleep 0.6
}

leave() {
    # "File" is the first heading; "Exit Program" is the last item of its menu.
    xdotool mousemove --window "$wid" 15 $((menu / 2)) click 1
    sleep 1
    xdotool key Up Return
    sleep 1
    click "${yes[@]}"
    for _ in $(seq 300); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "the program did not exit"
        kill "$pid"
        return 1
    fi
    wait "$pid"
    echo "$(date +%T.%N) the program has exited"
}

start
click "${key4[@]}"
click "${key7[@]}"
click "${ms1[@]}"
leave

start
click "${ce[@]}"
click "${mr1[@]}"
leave

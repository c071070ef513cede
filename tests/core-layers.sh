#!/bin/sh
# Fails when a room of src/core includes a room that is not below it, or the
# simulated meter in src/sim, which sits on top of the core.
# Usage: core-layers.sh SRC_DIR
set -eu
core="$1/core"

allowed() {
    case "$1" in
    platform | draw | util) echo "" ;;
    measure) echo "util" ;;
    graph) echo "draw measure util" ;;
    store) echo "measure platform util" ;;
    files) echo "measure platform store util" ;;
    link) echo "measure platform util" ;;
    panel) echo "draw link measure platform util" ;;
    realtime) echo "draw files graph link measure platform store util" ;;
    download) echo "files link measure platform store util" ;;
    logger) echo "draw files graph measure platform store util" ;;
    report) echo "draw files graph measure platform realtime store survey util" ;;
    journal) echo "files measure platform store util" ;;
    memory | survey) echo "files measure platform store util" ;;
    app) echo "download draw files graph journal link logger measure memory panel platform realtime report store survey util" ;;
    *) echo "unknown" ;;
    esac
}

status=0
for dir in "$core"/*/; do
    room=$(basename "$dir")
    below=$(allowed "$room")
    if [ "$below" = unknown ]; then
        echo "core/$room has no place in the layer list of $0"
        status=1
        continue
    fi
    if grep -rlE '#include *"sim/' "$dir"; then
        echo "core/$room includes sim/, which the core must not use"
        status=1
    fi
    for used in $(grep -rhoE '#include "core/[a-z]+/' "$dir" | sed -E 's#.*core/([a-z]+)/#\1#' | sort -u); do
        [ "$used" = "$room" ] && continue
        case " $below " in
        *" $used "*) ;;
        *)
            echo "core/$room includes core/$used, which is not below it"
            status=1
            ;;
        esac
    done
done
exit $status

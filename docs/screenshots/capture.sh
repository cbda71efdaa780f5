#!/bin/bash
# Takes the screenshots of this folder: both programs under Xvfb at start,
# with the master EQ open, and while a band handle is dragged.
# Usage: docs/screenshots/capture.sh <build dir>   (needs xvfb-run, xdotool, imagemagick)
set -eu
build=${1:-build}
out=$(cd "$(dirname "$0")" && pwd)

run() {  # run <program> <script of xdotool steps and shots>
    xvfb-run -a -s "-screen 0 760x800x24 -dpi 96" bash -c "
        $build/app/$1 & pid=\$!
        sleep 2
        shot() { import -window root -crop 750x\$2+0+0 +repage \"$out/\$1\"; }
        $2
        kill \$pid"
}

# The window sits at 0,0; the menu bar is 20 pixels high, so a client
# position (x, y) is on the screen at (x, y + 20).
drag() {  # drag <from x> <from y> <to x> <to y>
    echo "xdotool mousemove $1 $2 mousedown 1; for i in 1 2 3 4 5 6 7 8; do
          xdotool mousemove \$(( $1 + ($3 - $1) * i / 8 )) \$(( $2 + ($4 - $2) * i / 8 )); sleep 0.05; done
          xdotool mouseup 1; sleep 0.5;"
}

# Edition A: the master EQ is open from the start. Image5 sits at client
# (10, 187); band 3's handle at (236, 86) of the plot.
run ampdesk "
    shot edition-a-start.png 787
    $(drag 246 293 380 243)
    $(drag 439 293 560 380)
    shot edition-a-master-eq-dragged.png 787"

# Edition B: the strip at start, then the master EQ button (client 122, 120).
run ampdesk-b "
    shot edition-b-start.png 753
    xdotool mousemove 122 140 click 1; sleep 0.5
    shot edition-b-master-eq.png 753
    $(drag 246 529 380 479)
    $(drag 439 529 560 616)
    shot edition-b-master-eq-dragged.png 753
    xdotool mousemove 173 173 click 1; sleep 0.5
    shot edition-b-gain-panel.png 753
    xdotool mousemove 365 173 click 1; sleep 0.5
    shot edition-b-delay-panel.png 753"

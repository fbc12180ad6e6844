#!/bin/bash
# Takes the README screenshots from the real program under Xvfb: xvfb-run -a scripts/readme_screenshots.sh
# (needs xdotool and imagemagick).
cd "$(dirname "$0")/.."
export BRISKLANE_HELP_DIR=$PWD/build/help
build/brisklane & pid=$!
sleep 2
import -window root -crop 641x454+0+0 docs/main-menu.png
wid=$(xdotool search --name "Brisklane Menu" | head -1); xdotool windowfocus --sync $wid; sleep 0.5
xdotool key --window $wid alt+m; sleep 1
xdotool key alt+c; sleep 1
import -window root -crop 641x454+0+0 docs/mortgage-schedule.png
kill $pid

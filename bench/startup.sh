#!/bin/sh
# Time from starting the program to its main window (800 x 500 on a fresh
# store) being mapped on the X server.
export HOME=/tmp/st-home XDG_CONFIG_HOME=/tmp/st-home/config XDG_RUNTIME_DIR=/tmp/st-home/rt
mkdir -p $XDG_CONFIG_HOME/Tarnwick $XDG_RUNTIME_DIR; chmod 700 $XDG_RUNTIME_DIR
for i in 1 2 3 4 5 6; do
  printf '[Settings]\nShowStart=false\n' > $XDG_CONFIG_HOME/Tarnwick/Velmora.conf
  s=$(date +%s%N)
  $1 & pid=$!
  n=0
  until xdotool search --onlyvisible --name 'Velmora' getwindowgeometry %@ 2>/dev/null | grep -q 800x500; do sleep 0.003; n=$((n+1)); [ $n -gt 2000 ] && break; done
  e=$(date +%s%N)
  echo "run $i: $(( (e - s) / 1000000 )) ms"
  kill $pid; wait $pid 2>/dev/null
done

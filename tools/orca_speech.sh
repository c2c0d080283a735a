#!/usr/bin/env bash
# SPDX-License-Identifier: EUPL-1.2
# What the Orca screen reader says during an evaluation made with the keyboard alone: the
# program and Orca (speech off, its debug log on) on a virtual screen with their own buses;
# a name typed, boxes ticked, then "Calcul du GIR" (Alt+C) and "Vérifier" (Alt+V). Prints the
# lines Orca would have spoken after each step (`scripts/setup.sh orca` installs what it needs).
#   tools/orca_speech.sh PROGRAM [DEBUG_LOG]
set -euo pipefail
program=$(realpath "$1")
log=$(realpath -m "${2:-$(mktemp -d)/orca-debug.out}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export program log work
xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash -c '
  set -u
  export HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
  # Until Orca has gone through the events of a step: its log still for ten seconds.
  settle() {
    local size=-1 still=0
    for _ in $(seq 60); do
      if [ "$(stat -c %s "$log")" = "$size" ]; then
        still=$((still + 1))
        [ "$still" -ge 5 ] && return
      else
        still=0
      fi
      size=$(stat -c %s "$log")
      sleep 2
    done
  }
  # Each step, then the number of lines the log has once Orca spoke.
  step() {
    local name=$1
    shift
    xdotool "$@"
    settle
    echo "$(wc -l < "$log")|$name" >> "$work/steps"
  }
  /usr/libexec/at-spi-bus-launcher --launch-immediately & bus=$!
  sleep 1
  orca --replace --disable speech --disable braille --user-prefs "$work/orca" \
    --debug-file "$log" & reader=$!
  sleep 4
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" & app=$!
  window=""
  for _ in $(seq 50); do
    window=$(xdotool search --name "Modèle SORVANE" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.2
  done
  # Under the virtual screen Orca tells a key and what it did only once two more keys came:
  # Shift twice ends each step.
  step "Début" windowfocus --sync "$window"
  step "Nom tapé" type --delay 50 "DUPONT"
  # Tab to the grid (first name, file number, address, the first NE FAIT PAS), Down to row
  # 21, then NE FAIT PAS ticked for orientation and coherence: C, with moving about coded A,
  # which the check marks.
  step "Orientation et cohérence : NE FAIT PAS" key --delay 300 Tab Tab Tab Tab \
    $(printf "Down %.0s" $(seq 20)) space Down space Down space Down space shift shift
  step "Calcul du GIR" key --delay 500 alt+c shift shift
  step "Vérifier" key --delay 500 alt+v shift shift
  kill "$app" "$reader" "$bus" 2>/dev/null || true
  cp "$work/steps" "$log.steps"
'
previous=0
while IFS="|" read -r lines name; do
  echo "== $name"
  sed -n "$((previous + 1)),${lines}p" "$log" | grep -o "SPEECH OUTPUT: .*" | sed "s/ *{.*}$//" || true
  previous=$lines
done < "$log.steps"

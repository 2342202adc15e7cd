#!/usr/bin/env bash
# Flies the path of flight.txt on the headless runner and checks from the trace, tick by tick:
# the view follows the player's ship at its heading and thrust and stands still at thrust 0 and
# while paused; the stars drift while flying; the ship shows the sprite cell of its heading; every
# frame issues exactly the blits it must draw; the pixel layer moves with the stars and stands
# still in the paused opening menu.
# Usage: flight.sh KELMORA_HEADLESS FLIGHT_SCRIPT
set -euo pipefail
binary=$1 script=$2
command -v jq >/dev/null || { echo "flight: jq is not installed (make deps installs it)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
"$binary" --seed 1 --ticks 260 --script "$script" --trace "$work/trace.jsonl" --quiet || status=$?
[ "$status" -eq 0 ] || { echo "flight: the runner exited with status $status"; exit 1; }

jq -rn '
def wrap16: ((. + 32768) % 65536 + 65536) % 65536 - 32768;
# One frame of flight from camera $c: 3 x thrust units along heading $h (0 up, clockwise).
def step($c; $h; $t): ($h / 16 * 6.2831854820251465) as $a
  | [($c[0] + 3 * $t * ($a | sin) | trunc | wrap16), ($c[1] - 3 * $t * ($a | cos) | trunc | wrap16)];
def labelLength($i): "\(.[12]):\(if $i == 0 then "Vy" else "Drone" end):\(.[4])" | length;
def alive: .ships[0][6] == 1;
def fail($t; $what): "tick \($t): \($what)";

[inputs] as $lines
| [range(1; $lines | length) | {p: $lines[. - 1], c: $lines[.]}] as $pairs
| ($pairs[] | .p as $p | .c as $c | $c.tick as $t | $c.player as $pl | $c.ships[0] as $me
  | (if $c.paused == 1 then
       (if $c.camera != $p.camera then fail($t; "the camera moved while paused") else empty end),
       (if $c.stars != $p.stars then fail($t; "the stars changed while paused") else empty end),
       (if ($p.paused == 1 and ($c | alive | not)) and $c.pixels != $p.pixels
        then fail($t; "the pixel layer changed in the paused menu") else empty end)
     else
       # A new game between frames puts the camera back at the origin.
       (if ($p | alive | not) and ($c | alive) then [0, 0] else $p.camera end) as $from
       | step($from; $pl.heading; $pl.thrust) as $want
       | (if $c.camera != $want then fail($t; "camera \($c.camera), want \($want) from \($from)")
          else empty end),
         (if $me[0:2] != $c.camera or $me[2] != $pl.heading or $me[3] != $pl.thrust
          then fail($t; "the player ship \($me[0:4]) is not at the camera with heading and thrust")
          else empty end),
         (if $pl.thrust > 0 and $c.stars == $p.stars
          then fail($t; "the stars stood still at thrust \($pl.thrust)") else empty end),
         (if $pl.thrust > 0 and $c.pixels == $p.pixels
          then fail($t; "the pixel layer stood still at thrust \($pl.thrust)") else empty end),
         (if $p.tick > 0 and $p.paused == 0 and $pl.thrust == 0 and $p.player.thrust == 0
             and $c.stars != $p.stars then fail($t; "the stars moved at thrust 0") else empty end),
         (if $c | alive then
            (31 * $me[7]) as $row | [(31 * $me[2] | trunc), $row, (31 * $me[2] + 30 | trunc), $row + 30]
            | if $me[14] != . then fail($t; "sprite cell \($me[14]), want \(.)") else empty end
          else empty end)
     end),
    # Flying, with no missile about: the pixel layer copy, each alive ship label as it stood
    # when drawn plus its sprite, every pickup, five score digits and the missile icons.
    (if ($p | alive) and ($c | alive) and $p.missiles.active == [] and $c.missiles.active == []
     then (1 + ([$p.ships | to_entries[] | select(.value[6] == 1) | .key as $i | (.value | labelLength($i)) + 1]
               | add) + $c.pickups.count + 5 + $p.ships[0][9]) as $want
          | if $c.blits.count != $want then fail($t; "\($c.blits.count) blits, want \($want)")
            else empty end
     else empty end)),
  # The path must really cover what was checked.
  ({"paused menu": [$pairs[] | select(.c.paused == 1 and (.c | alive | not))] | length,
    "paused flight": [$pairs[] | select(.c.paused == 1 and (.c | alive))] | length,
    "flight at thrust 0": [$pairs[] | select(.c.paused == 0 and (.c | alive)
                                             and .c.player.thrust == 0)] | length,
    "headings flown": [$lines[] | select(alive) | .player.heading] | unique | length,
    "firing cells": [$lines[] | select(alive and .ships[0][7] == 1)] | length,
    "drone labels changing in flight": [$pairs[] | select((.p | alive) and (.c | alive)
                                        and .c.blits.count != .p.blits.count)] | length}
   | to_entries[] | select(.value < 2) | fail("-"; "the path has too few ticks of \(.key)"))
' "$work/trace.jsonl" >"$work/failures"

if [ -s "$work/failures" ]; then
  echo "flight: $(wc -l <"$work/failures") failed checks, the first:"
  head -20 "$work/failures"
  exit 1
fi
echo "flight: $(($(wc -l <"$work/trace.jsonl") - 1)) ticks checked"

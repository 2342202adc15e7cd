#!/usr/bin/env bash
# A long fight at the largest settings (125 drones, 5000 particles per explosion, 1500 pickups),
# played from fight.txt. Every trace line must keep the tables within their sizes and the rings
# within their slots, the run must end with exit status 0, and there must really have been a
# fight: shots, missiles, explosions and points.
# Usage: fight.sh KELMORA_HEADLESS FIGHT_SCRIPT   (the script closes the game at tick 3000)
set -euo pipefail
binary=$1 script=$2 ticks=3000
command -v jq >/dev/null || { echo "fight: jq is not installed (make deps installs it)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
"$binary" --seed 1 --ticks "$ticks" --set drones=125 --set particles=5000 --set pickups=1500 \
  --script "$script" --trace "$work/trace.jsonl" --quiet || status=$?
[ "$status" -eq 0 ] || { echo "fight: the runner exited with status $status"; exit 1; }

jq -r '
def fail($what): "tick \(.tick): \($what)";
def within($lo; $hi): . >= $lo and . <= $hi;
(if (.settings | [.drones, .particles, .pickupSetting, .shipCount]) != [125, 5000, 1500, 126]
 then fail("settings \(.settings)") else empty end),
(if (.ships | length) != 126 then fail("\(.ships | length) ships, want 126") else empty end),
(if .pickups.count != 1500 then fail("pickups.count \(.pickups.count), want 1500") else empty end),
(if (.shots.next | within(0; 99)) | not then fail("shots.next \(.shots.next)") else empty end),
(if (.shots.active | length) > 100 or any(.shots.active[]; .[0] | within(0; 99) | not)
 then fail("\(.shots.active | length) active shots") else empty end),
(if (.missiles.next | within(0; 19)) | not then fail("missiles.next \(.missiles.next)")
 else empty end),
(if (.missiles.active | length) > 20 or any(.missiles.active[]; .[0] | within(0; 19) | not)
 then fail("\(.missiles.active | length) active missiles") else empty end),
(if (.explosions.next | within(0; 9)) | not then fail("explosions.next \(.explosions.next)")
 else empty end),
(if (.explosions.slots | length) > 10 then fail("\(.explosions.slots | length) explosions")
 else empty end),
(.explosions.slots[] as $s
 | if ($s[0] | within(0; 9)) and ($s[1] | within(1; 5000)) and ($s[2] | within(0; 50)) then empty
   else fail("explosion [slot, count, age] \($s[0:3])") end),
(if .boxes != [] then fail("message boxes \(.boxes)") else empty end),
(if .tick == 3000 then (if .exit != 0 then fail("exit \(.exit), want 0") else empty end)
 elif has("exit") then fail("the game ended early with exit \(.exit)") else empty end)
' "$work/trace.jsonl" >"$work/failures"

if [ -s "$work/failures" ]; then
  echo "fight: $(wc -l <"$work/failures") failed checks, the first:"
  head -20 "$work/failures"
  exit 1
fi
last=$(tail -n 1 "$work/trace.jsonl" | jq .tick)
[ "$last" -eq "$ticks" ] || { echo "fight: the trace ends at tick $last, want $ticks"; exit 1; }

# The fight itself: the most of each thing seen on any tick.
jq -rn 'reduce inputs as $l ({};
  .explosions = ([.explosions, ($l.explosions.slots | length)] | max)
  | .shots = ([.shots, ($l.shots.active | length)] | max)
  | .missiles = ([.missiles, ($l.missiles.active | length)] | max)
  | .score = ([.score, ($l.ships[][12])] | max))
  | to_entries[] | select(.value < 1) | "no tick had any \(.key)"' "$work/trace.jsonl" \
  >"$work/failures"
if [ -s "$work/failures" ]; then
  echo "fight: there was no fight:"
  cat "$work/failures"
  exit 1
fi
echo "fight: $ticks ticks checked"

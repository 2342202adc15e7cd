#!/usr/bin/env bash
# Writes the seed corpus of fuzz_bitmap: a few tiny bitmap files, some sound and some broken in
# the ways a damaged or hostile file would be.
# Usage: make_seeds.sh DIRECTORY
set -euo pipefail
out=${1:?usage: make_seeds.sh DIRECTORY}
mkdir -p "$out"

# Little-endian fields, appended to `bytes` as printf escapes (no subshells: this stays quick).
bytes=""
u8() {
  local escape
  printf -v escape '\\x%02x' $(($1 & 0xFF))
  bytes+=$escape
}
u16() { u8 "$1"; u8 $(($1 >> 8)); }
u32() { u16 $(($1 & 0xFFFF)); u16 $((($1 >> 16) & 0xFFFF)); }

# A file: NAME WIDTH HEIGHT [key=value...]. Keys: size (header size), bits, compression, planes,
# used (colours used), table (colour entries written), offset (pixel offset in the file header,
# "auto" by default), pixels (pixel bytes written, the padded rows by default), magic.
bitmap() {
  local name=$1 width=$2 height=$3
  shift 3
  local size=40 bits=8 compression=0 planes=1 used=0 table="" offset=auto pixels="" magic=BM
  local pair
  for pair in "$@"; do
    local key=${pair%%=*} value=${pair#*=}
    case $key in
      size) size=$value ;; bits) bits=$value ;; compression) compression=$value ;;
      planes) planes=$value ;; used) used=$value ;; table) table=$value ;;
      offset) offset=$value ;; pixels) pixels=$value ;; magic) magic=$value ;;
      *) echo "unknown key $key" >&2; exit 1 ;;
    esac
  done
  [ -n "$table" ] || table=$((used != 0 ? used : 256))
  local rows=$((height < 0 ? -height : height))
  local stride=$(((width + 3) & ~3))
  [ -n "$pixels" ] || pixels=$((stride * rows))
  [ "$offset" != auto ] || offset=$((14 + size + table * 4))
  bytes=$magic
  u32 $((14 + size + table * 4 + pixels)); u32 0; u32 "$offset"
  u32 "$size"; u32 "$width"; u32 "$height"; u16 "$planes"; u16 "$bits"
  u32 "$compression"; u32 $((stride * rows)); u32 2835; u32 2835; u32 "$used"; u32 0
  # Header bytes past the 40 that every header has (a header that claims to be longer than any
  # file gets none).
  local i
  for ((i = 40; i < size && i < 124; i++)); do u8 0; done
  # Colour table: a grey ramp, blue, green, red, reserved.
  for ((i = 0; i < table; i++)); do u8 "$i"; u8 "$i"; u8 "$i"; u8 0; done
  # Pixels: a small pattern.
  for ((i = 0; i < pixels; i++)); do u8 $((i * 7 + 3)); done
  printf "$bytes" >"$out/$name.bmp"
}

# Sound files.
bitmap one-pixel 1 1
bitmap top-down-four-colours 3 -2 used=4
bitmap wide-row 9 2 used=2
bitmap long-header 5 3 size=124 used=16
bitmap bottom-up-square 8 8 used=255

# Broken files.
bitmap truncated-pixels 4 4 used=2 pixels=7
bitmap truncated-table 2 2 used=200 table=3 pixels=0
bitmap too-many-colours 2 2 used=257 table=4
bitmap four-bits 2 2 bits=4 used=16
bitmap compressed 2 2 compression=1 used=2
bitmap no-width 0 2 used=2
bitmap huge-width 100000 1 used=2 pixels=16
bitmap most-negative-height 1 -2147483648 used=2 pixels=8
bitmap huge-height 4 5000 used=2 pixels=16
bitmap short-header 2 2 size=39 used=2
bitmap header-past-end 2 2 size=4294967280 used=2
bitmap wrong-offset 2 2 used=2 offset=60
bitmap zero-offset 2 2 used=2 offset=0
bitmap two-planes 2 2 planes=2 used=2
bitmap not-a-bitmap 2 2 used=2 magic=MB
printf 'BM' >"$out/only-magic.bmp"

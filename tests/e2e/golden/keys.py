#!/usr/bin/env python3
"""A short digest of every top-level value of every trace line, to name the keys that differ.

usage: keys.py make TRACE WHOLE            writes the digests of TRACE (whose SHA-256 is WHOLE)
       keys.py diff DIGESTS TRACE INDEX    names the keys of line INDEX of TRACE that differ from
                                           the recording

The digests file starts with `trace WHOLE`, the SHA-256 of the trace it was made from, so that it
is only ever read beside the recording of that very trace; then a line of the keys in their order;
then, for each trace line, the first four hex digits of the CRC-32 of each key's value as the
trace writes it (absent keys have the digest of nothing). Four digits keep the file small: one
differing value in 65536 may pass unnoticed, which the whole-trace SHA-256 still catches.
"""
import json
import sys
import zlib


def values(line):
    """The text of each top-level value of a trace line, in the line's order."""
    decoder = json.JSONDecoder()
    text = line.strip()
    result = {}
    # Read the object member by member, keeping each value's own text (no reformatting).
    i = 1
    while i < len(text) and text[i] != '}':
        key, i = decoder.raw_decode(text, i)
        i += 1  # the colon
        start = i
        _, i = decoder.raw_decode(text, i)
        result[key] = text[start:i]
        if i < len(text) and text[i] == ',':
            i += 1
    return result


def digest(value):
    return '%04x' % (zlib.crc32(value.encode()) >> 16)


def make(trace, whole):
    keys = []
    rows = []
    with open(trace, encoding='utf-8') as lines:
        for line in lines:
            line_values = values(line)
            for key in line_values:
                if key not in keys:
                    keys.append(key)
            rows.append(line_values)
    print('trace', whole)
    print(' '.join(keys))
    for row in rows:
        print(' '.join(digest(row.get(key, '')) for key in keys))


def diff(digests, trace, index):
    with open(digests, encoding='utf-8') as lines:
        lines.readline()
        keys = lines.readline().split()
        recorded = None
        for number, row in enumerate(lines):
            if number == index:
                recorded = row.split()
                break
    with open(trace, encoding='utf-8') as lines:
        line = next((text for number, text in enumerate(lines) if number == index), None)
    if line is None or recorded is None:
        print('line %d is missing from %s' % (index, 'this run' if line is None else 'the recording'))
        return
    line_values = values(line)
    differing = [key for key, want in zip(keys, recorded)
                 if digest(line_values.get(key, '')) != want]
    differing += [key for key in line_values if key not in keys]
    if not differing:
        print('no key differs by its digest; the difference lies in the key order or spacing')
        return
    print('keys that differ at this tick: ' + ', '.join(differing))
    for key in differing:
        value = line_values.get(key, '(absent)')
        print('  %s in this run: %s%s' % (key, value[:200], '...' if len(value) > 200 else ''))


def main(argv):
    if len(argv) == 4 and argv[1] == 'make':
        make(argv[2], argv[3])
    elif len(argv) == 5 and argv[1] == 'diff':
        diff(argv[2], argv[3], int(argv[4]))
    else:
        sys.stderr.write(__doc__)
        return 2
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))

#!/bin/sh
# The report's JSON, of the example set and of a name full of control characters, as Python's
# own parser reads it; the same name in the text format, made printable.
#   json_parses.sh <gemwright-report> <example set>
set -eu
report=$1
example=$2
odd=$(mktemp)
trap 'rm -f "$odd"' EXIT
"$report" --format json "$example" | python3 -m json.tool >/dev/null
printf 'ITEM00_NAME=a\001\033"\\\tb\351\177\n' >"$odd"
"$report" --format json "$odd" | python3 -c '
import json, sys
name = json.load(sys.stdin)["items"][0]["name"]
assert name == "a\x01\x1b\"\\\tb\xe9\x7f", repr(name)
'
"$report" "$odd" | python3 -c '
import sys
first = sys.stdin.buffer.readline()
assert first.startswith(b"Chest:") and b" \"a??\"\\?b\xc3\xa9?\", level" in first, first
'

#!/usr/bin/env bash
# The build places the user's files beside the program only when they are absent,
# and refreshes the read-only data. Configures a scratch build of the data step alone
# against a scratch copy of data/.
set -euo pipefail
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/data"
printf 'AAA  N\xb030.41,W\xb0-88.02\r\n' > "$work/data/AL.txt"
printf '000000000000\r\n0\r\n-1\r\n0\r\n0\r\n0\r\n0\r\n' > "$work/data/Parm.dat"
printf 'TX  -30  +30\r\n' > "$work/data/Daylight.txt"
printf 'OK  35.47  -97.52  15  Mon-Fri  07:00-09:00  prohibit  0  all  Oklahoma County\r\n' > "$work/data/Curfews.txt"
: > "$work/data/U.txt"  # shipped empty: the user's towns start as an empty list
cmake -S "$source_dir" -B "$work/build" -G Ninja -DBUILD_TESTING=OFF -DDAWNRULE_DATA_DIR="$work/data" >/dev/null
build() { cmake --build "$work/build" --target dawnrule_data >/dev/null; }
fail() { echo "FAIL: $*" >&2; exit 1; }
bin=$work/build/bin

build
cmp -s "$work/data/Parm.dat" "$bin/Parm.dat" || fail "a missing Parm.dat is not placed"
cmp -s "$work/data/AL.txt" "$bin/AL.txt" || fail "AL.txt is not placed"
[ -f "$bin/U.txt" ] && [ ! -s "$bin/U.txt" ] || fail "a missing U.txt is not placed empty"

# The user saves settings; then a pull brings newer sources of both files.
printf '100110000000\r\n-6\r\n1\r\n-88.02\r\n30.41\r\n-6\r\n1\r\n' > "$bin/Parm.dat"
cp "$bin/Parm.dat" "$work/user-settings"
printf 'TX  0  0\r\n' > "$bin/Daylight.txt"  # the user's permit says sunrise to sunset
printf '# my permit names no curfew\r\n' > "$bin/Curfews.txt"
printf 'Home Town  N\xb040.70,W\xb0-74.00\r\n' > "$bin/U.txt"
cp "$bin/U.txt" "$work/user-towns"
sleep 1
printf 'TX  -30  +30\r\nOK  unknown\r\n' > "$work/data/Daylight.txt"
printf 'OK  35.47  -97.52  15  Mon-Sun  07:00-09:00  prohibit  0  all  Oklahoma County\r\n' > "$work/data/Curfews.txt"
printf '000010000000\r\n0\r\n-1\r\n0\r\n0\r\n0\r\n0\r\n' > "$work/data/Parm.dat"
printf 'BBB  N\xb031.00,W\xb0-87.00\r\n' > "$work/data/AL.txt"
touch "$work/data/U.txt"
build
cmp -s "$work/user-settings" "$bin/Parm.dat" || fail "the build replaced the user's Parm.dat"
[ "$(cat "$bin/Daylight.txt")" = $'TX  0  0\r' ] || fail "the build replaced the user's Daylight.txt"
[ "$(cat "$bin/Curfews.txt")" = $'# my permit names no curfew\r' ] || fail "the build replaced the user's Curfews.txt"
cmp -s "$work/user-towns" "$bin/U.txt" || fail "the build replaced the user's U.txt"
cmp -s "$work/data/AL.txt" "$bin/AL.txt" || fail "the read-only AL.txt was not refreshed"
build
cmp -s "$work/user-settings" "$bin/Parm.dat" || fail "a second build replaced the user's Parm.dat"

# Deleted by the user: the next build places the shipped one again.
rm "$bin/Parm.dat"
build
cmp -s "$work/data/Parm.dat" "$bin/Parm.dat" || fail "a deleted Parm.dat is not placed again"
echo "data copy: user files kept, read-only data refreshed"

#!/usr/bin/env bash
# ./build.sh install and uninstall in a scratch HOME (never the real one): the files in
# place, the desktop entry valid, the installed program reading and writing its files in
# its own folder wherever it is started from, a reinstall keeping the user's files, and
# uninstall removing what install put down.
# Arguments: the source tree and an already built build folder.
set -euo pipefail
source_dir=$1
build_dir=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
real_home=${HOME:-/nonexistent}
real_home_had_lib=no
[ -e "$real_home/.local/lib/dawnrule" ] && real_home_had_lib=yes

export HOME="$work/home dir"  # a blank in the path, as a real home may have
mkdir "$HOME"
lib=$HOME/.local/lib/dawnrule
run_build() { DAWNRULE_BUILD_DIR="$build_dir" "$source_dir/build.sh" "$@" >"$work/build.log" 2>&1 \
                  || { cat "$work/build.log" >&2; return 1; }; }
# Every file and folder under $1, one a line, relative and sorted.
tree_of() { (cd "$1" && find . -mindepth 1 | LC_ALL=C sort); }
png_size() { python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); assert d[:8]==b"\x89PNG\r\n\x1a\n"; print("%dx%d" % struct.unpack(">II", d[16:24]))' "$1"; }

# The Exec value quotes the path and escapes as desktop entries want.
(
    source "$source_dir/tools/install.sh"
    [ "$(dawnrule_exec_value '/home/a b/dawnrule')" = '"/home/a b/dawnrule"' ] || fail "blank in Exec"
    [ "$(dawnrule_exec_value '/h/$x/"q"/`c`/d\e/50%')" = '"/h/\\$x/\\"q\\"/\\`c\\`/d\\\\e/50%%"' ] \
        || fail "escapes in Exec: $(dawnrule_exec_value '/h/$x/"q"/`c`/d\e/50%')"
)

# First install, with the desktop files under XDG_DATA_HOME.
export XDG_DATA_HOME="$work/xdg data"
mkdir "$XDG_DATA_HOME"
run_build install
[ -x "$lib/dawnrule" ] || fail "no program in $lib"
cmp -s "$build_dir/bin/dawnrule" "$lib/dawnrule" || fail "the installed program is not the built one"
for f in "$source_dir"/data/*; do
    cmp -s "$f" "$lib/${f##*/}" || fail "data file ${f##*/} not installed as shipped"
done
[ -f "$lib/U.txt" ] || fail "no U.txt installed: the USER window would open with an error"
[ -O "$lib" ] && [ -w "$lib" ] && [ "$(stat -c %a "$lib")" = 755 ] || fail "the program's folder is not the user's to write"
[ -L "$HOME/.local/bin/dawnrule" ] || fail "no dawnrule command in ~/.local/bin"
[ "$(readlink -f "$HOME/.local/bin/dawnrule")" = "$lib/dawnrule" ] || fail "the command does not start the installed program"
entry=$XDG_DATA_HOME/applications/dawnrule.desktop
[ -f "$entry" ] || fail "no desktop entry under XDG_DATA_HOME"
[ ! -e "$HOME/.local/share" ] || fail "desktop files went to ~/.local/share despite XDG_DATA_HOME"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "the desktop entry does not validate"
else
    echo "note: desktop-file-validate not found, entry not validated"
fi
grep -qx "Exec=\"$lib/dawnrule\"" "$entry" || fail "Exec does not name the installed program: $(grep ^Exec "$entry")"
grep -qx 'Icon=dawnrule' "$entry" || fail "no themed icon in the entry"
for size in 16 32 64; do
    icon=$XDG_DATA_HOME/icons/hicolor/${size}x$size/apps/dawnrule.png
    [ -f "$icon" ] || fail "no ${size}x$size icon"
    [ "$(png_size "$icon")" = "${size}x$size" ] || fail "icon $icon is $(png_size "$icon")"
done

# Started from another folder, it reads and writes its settings beside itself: a
# settings file with LF line ends comes back with the same values and CR LF.
printf '100110000000\n-6\n1\n-88.02\n30.41\n-6\n1\n' > "$lib/Parm.dat"
mkdir "$work/elsewhere"
(cd "$work/elsewhere" && DAWNRULE_CLOSE_AFTER_START=1 QT_QPA_PLATFORM=offscreen \
     timeout 60 "$HOME/.local/bin/dawnrule" >"$work/run.log" 2>&1) || { cat "$work/run.log" >&2; fail "the installed program did not end well"; }
printf '100110000000\r\n-6\r\n1\r\n-88.02\r\n30.41\r\n-6\r\n1\r\n' > "$work/expected-parm"
cmp -s "$work/expected-parm" "$lib/Parm.dat" || fail "Parm.dat in the program's folder was not read and written: $(od -c "$lib/Parm.dat" | head -3)"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the program wrote into the current folder: $(ls -A "$work/elsewhere")"

# A reinstall keeps the user's files and refreshes the shipped ones.
printf 'Home Town  N\xb040.70,W\xb0-74.00\r\n' > "$lib/U.txt"
printf 'TX  0  0\r\n' > "$lib/Daylight.txt"
printf '# none on my permit\r\n' > "$lib/Curfews.txt"
cp "$lib/Parm.dat" "$lib/U.txt" "$lib/Daylight.txt" "$lib/Curfews.txt" "$work/"
echo "changed" > "$lib/AL.txt"
rm "$XDG_DATA_HOME/icons/hicolor/32x32/apps/dawnrule.png"
run_build install
cmp -s "$work/Parm.dat" "$lib/Parm.dat" || fail "the reinstall replaced Parm.dat"
cmp -s "$work/U.txt" "$lib/U.txt" || fail "the reinstall replaced U.txt"
cmp -s "$work/Daylight.txt" "$lib/Daylight.txt" || fail "the reinstall replaced Daylight.txt"
cmp -s "$work/Curfews.txt" "$lib/Curfews.txt" || fail "the reinstall replaced Curfews.txt"
cmp -s "$source_dir/data/AL.txt" "$lib/AL.txt" || fail "the reinstall did not refresh AL.txt"
[ -f "$XDG_DATA_HOME/icons/hicolor/32x32/apps/dawnrule.png" ] || fail "the reinstall did not put the icon back"

# Another file where the command goes: install refuses and leaves it be.
mv "$HOME/.local/bin/dawnrule" "$work/launcher"
echo "#!/bin/sh" > "$HOME/.local/bin/dawnrule"
if run_build install 2>/dev/null; then fail "install replaced another program's command"; fi
[ "$(cat "$HOME/.local/bin/dawnrule")" = "#!/bin/sh" ] || fail "install touched another program's command"
mv -f "$work/launcher" "$HOME/.local/bin/dawnrule"

# Uninstall: only the user's four files stay, in the program's folder.
run_build uninstall
[ "$(tree_of "$HOME")" = "$(printf '%s\n' ./.local ./.local/lib ./.local/lib/dawnrule \
    ./.local/lib/dawnrule/Curfews.txt ./.local/lib/dawnrule/Daylight.txt ./.local/lib/dawnrule/Parm.dat \
    ./.local/lib/dawnrule/U.txt)" ] || fail "uninstall left: $(tree_of "$HOME")"
cmp -s "$work/Parm.dat" "$lib/Parm.dat" && cmp -s "$work/U.txt" "$lib/U.txt" || fail "uninstall changed the user's files"
[ -z "$(tree_of "$XDG_DATA_HOME")" ] || fail "uninstall left under XDG_DATA_HOME: $(tree_of "$XDG_DATA_HOME")"
# ... and a later purge removes them with the program's folder.
run_build uninstall --purge
[ ! -e "$lib" ] || fail "the purge left $(tree_of "$lib")"

# Without XDG_DATA_HOME the desktop files go to ~/.local/share; a purge leaves the
# scratch HOME as it found it.
rm -rf "$HOME" && mkdir "$HOME"
unset XDG_DATA_HOME
run_build install
[ -f "$HOME/.local/share/applications/dawnrule.desktop" ] || fail "no desktop entry in ~/.local/share"
[ -f "$HOME/.local/share/icons/hicolor/64x64/apps/dawnrule.png" ] || fail "no icon in ~/.local/share"
touch "$lib/U.txt.a1B2c3"  # a save temporary left by a crash
run_build uninstall --purge
[ -z "$(tree_of "$HOME")" ] || fail "uninstall --purge left: $(tree_of "$HOME")"

if [ "$real_home_had_lib" = no ] && [ -e "$real_home/.local/lib/dawnrule" ]; then
    fail "the real HOME was touched"
fi
echo "install: files placed, entry valid, program folder used, user files kept, uninstall clean"

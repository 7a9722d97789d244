# The per-user desktop install of Dawnrule; build.sh sources this file.
#
#   install_for_user BUILD_DIR    the program and its data files in ~/.local/lib/dawnrule,
#                                 the `dawnrule` command (a symlink) in ~/.local/bin, the
#                                 desktop entry and the hicolor icons in $XDG_DATA_HOME
#                                 (~/.local/share when unset)
#   uninstall_for_user keep|purge
#
# The program reads and writes Parm.dat and U.txt beside itself, and the user edits
# Daylight.txt and Curfews.txt there to match a permit: install places them only when absent, and
# uninstall keeps them unless purging. Everything else install puts down, the folders
# it had to create included, is listed in the program folder's manifest, and uninstall
# removes exactly that. No root rights are needed.

dawnrule_user_files=(Parm.dat U.txt Daylight.txt Curfews.txt)
dawnrule_icon_sizes=(16 32 64)

# Sets the install paths from HOME and XDG_DATA_HOME.
dawnrule_paths() {
    case "${HOME:-}" in
        /*) ;;
        *) echo "HOME must name an absolute folder" >&2; return 1 ;;
    esac
    local data_home=${XDG_DATA_HOME:-}
    case "$data_home" in
        /*) ;;
        *) data_home=$HOME/.local/share ;;  # unset, empty or relative: the default
    esac
    if [[ "$HOME$data_home" == *$'\n'* ]]; then
        echo "HOME and XDG_DATA_HOME must not hold a line break" >&2
        return 1
    fi
    lib_dir=$HOME/.local/lib/dawnrule
    launcher=$HOME/.local/bin/dawnrule
    desktop_file=$data_home/applications/dawnrule.desktop
    icons_dir=$data_home/icons/hicolor
    manifest=$lib_dir/.install-manifest
}

# Reads the manifest into manifest_files and manifest_dirs.
dawnrule_read_manifest() {
    manifest_files=()
    manifest_dirs=()
    [ -f "$manifest" ] || return 0
    local line
    while IFS= read -r line; do
        case "$line" in
            "file /"*) manifest_files+=("${line#file }") ;;
            "dir /"*) manifest_dirs+=("${line#dir }") ;;
        esac
    done < "$manifest"
}

# Writes the manifest from the given files and folders (arrays named by $1 and $2).
dawnrule_write_manifest() {
    local -n files_ref=$1 dirs_ref=$2
    local f
    {
        for f in "${dirs_ref[@]}"; do printf 'dir %s\n' "$f"; done
        for f in "${files_ref[@]}"; do printf 'file %s\n' "$f"; done
    } > "$manifest.new"
    mv -f "$manifest.new" "$manifest"
}

# A file of the manifest that uninstall may remove: one of the names install gives.
dawnrule_owned_file() {
    case "$1" in
        "$lib_dir"/*) [[ "$1" != */../* ]] ;;
        */dawnrule.desktop | */apps/dawnrule.png) return 0 ;;
        */dawnrule) [ "$(readlink "$1")" = "$lib_dir/dawnrule" ] ;;
        *) return 1 ;;
    esac
}

# mkdir -p that notes each folder it creates in the array named by $2.
dawnrule_make_dir() {
    local -n created_ref=$2
    local d=$1 missing=()
    while [ ! -d "$d" ]; do
        missing=("$d" "${missing[@]}")
        d=$(dirname "$d")
    done
    for d in "${missing[@]}"; do
        mkdir "$d"
        created_ref+=("$d")
    done
}

# Copies $1 to $2 with mode $3 through a temporary beside it, so the old file is
# replaced whole (also while the program runs).
dawnrule_place() {
    install -m "$3" "$1" "$2.new" && mv -f "$2.new" "$2"
}

# The Exec value for a program path: quoted, with the quoting escapes, then the escape
# of backslashes every desktop-entry string has, and field codes kept literal.
dawnrule_exec_value() {
    local s=$1
    s=${s//\\/\\\\}
    s=${s//\"/\\\"}
    s=${s//\`/\\\`}
    s=${s//\$/\\\$}
    s=${s//\\/\\\\}
    s=${s//%/%%}
    printf '"%s"' "$s"
}

install_for_user() {
    local build=$1
    dawnrule_paths || return 1
    local program=$build/bin/dawnrule icon_tool=$build/bin/dawnrule-icon
    if [ ! -x "$program" ] || [ ! -x "$icon_tool" ]; then
        echo "No program in $build/bin: build it first" >&2
        return 1
    fi
    if { [ -e "$launcher" ] || [ -L "$launcher" ]; } && [ "$(readlink "$launcher")" != "$lib_dir/dawnrule" ]; then
        echo "$launcher exists and is not Dawnrule's: move it away first" >&2
        return 1
    fi

    dawnrule_read_manifest
    local old_files=("${manifest_files[@]}") dirs=() files=() d f name
    for d in "${manifest_dirs[@]}"; do
        [ -d "$d" ] && dirs+=("$d")
    done

    # The program and its data; the user's own files only where they are absent.
    dawnrule_make_dir "$lib_dir" dirs
    dawnrule_place "$program" "$lib_dir/dawnrule" 755
    files+=("$lib_dir/dawnrule")
    for f in data/*; do
        name=${f##*/}
        if [[ " ${dawnrule_user_files[*]} " == *" $name "* ]]; then
            [ -e "$lib_dir/$name" ] || install -m 644 "$f" "$lib_dir/$name"
        else
            dawnrule_place "$f" "$lib_dir/$name" 644
            files+=("$lib_dir/$name")
        fi
    done

    dawnrule_make_dir "$(dirname "$launcher")" dirs
    ln -sfn "$lib_dir/dawnrule" "$launcher"
    files+=("$launcher")

    # The icons, drawn by the program's own moon picture.
    local size icon
    for size in "${dawnrule_icon_sizes[@]}"; do
        dawnrule_make_dir "$icons_dir/${size}x$size/apps" dirs
        icon=$icons_dir/${size}x$size/apps/dawnrule.png
        if ! QT_QPA_PLATFORM=offscreen "$icon_tool" "$size" "$icon.new" 2>/dev/null; then
            echo "Cannot draw the ${size}x$size icon" >&2
            return 1
        fi
        mv -f "$icon.new" "$icon"
        files+=("$icon")
    done

    # Written and checked in a scratch folder (the checker wants the .desktop name),
    # then put in place whole.
    dawnrule_make_dir "$(dirname "$desktop_file")" dirs
    local scratch
    scratch=$(mktemp -d)
    cat > "$scratch/dawnrule.desktop" <<EOF
[Desktop Entry]
Type=Application
Name=Dawnrule
GenericName=Sunrise and Sunset Calculator
Comment=Sunrise and sunset times for US towns, for moving oversize loads in daylight
Exec=$(dawnrule_exec_value "$lib_dir/dawnrule")
Icon=dawnrule
Terminal=false
Categories=Utility;Calculator;
Keywords=sunrise;sunset;daylight;truck;oversize;load;
StartupWMClass=dawnrule
EOF
    if command -v desktop-file-validate >/dev/null && ! desktop-file-validate "$scratch/dawnrule.desktop"; then
        rm -rf "$scratch"
        echo "The desktop entry does not validate" >&2
        return 1
    fi
    dawnrule_place "$scratch/dawnrule.desktop" "$desktop_file" 644
    rm -rf "$scratch"
    files+=("$desktop_file")

    # Files an earlier install put down that this one no longer has.
    local -A placed=()
    for f in "${files[@]}"; do placed[$f]=1; done
    for f in "${old_files[@]}"; do
        [ -n "${placed[$f]:-}" ] && continue
        dawnrule_owned_file "$f" && rm -f "$f"
    done
    dawnrule_write_manifest files dirs

    echo "Dawnrule installed in $lib_dir; start it with $launcher or from the desktop's menu."
    case ":$PATH:" in
        *":$(dirname "$launcher"):"*) ;;
        *) echo "($(dirname "$launcher") is not on PATH: add it to start Dawnrule by name.)" ;;
    esac
}

uninstall_for_user() {
    local mode=$1
    dawnrule_paths || return 1
    dawnrule_read_manifest
    local f d name
    if [ ${#manifest_files[@]} -eq 0 ]; then
        echo "Dawnrule is not installed in $lib_dir."
    fi
    for f in "${manifest_files[@]}"; do
        if dawnrule_owned_file "$f"; then
            rm -f "$f"
        elif [ -e "$f" ] || [ -L "$f" ]; then
            echo "Left alone (not Dawnrule's any more): $f"
        fi
    done
    if [ "$mode" = purge ]; then
        for name in "${dawnrule_user_files[@]}"; do
            rm -f "$lib_dir/$name" "$lib_dir/$name".??????  # the file and save temporaries
        done
    fi
    rm -f "$manifest" "$manifest.new"

    # The folders install created, deepest first, where nothing else is left in them
    # (the program's folder stays while it holds the user's files). A purge after a
    # plain uninstall no longer knows them: it removes the program's folder alone.
    if [ "$mode" = purge ] && [ ${#manifest_dirs[@]} -eq 0 ]; then rmdir "$lib_dir" 2>/dev/null || true; fi
    while IFS= read -r d; do
        [ -n "$d" ] && { rmdir "$d" 2>/dev/null || true; }
    done < <(for d in "${manifest_dirs[@]}"; do
                 slashes=${d//[^\/]/}
                 printf '%d %s\n' "${#slashes}" "$d"
             done | sort -rn | cut -d' ' -f2-)
    if [ -d "$lib_dir" ]; then
        echo "Kept the user's files in $lib_dir (./build.sh uninstall --purge removes them)."
    else
        echo "Dawnrule removed."
    fi
}

#!/usr/bin/env bash
# Checks an installed Tessaly tree: check-install.sh PREFIX [PROGRAM...]
# PREFIX is the folder holding bin/ and share/ (a scratch --prefix, or usr/ of an
# unpacked .deb); the programs listed must be there, with what belongs to each.
# Prints every fault and exits non-zero when there was one.
set -uo pipefail

prefix=$1
shift
programs=("$@")
faults=0
fault() { echo "check-install: $*" >&2; faults=$((faults + 1)); }
has() { local p; for p in "${programs[@]}"; do [ "$p" = "$1" ] && return 0; done; return 1; }

# Width and height from a PNG's IHDR chunk.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3*256+$4, $7*256+$8 }'; }

for program in "${programs[@]}"; do
    [ -x "$prefix/bin/$program" ] || fault "missing program bin/$program"
done

if has tessaly; then
    help=$("$prefix/bin/tessaly" --help) || fault "bin/tessaly --help failed"
    man="$prefix/share/man/man1/tessaly.1.gz"
    if ! page=$(gzip -dc "$man" 2>/dev/null); then
        fault "missing or broken manual page share/man/man1/tessaly.1.gz"
    else
        # The manual lists exactly the verbs the program lists.
        help_verbs=$(printf '%s\n' "$help" | sed -n '/^Verbs:/,$p' | awk '/^  [a-z]/ { print $1 }' | sort)
        man_verbs=$(printf '%s\n' "$page" | sed -n '/^\.SH VERBS/,/^\.SH /p' |
            awk 'tp { gsub(/"/, ""); print $2; tp = 0 } /^\.TP/ { tp = 1 }' | grep -v '^\\-' | sort)
        [ -n "$help_verbs" ] || fault "tessaly --help lists no verbs"
        [ "$help_verbs" = "$man_verbs" ] ||
            fault "manual verbs [$(echo $man_verbs)] differ from tessaly --help [$(echo $help_verbs)]"
        if command -v groff >/dev/null; then
            warnings=$(printf '%s\n' "$page" | groff -man -Tutf8 -ww -z 2>&1)
            [ -z "$warnings" ] || fault "manual page: $warnings"
        fi
    fi
fi

# The movie library is a module the programs load when they first read a
# movie: FFmpeg's hundred-odd shared objects are no part of their start.
if has tessaly || has publisher; then
    module="$prefix/lib/tessaly/libtessaly-media.so"
    [ -f "$module" ] || fault "missing the movie library lib/tessaly/libtessaly-media.so"
    for program in tessaly publisher; do
        has "$program" && ldd "$prefix/bin/$program" | grep -q 'libavformat\|libavcodec' &&
            fault "bin/$program links FFmpeg's libraries itself instead of loading lib/tessaly/libtessaly-media.so"
    done
fi
if has tessaly; then
    # The installed command finds its module: a file that is no movie gets the
    # library's own words, not a loading error.
    notmovie=$(mktemp "${TMPDIR:-/tmp}/tessaly-notmovie.XXXXXX")
    printf 'not a movie\n' >"$notmovie"
    said=$("$prefix/bin/tessaly" inspect "$notmovie" 2>&1)
    [[ $said == *"Invalid data found when processing input"* ]] ||
        fault "bin/tessaly inspect did not read with the movie library: $said"
    rm -f "$notmovie"
fi

if has publisher; then
    if ! page=$(gzip -dc "$prefix/share/man/man1/publisher.1.gz" 2>/dev/null); then
        fault "missing or broken manual page share/man/man1/publisher.1.gz"
    elif command -v groff >/dev/null; then
        warnings=$(printf '%s\n' "$page" | groff -man -Tutf8 -ww -z 2>&1)
        [ -z "$warnings" ] || fault "publisher manual page: $warnings"
    fi
fi

check_icon() {  # name [context]
    local icon=$1 context=${2:-apps} size
    for size in 16 22 24 32 48 64 128 256; do
        local png="$prefix/share/icons/hicolor/${size}x${size}/$context/$icon.png"
        if [ ! -f "$png" ]; then
            fault "missing icon $png"
        elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
            fault "$png is $(png_size "$png"), not ${size}x${size}"
        fi
    done
    [ -f "$prefix/share/icons/hicolor/scalable/$context/$icon.svg" ] || fault "missing scalable icon $icon.svg"
}

# The project file type, as a desktop resolves it: update-mime-database and
# update-desktop-database on a copy (the tree itself stays as installed), then
# xdg-mime through GIO, which reads the shared MIME database.
check_project_type() {
    local type=application/x-tessaly-project
    local package="$prefix/share/mime/packages/example.tessaly.Publisher.mime.xml"
    if [ ! -f "$package" ]; then
        fault "missing MIME package share/mime/packages/example.tessaly.Publisher.mime.xml"
        return
    fi
    local tool
    for tool in update-mime-database update-desktop-database xdg-mime gio; do
        command -v "$tool" >/dev/null || { fault "no $tool to check the project type with"; return; }
    done
    local data
    data=$(mktemp -d "${TMPDIR:-/tmp}/tessaly-mime.XXXXXX")
    mkdir -p "$data/share/mime/packages" "$data/share/applications" "$data/home"
    cp "$package" "$data/share/mime/packages/"
    cp "$prefix"/share/applications/*.desktop "$data/share/applications/"
    local log
    log=$(update-mime-database -V "$data/share/mime" 2>&1) || fault "update-mime-database failed: $log"
    printf '%s\n' "$log" | grep -i 'error\|warning' >&2 && fault "update-mime-database refused the MIME package"
    update-desktop-database "$data/share/applications" || fault "update-desktop-database failed"
    local env=(env XDG_DATA_HOME="$data/home" XDG_DATA_DIRS="$data/share:/usr/share" XDG_CURRENT_DESKTOP=GNOME)
    # By name, and by the first line of a project under another name.
    local header="Generatad by Tessaly, d'not edit!"
    printf '%s\r\n' "$header" "<VIDEO1>tour.mp4</VIDEO1>" >"$data/tour.hs5"
    cp "$data/tour.hs5" "$data/renamed"
    local file found
    for file in tour.hs5 renamed; do
        found=$("${env[@]}" xdg-mime query filetype "$data/$file" 2>/dev/null)
        [ "$found" = "$type" ] || fault "xdg-mime takes $file for '$found', not $type"
    done
    found=$("${env[@]}" xdg-mime query default "$type" 2>/dev/null)
    [ "$found" = example.tessaly.Publisher.desktop ] || fault "$type opens with '$found', not the publisher"
    grep -qx "$type:application-x-tessaly-project" "$data/share/mime/icons" ||
        fault "the MIME database names no icon for $type"
    check_icon application-x-tessaly-project mimetypes
    grep -qx "MimeType=$type;" "$prefix/share/applications/example.tessaly.Publisher.desktop" ||
        fault "the publisher's desktop entry does not take $type"
    grep -q '^Exec=publisher %f$' "$prefix/share/applications/example.tessaly.Publisher.desktop" ||
        fault "the publisher's desktop entry passes no file (Exec=publisher %f)"
    rm -rf "$data"
}

check_entry() {  # program desktop-id
    local entry="$prefix/share/applications/$2.desktop"
    if [ ! -f "$entry" ]; then
        fault "missing desktop entry $2.desktop"
        return
    fi
    desktop-file-validate "$entry" >&2 || fault "desktop-file-validate refused $2.desktop"
    local exec icon
    exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ "$exec" = "$1" ] || fault "$2.desktop starts '$exec', not $1"
    [ -x "$prefix/bin/$exec" ] || fault "$2.desktop starts $exec, which is not in bin"
    check_icon "$icon"
}

if has publisher; then
    check_entry publisher example.tessaly.Publisher
    check_project_type
    metainfo="$prefix/share/metainfo/example.tessaly.Publisher.metainfo.xml"
    if [ ! -f "$metainfo" ]; then
        fault "missing metainfo"
    else
        appstreamcli validate --no-net "$metainfo" >&2 || fault "appstreamcli refused the metainfo"
        for id in $(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo"); do
            [ -f "$prefix/share/applications/$id" ] || fault "metainfo launches $id, which is not installed"
        done
    fi
fi
if has selector; then
    check_entry selector example.tessaly.Selector
fi

if [ -n "${TESSALY_EXPECT_GUIDE:-}" ] && [ ! -f "$prefix/share/tessaly/publisher.pdf" ]; then
    fault "missing the user's guide share/tessaly/publisher.pdf"
fi

# Nothing outside the places above: no headers, static libraries or test programs.
unexpected=$(cd "$prefix" && find . -type f ! -path './bin/*' ! -path './share/applications/*' \
    ! -path './share/icons/hicolor/*' ! -path './share/metainfo/*' ! -path './share/man/man1/*' \
    ! -path './share/tessaly/*' ! -path './share/doc/tessaly/*' ! -path './share/mime/packages/*' \
    ! -path './lib/tessaly/libtessaly-media.so')
[ -z "$unexpected" ] || fault "unexpected files: $(echo $unexpected)"
for file in "$prefix"/bin/*; do
    case "$(basename "$file")" in tessaly | publisher | selector) ;; *) fault "unexpected program $file" ;; esac
done

[ "$faults" -eq 0 ] && echo "check-install: $prefix is complete (${programs[*]})"
exit $((faults > 0))

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

check_icon() {
    local icon=$1 size
    for size in 16 22 24 32 48 64 128 256; do
        local png="$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png"
        if [ ! -f "$png" ]; then
            fault "missing icon $png"
        elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
            fault "$png is $(png_size "$png"), not ${size}x${size}"
        fi
    done
    [ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fault "missing scalable icon $icon.svg"
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
    ! -path './share/tessaly/*' ! -path './share/doc/tessaly/*')
[ -z "$unexpected" ] || fault "unexpected files: $(echo $unexpected)"
for file in "$prefix"/bin/*; do
    case "$(basename "$file")" in tessaly | publisher | selector) ;; *) fault "unexpected program $file" ;; esac
done

[ "$faults" -eq 0 ] && echo "check-install: $prefix is complete (${programs[*]})"
exit $((faults > 0))

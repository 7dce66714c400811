# shellcheck shell=bash
# Debian source packages, fetched with `apt-get source` through a private source list,
# lists folder and cache folder given as apt options: the machine's apt configuration
# stays as it is. Sourced by qt.sh and runtime-licenses.sh, which define die.
#
# debian_source DIR PACKAGE=VERSION [APT-GET-SOURCE-OPTION...]: fetches (and unpacks, unless
# told --download-only) the source package into DIR, with apt's own files in DIR/apt.

debian_source()
{
    local work=$1 package=$2
    shift 2
    # The Debian entries of the machine's own source list, as deb-src, in a private file.
    local apt_dir="$work/apt"
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    local sources="$apt_dir/sources.list" f
    {
        for f in /etc/apt/sources.list.d/*.sources; do
            [ -f "$f" ] || continue
            # deb822 stanzas of the Debian archive, with their Types turned into deb-src.
            awk 'BEGIN { RS = ""; ORS = "\n\n" }
                 /URIs:[^\n]*debian/ && !/Enabled: *no/ {
                     n = split($0, line, "\n")
                     for (i = 1; i <= n; i++)
                         printf "%s\n", (line[i] ~ /^Types:/ ? "Types: deb-src" : line[i])
                     printf "\n"
                 }' "$f"
        done
    } >"$apt_dir/debian.sources"
    [ -s "$apt_dir/debian.sources" ] || rm -f "$apt_dir/debian.sources"
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^[[:space:]]*deb[[:space:]]\(.*debian.*\)$/deb-src \1/p' /etc/apt/sources.list
    fi >"$sources"
    local source_parts="/dev/null"
    if [ -f "$apt_dir/debian.sources" ]; then
        mkdir -p "$apt_dir/sources.list.d"
        mv "$apt_dir/debian.sources" "$apt_dir/sources.list.d/"
        source_parts="$apt_dir/sources.list.d"
    fi
    [ -s "$sources" ] || [ "$source_parts" != /dev/null ] || die "no Debian archive in the apt sources"

    local apt_options=(
        -o "Dir::Etc::SourceList=$sources"
        -o "Dir::Etc::SourceParts=$source_parts"
        -o "Dir::State::Lists=$apt_dir/lists"
        -o "Dir::Cache=$apt_dir/cache"
        -o "APT::Sandbox::User=$(id -un)"
    )
    apt-get "${apt_options[@]}" -q update >&2
    (cd "$work" && apt-get "${apt_options[@]}" -q source "$@" "$package") >&2
}

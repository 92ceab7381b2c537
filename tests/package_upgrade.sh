#!/bin/sh
# An upgrade as a user meets it, from two Debian packages: install one, add homebrew spells as
# a user, install the next (a newer version whose catalogue changes a shipped spell and adds
# one), start the programs again, and check that the homebrew and the new catalogue are both
# there. Needs root (dpkg) and takes two full Release builds, so ctest does not run it;
# tst_catalogue_upgrade repeats the same upgrade with two installed-layout folders.
# Usage: tests/package_upgrade.sh [WORK_DIR]   (removes the package again at the end)
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$(mktemp -d /tmp/tomewright-upgrade.XXXXXX)}
chmod 0755 "$work"
folder=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/tomewright
fail() { echo "FAILED: $*" >&2; exit 1; }

if dpkg-query -W tomewright >/dev/null 2>&1; then
    fail "a tomewright package is installed already; remove it first"
fi

# The two package builds: the sources as committed, then the next version.
for name in first second; do
    [ -f "$work/$name.deb" ] && continue
    rm -rf "$work/$name-source"
    mkdir -p "$work/$name-source"
    git -C "$repo" archive HEAD | tar -x -C "$work/$name-source"
    if [ "$name" = second ]; then
        (
            cd "$work/$name-source"
            sed -i 's/^project(Tomewright VERSION [0-9.]*/project(Tomewright VERSION 1.0.1/' CMakeLists.txt
            # A fixed shipped spell, and a new one (in its sorted place).
            sed -i 's/^\(Alembic of the Open Hand,.*\)"Cupping a substance/\1"Cupping any substance/' data/spells.csv
            awk 'NR == 2 { print "Aftertaste of Embers,1,Common,Fire;Divination,Ashen Lantern Codex,201,\"Tasting the ash of a burnt thing, the caster sees the last minute before it caught fire.\"" } { print }' \
                data/spells.csv > data/spells.new && mv data/spells.new data/spells.csv
        )
    fi
    (cd "$work/$name-source" && nice -n 10 scripts/package >"$work/$name-build.log" 2>&1) ||
        fail "package build $name (see $work/$name-build.log)"
    cp "$work/$name-source"/build-package/*.deb "$work/$name.deb"
done

# The user "nobody" with two homes: one starts the command line after the upgrade, the other
# the window.
for home in home-cli home-window; do
    rm -rf "${work:?}/$home"
    mkdir -p "$work/$home"
    chown nobody "$work/$home"
done
as_user() { home=$1; shift; setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -u XDG_DATA_HOME HOME="$work/$home" QT_QPA_PLATFORM=offscreen "$@"; }
cat >"$work/homebrew.csv" <<'CSV'
Name,Level,Frequency,Schools,Book,Page,Description
Hearthkeeper's Murmur,1,Common,Fire;Abjuration,My Notebook,3,"A whispered word keeps a hearth burning through the night, however the wind blows."
CSV
cat >"$work/replacement.csv" <<'CSV'
Name,Level,Frequency,Schools,Book,Page,Description
angle of deflection,2,Rare,Geometry;Abjuration,My Notebook,4,My own version.
CSV
chmod a+r "$work/homebrew.csv" "$work/replacement.csv"

trap 'dpkg -r tomewright >/dev/null 2>&1 || true' EXIT
dpkg -i "$work/first.deb" >/dev/null
echo "Installed: $(tomewright-cli --version)"
for home in home-cli home-window; do
    as_user $home tomewright-cli catalogue import --from "$work/homebrew.csv"
    as_user $home tomewright-cli catalogue import --from "$work/replacement.csv" --replace
    as_user $home tomewright-cli catalogue remove "Brine-Sting Spatter"
done

dpkg -i "$work/second.deb" >/dev/null
echo "Upgraded to: $(tomewright-cli --version)"

# The command line takes in the new catalogue at its start.
as_user home-cli tomewright-cli catalogue export --to "$work/home-cli/out" 2>"$work/cli.err"
cat "$work/cli.err"
grep -q "taken in this Tomewright's: 1 new spell, 1 changed, 0 taken out. Your own 2 spells are kept" "$work/cli.err" ||
    fail "the command line did not say what it took in"

# The window takes it in at its start too (it is closed after a few seconds; its screen is kept).
setpriv --reuid=nobody --regid=nogroup --clear-groups env -u XDG_DATA_HOME \
    HOME="$work/home-window" xvfb-run -a sh -c \
    "tomewright & sleep 8; import -window root '$work/home-window/window.png'; kill \$!" || true
as_user home-window tomewright-cli catalogue export \
    --db "$work/home-window/.local/share/Tomewright/Spells.mdb" --to "$work/home-window/out"

for home in home-cli home-window; do
    spells="$work/$home/out/spells.csv"
    grep -q "^Hearthkeeper's Murmur,1," "$spells" || fail "$home: the homebrew spell is gone"
    grep -q "^angle of deflection,2,Rare,Geometry;Abjuration,My Notebook,4,My own version.$" "$spells" ||
        fail "$home: the user's replacement is gone"
    ! grep -qi "^Angle of Deflection,1," "$spells" || fail "$home: the shipped spell came back over the user's"
    ! grep -q "^Brine-Sting Spatter," "$spells" || fail "$home: a spell the user took out came back"
    grep -q "^Aftertaste of Embers,1," "$spells" || fail "$home: the new shipped spell is missing"
    grep -q "\"Cupping any substance" "$spells" || fail "$home: the fixed shipped spell is old"
    echo "$home: $(($(wc -l <"$spells") - 1)) spells, homebrew and new catalogue both there"
done
test -f "$folder/Spells.mdb"
test -f "$folder/samples/homebrew.csv"
echo "PASSED (window screen: $work/home-window/window.png)"

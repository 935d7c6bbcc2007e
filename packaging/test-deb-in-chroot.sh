#!/usr/bin/env bash
# Builds the release .deb and installs it into a bare Debian 12 chroot, a
# system that never saw the build, then runs both programs there. A manual
# check, too slow for CTest; needs root, debootstrap and the network to the
# Debian archive this machine's apt already uses.
#
#   packaging/test-deb-in-chroot.sh [--fresh] [CMAKE_OPTION...]
#
# CMAKE_OPTIONs go to the configure step, e.g. -DVELBRIN_GUI=OFF for a
# companion-only package. --fresh bootstraps the base system anew instead of
# reusing the one kept under $VELBRIN_CHROOT (default /var/tmp/velbrin-chroot).
set -euo pipefail
cd "$(dirname "$0")/.."

fresh=0
if [ "${1:-}" = --fresh ]; then fresh=1; shift; fi
[ "$(id -u)" -eq 0 ] || { echo "run as root (debootstrap, chroot)" >&2; exit 2; }
for tool in debootstrap dpkg-shlibdeps cpack; do
    command -v "$tool" >/dev/null || { echo "missing $tool" >&2; exit 2; }
done

build=build/deb
state=${VELBRIN_CHROOT:-/var/tmp/velbrin-chroot}
base=$state/base
root=$state/run
suite=bookworm

echo "== building the package in $build"
# The cache outlives a run: state every default that an option may change.
cmake --preset release -B "$build" -DBUILD_TESTING=OFF -DVELBRIN_BENCH=OFF \
    -DVELBRIN_GUI=ON -DVELBRIN_WERROR=ON "$@" >/dev/null
cmake --build "$build" -j2
rm -f "$build"/velbrin_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/velbrin_*.deb)
echo "   $deb"
dpkg-deb --field "$deb" Depends | sed 's/^/   Depends: /'
gui=0
dpkg-deb --contents "$deb" | grep -q ' \./usr/bin/velbrin$' && gui=1

# The archive this machine's apt uses, from deb822 .sources stanzas or
# one-line entries: the URI listed with the suite asked for.
archive_for() {
    local want=$1
    local file
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] && { cat "$file"; echo; }
    done | awk -v want="$want" '
        /^[ \t]*$/ { if (uri != "" && found) { print uri; exit } uri = ""; found = 0; next }
        tolower($1) == "uris:" { uri = $2 }
        tolower($1) == "suites:" { for (i = 2; i <= NF; i++) if ($i == want) found = 1 }
        END { if (uri != "" && found) print uri }' | head -n1
    grep -hs '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list |
        sed 's/\[[^]]*\]//' | awk -v want="$want" '$3 == want { print $2 }' | head -n1 || true
}
mirror=$(archive_for "$suite" | head -n1)
security=$(archive_for "$suite-security" | head -n1)
[ -n "$mirror" ] || { echo "no $suite entry in this machine's apt sources" >&2; exit 2; }

mounted=()
# shellcheck disable=SC2317  # run by the trap
cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" || true; done
}
trap cleanup EXIT

if [ "$fresh" -eq 1 ] || [ ! -f "$base/.velbrin-complete" ]; then
    echo "== bootstrapping Debian $suite (minbase) into $base"
    rm -rf "$base"
    mkdir -p "$state"
    debootstrap --variant=minbase "$suite" "$base" "$mirror" >"$state/debootstrap.log" 2>&1 ||
        { tail -n 20 "$state/debootstrap.log"; exit 1; }
    {
        echo "deb $mirror $suite main"
        echo "deb $mirror $suite-updates main"
        [ -z "$security" ] || echo "deb $security $suite-security main"
    } >"$base/etc/apt/sources.list"
    touch "$base/.velbrin-complete"
fi

echo "== installing the package into a copy of the base system"
# A run cut short may have left the host's /dev bound in there.
for fs in dev proc; do
    if mountpoint -q "$root/$fs" 2>/dev/null; then umount -l "$root/$fs"; fi
done
rm -rf --one-file-system "$root"
cp -a "$base" "$root"
for fs in proc dev; do
    if [ "$fs" = proc ]; then mount -t proc proc "$root/proc"; else mount --bind /dev "$root/dev"; fi
    mounted+=("$root/$fs")
done
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "/tmp/$(basename "$deb")" >"$state/apt.log" 2>&1 || { tail -n 30 "$state/apt.log"; exit 1; }
# shellcheck disable=SC2016  # dpkg-query's own fields
in_root dpkg-query -W -f='   installed ${Package} ${Version}\n' velbrin

status=0
echo "== ringcode find --rings 4 4750"
out=$(in_root ringcode find --rings 4 4750) || status=1
printf '   %s\n' "$out"
[ "$out" = "$(printf '4750\tyellow gray red brown\t4,8 Ком')" ] || { echo "   unexpected"; status=1; }

if [ "$gui" -eq 1 ]; then
    echo "== QT_QPA_PLATFORM=offscreen timeout 3 velbrin"
    rc=0
    in_root env QT_QPA_PLATFORM=offscreen timeout 3 velbrin >"$state/velbrin.log" 2>&1 || rc=$?
    sed 's/^/   /' "$state/velbrin.log"
    # 124: still running when the timeout ended it, so it started and stayed up.
    if [ "$rc" -eq 124 ]; then echo "   ran until stopped"; else echo "   exit $rc"; status=1; fi
else
    echo "== no window program in this package"
fi

[ "$status" -eq 0 ] && echo "== the package works on a bare $suite" || echo "== FAILED"
exit "$status"

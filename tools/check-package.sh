#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it as a user would meet it:
#   - making it elsewhere (cpack -B) leaves the build folder as it was;
#   - lintian finds no error and no missing hardening; the programs are linked with BIND_NOW
#     and a read-only relocation segment, and carry the stack protector;
#   - the package unpacks (dpkg-deb -x) into a private root, whose desktop entries and
#     metainfo pass desktop-file-validate and appstreamcli validate;
#   - it carries the translations;
#   - both unpacked programs answer --version with the package's version;
#   - the unpacked monitor, under Xvfb, starts on a fresh account: the system-wide settings
#     are copied once and its window shows;
#   - it finds the package's skins from its own folder (a random skin, not the built-in look).
# With a second argument it also saves a picture of the first start there (the README's
# docs/first-start.png), the mouse resting on the window so the information hint shows.
# Usage: tools/check-package.sh [build folder [screenshot.png]]   (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shot=${2:-}
source tools/xsession.sh

work=$(mktemp -d)
pid=""
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  stop_private_display
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

touch "$work/before-package"
sleep 1  # file times may have a resolution of a second
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
left=$(find "$build" ! -type d -newer "$work/before-package")
[ -z "$left" ] || fail "making the package elsewhere changed the build folder: $left"
echo "ok: the build folder is as it was"
deb=$(ls "$work"/package/tarnwick_*.deb)
echo "package: $(basename "$deb")"
lintian --fail-on error --display-info "$deb" 2>/dev/null | tee "$work/lintian.txt"
if grep -q ' hardening-' "$work/lintian.txt"; then fail "lintian finds hardening missing"; fi
echo "ok: lintian found no error and no missing hardening"

root=$work/root
dpkg-deb -x "$deb" "$root"
for program in Tarnwick TarnwickCfg; do
  readelf -W --dynamic --program-headers --dyn-syms "$root/usr/bin/$program" >"$work/elf.txt"
  grep -q 'FLAGS.*\bNOW\b' "$work/elf.txt" || fail "$program is not linked with -z now"
  grep -q GNU_RELRO "$work/elf.txt" || fail "$program is not linked with -z relro"
  grep -q __stack_chk_fail "$work/elf.txt" || fail "$program has no stack protector"
done
echo "ok: both programs are linked with relro and now and carry the stack protector"
desktop-file-validate "$root"/usr/share/applications/*.desktop
echo "ok: desktop-file-validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null
echo "ok: appstreamcli validate"
[ -s "$root/etc/xdg/tarnwick/tarnwick.cfg" ] || fail "no system-wide settings in the package"
for language in de ru; do
  [ -s "$root/usr/share/tarnwick/translations/tarnwick_$language.qm" ] ||
    fail "the package has no translation tarnwick_$language.qm"
done
echo "ok: the package carries the translations"
version=$(dpkg-deb -f "$deb" Version)
for program in Tarnwick TarnwickCfg; do
  [ "$("$root/usr/bin/$program" --version)" = "$program $version" ] ||
    fail "$program --version does not say the package's version $version"
done
echo "ok: both programs say the package's version $version"

export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
export XDG_CONFIG_DIRS=$root/etc/xdg
if [ -n "$shot" ]; then
  # The system file names the skins where the package puts them; point it into the unpacked
  # root, so the picture shows what an installed package shows.
  mkdir -p "$work/xdg/tarnwick"
  sed "s|=/usr/share/tarnwick/|=$root/usr/share/tarnwick/|" "$root/etc/xdg/tarnwick/tarnwick.cfg" \
    >"$work/xdg/tarnwick/tarnwick.cfg"
  export XDG_CONFIG_DIRS=$work/xdg
fi
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
cfg=$XDG_CONFIG_HOME/tarnwick/tarnwick.cfg
start_private_display

# Starts the unpacked monitor and sets w and h to its window's size.
start_monitor() {
  "$root/usr/bin/Tarnwick" &
  pid=$!
  local window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Tarnwick$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "no monitor window appeared"
  sleep 0.5
  local geometry
  geometry=$(xwininfo -id "$window")
  w=$(awk '/Width:/ {print $2}' <<<"$geometry")
  h=$(awk '/Height:/ {print $2}' <<<"$geometry")
}
stop_monitor() {
  kill -TERM "$pid"
  wait "$pid" || fail "monitor ended with $?"
  pid=""
}

start_monitor
cmp -s "$cfg" "$XDG_CONFIG_DIRS/tarnwick/tarnwick.cfg" || fail "the first start did not copy the system settings"
echo "ok: first start copied the system-wide settings and showed a ${w}x$h window"
if [ -n "$shot" ]; then
  # Some load for the gauges, the mouse on the window until the hint shows.
  ( end=$((SECONDS + 4)); while [ $SECONDS -lt $end ]; do :; done ) &
  # On the window's lower edge, so the hint opens below the gauges instead of over them.
  xdotool mousemove 140 157
  sleep 3
  import -window root -crop 420x200+60+80 "$shot"
  echo "screenshot saved to $shot"
fi
stop_monitor
export XDG_CONFIG_DIRS=$root/etc/xdg

# The system file names the skin where the package puts it (/usr/share); unpacked elsewhere,
# the monitor must still find the package's skins beside its own folder: a random one shows.
printf '[skins]\nactive=\nrandom=1\n' >"$cfg"
start_monitor
case "${w}x$h" in
  150x60 | 120x44 | 96x80) echo "ok: a shipped skin (${w}x$h) was found from the program folder" ;;
  *) fail "window is ${w}x$h, not one of the shipped skins" ;;
esac
stop_monitor
grep -q '^active=.*/usr/share/tarnwick/skins/.*\.skin$' "$cfg" ||
  fail "the random skin is not from the package: $(grep '^active' "$cfg")"
echo "package checks passed"

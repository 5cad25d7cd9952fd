#!/usr/bin/env bash
# The Debian package as a player gets it: made with cpack from the build tree,
# unpacked into a scratch root, its files and desktop entry checked, and the
# program started from that entry on a fresh home folder.
#   test-package.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
source_dir="$(cd "$2" && pwd)"

# Only a system without dpkg cannot make or unpack a Debian package at all.
if ! command -v dpkg-deb >/dev/null; then
  echo "skipped: not a Debian system (no dpkg-deb)"
  exit 77
fi
for tool in cpack dpkg-shlibdeps desktop-file-validate apt-cache; do
  command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/install-deps"; exit 1; }
done

work="$(mktemp -d)"
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# ---- the package
(cd "$build" && cpack -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb="$(ls "$work"/pkg/veldora_*.deb 2>/dev/null | head -n1)"
[ -f "$deb" ] || fail "no veldora_*.deb in $work/pkg"
[ "$(dpkg-deb -f "$deb" Package)" = veldora ] || fail "package name"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for needed in libqt6widgets6 libmdb3 qt6-translations-l10n; do
  grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed"
done
# Every dependency is a package of Debian's own archive.
while read -r name; do
  [ -z "$name" ] && continue
  apt-cache show --no-all-versions "$name" >/dev/null 2>&1 || fail "dependency $name is not a Debian package"
done < <(tr ',|' '\n\n' <<<"$depends" | sed 's/([^)]*)//g; s/:any//; s/^ *//; s/ *$//')
owners="$(dpkg-deb -c "$deb" | awk '{print $2}' | sort -u)"
[ "$owners" = "root/root" ] || fail "files not owned by root: $owners"

# ---- its files, unpacked
root="$work/root"
dpkg-deb -x "$deb" "$root"
share="$root/usr/share"
for f in usr/bin/veldora usr/share/applications/veldora.desktop usr/share/icons/hicolor/scalable/apps/veldora.svg \
         usr/share/veldora/program/base/main.mdb usr/share/veldora/program/img/no_image.bmp \
         usr/share/veldora/program/ini.ini; do
  [ -f "$root/$f" ] || fail "missing /$f"
done
[ -x "$root/usr/bin/veldora" ] || fail "/usr/bin/veldora is not executable"
cmp -s "$share/veldora/program/ini.ini" "$source_dir/sample/ini.ini" || fail "the sample's ini.ini is not the committed one"
writable="$(find "$share/veldora" -perm /022)"
[ -z "$writable" ] || fail "sample files writable by others: $writable"

# ---- the desktop entry
entry="$share/applications/veldora.desktop"
report="$(desktop-file-validate "$entry" 2>&1)" || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
grep -qx 'Name=Вельдора' "$entry" || fail "menu name"
grep -qE '^Categories=(.*;)?(Game|Utility);' "$entry" || fail "category"
grep -qx 'Icon=veldora' "$entry" || fail "icon name"
exec_line="$(sed -n 's/^Exec=//p' "$entry")"
[ "${exec_line%% *}" = veldora ] || fail "Exec does not start veldora: $exec_line"

# ---- started from the menu: the player's folder, made from the sample, never overwritten
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# start FOLDER HOME CHECK COMMAND...: runs the program there until CHECK holds (at
# most 60 s, the machine may be busy), fails if it ends by itself before or one
# second after, then stops it.
start() {
  local folder="$1" home="$2" check="$3"
  shift 3
  (cd "$folder" && HOME="$home" exec "$@") >"$work/run.log" 2>&1 &
  pid=$!
  local waited=0
  until $check; do
    kill -0 "$pid" 2>/dev/null || { cat "$work/run.log"; fail "the program ended at start: $*"; }
    [ "$waited" -lt 600 ] || fail "timed out waiting for: $check"
    sleep 0.1
    waited=$((waited + 1))
  done
  sleep 1
  kill -0 "$pid" 2>/dev/null || { cat "$work/run.log"; fail "the program ended at start: $*"; }
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}
started_a_while() { sleep 1; }
home="$work/home"
mkdir -p "$home" "$work/elsewhere"
read -r -a command <<<"${exec_line/#veldora/$root/usr/bin/veldora}"
mine="$home/Вельдора"
made_from_sample() { diff -r "$share/veldora/program" "$mine" >/dev/null 2>&1; }
start "$work/elsewhere" "$home" made_from_sample "${command[@]}"
printf '\001\000' >"$mine/ini.ini"
start "$work/elsewhere" "$home" started_a_while "${command[@]}"
[ "$(od -An -tx1 "$mine/ini.ini" | tr -d ' ')" = 0100 ] || fail "the player's ini.ini was overwritten"

# ---- started in a program folder: that folder, as always; no player's folder made
other_home="$work/other-home"
mkdir -p "$other_home"
cp -r "$share/veldora/program" "$work/folder"
chmod -R u+w "$work/folder"
start "$work/folder" "$other_home" started_a_while "$root/usr/bin/veldora"
[ ! -e "$other_home/Вельдора" ] || fail "a player's folder was made for a start in a program folder"

echo "package $(basename "$deb") installs and starts from its desktop entry"

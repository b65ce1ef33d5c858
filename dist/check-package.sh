#!/usr/bin/env bash
# Checks a built Debian package of HX-Tolkarin: installs it into a scratch root with
# dpkg --root, looks for what a user needs (command, launcher, icon, dictionaries, metadata,
# manual page, copyright), validates launcher and metadata, compares the dependencies with
# the libraries the executable links, starts the installed command as a user who may not
# write it, and runs lintian (errors fail, warnings are shown).
#   dist/check-package.sh build/hx-tolkarin_<version>_<arch>.deb
set -euo pipefail

deb=$(realpath "${1:?usage: $0 <package.deb>}")
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
chmod 755 "$root"

# A scratch root with an empty package database; the libraries the package depends on are
# those of this machine, so dependencies are not resolved in the scratch root.
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates" "$root/var/lib/dpkg/triggers"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
dpkg --root="$root" --force-depends --force-not-root -i "$deb" >/dev/null 2>"$root/dpkg.err" \
  || { cat "$root/dpkg.err" >&2; fail "dpkg --root -i $deb"; exit 1; }
ok "installed into a scratch root: $(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version)"

# The package's own list of files, as dpkg recorded it.
listed=$(dpkg --root="$root" -L hx-tolkarin)
need() {
  grep -qx "$1" <<<"$listed" || fail "the package does not hold $1"
}

program=/usr/lib/hx-tolkarin
need /usr/bin/hx-tolkarin
need $program/tolkarin
need /usr/share/applications/hx-tolkarin.desktop
need /usr/share/icons/hicolor/scalable/apps/hx-tolkarin.svg
need /usr/share/doc/hx-tolkarin/copyright
need /usr/share/doc/hx-tolkarin/changelog.Debian.gz
need /usr/share/man/man1/hx-tolkarin.1.gz
need $program/.read-only
for f in sp sprech.htm voices.txt hilfe-vq/index.htm land/Germany.txt TranslateDeGb/Woerterbuch-Muster.txt; do
  need $program/$f
done

# The command leads to the installed executable.
target=$(readlink "$root/usr/bin/hx-tolkarin")
[ "$(realpath -m "$root/usr/bin/$target")" = "$root$program/tolkarin" ] \
  || fail "/usr/bin/hx-tolkarin points to $target, not to $program/tolkarin"
kind=$(file -b "$root$program/tolkarin")
[ -x "$root$program/tolkarin" ] && [[ "$kind" == ELF*", stripped"* ]] \
  && ok "hx-tolkarin -> $program/tolkarin (stripped executable)" \
  || fail "$program/tolkarin is not a stripped executable"

# The imported dictionaries, not the small samples of the source tree: each has its four
# parts (three divider lines, holding eight backslashes) and more lines than a sample.
for name in DeEn DeGr DeIt SpDe; do
  file="$root$program/TranslateDeGb/$name.txt"
  if [ ! -f "$file" ]; then
    fail "dictionary TranslateDeGb/$name.txt is missing (is dict-freedict installed?)"
    continue
  fi
  lines=$(wc -l <"$file")
  dividers=$(grep -cF '\\\\\\\\' "$file" || true)
  if [ "$lines" -ge 1000 ] && [ "$dividers" -eq 3 ]; then
    ok "dictionary $name.txt: $lines lines, 3 dividers"
  else
    fail "dictionary $name.txt: $lines lines, $dividers divider lines (an imported one has thousands and 3)"
  fi
done

# Every file the build made beside the dictionaries has a licence paragraph in the copyright.
copyright="$root/usr/share/doc/hx-tolkarin/copyright"
mapfile -t patterns < <(sed -n 's/^Files: *//p' "$copyright" | tr ' ' '\n' | grep -v '^\*$' | grep .)
while read -r path; do
  [ -f "$root$path" ] || continue
  case "$path" in "$program/TranslateDeGb/Woerterbuch-Muster.txt") continue ;; esac
  covered=0
  for p in "${patterns[@]}"; do
    # shellcheck disable=SC2053 # the pattern is a glob on purpose
    [[ "${path#/}" == $p ]] && covered=1
  done
  [ $covered -eq 1 ] || fail "copyright names no licence for $path"
done < <(grep "^$program/TranslateDeGb/" <<<"$listed")
ok "copyright covers every dictionary file"

# Launcher and metadata: valid, and pointing at what the package holds.
desktop="$root/usr/share/applications/hx-tolkarin.desktop"
desktop-file-validate --no-hints "$desktop" && ok "launcher is valid" || fail "desktop-file-validate $desktop"
exec_path=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root$exec_path" ] || fail "the launcher starts $exec_path, which the package does not hold"
icon=$(sed -n 's/^Icon=//p' "$desktop")
grep -q "/icons/hicolor/.*/apps/$icon\.\(svg\|png\)$" <<<"$listed" || fail "the launcher's icon $icon is not in the package"
metainfo=$(grep -m1 '^/usr/share/metainfo/.*\.metainfo\.xml$' <<<"$listed" || true)
if [ -z "$metainfo" ]; then
  fail "the package holds no /usr/share/metainfo/*.metainfo.xml"
else
  id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$root$metainfo")
  [ "$metainfo" = "/usr/share/metainfo/$id.metainfo.xml" ] || fail "$metainfo is not named after its id $id"
  appstreamcli validate --no-net "$root$metainfo" >"$root/as.out" 2>&1 \
    && ok "metainfo $id is valid" || { cat "$root/as.out" >&2; fail "appstreamcli validate $metainfo"; }
  grep -q "<launchable type=\"desktop-id\">hx-tolkarin.desktop</launchable>" "$root$metainfo" \
    || fail "the metainfo does not launch hx-tolkarin.desktop"
fi

# Dependencies: the package of every library the executable links, and the speech data.
depends=$(dpkg-deb -f "$deb" Depends)
packages=$(tr ',' '\n' <<<"$depends" | sed 's/^ *\([^ ]*\).*/\1/')
grep -qx espeak-ng-data <<<"$packages" || fail "Depends lacks espeak-ng-data"
for so in $(objdump -p "$root$program/tolkarin" | awk '/NEEDED/ {print $2}'); do
  lib=$(ldconfig -p | awk -v so="$so" '$1 == so && /x86-64|64bit/ && !found {print $NF; found = 1}')
  owner=$({ dpkg -S "$lib" 2>/dev/null || dpkg -S "$(realpath "$lib")" 2>/dev/null || true; } | sed -n '1s/:.*//p')
  if [ -z "$owner" ]; then
    fail "no package found for linked library $so"
  elif ! grep -qx "$owner" <<<"$packages"; then
    fail "Depends lacks $owner (for $so)"
  fi
done
ok "Depends: $depends"

# Installed for everyone: a user who may not write the program directory, and root who may,
# start the command; each runs from a copy in its own data folder and nothing is written into
# the installed directory.
start_as() { # USER: starts the command as USER until its first start has written its settings
  local user=$1 home copy started
  home=$(mktemp -d)
  chown "$user" "$home"
  touch "$root/before-start"
  setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups \
    env -i HOME="$home" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=offscreen \
    timeout 30 "$root/usr/bin/hx-tolkarin" >"$home/out" 2>&1 &
  started=$!
  copy="$home/data/HX-Tolkarin"
  # The first start of a program directory writes its settings into syso/: in the copy.
  for _ in $(seq 100); do
    [ -d "$copy/syso" ] && break
    sleep 0.2
  done
  sleep 1
  kill "$started" 2>/dev/null || true
  wait "$started" 2>/dev/null || true
  if [ -f "$copy/.copied-from" ] && [ -d "$copy/syso" ] \
    && cmp -s "$copy/TranslateDeGb/DeEn.txt" "$root$program/TranslateDeGb/DeEn.txt"; then
    ok "started by $user, the command runs from the copy in its data folder"
  else
    cat "$home/out" >&2
    fail "started by $user, the program did not run from a copy in its data folder"
  fi
  written=$(find "$root/usr" -newer "$root/before-start" | sed -n '1,5p')
  [ -z "$written" ] || fail "started by $user, the program wrote into the installed folder: $written"
  rm -rf "$home"
}
if [ "$(id -u)" -eq 0 ] && id nobody >/dev/null 2>&1; then
  start_as nobody
  start_as root
else
  echo "skipped: starting the installed command as nobody and as root needs root"
fi

# lintian: errors fail, warnings are listed (README, Install).
if lintian --fail-on error "$deb" >"$root/lintian.out" 2>&1; then
  ok "lintian: no error"
else
  fail "lintian reports errors"
fi
grep -v "running with root privileges" "$root/lintian.out" | sed 's/^/lintian: /' || true

if [ $failures -ne 0 ]; then
  echo "$failures check(s) failed for $deb" >&2
  exit 1
fi
echo "package $deb: all checks passed"

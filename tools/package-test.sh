#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CI: makes the Debian package, checks what it holds, installs it with apt,
# starts the installed program under Xvfb until the welcome screen shows, and
# purges the package again. Installs and removes packages: root or sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
apt=($sudo env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=120)
app_id=nl.tellegoed.kolomaf
welcome_title=" "            # frmmecenaat1, the welcome screen, has a blank caption
welcome_size=744x448         # its 11160 x 6720 twips
main_title=" Alle kinderen moeten alle kansen krijgen."

fail() {
  echo "package-test: $*" >&2
  exit 1
}
step() { echo "package-test: $*"; }

installed_state() { dpkg-query -W -f='${db:Status-Status}' kolomaf 2>/dev/null || true; }
case "$(installed_state)" in
  "" | not-installed | config-files) ;;
  *) fail "kolomaf is installed already; this test installs and purges it itself (apt-get purge kolomaf)" ;;
esac

tmp=$(mktemp -d)
installed=0
xvfb=""
app=""
cleanup() {
  local status=$?
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  if ((installed)); then
    echo "package-test: purging kolomaf after a failure" >&2
    "${apt[@]}" purge kolomaf >/dev/null 2>&1 || true
  fi
  rm -rf "$tmp"
  exit $status
}
trap cleanup EXIT
trap 'exit 1' INT TERM

step "building the package"
deb=$(KOLOMAF_EXTRA_PACKAGES="desktop-file-utils appstream man-db groff-base file xvfb xauth x11-utils" tools/package.sh)
[ "$(wc -l <<<"$deb")" -eq 1 ] && [ -f "$deb" ] || fail "expected one .deb, got: $deb"
step "$deb"

version=$(sed -n 's/^project(kolomaf VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ "$(dpkg-deb -f "$deb" Package)" = kolomaf ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version is not $version"
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "section"
[ "$(dpkg-deb -f "$deb" Homepage)" = https://kolomaf.example.org ] || fail "homepage"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libc6; do
  grep -Eq "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

# Everything lives under /usr, with the names the desktop looks for.
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|' | grep -v '/$' | sort >"$tmp/files"
sort >"$tmp/expected" <<EOF
/usr/bin/kolomaf
/usr/share/applications/$app_id.desktop
/usr/share/doc/kolomaf/changelog.gz
/usr/share/doc/kolomaf/copyright
/usr/share/icons/hicolor/128x128/apps/$app_id.png
/usr/share/icons/hicolor/16x16/apps/$app_id.png
/usr/share/icons/hicolor/24x24/apps/$app_id.png
/usr/share/icons/hicolor/256x256/apps/$app_id.png
/usr/share/icons/hicolor/32x32/apps/$app_id.png
/usr/share/icons/hicolor/48x48/apps/$app_id.png
/usr/share/icons/hicolor/64x64/apps/$app_id.png
/usr/share/icons/hicolor/scalable/apps/$app_id.svg
/usr/share/man/man1/kolomaf.1.gz
/usr/share/metainfo/$app_id.metainfo.xml
EOF
diff -u "$tmp/expected" "$tmp/files" || fail "the package holds other files than expected"

step "validating what the package ships"
dpkg-deb -x "$deb" "$tmp/root"
desktop-file-validate "$tmp/root/usr/share/applications/$app_id.desktop" >"$tmp/out" 2>&1 || true
[ ! -s "$tmp/out" ] || { cat "$tmp/out"; fail "desktop-file-validate"; }
appstreamcli validate-tree --no-net --pedantic "$tmp/root" >"$tmp/out" 2>&1 || { cat "$tmp/out"; fail "appstreamcli"; }
! grep -Eq '^[EWIP]: ' "$tmp/out" || { cat "$tmp/out"; fail "appstreamcli"; }
zcat "$tmp/root/usr/share/man/man1/kolomaf.1.gz" >"$tmp/kolomaf.1"
groff -man -Tutf8 -ww -z "$tmp/kolomaf.1" >"$tmp/out" 2>&1
[ ! -s "$tmp/out" ] || { cat "$tmp/out"; fail "groff warns about the manual page"; }
lexgrog "$tmp/kolomaf.1" | grep '"kolomaf - ' >/dev/null || fail "lexgrog finds no NAME line"
case "$(file -b "$tmp/root/usr/bin/kolomaf")" in
  *"not stripped"*) fail "the binary is not stripped" ;;
  ELF*executable*stripped* | ELF*shared\ object*stripped*) ;;
  *) fail "the binary is no ELF program: $(file -b "$tmp/root/usr/bin/kolomaf")" ;;
esac

# lintian is large, so only used when it is there already.
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb" >"$tmp/out" 2>&1 || { cat "$tmp/out"; fail "lintian"; }
  step "lintian: no errors or warnings"
else
  step "lintian is not installed: skipped"
fi

step "installing with apt"
installed=1
"${apt[@]}" install "$(realpath "$deb")" >"$tmp/apt.log" 2>&1 || { cat "$tmp/apt.log"; fail "apt-get install"; }
[ "$(installed_state)" = installed ] || fail "kolomaf is not installed after apt-get install"
[ -x /usr/bin/kolomaf ] || fail "/usr/bin/kolomaf missing"
[ "$(man -w kolomaf)" = /usr/share/man/man1/kolomaf.1.gz ] || fail "man -w kolomaf: $(man -w kolomaf 2>&1)"

step "starting /usr/bin/kolomaf under Xvfb"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$tmp/display" ] && break
  sleep 0.1
done
[ -s "$tmp/display" ] || { cat "$tmp/xvfb.log"; fail "Xvfb did not start"; }
export DISPLAY=:$(head -n1 "$tmp/display")
mkdir -m 700 "$tmp/runtime"
(cd / && exec env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$tmp/runtime" /usr/bin/kolomaf) \
  >"$tmp/kolomaf.log" 2>&1 &
app=$!

# The id of a mapped top-level window titled $1 whose size matches the
# pattern $2; xwininfo lists them as: 0x... "title": ("instance" "class")  WxH+X+Y  +X+Y
find_window() {
  local ids id
  ids=$(xwininfo -root -tree 2>/dev/null | awk -v t="\"$1\":" -v s="^$2\\+" '
    { rest = substr($0, index($0, $1) + length($1) + 1)
      if (index(rest, t) == 1 && $(NF-1) ~ s) print $1 }') || true
  for id in $ids; do
    if xwininfo -id "$id" 2>/dev/null | grep 'Map State: IsViewable' >/dev/null; then
      echo "$id"
      return 0
    fi
  done
}
welcome=""
for _ in $(seq 200); do
  kill -0 "$app" 2>/dev/null || { cat "$tmp/kolomaf.log"; fail "kolomaf ended before the welcome screen showed"; }
  welcome=$(find_window "$welcome_title" "$welcome_size")
  [ -n "$welcome" ] && break
  sleep 0.1
done
[ -n "$welcome" ] || { xwininfo -root -tree; cat "$tmp/kolomaf.log"; fail "no welcome screen within 20 s"; }
main=$(find_window "$main_title" "[0-9]+x[0-9]+")
[ -n "$main" ] || fail "the main window is not shown"
step "welcome screen $welcome is on screen, $(((SECONDS - start))) s after the start of the test"

# The launcher entry must name the class Qt gives the windows.
wm_class=$(xprop -id "$welcome" WM_CLASS | sed -n 's/.*= "\(.*\)", "\(.*\)"$/\2/p')
desktop_class=$(sed -n 's/^StartupWMClass=//p' "/usr/share/applications/$app_id.desktop")
[ -n "$wm_class" ] && [ "$wm_class" = "$desktop_class" ] ||
  fail "window class '$wm_class' differs from StartupWMClass '$desktop_class'"
# The window icon comes from the SVG icon engine, a plugin.
for _ in $(seq 50); do
  xprop -id "$main" -notype _NET_WM_ICON 2>/dev/null | grep 'Icon (' >/dev/null && break
  sleep 0.1
done
xprop -id "$main" -notype _NET_WM_ICON | grep 'Icon (' >/dev/null || fail "the main window has no icon"

# Qt loads its plugins at run time, out of dpkg-shlibdeps' sight: each must
# come from a package kolomaf depends on.
grep -o '/[^ ]*/qt6/plugins/[^ ]*\.so' "/proc/$app/maps" | sort -u >"$tmp/plugins"
grep -q '/platforms/libqxcb\.so$' "$tmp/plugins" || fail "the xcb plugin is not loaded"
depends=$(dpkg-query -W -f='${Depends}' kolomaf)
while read -r plugin; do
  owner=$(dpkg-query -S "$plugin" 2>/dev/null | head -n1 | cut -d: -f1) || true
  [ -n "$owner" ] || fail "$plugin belongs to no package"
  grep -Eq "(^|, )$owner( |,|$)" <<<"$depends" ||
    fail "$plugin comes from $owner, which kolomaf does not depend on"
done <"$tmp/plugins"
step "plugins loaded: $(sed 's|.*/plugins/||' "$tmp/plugins" | tr '\n' ' ')"

kill "$app"
wait "$app" 2>/dev/null || true
app=""
kill "$xvfb"
wait "$xvfb" 2>/dev/null || true
xvfb=""
unset DISPLAY

step "purging the package"
"${apt[@]}" purge kolomaf >"$tmp/apt.log" 2>&1 || { cat "$tmp/apt.log"; fail "apt-get purge"; }
installed=0
case "$(installed_state)" in
  "" | not-installed) ;;
  *) fail "kolomaf is still known to dpkg: $(installed_state)" ;;
esac
for f in /usr/bin/kolomaf "/usr/share/applications/$app_id.desktop" /usr/share/man/man1/kolomaf.1.gz; do
  [ ! -e "$f" ] || fail "$f is still there after the purge"
done
step "passed in $((SECONDS - start)) s"

#!/usr/bin/env bash
# package_test.sh BUILD-DIR SOURCE-DIR LANGUAGE...: builds the Debian package,
# checks it with lintian, its dependencies, each language's translation and
# its desktop files with Debian's validators, installs it (as root; otherwise
# unpacks it), asks its command line for an answer in English and German, and
# starts the installed program on a private X display, where
# File > Exit must end it, in English and, by its German menu keys, in German.
set -euo pipefail
build=$1
source=$2
shift 2
tmp=$(mktemp -d)
installed=""
lintian=""
cleanup() {
    [ -n "$lintian" ] && kill "$lintian" 2>/dev/null || true
    [ -n "$installed" ] && dpkg -r kelvane >/dev/null 2>&1 || true
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && cpack -B "$tmp/out" >/dev/null) || fail "cpack"
deb=$(ls "$tmp"/out/kelvane_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for need in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 fonts-liberation fonts-dejavu-core \
    qt6-translations-l10n; do
    grep -q "$need" <<<"$depends" || fail "Depends lacks $need: $depends"
done
[ "$(dpkg-deb -f "$deb" Version)" = "2.11" ] || fail "version"
# The Wayland plugin, and the faces of the scripts the layout's face lacks.
recommends=$(dpkg-deb -f "$deb" Recommends)
for want in qt6-wayland fonts-wqy-microhei fonts-vlgothic; do
    grep -q "$want" <<<"$recommends" || fail "Recommends lacks $want: $recommends"
done

# Any tag fails, down to info and pedantic ones. It reads the package while
# the rest is checked, and is waited for at the end.
lintian --display-info --pedantic --fail-on error,warning,info,pedantic "$deb" >"$tmp/lintian.log" 2>&1 &
lintian=$!

dpkg-deb -x "$deb" "$tmp/root"
# Not even a hint.
desktop=$(desktop-file-validate "$tmp/root/usr/share/applications/org.kelvane.Kelvane.desktop" 2>&1) &&
    [ -z "$desktop" ] || fail "desktop file: $desktop"
appstreamcli validate --no-net --pedantic "$tmp/root/usr/share/metainfo/org.kelvane.Kelvane.metainfo.xml" \
    >"$tmp/appstream.log" 2>&1 || { cat "$tmp/appstream.log"; fail "metainfo"; }
for language in "$@"; do
    [ -s "$tmp/root/usr/share/kelvane/translations/kelvane_$language.qm" ] || fail "translation $language"
done
[ -s "$tmp/root/usr/share/bash-completion/completions/kelvane" ] || fail "bash completion"
[ -s "$tmp/root/usr/share/man/man1/kelvane.1.gz" ] || fail "manual page"
for size in 16 32 48 256; do
    [ -s "$tmp/root/usr/share/icons/hicolor/${size}x${size}/apps/org.kelvane.Kelvane.png" ] || fail "icon $size"
done

binary="$tmp/root/usr/bin/kelvane"
if [ "$(id -u)" = 0 ]; then
    # Without the manual page, which lintian has read: man-db would index all
    # of section 1 again on installing and on removing, 3 s of CPU each here.
    dpkg -i --path-exclude='/usr/share/man/*' "$deb" >/dev/null || fail "dpkg -i"
    installed=yes
    binary=/usr/bin/kelvane
fi
# The command line with no display, and with the texts of its window.
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY "$binary" decode yellow violet red gold) &&
    [ "$answer" = "4,7 Kohm ±5%" ] || fail "kelvane decode: $answer"
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY LANG=de_DE.UTF-8 "$binary" encode 4700) &&
    [ "$answer" = "4,7 Kohm: Gelb, Violett, Rot" ] || fail "kelvane encode in German: $answer"
"$source/scripts/with-x.sh" "$source/tests/x11/start_exit.sh" "$binary" >"$tmp/run.log" 2>&1 ||
    { cat "$tmp/run.log"; fail "the installed program"; }
LANG=de_DE.UTF-8 EXIT_KEYS="alt+d b" "$source/scripts/with-x.sh" "$source/tests/x11/start_exit.sh" "$binary" \
    >"$tmp/run_de.log" 2>&1 || { cat "$tmp/run_de.log"; fail "the installed program in German"; }
wait "$lintian" || { cat "$tmp/lintian.log"; fail "lintian"; }
echo "1 passed, 0 failed"

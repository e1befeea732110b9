#!/usr/bin/env bash
# Usage: install_test.sh <build folder>
set -euo pipefail
build="$1"
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$tmp/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/solvarin share/applications/pl.solvarin.Solvarin.desktop \
  share/metainfo/pl.solvarin.Solvarin.metainfo.xml share/icons/hicolor/scalable/apps/solvarin.svg \
  share/icons/hicolor/48x48/apps/solvarin.png "share/solvarin/examples/Przepisy babci.xml" \
  share/solvarin/examples/zdjecia/kielbasa.jpg share/man/man1/solvarin.1.gz; do
  [ -e "$prefix/$f" ] || fail "not installed: $f"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/pl.solvarin.Solvarin.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/pl.solvarin.Solvarin.metainfo.xml" \
    >/dev/null || appstreamcli validate --no-net "$prefix/share/metainfo/pl.solvarin.Solvarin.metainfo.xml"
fi

# A user who already has a book (so no first-start question waits for an answer).
export HOME="$tmp/home" QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false'
unset XDG_CONFIG_HOME XDG_DATA_HOME
mkdir -p "$HOME/.local/share/solvarin"
cp "$prefix/share/solvarin/examples/Przepisy babci.xml" "$HOME/.local/share/solvarin/Moja książka.xml"
chmod -R a-w "$prefix"
before=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)

"$prefix/bin/solvarin" >"$tmp/out.txt" 2>&1 &
pid=$!
sleep 4
kill -0 "$pid" 2>/dev/null || { cat "$tmp/out.txt"; fail "the installed program did not keep running"; }
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { cat "$tmp/out.txt"; fail "closing on SIGTERM ended with $status"; }

settings="$HOME/.config/solvarin/Ustawienia.ini"
[ -f "$settings" ] || fail "no settings in the configuration folder"
grep -q "Moja ksi" "$settings" || fail "the user's book is not remembered: $(cat "$settings")"
after=$(cd "$prefix" && find . -printf '%p %s %T@\n' | sort)
[ "$before" = "$after" ] || fail "something was written under the prefix: $(diff <(echo "$before") <(echo "$after"))"
echo "installed, started, closed; settings in $settings; nothing written under the prefix"

# A new user with no book: the first-start question is open when the session ends.
export HOME="$tmp/home2"
mkdir -p "$HOME"
"$prefix/bin/solvarin" >"$tmp/out2.txt" 2>&1 &
pid=$!
sleep 4
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { cat "$tmp/out2.txt"; fail "closing a first start on SIGTERM ended with $status"; }
[ -f "$HOME/.config/solvarin/Ustawienia.ini" ] || fail "a first start closed by SIGTERM wrote no settings"
echo "a first start closed at its question wrote its settings too"

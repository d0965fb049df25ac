#!/usr/bin/env bash
# Takes the screenshots of docs/screenshots/ from the real program: builds it, starts it on a
# virtual X display in a scratch copy of the sample register, opens each window with the keyboard
# and the mouse as a user would, and saves each window as a PNG. The sample register is never
# changed: every dialog is left with Cancel, No or Close.
#   scripts/screenshots.sh [output-folder]      (default: docs/screenshots/)
# The program is built in build/, or in the folder named by BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh build screenshots
build_dir="${BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANEL_BUILD_TESTS=OFF -DORVANEL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target orvanel >/dev/null

out="$(realpath -m "${1:-docs/screenshots}")"
mkdir -p "$out"
program="$(realpath "$build_dir/orvanel")"
work="$(mktemp -d)"
cp data/zok.xml "$work/zok.xml"

xvfb_pid=""
program_pid=""
cleanup() {
  if [ -n "$program_pid" ]; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# A display of its own: Xvfb picks a free number and writes it to the file.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for i in $(seq 1 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 LANGUAGE=en  # the keys below are the English mnemonics

# Waits for the visible window titled exactly $1 and prints its id.
window() {
  local id
  id="$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1)"
  [ -n "$id" ] || { echo "no window \"$1\" appeared" >&2; exit 1; }
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  echo "$id"
}

# Waits until the window titled exactly $1 is gone.
gone() {
  local i
  for i in $(seq 1 100); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  echo "window \"$1\" did not close" >&2
  exit 1
}

# Saves window $1 as $out/$2.png, once it has had time to paint.
shot() {
  sleep 0.6
  import -window "$1" "$out/$2.png"
  echo "$out/$2.png"
}

key() { xdotool key --clearmodifiers "$@"; sleep 0.3; }

# Clicks at x,y inside window $1.
click() {
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.2
  xdotool click 1
  sleep 0.3
}

(cd "$work" && exec "$program") &
program_pid=$!

main="$(window Orvanel)"
shot "$main" main-window

key alt+f
search="$(window Search)"
shot "$search" search-window

# The first row of the list: the button row above it, then the column headers.
click "$search" 120 62
key alt+e
person="$(window Person)"
shot "$person" person-general
key alt+t
shot "$person" person-contact
key alt+r
shot "$person" person-relatives

# The first relative, then the relationship dialog for it.
click "$person" 80 72
key alt+e
relationship="$(window Relationship)"
shot "$relationship" relationship
key alt+c
gone Relationship

person="$(window Person)"
key alt+d
confirm="$(window Confirm)"
shot "$confirm" confirm
key alt+n
gone Confirm

person="$(window Person)"
key alt+m
shot "$person" person-comment
key alt+c
gone Person

search="$(window Search)"
key alt+f
filter="$(window Filter)"
shot "$filter" filter
key alt+a
gone Filter

search="$(window Search)"
key alt+c
gone Search
main="$(window Orvanel)"
key alt+c

for i in $(seq 1 50); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "the program did not end: a window is still open" >&2
  exit 1
fi
wait "$program_pid" || { echo "the program ended with an error" >&2; exit 1; }
program_pid=""
cmp -s data/zok.xml "$work/zok.xml" || { echo "the register was changed" >&2; exit 1; }
[ ! -e "$work/zok.bak" ] || { echo "the register was saved" >&2; exit 1; }

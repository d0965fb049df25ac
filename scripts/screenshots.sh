#!/usr/bin/env bash
# Takes the screenshots of docs/screenshots/ from the real program: builds it, starts it on a
# virtual X display in a scratch copy of the sample register, opens each window with the keyboard
# and the mouse as a user would, and saves each window as a PNG. The sample register is never
# changed: every dialog is left with Cancel, No or Close.
#   scripts/screenshots.sh [--only SET]... [output-folder]      (default: docs/screenshots/)
# The sets of pictures, all of them unless --only names some:
#   en     every window, in English, and the import's preview of data/family.ged
#   de     the main window and the person dialog in German (LANGUAGE=de)
#   dark   under the dark desktop theme (the Qt style Adwaita-Dark): the confirmation dialog,
#          which follows the theme, over the search window, the person dialog and the Family
#          window, which follows the theme too
# The program is built in build/, or in the folder named by BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."

usage() {
  echo "usage: $0 [--only en|de|dark]... [output-folder]" >&2
  exit 2
}

sets=()
out_arg=""
while [ "$#" -gt 0 ]; do
  case "$1" in
    --only)
      [ "$#" -ge 2 ] || usage
      case "$2" in en | de | dark) sets+=("$2") ;; *) usage ;; esac
      shift 2
      ;;
    -*) usage ;;
    *)
      [ -z "$out_arg" ] || usage
      out_arg="$1"
      shift
      ;;
  esac
done
[ "${#sets[@]}" -gt 0 ] || sets=(en de dark)

bash scripts/install-deps.sh build screenshots
build_dir="${BUILD_DIR:-build}"
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANEL_BUILD_TESTS=OFF -DORVANEL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target orvanel >/dev/null

out="$(realpath -m "${out_arg:-docs/screenshots}")"
mkdir -p "$out"
program="$(realpath "$build_dir/orvanel")"
work="$(mktemp -d)"
cp data/zok.xml "$work/zok.xml"
cp data/family.ged "$work/family.ged"

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
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8

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

# Saves the part of the screen that window $1 covers, with whatever lies on top of it, as
# $out/$2.png: a dialog shown over a window is a window of its own.
shot_with_dialogs() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  sleep 0.6
  eval "$(xdotool getwindowgeometry --shell "$1")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$2.png"
  echo "$out/$2.png"
}

# Fails unless the pixel at x,y of window $1 is dark: proves that the dark theme is in use.
expect_dark() {
  local lightness
  lightness="$(import -window "$1" -crop "1x1+$2+$3" -colorspace Gray -format '%[fx:int(100*p{0,0}.intensity)]' info:)"
  [ "$lightness" -lt 40 ] || {
    echo "the dark desktop theme did not load (is adwaita-qt6 installed?)" >&2
    exit 1
  }
}

key() { xdotool key --clearmodifiers "$@"; sleep 0.3; }

# Clicks at x,y inside window $1.
click() {
  xdotool mousemove --window "$1" "$2" "$3"
  sleep 0.2
  xdotool click 1
  sleep 0.3
}

# Selects the first row of the list in the middle of window $1: a click into the list gives it the
# focus, Home goes to its top. Where the rows begin depends on the style and the font.
first_row() {
  click "$1" 120 160
  key Home
}

# Starts the program in the scratch folder with the given extra environment (NAME=VALUE...).
start_program() {
  (cd "$work" && exec env "$@" "$program") &
  program_pid=$!
}

# Waits for the program to end after its main window was closed, and checks that the register
# was neither changed nor saved.
program_ended() {
  local i
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
}

# Closes the search window (Alt+C) and then the main window, which ends the program.
close_search_and_main_window() {
  window Search >/dev/null
  key alt+c
  gone Search
  window Orvanel >/dev/null
  key alt+c
  program_ended
}

# Every window in English; the keys are the English mnemonics.
english_set() {
  local main search person relationship confirm filter import_window
  start_program LANGUAGE=en

  main="$(window Orvanel)"
  shot "$main" main-window

  key alt+f
  search="$(window Search)"
  shot "$search" search-window

  first_row "$search"
  key alt+e
  person="$(window Person)"
  shot "$person" person-general
  key alt+t
  shot "$person" person-contact
  key alt+r
  shot "$person" person-relatives

  # The first relative, then the relationship dialog for it.
  first_row "$person"
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

  # The import's preview of a small GEDCOM file, left with Cancel. The file dialog is Qt's own
  # here: the name typed into its file name field, Enter opens it.
  search="$(window Search)"
  key alt+i
  window "Import persons" >/dev/null
  xdotool type --delay 20 "$work/family.ged"
  key Return
  import_window="$(window Import)"
  shot "$import_window" import
  key Escape
  gone Import

  family_shot family
  close_search_and_main_window
}

# The Family window of the search window's first person (Family... is Alt+M there), saved as
# $out/$1.png; its Close is Alt+C.
family_shot() {
  local search family
  search="$(window Search)"
  first_row "$search"
  key alt+m
  family="$(window Family)"
  shot "$family" "$1"
  key alt+c
  gone Family
}

# The main window and the person dialog in German: the titles and mnemonics are the German ones
# (Suchen Alt+S, Bearbeiten Alt+B, Abbrechen Alt+R, Schließen Alt+C).
german_set() {
  local main search person
  start_program LANGUAGE=de

  main="$(window Orvanel)"
  shot "$main" main-window-de

  key alt+s
  search="$(window Suche)"
  first_row "$search"
  key alt+b
  person="$(window Person)"
  shot "$person" person-general-de
  key alt+r
  gone Person

  search="$(window Suche)"
  key alt+c
  gone Suche
  main="$(window Orvanel)"
  key alt+c
  program_ended
}

# Under the dark desktop theme: the confirmation dialog follows it, the program's own windows keep
# their light face with dark text.
dark_set() {
  local main search person confirm
  start_program LANGUAGE=en QT_STYLE_OVERRIDE=Adwaita-Dark

  main="$(window Orvanel)"
  key alt+f
  search="$(window Search)"
  first_row "$search"
  key alt+d
  confirm="$(window Confirm)"
  expect_dark "$confirm" 4 4
  shot_with_dialogs "$search" search-window-dark
  key alt+n
  gone Confirm

  search="$(window Search)"
  key alt+e
  person="$(window Person)"
  shot "$person" person-general-dark
  key alt+c
  gone Person

  family_shot family-dark
  close_search_and_main_window
}

for set in "${sets[@]}"; do
  case "$set" in
    en) english_set ;;
    de) german_set ;;
    dark) dark_set ;;
  esac
done

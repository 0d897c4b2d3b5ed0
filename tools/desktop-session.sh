#!/usr/bin/env bash
# Runs Kavorin on a virtual desktop (Xvfb with the openbox window manager) with
# temporary settings, works it as a user would (xdotool) and leaves screenshots
# of what a user sees in a folder:
#
#   main.png                    the main window
#   computation.png             a cube computation window with the formula and
#                               supplementary data windows and the draft panel
#   mass.png                    the mass calculation dialog (Ctrl+M) with a density
#   computation-moved.png       the computation window after dragging it by its title bar
#   computation-reopened.png    after closing and reopening both side windows
#   settings.png, about.png     the settings dialog and the about window
#   tank.png                    a cylindrical tank drawn to scale ("To scale" on the
#                               draft panel) with its level table and fill curve
#   print.png                   the level table's print dialog
#   solve.png                   the tank's solving window: the length of a half-full tank
#                               of radius 30 holding 500 (litres with -U)
#   windows.txt                 each window's frame, size hints, transient
#                               owner and the actions the window manager offers
#
# Usage: tools/desktop-session.sh [options]
#   -o DIR        folder for the screenshots (default: desktop-session in the build folder)
#   -b DIR        build folder holding the Kavorin executable (default: build)
#   -d N          X display number (default: the first free one from 90 on)
#   -l LANGUAGE   user interface language: English, Czech, Slovak (default: English)
#   -L LOCALE     regional settings, e.g. cs_CZ.UTF-8 (default: en_US.UTF-8)
#   -p N          precision 0..14 of the results (default: 2)
#   -f FORM       number form: 0 basic, 1 semilogarithmic (default: 0)
#   -v TEXT       what is typed into the cube's edge (default: 3)
#   -U            lengths in centimetres and volumes in litres (default: bare numbers)
#   -W            no window manager: a bare X server
#
# Needs the Debian packages xvfb, openbox, xdotool, imagemagick and x11-utils
# (installed when missing and run as root). Nothing outside the temporary
# folder and the screenshot folder is touched.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
source scripts/session.sh

out_dir=
build_dir=build
display_number=
language=English
locale=en_US.UTF-8
precision=2
form=0
value=3
with_wm=1
units=
while getopts "o:b:d:l:L:p:f:v:UWh" opt; do
  case $opt in
    o) out_dir=$OPTARG ;;
    b) build_dir=$OPTARG ;;
    d) display_number=$OPTARG ;;
    l) language=$OPTARG ;;
    L) locale=$OPTARG ;;
    p) precision=$OPTARG ;;
    f) form=$OPTARG ;;
    v) value=$OPTARG ;;
    U) units=$'LengthUnit=cm\nVolumeUnit=L' ;;
    W) with_wm=0 ;;
    *) awk 'NR > 1 && /^#/ { sub(/^# ?/, ""); print; next } NR > 1 { exit }' "$0"; exit 2 ;;
  esac
done

die() { echo "desktop-session: $*" >&2; exit 1; }
[ -n "$out_dir" ] || out_dir=$build_dir/desktop-session

kavorin_ensure_packages "${KAVORIN_DESKTOP_PACKAGES[@]}" xdotool imagemagick ||
  die "the packages above are needed"
executable=$(realpath "$build_dir/Kavorin" 2>/dev/null) || true
[ -x "$executable" ] || die "no Kavorin executable in $build_dir (build it first)"

if [ -z "$display_number" ]; then
  for n in $(seq 90 199); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      display_number=$n
      break
    fi
  done
  [ -n "$display_number" ] || die "no free X display number between 90 and 199"
fi
export DISPLAY=":$display_number"

mkdir -p "$out_dir"
out_dir=$(realpath "$out_dir")
kavorin_session_begin kavorin-desktop

Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
pids+=($!)
wait_for 10 xprop -root _NET_SUPPORTED ||
  { cat "$work/xvfb.log" >&2; die "Xvfb did not start on $DISPLAY"; }

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$XDG_CONFIG_HOME/Ternwick"
if [ "$with_wm" = 1 ]; then
  openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
  wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
  wait_for 10 wm_ready || { cat "$work/openbox.log" >&2; die "openbox did not start"; }
fi

cat >"$XDG_CONFIG_HOME/Ternwick/Kavorin.conf" <<EOF
[Settings]
Language=$language
Precision=$precision
Form=$form
ShowFormulas=1
ShowSupplementaryData=1
ShowDraft=1
UsePresetDensity=1
PresetDensity=7850
${units}
EOF

LC_ALL=$locale LANG=$locale "$executable" >"$work/kavorin.log" 2>&1 &
pids+=($!)
kavorin_pid=$!

visible_windows() { xdotool search --all --onlyvisible --pid "$kavorin_pid" 2>/dev/null | sort; }
main_window=
find_main() { main_window=$(xdotool search --onlyvisible --pid "$kavorin_pid" --name '^Kavorin$' | head -1); [ -n "$main_window" ]; }
wait_for 15 find_main || { cat "$work/kavorin.log" >&2; die "the main window did not appear"; }

# Waits until the set of visible windows changes from $1 and sets new_windows.
new_windows=
wait_new_windows() {
  local before=$1 now tries
  for ((tries = 0; tries < 100; tries++)); do
    now=$(visible_windows)
    new_windows=$(comm -13 <(echo "$before") <(echo "$now") | xargs)
    [ -n "$new_windows" ] && return 0
    sleep 0.1
  done
  return 1
}

click_in() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
settle() { sleep "${1:-1}"; }
shot() { import -window root "$out_dir/$1"; echo "  $out_dir/$1"; }

describe_windows() {
  local w
  for w in $(visible_windows); do
    echo "== $(xdotool getwindowname "$w") (0x$(printf %x "$w"))"
    xwininfo -id "$w" | sed -n 's/^ *\(Absolute upper-left [XY]\|Width\|Height\):/  client \1:/p'
    xprop -id "$w" WM_TRANSIENT_FOR _NET_WM_WINDOW_TYPE _NET_FRAME_EXTENTS \
      _NET_WM_ALLOWED_ACTIONS WM_NORMAL_HINTS | sed 's/^/  /'
  done
}

echo "Screenshots on $DISPLAY ($( [ "$with_wm" = 1 ] && echo openbox || echo no window manager)):"
settle 1
shot main.png

before=$(visible_windows)
click_in "$main_window" 79 106 # BCube
wait_new_windows "$before" || die "no computation window opened"
settle 1.5 # the draft panel slides open
# The computation window is the new window that is transient for the main
# window (the side windows are transient for it).
computation=
main_hex=$(printf '0x%x' "$main_window")
for w in $new_windows; do
  if xprop -id "$w" WM_TRANSIENT_FOR | grep -q "window id # $main_hex\$"; then
    computation=$w
  fi
done
[ -n "$computation" ] || die "cannot tell the computation window among: $new_windows"
xdotool type --delay 60 "$value"
settle 0.5
shot computation.png
describe_windows >"$out_dir/windows.txt"

# The mass calculation dialog, opened with Ctrl+M from the entry.
before=$(visible_windows)
xdotool key ctrl+m
if wait_new_windows "$before"; then
  settle 0.5
  xdotool type --delay 60 "7850"
  settle 0.5
  shot mass.png
  xdotool key Escape
  settle 0.5
else
  echo "  (no mass calculation dialog: the entry gives no result)"
fi

if [ "$with_wm" = 1 ]; then
  # Drag the computation window by its title bar, as a user does.
  # (xwininfo, not xdotool: the latter counts the frame twice under openbox)
  X=$(xwininfo -id "$computation" | sed -n 's/^ *Absolute upper-left X: *//p')
  Y=$(xwininfo -id "$computation" | sed -n 's/^ *Absolute upper-left Y: *//p')
  xdotool mousemove $((X + 150)) $((Y - 8)) mousedown 1
  for step in 1 2 3 4 5 6; do
    xdotool mousemove $((X + 150 - step * 20)) $((Y - 8 + step * 15))
    sleep 0.05
  done
  xdotool mouseup 1
else
  xdotool windowmove "$computation" 120 320
fi
settle 1
shot computation-moved.png

# Both side windows closed with their buttons and opened again.
for button_y in 247 277; do
  click_in "$computation" 27 "$button_y"
  settle 0.5
  click_in "$computation" 27 "$button_y"
  settle 0.5
done
settle 0.5
shot computation-reopened.png
describe_windows >"$out_dir/windows-reopened.txt"

# The first Escape clears the entry, the second closes the window.
xdotool key Escape
settle 0.3
xdotool key Escape
wait_for 5 bash -c "! xdotool search --onlyvisible --pid $kavorin_pid --name . | grep -qx $computation" ||
  die "the computation window did not close"

before=$(visible_windows)
click_in "$main_window" 369 41 # BSettings
wait_new_windows "$before" || die "the settings dialog did not open"
settle 1
shot settings.png
xdotool key Escape
settle 1

before=$(visible_windows)
click_in "$main_window" 369 299 # BAbout
wait_new_windows "$before" || die "the about window did not open"
settle 1
shot about.png
xdotool key Escape
settle 0.5

# The tank: its entries, the draft panel's "To scale" switch in the panel's top right
# corner, then the options menu's level table (above Solve…, Units… and Materials…).
before=$(visible_windows)
click_in "$main_window" 352 122 # BCylindricalTank
wait_new_windows "$before" || die "no tank window opened"
settle 1.5 # the draft panel slides open
tank=$(xdotool getactivewindow)
xdotool type --delay 60 $'2\t1\t6'
click_in "$tank" 684 13 # BToScale
settle 0.5
click_in "$tank" 363 247 # BOptionsMenu
settle 0.5
xdotool key Up Up Up Up Return
settle 1.5
xdotool mousemove 0 0
settle 0.5
shot tank.png

# The level table's "Print…" (the third of its four buttons along its bottom edge):
# the print dialog, over the level table; cancelled.
# Of the windows with its name, the level table is the tallest.
table= tallest=0
for w in $(xdotool search --onlyvisible --pid "$kavorin_pid" --name '^Level table$'); do
  eval "$(xdotool getwindowgeometry --shell "$w")"
  if [ "$HEIGHT" -gt "$tallest" ]; then table=$w tallest=$HEIGHT; fi
done
if [ -n "$table" ]; then
  eval "$(xdotool getwindowgeometry --shell "$table")"
  before=$(visible_windows)
  click_in "$table" $((WIDTH * 66 / 100)) $((HEIGHT - 20))
  if wait_new_windows "$before"; then
    settle 1
    shot print.png
    xdotool key Escape
    settle 0.5
  else
    echo "  (no print dialog opened)"
  fi
fi

# The solving window (the item below the level table), typed into as it opens: the
# radius, the level of a half-full tank and its volume; the length is solved for.
before=$(visible_windows)
click_in "$tank" 363 247 # BOptionsMenu
settle 0.5
xdotool key Up Up Up Return
if wait_new_windows "$before"; then
  settle 1
  xdotool type --delay 60 $'30\t30\t\t500'
  settle 1
  xdotool mousemove 0 0
  settle 0.5
  shot solve.png
else
  echo "  (no solving window opened)"
fi

if [ -s "$work/kavorin.log" ]; then
  echo "Kavorin wrote:"
  sed 's/^/  /' "$work/kavorin.log"
fi

# The blocks that several scripts need, in one place. Sourced, never run:
#   . "$(dirname "$0")/lib.sh"        (from scripts/; tests/windows sources it by its path)
# Needs bash; the sourcing script keeps its own `set -euo pipefail`.

merivox_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Commands run when the script ends, the last added first (a window manager goes before its X
# server, a server before the folder it lives in). The script's one EXIT trap is set here; a
# script adds its own cleanup with at_exit rather than a trap of its own.
_merivox_at_exit=()
at_exit() { # COMMAND (one string, run with eval)
  _merivox_at_exit+=("$1")
  trap _merivox_run_at_exit EXIT
}
_merivox_run_at_exit() {
  local i
  for ((i = ${#_merivox_at_exit[@]} - 1; i >= 0; i--)); do
    eval "${_merivox_at_exit[i]}" || true
  done
}

# Runs a command as root: directly when the script already runs as root (a container, the CI
# machine), else through sudo.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs those of the given Debian packages that are missing; apt-get runs only when one is.
install_packages() { # PACKAGE...
  local p missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  echo "setup: installing ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# A virtual X screen of SIZE (e.g. 1280x800x24) on a free display: Xvfb picks the number and
# tells it on a descriptor, so runs side by side never meet. Sets xvfb_display (":N") and
# ends the server when the script ends. Returns 1 when Xvfb did not start within 5 s.
start_xvfb() { # SIZE FOLDER [LOG]  (FOLDER gets the file with the display number)
  local size=$1 folder=$2 log=${3:-/dev/null} pid
  rm -f "$folder/display"
  Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$folder/display" 2>"$log" &
  pid=$!
  at_exit "kill $pid 2>/dev/null"
  for _ in $(seq 50); do [ -s "$folder/display" ] && break; sleep 0.1; done
  [ -s "$folder/display" ] || { echo "Xvfb did not start" >&2; return 1; }
  xvfb_display=:$(cat "$folder/display")
}

# A lasting wineserver for the private Wine folder WINE_DIR (scripts/wine-run): each program
# then starts in a fraction of a second, and Wine's background services write to a log file,
# not to our output. A server left by an earlier run is ended first (it may belong to another
# X screen). When the script ends, the server goes, and with it the pseudo-terminal relay of
# the serial tests of BUILD, should ctest not have reached its cleanup.
start_wine() { # WINE_DIR [BUILD]
  local wine_dir=$1 build=${2:-}
  if [ -n "$build" ]; then
    at_exit "[ ! -x '$build/host/merivox-ptypair' ] ||
      '$build/host/merivox-ptypair' stop '$wine_dir/ptypair.pid'"
  fi
  at_exit "'$merivox_scripts/wine-run' '$wine_dir' --stop >/dev/null 2>&1"
  "$merivox_scripts/wine-run" "$wine_dir" --stop >/dev/null 2>&1 || true
  "$merivox_scripts/wine-run" "$wine_dir" --start
}

# The Windows program's folder as a user has it: merivox.exe, qt.conf (Qt's plug-ins and texts
# beside the program) and Qt's translations, copied from the build's BIN folder into FOLDER.
windows_program_folder() { # BIN FOLDER
  mkdir -p "$2"
  cp -r "$1/merivox.exe" "$1/qt.conf" "$1/translations" "$2/"
}

# Sourced by the tests that drive the built program from outside, under the
# Wine session and X display the test run has set up (WINEPREFIX, DISPLAY).
# Usage: program_start <folder of Tallyvane.exe and ostrelle.dll> [options.ini text]
set -euo pipefail

fail() { echo "FAILED: $*" >&2; exit 1; }

# Polls a command until it succeeds; fails the test after $2 tenths of a second.
wait_for() {
  local what=$1 tenths=$2; shift 2
  for _ in $(seq "$tenths"); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "$what"
}

program_pid=
stop_program() {
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
    kill "$program_pid" 2>/dev/null || true
  fi
  rm -rf "$folder"
}

program_start() {
  folder=$(mktemp -d)
  trap stop_program EXIT
  cp "$1/Tallyvane.exe" "$1/ostrelle.dll" "$folder/"
  mkdir "$folder/history"
  if [ -n "${2:-}" ]; then printf '%b' "$2" > "$folder/options.ini"; fi
  (cd "$folder" && exec wine ./Tallyvane.exe </dev/null >/dev/null 2>&1) &
  program_pid=$!
  wait_for "the main window was made" 300 xdotool search --name '^Tallyvane$'
  main=$(xdotool search --name '^Tallyvane$' | head -1)
}

main_shown() { xdotool search --onlyvisible --name '^Tallyvane$' | grep -qx "$main"; }
main_hidden() { ! main_shown; }
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }

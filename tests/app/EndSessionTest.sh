#!/usr/bin/env bash
# A real end of the Wine session (wineboot --end-session sends the log-off
# messages to every top-level window): the program agrees, saves the day and
# its settings, and ends by itself. It runs alone, as every window of the
# session gets the messages.
here=$(dirname "$0")
source "$here/ProgramSession.sh"

program_start "$1"
wait_for "the window is shown" 100 main_shown
wineboot --end-session </dev/null >/dev/null 2>&1 || fail "wineboot could not end the session"
wait_for "the program ends with the session" 100 program_ended

grep -q 'WindowState=1' "$folder/options.ini" || fail "the settings were not saved"
ls "$folder/history/"*.dat >/dev/null || fail "the day was not saved"
echo "1 passed, 0 failed"

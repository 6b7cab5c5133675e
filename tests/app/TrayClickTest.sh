#!/usr/bin/env bash
# The program in the notification area as a user meets it: started in the
# tray, a real left click on its icon in Wine's tray window shows the window,
# and "Close" from the menu that a right click opens quits with saving.
here=$(dirname "$0")
source "$here/ProgramSession.sh"

program_start "$1" '[PosSize]\r\nWindowState=0\r\n'
wait_for "Wine's tray window shows the icon" 300 xdotool search --onlyvisible --name 'Wine System Tray'
tray=$(xdotool search --onlyvisible --name 'Wine System Tray' | head -1)
sleep 0.5 # let the tray lay out its icon
main_hidden || fail "the program started with its window shown"

xdotool mousemove --window "$tray" 10 10 click 1
wait_for "a left click on the icon shows the window" 50 main_shown

before=$(xdotool search --onlyvisible --name '.*' | sort)
xdotool mousemove --window "$tray" 10 10 click 3
menu_open() { [ -n "$(comm -13 <(echo "$before") <(xdotool search --onlyvisible --name '.*' | sort))" ]; }
wait_for "a right click opens the menu" 50 menu_open
menu=$(comm -13 <(echo "$before") <(xdotool search --onlyvisible --name '.*' | sort) | head -1)
eval "$(xdotool getwindowgeometry --shell "$menu")"
# "Close" is the menu's last item.
xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 8)) click 1
wait_for "Close ends the program" 100 program_ended

grep -q 'WindowState=1' "$folder/options.ini" || fail "the settings were not saved: $(cat "$folder/options.ini")"
ls "$folder/history/"*.dat >/dev/null || fail "the day was not saved"
echo "1 passed, 0 failed"

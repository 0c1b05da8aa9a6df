# shellcheck shell=bash
# Sourced by the scripts that run the viewer on a virtual display of their
# own. Expects $root, the project's folder; sources the clean-up.
source "$root/scripts/lib/cleanup.sh"

# x_display COMMAND...: the display commands of private_display.py (window
# TITLE, windows PID, ping WINDOW MS, screenshot FILE, usable).
x_display() { /usr/bin/python3 -B "$root/scripts/lib/private_display.py" "$@"; }

# start_private_display DIR [WxH]: starts Xvfb with a screen of WxH pixels
# (default 1280x1024) and its own access cookie, on a display number that no
# other server uses, ended when the script exits; exports DISPLAY and
# XAUTHORITY, and XDG_RUNTIME_DIR when none is set; sets xvfb_pid. Fails,
# with Xvfb's log, if it did not start or does not answer.
start_private_display() {
  local started
  started=$(x_display start "$1" "${2:-1280x1024}") || return 1
  read -r DISPLAY xvfb_pid <<<"$started"
  at_exit end_process "$xvfb_pid"
  export DISPLAY XAUTHORITY=$1/Xauthority
  if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
    export XDG_RUNTIME_DIR=$1/runtime
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  fi
}

# visible_window TITLE: the id of the mapped window with exactly that title.
visible_window() { x_display window "$1" 2>/dev/null || true; }

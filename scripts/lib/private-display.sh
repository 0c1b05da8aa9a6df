# Sourced by the scripts that run the viewer on a virtual display of their own.

# start_private_display DIR [WxH]: starts Xvfb with a screen of WxH pixels
# (default 1280x1024) and its own access cookie, on a display number that
# Xvfb picks free itself (-displayfd), so it cannot collide with another
# display; exports DISPLAY and XAUTHORITY, and XDG_RUNTIME_DIR when none is
# set; sets xvfb_pid. Fails, with Xvfb's log, if it did not start or does not
# answer.
start_private_display() {
  local work=$1 size=${2:-1280x1024} cookie display_number= i
  export XAUTHORITY=$work/Xauthority
  : >"$XAUTHORITY"
  cookie=$(mcookie)
  # The server takes every cookie in its file, whatever display it names.
  xauth -q -f "$XAUTHORITY" add :0 . "$cookie"
  Xvfb -displayfd 3 -auth "$XAUTHORITY" -nolisten tcp -screen 0 "${size}x24" \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for ((i = 0; i < 300; i++)); do
    display_number=$(head -n 1 "$work/display" 2>/dev/null || true)
    [[ -n "$display_number" ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [[ -z "$display_number" ]]; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    return 1
  fi
  export DISPLAY=:$display_number
  xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$cookie"
  # Clients try the display's abstract socket first: while another user's
  # server of the same number is still going away, it answers there. Wait
  # until this server answers, with this screen's size.
  for ((i = 0; i < 300; i++)); do
    [[ "$(xdotool getdisplaygeometry 2>/dev/null)" == "${size/x/ }" ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [[ "$(xdotool getdisplaygeometry 2>/dev/null)" != "${size/x/ }" ]]; then
    echo "Xvfb on $DISPLAY does not answer:" >&2
    cat "$work/xvfb.log" >&2
    return 1
  fi
  if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
  fi
}

# visible_window TITLE: the id of the mapped window with exactly that title.
visible_window() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true
}

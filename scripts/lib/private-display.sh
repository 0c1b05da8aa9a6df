# Sourced by the scripts that run the viewer on a virtual display of their own.

# start_private_display DIR [WxH]: starts Xvfb with a screen of WxH pixels
# (default 1280x1024) and its own access cookie, on a display number that no
# other server uses; exports DISPLAY and XAUTHORITY, and XDG_RUNTIME_DIR when
# none is set; sets xvfb_pid. Fails, with Xvfb's log, if it did not start or
# does not answer.
#
# Servers of other users may see other lock files (another /tmp) and still
# share the abstract socket names, which clients try first: so the number is
# drawn at random far above the low ones that servers take first, and one
# whose lock file, socket or abstract socket exists is passed over.
start_private_display() {
  local work=$1 size=${2:-1280x1024} cookie display_number= n attempt i
  export XAUTHORITY=$work/Xauthority
  : >"$XAUTHORITY"
  cookie=$(mcookie)
  # The server takes every cookie in its file, whatever display it names.
  xauth -q -f "$XAUTHORITY" add :0 . "$cookie"
  for ((attempt = 0; attempt < 20; attempt++)); do
    [[ -z "$display_number" ]] || break
    n=$((1000 + RANDOM % 30000))
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null && continue
    : >"$work/display"
    # -noreset: the server would start over whenever its last client leaves
    # (as the check below does), refusing whoever connects meanwhile.
    Xvfb ":$n" -displayfd 3 -auth "$XAUTHORITY" -nolisten tcp -noreset \
      -screen 0 "${size}x24" 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for ((i = 0; i < 300; i++)); do
      display_number=$(head -n 1 "$work/display" 2>/dev/null || true)
      [[ -n "$display_number" ]] && break
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
  done
  if [[ -z "$display_number" ]]; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    return 1
  fi
  export DISPLAY=:$display_number
  xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$cookie"
  # This server answers, with this screen's size.
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

# Sourced: starts a private Xvfb on a free display and exports DISPLAY; stop it with
# stop_private_xvfb. Never touches the user's own display.
start_private_xvfb() {
  local n
  for n in $(seq 91 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    PRIVATE_XVFB_PID=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    if kill -0 "$PRIVATE_XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$n"
      return 0
    fi
  done
  echo "no free X display for Xvfb" >&2
  return 1
}
stop_private_xvfb() {
  [ -n "${PRIVATE_XVFB_PID:-}" ] && kill "$PRIVATE_XVFB_PID" 2>/dev/null && wait "$PRIVATE_XVFB_PID" 2>/dev/null
  PRIVATE_XVFB_PID=
}

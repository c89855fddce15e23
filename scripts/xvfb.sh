# Sourced by the scripts that run qav on a virtual X screen.
# start_xvfb WIDTHxHEIGHT: starts Xvfb on the first free display from 90 on, waits until it
# accepts clients, exports DISPLAY and sets xvfb_pid; the caller kills it on exit.
start_xvfb() {
  local display=90
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 "${1}x24" -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.05
  done
  export DISPLAY=":$display"
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

#!/usr/bin/env bash
# Runs a command in a desktop session of its own, as a person's would be: an
# X server (Xvfb), a window manager (openbox), a D-Bus session bus and the
# accessibility bus, then stops all of it, whatever the command did. Every
# wait is bounded.
# usage: gui_session.sh COMMAND [ARGS...]   (exit status: the command's)
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: gui_session.sh COMMAND [ARGS...]" >&2; exit 2; }
for tool in Xvfb openbox dbus-run-session; do
  command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
pids=()
stop() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2> /dev/null || true; done
  for pid in "${pids[@]}"; do
    for _ in $(seq 50); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2> /dev/null || true
  done
  rm -rf "$work"
}
trap stop EXIT

# A display number no other server holds.
display=
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=:$n; break; fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp > "$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
[ -e "/tmp/.X11-unix/X${display#:}" ] || { cat "$work/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=$display
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Qt speaks to the accessibility bus even without a desktop asking for it.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0

inner=$work/inner.sh
cat > "$inner" << 'INNER'
set -euo pipefail
openbox > /dev/null 2>&1 &
wm=$!
/usr/libexec/at-spi-bus-launcher --launch-immediately > /dev/null 2>&1 &
bus=$!
sleep 0.5
status=0
"$@" || status=$?
kill "$wm" "$bus" 2> /dev/null || true
wait 2> /dev/null || true
exit "$status"
INNER
timeout --kill-after=10 600 dbus-run-session -- bash "$inner" "$@"

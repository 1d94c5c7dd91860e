# SPDX-FileCopyrightText: 2026 kestry
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Wayland tests after tests/e2e/x_session.sh: a weston compositor of the test's own
# on a socket of its own, stopped with everything else when the test script ends. Where windows
# stand is read from weston's own scene graph (weston-debug), as the compositor sees them.

wayland_socket=vorlix-test

# on_weston COMMAND...: runs a Wayland client of the test's weston.
on_weston() { WAYLAND_DISPLAY="$wayland_socket" "$@"; }

# start_weston BACKEND [OPTION...]: starts weston and waits until its shell has put up the desktop.
start_weston() {
  command -v weston >/dev/null || fail "weston is not installed (scripts/setup.sh installs it)"
  # --debug offers the scene graph to weston-debug.
  weston --backend="$1" --socket="$wayland_socket" --idle-time=0 --debug --log="$work/weston.log" "${@:2}" \
    >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$wayland_socket" ] && break; sleep 0.1; done
  if [ ! -S "$XDG_RUNTIME_DIR/$wayland_socket" ]; then
    echo "SKIP: weston cannot start in this environment; its log:"
    cat "$work/weston.log"
    exit 77
  fi
  for _ in $(seq 100); do on_weston weston-debug scene-graph 2>/dev/null | grep -q "background for output" && return 0; sleep 0.1; done
  cat "$work/weston.log" >&2
  fail "weston's shell did not put up its desktop"
}

# views PID: prints "ROLE X Y W H" for each surface of that process on weston, topmost first.
views() {
  on_weston weston-debug scene-graph 2>/dev/null | awk -v want="$1" '
    /^\tView [0-9]+ \(role / { role = $4; sub(",", "", role); pid = $6; sub(",", "", pid); next }
    /position:/ && pid == want { gsub(/[(),]/, " "); print role, $2, $3, $5 - $2, $6 - $3; pid = "" }'
}

# window_box: prints "X Y W H" of the word window of $vorlix_pid on weston; nothing while it has none.
window_box() { views "$vorlix_pid" | awk '$1 == "xdg_toplevel" { print $2, $3, $4, $5; exit }'; }

# shows_line TEXT: the word window on weston is sized like the fit of TEXT.
shows_line() {
  local w h fw fh
  read -r fw fh < <(QT_QPA_PLATFORM=offscreen "$FIT_PROBE" "$1")
  read -r _ _ w h < <(window_box)
  [ "${w:-}" = "$fw" ] && [ "${h:-}" = "$fh" ]
}

# Sourced by the scripts that start Windows programs: the project's own Wine prefix,
# a Japanese locale, quiet Wine, and a virtual display when there is none.
tenmark_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${TENMARK_WINEPREFIX:-$tenmark_root/build/wine}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL="${TENMARK_LOCALE:-ja_JP.UTF-8}"
export LANG="$LC_ALL"

# True when an X server answers on the display: a socket file or a DISPLAY variable alone
# proves nothing (a stale socket, or a DISPLAY inherited from a session that is gone).
tenmark_display_answers() {
  xdpyinfo -display "$1" >/dev/null 2>&1
}

# Starts the project's own Xvfb on display $1 unless one answers there already.
tenmark_start_xvfb() {
  local num="$1" log="$tenmark_root/build/xvfb-$1.log"
  mkdir -p "$tenmark_root/build"
  (
    flock 9
    tenmark_display_answers ":$num" && exit 0
    # A server of ours that no longer answers is ended before its display is reused.
    pkill -f "^Xvfb :$num( |\$)" 2>/dev/null && sleep 0.5
    rm -f "/tmp/.X$num-lock" "/tmp/.X11-unix/X$num"
    # fd 9 is closed for the server, or it would hold the lock for as long as it runs.
    setsid Xvfb ":$num" -screen 0 1280x1024x24 -nolisten tcp </dev/null >"$log" 2>&1 9>&- &
    for _ in $(seq 1 300); do
      tenmark_display_answers ":$num" && exit 0
      sleep 0.2
    done
    exit 1
  ) 9>"/tmp/tenmark-xvfb-$num.lock"
}

# Uses $DISPLAY when a server answers there, else the project's own Xvfb (display 93 or
# TENMARK_DISPLAY_NUM, or the next few numbers when that one cannot be had).
# TENMARK_OWN_DISPLAY=1 tells the callers the display is ours and nobody looks at it.
tenmark_ensure_display() {
  if [ -n "${DISPLAY:-}" ] && tenmark_display_answers "$DISPLAY"; then
    [ "${TENMARK_OWN_DISPLAY:-}" = 1 ] || export TENMARK_OWN_DISPLAY=0
    return 0
  fi
  local first="${TENMARK_DISPLAY_NUM:-93}" num
  for num in $(seq "$first" $((first + 4))); do
    if tenmark_start_xvfb "$num"; then
      export DISPLAY=":$num" TENMARK_OWN_DISPLAY=1
      return 0
    fi
  done
  echo "wine-env: no X display: Xvfb did not answer on :$first to :$((first + 4))" \
    "(DISPLAY was '${DISPLAY:-}'). Last log, build/xvfb-$first.log:" >&2
  tail -n 20 "$tenmark_root/build/xvfb-$first.log" >&2 2>/dev/null
  return 1
}

# Wine's background services inherit the standard handles of the Wine process that started
# them and keep them open while the server lives: a test's output pipe would stay open long
# after the test ended. One idle Wine process with quiet handles keeps the services up.
tenmark_keepalive_running() {
  local pid
  [ "$(cat "$WINEPREFIX.display" 2>/dev/null)" = "$DISPLAY" ] || return 1
  pid=$(cat "$WINEPREFIX.keepalive" 2>/dev/null) || return 1
  # Both ends of the pipeline must live: a server killed from outside takes the Wine end.
  [ -n "$pid" ] && [ "$(pgrep -P "$pid" 2>/dev/null | wc -l)" -ge 2 ]
}

tenmark_keep_wine_alive() {
  local pidfile="$WINEPREFIX.keepalive"
  tenmark_keepalive_running && return 0
  (
    flock 9
    if ! tenmark_keepalive_running; then
      [ -f "$pidfile" ] && kill -- "-$(cat "$pidfile")" 2>/dev/null
      # A session belongs to one display: its desktop process hands every program the X id
      # of its cursor clipping window, and on another display that id names some other
      # window, which Wine then unmaps (BadWindow). A session from elsewhere is ended.
      if [ "$(cat "$WINEPREFIX.display" 2>/dev/null)" != "$DISPLAY" ]; then
        # No server running yet is fine: -k then fails, which must not end a caller under set -e.
        { wineserver -k; wineserver -w; } >/dev/null 2>&1 9>&- || true
        echo "$DISPLAY" >"$WINEPREFIX.display"
      fi
      setsid bash -c 'sleep 7200 | wine cmd.exe' </dev/null >/dev/null 2>&1 9>&- &
      echo $! >"$pidfile"
      wine cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&-
    fi
  ) 9>"$WINEPREFIX.keepalive.lock"
}

# True when Wine can make a window on the display (build/win/bin/window_probe.exe).
tenmark_windows_work() {
  wine "$tenmark_root/build/win/bin/window_probe.exe" </dev/null >/dev/null 2>&1 9>&-
}

# Ends every Wine process of the prefix and the idle one.
tenmark_stop_wine() {
  local pidfile="$WINEPREFIX.keepalive"
  wineserver -k >/dev/null 2>&1 || true
  if [ -f "$pidfile" ]; then
    kill -- "-$(cat "$pidfile")" 2>/dev/null || true
    rm -f "$pidfile"
  fi
}

# True when the prefix holds the settings of tools/wine-prefix.reg as they are now.
tenmark_settings_current() {
  [ "$(cat "$WINEPREFIX/.tenmark-settings" 2>/dev/null)" = "$("$tenmark_root/tools/wine-prefix.sh" --stamp)" ]
}

tenmark_ensure_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ ! -f "$WINEPREFIX/.tenmark-ready" ]; then
    (
      flock 9
      [ -f "$WINEPREFIX/.tenmark-ready" ] || "$tenmark_root/tools/wine-prefix.sh" 9>&-
    ) 9>"$WINEPREFIX.lock"
  fi
  # A prefix made before the settings changed (or whose import failed) gets them now.
  if ! tenmark_settings_current; then
    (
      flock 9
      tenmark_settings_current || "$tenmark_root/tools/wine-prefix.sh" --settings 9>&-
    ) 9>"$WINEPREFIX.lock"
  fi
  tenmark_keep_wine_alive
}

# Without a window manager Wine waits about 2 s at the end of each managed top-level window
# for a state change that never comes. On the project's own Xvfb the windows are unmanaged,
# which drops that wait; on a user's desktop the window manager keeps them.
tenmark_set_window_management() {
  local want=Y mark="$WINEPREFIX/.tenmark-managed"
  [ "${TENMARK_OWN_DISPLAY:-}" = 1 ] && want=N
  [ "$(cat "$mark" 2>/dev/null)" = "$want" ] && return 0
  (
    flock 9
    [ "$(cat "$mark" 2>/dev/null)" = "$want" ] && exit 0
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$want" /f </dev/null >/dev/null 2>&1 9>&- &&
      echo "$want" >"$mark"
  ) 9>"$WINEPREFIX.lock"
}

tenmark_ensure_display
tenmark_ensure_prefix
tenmark_set_window_management

# Sourced by the scripts that start Windows programs: the project's own Wine prefix,
# a Japanese locale, quiet Wine, and a virtual display when there is none.
tenmark_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${TENMARK_WINEPREFIX:-$tenmark_root/build/wine}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL="${TENMARK_LOCALE:-ja_JP.UTF-8}"
export LANG="$LC_ALL"

tenmark_ensure_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  local num="${TENMARK_DISPLAY_NUM:-93}"
  export DISPLAY=":$num"
  [ -S "/tmp/.X11-unix/X$num" ] && return 0
  (
    flock 9
    if [ ! -S "/tmp/.X11-unix/X$num" ]; then
      rm -f "/tmp/.X$num-lock"
      # fd 9 is closed for the server, or it would hold the lock for as long as it runs.
      setsid Xvfb ":$num" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 9>&- &
      for _ in $(seq 1 100); do [ -S "/tmp/.X11-unix/X$num" ] && break; sleep 0.1; done
    fi
  ) 9>"/tmp/tenmark-xvfb-$num.lock"
}

# Wine's background services inherit the standard handles of the Wine process that started
# them and keep them open while the server lives: a test's output pipe would stay open long
# after the test ended. One idle Wine process with quiet handles keeps the services up.
tenmark_keepalive_running() {
  local pid
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
      setsid bash -c 'sleep 7200 | wine cmd.exe' </dev/null >/dev/null 2>&1 9>&- &
      echo $! >"$pidfile"
      wine cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&-
    fi
  ) 9>"$WINEPREFIX.keepalive.lock"
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

tenmark_ensure_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  if [ ! -f "$WINEPREFIX/.tenmark-ready" ]; then
    (
      flock 9
      [ -f "$WINEPREFIX/.tenmark-ready" ] || "$tenmark_root/tools/wine-prefix.sh" 9>&-
    ) 9>"$WINEPREFIX.lock"
  fi
  tenmark_keep_wine_alive
}

tenmark_ensure_display
tenmark_ensure_prefix

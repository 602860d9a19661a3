# Shared by the scripts: where things are, the two Windows builds and their
# private Wine prefixes, and a private X display. Sourced, not run.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${VELMORA_BUILD:-$ROOT/build}
NATIVE=$BUILD/native
JOBS=${JOBS:-$(nproc)}
# The two Windows builds: win32 (i686, the product) and win64 (x86_64).
ARCHES=(win32 win64)

export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer prompts, ever: there is no network for them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

log() { printf '%s\n' "$*" >&2; }

win_dir() { echo "$BUILD/$1"; }

# Wine's loader for an architecture. Never /usr/bin/wine: it picks the 32-bit
# loader whenever wine32 is installed, even where that loader cannot run.
wine_loader() {
  case $1 in
    win32) echo /usr/lib/wine/wine ;;
    win64) echo /usr/lib/wine/wine64 ;;
    *) log "unknown architecture '$1' (win32 or win64)"; return 2 ;;
  esac
}

# Points WINEPREFIX, WINEARCH and WINELOADER at one architecture's private
# prefix (a prefix's architecture is fixed when it is made) and sets WINE to
# the loader to start programs with.
use_arch() {
  WINE=$(wine_loader "$1")
  export WINEARCH=$1
  export WINELOADER=$WINE
  export WINEPREFIX=$BUILD/wineprefix-$1
}

# Whether this machine can start Wine programs of an architecture, found by
# trying the loader: some kernels refuse every 32-bit program. Prints why not.
can_run_arch() {
  local loader out
  loader=$(wine_loader "$1") || return 1
  if [ ! -x "$loader" ]; then
    echo "$loader is not installed"
    return 1
  fi
  if ! out=$("$loader" --version 2>&1); then
    echo "$loader does not start here (${out##*: })"
    return 1
  fi
}

# The architecture to run the program in: the one asked for (fails when
# this machine cannot run it), else the 32-bit product where it runs, else
# the 64-bit build, saying why once.
run_arch() {
  local why
  if [ -n "${1:-}" ]; then
    if ! why=$(can_run_arch "$1"); then
      log "Cannot run the $1 program on this machine: $why"
      return 1
    fi
    echo "$1"
  elif why=$(can_run_arch win32); then
    echo win32
  else
    log "Running the 64-bit program: this machine cannot run 32-bit programs ($why)."
    echo win64
  fi
}

# Whether this machine can build and start native 32-bit programs (-m32),
# found by building and running a tiny one: the multilib libraries may be
# missing, and some kernels refuse every 32-bit program. Prints why not.
can_run_m32() {
  local dir out why=
  dir=$(mktemp -d)
  printf '#include <string>\nint main() { return std::string("ok").size() == 2 ? 0 : 1; }\n' \
    >"$dir/probe.cpp"
  if ! out=$(clang++-14 -m32 "$dir/probe.cpp" -o "$dir/probe" 2>&1); then
    why="clang++-14 -m32 cannot build a program: ${out%%$'\n'*} (scripts/install-deps installs g++-multilib)"
  elif ! out=$("$dir/probe" 2>&1); then
    why="a 32-bit program does not start here (${out##*: })"
  fi
  rm -rf "$dir"
  [ -z "$why" ] || { echo "$why"; return 1; }
}

# The architecture of a Windows program, read from its PE header.
pe_arch() {
  local lfanew machine
  lfanew=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  machine=$(od -An -tx2 -j$((lfanew + 4)) -N2 "$1" | tr -d ' ')
  case $machine in
    8664) echo win64 ;;
    014c) echo win32 ;;
    *) log "$1: not a Windows program of a known architecture"; return 1 ;;
  esac
}

# The current architecture's private prefix, made once, then given its
# fonts once. Call after use_arch.
prepare_prefix() {
  [ -f "$WINEPREFIX/.velmora-ready-2" ] || create_prefix
  [ -f "$WINEPREFIX/.velmora-fonts-3" ] || configure_fonts
  [ -f "$WINEPREFIX/.velmora-crashes-1" ] || configure_crashes
}

# The frame drawn inside the window like on Windows.
create_prefix() {
  log "Preparing Wine prefix $WINEPREFIX ($WINEARCH, once)"
  mkdir -p "$WINEPREFIX"
  DISPLAY= "$WINE" wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  import_registry '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Decorated"="N"\r\n'
  touch "$WINEPREFIX/.velmora-ready-2"
}

# Chinese-capable fonts behind every face name the program and the system's
# own windows ask for (Tahoma is the tooltips' face), and Wine's Marlett,
# without which the system frame's caption buttons draw as "0 1 r". Wine does
# not look into Debian's fonts-wine folder by itself.
configure_fonts() {
  local section='[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
  local face
  for face in 宋体 新宋体 SimSun NSimSun 微软雅黑 "Microsoft YaHei" "MS Shell Dlg" "MS Shell Dlg 2" Tahoma; do
    section+="\"$face\"=\"WenQuanYi Micro Hei\"\r\n"
  done
  import_registry "$section"
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  touch "$WINEPREFIX/.velmora-fonts-3"
}

# A crashing program ends at once with a failure instead of opening Wine's
# crash dialog on the display, where nobody answers it and a test would wait
# for its time-out.
configure_crashes() {
  import_registry '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug]\r\n"Debugger"=""\r\n"Auto"="1"\r\n'
  touch "$WINEPREFIX/.velmora-crashes-1"
}

# Imports one block of registry text (printf escapes allowed) into the prefix.
import_registry() {
  local reg="$WINEPREFIX/velmora-setup.reg"
  printf "Windows Registry Editor Version 5.00\r\n\r\n$1\r\n" | iconv -f UTF-8 -t UTF-16 > "$reg"
  DISPLAY= "$WINE" regedit /S "$reg" >/dev/null 2>&1
  wineserver -w
}

# Starts a private Xvfb unless DISPLAY is already usable; sets DISPLAY and
# XVFB_PID (empty when an existing display is used).
XVFB_PID=
start_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  XVFB_PID=$!
  local i
  for i in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.1
  done
  export DISPLAY=:$(head -n1 "$fdfile")
  rm -f "$fdfile"
  log "Started Xvfb on $DISPLAY"
}

stop_display() {
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}

# A persistent wineserver for the current prefix makes each Wine process
# start faster. Wine's own service processes are started here, detached from
# our output: started later under ctest they would hold its pipes open and
# every test would wait for its time-out.
start_wineserver() {
  wineserver -p >/dev/null 2>&1 || true
  "$WINE" cmd /c exit </dev/null >/dev/null 2>&1 || true
}
stop_wineserver() { wineserver -k >/dev/null 2>&1 || true; }

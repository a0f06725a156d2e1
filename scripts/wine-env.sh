# Sourced: the Wine environment the Windows build's programs run in.
#   source scripts/wine-env.sh [build folder]     (default build/windows-x64)
#   quillora_wine_start   persistent wineserver and a booted, configured prefix
#   quillora_wine PROGRAM [ARGUMENTS...]   runs a program of the build's
#                         architecture (scripts/wine-loader.sh)
#   quillora_wine_stop    ends the wineserver and every Wine process of the prefix
# Between start and stop, `ctest --preset windows-x64` or
# `quillora_wine build/windows-x64/X.exe`, and the same for windows-x86.

quillora_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
quillora_windows_build=$(realpath -m "${1:-$quillora_root/build/windows-x64}")
# The build's architecture, from its folder's name (windows-x86 or windows-x64).
case $quillora_windows_build in
  *x86) quillora_windows_arch=x86 ;;
  *) quillora_windows_arch=x64 ;;
esac

# A prefix of the build's own, headless and quiet. A 64-bit prefix runs the
# programs of both architectures, each with its own loader; one server, the
# 64-bit one, serves them all.
export WINEPREFIX=$quillora_windows_build/wine-prefix
export WINEARCH=win64
export WINEDEBUG=-all
export WINESERVER=/usr/lib/wine/wineserver64
unset DISPLAY WAYLAND_DISPLAY
# The ANSI code page 936 (GBK), as on the Chinese systems the plug-in is
# made for; the ANSI decoding tests rely on it. Needs the generated locale.
export LC_ALL=zh_CN.UTF-8

quillora_wine() { "$quillora_root/scripts/wine-loader.sh" "$quillora_windows_arch" "$@"; }

# Silences a Wine command: its background processes inherit open pipes, and
# a caller waiting for end of file (ctest) would wait for them.
quillora_wine_quiet() { "$@" </dev/null >/dev/null 2>&1; }

# Runs a set-up command with its output in a file, shown when it fails.
quillora_wine_setup() {
  local log=$WINEPREFIX/../wine-setup.log
  if ! "$@" </dev/null >"$log" 2>&1; then
    echo "wine-env: '$*' failed in $WINEPREFIX:" >&2
    cat "$log" >&2
    return 1
  fi
}

quillora_wine_configure() {
  # No X display: Wine's null graphics driver, or CreateWindowExW fails
  # (error 1400).
  quillora_wine_setup quillora_wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
  # Chinese text in Liberation Sans (what Wine offers for Arial) falls back
  # to WenQuanYi Zen Hei instead of boxes. Linking Arial itself would draw
  # Latin text in the CJK face.
  quillora_wine_setup quillora_wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v 'Liberation Sans' /t REG_MULTI_SZ /d 'wqy-zenhei.ttc,WenQuanYi Zen Hei' /f
}

quillora_wine_start() {
  mkdir -p "$WINEPREFIX"
  # Fails (2) when a persistent server of this prefix still runs, left by a
  # run that was cut off: that one serves as well.
  quillora_wine_quiet "$WINESERVER" -p || true
  # A prefix that no longer starts (one made by another Wine, or before
  # wine32 was installed, cannot load kernel32.dll) holds nothing of ours,
  # so it is made again.
  if [[ -f $WINEPREFIX/system.reg ]] && ! quillora_wine_quiet quillora_wine cmd /c exit; then
    quillora_wine_quiet "$WINESERVER" -k || true
    quillora_wine_quiet "$WINESERVER" -w || true
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    quillora_wine_quiet "$WINESERVER" -p
  fi
  # Boots or updates the prefix before anything runs in it, with the .NET
  # and HTML engines off, so that Wine never offers to install Mono or Gecko;
  # the tests then see Wine's mscoree without a runtime.
  WINEDLLOVERRIDES="mscoree,mshtml=" quillora_wine_setup quillora_wine wineboot --init || return 1
  quillora_wine_configure || return 1
  # The boot started the desktop process before the settings existed; a
  # fresh server starts it again with them. The first process of a server
  # starts Wine's background processes (services, desktop), which keep the
  # output of whoever started them open: that is a silenced one here, never
  # a test.
  quillora_wine_quiet "$WINESERVER" -k
  quillora_wine_quiet "$WINESERVER" -w
  quillora_wine_quiet "$WINESERVER" -p
  quillora_wine_setup quillora_wine cmd /c exit
}

quillora_wine_stop() { quillora_wine_quiet "$WINESERVER" -k || true; }

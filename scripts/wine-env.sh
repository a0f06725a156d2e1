# Sourced: the Wine environment the Windows build's programs run in.
#   source scripts/wine-env.sh [build folder]     (default build/windows-x64)
#   quillora_wine_start   persistent wineserver and a booted, configured prefix
#   quillora_wine_stop    ends the wineserver and every Wine process of the prefix
# Between the two, `ctest --preset windows-x64` or `wine build/windows-x64/X.exe`,
# and the same for windows-x86.

quillora_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
quillora_windows_build=$(realpath -m "${1:-$quillora_root/build/windows-x64}")

# A prefix of the build's own, headless and quiet. A 64-bit prefix runs the
# programs of both architectures: with wine32 installed, `wine` starts the
# loader a program needs.
export WINEPREFIX=$quillora_windows_build/wine-prefix
export WINEARCH=win64
export WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
# The ANSI code page 936 (GBK), as on the Chinese systems the plug-in is
# made for; the ANSI decoding tests rely on it. Needs the generated locale.
export LC_ALL=zh_CN.UTF-8

# Silences a Wine command: its background processes inherit open pipes, and
# a caller waiting for end of file (ctest) would wait for them.
quillora_wine_quiet() { "$@" </dev/null >/dev/null 2>&1; }

quillora_wine_configure() {
  # No X display: Wine's null graphics driver, or CreateWindowExW fails
  # (error 1400).
  quillora_wine_quiet wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
  # Chinese text in Liberation Sans (what Wine offers for Arial) falls back
  # to WenQuanYi Zen Hei instead of boxes. Linking Arial itself would draw
  # Latin text in the CJK face.
  quillora_wine_quiet wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
    /v 'Liberation Sans' /t REG_MULTI_SZ /d 'wqy-zenhei.ttc,WenQuanYi Zen Hei' /f
}

quillora_wine_start() {
  mkdir -p "$WINEPREFIX"
  quillora_wine_quiet wineserver -p
  # A prefix made before wine32 was installed no longer starts (it cannot
  # load kernel32.dll); it holds nothing of ours, so it is made again.
  if [[ -f $WINEPREFIX/system.reg ]] && ! quillora_wine_quiet wine cmd /c exit; then
    quillora_wine_quiet wineserver -k || true
    quillora_wine_quiet wineserver -w || true
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    quillora_wine_quiet wineserver -p
  fi
  # Boots or updates the prefix before anything runs in it, with the .NET
  # and HTML engines off, so that Wine never offers to install Mono or Gecko;
  # the tests then see Wine's mscoree without a runtime.
  WINEDLLOVERRIDES="mscoree,mshtml=" quillora_wine_quiet wineboot --init
  quillora_wine_configure
  # The boot started the desktop process before the settings existed; a
  # fresh server starts it again with them. The first process of a server
  # starts Wine's background processes (services, desktop), which keep the
  # output of whoever started them open: that is a silenced one here, never
  # a test.
  quillora_wine_quiet wineserver -k
  quillora_wine_quiet wineserver -w
  quillora_wine_quiet wineserver -p
  quillora_wine_quiet wine cmd /c exit
}

quillora_wine_stop() { quillora_wine_quiet wineserver -k || true; }

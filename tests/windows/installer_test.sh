#!/usr/bin/env bash
# Runs one step of the installer's tests under wine64, headless, in a prefix
# of its own that no other test has touched (made by the "prefix" step).
#   installer_test.sh STEP BUILD_DIR SOURCE_DIR [LINUX_BUILD_DIR]
# Steps: prefix, install (silent install: files, registration, uninstall
# entry, Start-menu entry), speak (the COM host test and the settings
# launcher through the installed DLL), uninstall (silent: everything goes
# but the user's settings and changed dictionary), dictionary (reinstalling
# over a kept dictionary, and an unchanged one removed with the folder).
set -euo pipefail
step=$1 build=$2 source=$3 linux_build=${4:-}

export WINEPREFIX="$build/wine-prefix-installer"
source "$(dirname "$0")/wine_env.sh"
setup="$build/installer/vokrant-setup-x64.exe"
install_dir="$WINEPREFIX/drive_c/Program Files/Vokrant"
install_dir_win='C:\Program Files\Vokrant'
menu_link="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vokrant/Ustawienia syntezatora Vokrant.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vokrant'
settings_key='HKCU\Software\Dravenlab\Vokrant 1.6 SAPI\Sound'
installed_files=(vokrant.dll vokrant-sapi5.dll vokrant-sapi5-x86.dll vokrant.exe vokrant-settings.exe pln_22.als pln_11.als client.exp README.md VOICE.md LICENSE.txt uninstall.exe)
user_entry='vokrant=wokrant'
text='Dzień dobry. Ala ma kota, a kot ma Alę.'
failures=0

fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
expect() { local what=$1; shift; "$@" || fail "$what"; }

# The installer waits for its regsvr32; the uninstaller runs a copy of
# itself from the temporary folder and returns at once, so the prefix's
# processes are waited for.
install() {
    local status=0
    run "$setup" /S || status=$?
    [[ $status -eq 0 ]] || fail "the installer exited with $status"
}
uninstall() {
    local status=0
    run "$install_dir_win\\uninstall.exe" /S || status=$?
    "$wineserver" -w
    [[ $status -eq 0 ]] || fail "the uninstaller exited with $status"
}

check_installed() {
    local f
    for f in "${installed_files[@]}"; do
        [[ -f $install_dir/$f ]] || fail "$f not installed"
    done
    expect "the voice differs from data/pln_22.als" cmp -s "$install_dir/pln_22.als" "$source/data/pln_22.als"
    [[ -f $menu_link ]] || fail "no Start-menu entry"
    local server
    server=$(reg_query "HKCR\\CLSID\\$engine_clsid\\InprocServer32")
    grep -qiF "REG_SZ    $install_dir_win\\vokrant.dll" <<<"$server" || fail "InprocServer32 is not the installed DLL: $server"
    grep -q 'ThreadingModel *REG_SZ *Apartment' <<<"$server" || fail "no ThreadingModel Apartment"
    reg_query 'HKLM\Software\Voice\TextToSpeech\Engine' | grep -q "Vokrant *REG_SZ *$engine_clsid" ||
        fail "the engine is not in the Speech API engine list"
    # The SAPI 5 voice: its class and its token, in the 64-bit view (the
    # 32-bit one is registered by SysWOW64's regsvr32, which wine64 cannot run).
    server=$(reg_query "HKCR\\CLSID\\$voice_clsid\\InprocServer32")
    grep -qiF "REG_SZ    $install_dir_win\\vokrant-sapi5.dll" <<<"$server" || fail "the SAPI 5 voice's class is not the installed DLL: $server"
    grep -q 'ThreadingModel *REG_SZ *Both' <<<"$server" || fail "the SAPI 5 voice is not ThreadingModel Both"
    reg_query "$voice_token_key" | grep -q "CLSID *REG_SZ *$voice_clsid" || fail "no SAPI 5 voice token"
    local entry
    entry=$(reg_query "$uninstall_key")
    grep -qF "UninstallString    REG_SZ    \"$install_dir_win\\uninstall.exe\"" <<<"$entry" ||
        fail "no uninstall entry: $entry"
    grep -qF "InstallLocation    REG_SZ    $install_dir_win" <<<"$entry" || fail "no InstallLocation"
}

# Only the files named in $@ (maybe none, then no folder either) are left.
check_uninstalled() {
    local left=""
    [[ ! -d $install_dir ]] || left=$(cd "$install_dir" && ls -A | tr '\n' ' ')
    [[ $left == "$*${*:+ }" ]] || fail "left in Program Files: '$left', expected '$*'"
    [[ $# -gt 0 || ! -d $install_dir ]] || fail "the empty folder is left"
    [[ ! -e $menu_link ]] || fail "the Start-menu entry is left"
    ! reg_query "HKCR\\CLSID\\$engine_clsid" | grep -q InprocServer32 || fail "the engine class is still registered"
    ! reg_query 'HKLM\Software\Voice\TextToSpeech\Engine' | grep -q Vokrant || fail "the engine is still listed"
    ! reg_query "HKCR\\CLSID\\$voice_clsid" | grep -q InprocServer32 || fail "the SAPI 5 voice's class is still registered"
    ! reg_query "$voice_token_key" | grep -q . || fail "the SAPI 5 voice token is left"
    ! reg_query "$uninstall_key" | grep -q UninstallString || fail "the uninstall entry is left"
}

# The launcher, copied away from any engine, after the uninstall.
check_launcher_without_engine() {
    local work status=0
    work=$(mktemp -d)
    cp "$build/apps/vokrant-settings/vokrant-settings.exe" "$work/"
    run "$work/vokrant-settings.exe" 2>"$work/err" || status=$?
    [[ $status -eq 1 ]] || fail "the launcher without an engine exited with $status"
    grep -q 'cannot load the speech component' "$work/err" || fail "the launcher said: $(cat "$work/err")"
    rm -rf "$work"
}

case $step in
prefix)
    make_prefix
    ;;
install)
    install
    check_installed
    ;;
speak)
    work=$(mktemp -d)
    printf '%s\n' "$text" >"$work/text.txt"
    cp "$build/tests/windows/wine_host.exe" "$work/"
    expect "the COM host failed on the installed DLL" run "$work/wine_host.exe" "$work/host.pcm" "$work/text.txt"
    [[ -s $work/host.pcm ]] || fail "no sound from the installed DLL"
    if linux_pcm "$work/linux"; then
        expect "the installed DLL's PCM differs from the Linux build's" cmp "$work/host.pcm" "$work/linux"
    fi
    # The SAPI 5 voice speaks from Program Files, found through its token.
    cp "$build/tests/windows/wine_sapi5.exe" "$work/"
    expect "the SAPI 5 voice is not usable once installed" run "$work/wine_sapi5.exe" registered
    expect "the installed SAPI 5 voice does not speak" run "$work/wine_sapi5.exe" speak "$work/text.txt" "$work/sapi5.pcm" "$work/sapi5.events"
    [[ -s $work/sapi5.pcm ]] || fail "no sound from the installed SAPI 5 voice"
    # The launcher opens the installed engine and its dialogs; with no
    # desktop here it must then fail on the window, saying so.
    status=0
    run "$install_dir_win\\vokrant-settings.exe" 2>"$work/err" || status=$?
    [[ $status -eq 1 ]] || fail "the launcher without a desktop exited with $status"
    grep -q 'cannot create a window' "$work/err" || fail "the launcher said: $(cat "$work/err")"
    rm -rf "$work"
    ;;
uninstall)
    run reg add "$settings_key" /v Speed /t REG_DWORD /d 120 /f >/dev/null
    printf '%s\r\n' "$user_entry" >>"$install_dir/client.exp"
    uninstall
    check_uninstalled client.exp
    grep -qF "$user_entry" "$install_dir/client.exp" || fail "the user's dictionary lost its entry"
    reg_query "$settings_key" | grep -q 'Speed *REG_DWORD *0x78' || fail "the user's settings are gone"
    check_launcher_without_engine
    ;;
dictionary)
    # Over a kept dictionary: the user's stays, through install and uninstall.
    install
    check_installed
    grep -qF "$user_entry" "$install_dir/client.exp" || fail "the installer overwrote the user's dictionary"
    uninstall
    check_uninstalled client.exp
    # With no dictionary of the user's: the shipped one goes with the folder.
    rm -f "$install_dir/client.exp"
    install
    expect "the shipped dictionary differs from data/client.exp" cmp -s "$install_dir/client.exp" "$source/data/client.exp"
    uninstall
    check_uninstalled
    reg_query "$settings_key" | grep -q 'Speed *REG_DWORD *0x78' || fail "the user's settings are gone"
    ;;
*)
    echo "unknown step $step" >&2
    exit 2
    ;;
esac
[[ $failures -eq 0 ]] || { echo "$step: $failures failed checks"; exit 1; }
echo "$step: passed"

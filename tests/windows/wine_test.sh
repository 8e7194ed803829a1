#!/usr/bin/env bash
# Runs one step of the Windows tests under wine64, headless, in the private
# Wine prefix of this build tree (made by the "prefix" step).
#   wine_test.sh STEP BUILD_DIR SOURCE_DIR [LINUX_BUILD_DIR]
set -euo pipefail
step=$1 build=$2 source=$3 linux_build=${4:-}

export WINEPREFIX="$build/wine-prefix"
source "$(dirname "$0")/wine_env.sh"
install_dir="$WINEPREFIX/drive_c/vokrant"          # C:\vokrant: the DLL beside its voice
text='Dzień dobry. Ala ma kota, a kot ma Alę. Zażółć gęślą jaźń, proszę.'

case $step in
prefix)
    make_prefix
    ;;
register)
    mkdir -p "$install_dir"
    cp "$build/src/sapi/vokrant.dll" "$source/data/pln_22.als" "$source/data/pln_11.als" "$source/data/client.exp" "$install_dir/"
    run regsvr32 /s 'C:\vokrant\vokrant.dll'
    server=$(reg_query "HKCR\\CLSID\\$engine_clsid\\InprocServer32")
    echo "$server"
    grep -qi 'REG_SZ *C:\\vokrant\\vokrant.dll' <<<"$server"
    grep -q 'ThreadingModel *REG_SZ *Apartment' <<<"$server"
    reg_query 'HKLM\Software\Voice\TextToSpeech\Engine' | grep -q "Vokrant *REG_SZ *$engine_clsid"
    ;;
host)
    # A fresh user: the settings are the defaults, as for the Linux reference.
    run reg delete 'HKCU\Software\Dravenlab\Vokrant 1.6 SAPI' /f >/dev/null 2>&1 || true
    work=$(mktemp -d)
    printf '%s\n' "$text" >"$work/text.txt"
    cp "$build/tests/windows/wine_host.exe" "$work/"
    run "$work/wine_host.exe" "$work/host.pcm" "$work/text.txt"
    if linux_pcm "$work/linux"; then
        cmp "$work/host.pcm" "$work/linux"
        echo "PCM identical to the Linux build ($(stat -c %s "$work/linux") bytes)"
    else
        echo "no Linux build at '$linux_build': PCM not compared"
    fi
    rm -rf "$work"
    ;;
settings)
    run "$build/tests/windows/wine_settings.exe"
    ;;
wave_out)
    # No sound driver at all: the destination refuses politely.
    WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winepulse.drv,winealsa.drv=d" run "$build/tests/windows/wine_wave_out.exe" nodevice
    # A private sound server with a null sink, which wine plays to.
    pulse=$(mktemp -d /tmp/vokrant-pulse.XXXXXX)
    export PULSE_RUNTIME_PATH=$pulse PULSE_STATE_PATH=$pulse
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=yes --use-pid-file=no --log-level=error \
        -L module-null-sink -L "module-native-protocol-unix socket=$pulse/native auth-anonymous=1" &
    server=$!
    trap 'kill $server; wait $server; rm -rf "$pulse"' EXIT
    for _ in $(seq 100); do [[ -S $pulse/native ]] && break; sleep 0.05; done
    PULSE_SERVER="unix:$pulse/native" run "$build/tests/windows/wine_wave_out.exe" play
    ;;
cli)
    work=$(mktemp -d)
    cp "$build/apps/vokrant/vokrant.exe" "$install_dir/"
    run reg delete 'HKCU\Software\Dravenlab\Vokrant 1.6 SAPI' /f >/dev/null 2>&1 || true
    (cd "$work" && run 'C:\vokrant\vokrant.exe' -o out.wav "$text")
    python3 "$source/tests/windows/wav_data.py" "$work/out.wav" "$work/cli.pcm"
    { printf '\xFF\xFE'; printf '%s' "$text" | iconv -f UTF-8 -t UTF-16LE; } >"$work/text16.txt"
    (cd "$work" && run 'C:\vokrant\vokrant.exe' -f text16.txt -o out16.wav)
    cmp "$work/out.wav" "$work/out16.wav"
    if linux_pcm "$work/linux"; then
        cmp "$work/cli.pcm" "$work/linux"
        echo "vokrant.exe PCM identical to the Linux build"
    fi
    rm -rf "$work"
    ;;
unregister)
    run reg add 'HKCU\Software\Dravenlab\Vokrant 1.6 SAPI\Sound' /v Speed /t REG_DWORD /d 120 /f >/dev/null
    run regsvr32 /u /s 'C:\vokrant\vokrant.dll'
    ! reg_query "HKCR\\CLSID\\$engine_clsid" | grep -q InprocServer32
    ! reg_query 'HKLM\Software\Voice\TextToSpeech\Engine' | grep -q Vokrant
    reg_query 'HKCU\Software\Dravenlab\Vokrant 1.6 SAPI\Sound' | grep -q 'Speed *REG_DWORD *0x78'
    ;;
*)
    echo "unknown step $step" >&2
    exit 2
    ;;
esac

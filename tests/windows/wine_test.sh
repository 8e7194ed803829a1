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
    no_sound_driver run "$build/tests/windows/wine_wave_out.exe" nodevice
    start_private_pulse
    run "$build/tests/windows/wine_wave_out.exe" play
    ;;
file_paths)
    work=$(mktemp -d)
    run "$build/tests/windows/wine_file_paths.exe" "Z:$(tr / '\\' <<<"$work")"
    rmdir "$work"
    ;;
sheet)
    # The sheet's windows need a display: a private X server for this run.
    stop_wineserver
    work=$(mktemp -d)
    xvfb-run -a -s '-screen 0 1024x768x24' "$wine" "$build/tests/windows/wine_sheet.exe" \
        "Z:$(tr / '\\' <<<"$source/data/")" "Z:$(tr / '\\' <<<"$work")"
    rm -rf "$work"
    ;;
dialogs)
    # A fresh user: the engine finds its voice beside the DLL.
    run reg delete 'HKCU\Software\Dravenlab\Vokrant 1.6 SAPI' /f >/dev/null 2>&1 || true
    stop_wineserver
    xvfb-run -a -s '-screen 0 1024x768x24' "$wine" "$build/tests/windows/wine_dialogs.exe"
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
    # Names beyond the ANSI code page, for the text read and the file written.
    mkdir "$work/dźwięki"
    printf '%s' "$text" >"$work/dźwięki/tekst – żółty.txt"
    (cd "$work" && run 'C:\vokrant\vokrant.exe' -f 'dźwięki\tekst – żółty.txt' -o 'dźwięki\zażółć.wav')
    cmp "$work/out.wav" "$work/dźwięki/zażółć.wav"
    [[ $(ls "$work/dźwięki") == $'tekst – żółty.txt\nzażółć.wav' ]]
    if linux_pcm "$work/linux"; then
        cmp "$work/cli.pcm" "$work/linux"
        echo "vokrant.exe PCM identical to the Linux build"
    fi
    rm -rf "$work"
    ;;
cli_play)
    # Without -o vokrant.exe speaks on the default wave-out device.
    cp "$build/apps/vokrant/vokrant.exe" "$install_dir/"
    run reg delete 'HKCU\Software\Dravenlab\Vokrant 1.6 SAPI' /f >/dev/null 2>&1 || true
    work=$(mktemp -d)
    status=0
    no_sound_driver run 'C:\vokrant\vokrant.exe' "$text" >"$work/out" 2>"$work/err" || status=$?
    cat "$work/err"
    [[ $status == 1 ]] || { echo "FAILED: exit status $status without a sound device"; exit 1; }
    grep -q '^vokrant: no sound device (.*); use -o FILE.wav' "$work/err"
    [[ ! -s $work/out ]]
    start_private_pulse
    # What reaches the null sink is recorded from its monitor.
    parec -d null.monitor --format=s16le --rate=22050 --channels=1 --raw "$work/heard.raw" &
    recorder=$!
    for _ in $(seq 100); do [[ -n $(pactl list short source-outputs) ]] && break; sleep 0.05; done
    run 'C:\vokrant\vokrant.exe' "$text"
    kill $recorder; wait $recorder || true
    python3 - "$work/heard.raw" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
loud = sum(1 for i in range(0, len(data) - 1, 2) if abs(int.from_bytes(data[i:i + 2], "little", signed=True)) > 300)
print(f"null sink heard {len(data) // 2} samples, {loud} of them loud")
sys.exit(0 if loud > 22050 // 2 else 1)
PY
    rm -rf "$work"
    ;;
cli_tree)
    # vokrant.exe straight from the build tree finds the voice the build put
    # beside it; the voice folder and the user dictionary may have names no
    # ANSI code page holds.
    run reg delete 'HKCU\Software\Dravenlab\Vokrant 1.6 SAPI' /f >/dev/null 2>&1 || true
    work=$(mktemp -d)
    exe="$build/apps/vokrant/vokrant.exe"
    (cd "$work" && run "$exe" -o tree.wav "$text")
    [[ -s $work/tree.wav ]]
    mkdir "$work/音声 – głos" "$work/辞書 ✓"
    cp "$source/data/pln_22.als" "$source/data/pln_11.als" "$work/音声 – głos/"
    printf 'kot\t\thipopotam\n' >"$work/辞書 ✓/słownik.exp"
    (cd "$work" && run "$exe" --voice-dir '音声 – głos' --set 'ExtDict=辞書 ✓\słownik.exp' \
        --words 'Ala ma kot.' | tr -d '\r') >"$work/words.jsonl"
    grep -q '"text":"hipopotam"' "$work/words.jsonl"
    (cd "$work" && run "$exe" --voice-dir '音声 – głos' -o plain.wav 'Ala ma kot.')
    (cd "$work" && run "$exe" --voice-dir '音声 – głos' --set 'ExtDict=辞書 ✓\słownik.exp' \
        -o dictionary.wav 'Ala ma kot.')
    (( $(stat -c %s "$work/dictionary.wav") > $(stat -c %s "$work/plain.wav") + 4410 ))
    [[ $(ls "$work/辞書 ✓") == słownik.exp ]]
    rm -rf "$work"
    ;;
cli_leftovers)
    # A run killed outright leaves its scratch settings key and temporary
    # file; the next run removes both, and nothing that only looks alike.
    work=$(mktemp -d)
    exe="$build/apps/vokrant/vokrant.exe"
    python3 -c "print('Dzień dobry, to jest bardzo długi tekst do czytania. ' * 20000)" >"$work/long.txt"
    run reg add 'HKCU\Software\Dravenlab\Vokrant run 4000000000-1' /f >/dev/null  # its process is gone
    run reg add 'HKCU\Software\Dravenlab\Vokrant runner' /f >/dev/null           # no scratch key
    wait_for_temp() {
        for _ in $(seq 600); do compgen -G "$work/$1.vokrant-??????.tmp" >/dev/null && return 0; sleep 0.05; done
        echo "FAILED: no temporary file for $1"; return 1
    }
    (cd "$work" && exec "$wine" "$exe" --set Speed=100 -f long.txt -o killed.wav) & pid=$!
    wait_for_temp killed.wav
    kill -KILL $pid; wait $pid || true
    reg_query 'HKCU\Software\Dravenlab' | grep -q 'Vokrant run [0-9]*-[0-9]*$'
    # A minute old: a Windows writer's file that recent may be about to be renamed.
    touch -d '-2 minutes' "$work"/killed.wav.vokrant-*.tmp
    touch "$work/killed.wav.vokrant-abc12.tmp" "$work/killed.wav.abc123"
    (cd "$work" && run "$exe" --set Speed=100 -o killed.wav 'Dzień dobry.')
    keys=$(reg_query 'HKCU\Software\Dravenlab')
    echo "$keys"
    ! grep -q 'Vokrant run ' <<<"$keys"
    grep -q 'Vokrant runner' <<<"$keys"
    [[ $(ls "$work" | tr '\n' ' ') == 'killed.wav killed.wav.abc123 killed.wav.vokrant-abc12.tmp long.txt ' ]]

    # Ctrl-C (wine turns SIGINT into the console's Ctrl-C event): the
    # temporary file and the scratch key go, the old file stays, and the
    # status is STATUS_CONTROL_C_EXIT (its low byte 0x3A on the Unix side).
    cp "$work/killed.wav" "$work/before.wav"
    # With job control a background job keeps Ctrl-C, as one started from a terminal does.
    set -m
    (cd "$work" && exec "$wine" "$exe" --set Speed=100 -f long.txt -o killed.wav) & pid=$!
    set +m
    wait_for_temp killed.wav
    status=0
    kill -INT $pid; wait $pid || status=$?
    [[ $status == 58 ]] || { echo "FAILED: exit status $status after Ctrl-C"; exit 1; }
    ! compgen -G "$work/killed.wav.vokrant-??????.tmp" >/dev/null
    cmp "$work/killed.wav" "$work/before.wav"
    ! reg_query 'HKCU\Software\Dravenlab' | grep -q 'Vokrant run '
    run reg delete 'HKCU\Software\Dravenlab\Vokrant runner' /f >/dev/null
    rm -rf "$work"
    ;;
unregister)
    run reg add 'HKCU\Software\Dravenlab\Vokrant 1.6 SAPI\Sound' /v Speed /t REG_DWORD /d 120 /f >/dev/null
    run regsvr32 /u /s 'C:\vokrant\vokrant.dll'
    ! reg_query "HKCR\\CLSID\\$engine_clsid" | grep -q InprocServer32
    ! reg_query 'HKLM\Software\Voice\TextToSpeech\Engine' | grep -q Vokrant
    reg_query 'HKCU\Software\Dravenlab\Vokrant 1.6 SAPI\Sound' | grep -q 'Speed *REG_DWORD *0x78'
    ;;
capi_dll)
    # Windows programs link libvokrant.dll as Linux ones link libvokrant.so.
    work=$(mktemp -d)
    cp "$build/src/capi/libvokrant.dll" "$build/examples/speak_to_wav.exe" "$work/"
    ascii='Ala ma kota, a kot ma psa. Dwa plus dwa to cztery.'
    run "$work/speak_to_wav.exe" "Z:$(tr / '\\' <<<"$source/data/")" "Z:$(tr / '\\' <<<"$work/capi.wav")" "$ascii"
    python3 "$source/tests/windows/wav_data.py" "$work/capi.wav" "$work/capi.pcm"
    vokrant="$linux_build/apps/vokrant/vokrant"
    [[ -x $vokrant ]] || { echo "no Linux build at '$linux_build': nothing to compare"; exit 1; }
    VOKRANT_CONFIG_DIR=$work/config "$vokrant" -o "$work/linux.wav" "$ascii"
    python3 "$source/tests/windows/wav_data.py" "$work/linux.wav" "$work/linux.pcm"
    cmp "$work/capi.pcm" "$work/linux.pcm"
    echo "libvokrant.dll PCM identical to the Linux build ($(stat -c %s "$work/capi.pcm") bytes)"
    rm -rf "$work"
    ;;
sapi5_register)
    # Twice: registering again replaces, never duplicates.
    mkdir -p "$install_dir"
    cp "$build/src/sapi5/vokrant-sapi5.dll" "$source/data/pln_22.als" "$source/data/pln_11.als" "$source/data/client.exp" "$install_dir/"
    run regsvr32 /s 'C:\vokrant\vokrant-sapi5.dll'
    run regsvr32 /s 'C:\vokrant\vokrant-sapi5.dll'
    server=$(reg_query "HKCR\\CLSID\\$voice_clsid\\InprocServer32")
    echo "$server"
    grep -qi 'REG_SZ *C:\\vokrant\\vokrant-sapi5.dll' <<<"$server"
    grep -q 'ThreadingModel *REG_SZ *Both' <<<"$server"
    token=$(reg_query "$voice_token_key" /s)
    echo "$token"
    grep -q "CLSID *REG_SZ *$voice_clsid" <<<"$token"
    grep -q 'Language *REG_SZ *415$' <<<"$token"
    [[ $(grep -c 'HKEY_LOCAL_MACHINE.*Tokens\\Vokrant$' <<<"$token") == 1 ]]
    run "$build/tests/windows/wine_sapi5.exe" registered
    ;;
sapi5_cases)
    run reg delete 'HKCU\Software\Dravenlab\Vokrant 1.6 SAPI' /f >/dev/null 2>&1 || true
    run "$build/tests/windows/wine_sapi5.exe" cases
    ;;
sapi5_linux)
    # The same text, the same sound and the same marks as the Linux build:
    # plain text, and SAPI XML with a bookmark against the tagged text.
    run reg delete 'HKCU\Software\Dravenlab\Vokrant 1.6 SAPI' /f >/dev/null 2>&1 || true
    vokrant="$linux_build/apps/vokrant/vokrant"
    [[ -x $vokrant ]] || { echo "no Linux build at '$linux_build': nothing to compare"; exit 1; }
    work=$(mktemp -d)
    xml_head='Dzień dobry. ' xml_tag='<bookmark mark="5"/>' linux_tag='\Mrk=5\' tail='Ala ma kota, a kot ma Alę.'
    printf '%s' "$text" >"$work/plain.txt"
    printf '%s' "<volume level=\"100\">$xml_head$xml_tag$tail</volume>" >"$work/marked.txt"
    run "$build/tests/windows/wine_sapi5.exe" speak "$work/plain.txt" "$work/plain.pcm" "$work/plain.events"
    run "$build/tests/windows/wine_sapi5.exe" speak "$work/marked.txt" "$work/marked.pcm" "$work/marked.events" xml
    export VOKRANT_CONFIG_DIR=$work/config
    "$vokrant" --marks -o "$work/plain.wav" "$text" >"$work/plain.marks"
    "$vokrant" --tagged --marks -o "$work/marked.wav" "$xml_head$linux_tag$tail" >"$work/marked.marks"
    # A backslash tag in the caller's text is text, as it is for vokrant without --tagged.
    hostile='Głośno \Vol=0\ i \RmS=1\ dalej.'
    printf '%s' "$hostile" >"$work/hostile.txt"
    run "$build/tests/windows/wine_sapi5.exe" speak "$work/hostile.txt" "$work/hostile.pcm" "$work/hostile.events"
    "$vokrant" -o "$work/hostile.wav" "$hostile"
    for name in plain marked hostile; do
        python3 "$source/tests/windows/wav_data.py" "$work/$name.wav" "$work/$name.linux"
        cmp "$work/$name.pcm" "$work/$name.linux"
        echo "$name: PCM identical to the Linux build ($(stat -c %s "$work/$name.pcm") bytes)"
    done
    # Offsets: the XML's markup differs from the tagged text's, so there they name the same words.
    python3 "$source/tests/windows/sapi5/compare_marks.py" "$work/plain.events" "$work/plain.marks"
    python3 "$source/tests/windows/sapi5/compare_marks.py" "$work/marked.events" "$work/marked.marks" \
        "$work/marked.txt" "$xml_head$linux_tag$tail"
    rm -rf "$work"
    ;;
sapi5_unregister)
    run reg add 'HKCU\Software\Dravenlab\Vokrant 1.6 SAPI\Sound' /v Speed /t REG_DWORD /d 120 /f >/dev/null
    run regsvr32 /u /s 'C:\vokrant\vokrant-sapi5.dll'
    ! reg_query "HKCR\\CLSID\\$voice_clsid" | grep -q InprocServer32
    ! reg_query "$voice_token_key" | grep -q .
    run "$build/tests/windows/wine_sapi5.exe" unregistered
    reg_query 'HKCU\Software\Dravenlab\Vokrant 1.6 SAPI\Sound' | grep -q 'Speed *REG_DWORD *0x78'
    ;;
*)
    echo "unknown step $step" >&2
    exit 2
    ;;
esac

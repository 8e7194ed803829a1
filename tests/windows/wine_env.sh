# Sourced by the scripts that run Windows programs under wine64: a headless
# wine in the private prefix $WINEPREFIX (set before sourcing), and the
# helpers they share.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY
wine=$(command -v wine64 || true)
[[ -n $wine ]] || { [[ -x /usr/lib/wine/wine64 ]] && wine=/usr/lib/wine/wine64; } || wine=$(command -v wine)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
engine_clsid='{C7CC431F-6667-4855-8D86-086362FEB667}'
voice_clsid='{5E3A7C21-9B04-4D6F-A18E-27C4903B6D52}'
voice_token_key='HKLM\Software\Microsoft\Speech\Voices\Tokens\Vokrant'

run() { "$wine" "$@"; }
reg_query() { run reg query "$@" 2>/dev/null | tr -d '\r'; }

# A fresh prefix, its first start finished.
make_prefix() {
    rm -rf "$WINEPREFIX"
    run wineboot -i >/dev/null 2>&1
    # Xvfb has no window manager: windows that wait for one take seconds to
    # close, so Wine manages them itself.
    run reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$wineserver" -w
}

# Stops a wine server left running by an earlier step: one started without
# a display (or with another sound server) would serve the next program
# with its own desktop, and windows could not be created.
stop_wineserver() {
    "$wineserver" -k >/dev/null 2>&1 || true
    "$wineserver" -w >/dev/null 2>&1 || true
}

# The Linux build's PCM for $text, as the reference; fails when the build
# in $linux_build is missing.
linux_pcm() {
    local vokrant="$linux_build/apps/vokrant/vokrant" out=$1
    [[ -x $vokrant ]] || return 1
    VOKRANT_CONFIG_DIR=$(mktemp -d) "$vokrant" -o "$out.wav" "$text"
    python3 "$source/tests/windows/wav_data.py" "$out.wav" "$out"
}

# Runs a private sound server with a null sink ("null"), which wine plays
# to, until the script exits.
start_private_pulse() {
    pulse=$(mktemp -d /tmp/vokrant-pulse.XXXXXX)
    export PULSE_RUNTIME_PATH=$pulse PULSE_STATE_PATH=$pulse PULSE_SERVER="unix:$pulse/native"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=yes --use-pid-file=no --log-level=error \
        -L module-null-sink -L "module-native-protocol-unix socket=$pulse/native auth-anonymous=1" &
    pulse_pid=$!
    trap 'kill $pulse_pid; wait $pulse_pid; rm -rf "$pulse"' EXIT
    for _ in $(seq 100); do [[ -S $pulse/native ]] && break; sleep 0.05; done
}

# Wine with no sound driver at all.
no_sound_driver() {
    WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winepulse.drv,winealsa.drv=d" "$@"
}

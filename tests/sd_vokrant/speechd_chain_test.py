#!/usr/bin/python3
"""The whole chain: Debian's speech-dispatcher server, started here on a
private socket and configuration folder with its module folder pointing at
our build, speaks SSML with marks through sd_vokrant for a python3-speechd
client. The index marks must come back in order between BEGIN and END, and
the sound must reach the server's audio output: a private PulseAudio with a
null sink, recorded from its monitor with parec.

Usage: speechd_chain_test.py MODULE_DIR VOICE_DIR. Exit 77 (skipped) when a
needed program is missing."""
import array
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

SKIP = 77


def wait_for(predicate, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if predicate():
            return True
        time.sleep(0.05)
    return False


def start_pulse(scratch):
    runtime = os.path.join(scratch, "pulse")
    os.makedirs(runtime)
    socket = os.path.join(runtime, "native")
    env = dict(os.environ, PULSE_RUNTIME_PATH=runtime, PULSE_STATE_PATH=runtime)
    pulse = subprocess.Popen(
        ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
         "--use-pid-file=no", "--log-level=error", "-L", "module-null-sink sink_name=capture",
         "-L", "module-native-protocol-unix socket=%s auth-anonymous=1" % socket], env=env)
    if not wait_for(lambda: os.path.exists(socket), 10):
        pulse.kill()
        raise RuntimeError("pulseaudio did not start")
    os.environ["PULSE_SERVER"] = "unix:" + socket
    os.environ["PULSE_RUNTIME_PATH"] = runtime
    return pulse


def write_config(scratch, module_dir, voice_dir):
    conf = os.path.join(scratch, "conf")
    os.makedirs(os.path.join(conf, "modules"))
    with open(os.path.join(conf, "speechd.conf"), "w") as f:
        f.write('CommunicationMethod "unix_socket"\n'
                'AudioOutputMethod "pulse"\n'
                'AddModule "vokrant" "sd_vokrant" "vokrant.conf"\n'
                'DefaultModule vokrant\n'
                'DefaultLanguage "pl"\n'
                'DefaultVolume 100\n'
                'DefaultRate 0\n'
                'LogLevel 4\n')
    with open(os.path.join(conf, "modules", "vokrant.conf"), "w") as f:
        f.write('VokrantVoiceDir "%s"\n' % voice_dir)
    return conf


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    module_dir, voice_dir = sys.argv[1], sys.argv[2]
    for program in ("speech-dispatcher", "pulseaudio", "parec"):
        if shutil.which(program) is None:
            print("skipped: %s is not installed" % program)
            return SKIP
    try:
        import speechd
    except ImportError:
        print("skipped: python3-speechd is not installed")
        return SKIP

    scratch = tempfile.mkdtemp(prefix="vokrant-speechd-")
    os.environ["VOKRANT_CONFIG_DIR"] = os.path.join(scratch, "vokrant")
    os.environ["XDG_RUNTIME_DIR"] = scratch
    os.environ["HOME"] = scratch
    processes = []
    client = None
    try:
        processes.append(start_pulse(scratch))
        conf = write_config(scratch, module_dir, voice_dir)
        socket = os.path.join(scratch, "speechd.sock")
        logs = os.path.join(scratch, "log")
        os.makedirs(logs)
        server = subprocess.Popen(
            ["speech-dispatcher", "-s", "-t", "0", "-C", conf, "-m", module_dir, "-c", "unix_socket",
             "-S", socket, "-L", logs, "-P", os.path.join(scratch, "speechd.pid")],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        processes.append(server)
        if not wait_for(lambda: os.path.exists(socket), 10):
            print("FAIL: speech-dispatcher did not open its socket")
            return 1

        recording = os.path.join(scratch, "recorded.raw")
        with open(recording, "wb") as out:
            parec = subprocess.Popen(["parec", "-d", "capture.monitor", "--raw", "--format=s16le",
                                      "--rate=22050", "--channels=1"], stdout=out)
        processes.append(parec)

        client = speechd.SSIPClient("vokrant-test", socket_path=socket, autospawn=False)
        client.set_output_module("vokrant")
        client.set_language("pl")
        modules = client.list_output_modules()
        if "vokrant" not in modules:
            print("FAIL: the server does not list the module:", modules)
            return 1
        voices = client.list_synthesis_voices()
        if not any(v[0] == "vokrant" and v[1] == "pl" for v in voices):
            print("FAIL: the module's voice is not listed:", voices)
            return 1

        client.set_data_mode(speechd.DataMode.SSML)
        events = []
        done = threading.Event()

        def callback(kind, index_mark=None):
            events.append(index_mark if kind == speechd.CallbackType.INDEX_MARK else kind)
            if kind in (speechd.CallbackType.END, speechd.CallbackType.CANCEL):
                done.set()

        ssml = ('<speak>Dzień dobry.<mark name="pierwszy"/> Próba &amp; '
                '<prosody rate="fast">mowa</prosody>.<mark name="drugi"/> Koniec.<mark name="trzeci"/></speak>')
        client.speak(ssml, callback=callback,
                     event_types=(speechd.CallbackType.BEGIN, speechd.CallbackType.END,
                                  speechd.CallbackType.CANCEL, speechd.CallbackType.INDEX_MARK))
        if not done.wait(30):
            print("FAIL: no END within 30 s; events:", events)
            return 1
        expected = [speechd.CallbackType.BEGIN, "pierwszy", "drugi", "trzeci", speechd.CallbackType.END]
        if events != expected:
            print("FAIL: events", events, "expected", expected)
            return 1

        time.sleep(0.5)  # the tail of the sound through the sink
        parec.send_signal(signal.SIGINT)
        parec.wait(5)
        samples = array.array("h")
        with open(recording, "rb") as f:
            data = f.read()
        samples.frombytes(data[: len(data) // 2 * 2])
        loud = sum(1 for s in samples if abs(s) > 1000)
        print("recorded %d samples, %d loud" % (len(samples), loud))
        # The text lasts about two seconds; at least half a second of it must be sound.
        if loud < 11025:
            print("FAIL: the sound did not reach the server's output")
            return 1
        print("PASS")
        return 0
    finally:
        if client is not None:
            try:
                client.close()
            except Exception:
                pass
        for process in reversed(processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        if os.environ.get("VOKRANT_KEEP_SCRATCH"):
            print("scratch kept in", scratch)
        else:
            shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())

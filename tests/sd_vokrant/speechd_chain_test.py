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
import math
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import wave

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


ESPEAK_MODULE = "/usr/lib/speech-dispatcher-modules/sd_espeak-ng"
RATE = 22050


def write_config(scratch, module_dir, voice_dir, icons):
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
        # espeak-ng beside it, when installed, for the measurements.
        if os.path.exists(ESPEAK_MODULE):
            f.write('AddModule "espeak-ng" "%s" "espeak-ng.conf"\n' % ESPEAK_MODULE)
    with open(os.path.join(conf, "modules", "vokrant.conf"), "w") as f:
        f.write('VokrantVoiceDir "%s"\nVokrantSoundIconFolder "%s"\n' % (voice_dir, icons))
    return conf


def write_icon(icons):
    """A 440 Hz tone of 0.3 s at half scale, the sound icon "bell"."""
    os.makedirs(icons)
    tone = array.array("h", (int(16000 * math.sin(2 * math.pi * 440 * i / RATE))
                             for i in range(RATE * 3 // 10)))
    with wave.open(os.path.join(icons, "bell.wav"), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(tone.tobytes())


class Recording:
    """The sink's monitor as parec writes it: a segment is the samples
    between two moments, found by the file's size then."""

    def __init__(self, path):
        self.path = path

    def mark(self):
        return os.path.getsize(self.path) // 2

    def samples(self, start, end=None):
        with open(self.path, "rb") as f:
            f.seek(start * 2)
            data = f.read() if end is None else f.read((end - start) * 2)
        out = array.array("h")
        out.frombytes(data[: len(data) // 2 * 2])
        return out


def wait_for_quiet(recording, seconds=0.5, threshold=30, limit=10.0):
    """Waits until the last `seconds` of the recording are silent, so that the
    tail of one measurement (another module's buffers on a busy machine) does
    not fall into the next one's window."""
    needed = int(seconds * RATE)
    deadline = time.monotonic() + limit
    while time.monotonic() < deadline:
        end = recording.mark()
        if end >= needed and all(abs(s) <= threshold for s in recording.samples(end - needed, end)):
            return
        time.sleep(0.05)
    raise RuntimeError("the output was not quiet for %.1f s within %.0f s" % (seconds, limit))


def loud_span(samples, threshold=500):
    """Seconds from the first to the last sample above the threshold."""
    loud = [i for i, s in enumerate(samples) if abs(s) > threshold]
    return (loud[-1] - loud[0]) / RATE if loud else 0.0


def peak_rms(samples, threshold=None):
    """Peak and RMS; with a threshold, the RMS of the sound between its first
    and last sample above it, so the silence around does not count."""
    if threshold is not None:
        loud = [i for i, s in enumerate(samples) if abs(s) > threshold]
        samples = samples[loud[0]: loud[-1] + 1] if loud else []
    if not samples:
        return 0, 0.0
    return max(abs(s) for s in samples), math.sqrt(sum(s * s for s in samples) / len(samples))


def decibels(value, reference):
    return 20 * math.log10(value / reference) if value > 0 and reference > 0 else float("-inf")


class Client:
    """One python3-speechd connection whose messages are awaited to their end."""

    def __init__(self, speechd, socket):
        self.speechd = speechd
        self.client = speechd.SSIPClient("vokrant-test", socket_path=socket, autospawn=False)
        self.events = []
        self.marks = []
        self.done = threading.Event()
        self.paused = threading.Event()

    def callback(self, kind, index_mark=None):
        CallbackType = self.speechd.CallbackType
        self.events.append(index_mark if kind == CallbackType.INDEX_MARK else kind)
        if kind == CallbackType.INDEX_MARK:
            self.marks.append(index_mark)
        if kind in (CallbackType.END, CallbackType.CANCEL):
            self.done.set()
        if kind == CallbackType.PAUSE:
            self.paused.set()

    def kwargs(self):
        CallbackType = self.speechd.CallbackType
        return dict(callback=self.callback,
                    event_types=(CallbackType.BEGIN, CallbackType.END, CallbackType.CANCEL,
                                 CallbackType.INDEX_MARK, CallbackType.PAUSE,
                                 CallbackType.RESUME))

    def run(self, send, seconds=30):
        """Sends one message with `send`; the seconds it took to its END."""
        self.events = []
        self.done.clear()
        started = time.monotonic()
        send(**self.kwargs())
        if not self.done.wait(seconds):
            raise RuntimeError("no END within %d s; events: %s" % (seconds, self.events))
        return time.monotonic() - started


def sounded(recording, send, seconds=2.0):
    """Sends a message that has no END event for the client (a character, a
    key, a sound icon) and listens: seconds from sending to the first and
    to the last loud sample, and the samples."""
    wait_for_quiet(recording)
    start = recording.mark()
    send()
    time.sleep(seconds)
    samples = recording.samples(start)
    loud = [i for i, s in enumerate(samples) if abs(s) > 500]
    if not loud:
        return 0.0, 0.0, samples
    return loud[0] / RATE, loud[-1] / RATE, samples


def check_characters(client, recording, modules):
    """A typed character or key says its name and nothing after it: the sound
    is as short as the name (before, "żet spacja" took 0.92 s)."""
    failures = []
    for module in modules:
        client.client.set_output_module(module)
        for kind, value, longest in (("char", "ż", 0.5), ("key", "a", 0.5), ("key", "\\", 1.2),
                                     ("char", "Ó", 1.4)):
            send = getattr(client.client, kind)
            first, last, _ = sounded(recording, lambda: send(value))
            print("%-9s %s %-2s first sound %4.0f ms, end of sound %4.0f ms after the command"
                  % (module, kind, value, first * 1000, last * 1000))
            if module == "vokrant" and not 0.05 < last - first < longest:
                failures.append("%s %s lasts %.2f s" % (kind, value, last - first))
    return failures


def check_volume(client, recording, modules):
    """-100 is silence, 0 the user's loudness, +100 the loudest, even in dB."""
    failures = []
    for module in modules:
        client.client.set_output_module(module)
        levels = {}
        for level in (-100, -50, 0, 50, 100):
            client.client.set_volume(level)
            wait_for_quiet(recording)
            start = recording.mark()
            client.run(lambda **kw: client.client.speak("Sprawdzam głośność mowy.", **kw))
            time.sleep(0.4)
            levels[level] = peak_rms(recording.samples(start), threshold=30)
        reference = levels[0][1]
        print("%-9s volume  " % module + "  ".join(
            "%+d: peak %d rms %.0f (%+.1f dB)" % (level, peak, rms, decibels(rms, reference))
            for level, (peak, rms) in sorted(levels.items())))
        if module == "vokrant":
            if levels[-100][0] > 50:
                failures.append("volume -100 is not silent: peak %d" % levels[-100][0])
            if abs(decibels(levels[-50][0], levels[0][0]) + 15) > 1:
                failures.append("volume -50 is not 15 dB below 0")
            if levels[100][0] < levels[0][0] * 0.97 or levels[100][0] >= 32767:
                failures.append("volume +100 is quieter than 0, or clips")
    client.client.set_volume(100)
    return failures


def check_sound_icon(client, recording):
    client.client.set_output_module("vokrant")
    failures = []
    first, last, played = sounded(recording, lambda: client.client.sound_icon("bell"))
    peak, _ = peak_rms(played)
    print("sound icon bell: peak %d, %.0f ms" % (peak, (last - first) * 1000))
    # 0.3 s of tone; more when a busy machine leaves gaps in it.
    if not (14000 < peak < 18000 and 0.25 < last - first < 1.0):
        failures.append("the sound icon was not played (peak %d, %.2f s)" % (peak, last - first))
    first, last, _ = sounded(recording, lambda: client.client.sound_icon("dzwonek"))
    if last - first < 0.1:
        failures.append("a sound icon without a file was silent")
    return failures


PAUSE_WORDS = ("Zdanie numer {n} wymienia po kolei jabłka, gruszki, śliwki, wiśnie, czereśnie, "
               "maliny i jeżyny.").split()


def pause_ssml():
    """Two sentences with a mark after every word, and the marks' names."""
    parts, marks = [], []
    for n in range(2):
        for i, word in enumerate(PAUSE_WORDS):
            marks.append("s%dw%d" % (n, i))
            parts.append('%s<mark name="%s"/>' % (word.format(n=n), marks[-1]))
    return "<speak>" + " ".join(parts) + "</speak>", marks


def pause_once(client, recording, ssml, delay=None, after_mark=None):
    """Speaks, pauses `delay` seconds after sending (or 50 ms after the mark
    `after_mark` arrives), resumes; the seconds the sound went on after PAUSE."""
    client.events = []
    client.marks = []
    client.done.clear()
    client.paused.clear()
    wait_for_quiet(recording)
    client.client.speak(ssml, **client.kwargs())
    if after_mark is None:
        time.sleep(delay)
    elif not wait_for(lambda: after_mark in client.marks, 20):
        raise RuntimeError("no mark %s; events: %s" % (after_mark, client.events))
    else:
        time.sleep(0.05)
    paused_at = recording.mark()
    client.client.pause()
    if not client.paused.wait(10):
        raise RuntimeError("no PAUSE event; events: %s" % client.events)
    time.sleep(1.2)
    after = recording.samples(paused_at)
    loud = [i for i, s in enumerate(after) if abs(s) > 500]
    client.client.resume()
    if not client.done.wait(60):
        raise RuntimeError("no END after RESUME; events: %s" % client.events)
    return loud[-1] / RATE if loud else 0.0


def check_pause(client, recording):
    """PAUSE stops the sound within a word; RESUME goes on from there, every
    word once (each is followed by a mark, which must arrive exactly once)."""
    client.client.set_output_module("vokrant")
    speechd = client.speechd
    client.client.set_data_mode(speechd.DataMode.SSML)
    ssml, marks = pause_ssml()
    failures = []
    latencies = []
    trials = [dict(delay=d) for d in (0.6, 1.1, 1.7, 2.4, 3.0)]
    # Just after the first sentence's end, where the server's mark lies.
    trials.append(dict(after_mark=marks[len(PAUSE_WORDS) - 1]))
    for trial in trials:
        try:
            latencies.append(pause_once(client, recording, ssml, **trial))
        except RuntimeError as error:
            failures.append(str(error))
            continue
        if client.marks != marks:
            failures.append("pause %s: marks %s, expected %s" % (trial, client.marks, marks))
    if latencies:
        ordered = sorted(latencies)
        print("pause: sound went on after PAUSE for %s ms (min %.0f, median %.0f, max %.0f)"
              % (", ".join("%.0f" % (t * 1000) for t in latencies), ordered[0] * 1000,
                 ordered[len(ordered) // 2] * 1000, ordered[-1] * 1000))
    # Our part is the rest of a word; the server's sound output plays what it
    # holds, longer on a busy machine.
    if any(t > 2.0 for t in latencies):
        failures.append("sound went on for up to %.2f s after PAUSE" % max(latencies))
    client.client.set_data_mode(speechd.DataMode.TEXT)
    return failures


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
        icons = os.path.join(scratch, "icons")
        write_icon(icons)
        conf = write_config(scratch, module_dir, voice_dir, icons)
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

        # A new recording for the measurements, read while it grows.
        recording_path = os.path.join(scratch, "measured.raw")
        with open(recording_path, "wb") as out:
            parec = subprocess.Popen(["parec", "-d", "capture.monitor", "--raw", "--format=s16le",
                                      "--rate=%d" % RATE, "--channels=1", "--latency-msec=20"],
                                     stdout=out)
        processes.append(parec)
        time.sleep(0.5)
        recording = Recording(recording_path)
        checker = Client(speechd, socket)
        checker.client.set_language("pl")
        modules = ["vokrant"] + (["espeak-ng"] if "espeak-ng" in modules else [])
        failures = check_characters(checker, recording, modules)
        failures += check_volume(checker, recording, modules)
        failures += check_sound_icon(checker, recording)
        failures += check_pause(checker, recording)
        checker.client.close()
        for failure in failures:
            print("FAIL:", failure)
        if failures:
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

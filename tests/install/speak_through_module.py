#!/usr/bin/python3
"""Speaks Polish through an installed sd_vokrant: a private speech-dispatcher
(its own socket, a copy of CONFIG_DIR as its configuration, MODULE_DIR as
its module folder) on a private PulseAudio server with a null sink. The
module must be found by speech-dispatcher itself (no AddModule line is
added), offer a Polish voice and be heard at the sink.

Usage: speak_through_module.py MODULE_DIR CONFIG_DIR [--expect-absent]
CONFIG_DIR is a speech-dispatcher configuration folder (modules/vokrant.conf
inside, speechd.conf optional: a minimal one is written when it has none).
With --expect-absent the module must fail to start instead (it has no voice),
so speech-dispatcher must not list it. Exit 77 (skipped) when a needed
program is missing."""
import array
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "sd_vokrant"))
from speechd_chain_test import SKIP, start_pulse, wait_for  # noqa: E402

SENTENCE = "Dzień dobry, to jest próba syntezatora."
# Written when the configuration folder has no speechd.conf of its own.
MINIMAL_SPEECHD_CONF = ('CommunicationMethod "unix_socket"\n'
                        'AudioOutputMethod "pulse"\n'
                        'DefaultVolume 100\n'
                        'LogLevel 4\n')


def copy_config(config_dir, scratch):
    conf = os.path.join(scratch, "conf")
    shutil.copytree(config_dir, conf)
    if not os.path.exists(os.path.join(conf, "modules", "vokrant.conf")):
        raise RuntimeError("no modules/vokrant.conf in " + config_dir)
    speechd_conf = os.path.join(conf, "speechd.conf")
    if not os.path.exists(speechd_conf):
        with open(speechd_conf, "w") as f:
            f.write(MINIMAL_SPEECHD_CONF)
    return conf


def loud_samples(recording):
    samples = array.array("h")
    with open(recording, "rb") as f:
        data = f.read()
    samples.frombytes(data[: len(data) // 2 * 2])
    return sum(1 for s in samples if abs(s) > 1000)


def speak(client, speechd):
    done = threading.Event()
    events = []

    def callback(kind, index_mark=None):
        events.append(kind)
        if kind in (speechd.CallbackType.END, speechd.CallbackType.CANCEL):
            done.set()

    client.speak(SENTENCE, callback=callback,
                 event_types=(speechd.CallbackType.BEGIN, speechd.CallbackType.END,
                              speechd.CallbackType.CANCEL))
    if not done.wait(30):
        raise RuntimeError("no END within 30 s; events: %s" % events)
    if events != [speechd.CallbackType.BEGIN, speechd.CallbackType.END]:
        raise RuntimeError("events %s, expected BEGIN then END" % events)


def with_dummy_module(module_dir, scratch):
    """A module folder holding links to MODULE_DIR's modules and to
    speech-dispatcher's own dummy module, so that the server keeps running
    when ours fails to start."""
    folder = os.path.join(scratch, "modules")
    os.makedirs(folder)
    for name in os.listdir(module_dir):
        os.symlink(os.path.join(module_dir, name), os.path.join(folder, name))
    dummy = "/usr/lib/speech-dispatcher-modules/sd_dummy"
    if os.path.exists(dummy) and not os.path.exists(os.path.join(folder, "sd_dummy")):
        os.symlink(dummy, os.path.join(folder, "sd_dummy"))
    return folder


def run(module_dir, config_dir, expect_absent, scratch, processes):
    import speechd
    processes.append(start_pulse(scratch))
    conf = copy_config(config_dir, scratch)
    if expect_absent:
        module_dir = with_dummy_module(module_dir, scratch)
    socket = os.path.join(scratch, "speechd.sock")
    logs = os.path.join(scratch, "log")
    os.makedirs(logs)
    processes.append(subprocess.Popen(
        ["speech-dispatcher", "-s", "-t", "0", "-C", conf, "-m", module_dir, "-c", "unix_socket",
         "-S", socket, "-L", logs, "-P", os.path.join(scratch, "speechd.pid")],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    if not wait_for(lambda: os.path.exists(socket), 15):
        raise RuntimeError("speech-dispatcher did not open its socket")

    recording = os.path.join(scratch, "recorded.raw")
    with open(recording, "wb") as out:
        parec = subprocess.Popen(["parec", "-d", "capture.monitor", "--raw", "--format=s16le",
                                  "--rate=22050", "--channels=1"], stdout=out)
    processes.append(parec)

    client = speechd.SSIPClient("vokrant-installed-test", socket_path=socket, autospawn=False)
    try:
        modules = client.list_output_modules()
        print("modules:", " ".join(modules))
        if expect_absent:
            if "vokrant" in modules:
                raise RuntimeError("the module started although its voice is gone")
            return
        if "vokrant" not in modules:
            raise RuntimeError("speech-dispatcher does not list the module")
        client.set_output_module("vokrant")
        client.set_language("pl")
        voices = client.list_synthesis_voices()
        if not any(v[0] == "vokrant" and v[1] == "pl" for v in voices):
            raise RuntimeError("no Polish voice listed: %s" % (voices,))
        speak(client, speechd)
    finally:
        client.close()
    time.sleep(0.5)  # the tail of the sound through the sink
    parec.send_signal(signal.SIGINT)
    parec.wait(5)
    loud = loud_samples(recording)
    print("recorded %d loud samples" % loud)
    # The sentence lasts about two and a half seconds: half a second of it at least is sound.
    if loud < 11025:
        raise RuntimeError("the sound did not reach the server's output")


def main():
    expect_absent = "--expect-absent" in sys.argv[1:]
    args = [a for a in sys.argv[1:] if a != "--expect-absent"]
    if len(args) != 2:
        print(__doc__)
        return 2
    for program in ("speech-dispatcher", "pulseaudio", "parec"):
        if shutil.which(program) is None:
            print("skipped: %s is not installed" % program)
            return SKIP
    try:
        import speechd  # noqa: F401
    except ImportError:
        print("skipped: python3-speechd is not installed")
        return SKIP

    scratch = tempfile.mkdtemp(prefix="vokrant-installed-")
    os.environ["VOKRANT_CONFIG_DIR"] = os.path.join(scratch, "vokrant")
    os.environ.pop("VOKRANT_DATA_DIR", None)
    os.environ["XDG_RUNTIME_DIR"] = scratch
    os.environ["HOME"] = scratch
    processes = []
    try:
        run(os.path.abspath(args[0]), os.path.abspath(args[1]), expect_absent, scratch, processes)
        print("PASS")
        return 0
    except Exception as error:  # the server or the client gave up: say why
        print("FAIL:", error)
        print("module log:", open_log(scratch))
        return 1
    finally:
        for process in reversed(processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(scratch, ignore_errors=True)


def open_log(scratch):
    path = os.path.join(scratch, "log", "vokrant.log")
    try:
        with open(path, errors="replace") as f:
            return f.read()[-2000:]
    except OSError:
        return "(none)"


if __name__ == "__main__":
    sys.exit(main())

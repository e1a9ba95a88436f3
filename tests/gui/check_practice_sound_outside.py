#!/usr/bin/env python3
"""Runs a short guided practice of the real program on a desktop that speaks and sounds: a session bus, a sound
server and a speech-dispatcher of its own, under its own X server, as accessibility_outside runs. Two poses held
10 s each, speech on. It records the sound server's sink and fails when a hold's start or end made no sound, a pose
was skipped or a hold ran short of 9.5 s, or the window went more than 2 s without answering. Then it runs the same
once more with speech-dispatcher unable to reach any sound device: the session must keep its place and the tones
still sound. Each run quits through the closing screen, and the process must have ended within 10 s.

The limits tell a hang from a busy machine; exact timings are the benchmark's.

Usage: check_practice_sound_outside.py PROGRAM

With ASTRAVIDA_OUTSIDE_EVIDENCE set to a folder, each run leaves there its recording, its sound level per quarter
second beside what the window showed, and the program's log. Ends with status 77 when a tool it needs is missing.
"""

import array
import glob
import math
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# The walk beside this check is imported from the source tree, which the tests leave as they found it.
sys.dont_write_bytecode = True
import check_accessibility_outside as outside  # noqa: E402

pyatspi = outside.pyatspi

LEAD_IN_S = 3
HOLD_S = 10
SHORTEST_HOLD_S = 9.5
LONGEST_SILENCE_S = 2.0
LONGEST_QUIT_S = 10.0
ENGINE_START_S = 240
# The label follows the session at each tick of the window's clock.
TICK_S = 0.2
RATE = 8000
# A sound is heard this long after its moment at most: the server's buffers, and the recording's start known only
# to within its first buffer.
SOUND_LATE_S = 1.0
SOUND_EARLY_S = 0.5
# Silence on a null sink is exactly zero; anything played is far above this.
HEARD = 64

# Holds of 10 s for the first two asanas of the reading for 1 January, a Capricorn: Sarvangasana and Dhanurasana,
# each held once.
SETTINGS = """[Practice]
HoldSarvangasana=%d
HoldDhanurasana=%d
LeadInSeconds=%d
SpeakCues=true
PlayTones=true
""" % (HOLD_S, HOLD_S, LEAD_IN_S)

# Qt's speech-dispatcher engine takes a voice for the program's locale, and the C locale of the tests has none; a
# person's desktop names a language. The C library may lack the locale: Qt then keeps UTF-8 itself.
SPEAKERS_LOCALE = {"LC_ALL": "en_US.UTF-8", "LANG": "en_US.UTF-8"}

COUNTDOWN = re.compile(r"^(?P<phase>.+) \d+:\d\d$")
POSE_NUMBER = re.compile(r"^Pose (?P<pose>\d+) of \d+$")


def missing_tools():
    missing = outside.missing_tools()
    missing += [tool for tool in ("pulseaudio", "parecord", "speech-dispatcher") if not shutil.which(tool)]
    if not glob.glob("/usr/lib*/speech-dispatcher-modules/sd_espeak-ng*"):
        missing.append("speech-dispatcher-espeak-ng")
    return missing


def uncached(accessible):
    # libatspi keeps names it has seen; a name read afresh is a round trip to the window's thread.
    accessible.clear_cache()
    return accessible.name


class Watch:
    """How long the window takes to answer, and what the practice window shows, read every 100 ms."""

    def __init__(self, process):
        self.process = process
        self.seen = []  # (asked, answered, pose, phase)
        self.longest_wait = 0.0
        self.last_answer = None  # while the window is watched without a break

    def answered(self, asked):
        now = time.monotonic()
        self.longest_wait = max(self.longest_wait, now - (asked if self.last_answer is None else self.last_answer))
        self.last_answer = now
        return now

    def ask(self, accessible):
        asked = time.monotonic()
        name = uncached(accessible)
        return asked, self.answered(asked), name

    def press(self, accessible):
        outside.press(accessible)
        self.answered(time.monotonic())

    def pause(self):
        # Walking a window's whole tree to find a control is many answers, not one long wait.
        self.last_answer = None

    def follow(self, countdown, pose_number, until, timeout):
        self.pause()
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.process.poll() is not None:
                raise RuntimeError("the program ended with status %d during the practice" % self.process.returncode)
            asked, _, pose = self.ask(pose_number)
            _, _, phase = self.ask(countdown)
            # A pose that changed between the two reads is read again at the next poll.
            _, answered, pose_after = self.ask(pose_number)
            match = POSE_NUMBER.match(pose)
            shown = COUNTDOWN.match(phase)
            if match and shown and pose == pose_after:
                self.seen.append((asked, answered, int(match["pose"]), shown["phase"]))
                if until(int(match["pose"]), shown["phase"]):
                    return
            time.sleep(0.1)
        raise TimeoutError("waited %d s for the practice to reach its third pose; it showed %s"
                           % (timeout, self.seen[-1][2:] if self.seen else "nothing"))

    def states(self):
        """The states shown, each with the first poll that showed it and the poll before that."""
        result = []
        for index, (asked, answered, pose, phase) in enumerate(self.seen):
            kind = "paused" if "aused" in phase else "hold" if phase.startswith("Hold") else "lead-in"
            if not result or result[-1][0] != (pose, kind):
                before = self.seen[index - 1][0] if index else asked
                result.append(((pose, kind), before, answered))
        return result


class Recording:
    """The sink's monitor, recorded as 8 kHz mono, placed on this process's monotonic clock."""

    def __init__(self, sink, path):
        self.path = path
        # The start is placed by the file's first bytes, so none may be left from an earlier run.
        if os.path.exists(path):
            os.remove(path)
        self.process = subprocess.Popen(
            ["parecord", "--device=%s.monitor" % sink, "--raw", "--format=s16le", "--rate=%d" % RATE,
             "--channels=1", "--latency-msec=20", path], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 20
        while not os.path.exists(path) or os.path.getsize(path) == 0:
            if self.process.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("parecord did not record the sound server's sink")
            time.sleep(0.01)
        self.start = time.monotonic() - os.path.getsize(path) / (2 * RATE)
        self.samples = None

    def stop(self):
        self.process.send_signal(signal.SIGINT)
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        with open(self.path, "rb") as raw:
            self.samples = array.array("h", raw.read())
        if sys.byteorder != "little":
            self.samples.byteswap()

    def peak(self, since, until):
        first = max(0, int((since - self.start) * RATE))
        last = max(first, int((until - self.start) * RATE))
        return max((abs(sample) for sample in self.samples[first:last]), default=0)


def decibels(peak):
    return "%4d dB" % round(20 * math.log10(peak / 32768)) if peak else "silent "


def open_practice(session, watch):
    """From the main window to the practice's plan page, as a person goes, watching the reading window answer while
    the practice window opens."""
    main = session.new_window("the main window")
    outside.find(main, pyatspi.ROLE_TEXT, "Name").queryEditableText().setTextContents("Anna")
    outside.press(outside.find(main, pyatspi.ROLE_PUSH_BUTTON, "Get Suitable Yogas For My Zodiac"))
    reading = session.new_window("the reading window")
    outside.press(outside.find(reading, pyatspi.ROLE_MENU_ITEM, "Practice"))
    item = outside.wait_for("the Practice menu", lambda: outside.find(
        reading, pyatspi.ROLE_MENU_ITEM, "Start Guided Practice...", None))
    watch.answered(time.monotonic())
    watch.press(item)

    def appeared():
        watch.ask(reading)
        fresh = [window for window in session.windows() if window not in session.seen_windows]
        return fresh[0] if fresh else None
    practice = outside.wait_for("the practice window", appeared)
    session.seen_windows.append(practice)
    watch.pause()
    return reading, practice


def shown_label(window, pattern):
    return outside.wait_for("a label reading like '%s'" % pattern.pattern, lambda: next(
        (item for item in outside.shown(window)
         if item.getRole() == pyatspi.ROLE_LABEL and pattern.match(item.name)), None), timeout=20)


def quit_through_closing_screen(session, reading):
    """Leaves as a person does, and returns how long the process took to end after the last button."""
    outside.press(outside.find(reading, pyatspi.ROLE_PUSH_BUTTON, "Exit"))
    closing = session.new_window("the closing screen")
    pressed = time.monotonic()
    # The program may be gone before it answers the press.
    outside.press(outside.find(closing, pyatspi.ROLE_PUSH_BUTTON, "Exit"), modal=True)
    try:
        session.process.wait(LONGEST_QUIT_S)
    except subprocess.TimeoutExpired:
        return None
    return time.monotonic() - pressed


def practise(program, env, sink, name, evidence):
    """One practice of two poses; returns what went wrong in it."""
    problems = []
    with tempfile.TemporaryDirectory(prefix="astravida-sound-") as scratch:
        log_path = os.path.join(evidence or scratch, name + ".log")
        recording = None
        with open(log_path, "w") as log:
            recording = Recording(sink, os.path.join(evidence or scratch, name + ".raw"))
            process = subprocess.Popen(
                [program], cwd=scratch, stdout=log, stderr=subprocess.STDOUT,
                env=dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **SPEAKERS_LOCALE))
            try:
                session = outside.Session(process)
                watch = Watch(process)
                reading, practice = open_practice(session, watch)
                start = outside.wait_for("the practice's Start button", lambda: outside.find(
                    practice, pyatspi.ROLE_PUSH_BUTTON, "Start", None))
                # Cues are spoken once the engine is ready; it starts as the window opens, and under the sanitizers
                # speech-dispatcher's thousands of voices take a minute or more to list.
                speak = outside.find(practice, pyatspi.ROLE_CHECK_BOX, "Speak the cues")

                def engine_told():
                    # The box's tooltip, which AT-SPI gives as its description.
                    speak.clear_cache()
                    return None if "Starting" in speak.description else speak.description or "nothing"
                asked = time.monotonic()
                engine = outside.wait_for("the speech engine to start", engine_told, timeout=ENGINE_START_S)
                print("%s: the speech engine told '%s' after %.0f s" % (name, engine, time.monotonic() - asked))
                if "is ready" not in engine and engine != "nothing":
                    problems.append("the speech engine did not start: '%s'" % engine)
                watch.press(start)
                started = watch.last_answer
                watch.pause()
                countdown = shown_label(practice, COUNTDOWN)
                pose_number = shown_label(practice, POSE_NUMBER)
                plan_s = 2 * (LEAD_IN_S + HOLD_S)
                watch.follow(countdown, pose_number, lambda pose, phase: pose >= 3 or "aused" in phase,
                             timeout=plan_s + 30)
                # The last hold's closing tone is recorded whole before the practice stops, well within the lead-in.
                time.sleep(SOUND_LATE_S + 0.5)
                # Stop asks first; the session waits paused for the answer.
                outside.press(outside.find(practice, pyatspi.ROLE_PUSH_BUTTON, "Stop"), modal=True)
                question = session.new_window("the stop question")
                outside.press(outside.find(question, pyatspi.ROLE_PUSH_BUTTON, "Stop"))
                recording.stop()
                done = outside.wait_for("the practice's closing page", lambda: next(
                    (item.name for item in outside.shown(practice) if item.name.startswith("Poses completed")), None))
                if not done.startswith("Poses completed: 2 of"):
                    problems.append("the closing page says '%s' after two poses" % done)
                outside.press(outside.find(practice, pyatspi.ROLE_PUSH_BUTTON, "Close"))
                outside.wait_for("the practice window to close", lambda: practice not in session.windows())
                ended = quit_through_closing_screen(session, reading)
            finally:
                if recording is not None and recording.samples is None:
                    recording.stop()
                process.kill()
                process.wait()

        states = watch.states()
        expected = [(1, "lead-in"), (1, "hold"), (2, "lead-in"), (2, "hold"), (3, "lead-in")]
        if [state for state, _, _ in states] != expected:
            problems.append("the window showed %s, not %s"
                            % (" > ".join("pose %d %s" % state for state, _, _ in states),
                               " > ".join("pose %d %s" % state for state in expected)))
        moments = []
        for index, ((pose, kind), before, shown) in enumerate(states[1:], 1):
            # The moment lies between the poll before the one that showed it, less a tick, and that poll's answer.
            moments.append((pose, kind, before - TICK_S, shown))
            if states[index - 1][0][1] == "hold" and kind != "paused":
                held_at_most = shown - (states[index - 1][1] - TICK_S)
                if held_at_most < SHORTEST_HOLD_S:
                    problems.append("the hold of pose %d lasted %.1f s at most" % (states[index - 1][0][0],
                                                                                 held_at_most))
        for pose, kind, earliest, latest in moments:
            what = "start" if kind == "hold" else "end"
            if kind != "paused" and recording.peak(earliest - SOUND_EARLY_S, latest + SOUND_LATE_S) < HEARD:
                problems.append("no sound at the %s of a hold (%.1f s into the practice)" % (what, earliest - started))
        if watch.longest_wait > LONGEST_SILENCE_S:
            problems.append("the window did not answer for %.1f s" % watch.longest_wait)
        if ended is None:
            problems.append("the process was still running %d s after the closing screen's Exit" % LONGEST_QUIT_S)
        elif process.returncode != 0:
            problems.append("the process ended with status %d" % process.returncode)

        print("%s: the window showed %s; the longest wait for an answer was %.2f s; the process ended %s"
              % (name, ", ".join("pose %d %s from %.1f s" % (state + (shown - started,))
                                 for state, _, shown in states),
                 watch.longest_wait, "%.2f s after Exit" % ended if ended is not None else "not at all"))
        if evidence:
            # The session starts a little after the press is answered (Qt animates the click): the plan is placed
            # by the first hold's start as the window showed it.
            origin = (moments[0][2] + moments[0][3]) / 2 - LEAD_IN_S if moments else started
            write_timeline(os.path.join(evidence, name + ".txt"), recording, origin, watch)
    return problems


def write_timeline(path, recording, started, watch):
    """The sound level per quarter second beside the plan's moments and what the window showed."""
    plan = {}
    for pose in (0, 1):
        lead_in = pose * (LEAD_IN_S + HOLD_S)
        for at, what in ((lead_in, "lead-in"), (lead_in + LEAD_IN_S, "hold starts"),
                         (lead_in + LEAD_IN_S + HOLD_S, "hold ends")):
            plan[at] = (plan[at] + ", " if at in plan else "plan: ") + "pose %d %s" % (pose + 1, what)
    with open(path, "w") as out:
        out.write("  time   peak    window shows           plan\n")
        slot = 0.0
        end = recording.start + len(recording.samples) / RATE - started
        while slot < end:
            at = started + slot
            shown = [f"pose {pose} {phase}" for asked, answered, pose, phase in watch.seen if answered <= at]
            level = recording.peak(at, at + 0.25)
            out.write("%6.2f  %s  %-5s %-22s %s\n" % (
                slot, decibels(level), "#" * min(5, max(0, round((20 * math.log10(level / 32768) + 60) / 10)))
                if level else "", shown[-1] if shown else "", plan.get(slot, "")))
            slot += 0.25
        out.write("\nlongest wait for the window: %.2f s\n" % watch.longest_wait)


def english_voice_only(home):
    """espeak-ng's data with one voice and no variants. Listing the thousands a desktop has takes the sanitizers'
    build minutes, so the engine would still be starting when the practice ends and no cue would be spoken; the
    accessibility check opens the practice with all of them."""
    data = next(iter(glob.glob("/usr/lib/*/espeak-ng-data")), None)
    if data is None:
        return {}
    trimmed = os.path.join(home, "espeak", "espeak-ng-data")
    os.makedirs(os.path.join(trimmed, "lang", "gmw"))
    os.mkdir(os.path.join(trimmed, "voices"))
    for entry in os.listdir(data):
        if entry not in ("lang", "voices"):
            os.symlink(os.path.join(data, entry), os.path.join(trimmed, entry))
    os.symlink(os.path.join(data, "lang", "gmw", "en-US"), os.path.join(trimmed, "lang", "gmw", "en-US"))
    return {"ESPEAK_DATA_PATH": os.path.dirname(trimmed)}


def run(program):
    evidence = os.environ.get("ASTRAVIDA_OUTSIDE_EVIDENCE")
    if evidence:
        os.makedirs(evidence, exist_ok=True)
    env = dict(os.environ)
    settings = os.path.join(env["XDG_CONFIG_HOME"], "astravida")
    os.makedirs(settings, exist_ok=True)
    problems = []
    speaking = dict(env, **english_voice_only(env["HOME"]))
    # The second time speech-dispatcher's sound server is a path where nothing listens, as when it has no device.
    nowhere = dict(speaking, PULSE_SERVER="unix:" + os.path.join(env["XDG_RUNTIME_DIR"], "nowhere"))
    for name, speech_env in (("speaking", speaking), ("speech without sound", nowhere)):
        with open(os.path.join(settings, "astravida.ini"), "w") as ini:
            ini.write(SETTINGS)
        with outside.sound_and_speech(env, speech_env, required=True) as sink:
            problems += ["%s: %s" % (name, problem) for problem in practise(
                program, env, sink, name.replace(" ", "-"), evidence)]
    return problems


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    program = os.path.abspath(sys.argv[1])
    if os.environ.get(outside.INNER) != "1":
        missing = missing_tools()
        if missing:
            print("Skipped: the outside practice sound check needs %s (scripts/install-deps installs them)"
                  % ", ".join(missing))
            return outside.SKIPPED
        return outside.run_inside_session(program, __file__)

    problems = run(program)
    for problem in problems:
        print(problem)
    if problems:
        return 1
    print("every hold started and ended with a sound, none was skipped or cut short, the window always answered"
          " within %.0f s, and the program ended within %.0f s of Exit, with speech heard and with speech stuck"
          % (LONGEST_SILENCE_S, LONGEST_QUIT_S))
    return 0


if __name__ == "__main__":
    sys.exit(main())

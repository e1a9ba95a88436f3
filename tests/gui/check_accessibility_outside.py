#!/usr/bin/env python3
"""Walks the real program from outside, as a screen reader does over AT-SPI, and fails on any shown control that
would be announced by its kind alone, and on any window whose title bar would read other than its caption. It types a
name, asks for the reading, opens every tab and an asana, walks the guided practice's pages, then the about box and
the closing screen.

Usage: check_accessibility_outside.py PROGRAM

Runs itself again inside its own X server (Xvfb) and session bus (dbus-run-session), with a scratch home, so it
never meets the desktop or the settings of whoever runs it. Where a sound server and speech-dispatcher are installed,
it starts both in its own runtime folder, as a desktop has them, and ends them when it is done. Ends with status 77
when the X server, the bus or AT-SPI is missing.
"""

import contextlib
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
INNER = "ASTRAVIDA_ATSPI_SESSION"

try:
    import pyatspi
except ImportError:
    pyatspi = None


def missing_tools():
    missing = [tool for tool in ("Xvfb", "dbus-run-session", "xwininfo") if not shutil.which(tool)]
    if not os.path.exists("/usr/share/dbus-1/services/org.a11y.Bus.service"):
        missing.append("at-spi2-core")
    if pyatspi is None:
        missing.append("python3-pyatspi for " + sys.executable)
    return missing


def run_inside_session(program, script=__file__):
    """Runs script with program inside an X server and session bus of its own, with a scratch home."""
    with tempfile.TemporaryDirectory(prefix="astravida-atspi-") as home:
        runtime = os.path.join(home, "runtime")
        os.mkdir(runtime, 0o700)
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_CACHE_HOME=os.path.join(home, "cache"), XDG_RUNTIME_DIR=runtime, **{INNER: "1"})
        for variable in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY"):
            env.pop(variable, None)
        # The server picks a free display itself and names it on the pipe, so checks running side by side never
        # race for one number as xvfb-run -a can. It must not reset when its first client (the AT-SPI bus launcher)
        # leaves, or the program may knock while it does. The screen is large enough for the reading window.
        reader, writer = os.pipe()
        server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(writer), "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(writer,), stderr=subprocess.DEVNULL)
        os.close(writer)
        try:
            with os.fdopen(reader) as pipe:
                display = pipe.readline().strip()
            if not display:
                print("Xvfb did not start")
                return 1
            env["DISPLAY"] = ":" + display
            command = ["dbus-run-session", "--", sys.executable, os.path.abspath(script), program]
            return subprocess.run(command, env=env).returncode
        finally:
            server.terminate()
            server.wait()


SINK = "astravida_mat"


def start_service(command, env, log, ready, what):
    # A session of its own, so that killing its group also ends the helpers it starts (speech-dispatcher's modules).
    process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                               start_new_session=True)
    deadline = time.monotonic() + 30
    while not ready():
        if process.poll() is not None or time.monotonic() > deadline:
            end_service(process)
            raise RuntimeError("%s did not start; its log is %s" % (what, log.name))
        time.sleep(0.1)
    return process


def end_service(process, grace=3):
    """Ends a service and its helpers by its process group. speech-dispatcher 0.11 ignores SIGTERM while its audio
    is stuck, and a helper left holding the test's output open would stall ctest, so SIGKILL follows a grace period."""
    for sent in (signal.SIGTERM, signal.SIGKILL):
        with contextlib.suppress(ProcessLookupError):
            os.killpg(process.pid, sent)
        try:
            process.wait(grace)
            if sent == signal.SIGKILL:
                break
        except subprocess.TimeoutExpired:
            continue
    # The daemon may have left helpers behind in its group after it ended of its own accord.
    with contextlib.suppress(ProcessLookupError):
        os.killpg(process.pid, signal.SIGKILL)


@contextlib.contextmanager
def sound_and_speech(env, speech_env=None, required=False):
    """A PulseAudio server whose default sink is a silent null sink, and a speech-dispatcher, both in the runtime
    folder of env, as a desktop has them. speech_env, when given, is speech-dispatcher's own environment. Each is
    skipped when not installed, unless required. Yields the sink's name, or None without a sound server."""
    runtime = env["XDG_RUNTIME_DIR"]
    started = []
    with open(os.path.join(env["HOME"], "services.log"), "a") as log:
        try:
            sink = None
            if shutil.which("pulseaudio") or required:
                socket = os.path.join(runtime, "pulse", "native")
                started.append(start_service(
                    ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
                     "--realtime=no", "--high-priority=no", "--disable-shm=yes", "--log-target=stderr",
                     "-L", "module-native-protocol-unix auth-anonymous=1 socket=" + socket,
                     "-L", "module-null-sink sink_name=" + SINK],
                    env, log, lambda: os.path.exists(socket), "the sound server"))
                sink = SINK
            speechd_socket = os.path.join(runtime, "speech-dispatcher", "speechd.sock")
            if shutil.which("speech-dispatcher") or required:
                # Started here rather than by the program's first word, so the check knows its process and ends it.
                started.append(start_service(
                    ["speech-dispatcher", "--run-single", "--timeout", "0",
                     "--log-dir", os.path.join(env["HOME"], "speech-dispatcher-logs")],
                    dict(speech_env or env, XDG_RUNTIME_DIR=runtime), log,
                    lambda: os.path.exists(speechd_socket), "speech-dispatcher"))
            yield sink
        finally:
            for process in reversed(started):
                end_service(process)
            # A daemon that the program started for itself, had ours gone, is ended by the id it wrote down.
            with contextlib.suppress(OSError, ValueError):
                with open(os.path.join(runtime, "speech-dispatcher", "pid", "speech-dispatcher.pid")) as pid_file:
                    leftover = int(pid_file.read().strip())
                with open("/proc/%d/cmdline" % leftover, "rb") as command_line:
                    if b"speech-dispatcher" in command_line.read() and leftover not in [p.pid for p in started]:
                        os.kill(leftover, signal.SIGKILL)
            with contextlib.suppress(FileNotFoundError):
                os.remove(speechd_socket)


# What a screen reader cannot announce without a name. Labels are their own text; containers are passed through.
# Roles are compared as pyatspi's constants: their display names change between at-spi releases ("push button" became
# "button").
NAMED_ROLES = {
    "PUSH_BUTTON", "TOGGLE_BUTTON", "CHECK_BOX", "RADIO_BUTTON", "COMBO_BOX",
    "TEXT", "ENTRY", "PASSWORD_TEXT",
    "LIST", "LIST_BOX", "PROGRESS_BAR",
    "PAGE_TAB", "PAGE_TAB_LIST",
    "LINK",
    "IMAGE", "ICON",
}


def showing(accessible):
    try:
        return accessible.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def shown(root):
    """Every shown accessible under root, in document order. A hidden one hides all it holds, whatever they say."""
    if root is None or not showing(root):
        return
    yield root
    for child in root:
        yield from shown(child)


def wait_for(what, condition, timeout=60):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.1)
    raise TimeoutError("waited %d s for %s" % (timeout, what))


def press(accessible, modal=False):
    # Qt answers an action once it is done, so what it changed shows at once; but a modal dialog is done only when it
    # closes, so that answer is not waited for.
    if modal:
        pyatspi.setTimeout(1000, -1)
    try:
        accessible.queryAction().doAction(0)
    except Exception:
        if not modal:
            raise
    finally:
        pyatspi.setTimeout(25000, -1)


def path(accessible):
    steps = []
    while accessible is not None and accessible.getRole() != pyatspi.ROLE_APPLICATION:
        steps.insert(0, accessible.getIndexInParent())
        accessible = accessible.parent
    return tuple(steps)


# One top-level window in the listing of xwininfo -root -children: its name, and its instance and class names.
X_WINDOW = re.compile(r'^\s*0x[0-9a-f]+ "(.*)": \((?:"(.*)" "(.*)")?\)', re.MULTILINE)


def x_window_names(program_class):
    """The names of the program's top-level X windows, which window managers draw in the title bars."""
    listing = subprocess.run(["xwininfo", "-root", "-children"], capture_output=True, text=True, errors="replace",
                             check=True).stdout
    return [name for name, _, window_class in X_WINDOW.findall(listing) if window_class == program_class]


def find(window, role, name, *otherwise):
    for item in shown(window):
        if item.getRole() == role and item.name == name:
            return item
    if otherwise:
        return otherwise[0]
    raise LookupError("no shown %s named '%s'" % (role, name))


class Session:
    """The program under test as AT-SPI sees it, and what it announces badly."""

    def __init__(self, process):
        self.process = process
        self.app = None
        self.seen_windows = []
        self.problems = []
        self.named_roles = {getattr(pyatspi, "ROLE_" + role) for role in NAMED_ROLES}

    def windows(self):
        if self.app is None:
            desktop = pyatspi.Registry.getDesktop(0)
            for candidate in desktop:
                if candidate is not None and candidate.get_process_id() == self.process.pid:
                    self.app = candidate
        return [window for window in self.app if showing(window)] if self.app is not None else []

    def new_window(self, what):
        def appeared():
            if self.process.poll() is not None:
                raise RuntimeError("the program ended with status %d while the check waited for %s"
                                   % (self.process.returncode, what))
            fresh = [window for window in self.windows() if window not in self.seen_windows]
            return fresh[0] if fresh else None
        window = wait_for(what, appeared)
        self.seen_windows.append(window)
        self.check_title_bar(window, what)
        return window

    def check_title_bar(self, window, what):
        # Qt adds the application's display name to a title that does not end with it, so what the title bar shows
        # is read from the X server, not from the window's own caption.
        names = x_window_names("astravida")
        # Only Qt's own additions count: a box titled "Astravida" beside a window titled "Astravida v1.25" is fine.
        added = [name for name in names if re.match(re.escape(window.name) + r" [\u2014-] ", name)]
        if window.name not in names or added:
            self.problems.append("the title bar of %s does not read '%s' alone: the program's X windows are %s"
                                 % (what, window.name, ", ".join("'%s'" % name for name in names)))

    def check(self, window, where):
        origin = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        for item in shown(window):
            if item.getRole() not in self.named_roles or item.name.strip():
                continue
            box = item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            trail = []
            parent = item.parent
            while parent is not None and parent != window:
                if parent.name:
                    trail.insert(0, "'%s'" % parent.name)
                parent = parent.parent
            description = "%s %dx%d at (%d, %d) in the %s%s" % (
                item.getRoleName(), box.width, box.height, box.x - origin.x, box.y - origin.y, where,
                (" under " + " > ".join(trail)) if trail else "")
            if description not in self.problems:
                self.problems.append(description)

    def check_every_tab(self, window, where, pressed=None):
        """Checks the window as shown, then with each tab it offers pressed in turn, tabs within tabs included."""
        pressed = set() if pressed is None else pressed
        self.check(window, where)
        for tab in [item for item in shown(window) if item.getRole() == pyatspi.ROLE_PAGE_TAB]:
            if path(tab) in pressed:
                continue
            pressed.add(path(tab))
            press(tab)
            self.check_every_tab(window, where, pressed)


def walk(program):
    with tempfile.TemporaryDirectory(prefix="astravida-atspi-files-") as scratch, sound_and_speech(os.environ):
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        process = subprocess.Popen([program], env=env, cwd=scratch)
        try:
            session = Session(process)
            main = session.new_window("the main window")
            session.check(main, "main window")

            find(main, pyatspi.ROLE_TEXT, "Name").queryEditableText().setTextContents("Anna")
            press(find(main, pyatspi.ROLE_PUSH_BUTTON, "Get Suitable Yogas For My Zodiac"))
            reading = session.new_window("the reading window")
            session.check_every_tab(reading, "reading window")

            press(find(reading, pyatspi.ROLE_PAGE_TAB, "Yoga Asanas"))
            asanas = [item for item in shown(reading) if item.getRole() == pyatspi.ROLE_LINK
                      and item.parent.name.startswith("Recommended Yoga Asanas")]
            if not asanas:
                raise LookupError("the Yoga Asanas tab shows no asana to open")
            press(asanas[0])
            session.check(reading, "reading window, asana %s" % asanas[0].name)

            press(find(reading, pyatspi.ROLE_MENU_ITEM, "Practice"))
            press(wait_for("the Practice menu",
                           lambda: find(reading, pyatspi.ROLE_MENU_ITEM, "Start Guided Practice...", None)))
            practice = session.new_window("the practice window")
            # Each page is there once its button is: a press only asks for the next one.
            def shown_button(name, page):
                return wait_for("the practice window's %s page" % page,
                                lambda: find(practice, pyatspi.ROLE_PUSH_BUTTON, name, None))
            start = shown_button("Start", "plan")
            session.check(practice, "practice window, plan")
            press(start)
            pause = shown_button("Pause", "pose")
            session.check(practice, "practice window, pose")
            press(pause)
            stop = shown_button("Stop", "paused pose")
            session.check(practice, "practice window, paused pose")
            # Stop asks first, in a box of its own whose buttons say what they do.
            press(stop, modal=True)
            question = session.new_window("the stop question")
            session.check(question, "stop question")
            press(find(question, pyatspi.ROLE_PUSH_BUTTON, "Stop"))
            close = shown_button("Close", "summary")
            session.check(practice, "practice window, summary")
            press(close)
            wait_for("the practice window to close", lambda: practice not in session.windows())

            press(find(reading, pyatspi.ROLE_MENU_ITEM, "Help"))
            press(wait_for("the Help menu", lambda: find(reading, pyatspi.ROLE_MENU_ITEM, "About Software", None)), modal=True)
            about = session.new_window("the about box")
            session.check(about, "about box")
            press(find(about, pyatspi.ROLE_PUSH_BUTTON, "OK"))
            wait_for("the about box to close", lambda: about not in session.windows())

            press(find(reading, pyatspi.ROLE_PUSH_BUTTON, "Exit"))
            closing = session.new_window("the closing screen")
            session.check(closing, "closing screen")
            return session.problems
        finally:
            process.kill()
            process.wait()


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    program = os.path.abspath(sys.argv[1])
    if os.environ.get(INNER) != "1":
        missing = missing_tools()
        if missing:
            print("Skipped: the outside accessibility check needs %s (scripts/install-deps installs them)"
                  % ", ".join(missing))
            return SKIPPED
        return run_inside_session(program)

    problems = walk(program)
    if problems:
        print("%d shown controls without an accessible name, or title bars that add to the caption:" % len(problems))
        for problem in problems:
            print("  " + problem)
        return 1
    print("every shown button, text box, list, tab, link and picture has an accessible name, and every title bar"
          " reads its window's caption")
    return 0


if __name__ == "__main__":
    sys.exit(main())

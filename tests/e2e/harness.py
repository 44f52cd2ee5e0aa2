"""Drives the real program on a virtual display, as a person would.

Each test module gets its own Xvfb display with openbox. Controls are found
through the accessibility tree (pyatspi) by role and name; keys and clicks
are real X input sent with xdotool. Waits poll until something is seen and
only fail after a generous limit, so a hang fails instead of blocking.
"""
import os
import shutil
import signal
import subprocess
import atexit
import tempfile
import time
import unittest
import warnings

warnings.filterwarnings("ignore", category=DeprecationWarning)

PROGRAM = os.environ.get("HALVENOR_PROGRAM", "")
WAIT_LIMIT = 30.0


def _start_display():
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x900x24",
         "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_fd)
    number = b""
    with os.fdopen(read_fd, "rb") as pipe:
        while not number.endswith(b"\n"):
            chunk = pipe.read(1)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
    os.environ["DISPLAY"] = ":" + number.decode().strip()
    wm = subprocess.Popen(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
    return xvfb, wm


_XVFB, _WM = _start_display()
atexit.register(lambda: _stop_display())  # defined below
import pyatspi  # noqa: E402  (needs the display and the session bus)


def wait_for(what, predicate, limit=WAIT_LIMIT):
    end = time.monotonic() + limit
    while True:
        try:
            value = predicate()
        except Exception:  # the tree changes under us while we look
            value = None
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("never happened: " + what)
        time.sleep(0.1)


def xdo(*args):
    subprocess.run(["xdotool", *args], check=True)


def key(*names):
    for name in names:
        xdo("key", "--clearmodifiers", name)


def type_text(text):
    xdo("type", "--delay", "10", "--", text)


def role_name(acc):
    return acc.getRoleName()


def descendants(root):
    stack = [root]
    while stack:
        node = stack.pop()
        yield node
        try:
            count = node.childCount
        except Exception:
            continue
        # Tables can be large: their cells are reached through the table.
        if node.getRole() == pyatspi.ROLE_TABLE or node.getRole() == pyatspi.ROLE_TREE_TABLE:
            continue
        for i in range(count - 1, -1, -1):
            try:
                child = node.getChildAtIndex(i)
            except Exception:
                child = None
            if child is not None:
                stack.append(child)


class Program:
    """One run of the program in a fresh working directory."""

    def __init__(self, workdir=None, files=None):
        self.workdir = workdir or tempfile.mkdtemp(prefix="halvenor-e2e-")
        for name, data in (files or {}).items():
            with open(os.path.join(self.workdir, name), "wb") as f:
                f.write(data)
        self.bin = os.path.join(self.workdir, ".bin")
        os.makedirs(self.bin, exist_ok=True)
        self.open_log = os.path.join(self.workdir, ".opened")
        fake = os.path.join(self.bin, "xdg-open")
        with open(fake, "w") as f:
            f.write('#!/bin/sh\nprintf "%s\\n" "$*" >> "$HALVENOR_OPEN_LOG"\n')
        os.chmod(fake, 0o755)
        env = dict(os.environ)
        env["PATH"] = self.bin + os.pathsep + env.get("PATH", "")
        env["HALVENOR_OPEN_LOG"] = self.open_log
        env.pop("NO_AT_BRIDGE", None)
        self.process = subprocess.Popen([PROGRAM], cwd=self.workdir, env=env,
                                        stdin=subprocess.DEVNULL)
        self.app = wait_for("the program on the accessibility bus", self._find_app)
        self.main = self.window("Halvenor")

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def windows(self):
        return [w for w in self.app if w is not None]

    def window(self, title, role=None):
        def find():
            for w in self.windows():
                if w.name == title and (role is None or w.getRole() == role) and \
                        w.getState().contains(pyatspi.STATE_SHOWING):
                    return w
            return None
        return wait_for("window " + repr(title), find)

    def no_window(self, title):
        wait_for("window %r gone" % title,
                 lambda: all(w.name != title or not w.getState().contains(pyatspi.STATE_SHOWING)
                             for w in self.windows()))

    def find(self, role, name, root=None):
        def look():
            for node in descendants(root or self.main):
                if node.getRole() == role and node.name == name and \
                        node.getState().contains(pyatspi.STATE_SHOWING):
                    return node
            return None
        return wait_for("%s %r" % (pyatspi.Accessible.getRoleName if False else role, name), look)

    def field(self, label):
        """An edit box or the entry of a combo box, by its label."""
        def look():
            for node in descendants(self.main):
                if node.name == label and node.getRole() == pyatspi.ROLE_TEXT:
                    return node
            return None
        return wait_for("field " + repr(label), look)

    def table(self):
        return self.find(pyatspi.ROLE_TABLE, "Entries")

    def focus(self, acc):
        wait_for("focus on " + repr(acc.name),
                 lambda: acc.queryComponent().grabFocus() and
                 acc.getState().contains(pyatspi.STATE_FOCUSED))

    def press(self, button_name):
        """Focuses a button and presses Space, as a keyboard user would."""
        button = self.find(pyatspi.ROLE_PUSH_BUTTON, button_name)
        self.focus(button)
        key("space")

    def click_at(self, acc, dx=None, dy=None):
        x, y, w, h = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdo("mousemove", str(x + (w // 2 if dx is None else dx)),
            str(y + (h // 2 if dy is None else dy)), "click", "1")

    @staticmethod
    def text(acc):
        t = acc.queryText()
        return t.getText(0, t.characterCount)

    def type_into(self, label, text):
        """Types into an empty field. xdotool types characters that the
        keyboard map lacks by remapping a key on the fly, which now and then
        loses a character under Xvfb; like a person, it then retypes."""
        entry = self.field(label)
        for attempt in range(3):
            self.focus(entry)
            type_text(text)
            try:
                wait_for("%r typed into %r" % (text, label),
                         lambda: self.text(entry) == text, limit=5.0)
                return
            except AssertionError:
                if attempt == 2:
                    raise
                key("ctrl+a", "BackSpace")
                wait_for("%r emptied" % label, lambda: self.text(entry) == "")

    def rows(self):
        """The Entry table's cells, row by row."""
        table = self.table().queryTable()
        return [[table.getAccessibleAt(r, c).name for c in range(table.nColumns)]
                for r in range(table.nRows)]

    def alert(self, caption):
        return self.window(caption)

    def alert_text(self, box):
        texts = []
        for node in descendants(box):
            if node.getRole() == pyatspi.ROLE_LABEL and node.name:
                texts.append(node.name)
        return texts

    def answer(self, box, button_name):
        button = self.find(pyatspi.ROLE_PUSH_BUTTON, button_name, root=box)
        self.focus(button)
        key("space")

    def opened(self):
        if not os.path.exists(self.open_log):
            return []
        with open(self.open_log) as f:
            return f.read().splitlines()

    def wait_exit(self):
        try:
            return self.process.wait(timeout=WAIT_LIMIT)
        except subprocess.TimeoutExpired:
            raise AssertionError("the program did not end")

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def path(self, name):
        return os.path.join(self.workdir, name)

    def cleanup(self):
        self.kill()
        shutil.rmtree(self.workdir, ignore_errors=True)


class ProgramTest(unittest.TestCase):
    """Starts programs on request and always ends them."""

    def start(self, **kwargs):
        program = Program(**kwargs)
        self.addCleanup(program.cleanup)
        return program


def _stop_display():
    for p in (_WM, _XVFB):
        p.send_signal(signal.SIGTERM)
        try:
            p.wait(timeout=10)
        except subprocess.TimeoutExpired:
            p.kill()


def main():
    unittest.main(verbosity=2)

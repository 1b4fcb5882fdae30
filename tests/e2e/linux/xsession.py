"""What the end-to-end tests of the Linux menu share: an Xvfb server of
their own, real X input through xdotool, screenshots compared pixel for
pixel with the artwork, a disc laid out in a temporary folder, the log of
the stand-in setup program, and the dialogs read and answered through the
accessibility bus."""

import json
import os
import shutil
import signal
import subprocess
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

SCREEN_W, SCREEN_H = 1280, 1024
CLIENT_W, CLIENT_H = 633, 421
BAND = 1
WINDOW_W, WINDOW_H = CLIENT_W + 2 * BAND, CLIENT_H + 2 * BAND
# Where the window must be: centred on the screen.
WINDOW_X, WINDOW_Y = (SCREEN_W - WINDOW_W) // 2, (SCREEN_H - WINDOW_H) // 2
CLIENT_X, CLIENT_Y = WINDOW_X + BAND, WINDOW_Y + BAND
MENU_COLOR = "#F0F0F0"  # COLOR_MENU
CAPTION = "安装QuendraTalvex 3G ASP"
DEADLINE = 10.0

HERE = os.path.dirname(os.path.abspath(__file__))


def _rows(path):
    """The lines of a table file that are neither comments nor empty."""
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\n") for line in f if line.strip() and not line.startswith("#")]


# The tests' table of the entries, top to bottom: tag -> (left, top, right,
# bottom) of the rectangle its button picture lights (right and bottom
# outside).
ENTRIES, _TAG_OF_FOLDER = {}, {}
for _row in _rows(os.path.join(HERE, "..", "..", "entries.tsv")):
    _picture, _tag, _left, _top, _right, _bottom, _folder = _row.split("\t")
    ENTRIES[int(_tag)] = (int(_left), int(_top), int(_right), int(_bottom))
    if _folder != "-":
        _TAG_OF_FOLDER[_folder] = int(_tag)

# The eight setup folders of a disc: the five components, then the database
# engine's MSDE, Express(32) and Express(64); and tag -> the component's
# folder, for the entries that start one, in that order.
SETUP_FOLDERS = _rows(os.path.join(HERE, "..", "..", "..", "disc", "setup-folders.txt"))
COMPONENT_FOLDERS, ENGINE_FOLDERS = SETUP_FOLDERS[:5], SETUP_FOLDERS[5:]
if len(SETUP_FOLDERS) != 8 or sorted(_TAG_OF_FOLDER) != sorted(COMPONENT_FOLDERS):
    raise RuntimeError("the entries' table and the disc's setup folders disagree: "
                       f"{sorted(_TAG_OF_FOLDER)} against {SETUP_FOLDERS}")
FOLDERS = {_TAG_OF_FOLDER[folder]: folder for folder in COMPONENT_FOLDERS}

MENU = os.environ["MENU_EXE"]
STANDIN = os.environ["SETUP_STANDIN_EXE"]
ART = os.environ["MENU_ART_DIR"]


def wait_for(what, predicate, deadline=DEADLINE, interval=0.05):
    """Polls predicate until it returns a true value; fails after deadline."""
    end = time.monotonic() + deadline
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(interval)


class Xvfb:
    """An X server on a free display, found through -displayfd."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{SCREEN_W}x{SCREEN_H}x24", "-nolisten", "tcp", "-br",
             # Without -noreset the server resets whenever its last client
             # leaves, and a client connecting meanwhile is refused.
             "-noreset"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            self.process.wait()
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number
        os.environ["DISPLAY"] = self.display

    def stop(self):
        # SIGTERM, not SIGKILL: a killed Xvfb leaves its lock file behind.
        self.process.send_signal(signal.SIGTERM)
        self.process.wait(timeout=10)


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True,
                          capture_output=True, text=True).stdout.strip()


def move_to_client(x, y):
    """Moves the real pointer to (x, y) in the menu's client coordinates."""
    xdotool("mousemove", CLIENT_X + x, CLIENT_Y + y)


def grab(x, y, w, h):
    """The screen's pixels in the rectangle, as RGB bytes."""
    return subprocess.run(
        ["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "+repage",
         "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout


class Pictures:
    """Expected window contents, made from the artwork with ImageMagick:
    the background cropped to the client area inside the band of the menu
    colour, with one button picture pasted at its rectangle when lit."""

    def __init__(self, folder):
        self.folder = folder
        self.cache = {}

    def _make(self, name, *steps):
        if name not in self.cache:
            path = os.path.join(self.folder, name + ".rgb")
            subprocess.run(["convert", *steps, "-bordercolor", MENU_COLOR, "-border", str(BAND),
                            "-depth", "8", "rgb:" + path], check=True)
            with open(path, "rb") as f:
                self.cache[name] = f.read()
        return self.cache[name]

    def background(self):
        return self._make("background", os.path.join(ART, "background.bmp"),
                          "-crop", f"{CLIENT_W}x{CLIENT_H}+0+0", "+repage")

    def lit(self, tag):
        left, top = ENTRIES[tag][:2]
        return self._make(f"lit{tag}", os.path.join(ART, "background.bmp"),
                          "-crop", f"{CLIENT_W}x{CLIENT_H}+0+0", "+repage",
                          os.path.join(ART, f"button{tag}.bmp"),
                          "-geometry", f"+{left}+{top}", "-composite")

    def blank(self):
        return self._make("blank", "-size", f"{CLIENT_W}x{CLIENT_H}", "xc:" + MENU_COLOR)


# What a test module shares: its own X server and the expected pictures.
# A module takes them with
#     setUpModule = xs.start_display
#     tearDownModule = xs.stop_display
# and compares the window with xs.pictures.
server = None
pictures = None


def start_display():
    global server, pictures
    server = Xvfb()
    pictures = Pictures(tempfile.mkdtemp(prefix="menu-pictures-"))


def stop_display():
    server.stop()
    shutil.rmtree(pictures.folder, ignore_errors=True)


def click_entry(tag):
    """Moves onto an entry, waits until it is lit, and clicks it."""
    left, top = ENTRIES[tag][:2]
    move_to_client(left + 20, top + 10)
    wait_for_window(pictures.lit(tag), f"entry {tag} lit")
    click()


def differing_pixels(a, b):
    if len(a) != len(b):
        return max(len(a), len(b)) // 3
    return sum(1 for i in range(0, len(a), 3) if a[i:i + 3] != b[i:i + 3])


def window_shot():
    return grab(WINDOW_X, WINDOW_Y, WINDOW_W, WINDOW_H)


def wait_for_window(expected, what):
    """Waits for the repaint that follows the last input: the window's
    pixels must become exactly `expected`."""
    last = [b""]

    def matches():
        last[0] = window_shot()
        return last[0] == expected
    try:
        wait_for(what, matches)
    except AssertionError:
        raise AssertionError(f"{what}: {differing_pixels(last[0], expected)} pixels differ")


def stays(expected, what, period=1.0):
    """The window keeps showing `expected` for `period` seconds: for input
    that must change nothing, there is no repaint to wait for."""
    end = time.monotonic() + period
    while time.monotonic() < end:
        shot = window_shot()
        if shot != expected:
            raise AssertionError(f"{what}: {differing_pixels(shot, expected)} pixels changed")
        time.sleep(0.1)


class Disc:
    """A disc in a temporary folder: the menu at its root and the stand-in
    setup in the folders asked for. With `within` (bytes), the disc's root
    is a folder of that name inside the temporary one."""

    def __init__(self, folders=tuple(SETUP_FOLDERS), without_file=(), within=None):
        self.base = tempfile.mkdtemp(prefix="menu-disc-")
        self.root = self.base
        self.log = os.path.join(self.base, "setups.log")
        self.prefix = os.path.join(self.base, "wineprefix")
        try:
            if within is not None:
                self.root = os.path.join(self.base, os.fsdecode(within))
                os.mkdir(self.root)
            self.menu = os.path.join(self.root, "menu")
            shutil.copy2(MENU, self.menu)
            for folder in folders:
                os.mkdir(os.path.join(self.root, folder))
                if folder not in without_file:
                    shutil.copy2(STANDIN, os.path.join(self.root, folder, "Setup.exe"))
                if "Express" in folder:
                    with open(os.path.join(self.root, folder, "setup.ini"), "w") as f:
                        f.write("[Options]\n")
        except BaseException:
            # Half a disc is no use to anyone: leave no folder behind.
            shutil.rmtree(self.base, ignore_errors=True)
            raise

    def write_prefix(self, version=None, keys=()):
        """A throw-away Wine prefix: system.reg with the given keys (under
        HKEY_LOCAL_MACHINE) and user.reg choosing the Windows version (None:
        no version setting, the Windows of a new Wine prefix)."""
        os.makedirs(self.prefix, exist_ok=True)
        with open(os.path.join(self.prefix, "system.reg"), "w") as f:
            f.write("WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win64\n\n")
            for key in keys:
                f.write("[" + key.replace("\\", "\\\\") + "] 1700000000\n#time=1d9\n\"Name\"=\"x\"\n\n")
        with open(os.path.join(self.prefix, "user.reg"), "w") as f:
            f.write("WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\User\\\\S-1-5-21-0-0-0-1000\n\n")
            if version:
                f.write(f"[Software\\\\Wine] 1700000000\n#time=1d9\n\"Version\"=\"{version}\"\n\n")

    def write_registry_pipes(self):
        """A prefix whose system.reg and user.reg are named pipes that no
        one writes to: a reader that opened them would block."""
        os.makedirs(self.prefix)
        for name in ("system.reg", "user.reg"):
            os.mkfifo(os.path.join(self.prefix, name))

    def setups(self):
        """The stand-in setups started so far, one dict per start."""
        if not os.path.exists(self.log):
            return []
        # A folder name that is not UTF-8 comes back with its bytes.
        with open(self.log, encoding="utf-8", errors="surrogateescape") as f:
            return [json.loads(line) for line in f]

    def remove(self):
        for setup in self.setups():
            try:
                os.kill(setup["pid"], signal.SIGTERM)
            except ProcessLookupError:
                pass
        shutil.rmtree(self.base, ignore_errors=True)


class Menu:
    """The menu's process started from a disc, in the test's X server; its
    window is there once wait_for_window has returned."""

    def __init__(self, disc):
        self.disc = disc
        self.window = None
        env = dict(os.environ, SETUP_STANDIN_LOG=disc.log, WINEPREFIX=disc.prefix,
                   LC_ALL="C.UTF-8", GDK_BACKEND="x11")
        self.stderr = open(os.path.join(disc.base, "menu.stderr"), "w+")
        # Started from another folder: the menu must find its disc by itself.
        try:
            self.process = subprocess.Popen([disc.menu], env=env, cwd="/", stderr=self.stderr)
        except BaseException:
            self.stderr.close()
            raise

    def wait_for_window(self):
        # The first GTK program of a D-Bus session also starts the
        # accessibility bus: give it time.
        try:
            self.window = wait_for("the menu window", self._find_window, deadline=3 * DEADLINE)
        except AssertionError:
            self.stop()
            with open(self.stderr.name) as f:
                raise AssertionError("the menu window did not appear; its stderr:\n" + f.read())

    def _find_window(self):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid), "--name", CAPTION],
                               capture_output=True, text=True).stdout.split()
        return found[0] if found else None

    def geometry(self):
        out = xdotool("getwindowgeometry", "--shell", self.window)
        values = dict(line.split("=") for line in out.splitlines())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def wait_exit(self):
        return self.process.wait(timeout=DEADLINE)

    def running(self):
        return self.process.poll() is None

    def cwd(self):
        return os.readlink(f"/proc/{self.process.pid}/cwd")

    def stop(self):
        if self.running():
            self.process.terminate()
            self.process.wait(timeout=DEADLINE)
        self.stderr.close()


def start_menu(test, folders=tuple(SETUP_FOLDERS), without_file=(), within=None,
               version=None, keys=None, registry_pipes=False):
    """Starts the menu for a unittest test case, the pointer first put away
    from where the window will be, and returns (disc, menu) once its window
    is shown.

    The disc holds the setup folders named, with the stand-in setup in
    each one not in without_file; within names the folder (bytes) that is
    the disc's root. Given a Windows version or a list of registry keys
    (under HKEY_LOCAL_MACHINE, maybe none), the disc carries a Wine prefix
    with them (version None: no version setting); registry_pipes gives it
    named pipes for registry files instead. Without either the menu finds
    no prefix.

    The menu is stopped and the disc removed when the test ends, through
    the test's cleanups, registered as soon as there is something to clean
    up: also when the start fails, the window never appearing, say."""
    xdotool("mousemove", 5, 5)
    disc = Disc(folders=folders, without_file=without_file, within=within)
    test.addCleanup(disc.remove)
    if registry_pipes:
        disc.write_registry_pipes()
    elif version is not None or keys is not None:
        disc.write_prefix(version, keys or ())
    menu = Menu(disc)
    test.addCleanup(menu.stop)
    menu.wait_for_window()
    return disc, menu


def click():
    xdotool("click", "1")


# ---- Dialogs, through the accessibility bus ----

def _walk(node):
    yield node
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield from _walk(child)


def _menu_app(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def dialogs(menu):
    """The menu's open dialogs (alerts), top level, as Dialog objects."""
    app = _menu_app(menu.process.pid)
    if app is None:
        return []
    found = []
    for i in range(app.get_child_count()):
        child = app.get_child_at_index(i)
        if child is not None and child.get_role_name() == "alert":
            found.append(Dialog(child))
    return found


def wait_for_dialog(menu, title):
    def one():
        boxes = [d for d in dialogs(menu) if d.title == title]
        return boxes[0] if boxes else None
    return wait_for(f"the dialog {title!r}", one)


def wait_no_dialog(menu):
    wait_for("all dialogs to close", lambda: not dialogs(menu))


class Dialog:
    def __init__(self, node):
        self.node = node
        self.title = node.get_name()

    def texts(self):
        return [n.get_name() for n in _walk(self.node)
                if n.get_role_name() == "label" and n.get_name()]

    def buttons(self):
        return {n.get_name().replace("_", ""): n for n in _walk(self.node)
                if n.get_role_name() == "push button"}

    def has_icon(self):
        """An icon is shown beside the text."""
        return any(n.get_role_name() == "icon" and
                   n.get_state_set().contains(Atspi.StateType.SHOWING) for n in _walk(self.node))

    def press(self, name):
        button = self.buttons()[name]
        button.do_action(0)


def move_dialog_away(title):
    """Moves the dialog below the menu window, so that it hides none of it
    (with no window manager, dialogs open centred over the menu)."""
    window = wait_for(f"the X window of {title!r}", lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"],
        capture_output=True, text=True).stdout.split())[0]
    xdotool("windowmove", "--sync", window, 0, WINDOW_Y + WINDOW_H + 20)
    return window

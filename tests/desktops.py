#!/usr/bin/python3
"""The game on the desktops players use, as a Wayland session starts it.

Usage: python3 desktops.py DESKTOP GAME [DESKTOP_ENTRY ICON]
DESKTOP is gnome or kde. The test starts GNOME Shell or KWin itself, headless
on a virtual 1024x768 monitor with Xwayland at hand, on buses of its own, and
stops each by its process id. The game gets what a session gives an
application (WAYLAND_DISPLAY, DISPLAY, XDG_SESSION_TYPE, XDG_CURRENT_DESKTOP)
and no QT_QPA_PLATFORM; what it shows is read from the compositor itself.
Without DESKTOP_ENTRY and ICON the installed ones are used.
"""

import json
import os
import pwd
import shutil
import signal
import socket
import struct
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("GdkPixbuf", "2.0")
from gi.repository import GdkPixbuf, Gio, GLib  # noqa: E402

APP_ID = "io.github.reelmoor.Reelmoor"
WIDTH, HEIGHT = 1024, 768
# evdev key codes
KEY = {"ctrl": 29, "alt": 56, "super": 125, "space": 57, "tab": 15, "escape": 1, "up": 103,
       "a": 30, "s": 31, "x": 45, "return": 28, "f3": 61, "pageup": 104}
failed = []


def check(name, ok, detail=""):
    print(("ok   " if ok else "FAIL ") + name + ("" if ok or not detail else ": %s" % detail),
          flush=True)
    if not ok:
        failed.append(name)


def wait_for(what, condition, timeout=20):
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() > deadline:
            if not value:
                raise SystemExit("FAIL: gave up waiting for " + what)
            return value
        time.sleep(0.1)


def dark_bands(image, x0, x1):
    """The text lines between columns x0 and x1: runs of rows that hold dark
    ink, three blank rows or more apart, as a letter's tip may stand a row or
    two above the rest of its line."""
    rows = [y for y, row in enumerate(image) if any(sum(p) < 3 * 110 for p in row[x0:x1])]
    return sum(1 for i, y in enumerate(rows) if i == 0 or y - rows[i - 1] > 3)


def read_png(path):
    pixbuf = GdkPixbuf.Pixbuf.new_from_file(path)
    data, stride, n = pixbuf.get_pixels(), pixbuf.get_rowstride(), pixbuf.get_n_channels()
    return [[tuple(data[y * stride + x * n:y * stride + x * n + 3])
             for x in range(pixbuf.get_width())] for y in range(pixbuf.get_height())]


def display_locks():
    """The X displays whose lock files name a process: number and process id."""
    for lock in os.listdir("/tmp"):
        if lock.startswith(".X") and lock.endswith("-lock"):
            try:
                yield lock[2:-5], int(open(os.path.join("/tmp", lock)).read().strip())
            except (OSError, ValueError):
                pass


def clear_stale_displays():
    """A compositor stopped by a signal leaves its Xwayland's lock and socket.
    And where no system sets up /tmp at boot, its X11 folder may be missing or
    not open to all, which mutter refuses."""
    if os.geteuid() == 0:
        os.makedirs("/tmp/.X11-unix", exist_ok=True)
        os.chmod("/tmp/.X11-unix", 0o1777)
    for number, pid in list(display_locks()):
        if not os.path.exists("/proc/%d" % pid):
            for path in ("/tmp/.X%s-lock" % number, "/tmp/.X11-unix/X" + number):
                if os.path.exists(path):
                    os.unlink(path)


class Session:
    """A compositor in a process group of its own, and the game in it."""

    def __init__(self, work, data_dirs):
        self.work = work
        self.data_dirs = data_dirs
        self.runtime = os.path.join(work, "runtime")
        os.mkdir(self.runtime, 0o700)
        self.home = os.path.join(work, "home")
        os.mkdir(self.home)
        self.socket = "reelmoor-%d" % os.getpid()
        self.group = None
        self.games = []

    def start_group(self, command, env, args=()):
        """Starts the compositor on a session bus of its own, in a process group
        of its own, and returns once the bus is there."""
        clear_stale_displays()
        address = os.path.join(self.work, "bus")
        script = ("exec dbus-run-session -- sh -c 'echo \"$DBUS_SESSION_BUS_ADDRESS\" >%s && "
                  "exec %s'" % (address, command))
        self.group = subprocess.Popen(
            [*args, "sh", "-c", script], env=env, stdin=subprocess.DEVNULL,
            stdout=open(os.path.join(self.work, self.log), "w"), stderr=subprocess.STDOUT,
            start_new_session=True, preexec_fn=self.game_user)
        self.bus_address = wait_for("the session bus", lambda: os.path.exists(address) and
                                    open(address).read().strip())

    def game_environment(self, desktop, extra):
        env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "WAYLAND_"))}
        env.update(XDG_RUNTIME_DIR=self.runtime, WAYLAND_DISPLAY=self.socket,
                   DISPLAY=self.display, XDG_SESSION_TYPE="wayland",
                   XDG_CURRENT_DESKTOP=desktop, XDG_DATA_DIRS=self.data_dirs,
                   DBUS_SESSION_BUS_ADDRESS=self.bus_address, LANG="C.UTF-8",
                   LC_ALL="C.UTF-8", LANGUAGE="", HOME=self.home)
        env.update(extra)
        return env

    def run_game(self, game, args=(), extra=None):
        self.stop_games()
        proc = subprocess.Popen([game, *args], env=self.game_environment(self.desktop, extra or {}),
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=open(os.path.join(self.work, "game.log"), "a"),
                                preexec_fn=self.game_user)
        self.games.append(proc)
        return self.settled("Reelmoor")

    def settled(self, title):
        """The window once it is shown and has stayed put for half a second."""
        seen = []

        def still():
            seen.append(self.window(title))
            time.sleep(0.25)
            return len(seen) > 2 and seen[-1] and seen[-1]["w"] and seen[-1] == seen[-2] == \
                seen[-3] and seen[-1]
        return wait_for(title, still)

    def game_user(self):
        """Runs in a child before it starts: KWin's sessions become their user."""

    def window(self, title):
        return next((w for w in self.windows() if w["title"] == title), None)

    def kill_games(self):
        for proc in self.games:
            proc.kill()
            proc.wait()
        self.games = []

    def stop_games(self):
        self.kill_games()
        wait_for("the game's windows to close", lambda: not self.window("Reelmoor"))

    def stop(self):
        self.kill_games()
        if self.group and self.group.poll() is None:
            os.killpg(self.group.pid, signal.SIGTERM)
            try:
                self.group.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass
            try:
                os.killpg(self.group.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            self.group.wait()
        clear_stale_displays()


class Gnome(Session):
    """GNOME Shell in unsafe mode, which lets org.gnome.Shell.Eval read the
    windows and drive a virtual pointer and keyboard."""

    desktop = "GNOME"
    log = "shell.log"
    told_modal = True
    maximize_keys = ("super", "up")

    def start(self):
        args = []
        if os.geteuid() == 0:
            # Without systemd the shell needs a system bus of its own, and
            # must not see a stale /run/systemd/seats.
            config = os.path.join(self.work, "system.conf")
            with open(config, "w") as f:
                f.write('<busconfig><type>system</type>'
                        '<listen>unix:path=/run/dbus/system_bus_socket</listen>'
                        '<auth>EXTERNAL</auth><policy context="default">'
                        '<allow user="*"/><allow own="*"/><allow send_type="*"/>'
                        '<allow receive_type="*"/></policy></busconfig>')
            args = ["unshare", "--mount", "--propagation", "private", "sh", "-c",
                    "mkdir -p /run/systemd /run/dbus && mount -t tmpfs tmpfs /run/systemd && "
                    "mount -t tmpfs tmpfs /run/dbus && "
                    "{ dbus-daemon --config-file=%s --nofork & } && exec \"$@\"" % config, "-"]
        env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime, HOME=self.home,
                   XDG_DATA_DIRS=self.data_dirs, GSETTINGS_BACKEND="memory", LANG="C.UTF-8",
                   XDG_CURRENT_DESKTOP="GNOME", XDG_SESSION_TYPE="wayland",
                   LC_ALL="C.UTF-8", NO_AT_BRIDGE="1")
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "QT_QPA_PLATFORM",
                     "LANGUAGE"):
            env.pop(name, None)
        self.start_group("gnome-shell --headless --wayland --unsafe-mode --virtual-monitor %dx%d "
                         "--wayland-display %s" % (WIDTH, HEIGHT, self.socket), env, args)
        self.bus = Gio.DBusConnection.new_for_address_sync(
            self.bus_address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
            Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        wait_for("GNOME Shell", lambda: self.eval_or_none("Main.layoutManager.primaryMonitor"), 120)
        # It opens on the overview, and tells root that it is root.
        self.eval("Main.messageTray.bannerBlocked = true")
        wait_for("the overview to close", lambda: self.eval(
            "Main.overview.hide(); !Main.overview.visible && !Main.overview.animationInProgress"))
        self.display = self.eval("imports.gi.GLib.getenv('DISPLAY')")
        self.xauthority = self.eval("imports.gi.GLib.getenv('XAUTHORITY')")
        # What a session tells the services it starts, then the settings
        # portal, from which Qt takes the title bar's buttons.
        self.call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                  "UpdateActivationEnvironment", GLib.Variant("(a{ss})", ({
                      "WAYLAND_DISPLAY": self.socket, "DISPLAY": self.display,
                      "XAUTHORITY": self.xauthority},)))
        self.call("org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
                  "org.freedesktop.portal.Settings", "Read",
                  GLib.Variant("(ss)", ("org.gnome.desktop.wm.preferences", "button-layout")))

    def game_environment(self, desktop, extra):
        env = super().game_environment(desktop, extra)
        env["XAUTHORITY"] = self.xauthority
        return env

    def launch(self):
        """What Activities does when the player picks the game."""
        self.eval("imports.gi.Shell.AppSystem.get_default().lookup_app('%s.desktop').activate()"
                  % APP_ID)
        return self.settled("Reelmoor")

    def stop_games(self):
        # A game the shell started is the shell's child, not the test's.
        for window in self.windows():
            if window["title"] == "Reelmoor" and window["pid"] > 0:
                os.kill(window["pid"], signal.SIGKILL)
        super().stop_games()

    def call(self, name, path, interface, method, args):
        return self.bus.call_sync(name, path, interface, method, args, None,
                                  Gio.DBusCallFlags.NONE, 30000, None).unpack()

    def eval_or_none(self, code):
        try:
            return self.eval(code)
        except GLib.Error:
            return None

    def eval(self, code):
        ok, result = self.call("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell", "Eval",
                               GLib.Variant("(s)", (code,)))
        if not ok:
            raise RuntimeError("Eval: " + result)
        return json.loads(result) if result else None

    def windows(self):
        # get_maximized() up to mutter 48, is_maximized() from 49.
        return json.loads(self.eval("""JSON.stringify(global.get_window_actors().map(a => a.meta_window)
            .filter(w => w.get_window_type() !== imports.gi.Meta.WindowType.OVERRIDE_OTHER &&
                         w.get_title() !== 'gnome-shell')
            .map(w => { const r = w.get_frame_rect(), M = imports.gi.Meta;
              const app = imports.gi.Shell.WindowTracker.get_default().get_window_app(w);
              const icon = app && app.get_icon();
              return { title: w.get_title(), pid: w.get_pid(), x: r.x, y: r.y, w: r.width,
                h: r.height,
                maximized: w.is_maximized ? w.is_maximized() : w.get_maximized() !== 0,
                maximizable: w.can_maximize(), minimizable: w.can_minimize(),
                own_frame: w.get_client_type() === M.WindowClientType.X11 && w.decorated,
                modal: w.get_window_type() === M.WindowType.MODAL_DIALOG,
                transient: w.get_transient_for() ? w.get_transient_for().get_title() : null,
                wayland: w.get_client_type() === M.WindowClientType.WAYLAND,
                app: app ? app.get_id() : null,
                icon: icon && icon.get_names ? icon.get_names()[0] : null }; }))"""))

    def work_area(self):
        return json.loads(self.eval("""(() => { const a = Main.layoutManager.getWorkAreaForMonitor(0);
            return JSON.stringify([a.x, a.y, a.width, a.height]); })()"""))

    def keys(self, *names):
        """Presses the keys in turn and lets them go in the other order."""
        codes = [KEY[n] for n in names]
        self.eval("""(() => { const C = imports.gi.Clutter;
            if (!global._reelmoorKeys) global._reelmoorKeys = C.get_default_backend()
                .get_default_seat().create_virtual_device(C.InputDeviceType.KEYBOARD_DEVICE);
            let t = imports.gi.GLib.get_monotonic_time();
            for (const k of %s) global._reelmoorKeys.notify_key(t += 10000, Math.abs(k),
                k > 0 ? C.KeyState.PRESSED : C.KeyState.RELEASED); })()"""
                  % (codes + [-c for c in reversed(codes)]))
        time.sleep(0.3)

    def click(self, x, y, count=1):
        """Moves the pointer and clicks, at a hand's pace."""
        def pointer(action):
            self.eval("""(() => { const C = imports.gi.Clutter;
                if (!global._reelmoorPointer) global._reelmoorPointer = C.get_default_backend()
                    .get_default_seat().create_virtual_device(C.InputDeviceType.POINTER_DEVICE);
                global._reelmoorPointer.%s; })()""" % action)
            time.sleep(0.06)
        pointer("notify_absolute_motion(imports.gi.GLib.get_monotonic_time(), %d, %d)" % (x, y))
        for _ in range(count):
            for state in ("PRESSED", "RELEASED"):
                pointer("notify_button(imports.gi.GLib.get_monotonic_time(), C.BUTTON_PRIMARY, "
                        "C.ButtonState.%s)" % state)
        time.sleep(0.5)

    def maximize_by_menu(self):
        """Opens the window menu with Alt+Space and tells whether its Maximize
        entry could be chosen."""
        self.keys("alt", "space")
        sensitive = self.eval("""(() => { const m = Main.wm._windowMenuManager._manager.activeMenu;
            const item = m && m._getMenuItems().find(i => i.label && i.label.text === 'Maximize');
            return item ? String(item.sensitive) : 'none'; })()""")
        self.keys("escape")
        return sensitive

    def screenshot(self, x, y, w, h):
        path = os.path.join(self.work, "shot%d.png" % time.monotonic_ns())
        self.call("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot",
                  "org.gnome.Shell.Screenshot", "ScreenshotArea",
                  GLib.Variant("(iiiibs)", (x, y, w, h, False, path)))
        return read_png(path)


def centred(window, area):
    """Centred in the work area; vertically the title bar may sit above it."""
    dx = window["x"] + window["w"] / 2 - (area[0] + area[2] / 2)
    dy = window["y"] + window["h"] / 2 - (area[1] + area[3] / 2)
    return abs(dx) <= 2 and abs(dy) <= 24


def same_place(a, b):
    return all(a[k] == b[k] for k in ("x", "y", "w", "h")) and not b["maximized"]


def knob(image):
    """The centre of the red knob in a picture of the window."""
    points = [(x, y) for y, row in enumerate(image) for x, (r, g, b) in enumerate(row)
              if r > 200 and g < 40 and b < 40 and x > len(row) * 0.85]
    return (sum(p[0] for p in points) // len(points), sum(p[1] for p in points) // len(points))


def region(image, centre, radius):
    return [row[centre[0] - radius:centre[0] + radius]
            for row in image[centre[1] - radius:centre[1] + radius]]


def opens(session, game, from_shell=False):
    """The game's window as the desktop first shows it."""
    shown = session.launch() if from_shell else session.run_game(game)
    area = session.work_area()
    check("opens centred", centred(shown, area), "%s in %s" % (shown, area))
    check("the desktop's own title bar", shown["own_frame"], shown)
    check("can be minimized, not maximized", shown["minimizable"] and not shown["maximizable"],
          shown)
    check("matched to the desktop entry and its icon",
          shown["app"] == APP_ID + ".desktop" and shown["icon"] == APP_ID, shown)
    return shown


def played(session, shown):
    """Maximizing, playing and the boxes, by the compositor's own pointer and
    keyboard."""
    # Every way a player asks to maximize it leaves it as it is. The pointer
    # comes to the title bar with a click first, as a hand's does.
    session.click(shown["x"] + shown["w"] // 2, shown["y"] + 12)
    time.sleep(0.6)
    session.click(shown["x"] + shown["w"] // 2, shown["y"] + 12, count=2)
    check("a double click on the title bar", same_place(shown, session.window("Reelmoor")),
          session.window("Reelmoor"))
    session.keys(*session.maximize_keys)
    check("the maximize key", same_place(shown, session.window("Reelmoor")),
          session.window("Reelmoor"))
    entry = session.maximize_by_menu()
    check("the window menu", entry in ("false", "none") and
          same_place(shown, session.window("Reelmoor")), entry)

    # Play: the knob wears no ring until Tab is pressed.
    image = shot(session, shown)
    if image is None:
        print("skip play and the boxes' lines: this compositor takes no screenshots here",
              flush=True)
    else:
        play(session, shown, image)
    boxes(session, shown, image is not None)


def shot(session, window):
    return session.screenshot(window["x"], window["y"], window["w"], window["h"])


def play(session, shown, image):
    centre = knob(image)
    before = region(image, centre, 30)
    session.click(shown["x"] + centre[0], shown["y"] + centre[1])
    check("a click on the knob spins", shot(session, shown) != image)
    time.sleep(4)
    after = shot(session, shown)
    check("no ring after a click", region(after, centre, 30) == before)
    session.keys("space")
    check("Space spins", shot(session, shown) != after)
    time.sleep(4)
    session.keys("tab")
    check("a ring after Tab", region(shot(session, shown), centre, 30) != before)


def boxes(session, shown, pixels):
    """The boxes: over the game, modal, fixed, their lines whole."""
    for keys, title, lines in ((("ctrl", "a"), "About Reelmoor", 3),
                               (("ctrl", "s"), "Scoring for Reelmoor", 5)):
        session.keys(*keys)
        box = session.settled(title)
        middle = (box["x"] + box["w"] // 2, box["y"] + box["h"] // 2)
        # KWin 5 is not told which Wayland window is modal: Qt 6.4 has no way
        # to tell it, and keeps the game from input itself.
        check(title + ": over the game, modal",
              (box["modal"] or not session.told_modal) and box["transient"] == "Reelmoor" and
              shown["x"] < middle[0] < shown["x"] + shown["w"] and
              shown["y"] < middle[1] < shown["y"] + shown["h"], box)
        check(title + ": not maximizable", not box["maximizable"] and not box["maximized"], box)
        session.click(box["x"] + box["w"] // 2, box["y"] + 12, count=2)
        check(title + ": a double click on its title bar",
              same_place(box, session.window(title)), session.window(title))
        if pixels:
            # Right of the icon and below the title bar, left of the button.
            bands = dark_bands(shot(session, box)[40:], 70, 200)
            check(title + ": %d lines" % lines, bands == lines, "%d lines" % bands)
        session.keys("return")
        wait_for(title + " to close", lambda: not session.window(title))


def gnome(session, game):
    # Started from Activities, as a player starts it.
    played(session, opens(session, game, from_shell=True))
    # A player who asks for Wayland gets it.
    for args, extra in (((), {"QT_QPA_PLATFORM": "wayland"}), (("-platform", "wayland"), {})):
        shown = session.run_game(game, args, extra)
        check("asked for Wayland with %s" % (" ".join(args) or "QT_QPA_PLATFORM"),
              shown["wayland"], shown)


def kde(session, game):
    if session.uid is not None:
        # The user may not reach the build folder (under /root, say).
        game = shutil.copy(game, os.path.join(session.work, "reelmoor"))
    played(session, opens(session, game))


def run(desktop, game, data_dirs):
    """Starts the desktop's compositor, runs its rows, stops it, and tells the
    logs' ends when a check failed or the session did not come up."""
    kind, rows = {"gnome": (Gnome, gnome), "kde": (Kde, kde)}[desktop]
    session = kind(tempfile.mkdtemp(prefix="reelmoor-%s-" % desktop), data_dirs)
    try:
        session.start()
        rows(session, game)
    finally:
        session.stop()
        if failed or sys.exc_info()[0]:
            for name in (session.log, "game.log"):
                path = os.path.join(session.work, name)
                if os.path.exists(path):
                    print("--- " + name + "\n" + open(path, errors="replace").read()[-4000:])
        if not os.environ.get("REELMOOR_KEEP"):
            shutil.rmtree(session.work, ignore_errors=True)


def data_dirs(work, game, entry, icon):
    """The desktop entry and icon where the shell looks for them; the entry
    runs this game, since GLib skips one whose program it cannot find."""
    if not entry:
        # The installed entry's Exec names the program in /usr/games.
        os.environ["PATH"] += ":/usr/games"
        return "/usr/local/share:/usr/share"
    share = os.path.join(work, "share")
    os.makedirs(os.path.join(share, "applications"))
    with open(entry) as src, open(os.path.join(share, "applications", APP_ID + ".desktop"),
                                  "w") as dst:
        dst.write("".join("Exec=%s\n" % game if line.startswith("Exec=") else line
                          for line in src))
    icons = os.path.join(share, "icons", "hicolor", "scalable", "apps")
    os.makedirs(icons)
    shutil.copy(icon, os.path.join(icons, APP_ID + ".svg"))
    return share + ":/usr/local/share:/usr/share"


def main():
    if sys.argv[1:2] == ["--agent"]:
        return agent(sys.argv[2])
    if len(sys.argv) not in (3, 5) or sys.argv[1] not in ("gnome", "kde"):
        raise SystemExit(__doc__)
    desktop, game = sys.argv[1], os.path.abspath(sys.argv[2])
    entry, icon = (sys.argv[3], sys.argv[4]) if len(sys.argv) == 5 else (None, None)
    work = tempfile.mkdtemp(prefix="reelmoor-desktops-")
    os.chmod(work, 0o755)
    try:
        run(desktop, game, data_dirs(work, game, entry, icon))
    finally:
        shutil.rmtree(work, ignore_errors=True)
    print("%s: %d failed" % (desktop, len(failed)))
    sys.exit(1 if failed else 0)


class FakeInput:
    """KWin's fake input protocol, spoken on the Wayland socket itself."""

    def __init__(self, path):
        self.sock = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.sock.connect(path)
        self.buffer = b""
        self.send(1, 1, struct.pack("<I", 2))  # wl_display.get_registry
        offered = {}
        for obj, opcode, body in self.roundtrip(3):
            if obj == 2 and opcode == 0:  # wl_registry.global
                name, length = struct.unpack_from("<II", body)
                version = struct.unpack_from("<I", body, 8 + (length + 3) // 4 * 4)[0]
                offered[body[8:7 + length].decode()] = (name, version)
        if "org_kde_kwin_fake_input" not in offered:
            raise OSError("no fake input offered")
        name, version = offered["org_kde_kwin_fake_input"]
        self.send(2, 0, struct.pack("<I", name) + self.string("org_kde_kwin_fake_input") +
                  struct.pack("<II", min(version, 4), 4))  # wl_registry.bind
        self.send(4, 0, self.string("Reelmoor's tests") + self.string("to play"))
        self.roundtrip(5)

    @classmethod
    def connect(cls, path):
        """The protocol, or None while KWin does not offer it."""
        try:
            return cls(path)
        except OSError:
            return None

    @staticmethod
    def string(text):
        data = text.encode() + b"\0"
        return struct.pack("<I", len(data)) + data + b"\0" * (-len(data) % 4)

    def send(self, obj, opcode, body=b""):
        self.sock.sendall(struct.pack("<II", obj, (8 + len(body)) << 16 | opcode) + body)

    def roundtrip(self, callback):
        """wl_display.sync, and the events that came before its answer."""
        self.send(1, 0, struct.pack("<I", callback))
        events = []
        while True:
            while len(self.buffer) < 8 or len(self.buffer) < struct.unpack_from(
                    "<I", self.buffer, 4)[0] >> 16:
                self.buffer += self.sock.recv(65536)
            obj, header = struct.unpack_from("<II", self.buffer)
            events.append((obj, header & 0xFFFF, self.buffer[8:header >> 16]))
            self.buffer = self.buffer[header >> 16:]
            if obj == callback:
                return events

    def do(self, opcode, *values):
        self.send(4, opcode, struct.pack("<%dI" % len(values), *values))
        self.roundtrip(5)


def agent(socket_path):
    """Runs as KWin's user, whom KWin trusts with fake input and screenshots
    through the desktop entry that names this program: does what each line
    of standard input asks and answers "ok"."""
    fake = wait_for("KWin's fake input", lambda: FakeInput.connect(socket_path))
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    print("ok", flush=True)
    for line in sys.stdin:
        words = line.split()
        if words[0] == "key":  # keyboard_key (since version 4)
            fake.do(10, int(words[1]), int(words[2]))
        elif words[0] == "click":  # pointer_motion_absolute, then button
            fake.send(4, 9, struct.pack("<ii", int(words[1]) * 256, int(words[2]) * 256))
            fake.roundtrip(5)
            time.sleep(0.06)
            for state in [1, 0] * int(words[3]):
                fake.do(2, 0x110, state)
                time.sleep(0.06)
        elif words[0] == "shot":
            read, write = os.pipe()
            fds = Gio.UnixFDList.new()
            fds.append(write)
            os.close(write)
            x, y, w, h = map(int, words[1:5])
            try:
                reply, _ = bus.call_with_unix_fd_list_sync(
                    "org.kde.KWin", "/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2",
                    "CaptureArea", GLib.Variant("(iiuua{sv}h)", (x, y, w, h, {}, 0)), None,
                    Gio.DBusCallFlags.NONE, 30000, fds, None)
            except GLib.Error:
                # KWin 6 takes screenshots only when it composites with OpenGL.
                os.close(read)
                print("ok none", flush=True)
                continue
            # The list holds a copy of the pipe's end, which would keep it open.
            for fd in fds.steal_fds():
                os.close(fd)
            with open(read, "rb") as pipe, open(words[5], "wb") as out:
                out.write(pipe.read())
            info = reply.unpack()[0]
            print("ok %d %d %d" % (info["width"], info["height"], info["stride"]), flush=True)
            continue
        print("ok", flush=True)


def session_processes(runtime):
    """The processes that carry the session's runtime folder, by id, with
    their command lines."""
    marker = ("XDG_RUNTIME_DIR=" + runtime).encode()
    found = {}
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/environ" % pid, "rb") as f:
                if marker in f.read().split(b"\0"):
                    with open("/proc/%s/cmdline" % pid, "rb") as c:
                        found[int(pid)] = c.read().decode(errors="replace").split("\0")
        except OSError:
            pass
    return found


class Kde(Session):
    """KWin, read through its scripting and driven through fake input. KWin
    refuses to run as root: as root the test runs it, and the game, as an
    unprivileged user of its own."""

    desktop = "KDE"
    log = "kwin.log"
    told_modal = False
    maximize_keys = ("super", "pageup")
    user = "reelmoor-test"

    def start(self):
        self.uid = self.gid = self.created = None
        if os.geteuid() == 0:
            self.created = subprocess.run(["id", self.user], capture_output=True).returncode
            if self.created:
                subprocess.run(["useradd", "--system", "--no-create-home", "--home-dir",
                                "/nonexistent", "--shell", "/usr/sbin/nologin", self.user],
                               check=True)
            entry = pwd.getpwnam(self.user)
            self.uid, self.gid = entry.pw_uid, entry.pw_gid
            for path in (self.work, self.runtime, self.home):
                os.chown(path, self.uid, self.gid)
        # kwin_wayland carries a file capability, which some sandboxes refuse
        # to run; a copy has none, and keeps the name that KWin's own
        # platform plugin looks for.
        kwin = shutil.copy(shutil.which("kwin_wayland"), os.path.join(self.work, "kwin_wayland"))
        # KWin grants fake input and screenshots to a program whose desktop
        # entry asks for them: the test's own agent, a copy of this Python
        # that no other entry names, reading a copy of this file that KWin's
        # user can reach.
        agent = shutil.copy(os.path.realpath(sys.executable),
                            os.path.join(self.work, "reelmoor-tests"))
        script = shutil.copy(os.path.abspath(__file__), os.path.join(self.work, "desktops.py"))
        share = os.path.join(self.work, "share")
        os.makedirs(os.path.join(share, "applications"))
        with open(os.path.join(share, "applications", "reelmoor-tests.desktop"), "w") as f:
            f.write("[Desktop Entry]\nType=Application\nName=Reelmoor's tests\nNoDisplay=true\n"
                    "Exec=%s\nX-KDE-Wayland-Interfaces=org_kde_kwin_fake_input\n"
                    "X-KDE-DBUS-Restricted-Interfaces=org.kde.KWin.ScreenShot2\n"
                    % agent)
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "XDG_RUNTIME_DIR": self.runtime,
               "HOME": self.home, "XDG_DATA_DIRS": share + ":" + self.data_dirs,
               "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8",
               "QT_LOGGING_RULES": "kwin_scripting.debug=true",
               # KWin 6 reads these; KWin 5 the desktop entry.
               "KWIN_WAYLAND_NO_PERMISSION_CHECKS": "1", "KWIN_SCREENSHOT_NO_PERMISSION_CHECKS": "1"}
        # KWin reads the entries from KDE's service cache, made beforehand so
        # that KWin's first look finds it.
        for tool in ("kbuildsycoca6", "kbuildsycoca5"):
            if shutil.which(tool):
                subprocess.run([tool, "--noincremental"], env=env, capture_output=True,
                               preexec_fn=self.game_user)
                break
        self.start_group("%s --virtual --xwayland --width %d --height %d --socket %s"
                         % (kwin, WIDTH, HEIGHT, self.socket), env)
        wait_for("KWin", lambda: os.path.exists(os.path.join(self.runtime, self.socket)) and
                 self.windows() is not None, 60)
        self.display = wait_for("Xwayland", self.new_display, 30)
        self.agent = subprocess.Popen(
            [agent, script, "--agent", os.path.join(self.runtime, self.socket)],
            env=dict(os.environ, DBUS_SESSION_BUS_ADDRESS=self.bus_address,
                     XDG_RUNTIME_DIR=self.runtime, HOME=self.home),
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, preexec_fn=self.game_user)
        self.ask()

    def new_display(self):
        """KWin's X display: the one whose lock file names a process of the
        session, KWin itself (which starts Xwayland when a client comes) or
        its Xwayland."""
        ours = session_processes(self.runtime)
        return next((":" + number for number, pid in display_locks() if pid in ours), None)

    def game_user(self):
        if self.uid is not None:
            os.setgroups([])
            os.setgid(self.gid)
            os.setuid(self.uid)

    def game_environment(self, desktop, extra):
        # A Plasma session tells its applications so; KWin itself must not
        # be told, as it would then wait for the rest of the session.
        return super().game_environment(desktop, dict(KDE_FULL_SESSION="true", **extra))

    def dbus(self, path, method, *args):
        result = subprocess.run(["gdbus", "call", "--session", "--dest", "org.kde.KWin",
                                 "--object-path", path, "--method", method, *args],
                                env=dict(os.environ, DBUS_SESSION_BUS_ADDRESS=self.bus_address),
                                capture_output=True, text=True, preexec_fn=self.game_user)
        return result.stdout if result.returncode == 0 else None

    def script(self, code):
        """Runs a KWin script and returns what it printed, as JSON."""
        path = os.path.join(self.work, "script.js")
        with open(path, "w") as f:
            f.write('print("REELMOOR " + JSON.stringify((() => { %s })()));' % code)
        os.chmod(path, 0o644)
        log = os.path.join(self.work, "kwin.log")
        start = os.path.getsize(log)
        self.dbus("/Scripting", "org.kde.kwin.Scripting.unloadScript", "reelmoor")
        loaded = self.dbus("/Scripting", "org.kde.kwin.Scripting.loadScript", path, "reelmoor")
        if not loaded:
            return None
        number = loaded.strip("(),\n")
        # KWin 6 names the script's object /Scripting/ScriptN, KWin 5 /N.
        if not any(self.dbus(prefix + number, "org.kde.kwin.Script.run")
                   for prefix in ("/Scripting/Script", "/")):
            return None
        def printed():
            with open(log, errors="replace") as f:
                f.seek(start)
                lines = [line for line in f if "REELMOOR " in line]
            return lines and lines[-1]
        line = wait_for("the script's answer", printed, 10)
        return json.loads(line.split("REELMOOR ", 1)[1])

    def windows(self):
        # workspace.windowList() in KWin 6, clientList() in KWin 5.
        return self.script("""const ws = workspace;
            return (ws.windowList ? ws.windowList() : ws.clientList())
              .filter(w => w.normalWindow || w.dialog).map(w => ({
                title: w.caption, x: Math.round(w.frameGeometry.x),
                y: Math.round(w.frameGeometry.y), w: Math.round(w.frameGeometry.width),
                h: Math.round(w.frameGeometry.height),
                maximized: w.frameGeometry.width >= %d || w.frameGeometry.height >= %d,
                maximizable: w.maximizable, minimizable: w.minimizable,
                own_frame: !w.noBorder, modal: w.modal,
                transient: w.transient && w.transientFor ? w.transientFor.caption : null,
                app: w.desktopFileName + ".desktop", icon: w.desktopFileName }));""" %
                           (WIDTH, HEIGHT - 40))

    def work_area(self):
        return self.script("""const a = workspace.clientArea(KWin.MaximizeArea,
            workspace.activeScreen !== undefined ? workspace.activeScreen : 0,
            workspace.currentDesktop); return [a.x, a.y, a.width, a.height];""")

    def ask(self, *words):
        if words:
            self.agent.stdin.write(" ".join(map(str, words)) + "\n")
            self.agent.stdin.flush()
        answer = self.agent.stdout.readline().split()
        if not answer or answer[0] != "ok":
            raise SystemExit("FAIL: the agent did not answer")
        return answer[1:]

    def keys(self, *names):
        for name in names:
            self.ask("key", KEY[name], 1)
        for name in reversed(names):
            self.ask("key", KEY[name], 0)
        time.sleep(0.3)

    def click(self, x, y, count=1):
        self.ask("click", x, y, count)
        time.sleep(0.5)

    def maximize_by_menu(self):
        """Alt+F3 opens the window menu, whose Maximize is on X."""
        self.keys("alt", "f3")
        time.sleep(0.5)
        self.keys("x")
        self.keys("escape")
        return "none"

    def screenshot(self, x, y, w, h):
        path = os.path.join(self.work, "shot.raw")
        answer = self.ask("shot", x, y, w, h, path)
        if answer == ["none"]:
            return None
        width, height, stride = map(int, answer)
        data = open(path, "rb").read()
        # QImage's 32-bit formats: blue, green, red, alpha in memory.
        return [[(data[y * stride + 4 * x + 2], data[y * stride + 4 * x + 1],
                  data[y * stride + 4 * x]) for x in range(width)] for y in range(height)]

    def stop(self):
        if getattr(self, "agent", None):
            self.agent.kill()
            self.agent.wait()
        super().stop()
        if self.created:
            # What KWin's bus started on its own outlives the process group;
            # it is told apart by the session's runtime folder, not by its
            # user id, which a chroot's own user may share.
            for pid in session_processes(self.runtime):
                os.kill(pid, signal.SIGKILL)
            wait_for("the session's processes to end",
                     lambda: not session_processes(self.runtime))
            # A process killed a moment ago still holds the user until it is reaped.
            wait_for("the test's user to be deleted", lambda: subprocess.run(
                ["userdel", self.user], capture_output=True).returncode == 0)


if __name__ == "__main__":
    main()

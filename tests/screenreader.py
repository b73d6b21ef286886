#!/usr/bin/python3
"""One spin played by keyboard with the real screen reader Orca listening.

Run inside its own D-Bus session:  dbus-run-session -- python3 screenreader.py GAME
Starts Xvfb, the AT-SPI bus, Orca and the game, presses Tab and Space, then
checks the balance through AT-SPI and what Orca said in its debug log.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

GAME = sys.argv[1]
PRIZES = (0, 100, 1000, 4000, 10000)

processes = []


def start(args, **kwargs):
    proc = subprocess.Popen(args, **kwargs)
    processes.append(proc)
    return proc


def stop(proc):
    if proc.poll() is None:
        proc.send_signal(signal.SIGTERM)
        try:
            proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
    if proc in processes:
        processes.remove(proc)


def wait_for(what, condition, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise SystemExit("FAIL: gave up waiting for " + what)


def cpu_ticks(proc):
    with open("/proc/%d/stat" % proc.pid) as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def wait_until_idle(what, proc, timeout):
    """Waits until proc has used no CPU for a while: it has handled what came."""
    quiet_since, last = time.monotonic(), cpu_ticks(proc)

    def idle():
        nonlocal quiet_since, last
        now = cpu_ticks(proc)
        if now != last:
            quiet_since, last = time.monotonic(), now
        return time.monotonic() - quiet_since > 0.4

    wait_for(what, idle, timeout)


def run(args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def start_xvfb():
    # The first display number that is free; another server may take it first.
    for number in range(99, 200):
        if os.path.exists("/tmp/.X%d-lock" % number):
            continue
        xvfb = start(["Xvfb", ":%d" % number, "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                      "-noreset"], stderr=subprocess.DEVNULL)
        os.environ["DISPLAY"] = ":%d" % number
        wait_for("Xvfb", lambda: xvfb.poll() is not None or subprocess.run(
            ["xdotool", "getdisplaygeometry"], capture_output=True).returncode == 0, 15)
        if xvfb.poll() is None:
            return
        processes.remove(xvfb)
    raise SystemExit("FAIL: no free display")


def find(node, test, depth=0):
    """Depth-first search of the accessible tree below node."""
    if node is None or depth > 12:
        return None
    try:
        if test(node):
            return node
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return None
    for child in children:
        found = find(child, test, depth + 1)
        if found is not None:
            return found
    return None


def main():
    work = tempfile.mkdtemp(prefix="reelmoor-orca-")
    runtime = os.path.join(work, "run")
    os.mkdir(runtime, 0o700)
    os.environ.update(HOME=work, XDG_RUNTIME_DIR=runtime,
                      XDG_CONFIG_HOME=os.path.join(work, "config"),
                      XDG_CACHE_HOME=os.path.join(work, "cache"),
                      XDG_DATA_HOME=os.path.join(work, "data"),
                      GSETTINGS_BACKEND="memory")
    os.environ.pop("WAYLAND_DISPLAY", None)
    log_path = os.path.join(work, "orca.log")
    began = time.monotonic()

    start_xvfb()
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    # Asks whether the name is taken, which unlike a call does not start a second launcher.
    wait_for("the AT-SPI bus", lambda: "true" in run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
         "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"]), 15)
    import pyatspi  # connects to the bus that is now running
    desktop = pyatspi.Registry.getDesktop(0)

    def application(name):
        return lambda: next((app for app in desktop if app is not None and app.name == name), None)

    # No speech server and no braille display: Orca still logs all it would say.
    orca = start(["orca", "-u", os.path.join(work, "orca-prefs"), "--debug-file", log_path,
                  "-d", "speech", "-d", "braille"],
                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # Orca does not start while another Orca of the same user runs.
    wait_for("Orca on the bus (is another Orca running?)", application("orca"), 20)
    wait_until_idle("Orca to settle", orca, 20)

    # As for a player: Qt switches its AT-SPI bridge on because a screen reader runs.
    game = start([GAME], env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    app = wait_for("the game on the bus", application("Reelmoor"), 20)

    def labelled_by_caption(node):
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and \
                    relation.getTarget(0).name == "Current Money":
                return True
        return False

    balance = wait_for("the balance", lambda: find(app, labelled_by_caption), 10)
    handle = find(app, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == "Spin")
    if handle is None:
        raise SystemExit("FAIL: no Spin button")

    def amount():
        match = re.fullmatch(r"(\d+) dollars", balance.name)
        return int(match.group(1)) if match else None

    def handle_has(state):
        return handle.getState().contains(state)

    start_amount = amount()
    window = run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Reelmoor$"]).split()[0]
    run(["xdotool", "windowfocus", "--sync", window])
    wait_for("focus on the handle", lambda: handle_has(pyatspi.STATE_FOCUSED), 10)
    wait_until_idle("Orca to present the window", orca, 10)

    pressed = time.time()
    run(["xdotool", "key", "--window", window, "Tab", "space"])
    wait_for("the spin to start", lambda: not handle_has(pyatspi.STATE_SENSITIVE), 5)
    started = time.time()
    wait_for("the spin to end", lambda: handle_has(pyatspi.STATE_SENSITIVE), 10)
    stopped = time.time()
    end_amount = amount()
    symbols = []
    for reel in (1, 2, 3):
        shown = find(app, lambda n: n.getRole() == pyatspi.ROLE_IMAGE and
                     n.name.startswith("Reel %d: " % reel) and
                     n.getState().contains(pyatspi.STATE_SHOWING))
        symbols.append(shown.name.split(": ", 1)[1])

    # Orca writes its log through a buffer: it is complete once Orca has ended.
    # Orca sees SIGTERM only when an event wakes it, such as the game's end.
    wait_until_idle("Orca to present the outcome", orca, 10)
    orca.send_signal(signal.SIGTERM)
    stop(game)
    stop(orca)

    def seconds_after(moment, clock):
        local = time.localtime(moment)
        day = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + moment % 1
        return (clock - day + 43200) % 86400 - 43200

    spoken = []
    with open(log_path, encoding="utf-8", errors="replace") as log:
        for line in log:
            match = re.match(r"(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'(?: voice=\S+)?\{",
                             line)
            if match:
                h, m, s, text = match.groups()
                clock = int(h) * 3600 + int(m) * 60 + float(s)
                spoken.append((seconds_after(pressed, clock), text))
    for when, text in spoken:
        print("%+7.3f s  %s" % (when, text))
    print("balance %s -> %s; reels %s; spin seen from %+.3f s to %+.3f s; %.1f s in all" %
          (start_amount, end_amount, ", ".join(symbols), started - pressed, stopped - pressed,
           time.monotonic() - began))

    failures = []
    if start_amount is None or end_amount is None or \
            end_amount - (start_amount - 25) not in PRIZES:
        failures.append("the balance did not change by a spin")
    # The reels turn from the key to the stop of reel 3, just before the handle comes back.
    turning = [text for when, text in spoken if 0.5 < when < stopped - pressed - 0.3]
    if turning:
        failures.append("spoken while the reels turn: %r" % turning)
    after = [text.lower() for when, text in spoken if when >= stopped - pressed - 0.3]
    # The symbols in reel order, then the balance.
    outcome = [text for text in after
               if re.search(re.escape(", ".join(symbols)) + r"\. .*\b%d dollars" % end_amount, text)]
    if len(outcome) != 1:
        failures.append("after the spin Orca said %r, not once the symbols %r and %d dollars" %
                        (after, symbols, end_amount))
    for failure in failures:
        print("FAIL: " + failure)
    if failures:
        print("Orca's log: " + log_path)
        return 1
    shutil.rmtree(work)
    return 0


if __name__ == "__main__":
    # Stopped from outside (a test timeout), it still stops what it started.
    signal.signal(signal.SIGTERM, lambda signum, frame: sys.exit("FAIL: stopped"))
    try:
        sys.exit(main())
    finally:
        for proc in reversed(list(processes)):
            stop(proc)

#!/usr/bin/python3
"""One spin by keyboard while the real screen reader Orca listens.

Usage: dbus-run-session -- python3 screenreader.py GAME [LANGUAGE]
Starts Xvfb, the AT-SPI bus, Orca and the game (in English, or in LANGUAGE:
de or ar), and stops each by its PID.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

processes = []


def start(args, **kwargs):
    processes.append(subprocess.Popen(args, **kwargs))
    return processes[-1]


def stop(proc):
    proc.terminate()
    try:
        proc.wait(timeout=10)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
    processes.remove(proc)


def wait_for(what, condition, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise SystemExit("FAIL: gave up waiting for " + what)


def wait_until_idle(what, proc, timeout):
    """Waits until proc has used no CPU for 0.4 s: it has handled what came."""
    def ticks():
        with open("/proc/%d/stat" % proc.pid) as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        return int(fields[11]) + int(fields[12])
    last = [ticks(), time.monotonic()]

    def idle():
        if ticks() != last[0]:
            last[:] = [ticks(), time.monotonic()]
        return time.monotonic() - last[1] > 0.4
    wait_for(what, idle, timeout)


def succeeds(args):
    return subprocess.run(args, capture_output=True).returncode == 0


def start_xvfb():
    for number in range(99, 200):
        if os.path.exists("/tmp/.X%d-lock" % number):
            continue
        xvfb = start(["Xvfb", ":%d" % number, "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                      "-noreset"], stderr=subprocess.DEVNULL)
        os.environ["DISPLAY"] = ":%d" % number
        wait_for("Xvfb", lambda: xvfb.poll() is not None or
                 succeeds(["xdotool", "getdisplaygeometry"]), 15)
        if xvfb.poll() is None:
            return
        processes.remove(xvfb)  # another server took the number first
    raise SystemExit("FAIL: no free display")


def find(node, test):
    """Depth-first search of the accessible tree below node."""
    if test(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), test)
        if found is not None:
            return found
    return None


# What the game calls things, in each language the test hears it in. Arabic
# names reel 1 as the leftmost, and says in which order the symbols come; its
# noun agrees with the number, which after one spin from 1000 ends in 75:
# "975 دولارًا", where 1000 takes "دولار".
WORDS = {
    "en": {"caption": "Current Money", "spin": "Spin", "reel": "Reel %d: ",
           "symbols": "%s, %s, %s", "dollars": "dollars"},
    "de": {"caption": "Guthaben", "spin": "Drehen", "reel": "Walze %d: ",
           "symbols": "%s, %s, %s", "dollars": "dollar"},
    "ar": {"caption": "رصيدك الحالي", "spin": "تدوير", "reel": "البكرة %d من اليسار: ",
           "symbols": "من اليسار: %s، %s، %s", "dollars": "دولارًا"},
}
LOCALES = {"en": "C.UTF-8", "de": "de_DE.UTF-8", "ar": "ar_EG.UTF-8"}
# The marks that order text on screen, and are not to be read out.
DIRECTION_MARKS = re.compile("[\u200e\u200f\u202a-\u202e\u2066-\u2069]")


def main():
    language = sys.argv[2] if len(sys.argv) > 2 else "en"
    words = WORDS[language]
    work = tempfile.mkdtemp(prefix="reelmoor-orca-")
    os.mkdir(os.path.join(work, "run"), 0o700)
    os.environ.update(HOME=work, XDG_RUNTIME_DIR=os.path.join(work, "run"),
                      XDG_CONFIG_HOME=os.path.join(work, "config"),
                      XDG_CACHE_HOME=os.path.join(work, "cache"), GSETTINGS_BACKEND="memory")
    log_path = os.path.join(work, "orca.log")
    began = time.monotonic()

    start_xvfb()
    start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    # Asks whether the name is taken; a call would start a second launcher.
    wait_for("the AT-SPI bus", lambda: b"true" in subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
         "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"],
        capture_output=True).stdout, 15)
    import pyatspi  # connects to the bus that now runs
    desktop = pyatspi.Registry.getDesktop(0)

    def application(name):
        return lambda: next((app for app in desktop if app and app.name == name), None)

    # Speech stays on as for a player (Orca 48 says notifications only then), but
    # without a speech server, which Orca would otherwise start: Orca still logs
    # all it would say.
    prefs = os.path.join(work, "orca-prefs")
    os.mkdir(prefs)
    with open(os.path.join(prefs, "orca-customizations.py"), "w") as customizations:
        customizations.write("import orca.settings\n"
                             "orca.settings.speechServerFactory = None\n"
                             "orca.settings.speechFactoryModules = []\n")
    orca_output = os.path.join(work, "orca.out")
    # Orca quits at once while another Orca of the same user runs anywhere on
    # the machine, such as this test in another build tree; that one ends soon.
    give_up = time.monotonic() + 60
    retried = False
    while True:
        with open(orca_output, "w") as output:
            orca = start(["orca", "-u", prefs, "--debug-file", log_path, "-d", "braille"],
                         stdout=output, stderr=subprocess.STDOUT)
        wait_for("Orca on the bus", lambda: orca.poll() is not None or application("orca")(), 20)
        if orca.poll() is None:
            break
        processes.remove(orca)
        with open(orca_output) as output:
            said = output.read().strip()
        if time.monotonic() > give_up:
            raise SystemExit("FAIL: Orca quit: " + said)
        if not retried:
            print("Orca quit, trying again: " + said)
        retried = True
        time.sleep(1)
    wait_until_idle("Orca to settle", orca, 20)

    # As for a player, Qt switches its AT-SPI bridge on because a screen reader runs.
    # The player's desktop in the language under test, whatever locale the test
    # inherits (a build daemon's LC_ALL=C.UTF-8 would win over LANG); Orca stays as it is.
    desktop_env = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
    game = start([sys.argv[1]], env=dict(desktop_env, QT_QPA_PLATFORM="xcb", LANGUAGE=language,
                                         LANG=LOCALES[language], LC_ALL=LOCALES[language]))
    app = wait_for("the game on the bus", application("Reelmoor"), 20)
    balance = wait_for("the balance labelled by its caption", lambda: find(app, lambda n: any(
        r.getRelationType() == pyatspi.RELATION_LABELLED_BY and
        r.getTarget(0).name == words["caption"] for r in n.getRelationSet())), 10)
    handle = find(app, lambda n: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and
                  n.name == words["spin"])

    def amount():
        return int(balance.name.split()[0])

    def handle_is(state):
        return handle.getState().contains(state)

    before = amount()
    window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                             "^Reelmoor$"], capture_output=True, text=True).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    wait_for("focus on the handle", lambda: handle_is(pyatspi.STATE_FOCUSED), 10)
    wait_until_idle("Orca to present the window", orca, 10)

    pressed = time.time()
    subprocess.run(["xdotool", "key", "--window", window, "Tab", "space"], check=True)
    wait_for("the spin to start", lambda: not handle_is(pyatspi.STATE_SENSITIVE), 5)
    wait_for("the spin to end", lambda: handle_is(pyatspi.STATE_SENSITIVE), 10)
    stopped = time.time() - pressed
    after = amount()
    symbols = [find(app, lambda n: n.getRole() == pyatspi.ROLE_IMAGE and
                    n.name.startswith(words["reel"] % reel) and
                    n.getState().contains(pyatspi.STATE_SHOWING)).name[len(words["reel"] % reel):]
               for reel in (1, 2, 3)]

    # Orca's log is complete only once Orca has ended. Orca sees SIGTERM when
    # an event wakes it, such as the game's end.
    wait_until_idle("Orca to present the outcome", orca, 10)
    orca.terminate()
    stop(game)
    orca.wait(timeout=20)  # a second SIGTERM would make Orca quit without its log
    processes.remove(orca)

    local = time.localtime(pressed)
    clock_pressed = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + pressed % 1
    spoken = []
    # Orca 43 writes 'text'{voice}, Orca 48 'text' {voice}.
    speech_line = r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*)'(?: voice=\w+)? ?\{"
    with open(log_path, encoding="utf-8", errors="replace") as log:
        for h, m, s, text in re.findall(speech_line, log.read(), re.MULTILINE):
            when = (int(h) * 3600 + int(m) * 60 + float(s) - clock_pressed + 43200) % 86400 - 43200
            spoken.append((when, text))
            print("%+7.3f s  %s" % (when, text))
    print("balance %d -> %d; reels %s; reel 3 seen at rest %+.3f s; %.1f s in all" %
          (before, after, ", ".join(symbols), stopped, time.monotonic() - began))

    failures = []
    if after - (before - 25) not in (0, 100, 1000, 4000, 10000):
        failures.append("the balance did not change by one spin")
    turning = [text for when, text in spoken if 0.5 < when < stopped - 0.3]
    if turning:
        failures.append("spoken while the reels turn: %r" % turning)
    outcome = re.escape((words["symbols"] % tuple(symbols)).lower()) + r"\. .*\b%d %s" % (
        after, words["dollars"])
    heard = [text.lower() for when, text in spoken if when >= stopped - 0.3]
    if len([text for text in heard if re.search(outcome, text)]) != 1:
        failures.append("after the spin Orca said %r, not once the reels %r and %d %s" %
                        (heard, symbols, after, words["dollars"]))
    marked = [text for when, text in spoken if DIRECTION_MARKS.search(text)]
    if marked:
        failures.append("direction marks in what Orca was given: %r" % marked)
    for failure in failures:
        print("FAIL: " + failure)
    if failures:
        print("Orca's log: " + log_path)
        return 1
    shutil.rmtree(work)
    return 0


if __name__ == "__main__":
    # Stopped from outside, as by a test timeout, it still stops what it started.
    signal.signal(signal.SIGTERM, lambda signum, frame: sys.exit("FAIL: stopped"))
    try:
        sys.exit(main())
    finally:
        for proc in reversed(processes):
            stop(proc)

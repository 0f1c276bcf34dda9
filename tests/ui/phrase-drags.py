#!/usr/bin/python3
"""Drags out of the main window's phrase box end on release.

    phrase-drags.py PROGRAM DROP_TARGET [DRAGS]

Run on an X display with a window manager and a session bus of its own
(tests/run-in-session.sh x11 --wm openbox -- ...). Starts the accessibility
bus, DROP_TARGET (another application that prints each text dropped on it)
and PROGRAM with its accessibility bridge on, gives the main window a phrase
with the keyboard, and then DRAGS times (20 unless given), with real input
through xdotool: selects the phrase with a triple click, presses on it and
moves quickly out of the box's two lines into the other application, and
lets go. After each release no client of the display may hold the pointer
(another client can grab it), and the other application must have received
the phrase exactly once. Between drags an accessibility client reads the
whole window (names, roles, states, texts, places), as a screen reader does.
Exits 0 when every drag ended on its release, 1 otherwise.
"""
import os
import queue
import subprocess
import sys
import threading
import time

import pyatspi
from Xlib import X, display


def xdotool(*args):
    return subprocess.run(['xdotool', *map(str, args)], check=True,
                          capture_output=True, text=True).stdout


def pointer_held(screen_display):
    """Whether a client holds the pointer: a grab of our own fails then."""
    root = screen_display.screen().root
    status = root.grab_pointer(False, X.ButtonPressMask, X.GrabModeAsync,
                               X.GrabModeAsync, X.NONE, X.NONE, X.CurrentTime)
    if status == X.GrabSuccess:
        screen_display.ungrab_pointer(X.CurrentTime)
        screen_display.sync()
        return False
    return True


def wait_for(condition, seconds=10.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.1)
    return None


def settled(read):
    """What read() gives twice half a second apart, once it is not empty."""
    first = read()
    time.sleep(0.5)
    return first if first and read() == first else None


def selected(node):
    """How many characters of node's text are selected."""
    text = node.queryText()
    if text.getNSelections() < 1:
        return 0
    start, end = text.getSelection(0)
    return end - start


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def read_like_a_screen_reader(node):
    """Reads every node under node; returns how many there were."""
    count = 1
    node.name, node.getRole(), node.getState().getStates()
    if 'Text' in node.get_interfaces():
        text = node.queryText()
        text.getText(0, -1), text.getNSelections(), text.caretOffset
    if 'Component' in node.get_interfaces():
        node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    for child in node:
        if child is not None:
            count += read_like_a_screen_reader(child)
    return count


def main():
    program, drop_target = sys.argv[1], sys.argv[2]
    drags = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    children = []
    try:
        children.append(subprocess.Popen(
            ['/usr/libexec/at-spi-bus-launcher', '--launch-immediately']))
        environment = dict(os.environ, QT_QPA_PLATFORM='xcb',
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1',
                           LANG='C.UTF-8', LC_ALL='C.UTF-8')
        target = subprocess.Popen([drop_target], env=environment,
                                  stdout=subprocess.PIPE, text=True)
        children.append(target)
        drops = queue.Queue()
        threading.Thread(target=lambda: [drops.put(line.rstrip('\n'))
                                         for line in target.stdout],
                         daemon=True).start()
        xdotool('search', '--sync', '--onlyvisible', '--name', '^Drop target$')
        calculator = subprocess.Popen([program], env=environment)
        children.append(calculator)
        window = xdotool('search', '--all', '--sync', '--onlyvisible', '--pid',
                         calculator.pid, '--name', '.').split()[0]
        app = wait_for(lambda: application(calculator.pid))
        if app is None:
            print('phrase-drags: the program is not on the accessibility bus')
            return 1
        phrase = pyatspi.findDescendant(
            app, lambda node: node.name == 'Difference in words')
        # A click on the window's face gives it the keyboard (the window
        # manager may have given it to the other application, started
        # first); the start date 45 days earlier makes a phrase.
        xdotool('mousemove', '--sync', '--window', window, 4, 4)
        xdotool('click', 1)
        wait_for(lambda: xdotool('getwindowfocus').strip() == window)
        xdotool('key', '--repeat', 45, '--delay', 5, 'Down')
        text = wait_for(lambda: settled(lambda: phrase.queryText().getText(0, -1)))
        box = phrase.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        # On the first characters of the text, inside the box's first line;
        # the drop lands in the middle of the other application's window.
        press = (box.x + 12, box.y + 9)
        drop = (150, 90)
        screen_display = display.Display()
        faults = []
        for drag in range(1, drags + 1):
            xdotool('mousemove', '--sync', *press)
            xdotool('click', '--repeat', 3, '--delay', 60, 1)
            # Once the program has the phrase selected, past its double-click
            # time: the press that follows is a press of its own.
            if not wait_for(lambda: selected(phrase) == len(text)):
                faults.append(f'drag {drag}: a triple click did not select the phrase')
            time.sleep(1)
            xdotool('mousedown', 1)
            for step in range(1, 6):
                xdotool('mousemove', '--sync',
                        press[0] + (drop[0] - press[0]) * step // 5,
                        press[1] + (drop[1] - press[1]) * step // 5)
                time.sleep(0.02)
            xdotool('mouseup', 1)
            received = []
            try:
                received.append(drops.get(timeout=10))
            except queue.Empty:
                pass
            # A drag started again after the release would hold the pointer
            # by now.
            time.sleep(0.5)
            while not drops.empty():
                received.append(drops.get())
            if pointer_held(screen_display):
                faults.append(f'drag {drag}: the pointer is still held')
                # A click ends the drag that holds it.
                xdotool('mousemove', '--sync', *press)
                xdotool('click', 1)
                time.sleep(0.3)
            if received != [text]:
                faults.append(f'drag {drag}: dropped {received}, not [{text!r}]')
            if read_like_a_screen_reader(app) < 10:
                faults.append(f'drag {drag}: the window reads as nearly empty')
        for fault in faults:
            print('phrase-drags:', fault)
        print(f'phrase-drags: {drags} drags of {text!r}, {len(faults)} faults')
        return 1 if faults else 0
    finally:
        for child in reversed(children):
            child.terminate()
            try:
                child.wait(5)
            except subprocess.TimeoutExpired:
                child.kill()


if __name__ == '__main__':
    sys.exit(main())

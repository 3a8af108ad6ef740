"""A virtual X display for Wine, and the message boxes that appear on it."""
import os
import subprocess
import time

import winelab


def start_display():
    """Starts Xvfb on a free display; returns (process, display name)."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0",
                             "1024x768x24", "-nolisten", "tcp"], pass_fds=(write_end,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    return xvfb, ":" + number


def use_display(name):
    """Wine's session keeps the display it was started with: begins a new
    session on `name` (None: headless)."""
    subprocess.run(["wineserver", "-k"], env=winelab.environment(),
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["wineserver", "-w"], env=winelab.environment(),
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    winelab.session["display"] = name


def start(windows_exe, args=()):
    return subprocess.Popen(["wine", windows_exe, *args],
                            env=winelab.environment(), cwd=winelab.DRIVE_C,
                            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


def xdotool(display, *args):
    done = subprocess.run(["xdotool", *args], env=dict(os.environ, DISPLAY=display),
                          capture_output=True, text=True)
    return done.stdout.strip()


def wait_for_window(display, name_pattern, seconds=60):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = xdotool(display, "search", "--onlyvisible", "--name", name_pattern)
        if found:
            return found.splitlines()[0]
        time.sleep(0.2)
    return None


def window_name(display, window):
    return xdotool(display, "getwindowname", window)


def press_ok(display, window):
    """OK is the box's default button: Return closes the box."""
    xdotool(display, "key", "--window", window, "Return")


def screenshot(display, path, window="root"):
    subprocess.run(["import", "-display", display, "-window", window, path], check=True)

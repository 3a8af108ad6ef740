#!/usr/bin/python3
"""Takes a picture of each kind of Tessaro's message boxes under Wine on a
virtual display, for the README (docs/*.png). Wine draws the title bar itself
in a virtual desktop, so the caption shows."""
import os
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "wine"))
os.environ.setdefault("TESSARO_BUILD", os.path.join(HERE, "..", "build", "windows"))

import display  # noqa: E402
import winelab  # noqa: E402
from test_platform import DIR, EXE, standard, write_ini  # noqa: E402

DOCS = os.path.join(HERE, "..", "docs")


def shoot(screen, name, not_admin=False):
    env = winelab.environment(not_admin=not_admin)
    if not_admin:
        winelab.place_not_admin_shell32(DIR)
    tessaro = subprocess.Popen(["wine", "explorer", "/desktop=Tessaro,560x160", EXE], env=env,
                               cwd=winelab.DRIVE_C, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    window = display.wait_for_window(screen, "^Tessaro - Wine desktop$")
    time.sleep(3)
    path = os.path.join(DOCS, name + ".png")
    display.screenshot(screen, path, window)
    display.press_ok(screen, window)
    try:
        tessaro.wait(timeout=10)
    except subprocess.TimeoutExpired:
        tessaro.kill()
    display.use_display(screen)  # a fresh session for the next picture
    print("wrote", os.path.relpath(path))


def main():
    os.makedirs(DOCS, exist_ok=True)
    winelab.prepare_prefix()
    xvfb, screen = display.start_display()
    display.use_display(screen)
    try:
        standard()
        write_ini("[Common]\r\nExecFileName=Missing.exe\r\nAppTitle=Tessaro Setup\r\n")
        shoot(screen, "box-internal-error")
        standard(version="5.1")
        shoot(screen, "box-unsupported-system")
        standard()
        shoot(screen, "box-administrator", not_admin=True)
        standard()
        shoot(screen, "box-update-completed")
    finally:
        display.use_display(None)
        xvfb.terminate()
    return 0


if __name__ == "__main__":
    sys.exit(main())

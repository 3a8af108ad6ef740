"""Tessaro's message boxes on a real (virtual) display: they appear with their
caption, hold Tessaro until OK is pressed, and it then ends with its result."""
import time

import pytest

import display
import winelab
from test_platform import DIR, EXE, standard, write_ini


@pytest.fixture(scope="module")
def screen():
    xvfb, name = display.start_display()
    display.use_display(name)
    yield name
    display.use_display(None)
    xvfb.terminate()
    xvfb.wait()


def run_until_ok(screen, caption_pattern, result):
    tessaro = display.start(EXE)
    try:
        window = display.wait_for_window(screen, caption_pattern)
        assert window, "no box appeared"
        time.sleep(1.0)
        assert tessaro.poll() is None, "Tessaro ended while its box was open"
        name = display.window_name(screen, window)
        display.press_ok(screen, window)
        assert tessaro.wait(timeout=30) == result
        return name
    finally:
        if tessaro.poll() is None:
            tessaro.kill()


def test_internal_error_box_holds_tessaro_until_ok(screen):
    standard()
    write_ini("[Common]\r\nExecFileName=Missing.exe\r\nAppTitle=Tessaro Setup\r\n")
    assert run_until_ok(screen, "^Tessaro Setup$", 11) == "Tessaro Setup"


def test_success_box_ends_with_0_after_ok(screen):
    standard(title="Tessaro Setup, updated")
    name = run_until_ok(screen, "^Tessaro Setup, updated$", 0)
    assert name == "Tessaro Setup, updated"


def test_a_999_character_caption_arrives_whole(screen):
    standard(ini="[Common]\r\nExecFileName=Updater.exe\r\nAppTitle=%s\r\n" % ("T" * 1200))
    assert run_until_ok(screen, "^T+$", 0) == "T" * 999


def test_installer_launch_shows_no_box_on_a_display(screen):
    standard(entries=["Software\\Quorlane\\Brevitane LaunchInstaller dword 1"])
    write_ini("[Common]\r\nExecFileName=Missing.exe\r\nAppTitle=Tessaro Setup\r\n")
    tessaro = display.start(EXE)
    assert tessaro.wait(timeout=60) == 11
    assert display.xdotool(screen, "search", "--onlyvisible", "--name", "Tessaro Setup") == ""
    winelab.reset_registry("10")

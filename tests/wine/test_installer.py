"""The NSIS sample installer drives Tessaro: with LaunchInstaller set Tessaro
shows no box, and its exit code reaches the installer unchanged."""
import os
import subprocess

import pytest

import winelab
from test_platform import DIR, standard, write_ini

INSTALLER = os.path.join(winelab.BUILD, "samples", "TessaroInstaller.exe")


def launch_flag():
    """The LaunchInstaller value as reg.exe sees it, or None when there is none."""
    done = subprocess.run(["wine", "reg", "query", "HKLM\\Software\\Quorlane\\Brevitane", "/v",
                           "LaunchInstaller"], env=winelab.environment(),
                          stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL, timeout=120)
    return done.stdout.decode("utf-8", "replace") if done.returncode == 0 else None


# The stand-in SHELL32 of the no-administrator case cannot be used here: the
# installer beside Tessaro would load it too.


def no_change():
    pass


def missing_updater():
    write_ini("[Common]\r\nExecFileName=Missing.exe\r\nAppTitle=Tessaro Setup\r\n")


def no_exec_file_name():
    write_ini("[Common]\r\nAppTitle=Tessaro Setup\r\n")


def updater_is_a_directory():
    winelab.reset_dir(DIR + "\\Updates")
    write_ini("[Common]\r\nExecFileName=Updates\r\nAppTitle=Tessaro Setup\r\n")


def old_windows():
    winelab.reset_registry("5.1", "Tessaro.exe")


CASES = [(0, no_change), (4, old_windows), (6, no_exec_file_name),
         (11, missing_updater), (20, updater_is_a_directory)]


@pytest.mark.parametrize("result, arrange", CASES, ids=[str(code) for code, _ in CASES])
def test_exit_code_reaches_the_installer(result, arrange):
    standard()
    arrange()
    os.link(INSTALLER, winelab.windows_to_unix(DIR + "\\TessaroInstaller.exe"))
    assert launch_flag() is None

    # Tessaro's calls are made in a process of its own, so every thread counts.
    run = winelab.run(DIR + "\\TessaroInstaller.exe", all_threads=True)

    assert run.returncode == result
    with open(winelab.windows_to_unix(DIR + "\\TessaroExitCode.txt")) as reported:
        assert reported.read() == str(result)
    assert run.boxes == []
    assert launch_flag() is None  # cleared again
    started = winelab.updater_record(DIR, "Updater.exe") is not None
    assert started == (result == 0)

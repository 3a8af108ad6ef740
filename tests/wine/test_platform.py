"""What only a real Win32 implementation shows: Tessaro.exe under Wine."""
import os
import struct

import pytest

import winelab

DIR = "C:\\Tessaro"
EXE = DIR + "\\Tessaro.exe"
FIRST_KEY = "Software\\Quorlane\\Brevitane"
SECOND_KEY = "Software\\Wow6432Node\\Quorlane\\Brevitane"
UNSUPPORTED = ("The operating system version on your computer is not supported by this "
               "program.\nThe setup will now exit.")


def write_ini(data, windows_dir=DIR, name="Tessaro.ini"):
    with open(os.path.join(winelab.windows_to_unix(windows_dir), name), "wb") as ini:
        ini.write(data if isinstance(data, bytes) else data.encode("utf-8"))


def standard(version="10", entries=(), ini="[Common]\r\nExecFileName=Updater.exe\r\n"
             "AppTitle=Tessaro Setup\r\n", **updater):
    winelab.reset_dir(DIR)
    winelab.place_tessaro(DIR)
    winelab.place_updater(DIR, "Updater.exe", **updater)
    write_ini(ini)
    winelab.reset_registry(version, "Tessaro.exe", entries)


def opened_keys(run):
    return [args[1] for args in run.named("RegOpenKeyExW")]


def caption_reads(run):
    return [args for args in run.named("GetPrivateProfileStringW") if args[1] == "AppTitle"]


def test_platform_receives_the_documented_arguments():
    standard()
    run = winelab.run(EXE)
    assert run.returncode == 0
    (read_exec, read_title) = run.named("GetPrivateProfileStringW")
    assert read_exec[:3] == ["Common", "ExecFileName", ""]
    assert read_exec[4:] == [1000, DIR + "\\Tessaro.ini"]
    assert read_title[1] == "AppTitle" and read_title[4] == 1000
    # Neither key exists: both are tried, under HKEY_LOCAL_MACHINE with KEY_READ.
    assert [(a[0], a[1], a[2], a[3]) for a in run.named("RegOpenKeyExW")] == [
        (0x80000002, FIRST_KEY, 0, 0x20019), (0x80000002, SECOND_KEY, 0, 0x20019)]
    assert run.boxes == [("Update completed.", "Tessaro Setup")]


def test_installer_launch_reads_no_caption_and_never_opens_the_second_key():
    standard(entries=[FIRST_KEY + " LaunchInstaller dword 1",
                      SECOND_KEY + " LaunchInstaller dword 0"])
    run = winelab.run(EXE)
    assert run.returncode == 0
    assert run.boxes == []
    assert caption_reads(run) == []
    assert opened_keys(run) == [FIRST_KEY]
    (query,) = run.named("RegQueryValueExW")
    assert query[1] == "LaunchInstaller" and query[2] == 0


@pytest.mark.parametrize("first, second, silent", [
    ("dword 0", "dword 1", True),
    (None, "dword 1", True),
    ("dword 2", None, False),
    ("sz 1", None, False),
    ("qword 1", None, False),
    ("qword 1", "dword 1", True),
])
def test_installer_launch_flag(first, second, silent):
    entries = []
    if first:
        entries.append(FIRST_KEY + " LaunchInstaller " + first)
    if second:
        entries.append(SECOND_KEY + " LaunchInstaller " + second)
    standard(entries=entries)
    run = winelab.run(EXE)
    assert run.returncode == 0
    assert run.boxes == ([] if silent else [("Update completed.", "Tessaro Setup")])
    assert opened_keys(run) == [FIRST_KEY, SECOND_KEY]


@pytest.mark.parametrize("version, result", [("5.0", 4), ("5.1", 4), ("5.2", 4),
                                             ("6.0", 0), ("6.1", 0), ("6.3", 0), ("10", 0)])
def test_windows_version(version, result):
    standard(version=version)
    run = winelab.run(EXE)
    assert run.returncode == result
    if result == 4:
        assert run.boxes == [(UNSUPPORTED, "Tessaro Setup")]
        assert run.named("CreateProcessW") == []


def test_renamed_executable_still_reads_tessaro_ini():
    standard()
    os.rename(winelab.windows_to_unix(EXE), winelab.windows_to_unix(DIR + "\\Setup.exe"))
    write_ini("[Common]\r\nExecFileName=Other.exe\r\nAppTitle=Wrong\r\n", name="Setup.ini")
    winelab.reset_registry("10", "Setup.exe")
    run = winelab.run(DIR + "\\Setup.exe")
    assert run.returncode == 0
    assert run.boxes == [("Update completed.", "Tessaro Setup")]
    assert winelab.updater_record(DIR, "Updater.exe")["commandline"] == '"%s\\Updater.exe"' % DIR


def test_other_working_directory_and_arguments_change_nothing():
    standard()
    elsewhere = winelab.reset_dir("C:\\Elsewhere")
    write_ini("[Common]\r\nExecFileName=Other.exe\r\nAppTitle=Wrong\r\n", "C:\\Elsewhere")
    run = winelab.run(EXE, args=["/quiet", "ExecFileName=Other.exe", "C:\\Elsewhere"],
                      cwd=elsewhere)
    assert run.returncode == 0
    assert run.boxes == [("Update completed.", "Tessaro Setup")]
    record = winelab.updater_record(DIR, "Updater.exe")
    assert record["commandline"] == '"%s\\Updater.exe"' % DIR
    assert record["cwd"] == DIR


def test_a_long_running_updater_keeps_tessaro_waiting():
    standard(sleep_ms=3000)
    run = winelab.run(EXE)
    assert run.returncode == 0
    assert run.seconds >= 3.0
    assert run.boxes == [("Update completed.", "Tessaro Setup")]


def utf16_with_bom(text):
    return b"\xff\xfe" + text.encode("utf-16-le")


BAD_SETTINGS = [
    ("binary garbage", bytes((i * 37 + 11) % 256 for i in range(4096)).replace(b"[", b"("),
     6, ("Internal Error : 0006", "")),
    ("UTF-16 with byte-order mark",
     utf16_with_bom("[Common]\r\nExecFileName=Updater.exe\r\nAppTitle=Wide Title\r\n"),
     0, ("Update completed.", "Wide Title")),
    ("empty file", b"", 6, ("Internal Error : 0006", "")),
    ("several megabytes",
     b"[Common]\r\nExecFileName=Updater.exe\r\nAppTitle=Big\r\n"
     + b"".join(b"Key%d=%s\r\n" % (i, b"v" * 60) for i in range(60000)),
     0, ("Update completed.", "Big")),
]


@pytest.mark.parametrize("name, data, result, box", BAD_SETTINGS,
                         ids=[row[0] for row in BAD_SETTINGS])
def test_bad_settings_files(name, data, result, box):
    standard(ini=data)
    run = winelab.run(EXE)
    assert run.returncode == result, name
    assert run.boxes == [box], name


def test_a_1200_character_title_is_cut_to_999():
    standard(ini="[Common]\r\nExecFileName=Updater.exe\r\nAppTitle=%s\r\n" % ("T" * 1200))
    run = winelab.run(EXE)
    assert run.returncode == 0
    ((text, caption),) = run.boxes
    assert text == "Update completed."
    # Wine's trace shortens long strings; the whole caption is read back from the
    # window under a display (test_display.py).
    assert set(caption) == {"T"} and (caption.cut or len(caption) == 999)


def test_the_process_entry_hands_wwinmain_its_arguments():
    winelab.reset_dir(DIR)
    program = os.path.join(winelab.PROGRAMS, "show_entry_args.exe")
    os.link(program, winelab.windows_to_unix(DIR + "\\Show Args.exe"))
    plain = winelab.run(DIR + "\\Show Args.exe", args=["a", "b c"])
    assert plain.boxes == [('frame=1 constructed=1 show=0010 args=[a "b c"]', "entry"),
                           ("static destructor ran", "exit")]
    minimized = winelab.run("start", args=["/wait", "/min", DIR + "\\Show Args.exe", "x"],
                            all_threads=True)
    assert minimized.boxes == [("frame=1 constructed=1 show=0002 args=[x]", "entry"),
                               ("static destructor ran", "exit")]


def test_running_out_of_memory_ends_with_exit_code_3():
    run = winelab.run(os.path.join("Z:" + winelab.PROGRAMS.replace("/", "\\"),
                                   "exhaust_memory.exe"))
    assert run.returncode == 3
    assert len(run.boxes) == 1 and "memory" in run.boxes[0][0]


def test_a_failure_before_the_launch_ends_with_exit_code_255():
    run = winelab.run(os.path.join("Z:" + winelab.PROGRAMS.replace("/", "\\"),
                                   "fail_before_launch.exe"))
    assert run.returncode == 255
    assert len(run.boxes) == 1

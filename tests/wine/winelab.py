"""Runs Windows programs under Wine in a prefix of the build folder and reads
back, from Wine's relay trace, the calls that Tessaro made."""
import os
import re
import shutil
import subprocess
import tempfile
import time

BUILD = os.path.abspath(os.environ.get("TESSARO_BUILD", "build/windows"))
PREFIX = os.path.join(BUILD, "wineprefix")
DRIVE_C = os.path.join(PREFIX, "drive_c")
TESSARO_EXE = os.path.join(BUILD, "Tessaro.exe")
PROGRAMS = os.path.join(BUILD, "wine")
UPDATER_EXE = os.path.join(BUILD, "samples", "Updater.exe")
PROBE = "probe-\u00e9t\u00e9"

RELAYED = ["user32.MessageBoxW", "kernel32.CreateProcessW", "advapi32.RegOpenKeyExW",
           "advapi32.RegQueryValueExW", "kernel32.GetPrivateProfileStringW"]

VERSIONS = {"5.0": "win2k", "5.1": "winxp", "5.2": "win2003", "6.0": "vista",
            "6.1": "win7", "6.2": "win8", "6.3": "win81", "10": "win10", "10.0": "win10"}


# The X display that Wine's session uses; None runs everything headless, where
# a message box fails at once. Every Wine process of a session must agree on it.
session = {"display": None}


def environment(debug="-all", not_admin=False):
    """The environment of a Wine process; `not_admin` prefers a SHELL32.dll
    beside the program (see place_not_admin_shell32) to Wine's own."""
    env = {k: v for k, v in os.environ.items() if not k.startswith("WINE")}
    env.pop("DISPLAY", None)
    overrides = "mscoree,mshtml=" + (";shell32=n,b" if not_admin else "")
    env.update(WINEPREFIX=PREFIX, WINEARCH="win32", WINEDEBUG=debug,
               WINEDLLOVERRIDES=overrides, TESSARO_PROBE=PROBE)
    if session["display"]:
        env["DISPLAY"] = session["display"]
    return env


def windows_to_unix(path):
    assert path[1:3] == ":\\" and path[0].upper() == "C", path
    return os.path.join(DRIVE_C, *[p for p in path[3:].split("\\") if p])


def regedit(text):
    """Applies a REGEDIT4 text in the prefix, in the view a 32-bit program sees."""
    path = os.path.join(PREFIX, "drive_c", "tessaro-test.reg")
    with open(path, "w", encoding="latin-1", newline="\r\n") as reg:
        reg.write("REGEDIT4\n\n" + text)
    quiet(["wine", "regedit", "/s", "C:\\tessaro-test.reg"])


def quiet(command, timeout=600, check=True):
    """Runs a Wine tool with its output discarded. Wine's background services
    inherit the output handles, so a pipe there would never close."""
    subprocess.run(command, env=environment(), check=check, stdin=subprocess.DEVNULL,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=timeout)


def set_relay(functions):
    """Limits Wine's relay trace to `functions` ("dll.Function") from the next
    process on."""
    regedit('[HKEY_CURRENT_USER\\Software\\Wine\\Debug]\n"RelayInclude"="%s"\n'
            % ";".join(functions))


def prepare_prefix():
    """Makes the prefix once, headless, with the relay limited to the calls that matter."""
    marker = os.path.join(PREFIX, ".tessaro-ready")
    if not os.path.exists(marker):
        shutil.rmtree(PREFIX, ignore_errors=True)
        os.makedirs(PREFIX, exist_ok=True)
        quiet(["wineboot", "-i"])
        set_relay(RELAYED)
        regedit('[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\n"ShowCrashDialog"=dword:00000000\n')
        open(marker, "w").close()
    # Keep one wineserver for the whole session: each run then takes a fraction
    # of a second. It fails harmlessly when a server is running already.
    quiet(["wineserver", "-p"], check=False)


def stop_prefix():
    subprocess.run(["wineserver", "-k"], env=environment(), stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)


def reset_registry(version, exe_name="Tessaro.exe", entries=()):
    """Clears the product keys, writes `entries` and sets the Windows version
    that `exe_name` is shown."""
    text = ("[-HKEY_LOCAL_MACHINE\\Software\\Quorlane]\n\n"
            "[-HKEY_LOCAL_MACHINE\\Software\\Wow6432Node\\Quorlane]\n\n"
            "[-HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults]\n\n"
            "[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\%s]\n\"Version\"=\"%s\"\n\n"
            % (exe_name, VERSIONS[version]))
    for entry in entries:
        key, name, kind, value = entry.split()
        if kind == "dword":
            data = "dword:%08x" % int(value)
        elif kind == "qword":
            data = "hex(b):" + ",".join("%02x" % b for b in int(value).to_bytes(8, "little"))
        else:
            data = '"%s"' % value
        text += "[HKEY_LOCAL_MACHINE\\%s]\n\"%s\"=%s\n\n" % (key, name, data)
    regedit(text)


def reset_dir(windows_dir):
    path = windows_to_unix(windows_dir)
    shutil.rmtree(path, ignore_errors=True)
    os.makedirs(path)
    return path


def place_tessaro(windows_dir, exe_name="Tessaro.exe"):
    shutil.copy(TESSARO_EXE, os.path.join(windows_to_unix(windows_dir), exe_name))


def place_updater(windows_dir, name, exit_code=0, sleep_ms=None, title=None, crash=False):
    path = os.path.join(windows_to_unix(windows_dir), name)
    shutil.copy(UPDATER_EXE, path)
    with open(path + ".cfg", "w", encoding="utf-8") as cfg:
        cfg.write("exit=%d\n" % exit_code)
        if sleep_ms:
            cfg.write("sleep=%d\n" % sleep_ms)
        if title is not None:
            cfg.write("title=%s\n" % title)
        if crash:
            cfg.write("crash=1\n")
    return path


def place_not_admin_shell32(windows_dir):
    """Puts the SHELL32.dll whose administrator test says no beside Tessaro;
    a run with `not_admin` prefers it to Wine's own."""
    shutil.copy(os.path.join(PROGRAMS, "not-admin", "SHELL32.dll"),
                windows_to_unix(windows_dir))


def updater_record(windows_dir, name):
    """What the test updater wrote about its start, or None when it did not run."""
    path = os.path.join(windows_to_unix(windows_dir), name + ".log")
    if not os.path.exists(path):
        return None
    with open(path, encoding="utf-8") as log:
        return dict(line.rstrip("\n").split("=", 1) for line in log if "=" in line)


_CALL = re.compile(r"^([0-9a-f]{4}):Call (\w+)\.(\w+)\((.*)\) ret=([0-9a-f]{8})$")
_ESCAPES = {"n": "\n", "r": "\r", "t": "\t"}
_HEX = re.compile(r"x?([0-9a-fA-F]{4}|(?<=x)[0-9a-fA-F]{2})")


def _unescape(text):
    """Undoes the escapes of Wine's trace strings: \\n and the like, \\xNN or
    \\NNNN for other characters, and a backslash before any other character."""
    out, i = [], 0
    while i < len(text):
        if text[i] != "\\":
            out.append(text[i])
            i += 1
            continue
        code = _HEX.match(text, i + 1)
        if code:
            out.append(chr(int(code.group(1), 16)))
            i = code.end()
        else:
            out.append(_ESCAPES.get(text[i + 1], text[i + 1]))
            i += 2
    return "".join(out)


def _arguments(text):
    """Splits relay arguments; a string argument becomes its text, a plain one
    its number."""
    args, i = [], 0
    while i < len(text):
        m = re.match(r'([0-9a-f]+)(?: L"((?:[^"\\]|\\.)*)"(\.\.\.)?)?(?:,|$)', text[i:])
        if not m:
            raise ValueError("cannot read relay arguments: " + text)
        if m.group(2) is not None:
            args.append(Text(_unescape(m.group(2)), cut=m.group(3) is not None))
        else:
            args.append(int(m.group(1), 16))
        i += m.end()
    return args


class Text(str):
    """A string argument; `cut` when Wine's trace shortened it."""

    def __new__(cls, value, cut=False):
        self = super().__new__(cls, value)
        self.cut = cut
        return self


class Run:
    def __init__(self, returncode, calls, seconds):
        self.returncode = returncode
        self.calls = calls
        self.seconds = seconds

    def named(self, function):
        return [args for name, args in self.calls if name == function]

    @property
    def boxes(self):
        return [(args[1], args[2]) for args in self.named("MessageBoxW")]


def run(windows_exe, args=(), cwd=None, timeout=120, all_threads=False, not_admin=False):
    """Runs a program by its Windows path with the relay on; returns its exit
    code and the relayed calls that its first thread made (or every thread's,
    when the program is started through another)."""
    env = environment(debug="+relay", not_admin=not_admin)
    with tempfile.TemporaryFile() as trace:
        start = time.monotonic()
        done = subprocess.run(["wine", windows_exe, *args], env=env, cwd=cwd or DRIVE_C,
                              stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=trace, timeout=timeout)
        seconds = time.monotonic() - start
        trace.seek(0)
        text = trace.read().decode("utf-8", "replace")
    calls, thread = [], None
    for line in text.splitlines():
        m = _CALL.match(line)
        if not m:
            continue
        tid, _, function, args, ret = m.groups()
        # Calls made from the program's own image (loaded at its preferred base).
        if not 0x00401000 <= int(ret, 16) < 0x00410000:
            continue
        thread = thread or tid
        if tid == thread or all_threads:
            calls.append((function, _arguments(args)))
    return Run(done.returncode, calls, seconds)

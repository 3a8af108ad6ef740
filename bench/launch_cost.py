#!/usr/bin/python3
"""What one launch through Tessaro costs, under Wine on this machine, against
starting the updater directly and through `cmd /c start /wait`; Tessaro.exe's
size; and the heap allocations of one full successful run."""
import collections
import datetime
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(ROOT, "tests", "wine"))
os.environ.setdefault("TESSARO_BUILD", os.path.join(ROOT, "build", "windows"))

import winelab  # noqa: E402

BENCH_DIR = "C:\\Bench"
ONE_RUN = os.path.join(ROOT, "build", "host-plain", "bench", "tessaro_one_run")
PROGRAM_FILES = {"launch_sequence.cpp", "host_checks.cpp", "run_updater.cpp", "win_main.cpp",
                 "read_setting.cpp", "show_message.cpp", "installer_launch.cpp"}
PLATFORM_FILES = {"machine.cpp", "api_paths.cpp", "api_profile.cpp", "api_registry.cpp",
                  "api_process.cpp", "api_system.cpp"}
FRAME_FILE = re.compile(r"\((\w+\.cpp):\d+\)")


def set_up_bench():
    target = winelab.reset_dir(BENCH_DIR)
    winelab.place_tessaro(BENCH_DIR)
    winelab.place_updater(BENCH_DIR, "Updater.exe")
    shutil.copy(os.path.join(winelab.BUILD, "bench", "five_libraries.exe"),
                os.path.join(target, "FiveLibraries.exe"))
    with open(os.path.join(target, "Tessaro.ini"), "wb") as ini:
        ini.write(b"[Common]\r\nExecFileName=Updater.exe\r\nAppTitle=Tessaro Bench\r\n")
    # An installer launch: no box, as in unattended use.
    winelab.reset_registry("10", "Tessaro.exe",
                           ["Software\\Quorlane\\Brevitane LaunchInstaller dword 1"])


def time_launches(runs):
    commands = {
        "a": ["wine", BENCH_DIR + "\\Updater.exe"],
        "b": ["wine", BENCH_DIR + "\\Tessaro.exe"],
        "c": ["wine", "cmd", "/c", "start", "/wait", BENCH_DIR + "\\Updater.exe"],
        "d": ["wine", BENCH_DIR + "\\FiveLibraries.exe"],
    }
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, "times.json")
        subprocess.run(["hyperfine", "--shell=none", "--warmup", "5", "--runs", str(runs),
                        "--style", "basic", "--export-json", out,
                        *[" ".join("'%s'" % part for part in cmd) for cmd in commands.values()]],
                       env=winelab.environment(), check=True, stdout=subprocess.DEVNULL)
        with open(out) as times:
            results = json.load(times)["results"]
    return {key: result["median"] for key, result in zip(commands, results)}


def real_image_heap():
    """HeapAlloc and HeapFree calls from Tessaro.exe's own code under Wine, and
    the most bytes they held at once."""
    winelab.set_relay(["ntdll.RtlAllocateHeap", "ntdll.RtlFreeHeap"])
    try:
        env = winelab.environment(debug="+relay")
        done = subprocess.run(["wine", BENCH_DIR + "\\Tessaro.exe"], env=env,
                              stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                              stderr=subprocess.PIPE, timeout=120)
    finally:
        winelab.set_relay(winelab.RELAYED)
    call = re.compile(r"^(\w{4}):Call ntdll\.Rtl(Allocate|Free)Heap\((\w+),(\w+),(\w+)\) "
                      r"ret=(\w{8})$")
    ret = re.compile(r"^(\w{4}):Ret  ntdll\.RtlAllocateHeap\(\) retval=(\w+) ret=(\w{8})$")
    allocations, live, peak, sizes, pending = 0, 0, 0, {}, None
    for line in done.stderr.decode("utf-8", "replace").splitlines():
        m = call.match(line)
        if m and 0x00401000 <= int(m.group(6), 16) < 0x00410000:
            if m.group(2) == "Allocate":
                pending = int(m.group(5), 16)
            else:
                live -= sizes.pop(int(m.group(5), 16), 0)
            continue
        m = ret.match(line)
        if m and pending is not None and 0x00401000 <= int(m.group(3), 16) < 0x00410000:
            allocations += 1
            sizes[int(m.group(2), 16)] = pending
            live += pending
            peak = max(peak, live)
            pending = None
    return allocations, peak


def host_heap(dir_length=None):
    """Allocations of one run on the host build, by where they were made."""
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, "dhat.json")
        args = [ONE_RUN, "run"] + ([str(dir_length)] if dir_length else [])
        subprocess.run(["valgrind", "--tool=dhat", "--num-callers=40",
                        "--dhat-out-file=" + out, *args], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with open(out) as report:
            data = json.load(report)
    totals = collections.defaultdict(lambda: [0, 0, 0])
    for pp in data["pps"]:
        owner = "runtime"
        for frame in pp["fs"]:
            m = FRAME_FILE.search(data["ftbl"][frame])
            if m and m.group(1) in PROGRAM_FILES:
                owner = "program"
                break
            if m and m.group(1) in PLATFORM_FILES:
                owner = "simulation"
                break
            if m and m.group(1) == "one_run.cpp":
                owner = "setup"
                break
        totals[owner][0] += pp["tbk"]
        totals[owner][1] += pp["tb"]
        totals[owner][2] += pp["mb"]
    return totals


def main():
    runs = int(os.environ.get("BENCH_RUNS", "30"))
    winelab.prepare_prefix()
    try:
        set_up_bench()
        medians = time_launches(runs)
        allocations, peak = real_image_heap()
    finally:
        winelab.stop_prefix()
    size = os.path.getsize(winelab.TESSARO_EXE)
    host = host_heap()
    host_long = host_heap(dir_length=200)

    print("Tessaro launch cost, %s, under Wine %s, %d runs each (hyperfine medians)"
          % (datetime.date.today().isoformat(),
             subprocess.run(["wine", "--version"], capture_output=True,
                            text=True).stdout.strip(), runs))
    print("  (a) updater started directly:          %7.1f ms" % (medians["a"] * 1000))
    print("  (b) Tessaro.exe starting it:           %7.1f ms" % (medians["b"] * 1000))
    print("  (c) cmd /c start /wait starting it:    %7.1f ms" % (medians["c"] * 1000))
    print("  (d) an empty process with the same five system libraries: %.1f ms"
          % (medians["d"] * 1000))
    print("  (b)/(a) = %.2f   (b)/(c) = %.2f   (b)/((a)+(d)) = %.2f, the floor being 1.00"
          % (medians["b"] / medians["a"], medians["b"] / medians["c"],
             medians["b"] / (medians["a"] + medians["d"])))
    print("Tessaro.exe: %d bytes (%.1f KiB)" % (size, size / 1024))
    print("Heap, one full successful run:")
    print("  Tessaro.exe under Wine: %d HeapAlloc calls, at most %d bytes live at once"
          % (allocations, peak))
    program = host["program"]
    print("  host build under valgrind (DHAT), the program's own code: %d allocations, "
          "%d bytes in all, peak at most %d bytes" % tuple(program))
    print("    with a 200-character directory: %d allocations, %d bytes in all"
          % tuple(host_long["program"][:2]))
    print("    (the simulated platform's own bookkeeping, not counted above: %d allocations)"
          % host["simulation"][0])
    return 0


if __name__ == "__main__":
    sys.exit(main())

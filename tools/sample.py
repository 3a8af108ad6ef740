#!/usr/bin/python3
"""Runs Tessaro.exe under Wine on the bundled sample and says what happened."""
import os
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "wine"))
os.environ.setdefault("TESSARO_BUILD", os.path.join(HERE, "..", "build", "windows"))

import winelab  # noqa: E402

SAMPLES = os.path.join(HERE, "..", "samples")
SAMPLE_DIR = "C:\\Tessaro Sample"

MEANINGS = {
    0: "the updater was started and has ended (whatever its own exit code)",
    1: "Tessaro could not read its own path",
    2: "Tessaro could not take the file name off its own path",
    3: "the settings file's path could not be formed",
    4: "this Windows release is older than Windows Vista (major version below 6)",
    5: "the caller has no administrator rights",
    6: "Tessaro.ini names no updater (ExecFileName is empty or missing)",
    7: "Tessaro could not read its own path a second time",
    8: "the updater's directory could not be formed",
    9: "the updater's directory did not fit its buffer",
    10: "the updater's path could not be formed (longer than 259 characters?)",
    11: "nothing exists at the updater's path",
    20: "the updater was found but could not be started",
}


def main():
    winelab.prepare_prefix()
    try:
        target = winelab.reset_dir(SAMPLE_DIR)
        winelab.place_tessaro(SAMPLE_DIR)
        for name in ("Tessaro.ini", "Updater.exe.cfg"):
            shutil.copy(os.path.join(SAMPLES, name), target)
        shutil.copy(winelab.UPDATER_EXE, target)
        winelab.reset_registry("10")

        print("Running %s\\Tessaro.exe under Wine (headless: a box returns at once)."
              % SAMPLE_DIR)
        print("Tessaro.ini:")
        with open(os.path.join(target, "Tessaro.ini"), encoding="utf-8") as ini:
            for line in ini.read().splitlines():
                print("    " + line)
        run = winelab.run(SAMPLE_DIR + "\\Tessaro.exe")
    finally:
        winelab.stop_prefix()

    code = run.returncode
    print()
    print("Exit code: %d, meaning %s." % (code, MEANINGS.get(code, "an unknown result")))
    if not run.boxes:
        print("Message boxes: none.")
    for text, caption in run.boxes:
        print('Message box: text "%s", caption "%s".' % (text.replace("\n", "\\n"), caption))
    record = winelab.updater_record(SAMPLE_DIR, "Updater.exe")
    if record is None:
        print("The updater did not run.")
    else:
        print("The updater received:")
        print("    command line:      %s" % record["commandline"])
        print("    working directory: %s" % record["cwd"])
        hidden = record["dwFlags"] == "1" and record["wShowWindow"] == "0"
        print("    window:            %s (dwFlags %s, wShowWindow %s)"
              % ("hidden" if hidden else "not hidden", record["dwFlags"],
                 record["wShowWindow"]))
        print("    environment:       TESSARO_PROBE=%s (Tessaro's own environment)"
              % record["env"])
    return 0


if __name__ == "__main__":
    sys.exit(main())

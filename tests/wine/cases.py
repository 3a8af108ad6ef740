"""Reads the table of whole-run cases that the host tests run too
(tests/cases/launch.cases)."""
import os

TABLE = os.path.join(os.path.dirname(__file__), "..", "cases", "launch.cases")


def read_cases(path=TABLE):
    cases = []
    with open(path, encoding="utf-8") as table:
        for number, line in enumerate(table, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            if line.startswith("["):
                cases.append({"name": line[1:line.rindex("]")], "dir": "C:\\Tessaro",
                              "exe": "Tessaro.exe", "ini": None, "version": "10",
                              "admin": "yes", "reg": [], "updater": None,
                              "updater-kind": "program", "updater-exit": "0",
                              "updater-title": None, "inject": [], "text": [],
                              "caption": "", "box": None, "started": None,
                              "result": None})
                continue
            key, sep, value = line.partition(":")
            if not cases or not sep:
                raise ValueError("%s:%d: expected [name] or key: value" % (path, number))
            if value.startswith(" "):
                value = value[1:]
            case = cases[-1]
            if key == "ini":
                case["ini"] = (case["ini"] or []) + [value]
            elif key == "ini-file" and value == "empty":
                case["ini"] = []
            elif key in ("reg", "inject", "text"):
                case[key].append(value)
            elif key in case:
                case[key] = value
            else:
                raise ValueError("%s:%d: unknown key %s" % (path, number, key))
    return cases

"""Runs every case of the shared table that a real Win32 implementation can
produce on the real Tessaro.exe under Wine."""
import pytest

import winelab
from cases import read_cases

CASES = read_cases()


def set_up(case):
    winelab.reset_dir(case["dir"])
    winelab.place_tessaro(case["dir"], case["exe"])
    if case["ini"] is not None:
        ini = winelab.windows_to_unix(case["dir"] + "\\Tessaro.ini")
        with open(ini, "wb") as out:
            out.write("".join(line + "\r\n" for line in case["ini"]).encode("utf-8"))
    name, kind = case["updater"], case["updater-kind"]
    if name and kind == "program":
        code = int(case["updater-exit"])
        # The crash code is made by a real crash.
        winelab.place_updater(case["dir"], name, exit_code=0 if code == 0xC0000005 else code,
                              title=case["updater-title"], crash=code == 0xC0000005)
    elif name and kind == "directory":
        winelab.reset_dir(case["dir"] + "\\" + name)
    elif name:
        with open(winelab.windows_to_unix(case["dir"] + "\\" + name), "w") as data:
            data.write("not a program\r\n")
    winelab.reset_registry(case["version"], case["exe"], case["reg"])
    if case["admin"] == "no":
        winelab.place_not_admin_shell32(case["dir"])


def why_not_on_wine(case):
    if case["inject"]:
        return "a fault that only the simulation can inject"
    return None


@pytest.mark.parametrize("case", CASES, ids=[c["name"] for c in CASES])
def test_case(case):
    reason = why_not_on_wine(case)
    if reason:
        pytest.skip(reason)
    set_up(case)
    run = winelab.run(case["dir"] + "\\" + case["exe"], not_admin=case["admin"] == "no")

    assert run.returncode == int(case["result"])
    if case["box"] == "none":
        assert run.boxes == []
    else:
        assert run.boxes == [("\n".join(case["text"]), case["caption"])]
        owner, _, _, style = run.named("MessageBoxW")[0]
        assert (owner, style) == (0, 0)

    record = winelab.updater_record(case["dir"], case["updater"] or "none")
    if case["started"] == "no":
        assert record is None
        return
    path = case["dir"] + "\\" + case["updater"]
    assert record == {"commandline": '"%s"' % path, "cwd": case["dir"], "dwFlags": "1",
                      "wShowWindow": "0", "env": winelab.PROBE}
    (create,) = run.named("CreateProcessW")
    app, command, pattr, tattr, inherit, flags, env, cwd = create[:8]
    assert (app, command, pattr, tattr, inherit, flags, env, cwd) == (
        0, '"%s"' % path, 0, 0, 0, 0, 0, case["dir"])

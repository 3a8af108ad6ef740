import os
import sys

import pytest

sys.path.insert(0, os.path.dirname(__file__))

import winelab  # noqa: E402


@pytest.fixture(scope="session", autouse=True)
def prefix():
    if not os.path.exists(winelab.TESSARO_EXE):
        pytest.exit("build Tessaro.exe first: cmake --build --preset windows", returncode=2)
    winelab.prepare_prefix()
    yield
    winelab.stop_prefix()

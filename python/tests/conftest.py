# The cross-check runs the command-line tool kavrel-zones on the repository's
# sample stands; ./kavrel.sh python-test tells where both are.
import os
import re
import subprocess
from pathlib import Path

import numpy as np
import pytest


def read_stand_file(path):
    values = [float(text) for text in re.split(r"[,\r\n]+", Path(path).read_text()) if text.strip()]
    count = int(values[2])
    trees = np.array(values[3 : 3 + 3 * count]).reshape(count, 3)
    return (values[0], values[1]), trees


def write_stand_file(path, stand, trees):
    lines = [f"{stand[0]},{stand[1]}", str(len(trees))]
    lines += [f"{x:.3f},{y:.3f},{d:.1f}" for x, y, d in trees]
    Path(path).write_text("\n".join(lines) + "\n")


class ZonesTool:
    def __init__(self, program):
        self.program = program

    def run(self, *arguments):
        return subprocess.run(
            [self.program, *arguments],
            check=True,
            capture_output=True,
            text=True,
            env={**os.environ, "LC_ALL": "C"},
        ).stdout

    def areas(self, path, k):
        """`kavrel-zones --areas` as rows of text, so its numbers are compared as written."""
        return [line.split(",") for line in self.run("--areas", "--order", str(k), str(path)).splitlines()]


@pytest.fixture
def zones_tool():
    program = os.environ.get("KAVREL_ZONES", "")
    if not program or not Path(program).is_file():
        pytest.skip("KAVREL_ZONES does not name the kavrel-zones program")
    return ZonesTool(program)


@pytest.fixture
def sample_stand():
    def path(name):
        stand = Path(os.environ.get("KAVREL_DATA", "/nonexistent")) / name
        if not stand.is_file():
            pytest.skip(f"KAVREL_DATA does not hold the sample stand {name}")
        return stand

    return path

import json
import math
import os
import subprocess

import numpy as np

BATCH = os.environ.get("ORVEN_BATCH", "orven-batch")
# A fixed date, so that the results blocks of two runs can be compared.
DATE = "2026-01-31 14:05:09"


def run_batch(*args):
    return subprocess.run([BATCH, *map(str, args)], capture_output=True, text=True, check=True)


def batch_block(*args):
    """The results block that orven-batch prints, its CR LF line ends kept."""
    return subprocess.run([BATCH, *map(str, args)], capture_output=True, check=True).stdout.decode()


def batch_json(*args):
    return json.loads(run_batch(*args, "--format", "json").stdout)


def batch_refusal(*args):
    """The line orven-batch prints for bad arguments, without the program's name."""
    done = subprocess.run([BATCH, *map(str, args)], capture_output=True, text=True)
    assert done.returncode != 0
    line = done.stderr.strip()
    assert line.startswith("orven-batch: ") and "\n" not in line
    return line[len("orven-batch: "):]


def assert_same(ours, theirs, where="result"):
    """Every figure of orven-batch's JSON is in `ours` with the same value: dicts as attributes
    (or keys), lists as arrays, rows shorter than the array's padded with NaN, null as NaN."""
    if isinstance(theirs, dict):
        for key, value in theirs.items():
            mine = ours[key] if isinstance(ours, dict) else getattr(ours, key)
            assert_same(mine, value, f"{where}.{key}")
    elif isinstance(theirs, list):
        if isinstance(ours, np.ndarray) and ours.ndim == 1:
            assert np.all(np.isnan(ours[len(theirs):])), where
            ours = ours[: len(theirs)]
        assert len(ours) == len(theirs), where
        for k, value in enumerate(theirs):
            assert_same(ours[k], value, f"{where}[{k}]")
    elif theirs is None:
        assert ours is None or math.isnan(ours), where
    elif isinstance(theirs, (int, float)) and not isinstance(theirs, bool):
        assert ours == theirs, f"{where}: {ours!r} != {theirs!r}"
        if isinstance(ours, np.ndarray):
            assert ours.ndim == 0, where
    else:
        assert ours == theirs, f"{where}: {ours!r} != {theirs!r}"

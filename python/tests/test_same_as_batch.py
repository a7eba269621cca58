"""Each function gives the figures that orven-batch gives for the same inputs and seed."""

import io

import numpy as np
import pandas as pd
import pytest

import orven
from conftest import DATE, assert_same, batch_block, batch_json, run_batch


@pytest.mark.parametrize(
    "function, kwargs, args",
    [
        (orven.simple_solver, dict(populations=[5, 3, 4], experiment=1),
         ["simple-solver", "--populations", "5,3,4", "--experiment", "1"]),
        (orven.double_solver, dict(populations=[5, 5, 5, 5, 5], experiment="random", offsets=[1, 2]),
         ["double-solver", "--populations", "5,5,5,5,5", "--experiment", "random",
          "--offsets", "1,2"]),
    ],
)
def test_solvers(function, kwargs, args):
    result = function(**kwargs, seed=3, date=DATE, with_exact=True)
    expected = batch_json(*args, "--seed", 3, "--date", DATE, "--with-exact")
    classes = expected.pop("classes")
    assert_same(result, expected)
    for i, entry in enumerate(classes):
        for key in ("N", "Na", "P0", "mu", "x", "P", "Q", "Xout"):
            assert_same(getattr(result, key)[i], entry[key], f"{key}[{i}]")
    assert result.block == batch_block(*args, "--seed", 3, "--date", DATE)


@pytest.mark.parametrize(
    "function, kwargs, args, outputs",
    [
        (orven.simple_sim, dict(populations=[4, 5, 6], experiment=3),
         ["simple-sim", "--populations", "4,5,6", "--experiment", "3"], ["X"]),
        (orven.double_sim, dict(populations=[3, 4, 5, 3], experiment="random"),
         ["double-sim", "--populations", "3,4,5,3", "--experiment", "random"], ["X1", "X2"]),
        (orven.simple_sim, dict(populations=[5, 5, 5], replications=3, jobs=2),
         ["simple-sim", "--populations", "5,5,5", "--replications", 3, "--jobs", 2], ["X"]),
    ],
)
def test_simulators(function, kwargs, args, outputs):
    result = function(**kwargs, runtime=2e5, seed=7, date=DATE, precision=0.5, with_exact=True)
    expected = batch_json(*args, "--runtime", 2e5, "--seed", 7, "--date", DATE,
                          "--precision", 0.5, "--with-exact")
    rounded = {key: expected.pop(key) for key in ["P", "psum", "p24", *outputs] if key in expected}
    expected.pop("estimates", None)
    assert_same(result, expected)
    assert_same(result.rounded, rounded)
    # The estimates at full precision round to the four-decimal figures (psum is the sum of the
    # rounded figures, as the results window shows it).
    for key, value in rounded.items():
        if key == "psum":
            continue
        full = np.asarray(getattr(result, key))
        assert np.all(np.abs(full - np.asarray(value)) <= 0.5e-4 + 1e-12), key
        assert np.any(full != np.round(full, 4)), key
    assert result.block == batch_block(*args, "--runtime", 2e5, "--seed", 7, "--date", DATE)


@pytest.mark.parametrize(
    "function, kwargs, args",
    [
        (orven.exact_simple, dict(populations=[3, 4], rates=[[1, 0.5, 0.5], [1, 1, 1, 0.25]]),
         ["exact-simple", "--populations", "3,4", "--rates", "[[1,0.5,0.5],[1,1,1,0.25]]"]),
        (orven.exact_double, dict(populations=[2, 3, 2, 3], experiment=1, rates="solver"),
         ["exact-double", "--populations", "2,3,2,3", "--experiment", "1", "--rates", "solver"]),
    ],
)
def test_exact_solutions(function, kwargs, args):
    assert_same(function(**kwargs), batch_json(*args))


@pytest.mark.parametrize(
    "kind, kwargs, args",
    [
        ("simple-solver", dict(populations="1..3x3;2,2", experiment=[0, 2], with_exact=True),
         ["--populations", "1..3x3;2,2", "--experiment", "0,2", "--with-exact"]),
        ("double-sim", dict(populations=[range(2, 4), 3, 3, 3], seeds=range(1, 3), runtime=1000,
                            shard=(2, 3), jobs=2),
         ["--populations", "2..3,3,3,3", "--seeds", "1..2", "--runtime", 1000, "--shard", "2/3",
          "--jobs", 2]),
    ],
)
def test_sweeps(kind, kwargs, args):
    frame = orven.sweep(kind, **kwargs, no_timing=True)
    csv = run_batch("sweep", kind, *args, "--no-timing").stdout
    # A slice's first and last lines name its sweep and its end: comments to a CSV reader.
    expected = pd.read_csv(io.StringIO(csv), dtype={"experiment": str}, comment="#",
                           float_precision="round_trip")
    pd.testing.assert_frame_equal(frame, expected, check_exact=True, check_dtype=False)

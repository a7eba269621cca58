"""A long run's estimates at full precision, with intervals that cover the exact values about as
often as their level says."""

import numpy as np

import orven


def test_a_long_runs_intervals_cover_the_exact_values():
    run = orven.simple_sim(populations=[5, 5, 5], experiment=1, runtime=1e7, seed=1)
    exact = orven.exact_simple(populations=[5, 5, 5], experiment=1)

    assert run.intervals.batch_means == 20
    assert np.any(run.P != np.round(run.P, 4))
    assert abs(run.X - run.rounded.X) <= 0.5e-4 and run.X != run.rounded.X

    covered = np.abs(run.P - exact.P) <= run.intervals.P
    # 18 intervals, each covering with probability 0.95: were they independent, fewer than 14
    # would cover in about two runs of a thousand.
    assert covered.sum() >= 14, covered
    assert abs(run.X - exact.throughput) <= run.intervals.X[0]
    # Not covered by being wide: a half-width of 1E+07 time units is a small fraction of a P.
    assert np.all(run.intervals.P < 0.01) and run.intervals.X[0] < 0.01 * run.X
    z = (run.P - exact.P) / run.intervals.standard_errors_P
    assert np.all(np.abs(z) < 5)

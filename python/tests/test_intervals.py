"""A long run's estimates at full precision, with intervals that cover the exact values."""

import numpy as np

import orven


def test_a_long_runs_intervals_cover_the_exact_values():
    run = orven.simple_sim(populations=[5, 5, 5], runtime=1e7, seed=1)
    exact = orven.exact_simple(populations=[5, 5, 5])

    assert run.intervals.batch_means == 20
    assert np.any(run.P != np.round(run.P, 4))
    assert abs(run.X - run.rounded.X) <= 0.5e-4 and run.X != run.rounded.X

    assert abs(run.X - exact.throughput) <= run.intervals.X[0]
    # The probabilities of one queue sum to 1, so a deviation of one moves the others with it:
    # a queue's whole row can fall outside at once. Half-widths too narrow by the square root
    # of the number of batches would leave most of the 18 uncovered.
    covered = np.abs(run.P - exact.P) <= run.intervals.P
    assert covered.sum() >= 12, covered
    # Not covered by being wide: at this run length a half-width is a small part of a P.
    assert np.all(run.intervals.P < 0.01) and run.intervals.X[0] < 0.01 * run.X
    z = (run.P - exact.P) / run.intervals.standard_errors_P
    assert np.all(np.abs(z) < 5)

"""Solvers, simulators and exact solutions of closed queueing networks with fork/join stations.

Each function runs what the orven-batch subcommand of the same name runs, with keyword
arguments named as its options (``--max-runtime`` is ``max_runtime``); an argument left out
takes the option's default. Results are :class:`Result` objects whose tables are NumPy arrays;
:func:`sweep` gives a pandas DataFrame. Bad arguments raise ValueError with the text that
orven-batch prints; Ctrl-C stops a simulation or a sweep and raises KeyboardInterrupt.
"""

import json
import os

import numpy as np

from . import _orven

__version__ = _orven.__version__

__all__ = [
    "Result",
    "simple_solver",
    "double_solver",
    "simple_sim",
    "double_sim",
    "exact_simple",
    "exact_double",
    "sweep",
]


class Result:
    """The figures of one run as attributes; ``to_dict()`` gives them as a dict."""

    def __init__(self, figures):
        for name, value in figures.items():
            setattr(self, name, _value(value))

    def to_dict(self):
        return {
            name: value.to_dict() if isinstance(value, Result) else value
            for name, value in vars(self).items()
        }

    def __repr__(self):
        return "Result(" + ", ".join(sorted(vars(self))) + ")"


def _numbers(items):
    return all(
        item is None or (isinstance(item, (int, float)) and not isinstance(item, bool))
        for item in items
    )


def _value(value):
    """Lists of numbers become arrays (rows of unequal length padded with NaN, None as NaN)."""
    if isinstance(value, dict):
        return Result(value)
    if not isinstance(value, list) or not value:
        return value
    if all(isinstance(row, list) and _numbers(row) for row in value):
        table = np.full((len(value), max(len(row) for row in value)), np.nan)
        for i, row in enumerate(value):
            table[i, : len(row)] = [np.nan if item is None else item for item in row]
        return table
    if _numbers(value):
        if all(isinstance(item, int) for item in value):
            return np.array(value, dtype=np.int64)
        return np.array([np.nan if item is None else item for item in value], dtype=float)
    return [_value(item) for item in value]


def _text(name, value):
    """An argument as its option's text on orven-batch's command line."""
    if isinstance(value, np.ndarray):
        value = value.tolist()
    if isinstance(value, np.integer):
        value = int(value)
    elif isinstance(value, np.floating):
        value = float(value)
    if name == "rates" and isinstance(value, (list, tuple)):
        return json.dumps(value)
    if name == "shard" and isinstance(value, (list, tuple)):
        if len(value) != 2:
            raise ValueError("shard must be a pair (k, m): the k-th of m slices")
        return "/".join(_text(name, part) for part in value)
    if isinstance(value, str):
        return value
    if isinstance(value, os.PathLike):
        return os.fspath(value)
    if isinstance(value, bool):
        raise TypeError(f"{name}: expected a value, not {value!r}")
    if isinstance(value, int):
        return str(value)
    if isinstance(value, float):
        return repr(value)
    if isinstance(value, range):
        if value.step != 1 or len(value) == 0:
            raise ValueError(f"{name}: a range must have step 1 and at least one value")
        return f"{value.start}..{value.stop - 1}"
    if isinstance(value, (list, tuple)):
        return ",".join(_text(name, item) for item in value)
    raise TypeError(f"{name}: cannot be given as {type(value).__name__}")


def _words(options):
    """The options given, as the words of a command line; flags only when true."""
    words = []
    for name, value in options.items():
        if value is None or value is False:
            continue
        option = "--" + name.replace("_", "-")
        if value is True:
            words.append(option)
        else:
            words += [option, _text(name, value)]
    return words


def _solver_result(figures):
    """A solver's classes as arrays: one entry (or row) per class."""
    classes = figures.pop("classes")
    for key in ("N", "Na", "P0", "mu", "x", "P", "Q", "Xout"):
        figures[key] = [entry[key] for entry in classes]
    return Result(figures)


def simple_solver(*, populations, experiment=None, with_exact=False, seed=None, date=None,
                  output=None):
    """The aggregation solver of the simple network (2 to 4 classes)."""
    return _solver_result(_orven.simple_solver(_words(locals())))


def double_solver(*, populations, offsets=None, experiment=None, with_exact=False, seed=None,
                  date=None, output=None):
    """The aggregation solver of the double network: populations N1..N5, offsets (K1S1, S4)."""
    return _solver_result(_orven.double_solver(_words(locals())))


def simple_sim(*, populations=None, experiment=None, runtime=None, precision=None,
               max_runtime=None, with_exact=False, replications=None, jobs=None, seed=None,
               date=None, output=None):
    """The Monte Carlo simulation of the simple network (three queues)."""
    return Result(_orven.simple_sim(_words(locals())))


def double_sim(*, populations=None, experiment=None, runtime=None, precision=None,
               max_runtime=None, with_exact=False, replications=None, jobs=None, seed=None,
               date=None, output=None):
    """The Monte Carlo simulation of the double network: loop populations N1, N2, N3, N5."""
    return Result(_orven.double_sim(_words(locals())))


def exact_simple(*, populations, experiment=None, rates=None):
    """The exact steady state of the simple network; rates: a preset's name or a rate table."""
    return Result(_orven.exact_simple(_words(locals())))


def exact_double(*, populations, experiment=None, rates=None):
    """The exact steady state of the double network; rates: a preset's name or a rate table."""
    return Result(_orven.exact_double(_words(locals())))


def sweep(kind, *, populations, experiment=None, seeds=None, offsets=None, jobs=None,
          shard=None, with_exact=False, no_timing=False, runtime=None, precision=None,
          max_runtime=None):
    """Every combination of the inputs run as ``kind`` (simple-solver, double-solver,
    simple-sim, double-sim), on every core: one row per case in case order, with the columns
    of ``orven-batch sweep KIND --format csv``."""
    import pandas

    if not isinstance(kind, str):
        raise TypeError(f"kind must be a str, not {type(kind).__name__}")
    options = dict(locals())
    del options["kind"], options["pandas"]
    table = _orven.sweep([kind] + _words(options))
    return pandas.DataFrame(table["rows"], columns=table["columns"])

"""Ctrl-C stops a long run within a fraction of a second, writes nothing, and the module goes on
working."""

import _thread
import threading
import time

import pytest

import orven


@pytest.mark.parametrize(
    "start",
    [
        lambda output: orven.simple_sim(runtime=1e12, output=output),
        lambda output: orven.sweep("double-sim", populations="5,5,5,5", seeds="1..4", runtime=1e12),
    ],
)
def test_ctrl_c_ends_a_long_run(start, tmp_path):
    output = tmp_path / "runs"
    timer = threading.Timer(0.5, _thread.interrupt_main)
    timer.start()
    started = time.monotonic()
    with pytest.raises(KeyboardInterrupt):
        start(output)
    assert time.monotonic() - started < 0.5 + 1.0
    timer.join()
    assert not list(tmp_path.iterdir())
    assert orven.simple_sim(runtime=1000, seed=1, output=output).X > 0
    assert (tmp_path / "runs.txt").exists()

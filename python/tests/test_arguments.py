"""Bad arguments raise ValueError with the line that orven-batch prints for them."""

import pytest

import orven
from conftest import batch_refusal


@pytest.mark.parametrize(
    "function, kwargs, args",
    [
        (orven.simple_solver, dict(populations=[5, 0, 5]),
         ["simple-solver", "--populations", "5,0,5"]),
        (orven.simple_solver, dict(populations=[5, 5, 5, 5, 5]),
         ["simple-solver", "--populations", "5,5,5,5,5"]),
        (orven.simple_solver, dict(populations=[5, 5], experiment=3),
         ["simple-solver", "--populations", "5,5", "--experiment", "3"]),
        (orven.double_solver, dict(populations=[5] * 5, offsets=[6, 0]),
         ["double-solver", "--populations", "5,5,5,5,5", "--offsets", "6,0"]),
        (orven.simple_sim, dict(runtime=-1.0), ["simple-sim", "--runtime", "-1.0"]),
        (orven.double_sim, dict(precision=0.01, max_runtime=10),
         ["double-sim", "--precision", "0.01", "--max-runtime", "10"]),
        (orven.simple_sim, dict(seed=-1), ["simple-sim", "--seed", "-1"]),
        (orven.exact_simple, dict(populations=[5]), ["exact-simple", "--populations", "5"]),
        (orven.exact_double, dict(populations=[2, 2, 2, 2], rates="[[1]"),
         ["exact-double", "--populations", "2,2,2,2", "--rates", "[[1]"]),
    ],
)
def test_refusals_read_as_orven_batchs(function, kwargs, args):
    with pytest.raises(ValueError) as refusal:
        function(**kwargs)
    assert str(refusal.value) == batch_refusal(*args)


def test_sweep_refusals_read_as_orven_batchs():
    for kind, kwargs, args in [
        ("simple-sim", dict(populations="1..3,5,5", jobs=0), ["--populations", "1..3,5,5", "--jobs", "0"]),
        ("simple-solver", dict(populations="5,5", offsets=[1, 1]), ["--populations", "5,5", "--offsets", "1,1"]),
        ("simple-sim", dict(populations="5,5,5", shard=(3, 2)), ["--populations", "5,5,5", "--shard", "3/2"]),
        ("no-such-run", dict(populations="5,5"), ["--populations", "5,5"]),
    ]:
        with pytest.raises(ValueError) as refusal:
            orven.sweep(kind, **kwargs)
        assert str(refusal.value) == batch_refusal("sweep", kind, *args)


def test_arguments_of_the_wrong_kind_raise_type_error():
    with pytest.raises(TypeError):
        orven.simple_sim(populations={"N1": 5})
    with pytest.raises(TypeError):
        orven.simple_solver(populations=[5, 5], colour="red")
    with pytest.raises(TypeError):
        orven.sweep(3, populations="5,5")

# Set-up in two commands: `make run` and `make test` install what is missing, build and go.
PROGRAM ?= orven-simple
PRESET ?= dev
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
SUDO ?= $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: run test bench deps build asan-test format clean install package package-check screenshots \
	cluster-check

# A user runs the programs as they are installed: optimised, without the debug checks; the
# benchmarks measure them so.
run install package bench cluster-check: PRESET = release

deps:
	bash scripts/install-deps

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	./build/$(PRESET)/bin/$(PROGRAM)

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset $(PRESET) -j $(JOBS)

# Every benchmark, then the ratios that the programs' speed is judged by; the results are also
# kept as JSON to compare with a later run.
bench: build
	./build/$(PRESET)/bin/orven-bench --benchmark_out=build/$(PRESET)/bench.json \
		--benchmark_out_format=json

install: build
	$(SUDO) cmake --install build/$(PRESET) --prefix $(PREFIX)

package: build
	cd build/$(PRESET) && cpack -G DEB

package-check: deps
	bash scripts/check-package

# A sweep as a Slurm array job on a one-node cluster started here, and with GNU parallel, joined
# and compared with the same sweep in one process (as root: it starts the daemons itself).
cluster-check: build
	PRESET=$(PRESET) bash scripts/cluster-check

screenshots: deps
	bash scripts/take-screenshots

asan-test:
	$(MAKE) test PRESET=asan

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build

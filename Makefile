# Set-up in two commands: `make run` and `make test` install what is missing, build and go.
PROGRAM ?= orven-simple
PRESET ?= dev
JOBS ?= $(shell nproc)

.PHONY: run test deps build asan-test format clean

deps:
	bash scripts/install-deps

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	./build/$(PRESET)/bin/$(PROGRAM)

test: build
	QT_QPA_PLATFORM=offscreen ctest --preset $(PRESET) -j $(JOBS)

asan-test:
	$(MAKE) test PRESET=asan

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build

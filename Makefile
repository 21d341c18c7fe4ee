# Entry points: `make run` builds and starts the program, `make test` builds
# and runs every test. Both install the Debian packages they need first.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 8)

.PHONY: deps configure build run test bench clean format

deps:
	./scripts/install-deps

configure: deps
	@if [ ! -f $(BUILD_DIR)/CMakeCache.txt ]; then \
		cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo; fi

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/keyloft

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD_DIR) -j $(JOBS) --target benchmarks
	./$(BUILD_DIR)/bench/keyloft-bench

format:
	find app compat services vault scan platform tests tools bench -name '*.cpp' -o -name '*.h' 2>/dev/null \
		| xargs -r clang-format -i

clean:
	rm -rf $(BUILD_DIR)

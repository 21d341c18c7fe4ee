# Entry points: `make run` builds and starts the program, `make test` checks
# the house style, builds and runs every test, `make asan` builds with the
# address and undefined-behaviour sanitizers in build-asan and runs every
# test there. All install the Debian packages they need first.
BUILD_DIR ?= build
ASAN_BUILD_DIR ?= build-asan
JOBS ?= $(shell nproc 2>/dev/null || echo 8)
CLANG_FORMAT ?= clang-format
QMLLINT ?= /usr/lib/qt5/bin/qmllint

CPP_SOURCES = $(shell find app compat services vault scan platform tests tools bench \
	\( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort)
QML_SOURCES = $(shell find qml tests/qml \( -name '*.qml' -o -name '*.js' \) | sort)

.PHONY: deps configure build run test lint bench clean format asan

deps:
	./scripts/install-deps

configure: deps
	@if [ ! -f $(BUILD_DIR)/CMakeCache.txt ]; then \
		cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo; fi

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/keyloft

test: lint build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The C++ as `make format` leaves it, and the QML and scripts as qmllint
# reads them.
lint: deps
	@echo "clang-format --dry-run -Werror: $(words $(CPP_SOURCES)) C++ files"
	@$(CLANG_FORMAT) --dry-run -Werror $(CPP_SOURCES)
	@echo "qmllint: $(words $(QML_SOURCES)) QML and script files"
	@$(QMLLINT) $(QML_SOURCES)

# Leak reports stay on for the tests; the build-time tools run without them
# (Qt's offscreen platform leaks at exit).
asan: deps
	@if [ ! -f $(ASAN_BUILD_DIR)/CMakeCache.txt ]; then \
		cmake -S . -B $(ASAN_BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKEYLOFT_SANITIZE=ON; fi
	cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)
	cd $(ASAN_BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD_DIR) -j $(JOBS) --target benchmarks
	./$(BUILD_DIR)/bench/keyloft-bench

format:
	$(CLANG_FORMAT) -i $(CPP_SOURCES)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR)

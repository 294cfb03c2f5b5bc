# Velmora: the two commands a newcomer needs are `make run` and `make test`.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all setup configure build run test package package-check bench fuzz clean

all: build

setup:
	@scripts/setup.sh

$(BUILD)/CMakeCache.txt:
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

configure: setup $(BUILD)/CMakeCache.txt

build: configure
	@cmake --build $(BUILD) -j $(JOBS) -- --quiet

# Without a display the desktop program cannot start: the command-line
# checker shows what Velmora does on a sample truckload instead.
DEMO_TRUCKLOAD = tests/cli/samples/gasoline-cargo-tank.json

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(BUILD)/bin/velmora; \
	else \
	  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): the desktop program needs one."; \
	  echo "Running the command-line checker on a sample truckload instead:"; \
	  echo "  $(BUILD)/bin/velmora-check check $(DEMO_TRUCKLOAD)"; \
	  echo; \
	  $(BUILD)/bin/velmora-check check $(DEMO_TRUCKLOAD); \
	fi

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Debian packages velmora_<version>_<arch>.deb and velmora-dev_..., built
# with CPack and copied here: sudo apt install ./velmora_*.deb
package: build
	@cd $(BUILD) && cpack -G DEB >/dev/null
	@cp $(BUILD)/velmora_*.deb $(BUILD)/velmora-dev_*.deb .
	@ls velmora_*.deb velmora-dev_*.deb

# The packages unpacked into a temporary root and run from there.
package-check: package
	@scripts/package-check.sh $(BUILD)

bench: setup
	@cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCH=ON >/dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS) --target velmora_bench velmora_scan_bench
	@$(BUILD)-bench/bin/velmora_bench
	@$(BUILD)-bench/bin/velmora_scan_bench

# The readers under libFuzzer with ASan/UBSan, in a build of their own
# (clang); each target runs FUZZ_SECONDS on a copy of its seed corpus.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = load_image item_record dict_block json_truckload clipboard_paste settings_file do_not_ship

fuzz: setup
	@test -f $(FUZZ_BUILD)/CMakeCache.txt || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_SANITIZE=ON -DVELMORA_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS)) -- --quiet
	@tests/fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-asan $(FUZZ_BUILD) velmora_*.deb velmora-dev_*.deb

# Velmora: the two commands a newcomer needs are `make run` and `make test`.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all setup configure build run test bench clean

all: build

setup:
	@scripts/setup.sh

$(BUILD)/CMakeCache.txt:
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

configure: setup $(BUILD)/CMakeCache.txt

build: configure
	@cmake --build $(BUILD) -j $(JOBS) -- --quiet

run: build
	@$(BUILD)/bin/velmora

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: setup
	@cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCH=ON >/dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS) --target velmora_bench
	@$(BUILD)-bench/bin/velmora_bench

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-asan

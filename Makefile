# Tessaril Setup: `make run` and `make test` each install what is missing, build, then act.
BUILD ?= build
JOBS ?= 2
LUA_DIR = $(BUILD)/deps

.PHONY: all setup build run test bench dist format clean

all: build

setup:
	@bash tools/setup.sh
	@bash tools/fetch-lua.sh $(LUA_DIR)

$(BUILD)/CMakeCache.txt: | setup
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	  -DLUA_SOURCE_DIR=$$(ls -d $(abspath $(LUA_DIR))/lua5.1-* | head -n1)

build: setup $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash tools/run-demo.sh $(BUILD)

test: build
	@bash tools/run-tests.sh $(BUILD)

bench: build
	@bash tools/run-bench.sh $(BUILD)

# The zip a player downloads, in $(BUILD)/dist: builds only what it holds.
dist: setup $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target dist

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)

# Tessaril Setup: `make run` and `make test` each install what is missing, build, then act.
BUILD ?= build
JOBS ?= 2
LUA_DIR = $(BUILD)/deps
# The fuzz target of the script layer: a native build with the host's clang, apart from MinGW.
FUZZ_BUILD = $(BUILD)/fuzz
FUZZ_SECONDS ?= 600

.PHONY: all setup build run test bench dist fuzz format clean

all: build

setup:
	@bash tools/setup.sh
	@bash tools/fetch-lua.sh $(LUA_DIR)

$(BUILD)/CMakeCache.txt: | setup
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
	  -DLUA_SOURCE_DIR=$$(ls -d $(abspath $(LUA_DIR))/lua5.1-* | head -n1)

$(FUZZ_BUILD)/CMakeCache.txt: | setup
	cmake -S tests/fuzz -B $(FUZZ_BUILD) -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
	  -DLUA_SOURCE_DIR=$$(ls -d $(abspath $(LUA_DIR))/lua5.1-* | head -n1)

build: setup $(BUILD)/CMakeCache.txt $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

run: build
	@bash tools/run-demo.sh $(BUILD)

test: build
	@bash tools/run-tests.sh $(BUILD)

bench: build
	@bash tools/run-bench.sh $(BUILD)

# The zip a player downloads, in $(BUILD)/dist: builds only what it holds.
dist: setup $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target dist

# As long as asked: make fuzz FUZZ_SECONDS=3600
fuzz: build
	@bash tools/run-fuzz.sh $(BUILD) $(FUZZ_SECONDS) keep

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)

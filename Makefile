# Tessaril Setup: `make run` and `make test` each install what is missing, build, then act.
# Two builds of one source: x86, the program players get (in $(BUILD)), and x64, the same
# program for 64-bit Windows (in $(BUILD)/x64). run, test and bench use the x86 build where
# this host runs 32-bit code and the x64 build where it does not; ARCH=x86 or ARCH=x64 forces one.
BUILD ?= build
JOBS ?= 2
LUA_DIR = $(BUILD)/deps
# The fuzz target of the script layer: a native build with the host's clang, apart from MinGW,
# shared by both trees.
FUZZ_BUILD = $(BUILD)/fuzz
FUZZ_SECONDS ?= 600

ARCH_TREE_x86 = $(BUILD)
ARCH_TREE_x64 = $(BUILD)/x64
TOOLCHAIN_x86 = cmake/mingw-i686.cmake
TOOLCHAIN_x64 = cmake/mingw-x86_64.cmake

# Probed once per make, and only by the targets that run programs.
CHOSEN = $(eval CHOSEN := $$(shell bash tools/arch.sh choose $(ARCH) || echo none))$(CHOSEN)
TREE = $(ARCH_TREE_$(CHOSEN))
SAY = bash tools/arch.sh say

.PHONY: all setup build build-tree run test bench dist fuzz format clean

all: build

setup:
	@bash tools/setup.sh
	@bash tools/fetch-lua.sh $(LUA_DIR)

lua_source = $$(ls -d $(abspath $(LUA_DIR))/lua5.1-* | head -n1)

$(BUILD)/CMakeCache.txt: | setup
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAIN_x86) \
	  -DLUA_SOURCE_DIR=$(lua_source) -DTESSARIL_FUZZ_BUILD=$(abspath $(FUZZ_BUILD))

$(BUILD)/x64/CMakeCache.txt: | setup
	cmake -S . -B $(BUILD)/x64 -DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAIN_x64) \
	  -DLUA_SOURCE_DIR=$(lua_source) -DTESSARIL_FUZZ_BUILD=$(abspath $(FUZZ_BUILD))

$(FUZZ_BUILD)/CMakeCache.txt: | setup
	cmake -S tests/fuzz -B $(FUZZ_BUILD) -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
	  -DLUA_SOURCE_DIR=$(lua_source)

# The tree that run, test and bench use, with the fuzz target.
build-tree: setup $(TREE)/CMakeCache.txt $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(TREE) -j $(JOBS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

build: arch-check
	@$(MAKE) --no-print-directory build-tree ARCH=$(CHOSEN)

run: arch-check
	@$(SAY) running $(CHOSEN)
	@$(MAKE) --no-print-directory build-tree ARCH=$(CHOSEN) && bash tools/run-demo.sh $(TREE); \
	  rc=$$?; $(SAY) ran $(CHOSEN); exit $$rc

test: arch-check
	@$(SAY) testing $(CHOSEN)
	@$(MAKE) --no-print-directory build-tree ARCH=$(CHOSEN) && bash tools/run-tests.sh $(TREE); \
	  rc=$$?; $(SAY) tested $(CHOSEN); exit $$rc

bench: arch-check
	@$(SAY) benchmarking $(CHOSEN)
	@$(MAKE) --no-print-directory build-tree ARCH=$(CHOSEN) && bash tools/run-bench.sh $(TREE); \
	  rc=$$?; $(SAY) benchmarked $(CHOSEN); exit $$rc

# Stops with the probe's sentence when the asked-for build cannot run here.
.PHONY: arch-check
arch-check:
	@test "$(CHOSEN)" != none

# The zip a player downloads, in $(BUILD)/dist: the 32-bit program, whatever the host runs.
# Signed with the publisher's certificate when asked (tools/sign_release.py):
#   make dist SIGN_PFX=cert.p12 SIGN_PASSWORD_FILE=pass.txt [SIGN_URL=...] [SIGN_TIMESTAMP_URL=...]
# make hands variables from its command line down to the build as they are; the packer runs in
# $(BUILD) and takes relative paths from here.
dist: setup $(BUILD)/CMakeCache.txt
	SIGN_BASE_DIR='$(CURDIR)' cmake --build $(BUILD) -j $(JOBS) --target dist

# As long as asked: make fuzz FUZZ_SECONDS=3600
fuzz: setup $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@bash tools/run-fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) keep

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)

# The two commands of the README, and the builds they stand on.
#   make test   everything CI runs: unit tests (plain and under sanitizers,
#               with bounded fuzz runs), the Windows builds, the end-to-end
#               tests under Wine
#   make demo   the programs on a simulated board, with a screenshot
#   make dist   the deliverables in dist/win64 and dist/win32, and the driver
#               disk as dist/drivedisk-win32.zip and dist/drivedisk-win64.zip

JOBS ?= $(shell nproc)

.PHONY: all deps native sanitize fuzz win64 win32 test unit-test sanitize-test e2e-test imports-test imports demo dist bench leak-bench cost-bench soak clean

all: native win64 win32

deps:
	@tools/install-deps.sh

native: deps
	cmake --preset native >/dev/null
	cmake --build --preset native -j $(JOBS)

win64: deps
	cmake --preset win64 >/dev/null
	cmake --build --preset win64 -j $(JOBS)

win32: deps
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 -j $(JOBS)

unit-test: native
	ctest --preset native

# The unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and every fuzz target for a bounded time.
sanitize: deps
	cmake --preset sanitize >/dev/null
	cmake --build --preset sanitize -j $(JOBS)

sanitize-test: sanitize
	ctest --preset sanitize

# Every fuzz target for five minutes (FUZZ_SECONDS), with their executions.
FUZZ_SECONDS ?= 300
fuzz: sanitize
	tools/run-fuzz.sh $(FUZZ_SECONDS)

e2e-test: win64
	ctest --preset win64

test: unit-test sanitize-test e2e-test imports-test

# The 32-bit programs' imported DLLs and functions against the reviewed
# lists in medium/imports/win32; `make imports` rewrites the lists.
imports-test: win32
	tools/program_imports.py check build/win32 medium/imports/win32 i686-w64-mingw32-objdump

imports: win32
	tools/program_imports.py update build/win32 medium/imports/win32 i686-w64-mingw32-objdump

bench: native
	build/native/kalvor/search_convergence
	build/native/pelmox/bench/view_tick_bench

# kalvor over an hour of (shortened) polling ticks and pelmox over 10,000
# (shortened) view ticks, in a Wine session of their own.
leak-bench: win64
	tools/run-bench.sh build/leak-bench kalvor_leak_bench.exe pelmox_leak_bench.exe

# The three monitors side by side for SOAK_MINUTES on a scripted board,
# their handles, GDI and USER objects and private bytes after the first
# fault and at the end.
SOAK_MINUTES ?= 30
soak: win64
	tools/run-bench.sh build/soak "soak_bench.exe $(SOAK_MINUTES)"

# pelmox's processor time idle in the tray, beside a minimal tray monitor's.
cost-bench: win64
	tools/run-bench.sh build/cost-bench pelmox_cost_bench.exe

demo: win64
	tools/demo.sh

dist: win64 win32
	rm -rf dist
	cmake --install build/win64 --prefix dist/win64 >/dev/null
	cmake --install build/win32 --prefix dist/win32 >/dev/null
	for bits in win32 win64; do \
	  (cd dist/$$bits/medium && cmake -E tar cf ../../drivedisk-$$bits.zip --format=zip $$(ls)) || exit 1; \
	done
	@find dist -type f | sort

clean:
	rm -rf build dist

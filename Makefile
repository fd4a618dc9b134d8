# Front door. `make` installs what the build lacks (as root), then builds
# every tree; `make test` runs every test.
NATIVE := build/native
WIN32DIR := build/win32
# A 64-bit twin of the launcher and the Windows-side test programs, for
# machines that refuse 32-bit programs; never shipped.
WIN64DIR := build/win64
JOBS ?= 2
# Every native tree runs, inspects or installs what the cross trees made.
CROSS_TREES := -DLAUNCHER_WIN32_DIR=$(abspath $(WIN32DIR)) -DLAUNCHER_WIN64_DIR=$(abspath $(WIN64DIR))
# The system's Python (the rig is stdlib only) rather than a shim on PATH;
# the rig is imported as a package from the repository's root.
PYTHON := $(or $(wildcard /usr/bin/python3),python3)
export PYTHONDONTWRITEBYTECODE := 1

ASAN := build/asan

.PHONY: all setup native win32 win64 test sanitize deps demo bench fuzz fuzz-smoke install uninstall package clean

all: native win32 win64

# What the build and the tests need, when something is missing (deps.sh says
# what it installs; `make deps` installs the same unconditionally).
setup:
	bash scripts/deps.sh --if-missing

native: setup
	cmake -S . -B $(NATIVE) $(CROSS_TREES) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(NATIVE) -j $(JOBS)

win32: setup
	cmake -S . -B $(WIN32DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw32.cmake -DCMAKE_BUILD_TYPE=MinSizeRel
	cmake --build $(WIN32DIR) -j $(JOBS)

win64: setup
	cmake -S . -B $(WIN64DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw64.cmake -DCMAKE_BUILD_TYPE=MinSizeRel
	cmake --build $(WIN64DIR) -j $(JOBS)

deps:
	bash scripts/deps.sh

test:
	$(MAKE) all
	ctest --test-dir $(NATIVE) --output-on-failure -j $(JOBS); rc=$$?; \
	  bash scripts/test-summary.sh $(NATIVE)/Testing/Temporary/LastTest.log; exit $$rc
	$(MAKE) sanitize
	$(MAKE) fuzz-smoke

# A sample installer cut onto floppy images and set up from them by the real
# launcher under Wine, the disks swapped at each prompt; DEMO_ARGS=--keep
# keeps the Wine prefix.
demo:
	$(MAKE) all
	PYTHONPATH=$(CURDIR) $(PYTHON) demo/run_demo.py $(DEMO_ARGS)

# The unit and fault tests again, under AddressSanitizer and UBSan.
sanitize:
	cmake -S . -B $(ASAN) $(CROSS_TREES) -DCMAKE_BUILD_TYPE=Debug -DLAUNCHER_SANITIZE=ON
	cmake --build $(ASAN) -j $(JOBS)
	ctest --test-dir $(ASAN) --output-on-failure -j $(JOBS) -R '^(unit|fault)[.]'

# libFuzzer over the WinInit.Ini editor, the assembly, and pieceset's header
# decodes and set walk, built with clang++
# in a tree of its own; FUZZ_SECONDS per target (default 300), FUZZ_SEED
# (default 0: a new one each run, named when a run fails). The corpus is
# kept in build/fuzz/corpus between runs.
FUZZERS := tests/fault/fuzz_wininit tests/fault/fuzz_assembly tests/tool/fuzz_recovery_header \
  tests/tool/fuzz_piece_header tests/tool/fuzz_set_walk
fuzz:
	cmake -S . -B build/fuzz $(CROSS_TREES) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLAUNCHER_FUZZ=ON
	cmake --build build/fuzz -j $(JOBS) --target $(notdir $(FUZZERS))
	@for p in $(FUZZERS); do f=$${p##*/}; \
	  mkdir -p build/fuzz/corpus/$$f; \
	  echo "$$f: fuzzing for $(or $(FUZZ_SECONDS),300) s"; \
	  build/fuzz/$$p -max_total_time=$(or $(FUZZ_SECONDS),300) -seed=$(or $(FUZZ_SEED),0) \
	    -timeout=10 -print_final_stats=1 build/fuzz/corpus/$$f > build/fuzz/$$f.log 2>&1; rc=$$?; \
	  grep -E '^stat::number_of_executed_units|^stat::new_units_added' build/fuzz/$$f.log | sed "s/^/$$f: /"; \
	  if [ $$rc -ne 0 ]; then tail -n 60 build/fuzz/$$f.log; \
	    seed=$$(sed -n 's/^INFO: Seed: \([0-9]*\).*/\1/p' build/fuzz/$$f.log | head -n 1); \
	    echo "$$f failed (FUZZ_SEED=$$seed runs it again); log in build/fuzz/$$f.log"; exit 1; fi; \
	done

# The same, bounded, as the last step of `make test`.
fuzz-smoke:
	$(MAKE) fuzz FUZZ_SECONDS=20 FUZZ_SEED=1

# Throughput, peak memory, start-up and hand-off of the real launcher under
# Wine, and pieceset's cut against split; several minutes, not part of `make
# test`. Checks its own arithmetic first; writes docs/benchmarks.md and .json.
bench: all
	PYTHONPATH=$(CURDIR) $(PYTHON) -m unittest tests/bench/test_report.py
	PYTHONPATH=$(CURDIR) $(PYTHON) -m bench.run

# pieceset, the launcher it puts on disk 1 (taken from the win32 tree), its
# manual and bash completion, under PREFIX (and DESTDIR, for staging).
PREFIX ?= /usr/local
LAUNCHER_EXE = $(abspath $(WIN32DIR))/launcher.exe
install: native win32
	cmake -S . -B $(NATIVE) $(CROSS_TREES) -DLAUNCHER_EXE=$(LAUNCHER_EXE) >/dev/null
	DESTDIR="$(DESTDIR)" cmake --install $(NATIVE) --prefix "$(PREFIX)"

# What `make install` wrote, as its manifest lists it (the same PREFIX and
# DESTDIR); the package is removed with `apt-get remove pieceset`.
uninstall:
	@test -f $(NATIVE)/install_manifest.txt || \
	  { echo "uninstall: $(NATIVE)/install_manifest.txt is missing: nothing was installed from this tree"; exit 1; }
	sed 's|^|$(DESTDIR)|' $(NATIVE)/install_manifest.txt | xargs -d '\n' rm -f
	-rmdir "$(DESTDIR)$(PREFIX)/share/kqlauncher" 2>/dev/null
	rm -f $(NATIVE)/install_manifest.txt

# The same as a Debian package, pieceset_VERSION-1_ARCH.deb in the native tree.
package: native win32
	cmake -S . -B $(NATIVE) $(CROSS_TREES) -DLAUNCHER_EXE=$(LAUNCHER_EXE) >/dev/null
	cd $(NATIVE) && cpack -G DEB

clean:
	rm -rf build

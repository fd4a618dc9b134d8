# Front door. `make` builds both trees, `make test` runs every test.
NATIVE := build/native
WIN32DIR := build/win32
JOBS ?= 2

.PHONY: all native win32 test deps demo bench fuzz clean

all: native win32

native:
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(NATIVE) -j $(JOBS)

win32:
	cmake -S . -B $(WIN32DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw32.cmake -DCMAKE_BUILD_TYPE=MinSizeRel
	cmake --build $(WIN32DIR) -j $(JOBS)

deps:
	bash scripts/deps.sh

test:
	bash scripts/deps.sh --if-missing
	$(MAKE) all
	ctest --test-dir $(NATIVE) --output-on-failure -j $(JOBS)

clean:
	rm -rf build

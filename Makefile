# Quorvel 2.0: `make run` plays, `make test` checks everything.
# Both install what a fresh Debian 12 machine lacks, then build with CMake and Ninja.

PACKAGES := g++ clang llvm cmake ninja-build pkg-config make \
            libpng-dev libjpeg-dev zlib1g-dev libgtk-3-dev libcairo2-dev libpixman-1-dev \
            libgtest-dev libgmock-dev libbenchmark-dev libclang-rt-14-dev \
            xvfb xauth xdotool x11-utils x11-xkb-utils imagemagick fonts-dejavu-core perl strace \
            libjpeg-turbo-progs
# The Windows program: cross-built with MinGW-w64, played under Wine by the tests.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS := $(shell nproc)

.PHONY: deps windows-deps build windows run test test-asan fuzz bench art clean

# Installs those of the packages ($(1)) that are missing, with apt-get's options $(2).
define install_missing
	@missing=$$(for p in $(1); do dpkg -s $$p >/dev/null 2>&1 || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update -q && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q $(2) $$missing; \
	fi
endef

deps:
	$(call install_missing,$(PACKAGES))

# After deps, whatever -j says: two apt-gets at once fight over the package lock.
windows-deps: deps
	$(call install_missing,$(WINDOWS_PACKAGES),--no-install-recommends)

build: deps
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS)

# build-windows/quorvel.exe and build-windows/quorvel-windows.zip (the exe and Grafik/).
windows: windows-deps
	cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw_w64_x86_64.cmake
	cmake --build build-windows -j $(JOBS)

run: build
	./build/quorvel

test: build windows
	ctest --test-dir build --output-on-failure -j $(JOBS)
	$(MAKE) test-asan
	$(MAKE) fuzz

test-asan: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		ctest --test-dir build-asan --output-on-failure -j $(JOBS)

# A short run of every fuzz target over its corpus, plus a few seconds of new inputs
# (kept in build-fuzz, so the committed seeds stay as they are). Every sanitizer finding
# stops a run; the canary, a deliberate signed overflow, shows that it still does.
fuzz: export UBSAN_OPTIONS = halt_on_error=1:print_stacktrace=1
fuzz: deps
	CXX=clang++ CC=clang cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzz_targets
	@for f in build-fuzz/tests/fuzz/fuzz_*; do \
		[ -x "$$f" ] || continue; \
		name=$$(basename $$f); corpus=tests/fuzz/corpus/$${name#fuzz_}; \
		found=build-fuzz/corpus/$${name#fuzz_}; mkdir -p $$found; \
		echo "== $$name"; \
		$$f -max_total_time=10 -rss_limit_mb=1024 $$found $$corpus || exit 1; \
	done
	@echo "== canary_signed_overflow, which must stop"; \
	if build-fuzz/tests/fuzz/canary_signed_overflow -runs=10 -artifact_prefix=build-fuzz/ \
		>build-fuzz/canary.log 2>&1; then \
		cat build-fuzz/canary.log; echo "undefined behaviour did not stop a fuzz run"; exit 1; \
	fi; \
	grep -q "signed integer overflow" build-fuzz/canary.log || { cat build-fuzz/canary.log; exit 1; }

# A frame on the software device against pixman; then the game itself under Xvfb, at rest
# and in play: CPU of the game and of the X server, resident memory.
bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build build-bench -j $(JOBS) --target bench_frame quorvel
	./build-bench/bench/bench_frame
	bash bench/game_cpu.sh build-bench .

art: deps
	cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j $(JOBS) --target artgen
	./build/tools/artgen .

clean:
	rm -rf build build-asan build-fuzz build-bench build-windows

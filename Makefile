# Brivon — build, test and run on Debian 12.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := $(patsubst tests/fuzz/fuzz_%.cpp,%,$(wildcard tests/fuzz/fuzz_*.cpp))
PREFIX     ?= /usr/local
JOBS       ?= $(shell nproc)
SIM_ARGS   ?=
SUDO       := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

DEB_PACKAGES := g++ cmake make ninja-build pkg-config \
	qt6-base-dev qt6-serialport-dev libqt6svg6 libgl-dev \
	libgtest-dev libgmock-dev libbenchmark-dev \
	libqcustomplot-dev libqcustomplot2.1-qt6 \
	fonts-liberation poppler-utils clang-tidy clang-format

.PHONY: deps build test test-plain test-sanitize fuzz run bench install clean

# Installs only what is missing, so a second run touches nothing.
deps:
	@missing=$$(for p in $(DEB_PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	else echo "All build packages are installed."; fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRIVON_SANITIZE=ON -DBRIVON_BENCH=OFF

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

test-plain: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-sanitize: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
		ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS)

# The whole suite, then again under AddressSanitizer and UndefinedBehaviorSanitizer.
test: test-plain test-sanitize

$(FUZZ_BUILD)/build.ninja:
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++-14 -DBRIVON_FUZZ=ON

# Each fuzz target runs FUZZ_SECONDS on a copy of its seed corpus (the copy
# grows, the repository's corpus stays as it is), with the libFuzzer options
# in tests/fuzz/fuzz_<target>.flags when there is one; a crash stops with its
# input saved in $(FUZZ_BUILD)/crashes/.
# Only the fuzz targets need clang and its sanitizer runtime.
fuzz: DEB_PACKAGES += clang-14 libclang-rt-14-dev
fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@mkdir -p $(FUZZ_BUILD)/crashes
	@for t in $(FUZZ_TARGETS); do \
		rm -rf $(FUZZ_BUILD)/corpus/$$t && mkdir -p $(FUZZ_BUILD)/corpus && \
		cp -r tests/fuzz/corpus/$$t $(FUZZ_BUILD)/corpus/$$t && \
		echo "fuzz_$$t: $(FUZZ_SECONDS) s" && \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ./$(FUZZ_BUILD)/fuzz_$$t \
			-max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $$(cat tests/fuzz/fuzz_$$t.flags 2>/dev/null) \
			-artifact_prefix=$(FUZZ_BUILD)/crashes/$$t- $(FUZZ_BUILD)/corpus/$$t || exit 1; \
	done

# Starts the program; with no USB serial adapter attached, or with SIM_ARGS (the
# simulated meter's options, e.g. SIM_ARGS="--survey-room 4x5"), it talks to the simulated meter.
run: build
	@if [ -z '$(SIM_ARGS)' ] && ls /dev/ttyUSB* /dev/ttyACM* >/dev/null 2>&1; then ./$(BUILD)/brivon; \
	else echo "Starting with the simulated meter."; ./$(BUILD)/brivon --simulate-with '$(SIM_ARGS)'; fi

bench: build
	./$(BUILD)/brivon-bench

# The programs, the user's guide, the icon and the desktop entry under PREFIX
# (staged under DESTDIR when set); sudo only when the target is not writable.
install: build
	@target="$(DESTDIR)$(PREFIX)"; sudo=""; \
	mkdir -p "$$target" 2>/dev/null && [ -w "$$target" ] || sudo="$(SUDO)"; \
	$$sudo env DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

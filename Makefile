# Set-up and entry points. Every target installs what is missing, so a
# fresh Debian machine needs nothing but this file and the sources.
BUILD     ?= build
JOBS      ?= $(shell nproc)
SUDO      := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
DEB_BUILD := cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools \
             libgl-dev libgtest-dev libgmock-dev libbenchmark-dev \
             fonts-dejavu-core librsvg2-bin rapidjson-dev
# Readers the tests check the exports and the manuals with: ezdxf (DXF),
# pdfinfo, pdftoppm and pdftotext; appstreamcli; groff.
DEB_BUILD += python3-ezdxf poppler-utils appstream groff-base
STAMP     := $(BUILD)/.deps-installed
# Only the fuzzer needs clang and its runtime (libFuzzer, sanitizers).
DEB_FUZZ  := clang libclang-rt-14-dev

SANITIZE_BUILD := build-sanitize
FUZZ_BUILD     := build-fuzz
# Seconds one input may take to load, paint and save before it counts as a
# finding.
FUZZ_TIMEOUT   ?= 30
FUZZ_SECONDS   ?= 300
FUZZ_STAMP     := $(FUZZ_BUILD)/.deps-installed
FUZZ_ENV       := QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp
FUZZ_ARGS       = -max_total_time=$(FUZZ_SECONDS) -timeout=$(FUZZ_TIMEOUT) -rss_limit_mb=2560 \
                  -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/crashes/

# Leaks are checked at exit; Qt's own caches are suppressed in tests/lsan.supp.
SANITIZE_ENV := QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

.PHONY: all deps configure build run test bench clean test-sanitize fuzz fuzz-json fuzz-build

# Installs the packages of $(1) that are not there yet; apt-get update runs
# only when something is missing.
define install_missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

all: build

$(STAMP):
	$(call install_missing,$(DEB_BUILD))
	@mkdir -p $(BUILD) && touch $@

$(FUZZ_STAMP):
	$(call install_missing,$(DEB_BUILD) $(DEB_FUZZ))
	@mkdir -p $(FUZZ_BUILD) && touch $@

deps: $(STAMP)

$(BUILD)/CMakeCache.txt: $(STAMP)
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set); start it with: xvfb-run -a $(BUILD)/korvada"; \
	else \
	  $(BUILD)/korvada; \
	fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The whole suite in one process under the address, leak and
# undefined-behaviour sanitizers; any report fails it.
test-sanitize: $(STAMP)
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKORVADA_SANITIZE=ON
	$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	$(SANITIZE_ENV) $(SANITIZE_BUILD)/korvada_tests

# Feeds the drawing reader, painter and writer arbitrary bytes for
# FUZZ_SECONDS; a crash leaves its input in $(FUZZ_BUILD)/crashes/.
fuzz: fuzz-build
	@mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/crashes
	$(FUZZ_ENV) $(FUZZ_BUILD)/korvada-fuzz-load $(FUZZ_ARGS) -max_len=4096 \
	  $(FUZZ_BUILD)/corpus fuzz/corpus tests/data/damaged tests/data/fuzz

# The same for the JSON that korvada-cli pack reads.
fuzz-json: fuzz-build
	@mkdir -p $(FUZZ_BUILD)/corpus-json $(FUZZ_BUILD)/crashes
	$(FUZZ_ENV) $(FUZZ_BUILD)/korvada-fuzz-json $(FUZZ_ARGS) -max_len=8192 \
	  $(FUZZ_BUILD)/corpus-json fuzz/corpus-json

fuzz-build: $(FUZZ_STAMP)
	CC=clang CXX=clang++ cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# BENCH_ARGS passes options on, e.g. BENCH_ARGS=--benchmark_filter=Load
bench: build
	$(BUILD)/korvada-bench $(BENCH_ARGS)
	@echo; echo "korvada-cli render against its floor, whole processes, medians of 11:"
	@mkdir -p $(BUILD)/bench-render
	@for n in 1000 10000 100000; do \
	  python3 bench/cli-start/make_drawing.py $$n $(BUILD)/bench-render/mixed_$$n.kvd; done
	python3 bench/cli-start/compare_render.py $(BUILD)/korvada-cli $(BUILD)/korvada-render-floor \
	  $(BUILD)/bench-render 11 1000,10000,100000

clean:
	rm -rf $(BUILD)

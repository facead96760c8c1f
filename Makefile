# Set-up and entry points. Every target installs what is missing, so a
# fresh Debian machine needs nothing but this file and the sources.
BUILD     ?= build
JOBS      ?= $(shell nproc)
SUDO      := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
DEB_BUILD := cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools \
             libgl-dev libgtest-dev libgmock-dev libbenchmark-dev \
             fonts-dejavu-core
STAMP     := $(BUILD)/.deps-installed

.PHONY: all deps configure build run test bench clean

all: build

# Installs only the packages that are not there yet; apt-get update runs
# only when something is missing.
$(STAMP):
	@missing=""; for p in $(DEB_BUILD); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
	@mkdir -p $(BUILD) && touch $@

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

bench: build
	$(BUILD)/korvada-bench

clean:
	rm -rf $(BUILD)

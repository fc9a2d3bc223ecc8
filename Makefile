# Kestrel: `make run` starts the program, `make test` runs every test.
# Both install the Debian packages that are missing first (as root, or through sudo).

BUILD     ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
SHARED    ?= ../shared
PACKAGES  := cmake make g++ python3 qtbase5-dev qttools5-dev qttools5-dev-tools \
             libqt5svg5-dev libxml2-dev xvfb xauth

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test bench sanitize clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Without a display the editor runs on a virtual one (see the README for screenshots).
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then $(BUILD)/src/kestrel; \
	else echo "No display: starting the editor under Xvfb"; xvfb-run -a -s "-screen 0 1400x900x24" $(BUILD)/src/kestrel; fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Benchmarks on generated files: the generator is a team tool kept beside the project.
bench: build
	@mkdir -p $(BUILD)/bench-data
	@for n in 20 200; do \
	  f=$(BUILD)/bench-data/ieds$$n.scd; \
	  [ -f $$f ] || python3 $(SHARED)/tools/gen_scd.py --ieds $$n -o $$f || exit 1; \
	done
	$(BUILD)/bench/kestrel-bench $(BUILD)/bench-data/ieds20.scd $(BUILD)/bench-data/ieds200.scd
	$(BUILD)/bench/kestrel-openbench $(BUILD)/bench-data/ieds20.scd $(BUILD)/bench-data/ieds200.scd

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DKESTREL_SANITIZE=ON
	cmake --build $(BUILD)-asan -j $(JOBS)
	cd $(BUILD)-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# libFuzzer on the reader, writer and both checks, for FUZZ_SECONDS, one worker that
# carries on past a finding. Its corpus, log and findings (crash-*, leak-*, oom-*,
# timeout-*) stay in $(FUZZ_BUILD).
FUZZ_BUILD    ?= build-fuzz
FUZZ_SECONDS  ?= 600
FUZZ_FLAGS    ?= -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1
FUZZ_PACKAGES := clang libclang-rt-14-dev

.PHONY: fuzz
fuzz: PACKAGES += $(FUZZ_PACKAGES)
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DKESTREL_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_reader
	@mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/findings
	@find tests/data \( -name '*.scd' -o -name '*.icd' -o -name '*.cid' -o -name '*.xml' \) \
	  -exec cp -n {} $(FUZZ_BUILD)/corpus/ \;
	cd $(FUZZ_BUILD) && ./tests/fuzz/fuzz_reader $(FUZZ_FLAGS) -max_total_time=$(FUZZ_SECONDS) \
	  -rss_limit_mb=1500 -timeout=20 -dict=$(CURDIR)/tests/fuzz/xml.dict -artifact_prefix=findings/ corpus

clean:
	rm -rf $(BUILD) $(BUILD)-asan

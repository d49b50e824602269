# The two entry points: `make demo` runs the main job, `make test` the tests.
# Both install what they need first.
JOBS ?= $(shell nproc)
BUILD_TEST = build/test
BUILD_RELEASE = build/release
BUILD_FUZZ = build/fuzz
FUZZ_SECONDS ?= 300

.PHONY: bootstrap test demo release configure-test clean bench fuzz

bootstrap:
	./scripts/bootstrap

$(BUILD_TEST)/build.ninja: | bootstrap
	cmake -S . -B $(BUILD_TEST) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DAMBERTIDE_SANITIZE=ON \
	  -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g"

$(BUILD_RELEASE)/build.ninja: | bootstrap
	cmake -S . -B $(BUILD_RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DAMBERTIDE_TESTS=OFF -DAMBERTIDE_BENCH=ON

test: bootstrap $(BUILD_TEST)/build.ninja
	cmake --build $(BUILD_TEST) -j $(JOBS)
	cd $(BUILD_TEST) && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 600

release: bootstrap $(BUILD_RELEASE)/build.ninja
	cmake --build $(BUILD_RELEASE) -j $(JOBS)

demo: release
	./scripts/demo $(BUILD_RELEASE)/ambertide

bench: release
	./scripts/bench $(BUILD_RELEASE)

# The parser's libFuzzer target (needs clang); not part of CI.
fuzz: bootstrap
	cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAMBERTIDE_TESTS=OFF -DAMBERTIDE_SANITIZE=ON -DAMBERTIDE_FUZZ=ON
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target json_parser_fuzz
	mkdir -p $(BUILD_FUZZ)/corpus/json
	$(BUILD_FUZZ)/tests/fuzz/json_parser_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=4096 $(BUILD_FUZZ)/corpus/json

clean:
	rm -rf build

# The two entry points: `make demo` runs the main job, `make test` the tests.
# Both install what they need first.
JOBS ?= $(shell nproc)
BUILD_TEST = build/test
BUILD_RELEASE = build/release

.PHONY: bootstrap test demo release configure-test clean bench

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

clean:
	rm -rf build

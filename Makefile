# The commands of the repository. Everything else is CMake presets.
#
#   make demo   the reference host's scripted session: pictures of every scene in build/demo/
#   make run    the same host in a window (needs a display)
#   make test   every test, under AddressSanitizer (PRESET=tsan for ThreadSanitizer)
#   make threads  the threaded stress tests (ctest label "threaded") under ThreadSanitizer
#   make soak   the scenes looped SOAK_LOOPS (200) times in one process, optimised build
#   make fuzz   every fuzz target under libFuzzer, FUZZ_SECONDS (30) each, or FUZZ_RUNS inputs
#               each when that is set; see docs/fuzzing.md
#   make fuzz-coverage  the code each fuzz target's corpus reaches, in build/fuzz/coverage/
PRESET ?= asan
FUZZ_SECONDS ?= 30
FUZZ_RUNS ?=
SOAK_LOOPS ?= 200
FUZZ_TARGETS = style_fuzzer expression_fuzzer ui_event_fuzzer auxiliary_event_fuzzer \
  group_memory_fuzzer property_data_fuzzer dialog_resource_fuzzer

THREADED_TESTS = tracer_threaded_tests propertypanel_threaded_tests contextbar_threaded_tests

.PHONY: demo run test setup gallery fuzz fuzz-coverage threads soak

setup:
	@bash scripts/setup.sh

demo: setup
	cmake --preset release
	cmake --build --preset release --target ztui-demo
	./build/release/bin/ztui-demo --out build/demo

run: setup
	cmake --preset release
	cmake --build --preset release --target ztui-run ztui-demo
	./build/release/bin/ztui-run --project build/demo/示例办公楼.ztproj

# Refreshes the README's gallery (docs/gallery) from a new scripted session.
gallery: demo
	bash scripts/refresh-gallery.sh build/demo docs/gallery

test: setup
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)
	ctest --preset $(PRESET)

# Only the threaded tests and what they link are built, which keeps CI's second build short.
threads: setup
	cmake --preset tsan
	cmake --build --preset tsan --target $(THREADED_TESTS)
	ctest --preset tsan -L threaded

fuzz: setup
	@bash scripts/setup.sh fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz --target $(FUZZ_TARGETS)
	FUZZ_RUNS=$(FUZZ_RUNS) bash scripts/fuzz.sh $(FUZZ_SECONDS) $(FUZZ_TARGETS)

fuzz-coverage: setup
	@bash scripts/setup.sh fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz --target $(FUZZ_TARGETS)
	bash scripts/fuzz-coverage.sh $(FUZZ_TARGETS)

soak: setup
	cmake --preset release
	cmake --build --preset release --target ztui-soak
	./build/release/bin/ztui-soak --loops $(SOAK_LOOPS) --out build/soak

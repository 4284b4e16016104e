# The two commands of the repository. Everything else is CMake presets.
PRESET ?= asan

.PHONY: test setup

setup:
	@bash scripts/setup.sh

test: setup
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)
	ctest --preset $(PRESET)

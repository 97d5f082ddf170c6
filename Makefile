# SPDX-License-Identifier: MIT
# The two commands a player or packager needs: `make run` and `make test`.

BUILD      := build
TEST_BUILD := build-tests
DEB_BUILD  := build-deb
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 600
FUZZER     := ./$(FUZZ_BUILD)/tests/fuzz/zorvik_engine_fuzz
# New inputs go to the first folder, outside the tree; the seeds and every
# input that ever failed are read as well.
FUZZ_CORPUS := $(FUZZ_BUILD)/corpus tests/fuzz/seeds tests/fuzz/regressions
CMAKE_GEN  := -G Ninja
BENCH_FLAGS ?= --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

.PHONY: run test bench measure assets package soak fuzz fuzz-build translations

run:
	@tools/ensure-deps.sh
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) --target zorvik
	./$(BUILD)/zorvik

test:
	@tools/ensure-deps.sh test
	cmake -S . -B $(TEST_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DZORVIK_SANITIZE=ON -DZORVIK_TESTS=ON
	cmake --build $(TEST_BUILD)
	$(MAKE) --no-print-directory fuzz-build
	$(FUZZER) tests/fuzz/regressions/*
	$(FUZZER) -max_total_time=60 -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_CORPUS)
	$(MAKE) --no-print-directory soak SOAK_MINUTES=2
	ctest --test-dir $(TEST_BUILD) --output-on-failure

# The engine's fuzzer, built with clang and without Qt; `make fuzz` runs it
# for FUZZ_SECONDS and leaves any failing input in build-fuzz/.
fuzz-build:
	@tools/ensure-deps.sh test
	cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DZORVIK_FUZZ=ON
	cmake --build $(FUZZ_BUILD)
	mkdir -p $(FUZZ_BUILD)/corpus

fuzz: fuzz-build
	$(FUZZER) -max_total_time=$(FUZZ_SECONDS) -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_CORPUS)

# The Debian package, built as Debian builds its packages: everything under
# /usr, the game itself in /usr/games, with dpkg-buildflags' hardening flags.
DEB_BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
package:
	@tools/ensure-deps.sh package
	cmake -S . -B $(DEB_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games \
		-DCMAKE_CXX_FLAGS="$$($(DEB_BUILDFLAGS) CPPFLAGS) $$($(DEB_BUILDFLAGS) CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_BUILDFLAGS) LDFLAGS)"
	cmake --build $(DEB_BUILD) --target package
	@echo "Install it with: sudo apt-get install ./$$(ls $(DEB_BUILD)/zorvik_*.deb)"

# Plays the Release game, built with the sanitizers, with random input on a
# private X display for SOAK_MINUTES and judges the run.
SOAK_BUILD   := build-soak
SOAK_MINUTES ?= 60
soak:
	@tools/ensure-deps.sh test
	cmake -S . -B $(SOAK_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DZORVIK_SANITIZE=ON -DZORVIK_SOAK=ON
	cmake --build $(SOAK_BUILD) --target zorvik_soak
	tests/soak/soak.sh $(SOAK_BUILD) $(SOAK_MINUTES) $(SOAK_SEED)

bench:
	@tools/ensure-deps.sh test
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DZORVIK_BENCH=ON
	cmake --build $(BUILD) --target zorvik_bench zorvik_bench_hidpi zorvik_tournament
	./$(BUILD)/bench/zorvik_bench $(BENCH_FLAGS)
	@echo "The window benchmarks on a 200 % screen:"
	./$(BUILD)/bench/zorvik_bench_hidpi --benchmark_filter=Repaint $(BENCH_FLAGS)
	@echo "The computer opponent's tournament:"
	./$(BUILD)/bench/tournament/zorvik_tournament

# Brings every translations/*.ts file up to date with the texts in the code.
translations:
	@tools/ensure-deps.sh
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) --target update_translations

# Times the Release game on a private X display: first frame, CPU beside the
# floor program at scale 1 and 2 and with a gamepad, memory, the wakeups of
# a paused game and the real tick period.
measure:
	@tools/ensure-deps.sh test
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DZORVIK_BENCH=ON
	cmake --build $(BUILD) --target zorvik zorvik_floor zorvik_first_frame zorvik_tick_period zorvik_with_pad
	bench/measure.sh $(BUILD)

# Paints every picture and makes every sound into assets/ (a developer's
# step; the game only embeds the PNG and WAV files that are checked in).
assets:
	@tools/ensure-deps.sh
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DZORVIK_ASSETGEN=ON -DZORVIK_SOUNDGEN=ON
	cmake --build $(BUILD) --target zorvik_assetgen zorvik_soundgen
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/tools/assetgen/zorvik_assetgen assets
	./$(BUILD)/tools/soundgen/zorvik_soundgen assets

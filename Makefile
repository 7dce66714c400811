# The two commands of a fresh machine are `make run` and `make test`; both install what
# the build needs first.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps test-deps configure build run test test-sanitize test-twin-long fuzz screenshots docs-screenshots bench artwork clean windows test-windows translations

all: build

deps:
	@sh tools/install-deps.sh

test-deps:
	@sh tools/install-deps.sh --test

configure:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/quoriam

test: test-deps configure
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: test-deps
	cmake -S . -B $(BUILD)-sanitize -DCMAKE_BUILD_TYPE=Debug -DQUORIAM_SANITIZE=ON
	cmake --build $(BUILD)-sanitize -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --test-dir $(BUILD)-sanitize --output-on-failure -j $(JOBS) -LE packaging

# The text boxes against Qt's stock editors (tests/tst_textboxtwin.cpp) for 30,000 random
# steps, where `make test` takes 3,000: 30 seeds of 1,000 steps (about 20 minutes).
test-twin-long: test-deps configure
	cmake --build $(BUILD) -j $(JOBS) --target tst_textboxtwin
	QT_QPA_PLATFORM=offscreen QUORIAM_TWIN_SEEDS=30 QUORIAM_TWIN_STEPS=1000 \
	QTEST_FUNCTION_TIMEOUT=1800000 ./$(BUILD)/tests/tst_textboxtwin sameAsStock

# The delay conversion under libFuzzer for a minute.
fuzz:
	bash tests/fuzz/run.sh 60

# In English with the C formats, and in German with German formats (the clock).
SCREENSHOTS_EN = env -u LANGUAGE LC_ALL=C QT_QPA_PLATFORM=offscreen ./$(BUILD)/tools/screenshots/quoriam_screenshots
SCREENSHOTS_DE = env LANGUAGE=de LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen ./$(BUILD)/tools/screenshots/quoriam_screenshots

screenshots: build
	$(SCREENSHOTS_EN) $(BUILD)/screenshots
	QT_SCALE_FACTOR=2 $(SCREENSHOTS_EN) $(BUILD)/screenshots/2x
	$(SCREENSHOTS_DE) $(BUILD)/screenshots/de

# Measurements on a real X server (Xvfb), printed as one Markdown table: start-up and
# memory against a plain Qt program (bench/baseline), idle cost, the wait, punctuality,
# long texts. The table of record is kept in docs/benchmark.md.
bench: test-deps
	cmake -S . -B $(BUILD)-release -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)-release -j $(JOBS) --target quoriam
	cmake -S bench -B $(BUILD)-release/bench -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)-release/bench -j $(JOBS)
	bash bench/bench.sh $(BUILD)-release/quoriam $(BUILD)-release/bench

# The pictures of the README, in English and in German (docs/de-*.png).
docs-screenshots: screenshots
	cp $(BUILD)/screenshots/*.png docs/
	for f in $(BUILD)/screenshots/de/*.png; do cp "$$f" "docs/de-$$(basename "$$f")"; done

artwork: deps configure
	cmake --build $(BUILD) --target artwork

# The translations (translations/*.ts) updated from the sources: new texts come in
# unfinished, for a translator to finish; texts gone from the sources are dropped.
# ADD=it makes the file of a new language as well.
translations: deps
	bash tools/translations/update.sh $(if $(ADD),--add $(ADD))

# A Debian package, $(BUILD)/quoriam_<version>_<arch>.deb (CPack). With dpkg-dev and file
# installed (make test-deps) its dependencies come from dpkg-shlibdeps.
.PHONY: package
package: deps configure
	cmake --build $(BUILD) -j $(JOBS) --target package

# Windows, cross-built on Debian with MinGW-w64 against a static Qt built once from
# Debian's qt6-base source into ~/.cache/quoriam (tools/windows/qt.sh): build-windows/,
# with the zip for Windows users, build-windows/Quoriam-<version>-win64.zip.
BUILD_WINDOWS ?= build-windows

windows:
	@sh tools/install-deps.sh --windows
	JOBS=$(JOBS) bash tools/windows/build.sh $(BUILD_WINDOWS)

# Its Qt Test programs and quoriam.exe from the zip under Wine, on Xvfb with openbox.
test-windows: test-deps windows
	bash tests/windows/run.sh $(BUILD_WINDOWS)

clean:
	rm -rf $(BUILD)

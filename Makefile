# The two commands of a fresh machine are `make run` and `make test`; both install what
# the build needs first.
BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps test-deps configure build run test screenshots bench artwork clean

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

screenshots: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/tools/screenshots/quoriam_screenshots $(BUILD)/screenshots

artwork: deps configure
	cmake --build $(BUILD) --target artwork

clean:
	rm -rf $(BUILD)

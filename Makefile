# make run   builds and starts the program
# make test  builds and runs every test
# Both install the Debian packages that are missing first.

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# CI sets this to ON: every compiler warning then fails the build.
LOTRA_WERROR ?= OFF

.PHONY: run test test-sanitize bench package web deps-run deps-test deps-web configure

run: deps-run
	@$(MAKE) --no-print-directory configure CMAKE_FLAGS="-DLOTRA_TESTS=OFF -DLOTRA_BENCH=OFF"
	@cmake --build $(BUILD_DIR) -j $(JOBS)
	@scripts/run.sh $(BUILD_DIR)

test: deps-test
	@$(MAKE) --no-print-directory configure CMAKE_FLAGS="-DLOTRA_TESTS=ON -DLOTRA_BENCH=ON"
	@cmake --build $(BUILD_DIR) -j $(JOBS)
	@scripts/build-web.sh build-web $(JOBS)
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The whole suite again in an address- and undefined-behaviour-sanitizer build.
test-sanitize: deps-test
	@$(MAKE) --no-print-directory configure BUILD_DIR=build-asan CMAKE_FLAGS="-DLOTRA_SANITIZE=ON -DLOTRA_TESTS=ON -DLOTRA_BENCH=OFF"
	@cmake --build build-asan -j $(JOBS)
	@cd build-asan && ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizer/lsan.supp \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --output-on-failure -j $(JOBS) -E 'e2e_package|web_page'

bench: deps-test
	@$(MAKE) --no-print-directory configure CMAKE_FLAGS="-DLOTRA_BENCH=ON"
	@cmake --build $(BUILD_DIR) -j $(JOBS)
	@scripts/run-benchmarks.sh $(BUILD_DIR)

# A Debian package of the program in $(BUILD_DIR)/.
package: deps-test
	@$(MAKE) --no-print-directory configure CMAKE_FLAGS="-DLOTRA_TESTS=OFF -DLOTRA_BENCH=OFF -DCMAKE_INSTALL_PREFIX=/usr"
	@cmake --build $(BUILD_DIR) -j $(JOBS)
	@scripts/build-web.sh build-web $(JOBS)
	@cd $(BUILD_DIR) && cpack -G DEB

# The program as one web page: build-web/lotra.html.
web: deps-web
	@scripts/build-web.sh build-web $(JOBS)

deps-run:
	@scripts/install-deps.sh run

deps-test:
	@scripts/install-deps.sh test

deps-web:
	@scripts/install-deps.sh web

# The log stays inside the build folder, so removing the folder removes it too.
configure:
	@mkdir -p $(BUILD_DIR)
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOTRA_WERROR=$(LOTRA_WERROR) $(CMAKE_FLAGS) > $(BUILD_DIR)/configure.log 2>&1 || (cat $(BUILD_DIR)/configure.log; exit 1)

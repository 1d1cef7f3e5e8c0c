# SPDX-License-Identifier: GPL-3.0-or-later
# make run   installs what is missing, builds and starts KOTIRA
# make test  installs what is missing, builds and runs every test through ctest, but the
#            benchmarks (label bench, run by tools/bench): no test asserts a time
# make package  builds the Debian package kotira_<version>-<revision>_amd64.deb in build-package/
#               (its own build: Debian's compiler flags, the site folder /var/lib/kotira)
PRESET ?= default
BUILD_DIR := $(if $(filter asan,$(PRESET)),build-asan,build)
export QT_QPA_PLATFORM ?= offscreen
export XDG_RUNTIME_DIR ?= /tmp/kotira-runtime

.PHONY: all deps build run test test-asan package clean

all: build

deps:
	@tools/install-deps

build: deps
	@mkdir -p $(XDG_RUNTIME_DIR) && chmod 700 $(XDG_RUNTIME_DIR)
	cmake --preset $(PRESET) >/dev/null
	cmake --build --preset $(PRESET)

run: deps
	cmake --preset default >/dev/null
	cmake --build --preset default
	env -u QT_QPA_PLATFORM ./build/kotira

test: build
	ctest --preset $(PRESET) -j2

test-asan:
	$(MAKE) test PRESET=asan

package: deps
	cmake --preset package >/dev/null
	cmake --build --preset package
	cd build-package && cpack --config CPackConfig.cmake

clean:
	rm -rf build build-asan build-package

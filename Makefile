BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The Debian package is built as a Release in a folder of its own.
PACKAGE_BUILD_DIR ?= build-package
# Debian's own optimisation and hardening flags for the package's build.
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get

.PHONY: deps build run test bench package clean

deps:
	./scripts/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR)

run: build
	cd $(BUILD_DIR)/bin && ./pelcorcalc

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) -DPELCOR_BUILD_BENCH=ON
	cmake --build $(BUILD_DIR) --target pelcor_bench
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/pelcor_bench

package: deps
	cmake -S . -B $(PACKAGE_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELCOR_BUILD_TESTS=OFF \
	    -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
	    -DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CPPFLAGS) $$($(DEB_FLAGS) CXXFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)"
	cmake --build $(PACKAGE_BUILD_DIR)
	rm -f $(PACKAGE_BUILD_DIR)/pelcorcalc_*.deb
	cd $(PACKAGE_BUILD_DIR) && cpack -G DEB
	mkdir -p $(BUILD_DIR)
	cp $(PACKAGE_BUILD_DIR)/pelcorcalc_*.deb $(BUILD_DIR)/
	@ls -l $(BUILD_DIR)/pelcorcalc_*.deb

clean:
	rm -rf $(BUILD_DIR)

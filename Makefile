BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps build run test bench clean

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

clean:
	rm -rf $(BUILD_DIR)

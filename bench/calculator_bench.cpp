#include "calc/Calculator.h"

#include <benchmark/benchmark.h>

namespace {

struct Silent : pelcor::Reporter {
    void showInfo(const std::string&) override {}
    void beep() override {}
    void showMessage(const std::string&) override {}
};

// One chained calculation with its tape lines: 12.5 x 3 + 7 = Sin.
void BM_KeySequence(benchmark::State& state) {
    Silent silent;
    const int keys[] = {1,
                        2,
                        pelcor::key::Point,
                        5,
                        pelcor::key::Multiply,
                        3,
                        pelcor::key::Plus,
                        7,
                        pelcor::key::Equals,
                        pelcor::key::Sin};
    for (auto _ : state) {
        pelcor::Calculator calc(silent);
        for (int k : keys)
            calc.CalcButt(k);
        benchmark::DoNotOptimize(calc.readout());
    }
}
BENCHMARK(BM_KeySequence);

} // namespace

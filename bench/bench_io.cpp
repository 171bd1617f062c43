// Writing and reading a circuit whose three tables are full.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>

#include "io/CircuitFile.h"

namespace {

// 255 nine-input gates, 127 generators and 1023 wires of six points, each wire
// joining two gate pins that name it back.
void fillTables(CCircuit& circuit) {
    for (int32_t s = 0; s < CCircuit::kLogicSlots; ++s) {
        circuit.logicElements[s] = std::make_unique<CLogicElement>(s % 2 == 0, 9, s % 3 == 0);
        circuit.logicElements[s]->index = s;
        circuit.logicElements[s]->setPosition(s % 16 * 120, s / 16 * 120);
    }
    for (int32_t s = 0; s < CCircuit::kBlockSlots; ++s) {
        circuit.blockElements[s] = std::make_unique<CBlockElement>(GTI);
        circuit.blockElements[s]->index = s;
        circuit.blockElements[s]->setupGenerator(10, 5, 0);
    }
    for (int32_t w = 0; w < CCircuit::kWireSlots; ++w) {
        auto wire = std::make_unique<CWire>();
        wire->index = w;
        for (int end = 0; end < 2; ++end) {
            const int32_t pinOrdinal = 2 * w + end;  // ten pins per gate: 0 to 9
            const int32_t gate = pinOrdinal / 10;
            const int32_t pinNumber = pinOrdinal % 10;
            const Point at = *circuit.pinAnchor(LogicElement, gate, pinNumber);
            wire->ends.push_back({at.x, at.y, LogicElement, gate, pinNumber});
            Pin& pin = circuit.logicElements[gate]->pins[pinNumber];
            pin = {1, 1, 0, kLinkWire, w, end};
        }
        const Point from = wire->ends[0].position(), to = wire->ends[1].position();
        wire->points = {from,
                        {from.x - 5, from.y},
                        {from.x - 5, from.y + 20},
                        {to.x - 5, from.y + 20},
                        {to.x - 5, to.y},
                        to};
        circuit.wires[w] = std::move(wire);
    }
}

const CCircuit& fullCircuit() {
    static const CCircuit circuit = [] {
        CCircuit c;
        fillTables(c);
        return c;
    }();
    return circuit;
}

void BM_EncodeFullTables(benchmark::State& state) {
    size_t size = 0;
    for (auto _ : state) {
        const std::vector<uint8_t> bytes = io::encodeCircuit(fullCircuit());
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
BENCHMARK(BM_EncodeFullTables);

void BM_DecodeFullTables(benchmark::State& state) {
    const std::vector<uint8_t> bytes = io::encodeCircuit(fullCircuit());
    for (auto _ : state) {
        CCircuit circuit;
        io::decodeCircuit(bytes, circuit);
        benchmark::DoNotOptimize(circuit.wires[0].get());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_DecodeFullTables);

// The whole Save and Open path: temporary file, fsync, rename, then read back.
void BM_WriteAndReadFileFullTables(benchmark::State& state) {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("lotra-bench-io-" + std::to_string(getpid())))
            .string();
    for (auto _ : state) {
        if (!io::writeCircuitFile(path, fullCircuit())) state.SkipWithError("write failed");
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        CCircuit circuit;
        io::readCircuit(fd, circuit);
        ::close(fd);
        benchmark::DoNotOptimize(circuit.wires[0].get());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteAndReadFileFullTables)->Unit(benchmark::kMillisecond);

}  // namespace

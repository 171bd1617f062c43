#include "FileCommandTestFixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "io/CircuitFile.h"
#include "support/CircuitBuilder.h"
#include "support/FileContents.h"

void FileCommandTest::buildSampleCircuit() {
    CircuitBuilder builder(circuit);
    const int32_t gate = builder.gate(true, 2, false, 100, 50);
    const int32_t indicator = builder.indicator(200, 50);
    const int32_t signal = builder.block(EntrSignal, 20, 50);
    builder.wire(EntrSignal, signal, 9, LogicElement, gate, 0);
    builder.wire(LogicElement, gate, 9, Indicator, indicator, 0, {{135, 65}, {170, 65}});
}

std::vector<uint8_t> FileCommandTest::otherCircuitBytes() {
    CCircuit other;
    CircuitBuilder(other).block(Trigger, 300, 300);
    return io::encodeCircuit(other);
}

void FileCommandTest::writeFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good()) << name;
}

std::optional<std::vector<uint8_t>> FileCommandTest::fileBytes(const std::string& name) {
    if (!std::filesystem::is_regular_file(name)) return std::nullopt;
    return bytesOf(name);
}

std::vector<std::string> FileCommandTest::directoryEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(temporary.path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> existingFileWarning(const std::string& name) {
    return {"Файл с именем " + name + " уже существует!",
            "Продолжение операции приведет к потере данных,", "содержащихся в этом файле!"};
}

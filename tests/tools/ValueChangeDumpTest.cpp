#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "analysis/ValueChangeDump.h"
#include "support/CircuitBuilder.h"

namespace {

TEST(ValueChangeDump, IdentifiersArePrintableAndDistinct) {
    std::set<std::string> seen;
    for (size_t n = 0; n < 20000; ++n) {
        const std::string id = analysis::vcdIdentifier(n);
        for (char c : id) ASSERT_TRUE(c >= '!' && c <= '~') << n;
        ASSERT_TRUE(seen.insert(id).second) << "identifier " << id << " twice, at " << n;
    }
    EXPECT_EQ(analysis::vcdIdentifier(0), "!");
    EXPECT_EQ(analysis::vcdIdentifier(93), "~");
    EXPECT_EQ(analysis::vcdIdentifier(94).size(), 2u);
}

// A gate, an indicator and a trigger: the header names each signal, the first
// sample lists every value, later samples only what changed, and the end mark
// comes after the last change.
TEST(ValueChangeDump, WritesEverythingOnceThenOnlyChanges) {
    CCircuit circuit;
    CircuitBuilder b(circuit);
    b.gate(false, 1, true);
    b.indicator(0, 50);
    b.block(Trigger, 100, 0);
    std::ostringstream out;
    analysis::CValueChangeDump dump(out, circuit);
    dump.sample(circuit, 0);
    circuit.logicElements[1]->pins[2].connected = 1;
    circuit.logicElements[1]->pins[2].value = 1;
    dump.sample(circuit, 1);
    dump.sample(circuit, 2);
    circuit.blockElements[0]->pins[9].value = 1;
    circuit.blockElements[0]->pins[10].value = 0;
    circuit.logicElements[0]->pins[9].value = 0;
    dump.sample(circuit, 3);
    dump.finish(7);

    EXPECT_EQ(out.str(),
              "$version lotra-sim $end\n"
              "$timescale 100ms $end\n"
              "$scope module circuit $end\n"
              "$var wire 1 ! L0_LogicElement_pin9 $end\n"
              "$var wire 5 \" L1_Indicator_number [4:0] $end\n"
              "$var wire 1 # B0_Trigger_pin9 $end\n"
              "$var wire 1 $ B0_Trigger_pin10 $end\n"
              "$upscope $end\n"
              "$enddefinitions $end\n"
              "#0\n$dumpvars\n1!\nb00000 \"\n0#\n1$\n$end\n"
              "#1\nb00100 \"\n"
              "#3\n0!\n1#\n0$\n"
              "#7\n");
}

TEST(ValueChangeDump, EndMarkIsNotRepeated) {
    CCircuit circuit;
    CircuitBuilder(circuit).block(GTI);
    std::ostringstream out;
    analysis::CValueChangeDump dump(out, circuit);
    dump.sample(circuit, 0);
    circuit.blockElements[0]->pins[9].value = 1;
    dump.sample(circuit, 4);
    dump.finish(4);
    const std::string text = out.str();
    EXPECT_EQ(text.substr(text.find("$dumpvars")), "$dumpvars\n0!\n$end\n#4\n1!\n");
}

}  // namespace

#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/Circuit.h"

// The circuit file: every record of the logic-element, block and wire tables in
// that order, slots upward, little-endian, with no header.
namespace io {

// Every record of the circuit as it goes into a file.
std::vector<uint8_t> encodeCircuit(const CCircuit& circuit);
// Puts every record of the bytes into its slot; survives any bytes (damaged records
// are dropped and every link is made mutual). The caller empties the tables first
// where needed.
void decodeCircuit(std::span<const uint8_t> bytes, CCircuit& circuit);
// Decodes the bytes of a whole file into empty tables; false when they are not a
// circuit file: bytes there are, yet not one record the reader keeps. An empty
// file is the empty circuit.
bool decodeCircuitFile(std::span<const uint8_t> bytes, CCircuit& circuit);

// Writes the circuit to an open file descriptor; false unless every byte was written.
bool writeCircuit(const CCircuit& circuit, int fd);
// Reads an open file descriptor to its end into the tables.
void readCircuit(int fd, CCircuit& circuit);

// The whole file at once, replaced only when complete (see CFileReplacement): a
// link's target is written, and a file the user may not write is left alone. False
// on any failure, with the target untouched.
bool writeCircuitFile(const std::string& path, const CCircuit& circuit);

}  // namespace io

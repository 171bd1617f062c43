// The new parts of the command, compiled into the tests as its older parts are
// (pictures excepted: the tests run without Qt and see the build without them).
#include "tools/lotra-sim/PictureArea.cpp"
#include "tools/lotra-sim/Probes.cpp"
#include "tools/lotra-sim/TruthTable.cpp"
#include "tools/lotra-sim/ValueChangeDump.cpp"
#include "tools/lotra-sim/picture/NoPictures.cpp"

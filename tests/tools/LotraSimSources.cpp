// The command's sources go into its executable only; they are compiled here as
// well so that the tests can call the option parser, the report and the run.
#include "tools/lotra-sim/Options.cpp"
#include "tools/lotra-sim/Report.cpp"
#include "tools/lotra-sim/Run.cpp"

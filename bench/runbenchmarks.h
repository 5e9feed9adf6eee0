#pragma once

// Runs the registered benchmarks with the command line's options; returns the program's exit
// status, 1 for an option that Google Benchmark does not know.
int runRegisteredBenchmarks(int argc, char **argv);

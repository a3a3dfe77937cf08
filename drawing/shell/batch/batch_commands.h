#pragma once
// The batch commands. Each gets argv from its own name on (argv[0] is "--save", ...).

namespace shell {

// --save IN OUT: load IN as Open does, save it as OUT as Save does.
int runSave(int argc, char** argv);
// --words IN: every word run, across runs first, then down runs.
int runWords(int argc, char** argv);
// --render IN OUT.png [options]: paint IN as its window would and write it as PNG.
int runRender(int argc, char** argv);

}  // namespace shell

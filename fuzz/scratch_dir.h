#ifndef ZVK_FUZZ_SCRATCH_DIR_H_
#define ZVK_FUZZ_SCRATCH_DIR_H_

// The fuzzers run in a fresh working directory "work" inside a private
// temporary folder, so that a file written outside the working directory is
// seen (the folder must hold nothing but "work"). The folder is removed at exit.
namespace scratch_dir {

// Creates the folders and makes "work" the current directory. The fuzzer's
// arguments are rewritten first so that relative corpus, input and artifact
// paths keep naming what they named (crash files land where libFuzzer started).
void enter(int* argc, char*** argv);
// Removes everything inside the working directory.
void clear();
// True when the private folder holds only the working directory.
bool nothingOutsideWork();

}  // namespace scratch_dir

#endif  // ZVK_FUZZ_SCRATCH_DIR_H_

// Checks the logs given as the ZVK CW Contest and writes the cross-check's
// folder, pages included: contest_pages_tool OUT_DIR LOG...
#include <iostream>

#include "crosscheck/crosscheck.h"
#include "crosscheck/write_results.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: contest_pages_tool OUT_DIR LOG...\n";
    return 2;
  }
  crosscheck::Request request;
  request.files.assign(argv + 2, argv + argc);
  request.definition = crosscheck::zvkCwDefinition();
  try {
    crosscheck::writeResults(crosscheck::crosscheckContest(request), argv[1]);
  } catch (const std::exception& error) {
    std::cerr << error.what() << "\n";
    return 1;
  }
  return 0;
}

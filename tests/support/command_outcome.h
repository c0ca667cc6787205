// Runs a zentu-cli command in the test's process and keeps what it said.
#pragma once

#include <sstream>
#include <string>
#include <vector>

namespace testing_support {

struct Outcome {
  int code;
  std::string out, err;
};

// `run` is a command entry point such as cli::RunGrid.
template <class Run>
Outcome RunCommand(Run run, const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = run(args, out, err);
  return {code, out.str(), err.str()};
}

}  // namespace testing_support

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "suite/QTXInfo.h"
#include "suitetool/SuiteTool.h"

int main(int argc, char** argv) {
  // The tool reports on its own streams; the message service only keeps the log.
  QTXInfo().SetPresenter(std::make_shared<SilentPresenter>());
  const std::vector<std::string> args(argv + 1, argv + argc);
  suitetool::ToolContext context{std::cout, std::cerr};
  return suitetool::RunSuiteTool(args, context);
}

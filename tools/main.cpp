#include <iostream>

#include "tools/Tool.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  sahdict::tool::Io io{std::cin, std::cout, std::cerr};
  const int rc = sahdict::tool::RunTool(std::vector<std::string>(argv + 1, argv + argc), io);
  std::cout.flush();
  return rc;
}

#include <iostream>
#include <string>
#include <vector>

#include "tool.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return glosbo::tool::run(args, std::cin, std::cout, std::cerr);
}

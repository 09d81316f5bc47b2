#include "host/VantorCommand.hpp"

#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return vantor::host::RunVantorCommand(args, std::cin, std::cout, std::cerr);
}

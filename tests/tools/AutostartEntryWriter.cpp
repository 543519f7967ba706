// Turns launch at login on for the program as it runs: waits for a line on standard input
// first, so that a test can move or replace the binary meanwhile.
#include <cstdio>
#include <iostream>
#include <string>

#include "domain/QuorbitError.h"
#include "infrastructure/desktop/XdgAutostartLoginItem.h"

int main() {
    std::string line;
    std::getline(std::cin, line);
    try {
        quorbit::XdgAutostartLoginItem().setEnabled(true);
    } catch (const quorbit::QuorbitError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

// glintwick-cli-docs TEMPLATE OUTPUT: the manual page or the bash completion with its marker
// lines replaced by what the command table and the effect catalogue make, so neither can drift
// from the usage.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "cli/CommandTable.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: glintwick-cli-docs TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::ostringstream made;
    int markers = 0;
    for (std::string line; std::getline(in, line);) {
        if (line == ".\\\" synopsis from the command table") {
            made << glintwick::cli::ManSynopsis();
            ++markers;
        } else if (line == ".\\\" effects from the effect catalogue") {
            made << glintwick::cli::ManEffects();
            ++markers;
        } else if (line == "    # tables from the command table") {
            made << glintwick::cli::CompletionTables();
            ++markers;
        } else {
            made << line << '\n';
        }
    }
    if (!in.eof() || markers == 0) {
        std::cerr << "glintwick-cli-docs: " << argv[1] << ": no marker line to replace\n";
        return 1;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << made.str();
    return out.flush() ? 0 : 1;
}

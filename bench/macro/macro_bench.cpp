// Runs one macro file in-process and reports the CPU time of Execute on
// standard error, so that the bench script can compare it with Lua's.
#include <ctime>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "macro/engine/poor_pascal.h"

namespace {

std::vector<std::string> readLines(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: macro_bench MACRO.qmc\n";
        return 2;
    }
    ppa::TPoorPascal ppa;
    ppa.SetDeclarePrototype({"procedure Print(S:String);"});
    ppa.ProcParam = [](const std::string&, std::int32_t, const ppa::TPPAArguments& args, std::int32_t& err) {
        std::cout << args.at(0).StrValue << '\n';
        err = 0;
    };
    ppa.SetSource(readLines(argv[1]));
    const std::clock_t start = std::clock();
    try {
        ppa.Execute();
    } catch (const ppa::EPPAError& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
    std::cerr << seconds << '\n';
    return 0;
}

// Writes qav-cli's manual page: the configured page with its option lists filled in from the
// table behind `qav-cli --help` (app/cli_options.h).
//   qav_man_options CONFIGURED_PAGE OUTPUT_PAGE
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "app/cli_options.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: qav_man_options CONFIGURED_PAGE OUTPUT_PAGE\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream page;
    page << in.rdbuf();
    if (!in) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    const qav::cli::ManPage man = qav::cli::WriteManOptions(page.str());
    if (!man.failure.empty()) {
        std::cerr << argv[1] << ": " << man.failure << "\n";
        return 1;
    }
    // Written beside the target and renamed, so a failed build leaves no half page behind.
    const std::filesystem::path target = argv[2];
    const std::filesystem::path partial = target.string() + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << man.text;
        out.close();
        if (!out) {
            std::cerr << partial.string() << ": cannot be written\n";
            std::remove(partial.c_str());
            return 1;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, target, error);
    if (error) {
        std::cerr << target.string() << ": " << error.message() << "\n";
        std::remove(partial.c_str());
        return 1;
    }
    return 0;
}

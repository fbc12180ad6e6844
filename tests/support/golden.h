// Printouts compared with the pages they printed before: each golden file holds a printout's
// pages as text (lines ended by a line feed, pages parted by a form feed). The files were written
// once by running the tests with BRISK_WRITE_GOLDEN=1 set in the environment, which writes each
// file instead of comparing; without it a missing file fails the test.
#pragma once

#include "app/core/printout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace brisk::testing {

// `name` is the file under tests/<subsystem>/golden/, without ".txt".
inline void expectGolden(const std::string& subsystem, const std::string& name, const Printout& printout) {
    const std::string path =
        std::string(BRISK_SOURCE_DIR) + "/tests/" + subsystem + "/golden/" + name + ".txt";
    const std::string printed = printout.plainText();
    if (std::getenv("BRISK_WRITE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << printed;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "no golden file " << path;
    std::ostringstream golden;
    golden << in.rdbuf();
    if (golden.str() == printed) return;
    // Name the first line that differs: a whole page in a message hides it.
    std::istringstream want(golden.str()), got(printed);
    std::string a, b;
    for (int line = 1;; ++line) {
        const bool moreWant = static_cast<bool>(std::getline(want, a));
        const bool moreGot = static_cast<bool>(std::getline(got, b));
        if (!moreWant && !moreGot) break;
        if (a != b || moreWant != moreGot) {
            ADD_FAILURE() << name << ", line " << line << "\n  golden:  \"" << (moreWant ? a : "(end)")
                          << "\"\n  printed: \"" << (moreGot ? b : "(end)") << "\"";
            return;
        }
    }
    ADD_FAILURE() << name << " differs from its golden file";
}

} // namespace brisk::testing

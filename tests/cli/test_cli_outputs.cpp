// brisklane-calc from outside: what it writes, where, and what it says when it cannot.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Result {
    int status = -1; // the exit status, or 128 + the signal that ended it
    std::string out, err;
};

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class Calc : public testing::Test {
  protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("brisk-cli-" + std::to_string(getpid()) + "-" +
                                             testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "data");
        fs::create_directories(m_dir / "run"); // Qt's runtime folder, so that it says nothing of its own
        fs::permissions(m_dir / "run", fs::perms::owner_all);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // Runs brisklane-calc with `args`; standard output goes to `stdoutPath` when one is given.
    Result calc(const std::vector<std::string>& args, const std::string& stdoutPath = {},
                const std::map<std::string, std::string>& env = {}) {
        const fs::path out = m_dir / "stdout", err = m_dir / "stderr";
        const pid_t child = fork();
        if (child == 0) {
            const int o = open(stdoutPath.empty() ? out.c_str() : stdoutPath.c_str(),
                               O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(o, 1);
            dup2(e, 2);
            // The user's own settings file is one of the test's.
            setenv("XDG_DATA_HOME", (m_dir / "data").c_str(), 1);
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            setenv("XDG_RUNTIME_DIR", (m_dir / "run").c_str(), 1);
            setenv("LC_ALL", "C.UTF-8", 1);
            for (const auto& [name, value] : env)
                setenv(name.c_str(), value.c_str(), 1);
            std::vector<char*> argv{const_cast<char*>(BRISKLANE_CALC)};
            for (const std::string& arg : args)
                argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            execv(BRISKLANE_CALC, argv.data());
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        Result result;
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        result.out = stdoutPath.empty() ? contents(out) : std::string();
        result.err = contents(err);
        return result;
    }
    std::string path(const std::string& name) const { return (m_dir / name).string(); }

    fs::path m_dir;
};

const std::string kSample = BRISK_SOURCE_DIR "/help/Sample.Zrk";

// A chart is drawn in every kind of image Qt writes here, named by the file's ending in any case;
// a name of no kind is refused, naming the kinds, and nothing is written.
TEST_F(Calc, ChartsAreDrawnInEveryImageKindOrRefusedNamingTheKinds) {
    const struct {
        std::vector<std::string> args;
        std::string name;
        std::string magic; // the file's first bytes; empty when it is refused
    } cases[] = {
        {{"chart", "mortgage"}, "balance.jpg", "\xff\xd8\xff"},
        {{"chart", "mortgage"}, "balance.JPEG", "\xff\xd8\xff"},
        {{"chart", "growth"}, "growth.bmp", "BM"},
        {{"chart", "compound"}, "rate.PNG", "\x89PNG"},
        {{"chart", "401k"}, "plan.pdf", "%PDF"},
        {{"valuedb", kSample, "trend"}, "trend.jpg", "\xff\xd8\xff"},
        {{"chart", "mortgage"}, "balance.xyz", ""},
        {{"chart", "mortgage"}, "balance", ""},
        {{"chart", "mortgage"}, "balance.jpg.", ""},
        {{"valuedb", kSample, "trend"}, "trend.txt", ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--output", path(c.name)});
        const Result r = calc(args);
        if (c.magic.empty()) {
            EXPECT_EQ(r.status, 2) << c.name;
            for (const char* kind : {".png", ".jpg", ".bmp", ".pdf"})
                EXPECT_NE(r.err.find(kind), std::string::npos) << c.name << ": " << r.err;
            if (c.args[0] == "chart") {
                EXPECT_NE(r.err.find(".json"), std::string::npos) << r.err;
            }
            EXPECT_FALSE(fs::exists(path(c.name))) << c.name;
            continue;
        }
        EXPECT_EQ(r.status, 0) << c.name << ": " << r.err;
        EXPECT_EQ(contents(path(c.name)).substr(0, c.magic.size()), c.magic) << c.name;
    }
}

// Standard output that cannot be written (a full disk) is an error of every command and format,
// said on standard error; a printout asked for is then not written either.
TEST_F(Calc, OutputToAFullDiskIsAnError) {
    const std::vector<std::vector<std::string>> commands = {
        {"mortgage"},
        {"mortgage", "--format", "csv"},
        {"retirement", "--format", "json"},
        {"growth", "--example", "rate=6", "--example", "rate=8"},
        {"format", "--mask", "#.00", "5"},
        {"valuedb", kSample, "ratios", "--format", "text"},
        {"--help"},
        {"--version"},
        {"mortgage", "--term", "1", "--printout", path("never.txt")},
    };
    for (const auto& args : commands) {
        const Result r = calc(args, "/dev/full");
        EXPECT_EQ(r.status, 2) << args[0] << ' ' << args.back();
        EXPECT_NE(r.err.find("could not be written"), std::string::npos) << args[0] << ": " << r.err;
    }
    EXPECT_FALSE(fs::exists(path("never.txt")));
    // The same commands to a file write it whole and succeed.
    const Result fine = calc({"mortgage", "--format", "csv"}, path("schedule.csv"));
    EXPECT_EQ(fine.status, 0) << fine.err;
    EXPECT_EQ(std::count(fine.err.begin(), fine.err.end(), '\n'), 0);
    const std::string csv = contents(path("schedule.csv"));
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 300) << csv.substr(0, 200);
}

// A settings file named with --settings must be one: missing, a folder, damaged or too large is an
// error that names it. The user's own file is read when it is there and its defaults hold when not.
TEST_F(Calc, AnExplicitSettingsFileMustBeReadable) {
    fs::create_directories(path("folder.zkp"));
    std::ofstream(path("damaged.zkp")) << "\"$\",x";
    std::ofstream(path("huge.zkp")) << "\"$\",1,\"" << std::string(2 << 20, 'n') << "\"\r\n";
    std::ofstream(path("euro.zkp")) << "\"EUR \",1,\"Ann\"\r\n";
    for (const char* name : {"missing.zkp", "folder.zkp", "damaged.zkp", "huge.zkp"}) {
        const Result r = calc({"compound", "--settings", path(name)});
        EXPECT_EQ(r.status, 2) << name;
        EXPECT_NE(r.err.find(path(name)), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("(message 13)"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << name;
    }
    const Result euro = calc({"mortgage", "--annual", "--settings", path("euro.zkp")});
    EXPECT_EQ(euro.status, 0) << euro.err;
    EXPECT_NE(euro.out.find("Payment:                 EUR 917.53"), std::string::npos) << euro.out;
    // Without --settings: no file of the user's yet gives the defaults; the user's file is read.
    const Result first = calc({"mortgage", "--annual"});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_NE(first.out.find("Payment:                 $917.53"), std::string::npos) << first.out;
    fs::create_directories(m_dir / "data" / "Brisklane");
    fs::copy_file(path("euro.zkp"), m_dir / "data" / "Brisklane" / "Personal.zkp");
    const Result own = calc({"mortgage", "--annual"});
    EXPECT_NE(own.out.find("Payment:                 EUR 917.53"), std::string::npos) << own.out;
}

// Whatever the settings window can save loads again: its boxes hold 32767 characters each, four
// bytes at most in UTF-8, which passed the 64 KiB that was read.
TEST_F(Calc, TheLongestSettingsTheWindowSavesLoad) {
    std::string longest;
    for (int i = 0; i < 32767; ++i)
        longest += "\xf0\x9d\x84\x9e"; // U+1D11E, four bytes
    for (const std::string& name : {std::string(70 * 1024, 'a'), longest}) {
        std::ofstream(path("long.zkp"), std::ios::binary) << "\"EUR \",2,\"" << name << "\"\r\n";
        const Result r = calc({"mortgage", "--annual", "--settings", path("long.zkp")});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.out.find("Payment:                 EUR 917.53"), std::string::npos)
            << r.out.substr(0, 100);
    }
}

// File names are bytes: one that is not UTF-8 (Latin-1 "été") is written and read as given.
TEST_F(Calc, FileNamesKeepTheirBytes) {
    const std::string latin1 = "\xe9t\xe9";
    const struct {
        std::vector<std::string> args;
        std::string file;
    } cases[] = {
        {{"mortgage", "--start-date", "2027-01-15", "--save"}, latin1 + ".umd"},
        {{"mortgage", "--printout"}, latin1 + ".txt"},
        {{"mortgage", "--printout"}, latin1 + ".pdf"},
        {{"chart", "mortgage", "--output"}, latin1 + ".png"},
        {{"chart", "mortgage", "--output"}, latin1 + ".json"},
        {{"valuedb", kSample, "extract", "1", "3", "--output"}, latin1 + ".zrk"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.push_back(path(c.file));
        const Result r = calc(args);
        EXPECT_EQ(r.status, 0) << r.err;
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(m_dir))
            names.push_back(entry.path().filename().string());
        EXPECT_NE(std::find(names.begin(), names.end(), c.file), names.end()) << c.file;
    }
    const Result loaded = calc({"mortgage", "--load", path(latin1 + ".umd"), "--format", "csv"});
    EXPECT_EQ(loaded.status, 0) << loaded.err;
    EXPECT_NE(loaded.out.find("\n1,1,2027-01-15,"), std::string::npos) << loaded.out.substr(0, 200);
    const Result listed = calc({"valuedb", path(latin1 + ".zrk"), "list", "--format", "csv"});
    EXPECT_EQ(listed.status, 0) << listed.err;
    // A file that cannot be read is named by its bytes.
    const Result missing = calc({"mortgage", "--load", path(latin1 + "-none.umd")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find(path(latin1 + "-none.umd")), std::string::npos) << missing.err;
}

// The window saves the start date in the user's short date form: the command line loads it in the
// form of its locale first, and in any other that gives one date only (every form is read by the
// mortgage file's own tests; here the locale chooses).
TEST_F(Calc, AStartDateSavedByTheWindowLoads) {
    const Result saved = calc({"mortgage", "--start-date", "2026-01-15", "--save", path("iso.umd")});
    ASSERT_EQ(saved.status, 0) << saved.err;
    const std::string iso = contents(path("iso.umd"));
    const std::size_t at = iso.find("\"2026-01-15\"");
    ASSERT_NE(at, std::string::npos) << iso;
    const struct {
        const char* saved;
        const char* locale;
        const char* firstDate; // empty: refused
    } cases[] = {
        {"12/7/2026", "en_US.UTF-8", "2026-12-07"},
        {"12/7/2026", "en_GB.UTF-8", "2026-07-12"},
        {"12.7.2026", "de_DE.UTF-8", "2026-07-12"},
        {"25/12/2026", "en_US.UTF-8", "2026-12-25"},
        {"12/7/2026", "C.UTF-8", ""},
    };
    for (const auto& c : cases) {
        std::string bytes = iso;
        bytes.replace(at + 1, 10, c.saved);
        std::ofstream(path("short.umd"), std::ios::binary) << bytes;
        const Result r = calc({"mortgage", "--load", path("short.umd"), "--format", "csv"}, {},
                              {{"LC_ALL", c.locale}, {"LANG", c.locale}});
        if (*c.firstDate == '\0') {
            EXPECT_EQ(r.status, 2) << c.saved << ' ' << c.locale;
            continue;
        }
        EXPECT_EQ(r.status, 0) << c.saved << ' ' << c.locale << ": " << r.err;
        EXPECT_NE(r.out.find(std::string("\n1,1,") + c.firstDate + ","), std::string::npos)
            << c.saved << ' ' << c.locale << '\n'
            << r.out.substr(0, 200);
    }
}

// A command that fails writes nothing: no printout, no saved file.
TEST_F(Calc, AFailedCommandWritesNoPrintout) {
    const std::vector<std::vector<std::string>> failing = {
        {"valuedb", kSample, "extract", "5", "1", "--output", path("part.zrk")},
        {"valuedb", kSample, "extract", "1", "999", "--output", path("part.zrk")},
        {"valuedb", kSample, "sort"}, // no --output
        {"valuedb", kSample, "trend", "--page", "9", "--output", path("t.png")},
        {"mortgage", "--term", "41", "--save", path("m.umd")},
        {"mortgage", "--start-date", "9990-01-01", "--save", path("m.umd")},
        {"growth", "--example", "rate=6", "--example", "term=x"},
        {"retirement", "--withdraw", "100"},
        {"chart", "401k", "--kind", "2", "--output", path("c.png")},
        {"chart", "growth", "--term", "0", "--output", path("c.png")},
    };
    for (auto args : failing) {
        for (const char* printout : {"p.txt", "p.pdf"}) {
            args.insert(args.end(), {"--printout", path(printout)});
            const Result r = calc(args);
            EXPECT_EQ(r.status, 2) << args[0] << ' ' << args[1];
            EXPECT_FALSE(fs::exists(path(printout))) << args[0] << ' ' << args[1] << ' ' << printout;
            args.resize(args.size() - 2);
        }
    }
    for (const char* file : {"part.zrk", "m.umd", "c.png", "t.png"})
        EXPECT_FALSE(fs::exists(path(file))) << file;
    // The same commands that succeed write their printout.
    const Result ok = calc(
        {"valuedb", kSample, "extract", "1", "5", "--output", path("part.zrk"), "--printout", path("p.txt")});
    EXPECT_EQ(ok.status, 0) << ok.err;
    EXPECT_TRUE(fs::exists(path("p.txt")));
    EXPECT_TRUE(fs::exists(path("part.zrk")));
}

// Usage goes to standard error when it answers a mistake; a refused entry names its option and
// the message's number.
TEST_F(Calc, ErrorsNameTheOptionAndTheMessageNumber) {
    const Result none = calc({});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err.rfind("Usage: brisklane-calc", 0), 0u) << none.err;
    const Result help = calc({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: brisklane-calc", 0), 0u);
    EXPECT_EQ(help.err, "");
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"mortgage", "--term", "41"}, "--term 41: Wrong entry, 40 Years limit. (message 5)\n"},
        {{"mortgage", "--loan", "--term", "481"}, "--term 481: Wrong entry, 40 Years limit. (message 5)\n"},
        {{"mortgage", "--rate", "abc"}, "--rate abc: Wrong or missing entry, try again. (message 3)\n"},
        {{"mortgage", "--principal", "100000000001"},
         "--principal 100000000001: Wrong or missing entry, try again. (message 3)\n"},
        {{"mortgage", "--frequency", "daily"},
         "--frequency daily: Wrong or missing entry, try again. (message 3)\n"},
        {{"mortgage", "--term", "0.01"}, "--term 0.01: Wrong or missing entry, try again. (message 3)\n"},
        {{"mortgage", "--increase", "101"}, "--increase 101: "},
        {{"mortgage", "--extra", "99=5"}, "--extra 99=5: Wrong or missing entry, try again. (message 3)\n"},
        {{"compound", "--term", "51"}, "--term 51: Wrong entry, 50 Years limit. (message 4)\n"},
        {{"retirement", "--withdraw", "100"},
         "--withdraw 100: Unknown error. Cannot complete. (message 7)\n"},
        {{"capital", "--option", "x"}, "--option x: Wrong or missing entry, try again. (message 3)\n"},
        {{"format", "--mask", "#.00", "nan"}, "nan: Wrong or missing entry, try again. (message 3)\n"},
        {{"chart", "401k", "--kind", "2", "--output", "x.png"},
         "--kind 2: this calculator's charts are kinds: 3 5\n"},
        {{"mortgage", "--format", "xml"}, "--format xml: "},
    };
    for (const auto& c : cases) {
        const Result r = calc(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.err.substr(0, c.message.size()), c.message);
        EXPECT_EQ(r.out, "") << c.message;
    }
    const Result date = calc({"mortgage", "--start-date", "31/31/2027"});
    EXPECT_EQ(date.err.rfind("--start-date 31/31/2027: ", 0), 0u) << date.err;
    EXPECT_NE(date.err.find("(message 30)\n"), std::string::npos) << date.err;
}

} // namespace

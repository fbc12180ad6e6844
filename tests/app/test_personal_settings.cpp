// The personal settings file and the one atomic writer every user file goes through.
#include "app/core/atomic_file.h"
#include "app/core/personal_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace brisk;
namespace fs = std::filesystem;

TEST(PersonalSettings, RoundTrip) {
    const PersonalSettings settings{"€", 2, "Zoë O'Neill"};
    const std::string bytes = personalSettingsBytes(settings);
    EXPECT_EQ(bytes, "\"€\",2,\"Zoë O'Neill\"\r\n");
    const auto back = parsePersonalSettings(bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->CurrencySymbol, "€");
    EXPECT_EQ(back->PrinterFontChoice, 2);
    EXPECT_EQ(back->UserName, "Zoë O'Neill");
}

TEST(PersonalSettings, DamagedFilesAreRefusedOrMended) {
    for (const char* bad : {"", "\"$\"", "\"$\",1", "\"$\",x,\"n\"", "\"$,1,\"n\"", "\x01\x02\x03"})
        EXPECT_FALSE(parsePersonalSettings(bad).has_value()) << bad;
    const auto outside = parsePersonalSettings("\"$\",9,\"A\"");
    ASSERT_TRUE(outside);
    EXPECT_EQ(outside->PrinterFontChoice, 0);
    const auto noSymbol = parsePersonalSettings("\"\",1,\"\"");
    ASSERT_TRUE(noSymbol);
    EXPECT_EQ(noSymbol->CurrencySymbol, "$");
}

class AtomicFile : public testing::Test {
  protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("brisk-atomic-" + std::to_string(getpid()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        fs::permissions(m_dir, fs::perms::owner_all);
        fs::remove_all(m_dir);
    }
    fs::path m_dir;
};

TEST_F(AtomicFile, ReplacesTheFileWholeAndLeavesNoTemporaryFile) {
    const fs::path file = m_dir / "Personal.zkp";
    ASSERT_TRUE(writeFileAtomically(file, "old"));
    ASSERT_TRUE(writeFileAtomically(file, "new contents"));
    EXPECT_EQ(readFileStart(file, 100), "new contents");
    EXPECT_EQ(readFileStart(file, 3), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(AtomicFile, AFailedWriteReportsAndKeepsTheOldFile) {
    const fs::path file = m_dir / "Personal.zkp";
    ASSERT_TRUE(writeFileAtomically(file, "old"));
    EXPECT_FALSE(writeFileAtomically(m_dir / "no-such-folder" / "x.zkp", "new"));
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(writeFileAtomically(file, "new"));
    EXPECT_EQ(readFileStart(file, 100), "old");
}

// A link is followed: its target gets the new contents and the link stays a link (a user who keeps
// a link into a synced folder must not end up with two files).
TEST_F(AtomicFile, FollowsASymbolicLinkToItsTarget) {
    fs::create_directories(m_dir / "synced");
    const fs::path target = m_dir / "synced" / "House.umd";
    ASSERT_TRUE(writeFileAtomically(target, "old"));
    fs::create_symlink("synced/House.umd", m_dir / "House.umd");  // relative, as users make them
    fs::create_symlink(m_dir / "House.umd", m_dir / "Again.umd"); // a link to a link
    ASSERT_TRUE(writeFileAtomically(m_dir / "Again.umd", "new"));
    EXPECT_TRUE(fs::is_symlink(m_dir / "House.umd"));
    EXPECT_TRUE(fs::is_symlink(m_dir / "Again.umd"));
    EXPECT_EQ(readFileStart(target, 100), "new");
    // A link to a file not made yet makes it.
    fs::create_symlink("synced/New.umd", m_dir / "New.umd");
    ASSERT_TRUE(writeFileAtomically(m_dir / "New.umd", "made"));
    EXPECT_EQ(readFileStart(m_dir / "synced" / "New.umd", 100), "made");
    // A loop of links is refused.
    fs::create_symlink("Loop2", m_dir / "Loop1");
    fs::create_symlink("Loop1", m_dir / "Loop2");
    EXPECT_FALSE(writeFileAtomically(m_dir / "Loop1", "x"));
}

// A path that names no regular file is refused and stays what it is; reading it gives nothing at
// once (a FIFO without a writer would otherwise block for ever).
TEST_F(AtomicFile, RefusesWhatIsNotARegularFile) {
    const fs::path fifo = m_dir / "pipe.zrk";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(writeFileAtomically(fifo, "x"));
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_FALSE(readFileStart(fifo, 10));
    EXPECT_FALSE(writeFileAtomically(m_dir, "x"));
    EXPECT_TRUE(fs::is_directory(m_dir));
    EXPECT_FALSE(readFileStart(m_dir, 10));
    if (geteuid() != 0) return; // a device of our own needs root to make
    const fs::path device = m_dir / "null";
    ASSERT_EQ(mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 3)), 0);
    EXPECT_FALSE(writeFileAtomically(device, "x"));
    EXPECT_TRUE(fs::is_character_file(device));
}

TEST_F(AtomicFile, KeepsPermissionsAndTakesTheLongestNames) {
    const fs::path secret = m_dir / "Private.zrk";
    ASSERT_TRUE(writeFileAtomically(secret, "a"));
    fs::permissions(secret, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(writeFileAtomically(secret, "b"));
    EXPECT_EQ(fs::status(secret).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    for (std::size_t length : {248u, 255u}) {
        const fs::path longName = m_dir / (std::string(length - 4, 'n') + ".zrk");
        EXPECT_TRUE(writeFileAtomically(longName, "long")) << length;
        EXPECT_EQ(readFileStart(longName, 10), "long");
    }
}

// A save killed between writing and renaming leaves a hidden temporary file; the next save of the
// same file clears it, and leaves those of other files alone.
TEST_F(AtomicFile, TheNextSaveClearsWhatAKilledOneLeft) {
    const fs::path file = m_dir / "House.umd";
    ASSERT_TRUE(writeFileAtomically(m_dir / "Other.umd", "other"));
    setWriteFault(WriteStep::Rename);
    EXPECT_FALSE(writeFileAtomically(file, "lost"));
    EXPECT_FALSE(writeFileAtomically(m_dir / "Other.umd", "lost"));
    setWriteFault(std::nullopt);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 3);
    ASSERT_TRUE(writeFileAtomically(file, "saved"));
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(m_dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    ASSERT_EQ(names.size(), 3u); // House.umd, Other.umd and Other's temporary file
    EXPECT_EQ(names[1], "House.umd");
    EXPECT_EQ(names[2], "Other.umd");
    EXPECT_EQ(names[0].rfind(".Other.umd.tmp", 0), 0u);
}

// A new file gets read and write for all less the user's umask; a file replaced keeps its mode.
TEST_F(AtomicFile, NewFilesFollowTheUmask) {
    const struct {
        mode_t umask;
        fs::perms expected;
    } cases[] = {
        {022, fs::perms(0644)}, {077, fs::perms(0600)}, {002, fs::perms(0664)},
        {0, fs::perms(0666)},   {0777, fs::perms(0)},
    };
    for (const auto& c : cases) {
        const mode_t before = umask(c.umask);
        const fs::path file = m_dir / ("New" + std::to_string(c.umask) + ".umd");
        const auto written = writeFileAtomically(file, "new");
        umask(before);
        ASSERT_TRUE(written) << written.error();
        EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, c.expected) << std::oct << c.umask;
        EXPECT_EQ(umask(before), before); // the umask is the caller's again
    }
    const fs::path shared = m_dir / "Shared.zrk";
    ASSERT_TRUE(writeFileAtomically(shared, "a"));
    fs::permissions(shared, fs::perms(0664));
    const mode_t before = umask(077);
    EXPECT_TRUE(writeFileAtomically(shared, "b"));
    umask(before);
    EXPECT_EQ(fs::status(shared).permissions() & fs::perms::all, fs::perms(0664));
}

// A write-protected file is refused and stays as it was, for root as well; any write bit lets it
// be replaced.
TEST_F(AtomicFile, AWriteProtectedFileIsRefused) {
    const struct {
        fs::perms mode;
        bool replaced;
    } cases[] = {
        {fs::perms(0444), false}, {fs::perms(0400), false}, {fs::perms(0555), false}, {fs::perms(0), false},
        {fs::perms(0644), true},  {fs::perms(0600), true},  {fs::perms(0200), true},
    };
    for (const auto& c : cases) {
        const fs::path file = m_dir / "Kept.umd";
        fs::remove(file);
        ASSERT_TRUE(writeFileAtomically(file, "old"));
        fs::permissions(file, c.mode);
        const auto written = writeFileAtomically(file, "new");
        EXPECT_EQ(written.ok(), c.replaced) << std::oct << static_cast<int>(c.mode);
        if (!c.replaced) {
            EXPECT_NE(written.error().find("ermission"), std::string::npos) << written.error();
        }
        fs::permissions(file, fs::perms(0600));
        EXPECT_EQ(readFileStart(file, 100), c.replaced ? "new" : "old");
        EXPECT_EQ(fs::status(file).permissions() & fs::perms::all, fs::perms(0600));
        EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
    }
}

// Saves of one file at once, by threads of one program and by two programs, each keep their own
// temporary file: every save succeeds and the file is always one of them whole.
TEST_F(AtomicFile, SavesOfOneFileAtOnceAllSucceed) {
    const fs::path file = m_dir / "Both.zrk";
    constexpr int kSaves = 300;
    auto saveMany = [&](char mark) {
        int failed = 0;
        for (int i = 0; i < kSaves; ++i)
            if (!writeFileAtomically(file, std::string(4096, mark))) ++failed;
        return failed;
    };
    int threadFailures[2] = {0, 0};
    std::thread first([&] { threadFailures[0] = saveMany('a'); });
    std::thread second([&] { threadFailures[1] = saveMany('b'); });
    first.join();
    second.join();
    EXPECT_EQ(threadFailures[0], 0);
    EXPECT_EQ(threadFailures[1], 0);

    pid_t children[2];
    for (int k = 0; k < 2; ++k) {
        children[k] = fork();
        if (children[k] == 0) _exit(saveMany(k == 0 ? 'c' : 'd') == 0 ? 0 : 1);
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save of the other program failed";
    }
    const auto bytes = readFileStart(file, 10000);
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(*bytes == std::string(4096, 'c') || *bytes == std::string(4096, 'd'));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

// Whatever the settings window saves reads back: its boxes hold 32767 characters, up to four bytes
// each; a file beyond the limit, or none, reads as nothing.
TEST_F(AtomicFile, SettingsReadBackUpToTheLimit) {
    std::string longest;
    for (int i = 0; i < 32767; ++i)
        longest += "\xf0\x9d\x84\x9e";
    const fs::path file = m_dir / "Personal.zkp";
    const PersonalSettings saved{longest, 3, longest};
    ASSERT_TRUE(writeFileAtomically(file, personalSettingsBytes(saved)));
    const auto back = readPersonalSettings(file);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->CurrencySymbol, longest);
    EXPECT_EQ(back->UserName, longest);
    EXPECT_EQ(back->PrinterFontChoice, 3);
    // A record of exactly the limit reads; one byte more does not.
    const std::string record = personalSettingsBytes({"$", 1, ""});
    const std::string fits =
        personalSettingsBytes({"$", 1, std::string(kSettingsFileLimit - record.size(), 'n')});
    ASSERT_EQ(fits.size(), kSettingsFileLimit);
    ASSERT_TRUE(writeFileAtomically(file, fits));
    EXPECT_TRUE(readPersonalSettings(file));
    ASSERT_TRUE(writeFileAtomically(
        file, personalSettingsBytes({"$", 1, std::string(kSettingsFileLimit - record.size() + 1, 'n')})));
    EXPECT_FALSE(readPersonalSettings(file));
    EXPECT_FALSE(readPersonalSettings(m_dir / "none.zkp"));
    EXPECT_FALSE(readPersonalSettings(m_dir));
}

TEST_F(AtomicFile, ReadingAMissingFileGivesNothing) {
    EXPECT_FALSE(readFileStart(m_dir / "none", 10));
}

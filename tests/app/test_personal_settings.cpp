// The personal settings file and the one atomic writer every user file goes through.
#include "app/core/atomic_file.h"
#include "app/core/personal_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

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
    ASSERT_FALSE(writeFileAtomically(file, "old"));
    ASSERT_FALSE(writeFileAtomically(file, "new contents"));
    EXPECT_EQ(readFileStart(file, 100), "new contents");
    EXPECT_EQ(readFileStart(file, 3), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(AtomicFile, AFailedWriteReportsAndKeepsTheOldFile) {
    const fs::path file = m_dir / "Personal.zkp";
    ASSERT_FALSE(writeFileAtomically(file, "old"));
    EXPECT_TRUE(writeFileAtomically(m_dir / "no-such-folder" / "x.zkp", "new").has_value());
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
    fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_TRUE(writeFileAtomically(file, "new").has_value());
    EXPECT_EQ(readFileStart(file, 100), "old");
}

TEST_F(AtomicFile, ReadingAMissingFileGivesNothing) {
    EXPECT_FALSE(readFileStart(m_dir / "none", 10));
}

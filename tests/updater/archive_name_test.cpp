// Which file titles are archives of the service program, their date numbers, and the date text
// the current-version line shows for a matching file.
#include <gtest/gtest.h>

#include "archive_name.h"

namespace {

TEST(ArchiveNameTest, DownloadedArchivesCarryTheirDateInAnyCase) {
  EXPECT_EQ(ArchiveDateNumber("tarvolt20261208"), 20261208);
  EXPECT_EQ(ArchiveDateNumber("TarVolt20261208"), 20261208);
  EXPECT_EQ(ArchiveDateNumber("tarvolt2"), 2) << "eight characters are enough";
  EXPECT_EQ(ArchiveDateNumber("old-tarvolt 2026"), 0) << "the text left starts with \"OLD-\"";
  EXPECT_EQ(ArchiveDateNumber("tarvolt 20261208"), 2026120) << "a leading blank is skipped but counts among the eight";
  EXPECT_EQ(ArchiveDateNumber("tarvolt+7"), 7);
}

TEST(ArchiveNameTest, OnlyTheFirstEightCharactersAfterEveryTarvoltCount) {
  EXPECT_EQ(ArchiveDateNumber("tarvolt2026120899"), 20261208);
  EXPECT_EQ(ArchiveDateNumber("tarvolt2026tarvolt1208"), 20261208) << "every TARVOLT is removed first";
  EXPECT_EQ(ArchiveDateNumber("2026tarvolt1208"), 20261208) << "the name need not start with it";
  EXPECT_EQ(ArchiveDateNumber("tarvolt12x"), 12) << "the number ends at the first other character";
}

TEST(ArchiveNameTest, TheProgramItselfAndTitlesWithoutAPositiveNumberAreNoArchives) {
  EXPECT_EQ(ArchiveDateNumber("Tarvolt"), 0) << "the service program";
  EXPECT_EQ(ArchiveDateNumber("tarvolt-abc"), 0) << "a sign and letters";
  EXPECT_EQ(ArchiveDateNumber("tarvolt-5"), 0) << "a negative number";
  EXPECT_EQ(ArchiveDateNumber("tarvolt00000000"), 0);
  EXPECT_EQ(ArchiveDateNumber("tarvoltbackup"), 0);
  EXPECT_EQ(ArchiveDateNumber("zolvane20261208"), 0) << "no TARVOLT";
  EXPECT_EQ(ArchiveDateNumber("tarvoltTarvolt"), 0) << "only TARVOLTs, nothing left";
  EXPECT_EQ(ArchiveDateNumber(""), 0);
}

TEST(ArchiveNameTest, TheVersionTextIsTheNameWithoutTarvoltAndExe) {
  EXPECT_STREQ(VersionTextOfFileName("tarvolt20261208.exe"), "20261208");
  EXPECT_STREQ(VersionTextOfFileName("Tarvolt2.Exe"), "2");
  EXPECT_STREQ(VersionTextOfFileName("copy of tarvolt.exe.exe"), "COPY OF ") << "every .EXE goes";
  EXPECT_STREQ(VersionTextOfFileName("backup.exe"), "BACKUP") << "upper-cased";
}

}  // namespace

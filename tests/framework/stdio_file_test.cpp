#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cstdiofile.h"
#include "framework_machine.h"

namespace {

using framework_testing::FrameworkMachineTest;

using CStdioFileTest = FrameworkMachineTest;

const char* kName = "C:\\work\\lines.txt";

void Put(const std::string& bytes) {
  CFile file(kName, CFile::modeCreate | CFile::modeWrite);
  file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
}

std::string Bytes() {
  CFile file(kName, CFile::modeRead | CFile::shareDenyNone);
  std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
  file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
  return bytes;
}

std::vector<std::string> Lines(UINT nOpenFlags = CFile::modeRead) {
  CStdioFile file(kName, nOpenFlags);
  std::vector<std::string> lines;
  CString line = "not cleared";
  while (file.ReadString(line)) lines.push_back(line.GetString());
  EXPECT_TRUE(line.IsEmpty()) << "the end of the file left a line behind";
  EXPECT_FALSE(file.ReadString(line)) << "reading on after the end";
  return lines;
}

int OpenCause(const char* name, UINT nOpenFlags) {
  CStdioFile file;
  CFileException error;
  return file.Open(name, nOpenFlags, &error) ? CFileException::none : error.m_cause;
}

TEST_F(CStdioFileTest, TextModeWritesCrLfAndReadsLinesWithoutTheirEnds) {
  {
    CStdioFile file;
    ASSERT_TRUE(file.Open(kName, CFile::modeCreate | CFile::modeWrite | CFile::typeText));
    file.WriteString("first\n");
    file.WriteString("\nthird");
    file.WriteString(" continued\nlast without end");
  }
  EXPECT_EQ(Bytes(), "first\r\n\r\nthird continued\r\nlast without end");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"first", "", "third continued", "last without end"}));

  // Lines that end in LF alone, a lone CR inside a line, and an empty file.
  Put("unix\nline\r\nmixed\rCR\n");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"unix", "line", "mixed\rCR"}));
  Put("");
  EXPECT_EQ(Lines(), std::vector<std::string>{});
}

TEST_F(CStdioFileTest, LineEndsThatStraddleTheReadBufferAreOneLineEnd) {
  std::string bytes;
  std::vector<std::string> expected;
  for (int length = 0; length < 700; length += 7) {
    expected.push_back(std::string(static_cast<size_t>(length), static_cast<char>('a' + length % 26)));
    bytes += expected.back() + "\r\n";
  }
  Put(bytes);
  EXPECT_EQ(Lines(), expected);
}

TEST_F(CStdioFileTest, TheBufferFormKeepsTheLineEndAndStopsAtItsLimit) {
  Put("abcdef\r\nxy\r\n");
  CStdioFile file(kName, CFile::modeRead);
  char buffer[5];
  EXPECT_EQ(file.ReadString(buffer, 5), buffer);
  EXPECT_STREQ(buffer, "abcd");
  EXPECT_NE(file.ReadString(buffer, 5), nullptr);
  EXPECT_STREQ(buffer, "ef\n");
  EXPECT_NE(file.ReadString(buffer, 5), nullptr);
  EXPECT_STREQ(buffer, "xy\n");
  EXPECT_EQ(file.ReadString(buffer, 5), nullptr);
  EXPECT_STREQ(buffer, "");
}

TEST_F(CStdioFileTest, BinaryModeTranslatesNothing) {
  {
    CStdioFile file(kName, CFile::modeCreate | CFile::modeReadWrite | CFile::typeBinary);
    file.WriteString("one\ntwo\r\n\x1A" "after");
    file.SeekToBegin();
    char raw[4];
    EXPECT_EQ(file.Read(raw, 4), 4u);
    EXPECT_EQ(std::string(raw, 4), "one\n");
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_STREQ(line, "two") << "the CR LF is the line end in binary mode too";
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_STREQ(line, "\x1A" "after");
  }
  EXPECT_EQ(Bytes(), "one\ntwo\r\n\x1A" "after");
  // Text mode ends the input at CTRL+Z.
  EXPECT_EQ(Lines(), (std::vector<std::string>{"one", "two"}));
}

TEST_F(CStdioFileTest, ABinaryReadTakesWhatALineReadLeftThenTheFile) {
  std::string bytes = "head\r\n";
  for (int i = 0; i < 3000; ++i) bytes.push_back(static_cast<char>(i % 251));
  Put(bytes);
  CStdioFile file(kName, CFile::modeRead | CFile::typeBinary);
  CString line;
  ASSERT_TRUE(file.ReadString(line));
  EXPECT_STREQ(line, "head");
  // Part of the read-ahead, then across its end, then past the end of the file.
  std::string rest(3000, '\0');
  EXPECT_EQ(file.Read(rest.data(), 10), 10u);
  EXPECT_EQ(file.GetPosition(), 16u);
  EXPECT_EQ(file.Read(rest.data() + 10, 2000), 2000u);
  EXPECT_EQ(file.Read(rest.data() + 2010, 2000), 990u);
  EXPECT_TRUE(rest == bytes.substr(6)) << "the bytes changed";
  EXPECT_EQ(file.Read(rest.data(), 10), 0u);
}

TEST_F(CStdioFileTest, PositionsAndWritesFollowWhatWasRead) {
  Put("alpha\r\nbeta\r\ngamma\r\n");
  CStdioFile file(kName, CFile::modeReadWrite);
  CString line;
  ASSERT_TRUE(file.ReadString(line));
  // The file was read ahead; the position is still the caller's.
  EXPECT_EQ(file.GetPosition(), 7u);
  file.WriteString("BETA\n");
  ASSERT_TRUE(file.ReadString(line));
  EXPECT_STREQ(line, "gamma");
  file.Seek(-7, CFile::end);
  char rest[3];
  EXPECT_EQ(file.Read(rest, 3), 3u);
  EXPECT_EQ(std::string(rest, 3), "gam");
  file.SeekToEnd();
  file.WriteString("delta");
  file.SetLength(file.GetLength() - 2);
  file.Close();
  EXPECT_EQ(Bytes(), "alpha\r\nBETA\r\ngamma\r\ndel");
  EXPECT_EQ(file.m_hFile, CFile::hFileNull);
}

TEST_F(CStdioFileTest, OpenFlagsCreateTruncateOrKeep) {
  Put("kept\r\n");
  {
    CStdioFile file(kName, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
    file.SeekToEnd();
    file.WriteString("added\n");
  }
  EXPECT_EQ(Lines(), (std::vector<std::string>{"kept", "added"}));
  { CStdioFile file(kName, CFile::modeCreate | CFile::modeWrite); }
  EXPECT_EQ(Bytes(), "");
  EXPECT_EQ(OpenCause("C:\\work\\absent.txt", CFile::modeRead), CFileException::fileNotFound);
  try {
    CStdioFile thrown("C:\\absent folder\\x.txt", CFile::modeCreate | CFile::modeWrite);
    FAIL() << "the opening constructor did not throw";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::badPath);
    e->Delete();
  }
}

TEST_F(CStdioFileTest, ShareModesAreEnforcedBetweenOpeners) {
  Put("shared");
  {
    CStdioFile first(kName, CFile::modeRead | CFile::shareDenyWrite);
    EXPECT_EQ(OpenCause(kName, CFile::modeWrite | CFile::shareDenyNone), CFileException::sharingViolation);
    EXPECT_EQ(OpenCause(kName, CFile::modeRead | CFile::shareDenyNone), CFileException::none);
  }
  {
    CStdioFile first(kName, CFile::modeRead | CFile::shareExclusive);
    EXPECT_EQ(OpenCause(kName, CFile::modeRead | CFile::shareDenyNone), CFileException::sharingViolation);
  }
  {
    CStdioFile first(kName, CFile::modeWrite | CFile::shareDenyRead);
    EXPECT_EQ(OpenCause(kName, CFile::modeRead | CFile::shareDenyNone), CFileException::sharingViolation);
    EXPECT_EQ(OpenCause(kName, CFile::modeWrite | CFile::shareDenyNone), CFileException::none);
  }
  {
    CStdioFile first(kName, CFile::modeReadWrite | CFile::shareDenyNone);
    EXPECT_EQ(OpenCause(kName, CFile::modeReadWrite | CFile::shareDenyNone), CFileException::none);
    // A second opener cannot deny what the first one already does.
    EXPECT_EQ(OpenCause(kName, CFile::modeRead | CFile::shareDenyWrite), CFileException::sharingViolation);
  }
  // Every object above closed its file on destruction.
  EXPECT_EQ(OpenCause(kName, CFile::modeReadWrite | CFile::shareExclusive), CFileException::none);
}

}  // namespace

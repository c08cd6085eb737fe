// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "diagnostics/report.h"
#include "diagnostics/util.h"

namespace {

std::string g_seen;

void RecordError(const char* message, const char* module, int32_t errNo, uint32_t uid) {
  g_seen =
      std::string("E|") + module + "|" + std::to_string(errNo) + "|" + std::to_string(uid) + "|" + message;
}
void RecordWarning(const char* message, const char* module, uint32_t uid) {
  g_seen = std::string("W|") + module + "|" + std::to_string(uid) + "|" + message;
}

TEST(Reporting, StandardOutputBlocksPrintPercentAsIs) {
  testing::internal::CaptureStdout();
  ReportError(nullptr, nullptr, 0, nullptr);
  ReportWarning(nullptr, nullptr, nullptr);
  ReportDebug(nullptr, "virelo_Init", "%d files", 2);
  ReportError(nullptr, "m", -3, "cannot open %s", "C:/x/%d%s%n.vrp");
  ReportWarning(nullptr, "50%s", "%s", "100%d");
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Error in Module UNKNOWN MODULE - UID=0 - ErrNo=0\nMessage:\nNO MESSAGE\n\n"
            "WARNING[UNKNOWN MODULE] - UID=0\nMessage:\n\n\n"
            "Debug [virelo_Init] - UID=0\nMessage:\n2 files\n\n"
            "Error in Module m - UID=0 - ErrNo=-3\nMessage:\ncannot open C:/x/%d%s%n.vrp\n\n"
            "WARNING[50%s] - UID=0\nMessage:\n100%d\n\n");
}

TEST(Reporting, CallbackSlots) {
  ReportCallbacks callbacks{nullptr, RecordWarning, nullptr, 0x2a};
  testing::internal::CaptureStdout();
  ReportError(&callbacks, "mod", 0, "boom");
  ReportWarning(&callbacks, "mod", "careful %d", 5);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Error in Module mod - UID=2a - ErrNo=0\nMessage:\nboom\n\n");
  EXPECT_EQ(g_seen, "W|mod|42|careful 5");

  const std::string longText(600, 'x');  // module and message are cut to 255
  callbacks.onError = RecordError;
  ReportError(&callbacks, longText.c_str(), 1, "%s", longText.c_str());
  EXPECT_EQ(g_seen, "E|" + std::string(255, 'x') + "|1|42|" + std::string(255, 'x'));

  RemoveReportCallbacks();
  SetInstalledReportHandlers(RecordError, RecordWarning, PrintDebugLine);
  InstallReportCallbacks();
  const ReportCallbacks* active = ActiveReportCallbacks();
  ASSERT_NE(active, nullptr);
  ReportError(active, "m", 0, "e");
  EXPECT_EQ(g_seen, "E|m|0|0|e");
  testing::internal::CaptureStdout();
  ReportDebug(active, "virelo_Init", "data %s", "here");
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "DEBUG [virelo_Init]:\tdata here\n");
  RemoveReportCallbacks();
  EXPECT_EQ(ActiveReportCallbacks(), nullptr);
  SetInstalledReportHandlers(nullptr, nullptr, PrintDebugLine);
}

TEST(ResizeArray, GrowReleaseAndFailureKeepsBlock) {
  SetInstalledReportHandlers(RecordError, RecordWarning, nullptr);
  InstallReportCallbacks();
  g_seen.clear();
  int* values = nullptr;
  ASSERT_EQ(resizeArray(&values, 0), 1);
  EXPECT_EQ(values, nullptr);
  ASSERT_EQ(resizeArray(&values, 2), 1);
  values[0] = 5;
  values[1] = 6;
  int* const before = values;
  testing::internal::CaptureStdout();
  EXPECT_EQ(resizeArray(reinterpret_cast<void**>(&values), SIZE_MAX / 2, 3), 0);
  EXPECT_EQ(resizeArray(&values, -5), 0);
  EXPECT_EQ(resizeArray(static_cast<void**>(nullptr), 4, 1), 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Error in Module resizeArray - UID=0 - ErrNo=0\nMessage:\nAllocation failed!, newcount=3\n\n"
            "Error in Module resizeArray - UID=0 - ErrNo=0\nMessage:\nAllocation failed!, newcount=-5\n\n"
            "Error in Module resizeArray - UID=0 - ErrNo=0\nMessage:\nInput is NULL!\n\n");
  EXPECT_TRUE(g_seen.empty());
  EXPECT_EQ(values, before);
  EXPECT_EQ(values[0] + values[1], 11);
  ASSERT_EQ(resizeArray(&values, 1000), 1);
  EXPECT_EQ(values[0] + values[1], 11);
  ASSERT_EQ(resizeArray(&values, 0), 1);
  EXPECT_EQ(values, nullptr);
  RemoveReportCallbacks();
  SetInstalledReportHandlers(nullptr, nullptr, PrintDebugLine);
}

TEST(Strings, SplitPath) {
  const char* cases[][4] = {
      {"C:\\data\\site.vrp", "C:\\data\\", "site", "vrp"},
      {"/home/data.old/site", "/home/data.old/", "site", ""},
      {"dir/file.tar.gz", "dir/", "file.tar", "gz"},
      {"mixed\\a/b.c", "mixed\\a/", "b", "c"},
      {"bare", "", "bare", ""},
      {"dir/", "dir/", "", ""},
  };
  for (const auto& c : cases) {
    char directory[4096] = "?", name[4096] = "?", extension[4096] = "?";
    SplitPath(c[0], directory, name, extension);
    EXPECT_STREQ(directory, c[1]) << c[0];
    EXPECT_STREQ(name, c[2]) << c[0];
    EXPECT_STREQ(extension, c[3]) << c[0];
  }
  const std::string deep = "/" + std::string(3000, 'd') + "/";  // a deep folder keeps its whole path
  char directory[4096];
  SplitPath((deep + "file.vrp").c_str(), directory, nullptr, nullptr);
  EXPECT_EQ(directory, deep);
}

TEST(Strings, TrimAndCopy) {
  char blanks[] = " \t\r\n\v\f ", words[] = "  a b  ", latin1[] = "\xA0x\xA0";
  EXPECT_STREQ(TrimString(blanks), "");
  EXPECT_EQ(TrimString(words), words);
  EXPECT_STREQ(words, "a b");
  EXPECT_STREQ(TrimString(latin1), "\xA0x\xA0");  // a no-break space is text

  char buffer[6];
  std::memset(buffer, 'z', sizeof buffer);
  EXPECT_EQ(CopyBounded(buffer, "ab", sizeof buffer), buffer);
  EXPECT_EQ(std::string(buffer, sizeof buffer), std::string("ab\0\0\0\0", 6));
  CopyBounded(buffer, "abcdefgh", sizeof buffer);
  EXPECT_EQ(std::string(buffer, sizeof buffer), std::string("abcde\0", 6));
}

}  // namespace

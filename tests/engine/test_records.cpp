#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "engine/records.h"

namespace {

TEST(Records, GroupAndRedoxTables) {
  EXPECT_STREQ(virelo_GroupName(0), "BTEX");
  EXPECT_STREQ(virelo_GroupName(2), "Chlorinated Aliphatics");
  EXPECT_STREQ(virelo_GroupName(7), "Other");
  EXPECT_EQ(virelo_GroupName(8), nullptr);
  EXPECT_EQ(virelo_GroupName(-1), nullptr);
  EXPECT_EQ(kContaminantGroups[8].code, -1);
  EXPECT_STREQ(kContaminantGroups[8].name, "__end__");

  // Index order differs from bit order: Fe before SO4, mixed plumes before CH4.
  const uint16_t bits[] = {2, 4, 8, 32, 16, 128, 64};
  for (int i = 0; i < kRedoxConditionCount; ++i) EXPECT_EQ(virelo_RedoxLambdaBit(i), bits[i]) << i;
  EXPECT_STREQ(virelo_RedoxText(0), "UNKOWN / VARIABLE");
  EXPECT_STREQ(virelo_RedoxText(5), "ANAEROBIC-MIXED-PLUMES");
  EXPECT_EQ(virelo_RedoxLambdaBit(7), 0);
  EXPECT_EQ(virelo_RedoxText(-1), nullptr);
}

TEST(Records, AquiferValues) {
  Aquifer a{};
  virelo_SetAquiferValue(&a, kAquiferSy, 10.0);
  virelo_SetAquiferValue(&a, kAquiferKf, 1.5);
  EXPECT_EQ(a.setMask, kAquiferSy | kAquiferKf);
  EXPECT_EQ(a.sourceThicknessSy, 10.0);
  EXPECT_EQ(a.conductivityKf, 1.5);
  const Aquifer before = a;
  virelo_SetAquiferValue(&a, 16, 3.0);
  virelo_SetAquiferValue(&a, kAquiferX | kAquiferKf, 3.0);
  EXPECT_EQ(std::memcmp(&a, &before, sizeof a), 0);

  double ax = 0, ay = 0, az = 0;
  EXPECT_EQ(virelo_ApproximateDispersivity(250.0, &ax, &ay, &az), 1);
  EXPECT_DOUBLE_EQ(ax, 25.0);
  EXPECT_DOUBLE_EQ(ay, 2.5);
  EXPECT_DOUBLE_EQ(az, 0.25);
}

TEST(Records, LambdaOperations) {
  Contaminant c{};
  double value = -1.0;
  EXPECT_EQ(virelo_GetLambda(&c, &value), 0);
  EXPECT_EQ(value, 0.0);

  const int bits[] = {1, 2, 4, 8, 16, 32, 64, 128};
  for (int bit : bits) virelo_SetLambda(&c, bit, bit * 0.001);
  EXPECT_EQ(c.lambdaMask, 255);
  EXPECT_EQ(c.lambdaUser, 0.001);
  EXPECT_EQ(c.lambdaIron, 0.032);
  EXPECT_EQ(c.lambdaMixedPlumes, 0.128);
  for (int bit : bits) {
    c.lambdaSelected = static_cast<int16_t>(bit);
    EXPECT_EQ(virelo_GetLambda(&c, &value), 1);
    EXPECT_EQ(value, bit * 0.001);
  }
  c.lambdaSelected = 3;
  EXPECT_EQ(virelo_GetLambda(&c, &value), 0);
  EXPECT_EQ(value, 0.0);

  virelo_ClearLambda(&c, kLambdaNitrate);
  EXPECT_EQ(c.lambdaMask, 255 - 8);
  EXPECT_EQ(c.lambdaNitrate, 0.0);
  c.lambdaNitrate = 0.5;  // stored, but its bit is gone: the getter still answers
  c.lambdaSelected = kLambdaNitrate;
  EXPECT_EQ(virelo_GetLambda(&c, &value), 1);
  EXPECT_EQ(value, 0.5);
  virelo_SetLambda(&c, 256, 9.0);
  EXPECT_EQ(c.lambdaMask, 255 - 8);
}

TEST(Records, ContaminantValues) {
  Contaminant c{};
  virelo_SetContaminantValue(&c, kValueLiteratureEntries, 12.9);
  EXPECT_EQ(c.literatureEntries, 12);
  virelo_SetContaminantValue(&c, kValueLiteratureEntries, -3.7);
  EXPECT_EQ(c.literatureEntries, -3);
  virelo_SetContaminantValue(&c, kValueLiteratureEntries, 1e9);
  EXPECT_EQ(c.literatureEntries, INT16_MAX);
  virelo_SetContaminantValue(&c, kValueC0, 100.0);
  virelo_SetContaminantValue(&c, kValueCa, 1.0);
  virelo_SetContaminantValue(&c, kValueLiteraturePlumeLength, 80.0);
  EXPECT_EQ(c.valueMask, 2 | 4 | 8 | 16);
  EXPECT_EQ(c.c0, 100.0);
  EXPECT_EQ(c.ca, 1.0);
  EXPECT_EQ(c.literaturePlumeLength, 80.0);
  virelo_ClearContaminantValue(&c, kValueC0);
  virelo_ClearContaminantValue(&c, kValueLiteratureEntries);
  virelo_ClearContaminantValue(&c, 1);
  EXPECT_EQ(c.valueMask, 2 | 16);
  EXPECT_EQ(c.c0, 0.0);
  EXPECT_EQ(c.literatureEntries, 0);
}

TEST(Records, AllocateAndFree) {
  Project* p = virelo_AllocateProject();
  ASSERT_NE(p, nullptr);
  EXPECT_STREQ(p->title, "");
  EXPECT_STREQ(p->path, "");
  EXPECT_EQ(p->contaminantCount, 0);
  EXPECT_EQ(p->results, nullptr);
  EXPECT_EQ(p->modified, 0);
  EXPECT_EQ(p->aquifer.setMask, 0);

  virelo_FreeResults(p);
  EXPECT_EQ(p->results, nullptr);
  EXPECT_EQ(p->resultCount, 0);

  p->contaminants = virelo_AllocateContaminants(3);
  ASSERT_NE(p->contaminants, nullptr);
  p->contaminantCount = 3;
  EXPECT_EQ(p->contaminants[2].valueMask, 0);
  p->results = static_cast<ContaminantResult*>(std::calloc(2, sizeof(ContaminantResult)));
  p->resultCount = 2;
  p->results[1].afAquiferProblems = static_cast<ProblemCode*>(std::malloc(4));
  p->file = std::tmpfile();
  virelo_FreeResults(p);
  EXPECT_EQ(p->results, nullptr);
  EXPECT_EQ(p->resultCount, 0);
  virelo_FreeProject(p);  // closes the file and releases the list (leak-checked builds)
  virelo_FreeProject(nullptr);

  Contaminant* empty = virelo_AllocateContaminants(0);
  EXPECT_NE(empty, nullptr);
  std::free(empty);
  testing::internal::CaptureStdout();
  EXPECT_EQ(virelo_AllocateContaminants(-1), nullptr);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Error in Module virelo_AllocateContaminants - UID=0 - ErrNo=0\nMessage:\n"
            "Memory allocation for contaminants failed\n\n");
}

}  // namespace

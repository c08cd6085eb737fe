// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Decay chains in the project's settings payload: what goes in comes back,
// and a payload that is not one Virelo wrote is refused whole.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/project/extras.h"
#include "persistence/extras_json.h"

namespace {

TEST(ChainJson, RoundTripAndRefusals) {
  Project* project = virelo_AllocateProject();
  EXPECT_TRUE(ExtrasAreDefault(*project));
  // A name outside ASCII (kept as the record's Latin-1) and a yield not yet
  // given must both survive.
  virelo_Extras(project).chains = {{{"PCE", "Trichlor\xe4then", "Ethene"}, {0.79, NAN}}, {{"A", "B"}, {1.5}}};
  EXPECT_FALSE(ExtrasAreDefault(*project));
  const std::string payload = ExtrasToPayload(*project);
  EXPECT_NE(payload.find("\"chains\":[{\"species\":[\"PCE\",\"Trichlor\xc3\xa4then\",\"Ethene\"],"
                         "\"yields\":[0.79,null]}"),
            std::string::npos)
      << payload;

  Project* read = virelo_AllocateProject();
  std::string reason;
  ASSERT_TRUE(ExtrasFromPayload(payload, read, &reason)) << reason;
  const std::vector<DecayChain>& chains = virelo_ExtrasOf(*read).chains;
  ASSERT_EQ(chains.size(), 2u);
  ASSERT_EQ(chains[0].yields.size(), 2u);
  EXPECT_EQ(chains[0].species, virelo_ExtrasOf(*project).chains[0].species);
  EXPECT_EQ(chains[0].yields[0], 0.79);
  EXPECT_TRUE(std::isnan(chains[0].yields[1]));
  EXPECT_EQ(chains[1].yields, std::vector<double>{1.5});
  // Reading again replaces the chains rather than adding to them.
  ASSERT_TRUE(ExtrasFromPayload(payload, read, &reason)) << reason;
  EXPECT_EQ(virelo_ExtrasOf(*read).chains.size(), 2u);

  const struct {
    const char* payload;
    const char* where;
  } refused[] = {
      {R"({"chains":{"species":[]}})", "/chains"},
      {R"({"chains":[{"species":["A","B"],"yields":[]}]})", "/chains/0/yields"},
      {R"({"chains":[{"species":["A","B"],"yields":[-1]}]})", "/chains/0/yields/0"},
      {R"({"chains":[{"species":["A",""],"yields":[1]}]})", "/chains/0/species/1"},
      {R"({"chains":[{"species":["A",7],"yields":[1]}]})", "/chains/0/species/1"},
      {R"({"chains":[{"species":["A","B"],"yields":[1],"order":2}]})", "/chains/0/order"},
      {R"({"chains":[{"yields":[1]}]})", "/chains/0/species"},
  };
  for (const auto& bad : refused) {
    Project* other = virelo_AllocateProject();
    virelo_Extras(other).chains = chains;
    std::string why;
    EXPECT_FALSE(ExtrasFromPayload(bad.payload, other, &why)) << bad.payload;
    EXPECT_EQ(why.rfind(bad.where, 0), 0u) << why;
    // Nothing of a refused section is taken over.
    EXPECT_EQ(virelo_ExtrasOf(*other).chains.size(), 2u);
    virelo_FreeProject(other);
  }
  virelo_FreeProject(read);
  virelo_FreeProject(project);
}

TEST(ChainJson, ReleasedSpeciesAreWrittenOnlyWhenRecorded) {
  Project* project = virelo_AllocateProject();
  virelo_Extras(project).chains = {{{"PCE", "TCE", "Ethene"}, {0.79, 0.21}}};
  const std::string before = ExtrasToPayload(*project);
  EXPECT_EQ(before.find("released"), std::string::npos) << before;
  virelo_Extras(project).chains[0].released = {"PCE"};
  const std::string payload = ExtrasToPayload(*project);
  EXPECT_NE(payload.find("\"yields\":[0.79,0.21],\"released\":[\"PCE\"]}"), std::string::npos) << payload;
  Project* read = virelo_AllocateProject();
  std::string reason;
  ASSERT_TRUE(ExtrasFromPayload(payload, read, &reason)) << reason;
  EXPECT_EQ(virelo_ExtrasOf(*read).chains, virelo_ExtrasOf(*project).chains);
  // Cleared again, the project is written as before the tick.
  virelo_Extras(project).chains[0].released.clear();
  EXPECT_EQ(ExtrasToPayload(*project), before);
  // A tick left behind by a species renamed in the editor is not written,
  // so the file still reads back.
  virelo_Extras(project).chains[0].released = {"Perchlorethen", "PCE", "PCE"};
  const std::string stale = ExtrasToPayload(*project);
  EXPECT_NE(stale.find("\"released\":[\"PCE\"]}"), std::string::npos) << stale;
  ASSERT_TRUE(ExtrasFromPayload(stale, read, &reason)) << reason;
  virelo_Extras(project).chains[0].released = {"Perchlorethen"};
  EXPECT_EQ(ExtrasToPayload(*project), before);

  for (const char* bad : {R"({"chains":[{"species":["A","B"],"yields":[1],"released":["C"]}]})",
                          R"({"chains":[{"species":["A","B"],"yields":[1],"released":["A","A"]}]})",
                          R"({"chains":[{"species":["A","B"],"yields":[1],"released":"A"}]})"}) {
    std::string why;
    EXPECT_FALSE(ExtrasFromPayload(bad, read, &why)) << bad;
    EXPECT_EQ(why.rfind("/chains/0/released", 0), 0u) << why;
  }
  virelo_FreeProject(read);
  virelo_FreeProject(project);
}

}  // namespace

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Sorption, the decay convention and the shrinking source: the numbers, the
// steady results they may and may not change, and how they are kept.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cfloat>
#include <cmath>
#include <filesystem>
#include <string>

#include "diagnostics/report.h"
#include "diagnostics/util.h"
#include "engine/core/calc.h"
#include "engine/core/exact.h"
#include "engine/core/validation.h"
#include "engine/project/extras.h"
#include "engine/project/transport.h"
#include "persistence/extras_json.h"
#include "persistence/projectfile.h"
#include "tests/engine/support/cli_run.h"
#include "tests/engine/support/file_bytes.h"
#include "tests/engine/support/project_files.h"
#include "tests/engine/support/worked_example.h"
#include "tools/cli/example_projects.h"

namespace fs = std::filesystem;

namespace {

// The worked example: benzene, C0 100, CA 1, lambda 0.01 1/d.
Project* WorkedProject() {
  Project* p = virelo_AllocateProject();
  CopyBounded(p->title, "Transport", sizeof p->title);
  p->aquifer = WorkedExampleAquifer();
  p->contaminants = virelo_AllocateContaminants(2);
  p->contaminantCount = 2;
  const char* names[] = {"Benzene", "MTBE"};
  for (int k = 0; k < 2; ++k) {
    Contaminant& c = p->contaminants[k];
    CopyBounded(c.name, names[k], kNameCapacity);
    virelo_SetContaminantValue(&c, kValueC0, 100.0);
    virelo_SetContaminantValue(&c, kValueCa, 1.0);
    virelo_SetLambda(&c, kLambdaUser, 0.01);
    c.lambdaSelected = kLambdaUser;
    c.assess = kAssessPlumeLength | kAssessAttenuationFactor;
  }
  return p;
}

// rho_b 1.6 kg/L, foc 0.002, Koc 61.7 L/kg for benzene; MTBE has no Koc.
void AddSorption(Project* p, DecayOf decayOf) {
  TransportInputs& t = virelo_Extras(p).transport;
  t.aquifer = {1.6, 0.002, decayOf};
  ContaminantTransport benzene;
  benzene.koc = 61.7;
  benzene.kocSource = "US EPA 1996";
  SetContaminantTransport(&t, "Benzene", benzene);
}

// R = 1 + 1.6 * 61.7 * 0.002 / 0.25, by hand.
constexpr double kBenzeneR = 1.78976;

std::vector<double> Results(Project* p) {
  virelo_FreeResults(p);
  EXPECT_EQ(virelo_math_CalcAll(p), 1);
  EXPECT_EQ(virelo_math_CalcExactAll(p, 1), 1);
  std::vector<double> values;
  for (int k = 0; k < p->resultCount; ++k) {
    const ContaminantResult& r = p->results[k];
    values.insert(values.end(), {r.plumeLength, r.relativeConcentration, r.attenuationFactor, r.sourceRatio,
                                 r.exactRelativeConcentration, r.exactSourceRatio});
  }
  return values;
}

}  // namespace

TEST(Transport, RetardationAndWhyItIsOne) {
  Project* p = WorkedProject();
  AddSorption(p, DecayOf::Dissolved);
  const Retardation benzene = virelo_RetardationOf(*p, "Benzene");
  EXPECT_EQ(benzene.basis, Retardation::Basis::Computed);
  EXPECT_NEAR(benzene.value, kBenzeneR, 1e-12);
  // No Koc: R = 1, and the text says why.
  const Retardation mtbe = virelo_RetardationOf(*p, "MTBE");
  EXPECT_EQ(mtbe.basis, Retardation::Basis::NoKoc);
  EXPECT_EQ(mtbe.value, 1.0);
  EXPECT_EQ(RetardationText(mtbe), "R = 1: no Koc for this contaminant");
  // A Koc without the aquifer's foc, and an unusable ne.
  virelo_Extras(p).transport.aquifer.organicCarbon.reset();
  EXPECT_EQ(virelo_RetardationOf(*p, "Benzene").basis, Retardation::Basis::NoAquifer);
  virelo_Extras(p).transport.aquifer.organicCarbon = 0.002;
  p->aquifer.porosityNe = 0.0;
  EXPECT_EQ(virelo_RetardationOf(*p, "Benzene").basis, Retardation::Basis::NoPorosity);
  EXPECT_EQ(virelo_RetardationOf(*p, "Benzene").value, 1.0);
  // foc = 0 is a clean aquifer, not a missing value.
  p->aquifer.porosityNe = 0.25;
  virelo_Extras(p).transport.aquifer.organicCarbon = 0.0;
  EXPECT_EQ(virelo_RetardationOf(*p, "Benzene").basis, Retardation::Basis::Computed);
  EXPECT_EQ(virelo_RetardationOf(*p, "Benzene").value, 1.0);
  virelo_FreeProject(p);
}

// The default convention changes no steady value at all; decay of the sorbed
// phase too replaces lambda by lambda * R in both models, for the
// contaminant with a Koc only.
TEST(Transport, SteadyResultsFollowTheDecayConvention) {
  Project* p = WorkedProject();
  const std::vector<double> before = Results(p);
  AddSorption(p, DecayOf::Dissolved);
  const std::vector<double> dissolved = Results(p);
  ASSERT_EQ(before.size(), dissolved.size());
  EXPECT_EQ(std::memcmp(before.data(), dissolved.data(), before.size() * sizeof(double)), 0);

  virelo_Extras(p).transport.aquifer.decayOf = DecayOf::DissolvedAndSorbed;
  const std::vector<double> sorbed = Results(p);
  // Plug flow: d = v / (lambda R) ln(C0/CA) = 18.4207 / R.
  EXPECT_NEAR(sorbed[0], 0.04 / (0.01 * kBenzeneR) * std::log(100.0), 1e-12);
  const double screening = virelo_math_ScreeningConcentration(&p->aquifer, 0.01 * kBenzeneR, 100.0);
  EXPECT_DOUBLE_EQ(sorbed[1], screening);
  EXPECT_LT(sorbed[1], before[1]);
  EXPECT_NEAR(sorbed[4], virelo_math_ExactConcentration(&p->aquifer, 0.01 * kBenzeneR, 100.0), 1e-15);
  // MTBE (the second result) has no Koc and keeps its values.
  for (size_t k = 6; k < 12; ++k) EXPECT_EQ(sorbed[k], before[k]) << k;
  // The records themselves are untouched.
  double lambda = 0.0;
  virelo_GetLambda(&p->contaminants[0], &lambda);
  EXPECT_EQ(lambda, 0.01);
  virelo_FreeProject(p);
}

// ks = Q C0 / M0 with Q = Kf i W H: 1 m/d * 0.01 * 20 m * 5 m = 1 m3/d; C0
// 100 ug/L = 1e-4 kg/m3; M0 10 kg: ks = 1e-5 1/d (1e-2 1/d in mg/L).
TEST(Transport, SourceDecayFromTheMassInTheProjectsUnit) {
  Project* p = WorkedProject();
  ContaminantTransport t;
  t.sourceDecay = SourceDecayKind::Mass;
  t.mass = 10.0;
  SetContaminantTransport(&virelo_Extras(p).transport, "Benzene", t);
  SourceDecay d = virelo_SourceDecayOf(*p, p->contaminants[0]);
  EXPECT_EQ(d.problem, "");
  EXPECT_NEAR(d.flow, 1.0, 1e-15);
  EXPECT_NEAR(d.ks, 1e-5, 1e-20);
  virelo_Extras(p).settings.concentrationUnit = " mg/L ";
  EXPECT_NEAR(virelo_SourceDecayOf(*p, p->contaminants[0]).ks, 1e-2, 1e-17);
  virelo_Extras(p).settings.concentrationUnit = "ng/L";
  EXPECT_NEAR(virelo_SourceDecayOf(*p, p->contaminants[0]).ks, 1e-8, 1e-23);
  // A unit Virelo cannot convert gives no rate, and says so.
  virelo_Extras(p).settings.concentrationUnit = "ppm";
  d = virelo_SourceDecayOf(*p, p->contaminants[0]);
  EXPECT_EQ(d.ks, 0.0);
  EXPECT_NE(d.problem.find("\"ppm\""), std::string::npos) << d.problem;
  // Without the source's thickness there is no flow through it.
  virelo_Extras(p).settings.concentrationUnit = "ug/L";
  p->aquifer.setMask &= static_cast<uint16_t>(~kAquiferSz);
  EXPECT_NE(virelo_SourceDecayOf(*p, p->contaminants[0]).problem, "");
  // A rate the user gives is taken as it is; a constant source has none.
  t.sourceDecay = SourceDecayKind::Rate;
  t.rate = 0.05;
  SetContaminantTransport(&virelo_Extras(p).transport, "Benzene", t);
  EXPECT_EQ(virelo_SourceDecayOf(*p, p->contaminants[0]).ks, 0.05);
  EXPECT_EQ(virelo_SourceDecayOf(*p, p->contaminants[1]).kind, SourceDecayKind::Constant);
  virelo_FreeProject(p);

  EXPECT_EQ(KilogramsPerCubicMetre("\xC2\xB5g/L"), 1e-6);
  EXPECT_EQ(KilogramsPerCubicMetre("g/m3"), 1e-3);
  EXPECT_EQ(KilogramsPerCubicMetre("kg/m3"), 1.0);
  EXPECT_EQ(KilogramsPerCubicMetre(""), 0.0);
}

TEST(Transport, ChecksNameTheFieldAndWarnOutsideTypicalRanges) {
  const double inf = INFINITY, nan = NAN;
  struct {
    AquiferSorption a;
    std::vector<ProblemCode> codes;
  } aquifers[] = {
      {{}, {}},
      {{1.6, 0.0}, {}},
      {{0.0, 0.002}, {kProblemBulkDensity}},
      {{-1.0, 1.0}, {kProblemBulkDensity, kProblemOrganicCarbon}},
      {{inf, -0.001}, {kProblemBulkDensity, kProblemOrganicCarbon}},
      {{nan, std::nextafter(1.0, 0.0)}, {kProblemBulkDensity}},
  };
  for (const auto& c : aquifers) EXPECT_EQ(virelo_CheckSorption(c.a), c.codes);
  ContaminantTransport t;
  t.koc = -0.0;
  EXPECT_TRUE(virelo_CheckContaminantTransport(t).empty());
  t.koc = -1e-300;
  t.sourceDecay = SourceDecayKind::Rate;
  t.rate = nan;
  EXPECT_EQ(virelo_CheckContaminantTransport(t), (std::vector<ProblemCode>{kProblemKoc, kProblemSourceRate}));
  t.koc.reset();
  t.sourceDecay = SourceDecayKind::Mass;
  t.mass = 0.0;
  EXPECT_EQ(virelo_CheckContaminantTransport(t), std::vector<ProblemCode>{kProblemSourceMass});
  // Every code has its text in the one table, naming its field.
  const std::pair<ProblemCode, const char*> named[] = {{kProblemBulkDensity, "rho_b"},
                                                       {kProblemOrganicCarbon, "foc"},
                                                       {kProblemKoc, "Koc"},
                                                       {kProblemSourceRate, "ks"},
                                                       {kProblemSourceMass, "M0"}};
  for (const auto& [code, field] : named) {
    char text[256] = "";
    ASSERT_EQ(virelo_GetProblemText(code, text), 1) << code;
    EXPECT_EQ(std::string(text).rfind(field, 0), 0u) << text;
  }

  EXPECT_TRUE(virelo_SorptionWarnings({1.2, 0.05}).empty());
  EXPECT_TRUE(virelo_SorptionWarnings({2.4, 0.0}).empty());
  EXPECT_EQ(virelo_SorptionWarnings({1.19, 0.0}).size(), 1u);
  EXPECT_EQ(virelo_SorptionWarnings({1600.0, 0.0}).size(), 1u);
  EXPECT_EQ(virelo_SorptionWarnings({1.6, 0.051}).size(), 1u);
  // A refused value is a problem, not also a warning.
  EXPECT_TRUE(virelo_SorptionWarnings({-1.0, 2.0}).empty());
}

class TransportFile : public ProjectFilesTest {
 protected:
  void SetUp() override {
    ProjectFilesTest::SetUp();
    RemoveReportCallbacks();
  }
};

// Inputs of contaminants not in the list, or at their defaults, keep nothing:
// such a project is written exactly as one that never had any.
TEST_F(TransportFile, UnusedInputsWriteTheFileAsBefore) {
  Project* plain = WorkedProject();
  ASSERT_EQ(virelo_SaveProject(plain, Path("plain.vrp").c_str()), 1);
  virelo_FreeProject(plain);

  Project* p = WorkedProject();
  TransportInputs& t = virelo_Extras(p).transport;
  ContaminantTransport gone;
  gone.koc = 10.0;
  SetContaminantTransport(&t, "Toluene", gone);
  SetContaminantTransport(&t, "Benzene", ContaminantTransport{});
  EXPECT_TRUE(ExtrasAreDefault(*p));
  ASSERT_EQ(virelo_SaveProject(p, Path("unused.vrp").c_str()), 1);
  virelo_FreeProject(p);
  EXPECT_TRUE(readAll(Path("plain.vrp")) == readAll(Path("unused.vrp")));
}

TEST_F(TransportFile, LargestValuesComeBackThroughFileAndPayload) {
  Project* p = WorkedProject();
  TransportInputs& t = virelo_Extras(p).transport;
  t.aquifer = {DBL_MAX, std::nextafter(1.0, 0.0), DecayOf::DissolvedAndSorbed};
  ContaminantTransport benzene;
  benzene.koc = DBL_MAX;
  for (int k = 0; k < kKocSourceMaxCharacters - 1; ++k) benzene.kocSource += "\xC3\xA4";
  benzene.kocSource += "\n";
  benzene.sourceDecay = SourceDecayKind::Rate;
  benzene.rate = DBL_MAX;
  ContaminantTransport mtbe;
  mtbe.sourceDecay = SourceDecayKind::Mass;
  mtbe.mass = DBL_TRUE_MIN;
  SetContaminantTransport(&t, "Benzene", benzene);
  SetContaminantTransport(&t, "MTBE", mtbe);
  const TransportInputs kept = t;
  ASSERT_EQ(virelo_SaveProject(p, Path("largest.vrp").c_str()), 1);
  virelo_FreeProject(p);
  Project* loaded = virelo_LoadProject(Path("largest.vrp").c_str(), "rb");
  ASSERT_NE(loaded, nullptr);
  EXPECT_FALSE(virelo_ExtrasOf(*loaded).settingsUnreadable) << virelo_ExtrasOf(*loaded).settingsProblem;
  EXPECT_TRUE(TransportOf(*loaded) == kept);
  virelo_FreeProject(loaded);

  // The JSON form: each key where the manual puts it, and the same file back.
  const CliResult exported = Cli({"project-export", Path("largest.vrp")});
  ASSERT_EQ(exported.status, kCliOk) << exported.err;
  const ExtrasJson json = ExtrasJson::parse(exported.out);
  EXPECT_EQ(json.at("transport").at("decayOf"), "dissolvedAndSorbed");
  EXPECT_EQ(json.at("transport").at("bulkDensity").get<double>(), DBL_MAX);
  EXPECT_EQ(json.at("contaminants").at(0).at("sourceDecay").at("rate").get<double>(), DBL_MAX);
  EXPECT_EQ(json.at("contaminants").at(1).at("sourceDecay").at("mass").get<double>(), DBL_TRUE_MIN);
  EXPECT_FALSE(json.at("contaminants").at(1).contains("koc"));
  writeAll(Path("largest.json"), Bytes(exported.out.begin(), exported.out.end()));
  const CliResult imported = Cli({"project-import", Path("largest.json"), Path("imported.vrp")});
  ASSERT_EQ(imported.status, kCliOk) << imported.err;
  EXPECT_TRUE(readAll(Path("imported.vrp")) == readAll(Path("largest.vrp")));
}

// What a file must not bring in, with the place named.
TEST(TransportJson, RefusesWhatTheWindowWouldRefuse) {
  const struct {
    const char* payload;
    const char* reason;
  } refused[] = {
      {R"({"transport":{"bulkDensity":0}})", "/transport/bulkDensity: expected a bulk density above 0 kg/L"},
      {R"({"transport":{"bulkDensity":"1.6"}})", "/transport/bulkDensity"},
      {R"({"transport":{"organicCarbon":1}})", "/transport/organicCarbon"},
      {R"({"transport":{"organicCarbon":-0.1}})", "/transport/organicCarbon"},
      {R"({"transport":{"decayOf":"sorbed"}})", "/transport/decayOf"},
      {R"({"transport":{"porosity":0.3}})", "/transport/porosity: unknown field"},
      {R"({"transport":[]})", "/transport: expected an object"},
      {R"({"contaminants":{"B":{"koc":-1}}})", "/contaminants/B/koc"},
      {R"({"contaminants":{"B":{"kocSource":3}}})", "/contaminants/B/kocSource: expected a string"},
      {R"({"contaminants":{"B":{"sourceDecay":{"rate":-0.1}}}})", "/contaminants/B/sourceDecay/rate"},
      {R"({"contaminants":{"B":{"sourceDecay":{"mass":0}}}})", "/contaminants/B/sourceDecay/mass"},
      {R"({"contaminants":{"B":{"sourceDecay":{"rate":1,"mass":1}}}})",
       "/contaminants/B/sourceDecay: expected exactly one"},
      {R"({"contaminants":{"B":{"sourceDecay":{}}}})", "/contaminants/B/sourceDecay: expected exactly one"},
      {R"({"contaminants":{"B":{"sourceDecay":{"halfLife":1}}}})", "/contaminants/B/sourceDecay/halfLife"},
  };
  for (const auto& r : refused) {
    Project* p = virelo_AllocateProject();
    std::string reason;
    EXPECT_FALSE(ExtrasFromPayload(r.payload, p, &reason)) << r.payload;
    EXPECT_EQ(reason.rfind(r.reason, 0), 0u) << r.payload << " gave " << reason;
    virelo_FreeProject(p);
  }
  // What is accepted lands under the name, read as written.
  Project* p = virelo_AllocateProject();
  std::string reason;
  ASSERT_TRUE(
      ExtrasFromPayload(R"({"transport":{"bulkDensity":1.7,"organicCarbon":0,"decayOf":"dissolved"},)"
                        R"("contaminants":{"B":{"koc":0,"kocSource":"x","sourceDecay":{"mass":2.5}}}})",
                        p, &reason))
      << reason;
  const TransportInputs& t = TransportOf(*p);
  EXPECT_EQ(t.aquifer, (AquiferSorption{1.7, 0.0, DecayOf::Dissolved}));
  const ContaminantTransport& b = ContaminantTransportOf(t, "B");
  EXPECT_EQ(b.koc, 0.0);
  EXPECT_EQ(b.sourceDecay, SourceDecayKind::Mass);
  EXPECT_EQ(b.mass, 2.5);
  virelo_FreeProject(p);
}

// Every example with its sorption and source inputs assesses exactly as it
// does without them, under both verdict bases' columns; the one with decay
// of the sorbed phase too would not.
TEST_F(TransportFile, ExamplesAssessAsWithoutSorption) {
  int withSorption = 0, withDecayingSource = 0;
  for (const ExampleProject& example : ExampleProjects()) {
    const std::string path = std::string(VIRELO_SOURCE_DIR) + "/examples/" + example.fileName;
    Project* p = virelo_LoadProject(path.c_str(), "rb");
    ASSERT_NE(p, nullptr) << path;
    const TransportInputs& t = TransportOf(*p);
    withSorption += t.aquifer.organicCarbon.has_value();
    for (const auto& [name, c] : t.contaminants)
      withDecayingSource += c.sourceDecay != SourceDecayKind::Constant;
    virelo_Extras(p).transport = TransportInputs{};
    ASSERT_EQ(virelo_SaveProject(p, Path("plain.vrp").c_str()), 1);
    virelo_FreeProject(p);
    const CliResult sorbed = Cli({"assess", path, "--csv"});
    const CliResult plain = Cli({"assess", Path("plain.vrp"), "--csv"});
    ASSERT_EQ(sorbed.status, plain.status) << example.fileName;
    EXPECT_EQ(sorbed.out, plain.out) << example.fileName;
  }
  EXPECT_GE(withSorption, 2);
  EXPECT_GE(withDecayingSource, 1);
}

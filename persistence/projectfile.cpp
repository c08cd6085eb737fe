// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The binary project file and the contaminant record it shares with the
// database file. Every field is encoded on its own, little-endian, so the file
// layout never depends on the compiler's struct layout or the host's byte
// order.
#include "persistence/projectfile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "diagnostics/report.h"
#include "diagnostics/util.h"
#include "engine/project/extras.h"
#include "persistence/atomicfile.h"
#include "persistence/settingsblock.h"

namespace {

// Texts are stored one byte shorter than their buffers: a text that fills its
// field has no terminator in the file, and the buffer's last byte supplies it.
constexpr size_t kStoredTitle = kTitleCapacity - 1;
constexpr size_t kStoredDescription = kDescriptionCapacity - 1;
constexpr size_t kStoredAuthor = kAuthorCapacity - 1;
constexpr size_t kStoredOrganisation = kOrganisationCapacity - 1;
constexpr size_t kStoredName = kNameCapacity;  // a name is stored whole

// Records are encoded and decoded in batches: few calls into stdio, and a
// bounded buffer however long the list is.
constexpr long kRecordsPerBatch = 256;

void putU16(unsigned char* out, uint16_t v) {
  out[0] = static_cast<unsigned char>(v);
  out[1] = static_cast<unsigned char>(v >> 8);
}
void putU32(unsigned char* out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<unsigned char>(v >> (8 * i));
}
void putDouble(unsigned char* out, double d) {
  uint64_t bits;
  std::memcpy(&bits, &d, sizeof bits);
  for (int i = 0; i < 8; ++i) out[i] = static_cast<unsigned char>(bits >> (8 * i));
}
uint16_t getU16(const unsigned char* in) {
  return static_cast<uint16_t>(in[0] | (in[1] << 8));
}
uint32_t getU32(const unsigned char* in) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(in[i]) << (8 * i);
  return v;
}
double getDouble(const unsigned char* in) {
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(in[i]) << (8 * i);
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

// A text field as stored: the text, then zero padding to the field's size.
void putText(unsigned char* out, const char* text, size_t fieldSize) {
  std::memset(out, 0, fieldSize);
  const size_t length = strnlen(text, fieldSize);
  std::memcpy(out, text, length);
}

bool writeBytes(FILE* file, const void* data, size_t size) {
  return fwrite(data, 1, size, file) == size;
}
bool readBytes(FILE* file, void* data, size_t size) {
  return fread(data, 1, size, file) == size;
}

bool writeText(FILE* file, const char* text, size_t fieldSize) {
  unsigned char buffer[kDescriptionCapacity];
  putText(buffer, text, fieldSize);
  return writeBytes(file, buffer, fieldSize);
}

// Reads a stored text into its buffer (one byte longer than the field) and
// terminates it.
bool readText(FILE* file, char* text, size_t fieldSize) {
  const bool ok = readBytes(file, text, fieldSize);
  text[fieldSize] = '\0';
  return ok;
}

bool writeI16(FILE* file, int16_t v) {
  unsigned char buffer[2];
  putU16(buffer, static_cast<uint16_t>(v));
  return writeBytes(file, buffer, 2);
}

// The copy written to a database file carries no per-project inputs.
void blankProjectInputs(Contaminant* c) {
  c->valueMask = static_cast<uint16_t>(c->valueMask & ~(kValueC0 | kValueCa));
  c->assess = 0;
  c->lambdaUser = 0.0;
  c->lambdaMask = static_cast<uint16_t>(c->lambdaMask & ~kLambdaUser);
}

FILE* resolveFile(Project* project, FILE* file) {
  return file ? file : (project ? project->file : nullptr);
}

// Closes the project's file after a failed load and releases the project.
Project* abandonLoad(Project* project) {
  if (project->file) {
    fclose(project->file);
    project->file = nullptr;
  }
  virelo_FreeProject(project);
  return nullptr;
}

}  // namespace

void virelo_EncodeContaminant(const Contaminant* c, unsigned char out[kContaminantRecordSize]) {
  std::memset(out, 0, kContaminantRecordSize);
  putU32(out + 0, static_cast<uint32_t>(c->group));
  putText(out + 4, c->name, kStoredName);
  putDouble(out + 104, c->lambdaUnknown);
  putDouble(out + 112, c->lambdaAerobic);
  putDouble(out + 120, c->lambdaNitrate);
  putDouble(out + 128, c->lambdaSulfate);
  putDouble(out + 136, c->lambdaIron);
  putDouble(out + 144, c->lambdaMethane);
  putDouble(out + 152, c->lambdaMixedPlumes);
  putDouble(out + 160, c->lambdaUser);
  putU16(out + 168, c->lambdaMask);
  putU16(out + 170, static_cast<uint16_t>(c->lambdaSelected));
  putDouble(out + 176, c->literaturePlumeLength);
  putU16(out + 184, static_cast<uint16_t>(c->literatureEntries));
  putDouble(out + 192, c->ca);
  putDouble(out + 200, c->c0);
  putU16(out + 208, c->valueMask);
  putU32(out + 212, static_cast<uint32_t>(c->assess));
}

void virelo_DecodeContaminant(const unsigned char in[kContaminantRecordSize], Contaminant* c) {
  std::memset(c, 0, sizeof *c);
  c->group = static_cast<int32_t>(getU32(in + 0));
  std::memcpy(c->name, in + 4, kStoredName);
  c->name[kNameCapacity - 1] = '\0';  // a name that fills its field is cut by one character
  c->lambdaUnknown = getDouble(in + 104);
  c->lambdaAerobic = getDouble(in + 112);
  c->lambdaNitrate = getDouble(in + 120);
  c->lambdaSulfate = getDouble(in + 128);
  c->lambdaIron = getDouble(in + 136);
  c->lambdaMethane = getDouble(in + 144);
  c->lambdaMixedPlumes = getDouble(in + 152);
  c->lambdaUser = getDouble(in + 160);
  c->lambdaMask = getU16(in + 168);
  c->lambdaSelected = static_cast<int16_t>(getU16(in + 170));
  c->literaturePlumeLength = getDouble(in + 176);
  c->literatureEntries = static_cast<int16_t>(getU16(in + 184));
  c->ca = getDouble(in + 192);
  c->c0 = getDouble(in + 200);
  c->valueMask = getU16(in + 208);
  c->assess = static_cast<int32_t>(getU32(in + 212));
}

int virelo_SaveAquifer(Project* project) {
  if (!project) return 0;
  const Aquifer& a = project->aquifer;
  unsigned char block[kAquiferBlockSize] = {};
  putDouble(block + 0, a.distanceX);
  putDouble(block + 8, a.conductivityKf);
  putDouble(block + 16, a.porosityNe);
  putDouble(block + 24, a.gradientI);
  putDouble(block + 32, a.dispersivityAx);
  putDouble(block + 40, a.dispersivityAy);
  putDouble(block + 48, a.dispersivityAz);
  putDouble(block + 56, a.sourceWidthSz);
  putDouble(block + 64, a.sourceThicknessSy);
  putU16(block + 72, a.setMask);
  putU16(block + 74, static_cast<uint16_t>(a.redoxCondition));
  if (!project->file || !writeBytes(project->file, block, sizeof block)) {
    ReportError(ActiveReportCallbacks(), "virelo_SaveAquifer", 0, "Error writing Aquifer-data!");
    return 0;
  }
  return 1;
}

int virelo_LoadAquifer(Project* project) {
  if (!project) return 0;
  unsigned char block[kAquiferBlockSize];
  if (!project->file || !readBytes(project->file, block, sizeof block)) {
    ReportError(ActiveReportCallbacks(), "virelo_LoadAquifer", 0, "Error reading Aquifer-data!");
    return 0;
  }
  Aquifer& a = project->aquifer;
  a.distanceX = getDouble(block + 0);
  a.conductivityKf = getDouble(block + 8);
  a.porosityNe = getDouble(block + 16);
  a.gradientI = getDouble(block + 24);
  a.dispersivityAx = getDouble(block + 32);
  a.dispersivityAy = getDouble(block + 40);
  a.dispersivityAz = getDouble(block + 48);
  a.sourceWidthSz = getDouble(block + 56);
  a.sourceThicknessSy = getDouble(block + 64);
  a.setMask = getU16(block + 72);
  a.redoxCondition = static_cast<int16_t>(getU16(block + 74));
  return 1;
}

int virelo_SaveContaminants(Project* project, FILE* file, int forDatabase) {
  if (!project) return 0;
  file = resolveFile(project, file);
  if (!file) return 0;
  // Without its records the file could not be read back; the caller keeps
  // whatever file was there before.
  if (project->contaminantCount <= 0 || !project->contaminants) return 0;

  if (!writeI16(file, project->contaminantCount)) {
    ReportError(ActiveReportCallbacks(), "virelo_SaveContaminants", 0,
                "Error writing number of contaminants!");
    return 0;
  }

  std::vector<unsigned char> batch(static_cast<size_t>(kRecordsPerBatch * kContaminantRecordSize));
  const long count = project->contaminantCount;
  for (long first = 0; first < count; first += kRecordsPerBatch) {
    const long inBatch = std::min(kRecordsPerBatch, count - first);
    for (long i = 0; i < inBatch; ++i) {
      Contaminant copy = project->contaminants[first + i];
      if (forDatabase) blankProjectInputs(&copy);
      virelo_EncodeContaminant(&copy, batch.data() + i * kContaminantRecordSize);
    }
    if (!writeBytes(file, batch.data(), static_cast<size_t>(inBatch * kContaminantRecordSize))) {
      ReportError(ActiveReportCallbacks(), "virelo_SaveContaminants", 0,
                  "Error writing contaminants from file!");
      return 0;
    }
  }
  return 1;
}

int virelo_LoadContaminants(Project* project, FILE* file) {
  if (!project) return 0;
  file = resolveFile(project, file);
  if (!file) return 0;

  unsigned char countBytes[2];
  if (!readBytes(file, countBytes, sizeof countBytes)) {
    ReportError(ActiveReportCallbacks(), "virelo_LoadContaminants", 0,
                "Error reading number of contaminants!");
    return 0;
  }
  const int16_t count = static_cast<int16_t>(getU16(countBytes));
  if (count < 0) {
    ReportError(ActiveReportCallbacks(), "virelo_AllocateContaminants", 0,
                "Memory allocation for contaminants failed");
    return 0;
  }

  // The new list is built aside and replaces the project's only when every
  // record was read, so a damaged file never costs the user the list held.
  Contaminant* list = nullptr;
  if (count > 0) {
    list = virelo_AllocateContaminants(count);
    if (!list) return 0;  // reported by the allocation
  }

  std::vector<unsigned char> batch(static_cast<size_t>(kRecordsPerBatch * kContaminantRecordSize));
  for (long first = 0; first < count; first += kRecordsPerBatch) {
    const long inBatch = std::min<long>(kRecordsPerBatch, count - first);
    if (!readBytes(file, batch.data(), static_cast<size_t>(inBatch * kContaminantRecordSize))) {
      ReportError(ActiveReportCallbacks(), "virelo_LoadContaminants", 0,
                  "Error reading contaminants from file!");
      free(list);
      return 0;
    }
    for (long i = 0; i < inBatch; ++i)
      virelo_DecodeContaminant(batch.data() + i * kContaminantRecordSize, &list[first + i]);
  }

  free(project->contaminants);
  project->contaminants = list;
  project->contaminantCount = count;
  project->modified = 1;
  return 1;
}

int virelo_SaveProject(Project* project, const char* path) {
  if (!project) return 0;
  if (path) {
    if (std::strlen(path) >= static_cast<size_t>(kPathCapacity)) {
      // Cutting the path would save under a different name than asked for.
      ReportError(ActiveReportCallbacks(), "virelo_SaveProject", 0, "Error creating: \"%s\"", path);
      return 0;
    }
    if (path != project->path) CopyBounded(project->path, path, sizeof project->path);
  }
  // Only a project that has never been saved may return silently; an empty
  // path handed in is a file that cannot be created, and says so.
  if (!path && project->path[0] == '\0') return 0;

  std::string temporary;
  project->file = AtomicFileOpen(project->path, &temporary);
  if (!project->file) {
    ReportError(ActiveReportCallbacks(), "virelo_SaveProject", 0, "Error creating: \"%s\"", project->path);
    return 0;
  }

  auto fail = [&](const char* message) {
    if (message) ReportError(ActiveReportCallbacks(), "virelo_SaveProject", 0, "%s", message);
    AtomicFileDiscard(project->file, temporary);
    project->file = nullptr;
    return 0;
  };

  FILE* file = project->file;
  if (!writeBytes(file, kFormatText, kFormatTextLength)) return fail("Error writing project-header!");
  if (!writeText(file, project->title, kStoredTitle)) return fail("Error writing projecttitle!");
  if (!virelo_SaveAquifer(project)) return fail(nullptr);
  if (!writeText(file, project->description, kStoredDescription) ||
      !writeText(file, project->author, kStoredAuthor) ||
      !writeText(file, project->organisation, kStoredOrganisation) ||
      !writeI16(file, project->approximateDispersivity))
    return fail("Error writing project!");
  if (!virelo_SaveContaminants(project, file, 0)) return fail(nullptr);
  // The settings follow the last record, and only when there are any, so
  // that a project without them is the same file as ever.
  const std::string block = EncodeSettingsBlock(*project);
  if (!block.empty() && !writeBytes(file, block.data(), block.size())) return fail("Error writing project!");

  // Only now does the new file take the old one's place.
  project->file = nullptr;
  if (!AtomicFileCommit(file, temporary, project->path)) {
    ReportError(ActiveReportCallbacks(), "virelo_SaveProject", 0, "Error writing project!");
    return 0;
  }
  project->modified = 0;
  // The settings written now replace any that could not be read.
  if (project->extras) {
    project->extras->settingsUnreadable = false;
    project->extras->settingsProblem.clear();
  }
  return 1;
}

namespace {

// Everything behind the last record, up to a little more than the largest
// settings block, so that an oversized one is still seen as too long.
std::string readRest(FILE* file) {
  std::string rest;
  char chunk[4096];
  const size_t limit = kSettingsHeaderSize + kSettingsMaxPayload + 1;
  size_t got;
  while (rest.size() < limit &&
         (got = fread(chunk, 1, std::min(sizeof chunk, limit - rest.size()), file)) > 0)
    rest.append(chunk, got);
  return rest;
}

}  // namespace

Project* virelo_LoadProject(const char* path, const char* mode) {
  if (!path) return nullptr;
  Project* project = virelo_AllocateProject();
  if (!project) return nullptr;

  project->file = OpenRegularFile(path, mode ? mode : "rb");
  if (!project->file) {
    ReportError(ActiveReportCallbacks(), "virelo_LoadProject", 0, "Error opening: \"%s\"", path);
    return abandonLoad(project);
  }
  CopyBounded(project->path, path, sizeof project->path);

  std::memset(project->version, 0, sizeof project->version);
  if (!readBytes(project->file, project->version, kFormatTextLength) ||
      std::memcmp(project->version, kFormatText, kFormatTextLength) != 0) {
    ReportError(ActiveReportCallbacks(), "virelo_LoadProject", 0, "This is not a VIRELO 1.0 Projectfile!");
    return abandonLoad(project);
  }
  if (!readText(project->file, project->title, kStoredTitle)) {
    ReportError(ActiveReportCallbacks(), "virelo_LoadProject", 0, "This is not a VIRELO 1.0 Projectfile!");
    return abandonLoad(project);
  }
  if (!virelo_LoadAquifer(project)) return abandonLoad(project);

  unsigned char flag[2];
  if (!readText(project->file, project->description, kStoredDescription) ||
      !readText(project->file, project->author, kStoredAuthor) ||
      !readText(project->file, project->organisation, kStoredOrganisation) ||
      !readBytes(project->file, flag, sizeof flag)) {
    ReportError(ActiveReportCallbacks(), "virelo_LoadProject", 0, "Error reading project!");
    return abandonLoad(project);
  }
  project->approximateDispersivity = static_cast<int16_t>(getU16(flag));

  if (!virelo_LoadContaminants(project, project->file)) return abandonLoad(project);
  // A project ends with its last record or with a settings block behind it.
  // Anything else there means the count was read from some other file that
  // begins with the same text, such as a contaminant database; the program
  // never writes such a file.
  const std::string rest = readRest(project->file);
  if (!rest.empty()) {
    if (!IsSettingsBlockStart(reinterpret_cast<const unsigned char*>(rest.data()), rest.size())) {
      ReportError(ActiveReportCallbacks(), "virelo_LoadProject", 0, "This is not a VIRELO 1.0 Projectfile!");
      return abandonLoad(project);
    }
    // The project part is sound: it opens, and the user learns that its
    // settings are lost, before a save could overwrite them unasked.
    std::string reason;
    if (!DecodeSettingsBlock(rest, project, &reason)) {
      virelo_FreeExtras(project);
      ProjectExtras& extras = virelo_Extras(project);
      extras.settingsUnreadable = true;
      extras.settingsProblem = reason;
      ReportWarning(ActiveReportCallbacks(), "virelo_LoadProject", "%s",
                    SettingsUnreadableMessage(reason).c_str());
    }
  }

  fclose(project->file);
  project->file = nullptr;
  return project;
}

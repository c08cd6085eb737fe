// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/project/fulltexts.h"

#include <cstring>

#include "engine/project/extras.h"

namespace {

struct FieldOf {
  const char* key;
  char* (*record)(Project*);
  int capacity;
  std::string FullTexts::*full;
};

const FieldOf& Field(ProjectTextField field) {
  static const FieldOf fields[] = {
      {"title", [](Project* p) { return p->title; }, kTitleCapacity, &FullTexts::title},
      {"description", [](Project* p) { return p->description; }, kDescriptionCapacity,
       &FullTexts::description},
      {"author", [](Project* p) { return p->author; }, kAuthorCapacity, &FullTexts::author},
      {"organisation", [](Project* p) { return p->organisation; }, kOrganisationCapacity,
       &FullTexts::organisation},
  };
  return fields[static_cast<int>(field)];
}

std::string_view RecordOf(const Project& project, const FieldOf& f) {
  const char* text = f.record(const_cast<Project*>(&project));
  return std::string_view(text, strnlen(text, static_cast<size_t>(f.capacity)));
}

// Whether `full` stands for what the record holds.
bool InForce(const std::string& full, std::string_view record) {
  return !full.empty() && ClosestRecordText(full, nullptr) == record;
}

// Writes `utf8` into a record buffer and returns the full form worth keeping
// (empty when the record holds the text itself).
std::string Store(std::string_view utf8, char* buffer, int capacity,
                  std::vector<RecordTextReplacement>* replaced) {
  const std::string_view fitting = FittingStart(utf8, static_cast<size_t>(capacity - 1));
  const std::string bytes = ClosestRecordText(fitting, replaced);
  std::memset(buffer, 0, static_cast<size_t>(capacity));
  std::memcpy(buffer, bytes.data(), bytes.size());
  return replaced->empty() ? std::string() : std::string(fitting);
}

}  // namespace

const char* ProjectTextKey(ProjectTextField field) {
  return Field(field).key;
}

std::string ProjectTextUtf8(const Project& project, ProjectTextField field) {
  const FieldOf& f = Field(field);
  const std::string_view record = RecordOf(project, f);
  const std::string& full = virelo_ExtrasOf(project).texts.*f.full;
  return InForce(full, record) ? full : RecordTextToUtf8(record);
}

std::vector<RecordTextReplacement> SetProjectTextUtf8(Project* project, ProjectTextField field,
                                                      std::string_view utf8) {
  const FieldOf& f = Field(field);
  std::vector<RecordTextReplacement> replaced;
  std::string full = Store(utf8, f.record(project), f.capacity, &replaced);
  if (!full.empty() || project->extras) virelo_Extras(project).texts.*f.full = std::move(full);
  return replaced;
}

std::string ContaminantNameUtf8(const Project& project, const char* recordName) {
  const std::string_view record(recordName, strnlen(recordName, kNameCapacity));
  const auto& names = virelo_ExtrasOf(project).texts.contaminantNames;
  const auto found = names.find(std::string(record));
  return found != names.end() && InForce(found->second, record) ? found->second : RecordTextToUtf8(record);
}

std::string ContaminantNameUtf8(const Project& project, int index) {
  if (index < 0 || index >= project.contaminantCount) return {};
  return ContaminantNameUtf8(project, project.contaminants[index].name);
}

std::vector<RecordTextReplacement> SetContaminantNameUtf8(Project* project, int index,
                                                          std::string_view utf8) {
  std::vector<RecordTextReplacement> replaced;
  if (index < 0 || index >= project->contaminantCount) return replaced;
  char* name = project->contaminants[index].name;
  std::string full = Store(utf8, name, kNameCapacity, &replaced);
  if (!full.empty()) {
    virelo_Extras(project).texts.contaminantNames[name] = std::move(full);
  } else if (project->extras) {
    project->extras->texts.contaminantNames.erase(name);
  }
  return replaced;
}

FullTexts FullTextsInForce(const Project& project) {
  FullTexts kept;
  if (!project.extras) return kept;
  const FullTexts& texts = project.extras->texts;
  for (ProjectTextField field : kProjectTextFields) {
    const FieldOf& f = Field(field);
    if (InForce(texts.*f.full, RecordOf(project, f))) kept.*f.full = texts.*f.full;
  }
  for (int k = 0; k < project.contaminantCount; ++k) {
    const char* name = project.contaminants[k].name;
    const std::string record(name, strnlen(name, kNameCapacity));
    const auto found = texts.contaminantNames.find(record);
    if (found != texts.contaminantNames.end() && InForce(found->second, record))
      kept.contaminantNames[record] = found->second;
  }
  return kept;
}

std::string_view FittingStart(std::string_view utf8, size_t bytes) {
  size_t used = 0;
  size_t k = 0;
  while (k < utf8.size()) {
    // One character: its lead byte and the continuation bytes after it.
    size_t next = k + 1;
    while (next < utf8.size() && (static_cast<unsigned char>(utf8[next]) & 0xC0) == 0x80 && next - k < 4)
      ++next;
    const size_t size = ClosestRecordText(utf8.substr(k, next - k), nullptr).size();
    if (used + size > bytes) break;
    used += size;
    k = next;
  }
  return utf8.substr(0, k);
}

std::vector<std::string> StoredFormNotes(const Project& project) {
  std::vector<std::string> notes;
  const FullTexts texts = FullTextsInForce(project);
  const std::string* fields[] = {&texts.title, &texts.description, &texts.author, &texts.organisation};
  auto note = [&notes](const std::string& what, const std::string& full) {
    std::vector<RecordTextReplacement> replaced;
    const std::string stored = RecordTextToUtf8(ClosestRecordText(full, &replaced));
    notes.push_back(what + ": the project file's single-byte field keeps \"" + stored + "\" (" +
                    DescribeReplacements(replaced) + "), its settings the full text");
  };
  for (ProjectTextField field : kProjectTextFields) {
    const std::string& full = *fields[static_cast<int>(field)];
    if (!full.empty()) note(ProjectTextKey(field), full);
  }
  for (const auto& [record, full] : texts.contaminantNames) note("contaminant name \"" + full + "\"", full);
  return notes;
}

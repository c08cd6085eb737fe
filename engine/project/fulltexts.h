// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The project's texts as the user wrote them. The project file's fields hold
// single bytes (engine/project/recordtext.h); a text with a character they cannot
// hold keeps its closest single-byte form there, for older readers, and its
// full form here, in the settings block. Windows, reports and the JSON form
// show the full form.
//
// A full form counts only while the record still holds its closest form: a
// record changed by anything that does not know of the full form shows its
// own text, never a stale one.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/project/recordtext.h"

struct Project;

struct FullTexts {
  // UTF-8; empty where the record holds the text itself.
  std::string title;
  std::string description;
  std::string author;
  std::string organisation;
  // Full contaminant names by the name the record holds.
  std::map<std::string, std::string> contaminantNames;
};

enum class ProjectTextField { kTitle, kDescription, kAuthor, kOrganisation };
constexpr ProjectTextField kProjectTextFields[] = {ProjectTextField::kTitle, ProjectTextField::kDescription,
                                                   ProjectTextField::kAuthor,
                                                   ProjectTextField::kOrganisation};
// "title", "description", "author", "organisation": the JSON keys.
const char* ProjectTextKey(ProjectTextField field);

// The text as the user wrote it (UTF-8).
std::string ProjectTextUtf8(const Project& project, ProjectTextField field);
// Sets the text: its closest single-byte form into the record, cut to the
// field's capacity (whole characters of the full form), and the full form
// into the extras when the two differ. Returns what the record holds in
// place of characters it cannot hold (empty when it holds the text itself).
std::vector<RecordTextReplacement> SetProjectTextUtf8(Project* project, ProjectTextField field,
                                                      std::string_view utf8);

// The same for the name of contaminant `index`.
std::string ContaminantNameUtf8(const Project& project, int index);
std::vector<RecordTextReplacement> SetContaminantNameUtf8(Project* project, int index, std::string_view utf8);
// The full name of a name the records hold (UTF-8).
std::string ContaminantNameUtf8(const Project& project, const char* recordName);

// The full forms still in force: those whose closest form is what the
// record holds. What is saved; empty members when none.
FullTexts FullTextsInForce(const Project& project);

// The longest start of `utf8` whose closest single-byte form fits `bytes`
// bytes, in whole characters.
std::string_view FittingStart(std::string_view utf8, size_t bytes);

// One line per text whose record holds only its closest form, for telling
// the user what the project file's single-byte fields keep, e.g.
// "title: the project file's single-byte field keeps \"Site alpha\" (\"α\" as
// \"alpha\"), its settings the full text". Empty when every text fits.
std::vector<std::string> StoredFormNotes(const Project& project);

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// How a project reads its monitoring rounds as a whole: how far apart the
// sample dates of one round may lie, the transects of wells across the flow
// that mass discharge is taken through, and the wells that stand for the
// water upstream of the plume (its background). They travel with the project
// so that the window, the report and the command line read the same rounds,
// the same transects and the same background.
#pragma once

#include <string>
#include <vector>

// A date within this many days of the round's previous date joins the round.
constexpr int kDefaultRoundDays = 30;
constexpr int kMinRoundDays = 0;
constexpr int kMaxRoundDays = 3650;
// Longest transect name kept, in characters (one byte each in record text).
constexpr int kTransectNameMaxCharacters = 64;

// Wells across the flow, named by the user, in any order.
struct Transect {
  // Names as the site data's well names are held: record text (Latin-1).
  std::string name;
  std::vector<std::string> wells;
  bool operator==(const Transect&) const = default;
};

struct MonitoringSettings {
  int roundDays = kDefaultRoundDays;
  std::vector<Transect> transects;
  // Wells marked as background. None marked: the wells upstream of the
  // source stand for it.
  std::vector<std::string> backgroundWells;
  bool operator==(const MonitoringSettings&) const = default;
};

bool IsAcceptedRoundDays(int days);

// Why a transect cannot be kept ("" when it can): a name, unique among
// `others`, and two wells or more, none twice.
std::string TransectProblem(const Transect& transect, const std::vector<Transect>& others);

// "Name=W1,W2,W3", the form the command line and the window take; false
// (with why) where it has no name, no '=' or fewer than two wells.
bool ParseTransectText(const std::string& text, Transect* out, std::string* why);
std::string TransectText(const Transect& transect);

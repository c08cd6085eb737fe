// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "persistence/sitecolumns_json.h"

#include <algorithm>

#include "engine/project/recordtext.h"
#include "persistence/sitecolumns.h"

void SiteColumnsToJson(const std::map<std::string, std::string>& columns, ExtrasJson* site) {
  if (columns.empty()) return;
  ExtrasJson object = ExtrasJson::object();
  for (const auto& [key, role] : columns) object[RecordTextToUtf8(key)] = role;
  (*site)[kSiteColumnsKey] = std::move(object);
}

bool SiteColumnsFromJson(const ExtrasJson& site, const std::string& path,
                         std::map<std::string, std::string>* columns, JsonFault* fault) {
  columns->clear();
  if (!site.is_object() || !site.contains(kSiteColumnsKey)) return true;
  const ExtrasJson& object = site[kSiteColumnsKey];
  const std::string at = path + JsonPointerStep(kSiteColumnsKey);
  if (!object.is_object()) return fault->Fail(at, "expected an object");
  const std::vector<std::string>& roles = SiteColumnRoles();
  for (const auto& item : object.items()) {
    const std::string itemPath = at + JsonPointerStep(item.key());
    std::string latin1;
    if (!Utf8ToRecordText(item.key(), &latin1) || SiteColumnKey(latin1).empty())
      return fault->Fail(itemPath, "is no column name");
    // The key as headers are matched, so that one written by hand in
    // capitals still applies.
    const std::string key = SiteColumnKey(latin1);
    if (!item.value().is_string() ||
        std::find(roles.begin(), roles.end(), item.value().get<std::string>()) == roles.end())
      return fault->Fail(itemPath, "expected a column role");
    if (!columns->emplace(key, item.value().get<std::string>()).second)
      return fault->Fail(itemPath, "a second mapping of this column");
  }
  return true;
}

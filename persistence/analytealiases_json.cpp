// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "persistence/analytealiases_json.h"

#include <set>

#include "persistence/csv.h"

namespace {

bool ReadText(const ExtrasJson& value, const std::string& path, std::string* latin1, JsonFault* fault) {
  if (!value.is_string()) return fault->Fail(path, "expected a string");
  if (!Utf8ToLatin1(value.get_ref<const std::string&>(), latin1))
    return fault->Fail(path, "holds a character Virelo's texts cannot hold");
  for (unsigned char ch : *latin1)
    if (ch < 0x20 || ch == 0x7F) return fault->Fail(path, "holds a control character");
  if (AnalyteNameKey(*latin1).empty()) return fault->Fail(path, "is empty");
  return true;
}

}  // namespace

void AnalyteAliasesToJson(const AnalyteAliases& aliases, ExtrasJson* site) {
  if (aliases.empty()) return;
  ExtrasJson object = ExtrasJson::object();
  for (const AnalyteAlias& alias : aliases.entries)
    object[Latin1ToUtf8(alias.name)] = Latin1ToUtf8(alias.analyte);
  (*site)[kSiteAliasesKey] = std::move(object);
}

bool AnalyteAliasesFromJson(const ExtrasJson& site, const std::string& path, AnalyteAliases* aliases,
                            JsonFault* fault) {
  aliases->entries.clear();
  if (!site.is_object() || !site.contains(kSiteAliasesKey)) return true;
  const ExtrasJson& object = site[kSiteAliasesKey];
  const std::string at = path + JsonPointerStep(kSiteAliasesKey);
  if (!object.is_object()) return fault->Fail(at, "expected an object");
  // Names match ignoring case and blanks: two keys that match alike would
  // leave which one applies to their order.
  std::set<std::string> keys;
  for (const auto& item : object.items()) {
    const std::string itemPath = at + JsonPointerStep(item.key());
    AnalyteAlias alias;
    if (!ReadText(ExtrasJson(item.key()), itemPath, &alias.name, fault) ||
        !ReadText(item.value(), itemPath, &alias.analyte, fault))
      return false;
    if (!keys.insert(AnalyteNameKey(alias.name)).second)
      return fault->Fail(itemPath, "a second alias of this name");
    aliases->entries.push_back(std::move(alias));
  }
  return true;
}

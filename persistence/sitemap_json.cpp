// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "persistence/sitemap_json.h"

#include <cmath>

#include "engine/project/sitemap.h"

namespace {

bool Number(const ExtrasJson& value, const std::string& path, double* out, JsonFault* fault) {
  if (!value.is_number()) return fault->Fail(path, "expected a number");
  *out = value.get<double>();
  if (!std::isfinite(*out)) return fault->Fail(path, "expected a finite number");
  return true;
}

bool Exactly(const ExtrasJson& object, const std::string& path, std::initializer_list<const char*> keys,
             JsonFault* fault) {
  if (!object.is_object()) return fault->Fail(path, "expected an object");
  for (const auto& item : object.items()) {
    bool known = false;
    for (const char* key : keys) known = known || item.key() == key;
    if (!known) return fault->Fail(path + JsonPointerStep(item.key()), "unknown field");
  }
  for (const char* key : keys)
    if (!object.contains(key)) return fault->Fail(path + JsonPointerStep(key), "missing");
  return true;
}

ExtrasJson OriginJson(const SiteValueOrigin& origin) {
  return {{"value", origin.value}, {"text", origin.text}};
}

bool ReadOrigin(const ExtrasJson& site, const char* key, const std::string& path, SiteValueOrigin* origin,
                JsonFault* fault) {
  if (!site.contains(key)) return true;
  const std::string at = path + JsonPointerStep(key);
  const ExtrasJson& json = site[key];
  if (!Exactly(json, at, {"value", "text"}, fault) ||
      !Number(json["value"], at + "/value", &origin->value, fault))
    return false;
  if (!json["text"].is_string() || json["text"].get_ref<const std::string&>().empty())
    return fault->Fail(at + "/text", "expected a text");
  origin->text = json["text"].get<std::string>();
  return true;
}

}  // namespace

const std::vector<std::string>& SiteMapKeys() {
  static const std::vector<std::string> keys = {"source", "flowAzimuth", "flowAzimuthOrigin",
                                                "gradientOrigin"};
  return keys;
}

const std::vector<std::string>& SiteWellMapKeys() {
  static const std::vector<std::string> keys = {"easting", "northing"};
  return keys;
}

void SiteMapToJson(const SiteMap& map, ExtrasJson* site) {
  if (map.hasSource) (*site)["source"] = {{"easting", map.sourceEasting}, {"northing", map.sourceNorthing}};
  if (map.hasAzimuth) (*site)["flowAzimuth"] = map.flowAzimuth;
  if (!map.azimuthOrigin.empty()) (*site)["flowAzimuthOrigin"] = OriginJson(map.azimuthOrigin);
  if (!map.gradientOrigin.empty()) (*site)["gradientOrigin"] = OriginJson(map.gradientOrigin);
}

bool SiteMapFromJson(const ExtrasJson& site, const std::string& path, SiteMap* map, JsonFault* fault) {
  SiteMap read;
  if (site.contains("source")) {
    const std::string at = path + "/source";
    const ExtrasJson& source = site["source"];
    if (!Exactly(source, at, {"easting", "northing"}, fault) ||
        !Number(source["easting"], at + "/easting", &read.sourceEasting, fault) ||
        !Number(source["northing"], at + "/northing", &read.sourceNorthing, fault))
      return false;
    read.hasSource = true;
  }
  if (site.contains("flowAzimuth")) {
    double degrees = 0.0;
    if (!Number(site["flowAzimuth"], path + "/flowAzimuth", &degrees, fault)) return false;
    if (degrees < 0.0 || degrees >= 360.0)
      return fault->Fail(path + "/flowAzimuth", "expected degrees from 0 to below 360");
    read.hasAzimuth = true;
    read.flowAzimuth = degrees;
  }
  if (!ReadOrigin(site, "flowAzimuthOrigin", path, &read.azimuthOrigin, fault) ||
      !ReadOrigin(site, "gradientOrigin", path, &read.gradientOrigin, fault))
    return false;
  *map = std::move(read);
  return true;
}

void SiteWellMapToJson(const SiteWell& well, ExtrasJson* object) {
  if (!well.mapped) return;
  (*object)["easting"] = well.easting;
  (*object)["northing"] = well.northing;
}

bool SiteWellMapFromJson(const ExtrasJson& object, const std::string& path, SiteWell* well,
                         JsonFault* fault) {
  const bool e = object.contains("easting"), n = object.contains("northing");
  if (!e && !n) return true;
  if (!e || !n) return fault->Fail(path + (e ? "/northing" : "/easting"), "missing");
  if (!Number(object["easting"], path + "/easting", &well->easting, fault) ||
      !Number(object["northing"], path + "/northing", &well->northing, fault))
    return false;
  well->mapped = true;
  return true;
}

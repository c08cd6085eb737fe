// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "persistence/sitecolumns.h"

#include <algorithm>

#include "diagnostics/text.h"
#include "engine/project/recordtext.h"

namespace {

struct Name {
  const char* role;
  const char* key;  // as SiteColumnKey gives it, Latin-1
};

// The names labs and surveyors give their columns. Keys are matched whole;
// a name with a bracket after it ("X (RD)", "Messwert [ug/l]") is tried
// whole first and then without the bracket.
const Name kNames[] = {
    {"well", "well"},
    {"well", "well id"},
    {"well", "well name"},
    {"well", "monitoring well"},
    {"well", "borehole"},
    {"well", "sample point"},
    {"well", "sampling point"},
    {"well", "monsterpunt"},
    {"well", "monsterpuntcode"},
    {"well", "peilbuis"},
    {"well", "meetpunt"},
    {"well", "putcode"},
    {"well", "messstelle"},
    {"well", "me\xdfstelle"},
    {"well", "grundwassermessstelle"},
    {"well", "probenahmestelle"},
    {"well", "entnahmestelle"},
    {"date", "date"},
    {"date", "sampling date"},
    {"date", "sample date"},
    {"date", "datum"},
    {"date", "monsternamedatum"},
    {"date", "bemonsteringsdatum"},
    {"date", "meetdatum"},
    {"date", "peildatum"},
    {"date", "probenahmedatum"},
    {"date", "entnahmedatum"},
    {"date", "messdatum"},
    {"analyte", "analyte"},
    {"analyte", "parameter"},
    {"analyte", "compound"},
    {"analyte", "substance"},
    {"analyte", "determinand"},
    {"analyte", "stof"},
    {"analyte", "component"},
    {"analyte", "analyt"},
    {"analyte", "stoff"},
    {"analyte", "parametername"},
    {"value", "value"},
    {"value", "result"},
    {"value", "concentration"},
    {"value", "resultaat"},
    {"value", "waarde"},
    {"value", "meetwaarde"},
    {"value", "concentratie"},
    {"value", "messwert"},
    {"value", "wert"},
    {"value", "ergebnis"},
    {"value", "konzentration"},
    {"unit", "unit"},
    {"unit", "units"},
    {"unit", "eenheid"},
    {"unit", "einheit"},
    {"nonDetect", "nondetect"},
    {"nonDetect", "non detect"},
    {"nonDetect", "non-detect"},
    {"nonDetect", "not detected"},
    {"detectionLimit", "detectionlimit"},
    {"detectionLimit", "detection limit"},
    {"detectionLimit", "reporting limit"},
    {"detectionLimit", "limit"},
    {"detectionLimit", "dl"},
    {"detectionLimit", "lod"},
    {"detectionLimit", "loq"},
    {"detectionLimit", "bg"},
    {"detectionLimit", "ng"},
    {"detectionLimit", "rg"},
    {"detectionLimit", "bestimmungsgrenze"},
    {"detectionLimit", "nachweisgrenze"},
    {"detectionLimit", "rapportagegrens"},
    {"detectionLimit", "detectiegrens"},
    {"detectionLimit", "bepalingsgrens"},
    {"easting", "easting"},
    {"easting", "east"},
    {"easting", "x (rd)"},
    {"easting", "rd x"},
    {"easting", "x rd"},
    {"easting", "x-coordinaat"},
    {"easting", "x coordinaat"},
    {"easting", "rechtswert"},
    {"easting", "rw"},
    {"easting", "ostwert"},
    {"easting", "utm e"},
    {"easting", "utm east"},
    {"easting", "utm easting"},
    {"northing", "northing"},
    {"northing", "north"},
    {"northing", "y (rd)"},
    {"northing", "rd y"},
    {"northing", "y rd"},
    {"northing", "y-coordinaat"},
    {"northing", "y coordinaat"},
    {"northing", "hochwert"},
    {"northing", "hw"},
    {"northing", "nordwert"},
    {"northing", "utm n"},
    {"northing", "utm north"},
    {"northing", "utm northing"},
    {"s", "s"},
    {"y", "y"},
    {"inFit", "infit"},
    {"inFit", "in fit"},
    {"head", "head"},
    {"head", "groundwater head"},
    {"head", "groundwater level"},
    {"head", "water level"},
    {"head", "stijghoogte"},
    {"head", "grondwaterstand"},
    {"head", "grundwasserstand"},
    {"head", "wasserstand"},
    {"head", "druckh\xf6he"},
    {"head", "standrohrspiegelh\xf6he"},
    // Columns the site tables do not use: remarks, the time of day (a
    // sample's date is what the fits read), sample numbers, methods, and a
    // well's build (ground level, filter top and bottom).
    {"skip", "remark"},
    {"skip", "remarks"},
    {"skip", "comment"},
    {"skip", "comments"},
    {"skip", "note"},
    {"skip", "notes"},
    {"skip", "opmerking"},
    {"skip", "opmerkingen"},
    {"skip", "toelichting"},
    {"skip", "bemerkung"},
    {"skip", "bemerkungen"},
    {"skip", "anmerkung"},
    {"skip", "kommentar"},
    {"skip", "time"},
    {"skip", "tijd"},
    {"skip", "tijdstip"},
    {"skip", "uhrzeit"},
    {"skip", "zeit"},
    {"skip", "sample id"},
    {"skip", "lab id"},
    {"skip", "monsternummer"},
    {"skip", "labnummer"},
    {"skip", "probennummer"},
    {"skip", "labornummer"},
    {"skip", "method"},
    {"skip", "methode"},
    {"skip", "cas"},
    {"skip", "cas-nr"},
    {"skip", "cas nr"},
    {"skip", "ground level"},
    {"skip", "ground elevation"},
    {"skip", "maaiveld"},
    {"skip", "maaiveldhoogte"},
    {"skip",
     "gel\xe4nde"
     "h\xf6he"},
    {"skip",
     "gel\xe4"
     "ndeoberkante"},
    {"skip", "gok"},
    {"skip", "top of casing"},
    {"skip", "bovenkant buis"},
    {"skip", "rohroberkante"},
    {"skip", "filter top"},
    {"skip", "filter bottom"},
    {"skip", "top of screen"},
    {"skip", "bottom of screen"},
    {"skip", "bovenkant filter"},
    {"skip", "onderkant filter"},
    {"skip", "filter van"},
    {"skip", "filter tot"},
    {"skip", "filteroberkante"},
    {"skip", "filterunterkante"},
    {"skip", "filter oberkante"},
    {"skip", "filter unterkante"},
};

std::string RoleOfKey(const std::string& key, const SiteColumnMap* mapped) {
  if (mapped) {
    const auto at = mapped->find(key);
    if (at != mapped->end()) return at->second;
  }
  for (const Name& name : kNames)
    if (key == name.key) return name.role;
  return "";
}

// The name before a closing bracket group, and what the brackets hold.
bool SplitBracket(const std::string& key, std::string* name, std::string* inside) {
  if (key.empty()) return false;
  const char open = key.back() == ']' ? '[' : key.back() == ')' ? '(' : '\0';
  const size_t at = open ? key.rfind(open) : std::string::npos;
  if (at == std::string::npos || at == 0) return false;
  *name = TrimBlanks(key.substr(0, at));
  *inside = TrimBlanks(key.substr(at + 1, key.size() - at - 2));
  return true;
}

}  // namespace

const std::vector<std::string>& SiteColumnRoles() {
  static const std::vector<std::string> roles = {"well",      "date",           "analyte", "value",    "unit",
                                                 "nonDetect", "detectionLimit", "easting", "northing", "s",
                                                 "y",         "inFit",          "head",    "skip"};
  return roles;
}

std::string SiteColumnKey(const std::string& latin1) {
  std::string key;
  bool blank = false;
  for (char c : latin1) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u == '_' || u == ' ' || u == '\t') {
      blank = true;
      continue;
    }
    if (blank && !key.empty()) key += ' ';
    blank = false;
    // Latin-1's capitals lie 0x20 below their small letters, but for the
    // multiplication sign.
    if (u >= 'A' && u <= 'Z') u = static_cast<unsigned char>(u + 32);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) u = static_cast<unsigned char>(u + 32);
    key += static_cast<char>(u);
  }
  return key;
}

std::vector<SiteColumn> SiteHeaderColumns(const std::vector<std::string>& header,
                                          const SiteColumnMap* mapped) {
  std::vector<SiteColumn> columns(header.size());
  std::vector<std::string> keys;
  for (const std::string& field : header) keys.push_back(SiteColumnKey(field));
  const bool hasS = std::find(keys.begin(), keys.end(), "s") != keys.end();
  for (size_t k = 0; k < keys.size(); ++k) {
    std::string role = RoleOfKey(keys[k], mapped), name, inside;
    if (role.empty() && SplitBracket(keys[k], &name, &inside)) {
      role = RoleOfKey(name, mapped);
      // The unit as written, not lowered: "m NAP" reads as the surveyor wrote it.
      if (!role.empty()) {
        std::string original, unit;
        SplitBracket(TrimBlanks(header[k]), &original, &unit);
        columns[k].unit = unit;
      }
    }
    if (!hasS && (keys[k] == "x" || keys[k] == "y") && (!mapped || !mapped->count(keys[k])))
      role = keys[k] == "x" ? "easting" : "northing";
    columns[k].role = role;
  }
  return columns;
}

bool IsSiteHeader(const std::vector<std::string>& header, const SiteColumnMap* mapped) {
  const std::vector<SiteColumn> columns = SiteHeaderColumns(header, mapped);
  return std::any_of(columns.begin(), columns.end(), [](const SiteColumn& c) { return c.role == "well"; });
}

std::vector<std::string> SiteColumnNames(const std::string& role) {
  std::vector<std::string> names;
  for (const Name& name : kNames)
    if (role == name.role) names.push_back(RecordTextToUtf8(name.key));
  return names;
}

bool ParseSiteColumnMappings(const std::string& utf8, SiteColumnMap* map, std::string* error) {
  size_t start = 0;
  while (start <= utf8.size()) {
    const size_t comma = std::min(utf8.find(',', start), utf8.size());
    const std::string pair = utf8.substr(start, comma - start);
    start = comma + 1;
    if (TrimBlanks(pair).empty()) continue;
    const size_t equals = pair.find('=');
    std::string latin1;
    if (equals == std::string::npos || !Utf8ToRecordText(pair.substr(0, equals), &latin1) ||
        SiteColumnKey(latin1).empty()) {
      *error = "\"" + pair + "\" is no NAME=ROLE";
      return false;
    }
    const std::string role = TrimBlanks(pair.substr(equals + 1));
    const std::vector<std::string>& roles = SiteColumnRoles();
    const auto known = std::find_if(roles.begin(), roles.end(), [&](const std::string& r) {
      return SiteColumnKey(r) == SiteColumnKey(role);
    });
    if (known == roles.end()) {
      std::string list;
      for (const std::string& r : roles) list += (list.empty() ? "" : ", ") + r;
      *error = "\"" + role + "\" is no column role (" + list + ")";
      return false;
    }
    (*map)[SiteColumnKey(latin1)] = *known;
  }
  return true;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "engine/project/recordtext.h"

#include <cstdint>

namespace {

// Windows-1252 at 0x80-0x9F; the unassigned bytes keep their control code.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char32_t kMalformed = 0xFFFFFFFF;

char32_t CharacterOfByte(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

// The byte that holds `c`, or -1.
int ByteOfCharacter(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
  for (int k = 0; k < 32; ++k) {
    if (kHighControls[k] == c) return 0x80 + k;
  }
  return -1;
}

void AppendUtf8(char32_t c, std::string* out) {
  if (c < 0x80) {
    out->push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (c >> 6)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (c >> 12)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (c >> 18)));
    out->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// The character starting at `k` and its length in bytes; kMalformed (length
// 1) for a byte that starts no well-formed sequence: overlong forms,
// surrogates and code points beyond U+10FFFF included.
char32_t NextCharacter(std::string_view utf8, size_t k, size_t* length) {
  const unsigned char lead = static_cast<unsigned char>(utf8[k]);
  *length = 1;
  if (lead < 0x80) return lead;
  size_t n;
  char32_t c;
  char32_t lowest;
  if ((lead & 0xE0) == 0xC0) {
    n = 2, c = lead & 0x1F, lowest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    n = 3, c = lead & 0x0F, lowest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    n = 4, c = lead & 0x07, lowest = 0x10000;
  } else {
    return kMalformed;
  }
  if (k + n > utf8.size()) return kMalformed;
  for (size_t j = 1; j < n; ++j) {
    const unsigned char next = static_cast<unsigned char>(utf8[k + j]);
    if ((next & 0xC0) != 0x80) return kMalformed;
    c = (c << 6) | (next & 0x3F);
  }
  if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kMalformed;
  *length = n;
  return c;
}

// Latin Extended-A (U+0100-U+017F) without its accents; ' ' where the
// letter needs more than one (those are spelled out below) or where
// Windows-1252 holds it anyway.
constexpr char kExtendedABase[] =
    "AaAaAaCcCcCcCcDd"
    "DdEeEeEeEeEeGgGg"
    "GgGgHhHhIiIiIiIi"
    "Ii  JjKkkLlLlLlL"
    "lLlNnNnNn NnOoOo"
    "Oo  RrRrRrSsSsSs"
    "  TtTtTtUuUuUuUu"
    "UuUuWwYy ZzZz  s";

constexpr const char* kGreekSmall[] = {"alpha",   "beta", "gamma", "delta",  "epsilon", "zeta", "eta",
                                       "theta",   "iota", "kappa", "lambda", "mu",      "nu",   "xi",
                                       "omicron", "pi",   "rho",   "sigma",  "sigma",   "tau",  "upsilon",
                                       "phi",     "chi",  "psi",   "omega"};

// The plain spelling of a character Windows-1252 cannot hold, or null.
// Only spellings a reader takes for the same thing: a record keeps "?"
// rather than a guess.
std::string PlainSpelling(char32_t c) {
  if (c >= 0x100 && c <= 0x17F) {
    if (c == 0x132) return "IJ";
    if (c == 0x133) return "ij";
    if (c == 0x149) return "'n";
    const char base = kExtendedABase[c - 0x100];
    if (base != ' ') return std::string(1, base);
  }
  if (c == 0x3BC) return "\xC2\xB5";  // Greek mu: the micro sign of units
  if (c >= 0x3B1 && c <= 0x3C9) return kGreekSmall[c - 0x3B1];
  if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) {
    std::string name = kGreekSmall[c - 0x391];
    name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name;
  }
  if (c == 0x2070) return "0";
  if (c >= 0x2074 && c <= 0x2079) return std::string(1, static_cast<char>('4' + (c - 0x2074)));
  if (c >= 0x2080 && c <= 0x2089) return std::string(1, static_cast<char>('0' + (c - 0x2080)));
  switch (c) {
    case 0x207A:
    case 0x208A: return "+";
    case 0x207B:
    case 0x208B:
    case 0x2010:
    case 0x2011:
    case 0x2012:
    case 0x2015:
    case 0x2043:
    case 0x2212: return "-";
    case 0x2032:
    case 0x201B: return "'";
    case 0x2033:
    case 0x201F: return "\"";
    case 0x2264: return "<=";
    case 0x2265: return ">=";
    case 0x2260: return "!=";
    case 0x2248: return "~";
    case 0x2190: return "<-";
    case 0x2192: return "->";
    case 0x2002:
    case 0x2003:
    case 0x2004:
    case 0x2005:
    case 0x2006:
    case 0x2007:
    case 0x2008:
    case 0x2009:
    case 0x200A:
    case 0x202F: return " ";
    case 0x2103:
      return "\xC2\xB0"
             "C";  // degree Celsius as one sign
    default: return {};
  }
}

}  // namespace

std::string RecordTextToUtf8(std::string_view bytes) {
  std::string utf8;
  utf8.reserve(bytes.size());
  for (unsigned char byte : bytes) AppendUtf8(CharacterOfByte(byte), &utf8);
  return utf8;
}

bool Utf8ToRecordText(std::string_view utf8, std::string* bytes) {
  std::string out;
  out.reserve(utf8.size());
  size_t length = 1;
  for (size_t k = 0; k < utf8.size(); k += length) {
    const char32_t c = NextCharacter(utf8, k, &length);
    const int byte = c == kMalformed ? -1 : ByteOfCharacter(c);
    if (byte < 0) return false;
    out.push_back(static_cast<char>(byte));
  }
  if (bytes) *bytes = std::move(out);
  return true;
}

std::string ClosestRecordText(std::string_view utf8, std::vector<RecordTextReplacement>* replaced) {
  std::string out;
  out.reserve(utf8.size());
  size_t length = 1;
  for (size_t k = 0; k < utf8.size(); k += length) {
    const char32_t c = NextCharacter(utf8, k, &length);
    const int byte = c == kMalformed ? -1 : ByteOfCharacter(c);
    if (byte >= 0) {
      out.push_back(static_cast<char>(byte));
      continue;
    }
    RecordTextReplacement r;
    if (c == kMalformed) {
      r.character = "\xEF\xBF\xBD";
    } else {
      AppendUtf8(c, &r.character);
    }
    r.stored = c == kMalformed ? std::string() : PlainSpelling(c);
    if (r.stored.empty()) r.stored = "?";
    std::string stored;
    Utf8ToRecordText(r.stored, &stored);  // every spelling above is held
    out += stored;
    if (replaced) {
      bool listed = false;
      for (const RecordTextReplacement& seen : *replaced) listed = listed || seen.character == r.character;
      if (!listed) replaced->push_back(std::move(r));
    }
  }
  return out;
}

std::string DescribeReplacements(const std::vector<RecordTextReplacement>& replaced) {
  std::string text;
  for (const RecordTextReplacement& r : replaced) {
    if (!text.empty()) text += ", ";
    text += "\"" + r.character + "\" as \"" + r.stored + "\"";
  }
  return text;
}

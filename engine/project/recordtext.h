// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The one conversion between the single-byte texts of the records (titles,
// notes, names; Windows-1252, the code page the project file's texts were
// always written in) and the UTF-8 that JSON, tables and windows use.
//
// Every byte is a character: the 27 printable characters at 0x80-0x9F are
// Windows-1252's (en dash, euro sign, curly quotes, S and Z with caron, ...),
// and the five bytes that code page leaves unassigned (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) stand for the control characters of the same number, so that
// any bytes read from a file convert to UTF-8 and back unchanged.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Record bytes to UTF-8.
std::string RecordTextToUtf8(std::string_view bytes);

// UTF-8 to record bytes. Returns false for malformed UTF-8 and for a
// character that Windows-1252 cannot hold; `bytes` is left untouched then.
bool Utf8ToRecordText(std::string_view utf8, std::string* bytes);

// One character a record could not hold and what it holds instead.
struct RecordTextReplacement {
  std::string character;  // UTF-8 (a malformed byte: "\xEF\xBF\xBD")
  std::string stored;     // UTF-8 of the single-byte form put in its place
};

// The closest single-byte form of a UTF-8 text: every character that
// Windows-1252 holds is kept; others become their usual plain spelling
// (letters without their accent, Greek letters by name, "<=" for the sign,
// sub- and superscript digits as digits, dashes and minus signs as '-'),
// and '?' where there is none. Each replaced character is listed once in
// `replaced` (may be null), in order of first appearance.
std::string ClosestRecordText(std::string_view utf8, std::vector<RecordTextReplacement>* replaced);

// The replacements as one line for the user, e.g.
// "\"α\" as \"alpha\", \"≤\" as \"<=\"".
std::string DescribeReplacements(const std::vector<RecordTextReplacement>& replaced);

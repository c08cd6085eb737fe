// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "persistence/filekind.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "engine/project/records.h"
#include "persistence/projectfile.h"
#include "persistence/settingsblock.h"

namespace {

constexpr long kDatabaseHeaderSize = kFormatTextLength + 2;

// Whether `size` is a header of `headerSize` bytes, ending in the contaminant
// count, followed by that many records and, where `block` allows, a settings
// block (recognised by its tag; whether its contents can be read is the
// loader's to find out).
bool fitsCount(FILE* file, long size, long headerSize, bool block) {
  if (size < headerSize || fseek(file, headerSize - 2, SEEK_SET) != 0) return false;
  unsigned char count[2];
  if (fread(count, 1, sizeof count, file) != sizeof count) return false;
  const int16_t n = static_cast<int16_t>(count[0] | (count[1] << 8));
  if (n < 0) return false;
  const long end = headerSize + static_cast<long>(n) * kContaminantRecordSize;
  if (size == end) return true;
  if (!block || size < end || fseek(file, end, SEEK_SET) != 0) return false;
  unsigned char tag[kSettingsTagSize];
  const size_t got = fread(tag, 1, sizeof tag, file);
  return got == std::min(sizeof tag, static_cast<size_t>(size - end)) && IsSettingsBlockStart(tag, got);
}

}  // namespace

VireloFileKind virelo_FileKind(const char* path) {
  if (!path) return VireloFileKind::Unreadable;
  FILE* file = fopen(path, "rb");
  if (!file) return VireloFileKind::Unreadable;
  struct stat info {};
  if (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) {
    const int reason = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    fclose(file);
    errno = reason;
    return VireloFileKind::Unreadable;
  }
  const long size = static_cast<long>(info.st_size);
  char header[kFormatTextLength] = {};
  VireloFileKind kind = VireloFileKind::Damaged;
  if (fread(header, 1, sizeof header, file) != sizeof header ||
      std::memcmp(header, kFormatText, kFormatTextLength) != 0)
    kind = VireloFileKind::NotVirelo;
  else if (fitsCount(file, size, kProjectHeaderSize, true))
    kind = VireloFileKind::Project;
  else if (fitsCount(file, size, kDatabaseHeaderSize, false))
    kind = VireloFileKind::Database;
  fclose(file);
  return kind;
}

const char* virelo_FileKindText(VireloFileKind kind) {
  switch (kind) {
    case VireloFileKind::Project: return "a project";
    case VireloFileKind::Database: return "a contaminant database";
    case VireloFileKind::NotVirelo: return "not a Virelo file";
    case VireloFileKind::Damaged:
      return "a damaged Virelo file: its length does not match its contaminant count";
    case VireloFileKind::Unreadable: break;
  }
  return "unreadable";
}

std::string virelo_WrongKindText(const char* path, const std::string& name, VireloFileKind wanted) {
  const VireloFileKind kind = virelo_FileKind(path);
  if (kind == wanted || kind == VireloFileKind::Unreadable) return "";
  const std::string text = name + " is " + virelo_FileKindText(kind);
  if (kind == VireloFileKind::Project || kind == VireloFileKind::Database)
    return text + ", not " + virelo_FileKindText(wanted);
  return text;
}

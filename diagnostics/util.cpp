// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Array and string utilities shared by every layer.
#include "diagnostics/util.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "diagnostics/report.h"

namespace {

constexpr size_t kSplitPathLimit = 4096;

bool IsSeparator(char c) {
  return c == '/' || c == '\\';
}

// Blank, tab, line feed, vertical tab, form feed, carriage return. Fixed here
// rather than taken from the current locale: a Latin-1 no-break space in a
// name is text, not white space, whatever locale the desktop runs in.
bool IsWhite(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

void CopySpan(char* destination, size_t capacity, const char* begin, size_t length) {
  if (!destination || capacity == 0) return;
  if (length > capacity - 1) length = capacity - 1;
  std::memcpy(destination, begin, length);
  destination[length] = '\0';
}

}  // namespace

int resizeArray(void** array, size_t elementSize, long newCount) {
  if (!array) {
    ReportError(nullptr, "resizeArray", 0, "Input is NULL!");
    return 0;
  }
  if (newCount == 0) {
    std::free(*array);
    *array = nullptr;
    return 1;
  }
  bool sizeOk = newCount > 0;
  size_t bytes = 0;
  if (sizeOk) {
    const auto count = static_cast<size_t>(newCount);
    if (elementSize != 0 && count > SIZE_MAX / elementSize) {
      sizeOk = false;
    } else {
      bytes = elementSize * count;
      if (bytes == 0) bytes = 1;  // a zero-sized element still gets a block of its own
    }
  }
  if (sizeOk) {
    void* block = *array ? std::realloc(*array, bytes) : std::malloc(bytes);
    if (block) {
      *array = block;
      return 1;
    }
  }
  ReportError(nullptr, "resizeArray", 0, "Allocation failed!, newcount=%ld", newCount);
  return 0;
}

void SplitPath(const char* path, char* directory, char* name, char* extension, size_t capacity) {
  char copy[kSplitPathLimit];
  CopySpan(copy, sizeof copy, path ? path : "", path ? std::strlen(path) : 0);
  const size_t length = std::strlen(copy);

  size_t mark = length;  // index of the last dot or separator, length if none
  for (size_t i = length; i > 0; --i) {
    if (copy[i - 1] == '.' || IsSeparator(copy[i - 1])) {
      mark = i - 1;
      break;
    }
  }

  if (mark == length) {
    CopySpan(directory, capacity, copy, 0);
    CopySpan(name, capacity, copy, length);
    CopySpan(extension, capacity, copy, 0);
    return;
  }
  if (IsSeparator(copy[mark])) {
    CopySpan(directory, capacity, copy, mark + 1);
    CopySpan(name, capacity, copy + mark + 1, length - mark - 1);
    CopySpan(extension, capacity, copy, 0);
    return;
  }
  // A dot: the extension follows it, the name runs back to the last separator.
  size_t nameStart = 0;
  for (size_t i = mark; i > 0; --i) {
    if (IsSeparator(copy[i - 1])) {
      nameStart = i;
      break;
    }
  }
  CopySpan(directory, capacity, copy, nameStart);
  CopySpan(name, capacity, copy + nameStart, mark - nameStart);
  CopySpan(extension, capacity, copy + mark + 1, length - mark - 1);
}

char* TrimString(char* text) {
  if (!text) return text;
  size_t length = std::strlen(text);
  while (length > 0 && IsWhite(text[length - 1])) --length;
  text[length] = '\0';
  size_t start = 0;
  while (start < length && IsWhite(text[start])) ++start;
  if (start > 0) std::memmove(text, text + start, length - start + 1);
  return text;
}

char* CopyBounded(char* destination, const char* source, size_t size) {
  if (!destination || size == 0) return destination;
  if (!source) source = "";
  std::strncpy(destination, source, size - 1);
  destination[size - 1] = '\0';
  return destination;
}

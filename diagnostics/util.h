// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// Small array and string utilities shared by every layer.
#pragma once

#include <cstddef>

// Grows or shrinks the heap block *array (allocated with malloc/realloc) to
// newCount elements of elementSize bytes. Returns 1 on success. On failure
// returns 0, reports to standard output and leaves *array intact.
// newCount 0 releases the block and sets *array to null.
int resizeArray(void** array, size_t elementSize, long newCount);

template <typename T>
int resizeArray(T** array, long newCount) {
  return resizeArray(reinterpret_cast<void**>(array), sizeof(T), newCount);
}

// Splits a path at its last separator ("/" or "\\") and its last dot.
// directory keeps its trailing separator. Every output is optional (null);
// each must hold at least `capacity` bytes (including the terminator).
void SplitPath(const char* path, char* directory, char* name, char* extension, size_t capacity = 4096);

// Removes trailing, then leading white space in place; returns text.
char* TrimString(char* text);

// Copies at most size-1 characters and zero-fills the rest of the size bytes;
// always terminates. Returns destination.
char* CopyBounded(char* destination, const char* source, size_t size);

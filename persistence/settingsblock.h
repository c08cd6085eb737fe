// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// The settings block of the project file: the one optional part behind the
// last contaminant record, holding the project's extras (engine/project/extras.h).
//
//   offset  size  content
//   0       8     tag 89 56 53 45 54 0D 0A 1A ("\x89VSET\r\n\x1A")
//   8       2     format version of the block, unsigned 16-bit (1)
//   10      4     payload length n, unsigned 32-bit
//   14      4     CRC-32 of the payload (persistence/crc32.h)
//   18      n     payload: UTF-8 JSON (persistence/extras_json.h)
//
// All numbers little-endian. The bytes before the block are exactly those of
// the same project without it, so a reader that stops after the last record
// still opens the project. The tag's first byte has its high bit set and the
// tag holds CR LF, so a file mangled by a text-mode transfer is told apart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/project/records.h"

constexpr size_t kSettingsTagSize = 8;
extern const unsigned char kSettingsTag[kSettingsTagSize];
constexpr size_t kSettingsHeaderSize = 18;
constexpr uint16_t kSettingsBlockVersion = 1;
// Far beyond what any project writes; a longer block is not read.
constexpr uint32_t kSettingsMaxPayload = 16u << 20;

// Whether `size` bytes found behind the last record are meant as a settings
// block: they begin with the tag, or, fewer than the tag, with its start (a
// block cut short). Anything else there is no project file of Virelo's.
bool IsSettingsBlockStart(const unsigned char* bytes, size_t size);

// The block of the project, or nothing when every setting is at its default.
std::string EncodeSettingsBlock(const Project& project);

// Reads a block (every byte behind the last record) into the project's
// extras. False with `reason` (ASCII, for the user) when it is damaged or of
// a later format; the project's extras are then as they were.
bool DecodeSettingsBlock(const std::string& bytes, Project* project, std::string* reason);

// What the user is told when a project's settings could not be read.
std::string SettingsUnreadableMessage(const std::string& reason);

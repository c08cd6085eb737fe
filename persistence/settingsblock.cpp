// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
#include "persistence/settingsblock.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "engine/project/extras.h"
#include "persistence/crc32.h"
#include "persistence/extras_json.h"

const unsigned char kSettingsTag[kSettingsTagSize] = {0x89, 'V', 'S', 'E', 'T', 0x0D, 0x0A, 0x1A};

namespace {

void PutU16(std::string* out, uint16_t v) {
  out->push_back(static_cast<char>(v & 0xFF));
  out->push_back(static_cast<char>(v >> 8));
}
void PutU32(std::string* out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out->push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
uint32_t GetU(const std::string& bytes, size_t at, int size) {
  uint32_t v = 0;
  for (int i = 0; i < size; ++i)
    v |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  return v;
}

}  // namespace

bool IsSettingsBlockStart(const unsigned char* bytes, size_t size) {
  return size > 0 && std::memcmp(bytes, kSettingsTag, std::min(size, kSettingsTagSize)) == 0;
}

std::string EncodeSettingsBlock(const Project& project) {
  if (ExtrasAreDefault(project)) return {};
  const std::string payload = ExtrasToPayload(project);
  std::string block(reinterpret_cast<const char*>(kSettingsTag), kSettingsTagSize);
  PutU16(&block, kSettingsBlockVersion);
  PutU32(&block, static_cast<uint32_t>(payload.size()));
  PutU32(&block, Crc32(payload.data(), payload.size()));
  return block + payload;
}

bool DecodeSettingsBlock(const std::string& bytes, Project* project, std::string* reason) {
  if (!IsSettingsBlockStart(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()))
    return *reason = "it does not begin with the settings tag", false;
  if (bytes.size() < kSettingsHeaderSize) return *reason = "the file ends inside it", false;
  const uint32_t version = GetU(bytes, 8, 2);
  if (version != kSettingsBlockVersion) {
    *reason =
        version > kSettingsBlockVersion
            ? "it was written by a later version of Virelo (settings format " + std::to_string(version) + ")"
            : "its format number " + std::to_string(version) + " is unknown";
    return false;
  }
  const uint32_t length = GetU(bytes, 10, 4);
  if (length > kSettingsMaxPayload) return *reason = "its length field is out of range", false;
  const size_t available = bytes.size() - kSettingsHeaderSize;
  if (available < length) return *reason = "the file ends inside it", false;
  if (available > length)
    return *reason = std::to_string(available - length) + " unexpected bytes follow it", false;
  const std::string payload = bytes.substr(kSettingsHeaderSize);
  if (Crc32(payload.data(), payload.size()) != GetU(bytes, 14, 4))
    return *reason = "its checksum does not match its contents", false;

  // Read into a project of its own, so that a payload refused halfway leaves
  // the project's extras as they were.
  Project scratch{};
  scratch.contaminants = project->contaminants;
  scratch.contaminantCount = project->contaminantCount;
  const bool ok = ExtrasFromPayload(payload, &scratch, reason);
  if (ok) std::swap(project->extras, scratch.extras);
  virelo_FreeExtras(&scratch);
  return ok;
}

std::string SettingsUnreadableMessage(const std::string& reason) {
  // Short enough for the report's message buffer, its end included.
  const std::string why = reason.size() > 120 ? reason.substr(0, 117) + "..." : reason;
  return "The settings saved with this project could not be read: " + why +
         ". The project itself was opened.";
}

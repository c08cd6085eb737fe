// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Virelo developers
// CRC-32 as zip, PNG and Ethernet compute it (reflected polynomial
// 0xEDB88320, initial value and final XOR 0xFFFFFFFF), so that any common
// tool can check a checksum Virelo wrote.
#pragma once

#include <cstddef>
#include <cstdint>

uint32_t Crc32(const void* data, size_t size);

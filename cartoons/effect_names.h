// The two name tables of the cartoon effect pack and the lookup behind the plug-in's export.
#pragma once
#include <cstdint>

constexpr int32_t effectNameCount = 304;  // rows in each table: pack, groups, placeholders, items

// The German name when the low byte of `langId` is 7 (every German variant), else the English
// one. An index outside 0..303 gives one constant empty string, never a read past the tables.
// The same index and language always give the same pointer.
const char16_t* EffectName(int32_t index, uint16_t langId);

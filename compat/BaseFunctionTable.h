// The table of helper functions that fnBase fills at start-up. Only the five
// slots the program calls are filled; every other slot stays null.
#pragma once

#include <climits>
#include <map>
#include <string>
#include <vector>

namespace compat {

// Paths are as long as the system allows (no 260-character limit here).
constexpr int kJoinPathCapacity = PATH_MAX;

constexpr int kBaseFunctionSlots = 218;
constexpr int kSlotJoinPath = 155;
constexpr int kSlotWideToNarrow = 185;
constexpr int kSlotWmiOpen = 207;
constexpr int kSlotWmiClose = 208;
constexpr int kSlotWmiQuery = 209;

using WmiRow = std::map<std::wstring, std::wstring>;

// out and base may be the same buffer (kJoinPathCapacity wide characters).
using JoinPathFn = void (*)(wchar_t *out, const wchar_t *subPath, const wchar_t *base);
using WideToNarrowFn = int (*)(const wchar_t *src, int flags, char *dst, int dstSize);
using WmiOpenFn = void *(*)();
using WmiCloseFn = void (*)(void *handle);
using WmiQueryFn = int (*)(void *handle, const wchar_t *className,
                           const std::vector<std::wstring> &properties, int flags,
                           std::vector<WmiRow> *rows);

using BaseFunction = void (*)();

// Fills table (kBaseFunctionSlots entries). Returns 1 on success.
int fnBase(void *table);

// The process-wide table that main allocates and hands to fnBase.
extern BaseFunction *g_baseFunctionTable;

template <typename Fn> Fn baseFunction(int slot) {
    if (!g_baseFunctionTable)
        return nullptr;
    return reinterpret_cast<Fn>(g_baseFunctionTable[slot]);
}

// Makes sure the table exists and is filled (main does this at start-up;
// test programs that never run main call it before using Util).
void ensureBaseFunctionTable();

} // namespace compat

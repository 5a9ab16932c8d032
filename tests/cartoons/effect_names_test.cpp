// The two name tables: every row in both languages, separate storage in index order, the
// language choice and the answer for indexes outside the tables.
#include "cartoons/effect_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/cartoons/expected_names.h"

namespace {
constexpr uint16_t german = 0x0407;
constexpr uint16_t english = 0x0409;

std::u16string_view Name(int32_t index, uint16_t langId) {
    return EffectName(index, langId);
}

TEST(EffectNames, EveryRowMatchesTheNameListInBothLanguages) {
    int32_t next = 0;
    for (const ExpectedName& row : expectedNames) {
        if (next == firstPlaceholder) next = lastPlaceholder + 1;
        ASSERT_EQ(row.index, next) << "the written-out list skips or repeats a row";
        EXPECT_EQ(Name(row.index, german), row.german) << "German row " << row.index;
        EXPECT_EQ(Name(row.index, english), row.english) << "English row " << row.index;
        ++next;
    }
    EXPECT_EQ(next, effectNameCount);
    for (int32_t index = firstPlaceholder; index <= lastPlaceholder; ++index) {
        EXPECT_EQ(Name(index, german), u"Dummy") << index;
        EXPECT_EQ(Name(index, english), u"Dummy") << index;
    }
}

// Equal texts ("Dummy", the repeated motorbikes and cars, "Varorizo" in both tables) must still
// be separate strings, and each table must hold its strings in index order.
TEST(EffectNames, EveryStringHasItsOwnStorageInIndexOrder) {
    // Addresses as numbers: the strings of the two tables need not lie in one array.
    std::vector<std::pair<uintptr_t, uintptr_t>> spans;  // first code unit, past the terminator
    for (uint16_t langId : {german, english}) {
        uintptr_t previousEnd = 0;
        for (int32_t index = 0; index < effectNameCount; ++index) {
            const char16_t* name = EffectName(index, langId);
            auto start = reinterpret_cast<uintptr_t>(name);
            uintptr_t end = start + (std::u16string_view(name).size() + 1) * sizeof(char16_t);
            EXPECT_GE(start, previousEnd) << "out of index order: " << langId << " " << index;
            previousEnd = end;
            spans.emplace_back(start, end);
        }
    }
    std::sort(spans.begin(), spans.end());
    for (size_t i = 1; i < spans.size(); ++i) {
        EXPECT_LT(spans[i - 1].first, spans[i].first) << "two entries share a string";
        EXPECT_LE(spans[i - 1].second, spans[i].first) << "two strings overlap";
    }
    EXPECT_EQ(spans.size(), 608u);
}

TEST(EffectNames, EveryGermanVariantGivesGermanAndEveryOtherLanguageEnglish) {
    constexpr uint16_t germanVariants[] = {0x0407, 0x0807, 0x0C07, 0x1007, 0x1407};
    constexpr uint16_t otherLanguages[] = {0x0409, 0x040C, 0x0410, 0x0000};
    for (uint16_t langId : germanVariants) {
        EXPECT_EQ(Name(1, langId), u"Flugzeuge") << std::hex << langId;
        EXPECT_EQ(Name(102, langId), u"Hei\u00DFluftballon") << std::hex << langId;
    }
    for (uint16_t langId : otherLanguages) {
        EXPECT_EQ(Name(1, langId), u"Airplanes") << std::hex << langId;
        EXPECT_EQ(Name(102, langId), u"Ballon") << std::hex << langId;
    }
}

TEST(EffectNames, TheSameIndexAndLanguageAlwaysGiveTheSamePointer) {
    for (int32_t index : {0, 1, 50, 102, 210, 233, 303}) {
        EXPECT_EQ(EffectName(index, 0x0407), EffectName(index, 0x0407)) << index;
        EXPECT_EQ(EffectName(index, 0x0407), EffectName(index, 0x0807)) << index;
        EXPECT_EQ(EffectName(index, 0x0409), EffectName(index, 0x040C)) << index;
    }
}

// Outside 0..303 a host gets one constant, displayable empty string and never a read beyond the
// tables.
TEST(EffectNames, IndexesOutsideTheTablesGiveOneEmptyString) {
    const char16_t* empty = EffectName(-1, german);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty[0], u'\0');
    for (uint16_t langId : {german, english}) {
        for (int32_t index : {-1, effectNameCount, effectNameCount + 1, INT_MIN, INT_MAX}) {
            EXPECT_EQ(EffectName(index, langId), empty) << langId << " " << index;
        }
        for (int32_t index = 0; index < effectNameCount; ++index) {
            EXPECT_NE(EffectName(index, langId), empty) << langId << " " << index;
        }
    }
}
}  // namespace

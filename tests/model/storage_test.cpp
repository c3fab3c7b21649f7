#include "model/storage.h"

#include <gtest/gtest.h>

#include "model/errors.h"
#include "model/file_layer.h"
#include "model/file_storage.h"
#include "model/memory_storage.h"
#include "support/temp_dir.h"

namespace krizovky {
namespace {

// The state's items in a folder of their own, named relative to it.
struct OnDisk {
    testing::TempDir dir;
    FileStorage storage{{{Place::kState, dir.path() + "/"}}};
};

struct InMemory {
    MemoryStorage storage;
};

template <typename Kind>
class StorageTest : public ::testing::Test {
  protected:
    Kind kind;
    Storage& storage = kind.storage;
};

using Kinds = ::testing::Types<OnDisk, InMemory>;
TYPED_TEST_SUITE(StorageTest, Kinds);

std::string readError(Storage& storage, const std::string& name) {
    try {
        storage.read(Place::kState, name);
    } catch (const RunError& e) {
        return e.what();
    }
    return "read";
}

TYPED_TEST(StorageTest, GivesBackWhatWasWrittenAndTellsAMissingItem) {
    Storage& s = this->storage;
    EXPECT_FALSE(s.exists(Place::kState, "vysledky.json"));
    EXPECT_EQ(readError(s, "vysledky.json"), "File not found");
    EXPECT_EQ(s.stamp(Place::kState, "vysledky.json"), "-");
    s.remove(Place::kState, "vysledky.json");  // nothing to remove

    s.replace(Place::kState, "vysledky.json", std::string("{\0}\r\n", 5));
    EXPECT_TRUE(s.exists(Place::kState, "vysledky.json"));
    EXPECT_EQ(s.read(Place::kState, "vysledky.json"), std::string("{\0}\r\n", 5));
    EXPECT_EQ(s.read(Place::kState, "vysledky.json", 2), std::string("{\0", 2));
    s.replaceThrough(Place::kState, "vysledky.json", "vysledky.WRK", "[]");
    EXPECT_EQ(s.read(Place::kState, "vysledky.json"), "[]");
    EXPECT_FALSE(s.exists(Place::kState, "vysledky.WRK"));

    s.remove(Place::kState, "vysledky.json");
    EXPECT_FALSE(s.exists(Place::kState, "vysledky.json"));
}

TYPED_TEST(StorageTest, SetsADamagedItemAsideUnderAFreeName) {
    Storage& s = this->storage;
    EXPECT_THROW(s.setAside(Place::kState, "hra.json"), RunError);
    s.replace(Place::kState, "hra.json", "{");
    EXPECT_EQ(s.setAside(Place::kState, "hra.json"), "hra.json.damaged");
    s.replace(Place::kState, "hra.json", "[");
    EXPECT_EQ(s.setAside(Place::kState, "hra.json"), "hra.json.damaged-2");
    EXPECT_FALSE(s.exists(Place::kState, "hra.json"));
    EXPECT_EQ(s.read(Place::kState, "hra.json.damaged"), "{");
    EXPECT_EQ(s.read(Place::kState, "hra.json.damaged-2"), "[");
}

TYPED_TEST(StorageTest, TheStampChangesWithEveryChange) {
    Storage& s = this->storage;
    s.replace(Place::kState, "ulohy.json", "a");
    const std::string first = s.stamp(Place::kState, "ulohy.json");
    EXPECT_EQ(s.stamp(Place::kState, "ulohy.json"), first);
    // The same size written again is a change too.
    s.replace(Place::kState, "ulohy.json", "b");
    const std::string second = s.stamp(Place::kState, "ulohy.json");
    EXPECT_NE(second, first);
    s.remove(Place::kState, "ulohy.json");
    s.replace(Place::kState, "ulohy.json", "bc");
    EXPECT_NE(s.stamp(Place::kState, "ulohy.json"), second);
}

TEST(MemoryStorage, KeepsAnItemByItsPlaceAndName) {
    MemoryStorage storage;
    storage.replace(Place::kPlayerData, "moje_ulohy.kri", "@a\r\n");
    EXPECT_FALSE(storage.exists(Place::kShipped, "moje_ulohy.kri"));
    EXPECT_EQ(storage.read(Place::kPlayerData, "moje_ulohy.kri"), "@a\r\n");
}

TEST(FileStorage, UsesAnAbsoluteNameAsThePathItIs) {
    testing::TempDir dir;
    FileStorage storage{{{Place::kState, "/nonexistent/"}}};
    storage.replace(Place::kState, dir.file("a.json"), "{}");
    EXPECT_EQ(readFileBytes(dir.file("a.json")), "{}");
    EXPECT_EQ(storage.pathOf(Place::kState, "a.json"), "/nonexistent/a.json");
    EXPECT_EQ(storage.pathOf(Place::kChosen, "a.json"), "a.json");
}

}  // namespace
}  // namespace krizovky

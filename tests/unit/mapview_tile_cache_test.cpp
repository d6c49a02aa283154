// The tile cache: its index text, eviction of the oldest, and the files on disk.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tile_cache_index.h"
#include "tile_disk_cache.h"

namespace mapview {
namespace {

namespace fs = std::filesystem;

CacheEntry Entry(int z, int x, int y, int64_t bytes, int64_t expires, int64_t used) {
    CacheEntry e;
    e.key = TileKey{z, x, y};
    e.bytes = bytes;
    e.expires = expires;
    e.lastUsed = used;
    return e;
}

TEST(TileCacheIndex, ReadsBackWhatItWritesAndSkipsDamage) {
    TileCacheIndex index;
    index.put(Entry(12, 3639, 1613, 1000, 5000, 10));
    index.put(Entry(5, 28, 12, 2000, -1, 20));
    const TileCacheIndex back = TileCacheIndex::Parse(index.serialize());
    ASSERT_EQ(2u, back.size());
    EXPECT_EQ(3000, back.totalBytes());
    ASSERT_NE(nullptr, back.find(TileKey{5, 28, 12}));
    EXPECT_EQ(-1, back.find(TileKey{5, 28, 12})->expires);

    const std::string damaged = "MapViewTileIndex 1\r\n"
                                "5 28 12 100 1 1\r\n"
                                "5 32 12 100 1 1\n"      // x beyond zoom 5
                                "5 28 12 0 1 1\n"        // no bytes
                                "5 28 13 99999999 1 1\n" // too large for a tile
                                "5 28 14 100 1\n"        // a field short
                                "5 28 15 100 1 1 7\n"    // one too many
                                "31 0 0 100 1 1\n"       // no such zoom
                                "5 28 16 100 1 1234567890123456789\n"
                                "x\n\n5 29 12 300 4 4"; // last line without newline
    const TileCacheIndex read = TileCacheIndex::Parse(damaged);
    EXPECT_EQ(2u, read.size());
    EXPECT_EQ(400, read.totalBytes());
    EXPECT_EQ(0u, TileCacheIndex::Parse("something else\n5 28 12 100 1 1\n").size());
}

TEST(TileCacheIndex, EvictsLeastRecentlyUsedFirst) {
    TileCacheIndex index;
    index.put(Entry(10, 1, 1, 400, 0, 30));
    index.put(Entry(10, 2, 2, 400, 0, 10));
    index.put(Entry(10, 3, 3, 400, 0, 20));
    index.touch(TileKey{10, 2, 2}, 40); // now the newest
    const std::vector<TileKey> gone = index.evictTo(500);
    EXPECT_EQ((std::vector<TileKey>{{10, 3, 3}, {10, 1, 1}}), gone);
    EXPECT_EQ(400, index.totalBytes());
    EXPECT_NE(nullptr, index.find(TileKey{10, 2, 2}));
    EXPECT_TRUE(index.evictTo(400).empty());
}

TEST(TileCacheIndex, MergeKeepsTheLaterStoreAndUse) {
    TileCacheIndex mine, theirs;
    mine.put(Entry(10, 1, 1, 100, 50, 5));
    theirs.put(Entry(10, 1, 1, 300, 90, 2));
    theirs.put(Entry(10, 2, 2, 200, 10, 1));
    mine.merge(theirs);
    ASSERT_EQ(2u, mine.size());
    EXPECT_EQ(300, mine.find(TileKey{10, 1, 1})->bytes);
    EXPECT_EQ(90, mine.find(TileKey{10, 1, 1})->expires);
    EXPECT_EQ(5, mine.find(TileKey{10, 1, 1})->lastUsed);
    EXPECT_EQ(500, mine.totalBytes());
}

class DiskCache : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("mapview-cache-test-" + std::to_string(getpid()));
        fs::remove_all(root);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
    fs::path root;
};

TEST_F(DiskCache, StoresReadsExpiresAndSurvivesARestart) {
    TileDiskCache cache;
    ASSERT_EQ(0, cache.open(root, "pale", 1 << 20));
    const TileKey key{12, 3639, 1613};
    std::string bytes;
    EXPECT_EQ(TileDiskCache::Found::Missing, cache.read(key, 100, &bytes));
    ASSERT_EQ(0, cache.store(key, "tile-bytes", 200, 100));
    EXPECT_EQ(root / "pale" / "12" / "3639-1613.tile", cache.tilePath(key));
    EXPECT_EQ(TileDiskCache::Found::Fresh, cache.read(key, 150, &bytes));
    EXPECT_EQ("tile-bytes", bytes);
    ASSERT_EQ(0, cache.flush());

    TileDiskCache again;
    ASSERT_EQ(0, again.open(root, "pale", 1 << 20));
    EXPECT_EQ(TileDiskCache::Found::Expired, again.read(key, 200, &bytes));
    EXPECT_EQ("tile-bytes", bytes); // an expired tile is still there to show
    fs::remove(again.tilePath(key));
    EXPECT_EQ(TileDiskCache::Found::Missing, again.read(key, 200, &bytes));
    EXPECT_EQ(0u, again.tileCount());
}

TEST_F(DiskCache, KeepsWithinItsLimitByDeletingTheOldestFiles) {
    TileDiskCache cache;
    ASSERT_EQ(0, cache.open(root, "osm", 25));
    const std::string ten(10, 'x');
    ASSERT_EQ(0, cache.store(TileKey{10, 1, 1}, ten, 1000, 1));
    ASSERT_EQ(0, cache.store(TileKey{10, 2, 2}, ten, 1000, 2));
    std::string bytes;
    cache.read(TileKey{10, 1, 1}, 3, &bytes);
    ASSERT_EQ(0, cache.store(TileKey{10, 3, 3}, ten, 1000, 4));
    EXPECT_EQ(20, cache.totalBytes());
    EXPECT_FALSE(fs::exists(cache.tilePath(TileKey{10, 2, 2})));
    EXPECT_TRUE(fs::exists(cache.tilePath(TileKey{10, 1, 1})));
    EXPECT_TRUE(fs::exists(cache.tilePath(TileKey{10, 3, 3})));
}

TEST_F(DiskCache, TwoProcessesSharingAFolderKeepEachOthersTiles) {
    TileDiskCache one, two;
    ASSERT_EQ(0, one.open(root, "std", 1 << 20));
    ASSERT_EQ(0, two.open(root, "std", 1 << 20));
    ASSERT_EQ(0, one.store(TileKey{9, 1, 1}, "a", 1000, 1));
    ASSERT_EQ(0, two.store(TileKey{9, 2, 2}, "b", 1000, 1));
    ASSERT_EQ(0, one.flush());
    ASSERT_EQ(0, two.flush());
    TileDiskCache three;
    ASSERT_EQ(0, three.open(root, "std", 1 << 20));
    EXPECT_EQ(2u, three.tileCount());
}

TEST_F(DiskCache, RefusesUnsafeFoldersAndReportsAFolderItCannotWrite) {
    TileDiskCache cache;
    for (const char* bad : {"", "..", "a/b", "A", "pale\\x", "../../etc"})
        EXPECT_EQ(-1, cache.open(root, bad, 100)) << bad;
    EXPECT_FALSE(cache.isOpen());
    EXPECT_EQ(-1, cache.store(TileKey{1, 0, 0}, "x", 1, 1));

    // A file where the folder should be: nothing can be written there, even by root.
    fs::create_directories(root);
    std::ofstream(root / "pale") << "not a folder";
    ASSERT_EQ(0, cache.open(root, "pale", 1 << 20));
    EXPECT_EQ(-1, cache.store(TileKey{1, 0, 0}, "x", 1, 1));
    EXPECT_EQ(0u, cache.tileCount());
}

} // namespace
} // namespace mapview

#include "platform/FileStore.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FileStore, WholeFilesTailsAndFoldersMadeOnTheFirstWrite) {
    QTemporaryDir dir;
    const QString soubor = dir.filePath("a/b/c.txt");
    EXPECT_FALSE(filestore::readAll(soubor));
    EXPECT_FALSE(filestore::readTail(soubor, 2));
    EXPECT_TRUE(filestore::remove(soubor));
    ASSERT_TRUE(filestore::append(soubor, "x"));
    ASSERT_TRUE(filestore::append(soubor, "yz"));
    EXPECT_EQ(*filestore::readTail(soubor, 2), "yz");
    EXPECT_EQ(*filestore::readTail(soubor, 9), "xyz");
    ASSERT_TRUE(filestore::replace(soubor, "new"));
    EXPECT_EQ(*filestore::readAll(soubor), "new");
    ASSERT_TRUE(filestore::remove(soubor));
    EXPECT_FALSE(filestore::readAll(soubor));
    // A file where a folder should be.
    writeBytes(dir.filePath("f"), "");
    EXPECT_FALSE(filestore::append(dir.filePath("f/x.txt"), "x"));
    EXPECT_FALSE(filestore::replace(dir.filePath("f/x.txt"), "x"));
}

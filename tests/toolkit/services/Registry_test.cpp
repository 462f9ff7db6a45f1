// The registry's key-value store: keys and their ancestors, values by kind, change stamps for watchers.
#include "toolkit/services/Registry.h"

#include <gtest/gtest.h>

struct RegistryStoreTest : ::testing::Test {
    void SetUp() override { RegistryStore::Clear(); }
    void TearDown() override { RegistryStore::Clear(); }
};

TEST_F(RegistryStoreTest, KeysValuesAndKinds) {
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists("Software\\A"));
    EXPECT_FALSE(reg.OpenKeyReadOnly("Software\\A"));
    RegistryStore::SetInteger(HKEY_CURRENT_USER, "Software\\A\\B", "N", 7);
    RegistryStore::SetString(HKEY_CURRENT_USER, "Software\\A\\B", "S", "text");
    EXPECT_TRUE(reg.KeyExists("Software\\A"));        // an ancestor of a key with values
    EXPECT_TRUE(reg.KeyExists("\\software\\a\\b\\")); // separators at the ends and case do not matter
    EXPECT_FALSE(reg.KeyExists("Software\\A\\Bx"));
    ASSERT_TRUE(reg.OpenKeyReadOnly("Software\\A\\B"));
    EXPECT_EQ(reg.ReadInteger("n"), 7);
    EXPECT_EQ(reg.ReadString("S"), "text");
    EXPECT_FALSE(reg.ValueExists("Missing"));
    EXPECT_THROW(reg.ReadInteger("S"), ERegistryException);
    EXPECT_THROW(reg.ReadString("Missing"), ERegistryException);
    reg.CloseKey();
    EXPECT_FALSE(reg.ValueExists("N"));
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(reg.KeyExists("Software\\A"));
}

TEST_F(RegistryStoreTest, ChangeStampsFollowTheWatchedKey) {
    const uint64_t start = RegistryStore::ChangeStamp(HKEY_CURRENT_USER, "Software\\A", true);
    const uint64_t keyOnly = RegistryStore::ChangeStamp(HKEY_CURRENT_USER, "Software\\A", false);
    RegistryStore::SetInteger(HKEY_CURRENT_USER, "Software\\AB", "N", 1); // a sibling, not below
    EXPECT_EQ(RegistryStore::ChangeStamp(HKEY_CURRENT_USER, "Software\\A", true), start);
    RegistryStore::SetInteger(HKEY_CURRENT_USER, "Software\\A\\Sub", "N", 1);
    const uint64_t afterSub = RegistryStore::ChangeStamp(HKEY_CURRENT_USER, "Software\\A", true);
    EXPECT_GT(afterSub, start);
    EXPECT_EQ(RegistryStore::ChangeStamp(HKEY_CURRENT_USER, "Software\\A", false), keyOnly);
    RegistryStore::DeleteKey(HKEY_CURRENT_USER, "Software\\A\\Sub");
    EXPECT_GT(RegistryStore::ChangeStamp(HKEY_CURRENT_USER, "Software\\A", true), afterSub);
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists("Software\\A\\Sub"));
}

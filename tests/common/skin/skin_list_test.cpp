#include "common/skin/skin_list.h"

#include "tests/support/skin_folder_test.h"

#include <set>

namespace tarnwick {
namespace {

using SkinListTest = testing::SkinFolderTest;

TEST_F(SkinListTest, FolderFirstThenSubfoldersDepthFirst) {
    for (const char* name : {"b.skin", "a.skin", "notes.txt", "sub/c.skin", "sub/deeper/e.skin",
                             "sub2/F.SKIN", "z.skin", ".hidden/d.skin"}) {
        WriteFile(name, "[skin]\nname=" + QByteArray(name) + "\n");
    }
    QDir().mkpath(Path("folder.skin"));
    ASSERT_TRUE(QFile::link(temp.path(), Path("sub/loop")));
    ASSERT_TRUE(QFile::link(Path("sub2"), Path("linked")));

    QStringList names;
    for (const SkinEntry& skin : SkinList(temp.path() + u'/')) {
        EXPECT_EQ(skin.path, Path(skin.name));
        names << skin.name;
    }
    EXPECT_EQ(names, QStringList({"a.skin", "b.skin", "z.skin", "sub/c.skin", "sub/deeper/e.skin",
                                  "sub2/F.SKIN"}));
    EXPECT_TRUE(FindSkins(Path("no such folder")).empty());
}

TEST(PickRandomSkin, StaysWithinTheList) {
    EXPECT_EQ(PickRandomSkin(3, [](int n) { return n - 1; }), 2);
    EXPECT_EQ(PickRandomSkin(3, [](int) { return 7; }), 2);
    EXPECT_EQ(PickRandomSkin(0, [](int) { return 0; }), -1);
    std::set<int> seen;
    for (int i = 0; i < 300; ++i) {
        seen.insert(PickRandomSkin(3, SystemRandom()));
    }
    EXPECT_EQ(seen, std::set<int>({0, 1, 2}));
}

class LoadSkinTest : public testing::SkinFolderTest {
protected:
    std::vector<SkinEntry> skins;

    void SetUp() override {
        WriteFile("a.skin", "[window]\nwidth=100\n");
        WriteFile("b.skin", "[window]\nwidth=110\n");
        WriteFile("broken.skin", "[window]\nwidth=130\n[indicator2]\ngraphic=1\n");
        skins = SkinList(temp.path());
    }

    static int Never(int) {
        ADD_FAILURE() << "no random pick expected";
        return 0;
    }
};

TEST_F(LoadSkinTest, ActiveSkinOrTheBuiltInLook) {
    SkinChoice choice = LoadSkin(Path("b.skin"), false, skins, Never);
    EXPECT_FALSE(choice.builtIn);
    EXPECT_EQ(choice.look.width, 110);

    // A graphic indicator without its picture sets the whole skin aside; the path stays.
    for (const QString& path : {Path("broken.skin"), Path("gone.skin"), QString()}) {
        choice = LoadSkin(path, false, skins, Never);
        EXPECT_EQ(choice.activePath, path);
        EXPECT_TRUE(choice.builtIn);
        EXPECT_EQ(choice.look.width, 50);
        EXPECT_EQ(choice.look.indicators[0].Font.name, QStringLiteral("Verdana"));
    }
}

TEST_F(LoadSkinTest, RandomFlagPicksFromTheList) {
    const SkinChoice choice = LoadSkin(Path("a.skin"), true, skins, [](int n) { return n - 2; });
    EXPECT_EQ(choice.pickedIndex, 1);
    EXPECT_EQ(choice.activePath, Path("b.skin"));
    EXPECT_EQ(choice.look.width, 110);

    const SkinChoice none = LoadSkin(Path("a.skin"), true, {}, Never);
    EXPECT_EQ(none.activePath, Path("a.skin"));
    EXPECT_EQ(none.pickedIndex, -1);
    EXPECT_EQ(none.look.width, 100);
}

}  // namespace
}  // namespace tarnwick

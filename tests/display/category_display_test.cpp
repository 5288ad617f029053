/*
 * ShowCategoryLists on nine real list boxes: which boxes a refresh touches,
 * the row texts, the selection, and the row-to-slot match the editing forms
 * rely on.
 */
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/app.h"

/* The only global the list filling reads. */
HWND g_hCategoryList[CATEGORY_COUNT];

namespace {

AppState g_state;

class CategoryDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::memset(&g_state, 0, sizeof g_state);
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 460, 735, NULL, NULL,
                                  GetModuleHandleA(NULL), NULL);
        for (int k = 0; k < CATEGORY_COUNT; k++) {
            g_hCategoryList[k] = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                                                 WS_CHILD | WS_VISIBLE | WS_VSCROLL, 10,
                                                 25 + 75 * k, 350, 75, parent_, NULL,
                                                 GetModuleHandleA(NULL), NULL);
        }
    }

    void TearDown() override { DestroyWindow(parent_); }

    static void Add(int style, int category, const char *number, const char *name1,
                    const char *name2, const char *path)
    {
        SampleFields fields = {number, path, "", CATEGORY_KEYWORDS[category - 1], "3",
                               name1, name2};
        ASSERT_EQ(1, AppendSample(CategoryListOf(&g_state, style, category), fields, category));
    }

    static std::vector<std::string> Rows(int category)
    {
        HWND box = g_hCategoryList[category - 1];
        std::vector<std::string> rows;
        int count = static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0));
        for (int row = 0; row < count; row++) {
            char text[1024] = "";
            SendMessageA(box, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
            rows.push_back(text);
        }
        return rows;
    }

    static int Selected(int category)
    {
        return static_cast<int>(SendMessageA(g_hCategoryList[category - 1], LB_GETCURSEL, 0, 0));
    }

    HWND parent_ = NULL;
};

TEST_F(CategoryDisplayTest, RowsFollowSlotOrderWithTheFirstSelected)
{
    Add(STYLE_DANCE, 2, "7", "Basse", "ronde", "C:\\Ejay\\b1.pxd");
    Add(STYLE_DANCE, 2, "8", "Basse", "grave", "C:\\Ejay\\b2.pxd");
    ASSERT_EQ(1, ShowCategoryLists(&g_state, STYLE_DANCE, ALL_CATEGORIES));
    std::vector<std::string> expected = {
        "<n\xB0" "7> - [Basse] - [ronde] - [adresse: C:\\Ejay\\b1.pxd]",
        "<n\xB0" "8> - [Basse] - [grave] - [adresse: C:\\Ejay\\b2.pxd]",
    };
    EXPECT_EQ(expected, Rows(2));
    EXPECT_EQ(0, Selected(2));
}

TEST_F(CategoryDisplayTest, EmptyListGivesAnEmptyBoxWithoutSelection)
{
    ShowCategoryLists(&g_state, STYLE_RAVE, ALL_CATEGORIES);
    for (int k = 1; k <= CATEGORY_COUNT; k++) {
        EXPECT_TRUE(Rows(k).empty()) << "category " << k;
        EXPECT_EQ(LB_ERR, Selected(k)) << "category " << k;
    }
}

TEST_F(CategoryDisplayTest, OneCategoryRefreshLeavesTheOtherBoxesAlone)
{
    Add(STYLE_DANCE, 1, "1", "a", "b", "p1");
    Add(STYLE_DANCE, 9, "2", "c", "d", "p2");
    ShowCategoryLists(&g_state, STYLE_DANCE, ALL_CATEGORIES);
    SendMessageA(g_hCategoryList[0], LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("marker"));

    Add(STYLE_DANCE, 9, "3", "e", "f", "p3");
    ShowCategoryLists(&g_state, STYLE_DANCE, 9);
    ShowCategoryLists(&g_state, STYLE_DANCE, 9); /* twice: each entry still once */

    EXPECT_EQ(2u, Rows(1).size());
    EXPECT_EQ("marker", Rows(1)[1]);
    ASSERT_EQ(2u, Rows(9).size());
    EXPECT_EQ("<n\xB0" "3> - [e] - [f] - [adresse: p3]", Rows(9)[1]);
}

TEST_F(CategoryDisplayTest, SwitchingStyleReplacesEveryBox)
{
    Add(STYLE_DANCE, 4, "1", "dance", "x", "p");
    Add(STYLE_HIPHOP, 4, "2", "hiphop", "y", "q");
    ShowCategoryLists(&g_state, STYLE_DANCE, ALL_CATEGORIES);
    ShowCategoryLists(&g_state, STYLE_HIPHOP, ALL_CATEGORIES);
    ASSERT_EQ(1u, Rows(4).size());
    EXPECT_EQ("<n\xB0" "2> - [hiphop] - [y] - [adresse: q]", Rows(4)[0]);
}

TEST_F(CategoryDisplayTest, UnknownStyleLeavesTheSelectedBoxesEmpty)
{
    Add(STYLE_DANCE, 1, "1", "a", "b", "p");
    ShowCategoryLists(&g_state, STYLE_DANCE, ALL_CATEGORIES);
    EXPECT_EQ(1, ShowCategoryLists(&g_state, 14, ALL_CATEGORIES));
    EXPECT_TRUE(Rows(1).empty());
    EXPECT_EQ(0, ShowCategoryLists(NULL, STYLE_DANCE, ALL_CATEGORIES));
}

TEST_F(CategoryDisplayTest, RowsAfterADeletionMoveUp)
{
    const char *numbers[] = {"0", "1", "2", "3", "4"};
    for (const char *number : numbers) {
        Add(STYLE_RAVE, 5, number, "n", "m", "p");
    }
    ASSERT_EQ(1, RemoveSample(CategoryListOf(&g_state, STYLE_RAVE, 5), 2));
    ShowCategoryLists(&g_state, STYLE_RAVE, 5);
    std::vector<std::string> rows = Rows(5);
    ASSERT_EQ(4u, rows.size());
    EXPECT_EQ("<n\xB0" "3> - [n] - [m] - [adresse: p]", rows[2]);
}

/* A user's entry has no number; the longest row is shown whole. */
TEST_F(CategoryDisplayTest, EmptyNumberAndLongestRowAreShownWhole)
{
    std::string path(255, 'p');
    std::string name(49, 'n');
    Add(STYLE_DANCE, 3, "", name.c_str(), name.c_str(), path.c_str());
    ShowCategoryLists(&g_state, STYLE_DANCE, 3);
    std::string expected =
        "<n\xB0> - [" + name + "] - [" + name + "] - [adresse: " + path + "]";
    ASSERT_EQ(1u, Rows(3).size());
    EXPECT_EQ(expected, Rows(3)[0]);
    EXPECT_EQ(0, Rows(3)[0].compare(0, 4, "<n\xB0>"));
}

} // namespace

/*
 * ShowCategoryLists on nine real list boxes: which boxes a refresh touches,
 * the rows in slot order (the row-to-slot match the editing forms rely on)
 * and the selection. The row text itself is tested natively.
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
        parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 460, 735, NULL, NULL, NULL, NULL);
        for (int k = 0; k < CATEGORY_COUNT; k++)
            g_hCategoryList[k] = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL,
                                                 10, 25 + 75 * k, 350, 75, parent_, NULL, NULL, NULL);
    }
    void TearDown() override { DestroyWindow(parent_); }

    /* An entry numbered and named after one text: its row is Row(text). */
    static void Add(int style, int category, const char *text)
    {
        SampleFields fields = {text, text, "", CATEGORY_KEYWORDS[category - 1], "3", text, text};
        ASSERT_EQ(1, AppendSample(CategoryListOf(&g_state, style, category), fields, category));
    }
    static std::string Row(const std::string &t)
    {
        return "<n\xB0" + t + "> - [" + t + "] - [" + t + "] - [adresse: " + t + "]";
    }
    /* The box's rows, then "sel=<selected row>". */
    static std::vector<std::string> Shown(int category)
    {
        HWND box = g_hCategoryList[category - 1];
        std::vector<std::string> rows;
        for (int row = 0; row < SendMessageA(box, LB_GETCOUNT, 0, 0); row++) {
            char text[1024] = "";
            SendMessageA(box, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
            rows.push_back(text);
        }
        rows.push_back("sel=" + std::to_string(SendMessageA(box, LB_GETCURSEL, 0, 0)));
        return rows;
    }

    HWND parent_ = NULL;
};

TEST_F(CategoryDisplayTest, RowsFollowSlotOrderWithTheFirstSelectedAndEmptyBoxesWithout)
{
    Add(STYLE_DANCE, 2, "7");
    Add(STYLE_DANCE, 2, "8");
    ASSERT_EQ(1, ShowCategoryLists(&g_state, STYLE_DANCE, ALL_CATEGORIES));
    EXPECT_EQ(std::vector<std::string>({Row("7"), Row("8"), "sel=0"}), Shown(2));
    EXPECT_EQ(std::vector<std::string>({"sel=-1"}), Shown(1));
    EXPECT_EQ(0, ShowCategoryLists(NULL, STYLE_DANCE, ALL_CATEGORIES));
}

TEST_F(CategoryDisplayTest, OneCategoryRefreshLeavesTheOtherBoxesAlone)
{
    Add(STYLE_DANCE, 1, "1");
    Add(STYLE_DANCE, 9, "2");
    ShowCategoryLists(&g_state, STYLE_DANCE, ALL_CATEGORIES);
    SendMessageA(g_hCategoryList[0], LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("marker"));
    Add(STYLE_DANCE, 9, "3");
    ShowCategoryLists(&g_state, STYLE_DANCE, 9);
    ShowCategoryLists(&g_state, STYLE_DANCE, 9); /* twice: each entry still once */
    EXPECT_EQ(std::vector<std::string>({Row("1"), "marker", "sel=0"}), Shown(1));
    EXPECT_EQ(std::vector<std::string>({Row("2"), Row("3"), "sel=0"}), Shown(9));
}

TEST_F(CategoryDisplayTest, SwitchingStyleReplacesEveryBoxAndAnUnknownStyleEmptiesThem)
{
    Add(STYLE_DANCE, 4, "1");
    Add(STYLE_HIPHOP, 4, "2");
    ShowCategoryLists(&g_state, STYLE_DANCE, ALL_CATEGORIES);
    ShowCategoryLists(&g_state, STYLE_HIPHOP, ALL_CATEGORIES);
    EXPECT_EQ(std::vector<std::string>({Row("2"), "sel=0"}), Shown(4));
    EXPECT_EQ(1, ShowCategoryLists(&g_state, 14, ALL_CATEGORIES));
    EXPECT_EQ(std::vector<std::string>({"sel=-1"}), Shown(4));
}

} // namespace

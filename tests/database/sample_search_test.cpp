/* The one matcher of the window's Find form and `pelmora-lists find`. */
#include <gtest/gtest.h>

#include "database_test_support.h"

using namespace dbtest;

TEST(SampleSearch, QueriesFoldCaseAndAccentsAndNameTheNumberExactly)
{
    std::unique_ptr<AppState> state = NewState();
    CategoryList *list = CategoryListOf(state.get(), STYLE_RAVE, 4);
    AppendSample(
        list, {"116", "C:\\Ejay\\Rave\\Voice\\voix04.pxd", "Chœur, Æther, Straße", "voice", "2", "Voix", "éthérée"}, 4);
    const SampleRecord &record = list->slots[0];
    struct Row {
        int id;
        const char *query;
        bool matches;
    } rows[] = {
        {1, "etheree", true}, {2, "ÉTHÉRÉE", true},         {3, "Voix éthérée", true}, {4, "voix  etheree", false},
        {5, "choeur", true},  {6, "AETHER", true},          {7, "strasse", true},      {8, "rave\\VOICE", true},
        {9, "116", true},     {10, " 0116 ", true},         {11, "11", false},         {12, "", false},
        {13, "   ", false},   {14, "etheree choeur", false}};
    for (const Row &row : rows)
        EXPECT_EQ(SampleMatches(MakeSampleQuery(row.query), record), row.matches) << "row " << row.id;
}

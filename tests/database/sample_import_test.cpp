/* Files added to a category by the rules the lists tool's import and a
   drop on the window share. */
#include <gtest/gtest.h>

#include "database_test_support.h"

using namespace dbtest;

TEST(SampleImport, FilesAreAddedPassedRefusedOrFindNoRoom)
{
    std::unique_ptr<AppState> state = NewState();
    StyleDatabase *dance = &state->styles[0];
    AppendSample(&dance->lists[0], {"1", "C:\\Sons\\Kick.pxd", nullptr, nullptr, nullptr, "Kick", nullptr}, 1);
    for (int n = 1; n <= 498; ++n)
        AppendSample(&dance->lists[1],
                     {nullptr, ("C:\\b" + std::to_string(n)).c_str(), nullptr, nullptr, nullptr, nullptr, nullptr}, 2);
    const std::string widest = "C:\\" + std::string(248, 'w') + ".pxd"; /* 255 characters */
    struct Row {
        int id;
        SampleFile file;
        ImportFate fate;
        int row;
    } rows[] = {{1, {"c:\\sons\\kick.PXD", "kick", false}, IMPORT_ALREADY_LISTED, 0},
                {2, {"C:\\Sons\\été.pxd", "été", false}, IMPORT_ADDED, 499},
                {3, {"C:\\SONS\\ÉTÉ.pxd", "ÉTÉ", false}, IMPORT_ALREADY_LISTED, 0},
                {4, {"C:\\Sons\\dit \"x\".pxd", "dit \"x\"", false}, IMPORT_REFUSED, 0},
                {5, {widest + "w", "w", false}, IMPORT_REFUSED, 0},
                {6, {"C:\\Sons\\?.pxd", "?", true}, IMPORT_REFUSED, 0},
                {7, {widest, "w", false}, IMPORT_ADDED, 500},
                {8, {"C:\\Sons\\c.pxd", "c", false}, IMPORT_NO_ROOM, 0}};
    std::vector<SampleFile> files;
    for (const Row &row : rows)
        files.push_back(row.file);
    std::vector<ImportOutcome> outcomes;
    ImportCounts counts = AddSampleFiles(dance, 2, files, &outcomes);
    ASSERT_EQ(outcomes.size(), files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(outcomes[i].fate, rows[i].fate) << "row " << rows[i].id;
        EXPECT_EQ(outcomes[i].row, rows[i].row) << "row " << rows[i].id;
    }
    EXPECT_EQ(std::to_string(counts.added) + std::to_string(counts.alreadyListed) + std::to_string(counts.refused) +
                  std::to_string(counts.noRoom),
              "2231");
    const SampleRecord &added = dance->lists[1].slots[498];
    EXPECT_EQ(std::string(added.path) + "|" + added.nameLine1 + "|" + added.number, "C:\\Sons\\été.pxd|été|");
}

/*
 * What the database tests share: a fixture whose temporary folder plays
 * Ejay's folder, the Windows directory and the user's folder; byte-exact
 * file helpers; hand-written records; the messages the database reported.
 */
#ifndef PELMORA_DATABASE_TEST_SUPPORT_H
#define PELMORA_DATABASE_TEST_SUPPORT_H

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "database/database.h"

void WriteBytes(const std::string &path, const std::string &bytes);
std::string ReadBytes(const std::string &path); /* "<missing>" unless a file that can be read */
bool FileExists(const std::string &path);
/* One record as the writer puts it: seven quoted values, CR LF. */
std::string Record(const std::vector<std::string> &values);
/* Records first..last of a category, values built from their number. */
std::string Numbered(const std::string &keyword, int first, int last = 0);
/* The numbers of a list's entries, "1 2 3": one comparison names them all. */
std::string Numbers(const CategoryList &list);
/* Every list that holds entries, "D2:1 3, H9:4" (Dance bass, Hiphop rap). */
std::string Tables(const AppState &state);
/* AppState is about 20 MB: always on the heap, cleared like at start-up. */
std::unique_ptr<AppState> NewState(const std::string &ejayDir = "", const std::string &windowsDir = "");

extern std::vector<std::string> g_reported;

class ListFolder : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string File(const std::string &name) const { return folder + PATH_SEPARATOR_TEXT + name; }
    void WriteLists(const std::string &dance, const std::string &rave, const std::string &hiphop);
    std::unique_ptr<AppState> Load(int *result = nullptr);

    static const std::string PATH_SEPARATOR_TEXT;
    std::string folder, userFolder, windowsIni, userIni;
};

#endif

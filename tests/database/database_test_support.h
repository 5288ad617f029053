/*
 * What the database tests share: a temporary folder that plays Ejay's
 * folder and the Windows directory, byte-exact file helpers, hand-written
 * records, and a recorder bound to the database's reporter.
 */
#ifndef PELMORA_DATABASE_TEST_SUPPORT_H
#define PELMORA_DATABASE_TEST_SUPPORT_H

#include <memory>
#include <string>
#include <vector>

#include "database/database.h"

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;
    const std::string &Path() const { return path_; }
    /* "<folder><separator><name>", as the program joins paths. */
    std::string File(const std::string &name) const;

private:
    std::string path_;
};

void WriteBytes(const std::string &path, const std::string &bytes);
std::string ReadBytes(const std::string &path);
bool FileExists(const std::string &path);

/* One record as the writer puts it: seven quoted values, CR LF. */
std::string Record(const std::string &number, const std::string &path, const std::string &extra,
                   const std::string &keyword, const std::string &duration, const std::string &name1,
                   const std::string &name2);
/* A short record of a category whose values are built from n. */
std::string NumberedRecord(const std::string &keyword, int n);

/* AppState is about 20 MB: always on the heap, cleared like at start-up. */
std::unique_ptr<AppState> NewState(const std::string &ejayDir = std::string(),
                                   const std::string &windowsDir = std::string());

/* Messages the database reported since the last ClearMessages. */
extern std::vector<std::string> g_reported;
void RecordMessage(const char *message);
void ClearMessages();

#endif

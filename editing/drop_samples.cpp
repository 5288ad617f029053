/*
 * Files dropped on a pane join that category of the style shown, by the
 * rules the lists tool's import follows (AddSampleFiles: names from the
 * file names, files already in the style passed, 500 entries at most,
 * names Windows-1252 cannot write refused). A folder gives its own .pxd
 * files, not its subfolders'. Names come from the system in UTF-16 and are
 * converted without any approximation: a name the lists' code page cannot
 * write is refused, never stored with "?" or a look-alike letter.
 */
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app.h"
#include "editing/editing.h"
#include "editing/editing_inside.h"
#include "editing/editing_texts.h"

namespace {

/* A message names at most this many refused files. */
const std::size_t REFUSALS_NAMED = 20;

struct Refusal {
    std::string path;
    const char *reason;
};

/* What a drop offers: the files, in order, and what was refused before
   reaching the rules. */
struct Offer {
    std::vector<SampleFile> files;
    std::vector<Refusal> refused;
};

/* false when the code page cannot write text as it is; out then holds it
   with the system's stand-in characters, for naming only. */
bool InListsCodePage(const std::wstring &text, std::string *out)
{
    BOOL approximated = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(size > 0 ? size : 1, '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.c_str(), -1, &narrow[0], size, nullptr, &approximated);
    *out = narrow.c_str();
    return size > 0 && !approximated;
}

std::string NameOf(const std::string &path) { return path.substr(path.find_last_of('\\') + 1); }

std::string WithoutExtension(const std::string &name) { return name.substr(0, name.find_last_of('.')); }

bool IsSampleFileName(const std::string &name)
{
    const std::size_t dot = name.find_last_of('.');
    return dot != std::string::npos && FoldCase(name.substr(dot)) == ".pxd";
}

/* By name, letter case aside, as the lists tool imports a folder. */
bool ComesFirst(const FolderEntry &a, const FolderEntry &b)
{
    const std::string foldedA = FoldCase(a.name), foldedB = FoldCase(b.name);
    return foldedA != foldedB ? foldedA < foldedB : a.name < b.name;
}

void OfferFolder(const std::string &folder, bool writable, Offer *offer)
{
    std::vector<FolderEntry> entries;
    if (!writable || !ReadFolder(folder.c_str(), &entries)) {
        offer->refused.push_back({folder, writable ? TEXT_REFUSED_FOLDER : TEXT_REFUSED_NAME});
        return;
    }
    std::sort(entries.begin(), entries.end(), ComesFirst);
    for (const FolderEntry &entry : entries) {
        if (!entry.isFolder && IsSampleFileName(entry.name))
            offer->files.push_back({folder + "\\" + entry.name, WithoutExtension(entry.name), !entry.representable});
    }
}

Offer ReadDrop(HDROP drop)
{
    Offer offer;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; index++) {
        std::wstring wide(DragQueryFileW(drop, index, nullptr, 0) + 1, L'\0');
        DragQueryFileW(drop, index, &wide[0], static_cast<UINT>(wide.size()));
        wide.resize(wide.size() - 1);
        std::string path;
        const bool writable = InListsCodePage(wide, &path);
        const DWORD attributes = GetFileAttributesW(wide.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            OfferFolder(path, writable, &offer);
        else if (!IsSampleFileName(path))
            offer.refused.push_back({path, TEXT_REFUSED_NOT_PXD});
        else
            offer.files.push_back({path, WithoutExtension(NameOf(path)), !writable});
    }
    return offer;
}

/* The files the rules refused join those refused before, with why. */
void AddRuledOut(const std::vector<SampleFile> &files, const std::vector<ImportOutcome> &outcomes,
                 std::vector<Refusal> *refused)
{
    for (std::size_t index = 0; index < files.size(); index++) {
        if (outcomes[index].fate == IMPORT_REFUSED)
            refused->push_back(
                {files[index].path, files[index].nameOutsideCodePage ? TEXT_REFUSED_NAME : TEXT_REFUSED_PATH});
    }
}

std::string Format(const char *format, ...)
{
    char text[2 * FILE_PATH_CAPACITY];
    va_list values;
    va_start(values, format);
    std::vsnprintf(text, sizeof text, format, values);
    va_end(values);
    return text;
}

void TellDrop(int style, int category, const ImportCounts &counts, const std::vector<Refusal> &refused)
{
    std::string told = Format(TEXT_DROP_SUMMARY, counts.added, STYLE_NAMES[style - STYLE_DANCE],
                              CATEGORY_KEYWORDS[category - 1], counts.alreadyListed, static_cast<int>(refused.size()));
    if (counts.noRoom > 0)
        told += Format(TEXT_DROP_NO_ROOM, counts.noRoom);
    if (!refused.empty())
        told += TEXT_DROP_REFUSED_HEAD;
    for (std::size_t index = 0; index < refused.size() && index < REFUSALS_NAMED; index++)
        told += Format(TEXT_DROP_REFUSED_LINE, refused[index].path.c_str(), refused[index].reason);
    if (refused.size() > REFUSALS_NAMED)
        told += Format(TEXT_DROP_MORE_REFUSED, static_cast<int>(refused.size() - REFUSALS_NAMED));
    const bool allTaken = refused.empty() && counts.noRoom == 0;
    ShowProgramMessage(told.c_str(), MB_OK | (allTaken ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
}

} // namespace

void DropSampleFiles(int category, HDROP drop)
{
    const int style = g_appState.settings.currentStyle;
    const CategoryList *list = CategoryListOf(&g_appState, style, category);
    if (list == nullptr)
        return;
    Offer offer = ReadDrop(drop);
    const int countBefore = list->count;
    std::vector<ImportOutcome> outcomes;
    const ImportCounts counts =
        AddSampleFiles(&g_appState.styles[style - STYLE_DANCE], category, offer.files, &outcomes);
    AddRuledOut(offer.files, outcomes, &offer.refused);
    LogAppended(&g_undoLog, g_appState, style, category, countBefore);
    ShowCategoryLists(&g_appState, style, category);
    TellDrop(style, category, counts, offer.refused);
}

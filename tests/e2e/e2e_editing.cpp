/*
 * Editing the sample lists through the panes, as a user does: adding a
 * chosen PXD file with the Add form, changing an entry with the Modify form,
 * deleting one after the yes/no question; one form at a time; and the list
 * files the program leaves on disk once it is closed.
 */
#include <chrono>
#include <cstdio>

#include "resources/resource.h"
#include "tests/e2e/scenario.h"

namespace e2e {
namespace {

enum PaneIndex { LOOP = 0, BASS = 1, SYNTHY = 2, VOICE = 3, DRUM = 5 };

const std::string kFullCategory =
    "La cat\xE9gorie est pleine : le sample n'a pas \xE9t\xE9 ajout\xE9 !";

std::string DeleteQuestion(const std::string &name1, const std::string &name2)
{
    return "Etes-vous s\xFBr de vouloir supprimer le sample \"" + name1 + " " + name2 + "\" ?" +
           std::string(18, ' ');
}

/* An entry the user added: empty number and extra text. */
Sample Added(const std::string &keyword, const std::string &path, const std::string &duration,
             const std::string &name1, const std::string &name2)
{
    return {"", path, "", keyword, duration, name1, name2};
}

std::vector<Sample> Join(std::initializer_list<std::vector<Sample>> parts)
{
    std::vector<Sample> all;
    for (const std::vector<Sample> &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<std::string> Rows(const std::vector<Sample> &samples)
{
    std::vector<std::string> rows;
    for (const Sample &sample : samples)
        rows.push_back(RowText(sample));
    return rows;
}

std::string Lines(const std::vector<std::string> &rows)
{
    std::string text;
    for (const std::string &row : rows)
        text += "  " + Visible(row) + "\n";
    return text;
}

class Editing : public PelmoraScenario {
protected:
    /* Lists written, settings naming this scenario's Ejay folder, the
       program started and its main window up. */
    bool StartWith(const std::vector<Sample> &dance, const std::vector<Sample> &rave = {},
                   const std::vector<Sample> &hiphop = {})
    {
        WriteLists(dance, rave, hiphop);
        WriteSettings(Settings());
        return StartPelmora() && WaitForMainWindow(&view_);
    }

    const Pane &PaneOf(int k) const { return view_.panes[static_cast<std::size_t>(k)]; }
    HWND Main() const { return view_.window; }

    /* A folder for the chosen sample files, beside the lists. */
    std::string SampleFolder()
    {
        std::string folder = JoinPath(EjayDir(), "samples");
        EXPECT_TRUE(MakeFolders(folder));
        return folder;
    }

    /* "&Ajouter" of pane k, the chooser answered with typed; the Add form. */
    HWND OpenAddForm(int k, const std::string &typed)
    {
        Click(PaneOf(k).add);
        HWND chooser = WaitForFileChooser(Pid());
        if (chooser == nullptr) {
            ADD_FAILURE() << "no file chooser after Add of pane " << k;
            return nullptr;
        }
        EXPECT_EQ(TextOf(chooser), "Ajouter un Sample PXD Ejay");
        EXPECT_TRUE(ChooseFile(chooser, typed)) << typed;
        HWND form = WaitForDialogWithControl(Pid(), IDC_ADD_NAME1);
        EXPECT_NE(form, nullptr) << "no Add form after choosing " << typed;
        return form;
    }

    /* "&Ajouter" of pane k, the chooser cancelled. */
    void CancelAdd(int k)
    {
        Click(PaneOf(k).add);
        HWND chooser = WaitForFileChooser(Pid());
        ASSERT_NE(chooser, nullptr) << "no file chooser after Add of pane " << k;
        ASSERT_TRUE(CancelFileChooser(chooser));
        ASSERT_TRUE(Sync(Main()));
    }

    void TypeAddTexts(HWND form, const std::string &name1, const std::string &name2,
                      const std::string &duration)
    {
        EXPECT_TRUE(SetItemText(form, IDC_ADD_NAME1, name1));
        EXPECT_TRUE(SetItemText(form, IDC_ADD_NAME2, name2));
        EXPECT_TRUE(SetItemText(form, IDC_ADD_DURATION, duration));
    }

    /* Row `row` of pane k selected, then "&Modifier"; the Modify form. */
    HWND OpenModifyForm(int k, int row)
    {
        EXPECT_TRUE(SelectRow(PaneOf(k).list, row));
        Click(PaneOf(k).modify);
        HWND form = WaitForDialogWithControl(Pid(), IDC_MODIFY_PATH);
        EXPECT_NE(form, nullptr) << "no Modify form for row " << row << " of pane " << k;
        return form;
    }

    /* Row `row` of pane k selected, then "&Supprimer"; the question. */
    bool AskDelete(int k, int row, MessageBoxSeen *question)
    {
        EXPECT_TRUE(SelectRow(PaneOf(k).list, row));
        Click(PaneOf(k).remove);
        return ExpectMessageBox(question);
    }

    void ShowStyle(int command)
    {
        PostCommand(Main(), command);
        EXPECT_TRUE(Sync(Main()));
    }

    /* The pane shows exactly these rows with row `selected` selected
       (a refill selects the first). */
    void ExpectRows(int k, const std::vector<std::string> &rows, const char *when,
                    int selected = 0)
    {
        bool same = WaitUntil([&] { return ListRows(PaneOf(k).list) == rows; }, 3000);
        EXPECT_TRUE(same) << when << ": pane " << k << " shows\n"
                          << Lines(ListRows(PaneOf(k).list)) << "expected\n" << Lines(rows);
        if (!rows.empty()) {
            EXPECT_EQ(ListSelection(PaneOf(k).list), selected) << when << ": selection of pane " << k;
        }
    }

    void Quit()
    {
        PostCommand(Main(), IDM_QUIT);
        ExpectExitWithCodeZero();
    }

    void ExpectListFile(const char *name, const std::vector<Sample> &samples)
    {
        EXPECT_EQ(Visible(ReadFileBytes(EjayFile(name))), Visible(ListFileText(samples))) << name;
    }

    /* How long a pane control took, since `since`, to reach the state; a
       figure for the log, not a verdict (the timer's period is 100 ms). */
    void ExpectEnabledSoon(HWND control, bool enabled, const char *what,
                           std::chrono::steady_clock::time_point since)
    {
        bool reached = WaitUntil([&] { return IsEnabled(control) == enabled; }, 3000);
        auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - since).count();
        EXPECT_TRUE(reached) << what << " still " << (enabled ? "disabled" : "enabled");
        std::printf("%s %s %lld ms after the action\n", what, enabled ? "enabled" : "disabled",
                    static_cast<long long>(ms));
    }

    MainWindowView view_;
};

/* ---- Adding ------------------------------------------------------------- */

TEST_F(Editing, AddToAnEmptyPaneAndToAPaneOf499)
{
    const std::vector<Sample> bass = MakeSamples("bass", 499, "dance");
    ASSERT_TRUE(StartWith(bass));
    const std::string folder = SampleFolder();
    EXPECT_TRUE(WaitUntil([&] { return !IsEnabled(PaneOf(LOOP).modify); }))
        << "the empty loop pane's Modify is enabled";

    /* A file that does not exist, in a folder that does. */
    const std::string kick = JoinPath(folder, "kick.pxd");
    HWND form = OpenAddForm(LOOP, kick);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(TextOf(form), "Ajouter un Sample Ejay");
    EXPECT_EQ(ItemText(form, IDC_ADD_NAME1), "");
    EXPECT_EQ(ItemText(form, IDC_ADD_NAME2), "");
    EXPECT_EQ(ItemText(form, IDC_ADD_DURATION), "");
    TypeAddTexts(form, "Kick sec", "Techno", "2");
    EXPECT_TRUE(SaveScreenshot("add-form"));
    auto clicked = std::chrono::steady_clock::now();
    ASSERT_TRUE(ClickItem(form, IDC_ADD_OK));
    EXPECT_TRUE(WaitUntilGone(form));
    ExpectEnabledSoon(PaneOf(LOOP).modify, true, "loop Modify", clicked);
    const Sample loopEntry = Added("loop", kick, "2", "Kick sec", "Techno");
    ExpectRows(LOOP, {RowText(loopEntry)}, "after adding to the empty loop pane");
    EXPECT_EQ(ListRows(PaneOf(LOOP).list)[0].substr(0, 4), "<n\xB0>");
    EXPECT_TRUE(IsEnabled(PaneOf(LOOP).remove));
    EXPECT_TRUE(IsEnabled(PaneOf(LOOP).list));

    /* Typed without extension: the chooser adds the default one (Wine's
       does so only when that file exists). */
    ASSERT_TRUE(WriteFileBytes(JoinPath(folder, "snare.pxd"), "PXD"));
    form = OpenAddForm(BASS, JoinPath(folder, "snare"));
    ASSERT_NE(form, nullptr);
    TypeAddTexts(form, "Snare \"sharp\"", "", "13");
    ASSERT_TRUE(IsEnabled(PaneOf(BASS).add));
    clicked = std::chrono::steady_clock::now();
    ASSERT_TRUE(ClickItem(form, IDC_ADD_OK));
    ExpectEnabledSoon(PaneOf(BASS).add, false, "bass Add (500 entries)", clicked);
    EXPECT_TRUE(WaitUntilGone(form));
    const Sample bassEntry = Added("bass", JoinPath(folder, "snare.pxd"), "13", "Snare sharp", "");
    std::vector<Sample> bassAfter = bass;
    bassAfter.push_back(bassEntry);
    ExpectRows(BASS, Rows(bassAfter), "after the 500th bass entry");

    Quit();
    ExpectListFile("pxddance", Join({{loopEntry}, bassAfter}));
    ExpectListFile("pxdrave", {});
}

TEST_F(Editing, CancelledAdditionsChangeNothing)
{
    const std::vector<Sample> dance = Join({MakeSamples("bass", 2, "d"), MakeSamples("drum", 1, "d")});
    ASSERT_TRUE(StartWith(dance));
    const std::string folder = SampleFolder();

    CancelAdd(BASS);
    EXPECT_TRUE(DialogsWithControl(Pid(), IDC_ADD_NAME1).empty()) << "a form after a cancelled chooser";

    HWND form = OpenAddForm(BASS, JoinPath(folder, "a.pxd"));
    ASSERT_NE(form, nullptr);
    TypeAddTexts(form, "A", "a", "1");
    ASSERT_TRUE(ClickItem(form, IDC_ADD_CANCEL));
    EXPECT_TRUE(WaitUntilGone(form)) << "Annuler";

    form = OpenAddForm(BASS, JoinPath(folder, "b.pxd"));
    ASSERT_NE(form, nullptr);
    TypeAddTexts(form, "B", "b", "1");
    PostCloseBox(form);
    EXPECT_TRUE(WaitUntilGone(form)) << "close box";
    ASSERT_TRUE(Sync(Main()));
    ExpectRows(BASS, RowsOf(dance, "bass"), "after Annuler and the close box");

    /* Another pane's Add whose chooser is cancelled: the open form keeps
       its own file and pane. */
    const std::string mine = JoinPath(folder, "mine.pxd");
    form = OpenAddForm(BASS, mine);
    ASSERT_NE(form, nullptr);
    TypeAddTexts(form, "Mine", "", "5");
    CancelAdd(DRUM);
    ASSERT_TRUE(IsWindow(form)) << "the open form vanished";
    ASSERT_TRUE(ClickItem(form, IDC_ADD_OK));
    EXPECT_TRUE(WaitUntilGone(form));
    const Sample entry = Added("bass", mine, "5", "Mine", "");
    std::vector<Sample> bassAfter = Join({MakeSamples("bass", 2, "d"), {entry}});
    ExpectRows(BASS, Rows(bassAfter), "after the form of the bass pane was confirmed");
    ExpectRows(DRUM, RowsOf(dance, "drum"), "drum pane");

    Quit();
    ExpectListFile("pxddance", Join({bassAfter, MakeSamples("drum", 1, "d")}));
}

TEST_F(Editing, StyleSwitchedWhileTheAddFormIsOpen)
{
    const std::vector<Sample> danceBass = MakeSamples("bass", 1, "dance");
    const std::vector<Sample> raveBass = MakeSamples("bass", 2, "rave");
    const std::vector<Sample> hiphopBass = MakeSamples("bass", 500, "hiphop");
    ASSERT_TRUE(StartWith(danceBass, raveBass, hiphopBass));
    const std::string folder = SampleFolder();

    /* Confirmed after Ctrl+R: the entry joins the Rave bass list. */
    HWND form = OpenAddForm(BASS, JoinPath(folder, "r.pxd"));
    ASSERT_NE(form, nullptr);
    TypeAddTexts(form, "Pour", "Rave", "3");
    ASSERT_TRUE(TypeCtrl(Main(), 'R'));
    ExpectRows(BASS, RowsOf(raveBass, "bass"), "Rave shown");
    ASSERT_TRUE(ClickItem(form, IDC_ADD_OK));
    EXPECT_TRUE(WaitUntilGone(form));
    const Sample raveEntry = Added("bass", JoinPath(folder, "r.pxd"), "3", "Pour", "Rave");
    const std::vector<Sample> raveAfter = Join({raveBass, {raveEntry}});
    ExpectRows(BASS, Rows(raveAfter), "Rave after the addition");

    /* Confirmed while Hiphop, whose bass list is full, is shown: the user
       is told, nothing is added, and the form stays for another style. */
    form = OpenAddForm(BASS, JoinPath(folder, "h.pxd"));
    ASSERT_NE(form, nullptr);
    TypeAddTexts(form, "Trop", "tard", "4");
    ShowStyle(IDM_HIPHOP);
    ASSERT_TRUE(ClickItem(form, IDC_ADD_OK));
    MessageBoxSeen full;
    ASSERT_TRUE(ExpectMessageBox(&full));
    EXPECT_EQ(full.caption, kCaption);
    EXPECT_EQ(Visible(full.text), Visible(kFullCategory));
    ASSERT_TRUE(AnswerMessageBox(full, IDOK));
    ASSERT_TRUE(Sync(Main()));
    EXPECT_TRUE(IsWindow(form)) << "the form closed although nothing was added";
    EXPECT_EQ(ListRows(PaneOf(BASS).list).size(), 500u);
    ShowStyle(IDM_DANCE);
    ASSERT_TRUE(ClickItem(form, IDC_ADD_OK));
    EXPECT_TRUE(WaitUntilGone(form));
    const Sample danceEntry = Added("bass", JoinPath(folder, "h.pxd"), "4", "Trop", "tard");
    const std::vector<Sample> danceAfter = Join({danceBass, {danceEntry}});
    ExpectRows(BASS, Rows(danceAfter), "Dance after the addition");

    Quit();
    ExpectListFile("pxddance", danceAfter);
    ExpectListFile("pxdrave", raveAfter);
    ExpectListFile("pxdhiphp", hiphopBass);
}

/* ---- Modifying ---------------------------------------------------------- */

TEST_F(Editing, ModifyWritesTheFourFieldsBackInPlace)
{
    std::vector<Sample> drums = MakeSamples("drum", 4, "dance");
    drums[2].duration = "12";
    ASSERT_TRUE(StartWith(drums));

    HWND form = OpenModifyForm(DRUM, 2);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(TextOf(form), "Modifier un Sample Ejay");
    EXPECT_EQ(ItemText(form, IDC_MODIFY_NAME1), drums[2].name1);
    EXPECT_EQ(ItemText(form, IDC_MODIFY_NAME2), drums[2].name2);
    EXPECT_EQ(ItemText(form, IDC_MODIFY_DURATION), "12");
    EXPECT_EQ(ItemText(form, IDC_MODIFY_PATH), drums[2].path);
    EXPECT_TRUE(SaveScreenshot("modify-form"));

    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_NAME1, "Caisse \"claire\""));
    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_NAME2, ""));
    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_DURATION, "7"));
    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_PATH, "D:\\sons\\caisse"));
    ASSERT_TRUE(ClickItem(form, IDC_MODIFY_OK));
    EXPECT_TRUE(WaitUntilGone(form));
    std::vector<Sample> after = drums;
    after[2].name1 = "Caisse claire";
    after[2].name2 = "";
    after[2].duration = "7";
    after[2].path = "D:\\sons\\caisse";
    ExpectRows(DRUM, Rows(after), "after Modifier");

    /* Annuler and the close box write nothing. */
    form = OpenModifyForm(DRUM, 0);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_NAME1, "jamais"));
    ASSERT_TRUE(ClickItem(form, IDC_MODIFY_CANCEL));
    EXPECT_TRUE(WaitUntilGone(form));
    form = OpenModifyForm(DRUM, 1);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_NAME1, "jamais"));
    PostCloseBox(form);
    EXPECT_TRUE(WaitUntilGone(form));
    ExpectRows(DRUM, Rows(after), "after Annuler and the close box", 1);

    Quit();
    ExpectListFile("pxddance", after);
}

TEST_F(Editing, ModifyAfterAStyleSwitchChangesTheEarlierStyle)
{
    const std::vector<Sample> dance = MakeSamples("bass", 2, "dance");
    const std::vector<Sample> hiphop = MakeSamples("bass", 2, "hiphop");
    ASSERT_TRUE(StartWith(dance, {}, hiphop));

    HWND form = OpenModifyForm(BASS, 1);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_NAME1, "Chang\xE9"));
    ASSERT_TRUE(TypeCtrl(Main(), 'H'));
    ExpectRows(BASS, RowsOf(hiphop, "bass"), "Hiphop shown");
    ASSERT_TRUE(ClickItem(form, IDC_MODIFY_OK));
    EXPECT_TRUE(WaitUntilGone(form));
    ExpectRows(BASS, RowsOf(hiphop, "bass"), "Hiphop after Modifier");
    ShowStyle(IDM_DANCE);
    std::vector<Sample> danceAfter = dance;
    danceAfter[1].name1 = "Chang\xE9";
    ExpectRows(BASS, Rows(danceAfter), "Dance after Modifier");

    Quit();
    ExpectListFile("pxddance", danceAfter);
    ExpectListFile("pxdhiphp", hiphop);
}

/* ---- Deleting ----------------------------------------------------------- */

TEST_F(Editing, DeleteAsksThenRemovesOrKeeps)
{
    const std::vector<Sample> synthy = MakeSamples("synthy", 5, "dance");
    const std::vector<Sample> voice = MakeSamples("voice", 1, "dance");
    ASSERT_TRUE(StartWith(Join({synthy, voice})));

    MessageBoxSeen question;
    ASSERT_TRUE(AskDelete(SYNTHY, 0, &question));
    EXPECT_EQ(question.caption, kCaption);
    EXPECT_EQ(Visible(question.text), Visible(DeleteQuestion(synthy[0].name1, synthy[0].name2)));
    EXPECT_TRUE(question.HasButton(IDYES));
    EXPECT_TRUE(question.HasButton(IDNO));
    EXPECT_TRUE(SaveScreenshot("delete-question"));
    ASSERT_TRUE(AnswerMessageBox(question, IDYES));
    std::vector<Sample> left(synthy.begin() + 1, synthy.end());
    ExpectRows(SYNTHY, Rows(left), "after Yes on row 0");

    ASSERT_TRUE(AskDelete(SYNTHY, 3, &question));
    EXPECT_EQ(Visible(question.text), Visible(DeleteQuestion(left[3].name1, left[3].name2)));
    ASSERT_TRUE(AnswerMessageBox(question, IDNO));
    ExpectRows(SYNTHY, Rows(left), "after No on row 3");

    ASSERT_TRUE(AskDelete(SYNTHY, 2, &question));
    ASSERT_TRUE(AnswerMessageBox(question, IDYES));
    left.erase(left.begin() + 2);
    ExpectRows(SYNTHY, Rows(left), "after Yes on row 2");

    /* The only entry of a pane: the pane empties and locks. */
    ASSERT_TRUE(AskDelete(VOICE, 0, &question));
    const auto answered = std::chrono::steady_clock::now();
    ASSERT_TRUE(AnswerMessageBox(question, IDYES));
    ExpectEnabledSoon(PaneOf(VOICE).modify, false, "voice Modify", answered);
    ExpectRows(VOICE, {}, "after deleting the only voice entry");
    EXPECT_FALSE(IsEnabled(PaneOf(VOICE).remove));
    EXPECT_FALSE(IsEnabled(PaneOf(VOICE).list));
    EXPECT_TRUE(IsEnabled(PaneOf(VOICE).add));

    Quit();
    ExpectListFile("pxddance", left);
}

/* A pane with entries but no selected row (the list box can be left so):
   Modify and Delete read and change nothing. */
TEST_F(Editing, WithoutASelectedRowModifyAndDeleteDoNothing)
{
    const std::vector<Sample> dance = MakeSamples("bass", 2, "dance");
    ASSERT_TRUE(StartWith(dance));
    ASSERT_TRUE(SelectRow(PaneOf(BASS).list, LB_ERR));
    ASSERT_EQ(ListSelection(PaneOf(BASS).list), LB_ERR);
    Click(PaneOf(BASS).modify);
    Click(PaneOf(BASS).remove);
    ASSERT_TRUE(Sync(Main()));
    Pause(300);
    EXPECT_TRUE(DialogsWithControl(Pid(), IDC_MODIFY_PATH).empty()) << "a Modify form opened";
    MessageBoxSeen box;
    EXPECT_FALSE(FindMessageBox(Pid(), &box)) << "a question: " << Visible(box.text);
    ExpectRows(BASS, RowsOf(dance, "bass"), "after Modify and Delete without a row", LB_ERR);

    Quit();
    ExpectListFile("pxddance", dance);
}

/* ---- One form at a time ------------------------------------------------- */

TEST_F(Editing, SystemDialogClosesAnOpenAddOrModifyForm)
{
    const std::vector<Sample> dance = MakeSamples("bass", 2, "dance");
    ASSERT_TRUE(StartWith(dance));
    const std::string folder = SampleFolder();

    HWND form = OpenAddForm(BASS, JoinPath(folder, "x.pxd"));
    ASSERT_NE(form, nullptr);
    TypeAddTexts(form, "Jamais", "ajout\xE9", "1");
    ASSERT_TRUE(TypeCtrl(form, 'S'));
    HWND system = WaitForDialogWithControl(Pid(), IDC_SYSTEM_EJAYDIR);
    ASSERT_NE(system, nullptr) << "no System dialog after Ctrl+S";
    EXPECT_TRUE(WaitUntilGone(form)) << "the Add form stays beside the System dialog";
    ASSERT_TRUE(ClickItem(system, IDC_SYSTEM_CANCEL));
    EXPECT_TRUE(WaitUntilGone(system));

    form = OpenModifyForm(BASS, 0);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_NAME1, "Jamais"));
    PostCommand(Main(), IDM_SYSTEM);
    system = WaitForDialogWithControl(Pid(), IDC_SYSTEM_EJAYDIR);
    ASSERT_NE(system, nullptr) << "no System dialog from the menu";
    EXPECT_TRUE(WaitUntilGone(form)) << "the Modify form stays beside the System dialog";
    ASSERT_TRUE(ClickItem(system, IDC_SYSTEM_CANCEL));
    EXPECT_TRUE(WaitUntilGone(system));
    ExpectRows(BASS, RowsOf(dance, "bass"), "after both forms were closed");

    Quit();
    ExpectListFile("pxddance", dance);
}

/* A deletion in the list an open Modify form edits moves or removes its
   entry: the form closes without writing. */
TEST_F(Editing, DeletionInTheListOfAnOpenModifyFormClosesIt)
{
    const std::vector<Sample> dance = MakeSamples("bass", 3, "dance");
    ASSERT_TRUE(StartWith(dance));

    HWND form = OpenModifyForm(BASS, 2);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_NAME1, "Jamais"));
    MessageBoxSeen question;
    ASSERT_TRUE(AskDelete(BASS, 0, &question));
    ASSERT_TRUE(AnswerMessageBox(question, IDYES));
    EXPECT_TRUE(WaitUntilGone(form)) << "the Modify form outlived the move of its entry";
    const std::vector<Sample> left(dance.begin() + 1, dance.end());
    ExpectRows(BASS, Rows(left), "after the deletion");

    Quit();
    ExpectListFile("pxddance", left);
}

} // namespace
} // namespace e2e

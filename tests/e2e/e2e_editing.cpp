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
constexpr int kChooserFilter = 0x470; /* cmb1, the file chooser's type list */

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

    /* "&Ajouter" of pane k, the chooser answered with typed (cancelled
       when empty); the Add form, if one came. */
    HWND OpenAddForm(int k, const std::string &typed)
    {
        Click(PaneOf(k).add);
        HWND chooser = WaitForFileChooser(Pid());
        EXPECT_NE(chooser, nullptr) << "no file chooser after Add of pane " << k;
        EXPECT_EQ(TextOf(chooser), "Ajouter un Sample PXD Ejay");
        EXPECT_EQ(ItemText(chooser, kChooserFilter), "Sample PXD Ejay (*.pxd)");
        if (typed.empty()) {
            EXPECT_TRUE(CancelFileChooser(chooser) && Sync(Main()));
            return nullptr;
        }
        EXPECT_TRUE(ChooseFile(chooser, typed)) << typed;
        HWND form = WaitForDialogWithControl(Pid(), IDC_ADD_NAME1);
        EXPECT_NE(form, nullptr) << "no Add form after choosing " << typed;
        return form;
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

    /* The pane shows exactly these rows with row `selected` selected
       (a refill selects the first). */
    void ExpectRows(int k, const std::vector<std::string> &rows, const char *when,
                    int selected = 0)
    {
        WaitUntil([&] { return ListRows(PaneOf(k).list) == rows; }, 3000);
        EXPECT_EQ(ListRows(PaneOf(k).list), rows) << when << ": pane " << k;
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
        EXPECT_EQ(ReadFileBytes(EjayFile(name)), ListFileText(samples)) << name;
    }

    /* How long a pane control took, since `since`, to reach the state: a
       figure for the log, not a verdict (the timer's period is 100 ms). */
    void ExpectEnabledSoon(HWND control, bool enabled, const char *what,
                           std::chrono::steady_clock::time_point since)
    {
        EXPECT_TRUE(WaitUntil([&] { return IsEnabled(control) == enabled; }, 3000)) << what;
        std::printf("%s %s %lld ms after the action\n", what, enabled ? "enabled" : "disabled",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - since).count()));
    }

    MainWindowView view_;
};

/* ---- Adding ------------------------------------------------------------- */

TEST_F(Editing, AddingCancellingAndAFullListAfterAStyleSwitch)
{
    const std::vector<Sample> bass = MakeSamples("bass", 499, "dance");
    const std::vector<Sample> drum = MakeSamples("drum", 1, "dance");
    const std::vector<Sample> raveBass = MakeSamples("bass", 2, "rave");
    const std::vector<Sample> hiphopBass = MakeSamples("bass", 1, "hiphop");
    ASSERT_TRUE(StartWith(Join({bass, drum}), raveBass, hiphopBass));
    const std::string folder = SampleFolder();
    EXPECT_TRUE(WaitUntil([&] { return !IsEnabled(PaneOf(LOOP).modify); }))
        << "the empty loop pane's Modify is enabled";

    /* To an empty pane: a file that does not exist, in a folder that does. */
    const std::string kick = JoinPath(folder, "kick.pxd");
    HWND form = OpenAddForm(LOOP, kick);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(TextOf(form), "Ajouter un Sample Ejay");
    EXPECT_EQ(ItemText(form, IDC_ADD_NAME1) + ItemText(form, IDC_ADD_NAME2) +
                  ItemText(form, IDC_ADD_DURATION), "");
    TypeAddTexts(form, "Kick sec", "Techno", "2");
    EXPECT_TRUE(SaveScreenshot("add-form"));
    auto clicked = std::chrono::steady_clock::now();
    ASSERT_TRUE(ClickItem(form, IDC_ADD_OK));
    EXPECT_TRUE(WaitUntilGone(form));
    ExpectEnabledSoon(PaneOf(LOOP).modify, true, "loop Modify", clicked);
    const Sample loopEntry = Added("loop", kick, "2", "Kick sec", "Techno");
    ExpectRows(LOOP, {RowText(loopEntry)}, "after adding to the empty loop pane");
    EXPECT_TRUE(IsEnabled(PaneOf(LOOP).remove));
    EXPECT_TRUE(IsEnabled(PaneOf(LOOP).list));

    /* A cancelled chooser, Annuler and the close box add nothing. */
    OpenAddForm(BASS, "");
    EXPECT_TRUE(DialogsWithControl(Pid(), IDC_ADD_NAME1).empty()) << "a form after a cancelled chooser";
    ASSERT_NE(form = OpenAddForm(BASS, JoinPath(folder, "a.pxd")), nullptr);
    TypeAddTexts(form, "A", "a", "1");
    ASSERT_TRUE(ClickItem(form, IDC_ADD_CANCEL));
    EXPECT_TRUE(WaitUntilGone(form)) << "Annuler";
    ASSERT_NE(form = OpenAddForm(BASS, JoinPath(folder, "b.pxd")), nullptr);
    TypeAddTexts(form, "B", "b", "1");
    PostCloseBox(form);
    EXPECT_TRUE(WaitUntilGone(form)) << "close box";
    ASSERT_TRUE(Sync(Main()));
    ExpectRows(BASS, RowsOf(bass), "after Annuler and the close box");

    /* The 500th entry, typed without extension (the chooser adds the
       default one; Wine's does so only when that file exists); another
       pane's Add whose chooser is cancelled leaves the open form's file and
       pane alone. */
    ASSERT_TRUE(WriteFileBytes(JoinPath(folder, "snare.pxd"), "PXD"));
    ASSERT_NE(form = OpenAddForm(BASS, JoinPath(folder, "snare")), nullptr);
    TypeAddTexts(form, "Snare \"sharp\"", "", "13");
    OpenAddForm(DRUM, "");
    ASSERT_TRUE(IsWindow(form)) << "the open form vanished";
    clicked = std::chrono::steady_clock::now();
    ASSERT_TRUE(ClickItem(form, IDC_ADD_OK));
    ExpectEnabledSoon(PaneOf(BASS).add, false, "bass Add (500 entries)", clicked);
    EXPECT_TRUE(WaitUntilGone(form));
    const std::vector<Sample> bassAfter =
        Join({bass, {Added("bass", JoinPath(folder, "snare.pxd"), "13", "Snare sharp", "")}});
    ExpectRows(BASS, RowsOf(bassAfter), "after the 500th bass entry");
    ExpectRows(DRUM, RowsOf(drum), "drum pane");

    /* The System dialog closes an open Add form. */
    ASSERT_NE(form = OpenAddForm(LOOP, JoinPath(folder, "x.pxd")), nullptr);
    TypeAddTexts(form, "Jamais", "ajout\xE9", "1");
    ASSERT_TRUE(TypeCtrl(form, 'S'));
    HWND system = WaitForDialogWithControl(Pid(), IDC_SYSTEM_EJAYDIR);
    ASSERT_NE(system, nullptr) << "no System dialog after Ctrl+S";
    EXPECT_TRUE(WaitUntilGone(form)) << "the Add form stays beside the System dialog";
    ASSERT_TRUE(ClickItem(system, IDC_SYSTEM_CANCEL));
    EXPECT_TRUE(WaitUntilGone(system));

    /* Opened on Rave, confirmed while Dance (full bass list) is shown: the
       user is told and the form stays; confirmed again on Hiphop, the entry
       joins Hiphop's bass list. */
    ASSERT_TRUE(TypeCtrl(Main(), 'R'));
    ExpectRows(BASS, RowsOf(raveBass), "Rave shown");
    ASSERT_NE(form = OpenAddForm(BASS, JoinPath(folder, "h.pxd")), nullptr);
    TypeAddTexts(form, "Trop", std::string(70, 't'), "98765432101"); /* cut to 49 and 9 */
    PostCommand(Main(), IDM_DANCE);
    ASSERT_TRUE(Sync(Main()));
    ASSERT_TRUE(ClickItem(form, IDC_ADD_OK));
    MessageBoxSeen full;
    ASSERT_TRUE(ExpectMessageBox(&full));
    EXPECT_EQ(full.caption, kCaption);
    EXPECT_EQ(full.text, kFullCategory);
    ASSERT_TRUE(AnswerMessageBox(full, IDOK));
    ASSERT_TRUE(Sync(Main()));
    EXPECT_TRUE(IsWindow(form)) << "the form closed although nothing was added";
    ExpectRows(BASS, RowsOf(bassAfter), "Dance after the refused addition");
    ASSERT_TRUE(TypeCtrl(Main(), 'H'));
    ExpectRows(BASS, RowsOf(hiphopBass), "Hiphop shown");
    ASSERT_TRUE(ClickItem(form, IDC_ADD_OK));
    EXPECT_TRUE(WaitUntilGone(form));
    const std::vector<Sample> hiphopAfter =
        Join({hiphopBass, {Added("bass", JoinPath(folder, "h.pxd"), "987654321", "Trop", std::string(49, 't'))}});
    ExpectRows(BASS, RowsOf(hiphopAfter), "Hiphop after the addition");

    Quit();
    ExpectListFile("pxddance", Join({{loopEntry}, bassAfter, drum}));
    ExpectListFile("pxdrave", raveBass);
    ExpectListFile("pxdhiphp", hiphopAfter);
}

/* ---- Modifying and deleting ---------------------------------------------- */

TEST_F(Editing, ModifyingAndDeleting)
{
    std::vector<Sample> bass = MakeSamples("bass", 3, "dance");
    std::vector<Sample> synthy = MakeSamples("synthy", 5, "dance");
    const std::vector<Sample> voice = MakeSamples("voice", 1, "dance");
    std::vector<Sample> drums = MakeSamples("drum", 4, "dance");
    drums[2].duration = "12";
    const std::vector<Sample> hiphop = MakeSamples("bass", 2, "hiphop");
    ASSERT_TRUE(StartWith(Join({bass, synthy, voice, drums}), {}, hiphop));

    /* The form shows the selected entry; its four fields are written back
       in place, quotes removed and each text cut to its field. */
    HWND form = OpenModifyForm(DRUM, 2);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(TextOf(form), "Modifier un Sample Ejay");
    EXPECT_EQ(ItemText(form, IDC_MODIFY_NAME1), drums[2].name1);
    EXPECT_EQ(ItemText(form, IDC_MODIFY_NAME2), drums[2].name2);
    EXPECT_EQ(ItemText(form, IDC_MODIFY_DURATION), "12");
    EXPECT_EQ(ItemText(form, IDC_MODIFY_PATH), drums[2].path);
    EXPECT_TRUE(SaveScreenshot("modify-form"));
    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_NAME1, "Caisse \"claire\""));
    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_NAME2, std::string(80, 'n')));
    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_DURATION, "123456789012"));
    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_PATH, "D:\\" + std::string(300, 'p')));
    ASSERT_TRUE(ClickItem(form, IDC_MODIFY_OK));
    EXPECT_TRUE(WaitUntilGone(form));
    drums[2].name1 = "Caisse claire";
    drums[2].name2 = std::string(49, 'n');
    drums[2].duration = "123456789";
    drums[2].path = "D:\\" + std::string(252, 'p');
    ExpectRows(DRUM, RowsOf(drums), "after Modifier");

    /* Annuler and the close box write nothing. */
    ASSERT_NE(form = OpenModifyForm(DRUM, 0), nullptr);
    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_NAME1, "jamais"));
    ASSERT_TRUE(ClickItem(form, IDC_MODIFY_CANCEL));
    EXPECT_TRUE(WaitUntilGone(form));
    ASSERT_NE(form = OpenModifyForm(DRUM, 1), nullptr);
    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_NAME1, "jamais"));
    PostCloseBox(form);
    EXPECT_TRUE(WaitUntilGone(form));
    ExpectRows(DRUM, RowsOf(drums), "after Annuler and the close box", 1);

    /* Confirmed after a switch to Hiphop: the Dance entry changes. */
    ASSERT_NE(form = OpenModifyForm(BASS, 1), nullptr);
    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_NAME1, "Chang\xE9"));
    ASSERT_TRUE(TypeCtrl(Main(), 'H'));
    ExpectRows(BASS, RowsOf(hiphop), "Hiphop shown");
    ASSERT_TRUE(ClickItem(form, IDC_MODIFY_OK));
    EXPECT_TRUE(WaitUntilGone(form));
    ExpectRows(BASS, RowsOf(hiphop), "Hiphop after Modifier");
    PostCommand(Main(), IDM_DANCE);
    bass[1].name1 = "Chang\xE9";
    ExpectRows(BASS, RowsOf(bass), "Dance after Modifier");

    /* No selected row: Modify and Delete read and change nothing. */
    ASSERT_TRUE(SelectRow(PaneOf(BASS).list, LB_ERR));
    ASSERT_EQ(ListSelection(PaneOf(BASS).list), LB_ERR);
    Click(PaneOf(BASS).modify);
    Click(PaneOf(BASS).remove);
    ASSERT_TRUE(Sync(Main()));
    Pause(300);
    EXPECT_TRUE(DialogsWithControl(Pid(), IDC_MODIFY_PATH).empty()) << "a Modify form opened";
    MessageBoxSeen question;
    EXPECT_FALSE(FindMessageBox(Pid(), &question)) << "a question: " << Visible(question.text);
    ExpectRows(BASS, RowsOf(bass), "after Modify and Delete without a row", LB_ERR);

    /* A deletion that moves the entry of an open Modify form closes it
       without writing. */
    ASSERT_NE(form = OpenModifyForm(BASS, 2), nullptr);
    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_NAME1, "Jamais"));
    ASSERT_TRUE(AskDelete(BASS, 0, &question));
    ASSERT_TRUE(AnswerMessageBox(question, IDYES));
    EXPECT_TRUE(WaitUntilGone(form)) << "the Modify form outlived the move of its entry";
    bass.erase(bass.begin());
    ExpectRows(BASS, RowsOf(bass), "after the deletion under the form");

    /* The System dialog closes an open Modify form. */
    ASSERT_NE(form = OpenModifyForm(BASS, 0), nullptr);
    EXPECT_TRUE(SetItemText(form, IDC_MODIFY_NAME1, "Jamais"));
    PostCommand(Main(), IDM_SYSTEM);
    HWND system = WaitForDialogWithControl(Pid(), IDC_SYSTEM_EJAYDIR);
    ASSERT_NE(system, nullptr) << "no System dialog from the menu";
    EXPECT_TRUE(WaitUntilGone(form)) << "the Modify form stays beside the System dialog";
    ASSERT_TRUE(ClickItem(system, IDC_SYSTEM_CANCEL));
    EXPECT_TRUE(WaitUntilGone(system));
    ExpectRows(BASS, RowsOf(bass), "after the form was closed by the System dialog");

    /* The question; Yes removes and moves the following entries up, No
       keeps the list and selects the first row. */
    ASSERT_TRUE(AskDelete(SYNTHY, 0, &question));
    EXPECT_EQ(question.caption, kCaption);
    EXPECT_EQ(question.text, DeleteQuestion(synthy[0].name1, synthy[0].name2));
    EXPECT_TRUE(question.HasButton(IDYES));
    EXPECT_TRUE(question.HasButton(IDNO));
    EXPECT_TRUE(SaveScreenshot("delete-question"));
    ASSERT_TRUE(AnswerMessageBox(question, IDYES));
    synthy.erase(synthy.begin());
    ExpectRows(SYNTHY, RowsOf(synthy), "after Yes on row 0");
    ASSERT_TRUE(AskDelete(SYNTHY, 3, &question));
    EXPECT_EQ(question.text, DeleteQuestion(synthy[3].name1, synthy[3].name2));
    ASSERT_TRUE(AnswerMessageBox(question, IDNO));
    ExpectRows(SYNTHY, RowsOf(synthy), "after No on row 3");
    ASSERT_TRUE(AskDelete(SYNTHY, 2, &question));
    ASSERT_TRUE(AnswerMessageBox(question, IDYES));
    synthy.erase(synthy.begin() + 2);
    ExpectRows(SYNTHY, RowsOf(synthy), "after Yes on row 2");

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
    ExpectListFile("pxddance", Join({bass, synthy, drums}));
    ExpectListFile("pxdhiphp", hiphop);
}

} // namespace
} // namespace e2e

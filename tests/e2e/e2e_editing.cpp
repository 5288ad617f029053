/*
 * Editing the lists through the panes, as a user does: adding a chosen PXD
 * file with the Add form, changing an entry with the Modify form, deleting
 * one after the yes/no question, a form giving way to the System dialog,
 * and the list files the program leaves on disk once it is closed.
 */
#include "tests/e2e/scenario.h"

namespace e2e {
namespace {

class Editing : public Journey {
protected:
    /* Ajouter of the pane, the chooser answered (cancelled with an empty
       path); the Add form, when one comes. */
    HWND Add(int pane, const std::string &path)
    {
        Click(Button(pane, 0));
        HWND chooser = WaitFor(Pid(), IsFileChooser);
        EXPECT_EQ(TextOf(chooser) + "|" + TextOf(chooser, 0x470 /* cmb1, the file types */),
                  "Ajouter un Sample PXD Ejay|Sample PXD Ejay (*.pxd)");
        EXPECT_TRUE(ChooseFile(chooser, path)) << "the chooser did not take " << path;
        return path.empty() ? nullptr : WaitFor(Pid(), DialogWith(IDC_ADD_NAME1));
    }
    /* The row selected, then Modifier (kind 1) or Supprimer (kind 2): the
       Modify form or the question. */
    HWND Edit(int pane, int row, int kind)
    {
        EXPECT_EQ(Ask(List(pane), LB_SETCURSEL, row), row);
        Click(Button(pane, kind));
        return kind == 1 ? WaitFor(Pid(), DialogWith(IDC_MODIFY_PATH)) : NextMessage();
    }
    void Type(HWND form, std::initializer_list<std::pair<int, std::string>> texts)
    {
        for (const auto &text : texts)
            EXPECT_TRUE(SetText(form, text.first, text.second)) << "field " << text.first;
    }
};

TEST_F(Editing, AddModifyDeleteAndTheListsOnDisk)
{
    std::vector<Sample> bass = Samples("dance", "bass", 499), synthy = Samples("dance", "synthy", 2),
                        drum = Samples("dance", "drum", 2), hiphop = Samples("hiphop", "bass", 1);
    const std::vector<Sample> rave = Samples("rave", "bass", 1);
    ASSERT_TRUE(WriteLists(ListText(bass) + ListText(synthy) + ListText(drum), ListText(rave), ListText(hiphop)));
    /* Saved on a screen no longer there: the window opens centred. */
    ASSERT_TRUE(WriteFileBytes(WindowsSettingsPath(), SettingsText({Dir(), "", "1", "0", "0", "3000,3000"})));
    ASSERT_TRUE(Start() && OpenMainWindow());
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_EQ(Rect(main_),
              std::to_string((work.right - 460) / 2) + "," + std::to_string((work.bottom - 735) / 2) + " 460x735");

    /* Into the empty loop pane: a file not (yet) there, in a folder that is. */
    HWND form = Add(LOOP, Dir("kick.pxd"));
    Type(form, {{IDC_ADD_NAME1, "Kick sec"}, {IDC_ADD_NAME2, "Techno"}, {IDC_ADD_DURATION, "2"}});
    SaveScreenshot("add-form");
    ASSERT_TRUE(Press(form, IDC_ADD_OK));
    const Sample kick = {"", Dir("kick.pxd"), "", "loop", "2", "Kick sec", "Techno"};
    EXPECT_TRUE(Shows(LOOP, {kick}));

    /* The 500th entry, typed without extension (Wine's chooser adds it only
       for a file that exists); meanwhile another pane's chooser, cancelled,
       gives no form and leaves the open one and its pane alone. */
    ASSERT_TRUE(WriteFileBytes(Dir("snare.pxd"), "PXD"));
    form = Add(BASS, Dir("snare"));
    Type(form, {{IDC_ADD_NAME1, "Snare"}, {IDC_ADD_DURATION, "1"}});
    Add(DRUM, "");
    EXPECT_TRUE(Sync(main_) && WindowsOf(Pid(), DialogWith(IDC_ADD_NAME1)) == std::vector<HWND>{form});
    ASSERT_TRUE(Press(form, IDC_ADD_OK)) << "the form went with the other chooser";
    bass.push_back({"", Dir("snare.pxd"), "", "bass", "1", "Snare", ""});
    EXPECT_TRUE(PaneEnabled(BASS, "0111"));

    /* Opened on Rave, confirmed while Dance (its bass list full) is shown:
       told, the form stays; confirmed on Hiphop, the entry joins Hiphop. */
    ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'R'}));
    ASSERT_TRUE(Shows(BASS, rave));
    form = Add(BASS, Dir("h.pxd"));
    Type(form, {{IDC_ADD_NAME1, "Trop"}, {IDC_ADD_DURATION, "3"}});
    PostMessageW(main_, WM_COMMAND, IDM_DANCE, 0);
    Click(form, IDC_ADD_OK);
    EXPECT_EQ(Answer(IDOK), "La cat\xE9gorie est pleine : le sample n'a pas \xE9t\xE9 ajout\xE9 !");
    ASSERT_TRUE(Sync(main_) && IsWindow(form)) << "the form closed with nothing added";
    ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'H'}));
    ASSERT_TRUE(Shows(BASS, hiphop));
    ASSERT_TRUE(Press(form, IDC_ADD_OK));
    hiphop.push_back({"", Dir("h.pxd"), "", "bass", "3", "Trop", ""});
    EXPECT_TRUE(Shows(BASS, hiphop));

    /* Modifier shows the row selected; confirmed once Hiphop is shown, it
       writes back in place into Dance, quotes removed and each text cut to
       its field. */
    PostMessageW(main_, WM_COMMAND, IDM_DANCE, 0);
    ASSERT_TRUE(Shows(DRUM, drum));
    form = Edit(DRUM, 1, 1);
    Sample &old = drum[1];
    EXPECT_EQ(TextOf(form, IDC_MODIFY_NAME1) + "|" + TextOf(form, IDC_MODIFY_NAME2) + "|" +
                  TextOf(form, IDC_MODIFY_DURATION) + "|" + TextOf(form, IDC_MODIFY_PATH),
              old.name1 + "|" + old.name2 + "|" + old.duration + "|" + old.path);
    SaveScreenshot("modify-form");
    Type(form, {{IDC_MODIFY_NAME1, "Caisse \"claire\""},
                {IDC_MODIFY_NAME2, std::string(80, 'n')},
                {IDC_MODIFY_DURATION, "123456789012"},
                {IDC_MODIFY_PATH, "D:\\" + std::string(300, 'p')}});
    ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'H'}));
    ASSERT_TRUE(Shows(BASS, hiphop));
    ASSERT_TRUE(Press(form, IDC_MODIFY_OK));
    ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'D'}));
    old = {old.number,          "D:\\" + std::string(252, 'p'), old.extra, "drum", "123456789", "Caisse claire",
           std::string(49, 'n')};
    EXPECT_TRUE(Shows(DRUM, drum));

    /* Ctrl+S typed in a form: the System dialog takes its place, and the
       form writes nothing (as the files at the end tell). */
    form = Edit(DRUM, 0, 1);
    ASSERT_TRUE(SetText(form, IDC_MODIFY_NAME1, "jamais"));
    ASSERT_TRUE(TypeKeys(form, {VK_CONTROL, 'S'}));
    EXPECT_TRUE(WaitUntilGone(form));
    EXPECT_TRUE(Press(WaitFor(Pid(), DialogWith(IDC_SYSTEM_EJAYDIR)), IDC_SYSTEM_CANCEL));

    /* The question names the sample; No keeps it, Yes takes it out. The
       only entry gone, all but Ajouter lock. */
    HWND box = Edit(SYNTHY, 1, 2);
    EXPECT_EQ(MessageText(box), "Etes-vous s\xFBr de vouloir supprimer le sample \"" + synthy[1].name1 + " " +
                                    synthy[1].name2 + "\" ?" + std::string(18, ' '));
    SaveScreenshot("delete-question");
    ASSERT_TRUE(Press(box, IDNO));
    ASSERT_TRUE(Press(Edit(SYNTHY, 1, 2), IDYES));
    EXPECT_TRUE(Shows(SYNTHY, {synthy[0]}));
    ASSERT_TRUE(Press(Edit(SYNTHY, 0, 2), IDYES));
    EXPECT_TRUE(PaneEnabled(SYNTHY, "1000"));

    PostMessageW(main_, WM_COMMAND, IDM_QUIT, 0);
    EXPECT_EQ(program_.ExitCode(), 0u);
    EXPECT_EQ(Lists(Dir()),
              ListText({kick}) + ListText(bass) + ListText(drum) + "|" + ListText(rave) + "|" + ListText(hiphop));
}

} // namespace
} // namespace e2e

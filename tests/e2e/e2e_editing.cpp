/*
 * The main window as the user finds it and edits through it: records the
 * tables cannot hold told once before it shows, where it stands, the rows
 * of each style after a switch by menu or by keyboard, the buttons
 * following the entry counts, the about box; then adding a chosen PXD file
 * with the Add form, changing an entry with the Modify form, deleting one
 * after the yes/no question, and the list files the program leaves on disk
 * once it is closed.
 */
#include <regex>

#include "tests/e2e/journey.h"

namespace e2e {

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
        EXPECT_TRUE(path.empty() ? Press(chooser, IDCANCEL)
                                 : SetText(chooser, kFileNameField, path) && Press(chooser, IDOK))
            << "the chooser did not take " << path;
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

TEST_F(Editing, TheMainWindowThenAddModifyDelete)
{
    const char *keywords[] = {"loop", "bass", "synthy", "voice", "effect", "drum", "sequence", "special", "rap"};
    const char *tags[] = {"dance", "rave", "hiphop"};
    /* Every count the buttons tell apart: 0, 1, 499, 500, and 501, one more
       than a table holds. Dance has LF ends, to be rewritten. */
    const int counts[3][9] = {{8, 2, 1, 499, 0, 501, 0, 0, 2}, {1, 500, 0, 4, 1, 0, 0, 2, 0}, {0, 0, 0, 0, 0, 3, 1}};
    std::vector<Sample> panes[3][9];
    std::string lists[3];
    for (int s = 0; s < 3; ++s)
        for (int k = 0; k < 9; ++k)
            lists[s] += ListText(panes[s][k] = Samples(tags[s], keywords[k], counts[s][k]), s == 0 ? "\n" : "\r\n");
    ASSERT_TRUE(WriteLists(lists[0], lists[1], lists[2]));
    ASSERT_TRUE(WriteFileBytes(WindowsSettingsPath(), SettingsText({Dir(), "", "1", "0", "0", "-20,15"})));
    ASSERT_TRUE(Start());

    HWND box = NextMessage();
    EXPECT_NE(MessageText(box).find("\"" + Dir("pxddance") + "\" contient 1 "), std::string::npos) << MessageText(box);
    EXPECT_TRUE(WindowsOf(Pid(), OfClass(INTRO_CLASS_NAME)).empty()) << "the intro came before the message";
    ASSERT_TRUE(Press(box, IDOK));
    ASSERT_TRUE(OpenMainWindow());
    EXPECT_TRUE(WindowsOf(Pid(), IsMessageBox).empty()) << "told twice";
    EXPECT_EQ(Rect(main_), "0,15 460x735") << "a left edge off the screen comes back";

    /* The start, the menu's styles, then the same by Ctrl+R, H and D:
       {command, or key typed with Ctrl; the style then shown}. */
    const int steps[][2] = {{0, 0}, {IDM_RAVE, 1}, {IDM_HIPHOP, 2}, {IDM_DANCE, 0}, {'R', 1}, {'H', 2}, {'D', 0}};
    for (const auto &step : steps) {
        SCOPED_TRACE("after command or key " + std::to_string(step[0]));
        ASSERT_TRUE(step[0] == 0 || (step[0] > 'Z' ? PostMessageW(main_, WM_COMMAND, step[0], 0) != FALSE
                                                   : TypeKeys(main_, {VK_CONTROL, WORD(step[0])})));
        for (int pane = 0; pane < 9; ++pane)
            EXPECT_TRUE(Shows(pane, panes[step[1]][pane]));
    }

    PostMessageW(main_, WM_COMMAND, IDM_ABOUT, 0);
    /* The credit line between exactly 8 and 23 blanks, the fixed second
       line, a blank one, and a contact line with an address. */
    const std::regex about(" {8}[^ ].*2003.*[^ ] {23}\n Organiseur de samples pour Ejay Sp\xE9"
                           "ciale Edition 1\\.02\\. \n\n {18}E-mail:  [^ ]+@.*");
    const std::string told = Answer(IDOK);
    EXPECT_TRUE(std::regex_match(told, about)) << told;

    /* Into an empty pane: a file not (yet) there, in a folder that is. */
    HWND form = Add(EFFECT, Dir("kick.pxd"));
    Type(form, {{IDC_ADD_NAME1, "Kick sec"}, {IDC_ADD_NAME2, "Techno"}, {IDC_ADD_DURATION, "2"}});
    SaveScreenshot("add-form");
    ASSERT_TRUE(Press(form, IDC_ADD_OK));
    panes[0][EFFECT].push_back({"", Dir("kick.pxd"), "", "effect", "2", "Kick sec", "Techno"});
    EXPECT_TRUE(Shows(EFFECT, panes[0][EFFECT]));

    /* The 500th entry, typed without extension (Wine's chooser adds it only
       for a file that exists); meanwhile another pane's chooser, cancelled,
       gives no form and leaves the open one and its pane alone. */
    ASSERT_TRUE(WriteFileBytes(Dir("snare.pxd"), "PXD"));
    form = Add(VOICE, Dir("snare"));
    Type(form, {{IDC_ADD_NAME1, "Snare"}, {IDC_ADD_DURATION, "1"}});
    Add(LOOP, "");
    EXPECT_TRUE(Sync(main_) && WindowsOf(Pid(), DialogWith(IDC_ADD_NAME1)) == std::vector<HWND>{form});
    ASSERT_TRUE(Press(form, IDC_ADD_OK)) << "the form went with the other chooser";
    panes[0][VOICE].push_back({"", Dir("snare.pxd"), "", "voice", "1", "Snare", ""});
    EXPECT_TRUE(Shows(VOICE, panes[0][VOICE]));

    /* Opened on Rave, confirmed while Dance (its voice list full) is shown:
       told, the form stays; confirmed on Hiphop, the entry joins Hiphop. */
    ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'R'}));
    ASSERT_TRUE(Shows(VOICE, panes[1][VOICE]));
    form = Add(VOICE, Dir("h.pxd"));
    Type(form, {{IDC_ADD_NAME1, "Trop"}, {IDC_ADD_DURATION, "3"}});
    PostMessageW(main_, WM_COMMAND, IDM_DANCE, 0);
    Click(form, IDC_ADD_OK);
    EXPECT_EQ(Answer(IDOK), "La cat\xE9gorie est pleine : le sample n'a pas \xE9t\xE9 ajout\xE9 !");
    ASSERT_TRUE(Sync(main_) && IsWindow(form)) << "the form closed with nothing added";
    ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'H'}));
    ASSERT_TRUE(Shows(VOICE, {}));
    ASSERT_TRUE(Press(form, IDC_ADD_OK));
    panes[2][VOICE].push_back({"", Dir("h.pxd"), "", "voice", "3", "Trop", ""});
    EXPECT_TRUE(Shows(VOICE, panes[2][VOICE]));

    /* Modifier shows the row selected; confirmed once Hiphop is shown, it
       writes back in place into Dance, quotes removed and each text cut to
       its field. */
    PostMessageW(main_, WM_COMMAND, IDM_DANCE, 0);
    std::vector<Sample> &rap = panes[0][RAP];
    ASSERT_TRUE(Shows(RAP, rap));
    form = Edit(RAP, 1, 1);
    EXPECT_EQ(TextOf(form, IDC_MODIFY_NAME1) + "|" + TextOf(form, IDC_MODIFY_NAME2) + "|" +
                  TextOf(form, IDC_MODIFY_DURATION) + "|" + TextOf(form, IDC_MODIFY_PATH),
              rap[1].name1 + "|" + rap[1].name2 + "|" + rap[1].duration + "|" + rap[1].path);
    SaveScreenshot("modify-form");
    Type(form, {{IDC_MODIFY_NAME1, "Caisse \"claire\""},
                {IDC_MODIFY_NAME2, std::string(80, 'n')},
                {IDC_MODIFY_DURATION, "123456789012"},
                {IDC_MODIFY_PATH, "D:\\" + std::string(300, 'p')}});
    ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'H'}));
    ASSERT_TRUE(Shows(VOICE, panes[2][VOICE]));
    ASSERT_TRUE(Press(form, IDC_MODIFY_OK));
    ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'D'}));
    rap[1] = {rap[1].number,       "D:\\" + std::string(252, 'p'), rap[1].extra, "rap", "123456789", "Caisse claire",
              std::string(49, 'n')};
    EXPECT_TRUE(Shows(RAP, rap));

    /* The question names the sample; No keeps it, Yes takes it out. The
       only entry gone, all but Ajouter lock. */
    std::vector<Sample> &bass = panes[0][BASS];
    box = Edit(BASS, 1, 2);
    EXPECT_EQ(MessageText(box), "Etes-vous s\xFBr de vouloir supprimer le sample \"" + bass[1].name1 + " " +
                                    bass[1].name2 + "\" ?" + std::string(18, ' '));
    SaveScreenshot("delete-question");
    ASSERT_TRUE(Press(box, IDNO));
    ASSERT_TRUE(Press(Edit(BASS, 1, 2), IDYES));
    EXPECT_TRUE(Shows(BASS, {bass[0]}));
    ASSERT_TRUE(Press(Edit(BASS, 0, 2), IDYES));
    bass.clear();
    EXPECT_TRUE(Shows(BASS, bass));

    ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'Q'}));
    EXPECT_EQ(program_.ExitCode(), 0u);
    /* Rewritten in CR LF, but for the 501st drum, kept as it stood. */
    std::string written[3];
    for (int s = 0; s < 3; ++s)
        for (const std::vector<Sample> &pane : panes[s])
            for (const Sample &sample : pane)
                written[s] += ListText({sample}, sample.number == "501" ? "\n" : "\r\n");
    EXPECT_EQ(Lists(Dir()), written[0] + "|" + written[1] + "|" + written[2]);
}

} // namespace e2e

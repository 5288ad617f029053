/*
 * The main window as the user finds it and edits through it: records the
 * tables cannot hold told once before it shows, where it stands, the rows
 * of each style after a switch by menu or by keyboard, the buttons
 * following the entry counts, the about box; then adding a chosen PXD file
 * with the Add form, changing an entry with the Modify form, deleting one
 * after the yes/no question, and the list files the program leaves on disk
 * once it is closed. A second start is worked with the keyboard alone (the
 * focus, adding, modifying, deleting, finding), then a missing sample is
 * seen and relinked, files are dropped on a pane, and every edit of that
 * session is undone, so that the lists it leaves are those it found.
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

    /* ---- The second start ---- */

    /* The first name line of each row, as the row shows it, and whether its
       sample file is marked missing (LB_GETITEMDATA 1): "Voix 1 0|...". */
    std::string Rows(int pane)
    {
        std::string rows;
        for (LRESULT row = 0, count = Ask(List(pane), LB_GETCOUNT); row < count; ++row) {
            const std::string text = Read(List(pane), LB_GETTEXT, row);
            const std::size_t open = text.find('[') + 1;
            rows += (row ? "|" : "") + text.substr(open, text.find(']') - open) + " " +
                    std::to_string(Ask(List(pane), LB_GETITEMDATA, row));
        }
        return rows;
    }
    ::testing::AssertionResult SoonRows(int pane, const std::string &expected)
    {
        std::string seen;
        const bool same = WaitUntil([&] { return (seen = Rows(pane)) == expected; }, 5000);
        return ::testing::AssertionResult(same) << "pane " << pane << " shows " << seen << ", not " << expected;
    }
    ::testing::AssertionResult SoonFocused(HWND window, HWND control)
    {
        const bool there = WaitUntil([&] { return Focused(window) == control; }, 5000);
        return ::testing::AssertionResult(there) << "the focus is on " << Focused(window) << ", not " << control;
    }
    /* A form that comes, the focus in its first text field, all selected. */
    HWND FormWithFocusOn(int field)
    {
        HWND form = WaitFor(Pid(), DialogWith(field));
        EXPECT_TRUE(form && SoonFocused(form, GetDlgItem(form, field)));
        const LRESULT selection = Ask(GetDlgItem(form, field), EM_GETSEL);
        EXPECT_EQ(HIWORD(selection) - LOWORD(selection), int(TextOf(form, field).size())) << "all selected";
        return form;
    }
    /* Keys pressed one after the other in window. */
    void Keys(HWND window, std::initializer_list<WORD> keys)
    {
        for (WORD key : keys)
            EXPECT_TRUE(TypeKeys(window, {key})) << key;
    }
    void ChooseWithKeys(const std::string &typed)
    {
        HWND chooser = WaitFor(Pid(), IsFileChooser);
        ASSERT_TRUE(chooser && TypeText(chooser, typed) && TypeKeys(chooser, {VK_RETURN}));
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(chooser); })) << typed;
    }
    /* Enter pressed in a form closes it. */
    void Confirm(HWND form)
    {
        ASSERT_TRUE(TypeKeys(form, {VK_RETURN}));
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(form); }));
    }
    POINT MiddleOf(HWND window)
    {
        RECT area = {};
        GetWindowRect(window, &area);
        return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    }

    void MovesTheFocusWithTheKeyboard();
    void AddsWithTheKeyboard(const std::string &name49);
    void ModifiesWithTheKeyboard(const std::string &name49);
    void DeletesWithTheKeyboard();
    void FindsAndDeletesInAnotherStyle();
    void RelinksTheMissingSample();
    void DropsThreeFiles();
    void UndoesEveryEditInTurn(const std::string &name49);
};

TEST_F(Editing, TheMainWindowThenAddModifyDeleteThenKeysFindRelinkDropUndo)
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

    /* The second start, on files of the Ejay folder: all there but the
       second voice's. */
    for (const char *name : {"loop1", "loop2", "voix1", "voix3", "new", "kick", "\xE9t\xE9", "rave"})
        ASSERT_TRUE(WriteFileBytes(Dir(std::string(name) + ".pxd"), "PXD")) << name;
    const auto sample = [&](const char *file, const char *keyword, const char *name1, const char *name2) {
        return Sample{"7", Dir(file), "", keyword, "4", name1, name2};
    };
    const std::string dance =
        ListText({sample("loop1.pxd", "loop", "Boucle 1", "a"), sample("loop2.pxd", "loop", "Boucle 2", "b"),
                  sample("voix1.pxd", "voice", "Voix 1", "c"), sample("voix2.pxd", "voice", "Voix 2", "d")});
    const std::string rave = ListText({sample("rave.pxd", "bass", "Voix",
                                              "\xE9th\xE9r\xE9"
                                              "e")});
    ASSERT_TRUE(WriteLists(dance, rave, ""));
    ASSERT_TRUE(Start() && OpenMainWindow());
    EXPECT_TRUE(SoonRows(VOICE, "Voix 1 0|Voix 2 1")) << "the missing sample marked";
    SaveScreenshot("missing-row");
    const std::string name49 = "Quarante-neuf caract\xE8res tout juste, et pas plus.";
    MovesTheFocusWithTheKeyboard();
    AddsWithTheKeyboard(name49);
    ModifiesWithTheKeyboard(name49);
    DeletesWithTheKeyboard();
    FindsAndDeletesInAnotherStyle();
    RelinksTheMissingSample();
    DropsThreeFiles();
    UndoesEveryEditInTurn(name49);
    ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'Q'}));
    EXPECT_EQ(program_.ExitCode(), 0u);
    EXPECT_EQ(Lists(Dir()), dance + "|" + rave + "|") << "every edit undone";
}

/* In pane order, past what is disabled (the empty bass and synthy lists):
   {keys, the control then focused}. Alt, released, then M still opens the
   Musique menu. */
void Editing::MovesTheFocusWithTheKeyboard()
{
    const struct {
        std::vector<WORD> keys;
        HWND focused;
    } moves[] = {{{}, List(LOOP)},       {{VK_TAB}, Button(LOOP, 0)},     {{VK_SHIFT, VK_TAB}, List(LOOP)},
                 {{VK_F6}, List(VOICE)}, {{VK_SHIFT, VK_F6}, List(LOOP)}, {{VK_F6}, List(VOICE)}};
    for (const auto &move : moves)
        EXPECT_TRUE((move.keys.empty() || TypeKeys(main_, move.keys)) && SoonFocused(main_, move.focused))
            << "after key " << (move.keys.empty() ? 0 : move.keys.back());
    Keys(main_, {VK_MENU, 'M'});
    EXPECT_TRUE(WaitFor(Pid(), OfClass("#32768"))) << "no menu";
    Keys(main_, {VK_ESCAPE, VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([&] { return WindowsOf(Pid(), OfClass("#32768")).empty(); }));
}

/* Inser, the chooser, then the form: Tab between the fields, Enter adds.
   The 50th character typed is refused; "27" is taken whole. */
void Editing::AddsWithTheKeyboard(const std::string &name49)
{
    ASSERT_TRUE(TypeKeys(main_, {VK_INSERT}));
    ChooseWithKeys(Dir("new.pxd"));
    HWND form = FormWithFocusOn(IDC_ADD_NAME1);
    ASSERT_TRUE(TypeText(form, name49 + "!") && TypeKeys(form, {VK_TAB}) && TypeText(form, "deux") &&
                TypeKeys(form, {VK_TAB}) && TypeText(form, "27"));
    Confirm(form);
    EXPECT_TRUE(SoonRows(VOICE, "Voix 1 0|Voix 2 1|" + name49 + " 0"));
}

/* Alt+M, the pane's Modifier: the new entry shows what was typed; its
   first line is typed over. */
void Editing::ModifiesWithTheKeyboard(const std::string &name49)
{
    Keys(main_, {VK_END});
    ASSERT_TRUE(TypeKeys(main_, {VK_MENU, 'M'}));
    HWND form = FormWithFocusOn(IDC_MODIFY_NAME1);
    EXPECT_EQ(TextOf(form, IDC_MODIFY_NAME1) + "|" + TextOf(form, IDC_MODIFY_NAME2) + "|" +
                  TextOf(form, IDC_MODIFY_DURATION) + "|" + TextOf(form, IDC_MODIFY_PATH),
              name49 + "|deux|27|" + Dir("new.pxd"));
    ASSERT_TRUE(TypeText(form, "Nouveau nom"));
    Confirm(form);
    EXPECT_TRUE(SoonRows(VOICE, "Voix 1 0|Voix 2 1|Nouveau nom 0"));
}

/* Suppr asks; Enter answers its first button, Oui. */
void Editing::DeletesWithTheKeyboard()
{
    ASSERT_TRUE(TypeKeys(main_, {VK_SHIFT, VK_F6}) && SoonFocused(main_, List(LOOP)));
    Keys(main_, {VK_DELETE});
    HWND box = NextMessage();
    EXPECT_NE(MessageText(box).find("\"Boucle 1 a\""), std::string::npos) << MessageText(box);
    ASSERT_TRUE(box && TypeKeys(box, {VK_RETURN}));
    EXPECT_TRUE(SoonRows(LOOP, "Boucle 2 0"));
}

/* Ctrl+F, the text, Enter; Tab to the result, Enter: Rave is shown, its
   row selected and focused, the form still there; deleted there from the
   list's context menu (Shift+F10, then S). */
void Editing::FindsAndDeletesInAnotherStyle()
{
    ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'F'}));
    HWND find = FormWithFocusOn(IDC_FIND_TEXT);
    ASSERT_TRUE(TypeText(find, "etheree") && TypeKeys(find, {VK_RETURN}));
    EXPECT_TRUE(WaitUntil([&] {
        return Read(GetDlgItem(find, IDC_FIND_RESULTS), LB_GETTEXT, 0) == "Rave, bass, rang 1 : Voix \xE9th\xE9r\xE9"
                                                                          "e";
    }));
    EXPECT_EQ(TextOf(find, IDC_FIND_COUNT), "1 entr\xE9"
                                            "e(s) trouv\xE9"
                                            "e(s)");
    SaveScreenshot("find-form");
    Keys(find, {VK_TAB, VK_RETURN});
    EXPECT_TRUE(SoonRows(BASS, "Voix 0") && SoonFocused(main_, List(BASS)));
    EXPECT_TRUE(IsWindowVisible(find)) << "the form stays";
    ASSERT_TRUE(TypeKeys(main_, {VK_SHIFT, VK_F10}) && WaitFor(Pid(), OfClass("#32768")));
    Keys(main_, {'S'});
    HWND box = NextMessage();
    ASSERT_TRUE(box && TypeKeys(box, {VK_RETURN}));
    EXPECT_TRUE(SoonRows(BASS, ""));
    Keys(find, {VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(find); }));
    ASSERT_TRUE(TypeKeys(main_, {VK_CONTROL, 'D'}) && SoonRows(VOICE, "Voix 1 0|Voix 2 1|Nouveau nom 0"));
}

/* A double-click opens the Modify form, Esc closes it. Its "..." opens in
   the old file's folder: a bare name typed there is a file of that folder.
   The row is no longer marked. */
void Editing::RelinksTheMissingSample()
{
    PostMessageW(List(VOICE), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    HWND form = WaitFor(Pid(), DialogWith(IDC_MODIFY_NAME1));
    ASSERT_TRUE(form && TypeKeys(form, {VK_ESCAPE}));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(form); }));
    ASSERT_TRUE(TypeKeys(main_, {VK_F6}) && SoonFocused(main_, List(VOICE)));
    Keys(main_, {VK_HOME, VK_DOWN, VK_RETURN});
    form = FormWithFocusOn(IDC_MODIFY_NAME1);
    Click(form, IDC_MODIFY_BROWSE);
    ChooseWithKeys("voix3.pxd");
    EXPECT_TRUE(WaitUntil([&] { return TextOf(form, IDC_MODIFY_PATH) == Dir("voix3.pxd"); }))
        << TextOf(form, IDC_MODIFY_PATH);
    Confirm(form);
    EXPECT_TRUE(SoonRows(VOICE, "Voix 1 0|Voix 2 0|Nouveau nom 0"));
}

/* One file listed already, one new, one with an accented name. */
void Editing::DropsThreeFiles()
{
    FileDrag drag({Dir("voix1.pxd"), Dir("\xE9t\xE9.pxd"), Dir("kick.pxd")});
    ASSERT_TRUE(drag.DropAt(MiddleOf(List(VOICE))));
    EXPECT_EQ(Answer(IDOK), "2 fichier(s) ajout\xE9(s) \xE0 Dance, voice ; 1 d\xE9j\xE0 list\xE9(s) ; 0 refus\xE9(s).");
    EXPECT_TRUE(SoonRows(VOICE, "Voix 1 0|Voix 2 0|Nouveau nom 0|\xE9t\xE9 0|kick 0"));
}

/* Newest first, each shown where it was made: {pane, its rows then}. */
void Editing::UndoesEveryEditInTurn(const std::string &name49)
{
    const struct {
        const char *edit;
        int pane;
        std::string rows;
    } undone[] = {{"the drop", VOICE, "Voix 1 0|Voix 2 0|Nouveau nom 0"},
                  {"the relink", VOICE, "Voix 1 0|Voix 2 1|Nouveau nom 0"},
                  {"the deletion in Rave", BASS, "Voix 0"},
                  {"the deletion", LOOP, "Boucle 1 0|Boucle 2 0"},
                  {"the modification", VOICE, "Voix 1 0|Voix 2 1|" + name49 + " 0"},
                  {"the addition", VOICE, "Voix 1 0|Voix 2 1"}};
    for (const auto &step : undone)
        EXPECT_TRUE(TypeKeys(main_, {VK_CONTROL, 'Z'}) && SoonRows(step.pane, step.rows)) << step.edit;
}

} // namespace e2e

/*
 * What the journeys share: Ejay's list files and Pelmora's settings file
 * written by the test, a fresh Ejay folder C:\pelmora-e2e\<test> with no
 * settings file in either place, the program started from there, and its
 * main window read pane by pane.
 *
 * A journey ends the program itself; when a check fails first, the
 * fixture's end ends it, so the next journey starts on an empty desktop.
 */
#ifndef PELMORA_E2E_SCENARIO_H
#define PELMORA_E2E_SCENARIO_H

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/e2e/driver.h"

namespace e2e {

namespace fs = std::filesystem;

enum Pane { LOOP, BASS, SYNTHY, VOICE, EFFECT, DRUM, SEQUENCE, SPECIAL, RAP };

/* One record of a list file: seven quoted lines. */
struct Sample {
    std::string number, path, extra, keyword, duration, name1, name2;
};

/* Named "<tag> <keyword> <n>.": no name is part of another, so a row is
   known by the name it shows (how a row is laid out is the native tests'
   business). */
inline std::vector<Sample> Samples(const std::string &tag, const std::string &keyword, int count)
{
    std::vector<Sample> samples;
    for (int n = 1; n <= count; ++n) {
        const std::string i = std::to_string(n);
        samples.push_back({i, "C:\\Ejay\\" + tag + "\\" + keyword + i + ".pxd", "x", keyword, std::to_string(n % 9 + 1),
                           tag + " " + keyword + " " + i + ".", "ligne"});
    }
    return samples;
}

inline std::string ListText(const std::vector<Sample> &samples, const char *eol = "\r\n")
{
    std::string text;
    for (const Sample &s : samples)
        for (const std::string *line : {&s.number, &s.path, &s.extra, &s.keyword, &s.duration, &s.name1, &s.name2})
            text += "\"" + *line + "\"" + eol;
    return text;
}

inline std::string MissingText(const std::string &path)
{
    return "Le fichier \"" + path + "\" est introuvable !" + std::string(12, ' ');
}

struct Settings {
    std::string ejayDir, progEjay, autosave = "1", backup = "0", runEjay = "0", position = "100,20";
};

/* As the program writes it. */
inline std::string SettingsText(const Settings &s)
{
    return "[SYSTEM]\r\nejayDir=" + s.ejayDir + "\r\nprogEjay=" + s.progEjay + "\r\nautosave=" + s.autosave +
           "\r\nbackup=" + s.backup + "\r\nrunEjay=" + s.runEjay + "\r\n\r\n[WINDOW]\r\nposition=" + s.position +
           "\r\n\r\n";
}

inline std::string WindowsSettingsPath() { return std::string(std::getenv("windir")) + "\\Pelmora.ini"; }
inline std::string UserSettingsPath() { return std::string(std::getenv("APPDATA")) + "\\Pelmora\\Pelmora.ini"; }

/* "x,y wxh" */
inline std::string Rect(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
           std::to_string(r.bottom - r.top);
}

/* The three lists of a folder (or their backups), between bars. */
inline std::string Lists(const std::string &folder, const std::string &suffix = "")
{
    return ReadFileBytes(folder + "\\pxddance" + suffix) + "|" + ReadFileBytes(folder + "\\pxdrave" + suffix) + "|" +
           ReadFileBytes(folder + "\\pxdhiphp" + suffix);
}

class Journey : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = std::string("C:\\pelmora-e2e\\") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove(WindowsSettingsPath());
        fs::remove(UserSettingsPath());
        fs::remove_all(dir_);
        ASSERT_TRUE(fs::create_directories(dir_)) << dir_;
    }
    /* The Ejay folder of this journey, or a file in it. */
    std::string Dir(const std::string &name = "") const { return name.empty() ? dir_ : dir_ + "\\" + name; }
    bool WriteLists(const std::string &dance, const std::string &rave, const std::string &hiphop)
    {
        return WriteFileBytes(Dir("pxddance"), dance) && WriteFileBytes(Dir("pxdrave"), rave) &&
               WriteFileBytes(Dir("pxdhiphp"), hiphop);
    }
    /* Found beside the test program, where every program of the tree lands. */
    bool Start() { return program_.Start("Pelmora.exe", dir_.c_str()); }
    DWORD Pid() const { return program_.info.dwProcessId; }

    /* Once its last button is made. */
    bool OpenMainWindow()
    {
        main_ = WaitFor(
            Pid(), [](HWND w) { return OfClass(MAIN_CLASS_NAME)(w) && GetDlgItem(w, IDC_PANE_LAST); }, 25000);
        EXPECT_NE(main_, nullptr) << "no main window";
        return main_ != nullptr;
    }
    /* kind 0 Ajouter, 1 Modifier, 2 Supprimer */
    HWND Button(int pane, int kind) const { return GetDlgItem(main_, IDC_PANE_FIRST + 3 * pane + kind); }
    /* Made just before the pane's buttons. */
    HWND List(int pane) const { return GetWindow(Button(pane, 0), GW_HWNDPREV); }

    /* Null (and a failure) when none comes. */
    HWND NextMessage()
    {
        HWND box = WaitFor(Pid(), IsMessageBox);
        EXPECT_NE(box, nullptr) << "no message box";
        return box;
    }
    static std::string MessageText(HWND box) { return TextOf(box, kMessageText); }
    /* The next message's text, once answered with that button. */
    std::string Answer(int button)
    {
        HWND box = NextMessage();
        const std::string text = MessageText(box);
        EXPECT_TRUE(box && Press(box, button)) << text;
        return text;
    }

    /* Soon the pane shows these samples (a table holds the first 500, the
       rest is kept aside unseen), the first row selected; Ajouter enabled
       while there is room, Modifier, Supprimer and the list while there are
       entries (a timer sets them). A row is known by the name it shows. */
    ::testing::AssertionResult Shows(int pane, std::vector<Sample> samples)
    {
        samples.resize(std::min<std::size_t>(samples.size(), 500));
        std::string seen, expected = samples.size() < 500 ? "1" : "0";
        expected += samples.empty() ? "000 -1" : "111 0";
        for (const Sample &sample : samples)
            expected += "\n" + sample.name1;
        const bool same = WaitUntil(
            [&] {
                seen.clear();
                for (HWND control : {Button(pane, 0), Button(pane, 1), Button(pane, 2), List(pane)})
                    seen += IsWindowEnabled(control) ? "1" : "0";
                seen += " " + std::to_string(Ask(List(pane), LB_GETCURSEL));
                for (LRESULT row = 0, count = Ask(List(pane), LB_GETCOUNT); row < count; ++row) {
                    const std::string text = Read(List(pane), LB_GETTEXT, row);
                    const std::string &name = std::size_t(row) < samples.size() ? samples[row].name1 : text;
                    seen += "\n" + (text.find(name) != std::string::npos ? name : text);
                }
                return seen == expected;
            },
            5000);
        return ::testing::AssertionResult(same) << "pane " << pane << " shows\n" << seen << "\nnot\n" << expected;
    }

    Program program_;
    HWND main_ = nullptr;

private:
    std::string dir_;
};

} // namespace e2e

#endif

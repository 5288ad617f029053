/*
 * What every end-to-end scenario shares: a known starting state (no
 * settings file in either place, a fresh Ejay folder C:\pelmora-e2e\<test>),
 * Ejay's list files and Pelmora's settings file written by the test, the
 * program started from there, and its main window read pane by pane.
 *
 * A scenario ends the program itself; when a check fails first, TearDown
 * kills it, so the next scenario starts on an empty desktop.
 */
#ifndef PELMORA_E2E_SCENARIO_H
#define PELMORA_E2E_SCENARIO_H

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"

namespace e2e {

constexpr const char *kCaption = "Pelmora Version 2.20";
constexpr const char *kMainClass = "PELMOC";
constexpr const char *kIntroClass = "PELMOINTROC";
constexpr int kPaneCount = 9;

/* ---- Ejay's sample lists ------------------------------------------------ */

/* One record of a list file; keyword is what line 4 holds. */
struct Sample {
    std::string number;
    std::string path;
    std::string extra;
    std::string keyword;
    std::string duration;
    std::string name1;
    std::string name2;
};

extern const std::array<const char *, kPaneCount> kKeywords; /* loop .. rap */

/* count samples of one keyword, told apart by tag and their index
   ("<tag> 3" ...). */
std::vector<Sample> MakeSamples(const std::string &keyword, int count, const std::string &tag);
/* Seven quoted lines per sample, each ended by eol, in the given order. */
std::string ListFileText(const std::vector<Sample> &samples, const char *eol = "\r\n");
/* The row a list box shows for a sample, written out from the program's
   documented row format, not taken from its code. */
std::string RowText(const Sample &sample);
/* The rows of the samples (of one keyword only when given), in file order. */
std::vector<std::string> RowsOf(const std::vector<Sample> &samples, const char *keyword = nullptr);

/* The message naming a list file that is not there. */
std::string MissingFileText(const std::string &path);

/* ---- Pelmora's settings file -------------------------------------------- */

struct Settings {
    std::string ejayDir;
    std::string progEjay;
    std::string autosave = "1";
    std::string backup = "0";
    std::string runEjay = "0";
    std::string position = "100,20";
};

/* The file as the program writes it: two classes, six members, CR LF. */
std::string SettingsFileText(const Settings &settings);

/* ---- The main window ---------------------------------------------------- */

struct Pane {
    HWND label = nullptr;
    HWND list = nullptr;
    HWND add = nullptr;
    HWND modify = nullptr;
    HWND remove = nullptr;
};

struct MainWindowView {
    HWND window = nullptr;
    std::array<Pane, kPaneCount> panes;
};

/* ---- The fixture -------------------------------------------------------- */

class PelmoraScenario : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    /* C:\pelmora-e2e\<suite>_<test>: the Ejay folder of this scenario. */
    const std::string &EjayDir() const { return ejayDir_; }
    std::string EjayFile(const std::string &name) const { return JoinPath(ejayDir_, name); }

    /* Writes pxddance, pxdrave and pxdhiphp into the Ejay folder. */
    void WriteLists(const std::vector<Sample> &dance, const std::vector<Sample> &rave,
                    const std::vector<Sample> &hiphop);
    /* Writes the settings file into the Windows directory, and settings
       whose ejayDir is empty name this scenario's Ejay folder. */
    Settings WriteSettings(Settings settings);
    /* Copies fake_ejay.exe into folder as Ejay.exe; returns its path. */
    static std::string InstallFakeEjay(const std::string &folder);
    /* Times the stand-in Ejay in folder ran, once a start had time to show
       (and a second one time to follow). */
    static int EjayRuns(const std::string &folder, int settleMs);

    /* Starts Pelmora.exe in the Ejay folder (again, once it ended);
       ADD_FAILURE and false when it cannot be started. */
    bool StartPelmora();
    DWORD Pid() const { return program_.Pid(); }
    Program &TheProgram() { return program_; }

    /* Waits for the main window and its nine panes; fails the scenario
       and answers false when they do not come. */
    bool WaitForMainWindow(MainWindowView *view, int timeoutMs = 25000);
    /* The next message box; fails the scenario when none comes. */
    bool ExpectMessageBox(MessageBoxSeen *box, int timeoutMs = kWindowTimeoutMs);
    /* Waits for the end and checks exit code 0. */
    void ExpectExitWithCodeZero(int timeoutMs = kExitTimeoutMs);

    /* Rows of all nine panes. */
    static std::array<std::vector<std::string>, kPaneCount> AllRows(const MainWindowView &view);

private:
    std::string ejayDir_;
    Program program_;
};

} // namespace e2e

#endif

#include "tests/e2e/scenario.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "resources/resource.h"

namespace e2e {

const std::array<const char *, kPaneCount> kKeywords = {
    "loop", "bass", "synthy", "voice", "effect", "drum", "sequence", "special", "rap"};

namespace {

const char *kScenarioRoot = "C:\\pelmora-e2e";

std::string ScenarioFolderName()
{
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "_" + test->name();
    for (char &c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

std::string Quoted(const std::string &value, const char *eol)
{
    return "\"" + value + "\"" + eol;
}

} // namespace

/* ---- Ejay's sample lists ------------------------------------------------ */

std::vector<Sample> MakeSamples(const std::string &keyword, int count, const std::string &tag)
{
    std::vector<Sample> samples;
    for (int i = 1; i <= count; ++i) {
        std::string index = std::to_string(i);
        samples.push_back({index, "C:\\Ejay\\" + tag + "\\" + keyword + index + ".pxd", "x" + index,
                           keyword, std::to_string(i % 9 + 1), tag + " " + keyword + " " + index,
                           "ligne " + index});
    }
    return samples;
}

std::string ListFileText(const std::vector<Sample> &samples, const char *eol)
{
    std::string text;
    for (const Sample &sample : samples)
        text += Quoted(sample.number, eol) + Quoted(sample.path, eol) + Quoted(sample.extra, eol) +
                Quoted(sample.keyword, eol) + Quoted(sample.duration, eol) +
                Quoted(sample.name1, eol) + Quoted(sample.name2, eol);
    return text;
}

std::string RowText(const Sample &sample)
{
    return "<n\xB0" + sample.number + "> - [" + sample.name1 + "] - [" + sample.name2 +
           "] - [adresse: " + sample.path + "]";
}

std::vector<std::string> RowsOf(const std::vector<Sample> &samples, const char *keyword)
{
    std::vector<std::string> rows;
    for (const Sample &sample : samples)
        if (keyword == nullptr || sample.keyword == keyword)
            rows.push_back(RowText(sample));
    return rows;
}

std::string MissingFileText(const std::string &path)
{
    return "Le fichier \"" + path + "\" est introuvable !" + std::string(12, ' ');
}

/* ---- Pelmora's settings file -------------------------------------------- */

std::string SettingsFileText(const Settings &settings)
{
    return "[SYSTEM]\r\n"
           "ejayDir=" + settings.ejayDir + "\r\n"
           "progEjay=" + settings.progEjay + "\r\n"
           "autosave=" + settings.autosave + "\r\n"
           "backup=" + settings.backup + "\r\n"
           "runEjay=" + settings.runEjay + "\r\n"
           "\r\n"
           "[WINDOW]\r\n"
           "position=" + settings.position + "\r\n"
           "\r\n";
}

/* ---- The main window ---------------------------------------------------- */

namespace {

/* Fills view from the main window's children: labels and lists by their
   place from top to bottom, buttons by identifier. */
bool ReadPanes(HWND mainWindow, MainWindowView *view, std::string *why)
{
    view->window = mainWindow;
    std::vector<HWND> labels = ChildWindows(mainWindow, "Static");
    std::vector<HWND> lists = ChildWindows(mainWindow, "ListBox");
    if (labels.size() != kPaneCount || lists.size() != kPaneCount) {
        *why = "the main window has " + std::to_string(labels.size()) + " labels and " +
               std::to_string(lists.size()) + " list boxes, expected 9 of each";
        return false;
    }
    for (int k = 0; k < kPaneCount; ++k) {
        Pane &pane = view->panes[static_cast<std::size_t>(k)];
        pane.label = labels[static_cast<std::size_t>(k)];
        pane.list = lists[static_cast<std::size_t>(k)];
        pane.add = GetDlgItem(mainWindow, IDC_PANE_FIRST + 3 * k);
        pane.modify = GetDlgItem(mainWindow, IDC_PANE_FIRST + 3 * k + 1);
        pane.remove = GetDlgItem(mainWindow, IDC_PANE_FIRST + 3 * k + 2);
        if (!pane.add || !pane.modify || !pane.remove) {
            *why = "pane " + std::to_string(k) + " lacks one of its buttons " +
                   std::to_string(IDC_PANE_FIRST + 3 * k) + ".." +
                   std::to_string(IDC_PANE_FIRST + 3 * k + 2);
            return false;
        }
    }
    return true;
}

} // namespace

/* ---- The fixture -------------------------------------------------------- */

void PelmoraScenario::SetUp()
{
    /* Without an X display Wine makes no window at all, and every wait
       would only time out. */
    const char *display = std::getenv("DISPLAY");
    ASSERT_TRUE(display != nullptr && display[0] != '\0')
        << "no X display: start Xvfb (scripts/wine-env.sh: pelmora_xvfb) before the end-to-end tests";
    ejayDir_ = JoinPath(kScenarioRoot, ScenarioFolderName());
    ASSERT_TRUE(DeleteTree(WindowsSettingsPath())) << WindowsSettingsPath();
    ASSERT_TRUE(DeleteTree(UserSettingsPath())) << UserSettingsPath();
    ASSERT_TRUE(DeleteTree(ejayDir_)) << "cannot empty " << ejayDir_;
    ASSERT_TRUE(MakeFolders(ejayDir_)) << "cannot make " << ejayDir_;
}

void PelmoraScenario::TearDown()
{
    if (program_.Running()) {
        ADD_FAILURE() << "the scenario left Pelmora running; it is ended now";
        program_.Kill();
    }
}

void PelmoraScenario::WriteLists(const std::vector<Sample> &dance, const std::vector<Sample> &rave,
                                 const std::vector<Sample> &hiphop)
{
    ASSERT_TRUE(WriteFileBytes(EjayFile("pxddance"), ListFileText(dance)));
    ASSERT_TRUE(WriteFileBytes(EjayFile("pxdrave"), ListFileText(rave)));
    ASSERT_TRUE(WriteFileBytes(EjayFile("pxdhiphp"), ListFileText(hiphop)));
}

Settings PelmoraScenario::WriteSettings(Settings settings)
{
    if (settings.ejayDir.empty())
        settings.ejayDir = ejayDir_;
    EXPECT_TRUE(WriteFileBytes(WindowsSettingsPath(), SettingsFileText(settings)))
        << WindowsSettingsPath();
    return settings;
}

std::string PelmoraScenario::InstallFakeEjay(const std::string &folder)
{
    std::string target = JoinPath(folder, "Ejay.exe");
    const std::string fake = BesideTestProgram("fake_ejay.exe");
    EXPECT_TRUE(CopyFileA(fake.c_str(), target.c_str(), FALSE)) << "cannot copy " << fake;
    return target;
}

int PelmoraScenario::EjayRuns(const std::string &folder, int settleMs)
{
    const std::string marker = JoinPath(folder, "ejay-ran.txt");
    WaitUntil([&] { return FileExists(marker); }, settleMs);
    Pause(1000);
    std::string text = ReadFileBytes(marker);
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

bool PelmoraScenario::StartPelmora()
{
    std::string error;
    if (!program_.Start(BesideTestProgram("Pelmora.exe"), ejayDir_, &error)) {
        ADD_FAILURE() << error;
        return false;
    }
    return true;
}

bool PelmoraScenario::WaitForMainWindow(MainWindowView *view, int timeoutMs)
{
    HWND window = WaitForTopLevelWindow(Pid(), kMainClass, timeoutMs);
    if (window == nullptr) {
        ADD_FAILURE() << "no main window (class " << kMainClass << ") within " << timeoutMs
                      << " ms; seen instead: " << DescribeTopLevelWindows(Pid());
        return false;
    }
    std::string why;
    bool complete = WaitUntil([&] { return ReadPanes(window, view, &why); }) && Sync(window);
    if (!complete)
        ADD_FAILURE() << "main window incomplete: " << why;
    return complete;
}

bool PelmoraScenario::ExpectMessageBox(MessageBoxSeen *box, int timeoutMs)
{
    if (WaitForMessageBox(Pid(), box, timeoutMs))
        return true;
    ADD_FAILURE() << "no message box within " << timeoutMs
                  << " ms; seen instead: " << DescribeTopLevelWindows(Pid());
    return false;
}

void PelmoraScenario::ExpectExitWithCodeZero(int timeoutMs)
{
    DWORD code = 0;
    ASSERT_TRUE(program_.WaitForExit(timeoutMs, &code))
        << "Pelmora still runs " << timeoutMs << " ms after it was told to end";
    EXPECT_EQ(code, 0u) << "exit code";
}

std::array<std::vector<std::string>, kPaneCount> PelmoraScenario::AllRows(const MainWindowView &view)
{
    std::array<std::vector<std::string>, kPaneCount> rows;
    for (std::size_t k = 0; k < kPaneCount; ++k)
        rows[k] = ListRows(view.panes[k].list);
    return rows;
}

} // namespace e2e

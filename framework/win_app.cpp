#include "win_app.h"

#include <commctrl.h>

#include <cstdlib>

#include "doc_template.h"
#include "frame_wnd.h"
#include "framework_ids.h"
#include "framework_texts.h"

namespace fw {

namespace {

CWinApp* theApp = nullptr;

constexpr char kRecentFileSection[] = "Recent File List";
constexpr int kMostRecentFiles = 16;

std::string ProfileFileName() { return ApplicationTitle() + ".INI"; }

std::string RecentFileKey(int index) { return "File" + std::to_string(index + 1); }

int StartupShowCommand() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWDEFAULT;
}

std::string ModulePath() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return length == 0 || length >= sizeof path ? std::string() : std::string(path, length);
}

}  // namespace

CWinApp::CWinApp() : cmdShow_(StartupShowCommand()) { theApp = this; }

CWinApp::~CWinApp() = default;

CWinApp* TheApp() { return theApp; }

HWND MainWindow() {
    CWinApp* app = TheApp();
    return app != nullptr && app->MainFrame() != nullptr ? app->MainFrame()->Handle() : nullptr;
}

int CWinApp::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (mainFrame_ != nullptr && mainFrame_->Exists() && mainFrame_->PreTranslateMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    if (message.message == WM_QUIT) exitCode_ = static_cast<int>(message.wParam);
    return ExitInstance();
}

int CWinApp::ExitInstance() {
    if (recentFileCount_ > 0 && !recentFiles_.empty()) {
        std::string profile = ProfileFileName();
        for (std::size_t i = 0; i < recentFiles_.size(); ++i)
            WritePrivateProfileStringA(kRecentFileSection, RecentFileKey(static_cast<int>(i)).c_str(),
                                       recentFiles_[i].c_str(), profile.c_str());
    }
    return exitCode_;
}

bool CWinApp::OnCmdMsg(UINT id, CCmdUI* state) {
    if (id == ID_APP_EXIT) {
        if (state == nullptr && MainWindow() != nullptr) PostMessageA(MainWindow(), WM_CLOSE, 0, 0);
        return true;
    }
    if (id < ID_FILE_MRU_FILE1 || id >= ID_FILE_MRU_FILE1 + kMostRecentFiles) return false;
    std::size_t index = id - ID_FILE_MRU_FILE1;
    if (state != nullptr) {
        state->Enable(index < recentFiles_.size());
    } else if (index < recentFiles_.size() && docTemplate_ != nullptr) {
        docTemplate_->OpenDocumentFile(recentFiles_[index].c_str());
    }
    return true;
}

void CWinApp::WinHelp(DWORD data, UINT command) const {
    std::string path = ModulePath();
    std::size_t dot = path.find_last_of('.');
    if (dot != std::string::npos && path.find_first_of("\\/", dot) == std::string::npos) path.erase(dot);
    path += ".HLP";
    ::WinHelpA(MainWindow(), path.c_str(), command, data);
}

void CWinApp::Enable3dControls() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
}

void CWinApp::LoadStdProfileSettings(int count) {
    recentFileCount_ = count < 0 ? 0 : (count > kMostRecentFiles ? kMostRecentFiles : count);
    recentFiles_.clear();
    std::string profile = ProfileFileName();
    for (int i = 0; i < recentFileCount_; ++i) {
        char path[MAX_PATH] = "";
        GetPrivateProfileStringA(kRecentFileSection, RecentFileKey(i).c_str(), "", path, sizeof path,
                                 profile.c_str());
        if (path[0] != '\0') recentFiles_.emplace_back(path);
    }
}

void CWinApp::AddToRecentFiles(const std::string& path) {
    if (recentFileCount_ == 0) return;
    for (auto it = recentFiles_.begin(); it != recentFiles_.end(); ++it) {
        if (lstrcmpiA(it->c_str(), path.c_str()) == 0) {
            recentFiles_.erase(it);
            break;
        }
    }
    recentFiles_.insert(recentFiles_.begin(), path);
    if (recentFiles_.size() > static_cast<std::size_t>(recentFileCount_)) recentFiles_.resize(recentFileCount_);
}

void CWinApp::AddDocTemplate(std::unique_ptr<CDocTemplate> docTemplate) { docTemplate_ = std::move(docTemplate); }

ShellCommand CWinApp::ParseCommandLine() const {
    std::vector<std::string> arguments;
    for (int i = 1; i < __argc; ++i) arguments.emplace_back(__argv[i]);
    return ParseShellCommand(arguments);
}

bool CWinApp::ProcessShellCommand(const ShellCommand& command) {
    if (docTemplate_ == nullptr) return false;
    if (command.kind == ShellCommand::FileNew) return docTemplate_->OpenDocumentFile(nullptr) != nullptr;
    if (docTemplate_->OpenDocumentFile(command.fileName.c_str()) == nullptr) return false;
    AddToRecentFiles(command.fileName);
    return true;
}

int RunApplication(CWinApp& app) {
    if (!app.InitApplication()) return 0;
    if (!app.InitInstance()) return app.ExitInstance();
    return app.Run();
}

std::string ApplicationTitle() {
    std::string path = ModulePath();
    return path.empty() ? "Application" : TitleFromModulePath(path);
}

int AppMessageBox(HWND owner, const std::string& text, UINT style) {
    return MessageBoxA(owner, text.c_str(), ApplicationTitle().c_str(), style);
}

}  // namespace fw

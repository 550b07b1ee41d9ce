#include "document.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "framework_ids.h"
#include "win_app.h"

namespace fw {

bool CDocument::OnNewDocument() {
    pathName_.clear();
    return true;
}

bool CDocument::OnOpenDocument(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        AppMessageBox(MainWindow(), "Cannot open the file " + path + ".", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    Serialize(bytes, false);
    pathName_ = path;
    return true;
}

std::string CDocument::Title() const {
    if (pathName_.empty()) return "Untitled";
    std::size_t slash = pathName_.find_last_of("\\/:");
    return slash == std::string::npos ? pathName_ : pathName_.substr(slash + 1);
}

bool CDocument::OnCmdMsg(UINT id, CCmdUI* state) {
    static const CommandEntry<CDocument> kCommands[] = {
        Command(ID_FILE_SAVE, &CDocument::OnFileSave),
    };
    return RouteCommand(*this, kCommands, id, state);
}

void CDocument::OnFileSave() {
    std::string path = pathName_;
    if (path.empty()) {
        char name[MAX_PATH] = "Untitled";
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = MainWindow();
        dialog.lpstrFile = name;
        dialog.nMaxFile = sizeof name;
        dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
        if (!GetSaveFileNameA(&dialog)) return;
        path = name;
    }
    if (SaveTo(path)) pathName_ = path;
}

bool CDocument::SaveTo(const std::string& path) {
    std::vector<char> bytes;
    Serialize(bytes, true);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (file) return true;
    AppMessageBox(MainWindow(), "Cannot save the file " + path + ".", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

}  // namespace fw

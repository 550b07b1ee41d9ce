#include "doc_template.h"

#include "shell_command.h"
#include "win_app.h"

namespace fw {

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId, DocumentFactory document, FrameFactory frame,
                                       ViewFactory view)
    : resourceId_(resourceId), makeDocument_(document), makeFrame_(frame), makeView_(view) {}

CSingleDocTemplate::~CSingleDocTemplate() {
    // A frame still on screen at the end hears nothing more of its object.
    if (frame_ != nullptr && frame_->Exists()) SetWindowLongPtrA(frame_->Handle(), GWLP_USERDATA, 0);
}

std::string CSingleDocTemplate::DocString(int index) const {
    char text[512] = "";
    LoadStringA(GetModuleHandleA(nullptr), resourceId_, text, sizeof text);
    return DocStringPart(text, index);
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const char* path) {
    bool first = document_ == nullptr;
    if (first) {
        document_ = makeDocument_();
        if (!CreateFrameAndView()) {
            document_.reset();
            return nullptr;
        }
    }
    bool loaded = path == nullptr ? document_->OnNewDocument() : document_->OnOpenDocument(path);
    if (!loaded) {
        if (first && frame_->Exists()) DestroyWindow(frame_->Handle());
        return nullptr;
    }
    if (first) InitialUpdateFrame();
    frame_->SetCaption((document_->Title() + " - " + DocString(0)).c_str());
    return document_.get();
}

bool CSingleDocTemplate::CreateFrameAndView() {
    view_ = makeView_();
    frame_ = makeFrame_();
    CCreateContext context{document_.get(), view_.get()};
    CWinApp* app = TheApp();
    if (app != nullptr && app->MainFrame() == nullptr) app->SetMainFrame(frame_.get());
    if (frame_->LoadFrame(resourceId_, DocString(0).c_str(), context)) return true;
    if (app != nullptr && app->MainFrame() == frame_.get()) app->SetMainFrame(nullptr);
    return false;
}

// The view becomes active and is told the document is there; then the
// frame is shown the way the system asked.
void CSingleDocTemplate::InitialUpdateFrame() {
    frame_->SetActiveView(view_.get());
    view_->OnInitialUpdate();
    frame_->RecalcLayout();
    CWinApp* app = TheApp();
    frame_->Show(app != nullptr ? app->CmdShow() : SW_SHOW);
}

}  // namespace fw

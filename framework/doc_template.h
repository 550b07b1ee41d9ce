// A document template ties a document, its frame and its view together.
// The single-document one makes one of each, the first time a document is
// created or opened, and makes its frame the program's main window.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "document.h"
#include "form_view.h"
#include "frame_wnd.h"

namespace fw {

class CDocTemplate {
public:
    virtual ~CDocTemplate() = default;
    // A new document when `path` is null, else the file opened; null when
    // the document, its frame or its view could not be made.
    virtual CDocument* OpenDocumentFile(const char* path) = 0;
};

class CSingleDocTemplate : public CDocTemplate {
public:
    using DocumentFactory = std::unique_ptr<CDocument> (*)();
    using FrameFactory = std::unique_ptr<CFrameWnd> (*)();
    using ViewFactory = std::unique_ptr<CView> (*)();

    CSingleDocTemplate(UINT resourceId, DocumentFactory document, FrameFactory frame, ViewFactory view);
    ~CSingleDocTemplate() override;

    template <class Document, class Frame, class View>
    static std::unique_ptr<CSingleDocTemplate> Make(UINT resourceId) {
        return std::make_unique<CSingleDocTemplate>(
            resourceId, [] { return std::unique_ptr<CDocument>(new Document); },
            [] { return std::unique_ptr<CFrameWnd>(new Frame); }, [] { return std::unique_ptr<CView>(new View); });
    }

    CDocument* OpenDocumentFile(const char* path) override;

    // A part of the template's string (resource `resourceId`).
    std::string DocString(int index) const;

private:
    bool CreateFrameAndView();
    void InitialUpdateFrame();

    UINT resourceId_;
    DocumentFactory makeDocument_;
    FrameFactory makeFrame_;
    ViewFactory makeView_;
    std::unique_ptr<CDocument> document_;
    std::unique_ptr<CView> view_;
    std::unique_ptr<CFrameWnd> frame_;
};

}  // namespace fw

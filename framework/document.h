// A document: the data a frame and its view show. It takes part in
// command routing after the view and answers the standard save command.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "command_target.h"

namespace fw {

class CDocument : public CCmdTarget {
public:
    CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;
    virtual ~CDocument() = default;

    virtual bool OnNewDocument();
    // Reads the file and gives its bytes to Serialize.
    virtual bool OnOpenDocument(const std::string& path);
    // The document's bytes: read from `bytes` or, when storing, written to it.
    virtual void Serialize(std::vector<char>& /*bytes*/, bool /*storing*/) {}

    const std::string& PathName() const { return pathName_; }
    // The name in the frame's caption: the file's name, or "Untitled".
    std::string Title() const;

    // ID_FILE_SAVE: asks for a file name when the document has none.
    bool OnCmdMsg(UINT id, CCmdUI* state) override;

private:
    void OnFileSave();
    bool SaveTo(const std::string& path);

    std::string pathName_;
};

}  // namespace fw

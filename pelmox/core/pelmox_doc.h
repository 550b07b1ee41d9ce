// The monitor's document holds nothing: a new document is the framework's
// and storing it writes nothing.
#pragma once

#include "framework/document.h"

namespace pelmox {

class CPelMoxDoc : public fw::CDocument {
public:
    bool OnNewDocument() override { return CDocument::OnNewDocument(); }
    void Serialize(std::vector<char>&, bool) override {}
};

}  // namespace pelmox

#pragma once
#include "platform/shell.h"

namespace scribbet {

// Opens files and web addresses with the desktop's default handler.
class QtShell final : public Shell {
public:
    bool Open(const std::string& target) override;
};

}  // namespace scribbet

#pragma once
// Opening a file or a web address with the desktop's default handler.
#include <string>

namespace scribbet {

class Shell {
public:
    virtual ~Shell() = default;
    // Opens `target` (a path or a URL, UTF-8) with the verb "open" and
    // returns at once; false when no handler took it.
    virtual bool Open(const std::string& target) = 0;
};

}  // namespace scribbet

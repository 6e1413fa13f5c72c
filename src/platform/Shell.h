#pragma once

#include <string>

namespace pelcor {

// Opens a document or a web address with the user's default application. The result
// follows the desktop's convention: above 32 on success, otherwise an error code
// (2 file not found, 8 out of memory, 11 bad program file, 31 no application).
class Shell {
public:
    virtual ~Shell() = default;
    virtual int open(const std::string& target) = 0;
};

class DesktopShell : public Shell {
public:
    int open(const std::string& target) override;
};

} // namespace pelcor

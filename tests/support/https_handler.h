// Points the shell's https handler (HKCR\https\shell\open\command) at a command of the test
// while it lives, and puts the previous command back afterwards.
#pragma once

#include "platform/win.h"

#include <string>

namespace test {

class HttpsHandler {
public:
    explicit HttpsHandler(const std::string& command);
    ~HttpsHandler();
    HttpsHandler(const HttpsHandler&) = delete;
    HttpsHandler& operator=(const HttpsHandler&) = delete;

private:
    HKEY key_ = nullptr;
    std::string old_;
};

}  // namespace test

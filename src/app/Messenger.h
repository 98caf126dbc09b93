#pragma once
#include <string>

namespace kestive {

// Tells the user something without stopping the program (no modal wait, no event pumping).
class Messenger {
public:
    virtual ~Messenger() = default;
    virtual void showMessage(const std::string& text) = 0;
};

}  // namespace kestive

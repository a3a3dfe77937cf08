#pragma once
// Fuzz targets answer every box at once and show nothing.
#include "platform/messages.h"

namespace document {

class QuietMessages : public platform::MessageService {
public:
    platform::Answer show(std::string_view, std::string_view, platform::Icon,
                          platform::Buttons buttons) override {
        return platform::defaultAnswer(buttons);
    }
};

}  // namespace document

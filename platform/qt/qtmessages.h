#pragma once
// Message boxes of the windowed program: a modal QMessageBox over the active window.
// Texts arrive as code page 1252 bytes and are converted here, at the edge.
#include "platform/messages.h"

namespace platform {

class QtMessages : public MessageService {
public:
    Answer show(std::string_view text, std::string_view caption, Icon icon,
                Buttons buttons) override;
};

}  // namespace platform

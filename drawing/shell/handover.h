#pragma once
// The hand-over from the generator program: a named shared block of 2000 bytes holding a
// NUL-terminated path, and the message "FraHolmaskMsg" with a first parameter, delivered to
// the running program over a local socket of the same name.
#include <QObject>
#include <functional>
#include <memory>
#include <string>

class QLocalServer;
class QSharedMemory;

namespace shell {

constexpr const char* kHandOverBlock = "FraHolmaskMappingId";
constexpr const char* kHandOverMessage = "FraHolmaskMsg";
constexpr int kHandOverBlockSize = 2000;

// The receiving side, alive as long as the MDI client. Creates the block (or opens the one
// the generator made first) and listens for messages.
class HandOverReceiver : public QObject {
    Q_OBJECT
public:
    HandOverReceiver(const std::string& blockName, const std::string& messageName);
    ~HandOverReceiver() override;

    // Called with the message's first parameter; its result is answered to the sender.
    std::function<int(int)> onMessage;

    // The path at the start of the block, up to its NUL (or the block's end).
    std::string readPath();
    bool listening() const;

private:
    void readMessage();

    std::unique_ptr<QSharedMemory> block_;
    std::unique_ptr<QLocalServer> server_;
};

// The generator's part: writes `path` into the block (when `wParam` is 1) and sends the
// message with `wParam` to the running program. False when no program received it or the
// path does not fit the block; `error` says why.
bool SendHandOver(const std::string& path, int wParam, std::string* error,
                  const std::string& blockName = kHandOverBlock,
                  const std::string& messageName = kHandOverMessage);

}  // namespace shell

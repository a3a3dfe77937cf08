#include "drawing/shell/handover.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QSharedMemory>
#include <cstring>

namespace shell {

namespace {

// One message on the socket: "FraHolmaskMsg <wParam> <lParam>\n"; the answer "<result>\n".
QByteArray encodeMessage(const std::string& name, int wParam) {
    return QByteArray::fromStdString(name + " " + std::to_string(wParam) + " 0\n");
}

// Creates the block, or opens the existing one when the other side made it first.
bool attachBlock(QSharedMemory& block) {
    if (block.create(kHandOverBlockSize)) {
        block.lock();
        std::memset(block.data(), 0, kHandOverBlockSize);
        block.unlock();
        return true;
    }
    return block.error() == QSharedMemory::AlreadyExists && block.attach();
}

}  // namespace

HandOverReceiver::HandOverReceiver(const std::string& blockName, const std::string& messageName)
    : block_(std::make_unique<QSharedMemory>(QString::fromStdString(blockName))),
      server_(std::make_unique<QLocalServer>()) {
    attachBlock(*block_);
    const QString name = QString::fromStdString(messageName);
    // A socket left behind by a program that ended abnormally would block the name; one that
    // answers belongs to a running program and stays.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (!probe.waitForConnected(200)) QLocalServer::removeServer(name);
    server_->listen(name);
    connect(server_.get(), &QLocalServer::newConnection, this, &HandOverReceiver::readMessage);
}

HandOverReceiver::~HandOverReceiver() = default;

bool HandOverReceiver::listening() const { return server_->isListening(); }

std::string HandOverReceiver::readPath() {
    if (!block_->isAttached() || !block_->lock()) return {};
    const char* data = static_cast<const char*>(block_->constData());
    const std::size_t size = std::min<std::size_t>(block_->size(), kHandOverBlockSize);
    const std::string path(data, strnlen(data, size));
    block_->unlock();
    return path;
}

void HandOverReceiver::readMessage() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                const QList<QByteArray> words = socket->readLine(256).trimmed().split(' ');
                int result = 0;
                if (words.size() >= 2 && onMessage) result = onMessage(words[1].toInt());
                socket->write(QByteArray::number(result) + "\n");
                socket->flush();
            }
        });
    }
}

bool SendHandOver(const std::string& path, int wParam, std::string* error,
                  const std::string& blockName, const std::string& messageName) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    QSharedMemory block(QString::fromStdString(blockName));
    if (wParam == 1) {
        if (path.size() >= static_cast<std::size_t>(kHandOverBlockSize)) {
            return fail("the path does not fit the hand-over block");
        }
        if (!attachBlock(block)) return fail("cannot open the hand-over block");
        block.lock();
        char* data = static_cast<char*>(block.data());
        std::memset(data, 0, kHandOverBlockSize);
        std::memcpy(data, path.data(), path.size());
        block.unlock();
    }
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(messageName));
    if (!socket.waitForConnected(2000)) return fail("the drawing program is not running");
    socket.write(encodeMessage(messageName, wParam));
    if (!socket.waitForBytesWritten(2000)) return fail("the message was not delivered");
    // The answer tells that the program handled the message while the block was still ours.
    if (!socket.waitForReadyRead(30000)) return fail("the drawing program did not answer");
    socket.disconnectFromServer();
    return true;
}

}  // namespace shell

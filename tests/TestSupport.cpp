#include "TestSupport.h"

#include "toolkit/controls/Forms.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <map>
#include <sys/mount.h>
#include <unistd.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace qvtest {
QString TempDir() {
    static std::vector<std::unique_ptr<QTemporaryDir>> dirs;
    dirs.push_back(std::make_unique<QTemporaryDir>());
    return dirs.back()->path();
}

SmallFileSystem::SmallFileSystem(int kib) : FPath(TempDir() + "/small") {
    if (geteuid() != 0) {
        FWhy = QStringLiteral("mounting a small file system needs root");
        return;
    }
    QDir().mkpath(FPath);
    const QByteArray options = "size=" + QByteArray::number(kib) + "k,mode=0777";
    if (::mount("qv-small", QFile::encodeName(FPath).constData(), "tmpfs", 0, options.constData()) != 0) {
        FWhy = QStringLiteral("no tmpfs could be mounted: %1").arg(QString::fromLocal8Bit(strerror(errno)));
        return;
    }
    FMounted = true;
}

SmallFileSystem::~SmallFileSystem() {
    // Lazily, so that a file a failed test left open cannot keep it mounted.
    if (FMounted) ::umount2(QFile::encodeName(FPath).constData(), MNT_DETACH);
}

void SmallFileSystem::Fill() {
    QFile filler(FPath + "/.filler");
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) return;
    const QByteArray block(512, 'f');
    while (filler.write(block) == block.size()) {
    }
    // The last pages may only take fewer bytes than a block.
    while (filler.write("f", 1) == 1) {
    }
}

struct LoopbackHttpServer::Impl {
    QTcpServer Server;
    std::map<QTcpSocket*, QByteArray> Pending;
};

LoopbackHttpServer::LoopbackHttpServer() : FImpl(std::make_unique<Impl>()) {
    EXPECT_TRUE(FImpl->Server.listen(QHostAddress::LocalHost, 0));
    QObject::connect(&FImpl->Server, &QTcpServer::newConnection, [this] {
        while (QTcpSocket* socket = FImpl->Server.nextPendingConnection()) {
            socket->setParent(&FImpl->Server);
            QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] {
                QByteArray& buffer = FImpl->Pending[socket];
                buffer += socket->readAll();
                if (!buffer.contains("\r\n\r\n"))
                    return;
                Requests << buffer;
                const QByteArray path = buffer.split(' ').value(1);
                buffer.clear();
                QByteArray answer = Respond ? Respond(path) : QByteArray();
                if (answer.isEmpty())
                    return;
                socket->write(answer);
                socket->disconnectFromHost();
            });
        }
    });
}

LoopbackHttpServer::~LoopbackHttpServer() = default;

quint16 LoopbackHttpServer::Port() const { return FImpl->Server.serverPort(); }

QByteArray LoopbackHttpServer::Response(int status, const QByteArray& body, const QByteArray& headers) {
    return "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Error") + "\r\n" + headers +
           "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

ScriptedInteraction::ScriptedInteraction() : FPrevious(GetInteraction()) { SetInteraction(this); }

ScriptedInteraction::~ScriptedInteraction() { SetInteraction(nullptr); }

void ScriptedInteraction::AnswerMessage(int answer) { FMessages.push_back(answer); }

void ScriptedInteraction::AnswerModal(std::function<void(TCustomForm*)> script) {
    FModals.push_back(std::move(script));
}

void ScriptedInteraction::AnswerFile(const QString& fileName) { FFiles.push_back(fileName); }

QStringList ScriptedInteraction::Messages() const {
    QStringList out;
    for (const Shown& s : FHistory)
        if (s.kind == Shown::Message)
            out << s.message.Text;
    return out;
}

int ScriptedInteraction::MessageBox(const TMessageRequest& request) {
    FHistory.push_back({Shown::Message, request, {}, {}});
    if (FMessages.empty()) {
        ADD_FAILURE() << "unscripted message box: " << request.Text.toStdString();
        return request.Buttons & mbCancel ? mrCancel : (request.Buttons & mbNo ? mrNo : mrOk);
    }
    int answer = FMessages.front();
    FMessages.pop_front();
    return answer;
}

void ScriptedInteraction::RunModal(TCustomForm* form) {
    FHistory.push_back({Shown::Modal, {}, form->ClassName(), {}});
    if (FModals.empty()) {
        // A form that re-opens after its close was refused ends here as if the person cancelled.
        if (form->ModalResult() == mrNone)
            form->SetModalResult(mrCancel);
        return;
    }
    auto script = std::move(FModals.front());
    FModals.pop_front();
    script(form);
    if (form->ModalResult() == mrNone)
        form->SetModalResult(mrCancel);
}

bool ScriptedInteraction::FileDialog(TFileDialogRequest& request) {
    FHistory.push_back({Shown::File, {}, {}, request});
    if (FFiles.empty()) {
        ADD_FAILURE() << "unscripted file dialog: " << request.Title.toStdString();
        return false;
    }
    QString name = FFiles.front();
    FFiles.pop_front();
    if (name.isEmpty())
        return false;
    request.FileName = name;
    request.Files = QStringList{name};
    return true;
}
} // namespace qvtest

#include "TestSupport.h"

#include "toolkit/Forms.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace qvtest {
QString TempDir() {
    static std::vector<std::unique_ptr<QTemporaryDir>> dirs;
    dirs.push_back(std::make_unique<QTemporaryDir>());
    return dirs.back()->path();
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

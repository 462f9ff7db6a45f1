// Actions, their links to controls, a control's action, and the update of the actions once the program is
// idle after input.
#include "toolkit/controls/ActnList.h"
#include "toolkit/controls/Controls.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {

// The links whose clients are controls: the idle update asks their actions.
std::vector<TControlActionLink*>& ControlLinks() {
    static std::vector<TControlActionLink*> links;
    return links;
}

// As the platform's application does when its message queue runs empty: after input, each action a shown
// control carries is asked whether it may run (OnUpdate), once.
class IdleActionUpdate : public QObject {
public:
    static void Install() {
        static QPointer<IdleActionUpdate> instance;
        if (instance || !qApp) return;
        instance = new IdleActionUpdate(qApp);
        qApp->installEventFilter(instance);
        instance->Schedule();
    }
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::FocusIn:
        case QEvent::Show:
            Schedule();
            break;
        default:
            break;
        }
        return false;
    }

private:
    explicit IdleActionUpdate(QObject* parent) : QObject(parent) {}
    void Schedule() {
        if (FScheduled) return;
        FScheduled = true;
        QTimer::singleShot(0, this, [this] {
            FScheduled = false;
            UpdateActions();
        });
    }
    bool FScheduled = false;
};

} // namespace

void UpdateActions() {
    // A handler may take an action away from a control: the list is read afresh at each step.
    const std::vector<TControlActionLink*> links = ControlLinks();
    for (TControlActionLink* link : links) {
        auto& now = ControlLinks();
        if (std::find(now.begin(), now.end(), link) == now.end()) continue;
        if (link->Client() && link->Client()->Showing()) link->Update();
    }
}

// Actions
// ---------------------------------------------------------------------------------------------------------

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction() {
    SetDestroying();
    // Controls hear of the action's end through their free notification; links still here let go.
    while (!FClients.empty())
        FClients.back()->SetAction(nullptr);
}

bool TBasicAction::Execute() {
    if (!OnExecute) return false;
    OnExecute(this);
    return true;
}

bool TBasicAction::Update() {
    if (!OnUpdate) return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::RegisterChanges(TBasicActionLink* Link) {
    FClients.push_back(Link);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Link) {
    std::erase(FClients, Link);
}

template <class F> void TAction::ForEachLink(F f) {
    // A link's setter may change the client, whose handler may drop the action: read the list afresh.
    const std::vector<TBasicActionLink*> links = FClients;
    for (TBasicActionLink* link : links)
        if (std::find(FClients.begin(), FClients.end(), link) != FClients.end())
            if (auto* l = dynamic_cast<TActionLink*>(link)) f(l);
}

void TAction::SetCaption(const String& Value) {
    if (Value == FCaption) return;
    ForEachLink([&](TActionLink* l) { l->SetCaption(Value); });
    FCaption = Value;
}

void TAction::SetEnabled(bool Value) {
    if (Value == FEnabled) return;
    ForEachLink([&](TActionLink* l) { l->SetEnabled(Value); });
    FEnabled = Value;
}

void TAction::SetChecked(bool Value) {
    if (Value == FChecked) return;
    ForEachLink([&](TActionLink* l) { l->SetChecked(Value); });
    FChecked = Value;
}

void TAction::SetHint(const String& Value) {
    if (Value == FHint) return;
    ForEachLink([&](TActionLink* l) { l->SetHint(Value); });
    FHint = Value;
}

void TAction::SetGroupIndex(int Value) {
    if (Value == FGroupIndex) return;
    ForEachLink([&](TActionLink* l) { l->SetGroupIndex(Value); });
    FGroupIndex = Value;
}

bool TAction::Execute() {
    Update();
    if (!FEnabled) return false;
    return TBasicAction::Execute();
}

// Links
// ---------------------------------------------------------------------------------------------------------

TBasicActionLink::TBasicActionLink() = default;

TBasicActionLink::~TBasicActionLink() {
    if (FAction) FAction->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* Value) {
    if (Value == FAction) return;
    if (FAction) FAction->UnRegisterChanges(this);
    FAction = Value;
    if (FAction) FAction->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent*) {
    return FAction && FAction->Execute();
}

bool TBasicActionLink::Update() {
    return FAction && FAction->Update();
}

TAction* TActionLink::LinkedAction() const {
    return dynamic_cast<TAction*>(FAction);
}

bool TActionLink::IsCaptionLinked() {
    return LinkedAction() != nullptr;
}
bool TActionLink::IsCheckedLinked() {
    return LinkedAction() != nullptr;
}
bool TActionLink::IsEnabledLinked() {
    return LinkedAction() != nullptr;
}
bool TActionLink::IsGroupIndexLinked() {
    return LinkedAction() != nullptr;
}
bool TActionLink::IsHintLinked() {
    return LinkedAction() != nullptr;
}

TControlActionLink::TControlActionLink(TControl* Client) {
    AssignClient(Client);
    ControlLinks().push_back(this);
    IdleActionUpdate::Install();
}

TControlActionLink::~TControlActionLink() {
    std::erase(ControlLinks(), this);
}

void TControlActionLink::AssignClient(TControl* Client) {
    FClient = Client;
}

bool TControlActionLink::IsCaptionLinked() {
    return TActionLink::IsCaptionLinked() && FClient->Caption() == LinkedAction()->Caption();
}

bool TControlActionLink::IsEnabledLinked() {
    return TActionLink::IsEnabledLinked() && FClient->Enabled() == LinkedAction()->Enabled();
}

bool TControlActionLink::IsHintLinked() {
    return TActionLink::IsHintLinked() && FClient->Hint() == LinkedAction()->Hint();
}

void TControlActionLink::SetCaption(const String& Value) {
    if (IsCaptionLinked()) FClient->SetCaption(Value);
}

void TControlActionLink::SetEnabled(bool Value) {
    if (IsEnabledLinked()) FClient->SetEnabled(Value);
}

void TControlActionLink::SetHint(const String& Value) {
    if (IsHintLinked()) FClient->SetHint(Value);
}

// A control's action
// ---------------------------------------------------------------------------------------------------------

TBasicAction* TControl::Action() const {
    return FActionLink ? FActionLink->Action() : nullptr;
}

void TControl::SetAction(TBasicAction* Value) {
    TBasicAction* old = Action();
    // A link whose action went (it let its links go first) is dropped as well.
    if (Value == old && (Value || !FActionLink)) return;
    if (old) old->RemoveFreeNotification(this);
    if (!Value) {
        FActionLink.reset();
        return;
    }
    if (!FActionLink) FActionLink = CreateActionLink();
    FActionLink->SetAction(Value);
    Value->FreeNotification(this);
    ActionChange(Value, Value->IsLoading());
}

void TControl::InitiateAction() {
    if (FActionLink) FActionLink->Update();
}

std::unique_ptr<TControlActionLink> TControl::CreateActionLink() {
    return std::make_unique<TControlActionLink>(this);
}

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
    auto* action = dynamic_cast<TAction*>(Sender);
    if (!action) return;
    if (!CheckDefaults || Caption().isEmpty()) SetCaption(action->Caption());
    if (!CheckDefaults || Enabled()) SetEnabled(action->Enabled());
    if (!CheckDefaults || Hint().isEmpty()) SetHint(action->Hint());
}

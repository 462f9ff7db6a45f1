// Actions: a command with its caption, enabled and checked state and hint, shared by the controls that
// carry it out, and the links that keep each such control in step with it.
#pragma once

#include "toolkit/system/Classes.h"

#include <vector>

class TBasicActionLink;
class TControl;

// What a command does (OnExecute) and when it may (OnUpdate, asked once the program is idle after input,
// for each action a shown control carries).
class TBasicAction : public TComponent {
public:
    explicit TBasicAction(TComponent* AOwner);
    ~TBasicAction() override;
    String ClassName() const override { return "TBasicAction"; }

    // Runs OnExecute; false when there is none.
    virtual bool Execute();
    // Runs OnUpdate; false when there is none.
    virtual bool Update();

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;

protected:
    friend class TBasicActionLink;
    void RegisterChanges(TBasicActionLink* Link);
    void UnRegisterChanges(TBasicActionLink* Link);
    // The links of the controls that carry this action, in the order they took it.
    std::vector<TBasicActionLink*> FClients;
};

// An action with the looks a control takes from it. A change reaches each linked control that still shows
// the action's old value (a control given a value of its own keeps it).
class TAction : public TBasicAction {
public:
    explicit TAction(TComponent* AOwner) : TBasicAction(AOwner) {}
    String ClassName() const override { return "TAction"; }

    String Caption() const { return FCaption; }
    void SetCaption(const String& Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    String Hint() const { return FHint; }
    void SetHint(const String& Value);
    // Buttons of one group (not 0) show which of their actions is checked.
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);

    // Updates first; a disabled action does nothing and answers false.
    bool Execute() override;

private:
    template <class F> void ForEachLink(F f);

    String FCaption;
    bool FEnabled = true;
    bool FChecked = false;
    String FHint;
    int FGroupIndex = 0;
};

// Ties a client to an action: the action's changes pass through the link's setters, which the client's
// kind of link applies to it.
class TBasicActionLink : public TObject {
public:
    TBasicActionLink();
    ~TBasicActionLink() override;
    TBasicActionLink(const TBasicActionLink&) = delete;
    TBasicActionLink& operator=(const TBasicActionLink&) = delete;
    String ClassName() const override { return "TBasicActionLink"; }

    TBasicAction* Action() const { return FAction; }
    void SetAction(TBasicAction* Value);
    // The action carried out for the client; false when there is none or it did nothing.
    virtual bool Execute(TComponent* Target);
    // Asks the action's OnUpdate.
    virtual bool Update();

protected:
    TBasicAction* FAction = nullptr;
};

class TActionLink : public TBasicActionLink {
public:
    String ClassName() const override { return "TActionLink"; }

    // Whether the client follows the action's value of each kind: only while it is linked to a TAction.
    virtual bool IsCaptionLinked();
    virtual bool IsCheckedLinked();
    virtual bool IsEnabledLinked();
    virtual bool IsGroupIndexLinked();
    virtual bool IsHintLinked();
    // Called by the action with its new value, before it takes it.
    virtual void SetCaption(const String& Value) { (void)Value; }
    virtual void SetChecked(bool Value) { (void)Value; }
    virtual void SetEnabled(bool Value) { (void)Value; }
    virtual void SetGroupIndex(int Value) { (void)Value; }
    virtual void SetHint(const String& Value) { (void)Value; }

protected:
    TAction* LinkedAction() const;
};

// The link of a control: the control's caption, enabled state and hint follow the action while they are
// still the action's.
class TControlActionLink : public TActionLink {
public:
    explicit TControlActionLink(TControl* Client);
    ~TControlActionLink() override;
    String ClassName() const override { return "TControlActionLink"; }

    TControl* Client() const { return FClient; }
    bool IsCaptionLinked() override;
    bool IsEnabledLinked() override;
    bool IsHintLinked() override;
    void SetCaption(const String& Value) override;
    void SetEnabled(bool Value) override;
    void SetHint(const String& Value) override;

protected:
    virtual void AssignClient(TControl* Client);
    TControl* FClient = nullptr;
};

// Runs the idle update at once: OnUpdate of every action a shown control carries (tests; the program
// does it by itself after input).
void UpdateActions();

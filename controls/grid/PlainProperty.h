// The getter, setter and field of a setting of the grid's settings classes: plain, or running a statement of
// the owning class when the value changes.
#pragma once

#define QV_PLAIN_PROP(Type, Name, Init)                                                                      \
public:                                                                                                      \
    Type Name() const {                                                                                      \
        return F##Name;                                                                                      \
    }                                                                                                        \
    void Set##Name(Type value) {                                                                             \
        F##Name = value;                                                                                     \
    }                                                                                                        \
                                                                                                             \
private:                                                                                                     \
    Type F##Name = Init;

// Notify runs after a changed value is stored (a repaint, a change event); setting the same value again
// does nothing.
#define QV_NOTIFY_PROP(Type, Name, Init, Notify)                                                             \
public:                                                                                                      \
    Type Name() const {                                                                                      \
        return F##Name;                                                                                      \
    }                                                                                                        \
    void Set##Name(Type value) {                                                                             \
        if (F##Name == value) return;                                                                        \
        F##Name = value;                                                                                     \
        Notify;                                                                                              \
    }                                                                                                        \
                                                                                                             \
private:                                                                                                     \
    Type F##Name = Init;

// The getter, setter and field of a setting whose change has no side effect, for the grid's settings classes.
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

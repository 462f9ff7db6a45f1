// A variable set for the length of a scope and put back when it ends, also when an event handler raises.
#pragma once

template <class T> class ScopedValue {
public:
    ScopedValue(T& ref, T value) : FRef(ref), FOld(ref) { ref = value; }
    ~ScopedValue() { FRef = FOld; }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

private:
    T& FRef;
    T FOld;
};

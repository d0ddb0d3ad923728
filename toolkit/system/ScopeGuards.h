#pragma once
// Scope guards for state that must be put back on every way out of a scope, exceptions included:
// a variable set for the scope, a list's update, and a clean-up that is neither.
#include <type_traits>
#include <utility>

// Sets `variable` to `value` for the scope and puts the old value back at its end.
template <class T>
class TRestore {
public:
    TRestore(T& variable, std::type_identity_t<T> value)
        : FVariable(variable), FOld(std::exchange(variable, std::move(value))) {}
    ~TRestore() { FVariable = std::move(FOld); }
    TRestore(const TRestore&) = delete;
    TRestore& operator=(const TRestore&) = delete;

private:
    T& FVariable;
    T FOld;
};

// Holds a list between BeginUpdate and EndUpdate (it stops repainting) for the scope.
template <class List>
class TUpdateScope {
public:
    explicit TUpdateScope(List& list) : FList(list) { FList.BeginUpdate(); }
    ~TUpdateScope() { FList.EndUpdate(); }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
    List& FList;
};

// Runs `action` at the end of the scope.
template <class Action>
class TAtScopeExit {
public:
    explicit TAtScopeExit(Action action) : FAction(std::move(action)) {}
    ~TAtScopeExit() { FAction(); }
    TAtScopeExit(const TAtScopeExit&) = delete;
    TAtScopeExit& operator=(const TAtScopeExit&) = delete;

private:
    Action FAction;
};

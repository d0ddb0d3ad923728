#pragma once
// The exception classes of the program: each carries the message the error box shows.
#include <stdexcept>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}
    const std::string& Message() const { return FMessage; }
    const char* what() const noexcept override { return FMessage.c_str(); }

private:
    std::string FMessage;
};

// Ends a handler without showing anything.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};

// The one check of a position in a list, for every indexed accessor: the error box shows the
// position, never the standard library's text.
[[noreturn]] inline void ListIndexError(int index) {
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}
inline void CheckListIndex(int index, int count) {
    if (index < 0 || index >= count) ListIndexError(index);
}

class EInOutError : public Exception {
public:
    EInOutError(std::string message, int errorCode) : Exception(std::move(message)), ErrorCode(errorCode) {}
    int ErrorCode;
};

class EOutOfResources : public Exception {
public:
    using Exception::Exception;
};

class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

#pragma once
// TObject: the root of the program's objects, so that an event can name its sender and a list line
// can carry any object along.
class TObject {
public:
    virtual ~TObject() = default;
};

// A class without members kept with the tips manager: its only operation is its virtual
// destructor, so that classes derived from it are deleted through it. The library makes none.
#pragma once

class rvSkinTools
{
public:
    virtual ~rvSkinTools();
};

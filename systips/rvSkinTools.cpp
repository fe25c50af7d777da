#include "rvSkinTools.h"

rvSkinTools::~rvSkinTools()
{
}

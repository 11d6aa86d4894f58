// The names of window colours as form descriptions write them (clRed,
// clBtnFace, clNone, ...), over the drawing layer's colour constants.
#pragma once

#include "ui/Properties.h"

namespace sk::ui {

const IntIdents& colorIdents();

}  // namespace sk::ui

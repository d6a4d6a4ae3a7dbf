// The classes of the window's control arrays (cards, row labels, cross
// lines) and of its timer. Each record is built once, on first use or by
// class initialisation.
#pragma once

#include "platform/runtime/class_record.h"

namespace window1 {

const rt::ClassRecord& FudaButtonClass();
const rt::ClassRecord& MiniLabelClass();
const rt::ClassRecord& XlineClass();
const rt::ClassRecord& Timer1Class();
void buildFudaButtonClass();
void buildMiniLabelClass();
void buildXlineClass();
void buildTimer1Class();

}  // namespace window1

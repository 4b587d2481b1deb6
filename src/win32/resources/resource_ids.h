// The numbers of the executable's own resources, shared by the resource script and the code.
#pragma once

#define kIconResource 1
#define kFaceResource 101

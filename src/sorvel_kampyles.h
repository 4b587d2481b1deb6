// Umbrella header of the module sorvel_kampyles: module-wide values, ray functions, drawing procedures.
#pragma once

#include "linear/linear_fronts.h"
#include "linear/linear_ray_field.h"
#include "linear/linear_rays.h"
#include "linear/linear_train.h"
#include "shared/module_values.h"
#include "square_root/square_root_fronts.h"
#include "square_root/square_root_ray_field.h"
#include "square_root/square_root_rays.h"
#include "square_root/square_root_train.h"

// Umbrella header of the module sorvel_kampyles: module-wide values, ray functions, drawing procedures.
#pragma once

#include "model/linear/linear_fronts.h"
#include "model/linear/linear_ray_field.h"
#include "model/linear/linear_rays.h"
#include "model/linear/linear_train.h"
#include "model/shared/module_values.h"
#include "model/square_root/square_root_fronts.h"
#include "model/square_root/square_root_ray_field.h"
#include "model/square_root/square_root_rays.h"
#include "model/square_root/square_root_train.h"

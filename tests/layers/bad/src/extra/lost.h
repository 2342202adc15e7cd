// A folder that is no layer.
#include "core/numeric.h"

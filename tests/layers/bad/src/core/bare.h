// A layer that includes a file by its bare name.
#include "numeric.h"

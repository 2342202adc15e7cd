// A program that reads the tests.
#include "app/app.h"
#include "tests/unit/support.h"

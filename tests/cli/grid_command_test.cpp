#include "cli/grid_command.h"

#include <gtest/gtest.h>

TEST(GridCommand, Placeholder) { SUCCEED(); }

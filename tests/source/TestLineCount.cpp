#include "TestUtil.h"

#include <gtest/gtest.h>

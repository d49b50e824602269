#include "TestUtil.h"

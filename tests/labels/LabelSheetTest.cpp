#include "LabelSheet.h"

#include <gtest/gtest.h>

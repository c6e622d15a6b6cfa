// check_field_test.cpp
#include <gtest/gtest.h>

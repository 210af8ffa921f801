#include <gtest/gtest.h>
#include "KeboTestSupport.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    kebotest::StartProcess();
    return RUN_ALL_TESTS();
}

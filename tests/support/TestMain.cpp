// The main of the test programs that need nothing set up before their tests.

#include "SkipsFailUnderCi.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return tessaly::test_support::skipsFailUnderCi(RUN_ALL_TESTS());
}

// main() of every test program that needs no window.
#include "OddeleniTestu.h"

#include <gmock/gmock.h>

int main(int argc, char** argv) {
    OddelTestyOdZarizeni();
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}

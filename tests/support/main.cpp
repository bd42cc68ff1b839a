#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
#if defined(__SANITIZE_ADDRESS__)
    // Look for leaks while the GL driver is still loaded: it is unloaded at exit,
    // and what it still holds would then look lost, with no name to tell it by.
    __lsan_do_leak_check();
#endif
    return result;
}

#include "../support/Fakes.h"
#include <gtest/gtest.h>

// A scripted fake that cannot answer fails the GoogleTest test that asked it.
namespace {
const bool s_bInstalled = [] {
    SetFakeFailureHandler([](const std::string& strWhat) { ADD_FAILURE() << strWhat; });
    return true;
}();
} // namespace

#pragma once
#include <QObject>
#include <functional>
#include <vector>

// Each test class registers itself; main runs them all and fails if any fails.
using GuiTestFactory = std::function<QObject*()>;
std::vector<GuiTestFactory>& GuiTestRegistry();

struct GuiTestRegistrar {
    explicit GuiTestRegistrar(GuiTestFactory f) { GuiTestRegistry().push_back(std::move(f)); }
};

#define TW_GUI_TEST(Class) static GuiTestRegistrar s_reg_##Class([] { return new Class; })
